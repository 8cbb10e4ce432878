// SPDX-License-Identifier: GPL-3.0-or-later
// Where a wrong answer went wrong and why, without a window: the examples of the
// literature on pupils' mistakes in written addition, decimal sums and a receipt's change;
// then, over many seeded exercises of every mode, every mistake's own row is told as that
// mistake at the column where it first leaves the right row, and the right row never is.

#include "answer/answer.h"
#include "answer/diagnosis.h"
#include "support/seeded_random.h"

#include <QtTest>

Q_DECLARE_METATYPE(RowKind)
Q_DECLARE_METATYPE(Mistake)
Q_DECLARE_METATYPE(QList<Mistake>)

namespace {

std::size_t At(int i) {
    return static_cast<std::size_t>(i);
}

// An exercise of the given addends as shown ("12,5 " with its blank), as the lesson makes
// it: total, expected characters, digits and carries; with the amount paid for a receipt.
struct Made {
    ExerciseState ex;
    int n = 0;
};

Made Make(const QStringList& addends, bool decimal, const QString& paid = QString()) {
    Made m;
    m.n = static_cast<int>(addends.size());
    for (int i = 0; i < m.n; ++i) {
        ExerciseLine& line = m.ex.Lines[At(13 - m.n + i)];
        line.AmountText = addends[i].toStdString();
        line.LineAmount = *ReadNumber(addends[i].trimmed().toStdString());
        m.ex.Total += line.LineAmount;
    }
    FillExpectedChars(m.ex, TotalText(m.ex.Total, decimal));
    ComputeDigitsAndCarries(m.ex, m.n, decimal);
    if (!paid.isEmpty()) {
        m.ex.Paid = *ReadNumber(paid.toStdString());
        m.ex.Change = m.ex.Paid - m.ex.Total;
    }
    return m;
}

QList<Mistake> Found(const Diagnosis& d) {
    return QList<Mistake>(d.Mistakes.begin(), d.Mistakes.end());
}

// The row as the sum boxes hold it when the pupil types it units first, one character a
// box; a row longer than the boxes shown typed whole into the units box after a click,
// which keeps what it is given. Read as the check reads it.
std::string TypedIntoBoxes(const ExerciseState& ex, const std::string& row) {
    int shown = 0;
    while (shown < 14 && ex.ExpectedChar[At(shown + 1)] != ' ') {
        ++shown;
    }
    SumBoxTexts boxes;
    const int length = static_cast<int>(row.size());
    if (length > shown) {
        boxes[1] = row;
    } else {
        for (int k = 1; k <= length; ++k) {
            boxes[At(k)] = std::string(1, row[row.size() - At(k)]);
        }
    }
    return AssembleSum(boxes);
}

// The first column from the right where two sum rows differ, a 0 standing left of each.
int FirstDifference(const std::string& a, const std::string& b) {
    const auto at = [](const std::string& s, std::size_t k) {
        return k <= s.size() ? s[s.size() - k] : '0';
    };
    for (std::size_t k = 1; k <= std::max(a.size(), b.size()); ++k) {
        if (at(a, k) != at(b, k)) {
            return static_cast<int>(k);
        }
    }
    return 0;
}

// A change's column where two amounts' digits first differ, hundredths up: 1, 2, 4, 5, ...
int ChangeColumn(Amount got, Amount right) {
    const auto cents = [](Amount a) {
        return std::to_string(std::llabs(a) / 100);
    };
    const int k = FirstDifference(cents(got), cents(right));
    return k <= 2 ? k : k + 1;
}

} // namespace

class TestDiagnosis : public QObject {
    Q_OBJECT
private slots:
    void examples_data();
    void examples();
    void workedColumn_data();
    void workedColumn();
    void everyMistakeIsToldAsItself_data();
    void everyMistakeIsToldAsItself();
};

