// SPDX-License-Identifier: GPL-3.0-or-later
#include "offer/offer_document.h"

#include "forms/control.h"
#include "forms/number_text.h"
#include "records/calculation_document.h"

namespace tarvel::offer {

using forms::Align;
using forms::DocumentCell;
using forms::DocumentRow;
using forms::fmt;
using forms::kMoney;
using forms::num;
using forms::RowStyle;
using forms::withoutAccelerator;

namespace {

DocumentCell amount(const std::string& text) {
    return {text, Align::Right};
}

// A corrected cost as money, or the words the window shows in its place ("prema iskustvu").
std::string moneyOrWords(const std::string& caption) {
    try {
        return fmt(num(caption), kMoney);
    } catch (const forms::ConversionError&) {
        const size_t end = caption.find_last_not_of(' ');
        return caption.substr(0, end == std::string::npos ? 0 : end + 1);
    }
}

DocumentRow totalRow(const std::string& label, const std::string& value, const std::string& share,
                     RowStyle style) {
    return {{{label, Align::Left, 3}, amount(value), amount(share)}, style};
}

} // namespace

forms::ClientDocument offerDocument(const OfferFigures& f) {
    forms::ClientDocument d;
    d.title = kOfferTitle;
    if (!f.txtNaziv.empty() && f.txtNaziv != records::kNoBuildingName)
        d.subject.push_back({"Građevina", f.txtNaziv});
    d.subject.push_back(
        {"Vrijednost građevine", fmt(f.VrijednostGradjevine, kMoney) + " " + f.currency});
    const std::string currency = " (" + f.currency + ")";
    d.columns = {{"Struka", 25, Align::Left},
                 {"Proračunska\nvrijednost" + currency, 21, Align::Right},
                 {"Korigirana\nvrijednost" + currency, 21, Align::Right},
                 {"Cijena\nusluge" + currency, 21, Align::Right},
                 {"Udio", 12, Align::Right}};
    for (int i = 0; i < kRows; ++i) {
        const OfferRowFigures& row = f.rows[static_cast<size_t>(i)];
        if (num(row.lblC) == 0)
            continue;
        d.rows.push_back({{{withoutAccelerator(discipline(i).buttonCaption)},
                           amount(fmt(num(row.lblPt), kMoney)),
                           amount(moneyOrWords(row.lblKt)),
                           amount(fmt(num(row.lblC), kMoney)),
                           amount(row.lblP + " %")}});
    }
    const double total = num(f.lblUkupno);
    d.rows.push_back(
        totalRow("Ponuda ukupno bez poreza", fmt(total, kMoney), f.lblPu + " %", RowStyle::Total));
    d.rows.push_back(totalRow("Porez " + forms::plainText(f.Stopa * 100) + " %",
                              fmt(total * f.Stopa, kMoney), "", RowStyle::Body));
    d.rows.push_back(totalRow("Ponuda sveukupno",
                              fmt(total * (1 + f.Stopa), kMoney) + " " + f.currency, "",
                              RowStyle::GrandTotal));
    d.notes.push_back("Cijena usluga bez poreza iznosi " + f.lblPu +
                      " % proračunske vrijednosti građevine.");
    return d;
}

} // namespace tarvel::offer
