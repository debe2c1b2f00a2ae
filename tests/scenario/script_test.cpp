// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "app/scenario/script.h"

using tarvel::scenario::parseScript;
using tarvel::scenario::ScriptError;

// The scenario files are the oracle of every behaviour test: their reading must be exact.
TEST(ScriptParsing, WordsQuotesAndEscapes) {
    const auto script = parseScript("# a comment\n"
                                    "\n"
                                    "   # an indented comment\n"
                                    "type frmGl.txtInvest \"370 000\"\n"
                                    "expect frmGl.lblTekst \"G O T O V O  \"\n"
                                    "answer \"say \\\"da\\\"\\\\ \\r\\n\\t\"\n"
                                    "expect help \"\\\\Tarvel.chm\" \"Glava3.htm\"\n");
    ASSERT_EQ(script.steps.size(), 4u);
    EXPECT_EQ(script.steps[0].line, 4);
    EXPECT_EQ(script.steps[0].words,
              (std::vector<std::string>{"type", "frmGl.txtInvest", "370 000"}));
    EXPECT_EQ(script.steps[1].words[2], "G O T O V O  ");
    EXPECT_EQ(script.steps[2].words[1], "say \"da\"\\ \r\n\t");
    EXPECT_EQ(script.steps[3].words[2], "\\Tarvel.chm");
}

TEST(ScriptParsing, BlocksKeepTrailingBlanksAndEmptyLines) {
    const auto script = parseScript("file Cijena.txt\n"
                                    "|first line  \n"
                                    "|\n"
                                    "|čćđšž€😀\n"
                                    "end\n"
                                    "start\n"
                                    "expect file Cijena.txt\n"
                                    "end\n");
    ASSERT_EQ(script.steps.size(), 3u);
    EXPECT_EQ(script.steps[0].block, (std::vector<std::string>{"first line  ", "", "čćđšž€😀"}));
    EXPECT_EQ(script.steps[1].words[0], "start");
    EXPECT_TRUE(script.steps[2].block.empty());
    EXPECT_EQ(script.steps[2].line, 7);
}

TEST(ScriptParsing, MalformedFilesNameTheirLine) {
    for (const auto& [text, line] : std::vector<std::pair<std::string, int>>{
             {"start\ntype frmGl.txtInvest \"370\n", 2},
             {"start\nfile Cijena.txt\n|a\n", 2},
             // What is not UTF-8 never reaches a step: a lone byte, an overlong form, a
             // surrogate, a cut-off sequence, in a step, a block or a comment.
             {"start\npaste frmGl.txtInvest \"\xFF\"\n", 2},
             {"start\ntype frmGl.txtNaziv \"\xC0\xAF\"\n", 2},
             {"start\ntype frmGl.txtNaziv \"\xED\xA0\x80\"\n", 2},
             {"start\n\nfile Cijena.txt\n|\xC4\nend\n", 4},
             {"# \xE8 ij\nstart\n", 1},
         }) {
        try {
            parseScript(text);
            ADD_FAILURE() << "accepted: " << text;
        } catch (const ScriptError& e) {
            EXPECT_EQ(e.line, line) << text << ": " << e.message;
        }
    }
}
