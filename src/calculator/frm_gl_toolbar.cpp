// SPDX-License-Identifier: GPL-3.0-or-later
// The toolbar tlb1: every command by its key, and the offer flow's rule after a command.
#include "calculator/calculator.h"
#include "calculator/frm_gl.h"
#include "calculator/frm_ispis.h"
#include "calculator/help.h"
#include "forms/message_titles.h"
#include "forms/number_text.h"
#include "records/record_save.h"

namespace tarvel::calculator {

using forms::MsgButtons;
using forms::MsgIcon;
using forms::num;

void FrmGl::tlb1_ButtonClick(const std::string& key) {
    Calculator& calc = calculator();
    bool wentOn = true;
    if (key == "Cijena") {
        wentOn = ReformatValueBox();
        if (wentOn)
            cmdCijena->press();
    } else if (key == "KN") {
        wentOn = CommandKN();
    } else if (key == "DM") {
        wentOn = CommandDM();
    } else if (key == "EUR") {
        wentOn = CommandEUR();
    } else if (key == "Kurs") {
        calc.load("frmKurs").showModal();
    } else if (key == "Min") {
        lblSumamin_DblClick();
    } else if (key == "Max") {
        lblSumamax_DblClick();
    } else if (key == "Odabir") {
        lblOdabir_DblClick();
    } else if (key == "Usporedba") {
        // A look at every category: the main window changes only by a row chosen there, and
        // the offer flow's rule after a command would undo that choice.
        wentOn = false;
        if (calc.commands.showComparison)
            calc.commands.showComparison();
    } else if (key == "Pohrani") {
        wentOn = CommandPohrani();
    } else if (key == "Note") {
        wentOn = CommandNote();
    } else if (key == "Ispis") {
        showPrintDialog(calc);
    } else if (key == "Vrijednost") {
        SetGuideHelpFile(calc, "Proracun.htm");
        if (calc.commands.showEstimator)
            calc.commands.showEstimator();
    } else if (key == "Ponuda") {
        wentOn = CommandPonuda();
    } else if (key == "Pvidi") {
        wentOn = CommandPvidi();
    } else if (key == "Dokument") {
        // The document only shows the calculation; the offer flow's rule does not follow.
        CommandDokument();
        return;
    } else if (key == "Ponisti") {
        CommandPonisti();
        return;
    } else if (key == "Izlaz") {
        unload();
        return;
    } else if (key == "Odstup" || key == "Odstupminus" || key == "Ptarvel" || key == "Ptroskovi" ||
               key == "Pupute") {
        wentOn = runHelpOrDeviationCommand(*this, key);
    } else {
        return;
    }
    if (wentOn && !calc.ended())
        AfterCommand();
}

void FrmGl::mnuUsporedba_Click() {
    tlb1_ButtonClick("Usporedba");
}

void FrmGl::EnableComparison() {
    const bool ready = !lblProjekt->caption().empty() && !txtInvest->text().empty();
    tlb1->setEnabled("Usporedba", ready);
    mnuUsporedba->setEnabled(ready);
}

bool FrmGl::CommandPohrani() {
    SharedState& s = state();
    if (num(lblOdabir->caption()) == 0) {
        platform().messageBox(MsgIcon::Critical, MsgButtons::Ok, forms::titles::kCannot,
                              "Niste odabrali cijenu usluge. Nema ništa za pohraniti!");
        return false;
    }
    tlb1->setEnabled("Pohrani", false);
    s.OznakaDiscipline = "";
    PripremiIzracun();
    records::saveRecord(platform(), s.Izracun);
    return true;
}

bool FrmGl::CommandNote() {
    if (!platform().files().exists(records::kRecordFile)) {
        platform().messageBox(MsgIcon::Information, MsgButtons::Ok, forms::titles::kNoFile,
                              "Ne mogu naći pohranjene izračune.");
        return false;
    }
    if (!platform().openTextViewer(records::kRecordFile))
        platform().messageBox(MsgIcon::Information, MsgButtons::Ok, " Nema ispisa",
                              "Nema programa Notepad.");
    return true;
}

bool FrmGl::CommandPonuda() {
    SharedState& s = state();
    if (num(lblOdabir->caption()) == s.ZadnjaSvota) {
        platform().messageBox(MsgIcon::Critical, MsgButtons::Ok, "Ne može",
                              "Svota " + lblOdabir->caption() +
                                  " već je unešena! Promjenite izbor!");
        return false;
    }
    Calculator& calc = calculator();
    SetGuideHelpFile(calc, "Ponuda.htm");
    for (const char* menuName : {"mnuPp", "mnuA", "mnuG", "mnuD", "mnuSE", "mnuT", "mnuN"})
        find(menuName)->setEnabled(true);
    if (calc.knows("frmPonuda")) {
        forms::Form& offer = calc.load("frmPonuda");
        offer.setCaption("Ponuda za građevinu: " + txtNaziv->text());
        offer.showModal();
    }
    return true;
}

bool FrmGl::CommandPvidi() {
    if (!platform().files().exists(records::kOfferFile)) {
        platform().messageBox(MsgIcon::Information, MsgButtons::Ok, forms::titles::kNoFile,
                              "Ne mogu naći ponudu.");
        return false;
    }
    platform().openTextViewer(records::kOfferFile);
    return true;
}

// Cancels everything: the estimate and the offer are discarded and no service is chosen.
void FrmGl::CommandPonisti() {
    if (!fraSve->enabled())
        return;
    Calculator& calc = calculator();
    for (const char* window : {"frmVrijednost", "frmPonuda"}) {
        if (calc.loaded(window))
            calc.unload(window);
    }
    txtInvest->setText("");
    ResetService();
    tlb1->enable({"Kurs", "Odstup", "Vrijednost", "Ponuda"}, false);
    state().clearExclusions();
    setFocus(*txtInvest);
    fraSve->setEnabled(false);
}

} // namespace tarvel::calculator
