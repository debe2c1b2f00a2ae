// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <random>

#include "forms/number_text.h"

using tarvel::forms::ConversionError;
using tarvel::forms::fmt;
using tarvel::forms::num;
using tarvel::forms::plainText;

TEST(NumberText, PatternsInTheCroatianFormat) {
    struct Case {
        double x;
        const char* pattern;
        const char* text;
    };
    const Case cases[] = {
        {1234567.5, "#,0.00", "1.234.567,50"},
        {0, "#,0.00", "0,00"},
        {0.004, "#,0.00", "0,00"},
        {-1234.5, "#,0.00", "-1.234,50"},
        {999.999, "#,0.00", "1.000,00"},
        {12000, "0,0", "12.000"},
        {5, "0,0", "05"},
        {1500.5, "0,0", "1.501"},
        {1234567, "#,0", "1.234.567"},
        {3.7, "#0.00", "3,70"},
        {1234.5, "0.00", "1234,50"},
        {0.25, "0.0", "0,3"},
        {0, "#0,0.00", "00,00"},
        {100000000, "#,0.00", "100.000.000,00"},
        // Halves round away from zero on the decimal value: binary doubles just below the
        // half are still rounded up after 15 significant digits.
        {1.005, "0.00", "1,01"},
        {2.675, "0.00", "2,68"},
        {-2.675, "0.00", "-2,68"},
        {0.125, "0.00", "0,13"},
        {60339.874999999, "#,0.00", "60.339,87"},
        {-0.001, "#,0.00", "0,00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fmt(c.x, c.pattern), c.text) << c.x << " " << c.pattern;
}

TEST(NumberText, PlainText) {
    EXPECT_EQ(plainText(0.22), "0,22");
    EXPECT_EQ(plainText(22), "22");
    EXPECT_EQ(plainText(1500000), "1500000");
    EXPECT_EQ(plainText(-7.5), "-7,5");
    EXPECT_EQ(plainText(0.1 + 0.2), "0,3");
    EXPECT_EQ(plainText(0.0005), "0,0005");
    EXPECT_EQ(plainText(1e20), "1E+20");
}

TEST(NumberText, ReadsDisplayedNumbers) {
    EXPECT_EQ(num("1.234.567,50"), 1234567.5);
    EXPECT_EQ(num("12.000"), 12000);
    EXPECT_EQ(num("  -3,70 "), -3.7);
    EXPECT_EQ(num("+5"), 5);
    EXPECT_EQ(num(",5"), 0.5);
    EXPECT_EQ(num("7,"), 7);
    EXPECT_EQ(num("1..2"), 12);
    EXPECT_EQ(num("0,00"), 0);
}

TEST(NumberText, RefusesTextsThatAreNotNumbers) {
    for (const char* bad :
         {"", " ", "1,2,3", "abc", ",", ".", "1,5.3", "12a", "- 5", "1 2", "--1", "1e5", "€5"}) {
        EXPECT_THROW(num(bad), ConversionError) << '"' << bad << '"';
        try {
            num(bad);
        } catch (const ConversionError& e) {
            EXPECT_EQ(e.text(), bad);
        }
    }
}

// Every amount is read back from its text, so formatting and reading must agree: the text
// of x reads back as x rounded to the pattern, and formats to the same text again.
TEST(NumberText, ReadingAFormattedAmountGivesTheRoundedAmount) {
    std::mt19937_64 random(20261206);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-3, 10);
    std::bernoulli_distribution negative(0.1);
    for (int i = 0; i < 1000000; ++i) {
        double x = mantissa(random) * std::pow(10.0, exponent(random));
        if (negative(random))
            x = -x;
        const std::string money = fmt(x, "#,0.00");
        const double back = num(money);
        ASSERT_LE(std::abs(back - x), 0.005 + std::abs(x) * 1e-14) << x << " " << money;
        ASSERT_EQ(fmt(back, "#,0.00"), money) << x;
        const std::string plain = plainText(x);
        ASSERT_NEAR(num(plain), x, std::abs(x) * 1e-14) << x << " " << plain;
    }
}

// The C locale of a Croatian desktop writes "3,7" for 3.7; number texts must not notice it.
TEST(NumberText, TheProcessLocaleChangesNothing) {
    const std::string before = setlocale(LC_ALL, nullptr);
    for (const char* name : {"hr_HR.UTF-8", "hr_HR.utf8", "de_DE.UTF-8", ""}) {
        if (!setlocale(LC_ALL, name))
            continue;
        EXPECT_EQ(fmt(3.7, "0.00"), "3,70") << name;
        EXPECT_EQ(fmt(1234567.5, "#,0.00"), "1.234.567,50") << name;
        EXPECT_EQ(plainText(0.22), "0,22") << name;
        EXPECT_EQ(plainText(1.5e16), "1,5E+16") << name;
        EXPECT_DOUBLE_EQ(num("3,70"), 3.7) << name;
        EXPECT_DOUBLE_EQ(num(fmt(num("370.000,00"), "#,0.00")), 370000.0) << name;
    }
    setlocale(LC_ALL, before.c_str());
}
