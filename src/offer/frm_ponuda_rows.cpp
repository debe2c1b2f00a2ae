// SPDX-License-Identifier: GPL-3.0-or-later
// The offer composer's rows: sending a value to the main window, capturing the fee chosen
// there, the "Ostalo" row, fees entered by hand, and going back to the main window.
#include "offer/frm_ponuda.h"

#include "calculator/calculator.h"
#include "calculator/frm_gl.h"
#include "calculator/help.h"
#include "forms/message_titles.h"
#include "forms/number_text.h"
#include "offer/offer_text.h"

namespace tarvel::offer {

using forms::fmt;
using forms::kMoney;
using forms::MsgAnswer;
using forms::MsgButtons;
using forms::MsgIcon;
using forms::num;

namespace {

constexpr double kHandEntryLimit = 25000;

constexpr const char* kServiceMenus[] = {"mnuPp", "mnuA", "mnuG", "mnuD", "mnuSE", "mnuT", "mnuN"};

} // namespace

bool FrmPonuda::inWork(int row) const {
    return valueCell(row).backColor() == kGreenMarker;
}

// Only the budget values of rows 0 .. 9 go back to light yellow: the "Ostalo" cell keeps its
// colour unless its own row is taken in work.
void FrmPonuda::markInWork(int row) {
    for (int i = 0; i < kOstalo; ++i)
        valueCell(i).setBackColor(kLightYellow);
    valueCell(row).setBackColor(kGreenMarker);
}

void FrmPonuda::PosebnaNotice() {
    platform().messageBox(MsgIcon::Information, MsgButtons::Ok, " Pozor",
                          "Vrstu usluge za POSEBNE INSTALACIJE morate sami odrediti.");
}

void FrmPonuda::PorukaOstalo() {
    platform().messageBox(MsgIcon::Information, MsgButtons::Ok, " Pozor",
                          "Vrstu usluge i proračunsku vrijednost za OSTALO morate sami odrediti.");
}

// The share of a row's fee in the building's budget value.
std::string FrmPonuda::share(int row) const {
    return fmt(forms::divide(num(lblC.at(static_cast<size_t>(row))->caption()) * 100,
                             state().VrijednostGradjevine),
               kMoney);
}

void FrmPonuda::lblPt_DblClick(int row) {
    // The regulation prices values from 10.000 to 25.000.000 accounting units.
    const double units = main().valueInDm(num(valueCell(row).caption()));
    if (units < 10000 || units > 25000000) {
        platform().messageBox(
            MsgIcon::Information, MsgButtons::Ok, forms::titles::kProgram,
            "Za navedenu vrijednost, usluga se ugovara kao vremenski trošak ili slobodno. Dvoklik "
            "mišom na cijenu usluge omogućit će vam upis cijene prema osobnom iskustvu! Za "
            "najmanju proračunsku vrijednost od 37.000 kn ili 10.000 DM, najmanja cijena "
            "strojarske ili električarske usluge iznosi 3.942 kn ili 1.065 DM.");
        return;
    }
    SendRow(row);
}

void FrmPonuda::SendRow(int row) {
    calculator::SharedState& s = state();
    s.IzPonude = true;
    s.PreuzmiVrijednost = true;
    s.PostotakOdstupanja = 0;
    calculator::RestoreHelpFile(calc_);
    lblPt10->setBackColor(kLightYellow);
    markInWork(row);
    cmdNazad->setEnabled(true);
    if (row == kSpecialRow && s.Struka != "ne")
        PosebnaNotice();
    s.Struka = std::string(discipline(row).key);
    hide();
    s.offerRowHandedOver = true;
}

void FrmPonuda::lblPt10_DblClick() {
    SendOstalo();
}

void FrmPonuda::SendOstalo() {
    calculator::SharedState& s = state();
    for (int i = 0; i < kOstalo; ++i)
        valueCell(i).setBackColor(kLightYellow);
    lblPt10->setBackColor(kGreenMarker);
    s.IzPonude = true;
    calculator::RestoreHelpFile(calc_);
    s.Struka = "Ostalo";
    PorukaOstalo();
    hide();
    s.PreuzmiVrijednost = true;
    s.offerRowHandedOver = true;
}

void FrmPonuda::Capture(int row) {
    calculator::SharedState& s = state();
    const Discipline& d = discipline(row);
    const auto r = static_cast<size_t>(row);
    const bool accepted = d.accepts(s.Usluga);
    const bool empty = num(lblC[r]->caption()) == 0;
    switch (d.kind) {
    case DisciplineKind::StrictAnyRow:
    case DisciplineKind::Strict:
    case DisciplineKind::Lenient:
        // An empty row with a foreign service: the row goes to the main window instead.
        if (!accepted && empty) {
            lblPt_DblClick(row);
            return;
        }
        if (!accepted) {
            platform().messageBox(d.foreign.icon, MsgButtons::Ok, std::string(d.foreign.title),
                                  std::string(d.foreign.text));
            if (d.kind != DisciplineKind::Lenient)
                return;
        }
        if (d.kind != DisciplineKind::StrictAnyRow && !inWork(row))
            return;
        break;
    case DisciplineKind::Special:
        if (empty && isWholeBuildingOrNone(s.Usluga)) {
            lblPt_DblClick(row);
            return;
        }
        if (!inWork(row))
            return;
        if (s.Struka != "Posebna") {
            s.Struka = "ne";
            PosebnaNotice();
        }
        break;
    case DisciplineKind::Accumulating:
        cmdOstalo_Click();
        return;
    }

    calculator::FrmGl& gl = main();
    const double cost = num(gl.txtInvest->text());
    const double fee = num(gl.lblOdabir->caption());
    if (row == 0)
        s.VrijednostGradjevine = cost;
    else
        s.KorigiraniTrosak[r] = cost;
    s.CijenaStruke[r] = fee;
    lblKt[r]->setCaption(fmt(cost, kMoney));
    lblC[r]->setCaption(fmt(fee, kMoney));
    // Architecture sets the building's value, the divisor of every share.
    if (row == 0) {
        for (int i = 0; i < kRows; ++i)
            lblP[static_cast<size_t>(i)]->setCaption(share(i));
    } else {
        lblP[r]->setCaption(share(row));
    }

    s.OznakaDiscipline = std::string(d.suffix);
    s.UdioUInvesticiji = lblP[r]->caption();
    gl.PripremiIzracun();
    s.TekstStruke[r] = s.Izracun;
    ObnoviPonudu();
    if (d.kind == DisciplineKind::Lenient || d.kind == DisciplineKind::Special)
        SpremljenaUsluga = s.Usluga;
    if (row >= 2)
        s.Usluga = "";
}

void FrmPonuda::cmdOstalo_Click() {
    calculator::SharedState& s = state();
    calculator::FrmGl& gl = main();
    const size_t r = kOstalo;
    const double fee = num(gl.lblOdabir->caption());
    // The amount last entered again, or nothing priced yet: the row goes to the main window.
    if (fee == s.ZadnjaSvota) {
        SendOstalo();
        return;
    }
    if (num(lblC[r]->caption()) == 0 && isWholeBuildingOrNone(s.Usluga)) {
        SendOstalo();
        return;
    }
    if (!inWork(kOstalo))
        return;
    if (s.CijenaStruke[r] == 0) {
        s.KorigiraniTrosak[r] = num(gl.txtInvest->text());
        lblKt[r]->setCaption(fmt(s.KorigiraniTrosak[r], kMoney));
        s.CijenaStruke[r] = fee;
    } else {
        if (s.Usluga.empty()) {
            SendOstalo();
            return;
        }
        if (platform().messageBox(MsgIcon::Question, MsgButtons::YesNo, " Provjera",
                                  "Cijeni usluge OSTALO, bit će pribrojena ova usluga! U tekstu "
                                  "ponude, usluga će biti uredno navedena.") != MsgAnswer::Yes) {
            s.Usluga = "";
            return;
        }
        s.CijenaStruke[r] += fee;
        lblKt[r]->setCaption("vidi ponudu ");
    }
    lblC[r]->setCaption(fmt(s.CijenaStruke[r], kMoney));
    lblP[r]->setCaption(share(kOstalo));

    // A later service's record gives its own share only.
    s.OznakaDiscipline = "";
    s.UdioUInvesticiji = lblP[r]->caption();
    if (!s.UdioOstalo.empty())
        s.UdioUInvesticiji = forms::plainText(num(lblP[r]->caption()) - num(s.UdioOstalo));
    s.UdioOstalo = lblP[r]->caption();

    s.Struka = "Ostalo";
    gl.PripremiIzracun();
    s.TekstStruke[r] += s.Izracun + kCrLf;
    ObnoviPonudu();
    SpremljenaUsluga = s.Usluga;
    s.Usluga = "";
    s.ZadnjaSvota = fee;
    s.TekstStruke[r] += kCrLf;
}

std::vector<forms::ContextMenuItem> FrmPonuda::contextMenuOf(forms::Control* at) {
    for (int i = 0; i < kRows; ++i) {
        const auto r = static_cast<size_t>(i);
        if (at != cmd[r] && at != lblPt[r] && at != lblKt[r] && at != lblC[r] && at != lblP[r])
            continue;
        std::vector<forms::ContextMenuItem> items{{"Prenesi cijenu u izračun", lblPt[r]}};
        if (i == kOstalo)
            items.push_back({"Poništi sve", lblC[r]});
        else if (i > 0)
            items.push_back({"Ručni upis cijene", lblC[r]});
        return items;
    }
    return {};
}

void FrmPonuda::lblC_DblClick(int row) {
    const auto r = static_cast<size_t>(row);
    for (int i = 0; i < kOstalo; ++i)
        valueCell(i).setBackColor(kLightYellow);
    valueCell(row).setBackColor(kGreenMarker);
    lblC[r]->setBackColor(kHandEntry);
    if (row < 2)
        return;
    EnterByHand(row);
}

void FrmPonuda::EnterByHand(int row) {
    calculator::SharedState& s = state();
    const auto r = static_cast<size_t>(row);
    std::string answer = "0";
    if (row != kOstalo) {
        std::string prompt = "Upišite cijenu usluge prema svom iskustvu.";
        if (row == 2)
            prompt += std::string(kCrLf) + "Vodovod iznosi 30 do 35 % od ukupne cijene" + kCrLf +
                      "Odvod iznosi 33 do 40 % od ukupne cijene" + kCrLf +
                      "Plin iznosi 33 do 40 % od ukupne cijene";
        prompt += std::string(kCrLf) + kCrLf +
                  "Ukoliko upišete '0' (nulu), prethodan upis će se poništiti";
        answer = platform().inputBox(prompt, " Moja cijena", lblC[r]->caption());
    }

    // Empty (also Cancel) or zero clears the row; a negative fee is no fee and is refused as
    // an unreadable answer.
    double value = 0;
    bool readable = true;
    if (!answer.empty()) {
        try {
            value = num(answer);
        } catch (const forms::ConversionError&) {
            readable = false;
        }
        if (readable && value < 0)
            readable = false;
    }
    const bool zero = readable && fmt(value, "#0,0.00") == "00,00";
    if (zero) {
        value = 0;
        lblC[r]->setBackColor(kHandCleared);
    }
    s.Usluga = "";
    if (s.Struka == "Posebna")
        s.Struka = "";

    if (readable) {
        lblC[r]->setCaption(fmt(value, "#0,0.00"));
        try {
            lblP[r]->setCaption(share(row));
        } catch (const forms::ArithmeticError&) {
            readable = false;
        }
    }
    if (!readable) {
        s.NeispravanUpis = answer;
        main().ShowBadValue();
    } else {
        lblKt[r]->setCaption("prema iskustvu");
    }
    if (!readable || value > kHandEntryLimit) {
        lblC[r]->setBackColor(kHandCleared);
        lblC[r]->setCaption("0,00");
        lblP[r]->setCaption("0,00");
        if (readable)
            platform().messageBox(MsgIcon::Critical, MsgButtons::Ok, forms::titles::kCannot,
                                  "Ovako visoku procjenu treba dokazati proračunom.");
        ClearRow(row);
        return;
    }
    if (zero) {
        ClearRow(row);
        return;
    }

    HandEntry entry;
    entry.txtNaziv = main().txtNaziv->text();
    entry.title = std::string(discipline(row).handTitle);
    entry.lblPt = valueCell(row).caption();
    entry.answer = answer;
    entry.fee = lblC[r]->caption();
    entry.currency = main().lblValutaFaza->caption();
    entry.Stopa = s.Stopa;
    s.RucniTekst = handEnteredFeeText(entry);
    s.TekstStruke[r] = handEnteredSection(entry);
    ObnoviPonudu();
    cmdNazad->setEnabled(false);
}

void FrmPonuda::ClearRow(int row) {
    calculator::SharedState& s = state();
    const auto r = static_cast<size_t>(row);
    s.TekstStruke[r].clear();
    s.CijenaStruke[r] = 0;
    lblKt[r]->setCaption("0");
    if (row == kOstalo) {
        s.ZadnjaSvota = 0;
        s.UdioOstalo.clear();
    }
    ObnoviPonudu();
}

void FrmPonuda::cmdNazad_Click() {
    calculator::SharedState& s = state();
    hide();
    s.PostotakOdstupanja = 0;
    s.PreuzmiVrijednost = true;
    if (s.Struka == "Ostalo") {
        SendOstalo();
        return;
    }
    s.Struka = "";
    s.IzPonude = true;
    int row = -1;
    for (int i = 0; i < kOstalo && row < 0; ++i) {
        if (inWork(i))
            row = i;
    }
    // The row goes back with its own service, so the service menus rest; special plant has
    // none of its own and the user must be able to choose one.
    if (row != kSpecialRow) {
        calculator::FrmGl& gl = main();
        for (const char* menu : kServiceMenus)
            gl.find(menu)->setEnabled(false);
    }
    s.Usluga = SpremljenaUsluga;
    SpremljenaUsluga = "";
    if (row >= 0)
        lblPt_DblClick(row);
}

} // namespace tarvel::offer
