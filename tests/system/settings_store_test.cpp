#include "system/memory_settings_store.h"
#include "system/program_directory.h"
#include "system/qt_settings_store.h"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <unistd.h>

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

TEST(ProgramDirectory, IsTheExecutableDirectoryWhenWritableElseTheUserDataDirectory) {
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir dir;
    const std::string path = dir.path().toStdString();
    EXPECT_EQ(tarvel::system::chooseProgramDirectory(path), path);

    if (geteuid() == 0)
        GTEST_SKIP() << "root may write whatever the permissions say";
    const auto readOnly = QFile::ReadOwner | QFile::ExeOwner;
    ASSERT_TRUE(QFile::setPermissions(dir.path(), readOnly));
    const std::string chosen = tarvel::system::chooseProgramDirectory(path);
    ASSERT_TRUE(QFile::setPermissions(dir.path(), readOnly | QFile::WriteOwner));
    EXPECT_NE(chosen, path);
    EXPECT_TRUE(QFile::exists(QString::fromStdString(chosen)));
}
