// The lesson without a window: scoring, the series count, paying from the wallet, the
// lines in use and the timed series, with scripted draws and a scripted clock.

#include "lesson/lesson.h"
#include "support/scripted_clock.h"
#include "support/scripted_random.h"

#include <QtTest>

using std::chrono::milliseconds;

namespace {

struct TestLesson {
    ScriptedRandom* random = nullptr;
    ScriptedClock* clock = nullptr;
    std::unique_ptr<Lesson> lesson;
    Lesson* operator->() const { return lesson.get(); }
};

TestLesson MakeLesson() {
    TestLesson t;
    auto random = std::make_unique<ScriptedRandom>();
    auto clock = std::make_unique<ScriptedClock>();
    t.random = random.get();
    t.clock = clock.get();
    t.lesson = std::make_unique<Lesson>(std::move(random), std::move(clock));
    return t;
}

LessonSettings Classic(int n = 2, bool wallet = false, bool explain = false) {
    LessonSettings s;
    s.Addends.N = n;
    s.PayFromWallet = wallet;
    s.Explain = explain;
    return s;
}

// 57 + 68 = 125; the paid amount is 130 (the flip keeps it), so the change is 5.
void Draw125(TestLesson& t, bool wallet = false, bool explain = false) {
    t.random->Push({56, 67});
    if (!wallet) {
        t.random->Push(0);
    }
    t.lesson->NewExercise(Classic(2, wallet, explain));
    QVERIFY(t.random->Empty());
}

// The sum row as typed from the units on ("521" is 125); every other box hidden.
SumBoxTexts Row(const QString& fromUnits) {
    SumBoxTexts boxes;
    for (int n = 1; n <= fromUnits.size(); ++n) {
        boxes[static_cast<std::size_t>(n)] = QString(fromUnits[n - 1]).toStdString();
    }
    return boxes;
}

} // namespace

class LessonTest : public QObject {
    Q_OBJECT
private slots:
    void scoring_data();
    void scoring();
    void unreadableSumChangesNothing();
    void unitsBoxShowingOneOfMore_data();
    void unitsBoxShowingOneOfMore();
    void payingAnotherAmountWithdrawsTheCheck();
    void seriesCount();
    void outcomes_data();
    void outcomes();
    void wrongChecksAreDiagnosed();
    void linesInUse_data();
    void linesInUse();
    void paidAndChange_data();
    void paidAndChange();
    void theChangeJudgedIsThatOfThePayment();
    void aNewExerciseOwesItsWholeTotal();
    void timedSeries();
    void resetDuringASeriesStopsItAtTheNextTick();
};

void LessonTest::scoring_data() {
    QTest::addColumn<bool>("receipt");
    QTest::addColumn<bool>("typedRight"); // the sum row holds the total, or "0"
    QTest::addColumn<QString>("change");  // typed into the change field; %1: the right one
    QTest::addColumn<int>("changeRight"); // -1: not judged
    QTest::addColumn<bool>("point");

    QTest::newRow("classic right") << false << true << "" << -1 << true;
    QTest::newRow("classic wrong") << false << false << "" << -1 << false;
    QTest::newRow("receipt both right") << true << true << "%1" << 1 << true;
    QTest::newRow("receipt change wrong") << true << true << "1%1" << 0 << false;
    QTest::newRow("receipt sum wrong") << true << false << "%1" << 1 << false;
    QTest::newRow("full stop in the change") << true << true << "%1.0" << 1 << true;
    QTest::newRow("empty change") << true << true << "" << 0 << false;
    QTest::newRow("change too large") << true << true << "1e30" << 0 << false;
}

