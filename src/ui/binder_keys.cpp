// SPDX-License-Identifier: GPL-3.0-or-later
// Keys and the clipboard: what the keyboard does to a bound widget goes to the model as the
// user's key press, typing or paste (a letter held with Ctrl is a key, the shortcut of a
// command); the model's tab stops are the widgets' focus chain, its default button the
// dialog's, and its context menu a pop-up menu.
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "forms/keys.h"
#include "ui/binder.h"
#include "ui/context_menu.h"
#include "ui/key_codes.h"
#include "ui/qt_text.h"

namespace tarvel::ui {

namespace {

// Whether the widget of a control of this kind can take the focus at all.
bool takesFocus(forms::ControlKind kind) {
    switch (kind) {
    case forms::ControlKind::TextBox:
    case forms::ControlKind::CheckBox:
    case forms::ControlKind::OptionButton:
    case forms::ControlKind::CommandButton:
    case forms::ControlKind::TabStrip:
        return true;
    default:
        return false;
    }
}

} // namespace

// Qt's focus chain runs through the controls in the model's order, so that whatever moves the
// focus on its own (Qt or the desktop's accessibility) goes the way the model's Tab key goes.
void Binder::chainTabStops() {
    QWidget* previous = nullptr;
    for (const forms::Control* control : form_->controls()) {
        const auto it = byControl_.constFind(control);
        if (it == byControl_.constEnd() || !takesFocus(control->kind()))
            continue;
        QWidget* w = bindings_[*it].widget;
        if (!w || w->window() != window_)
            continue;
        // The scroll buttons of a tab strip are parts of its control, not tab stops of their
        // own.
        if (control->kind() == forms::ControlKind::TabStrip) {
            for (QWidget* part : w->findChildren<QWidget*>())
                part->setFocusPolicy(Qt::NoFocus);
        }
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
        // The button Enter presses looks it. The binder hands Enter to the model, so the
        // dialog's own handling of its default button never runs.
        if (auto* button = qobject_cast<QPushButton*>(w))
            button->setDefault(control == form_->defaultButton());
    }
}

// A widget takes the Tab key when its control is a tab stop; a click still focuses it as before.
void Binder::refreshTabStop(Binding& b) {
    if (!b.widget || !takesFocus(b.control->kind()))
        return;
    const Qt::FocusPolicy policy = b.widget->focusPolicy();
    const bool clicks = (policy & Qt::ClickFocus) != 0;
    const bool tabs = (policy & Qt::TabFocus) != 0;
    if (b.control->tabStop() && !tabs)
        b.widget->setFocusPolicy(clicks ? Qt::StrongFocus : Qt::TabFocus);
    else if (!b.control->tabStop() && tabs)
        b.widget->setFocusPolicy(clicks ? Qt::ClickFocus : Qt::NoFocus);
}

void Binder::addContextMenu() {
    new ContextMenuView(*window_, *this, windows_);
}

bool Binder::keyPress(Binding* b, QKeyEvent& event) {
    forms::Control* c = b ? b->control : nullptr;
    const bool box = b && b->edit;
    if (box) {
        if (event.matches(QKeySequence::Copy))
            return false;
        if (event.matches(QKeySequence::Paste)) {
            paste(*b);
            return true;
        }
        if (event.matches(QKeySequence::Cut)) {
            if (b->edit->hasSelectedText())
                QGuiApplication::clipboard()->setText(b->edit->selectedText());
            dispatch([this, c] { form_->userKey(*c, forms::keys::Delete, 0); });
            return true;
        }
        if (event.matches(QKeySequence::SelectAll)) {
            dispatch([c] { c->selectAll(); });
            return true;
        }
    }
    const int shift = modelShift(event.modifiers());
    if (const auto code = modelKeyCode(event.key(), event.modifiers())) {
        // A letter held with Ctrl is a shortcut of the window: it goes where the model's focus
        // is and never moves it, whichever widget Qt gave it to.
        const bool shortcut = *code >= forms::keys::A && *code <= forms::keys::Z;
        if (!shortcut && (box || (c && form_->focused() == c)))
            dispatch([this, c, code, shift] { form_->userKey(*c, *code, shift); });
        else
            dispatch([this, code, shift] { form_->userKeyHere(*code, shift); });
        return true;
    }
    QString text = event.text();
    // The keypad's decimal key is the decimal comma in a number box (a box with a key filter),
    // whatever the keyboard layout puts on it.
    if (box && (event.modifiers() & Qt::KeypadModifier) && text == QLatin1String(".") &&
        c->onKeyPress)
        text = QStringLiteral(",");
    const bool typed =
        isCharacterText(text) &&
        !(event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (box && typed)
        dispatch([this, c, text] { form_->userType(*c, text.toStdString()); });
    // A box never edits itself; other widgets keep their own keys (Space clicks a button).
    return box;
}

void Binder::paste(Binding& b) {
    forms::Control* c = b.control;
    const QString clip = QGuiApplication::clipboard()->text();
    QString text = b.edit->text();
    int start = b.edit->cursorPosition();
    int length = 0;
    if (b.edit->hasSelectedText()) {
        start = b.edit->selectionStart();
        length = b.edit->selectionLength();
    }
    text.replace(start, length, clip);
    // Pasting goes round the key filter, as in the models.
    dispatch([this, c, text] { form_->userPaste(*c, text.toStdString()); });
}

} // namespace tarvel::ui
