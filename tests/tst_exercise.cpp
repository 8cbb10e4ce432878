#include "engine/exercise.h"
#include "support/scripted_random.h"
#include "support/seeded_random.h"

#include <QtTest>

namespace {

// Whole euros as the test tables hold them (qint64 need not be the same type as Amount).
qint64 Euros(qint64 units) {
    return Whole(units);
}

ScriptedRandom Script(const QList<int>& draws) {
    ScriptedRandom random;
    for (int d : draws) {
        random.Push(d);
    }
    return random;
}

// Lines left from an earlier exercise, which a draw must not touch outside its range.
ExerciseState StaleState() {
    ExerciseState ex;
    for (ExerciseLine& line : ex.Lines) {
        line = ExerciseLine{"9 St.", "Oud", Euros(99), "99", "St."};
    }
    return ex;
}

} // namespace

class TestExercise : public QObject {
    Q_OBJECT

private slots:
    void drawAddends_data();
    void drawAddends();
    void drawKeepsItsPromises();
    void designDrawIsRecorded_data();
    void designDrawIsRecorded();
    void receiptOfTwelveDifferentArticles();
    void choosePaid_data();
    void choosePaid();
    void totalTextAndBoxes_data();
    void totalTextAndBoxes();
    void digitsAndCarries_data();
    void digitsAndCarries();
    void firstLineInUse();
};

void TestExercise::drawAddends_data() {
    QTest::addColumn<AddendSettings>("settings");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<QStringList>("texts"); // lines 13 - N to 12
    QTest::addColumn<QList<qint64>>("amounts");
    QTest::addColumn<QStringList>("quantities"); // empty: classic, no receipt texts
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<qint64>("total");

    QTest::newRow("classic") << AddendSettings{3, 100, false, false, false} << QList<int>{56, 67, 9}
                             << QStringList{"57", "68", "10"}
                             << QList<qint64>{Euros(57), Euros(68), Euros(10)} << QStringList{}
                             << QStringList{} << Euros(135);
    QTest::newRow("maximum 0 draws 1")
        << AddendSettings{2, 0, false, false, false} << QList<int>{0, 0} << QStringList{"1", "1"}
        << QList<qint64>{Euros(1), Euros(1)} << QStringList{} << QStringList{} << Euros(2);
    QTest::newRow("negative maximum draws 1")
        << AddendSettings{2, -5, false, false, false} << QList<int>{0, 0} << QStringList{"1", "1"}
        << QList<qint64>{Euros(1), Euros(1)} << QStringList{} << QStringList{} << Euros(2);
    QTest::newRow("too few addends taken as 2")
        << AddendSettings{0, 10, false, false, false} << QList<int>{1, 2} << QStringList{"2", "3"}
        << QList<qint64>{Euros(2), Euros(3)} << QStringList{} << QStringList{} << Euros(5);

    // Per line: value, fraction or not (<6), hundredths or tenths (<7), the digits.
    QTest::newRow("decimal aligned")
        << AddendSettings{4, 20, true, false, false}
        << QList<int>{11, 0, 0, 50, /**/ 2, 1, 3, 75, /**/ 4, 5, 7, 3, /**/ 11, 9}
        << QStringList{"12,5 ", "3,75", "5,3 ", "12   "}
        << QList<qint64>{125000, 37500, 53000, 120000} << QStringList{} << QStringList{}
        << qint64{335500};
    // Nobody shows a hundredths digit: only line 12 changes, keeping its whole part and
    // losing its tenths; the redraw skips 0 and 50.
    QTest::newRow("hundredths rule")
        << AddendSettings{2, 20, true, false, false}
        << QList<int>{11, 0, 9, 5, /**/ 6, 0, 8, 3, /**/ 0, 50, 37} << QStringList{"12,5 ", "7,37"}
        << QList<qint64>{125000, 73700} << QStringList{} << QStringList{} << qint64{198700};

    QTest::newRow("receipt") << AddendSettings{2, 100, false, true, false}
                             << QList<int>{59, 16, 45, /**/ 13, 0} << QStringList{"17", "39"}
                             << QList<qint64>{Euros(17), Euros(39)}
                             << QStringList{"17,45 kg.", "1 St."}
                             << QStringList{"Aardappelen", "Haardroger"} << Euros(56);
    QTest::newRow("decimal receipt")
        << AddendSettings{3, 100, true, true, false}
        << QList<int>{59, 16, 45, 8, /**/ 13, 0, 0, 0, 25, /**/ 54, 399, 3, 7, 0}
        << QStringList{"17,45", "39,25", "8,00"} << QList<qint64>{174500, 392500, Euros(8)}
        << QStringList{"17,45 kg.", "1 St.", "500 Gr."}
        << QStringList{"Aardappelen", "Haardroger", "Kaas belegen"} << qint64{647000};
    QTest::newRow("maximum 100") << AddendSettings{2, 100, false, true, true}
                                 << QList<int>{13, 0, 49, /**/ 54, 399, 0} << QStringList{"50", "1"}
                                 << QList<qint64>{Euros(50), Euros(1)}
                                 << QStringList{"1 St.", "500 Gr."}
                                 << QStringList{"Haardroger", "Kaas belegen"} << Euros(51);
}

