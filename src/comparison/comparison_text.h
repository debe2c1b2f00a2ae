// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "comparison/comparison_table.h"

// The comparison as text: tab-separated for the clipboard (a spreadsheet takes it as cells),
// and as fixed-pitch lines for the printer.
namespace tarvel::comparison {

// What the comparison says about its amounts (which phases, which discount and addition).
std::string amountsRemark(const Pricing& pricing);

// The table and the phases as lines of tab-separated cells.
std::string tabSeparated(const Pricing& pricing, const ComparisonTable& table);

// The same for a page of 80 characters a line: the amounts in right-aligned columns.
std::vector<std::string> printLines(const Pricing& pricing, const ComparisonTable& table);

} // namespace tarvel::comparison
