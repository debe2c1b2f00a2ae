// SPDX-License-Identifier: GPL-3.0-or-later
// The comparison window as a user drives it: when the main window offers it, which row the
// chart follows, a variant that is not a number, what is copied and printed, and what a chosen
// row does to a plan. Opening, the rows, the variant, choosing a category and Escape are the
// scenarios' (tests/scenarios/comparison-*.scn).
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "calculator/calculator.h"
#include "calculator/catalogue.h"
#include "calculator/frm_gl.h"
#include "comparison/frm_usporedba.h"
#include "comparison/print_comparison.h"
#include "forms/keys.h"
#include "program/program.h"

#include "../support/fake_platform.h"

namespace tarvel::comparison {
namespace {

class ComparisonWindowTest : public ::testing::Test {
protected:
    ComparisonWindowTest() { calc.start(); }

    calculator::FrmGl& gl() { return calc.frmGl(); }
    bool offered() {
        return gl().tlb1->isEnabled("Usporedba") && gl().find("mnuUsporedba")->enabled();
    }
    // Opens the window from the toolbar and lets `user` act in it; the window is closed
    // afterwards when the user left it open.
    void compare(const std::function<void(FrmUsporedba&)>& user) {
        platform.user = [&](forms::Form& window) {
            auto& frm = static_cast<FrmUsporedba&>(window);
            user(frm);
            if (calc.loaded("frmUsporedba"))
                frm.userKeyHere(forms::keys::Escape);
        };
        gl().userClickToolbar(*gl().tlb1, "Usporedba");
    }

