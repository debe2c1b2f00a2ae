// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "calculator/catalogue.h"
#include "calculator/frm_gl.h"
#include "program/program.h"
#include "quiet_platform.h"

// The program's own main window, driven as a user drives it: the help pages show what it
// computes, not a second computation of their own.
namespace tarvel::helpgen {

struct PhaseRow {
    std::string caption;
    std::string share; // per cent, as the window shows it
    std::string min;
    std::string max;
};

// What the window shows after a computation.
struct Shown {
    bool accepted = false;             // computed without a message
    std::vector<std::string> messages; // "title: text"
    std::string value;                 // the value box as rewritten
    std::string rate;                  // the rate box
    std::string currency;              // of the results
    std::string baseMin, baseMax;      // of the whole service (100 %)
    std::string totalMin, totalMax;    // sums of the ticked phases
    std::string addition;              // the general addition box, per cent
    std::vector<PhaseRow> phases;
};

class MainWindow {
public:
    MainWindow();

    // Chooses a service from its menu.
    void choose(const calculator::CatalogueEntry& entry);
    // Shows the amounts in the accounting currency: the value box then takes that currency.
    void switchToAccountingCurrency();
    // Types a value and computes: a building service by clicking its category, any other with
    // the toolbar's compute command.
    Shown compute(const std::string& value, int category = 0);
    // The visible phases of the chosen service with their shares and fees.
    std::vector<PhaseRow> phases() const;
    // Opens the deviations of the computed service; `user` acts in the dialog.
    Shown deviations(const std::function<void(forms::Form&)>& user);

    calculator::FrmGl& window() const { return program_.frmGl(); }
    // Another window of the program, loaded but not shown.
    forms::Form& load(const std::string& name) { return program_.load(name); }
    calculator::SharedState& state() { return program_.state(); }

private:
    Shown shown();

    mutable QuietPlatform platform_;
    mutable program::Program program_{platform_};
};

// Runs `action` and fails the generation with `what` when a window refused it.
void requireDone(const std::string& what, const std::function<void()>& action);

} // namespace tarvel::helpgen
