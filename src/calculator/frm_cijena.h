// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/form.h"

namespace tarvel::calculator {

class Calculator;

// The desired-price dialog: one total between the lowest and the highest, spread over the
// ticked phases in proportion to their shares.
class FrmCijena : public forms::Form {
public:
    explicit FrmCijena(Calculator& calculator);

    void Form_Load() override;

    int txtCijena_KeyPress(int keyAscii);
    void txtCijena_Change();
    void cmdIzlaz_Click();

    forms::Control *lblUpis, *lblMinText, *lblMin, *lblMaxText, *lblMax, *txtCijena, *cmdIzlaz;

private:
    void TakeDesiredPrice();

    Calculator& calc_;
};

} // namespace tarvel::calculator
