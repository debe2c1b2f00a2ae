// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "offer/offer_text.h"

namespace tarvel::offer {
namespace {

std::string lines(const std::vector<std::string>& ls) {
    std::string out;
    for (const std::string& l : ls)
        out += l + "\r\n";
    return out;
}

HandEntry water() {
    HandEntry e;
    e.txtNaziv = "Obiteljska kuća Horvat";
    e.title = "VODOVOD, ODVOD I PLIN";
    e.lblPt = "120.000,00";
    e.answer = "6000";
    e.fee = "6.000,00";
    e.currency = "kn";
    e.Stopa = 0.22;
    return e;
}

// Nothing left in the offer: the file holds a single line break, and the totals are zero.
// (A whole offer is checked byte for byte by the scenarios.)
TEST(OfferText, AnEmptyOfferHasALineBreakAndZeroTotals) {
    EXPECT_EQ(offerFileText(SastaviPonudu({})), "\r\n");
    EXPECT_EQ(
        offerFileText(SastaviPonudu({}), offerTotalsBlock({"0,00", "0", "kn", 0.22})),
        lines({"", "          P O N U D A   U K U P N O: kn                              0,00",
               "          Porez ukupno 22 %: kn                                      0,00",
               "          P O N U D A   S V E U K U P N O: kn                        0,00", "",
               "   što je 0 % od investicijske vrijednosti (bez poreza)"}));
}

// The body follows the rows, whatever order they were captured in.
TEST(OfferText, SectionsStandInRowOrder) {
    std::array<std::string, kRows> sections{};
    sections[10] = "ostalo";
    sections[5] = "jaka struja";
    sections[2] = "voda";
    EXPECT_EQ(SastaviPonudu(sections), "voda\r\n\r\njaka struja\r\n\r\nostalo\r\n\r\n");
}

// A section entered by hand aligns on the answer as typed (the worked offer's section is
// checked by the scenarios), and the tax column is 49 wide whatever the rate: a rate of
// three characters ends a column further right.
TEST(OfferText, HandEnteredSectionAlignsOnTheTypedAnswer) {
    HandEntry typed = water();
    typed.answer = "6.000,00"; // typed with separators: the line is four characters shorter
    typed.Stopa = 0.085;
    const std::string shorter = handEnteredSection(typed);
    EXPECT_NE(
        shorter.find("   Vrijednost usluge procijenjena na: kn                     6.000,00\r\n"),
        std::string::npos);
    EXPECT_NE(shorter.find("          Porez 8,5 %: kn" + std::string(43, ' ') + "510,00\r\n"),
              std::string::npos);
    EXPECT_EQ(handEnteredFeeText(water()),
              "6.000,00\r\n"
              "          Porez 22 %: kn                                         1.320,00\r\n"
              "          S V E U K U P N O: kn                                  7.320,00");
}

} // namespace
} // namespace tarvel::offer
