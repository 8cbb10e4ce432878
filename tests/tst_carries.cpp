// SPDX-License-Identifier: GPL-3.0-or-later
// The carry profiles a school may ask for: over many seeded draws every exercise fits its
// profile, the settings where none can are told apart exactly, and there the draw is the
// one without a profile.

#include "engine/exercise.h"
#include "support/seeded_random.h"

#include <QtTest>

#include <cstdlib>

Q_DECLARE_METATYPE(CarryProfile)

namespace {

CarryFacts DrawAndMeasure(ExerciseState& ex, const AddendSettings& s, Catalogue& catalogue,
                          RandomSource& random, ProfileDraw* outcome = nullptr) {
    const ProfileDraw o = DrawAddends(ex, s, catalogue, random);
    if (outcome != nullptr) {
        *outcome = o;
    }
    ComputeDigitsAndCarries(ex, s.N, s.Decimal);
    return MeasureCarries(ex, s.N, s.Decimal);
}

bool ShowsHundredths(const std::string& t) {
    return t.size() >= 3 && t[t.size() - 3] == ',' && t.back() >= '1' && t.back() <= '9';
}

// All whole addends 1..m of n lines, for the small cases where every exercise can be tried.
bool AnyFits(CarryProfile profile, int n, int m) {
    std::vector<int> v(static_cast<std::size_t>(n), 1);
    for (;;) {
        ExerciseState ex;
        for (int i = 0; i < n; ++i) {
            ex.Lines[static_cast<std::size_t>(13 - n + i)].AmountText =
                std::to_string(v[static_cast<std::size_t>(i)]);
        }
        ComputeDigitsAndCarries(ex, n, false);
        if (ProfileHolds(profile, MeasureCarries(ex, n, false))) {
            return true;
        }
        int i = 0;
        while (i < n && v[static_cast<std::size_t>(i)] == m) {
            v[static_cast<std::size_t>(i++)] = 1;
        }
        if (i == n) {
            return false;
        }
        ++v[static_cast<std::size_t>(i)];
    }
}

} // namespace

class TestCarries : public QObject {
    Q_OBJECT
private slots:
    void everyDrawFitsItsProfile_data();
    void everyDrawFitsItsProfile();
    void possibleExactly();
    void impossibleDrawsAsWithout_data();
    void impossibleDrawsAsWithout();
    void measured_data();
    void measured();
    void names();
};

// 10 000 seeded draws per profile, number of addends and kind (whole up to 100, decimals
// up to 100), and fewer on settings where a fitting exercise is rare and must be built.
// With QUORVEL_CARRY_FIGURES set, each row prints the shares of exercises with no carry
// at all, with a carry into a column of digits, and with a column sum of 20 or more.
void TestCarries::everyDrawFitsItsProfile_data() {
    QTest::addColumn<CarryProfile>("profile");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("maxValue");
    QTest::addColumn<bool>("decimal");
    QTest::addColumn<int>("draws");

    const std::pair<CarryProfile, const char*> profiles[] = {{CarryProfile::Free, "vrij"},
                                                             {CarryProfile::None, "zonder"},
                                                             {CarryProfile::Carry, "met"},
                                                             {CarryProfile::Double, "dubbel"}};
    for (const bool decimal : {false, true}) {
        for (const auto& [profile, name] : profiles) {
            for (int n = 2; n <= 12; ++n) {
                if (!CarryProfilePossible(profile, n, 100, decimal)) {
                    continue;
                }
                QTest::addRow("%s, %d up to 100%s", name, n, decimal ? " with decimals" : "")
                    << profile << n << 100 << decimal << 10000;
            }
        }
    }
    // Rare: a fitting exercise is built rather than found.
    QTest::newRow("zonder, 9 up to 9") << CarryProfile::None << 9 << 9 << false << 2000;
    QTest::newRow("zonder, 12 up to 10") << CarryProfile::None << 12 << 10 << false << 2000;
    QTest::newRow("zonder, 12 up to 999999") << CarryProfile::None << 12 << 999999 << false << 2000;
    QTest::newRow("zonder, 9 up to 5 with decimals")
        << CarryProfile::None << 9 << 5 << true << 2000;
    QTest::newRow("met, 2 up to 11") << CarryProfile::Carry << 2 << 11 << false << 2000;
    QTest::newRow("met, 3 up to 10") << CarryProfile::Carry << 3 << 10 << false << 2000;
    QTest::newRow("met, 2 up to 1 with decimals") << CarryProfile::Carry << 2 << 1 << true << 2000;
    QTest::newRow("dubbel, 4 up to 5") << CarryProfile::Double << 4 << 5 << false << 2000;
    QTest::newRow("dubbel, 3 up to 9") << CarryProfile::Double << 3 << 9 << false << 2000;
    QTest::newRow("dubbel, 3 up to 1 with decimals")
        << CarryProfile::Double << 3 << 1 << true << 2000;
}