void LessonTest::scoring() {
    QFETCH(bool, receipt);
    QFETCH(bool, typedRight);
    QFETCH(QString, change);
    QFETCH(int, changeRight);
    QFETCH(bool, point);

    TestLesson t = MakeLesson();
    if (receipt) {
        t.random->AllowUnscripted();
        LessonSettings s = Classic();
        s.Addends.Receipt = true;
        t->NewExercise(s);
    } else {
        Draw125(t);
    }
    QCOMPARE(t->Receipt(), receipt);
    // The change is typed without decimals where it has none, as "5" for 5,00.
    const Amount due = t->Exercise().Change;
    const QString dueText = QString::fromStdString(FormatPlain(due));
    const QString typed = typedRight ? QString::fromStdString(t->TotalText()).trimmed() : "0";
    QString units;
    for (qsizetype k = typed.size() - 1; k >= 0; --k) {
        units += typed[k];
    }
    const QString changeTyped =
        change.contains(QStringLiteral("%1")) ? change.arg(dueText) : change;
    const Judgement j = t->Check(Row(units), changeTyped.toStdString());
    QVERIFY(j.Readable);
    QCOMPARE(j.SumRight, typedRight);
    QCOMPARE(j.ChangeRight.has_value(), changeRight >= 0);
    if (j.ChangeRight) {
        QCOMPARE(*j.ChangeRight, changeRight == 1);
        QVERIFY(j.ChangeText.find('.') == std::string::npos);
    }
    QCOMPARE(t->Phase(), LessonPhase::Judged);
    QCOMPARE(t->MoveOn(), point ? MoveOnResult::Point : MoveOnResult::NoPoint);
    QCOMPARE(t->Points(), point ? 1 : 0);
    QCOMPARE(t->ExerciseNumber(), 2);
}

void LessonTest::unreadableSumChangesNothing() {
    TestLesson t = MakeLesson();
    Draw125(t);
    QVERIFY(t->Check(Row("521"), "").Readable);
    const Judgement j = t->Check(Row("1,,"), "6");
    QVERIFY(!j.Readable);
    QCOMPARE(QString::fromStdString(j.Typed), QStringLiteral("00000000000,,1"));
    QVERIFY(t->SumRight());
    QCOMPARE(t->Phase(), LessonPhase::Judged);
    QVERIFY(t->LastJudgement()->SumRight);
}

void LessonTest::unitsBoxShowingOneOfMore_data() {
    QTest::addColumn<QString>("units"); // all the row holds: the units box's text
    QTest::addColumn<bool>("readable");
    QTest::addColumn<bool>("right");
    QTest::newRow("the total in one box") << "125" << true << false;
    QTest::newRow("an exponent") << "125e0" << true << false;
    QTest::newRow("two digits") << "25" << true << false;
    QTest::newRow("one letter") << "x" << false << false;
    QTest::newRow("one character of two bytes") << QString::fromUtf8("é") << false << false;
}

void LessonTest::unitsBoxShowingOneOfMore() {
    QFETCH(QString, units);
    QFETCH(bool, readable);
    QFETCH(bool, right);
    TestLesson t = MakeLesson();
    Draw125(t);
    SumBoxTexts boxes;
    boxes[1] = units.toStdString();
    const Judgement j = t->Check(boxes, "");
    QCOMPARE(j.Readable, readable);
    QCOMPARE(j.SumRight, right);
    QCOMPARE(t->Phase(), readable ? LessonPhase::Judged : LessonPhase::Answering);
}

void LessonTest::payingAnotherAmountWithdrawsTheCheck() {
    TestLesson t = MakeLesson();
    t.random->AllowUnscripted();
    LessonSettings s = Classic(2, true);
    s.Addends.Receipt = true;
    t->NewExercise(s);
    t->DealWallet();
    // Paid nothing yet: the change is minus the total, judged right, then paid for.
    t->Check(Row("0"), FormatPlain(t->Exercise().Change));
    QCOMPARE(t->Phase(), LessonPhase::Judged);
    t->ClosePayment(); // nothing taken: the same payment, the check stands
    QCOMPARE(t->Phase(), LessonPhase::Judged);
    for (int stack = 0; stack < DenominationCount && !t->TakePiece(stack); ++stack) {
    }
    t->ClosePayment();
    QCOMPARE(t->Phase(), LessonPhase::Answering);
    QCOMPARE(t->MoveOn(), MoveOnResult::Refused);
    QCOMPARE(t->Points(), 0);
}

