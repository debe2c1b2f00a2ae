// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/keys.h"

namespace tarvel::forms::keys {

namespace {

struct Named {
    std::string_view name;
    int code;
};

constexpr Named kNamed[] = {
    {"Enter", Enter},   {"Escape", Escape}, {"Tab", Tab},   {"Backspace", Backspace},
    {"Delete", Delete}, {"Home", Home},     {"End", End},   {"Left", Left},
    {"Right", Right},   {"Up", Up},         {"Down", Down}, {"Menu", Menu}};

} // namespace

std::optional<KeyStroke> parseKey(std::string_view name) {
    KeyStroke stroke;
    for (;;) {
        if (name.starts_with("Shift+")) {
            stroke.shift |= ShiftMask;
            name.remove_prefix(6);
        } else if (name.starts_with("Ctrl+")) {
            stroke.shift |= CtrlMask;
            name.remove_prefix(5);
        } else {
            break;
        }
    }
    for (const auto& n : kNamed) {
        if (name == n.name) {
            stroke.code = n.code;
            return stroke;
        }
    }
    if (name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z' && (stroke.shift & CtrlMask)) {
        stroke.code = name[0];
        return stroke;
    }
    if (name.size() >= 2 && name.size() <= 3 && name[0] == 'F') {
        int n = 0;
        for (char c : name.substr(1)) {
            if (c < '0' || c > '9')
                return std::nullopt;
            n = n * 10 + (c - '0');
        }
        if (n >= 1 && n <= 12 && name[1] != '0') {
            stroke.code = F1 + n - 1;
            return stroke;
        }
    }
    return std::nullopt;
}

std::string keyName(const KeyStroke& stroke) {
    std::string name;
    if (stroke.shift & CtrlMask)
        name += "Ctrl+";
    if (stroke.shift & ShiftMask)
        name += "Shift+";
    for (const auto& n : kNamed) {
        if (stroke.code == n.code)
            return name + std::string(n.name);
    }
    if (stroke.code >= A && stroke.code <= Z)
        return name + static_cast<char>(stroke.code);
    if (stroke.code >= F1 && stroke.code <= F12)
        return name + "F" + std::to_string(stroke.code - F1 + 1);
    return name + "?";
}

bool opensContextMenu(int code, int shift) {
    return (code == Menu && shift == 0) || (code == F10 && shift == ShiftMask);
}

} // namespace tarvel::forms::keys
