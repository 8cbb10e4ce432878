#include "app/look.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace look {

QFont Font(const char* face, int pixels, int style) {
    QFont f(QString::fromUtf8(face));
    f.setPixelSize(pixels);
    f.setBold(style & Bold);
    f.setItalic(style & Italic);
    f.setUnderline(style & Underline);
    return f;
}

void SetUpApplication() {
    QApplication::setStyle(QStringLiteral("Fusion"));
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
    QFont::insertSubstitution("@Arial Unicode MS", "Liberation Sans");
    QFont::insertSubstitution("Arial", "Liberation Sans");
    QFont::insertSubstitution("Courier", "Liberation Mono");
}

void SetTextColor(QWidget* w, const QColor& color) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, color);
    p.setColor(QPalette::Text, color);
    p.setColor(QPalette::ButtonText, color);
    w->setPalette(p);
}

void SetBackground(QWidget* w, const QColor& color) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, color);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void SetFieldColor(QWidget* w, const QColor& color) {
    // A new exercise whitens every box twice: an unchanged palette is left alone, as
    // setting one costs a palette-change event for the field and its style.
    if (w->palette().color(QPalette::Base) == color && w->testAttribute(Qt::WA_SetPalette)) {
        return;
    }
    QPalette p = w->palette();
    p.setColor(QPalette::Base, color);
    w->setPalette(p);
}

const QCursor& NoDropCursor() {
    static const QCursor cursor = [] {
        QPixmap pm(32, 32);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath arrow;
        arrow.moveTo(1, 1);
        arrow.lineTo(1, 17);
        arrow.lineTo(5, 13);
        arrow.lineTo(8, 20);
        arrow.lineTo(10, 19);
        arrow.lineTo(7, 12);
        arrow.lineTo(12, 12);
        arrow.closeSubpath();
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::white);
        p.drawPath(arrow);
        const QRectF circle(13, 13, 16, 16);
        p.setBrush(Qt::white);
        p.setPen(QPen(Qt::black, 4));
        p.drawEllipse(circle);
        p.drawLine(QPointF(16, 16), QPointF(26, 26));
        p.setPen(QPen(Qt::white, 2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(circle.adjusted(-2, -2, 2, 2));
        return QCursor(pm, 1, 1);
    }();
    return cursor;
}

} // namespace look
