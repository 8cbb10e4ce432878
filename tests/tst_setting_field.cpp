// SPDX-License-Identifier: GPL-3.0-or-later
// The numeric settings fields' rules without a window: what a field takes, what it shows
// when left or confirmed, and which texts it falls back on after clicks and double clicks.

#include "engine/setting_field.h"

#include <QtTest>

Q_DECLARE_METATYPE(SettingKind)

namespace {

constexpr SettingKind Addends = SettingKind::Addends;
constexpr SettingKind Largest = SettingKind::LargestAddend;
constexpr SettingKind Minutes = SettingKind::Minutes;

std::string Std(const QString& text) {
    return text.toStdString();
}

} // namespace

class SettingFieldTest : public QObject {
    Q_OBJECT

private slots:
    void accepts_data();
    void accepts();
    void leaveAndConfirm_data();
    void leaveAndConfirm();
    void eventSequences_data();
    void eventSequences();
};

void SettingFieldTest::accepts_data() {
    QTest::addColumn<SettingKind>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("value"); // Value(text); empty for none

    QTest::newRow("addends: 1") << Addends << "1" << false << "";
    QTest::newRow("addends: 2") << Addends << "2" << true << "2";
    QTest::newRow("addends: 12") << Addends << "12" << true << "12";
    QTest::newRow("addends: 13") << Addends << "13" << false << "";
    QTest::newRow("addends: +12") << Addends << "+12" << true << "12";
    QTest::newRow("addends: 007") << Addends << "007" << true << "7";
    QTest::newRow("addends: -5") << Addends << "-5" << false << "";
    QTest::newRow("addends: largest int") << Addends << "2147483647" << false << "";
    QTest::newRow("addends: blank around") << Addends << " 5 " << false << "5";
    QTest::newRow("largest: 1") << Largest << "1" << true << "1";
    QTest::newRow("largest: 13") << Largest << "13" << true << "13";
    QTest::newRow("largest: -5") << Largest << "-5" << true << "-5";
    QTest::newRow("largest: 0") << Largest << "0" << true << "0";
    QTest::newRow("largest: largest int") << Largest << "2147483647" << true << "2147483647";
    QTest::newRow("largest: smallest int") << Largest << "-2147483648" << true << "-2147483648";
    QTest::newRow("largest: one past int") << Largest << "2147483648" << false << "";
    QTest::newRow("largest: one below int") << Largest << "-2147483649" << false << "";
    QTest::newRow("largest: sign alone") << Largest << "+" << false << "";
    QTest::newRow("largest: two signs") << Largest << "+-5" << false << "";
    QTest::newRow("largest: empty") << Largest << "" << false << "";
    QTest::newRow("largest: blank") << Largest << " \t" << false << "";
    QTest::newRow("largest: tab after") << Largest << "50\t" << false << "50";
    QTest::newRow("largest: inner blank") << Largest << "1 0" << false << "";
    QTest::newRow("largest: decimal comma") << Largest << "1,5" << false << "";
    QTest::newRow("minutes: 0") << Minutes << "0" << true << "0";
    QTest::newRow("minutes: -3") << Minutes << "-3" << true << "-3";
    QTest::newRow("minutes: letters") << Minutes << "abc" << false << "";
    // Characters outside ASCII are never trimmed nor read as digits.
    QTest::newRow("minutes: no-break space")
        << Minutes << QString::fromUtf8("5\xc2\xa0") << false << "";
    QTest::newRow("minutes: full-width digit")
        << Minutes << QString::fromUtf8("\xef\xbc\x95") << false << "";
    QTest::newRow("addends: Arabic-Indic digit")
        << Addends << QString::fromUtf8("\xd9\xa5") << false << "";
}

void SettingFieldTest::accepts() {
    QFETCH(SettingKind, kind);
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QFETCH(QString, value);

    const SettingField field(kind, "5");
    QCOMPARE(field.Kind(), kind);
    QCOMPARE(field.Accepts(Std(text)), accepted);
    const std::optional<std::int32_t> read = field.Value(Std(text));
    QCOMPARE(read ? QString::number(*read) : QString(), value);
}

