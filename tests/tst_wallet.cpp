#include "support/scripted_random.h"
#include "wallet/pieces.h"
#include "wallet/wallet.h"

#include <QtTest>

#include <climits>

namespace {

// Whole euros, typed for the data tables.
constexpr qint64 Euro(qint64 units) {
    return units * AmountScale;
}

PieceCounts Counts(const QList<int>& list) {
    PieceCounts counts{};
    for (int i = 0; i < DenominationCount; ++i) {
        counts[static_cast<std::size_t>(i)] = list.value(i);
    }
    return counts;
}

QList<int> List(const PieceCounts& counts) {
    return QList<int>(counts.begin(), counts.end());
}

// The leanest dealing: every draw 0 and every flip the same. With flip 1 nothing is
// exchanged or added, so the wallet shows the least it can.
class FixedFlips final : public RandomSource {
public:
    explicit FixedFlips(int flip) : flip_(flip) {}
    void Reseed() override {}
    // Flips are the only rnd(2): every other range is at least 3 for a split count.
    int rnd(int n) override { return n == 2 ? flip_ : 0; }

private:
    int flip_;
};

// The split never asks for more of one piece than this, apart from the 500-euro notes.
constexpr PieceCounts SplitMaxima{INT_MAX, 2, 1, 1, 2, 1, 1, 2, 1, 1, 2, 1, 1, 2, 1};

// Deals a wallet for `total` and checks that the pupil can pay it: no stack shows more
// than it holds, and the pieces shown are worth the wallet's value or, where the stacks
// cannot hold that much, the whole of them, which is always at least the total.
void CheckPayable(Amount total, RandomSource& random) {
    const Amount walletValue = WalletValueFor(total);
    const PieceCounts base = SplitWallet(walletValue);
    for (int i = 0; i < DenominationCount; ++i) {
        QVERIFY2(base[static_cast<std::size_t>(i)] <= SplitMaxima[static_cast<std::size_t>(i)],
                 qPrintable(QStringLiteral("total %1: split asks %2 of piece %3")
                                .arg(total)
                                .arg(base[static_cast<std::size_t>(i)])
                                .arg(i)));
    }
    const Amount dropped = walletValue - PiecesValue(base);
    QVERIFY(dropped >= 0 && dropped < 100);

    PieceCounts counts = base;
    const PieceCounts shown = ComposeWallet(counts, random);
    for (int i = 0; i < DenominationCount; ++i) {
        QVERIFY(shown[static_cast<std::size_t>(i)] >= 0);
        QVERIFY(shown[static_cast<std::size_t>(i)] <=
                PieceTable[static_cast<std::size_t>(i)].StackSize);
    }
    const Amount value = PiecesValue(shown);
    QVERIFY2(value >= std::min(walletValue, WalletCapacity()) && value >= total,
             qPrintable(QStringLiteral("total %1, wallet value %2: shows only %3")
                            .arg(total)
                            .arg(walletValue)
                            .arg(value)));
}

} // namespace

class TestWallet : public QObject {
    Q_OBJECT

private slots:
    void walletValue_data();
    void walletValue();
    void split_data();
    void split();
    void dealingFollowsTheDraws_data();
    void dealingFollowsTheDraws();
    void dealingRanges_data();
    void dealingRanges();
    void payable_data();
    void payable();
    void payableAtEveryTotal();
};

void TestWallet::walletValue_data() {
    QTest::addColumn<qint64>("total");
    QTest::addColumn<qint64>("numerator");
    QTest::addColumn<qint64>("denominator");
    QTest::addColumn<qint64>("value");

    QTest::newRow("0,01") << qint64{100} << qint64{10} << qint64{1} << qint64{1000};
    QTest::newRow("9,99") << qint64{99900} << qint64{10} << qint64{1} << qint64{999000};
    QTest::newRow("10") << Euro(10) << qint64{8} << qint64{1} << Euro(80);
    QTest::newRow("12,35") << qint64{123500} << qint64{8} << qint64{1} << qint64{988000};
    QTest::newRow("19,99") << qint64{199900} << qint64{8} << qint64{1} << qint64{1599200};
    QTest::newRow("20") << Euro(20) << qint64{5} << qint64{1} << Euro(100);
    QTest::newRow("49,99") << qint64{499900} << qint64{5} << qint64{1} << qint64{2499500};
    QTest::newRow("50") << Euro(50) << qint64{3} << qint64{1} << Euro(150);
    QTest::newRow("99,99") << qint64{999900} << qint64{3} << qint64{1} << qint64{2999700};
    QTest::newRow("100") << Euro(100) << qint64{2} << qint64{1} << Euro(200);
    QTest::newRow("499,99") << qint64{4999900} << qint64{2} << qint64{1} << qint64{9999800};
    QTest::newRow("500") << Euro(500) << qint64{3} << qint64{2} << Euro(750);
    QTest::newRow("600") << Euro(600) << qint64{3} << qint64{2} << Euro(900);
    QTest::newRow("500,01") << qint64{5000100} << qint64{3} << qint64{2} << qint64{7500150};
    // Half a ten-thousandth goes to the even neighbour, up or down.
    QTest::newRow("tie up") << qint64{5000001} << qint64{3} << qint64{2} << qint64{7500002};
    QTest::newRow("tie down") << qint64{5000003} << qint64{3} << qint64{2} << qint64{7500004};
    QTest::newRow("beyond Amount") << std::numeric_limits<qint64>::max() << qint64{3} << qint64{2}
                                   << std::numeric_limits<qint64>::max();
}

