#include "support/scripted_clock.h"
#include "timer/series.h"

#include <QtTest>

using std::chrono::milliseconds;

class TestSeries : public QObject {
    Q_OBJECT

private slots:
    void countdown_data();
    void countdown();
    void endsOnlyPastOneMillisecond_data();
    void endsOnlyPastOneMillisecond();
    void clockText_data();
    void clockText();
    void results_data();
    void results();
};

void TestSeries::countdown_data() {
    QTest::addColumn<int>("minutes");
    QTest::addColumn<qint64>("startMs");
    QTest::addColumn<QString>("firstTick");

    QTest::newRow("1 minute") << 1 << qint64{5000} << "00:00:59";
    // Started at 23:55 on a clock counting from midnight: midnight is no boundary.
    QTest::newRow("across midnight") << 10 << qint64{(23 * 60 + 55) * 60000} << "00:09:59";
    QTest::newRow("longest") << 999 << qint64{0} << "16:38:59";
}

// One tick a second, as the window's timer gives them: the clock counts down to
// 00:00:00 and the tick after that ends the series.
void TestSeries::countdown() {
    QFETCH(int, minutes);
    QFETCH(qint64, startMs);
    QFETCH(QString, firstTick);

    ScriptedClock clock;
    clock.Now = milliseconds(startMs);
    TimedSeries series;
    QCOMPARE(TickSeries(series, clock).Kind, SeriesTickKind::NotRunning);
    StartSeries(series, clock, minutes);
    QVERIFY(series.SeriesRunning);

    const int seconds = minutes * 60;
    QString previous;
    for (int tick = 1; tick <= seconds; ++tick) {
        clock.Now += milliseconds(1000);
        const SeriesTick t = TickSeries(series, clock);
        QCOMPARE(t.Kind, SeriesTickKind::Running);
        QCOMPARE(t.Remaining, milliseconds(1000) * (seconds - tick));
        const QString text = QString::fromStdString(ClockText(t.Remaining));
        if (tick == 1) {
            QCOMPARE(text, firstTick);
        }
        QVERIFY(text != previous);
        previous = text;
    }
    QCOMPARE(previous, QString("00:00:00"));

    clock.Now += milliseconds(1000);
    QCOMPARE(TickSeries(series, clock).Kind, SeriesTickKind::Ended);
    QVERIFY(!series.SeriesRunning);
    clock.Now += milliseconds(1000);
    QCOMPARE(TickSeries(series, clock).Kind, SeriesTickKind::NotRunning);
}

void TestSeries::endsOnlyPastOneMillisecond_data() {
    QTest::addColumn<qint64>("elapsedMs");
    QTest::addColumn<bool>("ended");
    QTest::addColumn<QString>("text");

    QTest::newRow("at once") << qint64{0} << false << "00:01:00";
    QTest::newRow("1 ms") << qint64{1} << false << "00:00:59";
    QTest::newRow("59 999 ms") << qint64{59999} << false << "00:00:00";
    QTest::newRow("at the end") << qint64{60000} << false << "00:00:00";
    QTest::newRow("1 ms late") << qint64{60001} << false << "00:00:00";
    QTest::newRow("2 ms late") << qint64{60002} << true << "";
    QTest::newRow("a second late") << qint64{61000} << true << "";
}

void TestSeries::endsOnlyPastOneMillisecond() {
    QFETCH(qint64, elapsedMs);
    QFETCH(bool, ended);
    QFETCH(QString, text);

    ScriptedClock clock;
    clock.Now = milliseconds(700000);
    TimedSeries series;
    StartSeries(series, clock, 1);
    clock.Now += milliseconds(elapsedMs);
    const SeriesTick t = TickSeries(series, clock);
    QCOMPARE(t.Kind, ended ? SeriesTickKind::Ended : SeriesTickKind::Running);
    if (!ended) {
        QCOMPARE(QString::fromStdString(ClockText(t.Remaining)), text);
    }
}

void TestSeries::clockText_data() {
    QTest::addColumn<qint64>("ms");
    QTest::addColumn<QString>("text");

    QTest::newRow("zero") << qint64{0} << "00:00:00";
    QTest::newRow("cut, not rounded") << qint64{59999} << "00:00:59";
    QTest::newRow("one minute") << qint64{60000} << "00:01:00";
    QTest::newRow("one hour") << qint64{3600000} << "01:00:00";
    QTest::newRow("999 minutes") << qint64{999 * 60000} << "16:39:00";
    QTest::newRow("past the end") << qint64{-1} << "00:00:00";
}

void TestSeries::clockText() {
    QFETCH(qint64, ms);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(ClockText(milliseconds(ms))), text);
}

void TestSeries::results_data() {
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("made");
    QTest::addColumn<qint64>("percentage");
    QTest::addColumn<QString>("percentageText");

    QTest::newRow("2 of 3, cut") << 2 << 3 << qint64{666667} << "66,6";
    QTest::newRow("1 of 3") << 1 << 3 << qint64{333333} << "33,3";
    QTest::newRow("1 of 8") << 1 << 8 << qint64{125000} << "12,5";
    QTest::newRow("3 of 3") << 3 << 3 << qint64{1000000} << "100";
    QTest::newRow("0 of 4") << 0 << 4 << qint64{0} << "0";
    QTest::newRow("none finished") << 0 << 0 << qint64{0} << "0";
    // Half a ten-thousandth goes to the even neighbour.
    QTest::newRow("1 of 128, tie down") << 1 << 128 << qint64{7812} << "0,7";
    QTest::newRow("3 of 128, tie up") << 3 << 128 << qint64{23438} << "2,3";
}

void TestSeries::results() {
    QFETCH(int, points);
    QFETCH(int, made);
    QFETCH(qint64, percentage);
    QFETCH(QString, percentageText);

    QCOMPARE(qint64{ResultPercentage(points, made)}, percentage);
    const SeriesResultTexts texts = ResultTexts(points, made);
    QCOMPARE(QString::fromStdString(texts.Points), QString::number(points));
    QCOMPARE(QString::fromStdString(texts.Made), QString::number(made));
    QCOMPARE(QString::fromStdString(texts.Percentage), percentageText);
}

QTEST_APPLESS_MAIN(TestSeries)
#include "tst_series.moc"
