// SPDX-License-Identifier: GPL-3.0-or-later
// Replay on the real widgets: every step acts on the Qt widget of its control through Qt's
// test events, so that it goes the way a user's mouse and keys go, through the binder.
#ifdef TARVEL_WITH_WIDGETS

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QTabBar>
#include <QTest>
#include <QToolBar>

#include "app/scenario/recording_platform.h"
#include "app/scenario/widgets.h"
#include "forms/keys.h"
#include "ui/binder.h"
#include "ui/calculator_windows.h"
#include "ui/key_codes.h"
#include "ui/qt_text.h"
#include "ui/windows.h"

namespace tarvel::scenario {

namespace {

using forms::ControlKind;
using forms::UserActionError;

class WidgetsDriver : public Driver {
public:
    explicit WidgetsDriver(calculator::Calculator& calculator) : windows_(calculator) {
        ui::registerCalculatorWindows(windows_);
        windows_.keepFailures = true;
    }

    ~WidgetsDriver() override {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void click(forms::Form& form, forms::Control& control) override {
        prepare(form, control);
        switch (control.kind()) {
        case ControlKind::MenuItem:
            chooseMenu(form, control);
            break;
        case ControlKind::Toolbar:
        case ControlKind::TabStrip:
            // As the model refuses it: the mouse lands on a button or a tab.
            form.userClick(control);
            break;
        case ControlKind::Label:
            if (ui::tabIndexOf(control) >= 0) {
                const auto [bar, at] = tabOnItsBar(form, control);
                QTest::mouseClick(bar, Qt::LeftButton, {}, at);
                break;
            }
            QTest::mouseClick(&widget(form, control), Qt::LeftButton);
            break;
        case ControlKind::TextBox: {
            // Into a box that has the focus, the click lands on the caret, which stays.
            auto& edit = static_cast<QLineEdit&>(widget(form, control));
            const QPoint at = form.focused() == &control
                                  ? edit.inputMethodQuery(Qt::ImCursorRectangle).toRect().center()
                                  : QPoint();
            QTest::mouseClick(&edit, Qt::LeftButton, {}, at);
            break;
        }
        default:
            QTest::mouseClick(&widget(form, control), Qt::LeftButton);
            break;
        }
        finish();
    }

    void dblclick(forms::Form& form, forms::Control& control) override {
        if (control.kind() == ControlKind::MenuItem || control.kind() == ControlKind::TabStrip) {
            // As the model refuses it.
            form.userDblClick(control);
            return;
        }
        prepare(form, control);
        if (ui::tabIndexOf(control) >= 0) {
            const auto [bar, at] = tabOnItsBar(form, control);
            QTest::mouseDClick(bar, Qt::LeftButton, {}, at);
        } else {
            QTest::mouseDClick(&widget(form, control), Qt::LeftButton);
        }
        finish();
    }

    void focus(forms::Form& form, forms::Control& control) override {
        prepare(form, control);
        moveFocus(form, control);
        finish();
    }

    void type(forms::Form& form, forms::Control& box, const std::string& text) override {
        prepare(form, box);
        if (box.kind() != ControlKind::TextBox)
            throw UserActionError(box.name() + " is not a text box");
        moveFocus(form, box);
        QWidget& w = widget(form, box);
        for (char32_t c : forms::toU32(text)) {
            if (form.focused() != &box)
                throw UserActionError(box.name() + " lost the focus while typing");
            const QString character = QStringView(QChar::fromUcs4(c)).toString();
            QTest::sendKeyEvent(QTest::Click, &w, ui::qtKeyForCharacter(c), character,
                                Qt::NoModifier);
            windows_.rethrowPending();
        }
        finish();
    }

    void key(forms::Form& form, forms::Control* control, int keyCode, int shift) override {
        // A context menu on view takes Escape and closes.
        if (keyCode == forms::keys::Escape && shift == 0 && closePopup())
            return;
        QWidget* target = nullptr;
        if (control) {
            prepare(form, *control);
            moveFocus(form, *control);
            target = &widget(form, *control);
        } else {
            prepare(form);
            QWidget& window = windowOf(form);
            target = window.focusWidget() ? window.focusWidget() : &window;
        }
        QTest::keyClick(target, ui::qtKey(keyCode), ui::qtModifiers(shift));
        finish();
    }

    void paste(forms::Form& form, forms::Control& box, const std::string& text) override {
        prepare(form, box);
        if (box.kind() != ControlKind::TextBox)
            throw UserActionError(box.name() + " is not a text box");
        moveFocus(form, box);
        if (box.readOnly())
            throw UserActionError(box.name() + " is read-only");
        QWidget& w = widget(form, box);
        QGuiApplication::clipboard()->setText(ui::toQString(text));
        QTest::keyClick(&w, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(&w, Qt::Key_V, Qt::ControlModifier);
        finish();
    }

    void clickToolbar(forms::Form& form, forms::Toolbar& toolbar, const std::string& key) override {
        prepare(form, toolbar);
        const forms::ToolbarButton* b = toolbar.button(key);
        if (!b)
            throw UserActionError("the toolbar has no button " + key);
        if (!b->enabled)
            throw UserActionError("toolbar button " + key + " is disabled");
        QAction* action = binder(form).toolbarAction(toolbar.name(), key);
        auto* bar = qobject_cast<QToolBar*>(binder(form).widgetFor(toolbar.name()));
        QWidget* button = action && bar ? bar->widgetForAction(action) : nullptr;
        if (!button || !button->isVisible() || !button->isEnabled())
            fail("toolbar button " + key + " is not on view though its model is enabled");
        QTest::mouseClick(button, Qt::LeftButton);
        finish();
    }

    void close(forms::Form& form) override {
        prepare(form);
        windowOf(form).close();
        finish();
    }

    void choose(forms::Form& form, const std::string& caption) override {
        auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!popup) {
            if (!form.contextMenu().empty())
                fail("the context menu of " + form.name() + " is not on view");
            form.userChooseContextItem(caption); // refused as the model refuses it
            return;
        }
        for (QAction* action : popup->actions()) {
            if (action->text().toStdString() == caption && action->isEnabled()) {
                QPointer<QWidget> owner =
                    popup->parentWidget() ? popup->parentWidget()->window() : nullptr;
                action->trigger();
                finish();
                windows_.sync();
                reactivate(owner);
                return;
            }
        }
        form.userChooseContextItem(caption);
        fail("the context menu on view has no item " + quoted(caption));
    }

    std::vector<std::string> shownMenu(forms::Form& form) override {
        windows_.sync();
        std::vector<std::string> shown;
        if (auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (QAction* action : popup->actions())
                shown.push_back(action->text().toStdString());
        }
        if (shown != Driver::shownMenu(form))
            fail("the context menu on view is not the model's");
        return shown;
    }

    std::string shownText(forms::Control& control) override {
        windows_.sync();
        return textOf(binder(control.form()).objectFor(control.name()));
    }

    std::string differencesFromModel(forms::Form& form) override {
        windows_.sync();
        ui::Binder* b = windows_.binder(form.name());
        if (!b || b->form() != &form)
            return form.shown() ? "window " + form.name() + " has no widgets\n" : "";
        std::string out;
        const auto differs = [&out](const forms::Control& c, const std::string& what) {
            out += c.name() + " shows " + what + "\n";
        };
        for (const forms::Control* c : form.controls()) {
            if (c->kind() == ControlKind::MenuItem) {
                // A menu shows in its action in the menu above it.
                const QAction* action = b->actionFor(c->name());
                if (!action)
                    continue;
                // A separator is its line, without the model's "-".
                const std::string text = textOf(b->objectFor(c->name()));
                if (!c->separator() && text != c->text())
                    differs(*c, quoted(text));
                if (action->isVisible() != c->visible())
                    differs(*c, action->isVisible() ? "visible" : "hidden");
                if (action->isEnabled() != c->enabled())
                    differs(*c, action->isEnabled() ? "enabled" : "disabled");
                if (action->isChecked() != c->checked())
                    differs(*c, action->isChecked() ? "ticked" : "unticked");
                continue;
            }
            QWidget* w = b->widgetFor(c->name());
            // A tab strip shows its selected tab's caption as its own.
            if (!w || c->kind() == ControlKind::Picture || c->kind() == ControlKind::Toolbar)
                continue;
            if (const std::string text = textOf(w); text != c->text())
                differs(*c, quoted(text));
            if (w->isHidden() == c->visible())
                differs(*c, w->isHidden() ? "hidden" : "visible");
            if (w->testAttribute(Qt::WA_ForceDisabled) == c->enabled())
                differs(*c, c->enabled() ? "disabled" : "enabled");
            auto* button = qobject_cast<QAbstractButton*>(w);
            if (button && button->isCheckable() && button->isChecked() != c->checked())
                differs(*c, button->isChecked() ? "checked" : "unchecked");
            auto* edit = qobject_cast<QLineEdit*>(w);
            if (edit && edit->isReadOnly() != c->readOnly())
                differs(*c, edit->isReadOnly() ? "read-only" : "editable");
        }
        // The focus: on the widget of the model's focused control when it is on view.
        QWidget& window = b->window();
        const forms::Control* focused = form.focused();
        QWidget* target = focused ? b->widgetFor(focused->name()) : nullptr;
        if (target && target->isVisibleTo(&window) && target->isEnabled() &&
            window.focusWidget() != target)
            out += "the focus is on " +
                   (window.focusWidget() ? window.focusWidget()->objectName().toStdString()
                                         : std::string("nothing")) +
                   ", not on " + focused->name() + "\n";
        // The context menu: on view while the model has one open.
        const bool popup = qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr;
        if (popup == form.contextMenu().empty())
            out += popup ? "a context menu is on view, the model has none\n"
                         : "the model's context menu is not on view\n";
        // The caret and selection of the focused box, where its characters are one UTF-16
        // unit each.
        if (auto* edit = qobject_cast<QLineEdit*>(target);
            edit && edit->text().size() == focused->length()) {
            const int start =
                edit->hasSelectedText() ? int(edit->selectionStart()) : edit->cursorPosition();
            const int length = edit->hasSelectedText() ? int(edit->selectionLength()) : 0;
            if (start != focused->selStart() || length != focused->selLength())
                differs(*focused,
                        "the caret at " + std::to_string(start) + "+" + std::to_string(length));
        }
        return out;
    }

    std::string shownCaption(forms::Form& form) override {
        windows_.sync();
        return windowOf(form).windowTitle().toStdString();
    }

    void afterStep(bool outermost) override {
        windows_.sync();
        if (outermost)
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private:
    // What a widget, menu or action shows as its control's caption or text.
    static std::string textOf(QObject* o) {
        if (auto* label = qobject_cast<QLabel*>(o)) {
            // A label with a buddy marks its mnemonic in its text; the caption is without.
            if (label->buddy())
                return ui::withoutMnemonic(label->text()).toStdString();
            return label->text().toStdString();
        }
        if (auto* edit = qobject_cast<QLineEdit*>(o))
            return edit->text().toStdString();
        if (auto* button = qobject_cast<QAbstractButton*>(o))
            return button->text().toStdString();
        if (auto* box = qobject_cast<QGroupBox*>(o))
            return box->title().toStdString();
        if (auto* bar = qobject_cast<QTabBar*>(o))
            return bar->tabText(bar->currentIndex()).toStdString();
        if (auto* menu = qobject_cast<QMenu*>(o))
            return menu->title().toStdString();
        if (auto* action = qobject_cast<QAction*>(o))
            return action->text().toStdString();
        return "";
    }

    [[noreturn]] static void fail(const std::string& message) {
        throw StepFailure{"binding fault: " + message};
    }

    // Before a user's action: the windows show their models, the window is active, and a
    // user could reach the control.
    void prepare(forms::Form& form) {
        windows_.sync();
        // Any other action closes a context menu on view first, as a click elsewhere does.
        closePopup();
        if (!form.shown())
            throw UserActionError("window " + form.name() + " is not shown");
        if (forms::Form* top = form.app().modalTop(); top && top != &form)
            throw UserActionError("window " + top->name() + " is modal over " + form.name());
        QWidget& window = windowOf(form);
        if (!window.isActiveWindow()) {
            window.activateWindow();
            if (!QTest::qWaitForWindowActive(&window))
                fail("window " + form.name() + " does not become active");
        }
    }

    void prepare(forms::Form& form, forms::Control& control) {
        prepare(form);
        form.requireReachable(control);
    }

    // Closes a pop-up menu on view; its model hears of it once the events have run. Returns
    // whether there was one.
    bool closePopup() {
        QWidget* popup = QApplication::activePopupWidget();
        if (!popup)
            return false;
        QPointer<QWidget> owner = popup->parentWidget() ? popup->parentWidget()->window() : nullptr;
        popup->close();
        QCoreApplication::processEvents();
        windows_.rethrowPending();
        reactivate(owner);
        return true;
    }

    // The window under a pop-up menu is active again once the menu is gone (the offscreen
    // platform does not give the activation back by itself).
    static void reactivate(QWidget* window) {
        if (!window || !window->isVisible() || QApplication::activePopupWidget() ||
            QApplication::activeWindow() == window)
            return;
        window->activateWindow();
        if (!QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }))
            fail("window " + window->objectName().toStdString() + " does not become active again");
    }