void TestDiagnosis::examples_data() {
    QTest::addColumn<QStringList>("addends");
    QTest::addColumn<RowKind>("kind");
    QTest::addColumn<QString>("paid");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("from");
    QTest::addColumn<QList<Mistake>>("mistakes");
    const RowKind classic = RowKind::Classic;
    const RowKind decimal = RowKind::Decimal;
    const RowKind change = RowKind::Change;
    using M = Mistake;

    // Whole numbers, from the literature's examples of systematic mistakes.
    QTest::newRow("347 + 285 typed 522: no carry added")
        << QStringList{"347", "285"} << classic << ""
        << "522" << 2 << 1 << QList<Mistake>{M::CarryNotAdded};
    QTest::newRow("456 + 378 typed 724: no carry added")
        << QStringList{"456", "378"} << classic << ""
        << "724" << 2 << 1 << QList<Mistake>{M::CarryNotAdded};
    QTest::newRow("347 + 285 typed 622: the carry of the units not added")
        << QStringList{"347", "285"} << classic << ""
        << "622" << 2 << 1 << QList<Mistake>{M::CarryNotAdded};
    QTest::newRow("347 + 285 typed 532: the carry of the tens not added")
        << QStringList{"347", "285"} << classic << ""
        << "532" << 3 << 2 << QList<Mistake>{M::CarryNotAdded};
    QTest::newRow("956 + 178 typed 134: the last carry left out")
        << QStringList{"956", "178"} << classic << ""
        << "134" << 4 << 3 << QList<Mistake>{M::CarryNotAdded};
    QTest::newRow("956 + 178 typed 1024: no carry added, the last column whole")
        << QStringList{"956", "178"} << classic << ""
        << "1024" << 2 << 1 << QList<Mistake>{M::CarryNotAdded};
    QTest::newRow("256 + 178 typed 31214: every column's sum whole")
        << QStringList{"256", "178"} << classic << ""
        << "31214" << 2 << 1 << QList<Mistake>{M::WholeColumnSum};
    QTest::newRow("256 + 178 typed 31214, leading zeros of empty boxes")
        << QStringList{"256", "178"} << classic << ""
        << "000000000031214" << 2 << 1 << QList<Mistake>{M::WholeColumnSum};
    QTest::newRow("47 + 35 typed 91: the carry written, the units carried")
        << QStringList{"47", "35"} << classic << ""
        << "91" << 1 << 0 << QList<Mistake>{M::SwappedDigits};
    QTest::newRow("258 + 406 + 319 typed 973: 1 carried where 2 was due")
        << QStringList{"258", "406", "319"} << classic << ""
        << "973" << 2 << 1 << QList<Mistake>{M::CarryOfOne};
    QTest::newRow("a slip: 347 + 285 typed 642") << QStringList{"347", "285"} << classic << ""
                                                 << "642" << 2 << 1 << QList<Mistake>{};
    QTest::newRow("a units box holding letters") << QStringList{"347", "285"} << classic << ""
                                                 << "0006ab" << 1 << 0 << QList<Mistake>{};
    QTest::newRow("the right row") << QStringList{"347", "285"} << classic << ""
                                   << "632" << 0 << 0 << QList<Mistake>{};
    QTest::newRow("the right row, as the boxes read it")
        << QStringList{"347", "285"} << classic << ""
        << "00000000000632" << 0 << 0 << QList<Mistake>{};
    // 15 + 25 + 30: 10 in the units, a carry of 1; a column of less than 20 carries 1.
    QTest::newRow("15 + 25 + 30 typed 60") << QStringList{"15", "25", "30"} << classic << ""
                                           << "60" << 2 << 1 << QList<Mistake>{M::CarryNotAdded};
    // 99 + 99 + 99: 27 in the units. 1 carried: 287 (the tens 9 + 9 + 9 + 1 = 28); the
    // carry left out: 277 and, every carry left out, 277 too.
    QTest::newRow("99 + 99 + 99 typed 287") << QStringList{"99", "99", "99"} << classic << ""
                                            << "287" << 2 << 1 << QList<Mistake>{M::CarryOfOne};
    QTest::newRow("99 + 99 + 99 typed 277") << QStringList{"99", "99", "99"} << classic << ""
                                            << "277" << 2 << 1 << QList<Mistake>{M::CarryNotAdded};

    // Decimals: the comma in box 3, the carry of the tenths into the units.
    QTest::newRow("12,5 + 3,75 typed 15,25: the tenths' carry not added")
        << QStringList{"12,5 ", "3,75"} << decimal << ""
        << "15,25" << 4 << 2 << QList<Mistake>{M::CarryNotAdded};
    QTest::newRow("12,5 + 3,75 typed 15125: the comma's column as a column of digits")
        << QStringList{"12,5 ", "3,75"} << decimal << ""
        << "15125" << 3 << 2 << QList<Mistake>{M::CommaAsDigit};
    QTest::newRow("12,5 + 3,75 typed 5,00: 12,5 lined up as 1,25")
        << QStringList{"12,5 ", "3,75"} << decimal << ""
        << "5,00" << 1 << 0 << QList<Mistake>{M::DecimalsNotLinedUp};
    QTest::newRow("12 + 3,75 typed 3,87: 12 lined up as 0,12")
        << QStringList{"12   ", "3,75"} << decimal << ""
        << "3,87" << 1 << 0 << QList<Mistake>{M::DecimalsNotLinedUp};
    QTest::newRow("12,5 + 3,75 typed 1625: the comma left out")
        << QStringList{"12,5 ", "3,75"} << decimal << ""
        << "001625" << 3 << 2 << QList<Mistake>{};
    QTest::newRow("a receipt's 2,45 + 3,80 typed 5,25")
        << QStringList{"2,45", "3,80"} << decimal << ""
        << "5,25" << 4 << 2 << QList<Mistake>{M::CarryNotAdded};
    QTest::newRow("a receipt's 2,45 + 3,80, right") << QStringList{"2,45", "3,80"} << decimal << ""
                                                    << "6,25" << 0 << 0 << QList<Mistake>{};

    // The change: 30 paid for 23,45 is 6,55.
    const QStringList receipt{"20,00", "3,45"};
    QTest::newRow("change 7,55: the euro borrowed for the cents not paid back")
        << receipt << change << "30"
        << "7,55" << 4 << 2 << QList<Mistake>{M::ChangeOffByCarry};
    QTest::newRow("change 6,65: the ten cents borrowed not paid back")
        << receipt << change << "30"
        << "6,65" << 2 << 1 << QList<Mistake>{M::ChangeOffByCarry};
    QTest::newRow("change -6,55: total minus paid")
        << receipt << change << "30"
        << "-6,55" << 4 << 2 << QList<Mistake>{M::ChangeReversed};
    QTest::newRow("change 13,45: the smaller digit from the larger")
        << receipt << change << "30"
        << "13,45" << 2 << 1 << QList<Mistake>{M::ChangeSmallerFromLarger};
    // Paid less than the total, the smaller digits from the larger are the total minus
    // the amount paid as long as no column borrows: the two mistakes cannot be told apart.
    QTest::newRow("change 3,45 where 20 was paid: total minus paid")
        << receipt << change << "20"
        << "3,45" << 4 << 2 << QList<Mistake>{M::ChangeReversed, M::ChangeSmallerFromLarger};
    QTest::newRow("change 6,45: a slip") << receipt << change << "30"
                                         << "6,45" << 2 << 1 << QList<Mistake>{};
    QTest::newRow("change 6,550: right") << receipt << change << "30"
                                         << "6,550" << 0 << 0 << QList<Mistake>{};
    QTest::newRow("change 6,551: a thousandth is the cents' column")
        << receipt << change << "30"
        << "6,551" << 1 << 0 << QList<Mistake>{};
}

