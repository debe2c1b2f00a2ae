// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator/frm_stopa.h"

#include "calculator/calculator.h"
#include "calculator/frm_gl.h"
#include "calculator/key_filters.h"
#include "forms/number_text.h"

namespace tarvel::calculator {

using forms::ControlKind;

FrmStopa::FrmStopa(Calculator& calculator)
    : forms::Form(calculator, "frmStopa"), calc_(calculator) {
    setCaption("Stopa poreza");
    auto label = [this](const char* name, const char* caption) {
        forms::Control& c = add(name, ControlKind::Label);
        c.setCaption(caption);
        return &c;
    };
    lblStopaStara = label("lblStopaStara", "Sadašnja stopa:");
    lblStopa = label("lblStopa", "");
    lblStopaNova = label("lblStopaNova", "Nova stopa je:");
    txtStopa = &add("txtStopa", ControlKind::TextBox);
    Label1 = label("Label1", "%");
    cmdUnesi = &add("cmdUnesi", ControlKind::CommandButton);
    cmdUnesi->setCaption("&Unesi");
    setDialogKeys(cmdUnesi);

    txtStopa->onKeyPress = [this](int keyAscii) {
        return txtStopa_KeyPress(keyAscii);
    };
    cmdUnesi->onClick = [this] {
        cmdUnesi_Click();
    };
}

void FrmStopa::Form_Load() {
    const FrmGl& main = calc_.frmGl();
    left = main.left + 8130;
    top = main.top + 660;
    width = 3570;
    height = 1905;
    lblStopa->setCaption(forms::plainText(calc_.state().Stopa * 100) + " %");
}

// Whichever way the dialog closes, the rate in force is stored again.
void FrmStopa::Form_Unload() {
    platform().settings().set("ZadnjaStopa", forms::plainText(calc_.state().Stopa));
}

int FrmStopa::txtStopa_KeyPress(int keyAscii) {
    return FilterCommaKey(platform(), keyAscii);
}

void FrmStopa::cmdUnesi_Click() {
    if (txtStopa->text().empty())
        txtStopa->setText("0");
    const std::string typed = txtStopa->text();
    try {
        const double percent = forms::num(typed);
        txtStopa->setText(forms::plainText(percent));
        const std::string fraction = forms::fmt(forms::num(txtStopa->text()) / 100, "#,0.00");
        // A pasted rate below 0 % or of 100 % and more (as the stored fraction is rounded)
        // would turn the tax lines of every record upside down.
        if (percent < 0 || forms::num(fraction) >= 1) {
            refuse(typed);
            return;
        }
        txtStopa->setText(fraction);
        calc_.state().Stopa = forms::num(txtStopa->text());
        unload();
    } catch (const forms::ConversionError&) {
        refuse(typed);
    } catch (const forms::ArithmeticError&) {
        // Ends the handler; what was written stays.
    }
}

void FrmStopa::refuse(const std::string& typed) {
    calc_.state().NeispravanUpis = typed;
    calc_.frmGl().ShowBadValue();
    txtStopa->setText("");
    setFocus(*txtStopa);
}

} // namespace tarvel::calculator
