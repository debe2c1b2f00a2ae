// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/form.h"

namespace tarvel::calculator {

class Calculator;

// The tax-rate dialog: a new rate in percent, kept in the shared `Stopa` as a fraction rounded
// to two decimals and stored as the setting "ZadnjaStopa" whenever the dialog closes.
class FrmStopa : public forms::Form {
public:
    explicit FrmStopa(Calculator& calculator);

    void Form_Load() override;
    void Form_Unload() override;

    int txtStopa_KeyPress(int keyAscii);
    void cmdUnesi_Click();

    forms::Control *lblStopaStara, *lblStopa, *lblStopaNova, *txtStopa, *Label1, *cmdUnesi;

private:
    // Shows the unreadable or impossible text and empties the box for another try.
    void refuse(const std::string& typed);

    Calculator& calc_;
};

} // namespace tarvel::calculator
