// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

#include "calculator/shared_state.h"
#include "forms/application.h"

namespace tarvel::calculator {

class FrmGl;

// The calculator: its windows and the state they share. The windows are registered, and the
// commands that open a window of a folder above this one are wired, by the program
// (program/program.h); this folder knows none of those windows.
class Calculator : public forms::Application {
public:
    explicit Calculator(forms::Platform& platform);

    SharedState& state() { return state_; }
    // Loads and shows the main window.
    void start();
    FrmGl& frmGl();

    // The main window's ways into the windows above the calculator; a command that is not
    // wired does nothing.
    struct WindowCommands {
        // The toolbar command "Vrijednost": the budget value estimator, modal.
        std::function<void()> showEstimator;
        // The toolbar command "Odstup": the deviations of the chosen service; false when
        // the command was refused.
        std::function<bool()> showDeviations;
        // The offer composer's value label with this index (-1 for the separate label of the
        // tenth discipline); "" while no offer is open.
        std::function<std::string(int)> offerValueText;
        // The toolbar command "Usporedba": every category of the service side by side at the
        // value, modal; a row chosen there is chosen in the main window.
        std::function<void()> showComparison;
    };
    WindowCommands commands;

    std::string offerValueText(int index) const {
        return commands.offerValueText ? commands.offerValueText(index) : "";
    }

    // The help file that the F1 key of the classic help opens with a window's topic number.
    std::string applicationHelpFile;

private:
    SharedState state_;
};

} // namespace tarvel::calculator
