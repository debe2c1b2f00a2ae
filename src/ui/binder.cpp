// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/binder.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>

#include "forms/keys.h"
#include "ui/icons.h"
#include "ui/key_codes.h"
#include "ui/model_view.h"
#include "ui/qt_text.h"
#include "ui/windows.h"

namespace tarvel::ui {

using forms::ControlKind;

namespace {

// Names that the window models give their controls; a widget named so must have a control.
constexpr const char* kControlPrefixes[] = {"lbl", "txt", "chk",   "opt",   "cmd", "mnu", "fra",
                                            "tlb", "img", "Frame", "Label", "lpb", "pic", "tab"};

bool looksLikeControlName(const QString& name) {
    for (const char* prefix : kControlPrefixes) {
        if (name.startsWith(QLatin1String(prefix)))
            return true;
    }
    return false;
}

QColor qc(forms::Color c) {
    return QColor(c.r, c.g, c.b);
}

// Whether a widget or action can show a control of this kind.
bool fits(ControlKind kind, const QObject& o) {
    switch (kind) {
    case ControlKind::Label:
        return qobject_cast<const QLabel*>(&o);
    case ControlKind::Picture:
        return o.isWidgetType();
    case ControlKind::TextBox:
        return qobject_cast<const QLineEdit*>(&o);
    case ControlKind::CheckBox:
        return qobject_cast<const QCheckBox*>(&o);
    case ControlKind::OptionButton:
        return qobject_cast<const QRadioButton*>(&o);
    case ControlKind::CommandButton:
        return qobject_cast<const QPushButton*>(&o);
    case ControlKind::Frame:
        return qobject_cast<const QFrame*>(&o) || qobject_cast<const QGroupBox*>(&o);
    case ControlKind::MenuItem:
        return qobject_cast<const QMenu*>(&o) || qobject_cast<const QAction*>(&o);
    case ControlKind::Toolbar:
        return qobject_cast<const QToolBar*>(&o);
    case ControlKind::TabStrip:
        return qobject_cast<const QTabBar*>(&o);
    }
    return false;
}

// The named widgets and actions of a window, by name.
QHash<QString, QObject*> namedObjects(const QWidget& window) {
    QHash<QString, QObject*> named;
    for (QObject* o : window.findChildren<QObject*>()) {
        if ((o->isWidgetType() || qobject_cast<QAction*>(o)) && !o->objectName().isEmpty())
            named.insert(o->objectName(), o);
    }
    return named;
}

// Caret positions: the models count characters, QLineEdit counts UTF-16 units.
int toUtf16(const QString& text, int characters) {
    int units = 0;
    for (int c = 0; c < characters && units < text.size(); ++c)
        units += text.at(units).isHighSurrogate() ? 2 : 1;
    return units;
}

int toCharacters(const QString& text, int units) {
    int characters = 0;
    for (int u = 0; u < units && u < text.size(); ++u) {
        if (!text.at(u).isLowSurrogate())
            ++characters;
    }
    return characters;
}

} // namespace

Binder::Binder(forms::Form& form, QWidget& window, Windows& windows)
    : QObject(&window), form_(&form), window_(&window), windows_(windows) {
    const QHash<QString, QObject*> named = namedObjects(window);
    bindings_.reserve(form.controls().size());
    for (forms::Control* control : form.controls()) {
        QObject* object = named.value(toQString(control->name()));
        if (object && fits(control->kind(), *object))
            bind(*control, *object);
        else if (tabIndexOf(*control) >= 0)
            bindTab(*control);
    }
    bindBuddies();
    chainTabStops();
    addContextMenu();
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (dynamic_cast<ModelView*>(w))
            views_.emplace_back(w);
    }
    window.installEventFilter(this);
}

