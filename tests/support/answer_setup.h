#pragma once

// Exercises for the sum-row and check tests. The settings are made directly on the
// controls (the check boxes ticked and what they reveal shown, as the settings handlers
// do) rather than by clicks, each of which would draw an exercise of its own; then one
// new exercise is drawn with the given draws. The settings' own tests click for real.

#include "support/form_fixture.h"

#include <string>
#include <vector>

struct AnswerSetup {
    QString maxValue = QStringLiteral("100");
    QString addends = QStringLiteral("2");
    bool decimal = false;
    bool helps = false;
    bool receipt = false;
    std::vector<int> draws;
};

// The sums the tests type, by number (a test table holds the number).
enum SumId { Sum125, Sum1234, Sum12_50, Sum14Boxes, Sum5 };

inline AnswerSetup SetupFor(int sum) {
    AnswerSetup s;
    switch (sum) {
    case Sum125: // 57 + 68: carries 1 into the tens and 1 into the hundreds
        s.draws = {56, 67, 0};
        break;
    case Sum1234: // 617 + 617: carries 1 into the tens, 0 into the hundreds, 1 into the thousands
        s.maxValue = QStringLiteral("1000");
        s.draws = {616, 616, 0};
        break;
    case Sum12_50: // 5,75 + 6,75: the tenths carry 1 over the comma into the units
        s.decimal = true;
        s.draws = {4, 0, 0, 75, 5, 0, 0, 75, 0};
        break;
    case Sum14Boxes: // widened by hand to fourteen boxes, see FormWithSum
        s.draws = {56, 67, 0};
        break;
    case Sum5: // 2 + 3: one box
        s.maxValue = QStringLiteral("4");
        s.draws = {1, 2, 0};
        break;
    }
    return s;
}

inline void Redraw(ShownForm& f, const AnswerSetup& s) {
    f->MaxGetal->setText(s.maxValue);
    f->MaxArtikels->setText(s.addends);
    f->Komma->setChecked(s.decimal);
    f->Hulpjes->setChecked(s.helps);
    f->Hulpje->setVisible(s.helps);
    f->Kasticket->setChecked(s.receipt);
    f->Teruggave->setVisible(s.receipt);
    f->Wis2->setVisible(s.receipt);
    // Pushed only now, so that nothing the ticks above may run takes these draws.
    for (int d : s.draws) {
        f.random->Push(d);
    }
    f->NewExercise();
}

// A window showing the given sum, helps on or off.
inline ShownForm FormWithSum(int sum, bool helps = false) {
    ShownForm f = ShowForm();
    AnswerSetup s = SetupFor(sum);
    s.helps = helps;
    Redraw(f, s);
    if (sum == Sum14Boxes) {
        // No setting gives a sum longer than eleven characters, but the rules of the
        // leftmost boxes hold all the same: the row is widened by hand as a new exercise
        // would, to 11999999988,11 with carries of 11 and 10 into its two leftmost boxes.
        const std::string text = "11999999988,11";
        for (int n = 1; n <= 14; ++n) {
            f->Exercise.ExpectedChar[n] = text[14 - n];
            f->Tot[n]->show();
        }
        f->Exercise.Carry[1] = 11;
        f->Exercise.Carry[2] = 10;
        f->ClearSumRow();
    }
    return f;
}

// The number of the sum box that has the focus, 0 for any other control.
inline int FocusedBox(const ShownForm& f) {
    for (int n = 1; n <= 14; ++n) {
        if (f->Tot[n]->hasFocus()) {
            return n;
        }
    }
    return 0;
}

// The visible boxes from left to right, their texts joined by "|".
inline QString SumRow(const ShownForm& f) {
    QStringList texts;
    for (int n = 14; n >= 1; --n) {
        if (!f->Tot[n]->isHidden()) {
            texts << f->Tot[n]->text();
        }
    }
    return texts.join(QLatin1Char('|'));
}
