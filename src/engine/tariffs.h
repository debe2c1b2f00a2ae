// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

// The fee scale of the regulation: the nineteen fee tables priced from a budget value and a
// complexity category, the spatial plans priced from accounting units, and the supervision
// and consulting brackets. Pure functions of their inputs; the main window formats and
// shows what they return.
namespace tarvel::engine {

// The base minimum and maximum fee of a whole service (all phases, 100 %), unrounded, in
// the currency of the value.
struct BaseFees {
    double min = 0;
    double max = 0;
};

// The values a tariff prices, both bounds included; an open side is infinite.
struct Limits {
    double lower = 0;
    double upper = 0;
};

// True when the code has a fee table (the building family).
bool hasFeeTable(std::string_view code);

// Prices a building-family service: value in the display currency, rate = display currency
// per DM (1 in DM mode), category 1..5. Returns nothing when the value (X = value / rate, in
// DM) is outside the table's range or beyond the category's own limit: the service is then
// out of tariff. Precondition: hasFeeTable(code), rate > 0, value > 0, category offered.
std::optional<BaseFees> feeTableFees(std::string_view code, double value, double rate,
                                     int category);

// Where the fee table prices category 1..5, as X (the value in DM): the table's range and the
// category's own limit together. Nothing when the code has no table or does not offer the
// category.
std::optional<Limits> feeTableLimits(std::string_view code, int category);

// True for the spatial plan codes APg, APpo, APo, APup1, APup2, APup5, APdup.
bool isPlan(std::string_view code);

// Prices a spatial plan from accounting units at the stored exchange rate kurs (fees scale
// with kurs / 3.7). Returns nothing when the units are outside the plan's range.
std::optional<BaseFees> planFees(std::string_view code, double units, double kurs);

// The accounting units a spatial plan is priced for.
std::optional<Limits> planLimits(std::string_view code);

// True for Nnadzor and Nkonz.
bool isSupervision(std::string_view code);

// The supervision or consulting rate in per cent for W = value in units of 100 000 DM.
// Returns nothing when W < 0.11. A W on a bracket bound belongs to the bracket below it.
std::optional<double> supervisionRate(std::string_view code, double w);

// The lowest W that supervision or consulting prices.
std::optional<double> supervisionLowest(std::string_view code);

// The edge of the set that `accepts` describes, between a value it accepts and one it
// refuses: the last accepted double on the way from `in` to `out`. For limits that are not
// data of their own (where a rate changes, where a window's checks refuse a value).
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

} // namespace tarvel::engine
