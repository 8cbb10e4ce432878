#include "lesson/lesson.h"

#include "engine/settings.h"
#include "wallet/wallet.h"

#include <algorithm>
#include <cstdio>

namespace {

// The settings a pupil changes to shape what is drawn.
auto Shape(const LessonSettings& s) {
    const AddendSettings& a = s.Addends;
    return std::make_tuple(a.N, a.MaxValue, a.Decimal, a.Receipt, a.Max100);
}

} // namespace

Lesson::Lesson(std::unique_ptr<RandomSource> random, std::unique_ptr<SeriesClock> clock)
    : random_(std::move(random)), clock_(std::move(clock)), catalogue_(MakeCatalogue()) {
    exercise_.ExpectedChar.fill(' ');
}

Lesson::~Lesson() = default;

void Lesson::SetRandomSource(std::unique_ptr<RandomSource> random) {
    random_ = std::move(random);
}

void Lesson::SetSeriesClock(std::unique_ptr<SeriesClock> clock) {
    clock_ = std::move(clock);
}

void Lesson::Reseed() {
    random_->Reseed();
}

void Lesson::StartLadder(const LadderSetup& setup) {
    ladder_.emplace(setup);
    ladderDrawn_ = false;
}

void Lesson::SetComplaintReceiver(std::function<void(const std::string&)> receiver) {
    complain_ = std::move(receiver);
}

void Lesson::NewExercise(const LessonSettings& asked) {
    LessonSettings settings = asked;
    news_ = LadderNews::None;
    if (ladder_ && ladderDrawn_ && Shape(asked) != shownShape_) {
        ladder_.reset();
        levelOnScreen_ = 0;
        news_ = LadderNews::Left;
    }
    if (ladder_) {
        const LadderLevel level = ladder_->Settings();
        settings.Addends.N = level.Addends;
        settings.Addends.MaxValue = level.MaxValue;
        settings.Addends.Decimal = level.Decimal;
        settings.Addends.Carries = level.Carries;
        news_ = !ladderDrawn_                       ? LadderNews::Started
                : ladder_->Level() > levelOnScreen_ ? LadderNews::Up
                : ladder_->Level() < levelOnScreen_ ? LadderNews::Down
                                                    : LadderNews::None;
        levelOnScreen_ = ladder_->Level();
        ladderDrawn_ = true;
    }
    ladderCounted_ = false;
    // What the settings will read as long as the pupil changes none of them.
    shownShape_ = Shape(settings);
    // "maximum 100" counts only on a receipt without decimals.
    settings.Addends.Max100 = settings.Addends.Max100 && !settings.Addends.Decimal;

    settings_ = settings;
    ++serial_;
    phase_ = LessonPhase::Answering;
    judgement_.reset();
    firstCheckRight_.reset();
    wrongChecks_ = 0;
    helped_ = false;
    const AddendSettings& s = settings.Addends;
    if (DrawAddends(exercise_, s, catalogue_, *random_) == ProfileDraw::Impossible &&
        told_.emplace(static_cast<int>(s.Carries), s.N, s.MaxValue, s.Decimal).second) {
        const std::string line =
            "quorvel: Overdracht=" + std::string(CarryProfileName(s.Carries)) + " kan niet bij " +
            std::to_string(std::clamp(s.N, MinAddends, MaxAddends)) + " getallen tot " +
            std::to_string(std::max(s.MaxValue, 1)) + (s.Decimal ? " met komma" : "") +
            "; de oefeningen worden zonder die eis getrokken";
        if (complain_) {
            complain_(line);
        } else {
            std::fprintf(stderr, "%s\n", line.c_str());
        }
    }
    firstLine_ = ::FirstLineInUse(s.N);

    // Until the pupil pays from the wallet, the change is judged against what the
    // receipt shows as paid (nothing yet), never against an earlier payment.
    exercise_.Paid =
        settings.PayFromWallet ? Amount{0} : ChoosePaid(exercise_.Total, s.Max100, *random_);
    exercise_.Change = exercise_.Paid - exercise_.Total;

    totalText_ = ::TotalText(exercise_.Total, s.Decimal);
    FillExpectedChars(exercise_, totalText_);
    ComputeDigitsAndCarries(exercise_, s.N, s.Decimal);

    assembled_ = 0;
    if (settings.PayFromWallet) {
        walletValue_ = WalletValueFor(exercise_.Total);
        baseCounts_ = SplitWallet(walletValue_);
    }
}

