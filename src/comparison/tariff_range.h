// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

// Where the tariffs price a value. The engine answers only whether it prices a value; the
// limits are found from its answers, so that they can never disagree with what it prices.
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

// The edge of the set that `accepts` describes, between a value it accepts and one it
// refuses: the last accepted double on the way from `in` to `out`.
template <typename Accepts> double acceptedEdge(Accepts accepts, double in, double out) {
    // Halving the interval until its ends are neighbouring doubles: at most a few hundred
    // steps, and the edge is exact.
    for (int step = 0; step < 2100; ++step) {
        const double middle = in + (out - in) / 2;
        if (middle == in || middle == out)
            break;
        (accepts(middle) ? in : out) = middle;
    }
    return in;
}

} // namespace tarvel::comparison
