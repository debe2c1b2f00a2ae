// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "forms/client_document.h"
#include "forms/platform.h"

namespace tarvel::forms {

// What typesets a client document: a platform that can implements this beside Platform (the
// Qt platform with Qt's text document, the recording platforms by noting the job). Printing
// the program's text files stays with Platform::printDocument.
class DocumentPrinter {
public:
    virtual ~DocumentPrinter() = default;
    // Prints the document on the default printer, shows it in a print preview (from which it
    // can be printed or saved as a PDF file) or saves it as a PDF file, with the pages that
    // paginate() gives. Returns the failure's description, or nothing when the document went
    // out or the user cancelled.
    virtual std::optional<std::string> printClientDocument(const ClientDocument& document,
                                                           PrintTarget target) = 0;
};

// The platform's typesetter, or nullptr where it has none.
inline DocumentPrinter* documentPrinter(Platform& platform) {
    return dynamic_cast<DocumentPrinter*>(&platform);
}

} // namespace tarvel::forms