void TestCarries::everyDrawFitsItsProfile() {
    QFETCH(CarryProfile, profile);
    QFETCH(int, n);
    QFETCH(int, maxValue);
    QFETCH(bool, decimal);
    QFETCH(int, draws);

    SeededRandom random(static_cast<std::uint64_t>(20261211 + 100 * n + maxValue), false);
    Catalogue catalogue = MakeCatalogue();
    const AddendSettings s{n, maxValue, decimal, false, false, profile};
    int noCarry = 0;
    int intoDigits = 0;
    int twenty = 0;
    for (int round = 0; round < draws; ++round) {
        ExerciseState ex;
        ProfileDraw outcome = ProfileDraw::NotAsked;
        const CarryFacts facts = DrawAndMeasure(ex, s, catalogue, random, &outcome);
        QCOMPARE(outcome,
                 profile == CarryProfile::Free ? ProfileDraw::NotAsked : ProfileDraw::Kept);
        if (!ProfileHolds(profile, facts)) {
            QStringList lines;
            for (int j = 13 - n; j <= 12; ++j) {
                lines << QString::fromStdString(ex.Lines[static_cast<std::size_t>(j)].AmountText);
            }
            QFAIL(qPrintable(QStringLiteral("draw %1 does not fit: %2")
                                 .arg(round)
                                 .arg(lines.join(QStringLiteral(" + ")))));
        }
        // What every draw keeps: addends within 1..maxValue (a fraction beyond in decimal
        // mode), whole without decimals, a hundredths digit shown with them.
        bool hundredths = false;
        Amount total = 0;
        for (int j = 13 - n; j <= 12; ++j) {
            const ExerciseLine& line = ex.Lines[static_cast<std::size_t>(j)];
            QVERIFY(line.LineAmount >= Whole(1));
            QVERIFY(WholePart(line.LineAmount) <= Whole(maxValue));
            QVERIFY(line.AmountText.size() <= 12);
            QCOMPARE(line.AmountText,
                     decimal ? FormatAligned(line.LineAmount) : FormatPlain(line.LineAmount));
            hundredths = hundredths || ShowsHundredths(line.AmountText);
            total += line.LineAmount;
        }
        QCOMPARE(hundredths, decimal);
        QCOMPARE(ex.Total, total);
        noCarry += facts.AnyCarry ? 0 : 1;
        intoDigits += facts.CarryIntoDigits ? 1 : 0;
        twenty += facts.LargestColumnSum >= 20 ? 1 : 0;
    }
    if (qEnvironmentVariableIsSet("QUORVEL_CARRY_FIGURES")) {
        qInfo("figures %-7s n=%2d max=%6d %s: no carry %5.1f %%, carry into digits %5.1f %%, "
              "column of 20 %5.1f %%",
              qPrintable(
                  QString::fromLatin1(CarryProfileName(profile).data(),
                                      static_cast<qsizetype>(CarryProfileName(profile).size()))),
              n, maxValue, decimal ? "decimal" : "whole  ", 100.0 * noCarry / draws,
              100.0 * intoDigits / draws, 100.0 * twenty / draws);
    }
}

