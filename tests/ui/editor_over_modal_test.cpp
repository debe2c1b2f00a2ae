// SPDX-License-Identifier: GPL-3.0-or-later
// What a modal window opens is usable at once: the text editor that "Provjera ponude" of the
// offer composer opens takes the keys and the mouse, and the composer goes on afterwards. The
// events go in through the windows, as the system delivers them, so that Qt's blocking of
// windows behind a modal one applies.
#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolBar>
#include <QWindow>

#include "main_window_fixture.h"
#include "offer/frm_ponuda.h"
#include "ui/text_editor.h"

namespace tarvel::ui {
namespace {

TextEditor* openEditor() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* editor = qobject_cast<TextEditor*>(w); editor && editor->isVisible())
            return editor;
    }
    return nullptr;
}

// A click at the middle of a widget, sent to its window.
void clickThroughWindow(QWidget& w, QPoint at = {}) {
    QWidget* top = w.window();
    const QPoint local = at.isNull() ? w.rect().center() : at;
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, w.mapTo(top, local));
}

class EditorOverModalTest : public MainWindowTest {};

TEST_F(EditorOverModalTest, OfferCheckOpensAnEditorThatTakesInputAboveTheComposer) {
    computeExample();
    // Fifty lines of offer, so that the editor has something to scroll.
    std::string offer;
    for (int i = 1; i <= 50; ++i)
        offer += "   redak ponude " + std::to_string(i) + "\r\n";
    bool ran = false;
    QTimer::singleShot(0, [&] {
        QWidget* composer = windows_.window("frmPonuda");
        ASSERT_NE(composer, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(composer));
        ASSERT_EQ(QApplication::activeModalWidget(), composer);
        auto& model = static_cast<offer::FrmPonuda&>(*calculator_.loaded("frmPonuda"));
        calculator_.state().ZadnjaPonuda = offer;
        model.lblUkupno->setCaption("25.000,00");
        auto* check = composer->findChild<QPushButton*>(QStringLiteral("cmdPonuda"));
        for (int round = 0; round < 2; ++round) {
            SCOPED_TRACE(round);
            clickThroughWindow(*check);
            TextEditor* editor = openEditor();
            ASSERT_NE(editor, nullptr);
            ASSERT_TRUE(QTest::qWaitForWindowExposed(editor));
            // Tied to the composer, the window system keeps it above.
            EXPECT_EQ(editor->windowHandle()->transientParent(), composer->windowHandle());
            QTRY_VERIFY(!editor->isLoading());
            QPlainTextEdit* text = editor->textEdit();
            const QString before = text->toPlainText();
            ASSERT_TRUE(before.contains(QStringLiteral("redak ponude 50")));
            // Typing reaches the text.
            clickThroughWindow(*text, QPoint(20, 10));
            for (const char c : {'a', 'b', 'c'})
                QTest::keyClick(editor->windowHandle(), c);
            EXPECT_NE(text->toPlainText().toStdString(), before.toStdString());
            EXPECT_TRUE(text->toPlainText().contains(QStringLiteral("abc")));
            // A click into the scroll bar's track below its handle scrolls a page down.
            QScrollBar* bar = text->verticalScrollBar();
            ASSERT_TRUE(bar->isVisible());
            const int top = bar->value();
            clickThroughWindow(*bar, QPoint(bar->width() / 2, bar->height() - bar->width() * 2));
            EXPECT_GT(bar->value(), top);
            // Closing without keeping the typing.
            text->document()->setModified(false);
            editor->close();
            QTRY_COMPARE(openEditor(), nullptr);
        }
        // The composer answers again: its "Odustajem" closes it.
        clickThroughWindow(*composer->findChild<QPushButton*>(QStringLiteral("cmdOdustajem")));
        ran = true;
    });
    const auto toolbar = [&](const char* key) {
        for (QAction* a : widget<QToolBar>("tlb1")->actions()) {
            if (a->data().toString() == QLatin1String(key))
                return a;
        }
        return static_cast<QAction*>(nullptr);
    };
    // The highest fee is chosen for a building the estimator has valued, and the offer
    // composer opens with it.
    calculator_.state().VrijednostGradjevine = 370000;
    toolbar("Max")->trigger();
    toolbar("Ponuda")->trigger();
    EXPECT_TRUE(ran);
    EXPECT_EQ(calculator_.loaded("frmPonuda"), nullptr);
}

} // namespace
} // namespace tarvel::ui