void TestExercise::drawAddends() {
    QFETCH(AddendSettings, settings);
    QFETCH(QList<int>, draws);
    QFETCH(QStringList, texts);
    QFETCH(QList<qint64>, amounts);
    QFETCH(QStringList, quantities);
    QFETCH(QStringList, names);
    QFETCH(qint64, total);

    ExerciseState ex = StaleState();
    Catalogue catalogue = MakeCatalogue();
    ScriptedRandom random = Script(draws);
    DrawAddends(ex, settings, catalogue, random);

    QCOMPARE(random.Reseeds(), 1);
    QVERIFY(random.Empty());
    const int first = 13 - static_cast<int>(texts.size());
    for (int j = 1; j <= 12; ++j) {
        const ExerciseLine& line = ex.Lines[static_cast<std::size_t>(j)];
        if (j < first) {
            QCOMPARE(line.AmountText, std::string("99"));
            QCOMPARE(line.ArticleName, std::string("Oud"));
            continue;
        }
        const auto i = j - first;
        QCOMPARE(QString::fromStdString(line.AmountText), texts[i]);
        QCOMPARE(line.LineAmount, amounts[i]);
        QCOMPARE(QString::fromStdString(line.QuantityText),
                 quantities.isEmpty() ? QString() : quantities[i]);
        QCOMPARE(QString::fromStdString(line.ArticleName), names.isEmpty() ? QString() : names[i]);
    }
    QCOMPARE(ex.Total, total);
}

// Over many clock-seeded draws: maximum-100 totals and amounts paid never pass 100, a
// decimal exercise always shows a hundredths digit, whole modes stay whole, and the amount
// paid is a multiple of 10 more than 1 euro above the total (or exactly 100).
void TestExercise::drawKeepsItsPromises() {
    ClockRandom random;
    Catalogue catalogue = MakeCatalogue();
    const AddendSettings modes[] = {
        {2, 100, false, true, true}, {12, 100, false, true, true}, {7, 100, false, true, true},
        {12, 5, true, false, false}, {12, 999, true, true, false}, {12, 999, false, true, false},
    };
    for (const AddendSettings& s : modes) {
        for (int round = 0; round < 300; ++round) {
            ExerciseState ex;
            DrawAddends(ex, s, catalogue, random);
            bool hundredths = false;
            for (int j = 13 - s.N; j <= 12; ++j) {
                const ExerciseLine& line = ex.Lines[static_cast<std::size_t>(j)];
                QVERIFY(line.AmountText.size() <= 12);
                if (!s.Decimal) {
                    QCOMPARE(WholePart(line.LineAmount), line.LineAmount);
                }
                if (s.Max100) {
                    QVERIFY(line.LineAmount <= Euros(100 / s.N));
                }
                const std::string& t = line.AmountText;
                hundredths = hundredths || (t.size() >= 3 && t[t.size() - 3] == ',' &&
                                            t.back() >= '1' && t.back() <= '9');
            }
            if (s.Decimal && !s.Receipt) {
                QVERIFY(hundredths);
            }
            const Amount paid = ChoosePaid(ex.Total, s.Max100, random);
            QCOMPARE(WholePart(paid) % Euros(10), Amount{0});
            if (s.Max100) {
                QVERIFY(ex.Total <= Euros(100));
                QVERIFY(paid <= Euros(100));
                QVERIFY(paid >= ex.Total);
            } else {
                QVERIFY(paid > ex.Total + Euros(1));
            }
        }
    }
}