void Binder::bind(forms::Control& control, QObject& object) {
    index_.insert(&object, bindings_.size());
    byControl_.insert(&control, bindings_.size());
    Binding& b = bindings_.emplace_back();
    const size_t at = bindings_.size() - 1;
    b.control = &control;
    b.object = &object;
    b.widget = qobject_cast<QWidget*>(&object);
    b.action = qobject_cast<QAction*>(&object);
    b.menu = qobject_cast<QMenu*>(&object);
    b.edit = qobject_cast<QLineEdit*>(&object);
    forms::Control* c = &control;

    if (b.menu) {
        b.action = b.menu->menuAction();
        b.widget = nullptr;
        // Opening a top-level menu is the user's click on it; opening a submenu chooses it.
        connect(b.menu, &QMenu::aboutToShow, this, [this, c] {
            if (c->container())
                dispatch([this, c] { form_->userChooseMenuItem(*c); });
            else
                dispatch([this, c] { form_->userClick(*c); });
        });
        return;
    }
    if (b.action) {
        // A shortcut key goes to the window model as a key like any other, so the model
        // decides what it does; the menu only shows it.
        b.action->setShortcutContext(Qt::WidgetShortcut);
        if (!b.action->isSeparator())
            connect(b.action, &QAction::triggered, this,
                    [this, c] { dispatch([this, c] { form_->userChooseMenuItem(*c); }); });
        return;
    }
    if (auto* model = dynamic_cast<forms::Toolbar*>(&control)) {
        b.toolbar = qobject_cast<QToolBar*>(&object);
        bindToolbar(b, *model);
        return;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(&object)) {
        // The model keeps option groups exclusive; Qt must be able to show none selected. An
        // option button stays auto-exclusive, which is what makes it a radio button to a screen
        // reader, while a group of its own that is not exclusive keeps Qt from unticking it or
        // its neighbours.
        if (qobject_cast<QRadioButton*>(button)) {
            auto* own = new QButtonGroup(button);
            own->setExclusive(false);
            own->addButton(button);
        } else {
            button->setAutoExclusive(false);
        }
        connect(button, &QAbstractButton::clicked, this,
                [this, c] { dispatch([this, c] { form_->userClick(*c); }); });
    }
    if (b.edit) {
        b.edit->setContextMenuPolicy(Qt::NoContextMenu);
        b.edit->setAcceptDrops(false);
        // A caret placed with the mouse goes to the model; keys never edit the box itself.
        connect(b.edit, &QLineEdit::cursorPositionChanged, this,
                [this, at] { caretFromWidget(bindings_[at]); });
        connect(b.edit, &QLineEdit::selectionChanged, this,
                [this, at] { caretFromWidget(bindings_[at]); });
    }
    b.widget->installEventFilter(this);
}

void Binder::bindToolbar(Binding& b, forms::Toolbar& model) {
    QToolBar& bar = *b.toolbar;
    forms::Toolbar* t = &model;
    for (const forms::ToolbarButton& button : model.buttons()) {
        switch (button.kind) {
        case forms::ToolbarItemKind::Separator:
            bar.addSeparator();
            break;
        case forms::ToolbarItemKind::Placeholder: {
            auto* gap = new QWidget(&bar);
            gap->setFixedSize(bar.iconSize().width(), 1);
            bar.addWidget(gap);
            break;
        }
        case forms::ToolbarItemKind::Button: {
            const std::string key = button.key;
            QAction* action = bar.addAction(toolbarIcon(key), toQString(button.toolTip));
            action->setToolTip(toQString(button.toolTip));
            action->setData(toQString(key));
            b.buttons[key] = action;
            connect(action, &QAction::triggered, this, [this, t, key] {
                dispatch([this, t, key] { form_->userClickToolbar(*t, key); });
            });
            break;
        }
        }
    }
}

QObject* Binder::objectFor(const std::string& name) const {
    for (const Binding& b : bindings_) {
        if (b.control->name() == name)
            return b.object;
    }
    return nullptr;
}

QWidget* Binder::widgetFor(const std::string& name) const {
    return qobject_cast<QWidget*>(objectFor(name));
}

QMenu* Binder::menuFor(const std::string& name) const {
    return qobject_cast<QMenu*>(objectFor(name));
}

QAction* Binder::actionFor(const std::string& name) const {
    QObject* o = objectFor(name);
    if (auto* menu = qobject_cast<QMenu*>(o))
        return menu->menuAction();
    return qobject_cast<QAction*>(o);
}

QAction* Binder::toolbarAction(const std::string& toolbar, const std::string& key) const {
    for (const Binding& b : bindings_) {
        if (b.toolbar && b.control->name() == toolbar) {
            const auto it = b.buttons.find(key);
            return it == b.buttons.end() ? nullptr : it->second;
        }
    }
    return nullptr;
}

