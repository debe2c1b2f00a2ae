// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// A scenario file read into steps.
namespace tarvel::scenario {

struct Step {
    int line = 0;
    std::vector<std::string> words; // the verb and its arguments, quotes removed
    std::vector<std::string> block; // the lines of a "|" block, when the step takes one
};

struct Script {
    std::vector<Step> steps;
};

// Reads a scenario's text; throws ScriptError with the line for a malformed file, a line that is
// not UTF-8 included, before any step runs.
Script parseScript(const std::string& text);

struct ScriptError {
    int line;
    std::string message;
};

} // namespace tarvel::scenario
