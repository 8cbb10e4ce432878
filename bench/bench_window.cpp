#include "app/form.h"

#include <QTest>

#include <benchmark/benchmark.h>

// A whole new exercise on the real window: drawing, labels, sum boxes, carries and the
// cleared sum row, with the most addends and decimals.
static void NewExerciseOnWindow(benchmark::State& state) {
    TForm1 form;
    form.show();
    form.activateWindow();
    if (!QTest::qWaitForWindowActive(&form)) {
        state.SkipWithError("the window did not become active");
        return;
    }
    form.MaxArtikels->setText(QStringLiteral("12"));
    form.Komma->setChecked(true);
    for (auto _ : state) {
        form.NewExercise();
    }
}
BENCHMARK(NewExerciseOnWindow)->Unit(benchmark::kMicrosecond);
