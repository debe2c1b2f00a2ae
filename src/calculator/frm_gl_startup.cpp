// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and exit of the main window.
#include <limits>

#include "calculator/calculator.h"
#include "calculator/frm_gl.h"
#include "forms/number_text.h"

namespace tarvel::calculator {

using forms::fmt;
using forms::num;

using forms::Toolbar;

void FrmGl::Form_Load() {
    SharedState& s = state();
    const forms::Version v = platform().version();

    width = 11940;
    height = 4905;
    left = (platform().screenSize().widthTwips - width) / 2;
    top = 2100;
    setCaption(" TARVEL USLUGA VESTRAN  v. " + std::to_string(v.major) + "." +
               std::to_string(v.minor));

    txtKurs->setText("3,70");
    s.Kurs = num(fmt(num(txtKurs->text()), "#0.00"));

    forms::SettingsStore& settings = platform().settings();
    // A stored tax rate that is not a number counts as 0; start-up goes on, so that no
    // command is left enabled that needs a service.
    try {
        s.Stopa = num(settings.get("ZadnjaStopa", "0"));
    } catch (const forms::ConversionError&) {
        s.Stopa = 0;
    }
    s.Html = settings.get("Html", "0");
    s.Toolbar = settings.get("Toolbar", std::to_string(Toolbar::kFlatStyle));

    int style = Toolbar::kFlatStyle;
    try {
        // A stored value beyond the range of the style bits is no style at all.
        const double stored = num(s.Toolbar);
        if (!(stored >= std::numeric_limits<int>::min() &&
              stored <= std::numeric_limits<int>::max()))
            throw forms::ConversionError(s.Toolbar);
        style = static_cast<int>(stored);
    } catch (const forms::ConversionError&) {
        s.Toolbar = std::to_string(Toolbar::kFlatStyle);
    }
    tlb1->setStyle(style);
    mnuPIE5->setChecked(style != 0);

    tlb1->enable({"Cijena", "Kurs", "Min", "Max", "Odabir", "Odstup"}, false);
    lblOdabir->setCaption("0");

    if (s.Html != "HTML") {
        mnuPhtml->setChecked(false);
        calculator().applicationHelpFile = platform().programDirectory() + "\\Tarvel.hlp";
    } else {
        mnuPhtml->setChecked(true);
        s.HtmlStranica = "Opce odredbe.htm";
    }
}

void FrmGl::Form_Unload() {
    calculator().end();
}

void FrmGl::Form_KeyPress(int) {
    state().Prekini = true;
}

} // namespace tarvel::calculator
