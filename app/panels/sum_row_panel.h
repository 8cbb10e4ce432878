// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/accessibility.h"
#include "app/controls.h"
#include "app/panels/kit.h"
#include "lesson/lesson.h"

#include <QObject>

class QKeyEvent;

// The answer: the row of sum boxes the pupil types from right to left with the carry
// label over the column being filled, the change field of a receipt, the two "*" that
// clear them, and their captions. It keeps what the pupil typed and shows the judgement of
// a check on it.
class SumRowPanel : public QObject, private SumRowControls {
    Q_OBJECT
public:
    // Built inside the exercise panel (Panel1), among its controls in the design's order,
    // under its price labels, whose character columns are `columnWidth` ten-thousandths of
    // a pixel wide.
    SumRowPanel(const ExerciseControls& exercise, const Lesson& lesson, Amount columnWidth);

    void Expose(Controls& ui) const;
    void ListHelp(kit::HelpMap& help) const;

    // A new exercise (once per exercise): the boxes it needs, cleared, and named.
    void Draw();
    // The sum row as typed (a hidden box as an empty text) and the change field.
    SumBoxTexts SumRow() const;
    std::string ChangeText() const;
    // The judgement of a readable check: the row and the change green or red, the change
    // written as judged, and spoken.
    void ShowJudgement(const Judgement& j);
    // CONTROLEER let go: the colours go, and the focus is in the units box.
    void CheckReleased();
    // Moving on: the colours go.
    void ClearJudgementColours();
    // Where the window puts the focus whenever it has a choice.
    void FocusUnitsBox();
    void FocusChangeField();
    // Tab goes from `previous` through the sum boxes, in the pupil's order, to the change
    // field.
    void ChainTabAfter(QWidget* previous);
    // Whether the control is a sum box or the change field.
    bool InAnswer(const QWidget* w) const;
    // F7 and F8. True when the key was the panel's.
    bool Key(const QKeyEvent* event);

private:
    void Build(const ExerciseControls& exercise);
    void Connect();
    void NameControls();
    void DrawExercise();
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

    const Lesson& lesson_;
    unsigned drawnSerial_ = 0;
    std::array<QLabel*, 13> prices_{};
    Amount columnWidth_ = 0;
    bool clearing_ = false; // the sum row is being cleared: the focus waits for the end
    // What a screen reader says of each shown sum box besides its column: the judgement.
    QString sumDescription_;
    // Who writes each sum box and the change field.
    QHash<const QLineEdit*, kit::TextGuard*> guards_;
};
