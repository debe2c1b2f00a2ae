// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator/help.h"

#include <array>

#include "calculator/calculator.h"
#include "calculator/catalogue.h"
#include "calculator/frm_gl.h"
#include "forms/keys.h"
#include "forms/message_titles.h"

namespace tarvel::calculator {
namespace {

constexpr std::array<HelpDocument, 6> kDocuments = {{
    {"\\Tarvel.chm", "\\Tarvel.hlp", ""},
    {"\\Tarvel.chm", "\\Tarvel.hlp", "Glava3.htm"},
    {"\\Troskovi.chm", "\\Troskovi.hlp", "Sadrzaj.htm"},
    {"\\Upute.chm", "\\Upute.hlp", "Sadrzaj.htm"},
    {"\\Propisi.chm", "\\Propisi.hlp", "gSadrzaj Zakon o gradnji.htm"},
    {"\\Odstupanja.chm", "\\Odstupanja.hlp", "Opca.htm"},
}};

constexpr int kContents = 3;
constexpr int kFinder = 261;

// The help file as the program names it ("\Tarvel.hlp") from a full path in the program
// directory.
std::string nameInProgramDirectory(Calculator& calc, const std::string& path) {
    const std::string directory = calc.platform().programDirectory();
    if (!directory.empty() && path.starts_with(directory))
        return path.substr(directory.size());
    return path;
}

// The compiled HTML twin of a classic help file: "\Tarvel.hlp" gives "\Tarvel.chm".
std::string htmlTwin(std::string_view classicFile) {
    std::string twin(classicFile);
    if (twin.size() > 4 && twin.ends_with(".hlp"))
        twin.replace(twin.size() - 4, 4, ".chm");
    else
        twin.clear();
    return twin;
}

// The page a document opens at in HTML help: the regulation's text opens at its general page,
// as the help menu's item does with HTML help.
std::string htmlPage(int selector) {
    const std::string_view page = helpDocument(selector).page;
    return std::string(page.empty() ? kGeneralHelpPage : page);
}

// The start page of a compiled HTML help file: that of the first document kept in it.
std::string startPageOf(std::string_view htmlFile) {
    for (int selector = 1; selector <= 6; ++selector) {
        if (helpDocument(selector).html == htmlFile)
            return htmlPage(selector);
    }
    return {};
}

// Classic help has no viewer on today's systems: a classic file that is missing is shown from
// its compiled HTML twin, at `page`, when the twin is there. False when there is no twin.
bool ShowHtmlTwin(Calculator& calc, std::string_view classicFile, const std::string& page) {
    const std::string twin = htmlTwin(classicFile);
    if (twin.empty() || !HelpFileExists(calc, twin))
        return false;
    calc.platform().showHtmlHelp(twin, page, "Glavni");
    return true;
}

// A classic file with its twin's page: the file when it is there, else its twin, else the
// message that there is no help.
void ShowClassicOrTwin(Calculator& calc, std::string_view file, int command,
                       const std::string& twinPage) {
    if (HelpFileExists(calc, file))
        calc.platform().showClassicHelp(std::string(file), command);
    else if (!ShowHtmlTwin(calc, file, twinPage))
        MissingHelpMessage(calc.platform());
}

// The regulation's page of a classic help topic: the page of the service with that topic
// number, the general page for none.
std::string regulationPageOfTopic(int topic) {
    for (const CatalogueEntry& entry : catalogue()) {
        if (entry.helpNumber == topic)
            return std::string(entry.helpPage);
    }
    return std::string(kGeneralHelpPage);
}

// A help menu item: with HTML help its function key's document, otherwise the classic file
// of the same document with the item's command (or its twin at the page HTML help shows).
void helpMenuItem(Calculator& calc, int selector, int classicCommand) {
    if (HtmlHelpOn(calc.state())) {
        FunctionKeyHelp(calc, selector);
        return;
    }
    ShowClassicOrTwin(calc, helpDocument(selector).classic, classicCommand, htmlPage(selector));
}

} // namespace

const HelpDocument& helpDocument(int selector) {
    const int i = selector >= 1 && selector <= 6 ? selector - 1 : 0;
    return kDocuments[static_cast<size_t>(i)];
}

bool HtmlHelpOn(const SharedState& state) {
    return state.Html == "HTML";
}

// The one place that asks whether a help document is there.
bool HelpFileExists(Calculator& calc, std::string_view name) {
    if (name.starts_with('\\'))
        name.remove_prefix(1);
    return !name.empty() && calc.platform().helpFileExists(std::string(name));
}

void ShowHtmlTopic(Calculator& calc, const std::string& page) {
    const HelpDocument& doc = helpDocument(calc.state().PomocDatoteka);
    calc.platform().showHtmlHelp(std::string(doc.html), page, "Glavni");
}

void ShowClassicHelp(Calculator& calc, std::string_view file, int command) {
    ShowClassicOrTwin(calc, file, command, startPageOf(htmlTwin(file)));
}

void MissingHelpMessage(forms::Platform& platform) {
    platform.messageBox(forms::MsgIcon::Information, forms::MsgButtons::Ok, forms::titles::kNoHelp,
                        "Odgovarajuća datoteka ne postoji!");
}

void RestoreHelpFile(Calculator& calc) {
    calc.applicationHelpFile = calc.platform().programDirectory() +
                               (HtmlHelpOn(calc.state()) ? "\\Tarvel.chm" : "\\Tarvel.hlp");
}

void SetGuideHelpFile(Calculator& calc, const std::string& page) {
    calc.applicationHelpFile = calc.platform().programDirectory() +
                               (HtmlHelpOn(calc.state()) ? "\\Upute.chm::/" + page : "\\Upute.hlp");
}

void ShowClassicTopic(Calculator& calc, int topic) {
    if (calc.applicationHelpFile.empty())
        return;
    const std::string file = nameInProgramDirectory(calc, calc.applicationHelpFile);
    if (!HelpFileExists(calc, file)) {
        // The twin of the regulation opens at the topic's service; any other at its start.
        const std::string twin = htmlTwin(file);
        const std::string page =
            twin == helpDocument(1).html ? regulationPageOfTopic(topic) : startPageOf(twin);
        if (!ShowHtmlTwin(calc, file, page))
            MissingHelpMessage(calc.platform());
        return;
    }
    // A window without a topic of its own opens the file at its contents.
    if (topic == 0)
        calc.platform().showClassicHelp(file, kContents);
    else
        calc.platform().showClassicHelpTopic(file, topic);
}

void ApplicationHelpKey(Calculator& calc, int topic) {
    const std::string file = nameInProgramDirectory(calc, calc.applicationHelpFile);
    const size_t pagePart = file.find("::");
    if (pagePart == std::string::npos) {
        ShowClassicTopic(calc, topic);
        return;
    }
    const std::string html = file.substr(0, pagePart);
    std::string page = file.substr(pagePart + 2);
    if (page.starts_with('/'))
        page.erase(0, 1);
    if (!HelpFileExists(calc, html)) {
        MissingHelpMessage(calc.platform());
        return;
    }
    calc.platform().showHtmlHelp(html, page, "Glavni");
}

void FunctionKeyHelp(Calculator& calc, int key) {
    SharedState& s = calc.state();
    s.PomocDatoteka = key;
    const HelpDocument& doc = helpDocument(key);
    if (!HelpFileExists(calc, doc.html)) {
        MissingHelpMessage(calc.platform());
        return;
    }
    ShowHtmlTopic(calc, doc.page.empty() ? s.HtmlStranica : std::string(doc.page));
}

void mnuPtarvel_Click(Calculator& calc) {
    if (HtmlHelpOn(calc.state()))
        calc.state().HtmlStranica = std::string(kGeneralHelpPage);
    helpMenuItem(calc, 1, kContents);
}

void mnuPtarvels_Click(Calculator& calc) {
    helpMenuItem(calc, 2, kFinder);
}

void mnuPodstup_Click(Calculator& calc) {
    helpMenuItem(calc, 6, kFinder);
}

void mnuPtroskovi_Click(Calculator& calc) {
    helpMenuItem(calc, 3, kContents);
}

void mnuPupute_Click(Calculator& calc) {
    helpMenuItem(calc, 4, kContents);
}

void mnuPZakoni_Click(Calculator& calc) {
    helpMenuItem(calc, 5, kFinder);
}

void mnuPhtml_Click(FrmGl& frm) {
    Calculator& calc = frm.calculator();
    SharedState& s = calc.state();
    // The question about the browser's version concerns components this platform does not
    // have: the switch goes ahead at once.
    const std::string directory = calc.platform().programDirectory();
    if (frm.mnuPhtml->checked()) {
        frm.mnuPhtml->setChecked(false);
        s.Html = "0";
        calc.applicationHelpFile = directory + "\\Tarvel.hlp";
    } else {
        frm.mnuPhtml->setChecked(true);
        s.Html = "HTML";
        calc.applicationHelpFile = directory + "\\Tarvel.chm";
        s.HtmlStranica = std::string(kGeneralHelpPage);
    }
    calc.platform().settings().set("Html", s.Html);
}

bool MainWindowHelpKey(FrmGl& frm, int keyCode) {
    const int key = keyCode - forms::keys::F1 + 1;
    if (key < 1 || key > 6)
        return false;
    Calculator& calc = frm.calculator();
    if (HtmlHelpOn(calc.state())) {
        FunctionKeyHelp(calc, key);
        return true;
    }
    // Classic help: F1 is the window's topic; F2 to F6 are the shortcuts of their menu items.
    switch (key) {
    case 1:
        ShowClassicTopic(calc, frm.helpContextId);
        break;
    case 2:
        mnuPtarvels_Click(calc);
        break;
    case 3:
        mnuPtroskovi_Click(calc);
        break;
    case 4:
        mnuPupute_Click(calc);
        break;
    case 5:
        mnuPZakoni_Click(calc);
        break;
    case 6:
        mnuPodstup_Click(calc);
        break;
    }
    return true;
}

} // namespace tarvel::calculator
