// A timed series on the real window: START, the countdown, the results, RESET and the
// locked settings. The series reads a clock that the test moves by hand, and the test
// delivers the timer's ticks itself, so a series of minutes runs in no time.

#include "support/form_fixture.h"
#include "support/scripted_clock.h"

#include <QElapsedTimer>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTimer>

using std::chrono::milliseconds;

namespace {

struct SeriesForm {
    ShownForm f;
    ScriptedClock* clock = nullptr; // owned by the form
    const Controls* operator->() const { return &f.form->Ui(); }
    TForm1* form() const { return f.form.get(); }

    // Moves the clock on and delivers one tick of Timer1.
    void Tick(milliseconds elapsed) {
        clock->Now += elapsed;
        TickTimer(f);
    }
};

SeriesForm ShowWithClock(milliseconds origin = milliseconds(0)) {
    SeriesForm s{ShowForm(), nullptr};
    auto clock = std::make_unique<ScriptedClock>();
    clock->Now = origin;
    s.clock = clock.get();
    s.f.form->SetSeriesClock(std::move(clock));
    return s;
}

// Sets the minutes as a pupil does: click into the field, type, Enter. This shows START.
void EnterMinutes(TForm1* form, const QString& minutes) {
    ClickThroughWindow(form, form->Ui().TimerMinuten);
    TypeKeys(form, minutes);
    PressKey(form, Qt::Key_Return);
}

void ClickStart(TForm1* form, const QString& minutes) {
    EnterMinutes(form, minutes);
    QVERIFY(form->Ui().Startknop->isVisible());
    ClickThroughWindow(form, form->Ui().Startknop);
}

// Types the right sum, units first.
void TypeRightSum(TForm1* form) {
    for (int n = 1; n <= 14 && form->CurrentLesson().Exercise().ExpectedChar[n] != ' '; ++n) {
        TypeKeys(form, QString(QLatin1Char(form->CurrentLesson().Exercise().ExpectedChar[n])));
    }
}

// Answers the exercise on screen right or wrong (the untouched row reads 0, and no sum
// is 0) and checks it.
void AnswerAndCheck(TForm1* form, bool right) {
    if (right) {
        TypeRightSum(form);
    }
    ClickThroughWindow(form, form->Ui().Kontroleer);
}

} // namespace

class TimedSeriesTest : public QObject {
    Q_OBJECT
private slots:
    void oneMinuteCountsDownThenShowsResults();
    void startKeepsTheTickThatRunsSinceStartUp();
    void resultsCountOnlyFinishedExercises_data();
    void resultsCountOnlyFinishedExercises();
    void unreadableFinalCheckShowsNoResults();
    void resetRestoresTheWindow_data();
    void resetRestoresTheWindow();
    void resetIsFramedOnlyAfterAKey_data();
    void resetIsFramedOnlyAfterAKey();
    void runsOnTheSeriesClockAlone_data();
    void runsOnTheSeriesClockAlone();
    void settingsLockedButStopWorks_data();
    void settingsLockedButStopWorks();
};

void TimedSeriesTest::oneMinuteCountsDownThenShowsResults() {
    SeriesForm s = ShowWithClock(milliseconds(5000));
    EnterMinutes(s.form(), QStringLiteral("1"));
    // Exercise 2 of a series, so that START visibly starts a new one.
    AnswerAndCheck(s.form(), true);
    ClickThroughWindow(s.form(), s->VolgendeOefening);
    QCOMPARE(s->Reeksteller->text(), QStringLiteral("2"));
    s.f.random->Push({10, 20, 0}); // 11 + 21
    ClickThroughWindow(s.form(), s->Startknop);

    QCOMPARE(s->Prijs[11]->text(), QStringLiteral("11"));
    QCOMPARE(s->Prijs[12]->text(), QStringLiteral("21"));
    QCOMPARE(s->Reeksteller->text(), QStringLiteral("1"));
    QCOMPARE(s->Label6->text(), QStringLiteral("0"));
    QCOMPARE(s->Label8->text(), QStringLiteral("1"));
    QCOMPARE(s->KlokVenster->text(), QStringLiteral("00:00:00"));
    QVERIFY(s->KlokVenster->isVisible());
    QVERIFY(!s->Startknop->isVisible());
    QVERIFY(s->OKKnop1->isVisible());
    QVERIFY(!s->Instellingen->isEnabled());
    QVERIFY(s->Timer1->isActive());
    QVERIFY(s.f.lesson().SeriesRunning());

    s.Tick(milliseconds(1000));
    QCOMPARE(s->KlokVenster->text(), QStringLiteral("00:00:59"));
    s.Tick(milliseconds(59000));
    QCOMPARE(s->KlokVenster->text(), QStringLiteral("00:00:00"));
    QVERIFY(!s->Panel3->isVisible());
    QVERIFY(s->Panel1->isEnabled());

    s.Tick(milliseconds(1000));
    QVERIFY(s->Panel3->isVisible());
    QVERIFY(!s->Panel1->isEnabled());
    QVERIFY(!s->Kontroleer->isVisible());
    QVERIFY(!s->VolgendeOefening->isVisible());
    QVERIFY(!s->Timer1->isActive());
    QVERIFY(!s.f.lesson().SeriesRunning());
    // The clock keeps its last time, RESET stays and the settings stay locked.
    QCOMPARE(s->KlokVenster->text(), QStringLiteral("00:00:00"));
    QVERIFY(s->KlokVenster->isVisible());
    QVERIFY(s->OKKnop1->isVisible());
    QVERIFY(!s->Instellingen->isEnabled());
    // The exercise area is locked: a click on CONTROLEER's place hits the results panel.
    ClickThroughWindow(s.form(), s->Kontroleer);
    QVERIFY(!s->VolgendeOefening->isVisible());
}

