// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/tariffs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string_view>

namespace tarvel::engine {
namespace {

bool priced(std::string_view code, double x, int category) {
    return feeTableFees(code, x, 1, category).has_value();
}

// Range on X (nullopt: no limit of the table's own), categories offered, and the factors of
// the first two curves, which are the category I percentages at V = 1.
struct TableRow {
    std::string_view code;
    std::optional<double> lower, upper;
    int categories;
    double c1, c2;
};
constexpr auto kNo = std::nullopt;
const TableRow kTables[] = {
    {"Avisoko", 63000, 40000000, 5, 2.94, 3.55},  {"Aunutar", 63000, 25000000, 5, 4.98, 6.16},
    {"Akraj", 63000, 4000000, 5, 4.14, 5.06},     {"Gkons", 63000, 40000000, 5, 1.34, 2.11},
    {"Ging", 63000, kNo, 5, 3.85, 4.78},          {"Gvoda", kNo, 2500000, 3, 3.5, 4.99},
    {"Gtlo", 63000, 63000000, 5, 0.55, 1.01},     {"GNzelje", 63000, kNo, 5, 5.87, 6.27},
    {"GNceste", 63000, kNo, 5, 5.87, 6.27},       {"GNmost", 25000, kNo, 5, 3.85, 4.53},
    {"GNtunel", 100000, kNo, 5, 4.4, 5.46},       {"GNluke", 100000, 63000000, 4, 3.58, 4.46},
    {"GNhidro", 100000, 63000000, 5, 1.61, 2.47}, {"GNhidrogr", 25000, 63000000, 3, 5.84, 6.88},
    {"GNkanal", 25000, 40000000, 5, 4.74, 7.14},  {"Dizv", 63000, 40000000, 5, 2.32, 2.72},
    {"Dost", 63000, 40000000, 5, 2.32, 2.72},     {"Sinst", 10000, 25000000, 3, 6.96, 8.92},
    {"Einst", 10000, 25000000, 3, 6.96, 8.92},    {"Sing", 63000, kNo, 5, 3.86, 4.79},
    {"Ttopl", 63000, 40000000, 5, 0.36, 0.43},    {"Takust", 63000, 40000000, 3, 0.35, 0.39}};

TEST(FeeTables, RangeCategoriesAndChain) {
    for (const TableRow& t : kTables) {
        SCOPED_TRACE(t.code);
        EXPECT_TRUE(hasFeeTable(t.code) && !isPlan(t.code) && !isSupervision(t.code));
        EXPECT_FALSE(t.categories < 5 && priced(t.code, 1e6, t.categories + 1));
        const auto atOne = feeTableFees(t.code, 370000, 3.7, 1); // V = 1
        ASSERT_TRUE(atOne);
        EXPECT_NEAR(atOne->min, 3700 * t.c1, 1e-6);
        EXPECT_NEAR(atOne->max, 3700 * t.c2, 1e-6);
        for (int k = 1; k < t.categories; ++k) {
            const auto below = feeTableFees(t.code, 2.5e6, 1, k);
            const auto above = feeTableFees(t.code, 2.5e6, 1, k + 1);
            ASSERT_TRUE(below && above);
            EXPECT_LT(below->min, below->max);
            EXPECT_EQ(below->max, above->min) << "category " << k;
        }
    }
    EXPECT_FALSE(hasFeeTable("") || hasFeeTable("APg") || hasFeeTable("Nkonz"));
}

// The limits the engine states are exactly where its pricing ends, for every table and
// category: the bound itself is priced, the next double beyond it is not. The categories with
// a limit of their own are listed; every other one has the table's range.
TEST(FeeTables, LimitsAreWherePricingEnds) {
    constexpr double kOpen = std::numeric_limits<double>::infinity();
    const struct {
        std::string_view code;
        int category;
        double lower, upper;
    } own[] = {
        {"Avisoko", 1, 63000, 6.3e6},   {"Avisoko", 2, 63000, 1e7},   {"Aunutar", 1, 63000, 6.3e6},
        {"Aunutar", 2, 63000, 1e7},     {"GNtunel", 1, 1e5, 6.3e6},   {"GNtunel", 2, 1e5, 1e7},
        {"GNtunel", 3, 1e5, 4e7},       {"GNhidro", 4, 1e6, 6.3e7},   {"GNhidro", 5, 1e6, 6.3e7},
        {"GNhidrogr", 1, 25000, 1.6e7}, {"GNhidrogr", 2, 25000, 4e7}, {"GNkanal", 1, 25000, 1e7},
        {"GNkanal", 2, 25000, 1e7},     {"GNkanal", 4, 1e5, 4e7},     {"GNkanal", 5, 4e5, 4e7},
        {"Ttopl", 1, 63000, 6.3e6},     {"Ttopl", 2, 63000, 1.6e7},
    };
    for (const TableRow& t : kTables) {
        for (int k = 1; k <= 5; ++k) {
            SCOPED_TRACE(testing::Message() << t.code << " category " << k);
            const auto limits = feeTableLimits(t.code, k);
            ASSERT_EQ(limits.has_value(), k <= t.categories);
            if (!limits)
                continue;
            double lower = t.lower.value_or(-kOpen), upper = t.upper.value_or(kOpen);
            for (const auto& o : own) {
                if (o.code == t.code && o.category == k)
                    lower = o.lower, upper = o.upper;
            }
            EXPECT_EQ(limits->lower, lower);
            EXPECT_EQ(limits->upper, upper);
            for (const double bound : {lower, upper}) {
                const double beyond = std::nextafter(bound, bound == lower ? -kOpen : kOpen);
                if (std::isfinite(bound)) {
                    EXPECT_TRUE(priced(t.code, bound, k)) << bound;
                    EXPECT_FALSE(priced(t.code, beyond, k)) << bound;
                }
            }
        }
    }
    EXPECT_FALSE(feeTableLimits("APg", 1) || feeTableLimits("", 1));
}

TEST(PlanFees, UnitRangeAndRate) {
    const struct {
        std::string_view code;
        double from, to;
    } plans[] = {{"APg", 5000, 100000}, {"APpo", 5000, 100000}, {"APo", 7500, 100000},
                 {"APup1", 500, 50000}, {"APup2", 5000, 30000}, {"APup5", 5000, 30000},
                 {"APdup", 500, 35000}};
    for (const auto& p : plans) {
        SCOPED_TRACE(p.code);
        EXPECT_TRUE(isPlan(p.code) && !hasFeeTable(p.code) && !isSupervision(p.code));
        const auto limits = planLimits(p.code);
        ASSERT_TRUE(limits);
        EXPECT_TRUE(limits->lower == p.from && limits->upper == p.to);
        EXPECT_TRUE(planFees(p.code, p.from, 3.7) && planFees(p.code, p.to, 3.7));
        EXPECT_FALSE(planFees(p.code, std::nextafter(p.from, 0), 3.7) ||
                     planFees(p.code, std::nextafter(p.to, 1e9), 3.7));
    }
    const auto base = planFees("APg", 10000, 3.7).value();
    const auto doubled = planFees("APg", 10000, 7.4).value();
    EXPECT_DOUBLE_EQ(doubled.min, 2 * base.min);
    EXPECT_DOUBLE_EQ(doubled.max, 2 * base.max);
}

// At a bound W takes the rate of the bracket below it, just above the bound the next rate.
TEST(SupervisionRate, EveryBracketBound) {
    const double bounds[] = {0.11, 0.21,  0.65,  1.09,  1.79,  2.19, 2.79,
                             2.99, 10.99, 21.99, 32.99, 50.99, 84.99};
    const double rates[] = {3.8, 3.8, 3.5, 2.8, 2.6, 2.4, 2.3, 2.2, 2.0, 1.9, 1.7, 1.6, 1.55, 1.5};
    for (int i = 0; i < 13; ++i) {
        EXPECT_EQ(supervisionRate("Nnadzor", bounds[i]), rates[i]) << bounds[i];
        EXPECT_EQ(supervisionRate("Nnadzor", bounds[i] + 1e-4), rates[i + 1]) << bounds[i];
        const double consulting = bounds[i] <= 1.09 ? 0.6 : 0.5;
        EXPECT_EQ(supervisionRate("Nkonz", bounds[i]), consulting) << bounds[i];
    }
    EXPECT_EQ(supervisionRate("Nkonz", 1.0901), 0.5);
    EXPECT_EQ(supervisionRate("Nkonz", 84.9901), 0.4);
    EXPECT_EQ(supervisionRate("Nkonz", 100), 0.4);
    EXPECT_FALSE(supervisionRate("Nnadzor", 0.1099) || supervisionRate("Nkonz", 0.1));
    EXPECT_TRUE(supervisionLowest("Nnadzor") == 0.11 && supervisionLowest("Nkonz") == 0.11);
    EXPECT_FALSE(supervisionLowest("APg"));
    EXPECT_TRUE(isSupervision("Nnadzor") && isSupervision("Nkonz") && !isSupervision("APg"));
}

} // namespace
} // namespace tarvel::engine
