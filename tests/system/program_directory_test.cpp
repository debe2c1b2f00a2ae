// SPDX-License-Identifier: GPL-3.0-or-later
#include "system/folder_probe.h"
#include "system/program_directory.h"

#include "read_only_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using tarvel::system::chooseProgramDirectory;
using tarvel::system::findHelpFile;
using tarvel::system::folderTakesNewFiles;
using tarvel::system::isPortableCopy;
using tarvel::system::userDataDirectory;

namespace {

// A staging prefix: `bin/` for the executable and `share/tarvel/` for installed data, with the
// user's data folder redirected into Qt's test location.
class ProgramDirectoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        QStandardPaths::setTestModeEnabled(true);
        QDir(userData()).removeRecursively();
        ASSERT_TRUE(QDir(prefix.path()).mkpath(QStringLiteral("bin")));
        ASSERT_TRUE(QDir(prefix.path()).mkpath(QStringLiteral("share/tarvel")));
    }
    void TearDown() override { QDir(userData()).removeRecursively(); }

    static QString userData() { return QDir::fromNativeSeparators(qs(userDataDirectory())); }
    static QString qs(const std::string& s) { return QString::fromStdString(s); }
    std::string bin() const { return QDir::toNativeSeparators(path("bin")).toStdString(); }
    QString path(const char* relative) const {
        return prefix.filePath(QString::fromLatin1(relative));
    }
    static void touch(const QString& file) {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << file.toStdString();
    }

    QTemporaryDir prefix;
};

TEST_F(ProgramDirectoryTest, InstalledProgramKeepsItsFilesInTheUserDataFolder) {
    // A writable folder that is neither a build tree nor marked portable, as /usr/bin for root
    // or ~/.local/bin after a user install: nothing may be written there.
    EXPECT_FALSE(isPortableCopy(bin()));
    const std::string chosen = chooseProgramDirectory(bin());
    EXPECT_NE(chosen, bin());
    EXPECT_EQ(QDir::fromNativeSeparators(qs(chosen)), userData());
    EXPECT_TRUE(QDir(qs(chosen)).exists()) << "the user data folder is created";
    EXPECT_TRUE(QDir(qs(chosen)).isAbsolute());
    EXPECT_FALSE(QDir(qs(chosen)).path().startsWith(prefix.path()));

    EXPECT_FALSE(isPortableCopy(""));
    EXPECT_EQ(chooseProgramDirectory(""), chosen);
}

TEST_F(ProgramDirectoryTest, PortableCopyKeepsItsFilesBesideTheExecutable) {
    touch(path("bin/tarvel-portable"));
    EXPECT_TRUE(isPortableCopy(bin()));
    EXPECT_EQ(chooseProgramDirectory(bin()), bin());

    // The marker must be a file of the executable's own folder.
    QFile::remove(path("bin/tarvel-portable"));
    touch(path("tarvel-portable"));
    EXPECT_FALSE(isPortableCopy(bin()));
    ASSERT_TRUE(QDir(path("bin")).mkdir(QStringLiteral("tarvel-portable")));
    EXPECT_FALSE(isPortableCopy(bin())) << "a folder of that name is no marker";
}

TEST_F(ProgramDirectoryTest, BuildTreeIsAPortableCopy) {
    touch(path("CMakeCache.txt"));
    EXPECT_TRUE(isPortableCopy(bin()));
    EXPECT_EQ(chooseProgramDirectory(bin()), bin());
    // The cache in the executable's own folder does not count: only bin/ of a build tree.
    EXPECT_FALSE(isPortableCopy(prefix.path().toStdString()));

    // Multi-configuration generators put the executable into bin/Release/ and the like.
    for (const char* folder : {"bin/Release", "bin/Debug", "bin/RelWithDebInfo", "bin/Nova"}) {
        ASSERT_TRUE(QDir(prefix.path()).mkpath(QString::fromLatin1(folder)));
        const std::string directory = QDir::toNativeSeparators(path(folder)).toStdString();
        EXPECT_EQ(isPortableCopy(directory), std::string(folder) != "bin/Nova") << folder;
    }
}

