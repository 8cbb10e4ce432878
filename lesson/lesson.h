#pragma once

#include "answer/answer.h"
#include "answer/diagnosis.h"
#include "engine/amount.h"
#include "engine/catalogue.h"
#include "engine/exercise.h"
#include "engine/ladder.h"
#include "engine/random.h"
#include "timer/series.h"
#include "wallet/pieces.h"

#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <tuple>

// What a new exercise is drawn from: the settings bar as the pupil left it.
struct LessonSettings {
    AddendSettings Addends;
    // The wallet option's mark. It counts even while its box is hidden in the classic
    // mode: the paid amount is then left to the wallet and no draw is made for it.
    bool PayFromWallet = false;
    // The helps: wrong digits in red, the carry shown, the amount assembled in the wallet.
    bool Helps = false;
    // The minutes of a timed series the pupil has settled on; 0 for none.
    int Minutes = 0;
    // The school's or the parent's "Uitleg": a wrong check shows where and why, the pupil
    // may ask to be shown the column, and a timed series' results tell how each exercise
    // was made right.
    bool Explain = false;
};

// The outcome of one check.
struct Judgement {
    bool Readable = false; // false: the sum row is no number, and nothing was judged
    std::string Typed;     // the sum row as read, Tot14 first (see AssembleSum)
    bool SumRight = false;
    // Judged in the receipt mode only; the change text as the field must show it (its
    // first full stop made a comma).
    std::optional<bool> ChangeRight;
    std::string ChangeText;
    // With Uitleg, where a wrong check found the row wrong, and why: the sum row, or on a
    // receipt whose sum is right the change. Column 0 (and not Unreadable) where nothing is
    // wrong, and always without Uitleg.
    Diagnosis Found;
    // The wrong checks of the exercise so far, this one included; 0 for a right one.
    int WrongChecks = 0;
};

// How the exercises moved on from were made: right at their first check, right after a
// correction, right with help (the worked column shown, or a digit typed again after the
// helps showed it red), or not right.
struct OutcomeCounts {
    int RightAtOnce = 0;
    int RightAfterCorrection = 0;
    int Helped = 0;
    int Wrong = 0;
};

// Where the pupil stands with the exercise on screen: still answering, judged (a check
// has read the sum row, and moving on scores it), or at the end of a timed series, where
// nothing more counts.
enum class LessonPhase { Answering, Judged, SeriesOver };

// What moving on made of the exercise on screen.
enum class MoveOnResult { Refused, NoPoint, Point };

// What a new exercise brought to the ladder: its first exercise, a level up or down, or
// the pupil leaving it by changing a setting.
enum class LadderNews { None, Started, Up, Down, Left };

// The one lesson a pupil works through: the exercise on screen and everything it is
// judged against, the series and its counters, the wallet and the timed series. It
// owns the random source and the series clock, so every draw and every reading of the
// time goes through here, in a fixed order that tests script.
class Lesson {
public:
    Lesson(std::unique_ptr<RandomSource> random, std::unique_ptr<SeriesClock> clock);
    ~Lesson();

    // Tests script the draws and the time; production code keeps the defaults.
    void SetRandomSource(std::unique_ptr<RandomSource> random);
    void SetSeriesClock(std::unique_ptr<SeriesClock> clock);
    // Seeds the random source again from its clock, as the program does at start.
    void Reseed();

    // ------------------------------------------------------------------ exercises
    // Draws the addends, then (unless the wallet pays) the amount paid, and works out
    // the change, the sum row's expected characters, the carries and, with the wallet,
    // what the wallet is dealt from. The assembled amount starts again at 0, and the new
    // exercise is to be answered.
    //
    // On the ladder the exercise comes from its level, whatever the settings give for
    // the number of addends, the largest addend, the decimals and the carries; should the
    // settings that shape the draw (those, the receipt and "maximum 100") differ from the
    // exercise before, the pupil has changed one by hand and leaves the ladder, and the
    // settings as given count. "maximum 100" counts only on a receipt without decimals.
    void NewExercise(const LessonSettings& settings);
    // The settings the exercise on screen was drawn from: its mode (receipt or classic),
    // decimals, helps and the wallet.
    const LessonSettings& Settings() const { return settings_; }
    bool Receipt() const { return settings_.Addends.Receipt; }
    // Counts one exercise drawn more: the window redraws what a new exercise replaces
    // only when this has changed.
    unsigned ExerciseSerial() const { return serial_; }
    const ExerciseState& Exercise() const { return exercise_; }
    // The total as the sum row must hold it, blanks on the left up to 14 characters.
    const std::string& TotalText() const { return totalText_; }
    // The top line of the exercise; lines from here to 12 hold addends.
    int FirstLineInUse() const { return firstLine_; }
    const Catalogue& Articles() const { return catalogue_; }

    // ---------------------------------------------------------------- the check
    // Judges the sum row (box texts 1..14, a hidden box given as an empty text) and, in
    // the receipt mode, the change text. An unreadable sum row changes nothing. A
    // readable one makes the exercise judged, ready to be scored by moving on; at the
    // end of a series it is judged for the pupil to see and scores nothing. On the ladder
    // the first readable check of an exercise counts, right as a point is (the sum, and on
    // a receipt the change too): checking again after a correction does not make it right.
    Judgement Check(const SumBoxTexts& boxes, const std::string& change);
    bool SumRight() const { return sumRight_; }
    bool ChangeRight() const { return changeRight_; }
    LessonPhase Phase() const { return phase_; }
    // The last readable check of the exercise on screen, while it stands.
    const std::optional<Judgement>& LastJudgement() const { return judgement_; }
    // The pupil goes back to changing what the check judged (a settings field entered):
    // the judgement lapses, and only a new check can score.
    void WithdrawJudgement();
    // The pupil was helped with the exercise on screen: shown a worked column, or typed a
    // digit again that the helps had shown red. Its points stay as they are.
    void NoteHelped();
    bool Helped() const { return helped_; }

