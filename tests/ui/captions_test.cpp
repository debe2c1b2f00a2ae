// SPDX-License-Identifier: GPL-3.0-or-later
// The captions a window model gives its controls and the texts its .ui file shows before the
// model is bound are one and the same: a caption changed in one place shows up here.
#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "calculator/catalogue.h"
#include "calculator/frm_about.h"
#include "calculator/frm_cijena.h"
#include "calculator/frm_gl.h"
#include "calculator/frm_ispis.h"
#include "calculator/frm_kurs.h"
#include "calculator/frm_popust.h"
#include "calculator/frm_stopa.h"
#include "deviations/frm_odstup.h"
#include "estimator/frm_vrijednost.h"
#include "offer/frm_ponuda.h"
#include "program/program.h"
#include "test_platform.h"
#include "ui/binder.h"
#include "ui/calculator_windows.h"
#include "ui/deviation_windows.h"
#include "ui/dialog_windows.h"
#include "ui/estimator_windows.h"
#include "ui/offer_windows.h"

namespace tarvel::ui {
namespace {

// The text a widget or action of the .ui shows for a caption; nothing for boxes, whose text
// is the user's.
std::optional<QString> shownCaption(const QObject& object) {
    if (const auto* label = qobject_cast<const QLabel*>(&object))
        return label->buddy() ? withoutMnemonic(label->text()) : label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&object))
        return button->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(&object))
        return group->title();
    if (const auto* menu = qobject_cast<const QMenu*>(&object))
        return menu->title();
    if (const auto* action = qobject_cast<const QAction*>(&object))
        return action->menu() ? action->menu()->title() : action->text();
    return std::nullopt;
}

TEST(Captions, EveryUiTextIsTheModelsCaption) {
    QTemporaryDir directory;
    TestPlatform platform(directory.path().toStdString());
    program::Program calc(platform);
    using Model = std::function<std::unique_ptr<forms::Form>()>;
    using Build = std::function<std::unique_ptr<QWidget>(const forms::Form&)>;
    const auto model = [&calc]<typename W>(W*) -> Model {
        return [&calc] {
            return std::make_unique<W>(calc);
        };
    };
    const auto plain = [](std::unique_ptr<QWidget> (*build)()) -> Build {
        return [build](const forms::Form&) {
            return build();
        };
    };
    const struct {
        Model model;
        Build build;
    } windows[] = {
        {model(static_cast<calculator::FrmGl*>(nullptr)), plain(buildFrmGl)},
        {model(static_cast<calculator::FrmCijena*>(nullptr)), plain(buildFrmCijena)},
        {model(static_cast<calculator::FrmPopust*>(nullptr)), plain(buildFrmPopust)},
        {model(static_cast<calculator::FrmKurs*>(nullptr)), plain(buildFrmKurs)},
        {model(static_cast<calculator::FrmStopa*>(nullptr)), plain(buildFrmStopa)},
        {model(static_cast<calculator::FrmAbout*>(nullptr)), plain(buildFrmAbout)},
        {model(static_cast<calculator::FrmIspis*>(nullptr)), plain(buildFrmIspis)},
        {model(static_cast<deviations::FrmOdstup*>(nullptr)),
         [](const forms::Form& m) {
             return buildFrmOdstup(&m);
         }},
        {model(static_cast<estimator::FrmVrijednost*>(nullptr)), plain(buildFrmVrijednost)},
        {model(static_cast<offer::FrmPonuda*>(nullptr)), plain(buildFrmPonuda)},
    };
    int compared = 0;
    for (const auto& w : windows) {
        const std::unique_ptr<forms::Form> form = w.model();
        const std::unique_ptr<QWidget> widgets = w.build(*form);
        SCOPED_TRACE(form->name());
        for (const forms::Control* control : form->controls()) {
            const QString name = QString::fromStdString(control->name());
            const QObject* shown = widgets->findChild<QObject*>(name);
            if (!shown)
                continue;
            const std::optional<QString> text = shownCaption(*shown);
            if (!text || text->isEmpty() || control->caption().empty())
                continue;
            EXPECT_EQ(text->toStdString(), control->caption()) << control->name();
            ++compared;
        }
    }
    // Most captions stand in both places; a test that finds none compares nothing.
    EXPECT_GT(compared, 150);
}

// The main window reserves, from the start, the width of the widest service title and phase
// caption, measuring only the longest texts: every text of the catalogue fits.
TEST(Captions, EveryTitleAndPhaseCaptionFitsItsReservedWidth) {
    const std::unique_ptr<QWidget> window = buildFrmGl();
    const auto* title = window->findChild<QLabel*>(QStringLiteral("lblProjekt"));
    const auto* phase = window->findChild<QLabel*>(QStringLiteral("lblP1"));
    ASSERT_TRUE(title && phase);
    const auto width = [](const QLabel& label, std::string_view text) {
        return label.fontMetrics().horizontalAdvance(
            QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    };
    for (const calculator::CatalogueEntry& entry : calculator::catalogue())
        EXPECT_LE(width(*title, entry.title), title->minimumWidth()) << entry.title;
    for (const std::string_view caption : calculator::allPhaseCaptions())
        EXPECT_LE(width(*phase, caption), phase->minimumWidth()) << caption;
}

} // namespace
} // namespace tarvel::ui