    fakes::FakePlatform platform;
    program::Program calc{platform};
};

TEST_F(ComparisonWindowTest, OfferedOnceAServiceAndAValueAreEntered) {
    EXPECT_FALSE(offered());
    gl().userClick(*gl().find("mnuAvisoko"));
    EXPECT_FALSE(offered());
    gl().userType(*gl().txtInvest, "370000");
    EXPECT_TRUE(offered());
    // Opening a service menu resets the service; an emptied value box takes it away too.
    gl().userClick(*gl().find("mnuA"));
    EXPECT_FALSE(offered());
    // Supervision drops a value that is not an amount: it has to be typed again.
    gl().userClick(*gl().find("mnuNnadzor"));
    EXPECT_FALSE(offered());
    gl().userType(*gl().txtInvest, "185000");
    EXPECT_TRUE(offered());
    gl().txtInvest->setText("");
    EXPECT_FALSE(offered());
}

TEST_F(ComparisonWindowTest, TheChartFollowsTheRowInFocusAndAWrongVariantIsSaidInTheWindow) {
    gl().userClick(*gl().find("mnuAvisoko"));
    gl().userType(*gl().txtInvest, "370000");
    gl().userClick(*gl().optK[3]);
    compare([&](FrmUsporedba& frm) {
        // The main window's category is marked, in focus and charted.
        EXPECT_EQ(frm.focused(), frm.cmdKat[2]);
        EXPECT_EQ(frm.chart().title, "Stupanj III: najniža i najviša cijena");
        EXPECT_NE(frm.lblKmin[2]->backColor(), frm.lblKmin[1]->backColor());
        const int serial = frm.chartSerial();
        frm.userKey(*frm.cmdKat[2], forms::keys::Tab);
        EXPECT_EQ(frm.focused(), frm.cmdKat[3]);
        EXPECT_EQ(frm.chart().title, "Stupanj IV: najniža i najviša cijena");
        EXPECT_GT(frm.chartSerial(), serial);

        frm.userPaste(*frm.txtVarijanta, "12a");
        EXPECT_EQ(frm.lblPoruka->caption(), "Varijanta  ' 12a '  nije broj.");
        EXPECT_EQ(frm.lblVmin[0]->caption(), "");
        frm.userPaste(*frm.txtVarijanta, "740000");
        EXPECT_EQ(frm.lblPoruka->caption(), "");
        EXPECT_EQ(frm.chart().marks.size(), 2u);
        frm.userKey(*frm.txtVarijanta, forms::keys::Enter);
        EXPECT_EQ(frm.txtVarijanta->text(), "740.000,00");
        EXPECT_TRUE(calc.loaded("frmUsporedba"));
    });
    EXPECT_TRUE(platform.messages.empty());
    // Escape left the main window as it was.
    EXPECT_EQ(gl().optK[3]->value(), 1);
    EXPECT_EQ(gl().lblSumamin->caption(), "16.206,00");
}

TEST_F(ComparisonWindowTest, CopyAndPrintGiveTheTableAndThePhases) {
    gl().userClick(*gl().find("mnuGvoda"));
    gl().userType(*gl().txtInvest, "1850000");
    gl().userClick(*gl().optK[2]);
    gl().userClick(*gl().chkF[8]);
    compare([&](FrmUsporedba& frm) {
        frm.userType(*frm.txtVarijanta, "10000000");
        frm.userClick(*frm.cmdKopiraj);
        EXPECT_EQ(frm.copyRequest().serial, 1);
        frm.userClick(*frm.cmdIspis);
    });
    // Gvoda, 500 000 DM, phase 8 (7 %) left out; the variant is above the table's range.
    ASSERT_EQ(platform.printed.size(), 1u);
    const forms::PrintJob& job = platform.printed[0];
    EXPECT_EQ(job.title, kPrintTitle);
    ASSERT_EQ(job.pages.size(), 1u);
    const auto& page = job.pages[0];
    const auto has = [&](const std::string& text) {
        return std::find(page.begin(), page.end(), text) != page.end();
    };
    EXPECT_TRUE(has("PROJEKT VODOVODA I KANALIZACIJE"));
    EXPECT_TRUE(has("Vrijednost: 1.850.000,00 kn"));
    EXPECT_TRUE(has("Varijanta:  10.000.000,00 kn"));
    EXPECT_TRUE(
        has("Stupanj                 Najniža        Najviša   Var. najniža   Var. najviša"));
    EXPECT_TRUE(has("II (odabran)          56.116,09      90.433,01   izvan tarife"));
    EXPECT_TRUE(has("  varijanta: iznad raspona tarife (do 9.250.000,00 kn)"));
    EXPECT_TRUE(has("Stupanj II (odabran)"));
    EXPECT_TRUE(has("  5. Glavni projekt                        24.135,95 – 38.895,92"));
    EXPECT_TRUE(has("Strana 1"));
}

TEST_F(ComparisonWindowTest, TheCopiedTableIsTabSeparated) {
    gl().userClick(*gl().find("mnuAvisoko"));
    gl().userType(*gl().txtInvest, "370000");
    std::string copied;
    compare([&](FrmUsporedba& frm) {
        frm.userClick(*frm.cmdKopiraj);
        copied = frm.copyRequest().text;
        EXPECT_EQ(frm.lblPoruka->caption(),
                  "Tablica je kopirana: zalijepite je u tablični kalkulator.");
    });
    EXPECT_EQ(copied.substr(0, copied.find("\nFaza")), "ARHITEKTONSKI PROJEKT GRAĐEVINE\n"
                                                       "Vrijednost\t370.000,00 kn\n"
                                                       "\n"
                                                       "Stupanj\tNajniža\tNajviša\tNapomena\n"
                                                       "I\t10.878,00\t13.135,00\t\n"
                                                       "II\t13.135,00\t16.206,00\t\n"
                                                       "III\t16.206,00\t20.757,00\t\n"
                                                       "IV\t20.757,00\t23.754,00\t\n"
                                                       "V\t23.754,00\t26.085,00\t\n");
    EXPECT_NE(copied.find("\nFaza\tI\tII\tIII\tIV\tV\n1. Provjera zadatka\t217,56 – 262,70\t"),
              std::string::npos);
}

TEST_F(ComparisonWindowTest, ChoosingThePlansRowComputesItInTheMainWindow) {
    gl().userClick(*gl().find("mnuAPg"));
    gl().userType(*gl().txtInvest, "10000");
    EXPECT_EQ(gl().lblSumamax->visible(), false);
    compare([&](FrmUsporedba& frm) {
        EXPECT_FALSE(frm.cmdKat[1]->visible());
        EXPECT_EQ(frm.lblKmin[0]->caption(), "255.712,96");
        frm.userKey(*frm.cmdKat[0], forms::keys::Enter);
    });
    EXPECT_FALSE(calc.loaded("frmUsporedba"));
    EXPECT_EQ(gl().lblSumamin->caption(), "255.712,96");
    EXPECT_TRUE(gl().lblSumamax->visible());
}

TEST_F(ComparisonWindowTest, AnUnreadableValueIsReportedAndNoWindowOpens) {
    gl().userClick(*gl().find("mnuAvisoko"));
    gl().userPaste(*gl().txtInvest, "12 kn");
    compare([&](FrmUsporedba&) { ADD_FAILURE() << "the window opened"; });
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              "Upis  ' 12 kn '  djeluje zbunjujuće ?\?\?! Pokušajte ponovo !");
    EXPECT_FALSE(calc.loaded("frmUsporedba"));
}

} // namespace
} // namespace tarvel::comparison
