// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "forms/platform.h"

namespace tarvel::calculator {
class Calculator;
}

namespace tarvel::records {

// What a print reports on a machine without a printer.
inline constexpr char kNoPrinter[] = "Nije instaliran nijedan pisač.";

// Prints a text file of the program directory under the title the caller put into
// `NaslovIspisa`, which is emptied afterwards. The busy pointer shows meanwhile. A file that
// cannot be read or a printer that fails gives the message "Greška : ..." and nothing is
// printed. `target` sends the same pages to a print preview or a PDF file instead.
void IspisiDatoteku(calculator::Calculator& calc, const std::string& fileName,
                    forms::PrintTarget target = forms::PrintTarget::Printer);

} // namespace tarvel::records
