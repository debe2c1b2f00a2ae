// SPDX-License-Identifier: GPL-3.0-or-later
#include "comparison/frm_usporedba.h"

#include "calculator/calculator.h"
#include "calculator/frm_gl.h"
#include "calculator/guarded_handler.h"
#include "calculator/key_filters.h"
#include "comparison/comparison_text.h"
#include "comparison/print_comparison.h"
#include "engine/tariffs.h"
#include "forms/keys.h"
#include "forms/number_text.h"

namespace tarvel::comparison {

using calculator::runGuarded;
using forms::ControlKind;

namespace {

// The main window's category stands out on a pale yellow ground; the other rows keep the
// window's.
constexpr forms::Color kMarked{255, 243, 190};

std::string indexed(const char* name, int i) {
    return std::string(name) + "(" + std::to_string(i) + ")";
}

// Lines joined into one multi-line caption.
std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += (text.empty() ? "" : "\n") + line;
    return text;
}

} // namespace

FrmUsporedba::FrmUsporedba(calculator::Calculator& calculator)
    : forms::Form(calculator, "frmUsporedba"), calc_(calculator) {
    setCaption(" Usporedba");
    createControls();
    wireHandlers();
}

void FrmUsporedba::createControls() {
    auto label = [this](const std::string& name, const std::string& caption,
                        forms::Control* container = nullptr) {
        forms::Control& c = add(name, ControlKind::Label, container);
        c.setCaption(caption);
        return &c;
    };
    auto button = [this](const std::string& name, const std::string& caption) {
        forms::Control& c = add(name, ControlKind::CommandButton);
        c.setCaption(caption);
        return &c;
    };

    lblProjekt = label("lblProjekt", "");
    lblVar = label("lblVar", "Varijanta:");
    txtVarijanta = &add("txtVarijanta", ControlKind::TextBox);
    lblVar->setBuddy(txtVarijanta);
    txtVarijanta->setToolTip("Druga vrijednost za usporedbu");
    lblVarValuta = label("lblVarValuta", "kn");

    lblHKat = label("lblHKat", "Stupanj");
    lblHVrijednost = label("lblHVrijednost", "Vrijednost");
    lblHVarijanta = label("lblHVarijanta", "Varijanta");
    lblHRazlika = label("lblHRazlika", "Razlika");
    lblHNap = label("lblHNap", "Napomena");
    for (int i = 0; i < kCategories; ++i) {
        const size_t r = static_cast<size_t>(i);
        cmdKat[r] = button(indexed("cmdKat", i), "");
        lblKmin[r] = label(indexed("lblKmin", i), "");
        lblKmax[r] = label(indexed("lblKmax", i), "");
        lblVmin[r] = label(indexed("lblVmin", i), "");
        lblVmax[r] = label(indexed("lblVmax", i), "");
        lblRmin[r] = label(indexed("lblRmin", i), "");
        lblRmax[r] = label(indexed("lblRmax", i), "");
        lblNap[r] = label(indexed("lblNap", i), "");
    }

    fraFaze = &add("fraFaze", ControlKind::Frame);
    fraFaze->setCaption("Faze: najniža – najviša");
    lblFazeNaziv = label("lblFazeNaziv", "", fraFaze);
    for (int i = 0; i < kCategories; ++i) {
        lblFazeKat[static_cast<size_t>(i)] = label(indexed("lblFazeKat", i), "", fraFaze);
        lblFaze[static_cast<size_t>(i)] = label(indexed("lblFaze", i), "", fraFaze);
    }

    picGraf = &add("picGraf", ControlKind::Picture);
    lblUvjeti = label("lblUvjeti", "");
    lblNapomena = label("lblNapomena", kOutOfTariffNote);
    lblNapomena->setVisible(false);
    lblPoruka = label("lblPoruka", "");
    cmdKopiraj = button("cmdKopiraj", "Kopiraj");
    cmdKopiraj->setToolTip("Tablica u međuspremnik, stupci odvojeni tabulatorom");
    cmdIspis = button("cmdIspis", "Ispiši");
    cmdZatvori = button("cmdZatvori", "Zatvori");
}

