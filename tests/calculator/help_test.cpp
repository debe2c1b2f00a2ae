// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calculator/calculator.h"
#include "calculator/frm_gl.h"
#include "calculator/help.h"
#include "deviations/frm_odstup.h"
#include "forms/keys.h"
#include "program/program.h"

#include "../support/fake_platform.h"

namespace tarvel::calculator {
namespace {

const std::string kMissing = "message Nema pomoći: Odgovarajuća datoteka ne postoji!";
using Shown = std::vector<std::string>;

class HelpTest : public ::testing::Test {
protected:
    void start(bool html) {
        platform.fileStore = &files;
        if (html)
            platform.stored["Html"] = "HTML";
        calc.start();
    }
    FrmGl& gl() { return calc.frmGl(); }
    void menu(const char* item) { gl().userClick(*gl().find(item)); }

    fakes::MemoryFiles files;
    fakes::FakePlatform platform;
    program::Program calc{platform};
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
        fakes::MemoryFiles helpFiles;
        for (const char* name : {"Odstupanja.chm", "Odstupanja.hlp", "Tarvel.chm", "Tarvel.hlp"})
            helpFiles.files[name] = "";
        fakes::FakePlatform p;
        p.fileStore = &helpFiles;
        if (html)
            p.stored["Html"] = "HTML";
        program::Program c(p);
        c.start();
        FrmGl& main = c.frmGl();
        main.userClick(*main.find("mnuAvisoko"));
        main.userType(*main.txtInvest, "370000");
        main.userClick(*main.optK[2]);
        p.user = [&](forms::Form& dialog) {
            EXPECT_EQ(c.applicationHelpFile,
                      html ? "/prog\\Odstupanja.chm::/Agrad.htm" : "/prog\\Odstupanja.hlp");
            dialog.userKeyHere(forms::keys::F1);
            dialog.userClick(*dialog.find("cmdPomoc"));
            // Without the document there is no help; classic help would show its HTML twin.
            helpFiles.files.erase("Odstupanja.chm");
            if (!html)
                helpFiles.files.erase("Odstupanja.hlp");
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
