// SPDX-License-Identifier: GPL-3.0-or-later
// Tarvel.chm: how the program prices every service, with the scale read back from the engine
// and a worked example computed by the main window.
#include <cmath>
#include <functional>
#include <map>
#include <stdexcept>
#include <vector>

#include "calculator/catalogue.h"
#include "calculator/help.h"
#include "deviations/deviation_catalogue.h"
#include "fee_scale.h"
#include "forms/control.h"
#include "forms/number_text.h"
#include "main_window.h"
#include "pages.h"

namespace tarvel::helpgen {
namespace {

using calculator::CatalogueEntry;
using calculator::Family;

constexpr const char* kRoman[] = {"", "I", "II", "III", "IV", "V"};
constexpr std::string_view kContentsPage = "Glava3.htm";

struct Context {
    const ProgramFacts& facts;

    // An amount of the accounting currency: whole when it is.
    std::string accounting(double x) const {
        const double cents = std::round(x * 100) / 100;
        return forms::fmt(cents, cents == std::floor(cents) ? "#,0" : forms::kMoney) + " " +
               facts.accounting;
    }
    // The same amount in the home currency at the starting rate.
    std::string home(double x) const {
        return forms::fmt(x * facts.rateValue, forms::kMoney) + " " + facts.home;
    }
    std::string both(double x) const { return accounting(x) + " (" + home(x) + ")"; }
};

std::string rangeText(const Range& range, const std::function<std::string(double)>& amount) {
    if (range.lower && range.upper)
        return "od " + amount(*range.lower) + " do " + amount(*range.upper);
    if (range.lower)
        return "od " + amount(*range.lower) + " naviše";
    if (range.upper)
        return "do " + amount(*range.upper);
    return "bez ograničenja";
}

bool holds(const Range& range, double x) {
    return (!range.lower || x >= *range.lower) && (!range.upper || x <= *range.upper);
}

// A round value inside a range: `preferred` when it is inside, else the range's middle to two
// significant digits.
double exampleValue(const Range& range, double preferred) {
    if (holds(range, preferred))
        return preferred;
    double middle = preferred;
    if (range.lower && range.upper)
        middle = std::sqrt(*range.lower * *range.upper);
    else if (range.lower)
        middle = *range.lower * 5;
    else if (range.upper)
        middle = *range.upper / 5;
    const double unit = std::pow(10.0, std::floor(std::log10(middle)) - 1);
    const double round = std::round(middle / unit) * unit;
    return holds(range, round) ? round : middle;
}

std::string power(const Figure& base, std::string_view variable, const Figure& exponent,
                  bool divide) {
    return base.text + (divide ? " / " : " · ") + std::string(variable) + "<sup>" + exponent.text +
           "</sup>";
}

std::string percentOf(const std::string& amount, double value) {
    return decimalText(forms::num(amount) / value * 100, 4) + " %";
}

std::string links(const CatalogueEntry& entry, const Context& c) {
    std::string html;
    if (entry.deviations) {
        if (const deviations::DeviationService* d = deviations::findDeviations(entry.code))
            html += "<p>Odstupanja od osnovne cijene za ovu uslugu: " +
                    link(d->helpPage, "Odstupanja i primjedbe", "Odstupanja.chm") + ".</p>\n";
    }
    if (entry.estimator)
        html += "<p>Proračunsku vrijednost građevine možete procijeniti naredbom " +
                command(c.facts, "Vrijednost") + ": " +
                link("Proracun.htm", "Procjena proračunske vrijednosti", "Upute.chm") + ".</p>\n";
    return html;
}

std::string buildingSection(const CatalogueEntry& entry, const Context& c) {
    const BuildingScale scale = buildingScale(entry);
    const std::string& dm = c.facts.accounting;
    std::string html = "<p>Upisuje se <b>proračunska vrijednost</b> radova u " + c.facts.home +
                       " i bira stupanj složenosti građevine (kategorija " +
                       kRoman[scale.categories.front().category] + " do " +
                       kRoman[scale.categories.back().category] + ").</p>\n";

    html += "<h3>Tablica cijena</h3>\n<p>Tablica je zadana u " + dm +
            ": vrijednost se dijeli tečajem (na početku " + c.facts.rate + " " + c.facts.home +
            " za 1 " + dm + "). Neka je V vrijednost u stotinama tisuća " + dm +
            " (V = vrijednost u " + dm +
            " / 100.000). Najniža i najviša cijena cijele usluge (svih faza, 100 %) iznose p % "
            "vrijednosti, gdje je p = a / V<sup>b</sup>:</p>\n";
    std::vector<std::vector<std::string>> rows;
    for (const CategoryScale& k : scale.categories) {
        rows.push_back({kRoman[k.category], "p = " + power(k.lowest.a, "V", k.lowest.b, true),
                        "p = " + power(k.highest.a, "V", k.highest.b, true),
                        k.range == scale.range
                            ? "cijela tablica"
                            : rangeText(k.range, [&c](double x) { return c.accounting(x); })});
    }
    html +=
        table({"Kategorija", "Najniža cijena", "Najviša cijena", "Vrijedi za vrijednosti"}, rows);
    html += "<p>Tablica vrijedi za vrijednosti " +
            rangeText(scale.range, [&c](double x) { return c.both(x); }) + "; iznosi u " +
            c.facts.home + " vrijede pri tečaju " + c.facts.rate +
            ", obje granice su uključene. Za druge vrijednosti program ne računa cijenu nego "
            "javlja: „" +
            escaped(c.facts.outOfTariff) + "“</p>\n";

    // The worked example: category II where the service has it, half a million of the
    // accounting currency where the category takes it.
    const CategoryScale* k = &scale.categories.front();
    for (const CategoryScale& candidate : scale.categories) {
        if (candidate.category == 2)
            k = &candidate;
    }
    const double x = exampleValue(k->range, 500000);
    MainWindow window;
    window.choose(entry);
    const std::string phasesHtml = phaseTable(window.phases());
    const Shown e = window.compute(forms::fmt(x * c.facts.rateValue, forms::kMoney), k->category);
    if (!e.accepted)
        throw std::runtime_error(std::string(entry.menuItem) + ": primjer se ne računa");

    html += "<h3>Faze projekta</h3>\n<p>Cijena se dijeli na faze prema udjelima; računaju se "
            "samo označene faze.</p>\n" +
            phasesHtml;
    const double value = forms::num(e.value);
    html += "<h3>Primjer</h3>\n<p>Proračunska vrijednost " + e.value + " " + e.currency +
            ", tečaj " + e.rate + " (" + c.accounting(x) + ", V = " + decimalText(x / 100000, 4) +
            "), kategorija " + kRoman[k->category] +
            ", sve faze označene, bez popusta i dodatka. Osnovna najniža cijena iznosi " +
            e.baseMin + " " + e.currency + " (" + percentOf(e.baseMin, value) +
            " vrijednosti), osnovna najviša " + e.baseMax + " " + e.currency + " (" +
            percentOf(e.baseMax, value) + "). Glavni prozor pokazuje:</p>\n" +
            phaseTable(e.phases, &e) +
            "<p>Iznos svake faze zaokružuje se na lipe; ukupno je zbroj zaokruženih iznosa "
            "faza.</p>\n";
    return html;
}

std::string planSection(const CatalogueEntry& entry, const Context& c) {
    const PlanScale scale = planScale(entry, c.facts.rateValue);
    const auto units = [](double u) {
        return forms::fmt(u, "0,0");
    };
    std::string html = "<p>Upisuje se broj <b>obračunskih jedinica</b> (U) plana; cijena se računa "
                       "naredbom " +
                       command(c.facts, "Cijena") +
                       " ili tipkom Enter.</p>\n<h3>Cijena</h3>\n<p>Pri tečaju " + c.facts.rate +
                       " " + c.facts.home + " za 1 " + c.facts.accounting + ":</p>\n";
    html += table(
        {"", "Cijena cijele usluge (100 %)"},
        {{"Najniža", power(scale.lowest.a, "U", scale.lowest.b, false) + " " + c.facts.home},
         {"Najviša", power(scale.highest.a, "U", scale.highest.b, false) + " " + c.facts.home}});
    html += "<p>Pri drugom tečaju (naredba " + command(c.facts, "Kurs") +
            ") cijene se mijenjaju razmjerno tečaju. "
            "Cijena se računa za broj obračunskih jedinica " +
            rangeText(scale.range, units) +
            ", obje granice uključene; za drugi broj jedinica program javlja: „" +
            escaped(c.facts.outOfTariff) + "“</p>\n";

    const double u = exampleValue(scale.range, 10000);
    MainWindow window;
    window.choose(entry);
    const Shown e = window.compute(units(u));
    if (!e.accepted)
        throw std::runtime_error(std::string(entry.menuItem) + ": primjer se ne računa");
    html += "<h3>Faze plana</h3>\n" + phaseTable(e.phases);
    html += "<h3>Primjer</h3>\n<p>" + e.value + " obračunskih jedinica, tečaj " + e.rate +
            ", sve faze označene. Osnovna najniža cijena iznosi " + e.baseMin + " " + e.currency +
            ", najviša " + e.baseMax + " " + e.currency + ". Glavni prozor pokazuje:</p>\n" +
            phaseTable(e.phases, &e);
    return html;
}

std::string supervisionSection(const CatalogueEntry& entry, const Context& c) {
    const SupervisionScale scale = supervisionScale(entry);
    const std::string& dm = c.facts.accounting;
    std::string html = "<p>Upisuje se <b>proračunska vrijednost</b> radova u " + c.facts.home +
                       ". Cijena je postotak te vrijednosti; usluga nema faza ni najniže "
                       "cijene, pa je izračunata cijena ujedno odabrana.</p>\n"
                       "<h3>Postotak</h3>\n<p>Postotak ovisi o W, vrijednosti u stotinama "
                       "tisuća " +
                       dm + " (W = vrijednost u " + c.facts.home + " / (tečaj × 100.000)):</p>\n";
    std::vector<std::vector<std::string>> rows;
    std::string from = "od " + scale.lowestW.text;
    double fromValue = scale.lowestW.value;
    for (const Bracket& b : scale.brackets) {
        if (b.upTo) {
            rows.push_back(
                {from + " do " + b.upTo->text,
                 c.accounting(fromValue * 100000) + " do " + c.accounting(b.upTo->value * 100000),
                 b.percent.text + " %"});
            from = "iznad " + b.upTo->text;
            fromValue = b.upTo->value;
        } else {
            rows.push_back(
                {from, "iznad " + c.accounting(fromValue * 100000), b.percent.text + " %"});
        }
    }
    html += table({"W", "Vrijednost", "Postotak"}, rows);
    html += "<p>Gornja granica razreda pripada tom razredu. Za W manji od " + scale.lowestW.text +
            " (vrijednost manja od " + c.both(scale.lowestW.value * 100000) +
            ") program javlja: „" + escaped(c.facts.outOfTariff) + "“</p>\n";

    MainWindow window;
    window.choose(entry);
    const Shown e = window.compute(forms::fmt(500000 * c.facts.rateValue, forms::kMoney));
    if (e.messages.size() != 0)
        throw std::runtime_error(std::string(entry.menuItem) + ": primjer se ne računa");
    html += "<h3>Primjer</h3>\n<p>Proračunska vrijednost " + e.value + " " + e.currency +
            ", tečaj " + e.rate + " (W = 5): cijena usluge iznosi " + e.totalMax + " " +
            e.currency + " (" + percentOf(e.totalMax, forms::num(e.value)) + " vrijednosti).</p>\n";
    return html;
}

std::string serviceSection(const CatalogueEntry& entry, const Context& c) {
    std::string html = "<h2>" + escaped(entry.title) + "</h2>\n<p>Izbornik: <b>" +
                       escaped(menuPath(entry.menuItem)) + "</b></p>\n";
    switch (entry.family) {
    case Family::Building:
        html += buildingSection(entry, c);
        break;
    case Family::Plan:
        html += planSection(entry, c);
        break;
    case Family::Supervision:
        html += supervisionSection(entry, c);
        break;
    }
    return html + links(entry, c);
}

const calculator::MenuDefinition& menuOf(std::string_view name) {
    for (const calculator::MenuDefinition& m : calculator::menuBar()) {
        if (m.name == name)
            return m;
    }
    throw std::runtime_error("nema izbornika " + std::string(name));
}

// The services of a page by their menu captions; services of one submenu under its caption:
// "Urbanistički plan uređenja (M 1:1000, M 1:2000, M 1:5000)".
std::string pageTitle(const std::vector<const CatalogueEntry*>& entries) {
    std::string captions;
    for (const CatalogueEntry* e : entries)
        captions += (captions.empty() ? "" : ", ") + forms::withoutAccelerator(e->caption);
    const calculator::MenuDefinition& parent = menuOf(menuOf(entries.front()->menuItem).parent);
    bool oneSubmenu = !parent.parent.empty();
    for (const CatalogueEntry* e : entries)
        oneSubmenu = oneSubmenu && menuOf(e->menuItem).parent == parent.name;
    return oneSubmenu ? forms::withoutAccelerator(parent.caption) + " (" + captions + ")"
                      : captions;
}

// The menus in the order of the menu bar, every service linked to its page.
void contentsPage(Book& book) {
    std::string html = "<p>Za svaku uslugu iz izbornika glavnog prozora: kako program računa "
                       "njezinu cijenu, s primjerom. Opća pravila su na stranici " +
                       link(calculator::kGeneralHelpPage, "Opće odredbe") + ".</p>\n";
    std::vector<std::string_view> open; // the menus whose list is open, innermost last
    const auto close = [&] {
        html += open.size() > 1 ? "</ul></li>\n" : "</ul>\n";
        open.pop_back();
    };
    for (const calculator::MenuDefinition& m : calculator::menuBar()) {
        if (m.name == "mnuP")
            break;
        while (!open.empty() && open.back() != m.parent)
            close();
        if (m.parent.empty()) {
            html += "<h2>" + escaped(forms::withoutAccelerator(m.caption)) + "</h2>\n<ul>\n";
            open.push_back(m.name);
        } else if (const CatalogueEntry* entry = calculator::findEntry(m.name)) {
            html += "<li>" + link(entry->helpPage, forms::withoutAccelerator(m.caption)) + " – " +
                    escaped(entry->title) + "</li>\n";
        } else if (hasItems(m.name)) {
            html += "<li>" + escaped(forms::withoutAccelerator(m.caption)) + "\n<ul>\n";
            open.push_back(m.name);
        }
    }
    while (!open.empty())
        close();
    book.page(std::string(kContentsPage), "Pravilnik o cijenama – sadržaj", html);
}

void generalPage(Book& book, const Context& c) {
    const std::string& dm = c.facts.accounting;
    const std::string& kn = c.facts.home;
    std::string html =
        "<p class=\"napomena\"><b>Napomena:</b> ove stranice opisuju kako program Tarvel računa "
        "cijene usluga. One nisu službeni tekst Pravilnika o cijenama; mjerodavan je samo "
        "objavljeni Pravilnik. Sve brojke na ovim stranicama napravljene su iz istih podataka "
        "s kojima program računa, a primjere je izračunao sam program.</p>\n"
        "<h2>Obračunska valuta i tečaj</h2>\n<p>Cjenik je zadan u " +
        dm + ". Proračunska vrijednost upisuje se u " + kn +
        " i dijeli tečajem iz okvira „Tečaj“ glavnog prozora; program počinje s tečajem " +
        c.facts.rate + " " + kn + " za 1 " + dm + ". Naredbom " + command(c.facts, "Kurs") +
        " upisuje se drugi tečaj, a naredbama " + command(c.facts, "KN") + " i " +
        command(c.facts, "DM") + " iznosi se prikazuju u " + kn + " ili u " + dm + ".</p>\n" +
        "<h2>Kako se računa cijena</h2>\n<ul>\n"
        "<li><b>Projekti, elaborati i geodetski poslovi</b> (usluge sa stupnjem složenosti): "
        "iz proračunske vrijednosti i kategorije građevine (I do V) tablica daje najnižu i "
        "najvišu cijenu cijele usluge kao postotak vrijednosti. Postotak je p = a / "
        "V<sup>b</sup>, gdje je V vrijednost u stotinama tisuća " +
        dm +
        ", a brojevi a i b ovise o usluzi i kategoriji. Najviša cijena jedne kategorije "
        "jednaka je najnižoj cijeni sljedeće.</li>\n"
        "<li><b>Prostorni planovi</b>: iz broja obračunskih jedinica U cijena je a · "
        "U<sup>b</sup> " +
        kn + " pri tečaju " + c.facts.rate + ", a pri drugom tečaju razmjerno tečaju.</li>\n" +
        "<li><b>Nadzor i savjetovanje</b>: cijena je postotak proračunske vrijednosti prema "
        "razredima vrijednosti; nema faza ni najniže cijene.</li>\n</ul>\n"
        "<h2>Faze, popust i dodatak</h2>\n<p>Cijena cijele usluge dijeli se na faze prema "
        "udjelima koje usluga zadaje; računaju se samo označene faze. Opći dodatak i opći "
        "popust (okviri „Dodaj %“ i „Popust %“) i odstupanja množe iznos svake faze, a "
        "osnovna cijena ostaje ista. Iznos svake faze zaokružuje se na dvije decimale, a "
        "ukupni iznosi su zbrojevi zaokruženih iznosa faza.</p>\n"
        "<h2>Vrijednosti izvan cjenika</h2>\n<p>Svaka tablica vrijedi samo između svojih "
        "granica. Za vrijednost izvan njih program ne računa cijenu nego javlja: „" +
        escaped(c.facts.outOfTariff) + "“</p>\n<h2>Usluge</h2>\n<p>" +
        link(kContentsPage, "Popis svih usluga") + " po izbornicima glavnog prozora.</p>\n";
    book.page(std::string(calculator::kGeneralHelpPage), "Opće odredbe", html);
}

} // namespace

void writeRegulation(Book& book, const ProgramFacts& facts) {
    const Context c{facts};
    // One page per help page name, with every service that names it, in menu order.
    std::vector<std::string> order;
    std::map<std::string, std::vector<const CatalogueEntry*>> pages;
    for (const CatalogueEntry& entry : calculator::catalogue()) {
        const std::string page(entry.helpPage);
        if (!pages.count(page))
            order.push_back(page);
        pages[page].push_back(&entry);
    }
    for (const std::string& page : order) {
        std::string body;
        for (const CatalogueEntry* entry : pages[page])
            body += serviceSection(*entry, c);
        book.page(page, pageTitle(pages[page]), body);
    }
    contentsPage(book);
    generalPage(book, c);
}

} // namespace tarvel::helpgen
