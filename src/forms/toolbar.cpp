// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/toolbar.h"

#include <stdexcept>

namespace tarvel::forms {

Toolbar::Toolbar(Form& form, std::string name, Control* container)
    : Control(form, std::move(name), ControlKind::Toolbar, container) {}

void Toolbar::addButton(const std::string& key, const std::string& toolTip,
                        const std::string& shortcut) {
    buttons_.push_back(
        {static_cast<int>(buttons_.size()) + 1, key, toolTip, ToolbarItemKind::Button, true, {}});
    if (!shortcut.empty()) {
        setShortcut(key, shortcut);
        buttons_.back().toolTip += " (" + shortcut + ")";
    }
}

void Toolbar::setShortcut(const std::string& key, const std::string& shortcut) {
    const auto stroke = keys::parseKey(shortcut);
    ToolbarButton* b = button(key);
    if (!stroke || !b || buttonOfShortcut(stroke->code, stroke->shift))
        throw std::logic_error("toolbar shortcut " + shortcut + " for " + key);
    b->shortcut = *stroke;
}

const ToolbarButton* Toolbar::buttonOfShortcut(int keyCode, int shift) const {
    for (const auto& b : buttons_) {
        if (b.kind == ToolbarItemKind::Button && b.shortcut.code == keyCode &&
            b.shortcut.shift == shift && keyCode != 0)
            return &b;
    }
    return nullptr;
}

void Toolbar::addSeparator() {
    buttons_.push_back(
        {static_cast<int>(buttons_.size()) + 1, "", "", ToolbarItemKind::Separator, true, {}});
}

void Toolbar::addPlaceholder() {
    buttons_.push_back(
        {static_cast<int>(buttons_.size()) + 1, "", "", ToolbarItemKind::Placeholder, true, {}});
}

ToolbarButton* Toolbar::button(const std::string& key) {
    for (auto& b : buttons_) {
        if (b.kind == ToolbarItemKind::Button && b.key == key)
            return &b;
    }
    return nullptr;
}

const ToolbarButton* Toolbar::button(const std::string& key) const {
    return const_cast<Toolbar*>(this)->button(key);
}

bool Toolbar::isEnabled(const std::string& key) const {
    const ToolbarButton* b = button(key);
    return b && b->enabled;
}

void Toolbar::setEnabled(const std::string& key, bool enabled) {
    if (ToolbarButton* b = button(key))
        b->enabled = enabled;
}

void Toolbar::enable(std::initializer_list<const char*> keys, bool enabled) {
    for (const char* key : keys)
        setEnabled(key, enabled);
}

void Toolbar::click(const std::string& key) {
    if (onButtonClick)
        onButtonClick(key);
}

} // namespace tarvel::forms
