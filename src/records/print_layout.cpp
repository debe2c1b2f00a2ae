// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/print_layout.h"

#include <algorithm>

namespace tarvel::records {

namespace {

constexpr double kFooterAboveBottom = 1.3;
constexpr double kHalfFooter = 0.7; // "Strana n" is centred about the middle
constexpr double kHalfTitle = 2.0;  // most titles
constexpr double kHalfOffer = 0.7;  // the offer's short title, on page 1
constexpr char kOfferTitle[] = "Ponuda";

} // namespace

PagePositions pagePositions(const std::string& title, double widthCm, double heightCm,
                            double fontLineHeightCm) {
    PagePositions p;
    const double middle = widthCm / 2;
    const bool offer = title == kOfferTitle;
    p.firstTitleLeft = middle - (offer ? kHalfOffer : kHalfTitle);
    p.titleLeft = offer ? middle : middle - kHalfTitle;
    p.footerLeft = middle - kHalfFooter;
    p.footerTop = heightCm - kFooterAboveBottom;
    // The title and 68 lines end where the footer begins.
    const double room = (p.footerTop - p.top) / (kLinesPerPage + 1);
    p.lineHeight = room > 0 ? std::min(fontLineHeightCm, room) : fontLineHeightCm;
    return p;
}

int layOutPages(const std::string& title, LineSource& lines, forms::PrintSurface& surface) {
    const PagePositions p =
        pagePositions(title, surface.widthCm(), surface.heightCm(), surface.lineHeightCm());
    int page = 1;
    double y = p.top;
    surface.printText(p.firstTitleLeft, y, title);
    y += p.lineHeight;
    int onPage = 0;
    std::string line;
    while (lines.next(line)) {
        surface.printText(p.bodyLeft, y, line);
        y += p.lineHeight;
        if (++onPage == kLinesPerPage) {
            surface.printText(p.footerLeft, p.footerTop, "Strana " + std::to_string(page));
            surface.newPage();
            ++page;
            onPage = 0;
            y = p.top;
            surface.printText(p.titleLeft, y, title);
            y += p.lineHeight;
        }
    }
    surface.printText(p.footerLeft, p.footerTop, "Strana " + std::to_string(page));
    return page;
}

} // namespace tarvel::records
