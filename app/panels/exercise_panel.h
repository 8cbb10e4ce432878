#pragma once

#include "app/accessibility.h"
#include "app/controls.h"
#include "app/panels/kit.h"
#include "lesson/lesson.h"

#include <QObject>

#include <chrono>
#include <deque>

class QKeyEvent;

// The exercise: the addends (or the receipt's lines), the sum row the pupil types from
// right to left with the carry above it, the paid amount and the change, the purse,
// CONTROLEER and VOLGENDE OEFENING. The sum row and the change field keep what the
// pupil typed; everything else is drawn from the lesson.
class ExercisePanel : public QObject, private ExerciseControls {
    Q_OBJECT
public:
    ExercisePanel(QWidget* window, const Lesson& lesson);

    void Expose(Controls& ui) const;
    void ListHelp(kit::HelpMap& help) const;

    // A new exercise in full (once per exercise), then what the phase of the lesson shows:
    // the buttons, the paid amount.
    void Draw();
    // The sum row as typed (a hidden box as an empty text) and the change field.
    SumBoxTexts SumRow() const;
    std::string ChangeText() const;
    // The judgement of a readable check: the row and the change green or red, the change
    // written as judged, and spoken.
    void ShowJudgement(const Judgement& j);
    // A row that is no number: the pupil is told in a message, and nothing changes.
    void TellUnreadable(const Judgement& j);
    // The message about an unreadable row is open: no check is made meanwhile.
    bool Telling() const { return telling_; }
    // Tells a screen reader the exercise on screen: its number and its addends in order
    // (a receipt line by line, then the amount paid).
    void SayExercise();
    // Where the window puts the focus whenever it has a choice.
    void FocusUnitsBox();
    void FocusChangeField();
    // Tab goes from `previous` through the sum boxes, in the pupil's order, to the change
    // field.
    void ChainTabAfter(QWidget* previous);
    // Whether the control is a sum box or the change field.
    bool InAnswer(const QWidget* w) const;
    // F2 (held), F3, F4, F7 and F8; F2's release. True when the key was the panel's.
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
    // CONTROLEER pressed: the window checks the answer.
    void checkPressed();
    void nextAsked();
    void walletAsked();

private:
    void Build(QWidget* window);
    void Connect();
    void NameControls();
    void DrawExercise();
    void NameExercise();
    // Names each sum box by its column; `decimal`: with the decimal comma in box 3.
    void NameSumBoxes(bool decimal);
    void DescribeSumBox(int n);
    void ClearSumRow();
    void SetJudgementColours(const QColor& sum, const QColor& change);
    void ClearJudgement();
    void FocusLeftmostBox();
    // Takes from the box every character a pupil cannot see; true when there was one.
    bool DropInvisible(QLineEdit* box);
    // Writes a box's text as the program does, outside the rules for the pupil's input.
    void Write(QLineEdit* box, const QString& text);
    // A text that reached a box where no pupil could type it (a screen reader's, into a
    // box the pupil is not in, hidden or covered) is put back; true when it was.
    bool PutBack(QLineEdit* box);
    void Tot1Change(int n);
    void Tot1KeyDown(int n, int key);
    void Tot1KeyPress(QChar key);
    void Tot1Enter(int n);
    void Wis1Click();
    void TeruggaveKeyDown(int key);
    void TeruggaveExit();
    void Wis2Click();
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
    bool checkKeyHeld_ = false; // CONTROLEER is held down by its key
    // The presses of the check key that the keyboard has sent and the window has not
    // had yet (held back by a screen reader's bridge), by when they were sent; and the
    // keyboard's time of the last one, whose shortcut check reaches several widgets.
    std::deque<std::chrono::steady_clock::time_point> checkKeyPressesOnTheWay_;
    unsigned long checkKeyOfferedAt_ = 0;
    bool clearing_ = false; // the sum row is being cleared: the focus waits for the end
    // What a screen reader says of each shown sum box besides its column: the judgement.
    QString sumDescription_;
    bool telling_ = false; // the message about an unreadable row is open
    // Who writes each sum box and the change field.
    QHash<const QLineEdit*, kit::TextGuard*> guards_;

    Announcer* announcer_ = nullptr;
};
