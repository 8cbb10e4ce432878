// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/accessibility.h"
#include "app/controls.h"
#include "app/panels/kit.h"
#include "lesson/lesson.h"

#include <QObject>
#include <QSet>

class QKeyEvent;

// The answer: the row of sum boxes the pupil types from right to left with the carry
// label over the column being filled, the change field of a receipt, the two "*" that
// clear them, and their captions. It keeps what the pupil typed, shows the judgement of a
// check on it, and, with the school's or parent's Uitleg, marks the column where a wrong
// row first went wrong, says why in the help box, and shows the column worked out.
class SumRowPanel : public QObject, private SumRowControls {
    Q_OBJECT
public:
    // Built inside the exercise panel (Panel1), among its controls in the design's order,
    // under its price labels, whose character columns are `columnWidth` ten-thousandths of
    // a pixel wide. `explain`: the school's or parent's Uitleg, read once at start.
    SumRowPanel(const ExerciseControls& exercise, const Lesson& lesson, Amount columnWidth,
                bool explain);

    void Expose(Controls& ui) const;
    void ListHelp(kit::HelpMap& help) const;

    // A new exercise (once per exercise): the boxes it needs, cleared, and named. A mark
    // goes once the check it came from no longer stands (a settings field entered, another
    // amount paid, the time up).
    void Draw();
    // The sum row as typed (a hidden box as an empty text) and the change field.
    SumBoxTexts SumRow() const;
    std::string ChangeText() const;
    // The judgement of a readable check: the row and the change green or red, the change
    // written as judged, and spoken; with Uitleg, where (and from the second wrong check
    // why) a wrong row went wrong.
    void ShowJudgement(const Judgement& j);
    // CONTROLEER let go: the colours go, a mark stays, and the focus is in the units box.
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
    // F7, F8, and with Uitleg F12. True when the key was the panel's.
    bool Key(const QKeyEvent* event);

    // The texts with Uitleg, for the window's texts to be measured against the help box:
    // what the help box says after a wrong check (the column; from the second, why) and
    // what "show me" adds.
    static QString WhereAndWhy(const Diagnosis& d, bool why);
    static QString Worked(const Lesson& lesson, const Diagnosis& d);

signals:
    // The pupil was helped with the exercise: shown the worked column, or typed again a
    // digit the helps had shown red.
    void helped();
    // What the help box is to say about the row; an empty text takes it back.
    void explained(const QString& text);

private:
    void Build(const ExerciseControls& exercise, bool explain);
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

    // With Uitleg: the mark under the column of a wrong check, and what goes with it.
    void Mark(const Judgement& j);
    void Unmark();
    void ShowMeClick();
    // The box a column of the row read as the check reads it stands in: a units box holding
    // more than one character holds the columns it shows only the last of.
    int BoxOfColumn(int column) const;

    const Lesson& lesson_;
    unsigned drawnSerial_ = 0;
    std::array<QLabel*, 13> prices_{};
    Amount columnWidth_ = 0;
    bool clearing_ = false; // the sum row is being cleared: the focus waits for the end
    int writing_ = 0;       // the program is writing a box (nested writes count)
    // What a screen reader says of each shown sum box besides its column: the judgement.
    QString sumDescription_;
    // Who writes each sum box and the change field.
    QHash<const QLineEdit*, kit::TextGuard*> guards_;
    // The boxes whose digit, typed by the pupil, the helps showed red.
    QSet<int> shownRed_;

    // With Uitleg: what the mark stands for while it stands, its sum box (0: the change
    // field), and what the help box was told of it.
    bool explain_ = false;
    std::optional<Diagnosis> marked_;
    int markedBox_ = 0;
    QString told_;
};
