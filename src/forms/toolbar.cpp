// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/toolbar.h"

namespace tarvel::forms {

Toolbar::Toolbar(Form& form, std::string name, Control* container)
    : Control(form, std::move(name), ControlKind::Toolbar, container) {}

void Toolbar::addButton(const std::string& key, const std::string& toolTip) {
    buttons_.push_back(
        {static_cast<int>(buttons_.size()) + 1, key, toolTip, ToolbarItemKind::Button, true});
}

void Toolbar::addSeparator() {
    buttons_.push_back(
        {static_cast<int>(buttons_.size()) + 1, "", "", ToolbarItemKind::Separator, true});
}

void Toolbar::addPlaceholder() {
    buttons_.push_back(
        {static_cast<int>(buttons_.size()) + 1, "", "", ToolbarItemKind::Placeholder, true});
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
