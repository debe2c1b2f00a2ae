// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawings.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace tarvel::picturegen {

namespace {

const QColor kNavy(31, 78, 121);
const QColor kGold(230, 150, 30);

// A transparent image of `size` logical pixels at `scale` image pixels to one.
QImage emptyImage(const QSize& size, qreal scale) {
    QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    return image;
}

// Draws the house of the main window's picture into `r`.
void drawHouse(QPainter& p, const QRectF& r, const QColor& line, qreal width) {
    QPainterPath path;
    const qreal x0 = r.left(), x1 = r.right(), y0 = r.top(), y1 = r.bottom();
    const qreal eaves = y0 + r.height() * 0.42;
    path.moveTo(x0, eaves);
    path.lineTo((x0 + x1) / 2, y0);
    path.lineTo(x1, eaves);
    path.moveTo(x0 + r.width() * 0.12, eaves - r.height() * 0.06);
    path.lineTo(x0 + r.width() * 0.12, y1);
    path.lineTo(x1 - r.width() * 0.12, y1);
    path.lineTo(x1 - r.width() * 0.12, eaves - r.height() * 0.06);
    p.setPen(QPen(line, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

// The badge every drawn toolbar image stands on: a rounded square in `colour`, grey when
// disabled. Returns the colour to draw on it with.
QColor drawBadge(QPainter& p, const QRectF& r, bool disabled, const QColor& colour) {
    const QColor base = disabled ? QColor(200, 200, 200) : colour;
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0, base.lighter(130));
    fill.setColorAt(1, base);
    p.setPen(QPen(base.darker(disabled ? 110 : 140), 1));
    p.setBrush(fill);
    p.drawRoundedRect(r, r.width() * 0.2, r.height() * 0.2);
    return disabled ? QColor(250, 250, 250) : QColor(Qt::white);
}

// ---- Pictures on a badge (begin) ----
// Commands whose initial would say little ("I" for printing) get a small drawing instead, in
// the badge's ink, drawn into the square `r` (the badge less its border).
// A printer with a sheet going in at the top and one coming out at the front.
void drawPrinter(QPainter& p, const QRectF& r, const QColor& ink) {
    const qreal u = r.width() / 16;
    const qreal line = qMax(1.0, u);
    p.setPen(QPen(ink, line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(r.left() + 5 * u, r.top() + 6.5 * u),
                              QPointF(r.left() + 5 * u, r.top() + 2.5 * u),
                              QPointF(r.left() + 11 * u, r.top() + 2.5 * u),
                              QPointF(r.left() + 11 * u, r.top() + 6.5 * u)}));
    p.drawRoundedRect(QRectF(r.left() + 2.5 * u, r.top() + 6.5 * u, 11 * u, 5 * u), u, u);
    p.setBrush(ink);
    p.drawEllipse(QPointF(r.left() + 11 * u, r.top() + 8.5 * u), 0.6 * u, 0.6 * u);
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(r.left() + 5 * u, r.top() + 11.5 * u),
                              QPointF(r.left() + 5 * u, r.top() + 14 * u),
                              QPointF(r.left() + 11 * u, r.top() + 14 * u),
                              QPointF(r.left() + 11 * u, r.top() + 11.5 * u)}));
}

