// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGraphicsView>
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <memory>
#include <optional>

class QApplication;
class QGraphicsProxyWidget;
class QString;

// How the fixed-size window finds its place on the desktop it is started on: a screen too
// small for it, a window frame whose size is known only once the window manager has
// drawn it, and a display that is named but does not answer.
namespace desktop {

// What a window manager's frame is allowed to take around the window, in device pixels,
// before its real size is known: a generous title bar and thin borders.
inline constexpr QMargins FrameAllowance(5, 40, 5, 8);

// The factor by which a window of `window` device pixels, in a frame of `frame`, must be
// scaled down to fit `workArea` (device pixels): 1 where it fits as it is.
double FitFactor(QRect workArea, QSize window, QMargins frame);

// Where the frame of a window of `window` pixels, in a frame of `frame`, stands in
// `workArea`: centred, and with its top-left corner (the title bar and its close button)
// inside the work area whatever does not fit.
QPoint FramePosition(QRect workArea, QSize window, QMargins frame);

// The factor by which a window of `window` logical pixels must be scaled down to fit the
// primary screen's work area with its frame: 1 where it fits, and on the platforms that
// draw into memory, whose screen nobody sees.
double FitOnPrimaryScreen(QSize window);

// The application object. A display that is named but does not answer makes the program
// say so in one line and exit with status 1, as when none is named. `argc` and `argv`
// are those of main.
std::unique_ptr<QApplication> StartApplication(int& argc, char** argv);

// The one line the program says when it has no display to show its window on.
void SayNoDisplay();

// Tells the pupil `text` in a critical message over `window` (titled `title`, with an OK)
// and returns when it is closed. Over a window shown scaled down the message is a window of
// its own, modal, scaled alike and centred over it: left to Qt, it would be drawn inside the
// scaled window's scene, where nothing gives it the keyboard and the window behind it goes
// on taking clicks and keys.
void Critical(QWidget* window, const QString& title, const QString& text);

// Whether the function key `key` (Qt::Key_F1 .. Qt::Key_F35) is held down on the keyboard
// right now, as the display server has it; nothing where the platform cannot tell (only
// X11 can). A held key repeats as a release and a press, and where something passes the
// keys on after looking at them (a screen reader's bridge) Qt can no longer mark the pair
// as a repeat: the server still knows the key is down.
std::optional<bool> FunctionKeyDown(int key);

// A window that shows another one, `shown`, scaled down by `factor` as a whole: text,
// pictures, positions and where the mouse hits. Qt draws widgets at no less than their
// own size, so a window that is too large for its screen is drawn at its size and shown
// smaller. The shown window keeps its own title, icon and frame style; closing this one
// closes it.
class ScaledWindow : public QGraphicsView {
    Q_OBJECT
public:
    // With a `parent`, the window stands over the parent's window (a dialog's place).
    ScaledWindow(QWidget* shown, double factor, QWidget* parent = nullptr);
    // The shown window is given back, not deleted with the scene.
    ~ScaledWindow() override;

    // Shows the window centred in the primary screen's work area, frame and all.
    void ShowOnScreen();
    // The window `shown` is scaled into, if any.
    static ScaledWindow* Of(const QWidget* shown);
    double Factor() const { return transform().m11(); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FitShown();

    QWidget* shown_;
    QGraphicsProxyWidget* proxy_;
};

} // namespace desktop
