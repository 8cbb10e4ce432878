#include "assets/picture_loader.h"

#include "assets/jpeg_decode.h"

#include <QFile>
#include <QRgb>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

// The pictures live in an object library that reaches the program through the static
// quorvel_form; referring to its registration function here makes the linker keep it. Outside
// any namespace: the macro declares that function at the enclosing namespace.
static void InitPictureResources() {
    Q_INIT_RESOURCE(images);
}

namespace {

void RegisterPictures() {
    static const bool registered = [] {
        InitPictureResources();
        return true;
    }();
    (void)registered;
}

void ReportFailure(const QString& path, const QString& reason) {
    std::fprintf(stderr, "quorvel: cannot decode %s: %s\n", qUtf8Printable(path),
                 qUtf8Printable(reason));
}

// How far from pure white (per channel) a background pixel may be: the anti-aliased rim of a
// coin fades into the background and its palest pixels would otherwise show as a white halo.
constexpr int kWhiteTolerance = 24;

bool NearlyWhite(QRgb pixel) {
    constexpr int least = 255 - kWhiteTolerance;
    return qRed(pixel) >= least && qGreen(pixel) >= least && qBlue(pixel) >= least;
}

// Flood fill from every border pixel through nearly white pixels (4-connected).
void ClearBackground(QImage& image) {
    const int width = image.width();
    const int height = image.height();
    std::vector<unsigned char> seen(static_cast<std::size_t>(width) * height, 0);
    std::vector<QPoint> pending;
    auto visit = [&](int x, int y) {
        unsigned char& mark = seen[static_cast<std::size_t>(y) * width + x];
        if (mark == 0) {
            mark = 1;
            pending.emplace_back(x, y);
        }
    };
    for (int x = 0; x < width; ++x) {
        visit(x, 0);
        visit(x, height - 1);
    }
    for (int y = 0; y < height; ++y) {
        visit(0, y);
        visit(width - 1, y);
    }
    while (!pending.empty()) {
        const QPoint point = pending.back();
        pending.pop_back();
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(point.y()));
        if (!NearlyWhite(line[point.x()])) {
            continue;
        }
        line[point.x()] = qRgba(0, 0, 0, 0);
        if (point.x() > 0) {
            visit(point.x() - 1, point.y());
        }
        if (point.x() + 1 < width) {
            visit(point.x() + 1, point.y());
        }
        if (point.y() > 0) {
            visit(point.x(), point.y() - 1);
        }
        if (point.y() + 1 < height) {
            visit(point.x(), point.y() + 1);
        }
    }
}

} // namespace

QImage LoadJpegResource(const QString& path) {
    RegisterPictures();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ReportFailure(path, file.errorString());
        return {};
    }
    return LoadJpegData(file.readAll(), path);
}

QImage LoadJpegData(const QByteArray& bytes, const QString& name) {
    std::string error;
    const std::optional<DecodedImage> decoded =
        DecodeJpeg(reinterpret_cast<const unsigned char*>(bytes.constData()),
                   static_cast<std::size_t>(bytes.size()), &error);
    if (!decoded) {
        ReportFailure(name, QString::fromStdString(error));
        return {};
    }
    QImage image(decoded->width, decoded->height, QImage::Format_RGB888);
    if (image.isNull()) {
        ReportFailure(name, QStringLiteral("out of memory"));
        return {};
    }
    const std::size_t rowBytes = static_cast<std::size_t>(decoded->width) * 3;
    for (int y = 0; y < decoded->height; ++y) {
        std::memcpy(image.scanLine(y), decoded->rgb.data() + y * rowBytes, rowBytes);
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage LoadCoinResource(const QString& path) {
    RegisterPictures();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ReportFailure(path, file.exists() ? QStringLiteral("not a readable picture")
                                          : QStringLiteral("no such file"));
        return {};
    }
    return LoadCoinData(file.readAll(), path);
}

QImage LoadCoinData(const QByteArray& bytes, const QString& name) {
    // Read as PNG only: left to guess, Qt would also take a JPEG, and its JPEG reader fills a
    // truncated picture with grey and calls that a success.
    QImage image;
    if (!image.loadFromData(bytes, "PNG")) {
        ReportFailure(name, QStringLiteral("not a readable picture"));
        return {};
    }
    image = image.convertToFormat(QImage::Format_ARGB32);
    ClearBackground(image);
    return image;
}
