#pragma once

#include <QColor>
#include <QFrame>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <functional>

class QPainter;

// The few control kinds Qt does not offer as such: panels with bevels, pictures that
// stretch an image, labels that size themselves to their text, edit fields that report
// key-down and focus changes, and buttons that report every mouse button.

enum class Bevel { None, Raised, Lowered };

// A panel: an optional outer bevel, a gap of the panel colour, an optional inner bevel.
class BevelPanel : public QFrame {
    Q_OBJECT
public:
    struct Style {
        QColor color;
        Bevel outer = Bevel::Raised;
        Bevel inner = Bevel::None;
        int bevelWidth = 1;
        int borderWidth = 0;
        bool singleBorder = false;
    };
    BevelPanel(QWidget* parent, const Style& style);
    void SetColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void PaintOnDevicePixels(QPainter& p) const;

    Style style_;
};

// A group box with a caption and an opaque background.
class CaptionBox : public QGroupBox {
    Q_OBJECT
public:
    CaptionBox(const QString& caption, const QColor& color, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor color_;
};

// A picture: draws its image stretched to its size, or at its natural size when not
// stretched; transparent pixels of the image let the parent show through.
class Picture : public QWidget {
    Q_OBJECT
public:
    Picture(QWidget* parent, bool stretch);
    // The picture at a resource path of the window's artwork. Nothing is decoded until the
    // picture is first painted or asked for: a hidden picture costs nothing at start-up.
    void SetSource(const QString& path);
    const QImage& Image() const;
    // A click by other means than the mouse (a screen reader's Press, a key).
    void Press() { emit clicked(); }
    // Whether anything listens to the click, which makes the picture a button.
    bool Clickable() const;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString source_;
    bool stretch_;
    bool pressed_ = false;
};

// A label whose caption the program changes. With autoSize it takes the width of its
// text, keeping its left edge, or its right edge when right-aligned.
class Caption : public QLabel {
    Q_OBJECT
public:
    Caption(const QString& text, QWidget* parent, bool autoSize = false);
    void SetCaption(const QString& text);

private:
    bool autoSize_;
};

// A label that draws its plain text `raise` pixels higher than a QLabel would. The
// amount font reaches further below its baseline than an 18-pixel label leaves room
// for, which would cut the tail off every decimal comma.
class RaisedTextLabel : public QLabel {
    Q_OBJECT
public:
    RaisedTextLabel(const QString& text, QWidget* parent, int raise);
    int Raise() const { return raise_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int raise_;
};

// A one-line edit field that reports the key before the field sees it (keyDown), the
// characters that a plain QLineEdit ignores (Enter as a carriage return), mouse clicks
// and focus changes with their reason. With selectOnProgramFocus it selects its whole
// text whenever the focus arrives by keyboard or by the program, not by the mouse. It
// takes no dropped text.
class EditBox : public QLineEdit {
    Q_OBJECT
public:
    explicit EditBox(QWidget* parent, bool selectOnProgramFocus = false);

signals:
    void keyDown(int key);
    void keyPress(QChar ch);
    // A click of the left button; the release that ends a double click is flagged, as
    // a double click is one click of the pupil's.
    void clicked(bool secondOfDouble);
    void focusGained(Qt::FocusReason reason);
    void focusLost();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool selectOnProgramFocus_;
    bool doubleClicked_ = false; // the press under way is the second of a double click
};

// A push button that reports presses and releases of any mouse button.
class MouseButton : public QPushButton {
    Q_OBJECT
public:
    MouseButton(const QString& text, QWidget* parent);
    // A left press and release by other means than the mouse (a screen reader's Press).
    void PressAndRelease();

signals:
    void mouseDown(Qt::MouseButton button);
    void mouseUp(Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A mark that points up at what stands above it: a line along its whole width, and under
// its middle a triangle pointing up; seen by its shape and place, whatever the colours.
class PointerMark : public QWidget {
    Q_OBJECT
public:
    PointerMark(QWidget* parent, const QColor& color);
    // Placed under `target`, a sibling, across its width.
    void PointAt(const QWidget* target);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor color_;
};

// Whether a control can act, as a click on it would: shown (in a shown window) and enabled.
bool Acts(const QWidget* control);

// Whether the focus moved as the pupil moves it, by the mouse or by Tab, onto what shows
// of a control wherever other panels lie, or came back where it was (a popup menu or
// another window closed).
bool ByPupil(Qt::FocusReason reason);

// Whether a key, a click or a screen reader's action reaches the control as a click of
// the mouse would: it acts, and no other panel of the window covers it.
bool Reachable(const QWidget* control);

// The control with the keyboard focus, as QApplication::focusWidget() tells, and also when
// the window is shown inside another that scales it down: Qt then gives that one the
// focus, and the window's own focus lies inside.
QWidget* FocusedWidget();

// Sees the events of the objects it is installed on before they do. `seen` returns true
// to take an event, false to let it through unchanged.
class EventFilter final : public QObject {
public:
    using Seen = std::function<bool(QObject* watched, QEvent* event)>;
    EventFilter(QObject* parent, Seen seen) : QObject(parent), seen_(std::move(seen)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override { return seen_(watched, event); }

private:
    Seen seen_;
};
