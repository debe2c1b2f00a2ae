// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window_stacking.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

namespace tarvel::ui {

QWidget* ownerWindow() {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

void showOverOwner(QWidget& window) {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == &window)
        modal = nullptr;
    // Qt blocks every window but the modal one and those it is the transient parent of; the
    // window system keeps such a window above its parent.
    window.winId();
    if (QWindow* handle = window.windowHandle())
        handle->setTransientParent(modal ? modal->window()->windowHandle() : nullptr);
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace tarvel::ui
