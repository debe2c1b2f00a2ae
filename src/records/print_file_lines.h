// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
#include <fstream>
#include <string>

#include "records/print_layout.h"

namespace tarvel::records {

// The lines of a Windows-1250 text file (CR LF, LF or a lone CR end a line), read one at a time and
// given as UTF-8. Failing to open or read the file throws std::runtime_error with a Croatian
// description.
class FileLines : public LineSource {
public:
    // `path` is the file's full path in UTF-8; `name` is how a message calls it.
    FileLines(const std::string& path, const std::string& name);
    bool next(std::string& line) override;

private:
    std::ifstream in_;
    std::string name_;
    std::string bytes_;
    std::deque<std::string> pending_; // lines of the last read that are not given yet
};

} // namespace tarvel::records
