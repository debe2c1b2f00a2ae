// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator/help.h"

#include <array>

#include "calculator/calculator.h"
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

// A help menu item: with HTML help its function key's document, otherwise the classic file
// of the same document with the item's command.
void helpMenuItem(Calculator& calc, int selector, int classicCommand) {
    if (HtmlHelpOn(calc.state())) {
        FunctionKeyHelp(calc, selector);
        return;
    }
    ShowClassicHelp(calc, helpDocument(selector).classic, classicCommand);
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
    return !name.empty() && calc.platform().files().exists(std::string(name));
}

void ShowHtmlTopic(Calculator& calc, const std::string& page) {
    const HelpDocument& doc = helpDocument(calc.state().PomocDatoteka);
    calc.platform().showHtmlHelp(std::string(doc.html), page, "Glavni");
}

void ShowClassicHelp(Calculator& calc, std::string_view file, int command) {
    if (!HelpFileExists(calc, file)) {
        MissingHelpMessage(calc.platform());
        return;
    }
    calc.platform().showClassicHelp(std::string(file), command);
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
        MissingHelpMessage(calc.platform());
        return;
    }
    // A window without a topic of its own opens the file at its contents.
    if (topic == 0)
        calc.platform().showClassicHelp(file, kContents);
    else
        calc.platform().showClassicHelpTopic(file, topic);
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
