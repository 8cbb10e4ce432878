// The cost of one typed digit in the sum row of the real window, shown offscreen: the
// change rule, the focus moving one box to the left and the carry label following it.

#include "app/form.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTest>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Every draw the largest: 100 + 100, a sum of three boxes.
class LargestDraws final : public RandomSource {
public:
    void Reseed() override {}
    int rnd(int n) override { return n - 1; }
};

// The window, shown and active, with the helps on so that the carry label moves too.
std::unique_ptr<TForm1> ShownWindow() {
    auto form = std::make_unique<TForm1>();
    form->SetRandomSource(std::make_unique<LargestDraws>());
    form->show();
    form->activateWindow();
    QElapsedTimer waited;
    waited.start();
    while (!form->isActiveWindow() && waited.elapsed() < 5000) {
        QApplication::processEvents();
    }
    QCheckBox* helps = form->Ui().Hulpjes;
    QTest::mouseClick(helps, Qt::LeftButton, {}, helps->rect().center()); // a new exercise too
    QApplication::processEvents();
    return form;
}

// Presses and releases a key on whatever has the focus, as the keyboard would.
void SendKey(int key, const QString& text = QString()) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(QApplication::focusWidget(), &press);
    QApplication::sendEvent(QApplication::focusWidget(), &release);
}

// Types `digit` into whatever has the focus.
void TypeDigit(char digit) {
    SendKey(Qt::Key_0 + (digit - '0'), QString(QLatin1Char(digit)));
}

// One digit into the units box, which moves the focus and the carry label to the tens.
// With `paint`, the repaint that the keystroke causes is counted too.
void TypeOneDigit(benchmark::State& state, bool paint) {
    auto form = ShownWindow();
    char digit = '0';
    TypeDigit(digit); // the focus moves on to the tens box
    for (auto _ : state) {
        state.PauseTiming();
        SendKey(Qt::Key_Right); // back to the units box, its digit selected
        QApplication::processEvents();
        digit = digit == '9' ? '0' : static_cast<char>(digit + 1);
        state.ResumeTiming();

        TypeDigit(digit);
        if (paint) {
            QApplication::processEvents();
        }
    }
    if (!form->Ui().Tot[2]->hasFocus() ||
        form->Ui().Tot[1]->text() != QString(QLatin1Char(digit))) {
        state.SkipWithError("the digit did not land in the units box");
    }
}

void TypeOneDigitHandlersOnly(benchmark::State& state) {
    TypeOneDigit(state, false);
}
BENCHMARK(TypeOneDigitHandlersOnly);

void TypeOneDigitAndRepaint(benchmark::State& state) {
    TypeOneDigit(state, true);
}
BENCHMARK(TypeOneDigitAndRepaint);

} // namespace
