#pragma once

// Exercises for the sum-row and check tests. The settings are made on the settings bar
// as a pupil makes them, each drawing an exercise of its own from unscripted draws; then
// the wanted exercise is drawn with the given draws by confirming the number of addends
// with Enter.

#include "support/form_fixture.h"

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
enum SumId { Sum125, Sum1234, Sum12_50, SumWidest, Sum5 };

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
    case SumWidest: // twelve times 999999,99 = 11999999,88: the widest sum any setting gives
        s.maxValue = QStringLiteral("999999");
        s.addends = QStringLiteral("12");
        s.decimal = true;
        for (int line = 1; line <= 12; ++line) {
            s.draws.insert(s.draws.end(), {999998, 0, 0, 99});
        }
        s.draws.push_back(0);
        break;
    case Sum5: // 2 + 3: one box
        s.maxValue = QStringLiteral("4");
        s.draws = {1, 2, 0};
        break;
    }
    return s;
}

inline void Redraw(ShownForm& f, const AnswerSetup& s) {
    if (f->MaxGetal->text() != s.maxValue) {
        ConfirmSetting(f, f->MaxGetal, s.maxValue);
    }
    const std::pair<QCheckBox*, bool> ticks[] = {
        {f->Komma, s.decimal}, {f->Hulpjes, s.helps}, {f->Kasticket, s.receipt}};
    for (const auto& [box, wanted] : ticks) {
        if (box->isChecked() != wanted) {
            ClickThroughWindow(f.form.get(), box);
        }
    }
    // Pushed only now, so that none of the exercises drawn above takes these draws.
    for (int d : s.draws) {
        f.random->Push(d);
    }
    ConfirmSetting(f, f->MaxArtikels, s.addends);
    if (!f.random->Empty()) {
        qFatal("the exercise did not take all its draws");
    }
}

// A window showing the given sum, helps on or off.
inline ShownForm FormWithSum(int sum, bool helps = false) {
    ShownForm f = ShowForm();
    AnswerSetup s = SetupFor(sum);
    s.helps = helps;
    Redraw(f, s);
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
