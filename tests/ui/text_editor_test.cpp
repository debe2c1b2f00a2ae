// SPDX-License-Identifier: GPL-3.0-or-later
// The built-in text editor on real widgets, offscreen: what is saved is Windows-1250 with CR LF,
// and no record is lost to a save, a close or a file that changed meanwhile.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <gtest/gtest.h>

#include <deque>
#include <set>
#include <vector>

#include "system/cp1250.h"
#include "system/cp1250_file_store.h"
#include "ui/text_editor.h"

namespace tarvel::ui {
namespace {

// Three records as the calculator appends them: "Kuća Šimić", "Garaža Đurić", "Vila Žužić".
const QByteArray kThreeRecords = "\r\n   Ku\xE6"
                                 "a \x8Aimi\xE6\r\n   Ukupno: kn 1.000,00\r\n"
                                 "\r\n   Gara\x9E"
                                 "a \xD0uri\xE6\r\n   Ukupno: kn 2.000,00\r\n"
                                 "\r\n   Vila \x8Eu\x9Ei\xE6\r\n   Ukupno: kn 3.000,00\r\n";

// About 2 MB of records, read in many pieces: one CR LF is split between the first two pieces,
// and one line ends in a lone CR.
QByteArray largeFile() {
    QByteArray bytes;
    while (bytes.size() + kThreeRecords.size() < TextLoader::kPiece)
        bytes += kThreeRecords;
    bytes += QByteArray(TextLoader::kPiece - 1 - bytes.size(), 'x') + "\r\n";
    bytes += "samo CR\rna kraju\r\n";
    while (bytes.size() < (2 << 20))
        bytes += kThreeRecords;
    return bytes;
}

bool loaded(const TextEditor* editor) {
    return QTest::qWaitFor([&] { return !editor->isLoading(); }, 120000);
}

// Answers the message boxes the editor shows, in order, by the caption of a button, and keeps
// each box's text. A box with no answer queued is cancelled and counted as unexpected.
class BoxAnswers : public QObject {
public:
    BoxAnswers() {
        timer_.setInterval(5);
        connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
        timer_.start();
    }
    void push(const QString& button) { answers_.push_back(button); }
    bool allUsed() const { return answers_.empty(); }

    QStringList texts;
    int unexpected = 0;

private:
    void poll() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box == handled_)
            return;
        handled_ = box;
        texts << box->text();
        QAbstractButton* chosen = box->escapeButton();
        if (answers_.empty()) {
            ++unexpected;
        } else {
            for (QAbstractButton* button : box->buttons()) {
                if (button->text() == answers_.front())
                    chosen = button;
            }
            answers_.pop_front();
        }
        chosen->click();
    }

    QTimer timer_;
    std::deque<QString> answers_;
    QPointer<QMessageBox> handled_;
};

class TextEditorTest : public ::testing::Test {
protected:
    QString path() const { return dir_.filePath(QStringLiteral("Cijena.txt")); }
    void writeFile(const QByteArray& bytes) {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray bytesOnDisk() const {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    // Opens the editor as the toolbar command does.
    TextEditor* openEditor() {
        TextEditor* editor = TextEditor::open(path());
        EXPECT_NE(editor, nullptr);
        if (editor) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(editor));
            EXPECT_TRUE(loaded(editor));
        }
        return editor;
    }
    // Deletes lines [first, first + count) as a user does: selects them and presses Delete.
    static void deleteLines(TextEditor* editor, int first, int count) {
        QPlainTextEdit* edit = editor->textEdit();
        QTextCursor cursor(edit->document()->findBlockByNumber(first));
        cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor, count);
        edit->setTextCursor(cursor);
        QTest::keyClick(edit, Qt::Key_Delete);
    }
    // Another save of the calculator while the editor is open.
    void appendRecordAsTheCalculatorDoes(const std::string& record) {
        system::Cp1250FileStore store(dir_.path().toStdString());
        ASSERT_EQ(store.append("Cijena.txt", record).result, forms::FileResult::Ok);
    }
    static void pressSave(TextEditor* editor) {
        QTest::keyClick(editor->textEdit(), Qt::Key_S, Qt::ControlModifier);
    }

    void TearDown() override {
        std::vector<QPointer<TextEditor>> editors;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* editor = qobject_cast<TextEditor*>(widget))
                editors.emplace_back(editor);
        }
        for (const QPointer<TextEditor>& editor : editors)
            delete editor.data();
        EXPECT_EQ(answers.unexpected, 0) << answers.texts.join(QStringLiteral(" | ")).toStdString();
        EXPECT_TRUE(answers.allUsed());
    }

    QTemporaryDir dir_;
    BoxAnswers answers;
};

