// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>

#include "ui/model_view.h"

class QMenu;

namespace tarvel::ui {

class Binder;
class Windows;

// Shows the context menu a window model has open as a pop-up menu, and hands what the user
// does with it back to the model: a chosen item, or the menu closed without a choice. A right
// click on a control asks the model for that control's menu; the Menu key and Shift+F10 reach
// the model as keys.
class ContextMenuView : public QWidget, public ModelView {
public:
    ContextMenuView(QWidget& window, Binder& binder, Windows& windows);
    void showModel(const forms::Form& form) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void closedWithoutChoice(int serial);

    // The model window, nullptr once it is gone.
    forms::Form* form() const;

    QPointer<Binder> binder_;
    Windows& windows_;
    QPointer<QMenu> menu_;
    int shownSerial_ = 0;
    // Where the mouse asked for the menu; the focused widget's place when the keys did.
    QPoint requestedAt_;
    bool requestedByMouse_ = false;
};

} // namespace tarvel::ui
