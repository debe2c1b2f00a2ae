// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "forms/form.h"

namespace tarvel::scenario {

// Acts as a user on the windows and reads what the user sees. The headless driver works on
// the window models directly; the widgets driver works on the real Qt widgets.
class Driver {
public:
    virtual ~Driver() = default;

    virtual void click(forms::Form& form, forms::Control& control) { form.userClick(control); }
    virtual void dblclick(forms::Form& form, forms::Control& control) {
        form.userDblClick(control);
    }
    virtual void focus(forms::Form& form, forms::Control& control) { form.userFocus(control); }
    virtual void type(forms::Form& form, forms::Control& box, const std::string& text) {
        form.userType(box, text);
    }
    virtual void key(forms::Form& form, forms::Control* control, int keyCode, int shift) {
        if (control)
            form.userKey(*control, keyCode, shift);
        else
            form.userKeyHere(keyCode, shift);
    }
    virtual void paste(forms::Form& form, forms::Control& box, const std::string& text) {
        form.userPaste(box, text);
    }
    virtual void clickToolbar(forms::Form& form, forms::Toolbar& toolbar, const std::string& key) {
        form.userClickToolbar(toolbar, key);
    }
    virtual void close(forms::Form& form) { form.userClose(); }
    // Chooses an item of the window's open context menu.
    virtual void choose(forms::Form& form, const std::string& caption) {
        form.userChooseContextItem(caption);
    }
    // The items of the window's open context menu as the user sees them; none when it has none.
    virtual std::vector<std::string> shownMenu(forms::Form& form) {
        std::vector<std::string> items;
        for (const forms::ContextMenuItem& item : form.contextMenu())
            items.push_back(item.caption);
        return items;
    }

    // What the user sees of a control: its caption or text.
    virtual std::string shownText(forms::Control& control) { return control.text(); }
    virtual std::string shownCaption(forms::Form& form) { return form.caption(); }
    // Where what the user sees of a window differs from its model, one line each: empty when
    // the user sees the model itself (headless).
    virtual std::string differencesFromModel(forms::Form& form) {
        (void)form;
        return {};
    }
    // Called after every step, so that a driver can bring its view up to date; `outermost`
    // when no handler is running any more (steps also run inside modal windows and between
    // the picture show's cycles), so that closed windows may go.
    virtual void afterStep(bool outermost) { (void)outermost; }
};

} // namespace tarvel::scenario
