// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/control.h"

#include "forms/keys.h"

#include <algorithm>

#include "forms/form.h"

namespace tarvel::forms {

Control::Control(Form& form, std::string name, ControlKind kind, Control* container)
    : form_(form), name_(std::move(name)), kind_(kind), container_(container) {
    if (kind == ControlKind::TextBox)
        back_ = colors::Window;
}

void Control::setText(const std::string& text) {
    if (text == text_)
        return;
    text_ = text;
    if (kind_ == ControlKind::TextBox) {
        selStart_ = length();
        selLength_ = 0;
    }
    if (onChange)
        onChange();
}

int Control::length() const {
    return static_cast<int>(toU32(text_).size());
}

void Control::setValue(int value) {
    if (kind_ == ControlKind::OptionButton) {
        if (value == 0) {
            value_ = 0;
            return;
        }
        for (Control* other : form_.controls()) {
            if (other != this && other->kind_ == ControlKind::OptionButton &&
                other->container_ == container_)
                other->value_ = 0;
        }
        value_ = 1;
        if (onClick)
            onClick();
        return;
    }
    if (value == value_)
        return;
    value_ = value;
    if (kind_ == ControlKind::CheckBox && onClick)
        onClick();
}

void Control::press() {
    if (onClick)
        onClick();
}

void Control::setSelection(int start, int length) {
    const int n = this->length();
    selStart_ = std::clamp(start, 0, n);
    selLength_ = std::clamp(length, 0, n - selStart_);
}

void Control::selectAll() {
    setSelection(0, length());
}

bool Control::reachable() const {
    for (const Control* c = this; c; c = c->container_) {
        if (!c->visible_ || !c->enabled_)
            return false;
    }
    return true;
}

bool Control::canTakeFocus() const {
    switch (kind_) {
    case ControlKind::TextBox:
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
    case ControlKind::CommandButton:
    case ControlKind::TabStrip:
        return reachable();
    default:
        return false;
    }
}

bool Control::hasFocus() const {
    return form_.focused() == this;
}

void Control::setTextKeepCaret(const std::u32string& text, int caret) {
    const std::string utf8 = toU8(text);
    const bool changed = utf8 != text_;
    text_ = utf8;
    selStart_ = caret;
    selLength_ = 0;
    if (changed && onChange)
        onChange();
}

void Control::editInsert(const std::u32string& chars) {
    if (readOnly_)
        return;
    std::u32string t = toU32(text_);
    t.replace(static_cast<size_t>(selStart_), static_cast<size_t>(selLength_), chars);
    setTextKeepCaret(t, selStart_ + static_cast<int>(chars.size()));
}

void Control::editKey(int keyCode) {
    std::u32string t = toU32(text_);
    const int n = static_cast<int>(t.size());
    switch (keyCode) {
    case keys::Backspace:
    case keys::Delete:
        if (readOnly_)
            return;
        if (selLength_ > 0) {
            t.erase(static_cast<size_t>(selStart_), static_cast<size_t>(selLength_));
            setTextKeepCaret(t, selStart_);
        } else if (keyCode == keys::Backspace && selStart_ > 0) {
            t.erase(static_cast<size_t>(selStart_ - 1), 1);
            setTextKeepCaret(t, selStart_ - 1);
        } else if (keyCode == keys::Delete && selStart_ < n) {
            t.erase(static_cast<size_t>(selStart_), 1);
            setTextKeepCaret(t, selStart_);
        }
        return;
    case keys::Home:
        setSelection(0, 0);
        return;
    case keys::End:
        setSelection(n, 0);
        return;
    case keys::Left:
        setSelection(selLength_ > 0 ? selStart_ : selStart_ - 1, 0);
        return;
    case keys::Right:
        setSelection(selLength_ > 0 ? selStart_ + selLength_ : selStart_ + 1, 0);
        return;
    default:
        return;
    }
}

std::string withoutAccelerator(std::string_view caption) {
    std::string text;
    for (const char c : caption) {
        if (c != '&')
            text += c;
    }
    return text;
}

} // namespace tarvel::forms
