// SPDX-License-Identifier: GPL-3.0-or-later
// Fees in euro: one value of every service family computed in DM and in euro through the main
// window. The fee scale is in DM, so every euro fee is the DM fee of the same value (the euro
// value × 1,95583) ÷ 1,95583, rounded once, not the rounded DM fee divided again.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "calculator/calculator.h"
#include "calculator/catalogue.h"
#include "calculator/frm_gl.h"
#include "engine/euro.h"
#include "engine/tariffs.h"
#include "forms/number_text.h"
#include "program/program.h"

#include "../support/fake_platform.h"

namespace tarvel::calculator {
namespace {

using engine::kDmPerEuro;
using forms::fmt;
using forms::kMoney;

struct Row {
    const char* menuItem;
    int category;        // 0 for the families without categories
    double euroValue;    // the value in euro, or the accounting units of a plan
    engine::BaseFees dm; // the DM fees of the value in DM, unrounded (a supervision fee as max)
};

// The fees the main window shows for a value in a currency ("DM" or "EUR"): the base minimum
// and maximum, and for supervision the fee itself.
struct Shown {
    std::string min, max, fee;
};

Shown compute(const Row& row, const char* currencyKey, double value) {
    fakes::FakePlatform platform;
    program::Program calc{platform};
    calc.start();
    FrmGl& gl = calc.frmGl();
    gl.userClick(*gl.find(row.menuItem));
    const CatalogueEntry& entry = *findEntry(row.menuItem);
    // A plan is always computed in kuna first; the currency command computes it again.
    if (entry.family != Family::Plan)
        gl.userClickToolbar(*gl.tlb1, currencyKey);
    gl.userType(*gl.txtInvest, forms::plainText(value));
    if (entry.family == Family::Building)
        gl.userClick(*gl.optK[static_cast<size_t>(row.category)]);
    else
        gl.userClickToolbar(*gl.tlb1, "Cijena");
    if (entry.family == Family::Plan)
        gl.userClickToolbar(*gl.tlb1, currencyKey);
    EXPECT_EQ(gl.lblValutaFaza->caption(), currencyKey);
    EXPECT_TRUE(platform.messages.empty()) << platform.said().front();
    return {gl.lblCmin->caption(), gl.lblCmax->caption(), gl.lblSumamax->caption()};
}

// A euro value in whole thousands is a DM value in whole cents, so that the DM window prices
// the same value. The fees of these values come out a cent apart when a rounded DM fee is
// divided again, and the supervision values lie in another bracket as euro than as DM.
TEST(EuroFees, AreTheDmFeesOfTheSameValueConvertedBackAndRoundedOnce) {
    const auto fees = [](const char* code, double euro, int category) {
        return *engine::feeTableFees(code, euro * kDmPerEuro, 1, category);
    };
    const auto supervision = [](const char* code, double euro) {
        const double dm = euro * kDmPerEuro;
        return engine::BaseFees{0, dm * *engine::supervisionRate(code, dm / 100000) / 100};
    };
    const Row rows[] = {
        {"mnuAvisoko", 2, 138000, fees("Avisoko", 138000, 2)},
        {"mnuSinst", 3, 6000, fees("Sinst", 6000, 3)},
        {"mnuAPz", 0, 5018, *engine::planFees("APg", 5018, 1)},
        {"mnuNnadzor", 0, 41000, supervision("Nnadzor", 41000)},
        {"mnuNkonz", 0, 5000000, supervision("Nkonz", 5000000)},
    };
    std::set<Family> tested, offered;
    for (const CatalogueEntry& entry : catalogue())
        offered.insert(entry.family);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.menuItem);
        tested.insert(findEntry(row.menuItem)->family);
        const bool plan = findEntry(row.menuItem)->family == Family::Plan;
        const Shown dm = compute(row, "DM", plan ? row.euroValue : row.euroValue * kDmPerEuro);
        const Shown euro = compute(row, "EUR", row.euroValue);
        if (findEntry(row.menuItem)->family == Family::Supervision) {
            EXPECT_EQ(dm.fee, fmt(row.dm.max, kMoney));
            EXPECT_EQ(euro.fee, fmt(row.dm.max / kDmPerEuro, kMoney));
            EXPECT_EQ(euro.max, euro.fee);
            continue;
        }
        EXPECT_EQ(dm.min, fmt(row.dm.min, kMoney));
        EXPECT_EQ(dm.max, fmt(row.dm.max, kMoney));
        EXPECT_EQ(euro.min, fmt(row.dm.min / kDmPerEuro, kMoney));
        EXPECT_EQ(euro.max, fmt(row.dm.max / kDmPerEuro, kMoney));
    }
    EXPECT_EQ(tested, offered) << "a family of services without a row";
}

} // namespace
} // namespace tarvel::calculator
