// SPDX-License-Identifier: GPL-3.0-or-later
// The deviations dialog of every service and the discount dialog on real widgets, offscreen:
// bound by name, every row's input beside its caption, nothing on top of anything else.
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "calculator/calculator.h"
#include "calculator/frm_gl.h"
#include "deviations/deviation_catalogue.h"
#include "deviations/frm_odstup.h"
#include "program/program.h"
#include "test_platform.h"
#include "ui/binder.h"
#include "ui/calculator_windows.h"
#include "ui/deviation_windows.h"
#include "ui/windows.h"

namespace tarvel::ui {
namespace {

class DeviationWindowTest : public ::testing::Test {
protected:
    DeviationWindowTest() : platform_(directory_.path().toStdString()), calculator_(platform_) {
        registerCalculatorWindows(windows_);
        platform_.setWindows(&windows_);
    }

    // The dialog's model set up for a service, and its widgets bound and shown.
    QWidget& open(const deviations::DeviationService& service) {
        calculator_.state().Usluga = std::string(service.code);
        calculator_.unload("frmOdstup");
        auto& model = static_cast<deviations::FrmOdstup&>(calculator_.load("frmOdstup"));
        model.Setup(service);
        window_ = buildFrmOdstup(&model);
        binder_ = new Binder(model, *window_, windows_);
        binder_->refresh();
        window_->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
        return *window_;
    }

    QWidget* child(const std::string& name) {
        return window_->findChild<QWidget*>(QString::fromStdString(name));
    }
    QRect place(const std::string& name) {
        QWidget* w = child(name);
        return QRect(w->mapTo(window_.get(), QPoint(0, 0)), w->size());
    }

    QTemporaryDir directory_;
    TestPlatform platform_;
    program::Program calculator_;
    Windows windows_{calculator_};
    std::unique_ptr<QWidget> window_;
    Binder* binder_ = nullptr;
};

TEST_F(DeviationWindowTest, EveryServiceBindsByNameWithRowsInPlaceAndNothingOverlapping) {
    QSize first;
    for (const deviations::DeviationService& service : deviations::deviationCatalogue()) {
        SCOPED_TRACE(std::string(service.code));
        QWidget& window = open(service);
        for (const std::string& m : nameMismatches(*calculator_.loaded("frmOdstup"), window))
            ADD_FAILURE() << m;
        // The dialog is about as wide whatever the service: every caption fits the rows.
        if (!first.isValid())
            first = window.size();
        EXPECT_EQ(window.width(), first.width());

        // Each input stands on the line of its row's caption; the input below the rows
        // stands on the line of the note.
        for (const deviations::DeviationItem& item : service.items) {
            if (item.control.empty())
                continue;
            const std::string control(item.control);
            ASSERT_TRUE(child(control)->isVisible()) << control;
            const std::string caption =
                item.row > 0 ? "lbl" + std::to_string(item.row) : "lblPomoc";
            EXPECT_NEAR(place(control).center().y(), place(caption).center().y(), 4) << control;
            EXPECT_LT(place(control).right(), place(caption).left()) << control;
        }

        // No two visible controls overlap, and every caption shows its whole text.
        std::vector<std::pair<std::string, QRect>> visible;
        for (const forms::Control* c : calculator_.loaded("frmOdstup")->controls()) {
            QWidget* w = child(c->name());
            if (!w || !w->isVisible() || c->name() == "Frame1")
                continue;
            for (const auto& [other, rect] : visible)
                EXPECT_FALSE(place(c->name()).intersects(rect)) << c->name() << " over " << other;
            visible.emplace_back(c->name(), place(c->name()));
            if (auto* label = qobject_cast<QLabel*>(w); label && !label->text().isEmpty()) {
                for (const QString& line : label->text().split(QStringLiteral("\r\n")))
                    EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(line))
                        << c->name();
            }
        }
        if (qEnvironmentVariableIsSet("TARVEL_SCREENSHOTS"))
            window.grab().save(
                QDir(qEnvironmentVariable("TARVEL_SCREENSHOTS"))
                    .filePath(QStringLiteral("frmOdstup-%1.png")
                                  .arg(QString::fromUtf8(service.code.data(),
                                                         qsizetype(service.code.size())))));
        window_.reset();
    }
}

TEST_F(DeviationWindowTest, DiscountDialogBindsByName) {
    calculator_.start();
    const std::unique_ptr<QWidget> window = buildFrmPopust();
    for (const std::string& m : nameMismatches(calculator_.load("frmPopust"), *window))
        ADD_FAILURE() << m;
}

} // namespace
} // namespace tarvel::ui
