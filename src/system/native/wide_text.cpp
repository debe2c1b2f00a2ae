// SPDX-License-Identifier: GPL-3.0-or-later
#include "system/native/wide_text.h"

#ifdef _WIN32
#include <windows.h>

namespace tarvel::system {

std::wstring widen(const std::string& utf8) {
    if (utf8.empty())
        return {};
    const int size = static_cast<int>(utf8.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), length);
    return wide;
}

} // namespace tarvel::system
#endif
