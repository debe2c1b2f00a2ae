// SPDX-License-Identifier: GPL-3.0-or-later
#include "system/qt_settings_store.h"

#include "system/app_identity.h"

#include <QSettings>
#include <QString>
#include <QVariant>

namespace tarvel::system {

namespace {

QString startupKey(const std::string& key) {
    return QStringLiteral("Startup/") + QString::fromStdString(key);
}

} // namespace

// A fresh QSettings per access: it writes back when it goes out of scope.
std::string QtSettingsStore::get(const std::string& key, const std::string& fallback) {
    const QSettings settings(kOrganisationName, kApplicationName);
    const QVariant value = settings.value(startupKey(key));
    return value.isValid() ? value.toString().toStdString() : fallback;
}

void QtSettingsStore::set(const std::string& key, const std::string& value) {
    QSettings settings(kOrganisationName, kApplicationName);
    settings.setValue(startupKey(key), QString::fromStdString(value));
}

} // namespace tarvel::system
