#include "system/cp1250.h"

#include <gtest/gtest.h>

using tarvel::system::decodeCp1250;
using tarvel::system::encodeCp1250;

namespace {

const std::string kLetters = "čćđšžČĆĐŠŽ€";
const std::string kLetterBytes = "\xE8\xE6\xF0\x9A\x9E\xC8\xC6\xD0\x8A\x8E\x80";

} // namespace

TEST(Cp1250, CroatianLettersHaveTheirCodePageBytes) {
    EXPECT_EQ(encodeCp1250(kLetters), kLetterBytes);
    EXPECT_EQ(decodeCp1250(kLetterBytes), kLetters);
    const std::string text = "Putni nalog: Đakovo – Čakovec, 12,50 €\nšećer\n";
    EXPECT_EQ(decodeCp1250(encodeCp1250(text)), text);
}

TEST(Cp1250, LineEndsAreCrLfInBytes) {
    EXPECT_EQ(encodeCp1250("a\nb\n"), "a\r\nb\r\n");
    EXPECT_EQ(encodeCp1250("a\r\nb"), "a\r\nb");
    EXPECT_EQ(decodeCp1250("a\r\nb\r\n"), "a\nb\n");
    EXPECT_EQ(decodeCp1250("a\rb\nc"), "a\rb\nc");
}

TEST(Cp1250, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(encodeCp1250("a→b"), "a?b");
    EXPECT_EQ(encodeCp1250("😀č"), "?\xE8");
    EXPECT_EQ(encodeCp1250("bad \xFF byte"), "bad ? byte");
    EXPECT_EQ(encodeCp1250(std::string("a\0b", 3)), std::string("a\0b", 3));
    EXPECT_EQ(encodeCp1250("\x1A"), "\x1A");
}
