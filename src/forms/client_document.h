// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// A document a client can be sent: a calculation, an offer or an estimate, typeset on A4 pages
// under the office's letterhead. The windows build it from the values they show, the same
// values their text files are made of; the platform only typesets it
// (Platform::printClientDocument).
namespace tarvel::forms {

enum class Align { Left, Right, Centre };

struct DocumentCell {
    std::string text; // may hold "\n" for a line break within the cell
    Align align = Align::Left;
    int span = 1; // the number of columns the cell covers
};

enum class RowStyle {
    Body,
    Section,   // a heading within the table ("Grupa troškova 300")
    Total,     // a sum, set off by a rule above it
    GrandTotal // what the client pays, in bold
};

struct DocumentRow {
    std::vector<DocumentCell> cells;
    RowStyle style = RowStyle::Body;
};

struct DocumentColumn {
    std::string heading;
    int width = 0; // per cent of the table's width; the columns add up to 100
    Align align = Align::Left;
};

// The office's own details at the head of the first page; every field may be empty.
struct Letterhead {
    std::string naziv;
    std::string adresa;
    std::string oib;
    std::string telefon;
    std::string eposta;
    std::string web;
    std::string logo; // the path of an image file
};

// One line of the block that says what the document is about: "Građevina", "Usluga", ...
struct DocumentField {
    std::string label;
    std::string value;
};

struct ClientDocument {
    std::string title; // also the name of the print job
    Letterhead office;
    std::string placeAndDate; // "Zagreb, 5. ožujka 2026."
    std::vector<DocumentField> subject;
    std::vector<DocumentColumn> columns;
    std::vector<DocumentRow> rows;
    std::vector<std::string> notes; // paragraphs after the table
};

// The measures that pagination counts in and that the typesetter keeps to: a page's body
// holds kPageLines lines of 10 pt text (a table row of one line is one line), a line across
// the body holds at least kLineChars characters.
namespace page_measure {
inline constexpr int kPageLines = 44;
inline constexpr int kLineChars = 84;
inline constexpr int kLetterheadLines = 7; // the letterhead, the place and the date
inline constexpr int kTitleLines = 3;
inline constexpr int kRunningHeadLines = 2; // the head of every further page
inline constexpr int kLabelWidth = 32;      // per cent of the width for a subject's label
} // namespace page_measure

// The rows [firstRow, endRow) of the table on one page; the notes close the last page.
struct DocumentPage {
    std::size_t firstRow = 0;
    std::size_t endRow = 0;
    bool notes = false;
};

// The lines a text takes in a column of this width (per cent of the body): each line of the
// text wraps at the characters that fit; an empty text takes one line.
int textLines(const std::string& text, int widthPercent);
// The lines a row of the table takes: its tallest cell.
int rowLines(const ClientDocument& document, const DocumentRow& row);
// The lines the column headings take.
int headingLines(const ClientDocument& document);

// Where the pages of the document break. The first page holds the letterhead, the title and
// the subject; a row never breaks across pages; the notes follow the last row, on a page of
// their own when they do not fit under it. Every document has at least one page.
std::vector<DocumentPage> paginate(const ClientDocument& document);

} // namespace tarvel::forms
