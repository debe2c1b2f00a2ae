// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation as a document for the client: the same figures as its record, in a table.
#include "records/calculation_document.h"

#include "interior_design.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvel::records {
namespace {

using forms::Align;
using forms::RowStyle;

// The record's interior design, its label with the colon the window shows, and the phases
// not on show holding "0" as their labels do.
RecordInputs interiorDesign() {
    RecordInputs in = test::interiorDesign();
    in.lbl1 = "Proračunska vrijednost:";
    in.phases[3].lblC = "0";
    for (int i = 5; i < 8; ++i)
        in.phases[i].lblC = "0";
    return in;
}

const std::array<PhaseBand, 8> kBands = {{{"1.295,90", "1.405,11"},
                                          {"2.591,81", "2.810,22"},
                                          {"5.831,57", "6.322,99"},
                                          {"0", "0"},
                                          {"29.157,85", "31.614,96"},
                                          {"0", "0"},
                                          {"0", "0"},
                                          {"0", "0"}}};

// Each row as its cells' texts joined by "|".
std::vector<std::string> rowTexts(const forms::ClientDocument& d) {
    std::vector<std::string> rows;
    for (const forms::DocumentRow& row : d.rows) {
        std::string text;
        for (const forms::DocumentCell& cell : row.cells)
            text += (text.empty() ? "" : "|") + cell.text;
        rows.push_back(text);
    }
    return rows;
}

TEST(CalculationDocument, PhasesBandChosenFeesTaxAndTotalWithItsCurrency) {
    const forms::ClientDocument d = calculationDocument(interiorDesign(), kBands);
    EXPECT_EQ(d.title, "Izračun cijene usluge");
    ASSERT_EQ(d.subject.size(), 4u);
    EXPECT_EQ(d.subject[0].value, "Obiteljska kuća Horvat");
    EXPECT_EQ(d.subject[2].label, "Proračunska vrijednost");
    EXPECT_EQ(d.subject[2].value, "1.500.000,00 kn");
    EXPECT_EQ(d.subject[3].value, "III");
    EXPECT_EQ(d.columns[4].heading, "Odabrana (kn)");
    const std::vector<std::string> expected = {
        "1. Provjera zadatka|2 %|1.295,90|1.405,11|1.405,11",
        "2. Idejno rješenje|4 %|2.591,81|2.810,22|2.810,22",
        "3. Idejni projekt|9 %|5.831,57|6.322,99|6.322,99",
        "5. Glavni projekt|45 %|29.157,85|31.614,96|31.614,96",
        "Ukupno bez poreza|38.877,13|42.153,28|42.153,28",
        "Porez 22 %|9.273,72",
        "Sveukupno|51.427,00 kn",
    };
    EXPECT_EQ(rowTexts(d), expected);
    EXPECT_EQ(d.rows.back().style, RowStyle::GrandTotal);
    for (size_t c = 1; c < d.rows[0].cells.size(); ++c)
        EXPECT_EQ(d.rows[0].cells[c].align, Align::Right) << d.rows[0].cells[c].text;
    EXPECT_EQ(d.notes,
              std::vector<std::string>{"Cijena bez poreza iznosi 2,81 % proračunske vrijednosti."});
}

TEST(CalculationDocument, DiscountAdditionDeviationsAndTheBasicPrice) {
    RecordInputs in = interiorDesign();
    in.txtNaziv = "NAZIV GRAĐEVINE"; // never typed: not a building's name
    in.txtPopust = "5";
    in.txtDodaj = "50";
    in.TekstOdstupanja = " Rekonstrukcija 50 %,\r\n   Složeni uvjeti,\r\n";
    std::vector<std::string> rows = rowTexts(calculationDocument(in, kBands));
    EXPECT_EQ(std::vector<std::string>(rows.begin() + 5, rows.begin() + 9),
              (std::vector<std::string>{"Opći popust, uračunat u cijene|5 %",
                                        "Dodatak za odstupanja, uračunat u cijene|50 %",
                                        "Odstupanje: Rekonstrukcija 50 %",
                                        "Odstupanje: Složeni uvjeti"}));
    EXPECT_EQ(calculationDocument(in, kBands).subject[0].label, "Usluga");

    in.lblSumamin = kNoRange;
    in.lblCmax = "6.475,00";
    in.lblOdabir = "6.475,00";
    in.txtPopust = "0";
    in.txtDodaj = "0";
    in.TekstOdstupanja = "";
    rows = rowTexts(calculationDocument(in, kBands));
    EXPECT_EQ(rows, (std::vector<std::string>{"Osnovna cijena|||6.475,00|6.475,00",
                                              "Ukupno bez poreza|6.475,00", "Porez 22 %|1.424,50",
                                              "Sveukupno|7.899,50 kn"}));
}

} // namespace
} // namespace tarvel::records
