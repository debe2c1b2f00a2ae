// SPDX-License-Identifier: GPL-3.0-or-later
#include "estimator/estimate_document.h"

#include <span>

#include "records/calculation_document.h"

namespace tarvel::estimator {

using forms::Align;
using forms::DocumentCell;
using forms::DocumentRow;
using forms::RowStyle;

namespace {

DocumentCell amount(const std::string& text) {
    return {text, Align::Right};
}

// The groups of one table: "310  Građevna jama" as its number and its name.
void addGroups(forms::ClientDocument& d, std::span<const std::string_view> captions,
               std::span<const std::string> shares, std::span<const std::string> amounts) {
    for (size_t i = 0; i < captions.size(); ++i) {
        const std::string caption(captions[i]);
        const size_t space = caption.find(' ');
        const size_t name = caption.find_first_not_of(' ', space);
        d.rows.push_back({{{caption.substr(0, space)},
                           {name == std::string::npos ? "" : caption.substr(name)},
                           amount(shares[i] + " %"),
                           amount(amounts[i])}});
    }
}

DocumentRow totalRow(const std::string& label, const std::string& share, const std::string& value,
                     RowStyle style) {
    return {{{label, Align::Left, 2}, amount(share + " %"), amount(value)}, style};
}

} // namespace

forms::ClientDocument estimateDocument(const ReportInput& in, const std::string& building) {
    // The currency as the report names it.
    const std::string& currency = in.currency;
    forms::ClientDocument d;
    d.title = kEstimateTitle;
    if (!building.empty() && building != records::kNoBuildingName)
        d.subject.push_back({"Građevina", building});
    d.subject.push_back({"Tip građevine", in.typeCaption});
    d.subject.push_back({"Bruto površina", in.area + " m²"});
    d.subject.push_back({"Okvirni troškovi", in.cost + " " + currency + "/m²"});
    d.columns = {{"Skupina", 11, Align::Left},
                 {"Vrsta troškova", 45, Align::Left},
                 {"Udio", 16, Align::Right},
                 {"Iznos (" + currency + ")", 28, Align::Right}};
    d.rows.push_back({{{"Grupa troškova 300: građenje", Align::Left, 4}}, RowStyle::Section});
    addGroups(d, constructionCaptions(), in.constructionShares, in.construction);
    d.rows.push_back(
        totalRow("Građenje ukupno", in.constructionPercent, in.constructionTotal, RowStyle::Total));
    d.rows.push_back({{{"Grupa troškova 400: instalacije", Align::Left, 4}}, RowStyle::Section});
    addGroups(d, installationCaptions(), in.installationShares, in.installations);
    d.rows.push_back(totalRow("Instalacije ukupno", in.installationPercent, in.installationTotal,
                              RowStyle::Total));
    d.rows.push_back(totalRow("Okvirni troškovi ukupno", in.shareSum,
                              in.wholeValue + " " + currency, RowStyle::GrandTotal));
    return d;
}

} // namespace tarvel::estimator
