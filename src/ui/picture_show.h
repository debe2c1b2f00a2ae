// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "calculator/frm_gl.h"
#include "ui/model_view.h"

namespace tarvel::ui {

// The picture show of the main window's hot spots, drawn over the window's body: the circles
// of the current pass around the five centres, in the pass's colours, while a show runs.
// Mouse clicks go through it to the widgets below; with no show running it is hidden and
// draws nothing.
class PictureShowOverlay : public QWidget, public ModelView {
    Q_OBJECT

public:
    // Covers `body`; the show is centred on `anchor` (the picture it replaces).
    PictureShowOverlay(QWidget& body, QWidget& anchor);

    // Repaints at once when the model's pass or radius changed: the show runs inside one
    // handler and does not return to the event loop between its circles.
    void showModel(const forms::Form& form) override;

    calculator::FrmGl::PictureShow shown() const { return shown_; }
    // Where a centre of the show (in twips) lies on the overlay, in logical pixels.
    QPointF centreAt(const calculator::FrmGl::ShowCentre& centre) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget& anchor_;
    calculator::FrmGl::PictureShow shown_;
};

} // namespace tarvel::ui
