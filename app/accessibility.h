#pragma once

#include <QWidget>

// What a screen reader needs beyond what Qt gives the window's own control kinds:
// the window is a window, pictures that react to a click are buttons, CONTROLEER's
// Press presses and releases it, a check box's Toggle is a click, and panels are
// groupings. Install once, after the application and before the window is created
// (an interface is made once per control, the first time it is asked for).
void InstallAccessibility();

// Speaks a short text through the screen reader without showing anything: a control
// of no size whose role is a notification, shown anew with each text.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* parent);
    void Announce(const QString& text);
};

// Gives a control a role of its own for the interfaces above (a panel that comes up
// with the results, for one, is a notification).
void SetAccessibleRole(QWidget* w, int role);
