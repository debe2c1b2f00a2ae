// SPDX-License-Identifier: GPL-3.0-or-later
// The estimator window: its controls, load, keys, the choice of type, level and currency, the
// editing of shares and rate, and the computation.
#include "estimator/frm_vrijednost.h"

#include <algorithm>

#include "calculator/calculator.h"
#include "calculator/currency.h"
#include "calculator/document_command.h"
#include "calculator/frm_gl.h"
#include "calculator/help.h"
#include "calculator/key_filters.h"
#include "forms/keys.h"
#include "forms/message_titles.h"
#include "forms/number_text.h"

namespace tarvel::estimator {

using forms::ControlKind;
using forms::MsgButtons;
using forms::MsgIcon;

namespace {

constexpr forms::Color kYellow{255, 255, 0};
constexpr char kCaptionKn[] = "Troškovi  kn / m2";
constexpr char kCaptionDm[] = "Troškovi  DM / m2";
constexpr char kCaptionEuro[] = "Troškovi  EUR / m2";

std::string indexed(const std::string& name, size_t i) {
    return name + "(" + std::to_string(i) + ")";
}

} // namespace

template <typename F> void FrmVrijednost::guarded(F&& f) {
    try {
        f();
    } catch (const forms::ConversionError& e) {
        calc_.state().NeispravanUpis = e.text();
        main().ShowBadValue();
    } catch (const std::exception&) {
        // Any other failure ends the handler; what was already written stays.
    }
}

FrmVrijednost::FrmVrijednost(calculator::Calculator& calculator)
    : forms::Form(calculator, "frmVrijednost"), calc_(calculator) {
    setCaption(" Proračunska vrijednost građevine");
    createControls();
    wireHandlers();
}

calculator::FrmGl& FrmVrijednost::main() const {
    return calc_.frmGl();
}

void FrmVrijednost::createControls() {
    auto label = [this](const std::string& name, const std::string& caption,
                        forms::Control* container) {
        forms::Control& c = add(name, ControlKind::Label, container);
        c.setCaption(caption);
        return &c;
    };
    auto box = [this](const std::string& name, forms::Control* container) {
        return &add(name, ControlKind::TextBox, container);
    };
    auto button = [this](const std::string& name, const std::string& caption) {
        forms::Control& c = add(name, ControlKind::CommandButton);
        c.setCaption(caption);
        return &c;
    };

    // The tab strip, and a tab of it per type: a tab is clicked, it takes no focus.
    tbsVrste = &add("tbsVrste", ControlKind::TabStrip);
    tbsVrste->setTabStop(false);
    for (size_t i = 0; i < tab.size(); ++i)
        tab[i] = label(indexed("tbsVrste", i), std::string(buildingTypes()[i].caption), tbsVrste);

    fraGrad = &add("fraGrad", ControlKind::Frame);
    fraGrad->setCaption("Grupa troškova 300");
    fraGrad->setToolTip("Pomoć, tipka F1");
    lblGrad = label("lblGrad", "G  R  A  Đ  E  NJ  E", fraGrad);
    for (size_t i = 0; i < lblG.size(); ++i) {
        lblG[i] = label(indexed("lblG", i), "", fraGrad);
        txtGp[i] = box(indexed("txtGp", i), fraGrad);
        lblG[i]->setBuddy(txtGp[i]);
        lblGr[i] = label(indexed("lblGr", i), "", fraGrad);
    }
    lblGruk = label("lblGruk", "Građenje ukupno:", fraGrad);
    lblGuk = label("lblGuk", "", fraGrad);
    lblGrukr = label("lblGrukr", "", fraGrad);
    lblIli[0] = label("lblIli(0)", "ili", fraGrad);
    lblGrp = label("lblGrp", "", fraGrad);

    fraInst = &add("fraInst", ControlKind::Frame);
    fraInst->setCaption("Grupa troškova 400");
    fraInst->setToolTip("Pomoć, tipka F1");
    lblIns = label("lblIns", "I  N  S  T  A  L  A  C  I  J  E", fraInst);
    for (size_t i = 0; i < lblI.size(); ++i) {
        lblI[i] = label(indexed("lblI", i), "", fraInst);
        txtIp[i] = box(indexed("txtIp", i), fraInst);
        lblI[i]->setBuddy(txtIp[i]);
        lblIr[i] = label(indexed("lblIr", i), "", fraInst);
        lblIr[i]->setBackColor(kYellow);
    }
    lblInuk = label("lblInuk", "Instalacije ukupno:", fraInst);
    lblIuk = label("lblIuk", "", fraInst);
    lblInukr = label("lblInukr", "", fraInst);
    lblIli[1] = label("lblIli(1)", "ili", fraInst);
    lblIrp = label("lblIrp", "", fraInst);
    lblUk = label("lblUk", "Ukupno", nullptr);
    lblPr = label("lblPr", "", nullptr);
    for (auto* share : txtGp)
        share->setReadOnly(true);
    for (auto* share : txtIp)
        share->setReadOnly(true);

    fraIzbor = &add("fraIzbor", ControlKind::Frame);
    fraIzbor->setCaption(kCaptionKn);
    fraIzbor->setToolTip("\"F1\" v. pomoć");
    const char* levels[] = {"Najniži", "Srednji", "Najviši"};
    for (size_t i = 0; i < opt1.size(); ++i) {
        opt1[i] = &add(indexed("opt1", i), ControlKind::OptionButton, fraIzbor);
        opt1[i]->setCaption(levels[i]);
        lblC[i] = label(indexed("lblC", i), "", fraIzbor);
    }
    lblIzbor = label("lblIzbor", "Moj izbor troškova / m2", fraIzbor);
    txtIzbor = box("txtIzbor", fraIzbor);
    lblIzbor->setBuddy(txtIzbor);

    lblM2 = label("lblM2", "Broj bruto kvadratnih m.", nullptr);
    txtM2 = box("txtM2", nullptr);
    chkUNJ = &add("chkUNJ", ControlKind::CheckBox);
    chkUNJ->setCaption("Cijene u Njemačkoj");
    chkUDM = &add("chkUDM", ControlKind::CheckBox);
    chkUDM->setCaption("Preračunaj u DM");
    lblT = label("lblT", "Tečaj", nullptr);
    lblT->setToolTip("Dvoklik editira");
    txtKurs = box("txtKurs", nullptr);
    txtKurs->setReadOnly(true);
    txtKurs->setToolTip("Dvoklik editira");
    lblReza = label("lblReza", "Proračunska vrijednost:", nullptr);
    txtReza = box("txtReza", nullptr);
    txtReza->setReadOnly(true);

    cmdReza = button("cmdReza", "Okvirni &troškovi");
    cmdGotovo = button("cmdGotovo", "&Gotovo");
    cmdOdustajem = button("cmdOdustajem", "&Odustajem");
    cmdZadnji = button("cmdZadnji", "Pregled zadnje PV");
    cmdIspis = button("cmdIspis", "Ispis ove PV");
    cmdIspis->setEnabled(false);
    cmdDokument = button("cmdDokument", "&Dokument");
    setDialogKeys(cmdGotovo);
    cmdDokument->setToolTip(calculator::documentToolTip("Alt+D"));
    cmdDokument->setEnabled(false);
}

void FrmVrijednost::wireHandlers() {
    keyPreview = true;
    onKeyDown = [this](int& keyCode, int shift) {
        guarded([&] { Form_KeyDown(keyCode, shift); });
    };
    for (size_t i = 0; i < tab.size(); ++i)
        tab[i]->onClick = [this, i] {
            guarded([&] { tbsVrste_Click(static_cast<int>(i)); });
        };
    for (size_t i = 0; i < opt1.size(); ++i)
        opt1[i]->onClick = [this, i] {
            guarded([&] { opt1_Click(static_cast<int>(i)); });
        };
    chkUNJ->onClick = [this] {
        guarded([&] { chkUNJ_Click(); });
    };
    chkUDM->onClick = [this] {
        guarded([&] { chkUDM_Click(); });
    };
    auto share = [this](forms::Control* c) {
        c->onKeyPress = [this](int keyAscii) {
            return calculator::FilterDecimalKey(platform(), keyAscii);
        };
        c->onDblClick = [this, c] {
            guarded([&] { txtShare_DblClick(*c); });
        };
        c->onLostFocus = [this, c] {
            guarded([&] { txtShare_LostFocus(*c); });
        };
    };
    for (auto* c : txtGp)
        share(c);
    for (auto* c : txtIp)
        share(c);
    txtKurs->onKeyPress = [this](int keyAscii) {
        return calculator::FilterDecimalKey(platform(), keyAscii);
    };
    txtKurs->onDblClick = [this] {
        guarded([&] { txtKurs_DblClick(); });
    };
    txtKurs->onLostFocus = [this] {
        guarded([&] { txtKurs_LostFocus(); });
    };
    for (auto* c : {txtIzbor, txtM2}) {
        c->onKeyPress = [this](int keyAscii) {
            return calculator::FilterDigitKey(platform(), keyAscii);
        };
        c->onGotFocus = [this] {
            guarded([&] { txtEntry_GotFocus(); });
        };
        c->onChange = [this, c] {
            guarded([&] { txtEntry_Change(*c); });
        };
    }
    txtReza->onChange = [this] {
        guarded([&] { txtReza_Change(); });
    };
    cmdReza->onClick = [this] {
        guarded([&] { cmdReza_Click(); });
    };
    cmdGotovo->onClick = [this] {
        guarded([&] { cmdGotovo_Click(); });
    };
    cmdOdustajem->onClick = [this] {
        guarded([&] { cmdOdustajem_Click(); });
    };
    cmdZadnji->onClick = [this] {
        guarded([&] { cmdZadnji_Click(); });
    };
    cmdIspis->onClick = [this] {
        guarded([&] { cmdIspis_Click(); });
    };
    cmdDokument->onClick = [this] {
        guarded([&] { cmdDokument_Click(); });
    };
    for (size_t i = 0; i < lblIr.size(); ++i)
        lblIr[i]->onDblClick = [this, i] {
            guarded([&] { lblIr_DblClick(static_cast<int>(i)); });
        };
}

void FrmVrijednost::Form_Load() {
    const calculator::FrmGl& gl = main();
    top = gl.top - 120;
    left = gl.left + 60;
    for (size_t i = 0; i < lblG.size(); ++i)
        lblG[i]->setCaption(std::string(constructionCaptions()[i]));
    for (size_t i = 0; i < lblI.size(); ++i)
        lblI[i]->setCaption(std::string(installationCaptions()[i]));
    txtKurs->setText(std::string(kDefaultRate));
    euro_ = gl.lblValuta->caption() == calculator::kEuro;
    ShowCostCurrency();
    guarded([&] {
        selectTab(selectedTab());
        SelectType();
    });
    for (auto* c : lblIr)
        c->setEnabled(false);
}

void FrmVrijednost::selectTab(int index) {
    tbsVrste->setValue(index);
    tbsVrste->setCaption(tab.at(static_cast<size_t>(index))->caption());
}

void FrmVrijednost::tbsVrste_Click(int index) {
    const bool same = index == type_;
    selectTab(index);
    SelectType();
    // The standard shares are back: results on show are computed again from them.
    if (same && !txtReza->text().empty())
        Compute(true);
}

void FrmVrijednost::Form_KeyDown(int& keyCode, int shift) {
    // F1 anywhere in the window: the estimator's page of the user's guide.
    if (keyCode == forms::keys::F1) {
        keyCode = 0;
        calculator::ApplicationHelpKey(calc_, helpContextId);
        return;
    }
    if (keyCode != forms::keys::Tab || (shift & forms::keys::CtrlMask) == 0)
        return;
    keyCode = 0;
    const int step = (shift & forms::keys::ShiftMask) ? kBuildingTypeCount - 1 : 1;
    selectTab((selectedTab() + step) % kBuildingTypeCount);
    SelectType();
}

std::vector<forms::ContextMenuItem> FrmVrijednost::contextMenuOf(forms::Control* at) {
    std::vector<forms::ContextMenuItem> items;
    for (size_t i = 0; i < txtGp.size(); ++i) {
        if (at == lblG[i] || at == txtGp[i] || at == lblGr[i])
            items.push_back({"Promijeni udio", txtGp[i]});
    }
    for (size_t i = 0; i < txtIp.size(); ++i) {
        if (at == lblI[i] || at == txtIp[i] || at == lblIr[i]) {
            items.push_back({"Prenesi vrijednost grupe", lblIr[i]});
            items.push_back({"Promijeni udio", txtIp[i]});
        }
    }
    if (at == lblT || at == txtKurs)
        items.push_back({"Promijeni tečaj", txtKurs});
    return items;
}

void FrmVrijednost::SelectType() {
    const int chosen = selectedTab();
    if (chosen == type_) {
        FillType(chosen);
        return;
    }
    txtIzbor->setText("");
    ClearResults();
    for (auto* o : opt1)
        o->setValue(0);
    chkUDM->setValue(0);
    FillType(chosen);
}

void FrmVrijednost::FillType(int type) {
    type_ = type;
    const BuildingType& t = buildingTypes().at(static_cast<size_t>(type));
    for (size_t i = 0; i < txtGp.size(); ++i)
        txtGp[i]->setText(shareText(t.construction[i]));
    for (size_t i = 0; i < txtIp.size(); ++i)
        txtIp[i]->setText(shareText(t.installations[i]));
    lblGuk->setCaption(std::string(t.constructionTotal));
    lblIuk->setCaption(std::string(t.installationTotal));
    for (size_t i = 0; i < lblC.size(); ++i) {
        const auto level = static_cast<Level>(i);
        lblC[i]->setCaption(euro_ ? referenceCostInEuro(type, level, chkUNJ->checked())
                                  : referenceCostText(type, level, chkUNJ->checked()));
    }
}

void FrmVrijednost::ClearResults() {
    for (auto* c : lblGr)
        c->setCaption("");
    for (auto* c : lblIr) {
        c->setCaption("");
        c->setEnabled(false);
    }
    for (auto* c : {lblGrukr, lblInukr, lblGrp, lblIrp, lblPr})
        c->setCaption("");
    txtReza->setText("");
    computed_.reset();
}

void FrmVrijednost::opt1_Click(int level) {
    cmdReza->setEnabled(true);
    if (!txtReza->text().empty())
        SpremiProcjenu();
    txtIzbor->setText(lblC.at(static_cast<size_t>(level))->caption());
    ClearResults();
    if (!txtM2->text().empty())
        Compute(true);
}

void FrmVrijednost::ReselectLevel() {
    for (auto* o : opt1) {
        if (o->checked()) {
            o->setValue(1);
            return;
        }
    }
}

void FrmVrijednost::chkUNJ_Click() {
    if (chkUNJ->checked())
        chkUDM->setValue(0);
    ShowCostCurrency();
    SelectType();
    ReselectLevel();
    Compute(true);
}

void FrmVrijednost::chkUDM_Click() {
    if (chkUDM->checked()) {
        for (auto* c : lblC)
            c->setCaption(toDm(c->caption(), txtKurs->text()));
        if (!txtIzbor->text().empty())
            txtIzbor->setText(toDm(txtIzbor->text(), txtKurs->text()));
    } else {
        SelectType();
        ReselectLevel();
    }
    ShowCostCurrency();
    if (!txtIzbor->text().empty())
        Compute(true);
}

void FrmVrijednost::txtShare_DblClick(forms::Control& box) {
    box.setReadOnly(false);
    box.setText("");
}

void FrmVrijednost::txtShare_LostFocus(forms::Control& box) {
    if (box.readOnly())
        return;
    ShareEntry entry;
    try {
        entry = finishShare(box.text());
    } catch (const forms::ConversionError&) {
        calc_.state().NeispravanUpis = box.text();
        main().ShowBadValue();
        box.setText("");
        setFocus(box);
        return;
    }
    if (!entry.accepted) {
        ClearResults();
        platform().messageBox(MsgIcon::Critical, MsgButtons::Ok, " Greška",
                              "Upis je veći od 100. Vjerojatno ste zaboravili upisati zarez.");
        box.setText("");
        setFocus(box);
        return;
    }
    box.setText(entry.text);
    box.setReadOnly(true);
    // Results on show follow the new share.
    if (!txtReza->text().empty())
        Compute(false);
}

void FrmVrijednost::txtKurs_DblClick() {
    txtKurs->setReadOnly(false);
}

void FrmVrijednost::txtKurs_LostFocus() {
    if (txtKurs->readOnly())
        return;
    try {
        txtKurs->setText(finishRate(txtKurs->text()));
    } catch (const forms::ConversionError&) {
        calc_.state().NeispravanUpis = txtKurs->text();
        txtKurs->setText(std::string(kDefaultRate));
        main().ShowBadValue();
    }
    txtKurs->setReadOnly(true);
}

void FrmVrijednost::txtEntry_GotFocus() {
    if (!txtReza->text().empty())
        SpremiProcjenu();
}

void FrmVrijednost::txtEntry_Change(forms::Control& box) {
    // Typing (into the box with the focus) asks for a new computation.
    if (box.hasFocus())
        cmdReza->setEnabled(true);
}

void FrmVrijednost::txtReza_Change() {
    cmdIspis->setEnabled(!txtReza->text().empty());
    cmdDokument->setEnabled(!txtReza->text().empty());
}

void FrmVrijednost::cmdReza_Click() {
    Compute(true);
}

bool FrmVrijednost::resultsInDm() const {
    return chkUNJ->checked() || chkUDM->checked();
}

std::string FrmVrijednost::costCurrency() const {
    if (euro_)
        return calculator::kEuro;
    return resultsInDm() ? calculator::kDm : calculator::kKuna;
}

// In euro the costs are in euro whichever prices they come from: nothing is converted to DM.
void FrmVrijednost::ShowCostCurrency() {
    chkUDM->setEnabled(!euro_ && !chkUNJ->checked());
    fraIzbor->setCaption(euro_ ? kCaptionEuro : resultsInDm() ? kCaptionDm : kCaptionKn);
}

void FrmVrijednost::FollowMainCurrency() {
    const bool euro = main().lblValuta->caption() == calculator::kEuro;
    if (euro == euro_)
        return;
    const std::string from = costCurrency();
    euro_ = euro;
    const bool levelChosen =
        std::any_of(opt1.begin(), opt1.end(), [](const forms::Control* o) { return o->checked(); });
    // A cost of one's own goes over to the new currency at the fixed rate; a chosen level
    // takes its reference cost again.
    if (!levelChosen && !txtIzbor->text().empty()) {
        const double cost = forms::num(txtIzbor->text());
        const double converted =
            euro ? calculator::toEuro(cost, from) : calculator::fromEuro(cost, costCurrency());
        txtIzbor->setText(forms::fmt(converted, "#,0"));
    }
    // Its click shows the costs without the DM conversion and computes again.
    if (chkUDM->checked()) {
        chkUDM->setValue(0);
        return;
    }
    const bool estimateShown = !txtReza->text().empty();
    ShowCostCurrency();
    SelectType();
    ReselectLevel();
    if (estimateShown && !levelChosen)
        Compute(false);
}

void FrmVrijednost::Compute(bool moveFocus) {
    if (moveFocus)
        setFocus(*cmdGotovo);
    cmdReza->setEnabled(false);
    EstimateInput in;
    in.cost = txtIzbor->text();
    in.area = txtM2->text();
    for (size_t i = 0; i < txtGp.size(); ++i)
        in.constructionShares[i] = txtGp[i]->text();
    for (size_t i = 0; i < txtIp.size(); ++i)
        in.installationShares[i] = txtIp[i]->text();
    const EstimateOutcome out = computeEstimate(in);
    if (out.stop) {
        refuse(*out.stop);
        return;
    }
    const Estimate& e = out.estimate;
    txtIzbor->setText(e.cost);
    txtM2->setText(e.area);
    for (size_t i = 0; i < lblGr.size(); ++i)
        lblGr[i]->setCaption(e.construction[i]);
    for (size_t i = 0; i < lblIr.size(); ++i)
        lblIr[i]->setCaption(e.installations[i]);
    lblGrukr->setCaption(e.constructionTotal);
    lblInukr->setCaption(e.installationTotal);
    txtReza->setText(e.wholeValue);
    lblGrp->setCaption(e.constructionPercent);
    lblIrp->setCaption(e.installationPercent);
    lblPr->setCaption(e.shareSum);
    for (auto* c : lblIr)
        c->setEnabled(true);

    ReportInput r;
    r.typeCaption = tbsVrste->caption();
    r.area = e.area;
    r.cost = e.cost;
    r.currency = costCurrency();
    r.constructionShares = in.constructionShares;
    r.installationShares = in.installationShares;
    r.construction = e.construction;
    r.installations = e.installations;
    r.constructionTotal = e.constructionTotal;
    r.constructionPercent = e.constructionPercent;
    r.installationTotal = e.installationTotal;
    r.installationPercent = e.installationPercent;
    r.wholeValue = e.wholeValue;
    r.shareSum = e.shareSum;
    computed_ = r;
}

void FrmVrijednost::refuse(ComputeStop stop) {
    if (stop == ComputeStop::NothingEntered)
        return;
    platform().messageBox(MsgIcon::Critical, MsgButtons::Ok, forms::titles::kCannot,
                          std::string(stopMessage(stop)));
    switch (stop) {
    case ComputeStop::NoCost:
        setFocus(*txtIzbor);
        break;
    case ComputeStop::NoArea:
        setFocus(*txtM2);
        break;
    case ComputeStop::AreaTooLarge:
        txtM2->setText("");
        setFocus(*txtM2);
        break;
    case ComputeStop::CostTooLarge:
        txtIzbor->setText("");
        setFocus(*txtIzbor);
        break;
    case ComputeStop::ProductTooLarge:
        txtIzbor->setText("");
        txtM2->setText("");
        setFocus(*txtM2);
        break;
    case ComputeStop::NothingEntered:
        break;
    }
}

} // namespace tarvel::estimator
