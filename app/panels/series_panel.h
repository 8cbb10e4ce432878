#pragma once

#include "app/controls.h"
#include "app/panels/kit.h"
#include "lesson/lesson.h"

#include <QObject>

class QKeyEvent;
class QShortcut;

// The timed series: START, the clock counting down, RESET, and the results that come up
// when the time is up. Its timer looks at the lesson's clock once a second.
class SeriesPanel : public QObject, private SeriesControls {
    Q_OBJECT
public:
    // `explain`: with Uitleg the results also tell how the exercises were made right.
    SeriesPanel(QWidget* window, bool explain);
    void Expose(Controls& ui) const;
    void Draw(const Lesson& lesson);
    // The once-a-second look runs from start-up; it stops when a series has ended and
    // runs again with the next.
    void StartTicking();
    void StopTicking();
    // F5 and F6. True when the key was the panel's.
    bool Key(const QKeyEvent* event);
    // With Uitleg, the results' lines of how the exercises were made right.
    static QString OutcomesText(const Lesson& lesson);

signals:
    void startAsked();
    void resetAsked();
    void tick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void AnnounceResults();

    const Lesson* lesson_ = nullptr; // the lesson last drawn
    QShortcut* escape_ = nullptr;    // presses RESET while it is shown
};
