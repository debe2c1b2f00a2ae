// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Amount columns of the record and offer files are right-aligned by padding with blanks,
// counted in characters (the Croatian letters are two bytes each in UTF-8).
namespace tarvel::records {

// n blanks; a column that is already too wide gets none.
inline std::string sp(long n) {
    return n > 0 ? std::string(static_cast<std::size_t>(n), ' ') : std::string();
}

// Length in characters of UTF-8 text.
inline long len(std::string_view s) {
    long count = 0;
    for (char c : s) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++count;
    }
    return count;
}

} // namespace tarvel::records
