// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator/print_command.h"

#include "calculator/calculator.h"
#include "records/print_routine.h"

namespace tarvel::calculator {

void IspisiDatoteku(Calculator& calc, const std::string& fileName, forms::PrintTarget target) {
    records::printFile(calc.platform(), fileName, calc.state().NaslovIspisa, target);
    calc.state().NaslovIspisa = "";
}

} // namespace tarvel::calculator
