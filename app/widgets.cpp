#include "app/widgets.h"

#include "app/artwork.h"

#include <QApplication>
#include <QFocusEvent>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace {

const QColor kHighlight(255, 255, 255);
const QColor kLight(227, 227, 227);
const QColor kShadow(160, 160, 160);
const QColor kDarkShadow(105, 105, 105);

// Draws a frame `width` pixels wide inside r and returns what is left inside it.
QRect DrawEdge(QPainter& p, QRect r, int width, const QColor& topLeft, const QColor& bottomRight) {
    for (int i = 0; i < width && r.width() > 1 && r.height() > 1; ++i) {
        p.setPen(topLeft);
        p.drawLine(r.left(), r.top(), r.right() - 1, r.top());
        p.drawLine(r.left(), r.top(), r.left(), r.bottom() - 1);
        p.setPen(bottomRight);
        p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
        p.drawLine(r.right(), r.top(), r.right(), r.bottom());
        r.adjust(1, 1, -1, -1);
    }
    return r;
}

QRect DrawBevel(QPainter& p, QRect r, Bevel bevel, int width) {
    switch (bevel) {
    case Bevel::Raised:
        return DrawEdge(p, r, width, kHighlight, kShadow);
    case Bevel::Lowered:
        return DrawEdge(p, r, width, kShadow, kHighlight);
    case Bevel::None:
        break;
    }
    return r;
}

} // namespace

BevelPanel::BevelPanel(QWidget* parent, const Style& style) : QFrame(parent), style_(style) {
    // It paints every pixel of itself, so nothing under it need be painted first: the
    // open wallet and the results panel then cost only their own drawing.
    setAttribute(Qt::WA_OpaquePaintEvent, style_.color.alpha() == 255);
}

void BevelPanel::SetColor(const QColor& color) {
    style_.color = color;
    setAttribute(Qt::WA_OpaquePaintEvent, color.alpha() == 255);
    update();
}

void BevelPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QRect r = rect();
    p.fillRect(r, style_.color);
    if (style_.singleBorder) {
        r = DrawEdge(p, r, 1, kShadow, kHighlight);
        r = DrawEdge(p, r, 1, kDarkShadow, kLight);
    }
    r = DrawBevel(p, r, style_.outer, style_.bevelWidth);
    r.adjust(style_.borderWidth, style_.borderWidth, -style_.borderWidth, -style_.borderWidth);
    DrawBevel(p, r, style_.inner, style_.bevelWidth);
}

CaptionBox::CaptionBox(const QString& caption, const QColor& color, QWidget* parent)
    : QGroupBox(caption, parent), color_(color) {
    // As a panel: it paints every pixel of itself.
    setAttribute(Qt::WA_OpaquePaintEvent, color_.alpha() == 255);
}

void CaptionBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), color_);
    const QFontMetrics fm(font());
    const int lineY = fm.height() / 2;
    // An etched frame, broken at the top where the caption stands.
    QRect frame = rect().adjusted(0, lineY, -1, -1);
    p.setPen(kShadow);
    p.drawRect(frame.adjusted(0, 0, -1, -1));
    p.setPen(kHighlight);
    p.drawRect(frame.adjusted(1, 1, 0, 0));
    if (!title().isEmpty()) {
        const QRect textRect(8, 0, fm.horizontalAdvance(title()) + 4, fm.height());
        p.fillRect(textRect, color_);
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(textRect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, title());
    }
}

Picture::Picture(QWidget* parent, bool stretch) : QWidget(parent), stretch_(stretch) {}

void Picture::SetSource(const QString& path) {
    source_ = path;
    update();
}

const QImage& Picture::Image() const {
    static const QImage none;
    return source_.isEmpty() ? none : Artwork(source_);
}

bool Picture::Clickable() const {
    return isSignalConnected(QMetaMethod::fromSignal(&Picture::clicked));
}

