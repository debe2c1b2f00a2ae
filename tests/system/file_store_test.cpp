// SPDX-License-Identifier: GPL-3.0-or-later
#include "system/cp1250.h"
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
using tarvel::forms::WriteResult;
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

TEST_F(FileStoreTest, ReplaceWholeReplacesTheFileAndLeavesNoTemporaryFile) {
    EXPECT_EQ(store.replaceWhole("ponuda.txt", "prva\nverzija\n"), FileResult::Ok);
    EXPECT_EQ(store.replaceWhole("ponuda.txt", "đak\n\nb"), FileResult::Ok);

    EXPECT_EQ(bytesOf("ponuda.txt"), "\xF0"
                                     "ak\r\n\r\nb");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"ponuda.txt"});
    EXPECT_EQ(store.readLines("ponuda.txt"), (Lines{"đak", "", "b"}));
    EXPECT_EQ(store.fullPath("ponuda.txt"), dir.filePath("ponuda.txt").toStdString());
    EXPECT_TRUE(store.remove("ponuda.txt"));
    EXPECT_FALSE(store.exists("ponuda.txt"));
}

// Every failure names its own reason, in Croatian whatever the process locale.
TEST_F(FileStoreTest, FailuresGiveTheirOwnReason) {
    EXPECT_EQ(store.readLines("nema.txt"), std::nullopt);
    EXPECT_FALSE(store.remove("nema.txt"));
    ASSERT_TRUE(QDir(dir.path()).mkdir("mapa"));
    const WriteResult folderInTheWay{FileResult::Failed, "na mjestu datoteke je mapa istog imena"};
    const WriteResult missingFolder{FileResult::Failed, "mapa ne postoji"};
    EXPECT_EQ(store.append("mapa", "x"), folderInTheWay);
    EXPECT_EQ(store.replaceWhole("mapa", "x"), folderInTheWay);
    EXPECT_EQ(store.append("nema/zapis.txt", "x"), missingFolder);
    EXPECT_EQ(store.replaceWhole("nema/ponuda.txt", "x"), missingFolder);
}

#ifdef Q_OS_UNIX
// Permissions and file size limits are POSIX; on Windows the same refusals come from the
// system's access lists, which these tests do not set up.
TEST_F(FileStoreTest, ReadOnlyFilesAndFoldersAreNotFilesInUse) {
    if (geteuid() == 0)
        GTEST_SKIP() << "root may write whatever the permissions say";
    ASSERT_EQ(store.replaceWhole("zapis.txt", "staro\n"), FileResult::Ok);
    ASSERT_TRUE(setWritable("zapis.txt", false));
    const WriteResult readOnlyFile{FileResult::Failed, "datoteka je samo za čitanje"};
    EXPECT_EQ(store.append("zapis.txt", "novo\n"), readOnlyFile);
    EXPECT_EQ(store.replaceWhole("zapis.txt", "novo\n"), readOnlyFile);

    ASSERT_TRUE(setWritable("zapis.txt", true));
    ASSERT_TRUE(setWritable(".", false));
    const WriteResult readOnlyFolder{FileResult::Failed, "u mapu nije dopušteno pisati"};
    EXPECT_EQ(store.append("novi.txt", "x"), readOnlyFolder);
    EXPECT_FALSE(store.exists("novi.txt"));
    EXPECT_EQ(store.replaceWhole("zapis.txt", "novo\n"), readOnlyFolder);
    EXPECT_EQ(store.append("zapis.txt", "novo\n").result, FileResult::Ok);
    ASSERT_TRUE(setWritable(".", true));
    EXPECT_EQ(bytesOf("zapis.txt"), "staro\r\nnovo\r\n");
}

// A write refused at any byte, here by a file size limit: the file keeps every byte it had,
// nothing is left beside it, and the failure says why. The next write that fits goes on.
TEST_F(FileStoreTest, AWriteRefusedAtAnyByteKeepsTheOldFile) {
    const std::string old = "stari zapis Đuro\n";
    const std::string text = "novi, dulji zapis: Čćđšž ČĆĐŠŽ 1.234,56 kn\n";
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    for (const bool replacing : {false, true}) {
        SCOPED_TRACE(replacing ? "replace" : "append");
        ASSERT_EQ(store.replaceWhole("zapis.txt", old), FileResult::Ok);
        const std::string before = bytesOf("zapis.txt");
        const std::size_t start = replacing ? 0 : before.size();
        const std::size_t size = tarvel::system::encodeCp1250(text).size();
        for (std::size_t limit = start; limit < start + size; ++limit) {
            rlimit limited = saved;
            limited.rlim_cur = static_cast<rlim_t>(limit);
            ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
            const WriteResult written =
                replacing ? store.replaceWhole("zapis.txt", text) : store.append("zapis.txt", text);
            setrlimit(RLIMIT_FSIZE, &saved);
            ASSERT_EQ(written, (WriteResult{FileResult::Failed, "datoteka je prevelika"}))
                << "limit " << limit;
            ASSERT_EQ(bytesOf("zapis.txt"), before) << "limit " << limit;
        }
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"zapis.txt"});
    }
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(store.append("zapis.txt", "tri\n").result, FileResult::Ok);
    EXPECT_EQ(bytesOf("zapis.txt"), "stari zapis \xD0uro\r\ntri\r\n");
}
#endif
