#pragma once

#include "app/accessibility.h"
#include "app/controls.h"
#include "app/panels/kit.h"
#include "lesson/lesson.h"

#include <QObject>

#include <chrono>
#include <deque>
#include <functional>

class QKeyEvent;

// The exercise: the addends (or the receipt's lines), the paid amount, the purse,
// CONTROLEER and VOLGENDE OEFENING; the sum row the pupil types into stands inside it
// (SumRowPanel). Everything here is drawn from the lesson.
class ExercisePanel : public QObject, private ExerciseControls {
    Q_OBJECT
public:
    ExercisePanel(QWidget* window, const Lesson& lesson);

    void Expose(Controls& ui) const;
    void ListHelp(kit::HelpMap& help) const;
    // Which controls are the answer (the sum row and the change field): a press of the
    // check key leaves the focus there.
    void SetAnswerFields(std::function<bool(const QWidget*)> inAnswer) {
        inAnswer_ = std::move(inAnswer);
    }

    // A new exercise in full (once per exercise), then what the phase of the lesson shows:
    // the buttons, the paid amount.
    void Draw();
    // A row that is no number: the pupil is told in a message, and nothing changes.
    void TellUnreadable(const Judgement& j);
    // The message about an unreadable row is open: no check is made meanwhile.
    bool Telling() const { return telling_; }
    // Tells a screen reader the exercise on screen: its number and its addends in order
    // (a receipt line by line, then the amount paid).
    void SayExercise();
    // F2 (held), F3 and F4; F2's release. True when the key was the panel's.
    bool Key(const QKeyEvent* event);
    bool KeyRelease(const QKeyEvent* event);
    // Every key on its way to the window: its shortcut check, which comes straight from the
    // keyboard, and then the press itself, which a screen reader's bridge may hold back.
    void NoteKeyOffered(const QKeyEvent* shortcutCheck);
    void NoteKeyPress(const QKeyEvent* press);

    // Left edge, in pixels, of the carry label over sum box `box` (1..13): the left edge of
    // the bottom price label plus a fraction of columns (11.2 over box 1, one less per box
    // to the left, -0.2 over box 13) of `columnWidth` ten-thousandths of a pixel, truncated.
    static int CarryLabelLeft(int priceLeft, Amount columnWidth, int box);
    // One character column of the amount labels, in ten-thousandths of a pixel.
    Amount ColumnWidth() const { return columnWidth_; }

signals:
    // CONTROLEER pressed: the window checks the answer; and let go.
    void checkPressed();
    void checkReleased();
    // A new exercise's lines are on screen: the sum row under them is drawn now, before
    // the buttons change.
    void exerciseShown();
    void nextAsked();
    void walletAsked();

private:
    void Build(QWidget* window);
    void Connect();
    void NameControls();
    void DrawExercise();
    void NameExercise();
    void KontroleerMouseUp();
    void VolgendeOefeningClick();
    void CheckKeyDown();
    void CheckKeyUp();
    // Whether the check key is still held: down on the keyboard, or a press of it on its
    // way to the window, as after a release that was one of its repeats.
    bool CheckKeyStillHeld();

    const Lesson& lesson_;
    unsigned drawnSerial_ = 0;
    Amount columnWidth_ = 0;
    std::function<bool(const QWidget*)> inAnswer_;
    bool checkKeyHeld_ = false; // CONTROLEER is held down by its key
    // The presses of the check key that the keyboard has sent and the window has not
    // had yet (held back by a screen reader's bridge), by when they were sent; and the
    // keyboard's time of the last one, whose shortcut check reaches several widgets.
    std::deque<std::chrono::steady_clock::time_point> checkKeyPressesOnTheWay_;
    unsigned long checkKeyOfferedAt_ = 0;
    bool telling_ = false; // the message about an unreadable row is open

    Announcer* announcer_ = nullptr;
};
