#pragma once

#include <string>

// The 8-bit Windows-1250 text of the program's files.
namespace tarvel::system {

// UTF-8 text with "\n" line ends to Windows-1250 bytes with CR LF line ends. A character the
// code page cannot hold (and any malformed UTF-8) is written as "?".
std::string encodeCp1250(const std::string& utf8);

// Windows-1250 bytes to UTF-8; CR LF line ends become "\n".
std::string decodeCp1250(const std::string& bytes);

} // namespace tarvel::system
