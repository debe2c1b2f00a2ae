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

// True when the code has a fee table (the building family).
bool hasFeeTable(std::string_view code);

// Prices a building-family service: value in the display currency, rate = display currency
// per DM (1 in DM mode), category 1..5. Returns nothing when the value (X = value / rate, in
// DM) is outside the table's range or beyond the category's own limit: the service is then
// out of tariff. Precondition: hasFeeTable(code), rate > 0, value > 0, category offered.
std::optional<BaseFees> feeTableFees(std::string_view code, double value, double rate,
                                     int category);

// True for the spatial plan codes APg, APpo, APo, APup1, APup2, APup5, APdup.
bool isPlan(std::string_view code);

// Prices a spatial plan from accounting units at the stored exchange rate kurs (fees scale
// with kurs / 3.7). Returns nothing when the units are outside the plan's range.
std::optional<BaseFees> planFees(std::string_view code, double units, double kurs);

// True for Nnadzor and Nkonz.
bool isSupervision(std::string_view code);

// The supervision or consulting rate in per cent for W = value in units of 100 000 DM.
// Returns nothing when W < 0.11. A W on a bracket bound belongs to the bracket below it.
std::optional<double> supervisionRate(std::string_view code, double w);

} // namespace tarvel::engine