void SettingFieldTest::leaveAndConfirm_data() {
    // The field is made with `initial` and clicked while showing `previous` (no click for
    // "-"); the pupil then leaves it showing `shown`. Enter in its place gives the same
    // text and always draws.
    QTest::addColumn<SettingKind>("kind");
    QTest::addColumn<QString>("initial");
    QTest::addColumn<QString>("previous");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<bool>("draws"); // on leaving

    QTest::newRow("addends: changed") << Addends << "2"
                                      << "2"
                                      << "7"
                                      << "7" << true;
    QTest::newRow("addends: trimmed") << Addends << "2"
                                      << "2"
                                      << " \t7\r\n"
                                      << "7" << true;
    QTest::newRow("addends: same") << Addends << "2"
                                   << "2"
                                   << "2"
                                   << "2" << false;
    QTest::newRow("addends: same, trimmed") << Addends << "5"
                                            << "5"
                                            << " 5\t"
                                            << "5" << false;
    QTest::newRow("addends: 13 gives way to previous") << Addends << "2"
                                                       << "5"
                                                       << "13"
                                                       << "5" << false;
    QTest::newRow("addends: 1 gives way to previous") << Addends << "2"
                                                      << "5"
                                                      << "1"
                                                      << "5" << false;
    QTest::newRow("addends: previous trimmed") << Addends << "2"
                                               << " 7 "
                                               << "x"
                                               << "7" << false;
    QTest::newRow("addends: previous out of range, last accepted") << Addends << "3"
                                                                   << "13"
                                                                   << "0"
                                                                   << "3" << false;
    QTest::newRow("addends: previous empty, last accepted") << Addends << "3"
                                                            << ""
                                                            << ""
                                                            << "3" << false;
    QTest::newRow("addends: never clicked, last accepted") << Addends << "3"
                                                           << "-"
                                                           << "x"
                                                           << "3" << false;
    QTest::newRow("addends: never clicked, initial again") << Addends << "3"
                                                           << "-"
                                                           << "3"
                                                           << "3" << true;
    QTest::newRow("largest: changed") << Largest << "100"
                                      << "100"
                                      << "  50  "
                                      << "50" << true;
    QTest::newRow("largest: negative taken") << Largest << "100"
                                             << "100"
                                             << "-5"
                                             << "-5" << true;
    QTest::newRow("largest: same") << Largest << "100"
                                   << "100"
                                   << " 100"
                                   << "100" << false;
    QTest::newRow("largest: letters") << Largest << "100"
                                      << "100"
                                      << "abc"
                                      << "100" << false;
    QTest::newRow("largest: past int") << Largest << "100"
                                       << "100"
                                       << "2147483648"
                                       << "100" << false;
    QTest::newRow("largest: previous half-typed sign") << Largest << "100"
                                                       << "-"
                                                       << ""
                                                       << "100" << false;
    QTest::newRow("minutes: same still draws") << Minutes << "0"
                                               << "0"
                                               << "0"
                                               << "0" << true;
    QTest::newRow("minutes: changed") << Minutes << "0"
                                      << "0"
                                      << "5 "
                                      << "5" << true;
    QTest::newRow("minutes: decimal") << Minutes << "0"
                                      << "5"
                                      << "1,5"
                                      << "5" << false;
    QTest::newRow("minutes: empty twice") << Minutes << "0"
                                          << ""
                                          << ""
                                          << "0" << false;
}

void SettingFieldTest::leaveAndConfirm() {
    QFETCH(SettingKind, kind);
    QFETCH(QString, initial);
    QFETCH(QString, previous);
    QFETCH(QString, shown);
    QFETCH(QString, kept);
    QFETCH(bool, draws);

    SettingField left(kind, Std(initial));
    SettingField confirmed(kind, Std(initial));
    if (previous != "-") {
        QVERIFY(left.Click(Std(previous)));
        QVERIFY(confirmed.Click(Std(previous)));
    }
    const SettingField::Outcome outcome = left.Leave(Std(shown));
    QCOMPARE(QString::fromStdString(outcome.Text), kept);
    QCOMPARE(outcome.NewExercise, draws);
    QCOMPARE(QString::fromStdString(confirmed.Confirm(Std(shown))), kept);
}

