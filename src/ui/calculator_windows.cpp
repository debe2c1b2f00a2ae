#include "ui/calculator_windows.h"

#include <QHash>
#include <QLabel>
#include <QMainWindow>

#include "ui/deviation_windows.h"
#include "ui/dialog_windows.h"
#include "ui/estimator_windows.h"
#include "ui/icons.h"
#include "ui/offer_windows.h"
#include "ui/windows.h"
#include "ui_frm_gl.h"

namespace tarvel::ui {

void equalizeColumns(QWidget& root) {
    QHash<QString, QList<QWidget*>> columns;
    for (QWidget* w : root.findChildren<QWidget*>()) {
        const QVariant sample = w->property("column");
        if (sample.isValid())
            columns[sample.toString()].append(w);
    }
    for (auto it = columns.cbegin(); it != columns.cend(); ++it) {
        int width = 0;
        for (const QWidget* w : it.value())
            width = qMax(width, w->fontMetrics().horizontalAdvance(it.key()));
        for (QWidget* w : it.value()) {
            w->setFixedWidth(width + 6);
            // A hidden cell keeps its place, so the columns stay where they are.
            QSizePolicy policy = w->sizePolicy();
            policy.setRetainSizeWhenHidden(true);
            w->setSizePolicy(policy);
        }
    }
}

std::unique_ptr<QWidget> buildFrmGl() {
    auto window = std::make_unique<QMainWindow>();
    Ui::FrmGl ui;
    ui.setupUi(window.get());
    window->setWindowIcon(applicationIcon());
    equalizeColumns(*window);
    // A label keeps its line when its caption is empty, so the layout does not jump.
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->maximumHeight() >= label->fontMetrics().height())
            label->setMinimumHeight(label->fontMetrics().height());
    }
    // The left column keeps its width when a service has no categories.
    QSizePolicy categories = ui.fraKat->sizePolicy();
    categories.setRetainSizeWhenHidden(true);
    ui.fraKat->setSizePolicy(categories);
    ui.imgFaze->setPixmap(buildingPicture(QSize(260, 200), window->devicePixelRatioF()));
    return window;
}

void registerCalculatorWindows(Windows& windows) {
    windows.registerWindow("frmGl", buildFrmGl, Windows::Placement::CentredHorizontally);
    // The budget value estimator and the print dialog.
    windows.registerWindow("frmVrijednost", buildFrmVrijednost);
    windows.registerWindow("frmIspis", buildFrmIspis);
    // The rate dialogs and the about box.
    windows.registerWindow("frmKurs", buildFrmKurs);
    windows.registerWindow("frmStopa", buildFrmStopa);
    windows.registerWindow("frmAbout", buildFrmAbout);
    // The deviations dialog and the discount dialog.
    registerDeviationWindows(windows);
    // The offer composer.
    registerOfferWindows(windows);
}

} // namespace tarvel::ui