// The user's data folder is the one Qt gives the program's names, in a process of any name.
TEST_F(ProgramDirectoryTest, UserDataFolderIsTheProgramsAppDataLocation) {
    const std::string fromHere = userDataDirectory();
    const QString organisation = QCoreApplication::organizationName();
    const QString application = QCoreApplication::applicationName();
    QCoreApplication::setOrganizationName(QStringLiteral("Tarvel"));
    QCoreApplication::setApplicationName(QStringLiteral("Tarvel"));
    const QString program = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    EXPECT_EQ(userDataDirectory(), fromHere);
    QCoreApplication::setOrganizationName(organisation);
    QCoreApplication::setApplicationName(application);
    EXPECT_EQ(QDir::fromNativeSeparators(qs(fromHere)), program);
}

// A portable copy in a folder that takes no new files (a read-only medium, a folder the user
// may not write to) keeps its files in the user's data folder.
TEST_F(ProgramDirectoryTest, ReadOnlyPortableCopyFallsBackToTheUserDataFolder) {
    std::string chosen;
    {
        const ReadOnlyFolder readOnly(path("bin"), [&] { touch(path("bin/tarvel-portable")); });
        if (!readOnly.made())
            GTEST_SKIP() << readOnly.why;
        ASSERT_TRUE(isPortableCopy(bin()));
        chosen = chooseProgramDirectory(bin());
    }
    EXPECT_EQ(QDir::fromNativeSeparators(qs(chosen)), userData());
}

TEST_F(ProgramDirectoryTest, AFolderTakesNewFilesWhenOneCanBeMade) {
    EXPECT_TRUE(folderTakesNewFiles(path("bin")));
    EXPECT_TRUE(QDir(path("bin")).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
        << "the probe leaves nothing behind";
    EXPECT_FALSE(folderTakesNewFiles(path("nema")));
    EXPECT_FALSE(folderTakesNewFiles(QString()));
    const ReadOnlyFolder readOnly(path("bin"), [] {});
    if (!readOnly.made())
        GTEST_SKIP() << readOnly.why;
    EXPECT_FALSE(folderTakesNewFiles(path("bin")));
}

TEST_F(ProgramDirectoryTest, HelpIsLookedUpBesideTheProgramThenUserDataThenInstalledData) {
    EXPECT_EQ(findHelpFile(bin(), "\\Upute.chm"), "");

    touch(path("share/tarvel/Upute.chm"));
    const QString installed = QDir::cleanPath(path("share/tarvel/Upute.chm"));
    EXPECT_EQ(QDir::fromNativeSeparators(qs(findHelpFile(bin(), "\\Upute.chm"))), installed);
    EXPECT_EQ(QDir::fromNativeSeparators(qs(findHelpFile(bin(), "Upute.chm"))), installed);

    ASSERT_TRUE(QDir().mkpath(userData()));
    touch(userData() + QStringLiteral("/Upute.chm"));
    EXPECT_EQ(QDir::fromNativeSeparators(qs(findHelpFile(bin(), "\\Upute.chm"))),
              userData() + QStringLiteral("/Upute.chm"));

    touch(path("bin/Upute.chm"));
    EXPECT_EQ(QDir::fromNativeSeparators(qs(findHelpFile(bin(), "/Upute.chm"))),
              QDir::cleanPath(path("bin/Upute.chm")));

    // Another document is not mistaken for this one, and a folder is no document.
    EXPECT_EQ(findHelpFile(bin(), "\\Troskovi.chm"), "");
    ASSERT_TRUE(QDir(path("share/tarvel")).mkdir(QStringLiteral("Propisi.chm")));
    EXPECT_EQ(findHelpFile(bin(), "\\Propisi.chm"), "");
}

TEST_F(ProgramDirectoryTest, HelpNamesThatLeaveTheFoldersAreRefused) {
    touch(path("share/Tajno.chm"));
    touch(path("share/tarvel/Upute.chm"));
    for (const char* name : {"..\\Tajno.chm", "../Tajno.chm", "tarvel/../Tajno.chm", "", "\\", "..",
                             "C:Upute.chm", "\\\\server\\Upute.chm"})
        EXPECT_EQ(findHelpFile(bin(), name), "") << name;
    EXPECT_EQ(findHelpFile(bin(), "\\\\Upute.chm"), findHelpFile(bin(), "Upute.chm"));
}

} // namespace
