// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

// Where the tariffs price a value, in the terms of the comparison: the engine's limits within
// the range the main window checks first.
namespace tarvel::comparison {

// A closed range: both ends belong to it.
struct Range {
    double from = 0;
    double to = 0;

    bool holds(double x) const { return x >= from && x <= to; }
};

// The range of X (the value in DM) that the main window checks before any fee table.
inline constexpr Range kCommonRange{6300, 100000000};

// Where the fee table of a building service prices category 1..5, in DM, within the common
// range; nothing when it prices the category nowhere there.
std::optional<Range> categoryRange(std::string_view code, int category);

// Where a spatial plan is priced, in accounting units.
std::optional<Range> planRange(std::string_view code);

// The lowest W (the value in units of 100 000 DM) that supervision or consulting prices.
std::optional<double> supervisionFrom(std::string_view code);

} // namespace tarvel::comparison
