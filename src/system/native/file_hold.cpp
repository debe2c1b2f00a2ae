// SPDX-License-Identifier: GPL-3.0-or-later
#include "system/native/file_hold.h"

#ifdef _WIN32
#include "system/native/wide_text.h"

#include <windows.h>
#endif

namespace tarvel::system {

using forms::WriteFailure;

FileHold probeFileHold(const std::string& utf8Path) {
#ifdef _WIN32
    if (utf8Path.empty())
        return FileHold::Unknown;
    const std::wstring path = widen(utf8Path);
    // No sharing: the open fails while any other handle to the file is open.
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
        return FileHold::Free;
    }
    const DWORD error = GetLastError();
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION
               ? FileHold::HeldByAnother
               : FileHold::Unknown;
#else
    (void)utf8Path;
    return FileHold::Unknown;
#endif
}

WriteFailure judgeWriteFailure(const forms::SystemError& error, const forms::PathFacts& facts,
                               bool replacing, FileHold hold) {
    const WriteFailure classified = forms::classifyWriteFailure(error, facts, replacing);
    switch (hold) {
    case FileHold::HeldByAnother:
        // What the path shows (a read-only file, a folder that takes no new files) or an
        // error that names its reason stands; an error that says nothing was the holder's.
        return classified == WriteFailure::Other || classified == WriteFailure::NoPermission
                   ? WriteFailure::InUse
                   : classified;
    case FileHold::Free:
        if (classified == WriteFailure::InUse && error.kind == forms::SystemError::Windows &&
            error.code == forms::windows_error::kAccessDenied)
            return WriteFailure::NoPermission;
        return classified;
    case FileHold::Unknown:
        break;
    }
    return classified;
}

} // namespace tarvel::system
