// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "../support/fake_platform.h"
#include "calculator/calculator.h"
#include "calculator/frm_gl.h"
#include "estimator/frm_vrijednost.h"
#include "offer/frm_ponuda.h"
#include "program/program.h"

namespace tarvel::offer {
namespace {

class OfferWindowTest : public ::testing::Test {
protected:
    OfferWindowTest() {
        platform.fileStore = &files;
        platform.stored["ZadnjaStopa"] = "0,22";
        calc.start();
        // An estimate of 10.000.000 kn: construction 7.830.000, heating 550.000.
        auto& estimate = static_cast<estimator::FrmVrijednost&>(calc.load("frmVrijednost"));
        estimate.lblGrukr->setCaption("7.830.000");
        estimate.lblInukr->setCaption("2.170.000");
        for (auto* group : estimate.lblIr)
            group->setCaption("550.000");
        calc.state().VrijednostGradjevine = 10000000;
        price("mnuAvisoko", "5000000");
    }

    calculator::FrmGl& gl() { return calc.frmGl(); }
    void price(const char* service, const char* value) {
        gl().userClick(*gl().find(service));
        gl().txtInvest->setText(value);
        gl().userClick(*gl().optK[3]);
        gl().userClickToolbar(*gl().tlb1, "Max");
    }
    // Opens the offer window and lets `user` act in it.
    void offer(const std::function<void(FrmPonuda&)>& user) {
        platform.user = [user](forms::Form& form) {
            user(static_cast<FrmPonuda&>(form));
        };
        gl().userClickToolbar(*gl().tlb1, "Ponuda");
    }

    fakes::MemoryFiles files;
    fakes::FakePlatform platform;
    program::Program calc{platform};
};

// A failed "Gotovo" leaves the offer open and its body as it was, so that pressing it again
// once the cause is mended writes the totals once.
TEST_F(OfferWindowTest, FinishingAfterAFailedWriteWritesTheTotalsOnce) {
    offer([&](FrmPonuda& w) {
        platform.answer = "6000";
        w.userDblClick(*w.lblC[3]);
        const std::string body = calc.state().ZadnjaPonuda;
        ASSERT_FALSE(body.empty());

        files.failWrites = 1;
        w.userClick(*w.cmdGotovo);
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.said()[0], " Ne može: Ponuda nije zapisana u datoteku Ponuda.txt. "
                                      "Razlog: disk je pun.");
        EXPECT_TRUE(w.shown());
        EXPECT_EQ(calc.state().ZadnjaPonuda, body);
        EXPECT_EQ(files.files["Ponuda.txt"], body + "\r\n");

        // "Provjera ponude" refused in the same way opens no viewer.
        files.failWrites = 1;
        w.userClick(*w.cmdPonuda);
        EXPECT_TRUE(platform.viewed.empty());
        EXPECT_EQ(platform.messages.size(), 2u);

        w.userClick(*w.cmdGotovo);
    });
    EXPECT_EQ(calc.loaded("frmPonuda"), nullptr);
    const std::string& file = files.files["Ponuda.txt"];
    size_t totals = 0;
    for (size_t at = file.find("P O N U D A   U K U P N O"); at != std::string::npos;
         at = file.find("P O N U D A   U K U P N O", at + 1))
        ++totals;
    EXPECT_EQ(totals, 1u);
    EXPECT_EQ(file, calc.state().ZadnjaPonuda + "\r\n");
}

// Architecture sets the building's value: the shares of rows captured before follow it, and
// the sum of the shares is taken again.
TEST_F(OfferWindowTest, CapturingArchitectureRecomputesEveryShare) {
    // A hand entry leaves no service chosen: architecture's button sends its row instead.
    offer([&](FrmPonuda& w) {
        platform.answer = "25000";
        w.userDblClick(*w.lblC[3]);
        EXPECT_EQ(w.lblP[3]->caption(), "0,25");
        w.userClick(*w.cmd[0]);
        EXPECT_FALSE(w.shown());
    });
    EXPECT_EQ(gl().txtInvest->text(), "10.000.000,00");
    price("mnuAvisoko", "5.000.000,00");
    offer([&](FrmPonuda& w) {
        w.userClick(*w.cmd[0]);
        EXPECT_EQ(calc.state().VrijednostGradjevine, 5000000);
        EXPECT_EQ(w.lblP[3]->caption(), "0,50");
        EXPECT_EQ(w.lblP[0]->caption(), "3,46");
        EXPECT_EQ(w.lblPu->caption(), "3,96");
        EXPECT_EQ(w.lblUkupno->caption(), "198.186,71");
        w.userClick(*w.cmdOdustajem);
    });
    EXPECT_TRUE(platform.messages.empty());
}

// After a row was taken over, toolbar commands leave the user's calculation alone; only a new
// hand-over from the offer window takes a row over again.
TEST_F(OfferWindowTest, ARowIsTakenOverOncePerHandOver) {
    offer([&](FrmPonuda& w) { w.userDblClick(*w.lblPt[3]); });
    EXPECT_EQ(gl().txtInvest->text(), "550.000,00");
    EXPECT_EQ(calc.state().Struka, "Grijanje");
    gl().userClick(*gl().optK[2]);
    gl().userClickToolbar(*gl().tlb1, "Max");
    const std::string chosen = gl().lblOdabir->caption();
    EXPECT_NE(chosen, "0");
    gl().txtInvest->setText("600.000,00");
    gl().userClick(*gl().optK[2]);
    for (const char* command : {"Max", "Min", "Max", "Pohrani"})
        gl().userClickToolbar(*gl().tlb1, command);
    EXPECT_EQ(gl().txtInvest->text(), "600.000,00");
    EXPECT_NE(gl().lblOdabir->caption(), "0");

    // The next hand-over is taken over again.
    offer([&](FrmPonuda& w) { w.userDblClick(*w.lblPt[4]); });
    EXPECT_EQ(calc.state().Struka, "Klima");
    EXPECT_EQ(gl().txtInvest->text(), "550.000,00");
    EXPECT_EQ(gl().lblOdabir->caption(), "0");
}

} // namespace
} // namespace tarvel::offer
