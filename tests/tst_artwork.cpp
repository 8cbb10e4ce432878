// The committed pictures, the JPEG decoder and the picture loaders of the window.

#include "assets/jpeg_decode.h"
#include "assets/jpeg_encode.h"
#include "assets/picture_loader.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>
#include <unistd.h>
#include <utility>

namespace {

QByteArray ReadResource(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

std::optional<DecodedImage> Decode(const QByteArray& bytes, std::string* error) {
    return DecodeJpeg(reinterpret_cast<const unsigned char*>(bytes.constData()),
                      static_cast<std::size_t>(bytes.size()), error);
}

// Offset of the first byte after marker FF <code>, or -1.
qsizetype AfterMarker(const QByteArray& bytes, unsigned char code) {
    const char marker[] = {'\xFF', static_cast<char>(code)};
    const qsizetype at = bytes.indexOf(QByteArray(marker, 2));
    return at < 0 ? -1 : at + 2;
}

QByteArray Garbage(qsizetype count, unsigned seed) {
    std::minstd_rand bits(seed);
    QByteArray bytes(count, '\0');
    for (char& b : bytes) {
        b = static_cast<char>(bits() & 0xFF);
    }
    return bytes;
}

// Collects what is written to file descriptor 2 while it lives.
class StderrCapture {
public:
    StderrCapture() : file_(std::tmpfile()) {
        std::fflush(stderr);
        saved_ = dup(2);
        dup2(fileno(file_), 2);
    }
    ~StderrCapture() { Finish(); }
    QByteArray Finish() {
        if (file_ == nullptr) {
            return text_;
        }
        std::fflush(stderr);
        dup2(saved_, 2);
        close(saved_);
        std::rewind(file_);
        char chunk[512];
        std::size_t got = 0;
        while ((got = std::fread(chunk, 1, sizeof chunk, file_)) > 0) {
            text_.append(chunk, static_cast<qsizetype>(got));
        }
        std::fclose(file_);
        file_ = nullptr;
        return text_;
    }

private:
    std::FILE* file_;
    int saved_ = -1;
    QByteArray text_;
};

struct MeanColour {
    double red = 0;
    double green = 0;
    double blue = 0;
};

MeanColour Mean(const DecodedImage& image) {
    MeanColour mean;
    const std::size_t pixels = image.rgb.size() / 3;
    for (std::size_t i = 0; i < image.rgb.size(); i += 3) {
        mean.red += image.rgb[i];
        mean.green += image.rgb[i + 1];
        mean.blue += image.rgb[i + 2];
    }
    mean.red /= pixels;
    mean.green /= pixels;
    mean.blue /= pixels;
    return mean;
}

} // namespace

class TestArtwork : public QObject {
    Q_OBJECT

private slots:
    void everyResourceHasItsSize_data();
    void everyResourceHasItsSize();
    void banknoteDecodesInItsColour_data();
    void banknoteDecodesInItsColour();
    void damagedJpegIsRefusedQuietly_data();
    void damagedJpegIsRefusedQuietly();
    void greyAndCmykComeOutAsRgb_data();
    void greyAndCmykComeOutAsRgb();
    void missingJpegResourceReportsOneLine();
    void coinBackgroundBecomesTransparent_data();
    void coinBackgroundBecomesTransparent();
    void whiteInsideACoinStaysOpaque();
    void damagedCoinIsRefused_data();
    void damagedCoinIsRefused();
};

void TestArtwork::everyResourceHasItsSize_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    const struct {
        const char* name;
        int width;
        int height;
    } rows[] = {
        {"note500.jpg", 349, 179}, {"note200.jpg", 322, 172}, {"note100.jpg", 325, 182},
        {"note50.jpg", 308, 170},  {"note20.jpg", 295, 160},  {"note10.jpg", 281, 148},
        {"note5.jpg", 267, 138},   {"coin2e.png", 129, 111},  {"coin1e.png", 129, 111},
        {"coin50c.png", 130, 111}, {"coin20c.png", 116, 116}, {"coin10c.png", 112, 93},
        {"coin5c.png", 112, 93},   {"coin2c.png", 111, 93},   {"coin1c.png", 112, 75},
        {"purse.jpg", 120, 90},    {"stop.png", 707, 398},    {"checkmark.png", 36, 18},
        {"icon16.png", 16, 16},    {"icon32.png", 32, 32},    {"icon48.png", 48, 48},
    };
    for (const auto& row : rows) {
        QTest::newRow(row.name) << QString::fromLatin1(row.name) << QSize(row.width, row.height);
    }
}

