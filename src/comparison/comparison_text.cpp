// SPDX-License-Identifier: GPL-3.0-or-later
#include "comparison/comparison_text.h"

#include "forms/number_text.h"
#include "records/text_columns.h"

namespace tarvel::comparison {

using records::len;
using records::sp;

namespace {

constexpr long kPageWidth = 78;
constexpr long kCaptionColumn = 16;
constexpr long kAmountColumn = 15;

// A row's caption, with the mark of the main window's category.
std::string caption(const TableRow& row) {
    return row.marked ? row.caption + " (odabran)" : row.caption;
}

std::string left(const std::string& text, long width) {
    return text + sp(width - len(text));
}

std::string right(const std::string& text, long width) {
    return sp(width - len(text)) + text;
}

// Splits a text at blanks into lines of at most `width` characters after `indent`.
void wrap(const std::string& text, const std::string& indent, std::vector<std::string>& lines) {
    std::string line = indent;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find(' ', at);
        if (end == std::string::npos)
            end = text.size();
        const std::string word = text.substr(at, end - at);
        if (len(line) > len(indent) && len(line) + 1 + len(word) > kPageWidth) {
            lines.push_back(line);
            line = indent;
        }
        line += (len(line) > len(indent) ? " " : "") + word;
        at = end + 1;
    }
    if (len(line) > len(indent))
        lines.push_back(line);
}

std::string tab(std::initializer_list<std::string> cells) {
    std::string line;
    bool first = true;
    for (const std::string& cell : cells) {
        if (!first)
            line += '\t';
        line += cell;
        first = false;
    }
    return line + "\n";
}

std::string percentText(double percent) {
    return forms::plainText(percent) + " %";
}

} // namespace

std::string amountsRemark(const Pricing& pricing) {
    const ServiceInputs& in = pricing.inputs();
    if (in.family == Family::Building)
        return "Iznosi su zbroj označenih faza, bez popusta i dodatka, kao nakon odabira "
               "stupnja u glavnom prozoru.";
    std::string adjustments;
    if (in.discount != 0)
        adjustments += ", s popustom " + percentText(in.discount);
    if (in.addition != 0)
        adjustments +=
            (in.discount != 0 ? " i dodatkom " : ", s dodatkom ") + percentText(in.addition);
    if (in.family == Family::Plan)
        return "Iznosi su zbroj označenih faza" + adjustments + ".";
    return "Cijena je postotak proračunske vrijednosti" + adjustments + "; najniža ne postoji.";
}

std::string tabSeparated(const Pricing& pricing, const ComparisonTable& table) {
    const bool variant = !table.variantText.empty();
    std::string text = pricing.inputs().title + "\n";
    text += tab({"Vrijednost", table.valueText});
    if (variant)
        text += tab({"Varijanta", table.variantText});
    text += "\n";
    const std::string head = pricing.inputs().family == Family::Building ? "Stupanj" : "Tarifa";
    text += variant ? tab({head, "Najniža", "Najviša", "Varijanta najniža", "Varijanta najviša",
                           "Razlika najniža", "Razlika najviša", "Napomena"})
                    : tab({head, "Najniža", "Najviša", "Napomena"});
    for (const TableRow& row : table.rows) {
        if (!row.shown)
            continue;
        text += variant ? tab({caption(row), row.min, row.max, row.variantMin, row.variantMax,
                               row.differenceMin, row.differenceMax, row.note})
                        : tab({caption(row), row.min, row.max, row.note});
    }
    if (!table.phases.empty()) {
        text += "\nFaza";
        for (const TableRow& row : table.rows) {
            if (row.shown)
                text += "\t" + row.caption;
        }
        text += "\n";
        for (const PhaseLine& phase : table.phases) {
            text += phase.caption;
            for (size_t k = 0; k < table.rows.size(); ++k) {
                if (table.rows[k].shown)
                    text += "\t" + phase.fees[k];
            }
            text += "\n";
        }
    }
    return text;
}

std::vector<std::string> printLines(const Pricing& pricing, const ComparisonTable& table) {
    const bool variant = !table.variantText.empty();
    std::vector<std::string> lines;
    lines.push_back(pricing.inputs().title);
    lines.push_back("Vrijednost: " + table.valueText);
    if (variant)
        lines.push_back("Varijanta:  " + table.variantText);
    wrap(amountsRemark(pricing), "", lines);
    lines.emplace_back();

    const std::string head = pricing.inputs().family == Family::Building ? "Stupanj" : "Tarifa";
    std::string heading = left(head, kCaptionColumn) + right("Najniža", kAmountColumn) +
                          right("Najviša", kAmountColumn);
    if (variant)
        heading += right("Var. najniža", kAmountColumn) + right("Var. najviša", kAmountColumn);
    lines.push_back(heading);
    lines.push_back(std::string(static_cast<size_t>(len(heading)), '-'));
    for (const TableRow& row : table.rows) {
        if (!row.shown)
            continue;
        std::string line = left(caption(row), kCaptionColumn) + right(row.min, kAmountColumn) +
                           right(row.max, kAmountColumn);
        if (variant)
            line += right(row.variantMin, kAmountColumn) + right(row.variantMax, kAmountColumn);
        lines.push_back(line.substr(0, line.find_last_not_of(' ') + 1));
        if (variant && !row.differenceMax.empty())
            lines.push_back(left("  razlika", kCaptionColumn + 2 * kAmountColumn) +
                            right(row.differenceMin, kAmountColumn) +
                            right(row.differenceMax, kAmountColumn));
        if (!row.note.empty())
            wrap(row.note, "  ", lines);
    }
    if (table.outOfTariff) {
        lines.emplace_back();
        wrap("Izvan tarife: za navedenu vrijednost, usluga se ugovara kao vremenski trošak ili "
             "slobodno.",
             "", lines);
    }

    if (!table.phases.empty()) {
        lines.emplace_back();
        lines.push_back("Faze (najniža – najviša)");
        for (size_t k = 0; k < table.rows.size(); ++k) {
            const TableRow& row = table.rows[k];
            if (!row.shown)
                continue;
            lines.push_back(head + " " + caption(row));
            for (const PhaseLine& phase : table.phases)
                lines.push_back("  " + left(phase.caption, 28) + right(phase.fees[k], 34));
        }
    }
    return lines;
}

} // namespace tarvel::comparison
