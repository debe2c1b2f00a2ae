// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/keys.h"

#include <string>

namespace tarvel::forms::keys {

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
    struct Named {
        std::string_view name;
        int code;
    };
    static constexpr Named named[] = {
        {"Enter", Enter},   {"Escape", Escape}, {"Tab", Tab}, {"Backspace", Backspace},
        {"Delete", Delete}, {"Home", Home},     {"End", End}, {"Left", Left},
        {"Right", Right}};
    for (const auto& n : named) {
        if (name == n.name) {
            stroke.code = n.code;
            return stroke;
        }
    }
    if (name.size() == 2 && name[0] == 'F' && name[1] >= '1' && name[1] <= '6') {
        stroke.code = F1 + (name[1] - '1');
        return stroke;
    }
    return std::nullopt;
}

} // namespace tarvel::forms::keys
