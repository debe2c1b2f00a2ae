// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <memory>

namespace tarvel::ui {

// The office dialog's widgets (frm_ured.ui), not yet bound.
std::unique_ptr<QWidget> buildFrmUred();

} // namespace tarvel::ui
