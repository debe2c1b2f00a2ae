// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "forms/platform.h"

// The page layout of a printed text file: a title at the head of every page, up to 68 lines
// of the file below it, and "Strana n" at the foot. Lines are taken one at a time, so a file
// of any size prints in constant memory.
namespace tarvel::records {

inline constexpr int kLinesPerPage = 68;

// The lines of a document, one at a time.
class LineSource {
public:
    virtual ~LineSource() = default;
    // The next line, or false at the end.
    virtual bool next(std::string& line) = 0;
};

// Where the layout puts things, in centimetres on the printable area.
struct PagePositions {
    double top = 1.0;          // the title's line
    double bodyLeft = 1.5;     // the file's lines
    double footerLeft = 0;     // "Strana n"
    double footerTop = 0;      // above the bottom edge
    double firstTitleLeft = 0; // the title on page 1
    double titleLeft = 0;      // the title on later pages
    double lineHeight = 0;     // the distance of lines
};

// The positions on a page of this size for this title. The offer's title stands 0,7 cm
// further right from page 2 on. Lines are spaced by the font's line height, closed up when
// needed so that the title and 68 lines stay above the footer.
PagePositions pagePositions(const std::string& title, double widthCm, double heightCm,
                            double fontLineHeightCm);

// Lays the lines out on the surface, starting on its first page; returns the number of pages.
int layOutPages(const std::string& title, LineSource& lines, forms::PrintSurface& surface);

} // namespace tarvel::records
