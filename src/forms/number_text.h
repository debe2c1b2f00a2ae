// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

// Number texts in the Croatian format, whatever the machine's locale: "," is the decimal
// separator and "." groups thousands.
namespace tarvel::forms {

// A text that cannot be read as a number.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const std::string& text)
        : std::runtime_error("not a number: " + text), text_(text) {}
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

// Any other arithmetic failure (a division by zero, an overflow): ends the handler silently.
class ArithmeticError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Formats x with a display pattern such as "#,0.00", "#,0", "0,0", "0.00", "0.0", "#0.00",
// "#0,0.00". A "," in the integer part turns grouping on, the count of "0" before the decimal
// point is the least number of integer digits, the count after it the number of decimals.
// The value is first rounded to 15 significant digits, then half away from zero.
std::string fmt(double x, std::string_view pattern);

// The pattern of every amount of money: two decimals, grouped ("1.234.567,50").
inline constexpr const char* kMoney = "#,0.00";

// The number as its plain text: at most 15 significant digits, no grouping, no trailing
// zeros, "," as decimal separator (0.22 gives "0,22", 22 gives "22").
std::string plainText(double x);

// Reads a displayed number back: optional blanks, an optional sign, digits and grouping
// points in any arrangement with at least one digit, optionally one "," followed by digits,
// optional blanks. Throws ConversionError for anything else.
double num(std::string_view text);

// Division that reports a zero divisor as an arithmetic failure instead of giving infinity.
double divide(double a, double b);

} // namespace tarvel::forms
