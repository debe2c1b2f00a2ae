// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <memory>

#include "ui/icons.h"

// What every window's builder does to the widgets that uic made.
namespace tarvel::ui {

// A dialog of the main window: no help button in its title bar, the program's icon.
template <typename Ui> std::unique_ptr<QDialog> buildDialog(Ui& ui) {
    auto dialog = std::make_unique<QDialog>();
    ui.setupUi(dialog.get());
    dialog->setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    dialog->setWindowIcon(applicationIcon());
    return dialog;
}

// uic names the widget of the array element "lblPt(0)" "lblPt_0_"; the binder wants the name
// the window model gives the control.
void restoreArrayNames(QWidget& root);

} // namespace tarvel::ui
