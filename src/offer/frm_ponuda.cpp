// SPDX-License-Identifier: GPL-3.0-or-later
// The offer composer's window: its controls, loading from the estimator, and closing.
#include "offer/frm_ponuda.h"

#include "calculator/calculator.h"
#include "calculator/document_command.h"
#include "calculator/frm_gl.h"
#include "calculator/help.h"
#include "estimator/frm_vrijednost.h"
#include "forms/keys.h"
#include "forms/number_text.h"

namespace tarvel::offer {

using forms::ControlKind;
using forms::fmt;
using forms::kMoney;
using forms::num;

namespace {

constexpr forms::Color kCell{255, 255, 255};

std::string indexed(const std::string& name, int i) {
    return name + "(" + std::to_string(i) + ")";
}

// A caption of the estimator; one it left empty counts as no value.
double estimatorValue(const forms::Control& label) {
    return label.caption().empty() ? 0 : num(label.caption());
}

} // namespace

template <typename F> void FrmPonuda::guarded(F&& f) {
    try {
        f();
    } catch (const forms::ConversionError& e) {
        state().NeispravanUpis = e.text();
        main().ShowBadValue();
    } catch (const forms::ArithmeticError&) {
        // Ends the handler; what was already written stays.
    }
}

FrmPonuda::FrmPonuda(calculator::Calculator& calculator)
    : forms::Form(calculator, "frmPonuda"), calc_(calculator) {
    setCaption("Ponuda");
    // Over the main window's left part, clear of its value box.
    left = 1200;
    top = 600;
    createControls();
    wireHandlers();
}

calculator::SharedState& FrmPonuda::state() const {
    return calc_.state();
}

calculator::FrmGl& FrmPonuda::main() const {
    return calc_.frmGl();
}

void FrmPonuda::createControls() {
    auto label = [this](const std::string& name, const std::string& caption,
                        forms::Control* container) {
        forms::Control& c = add(name, ControlKind::Label, container);
        c.setCaption(caption);
        return &c;
    };
    auto button = [this](const std::string& name, const std::string& caption,
                         forms::Control* container) {
        forms::Control& c = add(name, ControlKind::CommandButton, container);
        c.setCaption(caption);
        return &c;
    };

    fraSastav = &add("fraSastav", ControlKind::Frame);
    fraSastav->setCaption("Sastav ponude");
    lblNosnov = label("lblNosnov", "Pror. troškovi", fraSastav);
    lblNkor = label("lblNkor", "Korigirani trošk.", fraSastav);
    Label1 = label("Label1", "Cijena usluge", fraSastav);
    lblNp = label("lblNp", "%", fraSastav);
    lblNunesi = label("lblNunesi", "Unosi u ponudu", fraSastav);
    for (int i = 0; i < kRows; ++i) {
        const auto r = static_cast<size_t>(i);
        const Discipline& d = discipline(i);
        cmd[r] = button(std::string(d.button), std::string(d.buttonCaption), fraSastav);
        if (i < kOstalo) {
            lblPt[r] = label(indexed("lblPt", i), "", fraSastav);
            lblPt[r]->setToolTip("Dvoklik prenosi cijenu");
        } else {
            lblPt10 = label("lblPt10", "0", fraSastav);
            lblPt[r] = lblPt10;
        }
        lblPt[r]->setBackColor(kLightYellow);
        lblKt[r] = label(indexed("lblKt", i), "0,00", fraSastav);
        lblC[r] = label(indexed("lblC", i), "0,00", fraSastav);
        lblP[r] = label(indexed("lblP", i), "0,00", fraSastav);
        for (forms::Control* c : {lblKt[r], lblC[r], lblP[r]})
            c->setBackColor(kCell);
        if (i == kOstalo)
            lblC[r]->setToolTip("Dvoklik poništava sve");
        else if (i > 0)
            lblC[r]->setToolTip("Dvoklik omogućuje željeni upis");
    }
    lblNukupno = label("lblNukupno", "U K U P N O", fraSastav);
    lblUkupno = label("lblUkupno", "", fraSastav);
    lblPu = label("lblPu", "", fraSastav);

    cmdPonuda = button("cmdPonuda", "&Provjera ponude", nullptr);
    cmdGotovo = button("cmdGotovo", "&Gotovo", nullptr);
    cmdOdustajem = button("cmdOdustajem", "&Odustajem", nullptr);
    cmdNazad = button("cmdNazad", "&Nazad", nullptr);
    cmdDokument = button("cmdDokument", "&Dokument", nullptr);
    setDialogKeys(cmdGotovo);
    cmdDokument->setToolTip(calculator::documentToolTip("Alt+D"));
    Picture1 = &add("Picture1", ControlKind::Picture);
}

void FrmPonuda::wireHandlers() {
    for (int i = 0; i < kRows; ++i) {
        const auto r = static_cast<size_t>(i);
        if (i < kOstalo) {
            lblPt[r]->onDblClick = [this, i] {
                guarded([&] { lblPt_DblClick(i); });
            };
            cmd[r]->onClick = [this, i] {
                guarded([&] { Capture(i); });
            };
        }
        lblC[r]->onDblClick = [this, i] {
            guarded([&] { lblC_DblClick(i); });
        };
    }
    lblPt10->onDblClick = [this] {
        guarded([&] { lblPt10_DblClick(); });
    };
    cmd[kOstalo]->onClick = [this] {
        guarded([&] { cmdOstalo_Click(); });
    };
    cmdNazad->onClick = [this] {
        guarded([&] { cmdNazad_Click(); });
    };
    cmdOdustajem->onClick = [this] {
        guarded([&] { cmdOdustajem_Click(); });
    };
    cmdPonuda->onClick = [this] {
        guarded([&] { cmdPonuda_Click(); });
    };
    cmdGotovo->onClick = [this] {
        guarded([&] { cmdGotovo_Click(); });
    };
    cmdDokument->onClick = [this] {
        guarded([&] { cmdDokument_Click(); });
    };
    keyPreview = true;
    onKeyDown = [this, before = onKeyDown](int& keyCode, int shift) {
        guarded([&] { Form_KeyDown(keyCode, shift); });
        if (keyCode != 0 && before)
            before(keyCode, shift);
    };
}

void FrmPonuda::Form_KeyDown(int& keyCode, int) {
    if (keyCode != forms::keys::F1)
        return;
    keyCode = 0;
    calculator::ApplicationHelpKey(calc_, helpContextId);
}

forms::Control& FrmPonuda::valueCell(int row) const {
    return *lblPt.at(static_cast<size_t>(row < 0 ? kOstalo : row));
}

std::string FrmPonuda::valueText(int row) const {
    return valueCell(row).caption();
}

void FrmPonuda::Form_Load() {
    guarded([&] {
        calculator::SharedState& s = state();
        // The rows' budget values: the whole building, construction (group 300) and the nine
        // installation groups 410 to 490 of group 400, in their order.
        auto& estimate = static_cast<estimator::FrmVrijednost&>(calc_.load("frmVrijednost"));
        lblPt[0]->setCaption(
            fmt(estimatorValue(*estimate.lblGrukr) + estimatorValue(*estimate.lblInukr), kMoney));
        lblPt[1]->setCaption(fmt(estimatorValue(*estimate.lblGrukr), kMoney));
        for (int i = 2; i < kRows; ++i)
            valueCell(i).setCaption(
                fmt(estimatorValue(*estimate.lblIr.at(static_cast<size_t>(i - 2))), kMoney));

        s.PonudaVrijednost = lblPt[0]->caption();
        main().tlb1->setEnabled("Vrijednost", false);

        lblKt[0]->setCaption(fmt(s.VrijednostGradjevine, kMoney));
        for (int i = 1; i < kRows; ++i)
            lblKt[static_cast<size_t>(i)]->setCaption(
                fmt(s.KorigiraniTrosak[static_cast<size_t>(i)], kMoney));
        for (int i = 0; i < kRows; ++i)
            lblC[static_cast<size_t>(i)]->setCaption(
                fmt(s.CijenaStruke[static_cast<size_t>(i)], kMoney));
        for (int i = 0; i < kRows; ++i) {
            const auto r = static_cast<size_t>(i);
            const double cost = i == 0 ? s.VrijednostGradjevine : s.KorigiraniTrosak[r];
            if (cost != 0)
                lblP[r]->setCaption(
                    fmt(forms::divide(num(lblC[r]->caption()) * 100, cost), kMoney));
        }
        if (s.Usluga == "Avisoko")
            lblPt[0]->setBackColor(kGreenMarker);
    });
}

// Closing discards the offer; the offer file and the body last written stay.
void FrmPonuda::Form_Unload() {
    calculator::SharedState& s = state();
    calculator::FrmGl& gl = main();
    gl.ResetService();
    gl.ClearResults();
    gl.txtInvest->setText("");
    gl.tlb1->enable({"Odstup", "Vrijednost", "Ponuda"}, false);
    if (calc_.loaded("frmVrijednost"))
        calc_.unload("frmVrijednost");
    s.VrijednostGradjevine = 0;
    s.KorigiraniTrosak.fill(0);
    s.CijenaStruke.fill(0);
    s.ZadnjaSvota = 0;
    for (std::string& section : s.TekstStruke)
        section.clear();
    s.Struka.clear();
    s.TijeloPonude.clear();
    s.OznakaDiscipline.clear();
    s.PonudaVrijednost.clear();
    s.UdioOstalo.clear();
    s.PreuzmiVrijednost = false;
    s.offerRowHandedOver = false;
    gl.lblTekst->setCaption("ODABERITE VRSTU USLUGE");
    gl.fraSve->setEnabled(false);
    for (const char* menu : {"mnuPp", "mnuA", "mnuG", "mnuD", "mnuSE", "mnuT", "mnuN"})
        gl.find(menu)->setEnabled(true);
    calculator::RestoreHelpFile(calc_);
}

void FrmPonuda::cmdOdustajem_Click() {
    main().tlb1->setEnabled("Vrijednost", true);
    unload();
}

} // namespace tarvel::offer
