// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator/shared_state.h"

#include <charconv>
#include <type_traits>
#include <utility>

namespace tarvel::calculator {
namespace {

std::string numberText(double x) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed);
    return std::string(buf, r.ptr);
}

} // namespace

bool* SharedState::exclusion(int phase) {
    switch (phase) {
    case 1:
        return &Iskljucena1;
    case 2:
        return &Iskljucena2;
    case 3:
        return &Iskljucena3;
    case 4:
        return &Iskljucena4;
    case 6:
        return &Iskljucena6;
    case 7:
        return &Iskljucena7;
    default:
        return nullptr;
    }
}

void SharedState::clearExclusions() {
    for (int phase = 1; phase <= 8; ++phase) {
        if (bool* flag = exclusion(phase))
            *flag = false;
    }
}

namespace {

struct TextOf {
    std::string operator()(const std::string& s) const { return s; }
    std::string operator()(bool b) const { return b ? "True" : "False"; }
    std::string operator()(double x) const { return numberText(x); }
    std::string operator()(int x) const { return numberText(x); }
};

// "CijenaStruke(3)": the array's name and the index; nothing for any other name.
std::optional<std::pair<std::string, std::size_t>> arrayElement(const std::string& name) {
    const std::size_t open = name.find('(');
    if (open == std::string::npos || name.back() != ')')
        return std::nullopt;
    const std::string digits = name.substr(open + 1, name.size() - open - 2);
    int i = -1;
    const auto r = std::from_chars(digits.data(), digits.data() + digits.size(), i);
    if (r.ec != std::errc() || r.ptr != digits.data() + digits.size() || i < 0 ||
        i >= SharedState::kOfferRows)
        return std::nullopt;
    return std::pair{name.substr(0, open), static_cast<std::size_t>(i)};
}

} // namespace

std::optional<std::string> SharedState::text(const std::string& name) const {
    const auto element = arrayElement(name);
    std::optional<std::string> found;
    forEach([&](const char* variable, const auto& value) {
        using T = std::decay_t<decltype(value)>;
        if constexpr (std::is_same_v<T, std::array<double, kOfferRows>> ||
                      std::is_same_v<T, std::array<std::string, kOfferRows>>) {
            if (element && element->first == variable)
                found = TextOf{}(value[element->second]);
        } else if (name == variable) {
            found = TextOf{}(value);
        }
    });
    return found;
}

} // namespace tarvel::calculator
