// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/tariffs.h"

#include <array>
#include <cmath>

namespace tarvel::engine {
namespace {

// The exchange rate (kuna per DM) at which the plan factors are stated; the fees scale with
// the stored rate in proportion to it.
constexpr double kFactorRate = 3.7;

// A spatial plan: its range of accounting units (both bounds included) and the power laws
// fee = A * U^b of its minimum and its maximum at the rate kFactorRate.
struct PlanTariff {
    std::string_view code;
    double fromUnits;
    double toUnits;
    double minFactor;
    double minExponent;
    double maxFactor;
    double maxExponent;
};

constexpr std::array<PlanTariff, 7> kPlans{{
    {"APg", 5000, 100000, 51.97, 0.923, 62.5, 0.9228},
    {"APpo", 5000, 100000, 60.9, 0.9486, 73.3, 0.9483},
    {"APo", 7500, 100000, 51.97, 0.923, 62.5, 0.9228},
    {"APup1", 500, 50000, 64.3, 0.9675, 77.1, 0.9677},
    {"APup2", 5000, 30000, 60.9, 0.9486, 73.3, 0.9483},
    {"APup5", 5000, 30000, 42.63, 0.9486, 51.31, 0.9483},
    {"APdup", 500, 35000, 100.6, 0.9615, 122.5, 0.9597},
}};

const PlanTariff* findPlan(std::string_view code) {
    for (const PlanTariff& plan : kPlans) {
        if (plan.code == code) {
            return &plan;
        }
    }
    return nullptr;
}

} // namespace

bool isPlan(std::string_view code) {
    return findPlan(code) != nullptr;
}

std::optional<Limits> planLimits(std::string_view code) {
    const PlanTariff* plan = findPlan(code);
    if (plan == nullptr) {
        return std::nullopt;
    }
    return Limits{plan->fromUnits, plan->toUnits};
}

std::optional<BaseFees> planFees(std::string_view code, double units, double kurs) {
    const PlanTariff* plan = findPlan(code);
    if (plan == nullptr || !(units >= plan->fromUnits && units <= plan->toUnits)) {
        return std::nullopt;
    }
    return BaseFees{std::pow(units, plan->minExponent) * kurs * plan->minFactor / kFactorRate,
                    std::pow(units, plan->maxExponent) * kurs * plan->maxFactor / kFactorRate};
}

} // namespace tarvel::engine
