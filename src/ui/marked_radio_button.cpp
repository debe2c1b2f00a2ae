// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/marked_radio_button.h"

#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace tarvel::ui {

void MarkedRadioButton::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionButton button;
    initStyleOption(&button);
    // Styles that mark the focus only after a key moved it are asked to mark it anyway: here
    // the window model moves the focus, also for the keys, never Qt's own focus chain.
    if (hasFocus())
        button.state |= QStyle::State_KeyboardFocusChange;
    p.drawControl(QStyle::CE_RadioButton, button);
    if (!hasFocus() || !text().isEmpty())
        return;
    // With no text to frame, the mark goes round the circle.
    QStyleOptionFocusRect mark;
    mark.initFrom(this);
    mark.state |= QStyle::State_KeyboardFocusChange;
    mark.rect = rect();
    mark.backgroundColor = palette().color(QPalette::Window);
    p.drawPrimitive(QStyle::PE_FrameFocusRect, mark);
}

} // namespace tarvel::ui
