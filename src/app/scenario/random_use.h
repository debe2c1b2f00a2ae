// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "app/scenario/runner.h"

namespace tarvel::scenario {

// Random use of the program: a seeded stream of user events (clicks, double clicks, typing,
// keys, pastes, toolbar commands, closing windows, answers to questions) on whatever window is
// in front, aimed mostly at the controls a user can reach there. An event a user could not do
// is skipped; any other failure that leaves a handler ends the run with the seed and the number
// of the event, so that it can be replayed.
struct RandomUseOptions {
    std::uint64_t seed = 1;
    long events = 10000;
    // Called after every event with its number (from 1) and its trace: the event, whether a
    // user could do it, what it showed (messages, beeps) and the state of the window in front
    // (windowState). A non-empty answer ends the run as failed with that message.
    std::function<std::string(long event, const std::string& trace)> onEvent;
};

struct RandomUseResult {
    bool passed = true;
    long events = 0;  // events sent
    long done = 0;    // of them done, the others out of a user's reach
    long reached = 0; // of them aimed at a control (or window) a user could reach then
    std::string message;
    // The share of the events that reached a control, in whole percent.
    int reachPercent() const { return events > 0 ? static_cast<int>(reached * 100 / events) : 0; }
};

RandomUseResult runRandomUse(const RandomUseOptions& options, const std::string& directory,
                             const DriverFactory& makeDriver);

} // namespace tarvel::scenario