// The draw as it was before any carry profile: 300 exercises from a fixed seed per mode,
// written down once. The numbers asked for (their ranges and values, in order) and what
// was made of them must stay exactly these, or every seeded picture and scripted draw
// would change.
void TestExercise::designDrawIsRecorded_data() {
    QTest::addColumn<AddendSettings>("settings");
    QTest::addColumn<QString>("first"); // the first exercise's texts, top to bottom
    QTest::addColumn<quint64>("draws"); // how many numbers the 300 exercises took
    QTest::addColumn<quint64>("asked"); // fingerprint of the ranges and numbers drawn
    QTest::addColumn<quint64>("made");  // fingerprint of the lines and totals made

    QTest::newRow("the defaults") << AddendSettings{2, 100, false, false, false} << "89/85"
                                  << quint64{600} << quint64{370897542925398010ull}
                                  << quint64{16664635302955783400ull};
    QTest::newRow("12 up to 999999")
        << AddendSettings{12, 999999, false, false, false}
        << "888916/840008/983443/808631/147114/491095/883457/387478/228540/551761/513908/819374"
        << quint64{3600} << quint64{16611831918089163204ull} << quint64{7819304666366845194ull};
    QTest::newRow("5 up to 0") << AddendSettings{5, 0, false, false, false} << "1/1/1/1/1"
                               << quint64{1500} << quint64{13154102734149077669ull}
                               << quint64{7774711787897230981ull};
    QTest::newRow("decimals") << AddendSettings{4, 20, true, false, false}
                              << "18   /20   /3,3 /5,81" << quint64{3846}
                              << quint64{10559642245163998702ull}
                              << quint64{5422147227187568104ull};
    QTest::newRow("12 with decimals")
        << AddendSettings{12, 100, true, false, false}
        << "89   /99   /15,3 /23,81/71,1 /11,7 /54   /2,78/83   /86,52/49   /42,03"
        << quint64{11535} << quint64{7434790577947521925ull} << quint64{1133660892252021352ull};
    QTest::newRow("receipt") << AddendSettings{6, 100, false, true, false} << "12/21/44/35/11/130"
                             << quint64{4221} << quint64{14271080192332925405ull}
                             << quint64{1275760844192930124ull};
    QTest::newRow("receipt with decimals")
        << AddendSettings{3, 100, true, true, false} << "12,00/12,30/39,81" << quint64{4070}
        << quint64{3005407678699729418ull} << quint64{6013386267753975399ull};
    QTest::newRow("receipt up to 100")
        << AddendSettings{7, 100, false, true, true} << "14/7/8/3/2/10/1" << quint64{7055}
        << quint64{13709479122940111218ull} << quint64{503469995461492524ull};
}

void TestExercise::designDrawIsRecorded() {
    QFETCH(AddendSettings, settings);
    QFETCH(QString, first);
    QFETCH(quint64, draws);
    QFETCH(quint64, asked);
    QFETCH(quint64, made);

    SeededRandom random(20261211);
    Catalogue catalogue = MakeCatalogue();
    std::uint64_t fingerprint = 0xcbf29ce484222325ull;
    const auto mix = [&fingerprint](const std::string& text) {
        for (const char c : text + '|') {
            fingerprint ^= static_cast<unsigned char>(c);
            fingerprint *= 0x100000001b3ull;
        }
    };
    QStringList firstTexts;
    for (int round = 0; round < 300; ++round) {
        ExerciseState ex;
        DrawAddends(ex, settings, catalogue, random);
        for (int j = FirstLineInUse(settings.N); j <= 12; ++j) {
            const ExerciseLine& line = ex.Lines[static_cast<std::size_t>(j)];
            mix(line.AmountText + ' ' + line.QuantityText + ' ' + line.ArticleName + ' ' +
                std::to_string(line.LineAmount));
            if (round == 0) {
                firstTexts << QString::fromStdString(line.AmountText);
            }
        }
        mix(std::to_string(ex.Total));
    }
    QCOMPARE(firstTexts.join(QLatin1Char('/')), first);
    QCOMPARE(random.Draws(), draws);
    QCOMPARE(random.Fingerprint(), asked);
    QCOMPARE(fingerprint, made);
}

