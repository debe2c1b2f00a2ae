// SPDX-License-Identifier: GPL-3.0-or-later
// The help window on real widgets, offscreen, with a small compiled help file
// (data/help/pomoc.chm, made by `chmcmd pomoc.hhp` from the pages beside it): pages by name in
// any case, links, history, Croatian letters in either code, and what cannot be shown.
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <gtest/gtest.h>

#include "chm_damage.h"
#include "test_platform.h"
#include "ui/help_window.h"

namespace tarvel::ui {
namespace {

const QString kFixture = QStringLiteral(TARVEL_UI_TEST_DATA "/help/pomoc.chm");

QString pageText() {
    return HelpWindow::current()->browser()->toPlainText();
}

QString title() {
    return HelpWindow::current()->windowTitle();
}

// Clicks the link whose text is `text` the way the user does, with the mouse.
void clickLink(const QString& text) {
    HelpBrowser* browser = HelpWindow::current()->browser();
    const QTextCursor found = browser->document()->find(text);
    ASSERT_FALSE(found.isNull()) << text.toStdString();
    QTextCursor middle(browser->document());
    middle.setPosition((found.selectionStart() + found.selectionEnd()) / 2);
    const QPoint point = browser->cursorRect(middle).center();
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, point);
}

class HelpWindowTest : public ::testing::Test {
protected:
    void TearDown() override { delete HelpWindow::current(); }

    // A copy of the fixture under another name in the test's own folder.
    QString copyFixture(const QString& name) {
        const QString path = dir_.filePath(name);
        QFile::copy(kFixture, path);
        return path;
    }

