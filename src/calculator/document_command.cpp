// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator/document_command.h"

#include <optional>
#include <string>

#include "calculator/calculator.h"
#include "calculator/office.h"

namespace tarvel::calculator {

void showClientDocument(Calculator& calc, forms::ClientDocument document,
                        forms::PrintTarget target) {
    forms::Platform& platform = calc.platform();
    document.office = readOffice(platform.settings());
    document.placeAndDate = placeAndDate(document.office.adresa, today());
    const std::optional<std::string> failure = platform.printClientDocument(document, target);
    if (failure)
        platform.messageBox(forms::MsgIcon::Critical, forms::MsgButtons::Ok, " Ispis podataka",
                            "Greška : " + *failure);
}

} // namespace tarvel::calculator
