// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/record_text.h"

#include "forms/number_text.h"
#include "interior_design.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

using tarvel::records::adjustmentsText;
using tarvel::records::PripremiIzracun;
using tarvel::records::RecordInputs;
using tarvel::records::test::interiorDesign;
using Lines = std::vector<std::string>;

namespace {

// A record's lines, without the line breaks.
Lines linesOf(const std::string& record) {
    Lines lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = record.find("\r\n", start);
        lines.push_back(record.substr(start, end - start));
        if (end == std::string::npos)
            return lines;
        start = end + 2;
    }
}

bool hasLineStarting(const Lines& lines, const std::string& prefix) {
    for (const auto& line : lines) {
        if (line.rfind(prefix, 0) == 0)
            return true;
    }
    return false;
}

} // namespace

TEST(RecordText, DisciplineSuffixShareOfInvestmentAndDeviationsInTheNormalLayout) {
    RecordInputs in = interiorDesign();
    in.OznakaDiscipline = ", KONSTRUKCIJA";
    in.UdioUInvesticiji = "3,45";
    in.TekstOdstupanja = "\r\n   - složeni uvjeti 10 %";
    in.NapomenaOdabir = "Odabrano 40000 kn"; // follows the deviations on their last line
    const Lines lines = linesOf(PripremiIzracun(in));
    EXPECT_EQ(lines[2], "   PROJEKT UNUTARNJEG UREĐENJA PROSTORA, KONSTRUKCIJA");
    EXPECT_EQ(lines[7], "   Odstupanja:");
    EXPECT_EQ(lines[8], "   - složeni uvjeti 10 %Odabrano 40000 kn");
    EXPECT_EQ(lines.back(), "   ili 3,45 % od investicije");
    EXPECT_EQ(lines[lines.size() - 2], "   što je 2,81 % od proračunske vrijednosti (bez poreza)");
}

TEST(RecordText, PhasesWithoutAFeeOrHiddenGetNoLineAndKeepTheirOrder) {
    RecordInputs in = interiorDesign();
    in.phases[0].lblCVisible = false; // hidden although it holds a fee
    in.phases[6] = {"7. Izvedbeni projekt", "35", "24.589,41", true};
    in.phases[4].lblC = "0";
    const Lines lines = linesOf(PripremiIzracun(in));
    Lines phaseLines;
    for (const auto& line : lines) {
        if (!line.empty() && line[0] >= '1' && line[0] <= '8')
            phaseLines.push_back(line.substr(0, 2));
    }
    EXPECT_EQ(phaseLines, (Lines{"2.", "3.", "7."}));
}

TEST(RecordText, CategoryLineOnlyWithTheFrameShownAndAnOptionSelected) {
    RecordInputs in = interiorDesign();
    in.fraKatVisible = false;
    EXPECT_EQ(linesOf(PripremiIzracun(in))[3], "   Proračunska vrijednost 1.500.000,00 kn");
    in.fraKatVisible = true;
    in.category = 0;
    EXPECT_EQ(linesOf(PripremiIzracun(in))[3], "   Proračunska vrijednost 1.500.000,00 kn");
    const char* roman[] = {"I", "II", "III", "IV", "V"};
    for (int k = 1; k <= 5; ++k) {
        in.category = k;
        EXPECT_EQ(linesOf(PripremiIzracun(in))[4],
                  std::string("   Stupanj složenosti: ") + roman[k - 1]);
    }
}

TEST(RecordText, SpatialPlansDropThePercentageLinesButKeepTheCurrencyOfTheTotals) {
    for (const char* code : {"APg", "APpo", "APo", "APup1", "APup2", "APup5", "APdup"}) {
        RecordInputs in = interiorDesign();
        in.Usluga = code;
        in.lbl1 = "Obračunske jedinice";
        in.txtInvest = "120";
        in.fraKatVisible = false;
        in.UdioUInvesticiji = "3,45";
        const Lines lines = linesOf(PripremiIzracun(in));
        EXPECT_EQ(lines[3], "   Obračunske jedinice 120 ") << code;
        EXPECT_FALSE(hasLineStarting(lines, "   ili ")) << code;
        EXPECT_FALSE(hasLineStarting(lines, "   što je")) << code;
        EXPECT_TRUE(lines.back().rfind("          S V E U K U P N O: kn", 0) == 0) << code;
    }
    // A code that only begins like a plan's is not one.
    RecordInputs in = interiorDesign();
    in.Usluga = "APgx";
    EXPECT_TRUE(hasLineStarting(linesOf(PripremiIzracun(in)), "   ili 4,32 do 4,68 %"));
}

