// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
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
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
inline constexpr int Delete = 46;
// The letter keys have the codes of their capitals, "A" to "Z".
inline constexpr int A = 'A';
inline constexpr int Z = 'Z';
// The context-menu key.
inline constexpr int Menu = 93;
inline constexpr int F1 = 112;
inline constexpr int F10 = F1 + 9;
inline constexpr int F12 = F1 + 11;

inline constexpr int ShiftMask = 1;
inline constexpr int CtrlMask = 2;

struct KeyStroke {
    int code = 0;
    int shift = 0;
    bool operator==(const KeyStroke&) const = default;
};

// Parses "Enter", "Shift+Tab", "F3", "Ctrl+Shift+Tab", "Ctrl+Shift+K", "Menu", ... A letter
// takes Ctrl: without it, it types.
std::optional<KeyStroke> parseKey(std::string_view name);
// The name parseKey reads ("Ctrl+Shift+K", "F9"), as the tooltips and the guide show it.
std::string keyName(const KeyStroke& stroke);
// Whether a key opens the context menu of the focused control: the menu key, or Shift+F10.
bool opensContextMenu(int code, int shift);

} // namespace tarvel::forms::keys
