// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Why a file could not be written, told from what the system reported and from what the path
// looks like, the same way on every system: a user is told the true reason in Croatian, and
// "held by another program" only when the system says so.
namespace tarvel::forms {

enum class WriteFailure {
    InUse,          // another program holds the file
    ReadOnlyFile,   // the file's permissions or read-only attribute forbid writing
    ReadOnlyFolder, // no file may be created in the folder
    FolderInTheWay, // a folder stands where the file should be
    MissingFolder,  // the folder does not exist
    NoPermission,   // the system refuses for another reason of rights
    DiskFull,
    TooLarge, // a file size limit
    ReadOnlyDisk,
    Other,
};

// The error code the system gave for the failed call.
struct SystemError {
    enum Kind { Posix, Windows };
    Kind kind = Posix;
    long code = 0; // errno, or the Windows error of GetLastError()
};

// The Windows error codes that tell a reason (winerror.h), named here so that the rules can
// be tested on any system.
namespace windows_error {
inline constexpr long kPathNotFound = 3;
inline constexpr long kAccessDenied = 5;
inline constexpr long kWriteProtect = 19;
inline constexpr long kSharingViolation = 32;
inline constexpr long kLockViolation = 33;
inline constexpr long kHandleDiskFull = 39;
inline constexpr long kDiskFull = 112;
inline constexpr long kFileTooLarge = 223;
inline constexpr long kUserMappedFile = 1224;
} // namespace windows_error

// What the path looked like after the failure.
struct PathFacts {
    bool isFolder = false;      // a folder of the file's name
    bool fileExists = false;    // a file of that name
    bool fileReadOnly = false;  // ... that may not be written
    bool folderExists = true;   // the folder that should hold it
    bool folderWritable = true; // a new file could be created there
};

// `replacing` is true for a whole-file replace, which creates a new file beside the old one.
WriteFailure classifyWriteFailure(const SystemError& error, const PathFacts& facts, bool replacing);

// The reason in Croatian, as it follows "Razlog: " in a message ("disk je pun").
std::string writeFailureReason(WriteFailure failure, const SystemError& error);

} // namespace tarvel::forms
