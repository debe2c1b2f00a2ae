// SPDX-License-Identifier: GPL-3.0-or-later
// The display currency: the toolbar commands "KN", "DM" and "EUR" convert the value box and
// compute again; the currency chosen last is shown again at the next start.
//
// The currency labels say what the amounts are in: lblValuta the value box, lblValutaFaza the
// fees (the computation follows lblValutaFaza). The rate box holds kuna per DM in kuna and "1"
// in DM, the rate the computation reads; in euro it shows the euro's fixed rate in DM, which
// nothing reads back.
#include "calculator/calculator.h"
#include "calculator/currency.h"
#include "calculator/frm_gl.h"
#include "engine/euro.h"
#include "forms/number_text.h"

namespace tarvel::calculator {

using forms::divide;
using forms::fmt;
using forms::kMoney;
using forms::num;

bool FrmGl::inEuro() const {
    return lblValutaFaza->caption() == kEuro;
}

double FrmGl::valueInDm(double value) const {
    if (inEuro())
        return value * engine::kDmPerEuro;
    return divide(value, num(txtKurs->text()));
}

void FrmGl::RememberCurrency(const char* key) {
    platform().settings().set(kCurrencySetting, key);
}

void FrmGl::ShowStoredCurrency(const std::string& setting) {
    const std::string currency = currencyOfSetting(setting);
    if (currency == kKuna)
        return;
    lblValuta->setCaption(currency);
    lblValutaFaza->setCaption(currency);
    txtKurs->setText(currency == kDm ? "1" : kEuroRateText);
}

bool FrmGl::CommandKN() {
    SharedState& s = state();
    RememberCurrency(kKunaKey);
    s.NapomenaOdabir = "";
    tlb1->enable({"DM", "EUR"}, true);
    tlb1->setEnabled("Kurs", false);
    lblValutaFaza->setCaption(kKuna);
    txtKurs->setText(fmt(s.Kurs, kMoney));
    if (txtInvest->text().empty()) {
        lblValuta->setCaption(kKuna);
        return false;
    }
    if (isPlan()) {
        tlb1->setEnabled("Cijena", true);
        cmdCijena->press();
        FinishPlanPrice();
    } else {
        const std::string from = lblValuta->caption();
        if (from == kKuna) {
            cmdCijena->press();
            return false;
        }
        // Back to kuna: a value in DM at the restored rate, one in euro at the fixed rate.
        const double value = num(txtInvest->text());
        txtInvest->setText(
            fmt(from == kEuro ? fromEuro(value, kKuna) : value * num(txtKurs->text()), kMoney));
        cmdCijena->press();
    }
    lblValuta->setCaption(kKuna);
    if (isSupervision())
        cmdCijena->press();
    else
        ClearChosenPrices();
    return true;
}

bool FrmGl::CommandDM() {
    SharedState& s = state();
    RememberCurrency(kDmKey);
    s.NapomenaOdabir = "";
    tlb1->setEnabled("Kurs", true);
    const bool feesInEuro = inEuro();
    lblValutaFaza->setCaption(kDm);
    ClearChosenPrices();
    if (txtInvest->text().empty()) {
        lblValuta->setCaption(kDm);
        txtKurs->setText("1");
        return false;
    }
    if (isPlan()) {
        tlb1->setEnabled("Cijena", false);
        if (feesInEuro) {
            // The rate box holds no rate in euro: the fees are computed again in DM.
            if (!PlanBaseFees())
                return true;
        } else {
            const double rate = num(txtKurs->text());
            lblCmin->setCaption(fmt(divide(num(lblCmin->caption()), rate), kMoney));
            lblCmax->setCaption(fmt(divide(num(lblCmax->caption()), rate), kMoney));
        }
        txtKurs->setText("1");
        // The value box's label follows, so that a building service chosen next takes its
        // value in DM, as the computation does.
        lblValuta->setCaption(kDm);
        FinishPlanPrice();
        return true;
    }
    const double value = num(txtInvest->text());
    if (lblValuta->caption() == kEuro)
        txtInvest->setText(fmt(fromEuro(value, kDm), kMoney));
    else
        txtInvest->setText(fmt(divide(value, num(txtKurs->text())), kMoney));
    if (lblValuta->caption() == kDm) {
        cmdCijena->press();
        return false;
    }
    // With "1" in the rate box the computation takes the value as accounting units.
    txtKurs->setText("1");
    cmdCijena->press();
    lblValuta->setCaption(kDm);
    return true;
}

bool FrmGl::CommandEUR() {
    SharedState& s = state();
    // An unreadable value is reported before anything changes.
    const std::string from = lblValuta->caption();
    const bool converts = !txtInvest->text().empty() && !isPlan() && from != kEuro;
    const double value = converts ? num(txtInvest->text()) : 0;
    RememberCurrency(kEuroKey);
    s.NapomenaOdabir = "";
    // The euro's rates are fixed: there is no rate to change.
    tlb1->setEnabled("Kurs", false);
    lblValutaFaza->setCaption(kEuro);
    ClearChosenPrices();
    txtKurs->setText(kEuroRateText);
    if (txtInvest->text().empty()) {
        lblValuta->setCaption(kEuro);
        return false;
    }
    if (isPlan()) {
        // The units stay; the fees are computed again in euro.
        lblValuta->setCaption(kEuro);
        tlb1->setEnabled("Cijena", true);
        cmdCijena->press();
        return true;
    }
    if (!converts) {
        cmdCijena->press();
        return false;
    }
    txtInvest->setText(fmt(toEuro(value, from), kMoney));
    cmdCijena->press();
    lblValuta->setCaption(kEuro);
    return true;
}

} // namespace tarvel::calculator
