// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <memory>

// The widgets of the small dialogs of the main window, built from their .ui files, not yet
// bound: the exchange-rate and tax-rate dialogs and the about box.
namespace tarvel::ui {

std::unique_ptr<QWidget> buildFrmKurs();
std::unique_ptr<QWidget> buildFrmStopa();
std::unique_ptr<QWidget> buildFrmAbout();

} // namespace tarvel::ui
