// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "forms/platform.h"

namespace tarvel::calculator {

class Calculator;

// Prints a text file of the program directory under the title the caller put into
// `NaslovIspisa`, which is emptied afterwards; see records::printFile.
void IspisiDatoteku(Calculator& calc, const std::string& fileName,
                    forms::PrintTarget target = forms::PrintTarget::Printer);

} // namespace tarvel::calculator
