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
