// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#ifdef _WIN32
#include <string>

// UTF-8 text as the wide (UTF-16) strings that Windows' own functions take; a narrow string
// would be read in the ANSI code page.
namespace tarvel::system {

std::wstring widen(const std::string& utf8);

} // namespace tarvel::system
#endif
