// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/estimator_windows.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTabBar>

#include "estimator/building_types.h"
#include "ui/icons.h"
#include "ui/window_building.h"
#include "ui_frm_ispis.h"
#include "ui_frm_vrijednost.h"

namespace tarvel::ui {

namespace {

// The estimator and the print dialog hold control arrays.
template <typename Ui> std::unique_ptr<QDialog> buildArrayDialog(Ui& ui) {
    auto dialog = buildDialog(ui);
    restoreArrayNames(*dialog);
    return dialog;
}

} // namespace

std::unique_ptr<QWidget> buildFrmVrijednost() {
    Ui::FrmVrijednost ui;
    auto dialog = buildArrayDialog(ui);
    // A tab per building type; the model names them.
    for (const auto& type : estimator::buildingTypes())
        ui.tbsVrste->addTab(QString::fromUtf8(type.caption.data(), qsizetype(type.caption.size())));
    ui.tbsVrste->setExpanding(false);
    ui.tbsVrste->setFocusPolicy(Qt::NoFocus);
    // The installation amounts stand on a coloured ground: their figures keep off its edge.
    for (int i = 0; i < estimator::kInstallationGroups; ++i) {
        if (auto* amount = dialog->findChild<QLabel*>(QStringLiteral("lblIr(%1)").arg(i)))
            amount->setIndent(amount->fontMetrics().averageCharWidth() / 2);
    }
    // The two buttons with pictures.
    QStyle* style = dialog->style();
    ui.cmdZadnji->setIcon(style->standardIcon(QStyle::SP_FileDialogContentsView));
    ui.cmdIspis->setIcon(style->standardIcon(QStyle::SP_DialogSaveButton));
    return dialog;
}

std::unique_ptr<QWidget> buildFrmIspis() {
    Ui::FrmIspis ui;
    return buildArrayDialog(ui);
}

} // namespace tarvel::ui