void TestDiagnosis::examples() {
    QFETCH(QStringList, addends);
    QFETCH(RowKind, kind);
    QFETCH(QString, paid);
    QFETCH(QString, typed);
    QFETCH(int, column);
    QFETCH(int, from);
    QFETCH(QList<Mistake>, mistakes);
    const Made m = Make(addends, kind != RowKind::Classic, paid);
    const Diagnosis d = Diagnose(m.ex, m.n, kind, typed.toStdString());
    QCOMPARE(d.Column, column);
    QCOMPARE(d.From, from);
    QCOMPARE(Found(d), mistakes);
    QCOMPARE(d.Only().has_value(), mistakes.size() == 1);
    QVERIFY(!d.Unreadable);
}

void TestDiagnosis::workedColumn_data() {
    QTest::addColumn<QStringList>("addends");
    QTest::addColumn<bool>("decimal");
    QTest::addColumn<int>("box");
    QTest::addColumn<int>("kind"); // WorkedColumn::Kind
    QTest::addColumn<QList<int>>("digits");
    QTest::addColumn<QList<int>>("carryInSumWrittenCarryOut");
    const int digits = int(WorkedColumn::Kind::Digits);
    QTest::newRow("347 + 285, the tens: 4 + 8 + 1 = 13")
        << QStringList{"347", "285"} << false << 2 << digits << QList<int>{4, 8}
        << QList<int>{1, 13, 3, 1};
    QTest::newRow("347 + 285, the units: 7 + 5 = 12")
        << QStringList{"347", "285"} << false << 1 << digits << QList<int>{7, 5}
        << QList<int>{0, 12, 2, 1};
    QTest::newRow("956 + 178, the thousands: only the carry")
        << QStringList{"956", "178"} << false << 4 << int(WorkedColumn::Kind::CarryOnly)
        << QList<int>{} << QList<int>{1, 1, 1, 0};
    QTest::newRow("347 + 285, left of the sum")
        << QStringList{"347", "285"} << false << 4 << int(WorkedColumn::Kind::Nothing)
        << QList<int>{} << QList<int>{0, 0, 0, 0};
    QTest::newRow("12,5 + 3,75, the units take the tenths' carry")
        << QStringList{"12,5 ", "3,75"} << true << 4 << digits << QList<int>{2, 3}
        << QList<int>{1, 6, 6, 0};
    QTest::newRow("12,5 + 3,75, the hundredths: only the addend that has one")
        << QStringList{"12,5 ", "3,75"} << true << 1 << digits << QList<int>{5}
        << QList<int>{0, 5, 5, 0};
    QTest::newRow("12,5 + 3,75, the comma")
        << QStringList{"12,5 ", "3,75"} << true << 3 << int(WorkedColumn::Kind::Comma)
        << QList<int>{} << QList<int>{0, 0, 0, 0};
    QTest::newRow("10 + 25, a 0 is a digit") << QStringList{"10", "25"} << false << 1 << digits
                                             << QList<int>{0, 5} << QList<int>{0, 5, 5, 0};
}

