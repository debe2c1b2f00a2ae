// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "forms/form.h"

class QAction;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QMouseEvent;
class QTabBar;
class QToolBar;
class QWidget;

namespace tarvel::ui {

class Windows;

// Binds the widgets of one window to the controls of its model by name: the widget or action
// whose objectName is a control's name shows that control, and what the user does to it goes
// to the model. The model decides everything; the widgets only show it. After every event
// Windows::dispatch() refreshes all widgets from their controls.
//
// A label that the model makes the caption of a box or button (its buddy) is that widget's Qt
// buddy: it shows the caption with the mnemonic letter its dynamic property "mnemonic" names,
// looks disabled with it and lends a button without a text of its own its accessible name; the
// model turns a click on it into a click on the button. The model's tab stops and their order
// are the widgets' focus policies and focus chain; the Tab key itself goes to the model.
class Binder : public QObject {
public:
    // The binder becomes a child of the window.
    Binder(forms::Form& form, QWidget& window, Windows& windows);

    // nullptr once the model window is gone.
    forms::Form* form() const { return form_; }
    QWidget& window() const { return *window_; }
    // The widget, menu or action bound to a control, or nullptr.
    QObject* objectFor(const std::string& name) const;
    QWidget* widgetFor(const std::string& name) const;
    QMenu* menuFor(const std::string& name) const;
    QAction* actionFor(const std::string& name) const;
    QAction* toolbarAction(const std::string& toolbar, const std::string& key) const;

    // Shows every control in its widget: captions, texts, caret and selection, visibility,
    // enabled state, ticks and selections, colours, tooltips, menus, toolbar, window caption
    // and focus. Signals are blocked meanwhile and nothing goes back to the model.
    void refresh();
    // The model window is gone: the widgets stop forwarding and showing.
    void detach();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Binding {
        forms::Control* control = nullptr;
        QObject* object = nullptr;
        QWidget* widget = nullptr; // every bound kind but a menu item
        QAction* action = nullptr; // a menu item, or the action of a (sub)menu
        QMenu* menu = nullptr;     // a top-level menu or a submenu
        QLineEdit* edit = nullptr; // a text box
        QToolBar* toolbar = nullptr;
        std::map<std::string, QAction*> buttons; // toolbar buttons by key
        QLabel* label = nullptr;                 // a label
        Binding* buddy = nullptr;                // the box or button a label belongs to
        bool namedByBuddy = false; // a button that takes its accessible name from its label
        // What the widget shows now, so that unchanged properties cost nothing.
        bool shown = false;
        std::string text;
        std::string toolTip;
        forms::Color fore;
        forms::Color back;
        bool readOnly = false;
        bool greyed = false;
        int style = -1;
    };

    void bind(forms::Control& control, QObject& object);
    void bindToolbar(Binding& b, forms::Toolbar& model);
    void refreshBinding(Binding& b);
    void refreshColours(Binding& b);
    void refreshFocus();
    Binding* bindingOf(QObject* object);
    void dispatch(const std::function<void()>& event);

    void bindBuddies();
    void refreshLabel(Binding& b, bool textChanged);
    void chainTabStops();
    // The view of the window's context menu, among the window's model views.
    void addContextMenu();
    void refreshTabStop(Binding& b);

    bool keyPress(Binding* b, QKeyEvent& event);
    bool mouse(Binding& b, QMouseEvent& event);
    void focusIn(Binding& b);
    void caretFromWidget(Binding& b);
    void paste(Binding& b);

    // Tabs of a tab strip.
    // A tab is a control of its own, "tbsVrste(6)", held by the tab strip's control; it shows
    // as a tab of the strip's QTabBar.
    struct TabBinding {
        forms::Control* tab;
        QTabBar* bar;
        int index;
    };
    std::vector<TabBinding> tabs_;
    void bindTab(forms::Control& tab);
    void refreshTabs();
    bool tabMouse(QTabBar& bar, QMouseEvent& event);

    forms::Form* form_;
    QWidget* window_;
    Windows& windows_;
    std::vector<Binding> bindings_;
    // Drawings of the model beside its controls (ModelView widgets of the window).
    std::vector<QPointer<QWidget>> views_;
    QHash<const QObject*, size_t> index_;
    QHash<const forms::Control*, size_t> byControl_;
    std::string caption_;
    bool captionShown_ = false;
    bool refreshing_ = false;
    bool afterDoubleClick_ = false;
    bool pressSwallowed_ = false;
    // The control that the focus went to with the mouse button now going down.
    const forms::Control* focusedByClick_ = nullptr;
};

// What does not match between a window model and its widgets: a control without a widget of
// its name, a widget or action with a control's kind of name but no such control, and a
// widget of the wrong kind for its control. Empty when they match.
std::vector<std::string> nameMismatches(const forms::Form& form, const QWidget& window);

// A caption as a label with a buddy shows it: "&" doubled, and the mnemonic letter (the first
// occurrence of `mnemonic`, the same case preferred) marked with "&".
QString withMnemonic(const QString& caption, const QString& mnemonic);
// The caption again from what such a label shows.
QString withoutMnemonic(const QString& shown);

// Tabs of a tab strip.
// The index of a tab control ("tbsVrste(6)" of the strip "tbsVrste"), or -1 for a control that
// is not a tab.
int tabIndexOf(const forms::Control& control);

} // namespace tarvel::ui
