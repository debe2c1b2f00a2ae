// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/platform.h"

#include <map>

// Settings held in memory, for the tests and the scenario runner.
namespace tarvel::system {

class MemorySettingsStore : public forms::SettingsStore {
public:
    MemorySettingsStore() = default;
    explicit MemorySettingsStore(std::map<std::string, std::string> values)
        : values_(std::move(values)) {}

    std::string get(const std::string& key, const std::string& fallback) override;
    void set(const std::string& key, const std::string& value) override;

    const std::map<std::string, std::string>& values() const { return values_; }

private:
    std::map<std::string, std::string> values_;
};

} // namespace tarvel::system
