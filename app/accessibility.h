#pragma once

#include <QWidget>

// What a screen reader needs beyond what Qt gives the window's own control kinds:
// the window is a window, pictures that react to a click are buttons, CONTROLEER's
// Press presses and releases it, a check box's Toggle is a click, and panels are
// groupings. Install once, after the application and before the window is created
// (an interface is made once per control, the first time it is asked for).
void InstallAccessibility();

// Speaks short texts through the screen reader without showing anything: a control of
// no size whose role is a notification, shown anew with each text. What one action of
// the pupil has to say is gathered and spoken at once when the window has drawn itself,
// after every other change the action made: a screen reader that is flooded with events
// drops what came before the flood, and two texts in a row would be read as the last.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* parent);
    // The announcer of the window `w` belongs to, or none.
    static Announcer* Of(const QWidget* w);
    // Adds a text to what is spoken next; said by Flush, or when the current event has
    // been handled should nothing flush before.
    void Say(const QString& text);
    void Flush();
    // Says a text at once, after anything gathered.
    void Announce(const QString& text);

private:
    QStringList pending_;
    bool flushQueued_ = false;
};

// Gives a control a role of its own for the interfaces above (a panel that comes up
// with the results, for one, is a notification).
void SetAccessibleRole(QWidget* w, int role);
