#include "app/ImageList.h"

#include <QCoreApplication>
#include <QPainter>
#include <QSvgRenderer>

#include <array>

// The resources live in a static library: nothing else pulls them in.
static void registerImageResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(images);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace {

std::array<QIcon, ImageList::Count> &iconCache()
{
    // Cleared while the application still exists: pixmaps must not outlive it.
    static std::array<QIcon, ImageList::Count> cache;
    static const bool cleanupRegistered = [] {
        qAddPostRoutine([] { iconCache().fill(QIcon()); });
        return true;
    }();
    Q_UNUSED(cleanupRegistered);
    return cache;
}

bool validIndex(int index)
{
    return index >= 0 && index < ImageList::Count;
}

} // namespace

QString ImageList::path(int index)
{
    return QStringLiteral(":/images/%1.svg").arg(index);
}

QPixmap ImageList::pixmap(int index, int size, qreal dpr)
{
    if (!validIndex(index) || size <= 0 || dpr <= 0)
        return QPixmap();
    registerImageResources();
    QSvgRenderer renderer(path(index));
    if (!renderer.isValid())
        return QPixmap();
    const int pixels = qRound(size * dpr);
    QPixmap pixmap(pixels, pixels);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        renderer.render(&painter, QRectF(0, 0, pixels, pixels));
    }
    pixmap.setDevicePixelRatio(dpr);
    return pixmap;
}

QIcon ImageList::icon(int index)
{
    if (!validIndex(index))
        return QIcon();
    QIcon &icon = iconCache()[index];
    if (icon.isNull()) {
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
            icon.addPixmap(pixmap(index, size));
    }
    return icon;
}
