// SPDX-License-Identifier: GPL-3.0-or-later
// Labels tied to a box or button (their buddy): the label lends the control its accessible name
// and its mnemonic, and a click on the label is a click on the button.
#include <QAbstractButton>
#include <QLabel>

#include "ui/binder.h"

namespace tarvel::ui {

void Binder::bindBuddies() {
    for (Binding& b : bindings_) {
        b.label = b.widget ? qobject_cast<QLabel*>(b.widget) : nullptr;
        if (!b.label || !b.label->buddy())
            continue;
        b.buddy = bindingOf(b.label->buddy());
        auto* button = b.buddy ? qobject_cast<QAbstractButton*>(b.buddy->widget) : nullptr;
        if (button && button->text().isEmpty() && button->accessibleName().isEmpty())
            b.buddy->namedByBuddy = true;
    }
}

// A click on a button's label is a click on the button, with the focus going to it as a
// click on the button gives it.
void Binder::clickBuddy(Binding& label) {
    if (!form_ || !label.buddy || !label.buddy->widget)
        return;
    auto* button = qobject_cast<QAbstractButton*>(label.buddy->widget);
    forms::Control* target = label.buddy->control;
    if (!button || !target->reachable() || !button->isVisible() || !button->isEnabled())
        return;
    if (button->focusPolicy() & Qt::ClickFocus)
        button->setFocus(Qt::MouseFocusReason);
    dispatch([this, target] { form_->userClick(*target); });
}

QString withMnemonic(const QString& caption, const QString& mnemonic) {
    QString shown = caption;
    shown.replace(QLatin1Char('&'), QLatin1String("&&"));
    if (mnemonic.size() != 1)
        return shown;
    qsizetype at = shown.indexOf(mnemonic.at(0));
    if (at < 0)
        at = shown.indexOf(mnemonic.at(0), 0, Qt::CaseInsensitive);
    if (at >= 0)
        shown.insert(at, QLatin1Char('&'));
    return shown;
}

QString withoutMnemonic(const QString& shown) {
    QString caption;
    caption.reserve(shown.size());
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (shown.at(i) == QLatin1Char('&') && i + 1 < shown.size())
            ++i;
        caption.append(shown.at(i));
    }
    return caption;
}

} // namespace tarvel::ui
