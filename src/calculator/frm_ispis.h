// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "forms/form.h"
#include "forms/platform.h"

namespace tarvel::calculator {

class Calculator;

// The print dialog: the offer, the saved calculations or the last estimate, printed, shown in a
// print preview or saved as a PDF file.
class FrmIspis : public forms::Form {
public:
    explicit FrmIspis(Calculator& calculator);

    void Form_Load() override;

    void cmdOK_Click();
    void cmdPregled_Click();
    void cmdPDF_Click();
    void cmdOdustajem_Click();
    void lbl_Click(int option);
    void opt_GotFocus(int option);

    forms::Control* Frame1;
    std::array<forms::Control*, 3> opt{};
    forms::Control *lbl1, *lbl2, *lbl3;
    forms::Control *cmdOK, *cmdPregled, *cmdPDF, *cmdOdustajem;

private:
    // The chosen file when it is there (and `NaslovIspisa` set for it); otherwise the missing
    // file's message has been shown and the result is empty.
    std::string chosenFile();

    Calculator& calc_;
};

// The page estimate of a file: its size in bytes divided by 3200.
double ProcjenaStranica(long long bytes);
// The question asked before printing more than five pages.
std::string pageCountQuestion(double pages);

// The toolbar command "Ispis": shows the print dialog modally.
void showPrintDialog(Calculator& calc);

} // namespace tarvel::calculator
