// SPDX-License-Identifier: GPL-3.0-or-later
// Labels tied to a box or button (their buddy, as the model says): the label lends the control
// its accessible name and its mnemonic.
#include <QAbstractButton>
#include <QLabel>

#include "ui/binder.h"

namespace tarvel::ui {

void Binder::bindBuddies() {
    for (Binding& b : bindings_) {
        b.label = b.widget ? qobject_cast<QLabel*>(b.widget) : nullptr;
        if (!b.label)
            continue;
        // The model says which box or button a label belongs to; the Qt buddy follows it.
        const forms::Control* buddy = b.control->buddy();
        const auto it = buddy ? byControl_.constFind(buddy) : byControl_.constEnd();
        b.buddy = it == byControl_.constEnd() ? nullptr : &bindings_[*it];
        b.label->setBuddy(b.buddy ? b.buddy->widget : nullptr);
        auto* button = b.buddy ? qobject_cast<QAbstractButton*>(b.buddy->widget) : nullptr;
        if (button && button->text().isEmpty() && button->accessibleName().isEmpty())
            b.buddy->namedByBuddy = true;
    }
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
