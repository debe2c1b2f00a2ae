// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as a user meets it, on real widgets offscreen: the categories by keyboard and
// by their captions, one highlight at a time, the rate box, a layout that stays put, the
// keypad's decimal key, the mnemonics, the desired-price dialog and the picture show.
#include <QAction>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <gtest/gtest.h>

#include "calculator/calculator.h"
#include "calculator/frm_gl.h"
#include "main_window_fixture.h"
#include "program/program.h"
#include "ui/binder.h"
#include "ui/calculator_windows.h"
#include "ui/picture_show.h"
#include "ui/windows.h"

namespace tarvel::ui {
namespace {

TEST_F(MainWindowTest, CategoryCaptionsSelectTheirCategoryAndShowTheFocus) {
    chooseFromMenu("mnuA", "mnuAvisoko");
    QTest::keyClicks(box("txtInvest"), QStringLiteral("370000"));
    auto* four = widget<QRadioButton>("optK4");
    const QImage unfocused = look(*four);
    // The caption "IV" is clicked, not its circle.
    QTest::mouseClick(widget("lpb4"), Qt::LeftButton);
    EXPECT_TRUE(four->isChecked());
    EXPECT_EQ(model().optK[4]->value(), 1);
    EXPECT_EQ(widget<QLabel>("lblSumamin")->text(),
              QString::fromStdString(model().lblSumamin->caption()));
    EXPECT_NE(model().lblSumamin->caption(), "");
    // The option has the focus and shows it, though no Qt focus key moved it there.
    EXPECT_EQ(model().focused(), model().optK[4]);
    EXPECT_TRUE(four->hasFocus());
    EXPECT_NE(look(*four), unfocused);
    EXPECT_TRUE(platform_.messages.empty());
}

TEST_F(MainWindowTest, DisabledCategoriesGreyTheirCaptionsAndIgnoreClicksOnThem) {
    // "Vodovod i kanalizacija" offers the categories I to III only.
    chooseFromMenu("mnuG", "mnuGvoda");
    QTest::keyClicks(box("txtInvest"), QStringLiteral("370000"));
    const auto ink = [&](const char* name) {
        return widget(name)->palette().color(QPalette::Active, QPalette::WindowText);
    };
    const QColor grey = widget("lblO3")->palette().color(QPalette::Disabled, QPalette::WindowText);
    for (const char* name : {"optK4", "optK5"})
        EXPECT_FALSE(widget(name)->isEnabled()) << name;
    EXPECT_TRUE(widget("optK3")->isEnabled());
    EXPECT_EQ(ink("lpb4"), grey);
    EXPECT_EQ(ink("lbl5"), grey);
    EXPECT_NE(ink("lblO3"), grey);
    QTest::mouseClick(widget("lbl5"), Qt::LeftButton);
    EXPECT_EQ(model().optK[5]->value(), 0);
    EXPECT_TRUE(platform_.messages.empty());
    // A service with all five categories gives the captions back their ink.
    chooseFromMenu("mnuA", "mnuAvisoko");
    EXPECT_EQ(ink("lbl5"), ink("lblO3"));
}

TEST_F(MainWindowTest, OnlyTheBoxWithTheFocusShowsItsSelection) {
    // The name box selects its text when it gets the focus.
    QTest::mouseClick(box("txtNaziv"), Qt::LeftButton);
    EXPECT_TRUE(box("txtNaziv")->hasSelectedText());
    chooseFromMenu("mnuA", "mnuAvisoko");
    EXPECT_TRUE(box("txtInvest")->hasFocus());
    EXPECT_FALSE(box("txtNaziv")->hasSelectedText());
    // The model keeps the name box's selection for when it comes back.
    QTest::mouseClick(box("txtNaziv"), Qt::LeftButton);
    EXPECT_EQ(box("txtNaziv")->selectedText(), QStringLiteral("NAZIV GRAĐEVINE"));
    QTest::mouseClick(box("txtPopust"), Qt::LeftButton);
    EXPECT_FALSE(box("txtNaziv")->hasSelectedText());
    EXPECT_FALSE(box("txtKurs")->hasSelectedText());
}

TEST_F(MainWindowTest, TheRateBoxLooksReadOnlyAndTabPassesOverIt) {
    QLineEdit* rate = box("txtKurs");
    EXPECT_TRUE(rate->isReadOnly());
    EXPECT_EQ(rate->palette().color(QPalette::Base), rate->palette().color(QPalette::Window));
    EXPECT_NE(box("txtPopust")->palette().color(QPalette::Base),
              rate->palette().color(QPalette::Window));
    computeExample();
    QTest::mouseClick(box("txtInvest"), Qt::LeftButton);
    ASSERT_EQ(model().focused(), model().txtInvest);
    QTest::keyClick(box("txtInvest"), Qt::Key_Tab);
    EXPECT_EQ(model().focused(), model().txtPopust);
    EXPECT_TRUE(box("txtPopust")->hasFocus());
    QTest::keyClick(box("txtPopust"), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(model().focused(), model().txtInvest);
}

TEST_F(MainWindowTest, LayoutStaysPutFromServiceToService) {
    computeExample();
    const QRect results = placeOf("resultsPanel");
    const QRect name = placeOf("txtNaziv");
    const int gap = placeOf("lblFc1").left() - placeOf("lblP1").right();
    // Soil mechanics: three phases with long captions, the others hidden; then a plan.
    for (const char* item : {"mnuGtlo", "mnuAPp"}) {
        SCOPED_TRACE(item);
        if (std::string(item) == "mnuGtlo")
            chooseFromMenu("mnuG", item);
        else
            chooseFromMenu("mnuPp", item);
        QTest::keyClicks(box("txtInvest"), QStringLiteral("370000"));
        QTest::keyClick(box("txtInvest"), Qt::Key_Return);
        if (model().optK[1]->enabled() && model().fraKat->visible())
            QTest::mouseClick(widget("optK1"), Qt::LeftButton);
        EXPECT_EQ(placeOf("resultsPanel"), results);
        EXPECT_EQ(placeOf("txtNaziv"), name);
        // The totals follow the last phase on view, with no band of hidden phases between.
        int lastPhase = 0;
        for (int i = 1; i <= 8; ++i) {
            if (model().chkF[i]->visible())
                lastPhase = i;
        }
        ASSERT_GT(lastPhase, 0);
        ASSERT_LT(lastPhase, 8);
        const QByteArray last = "lblP" + QByteArray::number(lastPhase);
        EXPECT_LT(placeOf("fraUk").top() - placeOf(last.constData()).bottom(),
                  widget("lblP1")->height())
            << "phase " << lastPhase;
    }
    // A wide window gives its width to the margins: names and amounts stay together.
    chooseFromMenu("mnuA", "mnuAvisoko");
    window_->resize(window_->width() + 600, window_->height());
    QTest::qWait(1);
    EXPECT_EQ(placeOf("lblFc1").left() - placeOf("lblP1").right(), gap);
    const QRect panel = placeOf("resultsPanel");
    EXPECT_GT(placeOf("lblP1").left() - panel.left(), 200);
}

TEST_F(MainWindowTest, KeypadDecimalKeyTypesTheDecimalCommaInNumberBoxes) {
    chooseFromMenu("mnuA", "mnuAvisoko");
    QTest::keyClicks(box("txtInvest"), QStringLiteral("250000"));
    QTest::keyClick(box("txtInvest"), Qt::Key_Period, Qt::KeypadModifier);
    QTest::keyClick(box("txtInvest"), Qt::Key_5, Qt::KeypadModifier);
    EXPECT_EQ(box("txtInvest")->text(), QStringLiteral("250000,5"));
    EXPECT_EQ(platform_.beeps, 0);
    // The main keyboard's "." stays the thousands separator.
    QTest::keyClick(box("txtInvest"), Qt::Key_Period);
    EXPECT_EQ(box("txtInvest")->text(), QStringLiteral("250000,5."));
    // A text box types what the key gives.
    QTest::mouseClick(box("txtNaziv"), Qt::LeftButton);
    QTest::keyClick(box("txtNaziv"), Qt::Key_End);
    QTest::keyClick(box("txtNaziv"), Qt::Key_Period, Qt::KeypadModifier);
    EXPECT_EQ(model().txtNaziv->text(), "NAZIV GRAĐEVINE.");
}

TEST_F(MainWindowTest, MnemonicsReachTheBoxesAndCaptionsStayExact) {
    computeExample();
    QTest::keyClick(window_, Qt::Key_U, Qt::AltModifier);
    EXPECT_EQ(model().focused(), model().txtPopust);
    QTest::keyClick(window_, Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(model().focused(), model().txtDodaj);
    QTest::keyClick(window_, Qt::Key_V, Qt::AltModifier);
    EXPECT_EQ(model().focused(), model().txtInvest);
    EXPECT_EQ(withoutMnemonic(widget<QLabel>("lbl6")->text()).toStdString(),
              model().lbl6->caption());
}

TEST_F(MainWindowTest, DesiredPriceDialogSpreadsTheTypedTotalOverThePhases) {
    computeExample();
    bool ran = false;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = windows_.window("frmCijena");
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog));
        EXPECT_EQ(dialog->windowModality(), Qt::ApplicationModal);
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral(" Željena cijena usluge"));
        auto* low = dialog->findChild<QLabel*>(QStringLiteral("lblMin"));
        EXPECT_EQ(low->text(), QStringLiteral("13.135,00"));
        EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("lblMax"))->text(),
                  QStringLiteral("16.206,00"));
        for (const QLabel* label : dialog->findChildren<QLabel*>())
            EXPECT_GE(label->width(), label->sizeHint().width())
                << label->objectName().toStdString();
        auto* price = dialog->findChild<QLineEdit*>(QStringLiteral("txtCijena"));
        QTest::mouseClick(price, Qt::LeftButton);
        QTest::keyClicks(price, QStringLiteral("15000"));
        QTest::keyClick(price, Qt::Key_Period, Qt::KeypadModifier);
        QTest::keyClicks(price, QStringLiteral("5"));
        EXPECT_EQ(price->text(), QStringLiteral("15000,5"));
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdIzlaz")),
                          Qt::LeftButton);
        ran = true;
    });
    auto* bar = widget<QToolBar>("tlb1");
    QAction* odabir = nullptr;
    for (QAction* a : bar->actions()) {
        if (a->data().toString() == QStringLiteral("Odabir"))
            odabir = a;
    }
    ASSERT_NE(odabir, nullptr);
    QTest::mouseClick(bar->widgetForAction(odabir), Qt::LeftButton);
    EXPECT_TRUE(ran);
    EXPECT_EQ(calculator_.loaded("frmCijena"), nullptr);
    EXPECT_EQ(calculator_.state().NapomenaOdabir, "Odabrano 15.000,50 kn");
    EXPECT_NE(model().lblC[5]->caption(), "0");
    EXPECT_EQ(widget<QLabel>("lblC5")->text(), QString::fromStdString(model().lblC[5]->caption()));
    EXPECT_EQ(widget<QLabel>("lblOdabir")->text(),
              QString::fromStdString(model().lblOdabir->caption()));
    EXPECT_TRUE(platform_.messages.empty());
}

