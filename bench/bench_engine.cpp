#include "answer/diagnosis.h"
#include "engine/exercise.h"

#include <benchmark/benchmark.h>

// One new exercise as the window computes it without drawing anything on screen: twelve
// decimal classic addends, their total text, the expected characters, digits and carries.
static void DrawTwelveDecimalAddends(benchmark::State& state) {
    ClockRandom random;
    Catalogue catalogue = MakeCatalogue();
    const AddendSettings settings{12, 100, true, false, false};
    ExerciseState ex;
    for (auto _ : state) {
        DrawAddends(ex, settings, catalogue, random);
        FillExpectedChars(ex, TotalText(ex.Total, settings.Decimal));
        ComputeDigitsAndCarries(ex, settings.N, settings.Decimal);
        benchmark::DoNotOptimize(ex);
    }
}
BENCHMARK(DrawTwelveDecimalAddends);

// Where and why a wrong row of twelve decimal addends up to 999999,99 went wrong: a row
// no mistake writes (a slip in the units), so that every mistake's procedure is worked in
// every way it can be made. A frame of the window lasts 16,7 ms; this must stay far below
// 1 % of it.
static void DiagnoseTwelveDecimalAddends(benchmark::State& state) {
    ClockRandom random;
    Catalogue catalogue = MakeCatalogue();
    AddendSettings settings{12, 999999, true, false, false};
    settings.Carries = CarryProfile::Double;
    ExerciseState ex;
    DrawAddends(ex, settings, catalogue, random);
    FillExpectedChars(ex, TotalText(ex.Total, settings.Decimal));
    ComputeDigitsAndCarries(ex, settings.N, settings.Decimal);
    std::string typed = RightRow(ex, RowKind::Decimal);
    typed[typed.size() - 4] = typed[typed.size() - 4] == '9' ? '0' : '9';
    for (auto _ : state) {
        benchmark::DoNotOptimize(Diagnose(ex, settings.N, RowKind::Decimal, typed));
    }
}
BENCHMARK(DiagnoseTwelveDecimalAddends)->Unit(benchmark::kMicrosecond);
