#pragma once

// Shows the real window offscreen with scripted draws, and moves the real mouse and
// keyboard over it.

#include "app/form.h"
#include "app/look.h"
#include "support/scripted_random.h"

#include <QApplication>
#include <QTest>

#include <initializer_list>
#include <memory>

struct ShownForm {
    std::unique_ptr<TForm1> form;
    ScriptedRandom* random = nullptr; // owned by the form
    TForm1* operator->() const { return form.get(); }
};

// Creates the window with the given draws for its first exercise (and any draws after,
// pushed through `random`); unscripted draws come from a fixed seed. Shows it and waits
// until it is active, which draws the first exercise.
inline ShownForm ShowForm(std::initializer_list<int> draws = {}) {
    static bool setUp = false;
    if (!setUp) {
        look::SetUpApplication();
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
inline QPoint CentreInWindow(TForm1* form, QWidget* w) {
    return w->mapTo(form, w->rect().center());
}

// Clicks where the control stands on screen, through the window, so the click lands on
// whatever a user would hit there (a covering panel, or nothing when hidden).
inline void ClickThroughWindow(TForm1* form, QWidget* w, Qt::MouseButton button = Qt::LeftButton) {
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
