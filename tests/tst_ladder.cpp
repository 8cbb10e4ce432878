// SPDX-License-Identifier: GPL-3.0-or-later
// The ladder without a window: how a window of results moves the pupil between levels,
// what counts as right, the settings a level gives and the school's locks in them, and
// leaving the ladder by changing a setting.

#include "engine/presets.h"
#include "lesson/lesson.h"
#include "support/scripted_clock.h"
#include "support/seeded_random.h"

#include <QtTest>

Q_DECLARE_METATYPE(CarryProfile)

using std::chrono::milliseconds;

namespace {

struct TestLesson {
    ScriptedClock* clock = nullptr;
    std::unique_ptr<Lesson> lesson;
    QStringList complaints;
    Lesson* operator->() const { return lesson.get(); }
};

std::unique_ptr<TestLesson> MakeLesson() {
    auto t = std::make_unique<TestLesson>();
    auto clock = std::make_unique<ScriptedClock>();
    t->clock = clock.get();
    t->lesson =
        std::make_unique<Lesson>(std::make_unique<SeededRandom>(31, false), std::move(clock));
    t->lesson->SetComplaintReceiver([list = &t->complaints](const std::string& line) {
        *list << QString::fromStdString(line);
    });
    return t;
}

// The sum row holding the total, units first.
SumBoxTexts RightRow(const Lesson& lesson) {
    SumBoxTexts boxes;
    const ExerciseState& ex = lesson.Exercise();
    for (std::size_t k = 1; k <= 14; ++k) {
        boxes[k] = ex.ExpectedChar[k] == ' ' ? std::string() : std::string(1, ex.ExpectedChar[k]);
    }
    return boxes;
}

SumBoxTexts WrongRow() {
    SumBoxTexts boxes;
    boxes[1] = "0";
    return boxes;
}

// Checks the exercise on screen right or wrong, moves on, and draws the next one from the
// settings as the window would show them: those of the exercise before.
void Answer(TestLesson& t, bool right) {
    t->Check(right ? RightRow(*t.lesson) : WrongRow(), FormatPlain(t->Exercise().Change));
    QCOMPARE(t->MoveOn(), right ? MoveOnResult::Point : MoveOnResult::NoPoint);
    t->NewExercise(t->Settings());
}

} // namespace

class LadderTest : public QObject {
    Q_OBJECT
private slots:
    void stepping_data();
    void stepping();
    void levelsGrowHarder();
    void aLevelGivesItsSettings();
    void theFirstReadableCheckCounts();
    void lockedSettingsPinEveryLevel();
    void aSettingChangedByHandLeavesTheLadder_data();
    void aSettingChangedByHandLeavesTheLadder();
    void maximum100ThroughDecimalLevels();
    void anImpossibleProfileIsToldOnce();
    void fromPresets();
};

// Sequences of right (R) and wrong (W) and the level after each.
void LadderTest::stepping_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<bool>("fixed");
    QTest::addColumn<QString>("results");
    QTest::addColumn<QString>("levels"); // the level after each result, as letters a = 1

    QTest::newRow("eight right: up") << 1 << false << "RRRRRRRR"
                                     << "aaaaaaab";
    QTest::newRow("a slip on the way") << 1 << false << "RRWRRRRRR"
                                       << "aaaaaaaab";
    // The window starts afresh at the new level: eight more are needed.
    QTest::newRow("one step at a time") << 1 << false << "RRRRRRRRRRRRRRRR"
                                        << "aaaaaaabbbbbbbbc";
    // Seven right of ten stays; the window slides past the first right (still seven), then
    // past the first wrong (eight).
    QTest::newRow("seven of ten, then the window slides") << 4 << false << "RWRWRRRRRWRR"
                                                          << "ddddddddddde";
    QTest::newRow("five wrong: down") << 3 << false << "WRWWRWW"
                                      << "ccccccb";
    QTest::newRow("six of ten, then a sixth wrong of the last ten") << 5 << false << "RRRRRRWWWWW"
                                                                    << "eeeeeeeeeed";
    QTest::newRow("never below the first") << 1 << false << "WWWWWWWWWW"
                                           << "aaaaaaaaaa";
    QTest::newRow("never above the last") << 12 << false << "RRRRRRRRRR"
                                          << "llllllllll";
    QTest::newRow("down, then up again") << 2 << false << "WWWWWRRRRRRRR"
                                         << "bbbbaaaaaaaab";
    QTest::newRow("a fixed level stays") << 5 << true << "RRRRRRRRRRWWWWW"
                                         << "eeeeeeeeeeeeeee";
}