Binder::Binding* Binder::bindingOf(QObject* object) {
    const auto it = index_.constFind(object);
    return it == index_.constEnd() ? nullptr : &bindings_[*it];
}

void Binder::detach() {
    form_ = nullptr;
}

void Binder::dispatch(const std::function<void()>& event) {
    if (!form_ || refreshing_)
        return;
    windows_.dispatch(event);
}

void Binder::refresh() {
    if (!form_)
        return;
    refreshing_ = true;
    for (Binding& b : bindings_)
        refreshBinding(b);
    if (!captionShown_ || caption_ != form_->caption()) {
        caption_ = form_->caption();
        captionShown_ = true;
        window_->setWindowTitle(toQString(caption_));
    }
    refreshTabs();
    refreshFocus();
    for (const QPointer<QWidget>& view : views_) {
        if (view)
            dynamic_cast<ModelView&>(*view).showModel(*form_);
    }
    refreshing_ = false;
}

void Binder::refreshBinding(Binding& b) {
    const forms::Control& c = *b.control;
    const QSignalBlocker blocker(b.object);
    const bool textChanged = !b.shown || b.text != c.text();
    if (textChanged)
        b.text = c.text();

    if (b.action) {
        if (textChanged) {
            if (b.menu)
                b.menu->setTitle(toQString(c.text()));
            else if (!b.action->isSeparator())
                b.action->setText(toQString(c.text()));
        }
        b.action->setEnabled(c.enabled());
        b.action->setVisible(c.visible());
        if (c.checked() && !b.action->isCheckable())
            b.action->setCheckable(true);
        if (b.action->isCheckable())
            b.action->setChecked(c.checked());
        b.shown = true;
        return;
    }

    QWidget& w = *b.widget;
    if (w.isHidden() == c.visible())
        w.setVisible(c.visible());
    if (w.testAttribute(Qt::WA_ForceDisabled) == c.enabled())
        w.setEnabled(c.enabled());
    if (!b.shown || b.toolTip != c.toolTip()) {
        b.toolTip = c.toolTip();
        w.setToolTip(toQString(b.toolTip));
    }

    if (b.toolbar) {
        const auto& model = static_cast<const forms::Toolbar&>(c);
        for (const auto& [key, action] : b.buttons)
            action->setEnabled(model.isEnabled(key));
        if (b.style != model.style()) {
            b.style = model.style();
            const bool flat = (b.style & forms::Toolbar::kFlatStyle) != 0;
            for (QToolButton* button : b.toolbar->findChildren<QToolButton*>())
                button->setAutoRaise(flat);
        }
    } else if (b.edit) {
        QLineEdit& edit = *b.edit;
        if (textChanged)
            edit.setText(toQString(c.text()));
        if (edit.isReadOnly() != c.readOnly())
            edit.setReadOnly(c.readOnly());
        const QString text = edit.text();
        const int start = toUtf16(text, c.selStart());
        const int length = toUtf16(text, c.selStart() + c.selLength()) - start;
        // Only the box with the focus shows its selection: one highlight at a time.
        if (length > 0 && form_->focused() == &c) {
            if (edit.selectionStart() != start || edit.selectionLength() != length)
                edit.setSelection(start, length);
        } else if (edit.hasSelectedText() || edit.cursorPosition() != start) {
            edit.setCursorPosition(start);
        }
    } else if (auto* button = qobject_cast<QAbstractButton*>(&w)) {
        if (textChanged)
            button->setText(toQString(c.text()));
        if (button->isCheckable() && button->isChecked() != c.checked())
            button->setChecked(c.checked());
    } else if (b.label) {
        refreshLabel(b, textChanged);
    } else if (auto* box = qobject_cast<QGroupBox*>(&w)) {
        if (textChanged)
            box->setTitle(toQString(c.text()));
    }
    refreshColours(b);
    refreshTabStop(b);
    b.shown = true;
}

