// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator/frm_popust.h"

#include "calculator/calculator.h"
#include "calculator/frm_gl.h"
#include "calculator/guarded_handler.h"
#include "calculator/key_filters.h"
#include "forms/message_titles.h"
#include "forms/number_text.h"

namespace tarvel::calculator {

using forms::ControlKind;

FrmPopust::FrmPopust(Calculator& calculator)
    : forms::Form(calculator, "frmPopust"), calc_(calculator) {
    setCaption(" Popust");
    auto label = [this](const char* name, const char* caption) {
        forms::Control& c = add(name, ControlKind::Label);
        c.setCaption(caption);
        return &c;
    };
    lbl1 = label("lbl1",
                 "Na ukupnu cijenu usluge dajem popust od:       (obiteljske kuće, obnova...)");
    txtPopust = &add("txtPopust", ControlKind::TextBox);
    lbl2 = label("lbl2", "%");
    Label2 = label("Label2", "Maks. osnov. cijena");
    lblCmax = label("lblCmax", "");
    lbl3 = label("lbl3", "Maksimalna cijena");
    lblMax = label("lblMax", "");
    cmdIzlaz = &add("cmdIzlaz", ControlKind::CommandButton);
    cmdIzlaz->setCaption("Ne trebam");
    setDialogKeys(cmdIzlaz);

    txtPopust->onKeyPress = [this](int keyAscii) {
        return FilterDigitKey(platform(), keyAscii);
    };
    txtPopust->onChange = [this] {
        runGuarded(calc_, [this] { txtPopust_Change(); });
    };
    cmdIzlaz->onClick = [this] {
        runGuarded(calc_, [this] { cmdIzlaz_Click(); });
    };
}

void FrmPopust::Form_Load() {
    const FrmGl& gl = calc_.frmGl();
    left = gl.left + 3000;
    top = gl.top + 660;
    lblCmax->setCaption(gl.lblCmax->caption());
}

// The discount is checked at every change of the box, so that a pasted one gets no more
// round the limit than a typed one.
void FrmPopust::txtPopust_Change() {
    cmdIzlaz->setCaption("Gotovo");
    CheckDiscount();
}

void FrmPopust::CheckDiscount() {
    if (txtPopust->text().empty())
        return;
    const FrmGl& gl = calc_.frmGl();
    double discount = 0;
    try {
        discount = forms::num(txtPopust->text());
    } catch (const forms::ConversionError&) {
        calc_.state().NeispravanUpis = txtPopust->text();
        txtPopust->setText("");
        calc_.frmGl().ShowBadValue();
        return;
    }
    lblMax->setCaption(
        forms::fmt(forms::num(gl.lblSumamax->caption()) * (1 - discount / 100), "#,0.00"));
    if (forms::num(gl.lblCmax->caption()) > forms::num(lblMax->caption())) {
        platform().messageBox(forms::MsgIcon::Information, forms::MsgButtons::Ok,
                              forms::titles::kCannot,
                              "S datim popustom, cijena usluge je manja od osnovne!");
        txtPopust->setText("");
    }
}

void FrmPopust::cmdIzlaz_Click() {
    if (cmdIzlaz->caption() == "Gotovo") {
        FrmGl& gl = calc_.frmGl();
        gl.txtPopust->setText(txtPopust->text());
        gl.ClearChosenPrices();
        gl.tlb1->setEnabled("Odstupminus", false);
    }
    unload();
}

void OdstupminusCommand(FrmGl& frm) {
    frm.calculator().load("frmPopust").showModal();
}

} // namespace tarvel::calculator
