// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "forms/form.h"

namespace tarvel::calculator {

class Calculator;

// The about box: title, version, a short description and the author's two addresses, which
// open in the desktop's mail program and browser.
class FrmAbout : public forms::Form {
public:
    explicit FrmAbout(Calculator& calculator);

    void Form_Load() override;

    void lblEmail_Click();
    void lblLink_Click();
    void cmdOK_Click();

    forms::Control *lblTitle, *lblVersion, *lblOpis, *lblEmail, *lblLink, *cmdOK;

    // The description: three lines.
    static const char* const kDescription;

private:
    // Asks the desktop to open the address, reports a failure, and closes the box.
    void openAndClose(const std::string& address);

    Calculator& calc_;
};

} // namespace tarvel::calculator
