// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/scenario/random_compare.h"

#include <QTemporaryDir>
#include <algorithm>
#include <functional>
#include <sstream>
#include <vector>

namespace tarvel::scenario {
namespace {

RandomUseResult runInNewDirectory(const RandomUseOptions& options, const DriverFactory& driver) {
    const QTemporaryDir directory;
    return runRandomUse(options, directory.path().toStdString(), driver);
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The lines of two traces that differ, the first few of them.
std::string differences(const std::string& headless, const std::string& widgets) {
    const std::vector<std::string> a = linesOf(headless);
    const std::vector<std::string> b = linesOf(widgets);
    std::string out;
    int shown = 0;
    for (size_t i = 0; i < std::max(a.size(), b.size()) && shown < 8; ++i) {
        const std::string left = i < a.size() ? a[i] : "(nothing)";
        const std::string right = i < b.size() ? b[i] : "(nothing)";
        if (left == right)
            continue;
        out += "\n  headless: " + left + "\n  widgets:  " + right;
        ++shown;
    }
    return out;
}

} // namespace

RandomUseResult compareRandomUse(const RandomUseOptions& options, const DriverFactory& headless,
                                 const DriverFactory& widgets) {
    // The headless run keeps a fingerprint of each event's trace, not the trace itself.
    const std::hash<std::string> fingerprint;
    std::vector<size_t> expected;
    RandomUseOptions first = options;
    // An event that opens a modal window ends after the events inside it: by number.
    first.onEvent = [&](long event, const std::string& trace) {
        const auto at = static_cast<size_t>(event - 1);
        if (expected.size() <= at)
            expected.resize(at + 1);
        expected[at] = fingerprint(trace);
        return std::string();
    };
    const RandomUseResult model = runInNewDirectory(first, headless);
    if (!model.passed) {
        RandomUseResult failed = model;
        failed.message = "headless: " + model.message;
        return failed;
    }

    long differs = 0;
    std::string widgetsTrace;
    RandomUseOptions second = options;
    second.onEvent = [&](long event, const std::string& trace) {
        const auto at = static_cast<size_t>(event - 1);
        if (at < expected.size() && expected[at] == fingerprint(trace))
            return std::string();
        differs = event;
        widgetsTrace = trace;
        return std::string("the widgets differ from the models driven headless");
    };
    RandomUseResult result = runInNewDirectory(second, widgets);
    if (differs > 0) {
        result.events = differs;
        // The headless run again up to that event, for its whole trace there.
        std::string headlessTrace;
        RandomUseOptions again = options;
        again.onEvent = [&](long event, const std::string& trace) {
            if (event < differs)
                return std::string();
            headlessTrace = trace;
            return std::string("stop");
        };
        runInNewDirectory(again, headless);
        result.message += differences(headlessTrace, widgetsTrace);

    } else if (result.passed && static_cast<size_t>(result.events) != expected.size()) {
        result.passed = false;
        result.message = "the widgets ran " + std::to_string(result.events) +
                         " events, the models headless " + std::to_string(expected.size());
    } else if (!result.passed) {
        result.message = "widgets: " + result.message;
    }
    return result;
}

} // namespace tarvel::scenario
