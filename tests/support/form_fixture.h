#pragma once

// Shows the real window offscreen with scripted draws, and moves the real mouse and
// keyboard over it.

#include "app/form.h"
#include "app/look.h"
#include "support/scripted_clock.h"
#include "support/scripted_random.h"

#include <QApplication>
#include <QList>
#include <QTest>
#include <QTimerEvent>

#include <initializer_list>
#include <memory>

struct ShownForm {
    std::unique_ptr<TForm1> form;
    ScriptedRandom* random = nullptr; // owned by the window's lesson
    // The window's controls, by their names: f->Tot[1], f->Kontroleer.
    const Controls* operator->() const { return &form->Ui(); }
    // What the window's lesson holds, read-only.
    const Lesson& lesson() const { return form->CurrentLesson(); }
};

// The offscreen platform says, for every window shown and raised, that it cannot raise
// it or grab the keyboard: true, and nothing a test looks for. Those lines are left out of
// the test's output; every other message is passed on.
inline void QuietOffscreenNotices() {
    static QtMessageHandler passOn = nullptr;
    static bool installed = false;
    if (installed) {
        return;
    }
    installed = true;
    passOn = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (type == QtWarningMsg &&
                message.startsWith(QLatin1String("This plugin does not support "))) {
                return;
            }
            if (passOn != nullptr) {
                passOn(type, context, message);
            }
        });
}

// Creates the window with the given draws for its first exercise (and any draws after,
// pushed through `random`); unscripted draws come from a fixed seed. Shows it and waits
// until it is active, which draws the first exercise.
inline ShownForm ShowForm(std::initializer_list<int> draws = {}) {
    static bool setUp = false;
    if (!setUp) {
        look::SetUpApplication();
        QuietOffscreenNotices();
        setUp = true;
    }
    ShownForm shown;
    shown.form = std::make_unique<TForm1>();
    auto random = std::make_unique<ScriptedRandom>(draws);
    random->AllowUnscripted();
    shown.random = random.get();
    shown.form->SetRandomSource(std::move(random));
    shown.form->show();
    shown.form->activateWindow();
    if (!QTest::qWaitForWindowActive(shown.form.get())) {
        qFatal("the window did not become active");
    }
    return shown;
}

// The centre of a control in window coordinates.
inline QPoint CentreInWindow(const TForm1* form, const QWidget* w) {
    return w->mapTo(form, w->rect().center());
}

// Clicks where the control stands on screen, through the window, so the click lands on
// whatever a user would hit there (a covering panel, or nothing when hidden).
inline void ClickThroughWindow(TForm1* form, const QWidget* w,
                               Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(form->windowHandle(), button, {}, CentreInWindow(form, w));
}

// Types text key by key through the window, as a keyboard does: each key goes to
// whatever has the focus at that moment, after the window's shortcuts.
inline void TypeKeys(TForm1* form, const QString& text) {
    for (QChar c : text) {
        QTest::keyClick(form->windowHandle(), c.toLatin1());
    }
}

// One key through the window.
inline void PressKey(TForm1* form, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(form->windowHandle(), key, modifiers);
}

// Clicks into a settings field (which empties it), types the text and confirms it with
// Enter, which draws a new exercise and starts a new series.
inline void ConfirmSetting(const ShownForm& f, EditBox* field, const QString& text) {
    ClickThroughWindow(f.form.get(), field);
    TypeKeys(f.form.get(), text);
    PressKey(f.form.get(), Qt::Key_Return);
}

// A new exercise from the settings as they stand, as Enter in the number of addends
// draws one; the series starts again.
inline void DrawAnew(const ShownForm& f) {
    ConfirmSetting(f, f->MaxArtikels, f->MaxArtikels->text());
}

// Types the right sum into the row, units first, from Tot1 on.
inline void TypeRightSum(const ShownForm& f) {
    const ExerciseState& ex = f.lesson().Exercise();
    for (int n = 1; n <= 14 && ex.ExpectedChar[n] != ' '; ++n) {
        TypeKeys(f.form.get(), QString(QLatin1Char(ex.ExpectedChar[n])));
    }
}

// Answers the exercise on screen rightly (in the receipt mode the change too), checks it
// and moves on to the next exercise, drawn from whatever draws come next.
inline void AnswerRightAndMoveOn(const ShownForm& f) {
    TypeRightSum(f);
    if (f->Kasticket->isChecked()) {
        ClickThroughWindow(f.form.get(), f->Teruggave);
        TypeKeys(f.form.get(), QString::fromStdString(FormatPlain(f.lesson().Exercise().Change)));
    }
    ClickThroughWindow(f.form.get(), f->Kontroleer);
    ClickThroughWindow(f.form.get(), f->VolgendeOefening);
}

// One tick of the window's one-second timer, delivered as the timer delivers it, without
// waiting for it.
inline void TickTimer(const ShownForm& f) {
    QTimer* timer = f->Timer1;
    if (timer->isActive()) {
        QTimerEvent tick(timer->timerId());
        QCoreApplication::sendEvent(timer, &tick);
    }
}

// Starts a timed series as the pupil does by keys, so the pointer stays where it is: into
// the minutes (Alt+T), the minutes typed and confirmed with Enter, then START (F5), whose
// new exercise takes `draws`. The series runs on a scripted clock that stands still until
// the test moves it on; the clock is returned.
inline ScriptedClock* StartTimedSeries(const ShownForm& f, const QList<int>& draws = {},
                                       const QString& minutes = QStringLiteral("1")) {
    auto clock = std::make_unique<ScriptedClock>();
    ScriptedClock* time = clock.get();
    f.form->SetSeriesClock(std::move(clock));
    PressKey(f.form.get(), Qt::Key_T, Qt::AltModifier);
    TypeKeys(f.form.get(), minutes);
    PressKey(f.form.get(), Qt::Key_Return);
    for (int d : draws) {
        f.random->Push(d);
    }
    PressKey(f.form.get(), Qt::Key_F5);
    if (!f.lesson().SeriesRunning()) {
        qFatal("the timed series did not start");
    }
    return time;
}