    // ------------------------------------------------------------------ the ladder
    // The pupil climbs from here on, from the start level; before the first exercise.
    void StartLadder(const LadderSetup& setup);
    // The ladder while the pupil is on it, else none.
    const Ladder* CurrentLadder() const { return ladder_ ? &*ladder_ : nullptr; }
    // The level the exercise on screen came from; 0 off the ladder.
    int LevelOnScreen() const { return levelOnScreen_; }
    LadderNews News() const { return news_; }
    // Where no exercise of the settings fits the carry profile asked for, the exercise is
    // drawn without it, and the line saying so goes here, once for those settings; to
    // standard error unless another receiver is given.
    void SetComplaintReceiver(std::function<void(const std::string&)> receiver);

    // ------------------------------------------------------------------ the series
    // Moving on from a judged exercise: the check becomes a point or not (in the receipt
    // mode the change must be right too) and the exercise number grows. An exercise not
    // judged, or a series that is over, is refused and changes nothing. The next
    // exercise is drawn separately.
    MoveOnResult MoveOn();
    // Exercise 1 of a new series, no points, no outcomes.
    void ResetSeries();
    int Points() const { return points_; }
    // How the exercises moved on from in this series were made.
    const OutcomeCounts& Outcomes() const { return outcomes_; }
    // The number of the exercise in progress, which is also the most points the series
    // can have reached with it.
    int ExerciseNumber() const { return exerciseNumber_; }

    // ------------------------------------------------------------------- the wallet
    // Deals the wallet anew from the split of this exercise: how many pieces every stack
    // shows, from place 1 up. Nothing is assembled yet.
    const PieceCounts& DealWallet();
    // Takes the piece at `place` (1 at the bottom) of the stack out of the wallet and adds
    // it to the amount assembled; false when that piece is not in the wallet (never dealt,
    // or taken already).
    bool TakePiece(int stack, int place);
    // Takes the top piece still in the stack; false when the stack has none left.
    bool TakePiece(int stack);
    // Whether the piece at `place` of the stack is in the wallet as dealt last.
    bool PieceInWallet(int stack, int place) const;
    // Pays what was assembled: the paid amount and the change follow from it.
    void ClosePayment();
    Amount WalletValue() const { return walletValue_; }
    const PieceCounts& BaseCounts() const { return baseCounts_; }
    const PieceCounts& InWallet() const { return inWallet_; }
    Amount Assembled() const { return assembled_; }

    // -------------------------------------------------------------- timed series
    void StartSeries(int minutes);
    // A series runs and was not cancelled.
    bool SeriesActive() const { return series_.SeriesRunning && !cancelled_; }
    // The time left as the clock shows it, from "00:00:00" at the start.
    const std::string& ClockText() const { return clockText_; }
    // RESET during a series: the next tick stops it.
    void CancelSeries();
    enum class TickKind { Idle, Cancelled, Ended, Running };
    struct Tick {
        TickKind Kind = TickKind::Idle;
        std::string ClockText; // the time left, for Running
    };
    // The once-a-second look at the clock. At the end of the time the series is over:
    // the exercise on screen can still be checked, and scores nothing.
    Tick OnTick();
    // Whether the results of the series that ended stand (its last check read the row).
    bool ResultsReady() const {
        return phase_ == LessonPhase::SeriesOver && judgement_.has_value();
    }
    bool SeriesRunning() const { return series_.SeriesRunning; }
    // The results of the series that has just ended: the exercise in progress does not
    // count.
    SeriesResultTexts Results() const;

private:
    std::unique_ptr<RandomSource> random_;
    std::unique_ptr<SeriesClock> clock_;
    Catalogue catalogue_;
    ExerciseState exercise_;
    std::string totalText_;
    int firstLine_ = 11;
    LessonSettings settings_;
    unsigned serial_ = 0;
    LessonPhase phase_ = LessonPhase::Answering;
    std::optional<Judgement> judgement_;

    int points_ = 0;
    int exerciseNumber_ = 1;
    OutcomeCounts outcomes_;
    // The exercise on screen: its first readable check (right or not), its wrong checks,
    // and whether the pupil was helped.
    std::optional<bool> firstCheckRight_;
    int wrongChecks_ = 0;
    bool helped_ = false;
    bool sumRight_ = false;
    bool changeRight_ = false;

    // What the wallet's minimum content is split from, that split for the exercise on
    // screen, the copy one dealing adjusts, and what the wallet still holds.
    Amount walletValue_ = 0;
    PieceCounts baseCounts_{};
    PieceCounts dealtCounts_{};
    PieceCounts inWallet_{};
    PieceCounts shownAtDeal_{};
    // One bit per place (bit 1 for place 1) of the pieces taken since the deal.
    std::array<unsigned, DenominationCount> taken_{};
    Amount assembled_ = 0;
    std::string clockText_;

    TimedSeries series_;
    bool cancelled_ = false;

    std::optional<Ladder> ladder_;
    bool ladderDrawn_ = false;   // an exercise has come from the ladder
    bool ladderCounted_ = false; // the exercise on screen has counted for it
    int levelOnScreen_ = 0;
    // The settings that shape the draw, as the window shows them for the exercise on
    // screen: the number of addends, the largest addend, decimals, receipt, "maximum 100".
    std::tuple<int, int, bool, bool, bool> shownShape_;
    LadderNews news_ = LadderNews::None;
    std::function<void(const std::string&)> complain_;
    std::set<std::tuple<int, int, int, bool>> told_; // profile, addends, largest, decimals
};
