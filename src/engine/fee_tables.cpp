// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/tariffs.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace tarvel::engine {
namespace {

constexpr double kUnbounded = std::numeric_limits<double>::infinity();

// A range of X, the value in DM. Both bounds belong to the range.
struct Range {
    double lower = -kUnbounded;
    double upper = kUnbounded;

    constexpr bool holds(double x) const { return x >= lower && x <= upper; }
};

constexpr Range kOpen{};
constexpr Range from(double lower) {
    return {lower, kUnbounded};
}
constexpr Range upTo(double upper) {
    return {-kUnbounded, upper};
}

// One curve of the scale: the percentage of the value p = a / V^b, V the value in units of
// 100 000 DM.
struct Curve {
    double a = 0;
    double b = 0;
};

// A fee table: the services it prices, its range, the categories it offers (I up to
// `categories`) with the extra limits some of them have, and its chain of curves. Category
// k takes its minimum from curves[k - 1] and its maximum from curves[k], so the maximum of
// one category is the minimum of the next.
struct FeeTable {
    std::array<std::string_view, 2> codes; // the second is empty when one service uses it
    Range range;
    int categories = 0;
    std::array<Range, 5> categoryRange; // I..V; open where a category has no limit of its own
    std::array<Curve, 6> curves;        // categories + 1 of them
};

// clang-format off
constexpr std::array<FeeTable, 19> kFeeTables{{
    {{"Avisoko"}, {63000, 40000000}, 5, {{upTo(6300000), upTo(10000000)}},
     {{{2.94, 0.1237}, {3.55, 0.1439}, {4.38, 0.1629},
       {5.61, 0.1852}, {6.42, 0.1948}, {7.05, 0.2021}}}},
    {{"Aunutar"}, {63000, 25000000}, 5, {{upTo(6300000), upTo(10000000)}},
     {{{4.98, 0.3005}, {6.16, 0.3019}, {6.62, 0.305},
       {7.2, 0.3072}, {7.99, 0.3118}, {8.8, 0.3172}}}},
    {{"Akraj"}, {63000, 4000000}, 5, {},
     {{{4.14, 0.0723}, {5.06, 0.1103}, {6.33, 0.1467},
       {8.18, 0.1817}, {9.41, 0.2069}, {10.34, 0.2195}}}},
    {{"Gkons"}, {63000, 40000000}, 5, {},
     {{{1.34, 0.1825}, {2.11, 0.2298}, {2.72, 0.2464},
       {3.45, 0.2655}, {4.31, 0.2652}, {5.17, 0.2649}}}},
    {{"Ging"}, from(63000), 5, {},
     {{{3.85, 0.1936}, {4.78, 0.2093}, {5.72, 0.2211},
       {6.65, 0.23}, {7.58, 0.237}, {8.52, 0.2429}}}},
    {{"Gvoda"}, upTo(2500000), 3, {},
     {{{3.5, 0.2896}, {4.99, 0.2642}, {7.01, 0.1789}, {8.72, 0.1593}}}},
    {{"Gtlo"}, {63000, 63000000}, 5, {},
     {{{0.55, 0.482}, {1.01, 0.5158}, {1.44, 0.5327},
       {1.9, 0.5442}, {2.34, 0.5509}, {2.79, 0.5563}}}},
    {{"GNzelje", "GNceste"}, from(63000), 5, {},
     {{{5.87, 0.1905}, {6.27, 0.1835}, {7.24, 0.1982},
       {8.39, 0.2185}, {9.42, 0.2307}, {10.44, 0.2412}}}},
    {{"GNmost"}, from(25000), 5, {},
     {{{3.85, 0.3734}, {4.53, 0.3452}, {5.81, 0.3218},
       {7.04, 0.2587}, {7.86, 0.2438}, {8.61, 0.231}}}},
    {{"GNtunel"}, from(100000), 5, {{upTo(6300000), upTo(10000000), upTo(40000000)}},
     {{{4.4, 0.1936}, {5.46, 0.2093}, {6.52, 0.2211},
       {7.58, 0.23}, {8.64, 0.237}, {9.71, 0.2429}}}},
    {{"GNluke"}, {100000, 63000000}, 4, {},
     {{{3.58, 0.3152}, {4.46, 0.2672}, {5.55, 0.2103},
       {6.93, 0.1736}, {7.97, 0.1562}}}},
    {{"GNhidro"}, {100000, 63000000}, 5, {{kOpen, kOpen, kOpen, from(1000000), from(1000000)}},
     {{{1.61, 0.0663}, {2.47, 0.078}, {3.87, 0.1566},
       {5.3, 0.2053}, {6.53, 0.2234}, {7.96, 0.2396}}}},
    {{"GNhidrogr"}, {25000, 63000000}, 3, {{upTo(16000000), upTo(40000000)}},
     {{{5.84, 0.4911}, {6.88, 0.4578}, {8.1, 0.4245}, {9.36, 0.367}}}},
    {{"GNkanal"}, {25000, 40000000}, 5,
     {{upTo(10000000), upTo(10000000), kOpen, from(100000), from(400000)}},
     {{{4.74, 0.1896}, {7.14, 0.2286}, {8.64, 0.2338},
       {10.74, 0.2731}, {15.56, 0.3226}, {17.12, 0.3286}}}},
    {{"Dizv", "Dost"}, {63000, 40000000}, 5, {},
     {{{2.32, 0.3026}, {2.72, 0.3139}, {3.13, 0.3227},
       {3.53, 0.3298}, {3.94, 0.3356}, {4.34, 0.3414}}}},
    {{"Sinst", "Einst"}, {10000, 25000000}, 3, {},
     {{{6.96, 0.185}, {8.92, 0.21}, {10.86, 0.242}, {12.8, 0.261}}}},
    {{"Sing"}, from(63000), 5, {},
     {{{3.86, 0.1936}, {4.79, 0.2093}, {5.72, 0.2211},
       {6.65, 0.23}, {7.58, 0.237}, {8.52, 0.2429}}}},
    {{"Ttopl"}, {63000, 40000000}, 5, {{upTo(6300000), upTo(16000000)}},
     {{{0.36, 0.367}, {0.43, 0.3794}, {0.53, 0.3915},
       {0.62, 0.3922}, {0.74, 0.4051}, {0.9, 0.4252}}}},
    {{"Takust"}, {63000, 40000000}, 3, {},
     {{{0.35, 0.3478}, {0.39, 0.3424}, {0.47, 0.3713}, {0.54, 0.348}}}},
}};
// clang-format on

// Every table offers categories I up to III, IV or V and has exactly one curve more than it
// has categories.
constexpr bool wellFormed(const FeeTable& table) {
    if (table.codes[0].empty() || table.categories < 3 || table.categories > 5) {
        return false;
    }
    for (int i = 0; i < static_cast<int>(table.curves.size()); ++i) {
        const bool used = i <= table.categories;
        if ((table.curves[i].a > 0) != used) {
            return false;
        }
    }
    return true;
}

constexpr bool allWellFormed() {
    for (const FeeTable& table : kFeeTables) {
        if (!wellFormed(table)) {
            return false;
        }
    }
    return true;
}
static_assert(allWellFormed());

const FeeTable* findTable(std::string_view code) {
    if (code.empty()) {
        return nullptr;
    }
    for (const FeeTable& table : kFeeTables) {
        if (table.codes[0] == code || table.codes[1] == code) {
            return &table;
        }
    }
    return nullptr;
}

double percentage(const Curve& curve, double v) {
    return curve.a / std::pow(v, curve.b);
}

// Prices a value with one table: the table's range first, then the category's own limit.
std::optional<BaseFees> applyTable(const FeeTable& table, double value, double rate, int category) {
    if (category < 1 || category > table.categories) {
        return std::nullopt;
    }
    const double x = value / rate;
    if (!table.range.holds(x) || !table.categoryRange[category - 1].holds(x)) {
        return std::nullopt;
    }
    const double v = value / (rate * 100000);
    const double pmin = percentage(table.curves[category - 1], v);
    const double pmax = percentage(table.curves[category], v);
    return BaseFees{value * pmin / 100, value * pmax / 100};
}

} // namespace

bool hasFeeTable(std::string_view code) {
    return findTable(code) != nullptr;
}

std::optional<Limits> feeTableLimits(std::string_view code, int category) {
    const FeeTable* table = findTable(code);
    if (table == nullptr || category < 1 || category > table->categories) {
        return std::nullopt;
    }
    const Range& own = table->categoryRange[static_cast<size_t>(category - 1)];
    return Limits{std::max(table->range.lower, own.lower), std::min(table->range.upper, own.upper)};
}

std::optional<BaseFees> feeTableFees(std::string_view code, double value, double rate,
                                     int category) {
    const FeeTable* table = findTable(code);
    if (table == nullptr) {
        return std::nullopt;
    }
    return applyTable(*table, value, rate, category);
}

} // namespace tarvel::engine
