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
#include "ui_frm_ispis.h"
#include "ui_frm_vrijednost.h"

namespace tarvel::ui {

namespace {

// uic names the widget of the array element "lblG(0)" "lblG_0_"; the binder wants the name
// the window model gives the control.
void restoreArrayNames(QWidget& root) {
    static const QRegularExpression arrayName(QStringLiteral("^(\\w+?)_(\\d+)_$"));
    for (QWidget* w : root.findChildren<QWidget*>()) {
        const QRegularExpressionMatch m = arrayName.match(w->objectName());
        if (m.hasMatch())
            w->setObjectName(m.captured(1) + QLatin1Char('(') + m.captured(2) + QLatin1Char(')'));
    }
}

template <typename Ui> std::unique_ptr<QDialog> buildDialog(Ui& ui) {
    auto dialog = std::make_unique<QDialog>();
    ui.setupUi(dialog.get());
    restoreArrayNames(*dialog);
    dialog->setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    dialog->setWindowIcon(applicationIcon());
    return dialog;
}

} // namespace

std::unique_ptr<QWidget> buildFrmVrijednost() {
    Ui::FrmVrijednost ui;
    auto dialog = buildDialog(ui);
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
    return buildDialog(ui);
}

} // namespace tarvel::ui