void LessonTest::seriesCount() {
    TestLesson t = MakeLesson();
    QCOMPARE(t->ExerciseNumber(), 1);
    QCOMPARE(t->Points(), 0);
    // Only a judged exercise moves on: unchecked, unreadable, moved on already, or with
    // the judgement withdrawn, the series stays where it is.
    Draw125(t);
    QCOMPARE(t->MoveOn(), MoveOnResult::Refused);
    QVERIFY(!t->Check(Row("1,,"), "").Readable);
    QCOMPARE(t->MoveOn(), MoveOnResult::Refused);
    t->Check(Row("521"), "");
    QCOMPARE(t->MoveOn(), MoveOnResult::Point);
    QCOMPARE(t->MoveOn(), MoveOnResult::Refused);
    Draw125(t);
    t->Check(Row("521"), "");
    t->WithdrawJudgement();
    QCOMPARE(t->Phase(), LessonPhase::Answering);
    QCOMPARE(t->MoveOn(), MoveOnResult::Refused);
    // A new exercise must be checked anew.
    t->Check(Row("521"), "");
    Draw125(t);
    QCOMPARE(t->MoveOn(), MoveOnResult::Refused);
    QCOMPARE(t->Points(), 1);
    QCOMPARE(t->ExerciseNumber(), 2);
    t->ResetSeries();
    QCOMPARE(t->Points(), 0);
    QCOMPARE(t->ExerciseNumber(), 1);
    // The outcome of the last check survives a new series.
    QVERIFY(t->SumRight());
}

void LessonTest::outcomes_data() {
    // One character a step on 57 + 68: r a right check, w a wrong one, h help (a worked
    // column shown, a red digit typed again), m moving on to the next exercise.
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QList<int>>("counts"); // right at once, after a correction, helped, wrong
    QTest::newRow("right at the first check") << "rm" << QList<int>{1, 0, 0, 0};
    QTest::newRow("wrong, then right") << "wrm" << QList<int>{0, 1, 0, 0};
    QTest::newRow("right, then wrong: the last check counts") << "rwm" << QList<int>{0, 0, 0, 1};
    QTest::newRow("wrong, helped, then right") << "whrm" << QList<int>{0, 0, 1, 0};
    QTest::newRow("helped before the first check") << "hrm" << QList<int>{0, 0, 1, 0};
    QTest::newRow("helped and still wrong") << "whwm" << QList<int>{0, 0, 0, 1};
    QTest::newRow("help ends with its exercise") << "whrmrm" << QList<int>{1, 0, 1, 0};
    QTest::newRow("one of each") << "rmwrmwhrmwm" << QList<int>{1, 1, 1, 1};
}

void LessonTest::outcomes() {
    QFETCH(QString, steps);
    QFETCH(QList<int>, counts);
    TestLesson t = MakeLesson();
    Draw125(t);
    for (const QChar step : steps) {
        switch (step.toLatin1()) {
        case 'r':
            t->Check(Row("521"), "");
            break;
        case 'w':
            t->Check(Row("511"), "");
            break;
        case 'h':
            t->NoteHelped();
            break;
        default:
            t->MoveOn();
            Draw125(t);
        }
    }
    const OutcomeCounts& o = t->Outcomes();
    QCOMPARE((QList<int>{o.RightAtOnce, o.RightAfterCorrection, o.Helped, o.Wrong}), counts);
    // The points are as ever: one for each exercise whose last check was right.
    QCOMPARE(t->Points(), counts[0] + counts[1] + counts[2]);
    t->ResetSeries();
    QCOMPARE(t->Outcomes().RightAtOnce + t->Outcomes().Wrong, 0);
}

