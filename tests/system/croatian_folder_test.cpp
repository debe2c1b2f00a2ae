// SPDX-License-Identifier: GPL-3.0-or-later
// A user's folder named with Croatian letters: the files are written, read and laid out for
// printing through UTF-8 paths, which on Windows must not pass through the ANSI code page.
#include "forms/text_pages.h"
#include "records/print_file_lines.h"
#include "records/print_layout.h"
#include "system/cp1250_file_store.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(CroatianFolder, FilesAreSavedReadAndPrinted) {
    QTemporaryDir base;
    const QString folder = base.filePath(QStringLiteral("Ured Đurđević čćšž ČĆŠŽ"));
    ASSERT_TRUE(QDir().mkpath(folder));
    tarvel::system::Cp1250FileStore store(folder.toStdString());
    ASSERT_EQ(store.append("Cijena.txt", "Kuća Šimić\n"), tarvel::forms::FileResult::Ok);
    ASSERT_EQ(store.replaceWhole("Ponuda.txt", "Ponuda: građevina\n"),
              tarvel::forms::FileResult::Ok);
    EXPECT_EQ(store.readLines("Cijena.txt"), (std::vector<std::string>{"Kuća Šimić"}));

    tarvel::forms::PrintJob job;
    const auto failure = tarvel::forms::collectPages(
        "Ponuda",
        [&](auto& surface) {
            tarvel::records::FileLines lines(store.fullPath("Ponuda.txt"), "Ponuda.txt");
            tarvel::records::layOutPages("Ponuda", lines, surface);
        },
        job);
    ASSERT_EQ(failure, std::nullopt);
    ASSERT_EQ(job.pages.size(), 1u);
    bool found = false;
    for (const std::string& line : job.pages[0])
        found = found || line.find("Ponuda: građevina") != std::string::npos;
    EXPECT_TRUE(found);
}
