// SPDX-License-Identifier: GPL-3.0-or-later
// The window on a screen at 200 % (run with QT_SCALE_FACTOR=2): pictures come from their
// twice-as-large drawings, decoded only once shown, never from the 1x pictures enlarged.

#include "app/artwork.h"
#include "support/form_fixture.h"
#include "wallet/pieces.h"

#include <QPainter>
#include <QtTest>

#include <cstdlib>

namespace {

// The part of a grab of the whole window where `w` stands, in device pixels.
QImage GrabOf(TForm1* form, QWidget* w) {
    const QImage window = form->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const qreal ratio = window.devicePixelRatio();
    const QRect logical(w->mapTo(form, QPoint(0, 0)), w->size());
    QImage part = window.copy(QRect((QPointF(logical.topLeft()) * ratio).toPoint(),
                                    (QSizeF(logical.size()) * ratio).toSize()));
    part.setDevicePixelRatio(1);
    return part;
}

// `picture` painted as a Picture paints it, stretched to `size` logical pixels, at ratio 2.
QImage PaintedAt2x(const QImage& picture, QSize size) {
    QImage canvas(size * 2, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    canvas.setDevicePixelRatio(2);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRect(QPoint(0, 0), size), picture);
    p.end();
    canvas.setDevicePixelRatio(1);
    return canvas.convertToFormat(QImage::Format_ARGB32);
}

// Largest difference of one colour channel between `shown` and `expected`, over the pixels
// that `expected` covers fully; `compared` counts them.
int LargestDifference(const QImage& shown, const QImage& expected, int* compared) {
    int largest = 0;
    *compared = 0;
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            const QRgb want = expected.pixel(x, y);
            if (qAlpha(want) != 255) {
                continue;
            }
            const QRgb got = shown.pixel(x, y);
            ++*compared;
            largest = std::max({largest, std::abs(qRed(got) - qRed(want)),
                                std::abs(qGreen(got) - qGreen(want)),
                                std::abs(qBlue(got) - qBlue(want))});
        }
    }
    return largest;
}

QString Twin(const QString& path) {
    QString twin = path;
    return twin.insert(twin.lastIndexOf(QLatin1Char('.')), QLatin1String("@2x"));
}

} // namespace

class TestHighDensity : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void iconIsItsTwinPixelForPixel();
    void checkMarkComesFromItsTwin();
    void coinTwinIsDecodedWhenShownAndDrawn();

private:
    ShownForm form_;
};

void TestHighDensity::initTestCase() {
    form_ = ShowForm();
    QCOMPARE(form_.form->devicePixelRatioF(), 2.0);
}

void TestHighDensity::coinTwinIsDecodedWhenShownAndDrawn() {
    TForm1* form = form_.form.get();
    for (int s = 0; s < DenominationCount; ++s) {
        const QString path =
            QString::fromLatin1(PieceTable[s].Image.data(), PieceTable[s].Image.size());
        QVERIFY2(!ArtworkDecoded(Twin(path)), qPrintable(Twin(path)));
    }

    for (const QCheckBox* box : {form_->Kasticket, form_->Geldbeugel}) {
        ClickThroughWindow(form, box);
    }
    ClickThroughWindow(form, form_->Geld);
    QVERIFY(form_->Portemonnee->isVisible());

    // The top picture of the first coin stack the wallet shows.
    Picture* coin = nullptr;
    QString path;
    for (int s = 0; s < DenominationCount && coin == nullptr; ++s) {
        path = QString::fromLatin1(PieceTable[s].Image.data(), PieceTable[s].Image.size());
        if (!path.contains(QLatin1String("/coin"))) {
            continue;
        }
        for (int n = PieceTable[s].StackSize; n >= 1 && coin == nullptr; --n) {
            Picture* piece =
                form_->Pieces[static_cast<std::size_t>(s)][static_cast<std::size_t>(n)];
            if (piece->isVisible()) {
                coin = piece;
            }
        }
    }
    QVERIFY(coin != nullptr);

    const QImage shown = GrabOf(form, coin);
    QVERIFY(ArtworkDecoded(Twin(path)));
    const QImage& twin = HighDensityArtwork(Artwork(path));
    QCOMPARE(twin.size(), Artwork(path).size() * 2);
    QCOMPARE(twin.devicePixelRatio(), 2.0);

    int compared = 0;
    const int fromTwin = LargestDifference(shown, PaintedAt2x(twin, coin->size()), &compared);
    QVERIFY(compared > coin->width() * coin->height()); // most of the 2x disc
    QVERIFY2(fromTwin <= 2, qPrintable(QString::number(fromTwin)));
    // What enlarging the 1x picture would have shown is far off: the comparison can tell.
    const int fromOneX =
        LargestDifference(shown, PaintedAt2x(Artwork(path), coin->size()), &compared);
    QVERIFY2(fromOneX > 40, qPrintable(QString::number(fromOneX)));
}

// The information picture is not stretched: at 200 % it is the 2x icon, pixel for pixel.
void TestHighDensity::iconIsItsTwinPixelForPixel() {
    TForm1* form = form_.form.get();
    const QString path = QStringLiteral(":/images/icon32.png");
    QCOMPARE(form_->Image1->Image(), Artwork(path));
    const QImage shown = GrabOf(form, form_->Image1);
    QImage twin = QImage(Twin(path)).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(twin.size(), QSize(64, 64));
    twin.setDevicePixelRatio(1);
    int compared = 0;
    QCOMPARE(LargestDifference(shown.copy(twin.rect()), twin, &compared), 0);
    QVERIFY(compared > 64 * 64 * 3 / 4);
}

// The OK button's tick and its greyed form, asked for at 200 %, are the halves of the 2x
// check mark picture. A pixmap holds premultiplied pixels, and taking the premultiplication
// back out is not exact for faint pixels (Qt's vector code rounds there by an approximate
// reciprocal, so the result differs between processors): the pictures are compared
// premultiplied, as the pixmap holds them.
void TestHighDensity::checkMarkComesFromItsTwin() {
    const QIcon icon = form_->OKKnop->icon();
    const QSize size = form_->OKKnop->iconSize();
    QCOMPARE(size, QSize(18, 18));
    const auto premultiplied = [](const QImage& image) {
        return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    };
    const QImage twin = premultiplied(QImage(QStringLiteral(":/images/checkmark@2x.png")));
    QCOMPARE(twin.size(), QSize(72, 36));
    const struct {
        QIcon::Mode mode;
        int left;
    } halves[] = {{QIcon::Normal, 0}, {QIcon::Disabled, 36}};
    for (const auto& half : halves) {
        const QPixmap pixmap = icon.pixmap(size, 2.0, half.mode);
        QCOMPARE(pixmap.devicePixelRatio(), 2.0);
        QCOMPARE(premultiplied(pixmap.toImage()), twin.copy(half.left, 0, 36, 36));
    }
    // At 1x the icon is the 1x picture as before.
    const QImage oneX = premultiplied(QImage(QStringLiteral(":/images/checkmark.png")));
    QCOMPARE(premultiplied(icon.pixmap(size, 1.0).toImage()), oneX.copy(0, 0, 18, 18));
}

QTEST_MAIN(TestHighDensity)
#include "tst_hidpi.moc"
