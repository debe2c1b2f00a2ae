// SPDX-License-Identifier: GPL-3.0-or-later
#include "system/qt_settings_store.h"

#include "system/app_identity.h"

#include <QSettings>
#include <QVariant>

#include <memory>
#include <utility>

namespace tarvel::system {

namespace {

QString startupKey(const std::string& key) {
    return QStringLiteral("Startup/") + QString::fromStdString(key);
}

// A fresh QSettings per access: it writes back when it goes out of scope.
std::unique_ptr<QSettings> openSettings(const QString& iniFile) {
    if (!iniFile.isEmpty())
        return std::make_unique<QSettings>(iniFile, QSettings::IniFormat);
    return std::make_unique<QSettings>(kOrganisationName, kApplicationName);
}

} // namespace

QtSettingsStore::QtSettingsStore(QString iniFile) : iniFile_(std::move(iniFile)) {}

std::string QtSettingsStore::get(const std::string& key, const std::string& fallback) {
    const QVariant value = openSettings(iniFile_)->value(startupKey(key));
    return value.isValid() ? value.toString().toStdString() : fallback;
}

void QtSettingsStore::set(const std::string& key, const std::string& value) {
    openSettings(iniFile_)->setValue(startupKey(key), QString::fromStdString(value));
}

} // namespace tarvel::system