void Picture::paintEvent(QPaintEvent*) {
    if (source_.isEmpty()) {
        return;
    }
    QPainter p(this);
    const qreal ratio = p.device()->devicePixelRatioF();
    if (stretch_) {
        // Drawn once at this size and shared by every picture of it, such as a whole stack
        // of the wallet: painting is then a copy, not a scaling.
        p.drawPixmap(QPoint(0, 0), StretchedArtwork(source_, size(), ratio));
    } else {
        // Above 1x the twice-as-large drawing of the picture, where there is one: it is
        // decoded here, the first time such a screen shows it, and paints at the same size.
        const QImage* shown = &Image();
        if (ratio > 1) {
            const QImage& sharp = HighDensityArtwork(*shown);
            if (!sharp.isNull()) {
                shown = &sharp;
            }
        }
        p.drawImage(QPoint(0, 0), *shown);
    }
    // Only the keyboard ever gives a picture the focus: show where it stands.
    if (hasFocus()) {
        QPen pen(Qt::black, 2, Qt::DashLine);
        p.setPen(pen);
        p.drawRect(rect().adjusted(1, 1, -1, -1));
    }
}

void Picture::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

void Picture::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) {
        emit clicked();
    }
}

Caption::Caption(const QString& text, QWidget* parent, bool autoSize)
    : QLabel(text, parent), autoSize_(autoSize) {}

void Caption::SetCaption(const QString& text) {
    setText(text);
    if (!autoSize_) {
        return;
    }
    const int width = fontMetrics().horizontalAdvance(text);
    QRect g = geometry();
    if (alignment() & Qt::AlignRight) {
        g.setLeft(g.right() + 1 - width);
    } else {
        g.setWidth(width);
    }
    setGeometry(g);
}

RaisedTextLabel::RaisedTextLabel(const QString& text, QWidget* parent, int raise)
    : QLabel(text, parent), raise_(raise) {
    setTextFormat(Qt::PlainText);
}

void RaisedTextLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect area = contentsRect().adjusted(0, -raise_, 0, 0);
    style()->drawItemText(&p, area, QStyle::visualAlignment(layoutDirection(), alignment()),
                          palette(), isEnabled(), text(), foregroundRole());
}

EditBox::EditBox(QWidget* parent, bool selectOnProgramFocus)
    : QLineEdit(parent), selectOnProgramFocus_(selectOnProgramFocus) {
    // Text dropped on a field arrives without the field being entered or left, so none
    // of its rules would judge it: no field takes drops.
    setAcceptDrops(false);
}

void EditBox::keyPressEvent(QKeyEvent* event) {
    // The key-down handler runs first and may move the focus; the key itself still
    // edits this field afterwards, as on paper the stroke lands where the pen was.
    emit keyDown(event->key());
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit keyPress(QChar(13));
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void EditBox::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

void EditBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // Returning to the window is not entering the field.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason) {
        return;
    }
    if (selectOnProgramFocus_ && event->reason() != Qt::MouseFocusReason) {
        selectAll();
    }
    emit focusGained();
}

void EditBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason) {
        return;
    }
    emit focusLost();
}

MouseButton::MouseButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {}

// A plain button ignores all but the left button, which would send the press on to the
// parent and the release elsewhere; here every button is taken.
void MouseButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        QPushButton::mousePressEvent(event);
    } else {
        event->accept();
    }
    emit mouseDown(event->button());
}

void MouseButton::PressAndRelease() {
    emit mouseDown(Qt::LeftButton);
    emit mouseUp(Qt::LeftButton);
}

void MouseButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        QPushButton::mouseReleaseEvent(event);
    } else {
        event->accept();
    }
    emit mouseUp(event->button());
}

bool Acts(const QWidget* control) {
    return control->isVisible() && control->isEnabled();
}

QWidget* FocusedWidget() {
    QWidget* focus = QApplication::focusWidget();
    if (const auto* view = qobject_cast<QGraphicsView*>(focus); view && view->scene()) {
        const auto* proxy = qgraphicsitem_cast<QGraphicsProxyWidget*>(view->scene()->focusItem());
        if (proxy != nullptr && proxy->widget() != nullptr) {
            return proxy->widget()->focusWidget();
        }
    }
    return focus;
}
