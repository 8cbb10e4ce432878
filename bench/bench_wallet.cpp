// The wallet on the real window, shown offscreen and driven by clicks as a pupil drives
// it: opening it (dealing the pieces, showing and drawing their pictures) and taking one
// piece out. Controls are found by their objectName, so nothing here depends on how the
// window keeps them.
//
// The first opening in a process is a case of its own: it is when pictures not needed
// at start would be decoded and scaled for the first time, and a process does that once.
// WalletFirstOpening therefore times a single opening and means something only in a
// process that made no window before; `make bench` runs it alone in a process of its
// own before the other benchmarks (--benchmark_filter=WalletFirstOpening). Its counters
// window_ms and window_cpu_ms are the time (wall clock and processor) that process took
// to make and show the window, so that work moved from start-up to the first opening
// shows in one of the two.

#include "app/form.h"
#include "engine/random.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <benchmark/benchmark.h>

#include <ctime>
#include <memory>
#include <random>

namespace {

// The same draws in every run, so every run deals the same wallets.
class SeededRandom final : public RandomSource {
public:
    void Reseed() override {}
    int rnd(int n) override { return std::uniform_int_distribution<int>(0, n - 1)(engine_); }

private:
    std::mt19937 engine_{20261210};
};

template <typename T = QWidget> T* Control(QWidget* form, const char* name) {
    T* w = form->findChild<T*>(QLatin1String(name));
    if (w == nullptr) {
        qFatal("no control named %s", name);
    }
    return w;
}

void Click(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
    // The event loop's next turn draws what the click changed.
    QApplication::processEvents();
}

// The window, shown and active, paying a receipt from the wallet; the wallet is closed.
std::unique_ptr<TForm1> WindowWithWallet() {
    auto form = std::make_unique<TForm1>();
    form->SetRandomSource(std::make_unique<SeededRandom>());
    form->show();
    form->activateWindow();
    if (!QTest::qWaitForWindowActive(form.get())) {
        qFatal("the window did not become active");
    }
    Click(Control(form.get(), "Kasticket"));
    Click(Control(form.get(), "Geldbeugel"));
    // The pupil's hand moving from the wallet option to the purse: the window uses such a
    // pause to make the wallet's pictures ready.
    QTest::qWait(300);
    return form;
}

// The pieces still in the open wallet, largest first.
QList<QWidget*> PiecesShown(QWidget* wallet) {
    static const QRegularExpression pieceName(QStringLiteral("^(Briefje|Stuk).*n\\d+$"));
    QList<QWidget*> shown;
    for (QWidget* w : wallet->findChildren<QWidget*>(pieceName)) {
        if (w->isVisible()) {
            shown.append(w);
        }
    }
    return shown;
}

// One opening, the first in this process (see above).
void WalletFirstOpening(benchmark::State& state) {
    QElapsedTimer made;
    made.start();
    const std::clock_t cpu = std::clock();
    auto form = WindowWithWallet();
    state.counters["window_ms"] = static_cast<double>(made.nsecsElapsed()) / 1e6;
    state.counters["window_cpu_ms"] =
        static_cast<double>(std::clock() - cpu) * 1000.0 / CLOCKS_PER_SEC;
    QWidget* purse = Control(form.get(), "Geld");
    for (auto _ : state) {
        Click(purse);
    }
    if (!Control(form.get(), "Portemonnee")->isVisible()) {
        state.SkipWithError("the wallet did not open");
    }
}
BENCHMARK(WalletFirstOpening)->Iterations(1)->Unit(benchmark::kMillisecond);

// Opening the wallet once it has been open before in this process; closing it again is
// not counted.
void WalletOpening(benchmark::State& state) {
    auto form = WindowWithWallet();
    QWidget* purse = Control(form.get(), "Geld");
    QWidget* close = Control(form.get(), "PortemonneeSluiten");
    Click(purse);
    Click(close);
    for (auto _ : state) {
        Click(purse);
        state.PauseTiming();
        Click(close);
        state.ResumeTiming();
    }
}
BENCHMARK(WalletOpening)->Unit(benchmark::kMicrosecond);

// Taking one piece out of the open wallet: the picture goes, the count of what is paid
// grows. A new wallet is dealt, uncounted, whenever the pieces run out.
void WalletTakePiece(benchmark::State& state) {
    auto form = WindowWithWallet();
    QWidget* wallet = Control(form.get(), "Portemonnee");
    QWidget* renew = Control(form.get(), "PortemonneeReset");
    Click(Control(form.get(), "Geld"));
    for (auto _ : state) {
        state.PauseTiming();
        QList<QWidget*> pieces = PiecesShown(wallet);
        if (pieces.isEmpty()) {
            Click(renew);
            pieces = PiecesShown(wallet);
        }
        state.ResumeTiming();
        Click(pieces.constLast());
    }
}
BENCHMARK(WalletTakePiece)->Unit(benchmark::kMicrosecond);

} // namespace
