// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "forms/control.h"
#include "forms/platform.h"
#include "forms/toolbar.h"

namespace tarvel::forms {

class Application;

// A choice of a window's context menu: choosing it double-clicks its target, so the menu is
// the keyboard's way to what a double click does.
struct ContextMenuItem {
    std::string caption;
    Control* target = nullptr;
};

// A window model: its controls by name, its focus, whether it is shown and how.
class Form {
public:
    Form(Application& app, std::string name);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& name() const { return name_; }
    Application& app() const { return app_; }
    Platform& platform() const;

    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& c) { caption_ = c; }

    // Controls, registered by name ("txtInvest", "txtGp(3)").
    Control& add(const std::string& name, ControlKind kind, Control* container = nullptr);
    Toolbar& addToolbar(const std::string& name, Control* container = nullptr);
    Control* find(const std::string& name) const;
    const std::vector<Control*>& controls() const { return order_; }

    // Window state.
    bool shown() const { return shown_; }
    bool modal() const { return modal_; }
    // Shows the window modelessly.
    void show();
    // Shows it modally: returns when it has been hidden or unloaded.
    void showModal();
    void hide();
    // Unloads the window (runs its unload handler); the application destroys it.
    void unload();

    // Placement in twips.
    int left = 0, top = 0, width = 0, height = 0;
    int helpContextId = 0;

    // Focus: moving it runs the old control's lost-focus handler and then the new one's
    // got-focus handler. A request for a control that cannot take the focus does nothing.
    Control* focused() const { return focused_; }
    // How often the focus has moved, for a driver to see that a request reached the model even
    // when a got-focus handler sent the focus on.
    long focusMoves() const { return focusMoves_; }
    bool setFocus(Control& control);
    // The controls the Tab key visits now, in its order: the tab stops that can take the
    // focus, in the order the window added them.
    std::vector<Control*> tabOrder() const;

    // Key preview: the window sees every key before its focused control.
    bool keyPreview = false;
    std::function<void(int& keyCode, int shift)> onKeyDown;
    std::function<void(int& keyCode, int shift)> onKeyUp;
    std::function<int(int keyAscii)> onKeyPress;

    // The keys of a dialog: Enter presses the focused command button, or else the default
    // button, as a click does; Escape does what the close box does. A handler that gives
    // either key a meaning of its own sets the key code to 0 in its key down.
    void setDialogKeys(Control* defaultButton);
    Control* defaultButton() const { return defaultButton_; }

    // The context menu of a control (nullptr: of the window), the items a user could choose
    // now; the Menu key and Shift+F10 open the focused control's, a right click the clicked
    // control's. Any other action of the user closes an open menu, Escape alone included.
    virtual std::vector<ContextMenuItem> contextMenuOf(Control* at);
    const std::vector<ContextMenuItem>& contextMenu() const { return contextMenu_; }
    // Counts the menus opened, for a view to see that a new one opened.
    int contextMenuSerial() const { return contextMenuSerial_; }
    void closeContextMenu() { contextMenu_.clear(); }

    // Load and unload handlers of the concrete window.
    virtual void Form_Load() {}
    virtual void Form_Unload() {}
    // The close box: returns false when the window refuses to close.
    virtual bool Form_QueryUnload() { return true; }

    // What a user does. Each checks that the user could do it and throws UserActionError
    // with a reason when not.
    void userClick(Control& control);
    // The double-click event; the click that a double click's first press and release gives
    // is userClick's.
    void userDblClick(Control& control);
    void userFocus(Control& control);
    void userType(Control& box, const std::string& text);
    void userKey(Control& control, int keyCode, int shift = 0);
    void userKeyHere(int keyCode, int shift = 0);
    // Replaces the whole text, round the key filter; the caret ends at the end of the text
    // with nothing selected, whatever the text was.
    void userPaste(Control& box, const std::string& text);
    void userClickToolbar(Toolbar& toolbar, const std::string& key);
    // Chooses an item of a menu that is open already (its top-level menu's click ran when it
    // opened); userClick on an item does both, as a user must.
    void userChooseMenuItem(Control& item);
    void userClose();
    // Opens the context menu of a control (nullptr: of the focused control).
    void userContextMenu(Control* at);
    // Chooses an item of the open context menu by its caption.
    void userChooseContextItem(const std::string& caption);
    // Throws UserActionError when the user could not reach the control now.
    void requireReachable(const Control& control) const;
    // The same as a question.
    bool userCanReach(const Control& control) const;

private:
    void typeCharacter(Control& box, char32_t c);
    void pressKey(Control* target, int keyCode, int shift);
    void openMenuPath(Control& item);
    void openContextMenu(Control* at);
    bool dialogKey(int code, int shift);

    Application& app_;
    std::string name_;
    std::string caption_;
    std::vector<std::unique_ptr<Control>> owned_;
    std::vector<Control*> order_;
    std::map<std::string, Control*> byName_;
    Control* focused_ = nullptr;
    long focusMoves_ = 0;
    bool shown_ = false;
    bool modal_ = false;
    bool dialogKeys_ = false;
    Control* defaultButton_ = nullptr;
    std::vector<ContextMenuItem> contextMenu_;
    int contextMenuSerial_ = 0;
};

class UserActionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace tarvel::forms
