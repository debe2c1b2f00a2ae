// SPDX-License-Identifier: GPL-3.0-or-later
#include "fee_scale.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <stdexcept>

#include "engine/tariffs.h"
#include "forms/number_text.h"
#include "main_window.h"

namespace tarvel::helpgen {
namespace {

using Holds = std::function<bool(double)>;

// Values beyond every table: a bound is missing when even these are priced.
constexpr double kNear = 0.01;
constexpr double kFar = 1e10;
// Recovered figures must give back the engine's amounts to this relative difference.
constexpr double kSame = 1e-12;
constexpr int kMostDecimals = 8;

double rounded(double x, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return std::round(x * scale) / scale;
}

bool same(double a, double b) {
    return std::fabs(a - b) <= kSame * std::max(std::fabs(a), std::fabs(b));
}

std::string where(const calculator::CatalogueEntry& entry) {
    return std::string(entry.menuItem) + " (" + std::string(entry.code) + ")";
}

// The bound as its shortest decimal: the value that still holds while the next number
// towards `outside` does not.
double shortestBound(const Holds& holds, double bound, double outside) {
    for (int d = 0; d <= kMostDecimals; ++d) {
        const double r = rounded(bound, d);
        if (holds(r) && !holds(std::nextafter(r, outside)))
            return r;
    }
    return bound;
}

// The engine's limits as the pages state them: an infinite side is no limit.
Range rangeOf(const engine::Limits& limits) {
    Range range;
    if (std::isfinite(limits.lower))
        range.lower = limits.lower;
    if (std::isfinite(limits.upper))
        range.upper = limits.upper;
    return range;
}

// A value well inside a range that `accepts`: its geometric middle, else the first accepted of
// a coarse scan.
std::optional<double> middleOf(const Range& range, const Holds& accepts) {
    const double low = range.lower.value_or(0);
    const double high = range.upper.value_or(0);
    double middle = 1000000;
    if (range.lower && range.upper)
        middle = std::sqrt(low * high);
    else if (range.lower)
        middle = low * 10;
    else if (range.upper)
        middle = high / 10;
    middle = std::round(middle);
    if (accepts(middle))
        return middle;
    for (double x = 1000; x < kFar; x *= 1.5) {
        if ((!range.lower || x >= low) && (!range.upper || x <= high) && accepts(std::round(x)))
            return std::round(x);
    }
    return std::nullopt;
}

// The main window's own limit between `inside`, which it prices, and `outside`, which it does
// not, to the cent.
double windowBoundary(const Holds& accepts, double inside, double outside) {
    long long in = std::llround(inside * 100);
    long long out = std::llround(outside * 100);
    while (std::llabs(out - in) > 1) {
        const long long middle = in + (out - in) / 2;
        (accepts(static_cast<double>(middle) / 100) ? in : out) = middle;
    }
    return static_cast<double>(in) / 100;
}

// The range the main window prices: the engine's, narrowed where the window's own checks
// refuse values that the engine would price.
Range windowRange(const Range& engine, const Holds& accepts, double seed) {
    Range range;
    if (engine.lower && accepts(*engine.lower))
        range.lower = engine.lower;
    else
        range.lower = windowBoundary(accepts, seed, engine.lower.value_or(kNear));
    if (engine.upper && accepts(*engine.upper))
        range.upper = engine.upper;
    else if (!accepts(kFar))
        range.upper = windowBoundary(accepts, seed, engine.upper.value_or(kFar));
    return range;
}

// Two values well inside a range, and their middle.
std::array<double, 3> samplePoints(const Range& range) {
    const double low = range.lower.value_or(1000);
    const double high = range.upper.value_or(low * 10000);
    const double ratio = high / low;
    return {low * std::pow(ratio, 0.2), low * std::pow(ratio, 0.8), low * std::pow(ratio, 0.5)};
}

// The power law y = a * x^(sign * b) through the first two samples, with the fewest decimals
// for which `reproduces` holds at every sample.
using Reproduces = std::function<bool(size_t sample, double a, double b)>;
Curve fitCurve(const std::array<double, 3>& xs, const std::array<double, 3>& ys, double sign,
               const Reproduces& reproduces, const std::string& what) {
    const double b = sign * std::log(ys[0] / ys[1]) / std::log(xs[0] / xs[1]);
    const double a = ys[0] / std::pow(xs[0], sign * b);
    for (int d = 0; d <= kMostDecimals; ++d) {
        const double ra = rounded(a, d);
        const double rb = rounded(b, d);
        bool all = true;
        for (size_t i = 0; i < xs.size(); ++i)
            all = all && reproduces(i, ra, rb);
        if (all)
            return {{ra, decimalText(ra, d)}, {rb, decimalText(rb, d)}};
    }
    throw std::runtime_error(what + ": krivulja se ne može očitati");
}

Figure shortest(double value) {
    for (int d = 0; d <= kMostDecimals; ++d) {
        if (rounded(value, d) == value)
            return {value, decimalText(value, d)};
    }
    return {value, decimalText(value, kMostDecimals)};
}

} // namespace

std::string decimalText(double value, int decimals) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string text(buffer, result.ptr);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == '.')
            text.pop_back();
    }
    for (char& c : text) {
        if (c == '.')
            c = ',';
    }
    return text;
}