void FrmUsporedba::wireHandlers() {
    const auto guard = [this](auto handler) {
        return [this, handler] {
            runGuarded(calc_, [&] { handler(); });
        };
    };
    keyPreview = true;
    onKeyDown = [this](int& keyCode, int shift) {
        runGuarded(calc_, [&] { Form_KeyDown(keyCode, shift); });
    };
    txtVarijanta->onKeyPress = [this](int keyAscii) {
        return calculator::FilterDecimalKey(platform(), keyAscii);
    };
    txtVarijanta->onChange = guard([this] { txtVarijanta_Change(); });
    for (int i = 0; i < kCategories; ++i) {
        const size_t r = static_cast<size_t>(i);
        cmdKat[r]->onClick = guard([this, i] { cmdKat_Click(i); });
        cmdKat[r]->onGotFocus = guard([this, i] { cmdKat_GotFocus(i); });
        // A double click on a row's amounts chooses it as its button does.
        for (forms::Control* cell :
             {lblKmin[r], lblKmax[r], lblVmin[r], lblVmax[r], lblRmin[r], lblRmax[r]})
            cell->onDblClick = guard([this, i] { cmdKat_Click(i); });
    }
    cmdKopiraj->onClick = guard([this] { cmdKopiraj_Click(); });
    cmdIspis->onClick = guard([this] { cmdIspis_Click(); });
    cmdZatvori->onClick = guard([this] { cmdZatvori_Click(); });
}

void FrmUsporedba::Form_Load() {
    const calculator::FrmGl& main = calc_.frmGl();
    left = main.left;
    top = main.top + 300;
}

void FrmUsporedba::Setup(const ServiceInputs& inputs, double value) {
    pricing_.emplace(inputs);
    value_ = value;
    variant_.reset();
    const Pricing& pricing = *pricing_;

    lblProjekt->setCaption(inputs.title);
    lblVarValuta->setCaption(inputs.family == Family::Plan ? "jedinica" : inputs.valueUnit);
    lblHKat->setCaption(inputs.family == Family::Building ? "Stupanj" : "Tarifa");
    lblUvjeti->setCaption(amountsRemark(pricing));
    for (int i = 0; i < kCategories; ++i) {
        const int category = i + 1;
        const bool shown = i < pricing.rowCount() && pricing.offers(category);
        const size_t r = static_cast<size_t>(i);
        for (forms::Control* c : {cmdKat[r], lblKmin[r], lblKmax[r], lblVmin[r], lblVmax[r],
                                  lblRmin[r], lblRmax[r], lblNap[r], lblFazeKat[r], lblFaze[r]})
            c->setVisible(shown);
        cmdKat[r]->setCaption(rowCaption(pricing, category));
    }

    // The chart starts on the main window's category, else on the first row priced at the
    // value, else on the first row.
    chartRow_ = -1;
    if (inputs.family == Family::Building && pricing.offers(inputs.chosenCategory))
        chartRow_ = inputs.chosenCategory - 1;
    for (int i = 0; chartRow_ < 0 && i < pricing.rowCount(); ++i) {
        if (pricing.offers(i + 1) && pricing.at(i + 1, value).priced())
            chartRow_ = i;
    }
    for (int i = 0; chartRow_ < 0 && i < pricing.rowCount(); ++i) {
        if (pricing.offers(i + 1))
            chartRow_ = i;
    }
    if (chartRow_ < 0)
        chartRow_ = 0;

    ShowTable();
    ShowChart();
    setFocus(*cmdKat[static_cast<size_t>(chartRow_)]);
}

