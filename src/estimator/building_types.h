// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

// The fixed table behind the estimator: eleven kinds of building, each with the cost shares of
// its construction groups (300) and installation groups (400) and its reference costs per m².
namespace tarvel::estimator {

inline constexpr int kConstructionGroups = 8;
inline constexpr int kInstallationGroups = 9;
inline constexpr int kBuildingTypeCount = 11;

// The three reference levels: lowest, middle, highest.
enum Level { Lowest = 0, Middle = 1, Highest = 2 };

struct BuildingType {
    std::string_view caption;
    std::array<double, kConstructionGroups> construction; // per cent of the whole cost
    std::array<double, kInstallationGroups> installations;
    // The published totals as they are shown; they are not the sums of the group shares.
    std::string_view constructionTotal;
    std::string_view installationTotal;
    std::array<int, 3> germanDm;   // German prices, DM per m²
    std::array<int, 3> domesticKn; // domestic prices, kuna per m²
};

// The eleven types in the order of the tabs.
const std::array<BuildingType, kBuildingTypeCount>& buildingTypes();

// Row captions of the group tables ("310  Građevna jama").
const std::array<std::string_view, kConstructionGroups>& constructionCaptions();
const std::array<std::string_view, kInstallationGroups>& installationCaptions();

} // namespace tarvel::estimator
