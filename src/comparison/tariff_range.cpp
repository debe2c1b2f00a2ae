// SPDX-License-Identifier: GPL-3.0-or-later
#include "comparison/tariff_range.h"

#include <cmath>

#include "engine/tariffs.h"

namespace tarvel::comparison {

namespace {

// The first stretch of `within` that `accepts` holds, found by probing it at points spaced
// evenly on a logarithmic scale and then closing in on both ends. The tariffs' ranges are
// wide (no narrower than a factor of 1.3), so the probes cannot step over one.
template <typename Accepts>
std::optional<Range> acceptedRange(Accepts accepts, const Range& within) {
    constexpr int kProbes = 64;
    const double ratio = std::pow(within.to / within.from, 1.0 / (kProbes - 1));
    const auto probe = [&](int i) {
        return i == kProbes - 1 ? within.to : within.from * std::pow(ratio, i);
    };
    int first = 0;
    while (first < kProbes && !accepts(probe(first)))
        ++first;
    if (first == kProbes)
        return std::nullopt;
    int last = first;
    while (last + 1 < kProbes && accepts(probe(last + 1)))
        ++last;
    Range range;
    range.from = first == 0 ? within.from : acceptedEdge(accepts, probe(first), probe(first - 1));
    range.to =
        last == kProbes - 1 ? within.to : acceptedEdge(accepts, probe(last), probe(last + 1));
    return range;
}

} // namespace

std::optional<Range> categoryRange(std::string_view code, int category) {
    if (!engine::hasFeeTable(code))
        return std::nullopt;
    // At a rate of 1 the value is X itself.
    return acceptedRange(
        [&](double x) { return engine::feeTableFees(code, x, 1, category).has_value(); },
        kCommonRange);
}

std::optional<Range> planRange(std::string_view code) {
    if (!engine::isPlan(code))
        return std::nullopt;
    return acceptedRange(
        [&](double units) { return engine::planFees(code, units, 3.7).has_value(); },
        Range{1, 1e9});
}

std::optional<double> supervisionFrom(std::string_view code) {
    if (!engine::isSupervision(code))
        return std::nullopt;
    const auto range = acceptedRange(
        [&](double w) { return engine::supervisionRate(code, w).has_value(); }, Range{1e-6, 1e6});
    if (!range)
        return std::nullopt;
    return range->from;
}

} // namespace tarvel::comparison
