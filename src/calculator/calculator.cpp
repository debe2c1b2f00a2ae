#include "calculator/calculator.h"

#include "calculator/frm_about.h"
#include "calculator/frm_gl.h"
#include "calculator/frm_popust.h"
#include "calculator/help.h"
#include "deviations/frm_odstup.h"
#include "calculator/frm_kurs.h"
#include "calculator/frm_stopa.h"

namespace tarvel::calculator {

Calculator::Calculator(forms::Platform& platform) : forms::Application(platform) {
    registerForm("frmGl", [this](forms::Application&) { return std::make_unique<FrmGl>(*this); });
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
}

void Calculator::start() {
    load("frmGl").show();
    // Help, deviations and the discount dialog are reached through the main window's help
    // menu, function keys and toolbar.
    installHelpHandlers(frmGl());
    installToolbarCommands(frmGl());
}

FrmGl& Calculator::frmGl() {
    return static_cast<FrmGl&>(load("frmGl"));
}

std::string Calculator::offerValueText(int) {
    return "";
}

} // namespace tarvel::calculator
