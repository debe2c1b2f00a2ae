// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>
#include <string>

// The program's pictures: the application icon from resources/tarvel.svg (the file installed as
// the desktop's icon), and the toolbar images and the picture of the main window, drawn once
// when the program is built (tools/picturegen) at 100 % and 200 %, so that the program only
// loads them.
namespace tarvel::ui {

QIcon applicationIcon();

// The image of a toolbar button by its key, with its greyed look for a disabled button; a null
// icon for a key that has no image.
QIcon toolbarIcon(const std::string& key);

// The picture of the main window's picture area, `size` in logical pixels (260 × 200, or 96 × 80
// in the deviations dialog), for a screen of `devicePixelRatio`.
QPixmap buildingPicture(const QSize& size, qreal devicePixelRatio);

} // namespace tarvel::ui
