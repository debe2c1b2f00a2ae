// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "app/scenario/driver.h"
#include "calculator/calculator.h"

namespace tarvel::scenario {

// The Qt side of replaying on real widgets; absent from builds without the widgets.
class WidgetsSession {
public:
    virtual ~WidgetsSession() = default;
    virtual std::unique_ptr<Driver> makeDriver(calculator::Calculator& calculator) = 0;
};

// Starts Qt for replaying on widgets; nullptr when this build has none.
std::unique_ptr<WidgetsSession> startWidgets(int& argc, char** argv);

} // namespace tarvel::scenario
