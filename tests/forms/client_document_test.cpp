// SPDX-License-Identifier: GPL-3.0-or-later
// Where the pages of a client document break: the typesetter keeps to these breaks, and the
// scenario runner counts the pages by them.
#include <gtest/gtest.h>

#include <string>

#include "forms/client_document.h"

namespace tarvel::forms {
namespace {

using namespace page_measure;

TEST(ClientDocument, TextWrapsAtTheCharactersItsColumnHolds) {
    const int full = kLineChars - 2; // a cell across the whole width
    const struct {
        std::string text;
        int width;
        int lines;
    } cases[] = {
        {"", 100, 1},
        {std::string(static_cast<size_t>(full), 'x'), 100, 1},
        {std::string(static_cast<size_t>(full) + 1, 'x'), 100, 2},
        {"a\nb\n", 100, 3},
        // Croatian letters are one character each, not two bytes.
        {"čćđšž" + std::string(static_cast<size_t>(full) - 5, 'x'), 100, 1},
        {"Korigirana vrijednost (kn)", 20, 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(textLines(c.text, c.width), c.lines) << c.text << " in " << c.width << " %";
}

ClientDocument withRows(int rows, int notes) {
    ClientDocument d;
    d.title = "Naslov";
    d.subject = {{"Građevina", "Kuća"}};
    d.columns = {{"Opis", 70, Align::Left}, {"Iznos", 30, Align::Right}};
    for (int i = 0; i < rows; ++i)
        d.rows.push_back({{{"Stavka " + std::to_string(i)}, {"1,00", Align::Right}}});
    for (int i = 0; i < notes; ++i)
        d.notes.push_back("Napomena");
    return d;
}

TEST(ClientDocument, PagesHoldWhatFitsAndNeverSplitARow) {
    // The first page gives room to the letterhead, the title and one subject line.
    const int firstPageRows = kPageLines - kLetterheadLines - kTitleLines - 2 - 1;
    const int furtherPageRows = kPageLines - kRunningHeadLines - 1;

    auto pages = paginate(withRows(0, 0));
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(pages[0].notes);

    pages = paginate(withRows(firstPageRows, 0));
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].endRow, static_cast<size_t>(firstPageRows));

    pages = paginate(withRows(firstPageRows + furtherPageRows + 1, 0));
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[1].firstRow, static_cast<size_t>(firstPageRows));
    EXPECT_EQ(pages[1].endRow - pages[1].firstRow, static_cast<size_t>(furtherPageRows));
    EXPECT_EQ(pages[2].endRow - pages[2].firstRow, 1u);
    EXPECT_FALSE(pages[1].notes);
    EXPECT_TRUE(pages[2].notes);

    // A row of two lines that no longer fits goes whole to the next page.
    ClientDocument tall = withRows(firstPageRows - 1, 0);
    tall.rows.push_back({{{"prvi\ndrugi redak"}, {"1,00", Align::Right}}});
    pages = paginate(tall);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[1].firstRow, static_cast<size_t>(firstPageRows - 1));

    // Notes that do not fit under the last row get a page of their own.
    pages = paginate(withRows(firstPageRows, 1));
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_FALSE(pages[0].notes);
    EXPECT_EQ(pages[1].firstRow, pages[1].endRow);
    EXPECT_TRUE(pages[1].notes);
}

} // namespace
} // namespace tarvel::forms
