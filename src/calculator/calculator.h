// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "calculator/shared_state.h"
#include "forms/application.h"

namespace tarvel::calculator {

class FrmGl;

// The calculator program: its windows and the state they share.
class Calculator : public forms::Application {
public:
    explicit Calculator(forms::Platform& platform);

    SharedState& state() { return state_; }
    // Loads and shows the main window.
    void start();
    FrmGl& frmGl();

    // The offer composer's value label with this index (-1 for the separate label of the
    // tenth discipline); "" while no offer is open.
    virtual std::string offerValueText(int index);

    // The help file that the F1 key of the classic help opens with a window's topic number.
    std::string applicationHelpFile;

private:
    SharedState state_;
};

} // namespace tarvel::calculator
