// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <memory>

namespace tarvel::forms {
class Form;
}

// The widgets of the deviations dialog and of the discount dialog, built from their .ui
// files, not yet bound.
namespace tarvel::ui {

// The deviations dialog laid out for the service its model was set up for: moved controls on
// their rows, the note where the service wants it. The rows are wide enough for the longest
// caption of any service, so every service's dialog has the same size.
std::unique_ptr<QWidget> buildFrmOdstup(const forms::Form* model);
std::unique_ptr<QWidget> buildFrmPopust();

} // namespace tarvel::ui
