#include "app/artwork.h"

#include <QHash>

const QImage& Artwork(const QString& path) {
    static QHash<QString, QImage> cache;
    auto it = cache.find(path);
    if (it == cache.end()) {
        it = cache.insert(path, QImage(path));
    }
    return *it;
}
