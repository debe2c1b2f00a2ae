// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "calculator/calculator.h"
#include "calculator/frm_gl.h"
#include "calculator/help.h"
#include "deviations/frm_odstup.h"
#include "forms/keys.h"

namespace tarvel::calculator {
namespace {

// Files that exist by name, settings in memory, help and messages written down as text.
class HelpPlatform : public forms::Platform, forms::FileStore, forms::SettingsStore {
public:
    forms::MsgAnswer messageBox(forms::MsgIcon, forms::MsgButtons, const std::string& title,
                                const std::string& text) override {
        shown.push_back("message" + title + ": " + text);
        return forms::MsgAnswer::Ok;
    }
    std::string inputBox(const std::string&, const std::string&, const std::string&) override {
        return "";
    }
    void beep() override {}
    SettingsStore& settings() override { return *this; }
    FileStore& files() override { return *this; }
    bool openTextViewer(const std::string&) override { return true; }
    void showHtmlHelp(const std::string& file, const std::string& page,
                      const std::string& window) override {
        shown.push_back("html " + file + " " + page + " " + window);
    }
    void showClassicHelp(const std::string& file, int command) override {
        shown.push_back("classic " + file + " " + std::to_string(command));
    }
    void showClassicHelpTopic(const std::string& file, int topic) override {
        shown.push_back("classic " + file + " topic " + std::to_string(topic));
    }
    void print(const forms::PrintJob&) override {}
    std::optional<std::string> openAddress(const std::string&) override { return std::nullopt; }
    void setBusy(bool) override {}
    forms::ScreenSize screenSize() override { return {19200, 14400}; }
    forms::Version version() override { return {2, 0, 0}; }
    std::string programDirectory() override { return "/prog"; }
    void runModal(forms::Form& form) override {
        if (inModal)
            inModal(form);
    }

    bool exists(const std::string& name) override { return present.count(name) != 0; }
    std::optional<long long> size(const std::string&) override { return std::nullopt; }
    forms::WriteResult append(const std::string&, const std::string&) override { return {}; }
    forms::FileResult writeWhole(const std::string&, const std::string&) override {
        return forms::FileResult::Ok;
    }
    bool remove(const std::string&) override { return false; }
    std::optional<std::vector<std::string>> readLines(const std::string&) override {
        return std::nullopt;
    }
    std::string fullPath(const std::string& name) override { return "/prog/" + name; }

    std::string get(const std::string& key, const std::string& fallback) override {
        const auto it = stored.find(key);
        return it == stored.end() ? fallback : it->second;
    }
    void set(const std::string& key, const std::string& value) override { stored[key] = value; }

    // What was shown since the last call.
    std::vector<std::string> take() { return std::exchange(shown, {}); }

    std::set<std::string> present;
    std::map<std::string, std::string> stored;
    std::vector<std::string> shown;
    std::function<void(forms::Form&)> inModal;
};

const std::string kMissing = "message Nema pomoći: Odgovarajuća datoteka ne postoji!";
using Shown = std::vector<std::string>;

class HelpTest : public ::testing::Test {
protected:
    void start(bool html) {
        if (html)
            platform.stored["Html"] = "HTML";
        calc.start();
    }
    FrmGl& gl() { return calc.frmGl(); }
    void menu(const char* item) { gl().userClick(*gl().find(item)); }

    HelpPlatform platform;
    Calculator calc{platform};
};

// The help file the system points at follows the mode (the tick, the setting and the pages
// shown are checked by the scenarios).
TEST_F(HelpTest, SwitchingTheModePointsTheHelpFile) {
    start(false);
    EXPECT_EQ(calc.applicationHelpFile, "/prog\\Tarvel.hlp");
    menu("mnuAvisoko");
    menu("mnuPhtml");
    EXPECT_EQ(calc.state().HtmlStranica, "Opce odredbe.htm");
    EXPECT_EQ(calc.applicationHelpFile, "/prog\\Tarvel.chm");
    menu("mnuPhtml");
    EXPECT_EQ(calc.applicationHelpFile, "/prog\\Tarvel.hlp");
    EXPECT_TRUE(platform.take().empty());
}

// The deviations dialog points help at its own document while open, and gives the main window
// its own page back when it closes.
TEST_F(HelpTest, DeviationsDialogHelpInBothModes) {
    for (bool html : {true, false}) {
        SCOPED_TRACE(html ? "HTML" : "classic");
        HelpPlatform p;
        p.present = {"Odstupanja.chm", "Odstupanja.hlp", "Tarvel.chm", "Tarvel.hlp"};
        if (html)
            p.stored["Html"] = "HTML";
        Calculator c(p);
        c.start();
        FrmGl& main = c.frmGl();
        main.userClick(*main.find("mnuAvisoko"));
        main.userType(*main.txtInvest, "370000");
        main.userClick(*main.optK[2]);
        p.inModal = [&](forms::Form& dialog) {
            EXPECT_EQ(c.applicationHelpFile,
                      html ? "/prog\\Odstupanja.chm::/Agrad.htm" : "/prog\\Odstupanja.hlp");
            dialog.userKeyHere(forms::keys::F1);
            dialog.userClick(*dialog.find("cmdPomoc"));
            p.present.erase(html ? "Odstupanja.chm" : "Odstupanja.hlp");
            dialog.userClick(*dialog.find("cmdPomoc"));
            dialog.userClose();
        };
        main.userClickToolbar(*main.tlb1, "Odstup");
        const std::string shown =
            html ? "html \\Odstupanja.chm Agrad.htm Glavni" : "classic \\Odstupanja.hlp topic 110";
        EXPECT_EQ(p.take(), (Shown{shown, shown, kMissing}));
        EXPECT_EQ(c.loaded("frmOdstup"), nullptr);
        EXPECT_EQ(c.applicationHelpFile, html ? "/prog\\Tarvel.chm" : "/prog\\Tarvel.hlp");
        main.userKeyHere(forms::keys::F1);
        EXPECT_EQ(p.take(), Shown{html ? "html \\Tarvel.chm Arhgrad.htm Glavni"
                                       : "classic \\Tarvel.hlp topic 14"});
    }
}

} // namespace
} // namespace tarvel::calculator
