// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/platform.h"

#include <QString>

// The per-user settings of the program, group "Startup", kept where QSettings keeps them on
// this system (the registry on Windows, an ini file under ~/.config elsewhere), or in an ini
// file of a given path.
namespace tarvel::system {

class QtSettingsStore : public forms::SettingsStore {
public:
    QtSettingsStore() = default;
    // The settings in this ini file instead of the user's settings: what a test uses, so that
    // it never writes the registry of the machine it runs on.
    explicit QtSettingsStore(QString iniFile);

    std::string get(const std::string& key, const std::string& fallback) override;
    void set(const std::string& key, const std::string& value) override;

private:
    QString iniFile_;
};

} // namespace tarvel::system