void LadderTest::stepping() {
    QFETCH(int, start);
    QFETCH(bool, fixed);
    QFETCH(QString, results);
    QFETCH(QString, levels);
    QCOMPARE(results.size(), levels.size());
    Ladder ladder(LadderSetup{start, fixed, {}});
    QCOMPARE(ladder.Level(), start);
    QString after;
    for (const QChar r : results) {
        const int before = ladder.Level();
        const Ladder::Step step = ladder.Record(r == QLatin1Char('R'));
        QCOMPARE(step, ladder.Level() > before   ? Ladder::Step::Up
                       : ladder.Level() < before ? Ladder::Step::Down
                                                 : Ladder::Step::Stay);
        after += QChar('a' + ladder.Level() - 1);
        QVERIFY(ladder.JudgedInWindow() <= Ladder::Window);
    }
    QCOMPARE(after, levels);
}

// Each level asks at least as much as the one before in one respect, and the ladder runs
// from two numbers up to 20 without a carry to twelve decimal numbers.
void LadderTest::levelsGrowHarder() {
    const auto& levels = LadderLevels();
    QCOMPARE(levels.front(), (LadderLevel{2, 20, false, CarryProfile::None}));
    QCOMPARE(levels.back(), (LadderLevel{12, 100, true, CarryProfile::Free}));
    for (std::size_t i = 1; i < levels.size(); ++i) {
        const LadderLevel& a = levels[i - 1];
        const LadderLevel& b = levels[i];
        QVERIFY2(!(a == b), qPrintable(QString::number(i + 1)));
        QVERIFY2(b.Decimal || !a.Decimal, qPrintable(QString::number(i + 1)));
        // Every level's profile can be kept with its own settings.
        QVERIFY(CarryProfilePossible(b.Carries, b.Addends, b.MaxValue, b.Decimal));
    }
}

// The first exercise comes from the start level, whatever the settings say; the next
// one, after the eighth right, from the level above, with the news of it.
void LadderTest::aLevelGivesItsSettings() {
    auto t = MakeLesson();
    (*t)->StartLadder(LadderSetup{3, false, {}});
    LessonSettings asked;
    asked.Addends.N = 7;
    asked.Addends.MaxValue = 5;
    asked.Addends.Decimal = true;
    asked.Helps = true;
    (*t)->NewExercise(asked);
    QCOMPARE((*t)->News(), LadderNews::Started);
    QCOMPARE((*t)->LevelOnScreen(), 3);
    const AddendSettings& s = (*t)->Settings().Addends;
    QCOMPARE(s.N, 2);
    QCOMPARE(s.MaxValue, 100);
    QVERIFY(!s.Decimal);
    QCOMPARE(s.Carries, CarryProfile::None);
    QVERIFY((*t)->Settings().Helps); // not the ladder's
    QVERIFY(!(*t)->Exercise().Carry[12]);

    for (int i = 0; i < 7; ++i) {
        Answer(*t, true);
        QCOMPARE((*t)->News(), LadderNews::None);
    }
    // The eighth right: the ladder is at level 4, the exercise on screen still at 3.
    (*t)->Check(RightRow(*t->lesson), "");
    QCOMPARE((*t)->CurrentLadder()->Level(), 4);
    QCOMPARE((*t)->LevelOnScreen(), 3);
    (*t)->MoveOn();
    (*t)->NewExercise((*t)->Settings());
    QCOMPARE((*t)->News(), LadderNews::Up);
    QCOMPARE((*t)->LevelOnScreen(), 4);
    QCOMPARE((*t)->Settings().Addends.Carries, CarryProfile::Carry);
    // Five wrong: back to 3.
    for (int i = 0; i < 5; ++i) {
        Answer(*t, false);
    }
    QCOMPARE((*t)->News(), LadderNews::Down);
    QCOMPARE((*t)->LevelOnScreen(), 3);
}

