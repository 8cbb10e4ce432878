// quorvel-artwork: draws every picture of the window and writes it into a folder (normally
// assets/images, whose files are committed), each once at its own size and once at twice that
// size for high-density screens ("note500@2x.jpg"). Given a second folder (normally
// assets/icons) it also draws the program icon for the desktop: PNGs from 16 to 256 pixels and
// a scalable SVG. Not part of the program. Run it offscreen:
//     QT_QPA_PLATFORM=offscreen quorvel-artwork assets/images assets/icons
// or build the target quorvel-artwork-update. Same fonts in, same bytes out: nothing here
// depends on the clock, chance or the screen.

#include "assets/jpeg_encode.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>
#include <QStringList>
#include <QTransform>

#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;

// ---------------------------------------------------------------------------------------------
// Small helpers

QColor Mix(const QColor& a, const QColor& b, double t) {
    auto lerp = [t](int x, int y) {
        return static_cast<int>(std::lround(x + (y - x) * t));
    };
    return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()),
                  lerp(a.alpha(), b.alpha()));
}

QColor Lighter(const QColor& c, double t) {
    return Mix(c, Qt::white, t);
}

QColor Darker(const QColor& c, double t) {
    return Mix(c, Qt::black, t);
}

QFont Font(const QString& family, double pixelSize, bool bold) {
    QFont font(family);
    font.setPixelSize(static_cast<int>(std::lround(pixelSize)));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

QFont Sans(double pixelSize, bool bold = true) {
    return Font(QStringLiteral("Liberation Sans"), pixelSize, bold);
}

// The outline of a text, moved so that its ink is centred on `centre`.
QPainterPath CentredText(const QString& text, const QFont& font, QPointF centre) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF ink = path.boundingRect();
    return path.translated(centre - ink.center());
}

// The outline of a text whose ink starts at `left` and whose baseline is at `baseline`.
QPainterPath TextAt(const QString& text, const QFont& font, double left, double baseline) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    return path.translated(left - path.boundingRect().left(), baseline);
}

