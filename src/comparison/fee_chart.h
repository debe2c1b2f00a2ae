// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "comparison/pricing.h"

// What the chart of fee against value shows, worked out here so that the window only draws
// it: the band between the lowest and the highest whole fee of one category over the whole
// range of the tariff, the tariff's limits, and the value and the variant with their fees.
namespace tarvel::comparison {

// The whole fees at one value; a value the category does not price has none.
struct BandPoint {
    double value = 0;
    bool priced = false;
    double min = 0; // equal to max for supervision, which has no minimum
    double max = 0;
};

// A limit of the tariff: of its whole range, or of a category within it.
struct LimitLine {
    double value = 0;
    std::string label; // "početak tarife", "kraj tarife", "granica I, II"
    bool ofTable = false;
};

// The value or the variant, marked with its fees.
struct ValueMark {
    bool variant = false;
    double value = 0;
    BandPoint fees;
    std::string label; // "Vrijednost 370.000,00 kn: 13.135,00 – 16.206,00 kn"
};

struct FeeChart {
    std::string title;     // "Stupanj II: najniža i najviša cijena"
    std::string valueAxis; // "Proračunska vrijednost (kn)"
    std::string feeAxis;   // "Cijena (kn)"
    Range values;          // the value axis, logarithmic
    Range fees;            // the fee axis, logarithmic
    bool hasMinimum = true;
    std::vector<BandPoint> band;
    std::vector<LimitLine> limits;
    std::vector<ValueMark> marks;
    // The chart in words, for a screen reader.
    std::string description;
};

// The band of a category sampled at `samples` values spaced evenly on a logarithmic scale
// over `over`, and at the ends of the category's range within it.
std::vector<BandPoint> feeBand(const Pricing& pricing, int category, Range over, int samples);

// The chart of a category at the value and, when given, the variant.
FeeChart feeChart(const Pricing& pricing, int category, double value,
                  std::optional<double> variant);

} // namespace tarvel::comparison
