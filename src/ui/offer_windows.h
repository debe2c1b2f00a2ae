// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <memory>

namespace tarvel::ui {

// The offer composer, built from its .ui file, not yet bound.
std::unique_ptr<QWidget> buildFrmPonuda();

} // namespace tarvel::ui
