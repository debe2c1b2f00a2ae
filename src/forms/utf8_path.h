// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tarvel::forms {

// A UTF-8 path as the system's file functions need it: on Windows a narrow path would be read in
// the ANSI code page and miss every folder named with č, ć, đ, š or ž.
inline std::filesystem::path utf8Path(std::string_view path) {
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

// A path as UTF-8 text, for messages and for the core's strings.
inline std::string utf8Text(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

} // namespace tarvel::forms
