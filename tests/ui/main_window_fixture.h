// SPDX-License-Identifier: GPL-3.0-or-later
// The main window shown offscreen on its real widgets, with the helpers its tests share.
#pragma once

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "calculator/calculator.h"
#include "calculator/frm_gl.h"
#include "program/program.h"
#include "test_platform.h"
#include "ui/calculator_windows.h"
#include "ui/windows.h"

namespace tarvel::ui {

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() : platform_(directory_.path().toStdString()), calculator_(platform_) {
        registerCalculatorWindows(windows_);
        platform_.setWindows(&windows_);
        windows_.onEnded = [this] {
            ++ended_;
        };
        calculator_.start();
        windows_.sync();
        window_ = windows_.window("frmGl");
        window_->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window_));
    }

    template <typename T = QWidget> T* widget(const char* name) {
        T* w = window_->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QString text(const char* name) { return widget<QLabel>(name)->text(); }
    QLineEdit* box(const char* name) { return widget<QLineEdit>(name); }
    calculator::FrmGl& model() { return calculator_.frmGl(); }
    forms::Control& control(const char* name) { return *model().find(name); }

    // Opens a top-level menu of the menu bar with the mouse and clicks one of its items.
    void chooseFromMenu(const char* menu, const char* item) {
        auto* bar = widget<QMenuBar>("menubar");
        QMenu* top = widget<QMenu>(menu);
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(top->menuAction()).center());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(top));
        auto* action = window_->findChild<QAction*>(QString::fromLatin1(item));
        ASSERT_NE(action, nullptr);
        QTest::mouseClick(top, Qt::LeftButton, {}, top->actionGeometry(action).center());
        EXPECT_FALSE(top->isVisible());
    }

    // The building service "Projekti građevina" at 370.000,00 kn, category II.
    void computeExample() {
        chooseFromMenu("mnuA", "mnuAvisoko");
        QTest::keyClicks(box("txtInvest"), QStringLiteral("370000"));
        QTest::mouseClick(widget("optK2"), Qt::LeftButton);
        ASSERT_EQ(text("lblSumamin"), QStringLiteral("13.135,00"));
    }

    // Where a widget is in the window, once the layouts have done their work.
    QRect placeOf(const char* name) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QWidget* w = widget(name);
        return QRect(w->mapTo(window_, QPoint(0, 0)), w->size());
    }

    QImage look(QWidget& w) { return w.grab().toImage(); }

    QTemporaryDir directory_;
    TestPlatform platform_;
    program::Program calculator_;
    Windows windows_{calculator_};
    QWidget* window_ = nullptr;
    int ended_ = 0;
};

} // namespace tarvel::ui
