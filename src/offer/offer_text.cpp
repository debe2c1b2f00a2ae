// SPDX-License-Identifier: GPL-3.0-or-later
#include "offer/offer_text.h"

#include "records/text_columns.h"

#include <string_view>
#include <vector>

#include "forms/number_text.h"

namespace tarvel::offer {
namespace {

using records::len;
using records::sp;

using forms::fmt;
using forms::num;

constexpr std::string_view kIndent = "   ";
constexpr std::string_view kTotalsIndent = "          ";

std::string rateText(double stopa) {
    return forms::plainText(stopa * 100);
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string out;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            out += kCrLf;
        out += lines[i];
    }
    return out;
}

// The tax and grand-total lines of a fee entered by hand.
std::vector<std::string> handTotals(const HandEntry& e) {
    const double fee = num(e.fee);
    const std::string tax = fmt(fee * e.Stopa, "#,0.00");
    const std::string grand = fmt(fee * (1 + e.Stopa), "#,0.00");
    return {std::string(kTotalsIndent) + "Porez " + rateText(e.Stopa) + " %: " + e.currency +
                sp(49 - len(tax)) + tax,
            std::string(kTotalsIndent) + "S V E U K U P N O: " + e.currency + sp(42 - len(grand)) +
                grand};
}

} // namespace

std::string SastaviPonudu(const std::array<std::string, kRows>& sections) {
    std::string body;
    for (const std::string& section : sections) {
        if (!section.empty())
            body += section + kCrLf + kCrLf;
    }
    return body;
}

std::string offerTotalsBlock(const OfferTotals& t) {
    const double total = num(t.lblUkupno);
    const std::string tax = fmt(total * t.Stopa, "#,0.00");
    const std::string grand = fmt(total * (1 + t.Stopa), "#,0.00");
    return joinLines({
        std::string(kCrLf) + std::string(kTotalsIndent) +
            "P O N U D A   U K U P N O: " + t.currency + sp(34 - len(t.lblUkupno)) + t.lblUkupno,
        std::string(kTotalsIndent) + "Porez ukupno " + rateText(t.Stopa) + " %: " + t.currency +
            sp(42 - len(tax)) + tax,
        std::string(kTotalsIndent) + "P O N U D A   S V E U K U P N O: " + t.currency +
            sp(28 - len(grand)) + grand,
        "",
        std::string(kIndent) + "što je " + t.lblPu + " % od investicijske vrijednosti (bez poreza)",
    });
}

std::string handEnteredSection(const HandEntry& e) {
    std::vector<std::string> lines = {
        "",
        std::string(kIndent) + e.txtNaziv,
        std::string(kIndent) + e.title,
        // This label is spelt with "ć", unlike the record's "Proračunska vrijednost".
        std::string(kIndent) + "Proraćunska vrijednost " + e.lblPt,
        std::string(kIndent) + "Vrijednost usluge procijenjena na: " + e.currency +
            sp(29 - len(e.answer)) + e.fee,
    };
    for (std::string& line : handTotals(e))
        lines.push_back(std::move(line));
    return joinLines(lines);
}

std::string handEnteredFeeText(const HandEntry& e) {
    std::vector<std::string> lines = {e.fee};
    for (std::string& line : handTotals(e))
        lines.push_back(std::move(line));
    return joinLines(lines);
}

std::string offerFileText(const std::string& body, const std::string& totals) {
    return body + totals + kCrLf;
}

} // namespace tarvel::offer
