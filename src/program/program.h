// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calculator/calculator.h"

// The composition root: the one place that knows every window of the program.
namespace tarvel::program {

// The calculator with every window registered and the commands between windows wired.
class Program : public calculator::Calculator {
public:
    explicit Program(forms::Platform& platform);
};

} // namespace tarvel::program
