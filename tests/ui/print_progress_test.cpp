// SPDX-License-Identifier: GPL-3.0-or-later
// A long print shows its pages in a progress dialog that can cancel it.
#include <QApplication>
#include <QFile>
#include <QProgressDialog>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>

#include <string>

#include "ui/print_rendering.h"

namespace tarvel::ui {
namespace {

TEST(PrintProgress, ACancelledPdfStopsAtTheNextPageAndLeavesNoFile) {
    QTemporaryDir directory;
    const QString pdf = directory.filePath(QStringLiteral("ispis.pdf"));
    constexpr int kPages = 300;
    // Cancels as soon as the dialog knows the number of pages.
    QString label;
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QProgressDialog*>(widget);
            if (dialog && dialog->maximum() > 0 && label.isEmpty()) {
                label = dialog->labelText();
                dialog->cancel();
            }
        }
    });
    user.start(0);
    int drawn = 0;
    const auto failure = savePdf(pdf, "Pohranjeni izračuni", [&](forms::PrintSurface& surface) {
        for (drawn = 1; drawn <= kPages; ++drawn) {
            if (drawn > 1)
                surface.newPage();
            surface.printText(1, 1, "redak " + std::to_string(drawn));
            QThread::msleep(1); // a slow printer
        }
    });
    EXPECT_FALSE(failure);
    EXPECT_TRUE(label.endsWith(QStringLiteral(" od 300"))) << label.toStdString();
    EXPECT_LT(drawn, kPages);
    EXPECT_FALSE(QFile::exists(pdf));
}

} // namespace
} // namespace tarvel::ui
