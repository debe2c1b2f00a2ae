// SPDX-License-Identifier: GPL-3.0-or-later
#include "estimator/cost_model.h"

#include "engine/euro.h"
#include "forms/number_text.h"

namespace tarvel::estimator {

using forms::fmt;
using forms::num;

namespace {

constexpr double kAreaLimit = 50000;
constexpr double kCostLimit = 50000;
constexpr double kValueLimit = 250000000;
constexpr double kRegulationLowest = 63000;
constexpr double kRegulationHighest = 40000000;

} // namespace

std::string referenceCostText(int type, Level level, bool germanPrices) {
    const BuildingType& t = buildingTypes().at(static_cast<size_t>(type));
    const auto& column = germanPrices ? t.germanDm : t.domesticKn;
    return fmt(column.at(static_cast<size_t>(level)), "#,0");
}

std::string referenceCostInEuro(int type, Level level, bool germanPrices) {
    const BuildingType& t = buildingTypes().at(static_cast<size_t>(type));
    const auto l = static_cast<size_t>(level);
    return fmt(germanPrices ? t.germanDm.at(l) / engine::kDmPerEuro
                            : t.domesticKn.at(l) / engine::kKunaPerEuro,
               "#,0");
}

std::string shareText(double share) {
    return forms::plainText(share);
}

std::string toDm(const std::string& cost, const std::string& rate) {
    return fmt(forms::divide(num(cost), num(rate)), "#,0");
}

ShareEntry finishShare(const std::string& text) {
    const std::string entered = text.empty() ? "0" : text;
    if (num(entered) > 100)
        return {false, ""};
    return {true, entered};
}

std::string finishRate(const std::string& text) {
    if (text.empty() || num(text) == 0)
        return std::string(kDefaultRate);
    return fmt(num(text), "0.00");
}

std::string_view stopMessage(ComputeStop stop) {
    switch (stop) {
    case ComputeStop::NothingEntered:
        return "";
    case ComputeStop::NoCost:
        return "Niste izabrali - upisali cijenu / m2!";
    case ComputeStop::NoArea:
        return "Niste upisali broj kvadratnih metara!";
    case ComputeStop::AreaTooLarge:
        return "Vrijednost tako velikih građevina izračunava se parcijalno.";
    case ComputeStop::CostTooLarge:
    case ComputeStop::ProductTooLarge:
        return "Tako veliki iznosi nisu predviđeni programom. Pokušajte računati u Dm / Euro.";
    }
    return "";
}

EstimateOutcome computeEstimate(const EstimateInput& in) {
    EstimateOutcome out;
    if (in.cost.empty() && in.area.empty()) {
        out.stop = ComputeStop::NothingEntered;
        return out;
    }
    if (in.cost.empty()) {
        out.stop = ComputeStop::NoCost;
        return out;
    }
    if (in.area.empty()) {
        out.stop = ComputeStop::NoArea;
        return out;
    }
    const double area = num(in.area);
    const double cost = num(in.cost);
    if (area >= kAreaLimit)
        out.stop = ComputeStop::AreaTooLarge;
    else if (cost >= kCostLimit)
        out.stop = ComputeStop::CostTooLarge;
    else if (cost * area >= kValueLimit)
        out.stop = ComputeStop::ProductTooLarge;
    if (out.stop)
        return out;

    // From here on the cost and the area are the whole numbers the boxes show.
    Estimate& e = out.estimate;
    e.cost = fmt(cost, "#,0");
    e.area = fmt(area, "#,0");
    const double value = num(e.cost) * num(e.area);
    double shares = 0;
    double constructionTotal = 0;
    for (size_t i = 0; i < e.construction.size(); ++i) {
        const double share = num(in.constructionShares[i]);
        shares += share;
        e.construction[i] = fmt(value * share / 100, "#,0");
        constructionTotal += num(e.construction[i]);
    }
    double installationTotal = 0;
    for (size_t i = 0; i < e.installations.size(); ++i) {
        const double share = num(in.installationShares[i]);
        shares += share;
        e.installations[i] = fmt(value * share / 100, "#,0");
        installationTotal += num(e.installations[i]);
    }
    e.constructionTotal = fmt(constructionTotal, "#,0");
    e.installationTotal = fmt(installationTotal, "#,0");
    e.wholeValue = fmt(value, "#,0");
    const double whole = num(e.wholeValue);
    if (whole != 0) {
        e.constructionPercent = fmt(num(e.constructionTotal) * 100 / whole, "0.0");
        e.installationPercent = fmt(num(e.installationTotal) * 100 / whole, "0.0");
    } else {
        e.constructionPercent = "0";
        e.installationPercent = "0";
    }
    e.shareSum = forms::plainText(shares);
    return out;
}

bool withinRegulation(double constructionTotalDm) {
    return constructionTotalDm >= kRegulationLowest && constructionTotalDm <= kRegulationHighest;
}

} // namespace tarvel::estimator