void FrmUsporedba::ShowTable() {
    const Pricing& pricing = *pricing_;
    table_ = comparisonTable(pricing, value_, variant_);
    const bool building = pricing.inputs().family == Family::Building;

    lblHVrijednost->setCaption("Vrijednost " + table_.valueText);
    lblHVarijanta->setCaption(variant_ ? "Varijanta " + table_.variantText : "Varijanta");
    for (int i = 0; i < kCategories; ++i) {
        const size_t r = static_cast<size_t>(i);
        const TableRow& row = table_.rows[r];
        lblKmin[r]->setCaption(row.min);
        lblKmax[r]->setCaption(row.max);
        lblVmin[r]->setCaption(row.variantMin);
        lblVmax[r]->setCaption(row.variantMax);
        lblRmin[r]->setCaption(row.differenceMin);
        lblRmax[r]->setCaption(row.differenceMax);
        lblNap[r]->setCaption(row.note);
        for (forms::Control* c :
             {lblKmin[r], lblKmax[r], lblVmin[r], lblVmax[r], lblRmin[r], lblRmax[r], lblNap[r]})
            c->setBackColor(row.marked ? kMarked : forms::colors::ButtonFace);
        if (!building)
            cmdKat[r]->setToolTip("Izračunaj u glavnom prozoru");
        else if (row.marked)
            cmdKat[r]->setToolTip("Stupanj " + row.caption + " je odabran u glavnom prozoru");
        else
            cmdKat[r]->setToolTip("Odaberi stupanj " + row.caption + " u glavnom prozoru");
    }

    std::vector<std::string> captions;
    std::array<std::vector<std::string>, kCategories> fees;
    for (const PhaseLine& phase : table_.phases) {
        captions.push_back(phase.caption);
        for (size_t k = 0; k < fees.size(); ++k)
            fees[k].push_back(phase.fees[k]);
    }
    fraFaze->setVisible(!table_.phases.empty());
    lblFazeNaziv->setCaption(joined(captions));
    for (size_t k = 0; k < fees.size(); ++k) {
        lblFazeKat[k]->setCaption(table_.rows[k].caption);
        lblFaze[k]->setCaption(joined(fees[k]));
    }
    lblNapomena->setVisible(table_.outOfTariff);
}

void FrmUsporedba::ShowChart() {
    chart_ = feeChart(*pricing_, chartRow_ + 1, value_, variant_);
    ++chartSerial_;
    picGraf->setToolTip(chart_.title);
}

std::string FrmUsporedba::tableText() const {
    return pricing_ ? tabSeparated(*pricing_, table_) : "";
}

void FrmUsporedba::cmdKat_Click(int row) {
    ChooseRow(row);
}

void FrmUsporedba::cmdKat_GotFocus(int row) {
    if (row == chartRow_ || !pricing_)
        return;
    chartRow_ = row;
    ShowChart();
}

void FrmUsporedba::ChooseRow(int row) {
    if (!pricing_)
        return;
    const Family family = pricing_->inputs().family;
    unload();
    // As the user's click in the main window: the focus goes to the category, whose click
    // computes the fee.
    calculator::FrmGl& gl = calc_.frmGl();
    if (family == Family::Building) {
        forms::Control& option = *gl.optK[static_cast<size_t>(row + 1)];
        if (option.reachable()) {
            gl.setFocus(option);
            option.setValue(1);
        }
    } else if (gl.tlb1->isEnabled("Cijena")) {
        gl.tlb1->click("Cijena");
    }
}

void FrmUsporedba::txtVarijanta_Change() {
    if (calculator::DropLeadingDots(*txtVarijanta) || !pricing_)
        return;
    const std::string text = txtVarijanta->text();
    lblPoruka->setCaption("");
    variant_.reset();
    if (!text.empty()) {
        try {
            variant_ = forms::num(text);
        } catch (const forms::ConversionError&) {
            lblPoruka->setCaption("Varijanta  ' " + text + " '  nije broj.");
        }
    }
    ShowTable();
    ShowChart();
}

