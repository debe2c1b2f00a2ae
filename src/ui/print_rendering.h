// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>
#include <string>

#include "forms/platform.h"

class QPrinter;

namespace tarvel::ui {

// Draws a laid-out document on a QPrinter (the printer, a PDF file or the page of a print
// preview) in a fixed-pitch 10 pt font with the Croatian letters, positions in centimetres on
// the printable area. Returns the failure's description, or nothing; a failed job is aborted.
std::optional<std::string> renderOn(QPrinter& printer, const forms::PrintRender& render);

// Writes the document as a PDF file of A4 pages.
std::optional<std::string> savePdf(const QString& file, const std::string& title,
                                   const forms::PrintRender& render);

} // namespace tarvel::ui
