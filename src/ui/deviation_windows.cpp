// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/deviation_windows.h"

#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QRegularExpression>

#include "deviations/deviation_catalogue.h"
#include "deviations/frm_odstup.h"
#include "ui/icons.h"
#include "ui/window_building.h"
#include "ui_frm_odstup.h"
#include "ui_frm_popust.h"

namespace tarvel::ui {

namespace {

// A text box as wide as a few digits.
void fitNumberBox(QWidget& box, const char* sample) {
    box.setFixedWidth(box.fontMetrics().horizontalAdvance(QLatin1String(sample)) + 14);
}

// The widest caption of all services, so that no row is cut off.
int widestCaption(const QFontMetrics& metrics) {
    int widest = 0;
    for (const deviations::DeviationService& s : deviations::deviationCatalogue()) {
        for (const deviations::DeviationItem& item : s.items)
            widest = qMax(widest, metrics.horizontalAdvance(QString::fromUtf8(
                                      item.caption.data(), qsizetype(item.caption.size()))));
    }
    return widest;
}

// Puts the inputs and per-cent signs on the rows the service gives them; a control of row 0
// stays below the rows, beside the note.
void placeRows(Ui::FrmOdstup& ui, const deviations::DeviationService& service) {
    const std::pair<QWidget*, const char*> inputs[] = {
        {ui.txt1, "txt1"},       {ui.txt2, "txt2"},       {ui.txt3, "txt3"},
        {ui.Label1, "Label1"},   {ui.Label2, "Label2"},   {ui.Label3, "Label3"},
        {ui.chk1, "chk1"},       {ui.chk2, "chk2"},       {ui.chk3, "chk3"},
        {ui.chk4, "chk4"},       {ui.chk5, "chk5"},       {ui.chk6, "chk6"},
        {ui.chk7, "chk7"},       {ui.opt5_0_, "opt5(0)"}, {ui.opt5_1_, "opt5(1)"},
        {ui.opt5_2_, "opt5(2)"}, {ui.opt5_3_, "opt5(3)"}};
    for (const auto& [widget, name] : inputs) {
        const int row = deviations::rowOf(service, name);
        if (row < 1)
            continue;
        const int column = QByteArray(name).startsWith("Label") ? 1 : 0;
        int at = ui.rowsLayout->indexOf(widget);
        int currentRow = -1, currentColumn = -1, rowSpan = 0, columnSpan = 0;
        if (at >= 0)
            ui.rowsLayout->getItemPosition(at, &currentRow, &currentColumn, &rowSpan, &columnSpan);
        if (currentRow == row - 1 && currentColumn == column)
            continue;
        if (at >= 0)
            ui.rowsLayout->removeWidget(widget);
        else
            ui.bottomLayout->removeWidget(widget);
        ui.rowsLayout->addWidget(widget, row - 1, column);
    }
    if (service.noteLeft)
        ui.lblPomoc->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

} // namespace

std::unique_ptr<QWidget> buildFrmOdstup(const forms::Form* model) {
    Ui::FrmOdstup ui;
    auto dialog = buildDialog(ui);
    for (QWidget* box : {ui.txt1, ui.txt2, ui.txt3})
        fitNumberBox(*box, "00000");
    ui.lbl1->setMinimumWidth(widestCaption(ui.lbl1->fontMetrics()));
    // Rows of one height, whichever input stands on them.
    for (int row = 0; row < 8; ++row)
        ui.rowsLayout->setRowMinimumHeight(row, ui.txt1->sizeHint().height());
    // Room the hidden rows leave goes below the rows, not between them.
    ui.frameLayout->insertStretch(2, 1);
    // Room for the two lines of the longest note.
    ui.lblPomoc->setMinimumHeight(ui.lblPomoc->fontMetrics().lineSpacing() * 2);
    ui.img1->setPixmap(buildingPicture(QSize(96, 80), dialog->devicePixelRatioF()));
    if (const auto* frm = dynamic_cast<const deviations::FrmOdstup*>(model); frm && frm->service())
        placeRows(ui, *frm->service());
    restoreArrayNames(*dialog);
    // As large as the layout with every row on view, whatever the service shows.
    dialog->setMinimumSize(dialog->sizeHint());
    return dialog;
}

std::unique_ptr<QWidget> buildFrmPopust() {
    Ui::FrmPopust ui;
    auto dialog = buildDialog(ui);
    fitNumberBox(*ui.txtPopust, "000");
    const int amount = ui.lblMax->fontMetrics().horizontalAdvance(QStringLiteral("000.000.000,00"));
    ui.lblMax->setMinimumWidth(amount);
    ui.lblCmax->setMinimumWidth(amount);
    ui.lbl1->setMinimumWidth(ui.lbl1->fontMetrics().horizontalAdvance(ui.lbl1->text()) / 2);
    return dialog;
}

} // namespace tarvel::ui
