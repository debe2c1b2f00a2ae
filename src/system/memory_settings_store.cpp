// SPDX-License-Identifier: GPL-3.0-or-later
#include "system/memory_settings_store.h"

namespace tarvel::system {

std::string MemorySettingsStore::get(const std::string& key, const std::string& fallback) {
    const auto found = values_.find(key);
    return found == values_.end() ? fallback : found->second;
}

void MemorySettingsStore::set(const std::string& key, const std::string& value) {
    values_[key] = value;
}

} // namespace tarvel::system
