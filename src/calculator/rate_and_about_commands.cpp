#include "calculator/rate_and_about_commands.h"

#include <string>

#include "calculator/calculator.h"
#include "calculator/frm_gl.h"

namespace tarvel::calculator {

void installRateAndAboutCommands(FrmGl& frm) {
    Calculator& calc = frm.calculator();
    frm.find("mnuPStopa")->onClick = [&calc] {
        calc.load("frmStopa").showModal();
    };
    frm.find("mnuPoprog")->onClick = [&calc] {
        calc.load("frmAbout").showModal();
    };
    auto others = frm.tlb1->onButtonClick;
    frm.tlb1->onButtonClick = [&calc, others](const std::string& key) {
        if (key == "Kurs")
            calc.load("frmKurs").showModal();
        else if (others)
            others(key);
    };
}

} // namespace tarvel::calculator
