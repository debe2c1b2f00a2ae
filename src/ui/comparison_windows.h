// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <memory>

namespace tarvel::ui {

// The comparison window's widgets, built from frm_usporedba.ui, not yet bound: the table, the
// phases and the chart of fee against value. It carries out its model's requests to copy the
// table to the clipboard.
std::unique_ptr<QWidget> buildFrmUsporedba();

} // namespace tarvel::ui