// The tax line is one blank wider below 10 % (5 % is in the scenarios), so both are 73 wide;
// a fraction of a per cent keeps the width of a one-digit rate.
TEST(RecordText, TaxLineWidthFollowsTheWholePerCents) {
    RecordInputs in = interiorDesign();
    in.Stopa = 0.085;
    EXPECT_EQ(linesOf(PripremiIzracun(in))[15],
              "          Porez 8,5 %: kn                                          3.583,03");
    in.Stopa = 0.1;
    EXPECT_EQ(linesOf(PripremiIzracun(in))[15].size(), 73u); // as wide as the 5 % line
    in.Stopa = 0;
    EXPECT_EQ(linesOf(PripremiIzracun(in))[15],
              "          Porez 0 %: kn" + std::string(46, ' ') + "0,00");
}

TEST(RecordText, BasicPriceLayout) {
    RecordInputs in;
    in.txtNaziv = "Stan Ilica";
    in.lblProjekt = "ENERGETSKI PREGLED";
    in.lbl1 = "Proračunska vrijednost";
    in.txtInvest = "200.000,00";
    in.lblValutaFaza = "kn";
    in.fraKatVisible = true; // ignored: a basic price has no category
    in.category = 2;
    in.lblSumamin = "ne postoji  ";
    in.lblSumamax = "3.000,00";
    in.lblCmin = "3.000,00";
    in.lblCmax = "3.000,00";
    in.lblOdabir = "3.000,00";
    in.phases[0] = {"1. Pregled", "100", "3.000,00", true};
    in.txtPopust = "0";
    in.txtDodaj = "0";
    in.Stopa = 0.22;
    in.TekstOdstupanja = "x";
    in.OznakaDiscipline = ", ELEKTRO";
    in.UdioUInvesticiji = "1,00";
    const Lines expected = {
        "",
        "   Stan Ilica",
        "   ENERGETSKI PREGLED",
        "   Proračunska vrijednost 200.000,00 kn",
        "   Osnovna cijena: 3.000,00 kn",
        "   ili 1,50 % od proračunske vrijednosti.",
        "   ",
        "",
        "          Ukupno: kn                                             3.000,00",
        "          Porez: 22 %: kn                                          660,00",
        "          S V E U K U P N O: kn                                  3.660,00",
        "",
        "   što je 1,50 % od proračunske vrijednosti. (bez poreza)",
    };
    EXPECT_EQ(linesOf(PripremiIzracun(in)), expected);
}

// Columns are counted in characters, and a text wider than its column pushes the line out.
TEST(RecordText, ColumnsCountCharactersAndWideTextsAreNotPadded) {
    RecordInputs in = interiorDesign();
    in.phases[1].lblP = "2. Idejno rješenje čćđšž";
    EXPECT_EQ(linesOf(PripremiIzracun(in))[10],
              "2. Idejno rješenje čćđšž 4 %                                     2.810,22");

    in.phases[0].lblP = std::string(80, 'x');
    in.lblOdabir = "123.456.789.012.345.678.901.234.567.890.123.456.789.012,00";
    in.Stopa = 0.25;
    const Lines lines = linesOf(PripremiIzracun(in));
    EXPECT_EQ(lines[9], std::string(80, 'x') + " 2 %1.405,11");
    EXPECT_EQ(lines[14], "          Ukupno: kn" + in.lblOdabir);
    EXPECT_EQ(lines[16].substr(0, 32), "          S V E U K U P N O: kn1");
}

TEST(RecordText, UnreadableNumbersAndAZeroValueFailAsTheWindowsHandlersExpect) {
    RecordInputs in = interiorDesign();
    in.txtInvest = "0,00";
    EXPECT_THROW(PripremiIzracun(in), tarvel::forms::ArithmeticError);
    in = interiorDesign();
    in.lblOdabir = "1,2,3";
    EXPECT_THROW(PripremiIzracun(in), tarvel::forms::ConversionError);
}

