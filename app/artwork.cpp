#include "app/artwork.h"

#include "assets/picture_loader.h"

#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QSet>

#include <memory>
#include <unordered_map>
#include <utility>
#include <vector>

namespace {

// Every picture decoded so far, kept or not.
QSet<QString>& EverDecoded() {
    static QSet<QString> decoded;
    return decoded;
}

QImage Load(const QString& path) {
    EverDecoded().insert(path);
    if (path.endsWith(QLatin1String(".jpg"))) {
        return LoadJpegResource(path);
    }
    if (path.contains(QLatin1String("/coin"))) {
        return LoadCoinResource(path);
    }
    return QImage(path);
}

// Node-based, so that a reference handed out stays valid while later pictures are added.
std::unordered_map<QString, QImage>& Cache() {
    static std::unordered_map<QString, QImage> cache;
    return cache;
}

// Which path each decoded picture came from, by the key its copies share.
QHash<qint64, QString>& Sources() {
    static QHash<qint64, QString> sources;
    return sources;
}

// ":/images/note500.jpg" -> ":/images/note500@2x.jpg"
QString TwinPath(const QString& path) {
    QString twin = path;
    twin.insert(twin.lastIndexOf(QLatin1Char('.')), QLatin1String("@2x"));
    return twin;
}

const QImage& Twin(const QString& path) {
    const QString twinPath = TwinPath(path);
    auto it = Cache().find(twinPath);
    if (it == Cache().end()) {
        QImage twin = Load(twinPath);
        twin.setDevicePixelRatio(2);
        it = Cache().emplace(twinPath, std::move(twin)).first;
    }
    return it->second;
}

// Picks among the pictures of one mode, at 1x and 2x, the smallest that covers `size` device
// pixels (the largest when none does), so that nothing is enlarged while a picture suffices.
class ArtworkIconEngine : public QIconEngine {
public:
    explicit ArtworkIconEngine(std::vector<IconPicture> pictures)
        : pictures_(std::move(pictures)) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        const Choice choice = Choose(size, mode);
        if (choice.picture == nullptr) {
            return {};
        }
        const QImage& image =
            choice.scale == 1 ? Artwork(choice.picture->path) : Twin(choice.picture->path);
        const QRect area = choice.picture->area;
        QImage part =
            area.isNull()
                ? image
                : image.copy(QRect(area.topLeft() * choice.scale, area.size() * choice.scale));
        part.setDevicePixelRatio(1);
        if (part.width() > size.width() || part.height() > size.height()) {
            part = part.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        }
        return QPixmap::fromImage(part);
    }

    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        const Choice choice = Choose(size, mode);
        return choice.picture == nullptr ? QSize() : choice.pixels.boundedTo(size);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device()->devicePixelRatioF();
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }

    // The 1x sizes only: a window system that takes every size of a window icon gets what it
    // got before there were twins.
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const IconPicture* picture : Of(mode)) {
            sizes << OneX(*picture);
        }
        return sizes;
    }

    QIconEngine* clone() const override { return new ArtworkIconEngine(pictures_); }
    QString key() const override { return QStringLiteral("QuorvelArtwork"); }

private:
    struct Choice {
        const IconPicture* picture = nullptr;
        int scale = 1;
        QSize pixels;
    };

    static QSize OneX(const IconPicture& picture) {
        return picture.area.isNull() ? Artwork(picture.path).size() : picture.area.size();
    }

    std::vector<const IconPicture*> Of(QIcon::Mode mode) const {
        std::vector<const IconPicture*> found;
        for (const IconPicture& picture : pictures_) {
            if (picture.mode == mode) {
                found.push_back(&picture);
            }
        }
        if (found.empty() && mode != QIcon::Normal) {
            return Of(QIcon::Normal);
        }
        return found;
    }

    Choice Choose(const QSize& size, QIcon::Mode mode) const {
        Choice best;
        Choice largest;
        for (const IconPicture* picture : Of(mode)) {
            for (const int scale : {1, 2}) {
                const Choice option{picture, scale, OneX(*picture) * scale};
                const bool covers = option.pixels.width() >= size.width() &&
                                    option.pixels.height() >= size.height();
                // On a tie the 1x picture, which is decoded anyway.
                if (covers &&
                    (best.picture == nullptr || option.pixels.width() < best.pixels.width() ||
                     (option.pixels.width() == best.pixels.width() && option.scale < best.scale))) {
                    best = option;
                }
                if (largest.picture == nullptr || option.pixels.width() > largest.pixels.width()) {
                    largest = option;
                }
            }
        }
        return best.picture != nullptr ? best : largest;
    }

    std::vector<IconPicture> pictures_;
};

} // namespace

const QImage& Artwork(const QString& path) {
    auto it = Cache().find(path);
    if (it == Cache().end()) {
        it = Cache().emplace(path, Load(path)).first;
        if (!it->second.isNull()) {
            Sources().insert(it->second.cacheKey(), path);
        }
    }
    return it->second;
}

const QImage& HighDensityArtwork(const QImage& picture) {
    static const QImage none;
    if (picture.isNull()) {
        return none;
    }
    const auto source = Sources().constFind(picture.cacheKey());
    return source == Sources().constEnd() ? none : Twin(*source);
}

const QPixmap& StretchedArtwork(const QString& path, QSize size, qreal ratio) {
    struct Drawn {
        QString path;
        QSize size;
        qreal ratio;
        QPixmap pixmap;
    };
    // A few entries (one per stack of the wallet and a picture or two): a list will do.
    static std::vector<std::unique_ptr<Drawn>> drawn;
    for (const auto& d : drawn) {
        if (d->path == path && d->size == size && d->ratio == ratio) {
            return d->pixmap;
        }
    }
    // The picture itself is needed only for this drawing, so it is decoded for it and let
    // go, unless something else already keeps it: the large STOP picture alone would keep
    // a megabyte for a sign of 57 x 25 pixels.
    const auto decoded = [](const QString& file) {
        const auto it = Cache().find(file);
        return it != Cache().end() ? it->second : Load(file);
    };
    QImage source;
    if (ratio > 1) {
        source = decoded(TwinPath(path));
    }
    if (source.isNull()) {
        source = decoded(path);
    }
    // Drawn as the control would draw the picture itself, onto transparency, so that a copy
    // of it shows exactly the same pixels.
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRect(QPoint(0, 0), size), source);
    }
    drawn.push_back(
        std::make_unique<Drawn>(Drawn{path, size, ratio, QPixmap::fromImage(std::move(image))}));
    return drawn.back()->pixmap;
}

bool ArtworkDecoded(const QString& path) {
    return EverDecoded().contains(path);
}

QIcon ArtworkIcon(std::initializer_list<IconPicture> pictures) {
    return QIcon(new ArtworkIconEngine(std::vector<IconPicture>(pictures)));
}