void Binder::refreshLabel(Binding& b, bool textChanged) {
    const forms::Control& c = *b.control;
    if (!textChanged || c.kind() != ControlKind::Label)
        return;
    // A label so marked takes no room while its caption is empty (a phase that is not shown).
    if (b.label->property("foldsWhenEmpty").toBool())
        b.label->setMaximumHeight(c.text().empty() ? 0 : QWIDGETSIZE_MAX);
    if (!b.buddy) {
        b.label->setText(toQString(c.text()));
        return;
    }
    b.label->setText(withMnemonic(toQString(c.text()), b.label->property("mnemonic").toString()));
    if (b.buddy->namedByBuddy)
        b.buddy->widget->setAccessibleName(toQString(c.text()));
}

void Binder::refreshColours(Binding& b) {
    const forms::Control& c = *b.control;
    const forms::Color fore = c.foreColor();
    const forms::Color back = c.backColor();
    const bool readOnly = b.edit && c.readOnly();
    // A label looks disabled with the box or button it belongs to; it stays a label the user
    // can click as the model says.
    const bool greyed = b.buddy && !b.buddy->control->enabled();
    if (b.shown && fore == b.fore && back == b.back && readOnly == b.readOnly && greyed == b.greyed)
        return;
    const bool firstTime = !b.shown;
    b.fore = fore;
    b.back = back;
    b.readOnly = readOnly;
    b.greyed = greyed;
    // The models' default colours are the desktop's: they leave the palette alone.
    const bool ownFore = fore != forms::colors::Black;
    const forms::Color defaultBack =
        c.kind() == ControlKind::TextBox ? forms::colors::Window : forms::colors::ButtonFace;
    const bool ownBack = back != defaultBack;
    if (firstTime && !ownFore && !ownBack && !readOnly && !greyed)
        return;
    QPalette palette;
    if (ownFore) {
        for (QPalette::ColorRole role :
             {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(role, qc(fore));
    }
    if (ownBack) {
        for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
            palette.setColor(role, qc(back));
    } else if (readOnly) {
        // A box the user cannot edit has the window's ground, as a label has.
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
            palette.setColor(group, QPalette::Base, palette.color(group, QPalette::Window));
    }
    if (greyed) {
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
            palette.setColor(group, QPalette::WindowText,
                             palette.color(QPalette::Disabled, QPalette::WindowText));
    }
    b.widget->setPalette(palette);
    if (ownBack)
        b.widget->setAutoFillBackground(true);
}

void Binder::refreshFocus() {
    QWidget* target = window_;
    if (const forms::Control* focused = form_->focused()) {
        const auto it = byControl_.constFind(focused);
        if (it != byControl_.constEnd()) {
            QWidget* w = bindings_[*it].widget;
            if (w && w->isVisibleTo(window_) && w->isEnabled())
                target = w;
        }
    }
    if (window_->focusWidget() != target && QApplication::focusWidget() != target)
        target->setFocus(Qt::OtherFocusReason);
}

void Binder::caretFromWidget(Binding& b) {
    // Only the user's mouse in the focused box moves the model's caret; Qt's clearing of the
    // selection when a box loses the focus does not.
    if (!form_ || refreshing_ || !b.edit->hasFocus())
        return;
    const QString text = b.edit->text();
    int start = b.edit->cursorPosition();
    int length = 0;
    if (b.edit->hasSelectedText()) {
        start = b.edit->selectionStart();
        length = b.edit->selectionLength();
    }
    const int first = toCharacters(text, start);
    b.control->setSelection(first, toCharacters(text, start + length) - first);
}

bool Binder::eventFilter(QObject* watched, QEvent* event) {
    if (!form_)
        return false;
    if (watched == window_) {
        if (event->type() == QEvent::Close) {
            forms::Form* form = form_;
            dispatch([form] { form->userClose(); });
            // A window that refused to close stays open.
            if (form_ && form_->shown()) {
                event->ignore();
                return true;
            }
            return false;
        }
        if (event->type() == QEvent::KeyPress)
            return keyPress(nullptr, static_cast<QKeyEvent&>(*event));
        return false;
    }
    Binding* b = bindingOf(watched);
    if (!b)
        return false;
    switch (event->type()) {
    case QEvent::FocusIn: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // Returning to the window, or from a menu, moves nothing in the model. A box that a
        // mouse press focuses takes the focus in the model with the click, when the button
        // comes up: the model's click of a box is its focus and its click in one.
        focusedByClick_ = reason == Qt::MouseFocusReason ? b->control : nullptr;
        if (!refreshing_ && reason != Qt::ActiveWindowFocusReason &&
            reason != Qt::PopupFocusReason && reason != Qt::MenuBarFocusReason &&
            !(b->edit && reason == Qt::MouseFocusReason))
            focusIn(*b);
        return false;
    }
    case QEvent::KeyPress:
        return keyPress(b, static_cast<QKeyEvent&>(*event));
    case QEvent::KeyRelease:
        return b->edit != nullptr;
    case QEvent::InputMethod:
        if (b->edit) {
            const QString text = static_cast<QInputMethodEvent*>(event)->commitString();
            if (isCharacterText(text)) {
                forms::Control* c = b->control;
                dispatch([this, c, text] { form_->userType(*c, text.toStdString()); });
            }
            return true;
        }
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        return mouse(*b, static_cast<QMouseEvent&>(*event));
    default:
        return false;
    }
}

void Binder::focusIn(Binding& b) {
    forms::Control* c = b.control;
    if (form_->focused() == c || !c->canTakeFocus())
        return;
    dispatch([this, c] { form_->userFocus(*c); });
}

bool Binder::mouse(Binding& b, QMouseEvent& event) {
    if (event.button() != Qt::LeftButton || b.toolbar)
        return false;
    if (auto* bar = qobject_cast<QTabBar*>(b.widget))
        return tabMouse(*bar, event);
    forms::Control* c = b.control;
    const bool button = qobject_cast<QAbstractButton*>(b.widget) != nullptr;
    switch (event.type()) {
    case QEvent::MouseButtonDblClick:
        afterDoubleClick_ = true;
        focusedByClick_ = nullptr;
        dispatch([this, c] { form_->userDblClick(*c); });
        return true;
    case QEvent::MouseButtonPress:
        afterDoubleClick_ = false;
        if (b.edit) {
            // Clicking into a box focuses it as the model says: the caret goes to the end,
            // unless the box's got-focus handler selects its text. Only a click into the box
            // that has the focus already places the caret.
            const bool focusing = std::exchange(focusedByClick_, nullptr) == c;
            if (!b.edit->hasFocus())
                b.edit->setFocus(Qt::MouseFocusReason);
            pressSwallowed_ = focusing || focusedByClick_ == c;
            focusedByClick_ = nullptr;
            return pressSwallowed_;
        }
        pressSwallowed_ = !button;
        return pressSwallowed_;
    case QEvent::MouseButtonRelease: {
        if (button)
            return false;
        const bool swallowed = std::exchange(pressSwallowed_, false) || !b.edit;
        const bool clicked = !std::exchange(afterDoubleClick_, false) &&
                             b.widget->rect().contains(event.position().toPoint());
        // A click on a label with a buddy reaches the buddy through the model. A press that
        // focused a box and came up outside it has moved the focus only.
        if (clicked)
            dispatch([this, c] { form_->userClick(*c); });
        else if (b.edit && swallowed && form_->focused() != c)
            dispatch([this, c] { form_->userFocus(*c); });
        return swallowed;
    }
    default:
        return false;
    }
}

std::vector<std::string> nameMismatches(const forms::Form& form, const QWidget& window) {
    std::vector<std::string> found;
    const QHash<QString, QObject*> named = namedObjects(window);
    for (const forms::Control* control : form.controls()) {
        const QObject* object = named.value(toQString(control->name()));
        if (const int tab = tabIndexOf(*control); tab >= 0) {
            const auto* bar =
                qobject_cast<const QTabBar*>(named.value(toQString(control->container()->name())));
            if (!bar || bar->count() <= tab)
                found.push_back("tab " + control->name() + " has no tab in its tab bar");
            continue;
        }
        if (!object)
            found.push_back("control " + control->name() + " has no widget");
        else if (!fits(control->kind(), *object))
            found.push_back("widget " + control->name() + " is a " +
                            object->metaObject()->className() + ", wrong for its control");
    }
    for (auto it = named.cbegin(); it != named.cend(); ++it) {
        if (looksLikeControlName(it.key()) && !form.find(it.key().toStdString()))
            found.push_back("widget " + it.key().toStdString() + " has no control");
    }
    return found;
}

} // namespace tarvel::ui
