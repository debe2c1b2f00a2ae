// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

#include "estimator/building_types.h"

// The text of one saved estimate, as Pregled.txt and the printed copy hold it.
namespace tarvel::estimator {

struct ReportInput {
    std::string typeCaption;
    std::string area;            // as the area box shows it
    std::string cost;            // per m², as the cost box shows it
    std::string currency = "kn"; // of every amount: "kn", "DM" or "EUR"
    std::array<std::string, kConstructionGroups> constructionShares, construction;
    std::array<std::string, kInstallationGroups> installationShares, installations;
    std::string constructionTotal, constructionPercent;
    std::string installationTotal, installationPercent;
    std::string wholeValue, shareSum;
};

// The report's lines, each ending in "\n"; amounts right-aligned in fixed columns.
std::string estimateReport(const ReportInput& in);

// The whole content of an estimate file: the report followed by one more line end.
std::string estimateFileText(const ReportInput& in);

} // namespace tarvel::estimator
