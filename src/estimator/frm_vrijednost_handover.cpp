// SPDX-License-Identifier: GPL-3.0-or-later
// The estimator's commands: the hand-over of the value to the main window, the double-click
// on an installation group, saving, printing and viewing the estimate, cancel and unload.
#include <algorithm>
#include <string_view>

#include "calculator/calculator.h"
#include "calculator/currency.h"
#include "calculator/frm_gl.h"
#include "calculator/help.h"
#include "calculator/print_command.h"
#include "estimator/frm_vrijednost.h"
#include "forms/message_titles.h"
#include "forms/number_text.h"
#include "records/record_save.h"

namespace tarvel::estimator {

using forms::MsgButtons;
using forms::MsgIcon;
using forms::num;

namespace {

constexpr char kOfferCommand[] = "Ponuda";

// Services priced on the value of the whole building.
bool wholeBuildingService(std::string_view s) {
    return s == "Ttopl" || s == "Avisoko" || s == "Takust" || s == "Nnadzor" || s == "Nkonz";
}

// Services priced on the value of one installation.
bool installationService(std::string_view s) {
    return s == "Sinst" || s == "Gvoda" || s == "Einst";
}

std::string waterNote(const std::string& title) {
    return "Odabrali ste uslugu  " + title + "!" +
           "  U ovoj proračunskoj vrijednosti su sadržane proračunske vrijednosti instalacija "
           "vodovoda, odvodnje i plina.";
}

} // namespace

void FrmVrijednost::Form_Unload() {
    calculator::RestoreHelpFile(calc_);
    calc_.state().IzPonude = false;
}

bool FrmVrijednost::SpremiProcjenu() {
    const char* file = printing_ ? records::kEstimatePrintFile : records::kEstimateFile;
    printing_ = false;
    if (!computed_)
        return false;
    return records::reportWrite(platform(), file,
                                platform().files().replaceWhole(file, estimateFileText(*computed_)),
                                "Procjena nije zapisana");
}

void FrmVrijednost::cmdIspis_Click() {
    cmdIspis->setEnabled(false);
    printing_ = true;
    if (!SpremiProcjenu())
        return;
    calc_.state().NaslovIspisa = "Proračunska vrijednost";
    calculator::IspisiDatoteku(calc_, records::kEstimatePrintFile);
    platform().files().remove(records::kEstimatePrintFile);
}

void FrmVrijednost::cmdZadnji_Click() {
    if (platform().files().exists(records::kEstimateFile)) {
        platform().openTextViewer(records::kEstimateFile);
        return;
    }
    platform().messageBox(MsgIcon::Information, MsgButtons::Ok, forms::titles::kNoFile,
                          "Nema pohranjene proračunske vrijednosti.");
}

void FrmVrijednost::cmdOdustajem_Click() {
    main().tlb1->setEnabled(kOfferCommand, false);
    calc_.state().VrijednostGradjevine = 0;
    unload();
}

void FrmVrijednost::lblIr_DblClick(int group) {
    const std::string service = calc_.state().Usluga;
    const std::string title = main().lblProjekt->caption();
    if (!wholeBuildingService(service)) {
        txtReza->setText(lblIr.at(static_cast<size_t>(group))->caption());
        if (service != "Gvoda" && txtReza->text() == lblIr[0]->caption())
            platform().messageBox(MsgIcon::Information, MsgButtons::Ok, forms::titles::kAttention,
                                  waterNote(title));
    } else {
        platform().messageBox(MsgIcon::Information, MsgButtons::Ok, forms::titles::kAttention,
                              "Odabrali ste uslugu  " + title + "!" +
                                  "  Odaberite strojarske ili elektro instalacije da bi mogli "
                                  "dvoklikom prenijeti željenu vrijednost.");
        hide();
    }
    cmdGotovo_Click();
}

void FrmVrijednost::cmdGotovo_Click() {
    calculator::SharedState& s = calc_.state();
    calculator::FrmGl& gl = main();
    if (txtReza->text().empty() || !computed_) {
        platform().messageBox(MsgIcon::Critical, MsgButtons::Ok, forms::titles::kCannot,
                              "Niste odredili proračunsku vrijednost!");
        setFocus(*txtM2);
        return;
    }
    const std::string estimated = computed_->currency;
    const bool inDm = estimated == calculator::kDm;
    // The regulation's limits are in DM: a kuna estimate is converted at the exchange rate,
    // whatever currency the main window shows, one in euro at the euro's fixed rate.
    double constructionDm = num(lblGrukr->caption());
    if (estimated == calculator::kKuna)
        constructionDm = forms::divide(constructionDm, s.Kurs);
    else if (estimated == calculator::kEuro)
        constructionDm = calculator::fromEuro(constructionDm, calculator::kDm);
    if (!withinRegulation(constructionDm)) {
        platform().messageBox(
            MsgIcon::Critical, MsgButtons::Ok, forms::titles::kProgram,
            "Okvirni troškovi moraju biti unutar granica Pravilnika. Usluge za ovaj slučaj, "
            "računaju se kao vremenski trošak ili slobodno. Pregledajte Pravilnik o cijenama! "
            "(tipka F1)");
        unload();
        return;
    }
    SpremiProcjenu();
    const double construction = num(lblGrukr->caption());
    const double installations = num(lblInukr->caption());
    s.VrijednostGradjevine = construction + installations;
    s.NapomenaOdabir = "";

    const std::string service = s.Usluga;
    const std::string title = gl.lblProjekt->caption();
    if (wholeBuildingService(service)) {
        txtReza->setText(forms::plainText(construction + installations));
    } else if (service == "Gkons") {
        txtReza->setText(lblGrukr->caption());
    } else if (service == "Gvoda") {
        txtReza->setText(lblIr[0]->caption());
        platform().messageBox(MsgIcon::Information, MsgButtons::Ok, forms::titles::kAttention,
                              waterNote(title));
    }
    const double value = num(txtReza->text());
    if (!service.empty()) {
        if (installations > value && !installationService(service)) {
            platform().messageBox(MsgIcon::Information, MsgButtons::Ok, " Odaberite vrstu usluge",
                                  "Pažnja! Izračunali ste vrijednost instalacije, a odabrali ste "
                                  "uslugu  " +
                                      title + "!");
        } else if (installations < value && installationService(service)) {
            platform().messageBox(MsgIcon::Critical, MsgButtons::Ok, forms::titles::kCannot,
                                  "Pažnja! Izračunali ste vrijednost građevine, a odabrali ste "
                                  "uslugu  " +
                                      title +
                                      "! Dva puta kliknite na odgovarajuće žuto polje "
                                      "instalacija.");
            return;
        }
    }
    const std::string currency = gl.lblValuta->caption();
    if (currency == "kn")
        gl.txtInvest->setText(forms::fmt(inDm ? value * s.Kurs : value, "#,0.00"));
    else if (currency == "DM")
        gl.txtInvest->setText(
            forms::fmt(inDm ? value : forms::divide(value, num(txtKurs->text())), "#,0.00"));
    else if (currency == calculator::kEuro)
        gl.txtInvest->setText(forms::fmt(calculator::toEuro(value, estimated), "#,0.00"));
    calculator::RestoreHelpFile(calc_);
    hide();
    if (!gl.tlb1->isEnabled("Cijena"))
        gl.setFocus(*gl.txtInvest);
}

void showEstimator(calculator::Calculator& calc) {
    auto& frm = static_cast<FrmVrijednost&>(calc.load("frmVrijednost"));
    if (!frm.txtReza->text().empty()) {
        try {
            frm.txtReza->setText(forms::fmt(num(frm.txtReza->text()), "#,0"));
        } catch (const forms::ConversionError&) {
        }
    }
    frm.FollowMainCurrency();
    frm.showModal();
}

} // namespace tarvel::estimator
