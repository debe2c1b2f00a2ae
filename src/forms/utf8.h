// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>

// UTF-8, the text of every string inside the program.
namespace tarvel::forms {

// Reads one UTF-8 sequence at `i`. Returns the character and advances `i`; a malformed
// sequence gives U+FFFD and advances past its longest valid beginning (at least one byte),
// so each malformed sequence stands for one character.
char32_t readUtf8(const std::string& s, std::size_t& i);
void appendUtf8(std::string& out, char32_t c);

std::u32string toU32(const std::string& s);
std::string toU8(const std::u32string& s);

// Whether the text is well-formed UTF-8.
bool isValidUtf8(const std::string& s);

} // namespace tarvel::forms
