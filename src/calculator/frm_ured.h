// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/form.h"

namespace tarvel::calculator {

class Calculator;

// The office's details that head every document for a client: name, address, OIB, telephone,
// e-mail, web address and a logo image. Kept in the settings store; an OIB whose check digit
// does not match is refused.
class FrmUred : public forms::Form {
public:
    explicit FrmUred(Calculator& calculator);

    void Form_Load() override;

    int txtOIB_KeyPress(int keyAscii);
    void cmdSpremi_Click();
    void cmdOdustajem_Click();

    forms::Control *lblNaziv, *txtNaziv, *lblAdresa, *txtAdresa, *lblOIB, *txtOIB, *lblTelefon,
        *txtTelefon, *lblEposta, *txtEposta, *lblWeb, *txtWeb, *lblLogo, *txtLogo;
    forms::Control *cmdSpremi, *cmdOdustajem;

private:
    Calculator& calc_;
};

} // namespace tarvel::calculator