BuildingScale buildingScale(const calculator::CatalogueEntry& entry) {
    const std::string code(entry.code);
    MainWindow window;
    window.choose(entry);
    window.switchToAccountingCurrency();

    BuildingScale scale;
    for (int k = 1; k <= 5; ++k) {
        const std::optional<engine::Limits> limits = engine::feeTableLimits(code, k);
        if (!limits || !window.window().optK[static_cast<size_t>(k)]->enabled())
            continue;
        const Holds accepts = [&](double x) {
            return window.compute(forms::fmt(x, forms::kMoney), k).accepted;
        };
        const Range engineRange = rangeOf(*limits);
        const std::optional<double> seed = middleOf(engineRange, accepts);
        if (!seed)
            throw std::runtime_error(where(entry) + ": glavni prozor ne računa kategoriju " +
                                     std::to_string(k));
        CategoryScale c;
        c.category = k;
        c.range = windowRange(engineRange, accepts, *seed);

        // The engine's fees at three values of the accounting currency (rate 1): the fee of x
        // is x * p / 100 with the percentage p = a / V^b, V = x / 100 000.
        const std::array<double, 3> xs = samplePoints(c.range);
        std::array<double, 3> vs{}, lows{}, highs{}, pLows{}, pHighs{};
        for (size_t i = 0; i < xs.size(); ++i) {
            const auto fees = engine::feeTableFees(code, xs[i], 1, k);
            if (!fees)
                throw std::runtime_error(where(entry) + ": vrijednost izvan tablice");
            vs[i] = xs[i] / 100000;
            lows[i] = fees->min;
            highs[i] = fees->max;
            pLows[i] = fees->min / xs[i] * 100;
            pHighs[i] = fees->max / xs[i] * 100;
        }
        const auto gives = [&](const std::array<double, 3>& fees) -> Reproduces {
            return [&xs, &vs, &fees](size_t i, double a, double b) {
                return same(xs[i] * (a / std::pow(vs[i], b)) / 100, fees[i]);
            };
        };
        c.lowest = fitCurve(vs, pLows, -1, gives(lows), where(entry));
        c.highest = fitCurve(vs, pHighs, -1, gives(highs), where(entry));
        scale.categories.push_back(c);
    }
    if (scale.categories.empty())
        throw std::runtime_error(where(entry) + ": nema kategorija");
    scale.range = scale.categories.front().range;
    for (const CategoryScale& c : scale.categories) {
        if (!c.range.lower || (scale.range.lower && *c.range.lower < *scale.range.lower))
            scale.range.lower = c.range.lower;
        if (!c.range.upper || (scale.range.upper && *c.range.upper > *scale.range.upper))
            scale.range.upper = c.range.upper;
    }
    return scale;
}

