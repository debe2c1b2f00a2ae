// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <span>

class QPainter;

// The program's drawn pictures: the toolbar's badges and the building of the main window. They
// are drawn once, when the program is built, into the PNG files the program carries.
namespace tarvel::picturegen {

// A small drawing in the badge's ink, drawn into the square `r` (the badge less its border).
using Picture = void (*)(QPainter& p, const QRectF& r, const QColor& ink);

// The image of a toolbar button, by its key: a rounded square in `colour` with `glyph` on it,
// or with `picture` where a glyph would say little ("I" for printing).
struct ToolbarImage {
    const char* key;
    const char* glyph;
    QRgb colour;
    Picture picture = nullptr;
};

std::span<const ToolbarImage> toolbarImages();

// A toolbar image `side` logical pixels square at `scale` image pixels to one; a disabled
// button's badge is grey.
QImage drawToolbarImage(const ToolbarImage& image, int side, qreal scale, bool disabled);

// The main window's picture: a drawing sheet with a grid, a building and a dimension line.
QImage drawBuilding(const QSize& size, qreal scale);

} // namespace tarvel::picturegen