// Only the first readable check of an exercise counts, and only while the pupil is
// answering: a correction checked again, an exercise never checked, and the check at the
// end of a timed series do not.
void LadderTest::theFirstReadableCheckCounts() {
    auto t = MakeLesson();
    (*t)->StartLadder(LadderSetup{});
    (*t)->NewExercise(LessonSettings{});
    const Ladder& ladder = *(*t)->CurrentLadder();
    SumBoxTexts unreadable;
    unreadable[1] = "x";
    QVERIFY(!(*t)->Check(unreadable, "").Readable);
    QCOMPARE(ladder.JudgedInWindow(), 0);
    (*t)->Check(WrongRow(), "");
    (*t)->Check(RightRow(*t->lesson), "");
    QCOMPARE((*t)->MoveOn(), MoveOnResult::Point);
    QCOMPARE(ladder.JudgedInWindow(), 1);
    QCOMPARE(ladder.RightInWindow(), 0);
    // Withdrawn and checked again: still the one judgement.
    (*t)->NewExercise((*t)->Settings());
    (*t)->Check(RightRow(*t->lesson), "");
    (*t)->WithdrawJudgement();
    (*t)->Check(WrongRow(), "");
    QCOMPARE(ladder.JudgedInWindow(), 2);
    QCOMPARE(ladder.RightInWindow(), 1);
    // Skipped: a new exercise without a check.
    (*t)->NewExercise((*t)->Settings());
    (*t)->NewExercise((*t)->Settings());
    QCOMPARE(ladder.JudgedInWindow(), 2);
    // The time is up: what is checked then counts for nothing.
    t->clock->Now = milliseconds(1000);
    (*t)->StartSeries(1);
    t->clock->Now = milliseconds(62000);
    QCOMPARE((*t)->OnTick().Kind, Lesson::TickKind::Ended);
    (*t)->Check(RightRow(*t->lesson), "");
    QCOMPARE(ladder.JudgedInWindow(), 2);
}

// A locked number of addends, decimals and carry profile stay the school's on every
// level, up to the last and down again.
void LadderTest::lockedSettingsPinEveryLevel() {
    auto t = MakeLesson();
    LadderSetup setup;
    setup.Pins.Addends = 4;
    setup.Pins.Decimal = false;
    setup.Pins.Carries = CarryProfile::Carry;
    (*t)->StartLadder(setup);
    LessonSettings asked;
    asked.Addends.N = 4;
    (*t)->NewExercise(asked);
    QList<int> seen;
    const auto pinned = [&] {
        const AddendSettings& s = (*t)->Settings().Addends;
        QCOMPARE(s.N, 4);
        QVERIFY(!s.Decimal);
        QCOMPARE(s.Carries, CarryProfile::Carry);
        QCOMPARE(s.MaxValue,
                 LadderLevels()[static_cast<std::size_t>((*t)->LevelOnScreen() - 1)].MaxValue);
        seen << (*t)->LevelOnScreen();
    };
    pinned();
    for (int i = 0; i < 8 * LadderLevelCount; ++i) {
        Answer(*t, true);
        pinned();
    }
    QCOMPARE((*t)->LevelOnScreen(), LadderLevelCount);
    for (int i = 0; i < 5 * 3; ++i) {
        Answer(*t, false);
        pinned();
    }
    QCOMPARE((*t)->LevelOnScreen(), LadderLevelCount - 3);
    QVERIFY((*t)->CurrentLadder() != nullptr);
    QVERIFY(t->complaints.isEmpty());
}

void LadderTest::aSettingChangedByHandLeavesTheLadder_data() {
    QTest::addColumn<QString>("setting");
    QTest::addColumn<bool>("leaves");
    QTest::newRow("the number of addends") << "N" << true;
    QTest::newRow("the largest addend") << "M" << true;
    QTest::newRow("decimals") << "Komma" << true;
    QTest::newRow("the receipt") << "Kasticket" << true;
    QTest::newRow("maximum 100 on a receipt") << "Maximum100" << true;
    QTest::newRow("the helps") << "Hulpjes" << false;
    QTest::newRow("the wallet") << "Portemonnee" << false;
    QTest::newRow("the minutes") << "Timer" << false;
    QTest::newRow("nothing") << "" << false;
}