void TestExercise::receiptOfTwelveDifferentArticles() {
    // Every Used mark left from before is cleared; articles 1 to 12, each after drawing
    // the one before it again.
    Catalogue catalogue = MakeCatalogue();
    for (Article& a : catalogue) {
        a.Used = true;
    }
    ScriptedRandom random{0, 0};
    Amount expected = 0;
    for (int i = 2; i <= 12; ++i) {
        random.Push({i - 2, i - 1, 0});
    }
    for (int i = 1; i <= 12; ++i) {
        expected += catalogue[static_cast<std::size_t>(i)].Price;
    }
    ExerciseState ex;
    DrawAddends(ex, AddendSettings{12, 100, false, true, false}, catalogue, random);
    QVERIFY(random.Empty());
    for (int j = 1; j <= 12; ++j) {
        QCOMPARE(ex.Lines[static_cast<std::size_t>(j)].ArticleName,
                 catalogue[static_cast<std::size_t>(j)].Name);
        QCOMPARE(ex.Lines[static_cast<std::size_t>(j)].QuantityText, std::string("1 St."));
    }
    for (int i = 1; i <= 60; ++i) {
        QCOMPARE(catalogue[static_cast<std::size_t>(i)].Used, i <= 12);
    }
    QCOMPARE(ex.Total, expected);
}

void TestExercise::choosePaid_data() {
    QTest::addColumn<qint64>("total");
    QTest::addColumn<bool>("max100");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<qint64>("paid");

    QTest::newRow("23,45") << qint64{234500} << false << QList<int>{0} << Euros(30);
    QTest::newRow("28,99") << qint64{289900} << false << QList<int>{0} << Euros(30);
    QTest::newRow("29") << Euros(29) << false << QList<int>{0} << Euros(40);
    QTest::newRow("29,99") << qint64{299900} << false << QList<int>{0} << Euros(40);
    QTest::newRow("9") << Euros(9) << false << QList<int>{0} << Euros(20);
    QTest::newRow("8,50") << qint64{85000} << false << QList<int>{0} << Euros(10);
    QTest::newRow("10 more") << qint64{234500} << false << QList<int>{1, 0} << Euros(40);
    QTest::newRow("50 more") << qint64{234500} << false << QList<int>{1, 4} << Euros(80);
    QTest::newRow("max100 next ten") << qint64{234500} << true << QList<int>{0} << Euros(40);
    QTest::newRow("max100 up to 100") << qint64{234500} << true << QList<int>{6} << Euros(100);
    QTest::newRow("max100 88") << Euros(88) << true << QList<int>{0} << Euros(100);
    QTest::newRow("max100 89") << Euros(89) << true << QList<int>{} << Euros(100);
    QTest::newRow("max100 100") << Euros(100) << true << QList<int>{} << Euros(100);
}

void TestExercise::choosePaid() {
    QFETCH(qint64, total);
    QFETCH(bool, max100);
    QFETCH(QList<int>, draws);
    QFETCH(qint64, paid);
    ScriptedRandom random = Script(draws);
    QCOMPARE(ChoosePaid(total, max100, random), paid);
    QVERIFY(random.Empty());
}

void TestExercise::totalTextAndBoxes_data() {
    QTest::addColumn<qint64>("total");
    QTest::addColumn<bool>("decimal");
    QTest::addColumn<QString>("text");

    QTest::newRow("whole") << Euros(57) << false << "            57";
    QTest::newRow("decimal whole total") << Euros(35) << true << "         35,00";
    QTest::newRow("decimal tenths") << qint64{162500} << true << "         16,25";
    QTest::newRow("decimal one tenth") << qint64{125000} << true << "         12,50";
    QTest::newRow("full width") << Euros(12345678901234) << false << "12345678901234";
}

