// SPDX-License-Identifier: GPL-3.0-or-later
#include "estimator/estimate_report.h"

#include "forms/control.h"

namespace tarvel::estimator {

namespace {

size_t characters(const std::string& text) {
    return forms::toU32(text).size();
}

// Spaces that bring a text of this length up to the width; none when it is wider already.
std::string pad(size_t width, const std::string& text) {
    const size_t n = characters(text);
    return std::string(n < width ? width - n : 0, ' ');
}

std::string groupLine(std::string_view caption, const std::string& share, const std::string& amount,
                      const std::string& currency) {
    const std::string label(caption);
    return label + pad(27, label) + share + pad(5, share) + "%, " + pad(12, amount) + amount +
           currency + "\n";
}

} // namespace

std::string estimateReport(const ReportInput& in) {
    const std::string currency = " " + in.currency;
    const std::string perMetre = currency + "/m2";
    std::string r;
    r += "Tip građevine: " + in.typeCaption + "\n";
    r += "Bruto površina " + in.area + " m2\n";
    r += "Okvirni troškovi " + in.cost + perMetre + "\n";
    r += "\n";
    r += "Grupa troškova 300\n";
    for (size_t i = 0; i < in.construction.size(); ++i)
        r += groupLine(constructionCaptions()[i], in.constructionShares[i], in.construction[i],
                       currency);
    r += "Građenje ukupno: " + pad(30, in.constructionTotal) + in.constructionTotal + currency +
         " ili  " + in.constructionPercent + " %\n";
    r += "\n";
    r += "Grupa troškova 400\n";
    for (size_t i = 0; i < in.installations.size(); ++i)
        r += groupLine(installationCaptions()[i], in.installationShares[i], in.installations[i],
                       currency);
    r += "Instalacije ukupno: " + pad(27, in.installationTotal) + in.installationTotal + currency +
         " ili  " + in.installationPercent + " %\n";
    r += "\n";
    r += "Okvirni troškovi ukupno: " + pad(22, in.wholeValue) + in.wholeValue + currency + " ili " +
         in.shareSum + " %\n";
    return r;
}

std::string estimateFileText(const ReportInput& in) {
    return estimateReport(in) + "\n";
}

} // namespace tarvel::estimator
