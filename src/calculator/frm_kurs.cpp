// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator/frm_kurs.h"

#include "calculator/calculator.h"
#include "calculator/frm_gl.h"
#include "calculator/key_filters.h"
#include "forms/number_text.h"

namespace tarvel::calculator {

using forms::ControlKind;

FrmKurs::FrmKurs(Calculator& calculator) : forms::Form(calculator, "frmKurs"), calc_(calculator) {
    setCaption("Tečaj valute");
    lblKurs = &add("lblKurs", ControlKind::Label);
    lblKurs->setCaption("Upišite tečaj valute koju želite");
    txtUnesiKurs = &add("txtUnesiKurs", ControlKind::TextBox);
    cmdUnesi = &add("cmdUnesi", ControlKind::CommandButton);
    cmdUnesi->setCaption("Unesi");
    setDialogKeys(cmdUnesi);

    txtUnesiKurs->onKeyPress = [this](int keyAscii) {
        return txtUnesiKurs_KeyPress(keyAscii);
    };
    cmdUnesi->onClick = [this] {
        cmdUnesi_Click();
    };
}

void FrmKurs::Form_Load() {
    const FrmGl& main = calc_.frmGl();
    left = main.left + 600;
    top = main.top + 660;
    width = 4110;
    height = 1800;
}

// The rate is typed with a decimal comma: a point, which would group thousands, is refused.
int FrmKurs::txtUnesiKurs_KeyPress(int keyAscii) {
    return FilterCommaKey(platform(), keyAscii);
}

void FrmKurs::cmdUnesi_Click() {
    const std::string typed = txtUnesiKurs->text();
    try {
        const double rate = forms::num(typed);
        // A rate that is not above 0, or that shows as 0,00, would give no fee or a negative
        // one: it is refused as a rate of 0 is, and the old rate stays.
        if (!(rate > 0) || !(forms::num(forms::fmt(rate, "#,0.00")) > 0)) {
            refuse();
            return;
        }
        txtUnesiKurs->setText(forms::plainText(rate));
        txtUnesiKurs->setText(forms::fmt(forms::num(txtUnesiKurs->text()), "#,0.00"));
        calc_.state().Kurs = forms::num(txtUnesiKurs->text());
        calc_.frmGl().txtKurs->setText(txtUnesiKurs->text());
        unload();
    } catch (const forms::ConversionError&) {
        calc_.state().NeispravanUpis = typed;
        calc_.frmGl().ShowBadValue();
        txtUnesiKurs->setText("");
        setFocus(*txtUnesiKurs);
    } catch (const forms::ArithmeticError&) {
        // Ends the handler; what was written stays.
    }
}

void FrmKurs::refuse() {
    calc_.state().NeispravanUpis = txtUnesiKurs->text();
    calc_.frmGl().ShowBadValue();
    unload();
}

} // namespace tarvel::calculator
