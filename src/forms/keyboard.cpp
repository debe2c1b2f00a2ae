// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard's way through a window: the keys of a dialog (Enter, Escape) and the context
// menus that reach what a double click does.
#include "forms/application.h"
#include "forms/form.h"
#include "forms/keys.h"

namespace tarvel::forms {

void Form::setDialogKeys(Control* defaultButton) {
    dialogKeys_ = true;
    defaultButton_ = defaultButton;
}

// Returns whether the key was a dialog's Enter or Escape; the window may be gone then.
bool Form::dialogKey(int code, int shift) {
    if (!dialogKeys_ || shift != 0)
        return false;
    if (code == keys::Escape) {
        if (Form_QueryUnload())
            unload();
        return true;
    }
    if (code != keys::Enter)
        return false;
    Control* button =
        focused_ && focused_->kind() == ControlKind::CommandButton ? focused_ : defaultButton_;
    if (button && userCanReach(*button))
        userClick(*button);
    return true;
}

std::vector<ContextMenuItem> Form::contextMenuOf(Control*) {
    return {};
}

void Form::openContextMenu(Control* at) {
    std::vector<ContextMenuItem> items;
    for (ContextMenuItem& item : contextMenuOf(at)) {
        if (item.target && userCanReach(*item.target))
            items.push_back(std::move(item));
    }
    contextMenu_ = std::move(items);
    if (!contextMenu_.empty())
        ++contextMenuSerial_;
}

void Form::userContextMenu(Control* at) {
    if (!shown_)
        throw UserActionError("window " + name_ + " is not shown");
    if (Form* over = app_.modalTop(); over && over != this)
        throw UserActionError("window " + over->name() + " is modal over " + name_);
    closeContextMenu();
    if (at)
        requireReachable(*at);
    openContextMenu(at ? at : focused_);
}

void Form::userChooseContextItem(const std::string& caption) {
    if (contextMenu_.empty())
        throw UserActionError("no context menu is open in " + name_);
    for (const ContextMenuItem& item : contextMenu_) {
        if (item.caption == caption) {
            Control* target = item.target;
            closeContextMenu();
            userDblClick(*target);
            return;
        }
    }
    std::string offered;
    for (const ContextMenuItem& item : contextMenu_)
        offered += (offered.empty() ? "\"" : ", \"") + item.caption + "\"";
    throw UserActionError("the context menu has no item \"" + caption + "\" (it has " + offered +
                          ")");
}

} // namespace tarvel::forms