    // After it: a failure inside the models' handlers is the step's failure.
    void finish() { windows_.rethrowPending(); }

    ui::Binder& binder(forms::Form& form) {
        ui::Binder* b = windows_.binder(form.name());
        if (!b || b->form() != &form)
            fail("window " + form.name() + " has no widgets");
        return *b;
    }

    QWidget& windowOf(forms::Form& form) { return binder(form).window(); }

    QWidget& widget(forms::Form& form, forms::Control& control) {
        QWidget* w = binder(form).widgetFor(control.name());
        if (!w)
            fail(control.name() + " has no widget");
        if (!w->isVisible() || !w->isEnabled())
            fail(control.name() + " is not reachable on the screen though it is in its model");
        return *w;
    }

    // A tab is the middle of its tab on the tab bar of its strip.
    std::pair<QTabBar*, QPoint> tabOnItsBar(forms::Form& form, forms::Control& tab) {
        const int index = ui::tabIndexOf(tab);
        auto* bar = qobject_cast<QTabBar*>(binder(form).widgetFor(tab.container()->name()));
        if (!bar || index >= bar->count() || !bar->isTabVisible(index) || !bar->isVisible())
            fail(tab.name() + " has no tab on its tab bar");
        return {bar, bar->tabRect(index).center()};
    }

