// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace tarvel::forms {
namespace {

// A decimal value as sign, digit string and the position of the decimal point within it
// (digits "12345" with point 2 is 123.45... read as 12.345 when point is 2).
struct Decimal {
    bool negative = false;
    std::string digits; // without leading zeros except a lone "0"
    int point = 0;      // number of digits before the decimal point (may be <= 0 or > size)
};

// x rounded to 15 significant digits, as an exact decimal.
Decimal toDecimal15(double x) {
    Decimal d;
    if (x == 0 || !std::isfinite(x)) {
        d.digits.push_back('0');
        d.point = 1;
        return d;
    }
    // Scientific with 14 decimals gives one digit, a point, fourteen digits and the exponent
    // ("-1.23...e+05"), whatever the process locale.
    char buf[64];
    const auto written =
        std::to_chars(buf, buf + sizeof buf - 1, x, std::chars_format::scientific, 14);
    *written.ptr = '\0';
    const char* p = buf;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    for (; *p && *p != 'e'; ++p) {
        if (*p != '.')
            d.digits.push_back(*p);
    }
    int exponent = 0;
    const char* e = p + 1;
    if (*e == '+')
        ++e;
    std::from_chars(e, buf + sizeof buf, exponent);
    d.point = exponent + 1;
    return d;
}

// Rounds half away from zero to the given number of decimals; returns the integer part and
// the decimal part as digit strings.
void roundDecimal(const Decimal& d, int decimals, std::string& integerPart,
                  std::string& fractionPart) {
    // Lay the digits out as a fixed string with exactly `decimals` decimals plus one guard.
    std::string whole; // integer digits
    std::string frac;  // all fraction digits
    if (d.point <= 0) {
        whole = "0";
        frac = std::string(static_cast<size_t>(-d.point), '0') + d.digits;
    } else if (d.point >= static_cast<int>(d.digits.size())) {
        whole = d.digits + std::string(static_cast<size_t>(d.point) - d.digits.size(), '0');
    } else {
        whole = d.digits.substr(0, static_cast<size_t>(d.point));
        frac = d.digits.substr(static_cast<size_t>(d.point));
    }
    bool roundUp = false;
    if (static_cast<int>(frac.size()) > decimals) {
        roundUp = frac[static_cast<size_t>(decimals)] >= '5';
        frac.resize(static_cast<size_t>(decimals));
    }
    frac.append(static_cast<size_t>(decimals) - frac.size(), '0');
    if (roundUp) {
        std::string all = whole + frac;
        int i = static_cast<int>(all.size()) - 1;
        for (; i >= 0; --i) {
            if (all[static_cast<size_t>(i)] == '9') {
                all[static_cast<size_t>(i)] = '0';
            } else {
                ++all[static_cast<size_t>(i)];
                break;
            }
        }
        if (i < 0)
            all.insert(all.begin(), '1');
        whole = all.substr(0, all.size() - frac.size());
        frac = all.substr(all.size() - frac.size());
    }
    const auto firstNonZero = whole.find_first_not_of('0');
    whole = firstNonZero == std::string::npos ? "" : whole.substr(firstNonZero);
    integerPart = whole;
    fractionPart = frac;
}

std::string group(const std::string& digits) {
    std::string out;
    const size_t n = digits.size();
    for (size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += '.';
        out += digits[i];
    }
    return out;
}

} // namespace

std::string fmt(double x, std::string_view pattern) {
    const auto dot = pattern.find('.');
    const std::string_view intPattern = pattern.substr(0, dot);
    const std::string_view fracPattern =
        dot == std::string_view::npos ? std::string_view{} : pattern.substr(dot + 1);
    const bool grouping = intPattern.find(',') != std::string_view::npos;
    int minDigits = 0;
    for (char c : intPattern)
        minDigits += c == '0';
    int decimals = 0;
    for (char c : fracPattern)
        decimals += c == '0';

    const Decimal d = toDecimal15(x);
    std::string whole, frac;
    roundDecimal(d, decimals, whole, frac);
    const bool zero = whole.empty() && frac.find_first_not_of('0') == std::string::npos;
    if (static_cast<int>(whole.size()) < minDigits)
        whole.insert(0, static_cast<size_t>(minDigits) - whole.size(), '0');
    std::string out = d.negative && !zero ? "-" : "";
    out += grouping ? group(whole) : whole;
    if (decimals > 0)
        out += "," + frac;
    return out;
}

std::string plainText(double x) {
    if (x == 0 || !std::isfinite(x))
        return "0";
    const Decimal d = toDecimal15(x);
    std::string digits = d.digits;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    std::string out = d.negative ? "-" : "";
    const int n = static_cast<int>(digits.size());
    if (d.point > 15 || d.point < -14) {
        // Very large or very small: mantissa and exponent, as "1,5E+16".
        out += digits.substr(0, 1);
        if (n > 1) {
            out += ',';
            out.append(digits, 1);
        }
        const int exponent = d.point - 1;
        const int magnitude = std::abs(exponent);
        out += exponent < 0 ? "E-" : "E+";
        if (magnitude < 10)
            out += '0';
        return out + std::to_string(magnitude);
    }
    if (d.point <= 0)
        return out + "0," + std::string(static_cast<size_t>(-d.point), '0') + digits;
    if (d.point >= n)
        return out + digits + std::string(static_cast<size_t>(d.point - n), '0');
    return out + digits.substr(0, static_cast<size_t>(d.point)) + "," +
           digits.substr(static_cast<size_t>(d.point));
}

double num(std::string_view text) {
    size_t i = 0;
    const size_t n = text.size();
    auto fail = [&]() -> double {
        throw ConversionError(std::string(text));
    };
    while (i < n && text[i] == ' ')
        ++i;
    std::string plain;
    if (i < n && (text[i] == '-' || text[i] == '+')) {
        if (text[i] == '-')
            plain += '-';
        ++i;
    }
    bool anyDigit = false;
    bool intDigit = false;
    for (; i < n && (std::isdigit(static_cast<unsigned char>(text[i])) || text[i] == '.'); ++i) {
        if (text[i] != '.') {
            plain += text[i];
            anyDigit = intDigit = true;
        }
    }
    if (!intDigit)
        plain += '0';
    if (i < n && text[i] == ',') {
        plain += '.';
        ++i;
        for (; i < n && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
            plain += text[i];
            anyDigit = true;
        }
    }
    while (i < n && text[i] == ' ')
        ++i;
    if (i != n || !anyDigit)
        return fail();
    double value = 0;
    const char* first = plain.data();
    const auto result = std::from_chars(first, first + plain.size(), value);
    if (result.ec != std::errc() || result.ptr != first + plain.size() || !std::isfinite(value))
        return fail();
    return value == 0 ? 0.0 : value;
}

double divide(double a, double b) {
    if (b == 0)
        throw ArithmeticError("division by zero");
    return a / b;
}

} // namespace tarvel::forms
