// SPDX-License-Identifier: GPL-3.0-or-later
// The comparison's figures against the main window's and the engine's: every row of every
// service is what the main window shows after the same category click, an open side of a table
// ends at the common range, and the chart's band is the engine's fees.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <span>
#include <string>
#include <tuple>
#include <vector>

#include "calculator/calculator.h"
#include "calculator/catalogue.h"
#include "calculator/frm_gl.h"
#include "comparison/comparison_table.h"
#include "comparison/fee_chart.h"
#include "comparison/frm_usporedba.h"
#include "comparison/pricing.h"
#include "comparison/tariff_range.h"
#include "engine/tariffs.h"
#include "forms/number_text.h"
#include "program/program.h"

#include "../support/fake_platform.h"

namespace tarvel::comparison {
namespace {

using calculator::CatalogueEntry;
using calculator::FrmGl;

// The main window with a service chosen from its menu and a value typed, some phases left out
// and, for a plan or supervision, a discount and an addition, computed, and switched to DM.
struct MainWindow {
    MainWindow(const CatalogueEntry& entry, const std::string& value,
               std::initializer_list<int> unticked, bool dm, const char* discount,
               const char* addition) {
        calc.start();
        gl().ApplyEntry(entry);
        gl().txtInvest->setText(value);
        for (int phase : unticked)
            gl().chkF[static_cast<size_t>(phase)]->setValue(0);
        if (entry.family != calculator::Family::Building) {
            gl().txtPopust->setText(discount);
            gl().txtDodaj->setText(addition);
            platform.messages.clear();
            gl().cmdCijena->press();
        }
        if (dm)
            gl().tlb1->click("DM");
    }

    FrmGl& gl() { return calc.frmGl(); }

    // What the main window shows for the row: the totals after the category's click (a plan
    // or supervision was computed before), or that the value is out of tariff.
    std::pair<std::string, std::string> totals(const Pricing& pricing, int category) {
        if (pricing.inputs().family == Family::Building) {
            platform.messages.clear();
            gl().optK[static_cast<size_t>(category)]->setValue(1);
        }
        for (const auto& m : platform.messages) {
            if (m.text.starts_with("Za navedenu vrijednost"))
                return {kOutOfTariff, ""};
        }
        std::string min = gl().lblSumamin->caption();
        if (min == "ne postoji  ")
            min = kNoMinimum;
        return {min, gl().lblSumamax->caption()};
    }