PlanScale planScale(const calculator::CatalogueEntry& entry, double startingRate) {
    const std::string code(entry.code);
    const std::optional<engine::Limits> limits = engine::planLimits(code);
    if (!limits)
        throw std::runtime_error(where(entry) + ": nema raspona");
    PlanScale scale;
    scale.range = rangeOf(*limits);
    if (!scale.range.lower || !scale.range.upper)
        throw std::runtime_error(where(entry) + ": raspon nije omeđen");

    // The main window prices the same whole units.
    MainWindow window;
    window.choose(entry);
    const auto accepts = [&](double units) {
        return window.compute(forms::fmt(units, "0,0")).accepted;
    };
    if (!accepts(*scale.range.lower) || accepts(*scale.range.lower - 1) ||
        !accepts(*scale.range.upper) || accepts(*scale.range.upper + 1))
        throw std::runtime_error(where(entry) + ": glavni prozor računa drugi raspon");

    const std::array<double, 3> us = samplePoints(scale.range);
    std::array<double, 3> lows{}, highs{};
    for (size_t i = 0; i < us.size(); ++i) {
        const auto fees = engine::planFees(code, us[i], startingRate);
        const auto doubled = engine::planFees(code, us[i], 2 * startingRate);
        if (!fees || !doubled || !same(doubled->min, 2 * fees->min) ||
            !same(doubled->max, 2 * fees->max))
            throw std::runtime_error(where(entry) + ": cijena nije razmjerna tečaju");
        lows[i] = fees->min;
        highs[i] = fees->max;
    }
    const auto gives = [&us](const std::array<double, 3>& fees) -> Reproduces {
        return [&us, &fees](size_t i, double a, double b) {
            return same(a * std::pow(us[i], b), fees[i]);
        };
    };
    scale.lowest = fitCurve(us, lows, 1, gives(lows), where(entry));
    scale.highest = fitCurve(us, highs, 1, gives(highs), where(entry));
    return scale;
}

SupervisionScale supervisionScale(const calculator::CatalogueEntry& entry) {
    const std::string code(entry.code);
    const auto rate = [&](double w) {
        return engine::supervisionRate(code, w);
    };
    const Holds priced = [&](double w) {
        return rate(w).has_value();
    };
    const std::optional<double> lowest = engine::supervisionLowest(code);
    if (!lowest || !priced(*lowest) || priced(std::nextafter(*lowest, 0)) || !priced(kFar))
        throw std::runtime_error(where(entry) + ": neočekivani raspon");

    SupervisionScale scale;
    scale.lowestW = shortest(*lowest);
    // A bracket narrower than the step would be missed: the step is far finer than any
    // bracket of the tariff, and every step is checked against the brackets found.
    constexpr double kStep = 0.001;
    constexpr double kLastBound = 1000;
    double current = *rate(scale.lowestW.value);
    double previous = scale.lowestW.value;
    for (double w = scale.lowestW.value + kStep; w < kLastBound; w += kStep) {
        const double r = *rate(w);
        if (r == current) {
            previous = w;
            continue;
        }
        const double bracket = current;
        const Holds within = [&](double x) {
            return rate(x) == bracket;
        };
        const double bound = shortestBound(within, engine::acceptedEdge(within, previous, w), w);
        scale.brackets.push_back({shortest(bound), shortest(bracket)});
        current = r;
        previous = w;
    }
    if (*rate(kFar) != current)
        throw std::runtime_error(where(entry) + ": zadnji razred nije očitan");
    scale.brackets.push_back({std::nullopt, shortest(current)});
    return scale;
}

} // namespace tarvel::helpgen
