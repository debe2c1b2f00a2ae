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
// the printable area. A long document shows its progress page by page in a dialog that can
// cancel it. Returns the failure's description, or nothing; a failed or cancelled job is
// aborted, and `cancelled` (if given) tells whether the user cancelled it.
std::optional<std::string> renderOn(QPrinter& printer, const forms::PrintRender& render,
                                    bool* cancelled = nullptr);

// Writes the document as a PDF file of A4 pages; a cancelled one leaves no file.
std::optional<std::string> savePdf(const QString& file, const std::string& title,
                                   const forms::PrintRender& render);

} // namespace tarvel::ui
