#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QString>

#include <initializer_list>

// The window's pictures, decoded once each from the compiled-in resources and shared
// by every control that shows them. `path` is the resource path, such as
// ":/images/note500.jpg"; coin pictures come with their white background made
// transparent.
const QImage& Artwork(const QString& path);

// For a picture Artwork returned (or an unchanged copy of it): the same picture drawn at
// twice the size ("note500@2x.jpg"), for screens whose device pixel ratio is above 1. It is
// decoded on first use and carries device pixel ratio 2, so it paints at the size of the
// picture itself. A null image for any other picture.
const QImage& HighDensityArtwork(const QImage& picture);

// The picture at `path` stretched to `size` (logical pixels) for a screen of device pixel ratio
// `ratio`, drawn from the twice-as-large picture above 1x. Drawn once per path, size and ratio
// and shared by every control that shows it so; the picture is decoded on first use.
const QPixmap& StretchedArtwork(const QString& path, QSize size, qreal ratio);

// Whether the picture at `path` has been decoded yet (whether or not it was kept).
bool ArtworkDecoded(const QString& path);

// One picture of an icon: the whole picture at `path`, or the rectangle `area` of it, shown
// in `mode`.
struct IconPicture {
    QString path;
    QRect area;
    QIcon::Mode mode = QIcon::Normal;
};

// An icon of pictures. A screen above 1x gets the twice-as-large pictures, decoded only when
// such a screen asks for them.
QIcon ArtworkIcon(std::initializer_list<IconPicture> pictures);
