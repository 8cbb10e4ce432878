#include "app/look.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
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

namespace {

// The colours Qt draws the controls with (a check box's box and tick, a field's background
// and selection, a button's face, the focus frame, a disabled control), for an active and
// an inactive window and for a disabled control, as the light desktop the window was made
// on gives them.
struct RoleColours {
    QPalette::ColorRole role;
    QRgb normal; // active and inactive window alike
    QRgb disabled;
};
constexpr RoleColours kDesignColours[] = {
    {QPalette::WindowText, 0xff000000, 0xffbebebe},
    {QPalette::Button, 0xffefefef, 0xffefefef},
    {QPalette::Light, 0xffffffff, 0xffffffff},
    {QPalette::Midlight, 0xffcacaca, 0xffcacaca},
    {QPalette::Dark, 0xff9f9f9f, 0xffbebebe},
    {QPalette::Mid, 0xffb8b8b8, 0xffb8b8b8},
    {QPalette::Text, 0xff000000, 0xffbebebe},
    {QPalette::BrightText, 0xffffffff, 0xffffffff},
    {QPalette::ButtonText, 0xff000000, 0xffbebebe},
    {QPalette::Base, 0xffffffff, 0xffefefef},
    {QPalette::Window, 0xffefefef, 0xffefefef},
    {QPalette::Shadow, 0xff767676, 0xffb1b1b1},
    {QPalette::Highlight, 0xff308cc6, 0xff919191},
    {QPalette::HighlightedText, 0xffffffff, 0xffffffff},
    {QPalette::Link, 0xff0000ff, 0xff0000ff},
    {QPalette::LinkVisited, 0xffff00ff, 0xffff00ff},
    {QPalette::AlternateBase, 0xfff7f7f7, 0xfff7f7f7},
    {QPalette::ToolTipBase, 0xffffffdc, 0xffffffdc},
    {QPalette::ToolTipText, 0xff000000, 0xff000000},
    {QPalette::PlaceholderText, 0x80000000, 0x80000000},
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    // The desktop's accent colour, where Qt has the role: left unset it is the highlight's,
    // which is what Qt before it drew with.
    {QPalette::Accent, 0xff308cc6, 0xff919191},
#endif
};

} // namespace

QPalette DesignPalette() {
    QPalette palette;
    for (const RoleColours& c : kDesignColours) {
        const QColor normal = QColor::fromRgba(c.normal);
        palette.setColor(QPalette::Active, c.role, normal);
        palette.setColor(QPalette::Inactive, c.role, normal);
        palette.setColor(QPalette::Disabled, c.role, QColor::fromRgba(c.disabled));
    }
    return palette;
}

void SetUpApplication() {
    QApplication::setStyle(QStringLiteral("Fusion"));
    // The window's colours are its own, like its pictures: a dark or high-contrast system
    // theme would otherwise put the window's dark text on dark fields and buttons. Every
    // role is set in every group, so nothing of a theme's palette is left to fill in, not
    // even when the theme changes while the program runs. Setting the application's palette
    // also drops the palettes a theme gave single classes (menus, tool tips, buttons).
    QApplication::setPalette(DesignPalette());
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

void ShowDisabledAsGreyed(QWidget* w) {
    const QPalette design = DesignPalette();
    QPalette p = w->palette();
    for (QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::Base}) {
        p.setColor(QPalette::Disabled, role, design.color(QPalette::Disabled, role));
    }
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
