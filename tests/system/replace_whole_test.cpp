// SPDX-License-Identifier: GPL-3.0-or-later
#include "system/cp1250_file_store.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using tarvel::forms::FileResult;

// Replacing a whole file says why it failed, so that a user can be told.
TEST(ReplaceWhole, WritesTheTextOrGivesTheSystemsReason) {
    QTemporaryDir dir;
    tarvel::system::Cp1250FileStore store{dir.path().toStdString()};
    const auto written = store.replaceWhole("Ponuda.txt", "ć\n");
    EXPECT_EQ(written.result, FileResult::Ok);
    EXPECT_TRUE(written.reason.empty());
    QFile file(dir.filePath("Ponuda.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(), "\xE6\r\n");

    // A directory where the file should be cannot be replaced by a file.
    ASSERT_TRUE(QDir(dir.path()).mkdir("Zauzeto.txt"));
    const auto refused = store.replaceWhole("Zauzeto.txt", "x\n");
    EXPECT_NE(refused.result, FileResult::Ok);
    EXPECT_FALSE(refused.reason.empty());
    EXPECT_EQ(store.writeWhole("Zauzeto.txt", "x\n"), refused.result);
}
