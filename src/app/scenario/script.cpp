// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/scenario/script.h"

#include <sstream>
#include <string_view>

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

// The offset of the first byte that does not belong to well-formed UTF-8 (no overlong forms,
// no surrogates, nothing above U+10FFFF), or npos.
size_t firstNonUtf8(std::string_view text) {
    size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        // The number of continuation bytes, and the range of the first of them.
        size_t extra = 0;
        unsigned char low = 0x80, high = 0xBF;
        if (c >= 0xC2 && c <= 0xDF) {
            extra = 1;
        } else if (c >= 0xE0 && c <= 0xEF) {
            extra = 2;
            low = c == 0xE0 ? 0xA0 : 0x80;
            high = c == 0xED ? 0x9F : 0xBF;
        } else if (c >= 0xF0 && c <= 0xF4) {
            extra = 3;
            low = c == 0xF0 ? 0x90 : 0x80;
            high = c == 0xF4 ? 0x8F : 0xBF;
        } else {
            return i;
        }
        for (size_t k = 1; k <= extra; ++k) {
            if (i + k >= text.size())
                return i;
            const auto next = static_cast<unsigned char>(text[i + k]);
            if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF))
                return i;
        }
        i += extra + 1;
    }
    return std::string_view::npos;
}

std::string hexByte(unsigned char byte) {
    static const char digits[] = "0123456789ABCDEF";
    return std::string("0x") + digits[byte >> 4] + digits[byte & 0x0F];
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
        // What the widgets get is Unicode text: a byte that is no UTF-8 would reach the models
        // headless only.
        if (const size_t bad = firstNonUtf8(line); bad != std::string_view::npos)
            throw ScriptError{number, "the line is not UTF-8 text: byte " +
                                          hexByte(static_cast<unsigned char>(line[bad])) +
                                          " at column " + std::to_string(bad + 1)};
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
