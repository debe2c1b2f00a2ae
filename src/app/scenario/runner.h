// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "app/scenario/driver.h"
#include "app/scenario/recording_platform.h"
#include "app/scenario/script.h"
#include "calculator/calculator.h"

namespace tarvel::scenario {

struct Outcome {
    bool passed = true;
    int line = 0;
    std::string message;
};

using DriverFactory = std::function<std::unique_ptr<Driver>(calculator::Calculator&)>;

// Runs one scenario in a fresh program whose directory is `directory`.
class Runner {
public:
    Runner(const Script& script, const std::string& directory, DriverFactory makeDriver);
    ~Runner();
    Outcome run();

private:
    void runSteps(const std::function<bool()>& goOn);
    void execute(const Step& step);
    void beforeStart(const Step& step);
    void act(const Step& step);
    void expect(const Step& step);
    void expectState(const Step& step, const std::string& address, const std::string& state);
    void checkNoEffectsLeft();
    void writeFile(const std::string& name, const std::vector<std::string>& block);

    struct Target {
        forms::Form* form = nullptr;
        forms::Control* control = nullptr; // nullptr for a window alone
        std::string toolbarKey;            // set for a toolbar button
        forms::Toolbar* toolbar = nullptr;
    };
    Target resolve(const std::string& address, bool mustBeLoaded = true);
    forms::Form& requireForm(const std::string& name);

    const Script& script_;
    std::string directory_;
    DriverFactory makeDriver_;
    RecordingPlatform platform_;
    std::unique_ptr<calculator::Calculator> calculator_;
    std::unique_ptr<Driver> driver_;
    size_t next_ = 0;
    int depth_ = 0;
    int line_ = 0;
};

} // namespace tarvel::scenario
