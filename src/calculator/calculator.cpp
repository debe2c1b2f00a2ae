// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator/calculator.h"

#include "calculator/frm_about.h"
#include "calculator/frm_cijena.h"
#include "calculator/frm_gl.h"
#include "calculator/frm_kurs.h"
#include "calculator/frm_popust.h"
#include "calculator/frm_stopa.h"
#include "calculator/help.h"
#include "calculator/rate_and_about_commands.h"
#include "deviations/frm_odstup.h"
#include "estimator/frm_vrijednost.h"
#include "offer/frm_ponuda.h"
#include "records/frm_ispis.h"

namespace tarvel::calculator {

Calculator::Calculator(forms::Platform& platform) : forms::Application(platform) {
    registerForm("frmGl", [this](forms::Application&) { return std::make_unique<FrmGl>(*this); });
    registerForm("frmCijena",
                 [this](forms::Application&) { return std::make_unique<FrmCijena>(*this); });
    // The budget value estimator and the print dialog.
    registerForm("frmVrijednost", [this](forms::Application&) {
        return std::make_unique<estimator::FrmVrijednost>(*this);
    });
    registerForm("frmIspis", [this](forms::Application&) {
        return std::make_unique<records::FrmIspis>(*this);
    });
    // The deviations dialog and the discount dialog.
    registerForm("frmOdstup", [this](forms::Application&) {
        return std::make_unique<deviations::FrmOdstup>(*this);
    });
    registerForm("frmPopust",
                 [this](forms::Application&) { return std::make_unique<FrmPopust>(*this); });
    // The rate dialogs and the about box.
    registerForm("frmKurs",
                 [this](forms::Application&) { return std::make_unique<FrmKurs>(*this); });
    registerForm("frmStopa",
                 [this](forms::Application&) { return std::make_unique<FrmStopa>(*this); });
    registerForm("frmAbout",
                 [this](forms::Application&) { return std::make_unique<FrmAbout>(*this); });
    // The offer composer.
    registerForm("frmPonuda",
                 [this](forms::Application&) { return std::make_unique<offer::FrmPonuda>(*this); });
}

void Calculator::start() {
    load("frmGl").show();
    // The help menu and the function keys; the tax-rate and about items of the help menu.
    installHelpHandlers(frmGl());
    installRateAndAboutCommands(frmGl());
}

FrmGl& Calculator::frmGl() {
    return static_cast<FrmGl&>(load("frmGl"));
}

std::string Calculator::offerValueText(int index) {
    const auto* offer = dynamic_cast<const offer::FrmPonuda*>(loaded("frmPonuda"));
    return offer ? offer->valueText(index) : "";
}

} // namespace tarvel::calculator