// JPEGs go through the program's own decoder, PNGs through Qt. Each picture has its twin
// for high-density screens, drawn at twice the size.
void TestArtwork::everyResourceHasItsSize() {
    QFETCH(QString, name);
    QFETCH(QSize, size);
    const QString path = QStringLiteral(":/images/") + name;
    QString twin = path;
    twin.insert(twin.lastIndexOf(QLatin1Char('.')), QLatin1String("@2x"));
    for (const auto& [file, expected] : {std::pair(path, size), std::pair(twin, size * 2)}) {
        QVERIFY2(QFile::exists(file), qPrintable(file));
        const QImage image =
            name.endsWith(QLatin1String(".jpg")) ? LoadJpegResource(file) : QImage(file);
        QVERIFY(!image.isNull());
        QCOMPARE(image.size(), expected);
    }
}

void TestArtwork::banknoteDecodesInItsColour_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("strongest"); // 0 red, 1 green, 2 blue
    QTest::newRow("10 red") << QStringLiteral(":/images/note10.jpg") << 0;
    QTest::newRow("100 green") << QStringLiteral(":/images/note100.jpg") << 1;
    QTest::newRow("20 blue") << QStringLiteral(":/images/note20.jpg") << 2;
}

void TestArtwork::banknoteDecodesInItsColour() {
    QFETCH(QString, path);
    QFETCH(int, strongest);
    std::string error;
    const auto image = Decode(ReadResource(path), &error);
    QVERIFY2(image.has_value(), error.c_str());
    QCOMPARE(image->rgb.size(), std::size_t(image->width) * image->height * 3);
    const MeanColour mean = Mean(*image);
    const double channels[] = {mean.red, mean.green, mean.blue};
    for (int c = 0; c < 3; ++c) {
        if (c != strongest) {
            QVERIFY2(
                channels[strongest] > channels[c] + 15,
                qPrintable(
                    QStringLiteral("mean %1 %2 %3").arg(mean.red).arg(mean.green).arg(mean.blue)));
        }
    }
    // The margin above the frame is pale note paper, not black or a grey fill.
    const unsigned char* paper = image->rgb.data() + (4 * image->width + image->width / 2) * 3;
    QVERIFY(paper[strongest] > 180);
}

void TestArtwork::damagedJpegIsRefusedQuietly_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reasonPart"); // empty: any reason
    const QByteArray note = ReadResource(QStringLiteral(":/images/note20.jpg"));
    QVERIFY(note.size() > 1000);

    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("random bytes") << Garbage(4000, 1) << QString();
    QTest::newRow("start marker, then random bytes")
        << QByteArray("\xFF\xD8", 2) + Garbage(4000, 2) << QString();
    QTest::newRow("truncated") << note.left(note.size() / 2) << QString();
    QTest::newRow("headers only") << note.left(AfterMarker(note, 0xDA) + 12) << QString();

    // Valid headers, the scan replaced by noise, a proper end marker.
    const qsizetype scan = AfterMarker(note, 0xDA) + 12;
    QTest::newRow("corrupt body") << note.left(scan) + Garbage(note.size() - scan - 2, 3) +
                                         QByteArray("\xFF\xD9", 2)
                                  << QString();

    // A frame header that claims 20000 x 20000 pixels must be refused before allocating.
    QByteArray huge = note;
    const qsizetype frame = AfterMarker(huge, 0xC0); // length (2), precision (1), height, width
    QVERIFY(frame > 0);
    huge[frame + 3] = '\x4E';
    huge[frame + 4] = '\x20';
    huge[frame + 5] = '\x4E';
    huge[frame + 6] = '\x20';
    QTest::newRow("absurd size") << huge << QStringLiteral("too large");
}

