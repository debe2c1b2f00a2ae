// SPDX-License-Identifier: GPL-3.0-or-later
// The program as a package: its icon and Qt's Croatian texts. PNG icons and the SVG come from
// the build (TARVEL_ICON_DIR) and the source tree (TARVEL_SOURCE_SVG).
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMessageBox>
#include <QPushButton>
#include <gtest/gtest.h>

#include <optional>

#include "system/qt_translation.h"
#include "ui/icons.h"

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The icon's drawing: a blue rounded square (transparent corners) with a gold coin at the
// bottom right.
void expectIconDrawing(const QImage& image, const QString& what) {
    const int s = image.width();
    ASSERT_EQ(image.height(), s) << what.toStdString();
    const QColor corner = image.pixelColor(0, 0);
    const QColor square = image.pixelColor(s / 16, s / 2);
    const QColor coin = image.pixelColor(s * 46 / 64, s * 38 / 64);
    EXPECT_LT(corner.alpha(), 128) << what.toStdString();
    EXPECT_EQ(square.alpha(), 255) << what.toStdString();
    EXPECT_GT(square.blue(), square.red() + 40) << what.toStdString();
    EXPECT_GT(coin.red(), coin.blue() + 80) << what.toStdString();
}

} // namespace

TEST(Packaging, WindowIconIsTheInstalledSvg) {
    const QByteArray svg = contents(QStringLiteral(TARVEL_SOURCE_SVG));
    ASSERT_FALSE(svg.isEmpty());
    const QIcon icon = tarvel::ui::applicationIcon();
    EXPECT_EQ(contents(QStringLiteral(":/icons/tarvel.svg")), svg);
    ASSERT_FALSE(icon.isNull()) << "no SVG icon engine (Qt's SVG plug-ins missing?)";
    for (const int size : {16, 64, 256}) {
        const QImage image = icon.pixmap(size, size).toImage();
        ASSERT_EQ(image.width(), size);
        expectIconDrawing(image, QStringLiteral("window icon %1").arg(size));
    }
}

#ifndef Q_OS_WIN
// The PNG icons of the Linux desktop; Windows has tarvel.ico (checked in tests/native).
TEST(Packaging, PngIconsOfEverySizeAreRenderedFromTheSvg) {
    const QStringList sizes = QStringLiteral(TARVEL_ICON_SIZES).split(QLatin1Char(','));
    ASSERT_GE(sizes.size(), 6);
    for (const QString& size : sizes) {
        const QString path =
            QStringLiteral(TARVEL_ICON_DIR "/%1x%1/apps/" TARVEL_APP_ID ".png").arg(size);
        const QImage image(path);
        ASSERT_FALSE(image.isNull()) << path.toStdString();
        EXPECT_EQ(image.width(), size.toInt());
        expectIconDrawing(image, path);
    }
}
#endif

TEST(Packaging, MessageBoxButtonsSpeakCroatianWhateverTheLocale) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    std::optional<tarvel::system::QtCroatianTexts> texts(std::in_place);
    QStringList names;
    for (const QString& file : texts->files())
        names << QFileInfo(file).fileName();
    EXPECT_EQ(names, (QStringList{"qt_hr.qm", "qtbase_hr.qm"}))
        << "Qt's Croatian catalogues are not installed (Debian: qt6-translations-l10n)";
    QMessageBox box(QMessageBox::Question, QStringLiteral(" Pažnja"), QStringLiteral("?"),
                    QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), "Da");
    EXPECT_EQ(box.button(QMessageBox::No)->text().remove(QLatin1Char('&')), "Ne");
    // TARVEL_SHOT_DIR=folder saves a picture of the box, to look at it.
    if (const QString folder = qEnvironmentVariable("TARVEL_SHOT_DIR"); !folder.isEmpty())
        box.grab().save(folder + QStringLiteral("/question-box.png"));
    texts.reset();
    QLocale::setDefault(QLocale::system());
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
