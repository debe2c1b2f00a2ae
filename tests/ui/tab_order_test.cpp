// SPDX-License-Identifier: GPL-3.0-or-later
// The Tab key goes one way on the models and on the widgets: Qt's focus chain of every window,
// over the widgets on view that take the Tab key, is the model's tab order.
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

#include "calculator/calculator.h"
#include "calculator/catalogue.h"
#include "calculator/frm_gl.h"
#include "program/program.h"
#include "test_platform.h"
#include "ui/binder.h"
#include "ui/calculator_windows.h"
#include "ui/deviation_windows.h"
#include "ui/dialog_windows.h"
#include "ui/estimator_windows.h"
#include "ui/offer_windows.h"
#include "ui/windows.h"

namespace tarvel::ui {
namespace {

std::vector<std::string> focusChain(QWidget& window) {
    std::vector<std::string> names;
    for (QWidget* w = window.nextInFocusChain(); w && w != &window; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->window() == &window &&
            w->isVisibleTo(&window) && w->isEnabled())
            names.push_back(w->objectName().toStdString());
    }
    return names;
}

std::vector<std::string> tabOrder(const forms::Form& form) {
    std::vector<std::string> names;
    for (const forms::Control* c : form.tabOrder())
        names.push_back(c->name());
    return names;
}

class TabOrderTest : public ::testing::Test {
protected:
    TabOrderTest() : platform_(directory_.path().toStdString()), calculator_(platform_) {
        platform_.setWindows(&windows_);
        calculator_.start();
    }

    void expectSameOrder(const std::string& name,
                         const std::function<std::unique_ptr<QWidget>()>& build) {
        SCOPED_TRACE(name);
        forms::Form& form = calculator_.load(name);
        const std::unique_ptr<QWidget> window = build();
        auto* binder = new Binder(form, *window, windows_);
        binder->refresh();
        EXPECT_FALSE(tabOrder(form).empty());
        EXPECT_EQ(focusChain(*window), tabOrder(form));
        binder->detach();
    }

    // The building service "Projekti građevina" with a value and category II.
    void computeExample() {
        calculator::FrmGl& main = calculator_.frmGl();
        main.ApplyEntry(*calculator::findEntry("mnuAvisoko"));
        main.txtInvest->setText("370000");
        main.optK[2]->setValue(1);
        ASSERT_EQ(main.lblSumamin->caption(), "13.135,00");
    }

    QTemporaryDir directory_;
    TestPlatform platform_;
    program::Program calculator_;
    Windows windows_{calculator_};
};

TEST_F(TabOrderTest, MainWindowAtTheStartWithAServiceAndWithAPrice) {
    calculator::FrmGl& main = calculator_.frmGl();
    expectSameOrder("frmGl", buildFrmGl);
    // A plan service shows the read-only rate box, which is no tab stop.
    main.ApplyEntry(*calculator::findEntry("mnuAPp"));
    EXPECT_TRUE(main.txtKurs->reachable());
    expectSameOrder("frmGl", buildFrmGl);
    computeExample();
    expectSameOrder("frmGl", buildFrmGl);
}

TEST_F(TabOrderTest, EveryDialog) {
    computeExample();
    const std::pair<const char*, std::function<std::unique_ptr<QWidget>()>> dialogs[] = {
        {"frmCijena", buildFrmCijena},
        {"frmKurs", buildFrmKurs},
        {"frmStopa", buildFrmStopa},
        {"frmAbout", buildFrmAbout},
        {"frmPopust", buildFrmPopust},
        {"frmVrijednost", buildFrmVrijednost},
        {"frmIspis", buildFrmIspis},
        {"frmPonuda", buildFrmPonuda},
        {"frmOdstup",
         [this] {
             return buildFrmOdstup(calculator_.loaded("frmOdstup"));
         }},
    };
    for (const auto& [name, build] : dialogs)
        expectSameOrder(name, build);
}

} // namespace
} // namespace tarvel::ui
