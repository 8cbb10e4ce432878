// The window's picture loaders on arbitrary bytes: the JPEG loader and the coin loader (a
// PNG, or whatever Qt reads, with its border-connected white made transparent). Either
// returns a null image or a picture of the promised format with sides that fit the data.

#include "assets/picture_loader.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QtGlobal>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void Check(const QImage& image, QImage::Format format, const char* loader) {
    if (image.isNull()) {
        return;
    }
    if (image.format() != format || image.width() <= 0 || image.height() <= 0 ||
        image.sizeInBytes() < qsizetype{4} * image.width() * image.height()) {
        std::fprintf(stderr, "%s: inconsistent picture %dx%d format %d\n", loader, image.width(),
                     image.height(), static_cast<int>(image.format()));
        std::abort();
    }
}

void Quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qInstallMessageHandler(Quiet); // Qt's image readers warn about every damaged picture
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString name = QStringLiteral("fuzz input");
    Check(LoadJpegData(bytes, name), QImage::Format_RGB32, "LoadJpegData");
    Check(LoadCoinData(bytes, name), QImage::Format_ARGB32, "LoadCoinData");
    return 0;
}
