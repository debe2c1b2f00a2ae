// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "forms/platform.h"

namespace tarvel::comparison {

// The title on every printed page of the comparison.
inline constexpr char kPrintTitle[] = "Usporedba cijena";

// Prints the lines on the printer in the page layout of the program's text files (the title at
// the head of every page, the page number at the foot). A printer that fails gives the message
// "Greška : ..." as every print of the program does.
void printComparison(forms::Platform& platform, const std::vector<std::string>& lines);

} // namespace tarvel::comparison