// Outline first, fill over it: the outline shows only outside the letters.
void FillOutlined(QPainter& p, const QPainterPath& path, const QColor& fill, const QColor& edge,
                  double edgeWidth) {
    p.strokePath(path, QPen(edge, edgeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(path, fill);
}

// Letters placed along a circle arc, centred on the bottom (bottom = true, reading left to
// right along the lower edge) or the top of the circle.
void ArcText(QPainter& p, const QString& text, const QFont& font, QPointF centre, double radius,
             bool bottom, const QColor& colour) {
    const QFontMetricsF metrics(font);
    double total = 0;
    for (const QChar c : text) {
        total += metrics.horizontalAdvance(c);
    }
    const double spread = total / radius; // radians taken by the text
    double angle = bottom ? kPi / 2 + spread / 2 : -kPi / 2 - spread / 2;
    for (const QChar c : text) {
        const double advance = metrics.horizontalAdvance(c) / radius;
        const double middle = bottom ? angle - advance / 2 : angle + advance / 2;
        QPainterPath glyph;
        glyph.addText(0, 0, font, QString(c));
        const QRectF ink = glyph.boundingRect();
        glyph.translate(-ink.center().x(), -ink.center().y());
        QTransform t;
        t.translate(centre.x() + radius * std::cos(middle), centre.y() + radius * std::sin(middle));
        t.rotateRadians(bottom ? middle - kPi / 2 : middle + kPi / 2);
        p.fillPath(t.map(glyph), colour);
        angle = bottom ? angle - advance : angle + advance;
    }
}

// ---------------------------------------------------------------------------------------------
// Writing

bool SaveJpeg(const QImage& picture, const QString& path) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    std::vector<unsigned char> pixels;
    pixels.reserve(static_cast<std::size_t>(rgb.width()) * rgb.height() * 3);
    for (int y = 0; y < rgb.height(); ++y) {
        const uchar* line = rgb.constScanLine(y);
        pixels.insert(pixels.end(), line, line + static_cast<std::size_t>(rgb.width()) * 3);
    }
    std::string error;
    const auto encoded =
        EncodeJpeg(pixels.data(), rgb.width(), rgb.height(), JpegPixels::Rgb, 92, &error);
    if (!encoded) {
        std::fprintf(stderr, "quorvel-artwork: %s: %s\n", qUtf8Printable(path), error.c_str());
        return false;
    }
    std::FILE* file = std::fopen(path.toLocal8Bit().constData(), "wb");
    if (file == nullptr) {
        std::fprintf(stderr, "quorvel-artwork: cannot write %s\n", qUtf8Printable(path));
        return false;
    }
    const bool written = std::fwrite(encoded->data(), 1, encoded->size(), file) == encoded->size();
    return std::fclose(file) == 0 && written;
}

bool SavePng(const QImage& picture, const QString& path) {
    QImage copy = picture;
    copy.setDotsPerMeterX(3780); // 96 dpi, fixed
    copy.setDotsPerMeterY(3780);
    if (!copy.save(path, "PNG")) {
        std::fprintf(stderr, "quorvel-artwork: cannot write %s\n", qUtf8Printable(path));
        return false;
    }
    return true;
}

// ---------------------------------------------------------------------------------------------
// Banknotes: a tinted sheet with fine wave lines, the value large at the left with the word
// EURO under it, a building drawn in the note's colour at the right, a pale oval "watermark"
// band at the right edge and the value small in the top right corner.

struct Ink {
    QColor line;  // outlines of the drawing
    QColor fill;  // walls
    QColor shade; // openings, shadows
};

using Motif = std::function<void(QPainter&, const QRectF&, const Ink&)>;

void Wall(QPainter& p, const QPainterPath& shape, const Ink& ink, double width) {
    p.fillPath(shape, ink.fill);
    p.strokePath(shape, QPen(ink.line, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

QPainterPath RoundArch(double left, double right, double springLine, double bottom) {
    const double radius = (right - left) / 2;
    QPainterPath path;
    path.moveTo(left, bottom);
    path.lineTo(left, springLine);
    path.arcTo(QRectF(left, springLine - radius, 2 * radius, 2 * radius), 180, -180);
    path.lineTo(right, bottom);
    path.closeSubpath();
    return path;
}

// A wall with a round window: a wheel of eight spokes.
void DrawRoundWindow(QPainter& p, const QRectF& r, const Ink& ink) {
    const double lw = r.width() * 0.018 + 1.0;
    QPainterPath wall;
    wall.addRect(QRectF(r.left(), r.top() + r.height() * 0.08, r.width(), r.height() * 0.92));
    Wall(p, wall, ink, lw);
    p.setPen(QPen(Mix(ink.line, ink.fill, 0.55), lw * 0.6));
    for (int i = 1; i < 7; ++i) {
        const double y = r.top() + r.height() * (0.08 + 0.92 * i / 7.0);
        p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
    }
    const QPointF c = r.center() + QPointF(0, r.height() * 0.04);
    const double outer = std::min(r.width(), r.height()) * 0.38;
    QPainterPath ring;
    ring.addEllipse(c, outer, outer);
    Wall(p, ring, ink, lw);
    QPainterPath glass;
    glass.addEllipse(c, outer * 0.8, outer * 0.8);
    p.fillPath(glass, ink.shade);
    p.setPen(QPen(ink.fill, lw * 1.4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 8; ++i) {
        const double a = i * kPi / 4;
        p.drawLine(c, c + QPointF(std::cos(a), std::sin(a)) * outer * 0.8);
    }
    QPainterPath hub;
    hub.addEllipse(c, outer * 0.2, outer * 0.2);
    Wall(p, hub, ink, lw);
    p.setPen(QPen(ink.line, lw));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, outer * 0.8, outer * 0.8);
}

// A gateway: two piers and a round arch of wedge stones with a keystone.
void DrawGateway(QPainter& p, const QRectF& r, const Ink& ink) {
    const double lw = r.width() * 0.018 + 1.0;
    const double top = r.top() + r.height() * 0.05;
    QPainterPath block;
    block.addRect(QRectF(r.left() + r.width() * 0.06, top, r.width() * 0.88, r.bottom() - top));
    Wall(p, block, ink, lw);
    const double openLeft = r.left() + r.width() * 0.28;
    const double openRight = r.right() - r.width() * 0.28;
    const double spring = r.top() + r.height() * 0.5;
    const double radius = (openRight - openLeft) / 2;
    const QPointF c((openLeft + openRight) / 2, spring);
    // wedge stones
    p.setPen(QPen(ink.line, lw * 0.7));
    const double stoneOuter = radius * 1.45;
    for (int i = 0; i <= 8; ++i) {
        const double a = kPi + i * kPi / 8;
        p.drawLine(c + QPointF(std::cos(a), std::sin(a)) * radius,
                   c + QPointF(std::cos(a), std::sin(a)) * stoneOuter);
    }
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - stoneOuter, c.y() - stoneOuter, 2 * stoneOuter, 2 * stoneOuter), 0,
              180 * 16);
    const QPainterPath opening = RoundArch(openLeft, openRight, spring, r.bottom());
    p.fillPath(opening, ink.shade);
    p.strokePath(opening, QPen(ink.line, lw));
    QPainterPath key;
    key.moveTo(c.x() - radius * 0.16, c.y() - radius * 0.98);
    key.lineTo(c.x() + radius * 0.16, c.y() - radius * 0.98);
    key.lineTo(c.x() + radius * 0.24, c.y() - stoneOuter - radius * 0.08);
    key.lineTo(c.x() - radius * 0.24, c.y() - stoneOuter - radius * 0.08);
    key.closeSubpath();
    Wall(p, key, ink, lw);
    // cornice
    QPainterPath cornice;
    cornice.addRect(QRectF(r.left(), top - r.height() * 0.02, r.width(), r.height() * 0.08));
    Wall(p, cornice, ink, lw);
}

// A humped bridge of three arches over water, the middle one the widest.
void DrawBridge(QPainter& p, const QRectF& r, const Ink& ink) {
    const double lw = r.width() * 0.016 + 1.0;
    const double water = r.top() + r.height() * 0.8;
    const double crown = r.top() + r.height() * 0.22; // deck at the middle
    const double ends = r.top() + r.height() * 0.4;   // deck at the ends
    auto deckAt = [&](double x) {
        const double t = (x - r.center().x()) / (r.width() / 2);
        return crown + (ends - crown) * t * t;
    };
    QPainterPath body;
    body.moveTo(r.left(), water);
    for (double x = r.left(); x <= r.right() + 0.01; x += 1.0) {
        body.lineTo(x, deckAt(x));
    }
    body.lineTo(r.right(), water);
    body.closeSubpath();
    Wall(p, body, ink, lw);
    // parapet
    p.setPen(QPen(ink.line, lw * 0.8, Qt::SolidLine, Qt::RoundCap));
    QPainterPath rail;
    const double railHeight = r.height() * 0.09;
    rail.moveTo(r.left(), deckAt(r.left()) - railHeight);
    for (double x = r.left(); x <= r.right() + 0.01; x += 1.0) {
        rail.lineTo(x, deckAt(x) - railHeight);
    }
    p.setBrush(Qt::NoBrush);
    p.drawPath(rail);
    for (int i = 0; i <= 12; ++i) {
        const double x = r.left() + r.width() * i / 12.0;
        p.drawLine(QPointF(x, deckAt(x) - railHeight), QPointF(x, deckAt(x)));
    }
    // arches: left, middle, right
    const double bounds[3][2] = {{0.05, 0.3}, {0.36, 0.64}, {0.7, 0.95}};
    for (const auto& b : bounds) {
        const double left = r.left() + r.width() * b[0];
        const double right = r.left() + r.width() * b[1];
        const double top = deckAt((left + right) / 2) + r.height() * 0.2;
        QPainterPath arch;
        arch.moveTo(left, water);
        arch.arcTo(QRectF(left, top, right - left, 2 * (water - top)), 180, -180);
        arch.closeSubpath();
        p.fillPath(arch, ink.shade);
        p.strokePath(arch, QPen(ink.line, lw));
    }
    // water
    p.setPen(QPen(ink.line, lw * 0.8, Qt::SolidLine, Qt::RoundCap));
    for (int row = 0; row < 2; ++row) {
        QPainterPath wave;
        const double y = water + r.height() * (0.07 + 0.08 * row);
        wave.moveTo(r.left(), y);
        for (double x = r.left(); x <= r.right(); x += 1.0) {
            wave.lineTo(x, y + std::sin((x - r.left()) / r.width() * 6 * kPi + row) * r.height() *
                                   0.015);
        }
        p.drawPath(wave);
    }
}

// A tower with a pointed roof, a clock and narrow windows.
void DrawTower(QPainter& p, const QRectF& r, const Ink& ink) {
    const double lw = r.width() * 0.018 + 1.0;
    const double cx = r.center().x();
    const double half = r.width() * 0.2;
    const double shaftTop = r.top() + r.height() * 0.32;
    QPainterPath side;
    side.addRect(QRectF(r.left(), r.top() + r.height() * 0.62, r.width(), r.height() * 0.38));
    Wall(p, side, ink, lw);
    for (int i = 0; i < 2; ++i) {
        const double x = i == 0 ? r.left() + r.width() * 0.08 : r.right() - r.width() * 0.2;
        const QPainterPath window = RoundArch(x, x + r.width() * 0.12, r.top() + r.height() * 0.76,
                                              r.bottom() - r.height() * 0.08);
        p.fillPath(window, ink.shade);
    }
    QPainterPath shaft;
    shaft.addRect(QRectF(cx - half, shaftTop, 2 * half, r.bottom() - shaftTop));
    Wall(p, shaft, ink, lw);
    QPainterPath roof;
    roof.moveTo(cx - half * 1.25, shaftTop);
    roof.lineTo(cx, r.top());
    roof.lineTo(cx + half * 1.25, shaftTop);
    roof.closeSubpath();
    p.fillPath(roof, ink.line);
    const QPointF clock(cx, shaftTop + r.height() * 0.13);
    const double cr = half * 0.6;
    QPainterPath face;
    face.addEllipse(clock, cr, cr);
    Wall(p, face, ink, lw);
    p.setPen(QPen(ink.line, lw, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(clock, clock + QPointF(0, -cr * 0.7));
    p.drawLine(clock, clock + QPointF(cr * 0.5, 0));
    for (int i = 0; i < 2; ++i) {
        const double y = shaftTop + r.height() * (0.3 + 0.2 * i);
        const QPainterPath window =
            RoundArch(cx - half * 0.3, cx + half * 0.3, y, y + r.height() * 0.12);
        p.fillPath(window, ink.shade);
    }
    const QPainterPath door =
        RoundArch(cx - half * 0.45, cx + half * 0.45, r.bottom() - r.height() * 0.1, r.bottom());
    p.fillPath(door, ink.shade);
}

// A temple front: steps, five columns and a triangular gable.
void DrawColonnade(QPainter& p, const QRectF& r, const Ink& ink) {
    const double lw = r.width() * 0.016 + 1.0;
    const double gableTop = r.top();
    const double gableBase = r.top() + r.height() * 0.25;
    const double beamBottom = gableBase + r.height() * 0.1;
    const double stepsTop = r.bottom() - r.height() * 0.14;
    p.fillRect(
        QRectF(r.left() + r.width() * 0.06, beamBottom, r.width() * 0.88, stepsTop - beamBottom),
        ink.shade);
    QPainterPath gable;
    gable.moveTo(r.left(), gableBase);
    gable.lineTo(r.center().x(), gableTop);
    gable.lineTo(r.right(), gableBase);
    gable.closeSubpath();
    Wall(p, gable, ink, lw);
    QPainterPath inner;
    inner.moveTo(r.left() + r.width() * 0.14, gableBase - r.height() * 0.03);
    inner.lineTo(r.center().x(), gableTop + r.height() * 0.07);
    inner.lineTo(r.right() - r.width() * 0.14, gableBase - r.height() * 0.03);
    inner.closeSubpath();
    p.strokePath(inner, QPen(ink.line, lw * 0.7));
    QPainterPath beam;
    beam.addRect(QRectF(r.left(), gableBase, r.width(), beamBottom - gableBase));
    Wall(p, beam, ink, lw);
    const int columns = 5;
    const double colWidth = r.width() * 0.1;
    for (int i = 0; i < columns; ++i) {
        const double x =
            r.left() + r.width() * 0.08 + (r.width() * 0.84 - colWidth) * i / (columns - 1);
        QPainterPath column;
        column.addRect(QRectF(x, beamBottom, colWidth, stepsTop - beamBottom));
        Wall(p, column, ink, lw * 0.8);
        p.setPen(QPen(Mix(ink.line, ink.fill, 0.5), lw * 0.5));
        p.drawLine(QPointF(x + colWidth * 0.5, beamBottom + 2),
                   QPointF(x + colWidth * 0.5, stepsTop - 2));
        QPainterPath capital;
        capital.addRect(QRectF(x - colWidth * 0.2, beamBottom, colWidth * 1.4, r.height() * 0.04));
        Wall(p, capital, ink, lw * 0.7);
    }
    for (int i = 0; i < 2; ++i) {
        QPainterPath step;
        const double inset = r.width() * 0.03 * (1 - i);
        step.addRect(QRectF(r.left() + inset, stepsTop + r.height() * 0.07 * i,
                            r.width() - 2 * inset, r.height() * 0.07));
        Wall(p, step, ink, lw * 0.8);
    }
}

// A tall window with a round head, divided into panes.
void DrawTallWindow(QPainter& p, const QRectF& r, const Ink& ink) {
    const double lw = r.width() * 0.018 + 1.0;
    QPainterPath wall;
    wall.addRect(r);
    Wall(p, wall, ink, lw);
    p.setPen(QPen(Mix(ink.line, ink.fill, 0.55), lw * 0.6));
    for (int i = 1; i < 8; ++i) {
        const double y = r.top() + r.height() * i / 8.0;
        p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
    }
    const double left = r.left() + r.width() * 0.26;
    const double right = r.right() - r.width() * 0.26;
    const double spring = r.top() + r.height() * 0.36;
    const double bottom = r.bottom() - r.height() * 0.12;
    const QPainterPath frame =
        RoundArch(left - lw * 2.5, right + lw * 2.5, spring, bottom + lw * 2.5);
    Wall(p, frame, ink, lw);
    const QPainterPath glass = RoundArch(left, right, spring, bottom);
    p.fillPath(glass, ink.shade);
    p.save();
    p.setClipPath(glass);
    p.setPen(QPen(ink.fill, lw * 1.2));
    const double cx = (left + right) / 2;
    p.drawLine(QPointF(cx, r.top()), QPointF(cx, bottom));
    for (int i = 0; i < 4; ++i) {
        const double y = spring + (bottom - spring) * i / 4.0;
        p.drawLine(QPointF(left, y), QPointF(right, y));
    }
    p.restore();
    QPainterPath sill;
    sill.addRect(
        QRectF(left - r.width() * 0.1, bottom, right - left + r.width() * 0.2, r.height() * 0.06));
    Wall(p, sill, ink, lw);
}

// A domed hall: base with doors, a drum with windows, a ribbed dome and a lantern.
void DrawDome(QPainter& p, const QRectF& r, const Ink& ink) {
    const double lw = r.width() * 0.016 + 1.0;
    const double cx = r.center().x();
    const double baseTop = r.top() + r.height() * 0.62;
    QPainterPath base;
    base.addRect(QRectF(r.left(), baseTop, r.width(), r.bottom() - baseTop));
    Wall(p, base, ink, lw);
    for (int i = 0; i < 5; ++i) {
        const double x = r.left() + r.width() * (0.07 + 0.19 * i);
        p.fillPath(RoundArch(x, x + r.width() * 0.1, baseTop + r.height() * 0.16, r.bottom()),
                   ink.shade);
    }
    const double drumHalf = r.width() * 0.3;
    const double drumTop = r.top() + r.height() * 0.46;
    QPainterPath drum;
    drum.addRect(QRectF(cx - drumHalf, drumTop, 2 * drumHalf, baseTop - drumTop));
    Wall(p, drum, ink, lw);
    for (int i = 0; i < 4; ++i) {
        const double x = cx - drumHalf + drumHalf * (0.2 + 0.45 * i);
        p.fillRect(QRectF(x, drumTop + r.height() * 0.04, drumHalf * 0.16, r.height() * 0.08),
                   ink.shade);
    }
    const double domeHalf = drumHalf * 0.95;
    const double domeHeight = r.height() * 0.32;
    QPainterPath dome;
    dome.moveTo(cx - domeHalf, drumTop);
    dome.arcTo(QRectF(cx - domeHalf, drumTop - domeHeight, 2 * domeHalf, 2 * domeHeight), 180,
               -180);
    dome.closeSubpath();
    Wall(p, dome, ink, lw);
    p.save();
    p.setClipPath(dome);
    p.setPen(QPen(ink.line, lw * 0.7));
    for (int i = 1; i < 6; ++i) {
        const double t = i / 6.0;
        const double x = cx - domeHalf + 2 * domeHalf * t;
        QPainterPath rib;
        rib.moveTo(x, drumTop);
        rib.quadTo(cx + (x - cx) * 0.4, drumTop - domeHeight * 0.9, cx, drumTop - domeHeight);
        p.drawPath(rib);
    }
    p.restore();
    QPainterPath lantern;
    lantern.addRect(QRectF(cx - r.width() * 0.04, r.top() + r.height() * 0.04, r.width() * 0.08,
                           drumTop - domeHeight - r.top() - r.height() * 0.02));
    Wall(p, lantern, ink, lw * 0.8);
    QPainterPath ball;
    ball.addEllipse(QPointF(cx, r.top() + r.height() * 0.03), r.width() * 0.03, r.width() * 0.03);
    p.fillPath(ball, ink.line);
}

struct Note {
    const char* file;
    const char* value;
    int width;
    int height;
    QColor colour;
    Motif motif;
};

// `scale` 2 draws the same picture on twice as many pixels in each direction.
QImage DrawBanknote(const Note& note, int scale) {
    const int w = note.width;
    const int h = note.height;
    QImage image(w * scale, h * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor mid = note.colour;
    const QColor dark = Darker(mid, 0.45);

    QLinearGradient sheet(0, 0, w, h);
    sheet.setColorAt(0, Lighter(mid, 0.78));
    sheet.setColorAt(0.55, Lighter(mid, 0.6));
    sheet.setColorAt(1, Lighter(mid, 0.42));
    p.fillRect(QRect(0, 0, w, h), sheet);

    // Fine waves, two families crossing.
    p.setPen(QPen(QColor(mid.red(), mid.green(), mid.blue(), 70), 0.8));
    for (int family = 0; family < 2; ++family) {
        for (int i = -2; i < 18; ++i) {
            QPainterPath wave;
            const double base = h * i / 16.0;
            for (int x = 0; x <= w; x += 2) {
                const double phase = family == 0 ? x / 23.0 : -x / 31.0 + 1.3;
                const double y =
                    base + std::sin(phase + i * 0.4) * h * 0.05 + (family ? x * 0.08 : 0);
                if (x == 0) {
                    wave.moveTo(x, y);
                } else {
                    wave.lineTo(x, y);
                }
            }
            p.drawPath(wave);
        }
    }

    const double m = h * 0.05;
    // Pale oval band at the right edge.
    const QRectF band(w * 0.86, m * 1.6, w * 0.14 - m * 1.6, h - m * 3.2);
    p.setPen(Qt::NoPen);
    p.setBrush(Lighter(mid, 0.86));
    p.drawEllipse(band);
    p.fillPath(
        CentredText(QString::fromLatin1(note.value), Sans(band.width() * 0.42), band.center()),
        Lighter(mid, 0.62));

    // The building.
    const Ink ink{dark, Lighter(mid, 0.8), Mix(mid, dark, 0.35)};
    const QRectF motifBox(w * 0.52, h * 0.2, w * 0.31, h * 0.66);
    note.motif(p, motifBox, ink);

    // A darker strip along the bottom left carries EURO.
    const QRectF strip(m, h * 0.66, w * 0.47, h * 0.2);
    QLinearGradient stripFill(strip.topLeft(), strip.topRight());
    stripFill.setColorAt(0, dark);
    stripFill.setColorAt(1, Mix(dark, mid, 0.6));
    p.setPen(Qt::NoPen);
    p.setBrush(stripFill);
    p.drawRect(strip);
    p.fillPath(CentredText(QStringLiteral("EURO"), Sans(strip.height() * 0.75), strip.center()),
               Lighter(mid, 0.9));

    // The value, large.
    // As high as the room above the strip allows, as narrow as the room left of the building.
    const double room = w * 0.49 - m * 3;
    QFont big = Sans(h * 0.5);
    QPainterPath value = TextAt(QString::fromLatin1(note.value), big, m * 3, h * 0.57);
    if (value.boundingRect().width() > room) {
        big = Sans(h * 0.5 * room / value.boundingRect().width());
        value = TextAt(QString::fromLatin1(note.value), big, m * 3, h * 0.57);
    }
    FillOutlined(p, value, dark, Lighter(mid, 0.92), h * 0.035);

    // The value, small, top right, and a frame.
    p.fillPath(CentredText(QString::fromLatin1(note.value), Sans(h * 0.12),
                           QPointF(w * 0.93 - m, m * 2.9)),
               dark);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(dark, 1.6));
    p.drawRoundedRect(QRectF(m, m, w - 2 * m, h - 2 * m), m, m);
    p.setPen(QPen(Darker(mid, 0.25), 1.0));
    p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
    p.end();
    return image;
}

// ---------------------------------------------------------------------------------------------
// Coins: drawn in a 100 x 100 space stretched to the picture, on exact white. Every colour of
// the disc stays well away from white, and a darker rim seals it off from the background.

struct Metal {
    QColor light;
    QColor base;
    QColor deep;
};

const Metal kGold{QColor(236, 206, 120), QColor(204, 164, 62), QColor(140, 104, 28)};
const Metal kSilver{QColor(214, 218, 224), QColor(170, 176, 186), QColor(104, 110, 122)};
const Metal kCopper{QColor(226, 152, 110), QColor(184, 100, 60), QColor(118, 56, 30)};

QBrush MetalBrush(const Metal& metal, QPointF centre, double radius) {
    QRadialGradient g(centre, radius * 1.35, centre - QPointF(radius * 0.45, radius * 0.55));
    g.setColorAt(0, metal.light);
    g.setColorAt(0.55, metal.base);
    g.setColorAt(1, metal.deep);
    return g;
}

void Disc(QPainter& p, QPointF c, double r, const QBrush& brush) {
    p.setPen(Qt::NoPen);
    p.setBrush(brush);
    p.drawEllipse(c, r, r);
}

// Small beads on a circle of radius r, from angle `from` to `to` (radians, clockwise from
// three o'clock, y pointing down).
void Beads(QPainter& p, QPointF c, double r, int count, double size, const QColor& colour,
           double from = 0, double to = 2 * kPi) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const bool closed = to - from >= 2 * kPi - 1e-9;
    for (int i = 0; i < count; ++i) {
        const double a = from + (to - from) * i / (closed ? count : count - 1);
        p.drawEllipse(c + QPointF(std::cos(a), std::sin(a)) * r, size, size);
    }
}

struct Coin {
    const char* file;
    int width;
    int height;
    const char* value;
    bool euro;           // "EURO" (else "CENT")
    const Metal* ring;   // outer metal
    const Metal* centre; // inner metal; == ring for one-metal coins
};

QImage DrawCoin(const Coin& coin, int scale) {
    QImage image(coin.width * scale, coin.height * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // One pixel of white all round, whatever the stretch.
    p.translate(1, 1);
    p.scale((coin.width - 2) / 100.0, (coin.height - 2) / 100.0);
    const QPointF c(50, 50);
    const bool twoMetals = coin.ring != coin.centre;
    const Metal& outer = *coin.ring;
    const Metal& inner = *coin.centre;

    Disc(p, c, 50, outer.deep);                               // rim edge
    Disc(p, c, 48.5, MetalBrush(outer, c, 48.5));             // rim
    Disc(p, c, 44, outer.deep);                               // step down to the face
    Disc(p, c, 43, MetalBrush(outer, c + QPointF(4, 5), 43)); // face
    const double innerRadius = 30;
    if (twoMetals) {
        Disc(p, c, innerRadius + 1.2, inner.deep);
        Disc(p, c, innerRadius, MetalBrush(inner, c, innerRadius));
        Beads(p, c, 36.5, 15, 1.1, outer.deep, -kPi * 0.9, -kPi * 0.1);
    } else {
        Beads(p, c, 39.5, 48, 0.9, outer.deep);
    }

    const QString value = QString::fromLatin1(coin.value);
    const QString word = coin.euro ? QStringLiteral("EURO") : QStringLiteral("CENT");
    const QColor valueInk = Darker(inner.deep, 0.35);
    if (twoMetals) {
        // The value fills the centre, the word runs along the bottom of the ring.
        p.fillPath(CentredText(value, Sans(48), c + QPointF(0, -1)), valueInk);
        ArcText(p, word, Sans(11), c, 36.5, true, Darker(outer.deep, 0.35));

    } else {
        const double size = value.size() == 1 ? 54 : 40;
        p.fillPath(CentredText(value, Sans(size), c + QPointF(0, -7)), valueInk);
        p.fillPath(CentredText(word, Sans(13), c + QPointF(0, 22)), valueInk);
    }
    p.end();
    return image;
}

// ---------------------------------------------------------------------------------------------
// Purse: an open brown leather purse with a clasp frame of two brass arcs, hinged at the sides,
// and coins showing between them.

void BrassArc(QPainter& p, const QPainterPath& arc) {
    p.strokePath(arc, QPen(kGold.deep, 4.4, Qt::SolidLine, Qt::RoundCap));
    p.strokePath(arc, QPen(kGold.light, 1.8, Qt::SolidLine, Qt::RoundCap));
}

void Knob(QPainter& p, QPointF centre) {
    p.setPen(QPen(kGold.deep, 1));
    p.setBrush(MetalBrush(kGold, centre, 4.2));
    p.drawEllipse(centre, 4.2, 4.2);
}

QImage DrawPurse(int scale) {
    const int w = 120;
    const int h = 90;
    QImage image(w * scale, h * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient back(0, 0, 0, h);
    back.setColorAt(0, QColor(236, 240, 246));
    back.setColorAt(1, QColor(200, 210, 222));
    p.fillRect(QRect(0, 0, w, h), back);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(160, 168, 180));
    p.drawEllipse(QRectF(16, 79, 88, 9));

    const QColor leather(150, 84, 42);
    const QPointF hingeLeft(17, 44);
    const QPointF hingeRight(103, 44);
    // The back half, tipped open.
    QPainterPath backArc;
    backArc.moveTo(hingeLeft);
    backArc.cubicTo(QPointF(22, 8), QPointF(98, 8), hingeRight);
    QPainterPath backPanel = backArc;
    backPanel.closeSubpath();
    QLinearGradient backFill(0, 10, 0, 46);
    backFill.setColorAt(0, Darker(leather, 0.05));
    backFill.setColorAt(1, Darker(leather, 0.45));
    p.fillPath(backPanel, backFill);
    BrassArc(p, backArc);
    Knob(p, QPointF(60, 15));
    // The inside and the coins in it.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(46, 24, 12));
    p.drawEllipse(QRectF(20, 30, 80, 24));
    struct Piece {
        QRectF box;
        const Metal* metal;
    };
    const Piece pieces[] = {
        {QRectF(27, 28, 22, 18), &kCopper}, {QRectF(70, 26, 24, 19), &kSilver},
        {QRectF(38, 22, 26, 22), &kGold},   {QRectF(57, 21, 25, 22), &kGold},
        {QRectF(48, 31, 20, 15), &kSilver},
    };
    for (const Piece& piece : pieces) {
        p.setPen(QPen(piece.metal->deep, 1.2));
        p.setBrush(MetalBrush(*piece.metal, piece.box.center(), piece.box.width() / 2));
        p.drawEllipse(piece.box);
        p.setPen(QPen(piece.metal->deep, 0.8));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(piece.box.adjusted(3.5, 3, -3.5, -3));
    }
    // The front half: a round-bottomed pouch.
    QPainterPath frontArc;
    frontArc.moveTo(hingeLeft);
    frontArc.cubicTo(QPointF(34, 53), QPointF(86, 53), hingeRight);
    QPainterPath body = frontArc;
    body.cubicTo(114, 62, 104, 82, 76, 83);
    body.lineTo(44, 83);
    body.cubicTo(16, 82, 6, 62, hingeLeft.x(), hingeLeft.y());
    body.closeSubpath();
    QLinearGradient bodyFill(0, 44, 0, 84);
    bodyFill.setColorAt(0, Lighter(leather, 0.25));
    bodyFill.setColorAt(1, Darker(leather, 0.3));
    p.fillPath(body, bodyFill);
    p.strokePath(body, QPen(Darker(leather, 0.55), 1.2));
    QPainterPath stitch;
    stitch.moveTo(19, 55);
    stitch.cubicTo(15, 68, 24, 77, 44, 78);
    stitch.lineTo(76, 78);
    stitch.cubicTo(96, 77, 105, 68, 101, 55);
    p.strokePath(stitch, QPen(QColor(232, 196, 146), 1.0, Qt::DashLine));
    BrassArc(p, frontArc);
    Knob(p, QPointF(60, 51));
    for (const QPointF hinge : {hingeLeft, hingeRight}) {
        p.setPen(QPen(kGold.deep, 1));
        p.setBrush(kGold.base);
        p.drawEllipse(hinge, 3, 3);
    }
    p.end();
    return image;
}

// ---------------------------------------------------------------------------------------------
// STOP sign: a red rounded rectangle with the white underlined word STOP; the corners outside
// it are transparent.

QImage DrawStop(int scale) {
    const int w = 707;
    const int h = 398;
    QImage image(w * scale, h * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer(4, 4, w - 8, h - 8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 0, 0));
    p.drawRoundedRect(outer, 70, 70);
    QLinearGradient red(0, 0, 0, h);
    red.setColorAt(0, QColor(236, 40, 36));
    red.setColorAt(1, QColor(190, 10, 10));
    p.setBrush(red);
    p.drawRoundedRect(outer.adjusted(10, 10, -10, -10), 60, 60);

    // The word four fifths as wide as the sign.
    QPainterPath word = CentredText(QStringLiteral("STOP"), Sans(200), QPointF(0, 0));
    const double size = 200 * w * 0.8 / word.boundingRect().width();
    word = CentredText(QStringLiteral("STOP"), Sans(size), QPointF(w / 2.0, h * 0.43));
    p.fillPath(word, Qt::white);
    const QRectF ink = word.boundingRect();
    p.fillRect(QRectF(ink.left(), ink.bottom() + 24, ink.width(), 38), Qt::white);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

// ---------------------------------------------------------------------------------------------
// Check mark: a green tick and, beside it, the same tick greyed as for a disabled button.

QImage DrawCheckmark(int scale) {
    QImage image(36 * scale, 18 * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath tick;
    tick.moveTo(3.5, 9.5);
    tick.lineTo(7.5, 13.5);
    tick.lineTo(14.5, 4.0);
    const QPen dark(QColor(0, 100, 0), 3.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    const QPen green(QColor(30, 170, 40), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.strokePath(tick, dark);
    p.strokePath(tick, green);
    const QPainterPath greyed = tick.translated(18, 0);
    p.strokePath(greyed.translated(1, 1),
                 QPen(Qt::white, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.strokePath(greyed,
                 QPen(QColor(128, 128, 128), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

// ---------------------------------------------------------------------------------------------
// Program icon: a blue tile with a white plus, a white sum bar and a gold coin.

QImage DrawIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    const double u = s / 16.0; // one pixel of the 16 px icon
    QLinearGradient tile(0, 0, 0, s);
    tile.setColorAt(0, QColor(58, 120, 200));
    tile.setColorAt(1, QColor(24, 70, 140));
    p.setPen(size >= 32 ? QPen(QColor(16, 48, 100), u * 0.5) : Qt::NoPen);
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(0.5, 0.5, s - 1, s - 1), 3 * u, 3 * u);

    // The plus: arms two 16-px pixels thick, on whole pixels.
    const double arm = 2 * u;
    const QRectF plus(2 * u, 2 * u, 6 * u, 6 * u);
    p.fillRect(QRectF(plus.left(), plus.center().y() - arm / 2, plus.width(), arm), Qt::white);
    p.fillRect(QRectF(plus.center().x() - arm / 2, plus.top(), arm, plus.height()), Qt::white);
    // The sum bar under the column.
    p.fillRect(QRectF(2 * u, 10 * u, 6 * u, 1 * u), QColor(255, 255, 255, 200));
    // The coin.
    const QPointF c(11 * u, 11 * u);
    const double r = 4.2 * u;
    p.setPen(QPen(QColor(110, 78, 12), std::max(1.0, 0.6 * u)));
    p.setBrush(MetalBrush(kGold, c, r));
    p.drawEllipse(c, r, r);
    if (size >= 32) {
        p.setPen(QPen(kGold.deep, 0.5 * u));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, r * 0.72, r * 0.72);
        p.fillPath(CentredText(QStringLiteral("\u20AC"), Sans(r * 1.3), c), QColor(110, 78, 12));
    }
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

// The same icon as DrawIcon(256), as an SVG document for the desktop's scalable icon: the
// same shapes and colours, the euro sign as its outline so that no font is needed to show it.
QString SvgNumber(double value) {
    QString text = QString::number(value, 'f', 2);
    while (text.contains(QLatin1Char('.')) &&
           (text.endsWith(QLatin1Char('0')) || text.endsWith(QLatin1Char('.')))) {
        text.chop(1);
    }
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

QString SvgColour(const QColor& colour) {
    return colour.name(QColor::HexRgb);
}

QString SvgPathData(const QPainterPath& path) {
    QStringList parts;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        const QString point = SvgNumber(e.x) + QLatin1Char(' ') + SvgNumber(e.y);
        switch (e.type) {
        case QPainterPath::MoveToElement:
            parts << QStringLiteral("M") + point;
            break;
        case QPainterPath::LineToElement:
            parts << QStringLiteral("L") + point;
            break;
        case QPainterPath::CurveToElement:
            parts << QStringLiteral("C") + point;
            break;
        case QPainterPath::CurveToDataElement:
            parts << point;
            break;
        }
    }
    return parts.join(QLatin1Char(' '));
}

QByteArray IconSvg() {
    const double s = 256;
    const double u = s / 16.0;
    const QPointF c(11 * u, 11 * u);
    const double r = 4.2 * u;
    const QPointF focus = c - QPointF(r * 0.45, r * 0.55);
    const QPainterPath euro = CentredText(QStringLiteral("\u20AC"), Sans(r * 1.3), c);
    QString svg;
    svg += QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    svg += QStringLiteral(
        "<!-- Drawn by quorvel-artwork. SPDX-License-Identifier: GPL-3.0-or-later -->\n");
    svg += QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
                          "viewBox=\"0 0 256 256\">\n");
    svg += QStringLiteral("<defs>\n");
    svg += QStringLiteral("<linearGradient id=\"tile\" gradientUnits=\"userSpaceOnUse\" x1=\"0\" "
                          "y1=\"0\" x2=\"0\" y2=\"%1\">"
                          "<stop offset=\"0\" stop-color=\"%2\"/>"
                          "<stop offset=\"1\" stop-color=\"%3\"/></linearGradient>\n")
               .arg(SvgNumber(s), SvgColour(QColor(58, 120, 200)), SvgColour(QColor(24, 70, 140)));
    svg += QStringLiteral("<radialGradient id=\"gold\" gradientUnits=\"userSpaceOnUse\" cx=\"%1\" "
                          "cy=\"%2\" r=\"%3\" fx=\"%4\" fy=\"%5\">"
                          "<stop offset=\"0\" stop-color=\"%6\"/>"
                          "<stop offset=\"0.55\" stop-color=\"%7\"/>"
                          "<stop offset=\"1\" stop-color=\"%8\"/></radialGradient>\n")
               .arg(SvgNumber(c.x()), SvgNumber(c.y()), SvgNumber(r * 1.35), SvgNumber(focus.x()),
                    SvgNumber(focus.y()), SvgColour(kGold.light), SvgColour(kGold.base),
                    SvgColour(kGold.deep));
    svg += QStringLiteral("</defs>\n");
    svg += QStringLiteral("<rect x=\"0.5\" y=\"0.5\" width=\"%1\" height=\"%1\" rx=\"%2\" "
                          "fill=\"url(#tile)\" stroke=\"%3\" stroke-width=\"%4\"/>\n")
               .arg(SvgNumber(s - 1), SvgNumber(3 * u), SvgColour(QColor(16, 48, 100)),
                    SvgNumber(u * 0.5));
    auto rect = [&](double x, double y, double w, double h, const QString& extra) {
        svg += QStringLiteral(
                   "<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"#ffffff\"%5/>\n")
                   .arg(SvgNumber(x), SvgNumber(y), SvgNumber(w), SvgNumber(h), extra);
    };
    rect(2 * u, 4 * u, 6 * u, 2 * u, QString()); // the plus
    rect(4 * u, 2 * u, 2 * u, 6 * u, QString());
    rect(2 * u, 10 * u, 6 * u, u,
         QStringLiteral(" fill-opacity=\"%1\"").arg(SvgNumber(200 / 255.0)));
    svg += QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"url(#gold)\" stroke=\"%4\" "
                          "stroke-width=\"%5\"/>\n")
               .arg(SvgNumber(c.x()), SvgNumber(c.y()), SvgNumber(r),
                    SvgColour(QColor(110, 78, 12)), SvgNumber(0.6 * u));
    svg += QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"none\" stroke=\"%4\" "
                          "stroke-width=\"%5\"/>\n")
               .arg(SvgNumber(c.x()), SvgNumber(c.y()), SvgNumber(r * 0.72), SvgColour(kGold.deep),
                    SvgNumber(0.5 * u));
    svg += QStringLiteral("<path fill=\"%1\" fill-rule=\"%2\" d=\"%3\"/>\n")
               .arg(SvgColour(QColor(110, 78, 12)),
                    euro.fillRule() == Qt::WindingFill ? QStringLiteral("nonzero")
                                                       : QStringLiteral("evenodd"),
                    SvgPathData(euro));
    svg += QStringLiteral("</svg>\n");
    return svg.toUtf8();
}

bool SaveText(const QByteArray& text, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text) != text.size()) {
        std::fprintf(stderr, "quorvel-artwork: cannot write %s\n", qUtf8Printable(path));
        return false;
    }
    return true;
}

// "note500.jpg" at scale 2 is "note500@2x.jpg".
QString AtScale(const QString& file, int scale) {
    QString name = file;
    if (scale != 1) {
        name.insert(name.lastIndexOf(QLatin1Char('.')), QStringLiteral("@%1x").arg(scale));
    }
    return name;
}

bool FontsPresent() {
    bool ok = true;
    for (const char* family : {"Liberation Sans", "Liberation Serif"}) {
        const QFontInfo info(QFont(QString::fromLatin1(family)));
        if (info.family() != QString::fromLatin1(family)) {
            std::fprintf(stderr, "quorvel-artwork: font \"%s\" missing (got \"%s\")\n", family,
                         qUtf8Printable(info.family()));
            ok = false;
        }
    }
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: quorvel-artwork <pictures folder> [<desktop icons folder>]\n");
        return 2;
    }
    if (!FontsPresent()) {
        return 1;
    }
    for (int i = 1; i < argc; ++i) {
        if (!QDir(QString::fromLocal8Bit(argv[i])).exists() &&
            !QDir().mkpath(QString::fromLocal8Bit(argv[i]))) {
            std::fprintf(stderr, "quorvel-artwork: cannot create %s\n", argv[i]);
            return 1;
        }
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    bool ok = true;
    auto written = [&](bool saved, const QString& path) {
        ok = ok && saved;
        std::printf("%s %s\n", saved ? "wrote" : "FAILED", qUtf8Printable(path));
    };
    auto done = [&](bool saved, const QString& name) {
        written(saved, out.filePath(name));
    };
    const int scales[] = {1, 2};

    const Note notes[] = {
        {"note500.jpg", "500", 349, 179, QColor(140, 84, 160), DrawDome},
        {"note200.jpg", "200", 322, 172, QColor(196, 150, 56), DrawTallWindow},
        {"note100.jpg", "100", 325, 182, QColor(70, 150, 86), DrawColonnade},
        {"note50.jpg", "50", 308, 170, QColor(232, 128, 44), DrawTower},
        {"note20.jpg", "20", 295, 160, QColor(66, 116, 188), DrawBridge},
        {"note10.jpg", "10", 281, 148, QColor(206, 70, 64), DrawGateway},
        {"note5.jpg", "5", 267, 138, QColor(134, 140, 146), DrawRoundWindow},
    };
    for (const Note& note : notes) {
        for (const int scale : scales) {
            const QString name = AtScale(QString::fromLatin1(note.file), scale);
            done(SaveJpeg(DrawBanknote(note, scale), out.filePath(name)), name);
        }
    }

    const Coin coins[] = {
        {"coin2e.png", 129, 111, "2", true, &kSilver, &kGold},
        {"coin1e.png", 129, 111, "1", true, &kGold, &kSilver},
        {"coin50c.png", 130, 111, "50", false, &kGold, &kGold},
        {"coin20c.png", 116, 116, "20", false, &kGold, &kGold},
        {"coin10c.png", 112, 93, "10", false, &kGold, &kGold},
        {"coin5c.png", 112, 93, "5", false, &kCopper, &kCopper},
        {"coin2c.png", 111, 93, "2", false, &kCopper, &kCopper},
        {"coin1c.png", 112, 75, "1", false, &kCopper, &kCopper},
    };
    for (const Coin& coin : coins) {
        for (const int scale : scales) {
            const QString name = AtScale(QString::fromLatin1(coin.file), scale);
            done(SavePng(DrawCoin(coin, scale), out.filePath(name)), name);
        }
    }

    for (const int scale : scales) {
        QString name = AtScale(QStringLiteral("purse.jpg"), scale);
        done(SaveJpeg(DrawPurse(scale), out.filePath(name)), name);
        name = AtScale(QStringLiteral("stop.png"), scale);
        done(SavePng(DrawStop(scale), out.filePath(name)), name);
        name = AtScale(QStringLiteral("checkmark.png"), scale);
        done(SavePng(DrawCheckmark(scale), out.filePath(name)), name);
    }
    // The icon is drawn for each pixel size: its twice-as-large picture is the icon of
    // twice the size, with the detail that size allows.
    for (int size : {16, 32, 48}) {
        for (const int scale : scales) {
            const QString name = AtScale(QStringLiteral("icon%1.png").arg(size), scale);
            done(SavePng(DrawIcon(size * scale), out.filePath(name)), name);
        }
    }

    if (argc == 3) {
        const QDir icons(QString::fromLocal8Bit(argv[2]));
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
            const QString path = icons.filePath(QStringLiteral("icon%1.png").arg(size));
            written(SavePng(DrawIcon(size), path), path);
        }
        const QString svg = icons.filePath(QStringLiteral("icon.svg"));
        written(SaveText(IconSvg(), svg), svg);
    }
    return ok ? 0 : 1;
}