void TestDiagnosis::workedColumn() {
    QFETCH(QStringList, addends);
    QFETCH(bool, decimal);
    QFETCH(int, box);
    QFETCH(int, kind);
    QFETCH(QList<int>, digits);
    QFETCH(QList<int>, carryInSumWrittenCarryOut);
    const Made m = Make(addends, decimal);
    const WorkedColumn w = WorkColumn(m.ex, m.n, decimal, box);
    QCOMPARE(int(w.What), kind);
    QCOMPARE(QList<int>(w.Digits.begin(), w.Digits.end()), digits);
    QCOMPARE((QList<int>{w.CarryIn, w.Sum, w.Written, w.CarryOut}), carryInSumWrittenCarryOut);
}

// Seeded exercises of each mode, with carries of every kind (the draws that plant a column
// of 20 among them): each mistake's rows, typed into the boxes as a pupil leaves them, are
// told as that mistake at the column where they first leave the right row; the right row
// is told as right. QUORVEL_DIAGNOSIS_EXERCISES chooses how many per mode (10 000).
void TestDiagnosis::everyMistakeIsToldAsItself_data() {
    QTest::addColumn<bool>("decimal");
    QTest::addColumn<bool>("receipt");
    QTest::addColumn<RowKind>("kind");
    QTest::addColumn<quint64>("seed");
    QTest::newRow("whole numbers") << false << false << RowKind::Classic << quint64(301);
    QTest::newRow("decimals") << true << false << RowKind::Decimal << quint64(302);
    QTest::newRow("a receipt's sum") << false << true << RowKind::Classic << quint64(303);
    QTest::newRow("a receipt's sum with cents") << true << true << RowKind::Decimal << quint64(304);
    QTest::newRow("a receipt's change") << true << true << RowKind::Change << quint64(305);
}

