// SPDX-License-Identifier: GPL-3.0-or-later
// Odstupanja.chm: the deviations of every service from the deviation catalogue, each with an
// example entered in the program's own deviations dialog.
#include <algorithm>
#include <stdexcept>

#include "calculator/catalogue.h"
#include "calculator/help.h"
#include "deviations/deviation_catalogue.h"
#include "forms/control.h"
#include "forms/number_text.h"
#include "pages.h"

namespace tarvel::helpgen {
namespace {

using deviations::DeviationItem;
using deviations::DeviationService;
using deviations::Input;
using deviations::Limit;

const calculator::CatalogueEntry& entryOf(std::string_view code) {
    for (const calculator::CatalogueEntry& entry : calculator::catalogue()) {
        if (entry.code == code)
            return entry;
    }
    throw std::runtime_error("nema usluge " + std::string(code));
}

std::string number(double x) {
    return forms::plainText(x);
}

std::string lines(std::string_view text) {
    std::string html;
    for (const char c : escaped(text)) {
        if (c == '\r')
            continue;
        html += c == '\n' ? std::string("<br>") : std::string(1, c);
    }
    return html;
}

// What an entry of the dialog asks for.
std::string inputText(const DeviationItem& item) {
    switch (item.input) {
    case Input::Text:
        return "upis postotka";
    case Input::Check:
        return "kvačica";
    case Input::Option:
        return "izbor jednog od redova s krugom";
    case Input::None:
        break;
    }
    return "samo natpis";
}

// What an entry does to the base fee. `phaseSeven` is the share of phase 7 the example
// showed after the entry was chosen.
std::string effectText(const DeviationItem& item, const std::string& phaseSeven) {
    if (item.input == Input::Text) {
        switch (item.limit) {
        case Limit::Range:
            return "dodaje upisani postotak; dopušteno od " + number(item.low) + " do " +
                   number(item.high) + " %";
        case Limit::AtMost:
            return "dodaje upisani postotak; najviše " + number(item.high) + " %, inače poruka „" +
                   escaped(item.message) + "“";
        case Limit::TunnelBelow:
            return "dodaje upisani postotak; ukupno mora ostati ispod " + number(item.high) +
                   " %, inače poruka „" + escaped(item.message) +
                   "“ i odstupanje se ne primjenjuje";
        }
    }
    if (item.phaseSevenShare)
        return "ne dodaje postotak: udio faze 7 postaje " + phaseSeven + " %";
    if (item.input == Input::Check || item.input == Input::Option)
        return "+ " + number(item.addition) + " %";
    return "—";
}

std::string rowText(int row) {
    return row == 0 ? std::string("ispod reda 8") : std::to_string(row);
}

// The example: the first text input at its lowest accepted value and the first tick or option.
struct Example {
    const DeviationItem* text = nullptr;
    std::string typed;
    const DeviationItem* chosen = nullptr;
};

Example exampleOf(const DeviationService& service) {
    Example e;
    for (const DeviationItem& item : service.items) {
        if (item.input == Input::Text && !e.text) {
            e.text = &item;
            e.typed = number(item.limit == Limit::Range ? item.low : item.high / 5);
        } else if ((item.input == Input::Check || item.input == Input::Option) && !e.chosen) {
            e.chosen = &item;
        }
    }
    return e;
}

std::string servicePage(Book& book, const DeviationService& service, const ProgramFacts& facts,
                        std::string& dialogCaption, std::string& dialogHeading) {
    const calculator::CatalogueEntry& entry = entryOf(service.code);
    const Example example = exampleOf(service);

    // The base fee, then the dialog with the example's entries.
    MainWindow window;
    window.choose(entry);
    Shown before;
    for (double x : {500000.0, 100000.0, 1000000.0}) {
        before = window.compute(forms::fmt(x * facts.rateValue, forms::kMoney), 2);
        if (before.accepted)
            break;
    }
    if (!before.accepted)
        throw std::runtime_error(std::string(service.code) + ": osnovna cijena se ne računa");
    const Shown after = window.deviations([&](forms::Form& dialog) {
        dialogCaption = dialog.caption();
        dialogCaption.erase(0, dialogCaption.find_first_not_of(' '));
        dialogHeading = dialog.find("lblText")->caption();
        if (example.text)
            dialog.userType(*dialog.find(std::string(example.text->control)), example.typed);
        if (example.chosen)
            dialog.userClick(*dialog.find(std::string(example.chosen->control)));
        dialog.userClick(*dialog.find("cmdIzlaz"));
    });
    if (!after.messages.empty())
        throw std::runtime_error(std::string(service.code) +
                                 ": primjer odbijen: " + after.messages.front());
    // The share of phase 7 after the example, and before it where it changed.
    std::string phaseSeven;
    for (const PhaseRow& phase : after.phases) {
        if (phase.caption.starts_with("7."))
            phaseSeven = phase.share;
    }
    for (const PhaseRow& phase : before.phases) {
        if (phase.caption.starts_with("7.") && phase.share != phaseSeven)
            phaseSeven += " % umjesto " + phase.share;
    }

    std::string html = "<h2>" + escaped(entry.title) + "</h2>\n<p>Izbornik: <b>" +
                       escaped(menuPath(entry.menuItem)) + "</b>. Cijena usluge: " +
                       link(entry.helpPage, "Pravilnik o cijenama", "Tarvel.chm") + ".</p>\n";
    // The rows from the top of the dialog; the input below row 8 last.
    std::vector<const DeviationItem*> items;
    for (const DeviationItem& item : service.items)
        items.push_back(&item);
    std::stable_sort(items.begin(), items.end(),
                     [](const DeviationItem* a, const DeviationItem* b) {
                         return (a->row == 0 ? 9 : a->row) < (b->row == 0 ? 9 : b->row);
                     });
    std::vector<std::vector<std::string>> rows;
    for (const DeviationItem* item : items) {
        rows.push_back({rowText(item->row), escaped(item->caption), inputText(*item),
                        effectText(*item, phaseSeven)});
    }
    html += "<h3>Odstupanja</h3>\n" + table({"Red", "Natpis", "Unos", "Učinak"}, rows);
    if (!service.note.empty())
        html += "<p>Napomena u prozoru: „" + lines(service.note) + "“</p>\n";
    html += "<p>Dodaci se zbrajaju; zbroj se upisuje u okvir „Dodaj %“ glavnog prozora i "
            "povećava iznos svake faze.</p>\n";

    std::string chosen;
    if (example.text)
        chosen += "upisano " + example.typed + " u red „" +
                  escaped(example.text->caption.empty() ? rowText(example.text->row)
                                                        : example.text->caption) +
                  "“";
    if (example.chosen)
        chosen += std::string(chosen.empty() ? "" : " i ") + "označen red „" +
                  escaped(example.chosen->caption) + "“";
    html += "<h3>Primjer</h3>\n<p>Proračunska vrijednost " + before.value + " " + before.currency +
            ", kategorija II: najniža cijena " + before.totalMin + " " + before.currency +
            ", najviša " + before.totalMax + " " + before.currency + ". U prozoru odstupanja " +
            chosen +
            ". Nakon „Gotovo“ glavni prozor pokazuje "
            "„Dodaj %“ " +
            after.addition + ":</p>\n" + phaseTable(after.phases, &after);
    if (!window.state().TekstOdstupanja.empty())
        html += "<p>U zapis izračuna upisuje se:</p>\n<pre>" +
                lines(window.state().TekstOdstupanja) + "</pre>\n";
    book.page(std::string(service.helpPage),
              "Odstupanja – " + forms::withoutAccelerator(entry.caption), html);
    return "<li>" + link(service.helpPage, forms::withoutAccelerator(entry.caption)) + " – " +
           escaped(entry.title) + "</li>\n";
}

} // namespace

void writeDeviations(Book& book, const ProgramFacts& facts) {
    std::string list;
    std::string caption;
    std::string heading;
    for (const DeviationService& service : deviations::deviationCatalogue())
        list += servicePage(book, service, facts, caption, heading);

    const std::string html =
        "<p class=\"napomena\"><b>Napomena:</b> ove stranice opisuju kako program Tarvel "
        "računa odstupanja od osnovne cijene. One nisu službeni tekst Pravilnika o cijenama; "
        "mjerodavan je samo objavljeni Pravilnik.</p>\n"
        "<p>Za neke usluge osnovna cijena se mijenja zbog posebnih okolnosti: rekonstrukcije, "
        "spomenika kulture, vrste konstrukcije, duktilnosti, oblika mosta, duljine tunela i "
        "slično. Kad je cijena izračunana, naredba " +
        command(facts, "Odstup") + " na traci alata otvara prozor „" + escaped(caption) +
        "“ s natpisom „" + escaped(heading) +
        "“ i redovima koje usluga ima. Upišite postotke i označite retke pa kliknite "
        "„Gotovo“; „Ne trebam“ zatvara prozor bez odstupanja, a „Pomoć“ (ili F1) otvara "
        "stranicu odstupanja odabrane usluge.</p>\n"
        "<p>Zbroj odabranih dodataka upisuje se u okvir „Dodaj %“ glavnog prozora, a opis "
        "odstupanja ulazi u zapis izračuna. Nakon odstupanja naredba " +
        command(facts, "Odstupminus") +
        " nudi popust na "
        "povećanu cijenu, ali ne ispod osnovne najviše cijene.</p>\n"
        "<h2>Usluge s odstupanjima</h2>\n<ul>\n" +
        list + "</ul>\n";
    book.page(std::string(calculator::helpDocument(6).page), "Odstupanja i primjedbe", html);
}

} // namespace tarvel::helpgen
