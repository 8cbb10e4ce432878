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

#include <algorithm>
#include <cmath>
#include <vector>

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

// Whether the painter draws a whole number of device pixels to a logical pixel: the
// device's ratio, and any scale on the way there (a window shown scaled down draws its
// controls through a scaled painter on a device of ratio 1). There a line one logical
// pixel wide, drawn at logical coordinates, covers whole device pixels.
bool WholeRatio(const QPainter& p) {
    const QTransform t = p.deviceTransform();
    return t.m11() == std::round(t.m11()) && t.m22() == std::round(t.m22());
}

// The lines of a frame laid on the device's pixels, for a ratio that is not a whole number.
// There a line one logical pixel wide, drawn at logical coordinates, straddles device pixels:
// it may fall outside the widget's edge and be clipped away, or under a neighbour, while the
// band beside it shows through. Here the frame's edges are rounded to device pixels as Qt
// rounds a filled rectangle (where the widget's own background and its neighbours end), and
// the lines lie side by side inward from each edge, each at least one device pixel wide.
class DeviceFrame {
public:
    // `rings` lines inward from each side of `r`, in the painter's logical coordinates.
    DeviceFrame(QPainter& p, QRect r, int rings)
        : p_(p), toLogical_(p.deviceTransform().inverted()) {
        const QTransform t = p.deviceTransform();
        left_ = Boundaries(t.dx(), t.m11(), r.left(), +1, rings);
        right_ = Boundaries(t.dx(), t.m11(), r.left() + r.width(), -1, rings);
        top_ = Boundaries(t.dy(), t.m22(), r.top(), +1, rings);
        bottom_ = Boundaries(t.dy(), t.m22(), r.top() + r.height(), -1, rings);
    }

    // The ring `i` from the edge, as DrawEdge draws it: the top and left lines in `topLeft`,
    // the bottom and right lines, which take the corners, in `bottomRight`.
    void Edge(std::size_t i, const QColor& topLeft, const QColor& bottomRight) {
        Fill(left_[i], top_[i], right_[i + 1], top_[i + 1], topLeft);
        Fill(left_[i], top_[i], left_[i + 1], bottom_[i + 1], topLeft);
        Fill(left_[i], bottom_[i + 1], right_[i], bottom_[i], bottomRight);
        Fill(right_[i + 1], top_[i], right_[i], bottom_[i], bottomRight);
    }

    // A rectangle of lines in `color`, each side on the ring given from its own edge.
    void Outline(const QColor& color, std::size_t left, std::size_t top, std::size_t right,
                 std::size_t bottom) {
        Fill(left_[left], top_[top], right_[right], top_[top + 1], color);
        Fill(left_[left], bottom_[bottom + 1], right_[right], bottom_[bottom], color);
        Fill(left_[left], top_[top], left_[left + 1], bottom_[bottom], color);
        Fill(right_[right + 1], top_[top], right_[right], bottom_[bottom], color);
    }

private:
    // Device coordinates where the lines from the logical edge `edge` begin and end, going
    // inward by `step`: element i is where line i begins, element i + 1 where it ends.
    static std::vector<int> Boundaries(qreal origin, qreal scale, int edge, int step, int rings) {
        // As the raster engine rounds the sides of a filled rectangle.
        const auto device = [&](int logical) {
            return static_cast<int>(std::floor(origin + logical * scale + 0.5));
        };
        std::vector<int> at{device(edge)};
        for (int i = 1; i <= rings; ++i) {
            const int next = device(edge + i * step);
            at.push_back(step > 0 ? std::max(next, at.back() + 1) : std::min(next, at.back() - 1));
        }
        return at;
    }

    // The device pixels [x0, x1) x [y0, y1).
    void Fill(int x0, int y0, int x1, int y1, const QColor& color) {
        if (x1 > x0 && y1 > y0) {
            p_.fillRect(toLogical_.mapRect(QRectF(x0, y0, x1 - x0, y1 - y0)), color);
        }
    }

    QPainter& p_;
    QTransform toLogical_;
    std::vector<int> left_, right_, top_, bottom_;
};

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
    if (!WholeRatio(p)) {
        PaintOnDevicePixels(p);
        return;
    }
    if (style_.singleBorder) {
        r = DrawEdge(p, r, 1, kShadow, kHighlight);
        r = DrawEdge(p, r, 1, kDarkShadow, kLight);
    }
    r = DrawBevel(p, r, style_.outer, style_.bevelWidth);
    r.adjust(style_.borderWidth, style_.borderWidth, -style_.borderWidth, -style_.borderWidth);
    DrawBevel(p, r, style_.inner, style_.bevelWidth);
}

