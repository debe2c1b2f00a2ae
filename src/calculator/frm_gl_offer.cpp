// SPDX-License-Identifier: GPL-3.0-or-later
// The hand-over between the offer composer and the main window: the value box takes a
// discipline's row over, and after a command the offer flow goes on with the next one.
#include "calculator/calculator.h"
#include "calculator/frm_gl.h"
#include "forms/message_titles.h"
#include "forms/number_text.h"

namespace tarvel::calculator {

using forms::MsgButtons;
using forms::MsgIcon;

// The offer composer sent the user here for one discipline: the matching service is set up
// and the discipline's value taken over. That happens once per hand-over: the value box
// getting the focus again later (after a toolbar command, or a click into it) leaves the
// user's calculation alone.
void FrmGl::TakeOverDiscipline() {
    SharedState& s = state();
    if (!s.offerRowHandedOver)
        return;
    s.offerRowHandedOver = false;
    tlb1->setEnabled("Odstupminus", false);
    struct Discipline {
        const char* key;
        const char* menuItem; // "" when no entry is applied
        int label;            // offer value label copied; -1 the separate one; -2 none
    };
    static constexpr Discipline kDisciplines[] = {
        {"Arh", "mnuAvisoko", 0},    {"Kons", "mnuGkons", -2}, {"Voda", "mnuSinst", 2},
        {"Grijanje", "mnuSinst", 3}, {"Klima", "mnuSinst", 4}, {"Jakas", "mnuEinst", 5},
        {"Kom", "mnuEinst", 6},      {"Trans", "mnuSinst", 7}, {"Auto", "mnuEinst", 9},
        {"Ostalo", "", -1}};
    if (s.Struka == "Posebna") {
        ResetService();
        txtInvest->setText(offerValue(8));
        lblTekst->setCaption("ODABERITE VRSTU USLUGE");
        return;
    }
    for (const Discipline& d : kDisciplines) {
        if (s.Struka != d.key)
            continue;
        if (s.Struka == "Voda")
            platform().messageBox(MsgIcon::Information, MsgButtons::Ok, forms::titles::kAttention,
                                  "U ovoj proračunskoj vrijednosti su sadržane proračunske "
                                  "vrijednosti instalacija vodovoda, odvodnje i plina.");
        if (*d.menuItem)
            ApplyEntry(*findEntry(d.menuItem));
        if (d.label != -2)
            txtInvest->setText(offerValue(d.label));
        if (s.Struka == "Ostalo")
            lblTekst->setCaption("ODABERITE VRSTU USLUGE");
        break;
    }
    if (txtInvest->text() == "0,00") {
        s.Struka = "";
        txtInvest->setText("");
        ResetService();
    }
}

// After a command, the offer flow goes on with the discipline the offer composer has just
// handed over: the value box takes it over. Only a fresh hand-over counts, so "Max", "Min",
// "Odabir" or "Pohrani" while a row is in work keep the fee the user chose.
void FrmGl::AfterCommand() {
    SharedState& s = state();
    if (s.PostotakOdstupanja != 0)
        return;
    try {
        // Structure with the phase-7 share of 27 % keeps its calculation.
        if (s.Struka == "Kons" && forms::num(lblF[7]->caption()) == 27)
            s.Struka = "";
    } catch (const forms::ConversionError&) {
    }
    if (s.Struka.empty() || !s.offerRowHandedOver)
        return;
    // Coming back from the offer window, the value box gets the focus again even when it had
    // it before the window opened.
    if (focused() == txtInvest)
        txtInvest_GotFocus();
    else
        setFocus(*txtInvest);
}

} // namespace tarvel::calculator
