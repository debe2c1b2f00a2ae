// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/icons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmapCache>
#include <QResource>
#include <cstring>

// The program's resources live in a static library: their registration has to be asked for.
static void initialiseIconResources() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(tarvel);
        Q_INIT_RESOURCE(pictures);
        return true;
    }();
    (void)registered;
}

namespace tarvel::ui {

namespace {

// A picture the build drew (tools/picturegen), by its name under :/pictures/: "TVPX", its width
// and height, then its rows of premultiplied ARGB, copied as they are. Null when there is none.
QPixmap drawnPicture(const QString& name) {
    QPixmap picture;
    if (QPixmapCache::find(name, &picture))
        return picture;
    initialiseIconResources();
    const QResource resource(QStringLiteral(":/pictures/") + name + QStringLiteral(".pixels"));
    const QByteArray data = resource.uncompressedData();
    quint32 size[2] = {0, 0};
    if (data.size() < 12 || !data.startsWith("TVPX"))
        return picture;
    std::memcpy(size, data.constData() + 4, sizeof size);
    QImage image(static_cast<int>(size[0]), static_cast<int>(size[1]),
                 QImage::Format_ARGB32_Premultiplied);
    const qsizetype bytes = static_cast<qsizetype>(size[0]) * size[1] * 4;
    if (image.isNull() || data.size() != 12 + bytes || image.sizeInBytes() != bytes)
        return picture;
    std::memcpy(image.bits(), data.constData() + 12, static_cast<size_t>(bytes));
    picture = QPixmap::fromImage(std::move(image));
    QPixmapCache::insert(name, picture);
    return picture;
}

// The picture `name` for `size` logical pixels at `scale`: drawn at scale 1 and 2, the larger is
// taken when the smaller is too small, and scaled to the pixels asked for.
QPixmap drawnPicture(const QString& name, const QSize& size, qreal scale) {
    const QSize pixels = (QSizeF(size) * scale).toSize();
    QPixmap picture = drawnPicture(name);
    if (picture.width() < pixels.width())
        picture = drawnPicture(name + QStringLiteral("@2x"));
    if (!picture.isNull() && picture.size() != pixels)
        picture = picture.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    picture.setDevicePixelRatio(scale);
    return picture;
}

// A toolbar image, loaded only in the size and mode that is shown.
class ToolbarIconEngine : public QIconEngine {
public:
    explicit ToolbarIconEngine(QString name) : name_(std::move(name)) {}

    // `size` in the pixels of the screen: QIcon asks for twice the size on a screen scaled to
    // 200 % and gives the pixmap its scale itself.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        return drawnPicture(mode == QIcon::Disabled ? name_ + QStringLiteral("-off") : name_, size,
                            1.0);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal scale = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap picture = pixmap((QSizeF(rect.size()) * scale).toSize(), mode, state);
        picture.setDevicePixelRatio(scale);
        painter->drawPixmap(rect, picture);
    }
    QIconEngine* clone() const override { return new ToolbarIconEngine(*this); }
    QString key() const override { return QStringLiteral("tarvel-toolbar"); }

private:
    QString name_;
};

} // namespace

QIcon applicationIcon() {
    initialiseIconResources();
    // The same drawing that is installed as the desktop's icon, scaled by Qt's SVG icon engine.
    return QIcon(QStringLiteral(":/icons/tarvel.svg"));
}

QIcon toolbarIcon(const std::string& key) {
    initialiseIconResources();
    // The program's own pictures on every desktop: one look whatever the icon theme, and no
    // search through the theme's folders at start.
    const QString name = QStringLiteral("toolbar/") + QString::fromStdString(key);
    if (!QResource(QStringLiteral(":/pictures/") + name + QStringLiteral(".pixels")).isValid())
        return {};
    return QIcon(new ToolbarIconEngine(name));
}

QPixmap buildingPicture(const QSize& size, qreal devicePixelRatio) {
    return drawnPicture(QStringLiteral("building-%1x%2").arg(size.width()).arg(size.height()), size,
                        devicePixelRatio);
}

} // namespace tarvel::ui
