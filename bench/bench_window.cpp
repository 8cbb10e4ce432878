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
    // Decimals and twelve addends, chosen on the settings bar: a click on the box, and a
    // click into the field, which empties it, and the number typed.
    const Controls& ui = form.Ui();
    QTest::mouseClick(ui.Komma, Qt::LeftButton, {}, ui.Komma->rect().center());
    QTest::mouseClick(ui.MaxArtikels, Qt::LeftButton, {}, ui.MaxArtikels->rect().center());
    QTest::keyClicks(ui.MaxArtikels, QStringLiteral("12"));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    for (auto _ : state) {
        QCoreApplication::sendEvent(ui.MaxArtikels, &enter);
    }
    if (!form.CurrentLesson().Exercise().Lines[1].AmountText.size()) {
        state.SkipWithError("no exercise of twelve addends was drawn");
    }
}
BENCHMARK(NewExerciseOnWindow)->Unit(benchmark::kMicrosecond);
