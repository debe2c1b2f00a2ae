// SPDX-License-Identifier: GPL-3.0-or-later
// tarvel-picturegen: draws the program's pictures once, at build time, into the resource file
// that the program carries, so that at start it copies them instead of drawing them. Each picture
// comes at its size and at twice its size for a screen scaled to 200 %; a toolbar image also
// greyed, for a disabled button. A picture is stored as its pixels, ready to show (NAME.pixels:
// "TVPX", width and height as 32-bit numbers, then the rows of premultiplied ARGB, all in the
// byte order of the machine that builds): decoding a PNG file would cost the start more than the
// drawing did. The same pictures are written as PNG files beside them (png/NAME.png), to look at.
//   tarvel-picturegen OUTPUT        writes OUTPUT/pictures.qrc and the pictures beside it
#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>
#include <QStringList>
#include <cstdio>

#include "drawings.h"

namespace {

using namespace tarvel::picturegen;

// The toolbar's icon size (frm_gl.ui) and the sizes the building is shown at: the main window and
// the deviations dialog.
constexpr int kToolbarSide = 24;
constexpr QSize kBuildingSizes[] = {{260, 200}, {96, 80}};

class Output {
public:
    explicit Output(const QString& folder) : folder_(folder) {}

    // Writes the picture at scale 1 as NAME and at scale 2 as NAME@2x.
    template <typename Draw> void pictures(const QString& name, Draw draw) {
        file(name, draw(1.0));
        file(name + QStringLiteral("@2x"), draw(2.0));
    }

    void resources() {
        QString qrc = QStringLiteral("<RCC>\n  <qresource prefix=\"/pictures\">\n");
        for (const QString& name : names_)
            qrc += QStringLiteral("    <file>%1</file>\n").arg(name);
        qrc += QStringLiteral("  </qresource>\n</RCC>\n");
        save(QStringLiteral("pictures.qrc"), qrc.toUtf8());
    }

    bool failed = false;

private:
    void file(const QString& name, QImage image) {
        image.setDevicePixelRatio(1.0);
        image.convertTo(QImage::Format_ARGB32_Premultiplied);
        QByteArray pixels("TVPX");
        const quint32 size[] = {static_cast<quint32>(image.width()),
                                static_cast<quint32>(image.height())};
        pixels.append(reinterpret_cast<const char*>(size), sizeof size);
        for (int y = 0; y < image.height(); ++y)
            pixels.append(reinterpret_cast<const char*>(image.constScanLine(y)),
                          static_cast<qsizetype>(image.width()) * 4);
        save(name + QStringLiteral(".pixels"), pixels);
        names_.append(name + QStringLiteral(".pixels"));
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!image.save(&buffer, "PNG"))
            fail(name);
        save(QStringLiteral("png/") + name + QStringLiteral(".png"), png);
    }
    void save(const QString& name, const QByteArray& bytes) {
        const QString path = QDir(folder_).filePath(name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QSaveFile out(path);
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit())
            fail(path);
    }
    void fail(const QString& what) {
        std::fprintf(stderr, "tarvel-picturegen: ne mogu zapisati %s\n", qPrintable(what));
        failed = true;
    }

    QString folder_;
    QStringList names_;
};

} // namespace

int main(int argc, char** argv) {
    // The pictures need fonts, not a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2) {
        std::fputs("Upotreba: tarvel-picturegen IZLAZ\n", stderr);
        return 2;
    }
    Output output(arguments[1]);
    for (const ToolbarImage& image : toolbarImages()) {
        const QString name = QStringLiteral("toolbar/") + QString::fromUtf8(image.key);
        output.pictures(
            name, [&](qreal scale) { return drawToolbarImage(image, kToolbarSide, scale, false); });
        output.pictures(name + QStringLiteral("-off"), [&](qreal scale) {
            return drawToolbarImage(image, kToolbarSide, scale, true);
        });
    }
    for (const QSize& size : kBuildingSizes) {
        output.pictures(QStringLiteral("building-%1x%2").arg(size.width()).arg(size.height()),
                        [&](qreal scale) { return drawBuilding(size, scale); });
    }
    output.resources();
    return output.failed ? 1 : 0;
}
