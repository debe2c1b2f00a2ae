// SPDX-License-Identifier: GPL-3.0-or-later
#include "comparison/pricing.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "engine/tariffs.h"
#include "forms/number_text.h"

namespace tarvel::comparison {

using forms::divide;
using forms::fmt;
using forms::kMoney;
using forms::num;

namespace {

// An amount as the label that shows it reads back.
double shown(double amount) {
    return num(fmt(amount, kMoney));
}

Range scaled(const Range& r, double factor) {
    return {r.from * factor, r.to * factor};
}

} // namespace

Pricing::Pricing(ServiceInputs inputs) : in_(std::move(inputs)) {
    switch (in_.family) {
    case Family::Building: {
        std::optional<Range> table;
        for (int k = 1; k <= kCategories; ++k) {
            if (!offers(k))
                continue;
            auto& range = categoryDm_[static_cast<size_t>(k - 1)];
            range = comparison::categoryRange(in_.code, k);
            if (!range)
                continue;
            table = table
                        ? Range{std::min(table->from, range->from), std::max(table->to, range->to)}
                        : *range;
        }
        tableDm_ = table.value_or(kCommonRange);
        table_ = scaled(tableDm_, in_.rate);
        break;
    }
    case Family::Plan:
        table_ = planRange(in_.code).value_or(Range{1, 1});
        break;
    case Family::Supervision:
        table_ = {supervisionFrom(in_.code).value_or(0) * in_.rate * 100000,
                  std::numeric_limits<double>::infinity()};
        break;
    }
}

bool Pricing::offers(int category) const {
    if (in_.family != Family::Building)
        return category == 1;
    return category >= 1 && category <= kCategories &&
           in_.offered[static_cast<size_t>(category - 1)];
}

std::optional<Range> Pricing::categoryRange(int category) const {
    if (!offers(category))
        return std::nullopt;
    if (in_.family != Family::Building)
        return table_;
    const auto& range = categoryDm_[static_cast<size_t>(category - 1)];
    if (!range)
        return std::nullopt;
    return scaled(*range, in_.rate);
}

Fees Pricing::at(int category, double value) const {
    switch (in_.family) {
    case Family::Building:
        return building(category, value);
    case Family::Plan:
        return plan(value);
    case Family::Supervision:
        return supervision(value);
    }
    return {};
}

double Pricing::inDm(double value) const {
    return divide(value, in_.rate);
}

Fees Pricing::building(int category, double value) const {
    Fees fees;
    // The compute command rewrites the value box as an amount before it reads it.
    const double amount = shown(value);
    const double x = inDm(amount);
    const auto base = kCommonRange.holds(x)
                          ? engine::feeTableFees(in_.code, amount, in_.rate, category)
                          : std::nullopt;
    if (!base) {
        // The table's range (within the common one) refuses every category alike; what
        // else refuses is the category's own limit.
        const auto& own = categoryDm_[static_cast<size_t>(category - 1)];
        if (x < tableDm_.from)
            fees.standing = Standing::BelowTable;
        else if (x > tableDm_.to)
            fees.standing = Standing::AboveTable;
        else if (own && x < own->from)
            fees.standing = Standing::BelowCategory;
        else
            fees.standing = Standing::AboveCategory;
        return fees;
    }
    spread(shown(base->min), shown(base->max), 0, 0, fees);
    return fees;
}

Fees Pricing::plan(double units) const {
    Fees fees;
    const auto base = engine::planFees(in_.code, units, in_.kurs);
    if (!base) {
        fees.standing = units < table_.from ? Standing::BelowTable : Standing::AboveTable;
        return fees;
    }
    double baseMin = shown(base->min);
    double baseMax = shown(base->max);
    // Plans are priced in kuna; the DM display divides the shown kuna fees by the rate.
    if (in_.currency == "DM") {
        baseMin = shown(divide(baseMin, in_.kurs));
        baseMax = shown(divide(baseMax, in_.kurs));
    }
    spread(baseMin, baseMax, in_.addition, in_.discount, fees);
    return fees;
}

Fees Pricing::supervision(double value) const {
    Fees fees;
    const double amount = shown(value);
    const double w = divide(amount, in_.rate * 100000);
    const auto percent = engine::supervisionRate(in_.code, w);
    if (!percent) {
        fees.standing = Standing::BelowTable;
        return fees;
    }
    const double d = in_.addition;
    const double p = in_.discount;
    fees.percent = *percent;
    fees.totalMax = shown(amount * *percent * (1 + d / 100) * (1 - p / 100) / 100);
    return fees;
}

void Pricing::spread(double baseMin, double baseMax, double d, double p, Fees& fees) const {
    for (auto [base, phase] : {std::pair{baseMin, &fees.phaseMin}, {baseMax, &fees.phaseMax}}) {
        for (size_t i = 0; i < kPhases; ++i) {
            const double fee =
                in_.shares[i] * base / 100 * in_.ticks[i] * (1 + d / 100) * (1 - p / 100);
            (*phase)[i] = shown(fee);
        }
    }
    double min = 0;
    double max = 0;
    for (size_t i = 0; i < kPhases; ++i) {
        min += fees.phaseMin[i];
        max += fees.phaseMax[i];
    }
    fees.totalMin = shown(min);
    fees.totalMax = shown(max);
}

} // namespace tarvel::comparison