    fakes::FakePlatform platform;
    program::Program calc{platform};
};

struct Case {
    const char* value;
    std::initializer_list<int> unticked;
    bool dm;
};

TEST(Figures, EveryRowOfEveryServiceIsTheMainWindowsFigure) {
    // Values inside the tables, at and beyond their limits and the categories' own, in kuna
    // and in DM, with all phases and with some left out.
    const Case buildings[] = {{"370000", {}, false},      {"233100", {7}, false},
                              {"50000", {}, false},       {"23310000", {2, 5}, false},
                              {"23310001", {}, false},    {"150000000", {8}, false},
                              {"3700000,55", {1}, false}, {"1000000", {3}, true},
                              {"6300000", {}, true},      {"400000000", {}, false}};
    const Case plans[] = {{"12000", {}, false},  {"500", {2}, false},    {"499", {}, false},
                          {"100000", {}, false}, {"7500", {4, 5}, true}, {"35000", {1}, false}};
    const Case supervision[] = {{"185000", {}, false},
                                {"40700", {}, false},
                                {"40000", {}, false},
                                {"50000000", {}, false},
                                {"814000", {}, true}};
    int rows = 0;
    for (const CatalogueEntry& entry : calculator::catalogue()) {
        std::span<const Case> cases = buildings;
        if (entry.family == calculator::Family::Plan)
            cases = plans;
        else if (entry.family == calculator::Family::Supervision)
            cases = supervision;
        for (const Case& c : cases) {
            for (const auto& [discount, addition] : {std::pair{"0", "0"}, {"10", "20"}}) {
                SCOPED_TRACE(std::string(entry.menuItem) + " " + c.value + (c.dm ? " DM" : "") +
                             " -" + discount + "% +" + addition + "%");
                MainWindow main(entry, c.value, c.unticked, c.dm, discount, addition);
                const auto inputs = readMainWindow(main.gl());
                ASSERT_TRUE(inputs);
                const Pricing pricing(*inputs);
                const double value = forms::num(inputs->valueText);
                const ComparisonTable table = comparisonTable(pricing, value, std::nullopt);
                for (int k = 1; k <= pricing.rowCount(); ++k) {
                    const TableRow& row = table.rows[static_cast<size_t>(k - 1)];
                    ASSERT_EQ(row.shown, pricing.offers(k)) << k;
                    if (!row.shown)
                        continue;
                    const auto [min, max] = main.totals(pricing, k);
                    EXPECT_EQ(row.min, min) << "category " << k;
                    EXPECT_EQ(row.max, max) << "category " << k;
                    ++rows;
                }
                if (entry.family == calculator::Family::Building)
                    break; // a category click sets the discount and the addition to 0
            }
        }
    }
    EXPECT_GT(rows, 1000);
}

// The comparison sees a table's open side at the range the main window checks first.
TEST(TariffRange, OpenSidesEndAtTheCommonRange) {
    const auto water = categoryRange("Gvoda", 1), bridge = categoryRange("GNmost", 5);
    ASSERT_TRUE(water && bridge);
    EXPECT_TRUE(water->from == 6300 && water->to == 2500000);
    EXPECT_TRUE(bridge->from == 25000 && bridge->to == 100000000);
    EXPECT_FALSE(categoryRange("Gvoda", 4) || categoryRange("APg", 1));
}

// A service's inputs as the main window gives them after its menu entry and a value.
ServiceInputs inputsOf(const char* menuItem, const std::string& value) {
    fakes::FakePlatform platform;
    program::Program calc{platform};
    calc.start();
    FrmGl& gl = calc.frmGl();
    gl.ApplyEntry(*calculator::findEntry(menuItem));
    gl.txtInvest->setText(value);
    gl.chkF[7]->setValue(0);
    return *readMainWindow(gl);
}

// The whole fee at a value worked out from the engine's base fee: each phase's share of the
// base rounded to the cent, and the rounded phase fees added.
double wholeFee(const ServiceInputs& in, double base) {
    const auto cents = [](double x) {
        return std::round(x * 100) / 100;
    };
    double total = 0;
    for (size_t i = 0; i < kPhases; ++i)
        total += cents(in.shares[i] * cents(base) / 100 * in.ticks[i]);
    return total;
}

TEST(FeeBand, PointsAreTheEnginesFeesAndEndAtTheCategorysLimits) {
    for (const auto& [menu, value, category] : {std::tuple{"mnuAvisoko", "370000", 1},
                                                {"mnuGNhidro", "3700000", 4},
                                                {"mnuGvoda", "100000", 2},
                                                {"mnuAPup1", "12000", 1},
                                                {"mnuNnadzor", "185000", 1}}) {
        SCOPED_TRACE(menu);
        const ServiceInputs in = inputsOf(menu, value);
        const Pricing pricing(in);
        const Range over = pricing.tableRange().to > 1e300
                               ? Range{pricing.tableRange().from, pricing.tableRange().from * 900}
                               : pricing.tableRange();
        const std::vector<BandPoint> band = feeBand(pricing, category, over, 40);
        ASSERT_GE(band.size(), 40u);
        int priced = 0;
        for (const BandPoint& point : band) {
            // The value box's amount, rounded to the cent as every amount on display is.
            const double amount = forms::num(forms::fmt(point.value, forms::kMoney));
            double expectedMax = 0, expectedMin = 0;
            bool expectedPriced = false;
            if (in.family == Family::Building) {
                const auto base = engine::feeTableFees(in.code, amount, in.rate, category);
                expectedPriced = base.has_value();
                if (base) {
                    expectedMin = wholeFee(in, base->min);
                    expectedMax = wholeFee(in, base->max);
                }
            } else if (in.family == Family::Plan) {
                const auto base = engine::planFees(in.code, point.value, in.kurs);
                expectedPriced = base.has_value();
                if (base) {
                    expectedMin = wholeFee(in, base->min);
                    expectedMax = wholeFee(in, base->max);
                }
            } else {
                const auto rate = engine::supervisionRate(in.code, amount / (in.rate * 100000));
                expectedPriced = rate.has_value();
                if (rate)
                    expectedMin = expectedMax = std::round(amount * *rate) / 100;
            }
            ASSERT_EQ(point.priced, expectedPriced) << point.value;
            if (!point.priced)
                continue;
            ++priced;
            EXPECT_NEAR(point.min, expectedMin, 0.011) << point.value;
            EXPECT_NEAR(point.max, expectedMax, 0.011) << point.value;
        }
        EXPECT_GT(priced, 10);
        // The band reaches the category's limits exactly.
        const auto own = pricing.categoryRange(category);
        ASSERT_TRUE(own);
        const auto at = [&](double v) {
            return std::find_if(band.begin(), band.end(),
                                [&](const BandPoint& p) { return p.value == v; });
        };
        for (double end : {own->from, own->to}) {
            if (over.holds(end)) {
                ASSERT_NE(at(end), band.end()) << end;
                EXPECT_TRUE(at(end)->priced) << end;
            }
        }
    }
}

TEST(ComparisonTable, OutOfTariffRowsSayWhichLimitTheValuePassed) {
    const ServiceInputs in = inputsOf("mnuAvisoko", "30000000");
    const Pricing pricing(in);
    const struct {
        double value;
        int category;
        const char* min;
        const char* note;
    } cases[] = {
        {30000000, 1, kOutOfTariff, "iznad granice stupnja (do 23.310.000,00 kn)"},
        {30000000, 2, "", ""},
        {50000, 3, kOutOfTariff, "ispod raspona tarife (od 233.100,00 kn)"},
        {150000000, 5, kOutOfTariff, "iznad raspona tarife (do 148.000.000,00 kn)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        const ComparisonTable table = comparisonTable(pricing, c.value, std::nullopt);
        const TableRow& row = table.rows[static_cast<size_t>(c.category - 1)];
        if (*c.min)
            EXPECT_EQ(row.min, c.min);
        else
            EXPECT_NE(row.min, kOutOfTariff);
        EXPECT_EQ(row.note, c.note);
    }
    // A variant out of tariff is named as the variant's; the differences stay empty there.
    const ComparisonTable table = comparisonTable(pricing, 370000, 30000000);
    EXPECT_EQ(table.rows[0].note, "varijanta: iznad granice stupnja (do 23.310.000,00 kn)");
    EXPECT_EQ(table.rows[0].differenceMax, "");
    EXPECT_EQ(table.rows[1].differenceMin.substr(0, 1), "+");
    EXPECT_TRUE(table.outOfTariff);
}

} // namespace
} // namespace tarvel::comparison
