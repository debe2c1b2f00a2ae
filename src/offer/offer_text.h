// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

#include "offer/disciplines.h"

// The text of the offer file: the sections of the disciplines, the sections of fees entered by
// hand and the offer totals. Lines are joined by CR LF; amounts end in column 73 when the
// currency has two characters.
namespace tarvel::offer {

inline constexpr const char* kCrLf = "\r\n";

// The body (`TijeloPonude`): every section that is not empty, in row order, each followed by
// two line breaks.
std::string SastaviPonudu(const std::array<std::string, kRows>& sections);

// The totals block, as displayed by the offer window.
struct OfferTotals {
    std::string lblUkupno; // sum of the fees, "#,0.00"
    std::string lblPu;     // sum of the shares, a plain number
    std::string currency;  // the main window's lblValutaFaza
    double Stopa = 0;
};
// Begins with a line break; throws forms::ConversionError when lblUkupno is not a number.
std::string offerTotalsBlock(const OfferTotals& totals);

// A fee entered by hand for one row.
struct HandEntry {
    std::string txtNaziv; // the building name
    std::string title;    // the row's title, "VODOVOD, ODVOD I PLIN"
    std::string lblPt;    // the row's budget value as displayed
    std::string answer;   // the fee as the user typed it
    std::string fee;      // the fee as displayed (the answer formatted "#0,0.00")
    std::string currency;
    double Stopa = 0;
};
// The row's section: an empty line, the building, the title, the budget value, the fee, its
// tax and its grand total.
std::string handEnteredSection(const HandEntry& entry);
// `RucniTekst`: the fee followed by its tax line and grand-total line.
std::string handEnteredFeeText(const HandEntry& entry);

// What a write of the offer file puts in it: the body, the totals when there are any, and a
// line break.
std::string offerFileText(const std::string& body, const std::string& totals = "");

} // namespace tarvel::offer
