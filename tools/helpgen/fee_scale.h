// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calculator/catalogue.h"

// The fee scale of one service as the program applies it. The engine keeps its tables to
// itself; the scale is read back from the engine's answers and from what the main window
// accepts, and is checked against them, so a page can never describe another scale than the
// one the program computes with.
namespace tarvel::helpgen {

// A number read back from the program, with the shortest decimal text that gives it back.
struct Figure {
    double value = 0;
    std::string text; // Croatian, "0,1237"
};

// Values from `lower` to `upper`, both included; a missing bound is no limit.
struct Range {
    std::optional<double> lower;
    std::optional<double> upper;
    bool operator==(const Range&) const = default;
};

// A curve of the scale: the percentage p = a / V^b of the value, V the value in units of
// 100 000 of the accounting currency.
struct Curve {
    Figure a;
    Figure b;
};

struct CategoryScale {
    int category = 0; // 1..5
    Curve lowest;
    Curve highest;
    Range range; // the values (accounting currency) the main window computes a fee for
};

struct BuildingScale {
    std::vector<CategoryScale> categories;
    Range range; // the values of every category together
};

// A power law fee = a * U^b of the accounting units U, at the main window's starting rate.
struct PlanScale {
    Curve lowest;
    Curve highest;
    Range range; // accounting units
};

// A supervision or consulting rate of W, the value in units of 100 000: from the previous
// bracket's bound (excluded) up to `upTo` (included, none for the last bracket).
struct Bracket {
    std::optional<Figure> upTo;
    Figure percent;
};

struct SupervisionScale {
    Figure lowestW; // smaller W is out of the tariff
    std::vector<Bracket> brackets;
};

BuildingScale buildingScale(const calculator::CatalogueEntry& entry);
PlanScale planScale(const calculator::CatalogueEntry& entry, double startingRate);
SupervisionScale supervisionScale(const calculator::CatalogueEntry& entry);

// The shortest decimal text (Croatian, at most `maxDecimals`) whose number is `value` or
// makes `holds` true.
std::string decimalText(double value, int decimals);

} // namespace tarvel::helpgen
