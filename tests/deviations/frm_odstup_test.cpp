// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "calculator/calculator.h"
#include "calculator/frm_gl.h"
#include "deviations/frm_odstup.h"
#include "forms/number_text.h"
#include "program/program.h"

#include "../support/fake_platform.h"

namespace tarvel::deviations {
namespace {

class DeviationsDialogTest : public ::testing::Test {
protected:
    DeviationsDialogTest() { calc.start(); }

    calculator::FrmGl& gl() { return calc.frmGl(); }
    void compute(const char* service, const char* value, int category) {
        gl().userClick(*gl().find(service));
        gl().userType(*gl().txtInvest, value);
        gl().userClick(*gl().optK[static_cast<size_t>(category)]);
    }
    // Opens the dialog, lets `user` act in it and presses "Gotovo" / "Ne trebam".
    void deviations(const std::function<void(forms::Form&)>& user) {
        platform.user = [&](forms::Form& dialog) {
            user(dialog);
            dialog.userClick(*dialog.find("cmdIzlaz"));
        };
        gl().userClickToolbar(*gl().tlb1, "Odstup");
    }

    fakes::FakePlatform platform;
    program::Program calc{platform};
};

// The addition box refuses 250 % and more; a deviation it refused is no deviation at all.
TEST_F(DeviationsDialogTest, ATotalTheAdditionBoxRefusesLeavesNoDeviationInForce) {
    compute("mnuGNmost", "5000000", 3);
    // Stands in for the addition box's limit.
    gl().txtDodaj->onChange = [this] {
        if (forms::num(gl().txtDodaj->text()) >= 250)
            gl().txtDodaj->setText("0");
    };
    deviations([](forms::Form& d) {
        d.userType(*d.find("txt1"), "50");
        d.userType(*d.find("txt3"), "150");
        d.userClick(*d.find("chk3"));
        d.userClick(*d.find("chk5"));
    });
    EXPECT_EQ(gl().txtDodaj->text(), "0");
    EXPECT_EQ(calc.state().PostotakOdstupanja, 0);
    EXPECT_EQ(calc.state().TekstOdstupanja, "");
    EXPECT_FALSE(gl().tlb1->isEnabled("Odstupminus"));

    // A total the box takes stays in force.
    deviations([](forms::Form& d) { d.userType(*d.find("txt1"), "50"); });
    EXPECT_EQ(gl().txtDodaj->text(), "50");
    EXPECT_EQ(calc.state().PostotakOdstupanja, 50);
    EXPECT_TRUE(gl().tlb1->isEnabled("Odstupminus"));
}

// The phase-7 share of the structural design goes back to 35 with the same total: the fees
// follow the share even though the addition box does not change.
TEST_F(DeviationsDialogTest, FeesFollowThePhaseSevenShareBothWays) {
    compute("mnuGkons", "370000", 2);
    const std::string at35 = gl().lblFcm[7]->caption();
    deviations([](forms::Form& d) {
        d.userClick(*d.find("chk3"));
        d.userClick(*d.find("opt5(0)"));
    });
    EXPECT_EQ(gl().lblF[7]->caption(), "27");
    const std::string at27 = gl().lblFcm[7]->caption();
    EXPECT_NE(at27, at35);
    deviations([](forms::Form& d) { d.userClick(*d.find("opt5(0)")); });
    EXPECT_EQ(gl().lblF[7]->caption(), "35");
    EXPECT_EQ(gl().txtDodaj->text(), "25");
    // What is on view is what the current share and addition give.
    const std::string shown = gl().lblFcm[7]->caption();
    EXPECT_NE(shown, at27);
    gl().ComputePhaseFees();
    EXPECT_EQ(gl().lblFcm[7]->caption(), shown);
}

} // namespace
} // namespace tarvel::deviations
