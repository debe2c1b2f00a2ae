// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/scenario/script.h"

#include <sstream>

namespace tarvel::scenario {
namespace {

std::vector<std::string> tokenize(const std::string& line, int number) {
    std::vector<std::string> words;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        if (i >= line.size())
            break;
        std::string word;
        if (line[i] == '"') {
            ++i;
            bool closed = false;
            while (i < line.size()) {
                const char c = line[i++];
                if (c == '"') {
                    closed = true;
                    break;
                }
                if (c == '\\' && i < line.size()) {
                    const char e = line[i++];
                    switch (e) {
                    case 'n':
                        word += '\n';
                        break;
                    case 'r':
                        word += '\r';
                        break;
                    case 't':
                        word += '\t';
                        break;
                    default:
                        word += e;
                        break;
                    }
                } else {
                    word += c;
                }
            }
            if (!closed)
                throw ScriptError{number, "unterminated quoted text"};
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t')
                word += line[i++];
        }
        words.push_back(word);
    }
    return words;
}

bool takesBlock(const std::vector<std::string>& words) {
    if (words.size() == 2 && words[0] == "file")
        return true;
    return words.size() == 3 && words[0] == "expect" && words[1] == "file";
}

} // namespace

Script parseScript(const std::string& text) {
    Script script;
    std::istringstream in(text);
    std::string line;
    int number = 0;
    Step* open = nullptr; // a step whose block is being read
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (open) {
            size_t first = line.find_first_not_of(" \t");
            if (first != std::string::npos && line[first] == '|') {
                open->block.push_back(line.substr(first + 1));
                continue;
            }
            if (first != std::string::npos && line.substr(first) == "end") {
                open = nullptr;
                continue;
            }
            throw ScriptError{number, "a block line must start with | or be end"};
        }
        const size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#')
            continue;
        Step step;
        step.line = number;
        step.words = tokenize(line, number);
        script.steps.push_back(step);
        if (takesBlock(script.steps.back().words))
            open = &script.steps.back();
    }
    if (open)
        throw ScriptError{open->line, "block without end"};
    return script;
}

} // namespace tarvel::scenario
