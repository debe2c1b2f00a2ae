// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "forms/write_failure.h"

// Whether another program holds a file open, asked of the system after a write failed. On
// Windows such a file can be neither written nor replaced, and the error that the failed call
// left is no sure sign of it: the library's clean-up after the failure makes system calls of its
// own, which may overwrite the error, and a replace of a held file is refused as plain "access
// denied", the same error that missing rights give.
namespace tarvel::system {

enum class FileHold {
    Unknown,       // not asked (not Windows, or no such file), or the system's answer says nothing
    HeldByAnother, // the file cannot be opened without sharing: another program has it open
    Free,          // the file could be opened without sharing
};

// Opens the file (a UTF-8 path) without sharing and closes it at once: a sharing or lock
// violation means that another program holds it. Always Unknown on systems other than Windows.
FileHold probeFileHold(const std::string& utf8Path);

// Why the write failed, from the system's error, what the path looks like and what the probe
// found: a held file is "in use" whatever error was left, and Windows' "access denied" is
// "in use" only while the probe cannot tell that nobody holds the file.
forms::WriteFailure judgeWriteFailure(const forms::SystemError& error,
                                      const forms::PathFacts& facts, bool replacing, FileHold hold);

} // namespace tarvel::system
