// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/key_codes.h"

#include "forms/keys.h"

namespace tarvel::ui {

namespace keys = forms::keys;

namespace {

struct KeyPair {
    Qt::Key qt;
    int model;
};

// Keys without a character; the model codes of arrows and paging keys follow the same
// numbering as the named ones.
constexpr KeyPair kNamed[] = {
    {Qt::Key_Backspace, keys::Backspace},
    {Qt::Key_Tab, keys::Tab},
    {Qt::Key_Backtab, keys::Tab},
    {Qt::Key_Return, keys::Enter},
    {Qt::Key_Enter, keys::Enter},
    {Qt::Key_Escape, keys::Escape},
    {Qt::Key_PageUp, 33},
    {Qt::Key_PageDown, 34},
    {Qt::Key_End, keys::End},
    {Qt::Key_Home, keys::Home},
    {Qt::Key_Left, keys::Left},
    {Qt::Key_Up, 38},
    {Qt::Key_Right, keys::Right},
    {Qt::Key_Down, 40},
    {Qt::Key_Insert, 45},
    {Qt::Key_Delete, keys::Delete},
    {Qt::Key_Menu, keys::Menu},
};

} // namespace

std::optional<int> modelKeyCode(int key) {
    for (const KeyPair& k : kNamed) {
        if (k.qt == key)
            return k.model;
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
        return keys::F1 + (key - Qt::Key_F1);
    return std::nullopt;
}

std::optional<int> modelKeyCode(int key, Qt::KeyboardModifiers modifiers) {
    if (const auto code = modelKeyCode(key))
        return code;
    const bool ctrl =
        (modifiers & Qt::ControlModifier) && !(modifiers & (Qt::AltModifier | Qt::MetaModifier));
    if (ctrl && key >= Qt::Key_A && key <= Qt::Key_Z)
        return keys::A + (key - Qt::Key_A);
    return std::nullopt;
}

int modelShift(Qt::KeyboardModifiers modifiers) {
    int shift = 0;
    if (modifiers & Qt::ShiftModifier)
        shift |= keys::ShiftMask;
    if (modifiers & Qt::ControlModifier)
        shift |= keys::CtrlMask;
    return shift;
}

Qt::Key qtKey(int code) {
    if (code >= keys::F1 && code < keys::F1 + 12)
        return static_cast<Qt::Key>(Qt::Key_F1 + (code - keys::F1));
    if (code >= keys::A && code <= keys::Z)
        return static_cast<Qt::Key>(Qt::Key_A + (code - keys::A));
    for (const KeyPair& k : kNamed) {
        if (k.model == code && k.qt != Qt::Key_Backtab && k.qt != Qt::Key_Enter)
            return k.qt;
    }
    return Qt::Key_unknown;
}

Qt::KeyboardModifiers qtModifiers(int shift) {
    Qt::KeyboardModifiers modifiers;
    if (shift & keys::ShiftMask)
        modifiers |= Qt::ShiftModifier;
    if (shift & keys::CtrlMask)
        modifiers |= Qt::ControlModifier;
    return modifiers;
}

Qt::Key qtKeyForCharacter(char32_t c) {
    if (c >= 'a' && c <= 'z')
        return static_cast<Qt::Key>(Qt::Key_A + static_cast<int>(c - 'a'));
    if (c >= 0x20 && c < 0x7F)
        return static_cast<Qt::Key>(c); // Qt's keys of printable ASCII are their codes
    return Qt::Key_unknown;
}

} // namespace tarvel::ui
