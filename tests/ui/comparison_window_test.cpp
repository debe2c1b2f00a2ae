// SPDX-License-Identifier: GPL-3.0-or-later
// The comparison window on real widgets, offscreen: bound by name, opened with Ctrl+U from the
// main window's value box, nothing cut off, the table on the clipboard, and the chart drawn
// and described at single and double scale.
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "calculator/catalogue.h"
#include "comparison/frm_usporedba.h"
#include "main_window_fixture.h"
#include "ui/binder.h"
#include "ui/comparison_windows.h"
#include "ui/fee_chart_view.h"

namespace tarvel::ui {
namespace {

TEST(ComparisonNames, EveryControlHasItsWidgetAndEveryNamedWidgetItsControl) {
    QTemporaryDir directory;
    TestPlatform platform(directory.path().toStdString());
    program::Program calculator(platform);
    calculator.start();
    const std::unique_ptr<QWidget> window = buildFrmUsporedba();
    EXPECT_EQ(window->objectName(), QStringLiteral("frmUsporedba"));
    for (const std::string& m : nameMismatches(calculator.load("frmUsporedba"), *window))
        ADD_FAILURE() << m;
}

// How many pixels of an image are close to a colour.
int pixelsLike(const QImage& image, const QColor& colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                    std::abs(c.blue() - colour.blue()) <
                40)
                ++count;
        }
    }
    return count;
}

class ComparisonWindowTest : public MainWindowTest {
protected:
    // Presses Ctrl+U in the value box; `user` runs inside the comparison's modal loop.
    void compareWithShortcut(const std::function<void(QWidget&)>& user) {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            QWidget* dialog = windows_.window("frmUsporedba");
            ASSERT_NE(dialog, nullptr);
            EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog));
            EXPECT_EQ(dialog->windowModality(), Qt::ApplicationModal);
            user(*dialog);
            ran = true;
            if (windows_.window("frmUsporedba") && dialog->isVisible())
                QTest::keyClick(dialog, Qt::Key_Escape);
        });
        QTest::keyClick(box("txtInvest"), Qt::Key_U, Qt::ControlModifier);
        EXPECT_TRUE(ran);
        EXPECT_EQ(calculator_.loaded("frmUsporedba"), nullptr);
    }
};

TEST_F(ComparisonWindowTest, CtrlUOpensItNothingIsCutOffAndTheTableIsCopied) {
    // Disabled without a value: the keys do nothing, and type nothing either.
    chooseFromMenu("mnuA", "mnuAvisoko");
    QTest::keyClick(box("txtInvest"), Qt::Key_U, Qt::ControlModifier);
    EXPECT_EQ(calculator_.loaded("frmUsporedba"), nullptr);
    EXPECT_EQ(box("txtInvest")->text(), QString());

    QTest::keyClicks(box("txtInvest"), QStringLiteral("30000000"));
    QTest::mouseClick(widget("optK2"), Qt::LeftButton);
    compareWithShortcut([&](QWidget& dialog) {
        for (const QLabel* label : dialog.findChildren<QLabel*>()) {
            if (label->isVisible() && !label->wordWrap()) {
                EXPECT_GE(label->width(), label->sizeHint().width())
                    << label->objectName().toStdString();
            }
        }
        for (const QPushButton* button : dialog.findChildren<QPushButton*>())
            EXPECT_GE(button->width(), button->sizeHint().width());
        // What a screen reader hears: a name of its own for every widget that takes the focus.
        QSet<QString> names;
        for (QWidget* w : dialog.findChildren<QWidget*>()) {
            if (w->focusPolicy() == Qt::NoFocus || !w->isVisibleTo(&dialog))
                continue;
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
            const QString name = iface ? iface->text(QAccessible::Name).trimmed() : QString();
            EXPECT_FALSE(name.isEmpty()) << w->objectName().toStdString();
            EXPECT_FALSE(names.contains(name)) << name.toStdString();
            names.insert(name);
        }
        // Row I is out of tariff at 8 108 108 DM, with the limit it passed.
        const auto text = [&](const char* name) {
            return dialog.findChild<QLabel*>(QString::fromLatin1(name))->text();
        };
        EXPECT_EQ(text("lblKmin(0)"), QStringLiteral("izvan tarife"));
        EXPECT_EQ(text("lblNap(0)"), QStringLiteral("iznad granice stupnja (do 23.310.000,00 kn)"));
        EXPECT_TRUE(dialog.findChild<QLabel*>(QStringLiteral("lblNapomena"))->isVisible());
        EXPECT_FALSE(dialog.findChild<QWidget*>(QStringLiteral("cmdKat(4)"))->isHidden());

        auto* chart = dialog.findChild<FeeChartView*>(QStringLiteral("picGraf"));
        ASSERT_NE(chart, nullptr);
        EXPECT_GE(chart->height(), chart->minimumSizeHint().height());
        EXPECT_TRUE(chart->accessibleDescription().contains(QStringLiteral("Stupanj II")));
        EXPECT_TRUE(chart->accessibleDescription().contains(
            QStringLiteral("granica I kod 23.310.000,00 kn")));

        QGuiApplication::clipboard()->clear();
        QTest::mouseClick(dialog.findChild<QWidget*>(QStringLiteral("cmdKopiraj")), Qt::LeftButton);
        const QString copied = QGuiApplication::clipboard()->text();
        EXPECT_TRUE(copied.startsWith(QStringLiteral("ARHITEKTONSKI PROJEKT GRAĐEVINE\n")));
        EXPECT_TRUE(copied.contains(QStringLiteral("\nII (odabran)\t")));
    });
    // Escape changed nothing in the main window.
    EXPECT_EQ(text("lblSumamin"), QString::fromStdString(model().lblSumamin->caption()));
    EXPECT_EQ(model().optK[2]->value(), 1);
    EXPECT_TRUE(platform_.messages.empty());
}

TEST(FeeChartViewTest, DrawsTheBandAndTheMarksAtSingleAndDoubleScale) {
    QTemporaryDir directory;
    TestPlatform platform(directory.path().toStdString());
    program::Program calculator(platform);
    calculator.start();
    calculator::FrmGl& gl = calculator.frmGl();
    for (const char* menu : {"mnuAvisoko", "mnuAPup1", "mnuNkonz"}) {
        SCOPED_TRACE(menu);
        gl.ApplyEntry(*calculator::findEntry(menu));
        gl.txtInvest->setText(menu == std::string("mnuAPup1") ? "12000" : "3700000");
        const auto inputs = comparison::readMainWindow(gl);
        ASSERT_TRUE(inputs);
        const comparison::Pricing pricing(*inputs);
        FeeChartView view;
        view.showChart(comparison::feeChart(pricing, 1, forms::num(inputs->valueText), 9000));
        EXPECT_FALSE(view.accessibleDescription().isEmpty());
        for (const QSize size : {view.minimumSizeHint(), view.sizeHint()}) {
            for (const qreal scale : {1.0, 2.0}) {
                view.resize(size);
                QImage image(size * scale, QImage::Format_ARGB32);
                image.setDevicePixelRatio(scale);
                view.render(&image);
                EXPECT_GT(pixelsLike(image, QColor(42, 111, 176)), 20 * scale) << scale;
                EXPECT_GT(pixelsLike(image, QColor(30, 130, 70)), 10 * scale) << scale;
            }
        }
    }
}

} // namespace
} // namespace tarvel::ui