void FrmUsporedba::ReformatVariant() {
    if (!variant_)
        return;
    const bool plan = pricing_ && pricing_->inputs().family == Family::Plan;
    txtVarijanta->setText(forms::fmt(*variant_, plan ? "0,0" : forms::kMoney));
}

void FrmUsporedba::cmdKopiraj_Click() {
    copy_.text = tableText();
    ++copy_.serial;
    lblPoruka->setCaption("Tablica je kopirana: zalijepite je u tablični kalkulator.");
}

void FrmUsporedba::cmdIspis_Click() {
    if (pricing_)
        printComparison(platform(), printLines(*pricing_, table_));
}

void FrmUsporedba::cmdZatvori_Click() {
    unload();
}

void FrmUsporedba::Form_KeyDown(int& keyCode, int) {
    if (keyCode == forms::keys::Escape) {
        keyCode = 0;
        unload();
        return;
    }
    if (keyCode != forms::keys::Enter)
        return;
    keyCode = 0;
    forms::Control* at = focused();
    for (int i = 0; i < kCategories; ++i) {
        if (at == cmdKat[static_cast<size_t>(i)]) {
            ChooseRow(i);
            return;
        }
    }
    if (at == txtVarijanta)
        ReformatVariant();
    else if (at && at->kind() == ControlKind::CommandButton)
        at->press();
}

std::optional<ServiceInputs> readMainWindow(const calculator::FrmGl& gl) {
    using forms::num;
    ServiceInputs in;
    in.code = gl.state().Usluga;
    if (engine::isPlan(in.code))
        in.family = Family::Plan;
    else if (engine::isSupervision(in.code))
        in.family = Family::Supervision;
    else if (engine::hasFeeTable(in.code))
        in.family = Family::Building;
    else
        return std::nullopt;
    in.title = gl.lblProjekt->caption();
    for (int k = 1; k <= kCategories; ++k) {
        const forms::Control& option = *gl.optK[static_cast<size_t>(k)];
        in.offered[static_cast<size_t>(k - 1)] = option.enabled();
        if (option.value())
            in.chosenCategory = k;
    }
    for (int i = 1; i <= kPhases; ++i) {
        const size_t p = static_cast<size_t>(i - 1);
        const size_t at = static_cast<size_t>(i);
        in.shares[p] = num(gl.lblF[at]->caption());
        in.ticks[p] = gl.chkF[at]->value();
        in.phaseCaptions[p] = gl.lblP[at]->caption();
    }
    in.kurs = gl.state().Kurs;
    in.currency = gl.lblValutaFaza->caption();
    in.valueUnit = gl.lblValuta->caption();
    in.valueText = gl.txtInvest->text();
    if (in.family == Family::Plan) {
        if (!(in.kurs > 0))
            throw forms::ArithmeticError("no exchange rate");
    } else {
        in.rate = num(gl.txtKurs->text());
        if (!(in.rate > 0))
            throw forms::ArithmeticError("no exchange rate");
    }
    // A category click sets the discount and the addition to 0; plans and supervision are
    // priced with them.
    if (in.family != Family::Building) {
        in.addition = num(gl.txtDodaj->text());
        in.discount = num(gl.txtPopust->text());
    }
    return in;
}

void showComparison(calculator::Calculator& calc) {
    const std::optional<ServiceInputs> inputs = readMainWindow(calc.frmGl());
    if (!inputs || inputs->valueText.empty())
        return;
    const double value = forms::num(inputs->valueText);
    auto& frm = static_cast<FrmUsporedba&>(calc.load("frmUsporedba"));
    try {
        frm.Setup(*inputs, value);
    } catch (...) {
        // A window that could not be filled is not kept for the next opening.
        calc.unload("frmUsporedba");
        throw;
    }
    frm.showModal();
}

} // namespace tarvel::comparison
