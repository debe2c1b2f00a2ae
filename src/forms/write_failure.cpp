// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/write_failure.h"

#include <cerrno>
#include <optional>

namespace tarvel::forms {

namespace {

// Errors that say the reason whatever the path looks like.
std::optional<WriteFailure> unambiguous(const SystemError& error) {
    namespace we = windows_error;
    if (error.kind == SystemError::Windows) {
        switch (error.code) {
        case we::kSharingViolation:
        case we::kLockViolation:
        case we::kUserMappedFile:
            return WriteFailure::InUse;
        case we::kDiskFull:
        case we::kHandleDiskFull:
            return WriteFailure::DiskFull;
        case we::kFileTooLarge:
            return WriteFailure::TooLarge;
        case we::kWriteProtect:
            return WriteFailure::ReadOnlyDisk;
        default:
            return std::nullopt;
        }
    }
    switch (error.code) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return WriteFailure::DiskFull;
    case EFBIG:
        return WriteFailure::TooLarge;
    case EROFS:
        return WriteFailure::ReadOnlyDisk;
#ifdef ETXTBSY
    case ETXTBSY:
        return WriteFailure::InUse;
#endif
    case EISDIR:
        return WriteFailure::FolderInTheWay;
    default:
        return std::nullopt;
    }
}

bool refusedAccess(const SystemError& error) {
    if (error.kind == SystemError::Windows)
        return error.code == windows_error::kAccessDenied;
    return error.code == EACCES || error.code == EPERM;
}

} // namespace

WriteFailure classifyWriteFailure(const SystemError& error, const PathFacts& facts,
                                  bool replacing) {
    if (const auto known = unambiguous(error))
        return *known;
    if (facts.isFolder)
        return WriteFailure::FolderInTheWay;
    if (!facts.folderExists)
        return WriteFailure::MissingFolder;
    if (facts.fileExists && facts.fileReadOnly)
        return WriteFailure::ReadOnlyFile;
    if ((replacing || !facts.fileExists) && !facts.folderWritable)
        return WriteFailure::ReadOnlyFolder;
    if (refusedAccess(error)) {
        // Windows refuses access to a file that another program keeps open without sharing
        // it; nothing else about the path explains the refusal then.
        return error.kind == SystemError::Windows ? WriteFailure::InUse
                                                  : WriteFailure::NoPermission;
    }
    if (error.kind == SystemError::Windows && error.code == windows_error::kPathNotFound)
        return WriteFailure::MissingFolder;
    return WriteFailure::Other;
}

std::string writeFailureReason(WriteFailure failure, const SystemError& error) {
    switch (failure) {
    case WriteFailure::InUse:
        return "datoteku drži otvorenu drugi program";
    case WriteFailure::ReadOnlyFile:
        return "datoteka je samo za čitanje";
    case WriteFailure::ReadOnlyFolder:
        return "u mapu nije dopušteno pisati";
    case WriteFailure::FolderInTheWay:
        return "na mjestu datoteke je mapa istog imena";
    case WriteFailure::MissingFolder:
        return "mapa ne postoji";
    case WriteFailure::NoPermission:
        return "nemate dopuštenje za pisanje";
    case WriteFailure::DiskFull:
        return "disk je pun";
    case WriteFailure::TooLarge:
        return "datoteka je prevelika";
    case WriteFailure::ReadOnlyDisk:
        return "disk je zaštićen od pisanja";
    case WriteFailure::Other:
        break;
    }
    return "greška sustava (kod " + std::to_string(error.code) + ")";
}

} // namespace tarvel::forms
