// SPDX-License-Identifier: GPL-3.0-or-later
// The window on a screen at 200 % (run with QT_SCALE_FACTOR=2): pictures come from their
// twice-as-large drawings, decoded only once shown, never from the 1x pictures enlarged.
// The settings bar's lines are looked at in processes of their own at other factors.

#include "app/artwork.h"
#include "app/panels/wallet_look.h"
#include "support/form_fixture.h"

#include <QPainter>
#include <QProcess>
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

// The colours met along a straight run of the grab `window` (device pixel ratio `ratio`),
// from the logical pixel `from` to the logical pixel `to` (a row or a column), one letter per
// stretch of one colour: 'g' the window's grey, which is also the shadow's, 'w' the
// highlight's white, 't' the settings bar's teal, '?' any other.
QString ColoursAlong(const QImage& window, qreal ratio, QPoint from, QPoint to) {
    const auto letter = [](QRgb c) {
        switch (c & 0xffffff) {
        case 0xa0a0a0:
            return QLatin1Char('g');
        case 0xffffff:
            return QLatin1Char('w');
        case 0x008080:
            return QLatin1Char('t');
        default:
            return QLatin1Char('?');
        }
    };
    // Every device pixel of the row or column, between the device pixels of `from` and `to`.
    const auto first = [&](int logical) {
        return static_cast<int>(std::floor(logical * ratio));
    };
    const auto last = [&](int logical) {
        return static_cast<int>(std::ceil((logical + 1) * ratio)) - 1;
    };
    const auto middle = [&](int logical) {
        return static_cast<int>(std::floor((logical + 0.5) * ratio));
    };
    QString runs;
    const bool across = from.y() == to.y();
    const int start = across ? first(from.x()) : first(from.y());
    const int end = across ? last(to.x()) : last(to.y());
    for (int d = start; d <= end; ++d) {
        const QRgb c =
            across ? window.pixel(d, middle(from.y())) : window.pixel(middle(from.x()), d);
        if (runs.isEmpty() || runs.back() != letter(c)) {
            runs += letter(c);
        }
    }
    return runs;
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
    void settingsBarLinesAreWhole_data();
    void settingsBarLinesAreWhole();

private:
    ShownForm form_;
};

void TestHighDensity::initTestCase() {
    form_ = ShowForm();
    // 2 for this file's own run; the settings bar's rows start it again at their factors.
    // (Qt keeps a factor to about five decimals.)
    const qreal factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble();
    QVERIFY2(std::abs(form_.form->devicePixelRatioF() - factor) < 1e-3,
             qPrintable(QString::number(form_.form->devicePixelRatioF())));
}

void TestHighDensity::coinTwinIsDecodedWhenShownAndDrawn() {
    TForm1* form = form_.form.get();
    for (int s = 0; s < DenominationCount; ++s) {
        const QString path =
            QString::fromLatin1(PieceLooks[s].Image.data(), PieceLooks[s].Image.size());
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
        path = QString::fromLatin1(PieceLooks[s].Image.data(), PieceLooks[s].Image.size());
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

void TestHighDensity::settingsBarLinesAreWhole_data() {
    QTest::addColumn<qreal>("factor");
    // At 1x as designed; the others put the one-pixel lines between device pixels. (At 2x
    // the lines are whole but the picture is kept as it was; below 1x Qt 6.4 leaves parts
    // of the window unpainted, lines or not.)
    for (const qreal factor : {1.0, 1.25, 1.5, 1.75}) {
        QTest::newRow(qPrintable(QString::number(factor))) << factor;
    }
}

// Every line of the settings bar and its middle column comes out at least one device pixel
// wide at any factor, and no line shows where the window at 1x has none: scanned across the
// lines, the colours follow each other as at 1x.
void TestHighDensity::settingsBarLinesAreWhole() {
    QFETCH(qreal, factor);
    const QString tag = QString::fromLatin1(QTest::currentDataTag());
    if (qEnvironmentVariable("QT_SCALE_FACTOR") != tag) {
        // The factor is read when the application object is made: a process of its own.
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), tag);
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("settingsBarLinesAreWhole:") + tag});
        QVERIFY(child.waitForFinished(60000));
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                 child.readAll().constData());
        return;
    }
    TForm1* form = form_.form.get();
    const qreal ratio = form->devicePixelRatioF();
    QVERIFY(std::abs(ratio - factor) < 1e-3);
    const QImage window = form->grab().toImage();
    QWidget* bar = form_->Instellingen;
    QCOMPARE(form_->groep2->geometry(), QRect(347, 8, 149, 80));
    const int right = bar->width();
    const auto along = [&](QPoint from, QPoint to) {
        return ColoursAlong(window, ratio, bar->mapTo(form, from), bar->mapTo(form, to));
    };
    // Across, on rows clear of controls: the frame's left side, the middle column's
    // highlight (the divider left of "Kasticket") and shadow, the frame's right side.
    for (const int y : {12, 30, 50, 70, 84}) {
        QCOMPARE(along({-4, y}, {8, y}), QStringLiteral("gwt"));
        QCOMPARE(along({337, y}, {360, y}), QStringLiteral("twt"));
        QCOMPARE(along({480, y}, {508, y}), QStringLiteral("tgt"));
        QCOMPARE(along({right - 12, y}, {right + 3, y}), QStringLiteral("tgwg"));
    }
    // Down the bar, left of the middle column, through it and right of it (clear of controls):
    // the window, the bar above its frame, the frame's shadow and highlight (with the middle
    // column's top line), the bar or the column, the shadow (the column's bottom line on the
    // frame's), the frame's highlight under it, the window.
    for (const int x : {336, 350, 487, 505}) {
        QCOMPARE(along({x, -4}, {x, bar->height() + 3}), QStringLiteral("gtgwtgwg"));
    }
}

QTEST_MAIN(TestHighDensity)
#include "tst_hidpi.moc"
