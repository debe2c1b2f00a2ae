// SPDX-License-Identifier: GPL-3.0-or-later
#include "comparison/comparison_table.h"

#include <tuple>

#include "forms/number_text.h"

namespace tarvel::comparison {

using forms::fmt;
using forms::kMoney;

namespace {

constexpr const char* kRomans[kCategories] = {"I", "II", "III", "IV", "V"};

// A difference with its sign, so that a rise and a fall read apart.
std::string signedAmount(double amount) {
    const std::string text = fmt(amount, kMoney);
    return amount > 0 && text != "0,00" ? "+" + text : text;
}

// The lowest and highest total of a figure as the amount cells show them.
std::pair<std::string, std::string> totals(const Pricing& pricing, const Fees& fees) {
    if (!fees.priced())
        return {kOutOfTariff, ""};
    return {pricing.hasMinimum() ? fmt(fees.totalMin, kMoney) : kNoMinimum,
            fmt(fees.totalMax, kMoney)};
}

} // namespace

std::string valueWithUnit(const Pricing& pricing, double value) {
    const ServiceInputs& in = pricing.inputs();
    if (in.family == Family::Plan)
        return fmt(value, "0,0") + " jedinica";
    return fmt(value, kMoney) + " " + in.valueUnit;
}

std::string feeWithCurrency(const Pricing& pricing, double fee) {
    return fmt(fee, kMoney) + " " + pricing.inputs().currency;
}

std::string rowCaption(const Pricing& pricing, int category) {
    const ServiceInputs& in = pricing.inputs();
    switch (in.family) {
    case Family::Plan:
        return "Plan";
    case Family::Supervision:
        return in.code == "Nkonz" ? "Savjetovanje" : "Nadzor";
    case Family::Building:
        break;
    }
    return category >= 1 && category <= kCategories ? kRomans[category - 1] : "";
}

std::string standingNote(const Pricing& pricing, int category, Standing standing) {
    const Range table = pricing.tableRange();
    const std::optional<Range> own = pricing.categoryRange(category);
    switch (standing) {
    case Standing::Priced:
        return "";
    case Standing::BelowTable:
        return "ispod raspona tarife (od " + valueWithUnit(pricing, table.from) + ")";
    case Standing::AboveTable:
        return "iznad raspona tarife (do " + valueWithUnit(pricing, table.to) + ")";
    case Standing::BelowCategory:
        return own ? "ispod granice stupnja (od " + valueWithUnit(pricing, own->from) + ")"
                   : "stupanj se ne primjenjuje";
    case Standing::AboveCategory:
        return own ? "iznad granice stupnja (do " + valueWithUnit(pricing, own->to) + ")"
                   : "stupanj se ne primjenjuje";
    }
    return "";
}

ComparisonTable comparisonTable(const Pricing& pricing, double value,
                                std::optional<double> variant) {
    const ServiceInputs& in = pricing.inputs();
    ComparisonTable table;
    table.valueText = valueWithUnit(pricing, value);
    if (variant)
        table.variantText = valueWithUnit(pricing, *variant);

    std::array<Fees, kCategories> atValue;
    for (int k = 1; k <= pricing.rowCount(); ++k) {
        if (!pricing.offers(k))
            continue;
        TableRow& row = table.rows[static_cast<size_t>(k - 1)];
        row.shown = true;
        row.marked = in.family == Family::Building && in.chosenCategory == k;
        row.caption = rowCaption(pricing, k);
        const Fees fees = pricing.at(k, value);
        atValue[static_cast<size_t>(k - 1)] = fees;
        std::tie(row.min, row.max) = totals(pricing, fees);
        std::string note;
        if (!fees.priced()) {
            note = standingNote(pricing, k, fees.standing);
            table.outOfTariff = true;
        }
        if (variant) {
            const Fees other = pricing.at(k, *variant);
            std::tie(row.variantMin, row.variantMax) = totals(pricing, other);
            if (fees.priced() && other.priced()) {
                if (pricing.hasMinimum())
                    row.differenceMin = signedAmount(other.totalMin - fees.totalMin);
                row.differenceMax = signedAmount(other.totalMax - fees.totalMax);
            } else if (!other.priced()) {
                note += (note.empty() ? "varijanta: " : "; varijanta: ") +
                        standingNote(pricing, k, other.standing);
                table.outOfTariff = true;
            }
        }
        row.note = note;
    }

    if (in.family == Family::Supervision)
        return table;
    for (size_t i = 0; i < kPhases; ++i) {
        if (in.ticks[i] == 0 || in.shares[i] == 0)
            continue;
        PhaseLine line;
        line.caption = in.phaseCaptions[i];
        for (int k = 1; k <= pricing.rowCount(); ++k) {
            if (!pricing.offers(k))
                continue;
            const Fees& fees = atValue[static_cast<size_t>(k - 1)];
            line.fees[static_cast<size_t>(k - 1)] =
                fees.priced()
                    ? fmt(fees.phaseMin[i], kMoney) + " – " + fmt(fees.phaseMax[i], kMoney)
                    : kOutOfTariff;
        }
        table.phases.push_back(std::move(line));
    }
    return table;
}

} // namespace tarvel::comparison