Judgement Lesson::Check(const SumBoxTexts& boxes, const std::string& change) {
    Judgement j;
    j.Typed = AssembleSum(boxes);
    // A units box with more than one character shows only its last: the row the pupil
    // sees is not the one that would be read, so it is judged wrong as it stands.
    const bool overfull = HoldsMoreThanOneCharacter(boxes[1]);
    const std::optional<Amount> sum = ReadNumber(j.Typed);
    if (!sum && !overfull) {
        return j;
    }
    j.Readable = true;
    sumRight_ = !overfull && *sum == exercise_.Total;
    j.SumRight = sumRight_;
    if (Receipt()) {
        j.ChangeText = FirstPointToComma(change);
        // An unreadable change, a value too large for an amount included, is a wrong one.
        const std::optional<Amount> typed = ReadNumber(j.ChangeText);
        changeRight_ = typed && *typed == exercise_.Change;
        j.ChangeRight = changeRight_;
    }
    const bool right = Receipt() ? sumRight_ && changeRight_ : sumRight_;
    if (!right && settings_.Explain) {
        const AddendSettings& s = settings_.Addends;
        if (!sumRight_) {
            j.Found =
                Diagnose(exercise_, s.N, s.Decimal ? RowKind::Decimal : RowKind::Classic, j.Typed);
            // A units box holding more than it shows is wrong whatever it reads as.
            if (j.Found.Column == 0) {
                j.Found.Column = 1;
            }
        } else {
            j.Found = Diagnose(exercise_, s.N, RowKind::Change, j.ChangeText);
        }
    }
    if (phase_ != LessonPhase::SeriesOver) {
        if (!firstCheckRight_) {
            firstCheckRight_ = right;
        }
        wrongChecks_ += right ? 0 : 1;
        j.WrongChecks = right ? 0 : wrongChecks_;
    }
    judgement_ = j;
    if (phase_ == LessonPhase::Answering) {
        phase_ = LessonPhase::Judged;
        if (ladder_ && !ladderCounted_) {
            ladderCounted_ = true;
            ladder_->Record(Receipt() ? sumRight_ && changeRight_ : sumRight_);
        }
    }
    return j;
}

void Lesson::NoteHelped() {
    helped_ = true;
}

void Lesson::WithdrawJudgement() {
    if (phase_ == LessonPhase::Judged) {
        phase_ = LessonPhase::Answering;
        judgement_.reset();
    }
}

MoveOnResult Lesson::MoveOn() {
    if (phase_ != LessonPhase::Judged) {
        return MoveOnResult::Refused;
    }
    phase_ = LessonPhase::Answering;
    judgement_.reset();
    const bool point = Receipt() ? sumRight_ && changeRight_ : sumRight_;
    if (point) {
        ++points_;
    }
    ++(!point                             ? outcomes_.Wrong
       : helped_                          ? outcomes_.Helped
       : firstCheckRight_.value_or(false) ? outcomes_.RightAtOnce
                                          : outcomes_.RightAfterCorrection);
    ++exerciseNumber_;
    return point ? MoveOnResult::Point : MoveOnResult::NoPoint;
}

void Lesson::ResetSeries() {
    points_ = 0;
    exerciseNumber_ = 1;
    outcomes_ = {};
}

const PieceCounts& Lesson::DealWallet() {
    dealtCounts_ = baseCounts_;
    inWallet_ = ::ComposeWallet(dealtCounts_, *random_);
    shownAtDeal_ = inWallet_;
    taken_.fill(0);
    assembled_ = 0;
    return inWallet_;
}

bool Lesson::PieceInWallet(int stack, int place) const {
    if (stack < 0 || stack >= DenominationCount) {
        return false;
    }
    const auto s = static_cast<std::size_t>(stack);
    return place >= 1 && place <= shownAtDeal_[s] && (taken_[s] & (1u << place)) == 0;
}

bool Lesson::TakePiece(int stack, int place) {
    if (!PieceInWallet(stack, place)) {
        return false;
    }
    const auto s = static_cast<std::size_t>(stack);
    taken_[s] |= 1u << place;
    --inWallet_[s];
    // The wallet holds at most a few thousand euros: no sum of its pieces overflows.
    assembled_ += PieceTable[s].Value;
    return true;
}

bool Lesson::TakePiece(int stack) {
    if (stack < 0 || stack >= DenominationCount) {
        return false;
    }
    for (int place = shownAtDeal_[static_cast<std::size_t>(stack)]; place >= 1; --place) {
        if (TakePiece(stack, place)) {
            return true;
        }
    }
    return false;
}

void Lesson::ClosePayment() {
    // Paying another amount changes the change that was judged: the check no longer
    // stands, and only a new one can score.
    if (assembled_ != exercise_.Paid) {
        WithdrawJudgement();
    }
    exercise_.Paid = assembled_;
    exercise_.Change = exercise_.Paid - exercise_.Total;
}

void Lesson::StartSeries(int minutes) {
    ::StartSeries(series_, *clock_, minutes);
    cancelled_ = false;
    clockText_ = "00:00:00";
}

void Lesson::CancelSeries() {
    cancelled_ = series_.SeriesRunning;
}

Lesson::Tick Lesson::OnTick() {
    if (!series_.SeriesRunning) {
        return {};
    }
    if (cancelled_) {
        series_.SeriesRunning = false;
        cancelled_ = false;
        return {TickKind::Cancelled, {}};
    }
    const SeriesTick tick = TickSeries(series_, *clock_);
    if (tick.Kind == SeriesTickKind::Ended) {
        phase_ = LessonPhase::SeriesOver;
        judgement_.reset();
        return {TickKind::Ended, {}};
    }
    clockText_ = ::ClockText(tick.Remaining);
    return {TickKind::Running, clockText_};
}

SeriesResultTexts Lesson::Results() const {
    return ResultTexts(points_, exerciseNumber_ - 1);
}
