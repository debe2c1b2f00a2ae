// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "deviations/deviation_catalogue.h"

// The evaluation of the deviations dialog: the chosen entries of a service summed into one
// percentage and a description of one line per entry, or the first refusal.
namespace tarvel::deviations {

// What the user entered: the text of a text input, whether a check box is ticked or an
// option selected, both by control name.
struct DeviationInputs {
    std::function<std::string(std::string_view control)> text;
    std::function<bool(std::string_view control)> chosen;
};

enum class Outcome {
    Accepted,
    StaysOpen, // an input refused: beep, message, focus and select it, the dialog stays open
    Closes,    // the tunnel limit: message, deviation 0, the dialog closes, nothing handed over
};

struct Evaluation {
    Outcome outcome = Outcome::Accepted;
    double percent = 0;
    std::string description; // one line per chosen entry, each ending in CR LF
    bool phaseSevenAt27 = false;
    // A refusal: the input to focus (StaysOpen), the message, its icon and whether it beeps.
    std::string control;
    std::string message;
    bool question = true; // the question icon; the information icon otherwise
    bool beep = false;
};

Evaluation evaluate(const DeviationService& service, const DeviationInputs& inputs);

// The message of a text input outside its range: the caption of the input's row, the
// accepted range's "%", and what was entered.
std::string rangeMessage(std::string_view caption, std::string_view entered);

} // namespace tarvel::deviations