// A sheet of costs: a page with a folded corner, lines of items and a coin.
void drawCostSheet(QPainter& p, const QRectF& r, const QColor& ink) {
    const qreal u = r.width() / 16;
    const qreal line = qMax(1.0, u);
    p.setPen(QPen(ink, line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath page;
    page.moveTo(r.left() + 3 * u, r.top() + 2 * u);
    page.lineTo(r.left() + 9.5 * u, r.top() + 2 * u);
    page.lineTo(r.left() + 12 * u, r.top() + 4.5 * u);
    page.lineTo(r.left() + 12 * u, r.top() + 14 * u);
    page.lineTo(r.left() + 3 * u, r.top() + 14 * u);
    page.closeSubpath();
    p.drawPath(page);
    for (int row = 0; row < 3; ++row) {
        const qreal y = r.top() + (6 + 2.5 * row) * u;
        p.drawLine(QPointF(r.left() + 5 * u, y), QPointF(r.left() + 9 * u, y));
    }
    p.setBrush(ink);
    p.drawEllipse(QPointF(r.left() + 12 * u, r.top() + 12 * u), 2.5 * u, 2.5 * u);
}

// An open book of instructions.
void drawOpenBook(QPainter& p, const QRectF& r, const QColor& ink) {
    const qreal u = r.width() / 16;
    const qreal line = qMax(1.0, u);
    p.setPen(QPen(ink, line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const QPointF spineTop(r.left() + 8 * u, r.top() + 4.5 * u);
    const QPointF spineBottom(r.left() + 8 * u, r.top() + 13 * u);
    for (const qreal side : {-1.0, 1.0}) {
        QPainterPath leaf;
        leaf.moveTo(spineTop);
        leaf.quadTo(QPointF(r.left() + (8 + side * 3) * u, r.top() + 3 * u),
                    QPointF(r.left() + (8 + side * 6) * u, r.top() + 4 * u));
        leaf.lineTo(QPointF(r.left() + (8 + side * 6) * u, r.top() + 12 * u));
        leaf.quadTo(QPointF(r.left() + (8 + side * 3) * u, r.top() + 11.5 * u), spineBottom);
        p.drawPath(leaf);
        for (int row = 0; row < 2; ++row) {
            const qreal y = r.top() + (7 + 2.5 * row) * u;
            p.drawLine(QPointF(r.left() + (8 + side * 2) * u, y),
                       QPointF(r.left() + (8 + side * 4.5) * u, y));
        }
    }
    p.drawLine(spineTop, spineBottom);
}

// Categories side by side: three columns of rising fees on a base line, the middle one
// marked as chosen.
void drawComparison(QPainter& p, const QRectF& r, const QColor& ink) {
    const qreal u = r.width() / 16;
    const qreal line = qMax(1.0, u);
    p.setPen(QPen(ink, line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(r.left() + 2 * u, r.top() + 13.5 * u),
               QPointF(r.left() + 14 * u, r.top() + 13.5 * u));
    const qreal heights[] = {4.5, 7, 9.5};
    for (int i = 0; i < 3; ++i) {
        const QRectF column(r.left() + (3 + 3.8 * i) * u, r.top() + (12.5 - heights[i]) * u,
                            2.6 * u, heights[i] * u);
        p.setBrush(i == 1 ? QBrush(ink) : QBrush(Qt::NoBrush));
        p.drawRect(column);
    }
    p.setBrush(Qt::NoBrush);
}

} // namespace

// Colours group the commands: computing and prices blue, currency green, records and
// printing slate, deviations orange, value and offer purple, help teal, cancel and exit red.
const ToolbarImage kToolbarImages[] = {
    {"Cijena", "=", 0x2a6fb0},
    {"KN", "kn", 0x2e8b57},
    {"DM", "DM", 0x2e8b57},
    {"EUR", "€", 0x2e8b57},
    {"Kurs", "⇄", 0x2e8b57},
    {"Min", "min", 0x2a6fb0},
    {"Max", "max", 0x2a6fb0},
    {"Odabir", "≈", 0x2a6fb0},
    {"Usporedba", "U", 0x2a6fb0, drawComparison},
    {"Pohrani", "↓", 0x4f6475},
    {"Note", "≡", 0x4f6475},
    {"Ispis", "I", 0x4f6475, drawPrinter},
    {"Odstup", "+", 0xd2691e},
    {"Odstupminus", "−", 0xd2691e},
    {"Vrijednost", "⌂", 0x7b4fa0},
    {"Ponuda", "✉", 0x7b4fa0},
    {"Pvidi", "▤", 0x7b4fa0},
    {"Ponisti", "✕", 0xb22222},
    {"Ptarvel", "?", 0x1f8a8a},
    {"Ptroskovi", "T", 0x1f8a8a, drawCostSheet},
    {"Pupute", "U", 0x1f8a8a, drawOpenBook},
    {"Izlaz", "⇥", 0xb22222},
    {"Dokument", "PDF", 0x4f6475},
};

std::span<const ToolbarImage> toolbarImages() {
    return kToolbarImages;
}

QImage drawToolbarImage(const ToolbarImage& image, int side, qreal scale, bool disabled) {
    QImage pm = emptyImage(QSize(side, side), scale);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF r = QRectF(0, 0, side, side).adjusted(1, 1, -1, -1);
    const QColor ink = drawBadge(p, r, disabled, QColor(image.colour));
    if (image.picture) {
        image.picture(p, r, ink);
        return pm;
    }
    const QString glyph = QString::fromUtf8(image.glyph);
    QFont f = QGuiApplication::font();
    f.setBold(true);
    const qreal share = glyph.size() == 1 ? 0.72 : glyph.size() == 2 ? 0.5 : 0.4;
    f.setPixelSize(qMax(4, static_cast<int>(r.height() * share)));
    p.setFont(f);
    p.setPen(ink);
    p.drawText(r, Qt::AlignCenter, glyph);
    return pm;
}

QImage drawBuilding(const QSize& size, qreal scale) {
    QImage pm = emptyImage(size, scale);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(QPointF(0, 0), QSizeF(size));
    // A drawing sheet with a grid, a building elevation and a dimension line.
    p.setPen(QPen(QColor(170, 190, 210), 1));
    p.setBrush(QColor(246, 249, 252));
    p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 6, 6);
    p.setPen(QPen(QColor(222, 230, 238), 1));
    for (qreal x = r.left() + 12; x < r.right() - 4; x += 12)
        p.drawLine(QPointF(x, r.top() + 4), QPointF(x, r.bottom() - 4));
    for (qreal y = r.top() + 12; y < r.bottom() - 4; y += 12)
        p.drawLine(QPointF(r.left() + 4, y), QPointF(r.right() - 4, y));
    const QRectF house(r.left() + r.width() * 0.22, r.top() + r.height() * 0.14, r.width() * 0.56,
                       r.height() * 0.62);
    drawHouse(p, house, kNavy, 3);
    p.setPen(QPen(kNavy, 2));
    const qreal floorY = house.top() + house.height() * 0.62;
    const qreal wallL = house.left() + house.width() * 0.12;
    const qreal wallR = house.right() - house.width() * 0.12;
    p.drawLine(QPointF(wallL, floorY), QPointF(wallR, floorY));
    const qreal w = (wallR - wallL) / 7;
    for (int i = 0; i < 3; ++i)
        p.drawRect(QRectF(wallL + w * (1 + 2 * i), floorY - w * 1.6, w, w * 1.1));
    p.setBrush(kGold);
    p.drawRect(QRectF(wallL + w * 3, house.bottom() - w * 1.6, w, w * 1.6));
    const qreal dimY = house.bottom() + r.height() * 0.1;
    p.setPen(QPen(kGold.darker(120), 1.5));
    p.drawLine(QPointF(wallL, dimY), QPointF(wallR, dimY));
    p.drawLine(QPointF(wallL, dimY - 5), QPointF(wallL, dimY + 5));
    p.drawLine(QPointF(wallR, dimY - 5), QPointF(wallR, dimY + 5));
    return pm;
}

} // namespace tarvel::picturegen
