// SPDX-License-Identifier: GPL-3.0-or-later
// The offer composer on real widgets: bound by name, and the cells show the model's marker
// colours.
#include <QLabel>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "calculator/calculator.h"
#include "offer/frm_ponuda.h"
#include "program/program.h"
#include "test_platform.h"
#include "ui/binder.h"
#include "ui/calculator_windows.h"
#include "ui/offer_windows.h"
#include "ui/windows.h"

namespace tarvel::ui {
namespace {

TEST(OfferWindows, EveryControlHasItsWidgetAndEveryNamedWidgetItsControl) {
    QTemporaryDir directory;
    TestPlatform platform(directory.path().toStdString());
    program::Program calculator(platform);
    calculator.start();
    const std::unique_ptr<QWidget> window = buildFrmPonuda();
    for (const std::string& m : nameMismatches(calculator.load("frmPonuda"), *window))
        ADD_FAILURE() << m;
}

TEST(OfferWindows, CellsShowTheMarkerColours) {
    QTemporaryDir directory;
    TestPlatform platform(directory.path().toStdString());
    program::Program calculator(platform);
    Windows windows(calculator);
    registerCalculatorWindows(windows);
    platform.setWindows(&windows);
    calculator.start();
    auto& frm = static_cast<offer::FrmPonuda&>(calculator.load("frmPonuda"));
    frm.lblPt[4]->setBackColor(offer::kGreenMarker);
    frm.lblC[4]->setBackColor(offer::kHandEntry);
    frm.lblC[5]->setBackColor(offer::kHandCleared);
    frm.show();
    windows.sync();
    Binder* binder = windows.binder("frmPonuda");
    ASSERT_NE(binder, nullptr);
    const auto background = [&](const char* name) {
        QWidget* w = binder->widgetFor(name);
        return w ? w->palette().color(QPalette::Window) : QColor();
    };
    EXPECT_EQ(background("lblPt(4)"), QColor(192, 255, 192));
    EXPECT_EQ(background("lblPt(3)"), QColor(255, 255, 192));
    EXPECT_EQ(background("lblPt10"), QColor(255, 255, 192));
    EXPECT_EQ(background("lblC(4)"), QColor(255, 192, 255));
    EXPECT_EQ(background("lblC(5)"), QColor(192, 255, 255));
    EXPECT_TRUE(binder->widgetFor("lblPt(4)")->autoFillBackground());
    frm.hide();
    windows.sync();
}

} // namespace
} // namespace tarvel::ui
