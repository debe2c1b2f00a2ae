// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window_building.h"

#include <QRegularExpression>

namespace tarvel::ui {

void restoreArrayNames(QWidget& root) {
    static const QRegularExpression arrayName(QStringLiteral("^(\\w+?)_(\\d+)_$"));
    for (QWidget* w : root.findChildren<QWidget*>()) {
        const QRegularExpressionMatch m = arrayName.match(w->objectName());
        if (m.hasMatch())
            w->setObjectName(m.captured(1) + QLatin1Char('(') + m.captured(2) + QLatin1Char(')'));
    }
}

} // namespace tarvel::ui
