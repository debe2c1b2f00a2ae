// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The 8-bit Windows-1250 text of the program's files, converted by a fixed table so that the
// bytes are the same on every platform and with every Qt build.
//
// The five bytes the code page leaves undefined (0x81, 0x83, 0x88, 0x90, 0x98) stand for the C1
// control characters of the same number, as Windows' own conversion maps them, so that every
// byte survives a decode and encode unchanged.
namespace tarvel::forms {

// UTF-8 text with "\n" line ends to Windows-1250 bytes with CR LF line ends. A character the
// code page cannot hold is written as "?", and so is each malformed UTF-8 sequence.
std::string encodeCp1250(const std::string& utf8);

// Windows-1250 bytes to UTF-8; CR LF line ends become "\n".
std::string decodeCp1250(const std::string& bytes);

// The character of one byte (the byte itself below 0x80).
char32_t cp1250ToUnicode(unsigned char byte);

} // namespace tarvel::forms
