// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing a service: the opening of the service menus, the reset to no service and the
// application of a catalogue entry with its family's set-up.
#include "calculator/calculator.h"
#include "calculator/frm_gl.h"
#include "engine/tariffs.h"
#include "forms/number_text.h"

namespace tarvel::calculator {

using forms::fmt;
using forms::num;

namespace {

// True when the third character from the end is "," (a money value, "#,0.00"); characters,
// not bytes, so that a pasted "č" or "€" counts once.
bool looksLikeMoney(const std::string& text) {
    const std::u32string chars = forms::toU32(text);
    return chars.size() >= 3 && chars[chars.size() - 3] == U',';
}

} // namespace

bool FrmGl::isPlan() const {
    return engine::isPlan(state().Usluga);
}

bool FrmGl::isSupervision() const {
    return engine::isSupervision(state().Usluga);
}

void FrmGl::ResetService() {
    SharedState& s = state();
    lblTekst->setCaption("ODABERITE VRSTU USLUGE");
    lblTekst->setForeColor(forms::colors::Blue);
    lblProjekt->setCaption("");
    lblOdabir->setCaption("0");
    s.Usluga = "";
    s.NapomenaOdabir = "";
    s.Prekini = true;
    ClearDeviations();
    tlb1->setEnabled("Odstupminus", false);
    for (forms::Control* f : {fraKat, fraFaze, fraCijena, fraUk})
        f->setVisible(false);
}

// The deviations end with the addition they describe: a record never names one that does not
// raise its fee.
void FrmGl::ClearDeviations() {
    state().TekstOdstupanja = "";
    state().PostotakOdstupanja = 0;
}

void FrmGl::ClearResults() {
    for (int i = 1; i <= 8; ++i) {
        lblFc[i]->setCaption("0");
        lblFcm[i]->setCaption("0");
    }
    ClearChosenPrices();
    lblSumamin->setCaption("");
    for (forms::Control* c : {lblSumamin, lblSumamax, lblOdabir})
        c->setVisible(false);
}

void FrmGl::ClearChosenPrices() {
    // The remark of a total taken goes with the total.
    state().NapomenaUkupno = "";
    for (int i = 1; i <= 8; ++i)
        lblC[i]->setCaption("0");
    lblOdabir->setCaption("0");
    tlb1->setEnabled("Ponuda", false);
}

// Shows or hides a phase's share, fees, tick and chosen price (its caption stays).
void FrmGl::ShowPhase(int i, bool visible) {
    for (forms::Control* c : {lblF[i], lblFc[i], lblFcm[i], chkF[i], lblC[i]})
        c->setVisible(visible);
}

void FrmGl::HideEmptyPhases() {
    for (int i = 4; i <= 8; ++i) {
        if (num(lblF[i]->caption()) == 0)
            ShowPhase(i, false);
    }
}

void FrmGl::DropPlanValue() {
    if (txtInvest->text().empty())
        return;
    if (!looksLikeMoney(txtInvest->text()))
        txtInvest->setText("");
    ClearResults();
}

void FrmGl::ReapplyPhaseExclusions() {
    for (int i : {1, 2, 3, 4, 6, 7}) {
        if (*state().exclusion(i))
            chkF[i]->setValue(0);
    }
}

void FrmGl::SetupBuildingService() {
    for (int i = 1; i <= 8; ++i)
        lblP[i]->setCaption(std::string(kBuildingPhaseCaptions[i - 1]));
    for (int i = 4; i <= 8; ++i)
        ShowPhase(i, true);
    fraFaze->setVisible(true);
    fraKat->setVisible(true);
    tlb1->setEnabled("Cijena", false);
    tlb1->enable({"KN", "DM", "EUR", "Odstup"}, true);
    if (!state().IzPonude)
        tlb1->setEnabled("Vrijednost", true);
    for (forms::Control* c : {lblSumamin, lblSumamax, lblOdabir})
        c->setVisible(false);
    fraSve->setEnabled(true);
    fraUk->setVisible(true);
    fraCijena->setVisible(true);
    lbl1->setCaption("Proračunska vrijednost");
    lblValuta->setVisible(true);
    lblTekst->setCaption(txtInvest->text().empty() ? "Unesite vrijednost"
                                                   : "Odaberite stupanj složenosti");
    DropPlanValue();
    ReapplyPhaseExclusions();
}

void FrmGl::SetupPlanService() {
    for (int i = 1; i <= 8; ++i)
        lblP[i]->setCaption(std::string(kPlanPhaseCaptions[i - 1]));
    for (int i = 6; i <= 8; ++i)
        lblF[i]->setCaption("0");
    for (int i = 4; i <= 5; ++i)
        ShowPhase(i, true);
    fraFaze->setVisible(true);
    fraKat->setVisible(false);
    lblTekst->setCaption("Unesite obračunske jedinice");
    lbl1->setCaption("Obračunske jedinice");
    fraSve->setEnabled(true);
    fraUk->setVisible(true);
    fraCijena->setVisible(true);
    lblValuta->setVisible(false);
    lblValuta->setCaption("kn");
    lblValutaFaza->setCaption("kn");
    txtKurs->setText(fmt(state().Kurs, "#,0.00"));
    tlb1->setEnabled("Cijena", true);
    if (looksLikeMoney(txtInvest->text()))
        txtInvest->setText("");
}

void FrmGl::ApplyHelp(const CatalogueEntry& entry) {
    if (state().Html != "HTML")
        helpContextId = entry.helpNumber;
    else
        state().HtmlStranica = std::string(entry.helpPage);
}

void FrmGl::ApplyEntry(const CatalogueEntry& entry) {
    SharedState& s = state();
    if (entry.family == Family::Supervision) {
        ApplySupervisionEntry(entry);
        return;
    }
    s.Usluga = std::string(entry.code);
    if (entry.family == Family::Plan) {
        SetupPlanService();
        lblProjekt->setCaption(std::string(entry.title));
        for (int i = 1; i <= 5; ++i)
            lblF[i]->setCaption(std::to_string(entry.shares[static_cast<size_t>(i - 1)]));
        for (const CaptionOverride& o : entry.captions)
            lblP[o.phase]->setCaption(std::string(o.caption));
    } else {
        SetupBuildingService();
        if (!entry.deviations)
            tlb1->setEnabled("Odstup", false);
        lblProjekt->setCaption(std::string(entry.title));
        if (entry.asksForValue) {
            lblTekst->setCaption("Unesite vrijednost");
            lblTekst->setForeColor(forms::colors::Blue);
        }
        switch (entry.categories) {
        case Categories::OneToFive:
            optK[4]->setEnabled(true);
            optK[5]->setEnabled(true);
            break;
        case Categories::OneToFour:
            optK[4]->setEnabled(true);
            optK[5]->setEnabled(false);
            optK[5]->setValue(0);
            break;
        default:
            optK[4]->setEnabled(false);
            optK[5]->setEnabled(false);
            optK[4]->setValue(0);
            optK[5]->setValue(0);
            break;
        }
        for (const CaptionOverride& o : entry.captions)
            lblP[o.phase]->setCaption(std::string(o.caption));
        for (int i = 1; i <= 8; ++i)
            lblF[i]->setCaption(std::to_string(entry.shares[static_cast<size_t>(i - 1)]));
    }
    if (entry.hidesEmptyPhases)
        HideEmptyPhases();
    if (entry.takeOver == OfferTakeOver::Text && !s.PonudaVrijednost.empty())
        txtInvest->setText(offerValue(0));
    ApplyHelp(entry);
    if (!entry.estimator)
        tlb1->setEnabled("Vrijednost", false);
    if (entry.family == Family::Plan) {
        if (!txtInvest->text().empty())
            cmdCijena->press();
        else
            setFocus(*txtInvest);
        return;
    }
    if (entry.takeOver == OfferTakeOver::Flag && s.PreuzmiVrijednost)
        txtInvest->setText(offerValue(0));
    setFocus(*txtInvest);
}

void FrmGl::ApplySupervisionEntry(const CatalogueEntry& entry) {
    SharedState& s = state();
    s.Usluga = std::string(entry.code);
    lbl1->setCaption("Proračunska vrijednost");
    lblValuta->setVisible(true);
    fraSve->setEnabled(true);
    fraUk->setVisible(true);
    fraCijena->setVisible(true);
    lblProjekt->setCaption(std::string(entry.title));
    tlb1->enable({"Cijena", "KN", "DM", "EUR"}, true);
    if (!s.IzPonude)
        tlb1->setEnabled("Vrijednost", true);
    ApplyHelp(entry);
    DropPlanValue();
    if (!s.PonudaVrijednost.empty())
        txtInvest->setText(offerValue(0));
    if (!txtInvest->text().empty()) {
        if (ReformatValueBox())
            cmdCijena->press();
    } else {
        lblTekst->setCaption("Unesite vrijednost");
    }
}

std::string FrmGl::offerValue(int index) const {
    return calc_.offerValueText(index);
}

} // namespace tarvel::calculator
