// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "forms/platform.h"

namespace tarvel::records {

// What a print reports on a machine without a printer.
inline constexpr char kNoPrinter[] = "Nije instaliran nijedan pisač.";

// Prints a text file of the program directory under a title. The busy pointer shows
// meanwhile. A file that cannot be read or a printer that fails gives the message
// "Greška : ..." and nothing is printed. `target` sends the same pages to a print preview or
// a PDF file instead.
void printFile(forms::Platform& platform, const std::string& fileName, const std::string& title,
               forms::PrintTarget target);

} // namespace tarvel::records