    // As clicking into a box or tabbing to a button: the binder hands the focus to the model.
    void moveFocus(forms::Form& form, forms::Control& control) {
        if (!control.canTakeFocus())
            throw UserActionError(control.name() + " cannot take the focus");
        if (form.focused() == &control)
            return;
        QWidget& w = widget(form, control);
        const long moves = form.focusMoves();
        w.setFocus(Qt::OtherFocusReason);
        windows_.rethrowPending();
        // The control's own got-focus handler may send the focus on (a refused box does);
        // a focus that did not move at all never reached the model.
        if (form.focused() != &control && form.focusMoves() == moves)
            fail(control.name() + " did not take the focus");
    }

    // Opens the top-level menu that holds the item (its click runs), then chooses the item.
    void chooseMenu(forms::Form& form, forms::Control& item) {
        if (item.separator())
            throw UserActionError(item.name() + " is a separator");
        std::vector<forms::Control*> path;
        for (forms::Control* c = &item; c; c = c->container())
            path.insert(path.begin(), c);
        ui::Binder& b = binder(form);
        QMenu* top = b.menuFor(path.front()->name());
        if (!top)
            fail(path.front()->name() + " has no menu");
        emit top->aboutToShow();
        windows_.rethrowPending();
        if (path.size() > 1) {
            form.requireReachable(item);
            if (QMenu* submenu = b.menuFor(item.name())) {
                emit submenu->aboutToShow();
                emit submenu->aboutToHide();
            } else {
                QAction* action = b.actionFor(item.name());
                if (!action || !action->isEnabled() || !action->isVisible())
                    fail(item.name() + " cannot be chosen though it is in its model");
                action->trigger();
            }
            windows_.rethrowPending();
        }
        emit top->aboutToHide();
    }

    ui::Windows windows_;
};

class QtSession : public WidgetsSession {
public:
    QtSession(int& argc, char** argv) : app_(argc, argv) {}
    std::unique_ptr<Driver> makeDriver(calculator::Calculator& calculator) override {
        return std::make_unique<WidgetsDriver>(calculator);
    }

private:
    QApplication app_;
};

} // namespace

std::unique_ptr<WidgetsSession> startWidgets(int& argc, char** argv) {
    return std::make_unique<QtSession>(argc, argv);
}

} // namespace tarvel::scenario

#endif
