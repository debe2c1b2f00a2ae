// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures drawn at build time: every toolbar button has its image, sharp at 100 % and 200 %,
// greyed when disabled, and the building picture comes in the sizes the windows show it at.
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "calculator/frm_gl.h"
#include "program/program.h"
#include "test_platform.h"
#include "ui/icons.h"

namespace tarvel::ui {
namespace {

// The share of opaque pixels that are grey.
double greyShare(const QPixmap& pixmap) {
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    int opaque = 0, grey = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() < 255)
                continue;
            ++opaque;
            grey += qAbs(c.red() - c.green()) < 12 && qAbs(c.green() - c.blue()) < 12;
        }
    }
    return opaque ? static_cast<double>(grey) / opaque : 0;
}

TEST(Pictures, EveryToolbarButtonHasItsImageAtBothScales) {
    QTemporaryDir directory;
    TestPlatform platform(directory.path().toStdString());
    program::Program calculator(platform);
    calculator.start();
    int buttons = 0;
    for (const forms::ToolbarButton& button : calculator.frmGl().tlb1->buttons()) {
        if (button.kind != forms::ToolbarItemKind::Button)
            continue;
        ++buttons;
        SCOPED_TRACE(button.key);
        const QIcon icon = toolbarIcon(button.key);
        ASSERT_FALSE(icon.isNull());
        for (const qreal scale : {1.0, 2.0}) {
            const QPixmap normal = icon.pixmap(QSize(24, 24), scale);
            EXPECT_EQ(normal.size(), QSize(24, 24) * scale);
            EXPECT_EQ(normal.devicePixelRatio(), scale);
            EXPECT_LT(greyShare(normal), 0.5);
            EXPECT_GT(greyShare(icon.pixmap(QSize(24, 24), scale, QIcon::Disabled)), 0.9);
        }
    }
    EXPECT_GT(buttons, 15);
    EXPECT_TRUE(toolbarIcon("Nepoznato").isNull());
}

TEST(Pictures, TheBuildingComesInItsSizes) {
    for (const QSize size : {QSize(260, 200), QSize(96, 80)}) {
        for (const qreal scale : {1.0, 2.0, 1.5}) {
            const QPixmap picture = buildingPicture(size, scale);
            EXPECT_EQ(picture.size(), (QSizeF(size) * scale).toSize()) << scale;
            EXPECT_EQ(picture.deviceIndependentSize(), QSizeF(size));
        }
    }
}

} // namespace
} // namespace tarvel::ui
