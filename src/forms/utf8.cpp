// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/utf8.h"

namespace tarvel::forms {

namespace {

bool inRange(unsigned char b, unsigned char low, unsigned char high) {
    return b >= low && b <= high;
}

} // namespace

// Reads one UTF-8 sequence at `i`. Returns the character and advances `i`; a malformed
// sequence gives U+FFFD and advances past its longest valid beginning (at least one byte),
// so each malformed sequence stands for one character.
char32_t readUtf8(const std::string& s, std::size_t& i) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    int more = 0;
    unsigned char low = 0x80, high = 0xBF; // the range of the second byte
    char32_t c = 0;
    if (inRange(b0, 0xC2, 0xDF)) {
        more = 1;
        c = b0 & 0x1F;
    } else if (inRange(b0, 0xE0, 0xEF)) {
        more = 2;
        c = b0 & 0x0F;
        if (b0 == 0xE0)
            low = 0xA0; // no overlong forms
        if (b0 == 0xED)
            high = 0x9F; // no surrogates
    } else if (inRange(b0, 0xF0, 0xF4)) {
        more = 3;
        c = b0 & 0x07;
        if (b0 == 0xF0)
            low = 0x90;
        if (b0 == 0xF4)
            high = 0x8F; // nothing above U+10FFFF
    } else {
        ++i;
        return 0xFFFD;
    }
    std::size_t j = i + 1;
    for (int k = 0; k < more; ++k, ++j) {
        if (j >= s.size() || !inRange(static_cast<unsigned char>(s[j]), low, high)) {
            i = j;
            return 0xFFFD;
        }
        c = (c << 6) | (static_cast<unsigned char>(s[j]) & 0x3F);
        low = 0x80;
        high = 0xBF;
    }
    i = j;
    return c;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::u32string toU32(const std::string& s) {
    std::u32string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();)
        out += readUtf8(s, i);
    return out;
}

std::string toU8(const std::u32string& s) {
    std::string out;
    out.reserve(s.size());
    for (const char32_t c : s)
        appendUtf8(out, c);
    return out;
}

bool isValidUtf8(const std::string& s) {
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t at = i;
        if (readUtf8(s, i) == 0xFFFD && s.compare(at, 3, "\xEF\xBF\xBD") != 0)
            return false;
    }
    return true;
}

} // namespace tarvel::forms
