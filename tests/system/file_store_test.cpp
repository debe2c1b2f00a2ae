// SPDX-License-Identifier: GPL-3.0-or-later
#include "system/cp1250_file_store.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#ifdef Q_OS_UNIX
#include <sys/resource.h>
#include <unistd.h>
#endif

using tarvel::forms::FileResult;
using Lines = std::vector<std::string>;

namespace {

class FileStoreTest : public ::testing::Test {
protected:
    std::string bytesOf(const QString& name) const {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "<missing>";
    }
    bool setWritable(const QString& name, bool writable) const {
        const auto readOnly = QFile::ReadOwner | QFile::ExeOwner;
        return QFile::setPermissions(dir.filePath(name),
                                     writable ? readOnly | QFile::WriteOwner : readOnly);
    }

    QTemporaryDir dir;
    tarvel::system::Cp1250FileStore store{dir.path().toStdString()};
};

} // namespace

TEST_F(FileStoreTest, AppendCreatesTheFileThenAppendsInCodePageBytes) {
    EXPECT_FALSE(store.exists("zapis.txt"));
    EXPECT_EQ(store.size("zapis.txt"), std::nullopt);
    EXPECT_EQ(store.append("zapis.txt", "čista\n").result, FileResult::Ok);
    EXPECT_EQ(store.append("zapis.txt", "Ž → 5 €\n").result, FileResult::Ok);

    EXPECT_EQ(bytesOf("zapis.txt"), "\xE8ista\r\n\x8E ? 5 \x80\r\n");
    EXPECT_EQ(store.size("zapis.txt"), 16);
    EXPECT_EQ(store.readLines("zapis.txt"), (Lines{"čista", "Ž ? 5 €"}));
}

TEST_F(FileStoreTest, WriteWholeReplacesTheFileAndLeavesNoTemporaryFile) {
    EXPECT_EQ(store.writeWhole("ponuda.txt", "prva\nverzija\n"), FileResult::Ok);
    EXPECT_EQ(store.writeWhole("ponuda.txt", "đak\n\nb"), FileResult::Ok);

    EXPECT_EQ(bytesOf("ponuda.txt"), "\xF0"
                                     "ak\r\n\r\nb");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"ponuda.txt"});
    EXPECT_EQ(store.readLines("ponuda.txt"), (Lines{"đak", "", "b"}));
    EXPECT_EQ(store.fullPath("ponuda.txt"), dir.filePath("ponuda.txt").toStdString());
    EXPECT_TRUE(store.remove("ponuda.txt"));
    EXPECT_FALSE(store.exists("ponuda.txt"));
}

TEST_F(FileStoreTest, MissingFilesAndOtherFailuresGiveTheSystemsReason) {
    EXPECT_EQ(store.readLines("nema.txt"), std::nullopt);
    EXPECT_FALSE(store.remove("nema.txt"));
    ASSERT_TRUE(QDir(dir.path()).mkdir("mapa"));
    const auto directoryInPlace = store.append("mapa", "x");
    EXPECT_EQ(directoryInPlace.result, FileResult::Failed);
    EXPECT_FALSE(directoryInPlace.reason.empty());
    const auto missingDirectory = store.append("nema/zapis.txt", "x");
    EXPECT_EQ(missingDirectory.result, FileResult::Failed);
    EXPECT_FALSE(missingDirectory.reason.empty());
    EXPECT_EQ(store.writeWhole("nema/ponuda.txt", "x"), FileResult::Failed);
}

// A refused existing file is what another program holding it looks like; a directory that may
// not be written is another failure, reported with its reason.
#ifdef Q_OS_UNIX
// Permissions and file size limits are POSIX; on Windows the same refusals come from the
// system's access lists, which these tests do not set up.
TEST_F(FileStoreTest, UnwritableFilesAreAccessDeniedUnwritableDirectoriesFail) {
    if (geteuid() == 0)
        GTEST_SKIP() << "root may write whatever the permissions say";
    ASSERT_EQ(store.writeWhole("zapis.txt", "staro\n"), FileResult::Ok);
    ASSERT_TRUE(setWritable("zapis.txt", false));
    EXPECT_EQ(store.append("zapis.txt", "novo\n").result, FileResult::AccessDenied);
    EXPECT_EQ(store.writeWhole("zapis.txt", "novo\n"), FileResult::AccessDenied);

    ASSERT_TRUE(setWritable("zapis.txt", true));
    ASSERT_TRUE(setWritable(".", false));
    const auto readOnlyDirectory = store.append("novi.txt", "x");
    EXPECT_EQ(readOnlyDirectory.result, FileResult::Failed);
    EXPECT_NE(readOnlyDirectory.reason.find("ermission"), std::string::npos)
        << readOnlyDirectory.reason;
    EXPECT_FALSE(store.exists("novi.txt"));
    EXPECT_EQ(store.writeWhole("zapis.txt", "novo\n"), FileResult::AccessDenied);
    EXPECT_EQ(store.append("zapis.txt", "novo\n").result, FileResult::Ok);
    ASSERT_TRUE(setWritable(".", true));
    EXPECT_EQ(bytesOf("zapis.txt"), "staro\r\nnovo\r\n");
}

// A file size limit stops a write part-way, as a full disk does: the file keeps its former
// length and the next append that fits goes on from there.
TEST_F(FileStoreTest, AnAppendThatFailsPartWayLeavesTheFileAsItWas) {
    ASSERT_EQ(store.append("zapis.txt", "prvi zapis\n").result, FileResult::Ok);
    const std::string before = bytesOf("zapis.txt");

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = static_cast<rlim_t>(before.size() + 5);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const auto tooLong = store.append("zapis.txt", "drugi, predugi zapis\n");
    const auto fits = store.append("zapis.txt", "tri\n");
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(tooLong.result, FileResult::Failed);
    EXPECT_FALSE(tooLong.reason.empty());
    EXPECT_EQ(fits.result, FileResult::Ok);
    EXPECT_EQ(bytesOf("zapis.txt"), before + "tri\r\n");
}
#endif
