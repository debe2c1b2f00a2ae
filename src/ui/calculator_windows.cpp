// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/calculator_windows.h"

#include <QCheckBox>
#include <QDialog>
#include <QHash>
#include <QLabel>
#include <QMainWindow>
#include <algorithm>
#include <map>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "calculator/catalogue.h"
#include "ui/comparison_windows.h"
#include "ui/deviation_windows.h"
#include "ui/dialog_windows.h"
#include "ui/estimator_windows.h"
#include "ui/icons.h"
#include "ui/offer_windows.h"
#include "ui/office_window.h"
#include "ui/picture_show.h"
#include "ui/windows.h"
#include "ui_frm_cijena.h"
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
        // Cells of a column mostly share one font: each font measures the sample once.
        int width = 0;
        QList<QFont> measured;
        for (const QWidget* w : it.value()) {
            if (measured.contains(w->font()))
                continue;
            measured.append(w->font());
            width = qMax(width, w->fontMetrics().horizontalAdvance(it.key()));
        }
        for (QWidget* w : it.value()) {
            w->setFixedWidth(width + 6);
            // A hidden cell keeps its place, so the columns stay where they are.
            QSizePolicy policy = w->sizePolicy();
            policy.setRetainSizeWhenHidden(true);
            w->setSizePolicy(policy);
        }
    }
}

namespace {

// The width of the widest of `texts` in the label's font. Shaping every text would cost the start
// more than the rest of the window's texts: each is first estimated from the advances of its
// characters, and only those that come near the widest estimate are measured as shaped.
template <typename Texts> int widestText(const QLabel& label, const Texts& texts) {
    const QFontMetricsF metrics(label.font());
    QHash<QChar, qreal> advances;
    std::vector<std::pair<qreal, QString>> estimates;
    qreal widest = 0;
    for (const auto& text : texts) {
        QString caption = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
        qreal estimate = 0;
        for (const QChar c : caption) {
            auto advance = advances.find(c);
            if (advance == advances.end())
                advance = advances.insert(c, metrics.horizontalAdvance(c));
            estimate += *advance;
        }
        widest = qMax(widest, estimate);
        estimates.emplace_back(estimate, std::move(caption));
    }
    // Kerning moves a text by far less than a tenth of its width.
    int width = 0;
    for (const auto& [estimate, caption] : estimates) {
        if (estimate >= widest * 0.9)
            width = qMax(width, label.fontMetrics().horizontalAdvance(caption));
    }
    return width;
}

// The caption of a phase (lblP1 .. lblP8), which has the phase's tick as its buddy.
bool isPhaseCaption(const QLabel& label) {
    return label.objectName().startsWith(QLatin1String("lblP")) &&
           qobject_cast<const QCheckBox*>(label.buddy());
}

std::vector<std::string_view> serviceTitles() {
    std::vector<std::string_view> titles;
    for (const calculator::CatalogueEntry& entry : calculator::catalogue())
        titles.push_back(entry.title);
    return titles;
}

// The main window keeps its layout whatever a service shows: the widths that captions of
// any service need are taken from the start, so that nothing moves when another is chosen.
void stabiliseLayout(QWidget& window, Ui::FrmGl& ui) {
    window.ensurePolished();
    ui.lblProjekt->setMinimumWidth(widestText(*ui.lblProjekt, serviceTitles()));
    const int phase = widestText(*ui.lblP1, calculator::allPhaseCaptions());
    for (QLabel* caption :
         {ui.lblP1, ui.lblP2, ui.lblP3, ui.lblP4, ui.lblP5, ui.lblP6, ui.lblP7, ui.lblP8})
        caption->setMinimumWidth(phase);
    // Hidden phases give their rows up, so that the totals follow the last phase on view: the
    // model hides a phase's tick and amounts and empties its caption, an empty line with no
    // spacing around it. The amount columns keep their widths, fixed by equalizeColumns().
    ui.fraFazeLayout->setVerticalSpacing(0);
    for (QLabel* caption :
         {ui.lblP1, ui.lblP2, ui.lblP3, ui.lblP4, ui.lblP5, ui.lblP6, ui.lblP7, ui.lblP8}) {
        caption->setContentsMargins(0, 1, 0, 1);
        caption->setProperty("foldsWhenEmpty", true);
    }
    for (QWidget* w : ui.fraFaze->findChildren<QWidget*>()) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(false);
        w->setSizePolicy(policy);
    }
    // In a wide window the phases and their amounts stay together in the middle of the
    // results frame; the extra width goes to its margins.
    for (int column = 0; column < ui.fraFazeLayout->columnCount(); ++column)
        ui.fraFazeLayout->setColumnStretch(column, 0);
    ui.resultsGrid->setAlignment(ui.resultsLayer, Qt::AlignHCenter);
    // The left column has one width for every service, with or without categories.
    const int left = qMax(ui.fraSve->sizeHint().width(), ui.fraKat->sizeHint().width());
    ui.fraSve->setFixedWidth(left);
    ui.fraKat->setFixedWidth(left);
    QSizePolicy categories = ui.fraKat->sizePolicy();
    categories.setRetainSizeWhenHidden(true);
    ui.fraKat->setSizePolicy(categories);
}

} // namespace

