// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "records/program_files.h"

namespace tarvel::forms {
class Platform;
struct WriteResult;
} // namespace tarvel::forms

// Keeping a calculation: the record text appended to the record file of the program directory.
namespace tarvel::records {

// Appends the record and a line break to Cijena.txt (created when missing). A file that another
// program holds, or any other failure, is reported in a message box; nothing is said after a
// save that succeeded. The file is never read, so its size does not matter. Returns whether the
// record was saved.
bool saveRecord(forms::Platform& platform, const std::string& izracun);

// Reports a write of a file of the program directory that did not succeed: a file that another
// program holds, or any other failure with its reason after `notWritten` ("Izračun nije
// pohranjen u datoteku Cijena.txt. Razlog: disk je pun."). Returns whether the write succeeded.
bool reportWrite(forms::Platform& platform, const std::string& fileName,
                 const forms::WriteResult& written, const std::string& notWritten);

} // namespace tarvel::records
