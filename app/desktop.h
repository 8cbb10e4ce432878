// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <memory>

class QApplication;
class QScreen;

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

// Where a window whose frame is `frame` around a client area of `window` stands: the
// frame's top-left corner, centring the frame in `workArea` and keeping its top-left
// corner (the title bar and its close button) inside it whatever does not fit.
QPoint FramePosition(QRect workArea, QSize window, QMargins frame);

// The application object, made once or, when the primary screen's work area cannot hold
// a window of `window` logical pixels with its frame, made again with Qt's scale factor
// lowered until it does. Qt reads that factor only while the application object is made,
// so the screen is measured by a first one. A display that is named but does not answer
// makes the program say so in one line and exit with status 1. `argc` and `argv` are
// those of main; Qt takes its own options out of them.
std::unique_ptr<QApplication> StartApplication(int& argc, char** argv, QSize window);

// The one line the program says when it has no display to show its window on.
void SayNoDisplay();

} // namespace desktop
