// SPDX-License-Identifier: GPL-3.0-or-later
// The main window on real widgets, offscreen: what a user does with the mouse and the keys
// reaches the model through the binder, and the widgets show what the model holds.
#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

#include "calculator/calculator.h"
#include "calculator/frm_gl.h"
#include "main_window_fixture.h"
#include "program/program.h"
#include "ui/binder.h"
#include "ui/calculator_windows.h"
#include "ui/windows.h"

namespace tarvel::ui {
namespace {

TEST(MainWindowNames, EveryControlHasItsWidgetAndEveryNamedWidgetItsControl) {
    QTemporaryDir directory;
    TestPlatform platform(directory.path().toStdString());
    program::Program calculator(platform);
    const std::unique_ptr<QWidget> window = buildFrmGl();
    const auto mismatches = nameMismatches(calculator.frmGl(), *window);
    for (const std::string& m : mismatches)
        ADD_FAILURE() << m;
    // A separator shows its line only: a text would be drawn beside it.
    for (const QAction* action : window->findChildren<QAction*>()) {
        if (action->isSeparator()) {
            EXPECT_TRUE(action->text().isEmpty()) << action->objectName().toStdString();
        }
    }

    // The check itself finds a stray widget, a missing one and one of the wrong kind.
    QWidget* frame = window->findChild<QWidget*>(QStringLiteral("fraSve"));
    (new QLabel(frame))->setObjectName(QStringLiteral("lblNikoga"));
    delete window->findChild<QWidget*>(QStringLiteral("lblTekst"));
    window->findChild<QWidget*>(QStringLiteral("txtNaziv"))->setObjectName(QStringLiteral("x"));
    (new QLabel(frame))->setObjectName(QStringLiteral("txtNaziv"));
    const auto found = nameMismatches(calculator.frmGl(), *window);
    const auto has = [&](const std::string& text) {
        return std::find(found.begin(), found.end(), text) != found.end();
    };
    EXPECT_TRUE(has("widget lblNikoga has no control"));
    EXPECT_TRUE(has("control lblTekst has no widget"));
    EXPECT_TRUE(has("widget txtNaziv is a QLabel, wrong for its control"));
}

TEST_F(MainWindowTest, AKeyTheFilterDropsBeepsAndNeverReachesTheBox) {
    chooseFromMenu("mnuA", "mnuAvisoko");
    QTest::keyClicks(widget("txtInvest"), QStringLiteral("12a,5"));
    EXPECT_EQ(widget<QLineEdit>("txtInvest")->text(), QStringLiteral("12,5"));
    EXPECT_EQ(control("txtInvest").text(), "12,5");
    EXPECT_EQ(platform_.beeps, 1);

    // Editing keys go through the model too, and the widget's caret follows the model's.
    QTest::keyClick(widget("txtInvest"), Qt::Key_Left);
    QTest::keyClick(widget("txtInvest"), Qt::Key_Backspace);
    EXPECT_EQ(widget<QLineEdit>("txtInvest")->text(), QStringLiteral("125"));
    EXPECT_EQ(widget<QLineEdit>("txtInvest")->cursorPosition(), 2);
    EXPECT_EQ(control("txtInvest").selStart(), 2);
}

TEST_F(MainWindowTest, FocusTheModelMovesRunsItsHandlersOnce) {
    int gotFocus = 0;
    forms::Control& invest = control("txtInvest");
    invest.onGotFocus = [&, handler = invest.onGotFocus] {
        ++gotFocus;
        handler();
    };
    // Clicking into the name box runs its got-focus handler, which selects the whole text.
    QTest::mouseClick(widget("txtNaziv"), Qt::LeftButton);
    EXPECT_EQ(widget<QLineEdit>("txtNaziv")->selectedText(), QStringLiteral("NAZIV GRAĐEVINE"));
    // The service moves the focus to the value box itself; the widget follows, once.
    chooseFromMenu("mnuA", "mnuAvisoko");
    EXPECT_EQ(gotFocus, 1);
    EXPECT_EQ(QApplication::focusWidget(), widget("txtInvest"));
    // Clicking into the box that has the focus changes nothing.
    QTest::mouseClick(widget("txtInvest"), Qt::LeftButton);
    EXPECT_EQ(gotFocus, 1);
}

TEST_F(MainWindowTest, ToolbarHasEveryPositionWithPicturesAndStates) {
    auto* bar = widget<QToolBar>("tlb1");
    const auto& model = static_cast<const forms::Toolbar&>(control("tlb1"));
    ASSERT_EQ(bar->actions().size(), static_cast<qsizetype>(model.buttons().size()));
    for (int i = 0; i < bar->actions().size(); ++i) {
        const forms::ToolbarButton& b = model.buttons()[static_cast<size_t>(i)];
        QAction* a = bar->actions()[i];
        switch (b.kind) {
        case forms::ToolbarItemKind::Separator:
            EXPECT_TRUE(a->isSeparator()) << i;
            break;
        case forms::ToolbarItemKind::Placeholder:
            EXPECT_GT(bar->widgetForAction(a)->width(), 0) << i;
            break;
        case forms::ToolbarItemKind::Button:
            EXPECT_EQ(a->toolTip().toStdString(), b.toolTip);
            EXPECT_FALSE(a->icon().pixmap(24, 24).isNull()) << b.key;
            EXPECT_EQ(a->isEnabled(), b.enabled) << b.key;
            break;
        }
    }
    EXPECT_FALSE(bar->actions()[0]->isEnabled()); // "Cijena" waits for a service
}

TEST_F(MainWindowTest, ToolbarStyleSwitchTogglesTheFlatLook) {
    auto* bar = widget<QToolBar>("tlb1");
    auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(bar->actions()[0]));
    auto* item = window_->findChild<QAction*>(QStringLiteral("mnuPIE5"));
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(button->autoRaise());
    EXPECT_TRUE(item->isChecked());

