#include "app/artwork.h"

#include "assets/picture_loader.h"

#include <QHash>

namespace {

QImage Load(const QString& path) {
    if (path.endsWith(QLatin1String(".jpg"))) {
        return LoadJpegResource(path);
    }
    if (path.contains(QLatin1String("/coin"))) {
        return LoadCoinResource(path);
    }
    return QImage(path);
}

} // namespace

const QImage& Artwork(const QString& path) {
    static QHash<QString, QImage> cache;
    auto it = cache.find(path);
    if (it == cache.end()) {
        it = cache.insert(path, Load(path));
    }
    return *it;
}
