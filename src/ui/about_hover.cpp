// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/about_hover.h"

#include <QEvent>
#include <QLabel>

namespace tarvel::ui {

BoldOnHover::BoldOnHover(QLabel& label) : QObject(&label), label_(label) {
    label.installEventFilter(this);
}

bool BoldOnHover::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &label_) {
        if (event->type() == QEvent::Enter)
            setBold(true);
        else if (event->type() == QEvent::Leave || event->type() == QEvent::Hide)
            setBold(false);
    }
    return false;
}

void BoldOnHover::setBold(bool bold) {
    QFont font = label_.font();
    if (font.bold() == bold)
        return;
    if (bold) {
        // Room for the bold text, so that the layout does not shift under the mouse.
        QFont boldFont = font;
        boldFont.setBold(true);
        label_.setMinimumWidth(
            qMax(label_.minimumWidth(), QFontMetrics(boldFont).horizontalAdvance(label_.text())));
    }
    font.setBold(bold);
    label_.setFont(font);
}

} // namespace tarvel::ui
