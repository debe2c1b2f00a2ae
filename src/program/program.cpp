// SPDX-License-Identifier: GPL-3.0-or-later
#include "program/program.h"

#include <memory>

#include "calculator/frm_about.h"
#include "calculator/frm_cijena.h"
#include "calculator/frm_gl.h"
#include "calculator/frm_ispis.h"
#include "calculator/frm_kurs.h"
#include "calculator/frm_popust.h"
#include "calculator/frm_stopa.h"
#include "calculator/frm_ured.h"
#include "comparison/frm_usporedba.h"
#include "deviations/frm_odstup.h"
#include "estimator/frm_vrijednost.h"
#include "offer/frm_ponuda.h"

namespace tarvel::program {

namespace {

// A factory of window W, made for the program's calculator.
template <typename W> forms::Application::Factory window(calculator::Calculator& calc) {
    return [&calc](forms::Application&) {
        return std::make_unique<W>(calc);
    };
}

} // namespace

Program::Program(forms::Platform& platform) : calculator::Calculator(platform) {
    calculator::Calculator& calc = *this;
    // The main window and its dialogs: the desired price, the discount, the exchange and tax
    // rates, the about box, the print dialog and the office's details.
    registerForm("frmGl", window<calculator::FrmGl>(calc));
    registerForm("frmCijena", window<calculator::FrmCijena>(calc));
    registerForm("frmPopust", window<calculator::FrmPopust>(calc));
    registerForm("frmKurs", window<calculator::FrmKurs>(calc));
    registerForm("frmStopa", window<calculator::FrmStopa>(calc));
    registerForm("frmAbout", window<calculator::FrmAbout>(calc));
    registerForm("frmIspis", window<calculator::FrmIspis>(calc));
    registerForm("frmUred", window<calculator::FrmUred>(calc));
    // The windows above the calculator, and the main window's ways into them.
    registerForm("frmOdstup", window<deviations::FrmOdstup>(calc));
    registerForm("frmVrijednost", window<estimator::FrmVrijednost>(calc));
    registerForm("frmPonuda", window<offer::FrmPonuda>(calc));
    registerForm("frmUsporedba", window<comparison::FrmUsporedba>(calc));
    commands.showEstimator = [&calc] {
        estimator::showEstimator(calc);
    };
    commands.showDeviations = [&calc] {
        return deviations::OdstupCommand(calc.frmGl());
    };
    commands.showComparison = [&calc] {
        comparison::showComparison(calc);
    };
    commands.offerValueText = [&calc](int index) {
        const forms::Form* composer = calc.loaded("frmPonuda");
        return composer ? static_cast<const offer::FrmPonuda*>(composer)->valueText(index)
                        : std::string();
    };
}

} // namespace tarvel::program
