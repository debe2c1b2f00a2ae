// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "app/scenario/runner.h"
#include "app/scenario/script.h"

using namespace tarvel::scenario;

namespace {

Outcome run(const std::string& text) {
    const Script script = parseScript(text);
    QTemporaryDir directory;
    Runner runner(script, directory.path().toStdString(),
                  [](tarvel::calculator::Calculator&) { return std::make_unique<Driver>(); });
    return runner.run();
}

const std::string kComputed = "start\n"
                              "click frmGl.mnuAvisoko\n"
                              "type frmGl.txtInvest \"370000\"\n"
                              "click frmGl.optK2\n";

} // namespace

// An oracle that passes what it should fail is worse than none: every comparison must fail
// on a wrong expectation, at the line of that expectation.
TEST(ScenarioRunner, PassesWhatTheProgramShows) {
    const Outcome o = run(kComputed + "expect frmGl.lblCmin \"13.135,00\"\n"
                                      "expect frmGl.lblTekst color 192,0,192\n"
                                      "expect frmGl.optK2 is selected\n"
                                      "expect var Usluga \"Avisoko\"\n"
                                      "expect var Kurs \"3.7\"\n"
                                      "expect no-message\n"
                                      "expect beeps 0\n");
    EXPECT_TRUE(o.passed) << o.line << ": " << o.message;
}

TEST(ScenarioRunner, FailsEveryWrongExpectationAtItsLine) {
    for (const std::string& wrong : {
             std::string("expect frmGl.lblCmin \"13.135,01\"\n"),
             std::string("expect frmGl.lblCmin \"13.135,00 \"\n"),
             std::string("expect frmGl.lblTekst color 192,0,193\n"),
             std::string("expect frmGl.optK3 is selected\n"),
             std::string("expect frmGl.fraKat is hidden\n"),
             std::string("expect var Usluga \"Gkons\"\n"),
             std::string("expect var Kurs \"3,7\"\n"),
             std::string("expect beeps 1\n"),
             std::string("expect message critical \" Ne može\" \"x\"\n"),
             std::string("expect no-file Nowhere.txt\nexpect file Nowhere.txt\n|\nend\n"),
         }) {
        const Outcome o = run(kComputed + wrong);
        EXPECT_FALSE(o.passed) << wrong;
        EXPECT_GE(o.line, 5) << wrong;
    }
}

TEST(ScenarioRunner, FilesAreComparedByteForByte) {
    const std::string written = "file Cijena.txt\n|Građevina  \n|\nend\n";
    EXPECT_TRUE(run(written + "start\nexpect file Cijena.txt\n|Građevina  \n|\nend\n").passed);
    // One trailing blank, one line end or one letter's code page byte off must each fail.
    for (const std::string& other : {std::string("|Građevina \n|\n"), std::string("|Građevina  \n"),
                                     std::string("|Gradevina  \n|\n")}) {
        const Outcome o = run(written + "start\nexpect file Cijena.txt\n" + other + "end\n");
        EXPECT_FALSE(o.passed) << other;
        EXPECT_NE(o.message.find("bytes differ"), std::string::npos) << o.message;
    }
}

TEST(ScenarioRunner, EveryNoticeableEffectMustBeChecked) {
    // A message nobody expected fails at the end of the file.
    const Outcome unchecked = run("start\nclick frmGl.mnuAvisoko\nkey frmGl.txtInvest Enter\n");
    EXPECT_FALSE(unchecked.passed);
    EXPECT_NE(unchecked.message.find("not checked"), std::string::npos) << unchecked.message;
    // A question without a queued answer fails where it is asked.
    const Outcome unanswered = run("start\nclick frmGl.tlb1.Izlaz\nexpect frmGl is unloaded\n");
    EXPECT_TRUE(unanswered.passed) << unanswered.message;
}

TEST(ScenarioRunner, RefusesWhatAUserCouldNotDo) {
    // The categories are hidden until a building service is chosen; menus are not
    // double-clicked; a disabled toolbar button cannot be pressed.
    for (const std::string& step :
         {std::string("click frmGl.optK2\n"), std::string("dblclick frmGl.mnuAvisoko\n"),
          std::string("click frmGl.tlb1.Min\n")}) {
        const Outcome o = run("start\n" + step);
        EXPECT_FALSE(o.passed) << step;
        EXPECT_EQ(o.line, 2) << step;
        EXPECT_NE(o.message.find("could not"), std::string::npos) << o.message;
    }
}
