// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

#include "forms/client_document.h"
#include "offer/disciplines.h"

namespace tarvel::offer {

// One row of the offer composer as it is displayed.
struct OfferRowFigures {
    std::string lblPt; // budget value from the estimate
    std::string lblKt; // corrected cost, or "prema iskustvu" for a fee entered by hand
    std::string lblC;  // fee
    std::string lblP;  // share of the building's value in per cent
};

// What the offer window shows, and what it reads from the main window.
struct OfferFigures {
    std::string txtNaziv; // the building, from the main window
    std::string currency; // the main window's lblValutaFaza
    double Stopa = 0;
    double VrijednostGradjevine = 0;
    std::array<OfferRowFigures, kRows> rows{};
    std::string lblUkupno; // sum of the fees
    std::string lblPu;     // sum of the shares
};

// The offer as a document for the client: a section per discipline that holds a fee, in row
// order, with its budget value, corrected cost, fee and share; then the offer's total, its
// tax and its grand total with the currency. Throws forms::ConversionError for a caption that
// is not a number.
forms::ClientDocument offerDocument(const OfferFigures& figures);

inline constexpr const char* kOfferTitle = "Ponuda usluga";

} // namespace tarvel::offer
