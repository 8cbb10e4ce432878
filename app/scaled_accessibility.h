// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

class QString;
class QWidget;

// A window shown scaled inside a view (a small screen) has its controls on screen at a
// scaled place and size, while Qt's own interfaces give a screen reader their place scaled
// but their size as drawn, and find the control at a point by those sizes. The controls of
// such a window report their rectangle on screen, and the control at a point is the one a
// click there reaches.

// Whether the control stands in a window shown scaled.
bool InScaledWindow(const QWidget* w);

// The program's interfaces start from here: as Qt's where the window is shown as it is,
// on screen where it is scaled.
class ControlAccessible : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;

    QRect rect() const override;
    QAccessibleInterface* childAt(int x, int y) const override;
};

// For a control of Qt's own classes in a scaled window (labels, edit fields, buttons, group
// boxes, the help box, a message), an interface that says what Qt's says, on screen; none
// for a class it does not know (Qt's then serves).
QAccessibleInterface* ScaledStandardInterface(const QString& className, QWidget* w);

// The controls of `window`, just shown scaled, lose the interfaces made for them before
// (with their sizes as drawn): a screen reader gets them anew, on screen.
void ForgetInterfacesDrawnUnscaled(QWidget* window);