// The discount and addition remark, branch by branch. "In" marks a chosen total that is
// neither the lowest nor the highest.
TEST(RecordAdjustments, DiscountAndAdditionBranches) {
    struct Case {
        const char* popust;
        const char* dodaj;
        bool inner;
        const char* deviations;
        const char* ukupno;
        const char* odabir;
        const char* expected;
    };
    const Case cases[] = {
        {"0", "0", false, "", "", "", ""},
        {"0", "0", true, "", "Opći popust 5 % ", "", ""},
        // Addition alone.
        {"0", "15", false, "", "", "", "Opći dodatak 15 %"},
        {"0", "15", true, "", "Opći dodatak 15 % ", "",
         "Opći dodatak 15 % \r\n   Složenost faze, dodano 15 %"},
        {"0", "15", true, "\r\n   dev", "", "", "   Opći dodatak 15 %\r\n   "},
        // Discount alone.
        {"10", "0", false, "", "", "", "Opći popust 10 %"},
        {"10", "0", true, "", "Opći popust 10 % ", "",
         "Opći popust 10 % \r\n   Nepotpuna faza, odbijeno 10 %"},
        {"10", "0", true, "\r\n   dev", "", "", "Opći popust 10 %"},
        // Both (deviations deliver the addition): the addition leads.
        {"5", "10", false, "\r\n   dev", "", "", "   Opći dodatak 10 %, Opći popust 5 %\r\n   "},
        {"5", "10", true, "", "T", "",
         "   Opći dodatak 10 %, T\r\n   Nepotpuna faza, odbijeno 5 %\r\n   "},
        // A desired price rewrites the remark unless deviations are present.
        {"10", "0", true, "", "", "Odabrano 5000 kn", "Opći popust 10 %"},
        {"10", "0", true, "", "T", "Odabrano 5000 kn", "T\r\n   Nepotpuna faza, odbijeno 10 %"},
        {"0", "20", true, "", "", "Odabrano 5000 kn", "Opći dodatak 20 %"},
        {"0", "20", false, "", "T", "Odabrano 5000 kn", "T\r\n   Složenost faze, dodano 20 %"},
        {"5", "10", false, "", "", "Odabrano 5000 kn", "Opći dodatak 10 %"},
        {"0", "20", false, "\r\n   dev", "T", "Odabrano 5000 kn", "   Opći dodatak 20 %\r\n   "},
        // Texts are copied as typed; the numbers decide the branch.
        {"0,0", "12,50", false, "", "", "", "Opći dodatak 12,50 %"},
    };
    for (const Case& c : cases) {
        RecordInputs in = interiorDesign();
        in.txtPopust = c.popust;
        in.txtDodaj = c.dodaj;
        if (c.inner)
            in.lblOdabir = "40.000,00";
        in.TekstOdstupanja = c.deviations;
        in.NapomenaUkupno = c.ukupno;
        in.NapomenaOdabir = c.odabir;
        EXPECT_EQ(adjustmentsText(in), c.expected)
            << "popust " << c.popust << ", dodaj " << c.dodaj << ", inner " << c.inner
            << ", deviations '" << c.deviations << "', ukupno '" << c.ukupno << "', odabir '"
            << c.odabir << "'";
    }
}

TEST(RecordAdjustments, InnerChoiceComparesCaptionsAsTexts) {
    RecordInputs in = interiorDesign();
    in.txtPopust = "10";
    in.NapomenaUkupno = "T";
    in.lblOdabir = in.lblSumamin;
    EXPECT_EQ(adjustmentsText(in), "Opći popust 10 %");
    in.lblOdabir = "38.877,130"; // the same amount, another text
    EXPECT_EQ(adjustmentsText(in), "T\r\n   Nepotpuna faza, odbijeno 10 %");
}

TEST(RecordAdjustments, TheRemarkStandsOnTheLineAfterTheFeeBand) {
    RecordInputs in = interiorDesign();
    in.txtPopust = "10";
    in.NapomenaOdabir = "Odabrano 40.000 kn";
    in.lblOdabir = "40.000,00";
    EXPECT_EQ(linesOf(PripremiIzracun(in))[7], "   Opći popust 10 %Odabrano 40.000 kn");
}
