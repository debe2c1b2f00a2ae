// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/client_document.h"

#include <algorithm>

#include "forms/utf8.h"

namespace tarvel::forms {

using namespace page_measure;

int textLines(const std::string& text, int widthPercent) {
    // A cell loses a character on each side to its padding.
    const int fits = std::max(1, kLineChars * widthPercent / 100 - 2);
    int lines = 0;
    size_t from = 0;
    for (;;) {
        const size_t end = text.find('\n', from);
        const std::string line = text.substr(from, end == std::string::npos ? end : end - from);
        const int characters = static_cast<int>(toU32(line).size());
        lines += std::max(1, (characters + fits - 1) / fits);
        if (end == std::string::npos)
            return lines;
        from = end + 1;
    }
}

namespace {

// The width of a cell that begins in column `column` and spans `span` columns.
int spanWidth(const ClientDocument& document, size_t column, int span) {
    int width = 0;
    for (size_t c = column; c < document.columns.size() && c < column + static_cast<size_t>(span);
         ++c)
        width += document.columns[c].width;
    return width > 0 ? width : 100;
}

int firstPageLines(const ClientDocument& document) {
    int lines = kLetterheadLines + kTitleLines;
    for (const DocumentField& field : document.subject)
        lines += textLines(field.value, 100 - kLabelWidth);
    return lines + 1;
}

int notesLines(const ClientDocument& document) {
    int lines = document.notes.empty() ? 0 : 1;
    for (const std::string& note : document.notes)
        lines += textLines(note, 100);
    return lines;
}

} // namespace

int rowLines(const ClientDocument& document, const DocumentRow& row) {
    int lines = 1;
    size_t column = 0;
    for (const DocumentCell& cell : row.cells) {
        lines = std::max(lines, textLines(cell.text, spanWidth(document, column, cell.span)));
        column += static_cast<size_t>(std::max(1, cell.span));
    }
    return lines;
}

int headingLines(const ClientDocument& document) {
    int lines = 1;
    for (const DocumentColumn& column : document.columns)
        lines = std::max(lines, textLines(column.heading, column.width));
    return lines;
}

std::vector<DocumentPage> paginate(const ClientDocument& document) {
    const int heading = document.columns.empty() ? 0 : headingLines(document);
    std::vector<DocumentPage> pages(1);
    int used = firstPageLines(document) + heading;
    for (size_t r = 0; r < document.rows.size(); ++r) {
        const int lines = rowLines(document, document.rows[r]);
        DocumentPage& page = pages.back();
        if (used + lines > kPageLines && page.endRow > page.firstRow) {
            pages.push_back({r, r, false});
            used = kRunningHeadLines + heading;
        }
        pages.back().endRow = r + 1;
        used += lines;
    }
    if (used + notesLines(document) > kPageLines && !document.notes.empty()) {
        const size_t end = pages.back().endRow;
        pages.push_back({end, end, false});
    }
    pages.back().notes = true;
    return pages;
}

} // namespace tarvel::forms