// Where CarryProfilePossible says no exercise fits, none does: every exercise of two and
// three addends up to 20 tried, and the bounds of the rule for more addends.
void TestCarries::possibleExactly() {
    for (const CarryProfile profile :
         {CarryProfile::None, CarryProfile::Carry, CarryProfile::Double}) {
        for (int n = 2; n <= 3; ++n) {
            for (int m = 1; m <= 20; ++m) {
                QVERIFY2(CarryProfilePossible(profile, n, m, false) == AnyFits(profile, n, m),
                         qPrintable(QStringLiteral("%1 addends up to %2, profile %3")
                                        .arg(n)
                                        .arg(m)
                                        .arg(static_cast<int>(profile))));
            }
        }
    }
    // Ten addends of at least 1 in one column reach 10; with 10 among them they need not.
    QVERIFY(CarryProfilePossible(CarryProfile::None, 9, 9, false));
    QVERIFY(!CarryProfilePossible(CarryProfile::None, 10, 9, false));
    QVERIFY(!CarryProfilePossible(CarryProfile::None, 12, 9, true));
    QVERIFY(CarryProfilePossible(CarryProfile::None, 12, 10, false));
    // A value of 0 or below is drawn as 1.
    QVERIFY(!CarryProfilePossible(CarryProfile::None, 12, -5, false));
    QVERIFY(CarryProfilePossible(CarryProfile::None, 9, 0, false));
    // Four addends of 5 make 20; three do not.
    QVERIFY(CarryProfilePossible(CarryProfile::Double, 4, 5, false));
    QVERIFY(!CarryProfilePossible(CarryProfile::Double, 3, 5, false));
    QVERIFY(!CarryProfilePossible(CarryProfile::Double, 12, 1, false));
    QVERIFY(!CarryProfilePossible(CarryProfile::Double, 2, 999999, true));
    QVERIFY(CarryProfilePossible(CarryProfile::Double, 3, 1, true));
    // With decimals the tenths carry into the units, which every addend has.
    QVERIFY(CarryProfilePossible(CarryProfile::Carry, 2, 1, true));
    QVERIFY(!CarryProfilePossible(CarryProfile::Carry, 12, 9, false));
}

// Where the profile cannot be kept, and in the receipt mode, the draw is the one without
// a profile: the same numbers, the same exercise.
void TestCarries::impossibleDrawsAsWithout_data() {
    QTest::addColumn<AddendSettings>("settings");
    QTest::addColumn<ProfileDraw>("outcome");
    QTest::newRow("dubbel with 2 addends")
        << AddendSettings{2, 100, false, false, false, CarryProfile::Double}
        << ProfileDraw::Impossible;
    QTest::newRow("met up to 9") << AddendSettings{5, 9, false, false, false, CarryProfile::Carry}
                                 << ProfileDraw::Impossible;
    QTest::newRow("zonder, 12 up to 9")
        << AddendSettings{12, 9, true, false, false, CarryProfile::None} << ProfileDraw::Impossible;
    QTest::newRow("a receipt") << AddendSettings{4, 100, false, true, false, CarryProfile::None}
                               << ProfileDraw::NotAsked;
    QTest::newRow("a receipt up to 100")
        << AddendSettings{4, 100, false, true, true, CarryProfile::Double} << ProfileDraw::NotAsked;
}

