// SPDX-License-Identifier: GPL-3.0-or-later
// The exchange-rate and tax-rate dialogs and the about box, driven as a user drives them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calculator/calculator.h"
#include "calculator/frm_about.h"
#include "calculator/frm_gl.h"
#include "calculator/frm_kurs.h"
#include "calculator/frm_stopa.h"
#include "program/program.h"
#include "tarvel_version.h"

#include "../support/fake_platform.h"

namespace tarvel::calculator {
namespace {

using forms::Form;
using forms::MsgIcon;

std::string badValue(const std::string& typed) {
    return "Upis  ' " + typed + " '  djeluje zbunjujuće ?\?\?! Pokušajte ponovo !";
}

class DialogTest : public ::testing::Test {
protected:
    DialogTest() {
        platform.screen = {1280 * 15, 1024 * 15};
        platform.ver = {kVersionMajor, kVersionMinor, kVersionRevision};
        calc.start();
    }

    Form& open(const std::string& name) {
        Form& f = calc.load(name);
        f.show();
        return f;
    }
    void expectBadValueShown(const std::string& typed) {
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].icon, MsgIcon::Question);
        EXPECT_EQ(platform.messages[0].title, " TARVEL USLUGA");
        EXPECT_EQ(platform.messages[0].text, badValue(typed));
        EXPECT_EQ(calc.state().NeispravanUpis, typed);
        platform.messages.clear();
    }
    FrmKurs& kurs() { return static_cast<FrmKurs&>(open("frmKurs")); }
    FrmStopa& stopa() { return static_cast<FrmStopa&>(open("frmStopa")); }

    fakes::FakePlatform platform;
    program::Program calc{platform};
};

TEST_F(DialogTest, RateThatIsNotAboveZeroIsRefusedAndTheOldRateStays) {
    // Typed 0, a pasted negative rate and one that would show as 0,00.
    for (const std::string text : {"0", "-2,5", "0,001", "-0"}) {
        SCOPED_TRACE(text);
        FrmKurs& k = kurs();
        k.userPaste(*k.txtUnesiKurs, text);
        k.userClick(*k.cmdUnesi);
        expectBadValueShown(text);
        EXPECT_DOUBLE_EQ(calc.state().Kurs, 3.7);
        EXPECT_EQ(calc.frmGl().txtKurs->text(), "3,70");
        EXPECT_EQ(calc.loaded("frmKurs"), nullptr);
    }
}

TEST_F(DialogTest, ModalRateDialogReturnsWhenTheRateIsEntered) {
    platform.user = [](Form& f) {
        auto& k = static_cast<FrmKurs&>(f);
        k.userType(*k.txtUnesiKurs, "7,55");
        k.userClick(*k.cmdUnesi);
    };
    calc.load("frmKurs").showModal();
    EXPECT_EQ(calc.modalTop(), nullptr);
    EXPECT_EQ(calc.frmGl().txtKurs->text(), "7,55");
}

TEST_F(DialogTest, ImpossibleOrUnreadableTaxRateIsRefusedAndTheBoxEmptied) {
    calc.state().Stopa = 0.085;
    FrmStopa& s = stopa();
    EXPECT_EQ(s.lblStopa->caption(), "8,5 %");
    // Below 0, 100 % and what rounds to it, and texts that are no number.
    for (const std::string text : {"-5", "-0,1", "100", "99,5", "250", ",", "a"}) {
        SCOPED_TRACE(text);
        s.userPaste(*s.txtStopa, text);
        s.userClick(*s.cmdUnesi);
        expectBadValueShown(text);
        EXPECT_EQ(calc.loaded("frmStopa"), &s);
        EXPECT_EQ(s.txtStopa->text(), "");
        EXPECT_EQ(s.focused(), s.txtStopa);
        EXPECT_DOUBLE_EQ(calc.state().Stopa, 0.085);
    }
    EXPECT_EQ(platform.stored.count("ZadnjaStopa"), 0u);
    // The largest rate below 100 % is still taken.
    s.userType(*s.txtStopa, "99,4");
    s.userClick(*s.cmdUnesi);
    EXPECT_DOUBLE_EQ(calc.state().Stopa, 0.99);
    EXPECT_EQ(platform.stored["ZadnjaStopa"], "0,99");
}

// The desktop is asked to open an address under the busy pointer, which goes when it is done,
// also when the address cannot be opened.
TEST_F(DialogTest, AboutBoxOpensAddressesWithTheBusyPointerAndReportsAFailure) {
    auto& a = static_cast<FrmAbout&>(open("frmAbout"));
    a.userClick(*a.lblEmail);
    EXPECT_EQ(platform.opened.size(), 1u);
    EXPECT_TRUE(platform.busyWhileOpening);
    EXPECT_FALSE(platform.busy);
    EXPECT_TRUE(platform.messages.empty());

    platform.openError = "Nema preglednika.";
    auto& b = static_cast<FrmAbout&>(open("frmAbout"));
    b.userClick(*b.lblLink);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, " Ne može");
    EXPECT_EQ(platform.messages[0].text, "Greška pri uspostavi veze Nema preglednika.");
    EXPECT_FALSE(platform.busy);
    EXPECT_EQ(calc.loaded("frmAbout"), nullptr);
}

} // namespace
} // namespace tarvel::calculator
