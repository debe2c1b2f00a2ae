// SPDX-License-Identifier: GPL-3.0-or-later
// What the pages of every help file share: the program's currencies, menu paths and tables.
#include <stdexcept>

#include "calculator/catalogue.h"
#include "forms/control.h"
#include "forms/number_text.h"
#include "main_window.h"
#include "pages.h"

namespace tarvel::helpgen {

std::string menuPath(std::string_view menuItem) {
    std::string path;
    std::string_view name = menuItem;
    while (!name.empty()) {
        const calculator::MenuDefinition* found = nullptr;
        for (const calculator::MenuDefinition& m : calculator::menuBar()) {
            if (m.name == name)
                found = &m;
        }
        if (!found)
            throw std::runtime_error("nema izbornika " + std::string(name));
        path = path.empty() ? forms::withoutAccelerator(found->caption)
                            : forms::withoutAccelerator(found->caption) + " › " + path;
        name = found->parent;
    }
    return path;
}

bool hasItems(std::string_view menu) {
    for (const calculator::MenuDefinition& m : calculator::menuBar()) {
        if (m.parent == menu)
            return true;
    }
    return false;
}

std::string table(const std::vector<std::string>& header,
                  const std::vector<std::vector<std::string>>& rows) {
    std::string html = "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">\n<tr>";
    for (const std::string& cell : header)
        html += "<th>" + cell + "</th>";
    html += "</tr>\n";
    for (const auto& row : rows) {
        html += "<tr>";
        for (const std::string& cell : row)
            html += "<td>" + cell + "</td>";
        html += "</tr>\n";
    }
    return html + "</table>\n";
}

std::string phaseTable(const std::vector<PhaseRow>& phases, const Shown* computed) {
    std::vector<std::vector<std::string>> rows;
    for (const PhaseRow& p : phases) {
        if (computed)
            rows.push_back({escaped(p.caption), p.share + " %", p.min + " " + computed->currency,
                            p.max + " " + computed->currency});
        else
            rows.push_back({escaped(p.caption), p.share + " %"});
    }
    if (!computed)
        return table({"Faza", "Udio u cijeni"}, rows);
    const std::string& currency = computed->currency;
    rows.push_back({"<b>Ukupno</b>", "", "<b>" + computed->totalMin + " " + currency + "</b>",
                    "<b>" + computed->totalMax + " " + currency + "</b>"});
    return table({"Faza", "Udio", "Najniža cijena", "Najviša cijena"}, rows);
}

std::string command(const ProgramFacts& facts, const std::string& key) {
    const auto it = facts.commands.find(key);
    if (it == facts.commands.end())
        throw std::runtime_error("traka alata nema naredbe " + key);
    return "„" + escaped(it->second) + "“";
}

ProgramFacts programFacts() {
    MainWindow window;
    ProgramFacts facts;
    facts.rate = window.window().txtKurs->text();
    facts.rateValue = forms::num(facts.rate);
    facts.home = window.window().lblValutaFaza->caption();
    for (const forms::ToolbarButton& button : window.window().tlb1->buttons()) {
        if (!button.key.empty())
            facts.commands[button.key] = button.toolTip;
    }

    // A building service shown in the accounting currency, and a value far below its table.
    for (const calculator::CatalogueEntry& entry : calculator::catalogue()) {
        if (entry.family != calculator::Family::Building)
            continue;
        window.choose(entry);
        window.switchToAccountingCurrency();
        facts.accounting = window.window().lblValutaFaza->caption();
        const Shown refused = window.compute("1", 1);
        if (refused.accepted || refused.messages.empty())
            throw std::runtime_error("vrijednost 1 ne daje poruku");
        const std::string& message = refused.messages.front();
        facts.outOfTariff = message.substr(message.find(": ") + 2);
        break;
    }
    if (facts.rate.empty() || facts.home.empty() || facts.accounting.empty())
        throw std::runtime_error("glavni prozor ne pokazuje tečaj i valute");
    return facts;
}

} // namespace tarvel::helpgen
