// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator/currency.h"

#include "engine/euro.h"

namespace tarvel::calculator {

namespace {

// Units of the other currency in one euro.
double perEuro(std::string_view caption) {
    if (caption == kKuna)
        return engine::kKunaPerEuro;
    if (caption == kDm)
        return engine::kDmPerEuro;
    return 1;
}

} // namespace

std::string currencyOfSetting(std::string_view setting) {
    if (setting == kDmKey)
        return kDm;
    if (setting == kEuroKey)
        return kEuro;
    return kKuna;
}

double toEuro(double amount, std::string_view caption) {
    return amount / perEuro(caption);
}

double fromEuro(double amount, std::string_view caption) {
    return amount * perEuro(caption);
}

} // namespace tarvel::calculator
