// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The answer to --help and --version, and the complaint about a wrong command line, where the
// user sees it. On Linux that is standard output or standard error. On Windows `tarvel` is a
// GUI program without a console of its own: a redirected output (a file, a pipe) gets the UTF-8
// bytes; otherwise the text goes to the console that the program was started from, as UTF-16,
// which shows the Croatian letters right in any code page of the console; started from Explorer
// there is no console, and a message box shows the text.
namespace tarvel::system {

enum class AnswerKind { Information, Error };

void showCommandLineAnswer(const std::string& utf8Text, AnswerKind kind);

} // namespace tarvel::system