// The settings that shape what is drawn belong to the ladder: a pupil who changes one
// leaves it, and the exercise is drawn from the settings as the pupil left them, with
// the school's own carry profile. The helps, the wallet and the minutes are the pupil's.
void LadderTest::aSettingChangedByHandLeavesTheLadder() {
    QFETCH(QString, setting);
    QFETCH(bool, leaves);
    auto t = MakeLesson();
    (*t)->StartLadder(LadderSetup{4, false, {}});
    LessonSettings asked;
    asked.Addends.Receipt = setting == QLatin1String("Maximum100");
    (*t)->NewExercise(asked);
    Answer(*t, true);
    LessonSettings changed = (*t)->Settings();
    changed.Addends.Carries = CarryProfile::Double; // the school's, not the level's
    if (setting == QLatin1String("N")) {
        changed.Addends.N = 5;
    } else if (setting == QLatin1String("M")) {
        changed.Addends.MaxValue = 50;
    } else if (setting == QLatin1String("Komma")) {
        changed.Addends.Decimal = true;
    } else if (setting == QLatin1String("Kasticket")) {
        changed.Addends.Receipt = true;
    } else if (setting == QLatin1String("Maximum100")) {
        changed.Addends.Max100 = true;
    } else if (setting == QLatin1String("Hulpjes")) {
        changed.Helps = true;
    } else if (setting == QLatin1String("Portemonnee")) {
        changed.PayFromWallet = true;
    } else if (setting == QLatin1String("Timer")) {
        changed.Minutes = 3;
    }
    (*t)->NewExercise(changed);
    QCOMPARE((*t)->CurrentLadder() == nullptr, leaves);
    QCOMPARE((*t)->News(), leaves ? LadderNews::Left : LadderNews::None);
    QCOMPARE((*t)->LevelOnScreen(), leaves ? 0 : 4);
    QCOMPARE((*t)->Settings().Addends.Carries, leaves ? CarryProfile::Double : CarryProfile::Carry);
    // Off the ladder for good: the same settings again bring no news.
    (*t)->NewExercise((*t)->Settings());
    QCOMPARE((*t)->News(), LadderNews::None);
}

// On a receipt the "maximum 100" box counts only without decimals; a ladder that brings
// decimals drops it, and brings it back without them, and the box's mark left alone is no
// change by hand.
void LadderTest::maximum100ThroughDecimalLevels() {
    auto t = MakeLesson();
    (*t)->StartLadder(LadderSetup{7, false, {}});
    LessonSettings asked;
    asked.Addends.Receipt = true;
    asked.Addends.Max100 = true; // the box's mark, as the settings bar reads it
    const auto next = [&](bool right) {
        (*t)->Check(right ? RightRow(*t->lesson) : WrongRow(),
                    FormatPlain((*t)->Exercise().Change));
        (*t)->MoveOn();
        const AddendSettings& shown = (*t)->Settings().Addends;
        asked.Addends.N = shown.N;
        asked.Addends.MaxValue = shown.MaxValue;
        asked.Addends.Decimal = shown.Decimal;
        (*t)->NewExercise(asked);
    };
    (*t)->NewExercise(asked);
    QVERIFY((*t)->Settings().Addends.Max100);
    for (int i = 0; i < 8; ++i) {
        next(true);
    }
    QCOMPARE((*t)->LevelOnScreen(), 8);
    QVERIFY((*t)->Settings().Addends.Decimal);
    QVERIFY(!(*t)->Settings().Addends.Max100);
    next(true);
    QCOMPARE((*t)->News(), LadderNews::None);
    for (int i = 0; i < 5; ++i) {
        next(false);
    }
    QCOMPARE((*t)->LevelOnScreen(), 7);
    QVERIFY((*t)->Settings().Addends.Max100);
    QVERIFY((*t)->CurrentLadder() != nullptr);
    QVERIFY((*t)->Exercise().Total <= Whole(100));
}

