// SPDX-License-Identifier: GPL-3.0-or-later
#include "comparison/tariff_range.h"

#include <algorithm>

#include "engine/tariffs.h"

namespace tarvel::comparison {

std::optional<Range> categoryRange(std::string_view code, int category) {
    const auto limits = engine::feeTableLimits(code, category);
    if (!limits)
        return std::nullopt;
    const Range range{std::max(limits->lower, kCommonRange.from),
                      std::min(limits->upper, kCommonRange.to)};
    if (range.from > range.to)
        return std::nullopt;
    return range;
}

std::optional<Range> planRange(std::string_view code) {
    const auto limits = engine::planLimits(code);
    if (!limits)
        return std::nullopt;
    return Range{limits->lower, limits->upper};
}

std::optional<double> supervisionFrom(std::string_view code) {
    return engine::supervisionLowest(code);
}

} // namespace tarvel::comparison
