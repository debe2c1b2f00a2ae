// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/platform.h"

// The per-user settings of the program, group "Startup", kept where QSettings keeps them on
// this system (the registry on Windows, an ini file under ~/.config elsewhere).
namespace tarvel::system {

class QtSettingsStore : public forms::SettingsStore {
public:
    std::string get(const std::string& key, const std::string& fallback) override;
    void set(const std::string& key, const std::string& value) override;
};

} // namespace tarvel::system
