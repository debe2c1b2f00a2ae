// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and exit of the main window.
#include <optional>
#include <string>

#include "calculator/calculator.h"
#include "calculator/currency.h"
#include "calculator/frm_gl.h"
#include "forms/number_text.h"

namespace tarvel::calculator {

using forms::fmt;
using forms::num;

using forms::Toolbar;

namespace {

// The highest tax rate the tax dialog accepts, as a fraction: anything from 100 % on is refused.
constexpr double kHighestTaxRate = 0.99;

// A stored setting read as a number within [lowest, highest]; nothing when it is not one.
std::optional<double> storedNumberIn(const std::string& text, double lowest, double highest) {
    try {
        const double value = num(text);
        if (value >= lowest && value <= highest)
            return value;
    } catch (const forms::ConversionError&) {
    }
    return std::nullopt;
}

} // namespace

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
    // Settings are read like user input: a stored tax rate that is not a number, or lies
    // outside what the tax dialog accepts (0 to below 100 %), counts as 0; start-up goes on, so
    // that no command is left enabled that needs a service.
    s.Stopa = storedNumberIn(settings.get("ZadnjaStopa", "0"), 0, kHighestTaxRate).value_or(0);
    s.Html = settings.get("Html", "0");
    s.Toolbar = settings.get("Toolbar", std::to_string(Toolbar::kFlatStyle));
    // The currency chosen last; a setting that names none of the three is kuna.
    ShowStoredCurrency(settings.get(kCurrencySetting, kKunaKey));

    // The toolbar's style bits are a whole number of 16 bits; anything else is no style.
    int style = Toolbar::kFlatStyle;
    const std::optional<double> stored = storedNumberIn(s.Toolbar, 0, 0xFFFF);
    if (stored && *stored == static_cast<int>(*stored))
        style = static_cast<int>(*stored);
    else
        s.Toolbar = std::to_string(Toolbar::kFlatStyle);
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
