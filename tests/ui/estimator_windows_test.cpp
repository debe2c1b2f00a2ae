// SPDX-License-Identifier: GPL-3.0-or-later
// The estimator window and the print dialog on real widgets: bound by name, the tab strip
// followed by the model, and the printed pages written as a PDF file.
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "calculator/calculator.h"
#include "program/program.h"
#include "records/print_file_lines.h"
#include "records/print_layout.h"
#include "test_platform.h"
#include "ui/binder.h"
#include "ui/estimator_windows.h"
#include "ui/print_rendering.h"

namespace tarvel::ui {
namespace {

TEST(EstimatorWindows, EveryControlHasItsWidgetAndEveryNamedWidgetItsControl) {
    QTemporaryDir directory;
    TestPlatform platform(directory.path().toStdString());
    program::Program calculator(platform);
    calculator.start();
    const std::pair<const char*, std::unique_ptr<QWidget> (*)()> windows[] = {
        {"frmVrijednost", buildFrmVrijednost}, {"frmIspis", buildFrmIspis}};
    for (const auto& [name, build] : windows) {
        SCOPED_TRACE(name);
        const std::unique_ptr<QWidget> window = build();
        for (const std::string& m : nameMismatches(calculator.load(name), *window))
            ADD_FAILURE() << m;
    }
}

int pdfPages(const QByteArray& pdf) {
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
    return int(QString::fromLatin1(pdf).count(page));
}

// The pages of a file of 69 lines with Croatian letters, as a PDF: two pages with their
// titles, lines and footers, read back with pdftotext where it is installed.
TEST(PrintRendering, PdfHoldsTheLaidOutPages) {
    QTemporaryDir directory;
    const QString text = directory.filePath(QStringLiteral("Cijena.txt"));
    {
        QFile out(text);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        for (int i = 1; i <= 69; ++i)
            out.write(QByteArray("redak ") + QByteArray::number(i) + " \xE8\xE6\xF0\x9A\x9E\r\n");
    }
    const QString pdf = directory.filePath(QStringLiteral("ispis.pdf"));
    int pages = 0;
    const auto failure = savePdf(pdf, "Pohranjeni izračuni", [&](forms::PrintSurface& surface) {
        records::FileLines lines(text.toStdString(), "Cijena.txt");
        pages = records::layOutPages("Pohranjeni izračuni", lines, surface);
    });
    ASSERT_FALSE(failure) << *failure;
    EXPECT_EQ(pages, 2);
    QFile in(pdf);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    EXPECT_EQ(pdfPages(in.readAll()), 2);

    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    QProcess process;
    process.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(process.waitForFinished(30000));
    const QString read = QString::fromUtf8(process.readAllStandardOutput());
    const QStringList sheets = read.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    ASSERT_GE(sheets.size(), 2);
    EXPECT_TRUE(sheets[0].contains(QStringLiteral("Pohranjeni izračuni")));
    EXPECT_TRUE(sheets[0].contains(QStringLiteral("redak 68 čćđšž")));
    EXPECT_TRUE(sheets[0].contains(QStringLiteral("Strana 1")));
    EXPECT_FALSE(sheets[0].contains(QStringLiteral("redak 69")));
    EXPECT_TRUE(sheets[1].contains(QStringLiteral("redak 69 čćđšž")));
    EXPECT_TRUE(sheets[1].contains(QStringLiteral("Strana 2")));
}

} // namespace
} // namespace tarvel::ui