    QTemporaryDir dir_;
};

TEST_F(HelpWindowTest, ShowsThePageAskedForInAnyCaseWithItsCroatianLettersAndPicture) {
    // The page is stored as "/Opce odredbe.htm" in Windows-1250 without a charset tag.
    HelpWindow* window = HelpWindow::showPage(kFixture, QStringLiteral("OPCE ODREDBE.htm"));
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(title(), QStringLiteral("Pomoć – Opće odredbe"));
    EXPECT_TRUE(pageText().contains(QStringLiteral("Čađava šuma, žuta ćuprija: ČĆĐŠŽ čćđšž.")))
        << pageText().toStdString();
    const QVariant picture = window->browser()->document()->resource(
        QTextDocument::ImageResource, QUrl(QStringLiteral("slike/znak.png")));
    EXPECT_EQ(qvariant_cast<QImage>(picture).size(), QSize(8, 8));

    // Nothing to go back or forward to yet.
    EXPECT_FALSE(window->backButton()->isEnabled());
    EXPECT_FALSE(window->forwardButton()->isEnabled());
}

TEST_F(HelpWindowTest, FollowsLinksBetweenPagesAndGoesBackForwardAndHome) {
    HelpWindow* window = HelpWindow::showPage(kFixture, QStringLiteral("Opce odredbe.htm"));

    // "glava3.htm" is stored as "/Glava3.htm", in UTF-8 as its meta tag says.
    clickLink(QStringLiteral("Sadržaj glave 3"));
    EXPECT_EQ(title(), QStringLiteral("Pomoć – Glava 3 – sadržaj"));
    EXPECT_TRUE(pageText().contains(QStringLiteral("Naknada za izradu projekta: ž ć đ.")));
    EXPECT_TRUE(window->backButton()->isEnabled());

    // Into a folder, through an encoded blank and an anchor; Windows-1250 by its meta tag.
    clickLink(QStringLiteral("Članak 5"));
    EXPECT_EQ(title(), QStringLiteral("Pomoć – Članak 5"));
    EXPECT_TRUE(pageText().contains(QStringLiteral("Iznimke.")));

    // Up out of the folder, the name in capitals.
    clickLink(QStringLiteral("Natrag na opće odredbe"));
    EXPECT_EQ(title(), QStringLiteral("Pomoć – Opće odredbe"));

    QTest::mouseClick(window->backButton(), Qt::LeftButton);
    QTest::mouseClick(window->backButton(), Qt::LeftButton);
    EXPECT_EQ(title(), QStringLiteral("Pomoć – Glava 3 – sadržaj"));
    EXPECT_TRUE(window->forwardButton()->isEnabled());
    QTest::mouseClick(window->forwardButton(), Qt::LeftButton);
    EXPECT_EQ(title(), QStringLiteral("Pomoć – Članak 5"));

    // Home is the page last asked for, not the first page of the history.
    HelpWindow::showPage(kFixture, QStringLiteral("Glava3.htm"));
    clickLink(QStringLiteral("Članak 5"));
    QTest::mouseClick(window->homeButton(), Qt::LeftButton);
    EXPECT_EQ(title(), QStringLiteral("Pomoć – Glava 3 – sadržaj"));

    QTest::mouseClick(window->closeButton(), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(HelpWindowTest, OneWindowServesEveryRequestAndLinksReachOtherHelpFiles) {
    const QString tarvel = copyFixture(QStringLiteral("Tarvel.chm"));
    copyFixture(QStringLiteral("Propisi.chm"));
    HelpWindow* first = HelpWindow::showPage(tarvel, QStringLiteral("Glava3.htm"));
    first->close();
    HelpWindow* second = HelpWindow::showPage(tarvel, QStringLiteral("Opce odredbe.htm"));
    EXPECT_EQ(first, second);
    EXPECT_TRUE(second->isVisible());
    // The history survives a closed window.
    EXPECT_TRUE(second->backButton()->isEnabled());

    // Links into another help file beside this one, in the forms help pages use.
    HelpBrowser* browser = second->browser();
    browser->setSource(QUrl(QStringLiteral("ms-its:Propisi.chm::/Glava3.htm")));
    EXPECT_EQ(title(), QStringLiteral("Pomoć – Glava 3 – sadržaj"));
    browser->setSource(QUrl(QStringLiteral("mk:@MSITStore:Propisi.chm::/Poglavlja/Clanak 5.htm")));
    EXPECT_EQ(title(), QStringLiteral("Pomoć – Članak 5"));
    // A relative link within the other file stays in it.
    clickLink(QStringLiteral("Natrag na opće odredbe"));
    EXPECT_EQ(title(), QStringLiteral("Pomoć – Opće odredbe"));
}

TEST_F(HelpWindowTest, WhatCannotBeShownIsSaidInTheWindow) {
    HelpWindow* window = HelpWindow::showPage(kFixture, QStringLiteral("Glava3.htm"));
    clickLink(QStringLiteral("Stranica koje nema"));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(pageText(),
              QStringLiteral("Stranica „Nema.htm“ ne postoji u datoteci pomoći pomoc.chm."));
    EXPECT_EQ(title(), QStringLiteral("Pomoć – Stranica ne postoji"));
    QTest::mouseClick(window->backButton(), Qt::LeftButton);
    EXPECT_EQ(title(), QStringLiteral("Pomoć – Glava 3 – sadržaj"));

    HelpWindow::showPage(kFixture, QStringLiteral("Glava 4.htm"));
    EXPECT_EQ(pageText(),
              QStringLiteral("Stranica „Glava 4.htm“ ne postoji u datoteci pomoći pomoc.chm."));

    // A file that is not compiled HTML help, and one that is not there at all.
    const QString broken = dir_.filePath(QStringLiteral("Kriva.chm"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("ITSF, ali ne zaista");
    file.close();
    HelpWindow::showPage(broken, QStringLiteral("Sadrzaj.htm"));
    EXPECT_EQ(pageText(), QStringLiteral("Datoteka pomoći Kriva.chm se ne može otvoriti."));
    HelpWindow::showPage(dir_.filePath(QStringLiteral("Nema.chm")), QStringLiteral("Sadrzaj.htm"));
    EXPECT_EQ(pageText(), QStringLiteral("Datoteka pomoći Nema.chm se ne može otvoriti."));

    // A page cannot reach the disk outside the help files.
    window->browser()->setSource(QUrl::fromLocalFile(kFixture));
    EXPECT_EQ(pageText(), QStringLiteral("Datoteka pomoći Nema.chm se ne može otvoriti."));
}

TEST_F(HelpWindowTest, ADamagedFileGivesANoticeAtOnce) {
    // The directory's index loops, and the control data of the compressed pages is missing.
    chm_damage::ChmImage chm(kFixture);
    chm_damage::linkIndexChunkToItself(chm);
    const QString damaged = dir_.filePath(QStringLiteral("Ostecena.chm"));
    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(chm.bytes());
    file.close();

    QElapsedTimer timer;
    timer.start();
    HelpWindow::showPage(damaged, QStringLiteral("Glava3.htm"));
    EXPECT_LT(timer.elapsed(), 1000);
    EXPECT_EQ(pageText(), QStringLiteral("Stranica „Glava3.htm“ iz datoteke pomoći Ostecena.chm se "
                                         "ne može prikazati."));
    EXPECT_EQ(title(), QStringLiteral("Pomoć – Stranica se ne može prikazati"));
}

TEST_F(HelpWindowTest, IsUsableWhileAModalDialogIsOpen) {
    QDialog dialog;
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    HelpWindow* window = HelpWindow::showPage(kFixture, QStringLiteral("Glava3.htm"));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    // Through the window system, where input to a blocked window is dropped.
    QPushButton* close = window->closeButton();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                      close->mapTo(window, close->rect().center()));
    EXPECT_FALSE(window->isVisible());
}

TEST(DecodeHelpPage, ChoosesTheCodeOfThePage) {
    const QString letters = QStringLiteral("čćđšžČĆĐŠŽ");
    // Windows-1250 without a declaration, declared, and ISO 8859-2 (which differs in š and ž).
    EXPECT_EQ(decodeHelpPage("\xE8\xE6\xF0\x9A\x9E\xC8\xC6\xD0\x8A\x8E"), letters);
    EXPECT_TRUE(decodeHelpPage("<meta charset=\"windows-1250\">\xE8\xE6\xF0\x9A\x9E\xC8\xC6\xD0\x8A"
                               "\x8E")
                    .endsWith(letters));
    EXPECT_TRUE(decodeHelpPage("<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; "
                               "CHARSET=iso-8859-2\">\xE8\xE6\xF0\xB9\xBE\xC8\xC6\xD0\xA9\xAE")
                    .endsWith(letters));
    // UTF-8: declared, with a byte-order mark, or undeclared but valid.
    const QByteArray utf8 = letters.toUtf8();
    EXPECT_TRUE(decodeHelpPage("<meta charset=utf-8>" + utf8).endsWith(letters));
    EXPECT_EQ(decodeHelpPage("\xEF\xBB\xBF" + utf8), letters);
    EXPECT_EQ(decodeHelpPage(utf8), letters);
}

class HelpPlatformTest : public HelpWindowTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(bin_.isValid());
        path_ = qgetenv("PATH");
        qputenv("PATH", bin_.path().toLocal8Bit());
    }
    void TearDown() override {
        qputenv("PATH", path_);
        HelpWindowTest::TearDown();
    }
    // A desktop whose file associations answer `program` ("" for none).
    void desktop(const QByteArray& program) {
        QFile file(bin_.filePath(QStringLiteral("xdg-mime")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n" + (program.isEmpty() ? QByteArray() : "echo " + program) + "\n");
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

private:
    QTemporaryDir bin_;
    QByteArray path_;
};

TEST_F(HelpPlatformTest, HtmlHelpOpensTheProgramsOwnWindowOnTheFileInTheProgramDirectory) {
    copyFixture(QStringLiteral("Tarvel.chm"));
    TestPlatform platform(dir_.path().toStdString());
    platform.showHtmlHelp("\\Tarvel.chm", "Glava3.htm", "Glavni");
    ASSERT_TRUE(HelpWindow::current());
    EXPECT_TRUE(HelpWindow::current()->isVisible());
    EXPECT_EQ(title(), QStringLiteral("Pomoć – Glava 3 – sadržaj"));
    // An application help file with its page, as F1 of the guide's windows names it.
    platform.showClassicHelp("\\Tarvel.chm::/Opce odredbe.htm", 3);
    EXPECT_EQ(title(), QStringLiteral("Pomoć – Opće odredbe"));
    EXPECT_TRUE(platform.messages.empty());
}

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
TEST_F(HelpPlatformTest, ClassicHelpThatNothingOpensIsExplainedOncePerRequest) {
    QFile(dir_.filePath(QStringLiteral("Tarvel.hlp"))).open(QIODevice::WriteOnly);
    TestPlatform platform(dir_.path().toStdString());
    const std::string message =
        " Nema pomoći: Klasična pomoć (datoteke .hlp) na ovom sustavu nije dostupna.\r\n"
        "Pomoć u HTML obliku uključuje se u izborniku „Pomoć“ stavkom „HTML\u00A0pomoć“.";

    // No program for the file.
    desktop({});
    platform.showClassicHelp("\\Tarvel.hlp", 261);
    platform.showClassicHelpTopic("\\Tarvel.hlp", 1200);
    // A program named, but the desktop cannot start it (the offscreen test platform has no
    // desktop at all).
    desktop("winhelp.desktop");
    platform.showClassicHelp("\\Tarvel.hlp", 3);
    EXPECT_EQ(platform.messages, std::vector<std::string>(3, message));
    EXPECT_FALSE(HelpWindow::current());
}
#endif

} // namespace
} // namespace tarvel::ui
