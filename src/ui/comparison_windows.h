// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <memory>

namespace tarvel::ui {

class Windows;

// The comparison window's widgets, built from frm_usporedba.ui, not yet bound: the table, the
// phases and the chart of fee against value. It carries out its model's requests to copy the
// table to the clipboard.
std::unique_ptr<QWidget> buildFrmUsporedba();

// Registers the comparison window (the main window's model runs its command "Usporedba" by the
// key Ctrl+U, as every toolbar command by its key).
void registerComparisonWindows(Windows& windows);

} // namespace tarvel::ui
