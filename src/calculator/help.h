// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "forms/platform.h"

// Help: five documents beside the program, each as compiled HTML help (".chm") and as
// classic help (".hlp"); the setting "Html" chooses which kind is used.
namespace tarvel::calculator {

class Calculator;
class FrmGl;
struct SharedState;

// A help document by its selector (1 to 6): the regulation's text, its contents, building
// costs, the user's guide, the laws, the deviations. Names carry the leading backslash that
// joins them to the program directory.
struct HelpDocument {
    std::string_view html;
    std::string_view classic;
    std::string_view page; // the HTML start page; "" for the current service's page
};
const HelpDocument& helpDocument(int selector);

inline constexpr std::string_view kGeneralHelpPage = "Opce odredbe.htm";

bool HtmlHelpOn(const SharedState& state);
// Whether a help document ("\Tarvel.chm") is there to be shown.
bool HelpFileExists(Calculator& calc, std::string_view name);

// Shows a page of the HTML document last asked for (`PomocDatoteka`) in the window "Glavni".
void ShowHtmlTopic(Calculator& calc, const std::string& page);
// Opens a classic help file with command 3 (contents) or 261 (the finder). Classic help has no
// viewer on today's systems: a missing classic file whose compiled HTML twin is there
// ("\Tarvel.hlp" and "\Tarvel.chm") is shown from the twin, at its start page.
void ShowClassicHelp(Calculator& calc, std::string_view file, int command);
void MissingHelpMessage(forms::Platform& platform);
// The application help file goes back to the regulation.
void RestoreHelpFile(Calculator& calc);
// Before the estimator or the offer composer opens, F1 leads to its page of the user's guide;
// RestoreHelpFile gives the regulation back when the window closes.
void SetGuideHelpFile(Calculator& calc, const std::string& page);
// F1 of the classic help: the application help file at a window's help topic number. A
// missing classic file is shown from its HTML twin: the regulation at the page of the service
// with that topic, any other document at its start page.
void ShowClassicTopic(Calculator& calc, int topic);

// F1 in a window that points the application help file at a page of its own (the estimator's
// and the offer composer's page of the user's guide, "\Upute.chm::/Proracun.htm"): that page
// with HTML help; with classic help the file at the window's topic, as ShowClassicTopic.
void ApplicationHelpKey(Calculator& calc, int topic);

// F1 to F6 of the main window with HTML help (key 1 to 6): the document's page, or the
// message that the document is missing.
void FunctionKeyHelp(Calculator& calc, int key);

// The help menu items and their toolbar twins.
void mnuPtarvel_Click(Calculator& calc);
void mnuPtarvels_Click(Calculator& calc);
void mnuPodstup_Click(Calculator& calc);
void mnuPtroskovi_Click(Calculator& calc);
void mnuPupute_Click(Calculator& calc);
void mnuPZakoni_Click(Calculator& calc);
// Switches between HTML and classic help and stores the choice as setting "Html".
void mnuPhtml_Click(FrmGl& frm);

// A key released in the main window: F1 to F6 show their help; true when the key was one.
bool MainWindowHelpKey(FrmGl& frm, int keyCode);

// Hooks the help menu items and the function keys F1 to F6 onto the main window.
void installHelpHandlers(FrmGl& frm);
// Runs the toolbar command "Ptarvel", "Ptroskovi", "Pupute", "Odstup" or "Odstupminus";
// false for any other key.
bool runHelpOrDeviationCommand(FrmGl& frm, const std::string& key);

} // namespace tarvel::calculator
