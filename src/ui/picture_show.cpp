// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/picture_show.h"

#include <QPainter>
#include <algorithm>

namespace tarvel::ui {

namespace {

using calculator::FrmGl;

// The show's coordinates are twips; a logical pixel is 15 twips.
constexpr double kTwipsPerPixel = 15.0;

// The middle of the five centres, which goes to the middle of the anchor.
QPointF middleOfCentres() {
    const auto& centres = FrmGl::kPictureShowCentres;
    const auto [left, right] = std::minmax_element(
        centres.begin(), centres.end(), [](const auto& a, const auto& b) { return a.x < b.x; });
    const auto [top, bottom] = std::minmax_element(
        centres.begin(), centres.end(), [](const auto& a, const auto& b) { return a.y < b.y; });
    return {(left->x + right->x) / 2.0, (top->y + bottom->y) / 2.0};
}

} // namespace

PictureShowOverlay::PictureShowOverlay(QWidget& body, QWidget& anchor)
    : QWidget(&body), anchor_(anchor) {
    setObjectName(QStringLiteral("circlesOverlay"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void PictureShowOverlay::showModel(const forms::Form& form) {
    const auto* main = dynamic_cast<const FrmGl*>(&form);
    if (!main)
        return;
    const FrmGl::PictureShow now = main->pictureShow;
    if (now.pass == shown_.pass && now.radius == shown_.radius)
        return;
    shown_ = now;
    if (shown_.radius <= 0) {
        hide();
        return;
    }
    if (QWidget* body = parentWidget(); body && geometry() != body->rect())
        setGeometry(body->rect());
    if (isHidden()) {
        raise();
        show();
    }
    repaint();
}

QPointF PictureShowOverlay::centreAt(const FrmGl::ShowCentre& centre) const {
    const QPointF anchor = QPointF(anchor_.mapTo(window(), anchor_.rect().center())) -
                           QPointF(mapTo(window(), QPoint(0, 0)));
    const QPointF middle = middleOfCentres();
    return anchor + QPointF((centre.x - middle.x()) / kTwipsPerPixel,
                            (centre.y - middle.y()) / kTwipsPerPixel);
}

void PictureShowOverlay::paintEvent(QPaintEvent*) {
    if (shown_.radius <= 0)
        return;
    QPainter p(this);
    for (size_t i = 0; i < FrmGl::kPictureShowCentres.size(); ++i) {
        const forms::Color c = FrmGl::pictureShowColour(shown_.pass, static_cast<int>(i));
        p.setPen(QPen(QColor(c.r, c.g, c.b), 0));
        const QPointF centre = centreAt(FrmGl::kPictureShowCentres[i]);
        for (int radius = 1; radius <= shown_.radius; radius += FrmGl::kPictureShowStep) {
            const double r = radius / kTwipsPerPixel;
            p.drawEllipse(centre, r, r);
        }
    }
}

} // namespace tarvel::ui
