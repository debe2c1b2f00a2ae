// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/write_failure.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace tarvel::forms {
namespace {

// The reason a user is told, from the system's error and what the path looks like; the
// Windows rules are checked here too, where no Windows runs.
TEST(WriteFailure, TheSystemsErrorAndThePathGiveTheReason) {
    namespace we = windows_error;
    const PathFacts plain;
    PathFacts readOnlyFile;
    readOnlyFile.fileExists = readOnlyFile.fileReadOnly = true;
    PathFacts readOnlyFolder;
    readOnlyFolder.fileExists = true;
    readOnlyFolder.folderWritable = false;
    PathFacts folder;
    folder.isFolder = true;
    PathFacts noFolder;
    noFolder.folderExists = false;
    const SystemError::Kind posix = SystemError::Posix, windows = SystemError::Windows;
    const struct {
        SystemError error;
        PathFacts facts;
        bool replacing;
        WriteFailure expected;
    } cases[] = {
        {{posix, ENOSPC}, readOnlyFile, true, WriteFailure::DiskFull},
        {{posix, EFBIG}, plain, false, WriteFailure::TooLarge},
        {{posix, EROFS}, plain, true, WriteFailure::ReadOnlyDisk},
        {{posix, EACCES}, readOnlyFile, false, WriteFailure::ReadOnlyFile},
        {{posix, EACCES}, readOnlyFolder, true, WriteFailure::ReadOnlyFolder},
        // An existing file may still be appended to in a folder that takes no new files.
        {{posix, EACCES}, readOnlyFolder, false, WriteFailure::NoPermission},
        {{posix, EACCES}, plain, true, WriteFailure::NoPermission},
        {{posix, EISDIR}, plain, false, WriteFailure::FolderInTheWay},
        {{posix, ENOENT}, noFolder, false, WriteFailure::MissingFolder},
        {{posix, EIO}, plain, false, WriteFailure::Other},
        {{windows, we::kSharingViolation}, plain, true, WriteFailure::InUse},
        {{windows, we::kLockViolation}, plain, false, WriteFailure::InUse},
        {{windows, we::kAccessDenied}, plain, true, WriteFailure::InUse},
        {{windows, we::kAccessDenied}, readOnlyFile, true, WriteFailure::ReadOnlyFile},
        {{windows, we::kAccessDenied}, readOnlyFolder, true, WriteFailure::ReadOnlyFolder},
        {{windows, we::kAccessDenied}, folder, true, WriteFailure::FolderInTheWay},
        {{windows, we::kDiskFull}, plain, false, WriteFailure::DiskFull},
        {{windows, we::kHandleDiskFull}, plain, false, WriteFailure::DiskFull},
        {{windows, we::kPathNotFound}, plain, true, WriteFailure::MissingFolder},
        {{windows, we::kWriteProtect}, plain, true, WriteFailure::ReadOnlyDisk},
    };
    for (const auto& c : cases)
        EXPECT_EQ(classifyWriteFailure(c.error, c.facts, c.replacing), c.expected)
            << (c.error.kind == windows ? "Windows " : "errno ") << c.error.code;

    EXPECT_EQ(writeFailureReason(WriteFailure::DiskFull, {}), "disk je pun");
    EXPECT_EQ(writeFailureReason(WriteFailure::Other, {windows, 1117}),
              "greška sustava (kod 1117)");
}

} // namespace
} // namespace tarvel::forms