void TimedSeriesTest::startKeepsTheTickThatRunsSinceStartUp() {
    // The real clock and the real one-second timer: the first tick of the countdown is
    // the timer's next tick, not one a whole second after START, so the clock shows the
    // first second of the series.
    ShownForm f = ShowForm();
    EnterMinutes(f.form.get(), QStringLiteral("1"));
    QSignalSpy ticks(f->Timer1, &QTimer::timeout);
    QVERIFY(ticks.wait(1500));
    QTest::qWait(500); // half way to the next tick
    ClickThroughWindow(f.form.get(), f->Startknop);
    QElapsedTimer sinceStart;
    sinceStart.start();
    QVERIFY(ticks.wait(1500));
    QVERIFY2(sinceStart.elapsed() < 900, qPrintable(QString::number(sinceStart.elapsed())));
    QCOMPARE(f->KlokVenster->text(), QStringLiteral("00:00:59"));
}

void TimedSeriesTest::resultsCountOnlyFinishedExercises_data() {
    QTest::addColumn<QString>("finished"); // R right, W wrong, in order
    QTest::addColumn<bool>("lastRight");   // the exercise on screen when time runs out
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("made");
    QTest::addColumn<QString>("percentage");

    QTest::newRow("2 of 3, cut not rounded") << "RRW" << true << 2 << 3 << "66,6";
    QTest::newRow("1 of 8") << "WWWRWWWW" << true << 1 << 8 << "12,5";
    QTest::newRow("3 of 3, no comma") << "RRR" << false << 3 << 3 << "100";
    QTest::newRow("none right") << "WW" << true << 0 << 2 << "0";
    QTest::newRow("nothing finished") << "" << true << 0 << 0 << "0";
}

void TimedSeriesTest::resultsCountOnlyFinishedExercises() {
    QFETCH(QString, finished);
    QFETCH(bool, lastRight);
    QFETCH(int, points);
    QFETCH(int, made);
    QFETCH(QString, percentage);

    SeriesForm s = ShowWithClock();
    ClickStart(s.form(), QStringLiteral("5"));
    const milliseconds end = s.clock->Now + milliseconds(5 * 60000);
    for (QChar outcome : finished) {
        AnswerAndCheck(s.form(), outcome == QLatin1Char('R'));
        ClickThroughWindow(s.form(), s->VolgendeOefening);
        s.Tick(milliseconds(1000));
    }
    // Checked right but not moved on: it must not count.
    AnswerAndCheck(s.form(), lastRight);
    QCOMPARE(s.f.lesson().SumRight(), lastRight);
    QVERIFY(!s->Panel3->isVisible());

    s.Tick(end - s.clock->Now);
    QVERIFY(!s->Panel3->isVisible());
    s.Tick(milliseconds(2));
    QVERIFY(s->Panel3->isVisible());
    QCOMPARE(s->Label48->text(), QString::number(points));
    QCOMPARE(s->Label49->text(), QString::number(made));
    QCOMPARE(s->Label51->text(), percentage);
    QVERIFY(!s->VolgendeOefening->isVisible());
}

