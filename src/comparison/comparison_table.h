// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "comparison/pricing.h"

// The comparison as texts: a row per category the service offers (its one tariff for a plan
// or supervision) with the whole lowest and highest fee at the main window's value and at a
// variant value, their difference, and why a value is out of tariff; and the fees of the
// ticked phases per category.
namespace tarvel::comparison {

struct TableRow {
    bool shown = false;  // the service offers the category
    bool marked = false; // the main window's category
    std::string caption; // "I" .. "V", or the tariff of a plan or supervision
    std::string min, max;
    std::string variantMin, variantMax;
    std::string differenceMin, differenceMax;
    std::string note; // why the value or the variant is out of tariff
};

struct PhaseLine {
    std::string caption;                       // the phase's caption in the main window
    std::array<std::string, kCategories> fees; // "lowest – highest" per row
};

struct ComparisonTable {
    std::string valueText;   // the value as the value box shows it, with its unit
    std::string variantText; // likewise, "" without a variant
    std::array<TableRow, kCategories> rows;
    std::vector<PhaseLine> phases;
    bool outOfTariff = false; // some value of some row is out of tariff
};

// What an amount cell shows for a figure out of tariff, and for the missing minimum of
// supervision.
inline constexpr char kOutOfTariff[] = "izvan tarife";
inline constexpr char kNoMinimum[] = "ne postoji";
// What a value out of tariff means, in the words of the main window's message.
inline constexpr char kOutOfTariffNote[] =
    "Izvan tarife: za navedenu vrijednost, usluga se ugovara kao vremenski trošak ili "
    "slobodno. Pregledajte Pravilnik o cijenama!";

// The table at the value and, when given, at the variant.
ComparisonTable comparisonTable(const Pricing& pricing, double value,
                                std::optional<double> variant);

// A value as the value box shows it after Enter ("370.000,00 kn", "12.000 jedinica").
std::string valueWithUnit(const Pricing& pricing, double value);
// A fee with its currency ("13.135,00 kn").
std::string feeWithCurrency(const Pricing& pricing, double fee);
// Why a value is out of tariff for a category, with the limit it passed.
std::string standingNote(const Pricing& pricing, int category, Standing standing);
// The caption of a row: "I" .. "V", "Plan", "Nadzor" or "Savjetovanje".
std::string rowCaption(const Pricing& pricing, int category);

} // namespace tarvel::comparison
