// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's help menu, its function keys and the toolbar commands of help,
// deviations and the discount dialog, hooked onto the main window's controls.
#include "calculator/calculator.h"
#include "calculator/frm_gl.h"
#include "calculator/frm_popust.h"
#include "calculator/guarded_handler.h"
#include "calculator/help.h"

namespace tarvel::calculator {

void installHelpHandlers(FrmGl& frm) {
    Calculator& calc = frm.calculator();
    using Handler = void (*)(Calculator&);
    const std::pair<const char*, Handler> items[] = {
        {"mnuPtarvel", mnuPtarvel_Click}, {"mnuPtarvels", mnuPtarvels_Click},
        {"mnuPodstup", mnuPodstup_Click}, {"mnuPtroskovi", mnuPtroskovi_Click},
        {"mnuPupute", mnuPupute_Click},   {"mnuPZakoni", mnuPZakoni_Click}};
    for (const auto& [name, handler] : items) {
        Handler h = handler;
        frm.find(name)->onClick = [&calc, h] {
            runGuarded(calc, [&] { h(calc); });
        };
    }
    frm.mnuPhtml->onClick = [&frm] {
        runGuarded(frm.calculator(), [&] { mnuPhtml_Click(frm); });
    };
    // Function keys are seen on their release by the window's key preview.
    frm.onKeyUp = [&frm](int& keyCode, int) {
        runGuarded(frm.calculator(), [&] {
            if (MainWindowHelpKey(frm, keyCode))
                keyCode = 0;
        });
    };
}

bool runHelpOrDeviationCommand(FrmGl& frm, const std::string& key) {
    Calculator& calc = frm.calculator();
    if (key == "Ptarvel")
        runGuarded(calc, [&] { mnuPtarvel_Click(calc); });
    else if (key == "Ptroskovi")
        runGuarded(calc, [&] { mnuPtroskovi_Click(calc); });
    else if (key == "Pupute")
        runGuarded(calc, [&] { mnuPupute_Click(calc); });
    else if (key == "Odstup")
        runGuarded(calc, [&] {
            if (calc.commands.showDeviations)
                calc.commands.showDeviations();
        });
    else if (key == "Odstupminus")
        runGuarded(calc, [&] { OdstupminusCommand(frm); });
    else
        return false;
    return true;
}

} // namespace tarvel::calculator