// A level the school's locks make impossible (dubbel with two addends) is drawn freely,
// and said once for those settings.
void LadderTest::anImpossibleProfileIsToldOnce() {
    auto t = MakeLesson();
    LessonSettings s;
    s.Addends.Carries = CarryProfile::Double;
    (*t)->NewExercise(s);
    (*t)->NewExercise(s);
    QCOMPARE(t->complaints.size(), 1);
    QVERIFY2(t->complaints[0].contains(QStringLiteral("Overdracht=dubbel")),
             qPrintable(t->complaints[0]));
    QVERIFY2(t->complaints[0].contains(QStringLiteral("2 getallen tot 100")),
             qPrintable(t->complaints[0]));
    s.Addends.MaxValue = 9;
    s.Addends.Carries = CarryProfile::Carry;
    (*t)->NewExercise(s);
    (*t)->NewExercise(s);
    QCOMPARE(t->complaints.size(), 2);
    s.Addends.N = 12;
    s.Addends.Carries = CarryProfile::None;
    (*t)->NewExercise(s);
    QCOMPARE(t->complaints.size(), 3);
    // Possible again: nothing to say.
    s.Addends.MaxValue = 10;
    (*t)->NewExercise(s);
    QCOMPARE(t->complaints.size(), 3);
}

void LadderTest::fromPresets() {
    Presets p;
    QVERIFY(!LadderFromPresets(p));
    QCOMPARE(CarryProfileOf(p), CarryProfile::Free);
    p.Values[static_cast<std::size_t>(PresetKey::Ladder)] = "false";
    p.Values[static_cast<std::size_t>(PresetKey::LadderStart)] = "5";
    QVERIFY(!LadderFromPresets(p));
    p.Values[static_cast<std::size_t>(PresetKey::Ladder)] = "true";
    p.Values[static_cast<std::size_t>(PresetKey::Overdracht)] = "met";
    p.Values[static_cast<std::size_t>(PresetKey::Aantal)] = "3";
    QCOMPARE(CarryProfileOf(p), CarryProfile::Carry);
    std::optional<LadderSetup> setup = LadderFromPresets(p);
    QVERIFY(setup);
    QCOMPARE(setup->Start, 5);
    QVERIFY(!setup->Fixed);
    QVERIFY(!setup->Pins.Addends && !setup->Pins.MaxValue && !setup->Pins.Decimal &&
            !setup->Pins.Carries);
    // Locked: the value set, or the default where none is.
    for (PresetKey key : {PresetKey::Aantal, PresetKey::MaxGetal, PresetKey::Komma,
                          PresetKey::Overdracht, PresetKey::LadderStart}) {
        p.Locked[static_cast<std::size_t>(key)] = true;
    }
    setup = LadderFromPresets(p);
    QCOMPARE(setup->Pins.Addends, std::optional(3));
    QCOMPARE(setup->Pins.MaxValue, std::optional(100));
    QCOMPARE(setup->Pins.Decimal, std::optional(false));
    QCOMPARE(setup->Pins.Carries, std::optional(CarryProfile::Carry));
    QVERIFY(setup->Fixed);
    QCOMPARE(setup->Start, 5);

    // The values as the file may give them.
    QCOMPARE(RefusedSetting(PresetKey::Overdracht, " Dubbel "), std::string());
    QCOMPARE(PresetText(PresetKey::Overdracht, " Dubbel "), std::string("dubbel"));
    QVERIFY(!RefusedSetting(PresetKey::Overdracht, "twee").empty());
    QCOMPARE(RefusedSetting(PresetKey::LadderStart, "12"), std::string());
    QCOMPARE(PresetText(PresetKey::LadderStart, " +3 "), std::string("3"));
    for (const char* bad : {"0", "13", "-1", "drie", "", "2 getallen tot 20"}) {
        QVERIFY2(!RefusedSetting(PresetKey::LadderStart, bad).empty(), bad);
    }
    QVERIFY(!RefusedSetting(PresetKey::Ladder, "ja").empty());
    QCOMPARE(PresetText(PresetKey::Ladder, "TRUE"), std::string("true"));
}

QTEST_APPLESS_MAIN(LadderTest)
#include "tst_ladder.moc"
