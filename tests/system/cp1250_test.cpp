// SPDX-License-Identifier: GPL-3.0-or-later
#include "system/cp1250.h"

#include <QList>
#include <QString>
#include <QStringDecoder>
#include <gtest/gtest.h>

#include <set>

using tarvel::system::cp1250ToUnicode;
using tarvel::system::decodeCp1250;
using tarvel::system::encodeCp1250;

namespace {

const std::string kLetters = "čćđšžČĆĐŠŽ€";
const std::string kLetterBytes = "\xE8\xE6\xF0\x9A\x9E\xC8\xC6\xD0\x8A\x8E\x80";

std::string byte(int b) {
    return std::string(1, static_cast<char>(b));
}

bool undefinedInCodePage(int b) {
    return b == 0x81 || b == 0x83 || b == 0x88 || b == 0x90 || b == 0x98;
}

} // namespace

TEST(Cp1250, CroatianLettersHaveTheirCodePageBytes) {
    EXPECT_EQ(encodeCp1250(kLetters), kLetterBytes);
    EXPECT_EQ(decodeCp1250(kLetterBytes), kLetters);
    const std::string text = "Putni nalog: Đakovo – Čakovec, 12,50 €\nšećer „navodnici“\n";
    EXPECT_EQ(decodeCp1250(encodeCp1250(text)), text);
}

TEST(Cp1250, EveryByteDecodesToOneCharacterAndEncodesBackToItself) {
    std::set<uint> seen;
    std::string all;
    for (int b = 0; b < 256; ++b) {
        const std::string one = byte(b);
        const std::string text = decodeCp1250(one);
        ASSERT_FALSE(text.empty()) << b;
        const auto c = static_cast<uint>(cp1250ToUnicode(static_cast<unsigned char>(b)));
        EXPECT_TRUE(seen.insert(c).second) << "two bytes share U+" << std::hex << c;
        if (b < 0x80) {
            EXPECT_EQ(c, uint(b));
        }
        if (undefinedInCodePage(b)) {
            EXPECT_EQ(c, uint(b)) << "undefined bytes stand for the C1 controls";
        }
        const QList<uint> decoded = QString::fromStdString(text).toUcs4();
        EXPECT_EQ(decoded, QList<uint>{c}) << b;
        if (b != '\r' && b != '\n') {
            EXPECT_EQ(encodeCp1250(text), one) << b;
        }
        all += one;
    }
    // All of them in one text, in both directions; only the line end changes.
    const std::string lf = decodeCp1250(all);
    std::string expected = all;
    expected.replace(expected.find("\n"), 1, "\r\n");
    EXPECT_EQ(encodeCp1250(lf), expected);
}

TEST(Cp1250, TableAgreesWithTheSystemConverterWhereQtHasOne) {
    QStringDecoder reference("windows-1250");
    if (!reference.isValid())
        GTEST_SKIP() << "this Qt build has no windows-1250 converter to compare with";
    for (int b = 0x80; b < 0x100; ++b) {
        if (undefinedInCodePage(b))
            continue;
        const char raw = static_cast<char>(b);
        const QString expected = reference.decode(QByteArrayView(&raw, 1));
        EXPECT_EQ(QString::fromStdString(decodeCp1250(byte(b))), expected) << std::hex << b;
    }
}

TEST(Cp1250, LineEndsAreCrLfInBytes) {
    EXPECT_EQ(encodeCp1250("a\nb\n"), "a\r\nb\r\n");
    EXPECT_EQ(encodeCp1250("\n\n"), "\r\n\r\n");
    EXPECT_EQ(encodeCp1250("a\r\nb"), "a\r\nb");
    EXPECT_EQ(encodeCp1250("a\r\r\nb\r"), "a\r\r\nb\r");
    EXPECT_EQ(decodeCp1250("a\r\nb\r\n"), "a\nb\n");
    EXPECT_EQ(decodeCp1250("a\rb\nc\r\r\n"), "a\rb\nc\r\n");
}

TEST(Cp1250, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(encodeCp1250("a→b"), "a?b");
    EXPECT_EQ(encodeCp1250("😀č"), "?\xE8");
    EXPECT_EQ(encodeCp1250("ĀŒ™"), "??\x99") << "neighbours of table entries";
    EXPECT_EQ(encodeCp1250(std::string("a\0b", 3)), std::string("a\0b", 3));
    EXPECT_EQ(encodeCp1250("\x1A"), "\x1A");
}

TEST(Cp1250, EachMalformedUtf8SequenceBecomesOneQuestionMark) {
    EXPECT_EQ(encodeCp1250("bad \xFF byte"), "bad ? byte");
    EXPECT_EQ(encodeCp1250("\xC4"), "?") << "cut off at the end";
    EXPECT_EQ(encodeCp1250("\xE2\x82x"), "?x") << "cut off before a plain character";
    EXPECT_EQ(encodeCp1250("\x80\xBF"), "??") << "stray continuation bytes";
    EXPECT_EQ(encodeCp1250("\xC0\x8A"), "??") << "an overlong line end is no line end";
    EXPECT_EQ(encodeCp1250("\xED\xA0\x80"), "???") << "a surrogate";
    EXPECT_EQ(encodeCp1250("\xF4\x90\x80\x80"), "????") << "beyond U+10FFFF";
    EXPECT_EQ(encodeCp1250("\xC4\x8D\xC4"), "\xE8?");
}
