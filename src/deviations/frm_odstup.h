// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

#include "deviations/deviation_catalogue.h"
#include "forms/form.h"

namespace tarvel::calculator {
class Calculator;
class FrmGl;
} // namespace tarvel::calculator

namespace tarvel::deviations {

// The deviations dialog: the rows of the current service's deviations, summed into the main
// window's addition box and described for the record. A new instance serves each opening.
class FrmOdstup : public forms::Form {
public:
    explicit FrmOdstup(calculator::Calculator& calculator);

    void Form_Load() override;
    void Form_Unload() override;

    // Shows the rows, inputs, notes and picture of a service's deviations.
    void Setup(const DeviationService& service);
    // The service set up, or nullptr before Setup.
    const DeviationService* service() const { return service_; }

    void cmdIzlaz_Click();
    void cmdPomoc_Click();
    void InputChanged();
    void Form_KeyDown(int& keyCode, int shift);

    forms::Control *Frame1, *lblText, *lblPomoc, *img1, *cmdIzlaz, *cmdPomoc;
    std::array<forms::Control*, 9> lbl{};   // lbl1..lbl8
    std::array<forms::Control*, 4> txt{};   // txt1..txt3
    std::array<forms::Control*, 4> Label{}; // Label1..Label3
    std::array<forms::Control*, 8> chk{};   // chk1..chk7
    std::array<forms::Control*, 4> opt5{};

private:
    calculator::FrmGl& gl() const;
    // The path that hands no deviation over: addition and discount back to 0.
    void NoDeviation();
    // Recomputes the main window's fees, e.g. after the phase-7 share changed.
    void RecomputeResults();
    void SetPhaseSevenShare(const std::string& share);
    void ShowHelp();

    calculator::Calculator& calc_;
    const DeviationService* service_ = nullptr;
    std::string previousPage_;
};

// Sets the dialog up for the current service and shows it modally; nothing for a service
// without deviations.
void PripremiOdstupanja(calculator::Calculator& calc);

// The toolbar command "Odstup": false when it stopped early (nothing computed yet).
bool OdstupCommand(calculator::FrmGl& frm);

} // namespace tarvel::deviations