// The final check meets a sum row that cannot be read: its message is shown and the
// series ends without results, with nothing left that could still score.
void TimedSeriesTest::unreadableFinalCheckShowsNoResults() {
    SeriesForm s = ShowWithClock();
    EnterMinutes(s.form(), QStringLiteral("1"));
    s.f.random->Push({56, 67, 0}); // 57 + 68 = 125: three boxes
    ClickThroughWindow(s.form(), s->Startknop);
    AnswerAndCheck(s.form(), true);
    QVERIFY(s->VolgendeOefening->isVisible());
    TypeKeys(s.form(), QStringLiteral(",,")); // two commas: no number

    QString message;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            message = box->text();
            box->close();
        }
    });
    s.Tick(milliseconds(60002));
    QVERIFY(message.endsWith(QStringLiteral("is not a valid floating point value")));
    QVERIFY(!s->Panel3->isVisible());
    QVERIFY(!s->Timer1->isActive());
    QVERIFY(!s.f.lesson().SeriesRunning());
    QVERIFY(!s->Panel1->isEnabled());
    QVERIFY(!s->Kontroleer->isVisible());
    QVERIFY(!s->VolgendeOefening->isVisible());
    QVERIFY(s->OKKnop1->isVisible());
    QCOMPARE(s->Label6->text(), QStringLiteral("0"));

    ClickThroughWindow(s.form(), s->OKKnop1);
    QVERIFY(s->Panel1->isEnabled());
    QVERIFY(s->Kontroleer->isVisible());
    QVERIFY(s->Instellingen->isEnabled());
    QVERIFY(!s->KlokVenster->isVisible());
    s.Tick(milliseconds(60000));
    QVERIFY(!s->Panel3->isVisible());
}

void TimedSeriesTest::resetRestoresTheWindow_data() {
    QTest::addColumn<bool>("afterResults");
    QTest::addColumn<bool>("byEscape"); // Escape in a sum box rather than a click

    QTest::newRow("RESET during the series") << false << false;
    QTest::newRow("Escape during the series") << false << true;
    QTest::newRow("RESET after the results") << true << false;
}

void TimedSeriesTest::resetRestoresTheWindow() {
    QFETCH(bool, afterResults);
    QFETCH(bool, byEscape);

    SeriesForm s = ShowWithClock();
    ClickStart(s.form(), QStringLiteral("1"));
    AnswerAndCheck(s.form(), true);
    ClickThroughWindow(s.form(), s->VolgendeOefening);
    QCOMPARE(s->Reeksteller->text(), QStringLiteral("2"));
    s.Tick(milliseconds(1000));
    if (afterResults) {
        s.Tick(milliseconds(60000));
        QVERIFY(s->Panel3->isVisible());
    }

    s.f.random->Push({10, 20, 0}); // 11 + 21
    if (byEscape) {
        QCOMPARE(QApplication::focusWidget(), s->Tot[1]);
        PressKey(s.form(), Qt::Key_Escape);
    } else {
        ClickThroughWindow(s.form(), s->OKKnop1);
    }

    QVERIFY(!s->KlokVenster->isVisible());
    QVERIFY(!s->OKKnop1->isVisible());
    QVERIFY(!s->Panel3->isVisible());
    QVERIFY(s->Panel1->isEnabled());
    QVERIFY(s->Kontroleer->isVisible());
    QVERIFY(s->Instellingen->isEnabled());
    QCOMPARE(s->TimerMinuten->text(), QStringLiteral("0"));
    QVERIFY(!s->Startknop->isVisible());
    QCOMPARE(s->Prijs[11]->text(), QStringLiteral("11"));
    QCOMPARE(s->Prijs[12]->text(), QStringLiteral("21"));
    QCOMPARE(s->Reeksteller->text(), QStringLiteral("1"));
    QCOMPARE(s->Label8->text(), QStringLiteral("1"));
    QCOMPARE(QApplication::focusWidget(), s->Tot[1]);
    QCOMPARE(s->Tot[1]->text(), QStringLiteral("0"));

    // RESET leaves the timer running; the next tick stops it.
    QCOMPARE(s->Timer1->isActive(), !afterResults);
    s.Tick(milliseconds(1000));
    QVERIFY(!s->Timer1->isActive());
    QVERIFY(!s.f.lesson().SeriesRunning());
    // The time of the stopped series runs out without results.
    s.Tick(milliseconds(120000));
    QVERIFY(!s->Panel3->isVisible());
    QVERIFY(!s->KlokVenster->isVisible());
    QVERIFY(s->Kontroleer->isVisible());
}

void TimedSeriesTest::resetIsFramedOnlyAfterAKey_data() {
    // What the pupil does after entering the minutes: a key, a text typed, or a click.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("framed");

    // Qt frames the focus once the keyboard has moved it (Tab); before that, as after the
    // mouse, the window looks as it did.
    QTest::newRow("START clicked, after a Tab") << QStringList{"Tab", "START"} << false;
    QTest::newRow("START by F5, after a Tab") << QStringList{"Tab", "F5"} << true;
    QTest::newRow("digits typed before the end") << QStringList{"Tab", "START", "5"} << true;
    QTest::newRow("keys, no Tab") << QStringList{"F5", "5"} << false;
    QTest::newRow("CONTROLEER clicked after the keys")
        << QStringList{"Tab", "F5", "5", "CONTROLEER"} << false;
}

