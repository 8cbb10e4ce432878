#include "app/artwork.h"

#include <QHash>

const QImage& Artwork(const QString& file) {
    static QHash<QString, QImage> cache;
    auto it = cache.find(file);
    if (it == cache.end()) {
        it = cache.insert(file, QImage(QStringLiteral(":/images/") + file));
    }
    return *it;
}
