// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <fstream>
#include <string>

#include "records/print_layout.h"

namespace tarvel::records {

// The lines of a Windows-1250 text file with CR LF line ends, read one at a time and given
// as UTF-8. Failing to open or read the file throws std::runtime_error with a Croatian
// description.
class FileLines : public LineSource {
public:
    // `path` is the file's full path; `name` is how a message calls it.
    FileLines(const std::string& path, const std::string& name);
    bool next(std::string& line) override;

private:
    std::ifstream in_;
    std::string name_;
    std::string bytes_;
};

// Windows-1250 bytes to UTF-8.
std::string utf8FromCp1250(const std::string& bytes);

} // namespace tarvel::records