void SettingFieldTest::eventSequences_data() {
    // Events in order, each "what text": "enter" (the field gains the focus showing the
    // text), "click", "double" (the second click of a double click, on the emptied field),
    // "record" (RecordPrevious), "leave" and "confirm". The last event's outcome counts.
    QTest::addColumn<SettingKind>("kind");
    QTest::addColumn<QString>("initial");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<bool>("draws");

    // At exercise 9 the pupil double-clicks the field and types its value again: the
    // series must go on. Were the second click recorded, the empty text would be the
    // previous value and the same value would count as a change.
    QTest::newRow("largest: double click, same value")
        << Largest << "100" << QStringList{"enter 100", "click 100", "double", "leave 100"} << "100"
        << false;
    QTest::newRow("addends: double click, same value")
        << Addends << "4" << QStringList{"enter 4", "click 4", "double", "leave 4"} << "4" << false;
    QTest::newRow("largest: double click, new value")
        << Largest << "100" << QStringList{"enter 100", "click 100", "double", "leave 50"} << "50"
        << true;
    QTest::newRow("largest: double click, nothing typed")
        << Largest << "100" << QStringList{"enter 100", "click 100", "double", "leave "} << "100"
        << false;
    QTest::newRow("largest: double click, refused, previous comes back")
        << Largest << "100" << QStringList{"enter 70", "click 70", "double", "leave x"} << "70"
        << false;
    QTest::newRow("minutes: double click, same value still draws")
        << Minutes << "0" << QStringList{"enter 5", "click 5", "double", "leave 5"} << "5" << true;
    // Two single clicks apart: the second records what was typed so far.
    QTest::newRow("addends: half-typed 7 comes back")
        << Addends << "2" << QStringList{"enter 2", "click 2", "click 7", "leave x"} << "7"
        << false;
    QTest::newRow("addends: half-typed 1 refused, last accepted")
        << Addends << "5" << QStringList{"enter 5", "click 5", "click 1", "leave "} << "5" << false;
    QTest::newRow("largest: emptied twice, last accepted")
        << Largest << "100" << QStringList{"enter 100", "click 100", "click ", "confirm "} << "100"
        << true;
    // Entering settles whatever the program set meanwhile (RESET sets the minutes).
    QTest::newRow("minutes: entering settles the text shown")
        << Minutes << "0" << QStringList{"enter 5", "click 5", "click ", "leave x"} << "5" << false;
    QTest::newRow("largest: entering with a refused text settles nothing")
        << Largest << "100" << QStringList{"enter 1 0", "click 1 0", "leave x"} << "100" << false;
    // Leaving or confirming settles an accepted text for the next fall-back.
    QTest::newRow("addends: left value is the next fall-back")
        << Addends << "2" << QStringList{"enter 2", "click 2", "leave 6", "click ", "leave 13"}
        << "6" << false;
    QTest::newRow("largest: confirmed value is the next fall-back")
        << Largest << "100"
        << QStringList{"enter 100", "click 100", "confirm 40", "click ", "leave x"} << "40"
        << false;
    // Entering the largest addend's field records the number of addends as the addends
    // field's previous value, so leaving that field unchanged draws nothing.
    QTest::newRow("addends: recorded without a click")
        << Addends << "2" << QStringList{"record 2", "enter 2", "leave 2"} << "2" << false;
    QTest::newRow("addends: recorded, then changed")
        << Addends << "2" << QStringList{"record 2", "enter 2", "leave 8"} << "8" << true;
}

void SettingFieldTest::eventSequences() {
    QFETCH(SettingKind, kind);
    QFETCH(QString, initial);
    QFETCH(QStringList, events);
    QFETCH(QString, kept);
    QFETCH(bool, draws);

    SettingField field(kind, Std(initial));
    SettingField::Outcome last{};
    for (const QString& event : events) {
        const qsizetype space = event.indexOf(' ');
        const QString what = event.left(space);
        const std::string text = space < 0 ? std::string() : Std(event.mid(space + 1));
        if (what == "enter") {
            field.Entered(text);
        } else if (what == "click") {
            QVERIFY2(field.Click(text), qPrintable(event));
        } else if (what == "double") {
            QVERIFY2(!field.Click({}, true), qPrintable(event));
        } else if (what == "record") {
            field.RecordPrevious(text);
        } else if (what == "leave") {
            last = field.Leave(text);
        } else if (what == "confirm") {
            last = {field.Confirm(text), true};
        } else {
            QFAIL(qPrintable("unknown event " + event));
        }
    }
    QCOMPARE(QString::fromStdString(last.Text), kept);
    QCOMPARE(last.NewExercise, draws);
}

QTEST_APPLESS_MAIN(SettingFieldTest)
#include "tst_setting_field.moc"
