// SPDX-License-Identifier: GPL-3.0-or-later
// The compute command: it checks the inputs, prices the current service by its family and
// fills the result labels. Every amount is read back from the rounded text on display.
#include "calculator/calculator.h"
#include "calculator/currency.h"
#include "calculator/frm_gl.h"
#include "engine/euro.h"
#include "engine/tariffs.h"
#include "forms/message_titles.h"
#include "forms/number_text.h"

namespace tarvel::calculator {

using forms::divide;
using forms::fmt;
using forms::kMoney;
using forms::MsgAnswer;
using forms::MsgButtons;
using forms::MsgIcon;
using forms::num;

namespace {
constexpr const char* kCannot = forms::titles::kCannot;
constexpr const char* kTitle = forms::titles::kProgram;
} // namespace

void FrmGl::ShowOutOfTariff() {
    platform().messageBox(MsgIcon::Information, MsgButtons::Ok, kTitle,
                          "Za navedenu vrijednost, usluga se ugovara kao vremenski trošak ili "
                          "slobodno. Pregledajte Pravilnik o cijenama! (tipka F1)");
    setFocus(*txtInvest);
}

void FrmGl::ShowBadValue() {
    platform().messageBox(MsgIcon::Question, MsgButtons::Ok, kTitle,
                          "Upis  ' " + state().NeispravanUpis +
                              " '  djeluje zbunjujuće ?\?\?! Pokušajte ponovo !");
}

void FrmGl::ReportBadValueBox() {
    state().NeispravanUpis = txtInvest->text();
    ShowBadValue();
    txtInvest->setText("");
    setFocus(*txtInvest);
}

bool FrmGl::ReformatValueBox() {
    const std::string& text = txtInvest->text();
    if (text.empty())
        return true;
    try {
        txtInvest->setText(fmt(num(text), isPlan() ? "0,0" : kMoney));
    } catch (const forms::ConversionError&) {
        ReportBadValueBox();
        return false;
    }
    return true;
}

void FrmGl::ShowResultsDone() {
    lblTekst->setCaption("G O T O V O  ");
    lblTekst->setForeColor(forms::colors::Purple);
    for (forms::Control* c : {lblSumamax, lblSumamin, lblOdabir, lblOdabr, lblFcmin, lblFcmax})
        c->setVisible(true);
}

void FrmGl::cmdCijena_Click() {
    try {
        if (lblProjekt->caption().empty()) {
            platform().messageBox(MsgIcon::Critical, MsgButtons::Ok, kCannot,
                                  "Niste odabrali vrstu usluge !");
            setFocus(*txtInvest);
            return;
        }
        if (txtInvest->text().empty()) {
            if (tlb1->isEnabled("Cijena")) {
                platform().messageBox(MsgIcon::Critical, MsgButtons::Ok, kCannot,
                                      "Niste unijeli obračunske jedinice !");
            } else {
                platform().messageBox(MsgIcon::Critical, MsgButtons::Ok, kCannot,
                                      "Niste unijeli proračunsku vrijednost !");
                setFocus(*txtInvest);
            }
            return;
        }
        if (!fraKat->visible()) {
            if (isPlan())
                PlanPrice();
            else if (isSupervision())
                SupervisionPrice();
            return;
        }
        ComputeBuildingPrice();
    } catch (const forms::ConversionError&) {
        ReportBadValueBox();
    }
}

void FrmGl::ComputeBuildingPrice() {
    int category = 0;
    for (int k = 1; k <= 5; ++k) {
        if (optK[k]->value())
            category = k;
    }
    if (category == 0) {
        platform().messageBox(MsgIcon::Critical, MsgButtons::Ok, kCannot,
                              "Niste unijeli kategoriju objekta");
        return;
    }
    txtInvest->setText(fmt(num(txtInvest->text()), kMoney));

    // The common range of every fee table, in DM.
    const double x = valueInDm(num(txtInvest->text()));
    if (x < 6300 || x > 100000000) {
        ShowOutOfTariff();
        return;
    }

    // The tariff routine reads the value, the rate box and the category as they are now. In
    // euro the table prices the value in DM, and its fees go back to euro at the fixed rate;
    // each is rounded once, when it is shown.
    std::optional<engine::BaseFees> fees;
    if (inEuro()) {
        fees = engine::feeTableFees(state().Usluga, x, 1, category);
        if (fees)
            fees = engine::BaseFees{fees->min / engine::kDmPerEuro, fees->max / engine::kDmPerEuro};
    } else {
        const double value = num(txtInvest->text());
        const double rate = num(txtKurs->text());
        fees = engine::feeTableFees(state().Usluga, value, rate, category);
    }
    if (!fees) {
        ShowOutOfTariff();
        lblCmin->setCaption(fmt(0, kMoney));
        lblCmax->setCaption(fmt(0, kMoney));
    } else {
        lblCmin->setCaption(fmt(fees->min, kMoney));
        lblCmax->setCaption(fmt(fees->max, kMoney));
    }

    if (num(lblCmax->caption()) == 0)
        return;
    ComputePhaseFees();
    SumPhaseFees();
    tlb1->enable({"Min", "Max", "Odabir"}, true);
}

void FrmGl::ComputePhaseFees() {
    const double d = num(txtDodaj->text());
    const double p = num(txtPopust->text());
    for (auto [base, fees] : {std::pair{lblCmin, &lblFc}, std::pair{lblCmax, &lblFcm}}) {
        const double amount = num(base->caption());
        for (int i = 1; i <= 8; ++i) {
            const double fee = num(lblF[i]->caption()) * amount / 100 * chkF[i]->value() *
                               (1 + d / 100) * (1 - p / 100);
            (*fees)[i]->setCaption(fmt(fee, kMoney));
        }
    }
    fraFaze->setEnabled(true);
}

void FrmGl::SumPhaseFees() {
    double min = 0;
    double max = 0;
    for (int i = 1; i <= 8; ++i) {
        min += num(lblFc[i]->caption());
        max += num(lblFcm[i]->caption());
    }
    lblSumamin->setCaption(fmt(min, kMoney));
    lblSumamax->setCaption(fmt(max, kMoney));
    ShowResultsDone();
}

void FrmGl::PlanPrice() {
    if (PlanBaseFees())
        FinishPlanPrice();
}

bool FrmGl::PlanBaseFees() {
    const SharedState& s = state();
    const double units = num(txtInvest->text());
    const bool euro = inEuro();
    // The plan factors give kuna at the stored rate; at the rate 1 they give DM.
    const auto fees = engine::planFees(s.Usluga, units, euro ? 1 : s.Kurs);
    if (!fees) {
        ClearResults();
        ShowOutOfTariff();
        return false;
    }
    std::string min = fmt(euro ? fees->min / engine::kDmPerEuro : fees->min, kMoney);
    std::string max = fmt(euro ? fees->max / engine::kDmPerEuro : fees->max, kMoney);
    if (lblValutaFaza->caption() == kDm) {
        // In DM, the kuna fees divided by the stored rate, as the command "DM" shows them.
        min = fmt(divide(num(min), s.Kurs), kMoney);
        max = fmt(divide(num(max), s.Kurs), kMoney);
    }
    lblCmin->setCaption(min);
    lblCmax->setCaption(max);
    return true;
}

void FrmGl::FinishPlanPrice() {
    ComputePhaseFees();
    SumPhaseFees();
    ClearChosenPrices();
    tlb1->enable({"KN", "DM", "EUR", "Min", "Max", "Odabir"}, true);
    ShowResultsDone();
}

void FrmGl::SupervisionPrice() {
    const double value = num(txtInvest->text());
    // In euro the bracket and the fee are taken on the value in DM, and the fee goes back to
    // euro at the fixed rate.
    const bool euro = inEuro();
    const double base = euro ? value * engine::kDmPerEuro : value;
    const double back = euro ? engine::kDmPerEuro : 1;
    const double w = euro ? base / 100000 : divide(value, num(txtKurs->text()) * 100000);
    const auto rate = engine::supervisionRate(state().Usluga, w);
    if (!rate) {
        for (forms::Control* c : {lblSumamin, lblSumamax, lblOdabir})
            c->setVisible(false);
        ShowOutOfTariff();
        return;
    }
    const double d = num(txtDodaj->text());
    const double p = num(txtPopust->text());
    lblSumamax->setCaption(fmt(base * *rate * (1 + d / 100) * (1 - p / 100) / 100 / back, kMoney));
    lblCmax->setCaption(fmt(base * *rate / 100 / back, kMoney));
    ShowResultsDone();
    lblOdabir->setCaption(lblSumamax->caption());
    lblSumamin->setCaption("ne postoji  ");
    if (state().VrijednostGradjevine != 0)
        tlb1->setEnabled("Ponuda", true);
}

} // namespace tarvel::calculator
