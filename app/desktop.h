// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGraphicsView>
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <memory>

class QApplication;
class QGraphicsProxyWidget;

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

// A window that shows another one, `shown`, scaled down by `factor` as a whole: text,
// pictures, positions and where the mouse hits. Qt draws widgets at no less than their
// own size, so a window that is too large for its screen is drawn at its size and shown
// smaller. The shown window keeps its own title, icon and frame style; closing this one
// closes it.
class ScaledWindow : public QGraphicsView {
    Q_OBJECT
public:
    ScaledWindow(QWidget* shown, double factor);
    // The shown window is given back, not deleted with the scene.
    ~ScaledWindow() override;

    // Shows the window centred in the primary screen's work area, frame and all.
    void ShowOnScreen();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* shown_;
    QGraphicsProxyWidget* proxy_;
};

} // namespace desktop