void TestDiagnosis::everyMistakeIsToldAsItself() {
    QFETCH(bool, decimal);
    QFETCH(bool, receipt);
    QFETCH(RowKind, kind);
    QFETCH(quint64, seed);
    const int exercises = qEnvironmentVariableIsSet("QUORVEL_DIAGNOSIS_EXERCISES")
                              ? qEnvironmentVariableIntValue("QUORVEL_DIAGNOSIS_EXERCISES")
                              : 10000;
    SeededRandom random(seed, false);
    Catalogue catalogue = MakeCatalogue();
    const std::array<int, 4> largest{9, 100, 1000, 999999};
    const std::array<CarryProfile, 3> profiles{CarryProfile::Free, CarryProfile::Carry,
                                               CarryProfile::Double};
    std::array<int, MistakeCount> told{};
    for (int e = 0; e < exercises; ++e) {
        AddendSettings s;
        s.N = 2 + e % 11;
        s.MaxValue = largest[At(e / 11 % 4)];
        s.Decimal = decimal;
        s.Receipt = receipt;
        s.Carries = profiles[At(e / 44 % 3)];
        ExerciseState ex;
        DrawAddends(ex, s, catalogue, random);
        FillExpectedChars(ex, TotalText(ex.Total, decimal));
        ComputeDigitsAndCarries(ex, s.N, decimal);
        // The amount paid as the program chooses it, or, from the wallet, any amount the
        // pupil may have put together, less than the total too.
        ex.Paid = e % 3 == 0 ? Whole(random.rnd(200)) + random.rnd(100) * 100
                             : ChoosePaid(ex.Total, false, random);
        ex.Change = ex.Paid - ex.Total;

        const std::string right = RightRow(ex, kind);
        const std::string rightTyped = kind == RowKind::Change ? right : TypedIntoBoxes(ex, right);
        const Diagnosis none = Diagnose(ex, s.N, kind, rightTyped);
        if (none.Column != 0 || !none.Mistakes.empty()) {
            QFAIL(qPrintable(QStringLiteral("exercise %1: the right row %2 told as wrong")
                                 .arg(e)
                                 .arg(QString::fromStdString(right))));
        }
        for (int k = 0; k < MistakeCount; ++k) {
            const auto m = static_cast<Mistake>(k);
            for (const std::string& row : MistakenRows(ex, s.N, kind, m)) {
                const bool change = kind == RowKind::Change;
                const std::string typed = change ? row : TypedIntoBoxes(ex, row);
                const Diagnosis d = Diagnose(ex, s.N, kind, typed);
                const int column = change ? ChangeColumn(*ReadNumber(row), ex.Change)
                                          : FirstDifference(row, right);
                // A change with the same digits and the other sign is wrong where its sign
                // stands: no column tells it.
                if ((column != 0 && d.Column != column) || d.Column == 0 || !d.Explains(m)) {
                    QFAIL(qPrintable(
                        QStringLiteral("exercise %1, mistake %2: %3 (right %4) told "
                                       "at column %5, not %6, as %7 mistake(s)")
                            .arg(e)
                            .arg(k)
                            .arg(QString::fromStdString(row), QString::fromStdString(right))
                            .arg(d.Column)
                            .arg(column)
                            .arg(d.Mistakes.size())));
                }
                ++told[At(k)];
            }
        }
    }
    // Each mistake that belongs to the mode was made and told.
    for (int k = 0; k < MistakeCount; ++k) {
        const auto m = static_cast<Mistake>(k);
        const bool changeMistake = m == Mistake::ChangeReversed ||
                                   m == Mistake::ChangeSmallerFromLarger ||
                                   m == Mistake::ChangeOffByCarry;
        const bool decimalMistake = m == Mistake::DecimalsNotLinedUp || m == Mistake::CommaAsDigit;
        const bool belongs = kind == RowKind::Change
                                 ? changeMistake
                                 : !changeMistake && (!decimalMistake || kind == RowKind::Decimal);
        // A receipt's amounts all have two decimals: none is lined up otherwise.
        const bool possible = !(receipt && m == Mistake::DecimalsNotLinedUp);
        QVERIFY2((told[At(k)] > 0) == (belongs && possible),
                 qPrintable(QStringLiteral("mistake %1 told %2 times").arg(k).arg(told[At(k)])));
    }
}

QTEST_MAIN(TestDiagnosis)
#include "tst_diagnosis.moc"
