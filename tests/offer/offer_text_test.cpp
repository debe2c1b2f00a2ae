#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "offer/offer_text.h"
#include "records/record_text.h"

namespace tarvel::offer {
namespace {

std::string lines(const std::vector<std::string>& ls) {
    std::string out;
    for (const std::string& l : ls)
        out += l + "\r\n";
    return out;
}

// The architecture of a family house, all maximums of category III, as the main window shows
// it when the row is captured.
records::RecordInputs architecture() {
    records::RecordInputs in;
    in.txtNaziv = "Obiteljska kuća Horvat";
    in.lblProjekt = "ARHITEKTONSKI PROJEKT GRAĐEVINE";
    in.lbl1 = "Proračunska vrijednost";
    in.txtInvest = "1.500.000,00";
    in.lblValutaFaza = "kn";
    in.fraKatVisible = true;
    in.category = 3;
    in.lblSumamin = "52.304,63";
    in.lblSumamax = "64.934,12";
    in.lblCmin = "52.304,63";
    in.lblCmax = "64.934,12";
    in.lblOdabir = "64.934,12";
    const char* names[] = {"1. Provjera zadatka",   "2. Idejno rješenje", "3. Idejni projekt",
                           "4. Lokacijska dozvola", "5. Glavni projekt",  "6. Građevna dozvola",
                           "7. Izvedbeni projekt",  "8. Troškovnik"};
    const char* shares[] = {"2", "6", "14", "3", "30", "3", "32", "10"};
    const char* fees[] = {"1.298,68",  "3.896,05", "9.090,78",  "1.948,02",
                          "19.480,24", "1.948,02", "20.778,92", "6.493,41"};
    for (size_t i = 0; i < 8; ++i)
        in.phases[i] = {names[i], shares[i], fees[i], true};
    in.txtPopust = "0";
    in.txtDodaj = "0";
    in.Usluga = "Avisoko";
    in.Stopa = 0.22;
    in.OznakaDiscipline = ", ARHITEKTURA";
    in.UdioUInvesticiji = "4,33";
    return in;
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

const std::vector<std::string> kArchitectureLines = {
    "",
    "   Obiteljska kuća Horvat",
    "   ARHITEKTONSKI PROJEKT GRAĐEVINE, ARHITEKTURA",
    "   Proračunska vrijednost 1.500.000,00 kn,",
    "   Stupanj složenosti: III",
    "   Najniža cijena 52.304,63 kn; Najviša cijena 64.934,12 kn",
    "   ili 3,49 do 4,33 % od proračunske vrijednosti.",
    "   ",
    "",
    "1. Provjera zadatka 2 %                                          1.298,68",
    "2. Idejno rješenje 6 %                                           3.896,05",
    "3. Idejni projekt 14 %                                           9.090,78",
    "4. Lokacijska dozvola 3 %                                        1.948,02",
    "5. Glavni projekt 30 %                                          19.480,24",
    "6. Građevna dozvola 3 %                                          1.948,02",
    "7. Izvedbeni projekt 32 %                                       20.778,92",
    "8. Troškovnik 10 %                                               6.493,41",
    "",
    "          Ukupno: kn                                            64.934,12",
    "          Porez 22 %: kn                                        14.285,51",
    "          S V E U K U P N O: kn                                 79.219,63",
    "",
    "   što je 4,33 % od proračunske vrijednosti (bez poreza)",
    "   ili 4,33 % od investicije",
};

const std::vector<std::string> kWaterLines = {
    "",
    "   Obiteljska kuća Horvat",
    "   VODOVOD, ODVOD I PLIN",
    "   Proraćunska vrijednost 120.000,00",
    "   Vrijednost usluge procijenjena na: kn                         6.000,00",
    "          Porez 22 %: kn                                         1.320,00",
    "          S V E U K U P N O: kn                                  7.320,00",
};

std::array<std::string, kRows> sectionsOf(const std::string& architectureSection,
                                          const std::string& waterSection) {
    std::array<std::string, kRows> sections{};
    sections[0] = architectureSection;
    sections[2] = waterSection;
    return sections;
}

// Architecture captured, water entered by hand, then "Gotovo": the whole file, byte for byte.
TEST(OfferText, WorkedOfferOfTwoDisciplinesWithTotals) {
    const std::string body = SastaviPonudu(
        sectionsOf(records::PripremiIzracun(architecture()), handEnteredSection(water())));
    const std::string totals = offerTotalsBlock({"70.934,12", "4,73", "kn", 0.22});

    // The hand-entered section opens with an empty line of its own.
    std::vector<std::string> expected = kArchitectureLines;
    expected.insert(expected.end(), {""});
    expected.insert(expected.end(), kWaterLines.begin(), kWaterLines.end());
    expected.insert(expected.end(),
                    {"", "",
                     "          P O N U D A   U K U P N O: kn                         70.934,12",
                     "          Porez ukupno 22 %: kn                                 15.605,51",
                     "          P O N U D A   S V E U K U P N O: kn                   86.539,63",
                     "", "   što je 4,73 % od investicijske vrijednosti (bez poreza)"});
    ASSERT_EQ(expected.size(), 39u);
    EXPECT_EQ(offerFileText(body, totals), lines(expected));
}

// After a capture the file holds the bodies alone: each section and two empty lines.
TEST(OfferText, ARefreshWritesTheSectionsFollowedByTwoEmptyLinesEach) {
    const std::string section = records::PripremiIzracun(architecture());
    std::array<std::string, kRows> one{};
    one[0] = section;
    std::vector<std::string> expected = kArchitectureLines;
    expected.insert(expected.end(), {"", ""});
    EXPECT_EQ(offerFileText(SastaviPonudu(one)), lines(expected));

    // Nothing left in the offer: the file holds a single line break, and the totals are zero.
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

// A section entered by hand: its own spelling of the value label, the typed answer's width,
// and a tax rate with decimals.
TEST(OfferText, HandEnteredSectionKeepsItsLabelAndAlignsOnTheTypedAnswer) {
    const std::string section = handEnteredSection(water());
    EXPECT_NE(section.find("Proraćunska vrijednost 120.000,00"), std::string::npos);
    EXPECT_EQ(section.find("Proračunska"), std::string::npos);
    EXPECT_EQ(section, lines(kWaterLines).substr(0, lines(kWaterLines).size() - 2));

    HandEntry typed = water();
    typed.answer = "6.000,00"; // typed with separators: the line is four characters shorter
    typed.Stopa = 0.085;
    const std::string shorter = handEnteredSection(typed);
    EXPECT_NE(
        shorter.find("   Vrijednost usluge procijenjena na: kn                     6.000,00\r\n"),
        std::string::npos);
    // The tax column is 49 wide whatever the rate: a rate of three characters ends a column
    // further right.
    EXPECT_NE(shorter.find("          Porez 8,5 %: kn" + std::string(43, ' ') + "510,00\r\n"),
              std::string::npos);
    EXPECT_EQ(handEnteredFeeText(water()),
              "6.000,00\r\n" + kWaterLines[5] + "\r\n" + kWaterLines[6]);
}

} // namespace
} // namespace tarvel::offer