void TestWallet::walletValue() {
    QFETCH(qint64, total);
    QFETCH(qint64, numerator);
    QFETCH(qint64, denominator);
    QFETCH(qint64, value);

    QCOMPARE(WalletFactor(total), (WalletRatio{numerator, denominator}));
    QCOMPARE(WalletValueFor(total), value);
}

void TestWallet::split_data() {
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QList<int>>("counts");

    //                                          500 200 100 50 20 10 5 2e 1e 50c 20c 10c 5c 2c 1c
    QTest::newRow("98,80") << qint64{988000}
                           << QList<int>{0, 0, 0, 1, 2, 0, 1, 1, 1, 1, 1, 1, 0, 0, 0};
    QTest::newRow("80") << Euro(80) << QList<int>{0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    QTest::newRow("750") << Euro(750) << QList<int>{1, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    QTest::newRow("900") << Euro(900) << QList<int>{1, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    QTest::newRow("3000") << Euro(3000) << QList<int>{6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    QTest::newRow("388,88") << qint64{3888800}
                            << QList<int>{0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    QTest::newRow("0,04") << qint64{400} << QList<int>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0};
    // Finer than a cent is not paid in coins.
    QTest::newRow("750,0150") << qint64{7500150}
                              << QList<int>{1, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1};
    QTest::newRow("0,0099") << qint64{99} << QList<int>(15, 0);
    QTest::newRow("0") << qint64{0} << QList<int>(15, 0);
}

void TestWallet::split() {
    QFETCH(qint64, value);
    QFETCH(QList<int>, counts);

    QCOMPARE(List(SplitWallet(value)), counts);
}

void TestWallet::dealingFollowsTheDraws_data() {
    QTest::addColumn<QList<int>>("counts");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<QList<int>>("countsAfter");
    QTest::addColumn<QList<int>>("shown");

    // Split of 98,80: no 500, so no exchange flip. Flips 200 (0: grows), 100 (1: stays),
    // 50 (0: grows), then stacks 4..14 from their ranges' ends.
    QTest::newRow("98,80") << QList<int>{0, 0, 0, 1, 2, 0, 1, 1, 1, 1, 1, 1, 0, 0, 0}
                           << QList<int>{0, 1, 0, 2, 4, 3, 8, 0, 8, 0, 0, 9, 0, 9}
                           << QList<int>{0, 1, 0, 2, 2, 0, 1, 1, 1, 1, 1, 1, 0, 0, 0}
                           << QList<int>{0, 1, 0, 2, 4, 4, 5, 10, 2, 10, 2, 2, 10, 1, 10};
    // Split of 900 with the note changed: 200 (at 4) stays, 100 grows, 50 stays.
    QTest::newRow("900, note changed") << QList<int>{1, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}
                                       << QList<int>{0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}
                                       << QList<int>{0, 4, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}
                                       << QList<int>{0, 4, 2, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    QTest::newRow("900, note kept") << QList<int>{1, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}
                                    << QList<int>{1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}
                                    << QList<int>{1, 3, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}
                                    << QList<int>{1, 3, 0, 1, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    // A full note stack draws no flip.
    QTest::newRow("full stacks") << QList<int>{0, 5, 5, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}
                                 << QList<int>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}
                                 << QList<int>{0, 5, 5, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}
                                 << QList<int>{0, 5, 5, 5, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    // Split of 3000: the sixth 500 does not fit and shows as two 200 and a 100.
    QTest::newRow("six 500s") << QList<int>{6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}
                              << QList<int>{1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}
                              << QList<int>{6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}
                              << QList<int>{5, 2, 1, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    // The 500 left over fits only as two 200 and 100 more, but every smaller stack is
    // full: a third 200 covers the rest.
    QTest::newRow("rest rounded up")
        << QList<int>{6, 2, 5, 5, 5, 5, 4, 9, 9, 9, 9, 9, 9, 9, 9}
        << QList<int>{1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}
        << QList<int>{6, 2, 5, 5, 5, 5, 4, 9, 9, 9, 9, 9, 9, 9, 9}
        << QList<int>{5, 5, 5, 5, 5, 5, 5, 10, 10, 10, 10, 10, 10, 10, 10};
}

void TestWallet::dealingFollowsTheDraws() {
    QFETCH(QList<int>, counts);
    QFETCH(QList<int>, draws);
    QFETCH(QList<int>, countsAfter);
    QFETCH(QList<int>, shown);

    ScriptedRandom random;
    for (const int d : draws) {
        random.Push(d);
    }
    PieceCounts working = Counts(counts);
    QCOMPARE(List(ComposeWallet(working, random)), shown);
    QCOMPARE(List(working), countsAfter);
    QCOMPARE(random.Reseeds(), 1);
    QVERIFY(random.Empty());
}

void TestWallet::dealingRanges_data() {
    QTest::addColumn<qint64>("total");
    QTest::addColumn<QList<int>>("least");
    QTest::addColumn<QList<int>>("most");

    QTest::newRow("12,35") << qint64{123500}
                           << QList<int>{0, 0, 0, 1, 2, 0, 2, 2, 2, 2, 2, 2, 1, 1, 1}
                           << QList<int>{0, 1, 1, 2, 4, 4, 5, 10, 10, 10, 10, 10, 10, 10, 10};
    // Half the dealings change the 500 into two 200 and a 100.
    QTest::newRow("600") << Euro(600) << QList<int>{0, 2, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1}
                         << QList<int>{1, 5, 2, 1, 4, 4, 5, 10, 10, 10, 10, 10, 10, 10, 10};
}

void TestWallet::dealingRanges() {
    QFETCH(qint64, total);
    QFETCH(QList<int>, least);
    QFETCH(QList<int>, most);

    const PieceCounts base = SplitWallet(WalletValueFor(total));
    QList<int> seenLeast(15, INT_MAX);
    QList<int> seenMost(15, INT_MIN);
    ClockRandom random;
    for (int deal = 0; deal < 4000; ++deal) {
        PieceCounts counts = base;
        const PieceCounts shown = ComposeWallet(counts, random);
        for (int i = 0; i < DenominationCount; ++i) {
            seenLeast[i] = std::min(seenLeast[i], shown[static_cast<std::size_t>(i)]);
            seenMost[i] = std::max(seenMost[i], shown[static_cast<std::size_t>(i)]);
        }
        // The exchange goes with its notes: no 500 shows 4 or 5 of 200 and 1 or 2 of 100.
        if (base[0] == 1) {
            const bool changed = shown[0] == 0;
            QVERIFY(shown[1] >= (changed ? 4 : 2) && shown[1] <= (changed ? 5 : 3));
            QVERIFY(shown[2] >= (changed ? 1 : 0) && shown[2] <= (changed ? 2 : 1));
        }
    }
    // Both ends of every range are reached, and nothing beyond them.
    QCOMPARE(seenLeast, least);
    QCOMPARE(seenMost, most);
}

void TestWallet::payable_data() {
    QTest::addColumn<qint64>("total");

    // The dearest receipt: 12 lines of the dearest articles at their largest quantities
    // (airconditioner 3 x 485, massage cushion 2 x 319, high chair 2 x 115, buggy
    // 2 x 109, vaporiser 5 x 40, car seat 3 x 60, helmet 4 x 35, straightener 2 x 65,
    // baby relax 2 x 60, mixer 119, epilator 90, washing powder 3 x 28), each with 0,99
    // added in decimal mode: 3604 + 12 x 0,99.
    QTest::newRow("dearest receipt") << qint64{36158800};
    QTest::newRow("first six 500s") << Euro(2000);
    QTest::newRow("4000") << Euro(4000);
    QTest::newRow("all stacks full") << qint64{WalletCapacity()};
}

void TestWallet::payable() {
    QFETCH(qint64, total);

    FixedFlips lean(1);
    CheckPayable(total, lean);
    FixedFlips exchange(0);
    CheckPayable(total, exchange);
    ClockRandom random;
    for (int deal = 0; deal < 200 && !QTest::currentTestFailed(); ++deal) {
        CheckPayable(total, random);
    }
}

void TestWallet::payableAtEveryTotal() {
    FixedFlips lean(1);
    FixedFlips exchange(0);
    ClockRandom random;
    for (Amount total = 100; total <= Euro(4000) && !QTest::currentTestFailed(); total += 9700) {
        CheckPayable(total, lean);
        CheckPayable(total, exchange);
        CheckPayable(total, random);
    }
}

QTEST_APPLESS_MAIN(TestWallet)
#include "tst_wallet.moc"
