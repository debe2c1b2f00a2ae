// SPDX-License-Identifier: GPL-3.0-or-later
// The menus of the main window: the service menus, the exit item and the toolbar style switch
// (the flat look is bit 2048 of the toolbar's style bits). The help menu is in frm_gl_help.cpp.
#include "calculator/calculator.h"
#include "calculator/frm_gl.h"

namespace tarvel::calculator {

using forms::Toolbar;

void FrmGl::OpenServiceMenu(const std::string& name) {
    if (name == "mnuPp") {
        setFocus(*txtInvest);
        ResetService();
        tlb1->enable({"KN", "DM", "EUR", "Kurs", "Odstup", "Vrijednost"}, false);
    } else if (name == "mnuN") {
        state().Struka = "";
        setFocus(*txtInvest);
        ResetService();
        tlb1->setEnabled("Odstup", false);
    } else {
        ResetService();
    }
}

void FrmGl::mnuAizlaz_Click() {
    unload();
}

void FrmGl::mnuPIE5_Click() {
    int style = tlb1->style();
    const bool flat = (style & Toolbar::kFlatStyle) == 0;
    style = flat ? style | Toolbar::kFlatStyle : style & ~Toolbar::kFlatStyle;
    mnuPIE5->setChecked(flat);
    tlb1->setStyle(style);
    state().Toolbar = std::to_string(style);
    platform().settings().set("Toolbar", state().Toolbar);
}

} // namespace tarvel::calculator