TEST(DesiredPriceDialogNames, EveryControlHasItsWidgetAndEveryNamedWidgetItsControl) {
    QTemporaryDir directory;
    TestPlatform platform(directory.path().toStdString());
    program::Program calculator(platform);
    const std::unique_ptr<QWidget> window = buildFrmCijena();
    EXPECT_EQ(window->objectName(), QStringLiteral("frmCijena"));
    for (const std::string& m : nameMismatches(calculator.load("frmCijena"), *window))
        ADD_FAILURE() << m;
}

TEST_F(MainWindowTest, PictureShowDrawsThePassCirclesOnlyWhileItRuns) {
    auto* overlay = window_->findChild<PictureShowOverlay*>();
    ASSERT_NE(overlay, nullptr);
    EXPECT_TRUE(overlay->isHidden());
    EXPECT_TRUE(overlay->testAttribute(Qt::WA_TransparentForMouseEvents));

    using Show = calculator::FrmGl;
    const auto& centre = Show::kPictureShowCentres[0];
    const int lastRadius =
        1 + (Show::kPictureShowRadius - 1) / Show::kPictureShowStep * Show::kPictureShowStep;
    int refreshes = 0, checked = 0, mismatched = 0;
    platform_.onRefresh = [&] {
        const Show::PictureShow now = model().pictureShow;
        if (now.radius == 0)
            return;
        ++refreshes;
        if (overlay->isHidden() || overlay->shown().radius != now.radius ||
            overlay->shown().pass != now.pass)
            ++mismatched;
        if (now.radius != lastRadius)
            return;
        // The outermost circle of the first centre, on its left where no other centre
        // reaches, in the pass's colour; nothing drawn outside it.
        QImage drawn(overlay->size(), QImage::Format_ARGB32_Premultiplied);
        drawn.fill(Qt::transparent);
        overlay->render(&drawn, QPoint(), QRegion(), QWidget::DrawChildren);
        const QPointF middle = overlay->centreAt(centre);
        const int y = qRound(middle.y());
        const forms::Color c = Show::pictureShowColour(now.pass, 0);
        bool found = false;
        for (int dx = -1; dx <= 1; ++dx) {
            const int x = qRound(middle.x() - now.radius / 15.0) + dx;
            found = found || drawn.pixelColor(x, y) == QColor(c.r, c.g, c.b);
        }
        EXPECT_TRUE(found) << "pass " << now.pass;
        EXPECT_EQ(drawn.pixelColor(qRound(middle.x() - now.radius / 15.0) - 4, y).alpha(), 0);
        ++checked;
    };
    // After the first cycle the user presses a key, which ends the show.
    platform_.onEvents = [&] {
        QTest::keyClick(window_, Qt::Key_Escape);
    };
    QTest::mouseClick(widget("lblSlike1"), Qt::LeftButton);
    QTest::mouseClick(widget("lblSlike2"), Qt::LeftButton);

    EXPECT_EQ(refreshes, Show::kPictureShowPasses * (lastRadius / Show::kPictureShowStep + 1));
    EXPECT_EQ(mismatched, 0);
    EXPECT_EQ(checked, Show::kPictureShowPasses);
    // Ended: nothing is drawn and the picture is back.
    EXPECT_EQ(model().pictureShow.radius, 0);
    EXPECT_TRUE(overlay->isHidden());
    EXPECT_TRUE(widget("Frame1")->isVisible());
    EXPECT_FALSE(widget("lblSlike2")->isEnabled());
    EXPECT_TRUE(platform_.messages.empty());
}

} // namespace
} // namespace tarvel::ui
