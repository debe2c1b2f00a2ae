// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/scenario/random_use.h"

namespace tarvel::scenario {

// Runs the same random use (seed and events) on the models driven directly and on the real
// widgets, and compares the two after every event: the event, whether a user could do it, what
// it showed and the state of the window in front. The first event after which they differ ends
// the comparison, with the lines that differ.
RandomUseResult compareRandomUse(const RandomUseOptions& options, const DriverFactory& headless,
                                 const DriverFactory& widgets);

} // namespace tarvel::scenario
