// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/form.h"

namespace tarvel::calculator {

class Calculator;

// The exchange-rate dialog: a new rate (kuna per accounting unit) for the main window's rate
// box and the shared `Kurs`. Nothing is recomputed here; the next computation uses the rate.
class FrmKurs : public forms::Form {
public:
    explicit FrmKurs(Calculator& calculator);

    void Form_Load() override;

    int txtUnesiKurs_KeyPress(int keyAscii);
    void cmdUnesi_Click();

    forms::Control *lblKurs, *txtUnesiKurs, *cmdUnesi;

private:
    void refuse();

    Calculator& calc_;
};

} // namespace tarvel::calculator
