#include "calculator/calculator.h"

#include "calculator/frm_gl.h"

namespace tarvel::calculator {

Calculator::Calculator(forms::Platform& platform) : forms::Application(platform) {
    registerForm("frmGl", [this](forms::Application&) { return std::make_unique<FrmGl>(*this); });
}

void Calculator::start() {
    load("frmGl").show();
}

FrmGl& Calculator::frmGl() {
    return static_cast<FrmGl&>(load("frmGl"));
}

std::string Calculator::offerValueText(int) {
    return "";
}

} // namespace tarvel::calculator
