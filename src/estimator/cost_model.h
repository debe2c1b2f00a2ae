// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "estimator/building_types.h"
#include "forms/message_titles.h"

// The estimator's arithmetic on the texts its window shows: reference costs, the DM
// conversion, share and rate entries, and the computation of an estimate with its limits.
// Every amount is read back from its displayed, rounded text. Unreadable texts throw
// forms::ConversionError.
namespace tarvel::estimator {

// The estimator's own exchange rate at load and for an emptied rate box.
inline constexpr std::string_view kDefaultRate = "3,90";

// A reference cost as shown in the level column ("#,0").
std::string referenceCostText(int type, Level level, bool germanPrices);

// A reference cost in euro per m², "#,0": a German price converted from DM, a domestic one
// from kuna, each at the euro's fixed rate.
std::string referenceCostInEuro(int type, Level level, bool germanPrices);

// A share of the table as the share boxes show it: the number's plain text.
std::string shareText(double share);

// A cost shown in kuna converted to DM with the estimator's rate, "#,0".
std::string toDm(const std::string& cost, const std::string& rate);

// A share box being left after editing: an empty box becomes "0"; more than 100 is refused.
struct ShareEntry {
    bool accepted = false;
    std::string text; // the box's text when accepted
};
ShareEntry finishShare(const std::string& text);

// The rate box being left after editing: an empty box or a zero rate becomes the default
// rate; any other rate is rewritten "0.00".
std::string finishRate(const std::string& text);

// Why a computation stopped before it produced an estimate.
enum class ComputeStop {
    NothingEntered,  // neither cost nor area: nothing happens
    NoCost,          // focus the cost box
    NoArea,          // focus the area box
    AreaTooLarge,    // empty the area box, focus it
    CostTooLarge,    // empty the cost box, focus it
    ProductTooLarge, // empty both, focus the area box
};
// The message a stop shows (title forms::titles::kCannot), empty for NothingEntered.
std::string_view stopMessage(ComputeStop stop);

struct EstimateInput {
    std::string cost; // per m², as typed or chosen
    std::string area; // gross floor area, m²
    std::array<std::string, kConstructionGroups> constructionShares;
    std::array<std::string, kInstallationGroups> installationShares;
};

// The texts a computed estimate shows.
struct Estimate {
    std::string cost, area; // rewritten "#,0"
    std::array<std::string, kConstructionGroups> construction;
    std::array<std::string, kInstallationGroups> installations;
    std::string constructionTotal, installationTotal;     // sums of the shown group amounts
    std::string wholeValue;                               // cost × area
    std::string constructionPercent, installationPercent; // of the whole value, "0.0"
    std::string shareSum;                                 // all 17 shares, plain text
};

struct EstimateOutcome {
    std::optional<ComputeStop> stop;
    Estimate estimate; // valid when there is no stop
};

// Limits: the area and the cost each below 50000, their product below 250000000.
EstimateOutcome computeEstimate(const EstimateInput& input);

// The construction total of an estimate in DM lies within the fee regulation (both bounds
// allowed).
bool withinRegulation(double constructionTotalDm);

} // namespace tarvel::estimator
