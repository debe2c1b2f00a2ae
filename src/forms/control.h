// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/utf8.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvel::forms {

class Form;

enum class ControlKind {
    Label,
    TextBox,
    CheckBox,
    OptionButton,
    Frame,
    CommandButton,
    MenuItem,
    Toolbar,
    Picture,
    TabStrip
};

struct Color {
    int r = 0;
    int g = 0;
    int b = 0;
    bool operator==(const Color&) const = default;
};

namespace colors {
inline constexpr Color Black{0, 0, 0};
inline constexpr Color Blue{0, 0, 255};
inline constexpr Color Purple{192, 0, 192};
inline constexpr Color Window{255, 255, 255};
inline constexpr Color ButtonFace{236, 233, 216};
} // namespace colors

// One control of a window model: its properties and its handlers. Setting a property from
// code runs the matching handler at once, and only when the value really changes.
class Control {
public:
    Control(Form& form, std::string name, ControlKind kind, Control* container);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return name_; }
    ControlKind kind() const { return kind_; }
    Form& form() const { return form_; }
    // The frame that holds the control, or the menu that holds a menu item.
    Control* container() const { return container_; }

    // The caption of a label, button, frame, check box, option button or menu item, and the
    // text of a text box. A change runs the change handler.
    const std::string& text() const { return text_; }
    const std::string& caption() const { return text_; }
    void setText(const std::string& text);
    void setCaption(const std::string& caption) { setText(caption); }

    bool visible() const { return visible_; }
    void setVisible(bool visible) { visible_ = visible; }
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled) { enabled_ = enabled; }

    // Check box (0 or 1), option button (1 selected), menu item (1 ticked).
    int value() const { return value_; }
    // A check box runs its click when the value changes; an option button runs its click
    // whenever it is set to selected, and unselects the other options of its container.
    void setValue(int value);
    bool checked() const { return value_ != 0; }
    void setChecked(bool checked) { setValue(checked ? 1 : 0); }

    // Presses a command button from code (runs its click).
    void press();

    Color foreColor() const { return fore_; }
    void setForeColor(Color c) { fore_ = c; }
    Color backColor() const { return back_; }
    void setBackColor(Color c) { back_ = c; }
    const std::string& toolTip() const { return toolTip_; }
    void setToolTip(const std::string& t) { toolTip_ = t; }

    // Text boxes: read-only state, selection and caret (in characters, not bytes).
    bool readOnly() const { return readOnly_; }
    void setReadOnly(bool r) { readOnly_ = r; }
    int selStart() const { return selStart_; }
    int selLength() const { return selLength_; }
    void setSelection(int start, int length);
    void selectAll();
    int length() const; // in characters

    // Menu items: shortcut text ("F2"), and a separator line.
    const std::string& shortcut() const { return shortcut_; }
    void setShortcut(const std::string& s) { shortcut_ = s; }
    bool separator() const { return text_ == "-"; }

    // True when the control and every frame or menu around it is visible and enabled.
    bool reachable() const;
    bool canTakeFocus() const;
    bool hasFocus() const;

    // Whether the Tab key stops at the control when it can take the focus; a box that takes
    // the focus only from a click is no tab stop.
    bool tabStop() const { return tabStop_; }
    void setTabStop(bool stop) { tabStop_ = stop; }

    // The box or button a label is the caption of: the one list of such pairs, which the Qt
    // layer shows as the label's buddy. A click on the caption of a check box, option button
    // or command button is a click on that control.
    Control* buddy() const { return buddy_; }
    void setBuddy(Control* control) { buddy_ = control; }

    std::function<void()> onClick;
    std::function<void()> onDblClick;
    std::function<void()> onChange;
    std::function<void()> onGotFocus;
    std::function<void()> onLostFocus;
    std::function<void(int& keyCode, int shift)> onKeyDown;
    std::function<void(int& keyCode, int shift)> onKeyUp;
    // The key filter: returns the character code to let it through, or 0 to drop it.
    std::function<int(int keyAscii)> onKeyPress;

    // Edits the text at the caret as a key would (character insert, Backspace, Delete, caret
    // moves); runs the change handler when the text changed. Read-only boxes are not edited.
    void editInsert(const std::u32string& chars);
    void editKey(int keyCode);

private:
    void setTextKeepCaret(const std::u32string& text, int caret);

    Form& form_;
    std::string name_;
    ControlKind kind_;
    Control* container_;
    std::string text_;
    bool visible_ = true;
    bool enabled_ = true;
    int value_ = 0;
    Color fore_ = colors::Black;
    Color back_ = colors::ButtonFace;
    std::string toolTip_;
    bool readOnly_ = false;
    int selStart_ = 0;
    int selLength_ = 0;
    std::string shortcut_;
    bool tabStop_ = true;
    Control* buddy_ = nullptr;
};

// A caption as plain text, without the "&" that marks its access key ("&Vodovod" → "Vodovod").
std::string withoutAccelerator(std::string_view caption);

} // namespace tarvel::forms
