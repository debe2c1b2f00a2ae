// SPDX-License-Identifier: GPL-3.0-or-later
#include "system/cp1250_file_store.h"
#include "system/file_writes.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_LINUX
#include <sys/mount.h>
#endif

using tarvel::forms::FileResult;
using tarvel::forms::WriteResult;

namespace {

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

#ifdef Q_OS_LINUX
// A real full disk: a small tmpfs filled to the last page. Saves report it and keep the old
// files byte for byte.
TEST(FullDisk, SavesFailWithTheReasonAndKeepTheOldFiles) {
    QTemporaryDir dir;
    const QByteArray mountPoint = dir.path().toLocal8Bit();
    if (::mount("tarvel-test", mountPoint.constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "a tmpfs cannot be mounted here (" << std::strerror(errno)
                     << "); needs root with CAP_SYS_ADMIN";
    struct Unmount {
        const char* at;
        ~Unmount() { ::umount(at); }
    } unmount{mountPoint.constData()};

    tarvel::system::Cp1250FileStore store(dir.path().toStdString());
    ASSERT_EQ(store.replaceWhole("Ponuda.txt", "Ponuda: Kuća Šimić\n"), FileResult::Ok);
    ASSERT_EQ(store.append("Cijena.txt", "Izračun 1\n"), FileResult::Ok);
    const QByteArray offer = bytesOf(dir.filePath("Ponuda.txt"));
    const QByteArray records = bytesOf(dir.filePath("Cijena.txt"));

    QFile filler(dir.filePath("puno"));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray block(4096, 'x');
    while (filler.write(block) > 0) {
    }
    filler.close();

    const std::string longText(3 * 4096, 'a');
    const WriteResult full{FileResult::Failed, "disk je pun"};
    EXPECT_EQ(store.replaceWhole("Ponuda.txt", longText), full);
    EXPECT_EQ(store.append("Cijena.txt", longText), full);
    EXPECT_EQ(tarvel::system::replaceFileBytes(dir.filePath("Cijena.txt"),
                                               QByteArray::fromStdString(longText)),
              full);
    EXPECT_EQ(bytesOf(dir.filePath("Ponuda.txt")), offer);
    EXPECT_EQ(bytesOf(dir.filePath("Cijena.txt")), records);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              (QStringList{"Cijena.txt", "Ponuda.txt", "puno"}));
}
#endif

// Only the program's own temporary files that a kill left behind go, and only old ones.
TEST(LeftoverTemporaryFiles, OnlyOldOnesOfTheProgramsFilesAreRemoved) {
    QTemporaryDir dir;
    const QDateTime twoMinutesAgo = QDateTime::currentDateTimeUtc().addSecs(-120);
    const struct {
        const char* name;
        bool old;
        bool removed;
    } files[] = {
        {"Ponuda.txt.Ab3xZ9", true, true},   {"Cijena.txt.000000", true, true},
        {"Ponuda.txt.k7Pq2w", false, false}, // another copy may be saving right now
        {"Ostalo.txt.abcdef", true, false},  {"Ponuda.txt.abc", true, false},
        {"Ponuda.txt", true, false},
    };
    for (const auto& f : files) {
        QFile file(dir.filePath(f.name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        if (f.old) {
            ASSERT_TRUE(file.setFileTime(twoMinutesAgo, QFileDevice::FileModificationTime));
        }
    }
    tarvel::system::removeLeftoverTemporaryFiles(dir.path(), {"Ponuda.txt", "Cijena.txt"});
    for (const auto& f : files)
        EXPECT_EQ(QFile::exists(dir.filePath(f.name)), !f.removed) << f.name;
}
