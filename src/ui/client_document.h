// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "forms/client_document.h"

class QPagedPaintDevice;

namespace tarvel::ui {

// Typesets a client document with Qt's text document on A4 pages of a printer, a print
// preview or a PDF writer: the letterhead and the subject on the first page, the table with
// right-aligned amounts broken where forms::paginate() breaks it, the notes after it, and on
// every page a footer with the office's name and "Stranica N od M". The text is set in DejaVu
// Sans, which has every Croatian letter, and a PDF embeds it. Returns the failure's
// description, or nothing.
std::optional<std::string> typesetDocument(QPagedPaintDevice& device,
                                           const forms::ClientDocument& document);

// Writes the document as a PDF file of A4 pages.
std::optional<std::string> saveDocumentPdf(const QString& file,
                                           const forms::ClientDocument& document);

// The height, in points, that the content of each page takes and the height its page has for
// it: what pagination put on a page must fit there.
struct PageFit {
    double needed = 0;
    double available = 0;
};
std::vector<PageFit> measurePages(const forms::ClientDocument& document);

} // namespace tarvel::ui
