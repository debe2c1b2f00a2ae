// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>
#include <string>

// The program's pictures: the application icon from resources/tarvel.svg (the file installed as
// the desktop's icon), and, drawn in code so that they stay sharp at any scale, the toolbar
// images and the picture of the main window.
namespace tarvel::ui {

QIcon applicationIcon();

// The image of a toolbar button by its key: the desktop theme's icon where one fits, else a
// drawn badge with a short glyph, so that every button has a picture without a theme.
QIcon toolbarIcon(const std::string& key);

// A badge: a rounded square in `colour` with `glyph` on it; greyed when disabled.
QIcon glyphIcon(const QString& glyph, const QColor& colour);

// The picture of the main window's picture area, `size` in logical pixels.
QPixmap buildingPicture(const QSize& size, qreal devicePixelRatio);

} // namespace tarvel::ui
