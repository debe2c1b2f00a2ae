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

TEST(SettingsStore, QtStoreKeepsValuesInTheStartupGroupOfTheUserSettings) {
    QTemporaryDir dir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    tarvel::system::QtSettingsStore store;
    EXPECT_EQ(store.get("Korisnik", "nitko"), "nitko");
    store.set("Korisnik", "Đurđa Šimić");
    EXPECT_EQ(tarvel::system::QtSettingsStore().get("Korisnik", "nitko"), "Đurđa Šimić");

    const QSettings written(dir.filePath("Tarvel/Tarvel.conf"), QSettings::IniFormat);
    EXPECT_EQ(written.value("Startup/Korisnik").toString(), QString::fromUtf8("Đurđa Šimić"));
}