void TestArtwork::damagedJpegIsRefusedQuietly() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reasonPart);
    std::string error;
    StderrCapture capture;
    const auto image = Decode(bytes, &error);
    const QByteArray printed = capture.Finish();
    QVERIFY(!image.has_value());
    QVERIFY(!error.empty());
    QVERIFY2(QString::fromStdString(error).contains(reasonPart), error.c_str());
    QVERIFY2(printed.isEmpty(), printed.constData());
    // No error text asked for: still a clean refusal.
    QVERIFY(!Decode(bytes, nullptr).has_value());
}

void TestArtwork::greyAndCmykComeOutAsRgb_data() {
    QTest::addColumn<int>("layout");
    QTest::addColumn<QByteArray>("pixel");    // one pixel as encoded, repeated
    QTest::addColumn<QByteArray>("expected"); // R, G, B
    QTest::newRow("grey") << int(JpegPixels::Grey) << QByteArray(1, char(100))
                          << QByteArray("\x64\x64\x64", 3);
    // Adobe-style inverted CMYK: 0 is full ink. Full cyan only.
    QTest::newRow("cmyk cyan") << int(JpegPixels::Cmyk) << QByteArray("\x00\xFF\xFF\xFF", 4)
                               << QByteArray("\x00\xFF\xFF", 3);
    QTest::newRow("rgb") << int(JpegPixels::Rgb) << QByteArray("\xC8\x32\x64", 3)
                         << QByteArray("\xC8\x32\x64", 3);
}

void TestArtwork::greyAndCmykComeOutAsRgb() {
    QFETCH(int, layout);
    QFETCH(QByteArray, pixel);
    QFETCH(QByteArray, expected);
    const int width = 24;
    const int height = 16;
    QByteArray pixels = pixel.repeated(width * height);
    std::string error;
    const auto encoded = EncodeJpeg(reinterpret_cast<const unsigned char*>(pixels.constData()),
                                    width, height, static_cast<JpegPixels>(layout), 95, &error);
    QVERIFY2(encoded.has_value(), error.c_str());
    const auto image = DecodeJpeg(encoded->data(), encoded->size(), &error);
    QVERIFY2(image.has_value(), error.c_str());
    QCOMPARE(image->width, width);
    QCOMPARE(image->height, height);
    QCOMPARE(image->rgb.size(), std::size_t(width * height * 3));
    for (std::size_t i = 0; i < image->rgb.size(); ++i) {
        const int want = static_cast<unsigned char>(expected[static_cast<qsizetype>(i % 3)]);
        QVERIFY2(
            std::abs(image->rgb[i] - want) <= 3,
            qPrintable(QStringLiteral("byte %1: %2, want %3").arg(i).arg(image->rgb[i]).arg(want)));
    }
}

void TestArtwork::missingJpegResourceReportsOneLine() {
    StderrCapture capture;
    const QImage image = LoadJpegResource(QStringLiteral(":/images/missing.jpg"));
    const QByteArray printed = capture.Finish();
    QVERIFY(image.isNull());
    QVERIFY2(printed.startsWith("quorvel: cannot decode :/images/missing.jpg: "),
             printed.constData());
    QCOMPARE(printed.count('\n'), 1);
    QVERIFY(printed.endsWith('\n'));
}

void TestArtwork::coinBackgroundBecomesTransparent_data() {
    QTest::addColumn<QString>("path");
    for (const char* name : {"coin2e.png", "coin1e.png", "coin50c.png", "coin20c.png",
                             "coin10c.png", "coin5c.png", "coin2c.png", "coin1c.png"}) {
        QTest::newRow(name) << QStringLiteral(":/images/") + QString::fromLatin1(name);
    }
}

