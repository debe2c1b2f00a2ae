// SPDX-License-Identifier: GPL-3.0-or-later
// Keys and the clipboard: what the keyboard does to a bound widget goes to the model as the
// user's key press, typing or paste.
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "forms/keys.h"
#include "ui/binder.h"
#include "ui/key_codes.h"
#include "ui/qt_text.h"

namespace tarvel::ui {

// Tab went to the model, which moved the focus to the next control that takes it; one whose
// widget is no tab stop is passed over as Qt's own focus chain would.
void Binder::passOverNonTabStops(int shift) {
    for (size_t step = 0; step < bindings_.size() && form_; ++step) {
        forms::Control* focused = form_->focused();
        const auto it = focused ? byControl_.constFind(focused) : byControl_.constEnd();
        if (it == byControl_.constEnd())
            return;
        const QWidget* w = bindings_[*it].widget;
        if (!w || (w->focusPolicy() & Qt::TabFocus))
            return;
        dispatch([this, focused, shift] { form_->userKey(*focused, forms::keys::Tab, shift); });
        if (form_ && form_->focused() == focused)
            return;
    }
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
    if (const auto code = modelKeyCode(event.key())) {
        if (box || (c && form_->focused() == c))
            dispatch([this, c, code, shift] { form_->userKey(*c, *code, shift); });
        else
            dispatch([this, code, shift] { form_->userKeyHere(*code, shift); });
        if (*code == forms::keys::Tab && (shift & forms::keys::CtrlMask) == 0)
            passOverNonTabStops(shift);
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
