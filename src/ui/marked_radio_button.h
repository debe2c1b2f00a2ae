// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRadioButton>

namespace tarvel::ui {

// An option button whose caption is a label of its own beside it: with no text to frame, it
// marks the focus around its circle, so that a keyboard user sees where the focus is.
class MarkedRadioButton : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tarvel::ui