TEST_F(TextEditorTest, DeletingARecordSavesWindows1250WithCrLf) {
    writeFile(kThreeRecords);
    TextEditor* editor = openEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->textEdit()->document()->findBlockByNumber(4).text(),
              QStringLiteral("   Garaža Đurić"));
    EXPECT_FALSE(editor->isModified());

    deleteLines(editor, 3, 3); // the second record
    EXPECT_TRUE(editor->isModified());
    EXPECT_TRUE(editor->isWindowModified());
    pressSave(editor);

    EXPECT_FALSE(editor->isModified());
    EXPECT_EQ(bytesOnDisk(),
              QByteArray("\r\n   Ku\xE6"
                         "a \x8Aimi\xE6\r\n   Ukupno: kn 1.000,00\r\n"
                         "\r\n   Vila \x8Eu\x9Ei\xE6\r\n   Ukupno: kn 3.000,00\r\n"));
    EXPECT_TRUE(editor->isVisible()); // saving does not close
}

TEST_F(TextEditorTest, SavingUnchangedTextGivesBackTheSameBytesNonBreakingSpacesIncluded) {
    const QByteArray bytes = kThreeRecords + "1\xA0"
                                             "000 \x80\r\nbez kraja reda";
    writeFile(bytes);
    TextEditor* editor = openEditor();
    ASSERT_NE(editor, nullptr);
    ASSERT_TRUE(editor->save());
    EXPECT_EQ(bytesOnDisk(), bytes);
}

TEST_F(TextEditorTest, ARecordSavedMeanwhileIsKeptOrOverwrittenOnlyWhenTheUserSaysSo) {
    writeFile(kThreeRecords);
    TextEditor* editor = openEditor();
    ASSERT_NE(editor, nullptr);
    deleteLines(editor, 0, 3); // the first record
    appendRecordAsTheCalculatorDoes("\r\n   Novi zapis\r\n");
    const QByteArray withNewRecord = bytesOnDisk();

    answers.push(QStringLiteral("Odustani"));
    EXPECT_FALSE(editor->save());
    EXPECT_EQ(bytesOnDisk(), withNewRecord);
    EXPECT_TRUE(editor->isModified());

    answers.push(QStringLiteral("Dodaj i spremi"));
    EXPECT_TRUE(editor->save());
    EXPECT_EQ(bytesOnDisk(),
              kThreeRecords.mid(kThreeRecords.indexOf("\r\n\r\n") + 2) + "\r\n   Novi zapis\r\n");
    ASSERT_EQ(answers.texts.size(), 2);
    EXPECT_TRUE(answers.texts[0].contains(QStringLiteral("Cijena.txt je u međuvremenu dopunjena")));

    // Saved again without further change on disk: no question.
    deleteLines(editor, 0, 6);
    EXPECT_TRUE(editor->save());
    EXPECT_EQ(bytesOnDisk(), QByteArray("\r\n   Novi zapis\r\n"));
}

TEST_F(TextEditorTest, AFileRewrittenMeanwhileIsReloadedOrOverwrittenOnRequest) {
    writeFile(kThreeRecords);
    TextEditor* editor = openEditor();
    ASSERT_NE(editor, nullptr);
    deleteLines(editor, 0, 3);
    writeFile("drugi program\r\n");

    answers.push(QStringLiteral("Učitaj ponovno"));
    EXPECT_FALSE(editor->save());
    EXPECT_EQ(bytesOnDisk(), QByteArray("drugi program\r\n"));
    ASSERT_TRUE(loaded(editor));
    EXPECT_EQ(editor->textEdit()->toPlainText(), QStringLiteral("drugi program\n"));
    EXPECT_FALSE(editor->isModified());

    editor->textEdit()->moveCursor(QTextCursor::End);
    QTest::keyClicks(editor->textEdit(), QStringLiteral("moj red"));
    writeFile("treći\r\n");
    answers.push(QStringLiteral("Prebriši"));
    EXPECT_TRUE(editor->save());
    EXPECT_EQ(bytesOnDisk(), QByteArray("drugi program\r\nmoj red"));
}

TEST_F(TextEditorTest, ACharacterTheCodePageCannotHoldIsReportedBeforeSaving) {
    writeFile("cijena\r\n");
    TextEditor* editor = openEditor();
    ASSERT_NE(editor, nullptr);
    editor->textEdit()->moveCursor(QTextCursor::End);
    editor->textEdit()->insertPlainText(QStringLiteral("a → b 😀 č"));

    answers.push(QStringLiteral("Ne"));
    EXPECT_FALSE(editor->save());
    EXPECT_EQ(bytesOnDisk(), QByteArray("cijena\r\n"));
    EXPECT_EQ(editor->textEdit()->textCursor().selectedText(), QStringLiteral("→"));
    ASSERT_EQ(answers.texts.size(), 1);
    EXPECT_TRUE(answers.texts[0].contains(QStringLiteral("→ 😀")));
    EXPECT_TRUE(answers.texts[0].contains(QStringLiteral("retku 2")));

    answers.push(QStringLiteral("Da"));
    EXPECT_TRUE(editor->save());
    EXPECT_EQ(bytesOnDisk(), QByteArray("cijena\r\na ? b ? \xE8"));
}