// The results give RESET the focus, where Space and Escape press it. Its focus frame shows
// only where the last input was a key: to the pupil at the mouse, RESET looks as before.
void TimedSeriesTest::resetIsFramedOnlyAfterAKey() {
    QFETCH(QStringList, steps);
    QFETCH(bool, framed);

    SeriesForm s = ShowWithClock();
    EnterMinutes(s.form(), QStringLiteral("1"));
    for (const QString& step : steps) {
        if (step == QLatin1String("Tab")) {
            PressKey(s.form(), Qt::Key_Tab);
        } else if (step == QLatin1String("F5")) {
            PressKey(s.form(), Qt::Key_F5);
        } else if (step == QLatin1String("START")) {
            ClickThroughWindow(s.form(), s->Startknop);
        } else if (step == QLatin1String("CONTROLEER")) {
            ClickThroughWindow(s.form(), s->Kontroleer);
        } else {
            TypeKeys(s.form(), step);
        }
    }
    QVERIFY(s.f.lesson().SeriesRunning());
    QVERIFY(!s->OKKnop1->hasFocus());
    const QImage unfocused = s->OKKnop1->grab().toImage();

    s.Tick(milliseconds(60002));
    QVERIFY(s->Panel3->isVisible());
    QCOMPARE(QApplication::focusWidget(), s->OKKnop1);
    QCOMPARE(s->OKKnop1->grab().toImage() != unfocused, framed);

    PressKey(s.form(), Qt::Key_Space);
    QVERIFY(!s->OKKnop1->isVisible());
    QVERIFY(!s->Panel3->isVisible());
}

void TimedSeriesTest::runsOnTheSeriesClockAlone_data() {
    QTest::addColumn<qint64>("originMs");

    QTest::newRow("clock at zero") << qint64{0};
    // On a clock counting from a midnight: the series crosses the next midnight.
    QTest::newRow("started at 23:55") << qint64{(23 * 60 + 55) * 60000};
    QTest::newRow("after 40 days of running") << qint64{40LL * 24 * 3600 * 1000 + 123};
}

// The series is measured on the series clock, whatever its origin, and nothing else: the
// test's clock stands still while real time passes, and moves in jumps no wall clock
// makes. A window that looked at the wall clock would show less than the full time at
// the first tick below.
void TimedSeriesTest::runsOnTheSeriesClockAlone() {
    QFETCH(qint64, originMs);

    SeriesForm s = ShowWithClock(milliseconds(originMs));
    ClickStart(s.form(), QStringLiteral("10"));
    s.Tick(milliseconds(0));
    QCOMPARE(s->KlokVenster->text(), QStringLiteral("00:10:00"));
    s.Tick(milliseconds(1));
    QCOMPARE(s->KlokVenster->text(), QStringLiteral("00:09:59"));
    s.Tick(milliseconds(5 * 60000 - 1));
    QCOMPARE(s->KlokVenster->text(), QStringLiteral("00:05:00"));
    // One millisecond past the end still shows the clock; the next ends the series.
    s.Tick(milliseconds(5 * 60000 + 1));
    QCOMPARE(s->KlokVenster->text(), QStringLiteral("00:00:00"));
    QVERIFY(!s->Panel3->isVisible());
    s.Tick(milliseconds(1));
    QVERIFY(s->Panel3->isVisible());
}

void TimedSeriesTest::settingsLockedButStopWorks_data() {
    QTest::addColumn<bool>("afterResults");
    QTest::newRow("series running") << false;
    QTest::newRow("results shown") << true;
}

void TimedSeriesTest::settingsLockedButStopWorks() {
    QFETCH(bool, afterResults);

    SeriesForm s = ShowWithClock();
    ClickStart(s.form(), QStringLiteral("1"));
    if (afterResults) {
        s.Tick(milliseconds(60002));
        QVERIFY(s->Panel3->isVisible());
    }
    const QString first = s->Prijs[12]->text();

    ClickThroughWindow(s.form(), s->Image1);
    QVERIFY(!s->Info->isVisible());
    ClickThroughWindow(s.form(), s->TimerMinuten);
    QCOMPARE(s->TimerMinuten->text(), QStringLiteral("1"));
    QVERIFY(!s->TimerMinuten->hasFocus());
    ClickThroughWindow(s.form(), s->Komma);
    QVERIFY(!s->Komma->isChecked());
    QCOMPARE(s->Prijs[12]->text(), first);

    bool clicked = false;
    QTimer::singleShot(0, [&] {
        clicked = true;
        ClickThroughWindow(s.form(), s->Image4);
    });
    // Fails by the test's timeout if STOP does not end the loop.
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(clicked);
}

QTEST_MAIN(TimedSeriesTest)
#include "tst_timed_series.moc"
