// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/tariffs.h"

#include <array>
#include <limits>
#include <span>

namespace tarvel::engine {
namespace {

// W below this (in units of 100 000 DM) is out of tariff.
constexpr double kLowestW = 0.11;

// A bracket holds the W above the previous bracket's bound up to its own bound, the bound
// included; the first starts at kLowestW (included), the last has no bound.
struct Bracket {
    double upTo;
    double percent;
};

constexpr double kAbove = std::numeric_limits<double>::infinity();

constexpr std::array<Bracket, 13> kSupervision{{
    {0.21, 3.8},
    {0.65, 3.5},
    {1.09, 2.8},
    {1.79, 2.6},
    {2.19, 2.4},
    {2.79, 2.3},
    {2.99, 2.2},
    {10.99, 2.0},
    {21.99, 1.9},
    {32.99, 1.7},
    {50.99, 1.6},
    {84.99, 1.55},
    {kAbove, 1.5},
}};

constexpr std::array<Bracket, 3> kConsulting{{
    {1.09, 0.6},
    {84.99, 0.5},
    {kAbove, 0.4},
}};

std::span<const Bracket> bracketsOf(std::string_view code) {
    if (code == "Nnadzor") {
        return kSupervision;
    }
    if (code == "Nkonz") {
        return kConsulting;
    }
    return {};
}

} // namespace

bool isSupervision(std::string_view code) {
    return !bracketsOf(code).empty();
}

std::optional<double> supervisionLowest(std::string_view code) {
    if (!isSupervision(code)) {
        return std::nullopt;
    }
    return kLowestW;
}

std::optional<double> supervisionRate(std::string_view code, double w) {
    if (!(w >= kLowestW)) {
        return std::nullopt;
    }
    for (const Bracket& bracket : bracketsOf(code)) {
        if (w <= bracket.upTo) {
            return bracket.percent;
        }
    }
    return std::nullopt;
}

} // namespace tarvel::engine
