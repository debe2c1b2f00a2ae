// SPDX-License-Identifier: GPL-3.0-or-later
#include "comparison/fee_chart.h"

#include <algorithm>
#include <cmath>

#include "comparison/comparison_table.h"
#include "engine/tariffs.h"
#include "forms/number_text.h"

namespace tarvel::comparison {

namespace {

// Points of the band: enough for a smooth edge at any width the window takes.
constexpr int kSamples = 160;
// Supervision has no upper limit: its chart ends at W = 100 (10 000 000 DM), past its last
// bracket.
constexpr double kSupervisionTopW = 100;
// A value out of tariff is shown within this factor beyond the tariff's range, a little away
// from the edge of the chart.
constexpr double kFarthest = 100;
constexpr double kMargin = 1.15;

BandPoint pointOf(const Pricing& pricing, const Fees& fees, double value) {
    BandPoint point;
    point.value = value;
    point.priced = fees.priced();
    if (point.priced) {
        point.max = fees.totalMax;
        point.min = pricing.hasMinimum() ? fees.totalMin : fees.totalMax;
    }
    return point;
}

BandPoint pointAt(const Pricing& pricing, int category, double value) {
    return pointOf(pricing, pricing.at(category, value), value);
}

// The range of the tariff that the chart spans, in the units of the value box.
Range tariffRange(const Pricing& pricing) {
    Range range = pricing.tableRange();
    if (!std::isfinite(range.to)) {
        range.to = kSupervisionTopW * 100000 * pricing.inputs().rate;
        if (!(range.to > range.from))
            range.to = range.from * 1000;
    }
    return range;
}

std::vector<LimitLine> limitLines(const Pricing& pricing, const Range& tariff) {
    std::vector<LimitLine> lines{{tariff.from, "početak tarife", true}};
    if (std::isfinite(pricing.tableRange().to))
        lines.push_back({tariff.to, "kraj tarife", true});
    if (pricing.inputs().family != Family::Building)
        return lines;
    std::vector<LimitLine> own;
    for (int k = 1; k <= kCategories; ++k) {
        const std::optional<Range> range = pricing.categoryRange(k);
        if (!range)
            continue;
        for (double end : {range->from, range->to}) {
            if (!(end > tariff.from && end < tariff.to))
                continue;
            const auto same = std::find_if(own.begin(), own.end(),
                                           [&](const LimitLine& l) { return l.value == end; });
            if (same != own.end())
                same->label += ", " + rowCaption(pricing, k);
            else
                own.push_back({end, "granica " + rowCaption(pricing, k), false});
        }
    }
    std::sort(own.begin(), own.end(),
              [](const LimitLine& a, const LimitLine& b) { return a.value < b.value; });
    lines.insert(lines.end(), own.begin(), own.end());
    return lines;
}

// The fees at a point in words: "13.135,00 – 16.206,00 kn".
std::string feesText(const Pricing& pricing, const BandPoint& point) {
    if (!point.priced)
        return kOutOfTariff;
    if (!pricing.hasMinimum())
        return feeWithCurrency(pricing, point.max);
    return forms::fmt(point.min, forms::kMoney) + " – " + feeWithCurrency(pricing, point.max);
}

std::string describe(const Pricing& pricing, const FeeChart& chart) {
    std::string text = "Grafikon cijene prema vrijednosti, obje osi logaritamske. " + chart.title +
                       (chart.hasMinimum ? ", pojas od najniže do najviše cijene" : "") +
                       " za vrijednosti od " + valueWithUnit(pricing, chart.values.from) + " do " +
                       valueWithUnit(pricing, chart.values.to) + ".";
    const Range tariff = pricing.tableRange();
    text += " Tarifa od " + valueWithUnit(pricing, tariff.from) +
            (std::isfinite(tariff.to) ? " do " + valueWithUnit(pricing, tariff.to) : "") + ".";
    std::string categories;
    for (const LimitLine& line : chart.limits) {
        if (!line.ofTable)
            categories += (categories.empty() ? " " : ", ") + line.label + " kod " +
                          valueWithUnit(pricing, line.value);
    }
    if (!categories.empty())
        text += categories + ".";
    for (const ValueMark& mark : chart.marks)
        text += " " + mark.label + ".";
    return text;
}

} // namespace

std::vector<BandPoint> feeBand(const Pricing& pricing, int category, Range over, int samples) {
    std::vector<double> values;
    values.reserve(static_cast<size_t>(samples) + 2);
    const double ratio = std::pow(over.to / over.from, 1.0 / (samples - 1));
    for (int i = 0; i < samples; ++i)
        values.push_back(i == samples - 1 ? over.to : over.from * std::pow(ratio, i));
    // The band ends exactly where the category's range does.
    if (const std::optional<Range> own = pricing.categoryRange(category)) {
        for (double end : {own->from, own->to}) {
            if (over.holds(end))
                values.push_back(end);
        }
    }
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
    std::vector<BandPoint> band;
    band.reserve(values.size() + 2);
    double percent = 0;
    for (double value : values) {
        const Fees fees = pricing.at(category, value);
        // Supervision changes its rate from one bracket to the next: the band steps there,
        // at the bracket's last value and the next one's first.
        if (!pricing.hasMinimum() && fees.priced() && !band.empty() && band.back().priced &&
            fees.percent != percent) {
            const auto rateIs = [&](double rate) {
                return [&pricing, category, rate](double v) {
                    return pricing.at(category, v).percent == rate;
                };
            };
            const double last = engine::acceptedEdge(rateIs(percent), band.back().value, value);
            const double first = engine::acceptedEdge(rateIs(fees.percent), value, last);
            band.push_back(pointAt(pricing, category, last));
            band.push_back(pointAt(pricing, category, first));
        }
        percent = fees.percent;
        band.push_back(pointOf(pricing, fees, value));
    }
    return band;
}

FeeChart feeChart(const Pricing& pricing, int category, double value,
                  std::optional<double> variant) {
    const ServiceInputs& in = pricing.inputs();
    FeeChart chart;
    chart.hasMinimum = pricing.hasMinimum();
    const std::string who = in.family == Family::Building
                                ? "Stupanj " + rowCaption(pricing, category)
                                : rowCaption(pricing, category);
    chart.title = who + (chart.hasMinimum ? ": najniža i najviša cijena" : ": cijena");
    chart.valueAxis = in.family == Family::Plan ? "Obračunske jedinice"
                                                : "Proračunska vrijednost (" + in.valueUnit + ")";
    chart.feeAxis = "Cijena (" + in.currency + ")";

    const Range tariff = tariffRange(pricing);
    chart.band = feeBand(pricing, category, tariff, kSamples);
    chart.limits = limitLines(pricing, tariff);

    // The value axis reaches out to a value or variant out of tariff, within reason.
    chart.values = tariff;
    std::vector<std::pair<bool, double>> marked{{false, value}};
    if (variant)
        marked.push_back({true, *variant});
    for (const auto& [isVariant, v] : marked) {
        if (!(v >= tariff.from / kFarthest && v <= tariff.to * kFarthest))
            continue;
        chart.values.from = std::min(chart.values.from, v / kMargin);
        chart.values.to = std::max(chart.values.to, v * kMargin);
        ValueMark mark;
        mark.variant = isVariant;
        mark.value = v;
        mark.fees = pointAt(pricing, category, v);
        mark.label = std::string(isVariant ? "Varijanta " : "Vrijednost ") +
                     valueWithUnit(pricing, v) + ": " + feesText(pricing, mark.fees);
        chart.marks.push_back(std::move(mark));
    }

    bool any = false;
    const auto take = [&](const BandPoint& point) {
        if (!point.priced || !(point.min > 0))
            return;
        chart.fees.from = any ? std::min(chart.fees.from, point.min) : point.min;
        chart.fees.to = any ? std::max(chart.fees.to, point.max) : point.max;
        any = true;
    };
    for (const BandPoint& point : chart.band)
        take(point);
    for (const ValueMark& mark : chart.marks)
        take(mark.fees);
    chart.fees = any ? Range{chart.fees.from / kMargin, chart.fees.to * kMargin} : Range{1, 10};
    chart.description = describe(pricing, chart);
    return chart;
}

} // namespace tarvel::comparison
