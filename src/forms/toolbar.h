// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "forms/control.h"
#include "forms/keys.h"

namespace tarvel::forms {

enum class ToolbarItemKind { Button, Separator, Placeholder };

struct ToolbarButton {
    int position = 0; // 1-based
    std::string key;  // "" for separators and placeholders
    std::string toolTip;
    ToolbarItemKind kind = ToolbarItemKind::Button;
    bool enabled = true;
    // The key that runs the command from anywhere in the window; no code when there is none.
    keys::KeyStroke shortcut;
};

// A toolbar: buttons addressed by position and by key, each enabled on its own.
class Toolbar : public Control {
public:
    Toolbar(Form& form, std::string name, Control* container);
    using Control::setEnabled;

    // A button; with a shortcut ("Ctrl+Shift+K") its tooltip names the key: "Kune (Ctrl+Shift+K)".
    void addButton(const std::string& key, const std::string& toolTip,
                   const std::string& shortcut = "");
    // Gives a button the key whose name its tooltip shows already.
    void setShortcut(const std::string& key, const std::string& shortcut);
    void addSeparator();
    void addPlaceholder();

    const std::vector<ToolbarButton>& buttons() const { return buttons_; }
    ToolbarButton* button(const std::string& key);
    const ToolbarButton* button(const std::string& key) const;
    bool isEnabled(const std::string& key) const;
    void setEnabled(const std::string& key, bool enabled);
    void enable(std::initializer_list<const char*> keys, bool enabled);

    // Style bits of the toolbar; kFlatStyle is the flat look.
    static constexpr int kFlatStyle = 2048;
    int style() const { return style_; }
    void setStyle(int style) { style_ = style; }

    // The button whose shortcut the key is, or nullptr.
    const ToolbarButton* buttonOfShortcut(int keyCode, int shift) const;

    // Runs the command of a button, as a click on it.
    void click(const std::string& key);
    std::function<void(const std::string& key)> onButtonClick;

private:
    std::vector<ToolbarButton> buttons_;
    int style_ = 0;
};

} // namespace tarvel::forms