std::unique_ptr<QWidget> buildFrmGl() {
    auto window = std::make_unique<QMainWindow>();
    Ui::FrmGl ui;
    ui.setupUi(window.get());
    window->setWindowIcon(applicationIcon());
    equalizeColumns(*window);
    // A label keeps its line when its caption is empty, so the layout does not jump; only the
    // caption of a hidden phase gives its line up (see stabiliseLayout()).
    // Labels mostly share a few fonts: each font's line height is asked for once.
    std::vector<std::pair<QFont, int>> heights;
    for (QLabel* label : window->findChildren<QLabel*>()) {
        auto known = std::find_if(heights.begin(), heights.end(),
                                  [&](const auto& h) { return h.first == label->font(); });
        if (known == heights.end())
            known = heights.insert(heights.end(), {label->font(), label->fontMetrics().height()});
        if (label->maximumHeight() >= known->second && !isPhaseCaption(*label))
            label->setMinimumHeight(known->second);
    }
    stabiliseLayout(*window, ui);
    ui.imgFaze->setPixmap(buildingPicture(QSize(260, 200), window->devicePixelRatioF()));
    // The circles of the picture show, drawn where the picture was.
    new PictureShowOverlay(*ui.central, *ui.resultsPanel);
    return window;
}

std::unique_ptr<QWidget> buildFrmCijena() {
    auto dialog = std::make_unique<QDialog>();
    Ui::FrmCijena ui;
    ui.setupUi(dialog.get());
    dialog->setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    dialog->setWindowIcon(applicationIcon());
    // The two amounts and the box keep their width for any amount up to the largest.
    const int amount = ui.lblMin->fontMetrics().horizontalAdvance(QStringLiteral("999.999.999,99"));
    ui.lblMin->setMinimumWidth(amount);
    ui.lblMax->setMinimumWidth(amount);
    ui.txtCijena->setMinimumWidth(amount + 12);
    return dialog;
}

void registerCalculatorWindows(Windows& windows) {
    using Placement = Windows::Placement;
    struct View {
        Windows::Builder build;
        Placement placement = Placement::AtModel;
    };
    Windows* w = &windows;
    // The widgets of each window, by its model's name. The windows themselves are listed once,
    // where the program registers their models (program::Program); this only says how each is
    // shown.
    const std::map<std::string, View> views = {
        {"frmGl", {buildFrmGl, Placement::CentredHorizontally}},
        {"frmCijena", {buildFrmCijena}},
        {"frmPopust", {buildFrmPopust}},
        {"frmKurs", {buildFrmKurs}},
        {"frmStopa", {buildFrmStopa}},
        {"frmAbout", {buildFrmAbout}},
        {"frmIspis", {buildFrmIspis}},
        {"frmUred", {buildFrmUred}},
        {"frmOdstup", {[w] {
             return buildFrmOdstup(w->application().loaded("frmOdstup"));
         }}},
        {"frmVrijednost", {buildFrmVrijednost}},
        {"frmPonuda", {buildFrmPonuda}},
        {"frmUsporedba", {buildFrmUsporedba, Placement::CentredHorizontally}},
    };
    const std::vector<std::string> forms = windows.application().formNames();
    for (const std::string& form : forms) {
        const auto view = views.find(form);
        if (view == views.end())
            throw std::logic_error("the window " + form + " has no widgets");
        windows.registerWindow(form, view->second.build, view->second.placement);
    }
    for (const auto& [form, view] : views) {
        if (!windows.application().knows(form))
            throw std::logic_error("widgets for " + form + ", a window the program does not have");
    }
}

} // namespace tarvel::ui
