// SPDX-License-Identifier: GPL-3.0-or-later
// Printing from a program directory named with č, ć, đ, š, ž: the file is read, the preview
// shows its pages and the PDF file is written beside it.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include "records/print_routine.h"
#include "system/cp1250.h"
#include "test_platform.h"

namespace tarvel::ui {
namespace {

class CroatianFolderPrint : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(temporary.isValid());
        ASSERT_TRUE(QDir(temporary.path()).mkdir(kFolder));
        QFile records(folder().filePath(QStringLiteral("Cijena.txt")));
        ASSERT_TRUE(records.open(QIODevice::WriteOnly));
        records.write(QByteArray::fromStdString(
            system::encodeCp1250("Investitor: Đurđa Šimić\r\nGrađevina: kuća u Čakovcu\r\n")));
    }
    QDir folder() const { return QDir(temporary.filePath(kFolder)); }

    // Answers the modal dialog in front the way a user would, while the print waits on it.
    void answerDialogs(const std::function<void(QWidget&)>& answer) {
        QObject::connect(&user, &QTimer::timeout, [answer] {
            if (QWidget* dialog = QApplication::activeModalWidget(); dialog && dialog->isVisible())
                answer(*dialog);
        });
        user.start(10);
    }

    static inline const QString kFolder = QStringLiteral("Ured Đurđević čćšž ČĆŠŽ");
    QTemporaryDir temporary;
    QTimer user;
};

TEST_F(CroatianFolderPrint, SavesThePdfFileInTheFolder) {
    TestPlatform platform(folder().absolutePath().toStdString());
    const QString pdf = folder().filePath(QStringLiteral("Izračuni čćđšž.pdf"));
    answerDialogs([&](QWidget& dialog) {
        if (auto* files = qobject_cast<QFileDialog*>(&dialog)) {
            // The dialog leaves the name box alone while it has the focus, which it has
            // whenever an earlier test made the application active.
            if (QWidget* focused = QApplication::focusWidget())
                focused->clearFocus();
            files->selectFile(pdf);
            static_cast<QDialog*>(files)->accept(); // as the dialog's "Save" button
        }
    });
    records::printFile(platform, "Cijena.txt", "Pohranjeni izračuni", forms::PrintTarget::Pdf);
    EXPECT_TRUE(platform.messages.empty()) << platform.messages.front();
    QFile written(pdf);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly)) << pdf.toStdString();
    EXPECT_EQ(written.read(5), QByteArray("%PDF-"));
}

TEST_F(CroatianFolderPrint, ThePreviewShowsThePage) {
    TestPlatform platform(folder().absolutePath().toStdString());
    int pages = -1;
    answerDialogs([&](QWidget& dialog) {
        if (auto* preview = qobject_cast<QPrintPreviewDialog*>(&dialog)) {
            // The preview lays its pages out when it is first shown.
            pages = preview->findChild<QPrintPreviewWidget*>()->pageCount();
            preview->reject();
        }
    });
    records::printFile(platform, "Cijena.txt", "Pohranjeni izračuni", forms::PrintTarget::Preview);
    EXPECT_TRUE(platform.messages.empty()) << platform.messages.front();
    EXPECT_EQ(pages, 1);
}

TEST_F(CroatianFolderPrint, WithoutAPrinterOnlyThePrinterIsMissing) {
    if (!QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "a printer is installed: the test would print on it";
    TestPlatform platform(folder().absolutePath().toStdString());
    records::printFile(platform, "Cijena.txt", "Pohranjeni izračuni", forms::PrintTarget::Printer);
    // The file was read: the message is the printer's, not the file's.
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages.front(),
              std::string(" Ispis podataka: Greška : ") + records::kNoPrinter);
}

} // namespace
} // namespace tarvel::ui