TEST_F(TextEditorTest, ClosingWithUnsavedChangesAsks) {
    writeFile(kThreeRecords);
    QPointer<TextEditor> editor = openEditor();
    ASSERT_NE(editor, nullptr);
    deleteLines(editor, 0, 3);

    answers.push(QStringLiteral("Odustani"));
    EXPECT_FALSE(editor->close());
    EXPECT_TRUE(editor->isVisible());

    answers.push(QStringLiteral("Ne"));
    EXPECT_TRUE(editor->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(editor.isNull());
    EXPECT_EQ(bytesOnDisk(), kThreeRecords);

    editor = openEditor();
    ASSERT_NE(editor, nullptr);
    deleteLines(editor, 0, 3);
    answers.push(QStringLiteral("Da"));
    EXPECT_TRUE(editor->close());
    EXPECT_EQ(bytesOnDisk(), kThreeRecords.mid(kThreeRecords.indexOf("\r\n\r\n") + 2));
    ASSERT_EQ(answers.texts.size(), 3);
    EXPECT_EQ(answers.texts[2],
              QStringLiteral("Datoteka Cijena.txt je promijenjena. Želite li spremiti promjene?"));

    // Nothing edited: no question.
    editor = openEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->close());
}

TEST_F(TextEditorTest, OpeningAgainShowsTheSameWindowWithTheNewRecordsUnlessEditedThere) {
    writeFile(kThreeRecords);
    TextEditor* editor = openEditor();
    ASSERT_NE(editor, nullptr);
    appendRecordAsTheCalculatorDoes("\r\n   Četvrti\r\n");
    EXPECT_EQ(openEditor(), editor);
    EXPECT_TRUE(editor->textEdit()->toPlainText().endsWith(QStringLiteral("   Četvrti\n")));
    EXPECT_FALSE(editor->isModified());

    QTest::keyClicks(editor->textEdit(), QStringLiteral("x"));
    appendRecordAsTheCalculatorDoes("\r\n   Peti\r\n");
    EXPECT_EQ(openEditor(), editor);
    EXPECT_FALSE(editor->textEdit()->toPlainText().contains(QStringLiteral("Peti")));
    EXPECT_TRUE(editor->isModified());
}

TEST_F(TextEditorTest, AFileThatCannotBeReadIsReported) {
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("Cijena.txt")));
    answers.push(QStringLiteral("U redu"));
    EXPECT_EQ(TextEditor::open(path()), nullptr);
    ASSERT_EQ(answers.texts.size(), 1);
    EXPECT_TRUE(answers.texts[0].startsWith(QStringLiteral("Datoteku Cijena.txt nije moguće")));
}

TEST_F(TextEditorTest, ALargeFileIsReadWhileTheWindowAnswersAndThenEqualsTheFile) {
    const QByteArray bytes = largeFile();
    writeFile(bytes);
    TextEditor* editor = TextEditor::open(path());
    ASSERT_NE(editor, nullptr);
    // A timer of the window's own event loop sees the progress grow while the file is read.
    std::set<int> progress;
    bool editable = false;
    QTimer probe;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        if (!editor->isLoading())
            return;
        progress.insert(editor->loadProgress()->value());
        editable = editable || !editor->textEdit()->isReadOnly();
    });
    probe.start(1);
    ASSERT_TRUE(loaded(editor));
    progress.erase(0);
    EXPECT_GE(progress.size(), 3U);
    EXPECT_FALSE(editable);

    EXPECT_FALSE(editor->textEdit()->isReadOnly());
    EXPECT_FALSE(editor->loadProgress()->isVisible());
    EXPECT_FALSE(editor->isModified());
    EXPECT_EQ(editor->textEdit()->toPlainText(),
              QString::fromStdString(system::decodeCp1250(bytes.toStdString()))
                  .replace(QLatin1Char('\r'), QLatin1Char('\n')));
}

TEST_F(TextEditorTest, CancellingTheLoadClosesTheEditorAndLeavesTheFile) {
    writeFile(largeFile());
    const QByteArray before = bytesOnDisk();
    QPointer<TextEditor> editor = TextEditor::open(path());
    ASSERT_NE(editor, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return editor->loadProgress()->value() > 0; }));
    ASSERT_TRUE(editor->isLoading());
    EXPECT_FALSE(editor->save()); // part of a file is never saved

    QTest::mouseClick(editor->findChild<QPushButton*>(QStringLiteral("cmdOdustani")),
                      Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(editor.isNull());
    EXPECT_EQ(bytesOnDisk(), before);
}

} // namespace
} // namespace tarvel::ui
