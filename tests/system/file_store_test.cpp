#include "system/cp1250_file_store.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <unistd.h>

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
    EXPECT_EQ(store.append("zapis.txt", "čista\n"), FileResult::Ok);
    EXPECT_EQ(store.append("zapis.txt", "Ž → 5 €\n"), FileResult::Ok);

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

TEST_F(FileStoreTest, MissingFilesAndOtherFailures) {
    EXPECT_EQ(store.readLines("nema.txt"), std::nullopt);
    EXPECT_FALSE(store.remove("nema.txt"));
    ASSERT_TRUE(QDir(dir.path()).mkdir("mapa"));
    EXPECT_EQ(store.append("mapa", "x"), FileResult::Failed);
    EXPECT_EQ(store.writeWhole("nema/ponuda.txt", "x"), FileResult::Failed);
}

TEST_F(FileStoreTest, UnwritableFilesAndDirectoriesAreAccessDenied) {
    if (geteuid() == 0)
        GTEST_SKIP() << "root may write whatever the permissions say";
    ASSERT_EQ(store.writeWhole("zapis.txt", "staro\n"), FileResult::Ok);
    ASSERT_TRUE(setWritable("zapis.txt", false));
    EXPECT_EQ(store.append("zapis.txt", "novo\n"), FileResult::AccessDenied);
    EXPECT_EQ(store.writeWhole("zapis.txt", "novo\n"), FileResult::AccessDenied);

    ASSERT_TRUE(setWritable("zapis.txt", true));
    ASSERT_TRUE(setWritable(".", false));
    EXPECT_EQ(store.append("novi.txt", "x"), FileResult::AccessDenied);
    EXPECT_EQ(store.writeWhole("zapis.txt", "novo\n"), FileResult::AccessDenied);
    EXPECT_EQ(store.append("zapis.txt", "novo\n"), FileResult::Ok);
    ASSERT_TRUE(setWritable(".", true));
    EXPECT_EQ(bytesOf("zapis.txt"), "staro\r\nnovo\r\n");
}