void LessonTest::wrongChecksAreDiagnosed() {
    TestLesson t = MakeLesson();
    // Without Uitleg a wrong check is counted, and nothing is looked for.
    Draw125(t);
    QCOMPARE(t->Check(Row("511"), "").Found.Column, 0);
    Draw125(t, false, true);
    // 57 + 68 written as 115: no carry added, the tens wrong.
    Judgement j = t->Check(Row("511"), "");
    QCOMPARE(j.WrongChecks, 1);
    QCOMPARE(j.Found.Column, 2);
    QVERIFY(j.Found.Explains(Mistake::CarryNotAdded));
    QCOMPARE(t->Check(Row("511"), "").WrongChecks, 2);
    j = t->Check(Row("521"), "");
    QCOMPARE(j.WrongChecks, 0);
    QCOMPARE(j.Found.Column, 0);
    // A units box holding the total, shown as its last digit: the units box.
    SumBoxTexts overfull;
    overfull[1] = "125";
    j = t->Check(overfull, "");
    QCOMPARE(j.WrongChecks, 3);
    QCOMPARE(j.Found.Column, 1);
    Draw125(t, false, true);
    QCOMPARE(t->Check(Row("511"), "").WrongChecks, 1);

    // A receipt with its sum right: the change is what went wrong.
    t.random->AllowUnscripted();
    LessonSettings s = Classic(2, false, true);
    s.Addends.Receipt = true;
    t->NewExercise(s);
    const QString typed = QString::fromStdString(t->TotalText()).trimmed();
    QString units;
    for (qsizetype k = typed.size() - 1; k >= 0; --k) {
        units += typed[k];
    }
    const Amount reversed = t->Exercise().Total - t->Exercise().Paid;
    j = t->Check(Row(units), FormatPlain(reversed));
    QVERIFY(j.SumRight);
    QCOMPARE(j.Found.Row, RowKind::Change);
    QVERIFY(j.Found.Explains(Mistake::ChangeReversed));
}

void LessonTest::linesInUse_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("first");
    QTest::newRow("2") << 2 << 11;
    QTest::newRow("5") << 5 << 8;
    QTest::newRow("12") << 12 << 1;
    QTest::newRow("0 drawn as 2") << 0 << 11;
    QTest::newRow("13 drawn as 12") << 13 << 1;
}

void LessonTest::linesInUse() {
    QFETCH(int, n);
    QFETCH(int, first);
    TestLesson t = MakeLesson();
    t.random->AllowUnscripted();
    t->NewExercise(Classic(n));
    QCOMPARE(t->FirstLineInUse(), first);
    // Exactly the lines in use are drawn and summed: every one of them holds an addend.
    Amount total = 0;
    for (int line = first; line <= 12; ++line) {
        QVERIFY(t->Exercise().Lines[static_cast<std::size_t>(line)].LineAmount > 0);
        total += t->Exercise().Lines[static_cast<std::size_t>(line)].LineAmount;
    }
    QCOMPARE(t->Exercise().Total, total);
}

void LessonTest::paidAndChange_data() {
    // 57 + 68 = 125 paid from a wallet dealt with every draw 0: one 500-euro note short
    // of nothing, two of 200, one of 100, two of 50, one 5-euro note and one of every coin.
    QTest::addColumn<QList<int>>("stacks"); // pieces taken out, by stack (0 = 500 euro)
    QTest::addColumn<qint64>("assembled");

    QTest::newRow("nothing") << QList<int>{} << qint64{0};
    QTest::newRow("a 200-euro note") << QList<int>{1} << qint64{Whole(200)};
    QTest::newRow("100 and 50") << QList<int>{2, 3} << qint64{Whole(150)};
    QTest::newRow("every coin") << QList<int>{7, 8, 9, 10, 11, 12, 13, 14} << qint64{38800};
    QTest::newRow("no 500 to take") << QList<int>{0} << qint64{0};
    QTest::newRow("the one 5 cent twice") << QList<int>{12, 12} << qint64{500};
}