void TestExercise::totalTextAndBoxes() {
    QFETCH(qint64, total);
    QFETCH(bool, decimal);
    QFETCH(QString, text);
    const std::string totalText = TotalText(total, decimal);
    QCOMPARE(QString::fromStdString(totalText), text);

    ExerciseState ex;
    ex.ExpectedChar.fill('x');
    FillExpectedChars(ex, totalText);
    for (int k = 1; k <= 14; ++k) {
        QCOMPARE(QChar(ex.ExpectedChar[static_cast<std::size_t>(k)]), text[14 - k]);
    }
}

void TestExercise::digitsAndCarries_data() {
    QTest::addColumn<QStringList>("texts"); // lines 13 - n to 12
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("decimal");
    QTest::addColumn<QString>("bottomDigits"); // line 12, columns 1..12
    QTest::addColumn<QList<int>>("carries");   // columns 1..13

    QTest::newRow("57 + 68") << QStringList{"57", "68"} << 2 << false << "000000000068"
                             << QList<int>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0};
    // 5 + 7 tenths carry over the comma: 2 + 3 + 1 = 6 units.
    QTest::newRow("12,5 + 3,75") << QStringList{"12,5 ", "3,75"} << 2 << true << "000000003075"
                                 << QList<int>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0};
    QTest::newRow("units carry after the comma")
        << QStringList{"8,5 ", "1,5 "} << 2 << true << "000000001050"
        << QList<int>{0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 0, 0};
    QTest::newRow("carries above 9") << QStringList(12, "99") << 12 << false << "000000000099"
                                     << QList<int>{0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 11, 10, 0};
    // The comma column passes nothing on even when the tenths carry 11.
    QTest::newRow("decimal carries above 9")
        << QStringList(12, "9,99") << 12 << true << "000000009099"
        << QList<int>{0, 0, 0, 0, 0, 0, 0, 1, 11, 0, 11, 10, 0};
    QTest::newRow("widest text") << QStringList{"123456789,01", "1"} << 2 << false << "000000000001"
                                 << QList<int>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    QTest::newRow("too many lines taken as 12")
        << QStringList(12, "5") << 40 << false << "000000000005"
        << QList<int>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 6, 0};
}

void TestExercise::digitsAndCarries() {
    QFETCH(QStringList, texts);
    QFETCH(int, n);
    QFETCH(bool, decimal);
    QFETCH(QString, bottomDigits);
    QFETCH(QList<int>, carries);

    // Lines above the exercise hold 9s that must count for nothing.
    ExerciseState ex = StaleState();
    ex.Carry.fill(7);
    const int first = 13 - static_cast<int>(texts.size());
    for (int j = first; j <= 12; ++j) {
        ex.Lines[static_cast<std::size_t>(j)].AmountText = texts[j - first].toStdString();
    }
    ComputeDigitsAndCarries(ex, n, decimal);

    for (int j = 1; j < first; ++j) {
        for (int c = 1; c <= 12; ++c) {
            QCOMPARE(ex.Digits[static_cast<std::size_t>(j)][static_cast<std::size_t>(c)], 0);
        }
    }
    QString bottom;
    for (int c = 1; c <= 12; ++c) {
        bottom += QString::number(ex.Digits[12][static_cast<std::size_t>(c)]);
    }
    QCOMPARE(bottom, bottomDigits);
    for (int c = 1; c <= 13; ++c) {
        QCOMPARE(ex.Carry[static_cast<std::size_t>(c)], carries[c - 1]);
    }
}

void TestExercise::firstLineInUse() {
    QCOMPARE(FirstLineInUse(2), 11);
    QCOMPARE(FirstLineInUse(7), 6);
    QCOMPARE(FirstLineInUse(12), 1);
    // Counts outside 2..12 are drawn as the nearest one, and shown the same way.
    QCOMPARE(FirstLineInUse(1), 11);
    QCOMPARE(FirstLineInUse(13), 1);
    QCOMPARE(FirstLineInUse(-4), 11);
}

QTEST_APPLESS_MAIN(TestExercise)
#include "tst_exercise.moc"