void TestArtwork::coinBackgroundBecomesTransparent() {
    QFETCH(QString, path);
    const QImage stored(path);
    QVERIFY(!stored.isNull());
    const int w = stored.width();
    const int h = stored.height();
    const QPoint corners[] = {{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}};
    for (const QPoint corner : corners) {
        QCOMPARE(stored.pixel(corner) & 0xFFFFFF, 0xFFFFFFu); // the promised exact white
    }

    const QImage coin = LoadCoinResource(path);
    QCOMPARE(coin.format(), QImage::Format_ARGB32);
    QCOMPARE(coin.size(), stored.size());
    for (const QPoint corner : corners) {
        QCOMPARE(qAlpha(coin.pixel(corner)), 0);
    }
    // The disc is opaque, from its centre out to just inside its rim, all the way round.
    const QPointF centre((w - 1) / 2.0, (h - 1) / 2.0);
    for (int step = 0; step < 16; ++step) {
        const double angle = step * 3.14159265358979 / 8;
        for (double reach : {0.0, 0.5, 0.9}) {
            const QPoint at(qRound(centre.x() + std::cos(angle) * reach * (w / 2.0 - 2)),
                            qRound(centre.y() + std::sin(angle) * reach * (h / 2.0 - 2)));
            QVERIFY2(qAlpha(coin.pixel(at)) == 255,
                     qPrintable(QStringLiteral("(%1, %2)").arg(at.x()).arg(at.y())));
        }
    }
}

// A white spot inside the disc is part of the coin; near-white at the border is background.
void TestArtwork::whiteInsideACoinStaysOpaque() {
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(qRgb(250, 250, 250)); // nearly white background
    picture.setPixel(0, 0, qRgb(255, 255, 255));
    for (int y = 5; y < 25; ++y) {
        for (int x = 10; x < 30; ++x) {
            picture.setPixel(x, y, qRgb(180, 140, 60));
        }
    }
    for (int y = 12; y < 18; ++y) {
        for (int x = 17; x < 23; ++x) {
            picture.setPixel(x, y, qRgb(255, 255, 255));
        }
    }
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("coin.png"));
    QVERIFY(picture.save(path, "PNG"));

    const QImage coin = LoadCoinResource(path);
    QVERIFY(!coin.isNull());
    QCOMPARE(qAlpha(coin.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(coin.pixel(5, 15)), 0);
    QCOMPARE(qAlpha(coin.pixel(39, 29)), 0);
    QCOMPARE(qAlpha(coin.pixel(12, 7)), 255);
    QCOMPARE(coin.pixel(20, 15), qRgba(255, 255, 255, 255));
}

void TestArtwork::damagedCoinIsRefused_data() {
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray coin = ReadResource(QStringLiteral(":/images/coin2e.png"));
    const QByteArray note = ReadResource(QStringLiteral(":/images/note20.jpg"));
    QVERIFY(coin.size() > 1000 && note.size() > 1000);
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("random bytes") << Garbage(4000, 4);
    QTest::newRow("truncated PNG") << coin.left(coin.size() / 2);
    // Qt's own JPEG reader would hand this back grey-filled as if it were whole.
    QTest::newRow("truncated JPEG") << note.left(note.size() / 2);
}

void TestArtwork::damagedCoinIsRefused() {
    QFETCH(QByteArray, bytes);
    StderrCapture capture;
    const QImage coin = LoadCoinData(bytes, QStringLiteral("coin.png"));
    const QByteArray printed = capture.Finish();
    QVERIFY(coin.isNull());
    QVERIFY2(printed.contains("quorvel: cannot decode coin.png: not a readable picture\n"),
             printed.constData());
}

QTEST_GUILESS_MAIN(TestArtwork)
#include "tst_artwork.moc"
