// SPDX-License-Identifier: GPL-3.0-or-later
// What a user can do to a window: each action first checks that a user could do it (the
// window is shown and not under a modal window, the control and everything around it is
// visible and enabled), then delivers the events in the order a user's action causes them.
#include "forms/application.h"
#include "forms/form.h"
#include "forms/keys.h"

namespace tarvel::forms {
namespace {

const char* kindWord(const Control& c) {
    switch (c.kind()) {
    case ControlKind::Frame:
        return "frame";
    case ControlKind::MenuItem:
        return "menu";
    default:
        return "control";
    }
}

// The key code of the key that types a character (letters and digits have their own code).
int keyCodeOf(char32_t c) {
    if (c >= '0' && c <= '9')
        return static_cast<int>(c);
    if (c >= 'a' && c <= 'z')
        return static_cast<int>(c - 'a' + 'A');
    if (c >= 'A' && c <= 'Z')
        return static_cast<int>(c);
    return 0;
}

} // namespace

void Form::requireReachable(const Control& control) const {
    if (!shown_)
        throw UserActionError("window " + name_ + " is not shown");
    if (Form* over = app_.modalTop(); over && over != this)
        throw UserActionError("window " + over->name() + " is modal over " + name_);
    for (const Control* c = &control; c; c = c->container()) {
        const std::string what =
            c == &control ? "" : std::string(" (its ") + kindWord(*c) + " " + c->name() + ")";
        if (!c->visible())
            throw UserActionError(control.name() + " is hidden" + what);
        if (!c->enabled())
            throw UserActionError(control.name() + " is disabled" + what);
    }
}

bool Form::userCanReach(const Control& control) const {
    if (!shown_)
        return false;
    if (Form* over = app_.modalTop(); over && over != this)
        return false;
    return control.reachable();
}

void Form::openMenuPath(Control& item) {
    std::vector<Control*> path;
    for (Control* c = &item; c; c = c->container())
        path.insert(path.begin(), c);
    // Opening the top-level menu runs its click before the items drop down.
    if (path.front()->onClick)
        path.front()->onClick();
    if (path.size() > 1)
        userChooseMenuItem(item);
}

void Form::userChooseMenuItem(Control& item) {
    closeContextMenu();
    requireReachable(item);
    if (item.onClick)
        item.onClick();
}

void Form::userClick(Control& control) {
    closeContextMenu();
    requireReachable(control);
    switch (control.kind()) {
    case ControlKind::MenuItem:
        if (control.separator())
            throw UserActionError(control.name() + " is a separator");
        openMenuPath(control);
        return;
    case ControlKind::CheckBox:
        setFocus(control);
        control.setValue(control.value() ? 0 : 1);
        return;
    case ControlKind::OptionButton:
        setFocus(control);
        control.setValue(1);
        return;
    case ControlKind::CommandButton:
        setFocus(control);
        control.press();
        return;
    case ControlKind::TextBox:
        // A click into the box that has the focus lands on its caret, which is at the end of
        // any selection: the selection goes. Into another box it moves the focus there.
        if (focused_ == &control)
            control.setSelection(control.selStart() + control.selLength(), 0);
        else
            userFocus(control);
        if (control.onClick)
            control.onClick();
        return;
    case ControlKind::Toolbar:
        throw UserActionError("click a toolbar button by its key");
    case ControlKind::TabStrip:
        // The mouse lands on one of its tabs.
        throw UserActionError("click a tab of " + control.name() + " by its index");
    default:
        if (control.onClick)
            control.onClick();
        // A click on the caption of a button is a click on the button, when a user could
        // click the button now.
        if (Control* button = control.buddy(); button && userCanReach(*button)) {
            const ControlKind k = button->kind();
            if (k == ControlKind::CheckBox || k == ControlKind::OptionButton ||
                k == ControlKind::CommandButton)
                userClick(*button);
        }
        return;
    }
}

void Form::userDblClick(Control& control) {
    closeContextMenu();
    // A menu closes on its first click: there is nothing left to click a second time.
    if (control.kind() == ControlKind::MenuItem)
        throw UserActionError(control.name() + " is a menu item and cannot be double-clicked");
    if (control.kind() == ControlKind::TabStrip)
        throw UserActionError("double-click a tab of " + control.name() + " by its index");
    requireReachable(control);
    if (control.canTakeFocus())
        setFocus(control);
    if (control.onDblClick)
        control.onDblClick();
}

void Form::userFocus(Control& control) {
    closeContextMenu();
    requireReachable(control);
    if (!control.canTakeFocus())
        throw UserActionError(control.name() + " cannot take the focus");
    if (focused_ == &control)
        return;
    if (control.kind() == ControlKind::TextBox)
        control.setSelection(control.length(), 0);
    setFocus(control);
}

void Form::userType(Control& box, const std::string& text) {
    closeContextMenu();
    requireReachable(box);
    if (box.kind() != ControlKind::TextBox)
        throw UserActionError(box.name() + " is not a text box");
    if (focused_ != &box)
        userFocus(box);
    for (char32_t c : toU32(text)) {
        if (focused_ != &box)
            throw UserActionError(box.name() + " lost the focus while typing");
        typeCharacter(box, c);
    }
}

void Form::typeCharacter(Control& box, char32_t c) {
    int code = keyCodeOf(c);
    if (keyPreview && onKeyDown)
        onKeyDown(code, 0);
    if (box.onKeyDown)
        box.onKeyDown(code, 0);
    int ascii = static_cast<int>(c);
    if (keyPreview && onKeyPress)
        ascii = onKeyPress(ascii);
    if (ascii != 0 && box.onKeyPress)
        ascii = box.onKeyPress(ascii);
    if (ascii != 0)
        box.editInsert(std::u32string(1, static_cast<char32_t>(ascii)));
    int up = keyCodeOf(c);
    if (keyPreview && onKeyUp)
        onKeyUp(up, 0);
    if (box.onKeyUp)
        box.onKeyUp(up, 0);
}

void Form::userKey(Control& control, int keyCode, int shift) {
    // An open context menu takes the key: Escape closes it and does nothing else.
    if (!contextMenu_.empty()) {
        closeContextMenu();
        if (keyCode == keys::Escape)
            return;
    }
    requireReachable(control);
    if (focused_ != &control)
        userFocus(control);
    pressKey(&control, keyCode, shift);
}

void Form::userKeyHere(int keyCode, int shift) {
    if (!shown_)
        throw UserActionError("window " + name_ + " is not shown");
    if (Form* over = app_.modalTop(); over && over != this)
        throw UserActionError("window " + over->name() + " is modal over " + name_);
    if (!contextMenu_.empty()) {
        closeContextMenu();
        if (keyCode == keys::Escape)
            return;
    }
    pressKey(focused_, keyCode, shift);
}

void Form::pressKey(Control* target, int keyCode, int shift) {
    int code = keyCode;
    if (keyPreview && onKeyDown)
        onKeyDown(code, shift);
    if (code != 0 && target && target->onKeyDown)
        target->onKeyDown(code, shift);
    // A key whose key down closed or hid the window (a shortcut's command) has nothing left
    // to reach.
    if (!shown_)
        return;
    if (code != 0 && keys::opensContextMenu(code, shift)) {
        openContextMenu(focused_);
        return;
    }
    if (code != 0 && dialogKey(code, shift))
        return;
    // Backspace is a character key: it goes through the key filters. Enter, Escape and Tab
    // reach the window's key preview only; a box's filter never sees them.
    if (code == keys::Backspace || code == keys::Enter || code == keys::Escape) {
        int ascii = code;
        if (keyPreview && onKeyPress)
            ascii = onKeyPress(ascii);
        if (ascii == keys::Backspace && target && target->onKeyPress)
            ascii = target->onKeyPress(ascii);
        if (ascii == keys::Backspace && target && target->kind() == ControlKind::TextBox)
            target->editKey(keys::Backspace);
    } else if (code != 0 && target && target->kind() == ControlKind::TextBox) {
        target->editKey(code);
    }
    if (code == keys::Tab && (shift & keys::CtrlMask) == 0) {
        // Moves the focus to the next (or, with Shift, the previous) tab stop after the
        // focused control in the window's order.
        const int n = static_cast<int>(order_.size());
        int at = 0;
        for (int i = 0; i < n; ++i) {
            if (order_[static_cast<size_t>(i)] == focused_)
                at = i;
        }
        const int step = (shift & keys::ShiftMask) ? n - 1 : 1;
        for (int k = 1; k < n; ++k) {
            Control* next = order_[static_cast<size_t>((at + k * step) % n)];
            if (next->tabStop() && next->canTakeFocus()) {
                setFocus(*next);
                break;
            }
        }
    }
    int up = keyCode;
    if (keyPreview && onKeyUp)
        onKeyUp(up, shift);
    if (up != 0 && target && target->onKeyUp && focused_ == target)
        target->onKeyUp(up, shift);
}

void Form::userPaste(Control& box, const std::string& text) {
    closeContextMenu();
    requireReachable(box);
    if (box.kind() != ControlKind::TextBox)
        throw UserActionError(box.name() + " is not a text box");
    userFocus(box);
    if (box.readOnly())
        throw UserActionError(box.name() + " is read-only");
    // The caret goes to the end first, so that a paste of the text already there (which
    // changes nothing and runs no handler) leaves no selection either.
    box.setSelection(box.length(), 0);
    box.setText(text);
}

void Form::userClickToolbar(Toolbar& toolbar, const std::string& key) {
    closeContextMenu();
    requireReachable(toolbar);
    const ToolbarButton* b = toolbar.button(key);
    if (!b)
        throw UserActionError("the toolbar has no button " + key);
    if (!b->enabled)
        throw UserActionError("toolbar button " + key + " is disabled");
    toolbar.click(key);
}

void Form::userClose() {
    closeContextMenu();
    if (!shown_)
        throw UserActionError("window " + name_ + " is not shown");
    if (Form* over = app_.modalTop(); over && over != this)
        throw UserActionError("window " + over->name() + " is modal over " + name_);
    if (Form_QueryUnload())
        unload();
}

} // namespace tarvel::forms
