// SPDX-License-Identifier: GPL-3.0-or-later
// Troskovi.chm: the building types of the budget value estimator with their reference costs
// and cost group shares, each with an estimate computed by the estimator's cost model.
#include <string_view>

#include "calculator/help.h"
#include "estimator/building_types.h"
#include "estimator/cost_model.h"
#include "pages.h"

namespace tarvel::helpgen {
namespace {

using estimator::buildingTypes;

// A page name without Croatian letters: "Obiteljske kuće" gives "Obiteljske kuce.htm".
std::string pageName(std::string_view caption) {
    static constexpr std::pair<std::string_view, std::string_view> kLetters[] = {
        {"č", "c"}, {"ć", "c"}, {"đ", "d"}, {"š", "s"}, {"ž", "z"},
        {"Č", "C"}, {"Ć", "C"}, {"Đ", "D"}, {"Š", "S"}, {"Ž", "Z"}};
    std::string name(caption);
    for (const auto& [letter, plain] : kLetters) {
        for (size_t at = name.find(letter); at != std::string::npos; at = name.find(letter, at))
            name.replace(at, letter.size(), plain);
    }
    return name + ".htm";
}

// A published total share, with its per-cent sign.
std::string totalShare(std::string_view text) {
    std::string total(text);
    if (total.ends_with(" %"))
        total.resize(total.size() - 2);
    return total + " %";
}

struct Captions {
    std::array<std::string, 3> levels;
    std::string german;
};

Captions estimatorCaptions() {
    MainWindow program;
    forms::Form& estimator = program.load("frmVrijednost");
    Captions c;
    for (size_t i = 0; i < c.levels.size(); ++i)
        c.levels[i] = estimator.find("opt1(" + std::to_string(i) + ")")->caption();
    c.german = estimator.find("chkUNJ")->caption();
    return c;
}

void typePage(Book& book, int index, const Captions& captions) {
    const estimator::BuildingType& type = buildingTypes()[static_cast<size_t>(index)];
    std::string html;

    std::vector<std::vector<std::string>> costs;
    for (size_t level = 0; level < 3; ++level) {
        const auto l = static_cast<estimator::Level>(level);
        costs.push_back({escaped(captions.levels[level]),
                         estimator::referenceCostText(index, l, false) + " kn/m²",
                         estimator::referenceCostText(index, l, true) + " DM/m²"});
    }
    html += "<h2>Troškovi po m² bruto površine</h2>\n" +
            table({"Razina", "Domaće cijene", "Njemačke cijene"}, costs);

    // The example: the middle domestic cost, 100 m², the type's own shares.
    estimator::EstimateInput input;
    input.cost = estimator::referenceCostText(index, estimator::Middle, false);
    input.area = "100";
    for (size_t i = 0; i < input.constructionShares.size(); ++i)
        input.constructionShares[i] = estimator::shareText(type.construction[i]);
    for (size_t i = 0; i < input.installationShares.size(); ++i)
        input.installationShares[i] = estimator::shareText(type.installations[i]);
    const estimator::EstimateOutcome outcome = estimator::computeEstimate(input);
    const estimator::Estimate& e = outcome.estimate;

    std::vector<std::vector<std::string>> construction;
    for (size_t i = 0; i < input.constructionShares.size(); ++i)
        construction.push_back({escaped(estimator::constructionCaptions()[i]),
                                input.constructionShares[i] + " %", e.construction[i] + " kn"});
    construction.push_back({"<b>Građenje ukupno</b>", totalShare(type.constructionTotal),
                            "<b>" + e.constructionTotal + " kn</b>"});
    std::vector<std::vector<std::string>> installations;
    for (size_t i = 0; i < input.installationShares.size(); ++i)
        installations.push_back({escaped(estimator::installationCaptions()[i]),
                                 input.installationShares[i] + " %", e.installations[i] + " kn"});
    installations.push_back({"<b>Instalacije ukupno</b>", totalShare(type.installationTotal),
                             "<b>" + e.installationTotal + " kn</b>"});

    html += "<h2>Udjeli skupina troškova</h2>\n<p>Udio svake skupine u ukupnim troškovima "
            "građevine; iznosi su primjer za " +
            e.area + " m² uz srednji domaći trošak " + e.cost +
            " kn/m². Ukupni udjeli su objavljeni podaci i ne moraju biti točni zbrojevi "
            "udjela skupina.</p>\n<h3>Grupa troškova 300 – građenje</h3>\n" +
            table({"Skupina", "Udio", "Iznos"}, construction) +
            "<h3>Grupa troškova 400 – instalacije</h3>\n" +
            table({"Skupina", "Udio", "Iznos"}, installations) + "<p>Okvirni troškovi ukupno: <b>" +
            e.wholeValue + " kn</b> (zbroj udjela " + e.shareSum + " %).</p>\n";
    book.page(pageName(type.caption), std::string(type.caption), html);
}

} // namespace

void writeCosts(Book& book, const ProgramFacts& facts) {
    const Captions captions = estimatorCaptions();
    std::string list;
    for (int i = 0; i < estimator::kBuildingTypeCount; ++i) {
        const std::string_view caption = buildingTypes()[static_cast<size_t>(i)].caption;
        typePage(book, i, captions);
        list += "<li>" + link(pageName(caption), caption) + "</li>\n";
    }
    const std::string html =
        std::string("<p>Podaci s kojima program procjenjuje proračunsku vrijednost građevine "
                    "(naredba ") +
        command(facts, "Vrijednost") + ", " + link("Proracun.htm", "upute", "Upute.chm") +
        "): za svaku vrstu građevine troškovi gradnje po m² bruto površine na tri razine i "
        "udjeli skupina troškova građenja (grupa 300) i instalacija (grupa 400).</p>\n"
        "<p>Troškovi su zadani u domaćim cijenama (kn/m²) i u njemačkim cijenama (DM/m², "
        "kvačica „" +
        escaped(captions.german) +
        "“ u prozoru procjene). Procjena je umnožak troška po m² i broja bruto kvadratnih "
        "metara; iznos svake skupine je njezin udio u toj procjeni.</p>\n"
        "<h2>Vrste građevina</h2>\n<ul>\n" +
        list + "</ul>\n";
    book.page(std::string(calculator::helpDocument(3).page), "Troškovi u visokogradnji", html);
}

} // namespace tarvel::helpgen
