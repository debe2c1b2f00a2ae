// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "forms/client_document.h"
#include "forms/platform.h"

namespace tarvel::calculator {

class Calculator;

// The command "Dokument" of a window: the document it built, under the office's letterhead and
// dated today, shown in a print preview from which it is printed or saved as a PDF file. A
// failure is reported as printing reports one.
void showClientDocument(Calculator& calc, forms::ClientDocument document,
                        forms::PrintTarget target = forms::PrintTarget::Preview);

// The tooltip of a window's "Dokument" command with the key that runs it ("F7", "Alt+D").
inline std::string documentToolTip(const std::string& key) {
    return "Dokument za klijenta: pregled, ispis ili PDF (" + key + ")";
}

} // namespace tarvel::calculator
