// SPDX-License-Identifier: GPL-3.0-or-later
#include "system/native/console_answer.h"

#ifdef _WIN32
#include "system/native/wide_text.h"

#include <windows.h>
#else
#include <cstdio>
#endif

namespace tarvel::system {

#ifdef _WIN32

namespace {

bool writeBytes(HANDLE handle, const std::string& bytes) {
    DWORD written = 0;
    return WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

bool writeConsole(HANDLE console, const std::wstring& text) {
    DWORD written = 0;
    return WriteConsoleW(console, text.data(), static_cast<DWORD>(text.size()), &written,
                         nullptr) != 0;
}

// The console of the process that started the program (cmd.exe, PowerShell).
bool writeToParentConsole(const std::wstring& text) {
    if (!AttachConsole(ATTACH_PARENT_PROCESS))
        return false;
    const HANDLE console =
        CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    bool written = false;
    if (console != INVALID_HANDLE_VALUE) {
        // The shell does not wait for a GUI program and has shown its prompt already: the
        // answer begins on a line of its own.
        written = writeConsole(console, L"\r\n" + text);
        CloseHandle(console);
    }
    FreeConsole();
    return written;
}

} // namespace

void showCommandLineAnswer(const std::string& utf8Text, AnswerKind kind) {
    const HANDLE output =
        GetStdHandle(kind == AnswerKind::Error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    const DWORD type =
        output && output != INVALID_HANDLE_VALUE ? GetFileType(output) : DWORD(FILE_TYPE_UNKNOWN);
    if ((type == FILE_TYPE_DISK || type == FILE_TYPE_PIPE) && writeBytes(output, utf8Text))
        return;
    const std::wstring text = widen(utf8Text);
    // A character device is a console, or the NUL device, which takes bytes.
    if (type == FILE_TYPE_CHAR && (writeConsole(output, text) || writeBytes(output, utf8Text)))
        return;
    if (writeToParentConsole(text))
        return;
    MessageBoxW(nullptr, text.c_str(), L"Tarvel",
                MB_OK | (kind == AnswerKind::Error ? MB_ICONWARNING : MB_ICONINFORMATION));
}

#else

void showCommandLineAnswer(const std::string& utf8Text, AnswerKind kind) {
    std::FILE* stream = kind == AnswerKind::Error ? stderr : stdout;
    std::fputs(utf8Text.c_str(), stream);
    std::fflush(stream);
}

#endif

} // namespace tarvel::system
