// SPDX-License-Identifier: GPL-3.0-or-later
// The answer of --help and --version reaches a redirected output as the same UTF-8 bytes on
// every system (on Windows through the program's standard handle, not the C library's stdout).
#include "system/native/console_answer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace tarvel::system {
namespace {

// The bytes written to the standard output, or error, while `write` runs.
template <typename Write> std::string captured(AnswerKind kind, Write write) {
    std::string bytes;
#ifdef _WIN32
    const DWORD which = kind == AnswerKind::Error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE;
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, nullptr, 1 << 16))
        return "<no pipe>";
    const HANDLE saved = GetStdHandle(which);
    SetStdHandle(which, writeEnd);
    write();
    SetStdHandle(which, saved);
    CloseHandle(writeEnd);
    char buffer[4096];
    DWORD n = 0;
    while (ReadFile(readEnd, buffer, DWORD{sizeof buffer}, &n, nullptr) && n > 0)
        bytes.append(buffer, n);
    CloseHandle(readEnd);
#else
    const int which = kind == AnswerKind::Error ? STDERR_FILENO : STDOUT_FILENO;
    std::fflush(nullptr);
    int ends[2];
    if (pipe(ends) != 0)
        return "<no pipe>";
    const int saved = dup(which);
    dup2(ends[1], which);
    write();
    dup2(saved, which);
    close(saved);
    close(ends[1]);
    char buffer[4096];
    for (ssize_t n; (n = read(ends[0], buffer, sizeof buffer)) > 0;)
        bytes.append(buffer, static_cast<std::size_t>(n));
    close(ends[0]);
#endif
    return bytes;
}

TEST(ConsoleAnswer, RedirectedOutputGetsTheUtf8Bytes) {
    const std::string help = "Tarvel – izračun cijena usluga arhitekata i inženjera.\n"
                             "  -v, --version  Prikazuje verziju programa i završava.\n"
                             "Čćđšž ČĆĐŠŽ €\n";
    EXPECT_EQ(captured(AnswerKind::Information,
                       [&] { showCommandLineAnswer(help, AnswerKind::Information); }),
              help);
    const std::string error = "Nepoznata opcija 'đ'.\nPomoć: tarvel --help\n";
    EXPECT_EQ(captured(AnswerKind::Error, [&] { showCommandLineAnswer(error, AnswerKind::Error); }),
              error);
}

} // namespace
} // namespace tarvel::system
