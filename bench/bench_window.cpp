#include "app/form.h"

#include <QKeyEvent>
#include <QTest>

#include <benchmark/benchmark.h>

// A whole new exercise on the real window: drawing, labels, sum boxes, carries and the
// cleared sum row, with the most addends and decimals. Each one is asked for as the pupil
// asks, by Enter in the number of addends, which restarts the series as well.
static void NewExerciseOnWindow(benchmark::State& state) {
    TForm1 form;
    form.show();
    form.activateWindow();
    if (!QTest::qWaitForWindowActive(&form)) {
        state.SkipWithError("the window did not become active");
        return;
    }
    const Controls& ui = form.Ui();
    ui.Komma->click();
    ui.MaxArtikels->setText(QStringLiteral("12"));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    for (auto _ : state) {
        QCoreApplication::sendEvent(ui.MaxArtikels, &enter);
    }
    if (!form.CurrentLesson().Exercise().Lines[1].AmountText.size()) {
        state.SkipWithError("no exercise of twelve addends was drawn");
    }
}
BENCHMARK(NewExerciseOnWindow)->Unit(benchmark::kMicrosecond);