    chooseFromMenu("mnuP", "mnuPIE5");
    EXPECT_FALSE(button->autoRaise());
    EXPECT_FALSE(item->isChecked());

    chooseFromMenu("mnuP", "mnuPIE5");
    EXPECT_TRUE(button->autoRaise());
}

TEST_F(MainWindowTest, PlacedCentredWithItsTopAt2100Twips) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(window_->y(), 140);
    EXPECT_LE(std::abs(window_->x() + window_->width() / 2 - screen.center().x()), 1);
    EXPECT_EQ(window_->windowTitle(), QStringLiteral(" TARVEL USLUGA VESTRAN  v. 2.0"));
}

TEST_F(MainWindowTest, AmountColumnsLineUpAndNoTextIsCutOff) {
    computeExample();
    const auto right = [&](const char* name) {
        QWidget* w = widget(name);
        return w->mapTo(window_, QPoint(w->width(), 0)).x();
    };
    EXPECT_EQ(right("lblFc1"), right("lblFcmin"));
    EXPECT_EQ(right("lblFc1"), right("lblSumamin"));
    EXPECT_EQ(right("lblFc8m"), right("lblFcmax"));
    EXPECT_EQ(right("lblFc8m"), right("lblSumamax"));
    EXPECT_EQ(right("lblC5"), right("lblOdabr"));
    EXPECT_EQ(right("lblC5"), right("lblOdabir"));
    EXPECT_EQ(right("lblF3"), right("Label1"));
    for (QLabel* label : window_->findChildren<QLabel*>()) {
        if (label->isVisible() && !label->text().isEmpty()) {
            EXPECT_LE(label->sizeHint().width(), label->width())
                << label->objectName().toStdString();
        }
    }
    // The longest title and phase captions fit as well.
    chooseFromMenu("mnuPp", "mnuAPp");
    chooseFromMenu("mnuT", "mnuTakust");
    for (QLabel* label : window_->findChildren<QLabel*>()) {
        if (label->isVisible() && !label->text().isEmpty()) {
            EXPECT_LE(label->sizeHint().width(), label->width())
                << label->objectName().toStdString();
        }
    }
}

TEST_F(MainWindowTest, ClosingTheWindowEndsTheProgram) {
    window_->close();
    EXPECT_TRUE(calculator_.ended());
    EXPECT_EQ(ended_, 1);
    EXPECT_EQ(windows_.window("frmGl"), nullptr);
}

} // namespace
} // namespace tarvel::ui

namespace tarvel::ui {
namespace {

// A small dialog model: its button hides or unloads it.
class FrmProba : public forms::Form {
public:
    FrmProba(forms::Application& app, bool unloads) : forms::Form(app, "frmProba") {
        cmdOk = &add("cmdOk", forms::ControlKind::CommandButton);
        cmdOk->setCaption("&U redu");
        cmdOk->onClick = [this, unloads] {
            unloads ? unload() : hide();
        };
    }
    forms::Control* cmdOk;
};

std::unique_ptr<QWidget> buildProba() {
    auto dialog = std::make_unique<QWidget>();
    (new QPushButton(dialog.get()))->setObjectName(QStringLiteral("cmdOk"));
    return dialog;
}

class ModalWindowTest : public ::testing::TestWithParam<bool> {};

TEST_P(ModalWindowTest, ShowingModallyReturnsOnceTheModelLetsGo) {
    const bool unloads = GetParam();
    QTemporaryDir directory;
    TestPlatform platform(directory.path().toStdString());
    forms::Application app(platform);
    app.registerForm("frmProba", [unloads](forms::Application& a) {
        return std::make_unique<FrmProba>(a, unloads);
    });
    Windows windows(app);
    windows.registerWindow("frmProba", buildProba);
    platform.setWindows(&windows);

    forms::Form& form = app.load("frmProba");
    bool clicked = false;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = windows.window("frmProba");
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(dialog->windowModality(), Qt::ApplicationModal);
        auto* button = dialog->findChild<QPushButton*>(QStringLiteral("cmdOk"));
        EXPECT_EQ(button->text(), QStringLiteral("&U redu"));
        QTest::mouseClick(button, Qt::LeftButton);
        clicked = true;
    });
    form.showModal();
    EXPECT_TRUE(clicked);
    if (unloads) {
        EXPECT_EQ(app.loaded("frmProba"), nullptr);
        EXPECT_EQ(windows.window("frmProba"), nullptr);
    } else {
        EXPECT_FALSE(windows.window("frmProba")->isVisible());
    }
}

INSTANTIATE_TEST_SUITE_P(HiddenOrUnloaded, ModalWindowTest, ::testing::Bool());

} // namespace
} // namespace tarvel::ui
