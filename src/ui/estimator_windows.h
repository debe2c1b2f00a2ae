// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <memory>

namespace tarvel::ui {

// The estimator window and the print dialog, built from their .ui files, not yet bound.
std::unique_ptr<QWidget> buildFrmVrijednost();
std::unique_ptr<QWidget> buildFrmIspis();

} // namespace tarvel::ui
