// SPDX-License-Identifier: GPL-3.0-or-later
// The exchange-rate and tax-rate dialogs and the about box on real widgets, offscreen: bound by
// name, opened modally over the main window and answered with the mouse and the keys.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "calculator/calculator.h"
#include "calculator/frm_gl.h"
#include "program/program.h"
#include "tarvel_version.h"
#include "test_platform.h"
#include "ui/binder.h"
#include "ui/calculator_windows.h"
#include "ui/dialog_windows.h"
#include "ui/windows.h"

namespace tarvel::ui {
namespace {

// The test platform, which also writes down the addresses it is asked to open.
class DialogPlatform : public TestPlatform {
public:
    using TestPlatform::TestPlatform;
    std::optional<std::string> openAddress(const std::string& address) override {
        opened.push_back(address);
        return std::nullopt;
    }
    std::vector<std::string> opened;
};

TEST(DialogNames, EveryControlHasItsWidgetAndEveryNamedWidgetItsControl) {
    QTemporaryDir directory;
    DialogPlatform platform(directory.path().toStdString());
    program::Program calculator(platform);
    const std::pair<const char*, std::function<std::unique_ptr<QWidget>()>> dialogs[] = {
        {"frmKurs", buildFrmKurs}, {"frmStopa", buildFrmStopa}, {"frmAbout", buildFrmAbout}};
    for (const auto& [name, build] : dialogs) {
        SCOPED_TRACE(name);
        const std::unique_ptr<QWidget> window = build();
        EXPECT_EQ(window->objectName().toStdString(), name);
        for (const std::string& m : nameMismatches(calculator.load(name), *window))
            ADD_FAILURE() << m;
    }
}

class DialogWindowTest : public ::testing::Test {
protected:
    DialogWindowTest() : platform_(directory_.path().toStdString()), calculator_(platform_) {
        registerCalculatorWindows(windows_);
        platform_.setWindows(&windows_);
        calculator_.start();
        windows_.sync();
    }

    // Shows the dialog modally; `user` runs inside its loop with the dialog's window.
    void runModal(const std::string& name, const std::function<void(QWidget&)>& user) {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            QWidget* dialog = windows_.window(name);
            ASSERT_NE(dialog, nullptr);
            EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog));
            EXPECT_EQ(dialog->windowModality(), Qt::ApplicationModal);
            expectNothingCutOff(*dialog);
            user(*dialog);
            ran = true;
            // A dialog that is still open is closed with its close box.
            if (windows_.window(name) && dialog->isVisible())
                dialog->close();
        });
        calculator_.load(name).showModal();
        EXPECT_TRUE(ran);
        EXPECT_EQ(calculator_.loaded(name), nullptr);
        EXPECT_EQ(windows_.window(name), nullptr);
    }

    static void expectNothingCutOff(QWidget& dialog) {
        for (const QLabel* label : dialog.findChildren<QLabel*>()) {
            EXPECT_GE(label->width(), label->sizeHint().width())
                << label->objectName().toStdString();
            EXPECT_GE(label->height(), label->sizeHint().height())
                << label->objectName().toStdString();
        }
        for (const QPushButton* button : dialog.findChildren<QPushButton*>())
            EXPECT_GE(button->width(), button->sizeHint().width());
    }

    template <typename T = QWidget> static T* child(QWidget& dialog, const char* name) {
        T* w = dialog.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    QString mainText(const char* name) {
        return windows_.window("frmGl")->findChild<QLineEdit*>(QString::fromLatin1(name))->text();
    }

    QTemporaryDir directory_;
    DialogPlatform platform_;
    program::Program calculator_;
    Windows windows_{calculator_};
};

TEST_F(DialogWindowTest, RateTypedWithTheKeysReachesTheMainWindow) {
    runModal("frmKurs", [&](QWidget& dialog) {
        EXPECT_EQ(child<QLabel>(dialog, "lblKurs")->text(),
                  QStringLiteral("Upišite tečaj valute koju želite"));
        auto* box = child<QLineEdit>(dialog, "txtUnesiKurs");
        QTest::mouseClick(box, Qt::LeftButton);
        QTest::keyClicks(box, QStringLiteral("7.,5"));
        EXPECT_EQ(box->text(), QStringLiteral("7,5"));
        EXPECT_EQ(platform_.beeps, 1);
        QTest::mouseClick(child(dialog, "cmdUnesi"), Qt::LeftButton);
    });
    EXPECT_EQ(mainText("txtKurs"), QStringLiteral("7,50"));
    EXPECT_TRUE(platform_.messages.empty());
}

TEST_F(DialogWindowTest, TaxDialogShowsTheStoredRateAndItsCloseBoxStoresItAgain) {
    calculator_.state().Stopa = 0.085;
    runModal("frmStopa", [&](QWidget& dialog) {
        EXPECT_EQ(child<QLabel>(dialog, "lblStopa")->text(), QStringLiteral("8,5 %"));
    });
    EXPECT_EQ(platform_.settings().get("ZadnjaStopa", ""), "0,085");
}

TEST_F(DialogWindowTest, AboutBoxAddressesTurnBoldUnderTheMouseAndOpenWhenClicked) {
    runModal("frmAbout", [&](QWidget& dialog) {
        const QString version = QStringLiteral("Verzija %1.%2.%3")
                                    .arg(kVersionMajor)
                                    .arg(kVersionMinor)
                                    .arg(kVersionRevision);
        EXPECT_EQ(child<QLabel>(dialog, "lblVersion")->text(), version);
        auto* email = child<QLabel>(dialog, "lblEmail");
        auto* link = child<QLabel>(dialog, "lblLink");
        EXPECT_EQ(email->text(), QString::fromUtf8(kContactEmail));
        const QRect before = link->geometry();
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(link, &enter);
        EXPECT_TRUE(link->font().bold());
        EXPECT_FALSE(email->font().bold());
        EXPECT_GE(link->width(), link->sizeHint().width());
        EXPECT_EQ(link->geometry().topLeft(), before.topLeft());
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(link, &leave);
        EXPECT_FALSE(link->font().bold());
        QTest::mouseClick(email, Qt::LeftButton);
    });
    EXPECT_EQ(platform_.opened, std::vector<std::string>{std::string("mailto:") + kContactEmail});
    EXPECT_TRUE(platform_.messages.empty());
}

} // namespace
} // namespace tarvel::ui