// The same rings as above, on device pixels.
void BevelPanel::PaintOnDevicePixels(QPainter& p) const {
    // Each ring as DrawEdge would draw it, and none once the rect inside is too narrow.
    struct Ring {
        QColor topLeft, bottomRight;
        bool drawn = true;
    };
    std::vector<Ring> rings;
    if (style_.singleBorder) {
        rings.push_back({kShadow, kHighlight});
        rings.push_back({kDarkShadow, kLight});
    }
    const auto bevel = [&](Bevel b) {
        for (int i = 0; i < style_.bevelWidth && b != Bevel::None; ++i) {
            rings.push_back(b == Bevel::Raised ? Ring{kHighlight, kShadow}
                                               : Ring{kShadow, kHighlight});
        }
    };
    bevel(style_.outer);
    for (int i = 0; i < style_.borderWidth; ++i) {
        rings.push_back({{}, {}, false});
    }
    bevel(style_.inner);

    DeviceFrame frame(p, rect(), static_cast<int>(rings.size()));
    for (std::size_t i = 0; i < rings.size(); ++i) {
        const int inside = 2 * static_cast<int>(i);
        if (width() - inside <= 1 || height() - inside <= 1) {
            break;
        }
        if (rings[i].drawn) {
            frame.Edge(i, rings[i].topLeft, rings[i].bottomRight);
        }
    }
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
    if (WholeRatio(p)) {
        QRect frame = rect().adjusted(0, lineY, -1, -1);
        p.setPen(kShadow);
        p.drawRect(frame.adjusted(0, 0, -1, -1));
        p.setPen(kHighlight);
        p.drawRect(frame.adjusted(1, 1, 0, 0));
    } else {
        // The shadow's outline, then the highlight's one line further in at the top left
        // and one line further out at the bottom right.
        DeviceFrame frame(p, rect().adjusted(0, lineY, 0, 0), 2);
        frame.Outline(kShadow, 0, 0, 1, 1);
        frame.Outline(kHighlight, 1, 1, 0, 0);
    }
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
    const bool second = doubleClicked_;
    doubleClicked_ = false;
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked(second);
    }
}

void EditBox::mouseDoubleClickEvent(QMouseEvent* event) {
    QLineEdit::mouseDoubleClickEvent(event);
    doubleClicked_ = event->button() == Qt::LeftButton;
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
    emit focusGained(event->reason());
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

PointerMark::PointerMark(QWidget* parent, const QColor& color) : QWidget(parent), color_(color) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void PointerMark::PointAt(const QWidget* target) {
    // Two pixels under the target: the line, then the triangle's 6 pixels.
    const QRect t = target->geometry();
    setGeometry(t.left(), t.bottom() + 3, t.width(), 9);
}

void PointerMark::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(0, 0, width(), 3, color_);
    const double middle = width() / 2.0;
    const QPolygonF triangle{{middle, 3.0}, {middle + 6.5, 9.0}, {middle - 6.5, 9.0}};
    p.setPen(Qt::NoPen);
    p.setBrush(color_);
    p.drawPolygon(triangle);
}

bool Acts(const QWidget* control) {
    return control->isVisible() && control->isEnabled();
}

namespace {

// The panel or control of the window that holds `w`: its ancestor that is a direct child
// of the window.
const QWidget* OnWindow(const QWidget* w, const QWidget* window) {
    while (w != nullptr && w->parentWidget() != window) {
        w = w->parentWidget();
    }
    return w;
}

} // namespace

bool ByPupil(Qt::FocusReason reason) {
    return reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason ||
           reason == Qt::BacktabFocusReason || reason == Qt::PopupFocusReason ||
           reason == Qt::ActiveWindowFocusReason;
}

bool Reachable(const QWidget* control) {
    if (!Acts(control)) {
        return false;
    }
    // A modal window (a message) over the control's window keeps everything behind it
    // out of reach, of a screen reader's calls too, which Qt goes on serving meanwhile.
    if (const QWidget* modal = QApplication::activeModalWidget();
        modal != nullptr && modal != control->window() && !modal->isAncestorOf(control)) {
        return false;
    }
    // Covered is covered by another panel (the open wallet, the information panel): the
    // wallet's notes lie over one another as a fan, yet each is in reach.
    const QWidget* window = control->window();
    const QWidget* hit = window->childAt(control->mapTo(window, control->rect().center()));
    return hit == nullptr || hit == control || control->isAncestorOf(hit) ||
           (control != window && OnWindow(hit, window) == OnWindow(control, window) &&
            OnWindow(control, window) != control);
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