void TestCarries::impossibleDrawsAsWithout() {
    QFETCH(AddendSettings, settings);
    QFETCH(ProfileDraw, outcome);
    AddendSettings free = settings;
    free.Carries = CarryProfile::Free;
    SeededRandom withProfile(7);
    SeededRandom without(7);
    Catalogue catalogue = MakeCatalogue();
    for (int round = 0; round < 100; ++round) {
        ExerciseState a;
        ExerciseState b;
        QCOMPARE(DrawAddends(a, settings, catalogue, withProfile), outcome);
        QCOMPARE(DrawAddends(b, free, catalogue, without), ProfileDraw::NotAsked);
        for (int j = 1; j <= 12; ++j) {
            QCOMPARE(a.Lines[static_cast<std::size_t>(j)].AmountText,
                     b.Lines[static_cast<std::size_t>(j)].AmountText);
        }
        QCOMPARE(a.Total, b.Total);
    }
    QCOMPARE(withProfile.Fingerprint(), without.Fingerprint());
}

void TestCarries::measured_data() {
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<bool>("decimal");
    QTest::addColumn<bool>("anyCarry");
    QTest::addColumn<bool>("intoDigits");
    QTest::addColumn<int>("largest");

    QTest::newRow("23 + 45") << QStringList{"23", "45"} << false << false << false << 8;
    QTest::newRow("57 + 68") << QStringList{"57", "68"} << false << true << true << 15;
    // The carry lands where no addend has a digit.
    QTest::newRow("90 + 20") << QStringList{"90", "20"} << false << true << false << 11;
    QTest::newRow("7 + 8") << QStringList{"7", "8"} << false << true << false << 15;
    QTest::newRow("95 + 5: the carry makes the tens 10")
        << QStringList{"95", "5"} << false << true << true << 10;
    QTest::newRow("9 + 9 + 9") << QStringList{"9", "9", "9"} << false << true << false << 27;
    QTest::newRow("99 + 99 + 9: 19 and a carry of 2 in the tens")
        << QStringList{"99", "99", "9"} << false << true << true << 27;
    // Decimals: the tenths carry over the comma into the units.
    QTest::newRow("12,5 + 3,75") << QStringList{"12,5 ", "3,75"} << true << true << true << 12;
    QTest::newRow("1,05 + 2,04") << QStringList{"1,05", "2,04"} << true << false << false << 9;
    QTest::newRow("0,06 + 0,05: into the tenths' zeros")
        << QStringList{"1,06", "1,05"} << true << true << true << 11;
}

void TestCarries::measured() {
    QFETCH(QStringList, texts);
    QFETCH(bool, decimal);
    QFETCH(bool, anyCarry);
    QFETCH(bool, intoDigits);
    QFETCH(int, largest);
    ExerciseState ex;
    const int n = static_cast<int>(texts.size());
    for (int i = 0; i < n; ++i) {
        ex.Lines[static_cast<std::size_t>(13 - n + i)].AmountText = texts[i].toStdString();
    }
    ComputeDigitsAndCarries(ex, n, decimal);
    const CarryFacts facts = MeasureCarries(ex, n, decimal);
    QCOMPARE(facts.AnyCarry, anyCarry);
    QCOMPARE(facts.CarryIntoDigits, intoDigits);
    QCOMPARE(facts.LargestColumnSum, largest);
}

void TestCarries::names() {
    QCOMPARE(CarryProfileNamed("zonder"), std::optional(CarryProfile::None));
    QCOMPARE(CarryProfileNamed(" Met "), std::optional(CarryProfile::Carry));
    QCOMPARE(CarryProfileNamed("DUBBEL"), std::optional(CarryProfile::Double));
    QCOMPARE(CarryProfileNamed("vrij"), std::optional(CarryProfile::Free));
    QCOMPARE(CarryProfileNamed("twee"), std::nullopt);
    QCOMPARE(CarryProfileNamed(""), std::nullopt);
    for (const CarryProfile p :
         {CarryProfile::Free, CarryProfile::None, CarryProfile::Carry, CarryProfile::Double}) {
        QCOMPARE(CarryProfileNamed(CarryProfileName(p)), std::optional(p));
    }
}

QTEST_APPLESS_MAIN(TestCarries)
#include "tst_carries.moc"
