// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/context_menu.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTimer>

#include "ui/binder.h"
#include "ui/qt_text.h"
#include "ui/windows.h"

namespace tarvel::ui {

ContextMenuView::ContextMenuView(QWidget& window, Binder& binder, Windows& windows)
    : QWidget(&window), binder_(&binder), windows_(windows) {
    setObjectName(QStringLiteral("contextMenuView"));
    hide();
    // A right click that no widget takes for itself ends at the window: its controls' labels,
    // frames and boxes leave it to their parents.
    window.installEventFilter(this);
}

forms::Form* ContextMenuView::form() const {
    return binder_ ? binder_->form() : nullptr;
}

bool ContextMenuView::eventFilter(QObject* watched, QEvent* event) {
    forms::Form* form = this->form();
    if (event->type() != QEvent::ContextMenu || !form)
        return false;
    auto* menuEvent = static_cast<QContextMenuEvent*>(event);
    if (menuEvent->reason() != QContextMenuEvent::Mouse)
        return false;
    auto* window = static_cast<QWidget*>(watched);
    forms::Control* control = nullptr;
    for (QWidget* w = window->childAt(menuEvent->pos()); w && w != window && !control;
         w = w->parentWidget())
        control = form->find(w->objectName().toStdString());
    if (!control)
        return false;
    requestedAt_ = menuEvent->globalPos();
    requestedByMouse_ = true;
    windows_.dispatch([form, control] { form->userContextMenu(control); });
    requestedByMouse_ = false;
    return true;
}

void ContextMenuView::showModel(const forms::Form& form) {
    const auto& items = form.contextMenu();
    if (items.empty()) {
        if (menu_ && menu_->isVisible())
            menu_->hide();
        return;
    }
    if (form.contextMenuSerial() == shownSerial_)
        return;
    shownSerial_ = form.contextMenuSerial();
    delete menu_;
    menu_ = new QMenu(this);
    menu_->setObjectName(QStringLiteral("contextMenu"));
    for (const forms::ContextMenuItem& item : items) {
        const std::string caption = item.caption;
        QAction* action = menu_->addAction(toQString(caption));
        connect(action, &QAction::triggered, this, [this, caption] {
            if (forms::Form* model = this->form())
                windows_.dispatch([model, caption] { model->userChooseContextItem(caption); });
        });
    }
    const int serial = shownSerial_;
    // Qt hides the menu before it reports the choice: the model hears of a close without a
    // choice only once the choice had its turn.
    connect(menu_, &QMenu::aboutToHide, this, [this, serial] {
        QTimer::singleShot(0, this, [this, serial] { closedWithoutChoice(serial); });
    });
    QPoint at = requestedAt_;
    if (!requestedByMouse_) {
        QWidget* focus = window()->focusWidget();
        QWidget* anchor = focus ? focus : window();
        at = anchor->mapToGlobal(QPoint(0, anchor->height()));
    }
    menu_->popup(at);
}

void ContextMenuView::closedWithoutChoice(int serial) {
    forms::Form* form = this->form();
    if (!form || form->contextMenu().empty() || form->contextMenuSerial() != serial)
        return;
    windows_.dispatch([form] { form->closeContextMenu(); });
}

} // namespace tarvel::ui
