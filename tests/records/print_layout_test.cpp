// SPDX-License-Identifier: GPL-3.0-or-later
// The printed page layout: titles, 68 lines a page, the page footers and their positions, and
// the reading of Windows-1250 files line by line.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <vector>

#include "records/print_file_lines.h"
#include "records/print_layout.h"

namespace tarvel::records {
namespace {

struct Item {
    int page;
    double x, y;
    std::string text;
};

// An A4-sized surface that keeps what was printed where.
class RecordingSurface : public forms::PrintSurface {
public:
    explicit RecordingSurface(double lineHeight = 0.4) : lineHeight_(lineHeight) {}
    double widthCm() const override { return 19.0; }
    double heightCm() const override { return 28.0; }
    double lineHeightCm() const override { return lineHeight_; }
    void printText(double x, double y, const std::string& text) override {
        items.push_back({page, x, y, text});
    }
    void newPage() override { ++page; }

    std::vector<Item> onPage(int p) const {
        std::vector<Item> found;
        for (const Item& i : items) {
            if (i.page == p)
                found.push_back(i);
        }
        return found;
    }
    int page = 1;
    std::vector<Item> items;

private:
    double lineHeight_;
};

class NumberedLines : public LineSource {
public:
    explicit NumberedLines(int count) : count_(count) {}
    bool next(std::string& line) override {
        if (at_ == count_)
            return false;
        line = "line " + std::to_string(++at_);
        return true;
    }

private:
    int count_;
    int at_ = 0;
};

int layOut(const std::string& title, int lines, RecordingSurface& surface) {
    NumberedLines source(lines);
    return layOutPages(title, source, surface);
}

// Sixty-eight lines fill a page: the next page holds the title and footer, and a 69th line
// stands where line 1 stood.
TEST(PrintLayout, SixtyEightLinesFillAPage) {
    RecordingSurface s;
    EXPECT_EQ(layOut("Pohranjeni izračuni", 68, s), 2);
    const auto one = s.onPage(1);
    ASSERT_EQ(one.size(), 70u);
    EXPECT_EQ(one.front().text, "Pohranjeni izračuni");
    EXPECT_EQ(one[1].text, "line 1");
    EXPECT_EQ(one[68].text, "line 68");
    EXPECT_EQ(one.back().text, "Strana 1");
    const auto two = s.onPage(2);
    ASSERT_EQ(two.size(), 2u);
    EXPECT_EQ(two[0].text, "Pohranjeni izračuni");
    EXPECT_EQ(two[1].text, "Strana 2");

    RecordingSurface more;
    EXPECT_EQ(layOut("Pohranjeni izračuni", 69, more), 2);
    const auto next = more.onPage(2);
    ASSERT_EQ(next.size(), 3u);
    EXPECT_EQ(next[1].text, "line 69");
    EXPECT_DOUBLE_EQ(next[1].y, more.onPage(1)[1].y);
    EXPECT_DOUBLE_EQ(next[1].x, 1.5);
}

TEST(PrintLayout, EmptyFileAndLongFiles) {
    RecordingSurface empty;
    EXPECT_EQ(layOut("Ponuda", 0, empty), 1);
    ASSERT_EQ(empty.items.size(), 2u);
    EXPECT_EQ(empty.items[1].text, "Strana 1");

    RecordingSurface many;
    EXPECT_EQ(layOut("Ponuda", 68 * 150 + 1, many), 151);
    EXPECT_EQ(many.items.back().text, "Strana 151");
    EXPECT_EQ(many.page, 151);
}

TEST(PrintLayout, TitleAndFooterPositions) {
    RecordingSurface offer;
    layOut("Ponuda", 100, offer);
    EXPECT_DOUBLE_EQ(offer.onPage(1)[0].x, 9.5 - 0.7);
    EXPECT_DOUBLE_EQ(offer.onPage(2)[0].x, 9.5); // further right on later pages
    EXPECT_DOUBLE_EQ(offer.onPage(1)[0].y, 1.0);
    EXPECT_DOUBLE_EQ(offer.onPage(2)[0].y, 1.0);

    RecordingSurface estimate;
    layOut("Proračunska vrijednost", 100, estimate);
    EXPECT_DOUBLE_EQ(estimate.onPage(1)[0].x, 9.5 - 2.0);
    EXPECT_DOUBLE_EQ(estimate.onPage(2)[0].x, 9.5 - 2.0);
    for (int p : {1, 2}) {
        const Item footer = estimate.onPage(p).back();
        EXPECT_DOUBLE_EQ(footer.x, 9.5 - 0.7);
        EXPECT_DOUBLE_EQ(footer.y, 28.0 - 1.3);
    }
}

// Lines follow each other at the font's line height, closed up only when the title and 68
// lines would otherwise run into the footer.
TEST(PrintLayout, LinesStayAboveTheFooter) {
    RecordingSurface small(0.3);
    layOut("Ponuda", 68, small);
    auto page = small.onPage(1);
    EXPECT_DOUBLE_EQ(page[1].y, 1.3);
    EXPECT_NEAR(page[68].y, 1.0 + 68 * 0.3, 1e-9);

    RecordingSurface tall(0.5);
    layOut("Ponuda", 68, tall);
    page = tall.onPage(1);
    const double pitch = page[2].y - page[1].y;
    EXPECT_LT(pitch, 0.5);
    EXPECT_LE(page[68].y + pitch, 28.0 - 1.3 + 1e-9);
}

class TempFile {
public:
    explicit TempFile(const std::string& bytes)
        : path_(std::filesystem::temp_directory_path() /
                ("print_layout_test_" +
                 std::to_string(::testing::UnitTest::GetInstance()->current_test_info()->line()) +
                 ".txt")) {
        std::ofstream(path_, std::ios::binary) << bytes;
    }
    ~TempFile() { std::filesystem::remove(path_); }
    std::string path() const { return path_.string(); }

private:
    std::filesystem::path path_;
};

std::vector<std::string> readAll(LineSource& source) {
    std::vector<std::string> lines;
    std::string line;
    while (source.next(line))
        lines.push_back(line);
    return lines;
}

// Windows-1250 bytes become UTF-8; a blank line stays, a last line end makes no extra line.
TEST(PrintFile, CroatianLettersAndLineEnds) {
    const struct {
        const char* bytes;
        std::vector<std::string> lines;
    } cases[] = {
        // "Čćđšž ČĆĐŠŽ", a blank line, and a last line without its line end.
        {"\xC8\xE6\xF0\x9A\x9E \xC8\xC6\xD0\x8A\x8E\r\n\r\nkraj", {"Čćđšž ČĆĐŠŽ", "", "kraj"}},
        {"a\r\nb\r\n", {"a", "b"}},
        // A lone CR and a lone LF end a line as CR LF does.
        {"a\rb\nc\r\r\nd\r", {"a", "b", "c", "", "d"}},
        {"\x80 \xA9", {"€ ©"}},
    };
    for (const auto& c : cases) {
        TempFile file(c.bytes);
        FileLines lines(file.path(), "Cijena.txt");
        EXPECT_EQ(readAll(lines), c.lines);
    }
}

TEST(PrintFile, MissingFileIsDescribed) {
    try {
        FileLines lines("/nonexistent/Pregled.txt", "Pregled.txt");
        FAIL() << "a missing file opened";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "Datoteka Pregled.txt se ne može otvoriti.");
    }
}

} // namespace
} // namespace tarvel::records
