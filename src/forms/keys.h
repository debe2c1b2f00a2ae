// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

// Key codes of key-down and key-up events, and the character codes of key presses.
namespace tarvel::forms::keys {

inline constexpr int Backspace = 8;
inline constexpr int Tab = 9;
inline constexpr int Enter = 13;
inline constexpr int Escape = 27;
inline constexpr int End = 35;
inline constexpr int Home = 36;
inline constexpr int Left = 37;
inline constexpr int Right = 39;
inline constexpr int Delete = 46;
inline constexpr int F1 = 112;

inline constexpr int ShiftMask = 1;
inline constexpr int CtrlMask = 2;

struct KeyStroke {
    int code = 0;
    int shift = 0;
};

// Parses "Enter", "Shift+Tab", "F3", "Ctrl+Shift+Tab", ...
std::optional<KeyStroke> parseKey(std::string_view name);

} // namespace tarvel::forms::keys