void LessonTest::paidAndChange() {
    QFETCH(QList<int>, stacks);
    QFETCH(qint64, assembled);
    TestLesson t = MakeLesson();
    Draw125(t, true);
    QCOMPARE(t->WalletValue(), Whole(250));
    // Three flips (each on 0: the count grows), then one draw for each of stacks 4 to 14.
    for (int i = 0; i < 14; ++i) {
        t.random->Push(0);
    }
    QCOMPARE(t->DealWallet(), (PieceCounts{0, 2, 1, 2, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
    QVERIFY(t.random->Empty());
    for (int stack : stacks) {
        t->TakePiece(stack);
    }
    QCOMPARE(t->Assembled(), Amount(assembled));
    t->ClosePayment();
    QCOMPARE(t->Exercise().Paid, Amount(assembled));
    QCOMPARE(t->Exercise().Change, Amount(assembled) - Whole(125));
}

void LessonTest::theChangeJudgedIsThatOfThePayment() {
    TestLesson t = MakeLesson();
    t.random->AllowUnscripted();
    LessonSettings s = Classic(3, true);
    s.Addends.Receipt = true;
    t->NewExercise(s);
    const PieceCounts dealt = t->DealWallet();
    for (int stack = 0; stack < DenominationCount; ++stack) {
        for (int n = 0; n < dealt[static_cast<std::size_t>(stack)]; ++n) {
            t->TakePiece(stack);
        }
    }
    t->ClosePayment();
    const std::string change = FormatPlain(t->Assembled() - t->Exercise().Total);
    QVERIFY(*t->Check(Row("0"), change).ChangeRight);
    QVERIFY(!*t->Check(Row("0"), FormatPlain(t->Assembled())).ChangeRight);
}

void LessonTest::aNewExerciseOwesItsWholeTotal() {
    TestLesson t = MakeLesson();
    t.random->AllowUnscripted();
    Draw125(t, true);
    t->DealWallet();
    t->TakePiece(1);
    t->ClosePayment();
    QCOMPARE(t->Exercise().Paid, Whole(200));
    Draw125(t, true);
    QCOMPARE(t->Exercise().Paid, Amount(0));
    QCOMPARE(t->Exercise().Change, -Whole(125));
    QCOMPARE(t->Assembled(), Amount(0));
}

void LessonTest::timedSeries() {
    TestLesson t = MakeLesson();
    t.clock->Now = milliseconds(5000);
    QCOMPARE(t->OnTick().Kind, Lesson::TickKind::Idle);
    t->StartSeries(1);
    t.clock->Now += milliseconds(400);
    const Lesson::Tick first = t->OnTick();
    QCOMPARE(first.Kind, Lesson::TickKind::Running);
    QCOMPARE(QString::fromStdString(first.ClockText), QStringLiteral("00:00:59"));

    // Three exercises finished, two of them right; the fourth, checked right, is still
    // on screen when the time is up.
    for (bool right : {true, false, true}) {
        Draw125(t);
        t->Check(Row(right ? "521" : "0"), "");
        t->MoveOn();
    }
    Draw125(t);
    t->Check(Row("521"), "");
    t.clock->Now = milliseconds(5000 + 60000);
    QCOMPARE(t->OnTick().Kind, Lesson::TickKind::Running); // at the end, not past it
    t.clock->Now += milliseconds(2);
    QCOMPARE(t->OnTick().Kind, Lesson::TickKind::Ended);
    QVERIFY(!t->SeriesRunning());
    // The exercise on screen is judged once more for the pupil to see, and scores nothing.
    QCOMPARE(t->Phase(), LessonPhase::SeriesOver);
    QVERIFY(!t->ResultsReady());
    QVERIFY(t->Check(Row("521"), "").Readable);
    QVERIFY(t->ResultsReady());
    QCOMPARE(t->MoveOn(), MoveOnResult::Refused);
    const SeriesResultTexts results = t->Results();
    QCOMPARE(QString::fromStdString(results.Points), QStringLiteral("2"));
    QCOMPARE(QString::fromStdString(results.Made), QStringLiteral("3"));
    QCOMPARE(QString::fromStdString(results.Percentage), QStringLiteral("66,6"));
    QCOMPARE(t->OnTick().Kind, Lesson::TickKind::Idle);
}

void LessonTest::resetDuringASeriesStopsItAtTheNextTick() {
    TestLesson t = MakeLesson();
    t->StartSeries(2);
    t->CancelSeries();
    QVERIFY(t->SeriesRunning());
    QCOMPARE(t->OnTick().Kind, Lesson::TickKind::Cancelled);
    QVERIFY(!t->SeriesRunning());
    QCOMPARE(t->OnTick().Kind, Lesson::TickKind::Idle);

    // Started again before the tick came: the new series runs on.
    t->StartSeries(2);
    t->CancelSeries();
    t->StartSeries(2);
    QCOMPARE(t->OnTick().Kind, Lesson::TickKind::Running);
}

QTEST_APPLESS_MAIN(LessonTest)
#include "tst_lesson.moc"
