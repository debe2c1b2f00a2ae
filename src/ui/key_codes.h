// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <Qt>
#include <optional>

class QKeyEvent;

// Qt's keys and the key codes of the window models.
namespace tarvel::ui {

// The model's key code of a key that does not type a character (Enter, Tab, F2, ...), or
// nothing for character keys and keys the models do not know.
std::optional<int> modelKeyCode(int qtKey);
// The same, and a letter held with Ctrl (without Alt, which makes AltGr's characters), which
// is a shortcut key of the models rather than a character.
std::optional<int> modelKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);
// The model's shift state (ShiftMask, CtrlMask) of Qt's modifiers.
int modelShift(Qt::KeyboardModifiers modifiers);

// The other way round, for acting as a user: the Qt key and modifiers of a model key.
Qt::Key qtKey(int modelKeyCode);
Qt::KeyboardModifiers qtModifiers(int modelShift);
// The Qt key that types a character ("5" is Key_5, "a" is Key_A), Key_unknown for others.
Qt::Key qtKeyForCharacter(char32_t c);

} // namespace tarvel::ui
