// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/cp1250.h"

#include "forms/utf8.h"

#include <array>
#include <cstdint>

namespace tarvel::forms {

namespace {

// Bytes 0x80..0xFF of Windows-1250.
constexpr std::array<char16_t, 128> kUpperHalf = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179, // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, // 98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7, // A0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, // A8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, // B0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, // B8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, // C0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, // C8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, // D0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, // D8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, // E0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, // E8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7, // F0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9, // F8
};

// The highest character of the code page (U+2122, the trade mark sign) bounds the reverse
// table: byte of each character below it, 0 where the code page has none.
constexpr char32_t kReverseSize = 0x2123;

constexpr std::array<std::uint8_t, kReverseSize> makeReverse() {
    std::array<std::uint8_t, kReverseSize> reverse{};
    for (unsigned b = 0; b < 0x80; ++b)
        reverse[b] = static_cast<std::uint8_t>(b);
    for (unsigned i = 0; i < kUpperHalf.size(); ++i)
        reverse[kUpperHalf[i]] = static_cast<std::uint8_t>(0x80 + i);
    return reverse;
}

constexpr std::array<std::uint8_t, kReverseSize> kReverse = makeReverse();

// The byte of a character; '?' when the code page cannot hold it. NUL is its own byte.
char byteOf(char32_t c) {
    if (c == 0)
        return '\0';
    const std::uint8_t b = c < kReverseSize ? kReverse[c] : 0;
    return b == 0 ? '?' : static_cast<char>(b);
}

} // namespace

char32_t cp1250ToUnicode(unsigned char byte) {
    return byte < 0x80 ? char32_t(byte) : char32_t(kUpperHalf[byte - 0x80]);
}

std::string encodeCp1250(const std::string& utf8) {
    std::string bytes;
    bytes.reserve(utf8.size() + utf8.size() / 32);
    std::size_t i = 0;
    while (i < utf8.size()) {
        const char ch = utf8[i];
        if (ch == '\n') {
            // A lone LF and a CR LF both become CR LF; a lone CR stays as it is.
            if (i == 0 || utf8[i - 1] != '\r')
                bytes += '\r';
            bytes += '\n';
            ++i;
        } else if (static_cast<unsigned char>(ch) < 0x80) {
            bytes += ch;
            ++i;
        } else {
            bytes += byteOf(readUtf8(utf8, i));
        }
    }
    return bytes;
}

std::string decodeCp1250(const std::string& bytes) {
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 8);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            continue; // the LF that follows ends the line
        appendUtf8(text, cp1250ToUnicode(b));
    }
    return text;
}

} // namespace tarvel::forms
