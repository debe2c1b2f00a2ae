// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiet_platform.h"

#include <utility>

#include "forms/form.h"

namespace tarvel::helpgen {

forms::MsgAnswer QuietPlatform::messageBox(forms::MsgIcon, forms::MsgButtons buttons,
                                           const std::string& title, const std::string& text) {
    messages_.push_back(title + ": " + text);
    return buttons == forms::MsgButtons::YesNo ? forms::MsgAnswer::No : forms::MsgAnswer::Ok;
}

void QuietPlatform::runModal(forms::Form& form) {
    if (user)
        user(form);
    if (form.shown())
        form.userClose();
}

std::string QuietPlatform::get(const std::string& key, const std::string& fallback) {
    const auto it = stored_.find(key);
    return it == stored_.end() ? fallback : it->second;
}

std::optional<long long> QuietPlatform::size(const std::string& name) {
    const auto it = files_.find(name);
    if (it == files_.end())
        return std::nullopt;
    return static_cast<long long>(it->second.size());
}

forms::WriteResult QuietPlatform::append(const std::string& name, const std::string& text) {
    files_[name] += text;
    return {};
}

forms::WriteResult QuietPlatform::replaceWhole(const std::string& name, const std::string& text) {
    files_[name] = text;
    return {};
}

std::vector<std::string> QuietPlatform::takeMessages() {
    return std::exchange(messages_, {});
}

} // namespace tarvel::helpgen
