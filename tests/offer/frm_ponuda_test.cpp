// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "calculator/calculator.h"
#include "calculator/frm_gl.h"
#include "estimator/frm_vrijednost.h"
#include "offer/frm_ponuda.h"

namespace tarvel::offer {
namespace {

// Files in memory; a write can be made to fail the way a full disk does.
class MemoryFiles : public forms::FileStore {
public:
    bool exists(const std::string& name) override { return files.count(name) != 0; }
    std::optional<long long> size(const std::string& name) override {
        return exists(name) ? std::optional<long long>(files[name].size()) : std::nullopt;
    }
    forms::WriteResult append(const std::string& name, const std::string& text) override {
        files[name] += text;
        return {};
    }
    forms::FileResult writeWhole(const std::string& name, const std::string& text) override {
        return replaceWhole(name, text).result;
    }
    forms::WriteResult replaceWhole(const std::string& name, const std::string& text) override {
        if (failWrites > 0) {
            --failWrites;
            return {forms::FileResult::Failed, "No space left on device"};
        }
        files[name] = text;
        ++writes;
        return {};
    }
    bool remove(const std::string& name) override { return files.erase(name) != 0; }
    std::optional<std::vector<std::string>> readLines(const std::string&) override {
        return std::nullopt;
    }
    std::string fullPath(const std::string& name) override { return "/prog/" + name; }

    std::map<std::string, std::string> files;
    int failWrites = 0;
    int writes = 0;
};

// A platform whose modal loop runs what the test's user does in the offer window.
class OfferPlatform : public forms::Platform, forms::SettingsStore {
public:
    forms::MsgAnswer messageBox(forms::MsgIcon, forms::MsgButtons, const std::string& title,
                                const std::string& text) override {
        messages.push_back(title + ": " + text);
        return forms::MsgAnswer::Ok;
    }
    std::string inputBox(const std::string&, const std::string&, const std::string&) override {
        return answer;
    }
    void beep() override {}
    SettingsStore& settings() override { return *this; }
    forms::FileStore& files() override { return store; }
    bool openTextViewer(const std::string& name) override {
        viewed.push_back(name);
        return true;
    }
    void showHtmlHelp(const std::string&, const std::string&, const std::string&) override {}
    void showClassicHelp(const std::string&, int) override {}
    void print(const forms::PrintJob&) override {}
    std::optional<std::string> openAddress(const std::string&) override { return std::nullopt; }
    void setBusy(bool) override {}
    forms::ScreenSize screenSize() override { return {19200, 14400}; }
    forms::Version version() override { return {2, 0, 0}; }
    std::string programDirectory() override { return "/prog"; }
    void runModal(forms::Form& form) override {
        if (user)
            user(form);
    }
    std::string get(const std::string& key, const std::string& fallback) override {
        return key == "ZadnjaStopa" ? "0,22" : fallback;
    }
    void set(const std::string&, const std::string&) override {}

    MemoryFiles store;
    std::function<void(forms::Form&)> user;
    std::vector<std::string> messages;
    std::vector<std::string> viewed;
    std::string answer;
};

class OfferWindowTest : public ::testing::Test {
protected:
    OfferWindowTest() {
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

    OfferPlatform platform;
    calculator::Calculator calc{platform};
};

// A failed "Gotovo" leaves the offer open and its body as it was, so that pressing it again
// once the cause is mended writes the totals once.
TEST_F(OfferWindowTest, FinishingAfterAFailedWriteWritesTheTotalsOnce) {
    offer([&](FrmPonuda& w) {
        platform.answer = "6000";
        w.userDblClick(*w.lblC[3]);
        const std::string body = calc.state().ZadnjaPonuda;
        ASSERT_FALSE(body.empty());

        platform.store.failWrites = 1;
        w.userClick(*w.cmdGotovo);
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0], " Ne može: Ponuda nije zapisana u datoteku Ponuda.txt. "
                                        "Razlog: No space left on device.");
        EXPECT_TRUE(w.shown());
        EXPECT_EQ(calc.state().ZadnjaPonuda, body);
        EXPECT_EQ(platform.store.files["Ponuda.txt"], body + "\r\n");

        // "Provjera ponude" refused in the same way opens no viewer.
        platform.store.failWrites = 1;
        w.userClick(*w.cmdPonuda);
        EXPECT_TRUE(platform.viewed.empty());
        EXPECT_EQ(platform.messages.size(), 2u);

        w.userClick(*w.cmdGotovo);
    });
    EXPECT_EQ(calc.loaded("frmPonuda"), nullptr);
    const std::string& file = platform.store.files["Ponuda.txt"];
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
