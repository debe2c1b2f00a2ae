// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialog_windows.h"

#include <QDialog>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>

#include "calculator/frm_about.h"
#include "tarvel_version.h"
#include "ui/about_hover.h"
#include "ui/icons.h"
#include "ui/window_building.h"
#include "ui_frm_about.h"
#include "ui_frm_kurs.h"
#include "ui_frm_stopa.h"

namespace tarvel::ui {

namespace {

// Room for a rate of several digits in a box that starts empty.
void fitRateBox(QWidget& box) {
    box.setMinimumWidth(box.fontMetrics().horizontalAdvance(QStringLiteral("0.000.000,00")) + 12);
}

} // namespace

std::unique_ptr<QWidget> buildFrmKurs() {
    Ui::FrmKurs ui;
    auto dialog = buildDialog(ui);
    fitRateBox(*ui.txtUnesiKurs);
    return dialog;
}

std::unique_ptr<QWidget> buildFrmStopa() {
    Ui::FrmStopa ui;
    auto dialog = buildDialog(ui);
    fitRateBox(*ui.txtStopa);
    // The current rate keeps its place whatever its length ("0 %" to "99,99 %").
    ui.lblStopa->setMinimumWidth(ui.lblStopa->fontMetrics().horizontalAdvance("99,99 %"));
    return dialog;
}

std::unique_ptr<QWidget> buildFrmAbout() {
    Ui::FrmAbout ui;
    auto dialog = buildDialog(ui);
    // The texts the model shows, so that the box is laid out for them before it is bound.
    ui.lblOpis->setText(QString::fromUtf8(calculator::FrmAbout::kDescription));
    ui.lblEmail->setText(QString::fromUtf8(kContactEmail));
    ui.lblLink->setText(QString::fromUtf8(kWebAddress));
    const int side = ui.lblTitle->fontMetrics().height() * 3;
    ui.appIcon->setPixmap(applicationIcon().pixmap(QSize(side, side), dialog->devicePixelRatioF()));
    new BoldOnHover(*ui.lblEmail);
    new BoldOnHover(*ui.lblLink);
    return dialog;
}

} // namespace tarvel::ui
