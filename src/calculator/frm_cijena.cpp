// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator/frm_cijena.h"

#include <algorithm>

#include "calculator/calculator.h"
#include "calculator/frm_gl.h"
#include "calculator/key_filters.h"
#include "forms/message_titles.h"
#include "forms/number_text.h"

namespace tarvel::calculator {

using forms::ControlKind;
using forms::divide;
using forms::fmt;
using forms::MsgButtons;
using forms::MsgIcon;
using forms::num;

FrmCijena::FrmCijena(Calculator& calculator)
    : forms::Form(calculator, "frmCijena"), calc_(calculator) {
    setCaption(" Željena cijena usluge");
    auto label = [this](const char* name, const char* caption) {
        forms::Control& c = add(name, ControlKind::Label);
        c.setCaption(caption);
        return &c;
    };
    lblUpis = label("lblUpis", "Upišite željenu cijenu usluge između");
    lblMinText = label("lblMinText", "minimalne i");
    lblMin = label("lblMin", "");
    lblMaxText = label("lblMaxText", "maksimalne");
    lblMax = label("lblMax", "");
    txtCijena = &add("txtCijena", ControlKind::TextBox);
    lblUpis->setBuddy(txtCijena);
    cmdIzlaz = &add("cmdIzlaz", ControlKind::CommandButton);
    cmdIzlaz->setCaption("&Cijene faza");
    setDialogKeys(cmdIzlaz);

    txtCijena->onKeyPress = [this](int keyAscii) {
        return txtCijena_KeyPress(keyAscii);
    };
    txtCijena->onChange = [this] {
        txtCijena_Change();
    };
    cmdIzlaz->onClick = [this] {
        cmdIzlaz_Click();
    };
}

void FrmCijena::Form_Load() {
    FrmGl& main = calc_.frmGl();
    const forms::ScreenSize screen = platform().screenSize();
    top = main.top + 5310 <= screen.heightTwips ? main.top + 3640 : main.top + 3090;
    left = main.left + 11010 > screen.widthTwips ? main.left + 6420 : main.left + 6730;
    width = 4695;
    height = 2460;
    // Opening the dialog discards the previous choice, also when no price is then taken.
    main.ClearChosenPrices();
    lblMin->setCaption(main.lblSumamin->caption());
    lblMax->setCaption(main.lblSumamax->caption());
}

int FrmCijena::txtCijena_KeyPress(int keyAscii) {
    return FilterDecimalKey(platform(), keyAscii);
}

void FrmCijena::txtCijena_Change() {
    DropLeadingDots(*txtCijena);
}

void FrmCijena::cmdIzlaz_Click() {
    try {
        TakeDesiredPrice();
    } catch (const forms::ConversionError& e) {
        calc_.state().NeispravanUpis = e.text();
        calc_.frmGl().ShowBadValue();
        unload();
    } catch (const forms::ArithmeticError&) {
        // No phase ticked: nothing is taken and the dialog stays open.
    }
}

void FrmCijena::TakeDesiredPrice() {
    FrmGl& main = calc_.frmGl();
    SharedState& s = calc_.state();
    if (txtCijena->text().empty()) {
        platform().messageBox(MsgIcon::Critical, MsgButtons::Ok, forms::titles::kCannot,
                              "Besplatne usluge pravilima Brelon nisu dopuštene! Izvedite to "
                              "kao donaciju.");
        unload();
        return;
    }
    txtCijena->setText(fmt(num(txtCijena->text()), "#,0.00"));
    const double c = num(txtCijena->text());
    if (c > num(lblMax->caption()) || c < num(lblMin->caption())) {
        platform().messageBox(MsgIcon::Information, MsgButtons::Ok, forms::titles::kProgram,
                              "Odabrana cijana usluge mora biti između minimalne i maksimalne "
                              "cijene ! (tipka F1)");
        setFocus(*txtCijena);
        txtCijena->selectAll();
        return;
    }
    double shares = 0;
    for (int i = 1; i <= 8; ++i)
        shares += num(main.lblF[i]->caption()) * main.chkF[i]->value();
    const double perShare = divide(100, shares);
    // Every price is computed before any is written, so that a failure writes none.
    std::array<std::string, 9> prices;
    for (int i = 1; i <= 8; ++i)
        prices[static_cast<size_t>(i)] = fmt(
            c * num(main.lblF[i]->caption()) * perShare * main.chkF[i]->value() / 100, "#,0.00");
    for (int i = 1; i <= 8; ++i)
        main.lblC[i]->setCaption(prices[static_cast<size_t>(i)]);
    main.SumChosenPrices();
    s.NapomenaOdabir = "Odabrano " + txtCijena->text() + " " + main.lblValutaFaza->caption();
    if (s.VrijednostGradjevine != 0)
        main.tlb1->setEnabled("Ponuda", true);
    unload();
}

} // namespace tarvel::calculator
