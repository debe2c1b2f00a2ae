// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "app/scenario/runner.h"

namespace tarvel::scenario {

// Random use of the program: a seeded stream of user events (clicks, double clicks, typing,
// keys, pastes, toolbar commands, closing windows, answers to questions) on whatever window is
// in front. An event a user could not do is skipped; any other failure that leaves a handler
// ends the run with the seed and the number of the event, so that it can be replayed.
struct RandomUseOptions {
    std::uint64_t seed = 1;
    long events = 10000;
};

Outcome runRandomUse(const RandomUseOptions& options, const std::string& directory,
                     const DriverFactory& makeDriver);

} // namespace tarvel::scenario
