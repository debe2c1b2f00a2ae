// SPDX-License-Identifier: GPL-3.0-or-later
// A record file in a folder named with Croatian letters is read and laid out for printing: the
// core opens files by their UTF-8 path, which Windows must get as a wide path (a narrow one
// is read in the ANSI code page and names another folder).
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "records/print_file_lines.h"
#include "records/print_layout.h"

namespace tarvel::records {
namespace {

// A page that keeps the texts printed on it, in order.
class TextSurface : public forms::PrintSurface {
public:
    double widthCm() const override { return 19.0; }
    double heightCm() const override { return 28.0; }
    double lineHeightCm() const override { return 0.4; }
    void printText(double, double, const std::string& text) override { texts.push_back(text); }
    void newPage() override { texts.push_back("<nova strana>"); }
    std::vector<std::string> texts;
};

std::string utf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

TEST(CroatianFolder, ARecordFileThereIsReadAndLaidOut) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / u8"Tarvel čćđšž ČĆĐŠŽ" / u8"Izračuni";
    std::filesystem::remove_all(folder.parent_path());
    ASSERT_TRUE(std::filesystem::create_directories(folder));
    const std::filesystem::path file = folder / u8"Cijena.txt";
    // "Kuća Šimić, Đakovo" and "Žitnjak: 1.234,56 €" in Windows-1250 with CR LF.
    std::ofstream(file, std::ios::binary) << "Ku\xE6"
                                             "a \x8Aimi\xE6, \xD0"
                                             "akovo\r\n\x8Eitnjak: 1.234,56 \x80\r\n";

    TextSurface surface;
    {
        // Windows removes no file that is still open: the reader goes first.
        FileLines lines(utf8(file), "Cijena.txt");
        EXPECT_EQ(layOutPages("Pohranjeni izračuni", lines, surface), 1);
    }
    EXPECT_EQ(surface.texts, (std::vector<std::string>{"Pohranjeni izračuni", "Kuća Šimić, Đakovo",
                                                       "Žitnjak: 1.234,56 €", "Strana 1"}));

    std::filesystem::remove_all(folder.parent_path());
    EXPECT_THROW(FileLines(utf8(file), "Cijena.txt"), std::runtime_error);
}

} // namespace
} // namespace tarvel::records
