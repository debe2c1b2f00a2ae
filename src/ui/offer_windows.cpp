// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/offer_windows.h"

#include <QDialog>
#include <QLabel>
#include <QRegularExpression>
#include <QStyle>

#include "ui/icons.h"
#include "ui/window_building.h"
#include "ui_frm_ponuda.h"

namespace tarvel::ui {

std::unique_ptr<QWidget> buildFrmPonuda() {
    Ui::FrmPonuda ui;
    auto dialog = std::make_unique<QDialog>();
    ui.setupUi(dialog.get());
    restoreArrayNames(*dialog);
    dialog->setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    dialog->setWindowIcon(applicationIcon());
    // The amount cells keep their line while empty, so the rows do not jump.
    for (QLabel* label : dialog->findChildren<QLabel*>())
        label->setMinimumHeight(label->fontMetrics().height() + 6);
    // The picture keeps the whole of its icon.
    const int side = dialog->style()->pixelMetric(QStyle::PM_LargeIconSize);
    ui.Picture1->setPixmap(applicationIcon().pixmap(side, side));
    ui.Picture1->setFixedSize(side, side);
    return dialog;
}

} // namespace tarvel::ui
