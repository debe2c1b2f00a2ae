// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/office_window.h"

#include "ui/window_building.h"
#include "ui_frm_ured.h"

namespace tarvel::ui {

std::unique_ptr<QWidget> buildFrmUred() {
    Ui::FrmUred ui;
    return buildDialog(ui);
}

} // namespace tarvel::ui
