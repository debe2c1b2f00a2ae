// SPDX-License-Identifier: GPL-3.0-or-later
#include "deviations/frm_odstup.h"

#include "calculator/calculator.h"
#include "calculator/frm_gl.h"
#include "calculator/guarded_handler.h"
#include "calculator/help.h"
#include "calculator/key_filters.h"
#include "deviations/evaluation.h"
#include "forms/keys.h"
#include "forms/message_titles.h"
#include "forms/number_text.h"

namespace tarvel::deviations {

using calculator::runGuarded;
using forms::ControlKind;
using forms::MsgButtons;
using forms::MsgIcon;

namespace {
constexpr const char* kUntouched = "Ne trebam";
constexpr const char* kCannot = forms::titles::kCannot;
// The dialog's width; it sits at the main window's right edge.
constexpr int kWidth = 5595;
} // namespace

FrmOdstup::FrmOdstup(calculator::Calculator& calculator)
    : forms::Form(calculator, "frmOdstup"), calc_(calculator) {
    setCaption(" Odstupanja i primjedbe");
    Frame1 = &add("Frame1", ControlKind::Frame);
    lblText = &add("lblText", ControlKind::Label, Frame1);
    lblText->setCaption("Osnovna cijena se mijenja zbog:");
    for (int i = 1; i <= 8; ++i) {
        lbl[i] = &add("lbl" + std::to_string(i), ControlKind::Label, Frame1);
        lbl[i]->setCaption(std::to_string(i));
        lbl[i]->setVisible(false);
    }
    for (int i = 1; i <= 3; ++i) {
        txt[i] = &add("txt" + std::to_string(i), ControlKind::TextBox, Frame1);
        txt[i]->setVisible(false);
        Label[i] = &add("Label" + std::to_string(i), ControlKind::Label, Frame1);
        Label[i]->setCaption("%");
        Label[i]->setVisible(false);
    }
    for (int i = 1; i <= 7; ++i) {
        chk[i] = &add("chk" + std::to_string(i), ControlKind::CheckBox, Frame1);
        chk[i]->setVisible(false);
    }
    for (int i = 0; i <= 3; ++i) {
        opt5[i] = &add("opt5(" + std::to_string(i) + ")", ControlKind::OptionButton, Frame1);
        opt5[i]->setVisible(false);
    }
    lblPomoc = &add("lblPomoc", ControlKind::Label, Frame1);
    img1 = &add("img1", ControlKind::Picture, Frame1);
    cmdIzlaz = &add("cmdIzlaz", ControlKind::CommandButton, Frame1);
    cmdIzlaz->setCaption(kUntouched);
    cmdPomoc = &add("cmdPomoc", ControlKind::CommandButton, Frame1);
    cmdPomoc->setCaption("Pomoć");
    setDialogKeys(cmdIzlaz);

    for (int i = 1; i <= 3; ++i) {
        txt[i]->onChange = [this] {
            InputChanged();
        };
        txt[i]->onKeyPress = [this](int keyAscii) {
            return calculator::FilterDigitKey(platform(), keyAscii);
        };
    }
    for (int i = 1; i <= 7; ++i)
        chk[i]->onClick = [this] {
            InputChanged();
        };
    for (int i = 0; i <= 3; ++i)
        opt5[i]->onClick = [this] {
            InputChanged();
        };
    cmdIzlaz->onClick = [this] {
        runGuarded(calc_, [this] { cmdIzlaz_Click(); });
    };
    cmdPomoc->onClick = [this] {
        cmdPomoc_Click();
    };
    keyPreview = true;
    onKeyDown = [this](int& keyCode, int shift) {
        Form_KeyDown(keyCode, shift);
    };
}

calculator::FrmGl& FrmOdstup::gl() const {
    return calc_.frmGl();
}

void FrmOdstup::Form_Load() {
    calculator::SharedState& s = calc_.state();
    const calculator::FrmGl& main = gl();
    top = main.top + 60;
    left = main.left + main.width - kWidth;
    width = kWidth;

    // Help points at the deviations of the current service while the dialog is open.
    const DeviationService* service = findDeviations(s.Usluga);
    const std::string directory = platform().programDirectory();
    previousPage_ = s.HtmlStranica;
    if (calculator::HtmlHelpOn(s)) {
        s.PomocDatoteka = 6;
        if (service)
            s.HtmlStranica = std::string(service->helpPage);
        calc_.applicationHelpFile = directory + "\\Odstupanja.chm::/" + s.HtmlStranica;
    } else {
        calc_.applicationHelpFile = directory + "\\Odstupanja.hlp";
        if (service)
            helpContextId = service->helpNumber;
    }
}

void FrmOdstup::Form_Unload() {
    calculator::SharedState& s = calc_.state();
    if (s.PostotakOdstupanja != 0)
        gl().tlb1->setEnabled("Odstupminus", true);
    calculator::RestoreHelpFile(calc_);
    // The main window's F1 shows the service's page of the regulation again, not the
    // deviations page that this dialog put in its place.
    if (calculator::HtmlHelpOn(s))
        s.HtmlStranica = previousPage_;
}

void FrmOdstup::Setup(const DeviationService& service) {
    service_ = &service;
    for (const DeviationItem& item : service.items) {
        if (item.row > 0) {
            lbl[static_cast<size_t>(item.row)]->setCaption(std::string(item.caption));
            lbl[static_cast<size_t>(item.row)]->setVisible(true);
        }
        if (item.control.empty())
            continue;
        forms::Control& input = *find(std::string(item.control));
        input.setVisible(true);
        // A box is named by its row's caption.
        if (item.row > 0 && input.kind() == ControlKind::TextBox)
            lbl[static_cast<size_t>(item.row)]->setBuddy(&input);
    }
    for (std::string_view sign : service.percentSigns)
        find(std::string(sign))->setVisible(true);
    lblPomoc->setCaption(std::string(service.note));
    img1->setVisible(service.picture);
}

void FrmOdstup::InputChanged() {
    cmdIzlaz->setCaption("Gotovo");
}

void FrmOdstup::RecomputeResults() {
    calculator::FrmGl& main = gl();
    main.ComputePhaseFees();
    main.SumPhaseFees();
}

void FrmOdstup::SetPhaseSevenShare(const std::string& share) {
    calculator::FrmGl& main = gl();
    if (main.lblF[7]->caption() == share)
        return;
    main.lblF[7]->setCaption(share);
    main.ClearChosenPrices();
    RecomputeResults();
}

void FrmOdstup::NoDeviation() {
    calculator::SharedState& s = calc_.state();
    calculator::FrmGl& main = gl();
    main.txtDodaj->setText("0");
    main.txtPopust->setText("0");
    s.PostotakOdstupanja = 0;
    // No deviation is in force, so none is described in the record either.
    s.TekstOdstupanja = "";
    main.tlb1->setEnabled("Odstupminus", false);
    if (s.Usluga == "Gkons" && forms::num(main.lblF[7]->caption()) == 27)
        main.lblF[7]->setCaption("35");
    RecomputeResults();
    main.ClearChosenPrices();
}

void FrmOdstup::cmdIzlaz_Click() {
    calculator::SharedState& s = calc_.state();
    if (cmdIzlaz->caption() == kUntouched || !service_) {
        NoDeviation();
        unload();
        return;
    }
    const Evaluation e =
        evaluate(*service_, {[this](std::string_view c) { return find(std::string(c))->text(); },
                             [this](std::string_view c) {
                                 return find(std::string(c))->checked();
                             }});
    if (e.beep)
        platform().beep();
    if (e.outcome == Outcome::StaysOpen) {
        platform().messageBox(MsgIcon::Question, MsgButtons::Ok, kCannot, e.message);
        forms::Control& box = *find(e.control);
        setFocus(box);
        box.selectAll();
        return;
    }
    if (e.outcome == Outcome::Closes) {
        platform().messageBox(MsgIcon::Information, MsgButtons::Ok, kCannot, e.message);
        s.PostotakOdstupanja = 0;
        unload();
        return;
    }

    calculator::FrmGl& main = gl();
    if (s.Usluga == "Gkons") {
        // The share goes to 27 without formwork drawings and back to 35 with them; the fees
        // follow the share either way.
        if (e.phaseSevenAt27)
            SetPhaseSevenShare("27");
        else if (forms::num(main.lblF[7]->caption()) == 27)
            SetPhaseSevenShare("35");
    }
    s.PostotakOdstupanja = e.percent;
    s.TekstOdstupanja = e.description;
    if (e.percent == 0)
        main.tlb1->setEnabled("Odstupminus", false);
    const std::string percent = forms::plainText(e.percent);
    main.txtDodaj->setText(percent);
    // The addition box refuses a total beyond its limit and goes back to "0": then no
    // deviation is in force, and none is described or offered for a discount.
    if (e.percent != 0 && main.txtDodaj->text() != percent) {
        s.PostotakOdstupanja = 0;
        s.TekstOdstupanja = "";
        main.tlb1->setEnabled("Odstupminus", false);
    }
    main.ClearChosenPrices();
    unload();
}

void FrmOdstup::ShowHelp() {
    if (calculator::HtmlHelpOn(calc_.state())) {
        calc_.state().PomocDatoteka = 6;
        if (!calculator::HelpFileExists(calc_, calculator::helpDocument(6).html)) {
            calculator::MissingHelpMessage(platform());
            return;
        }
        calculator::ShowHtmlTopic(calc_, calc_.state().HtmlStranica);
    } else {
        calculator::ShowClassicTopic(calc_, helpContextId);
    }
}

void FrmOdstup::cmdPomoc_Click() {
    ShowHelp();
}

void FrmOdstup::Form_KeyDown(int& keyCode, int) {
    if (keyCode != forms::keys::F1)
        return;
    keyCode = 0;
    ShowHelp();
}

void PripremiOdstupanja(calculator::Calculator& calc) {
    const DeviationService* service = findDeviations(calc.state().Usluga);
    if (!service)
        return;
    auto& dialog = static_cast<FrmOdstup&>(calc.load("frmOdstup"));
    dialog.Setup(*service);
    dialog.showModal();
}

bool OdstupCommand(calculator::FrmGl& frm) {
    calculator::Calculator& calc = frm.calculator();
    if (frm.lblSumamin->caption().empty()) {
        frm.platform().messageBox(MsgIcon::Critical, MsgButtons::Ok, kCannot,
                                  "Niste odredili osnovnu cijenu usluge!");
        return false;
    }
    frm.txtPopust->setText("0");
    calc.state().PostotakOdstupanja = 0;
    frm.FocusChosenCategory();
    PripremiOdstupanja(calc);
    return true;
}

} // namespace tarvel::deviations
