// SPDX-License-Identifier: GPL-3.0-or-later
#include "system/memory_settings_store.h"
#include "system/qt_settings_store.h"

#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(SettingsStore, MemoryStoreGivesTheFallbackUntilAValueIsSet) {
    tarvel::system::MemorySettingsStore store;
    EXPECT_EQ(store.get("Pisac", "LPT1"), "LPT1");
    store.set("Pisac", "");
    EXPECT_EQ(store.get("Pisac", "LPT1"), "");
}

// An ini file of the test's own: nothing is written where the tester's settings live (on
// Windows, the registry).
TEST(SettingsStore, QtStoreKeepsValuesInTheStartupGroup) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Tarvel.ini"));
    tarvel::system::QtSettingsStore store(file);
    EXPECT_EQ(store.get("Korisnik", "nitko"), "nitko");
    store.set("Korisnik", "Đurđa Šimić");
    EXPECT_EQ(tarvel::system::QtSettingsStore(file).get("Korisnik", "nitko"), "Đurđa Šimić");

    const QSettings written(file, QSettings::IniFormat);
    EXPECT_EQ(written.value("Startup/Korisnik").toString(), QString::fromUtf8("Đurđa Šimić"));
}

#ifndef Q_OS_WIN
// Where the user's settings live; on Windows they are in the registry, which no test touches.
TEST(SettingsStore, QtStoreWithoutAFileUsesTheProgramsUserSettings) {
    QTemporaryDir dir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    tarvel::system::QtSettingsStore().set("Korisnik", "Ana");
    const QSettings written(dir.filePath("Tarvel/Tarvel.conf"), QSettings::IniFormat);
    EXPECT_EQ(written.value("Startup/Korisnik").toString(), QStringLiteral("Ana"));
}
#endif
