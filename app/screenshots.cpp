// Writes pictures of the real window, drawn offscreen, for people to look at: the start
// state, the information panel open, a receipt to pay from the wallet, and the wallet; with
// a school's preset that puts the pupil on a ladder, also the second level as it comes; with
// a preset that asks for Uitleg, also a wrong sum checked twice, its column marked and why.
//
//   quorvel-screenshots [DIR] [--seed N]
//
// With a seed every run draws the same exercises and wallet, so the pictures of two
// builds can be compared pixel for pixel.

#include "answer/diagnosis.h"
#include "app/form.h"
#include "app/language.h"
#include "app/look.h"

#include <QApplication>
#include <QDir>
#include <QStyleHints>
#include <QTest>

#include <cstdio>
#include <random>

namespace {

// Draws from one fixed seed, whatever the program asks to reseed.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(unsigned long long seed) : engine_(seed) {}
    void Reseed() override {}
    int rnd(int n) override {
        return n <= 1 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(engine_);
    }

private:
    std::mt19937_64 engine_;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // In the language the program would speak here (LANGUAGE=fr: the French window).
    language::InstallTranslations();
    look::SetUpApplication();
    // A steady caret: a blinking one would be caught lit or dark by how long the window took
    // to come up, and the system's blink rate would reach the pictures.
    QGuiApplication::styleHints()->setCursorFlashTime(0);
    QString dir = QStringLiteral(".");
    std::unique_ptr<RandomSource> seeded;
    const QStringList args = QCoreApplication::arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--seed") && i + 1 < args.size()) {
            seeded = std::make_unique<SeededRandom>(args[++i].toULongLong());
        } else {
            dir = args[i];
        }
    }
    QDir().mkpath(dir);

    TForm1 form;
    if (seeded) {
        form.SetRandomSource(std::move(seeded));
    }
    form.show();
    form.activateWindow();
    if (!QTest::qWaitForWindowActive(&form)) {
        std::fprintf(stderr, "quorvel-screenshots: the window did not become active\n");
        return 1;
    }
    auto save = [&](const char* name) {
        QApplication::processEvents();
        const QString path = dir + QLatin1Char('/') + QLatin1String(name);
        if (!form.grab().save(path)) {
            std::fprintf(stderr, "quorvel-screenshots: cannot write %s\n", qPrintable(path));
            return false;
        }
        std::printf("%s\n", qPrintable(path));
        return true;
    };
    // Everything is done as a user does it, with clicks and keys on the window.
    const Controls& ui = form.Ui();
    auto click = [&](const QWidget* w) {
        QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {},
                          w->mapTo(&form, w->rect().center()));
    };
    bool ok = save("start.png");
    // Where the school's preset puts the pupil on a ladder: eight exercises answered right,
    // and the next level as it comes.
    if (form.CurrentLesson().CurrentLadder() != nullptr) {
        for (int i = 0; i < 8; ++i) {
            const ExerciseState& ex = form.CurrentLesson().Exercise();
            for (std::size_t k = 1; k <= 14 && ex.ExpectedChar[k] != ' '; ++k) {
                QTest::keyClick(form.windowHandle(), ex.ExpectedChar[k]);
            }
            click(ui.Kontroleer);
            click(ui.VolgendeOefening);
        }
        ok = save("ladder.png") && ok;
    }
    // With Uitleg: the exercise on screen with a carry left out (any column of it, where it
    // has one; else its units one too many), checked twice, and "show me": the column
    // marked, the help box saying where, why and how. The row is cleared again for the
    // pictures after it.
    if (form.CurrentLesson().Settings().Explain) {
        const Lesson& lesson = form.CurrentLesson();
        const AddendSettings& s = lesson.Settings().Addends;
        const RowKind kind = s.Decimal ? RowKind::Decimal : RowKind::Classic;
        const std::vector<std::string> mistaken =
            MistakenRows(lesson.Exercise(), s.N, kind, Mistake::CarryNotAdded);
        std::string row = RightRow(lesson.Exercise(), kind);
        if (!mistaken.empty()) {
            row = mistaken.front();
        } else {
            row.back() = row.back() == '9' ? '0' : static_cast<char>(row.back() + 1);
        }
        for (auto c = row.rbegin(); c != row.rend(); ++c) {
            QTest::keyClick(form.windowHandle(), *c);
        }
        click(ui.Kontroleer);
        click(ui.Kontroleer);
        click(ui.ToonMij);
        ok = save("uitleg.png") && ok;
        QTest::keyClick(form.windowHandle(), Qt::Key_F7);
    }
    click(ui.Image1);
    ok = save("info.png") && ok;
    click(ui.OKKnop);

    // A receipt of six lines, paid from the wallet, with the helps on.
    click(ui.MaxArtikels);
    QTest::keyClick(form.windowHandle(), '6');
    QTest::keyClick(form.windowHandle(), Qt::Key_Return);
    for (const QCheckBox* box : {ui.Kasticket, ui.Geldbeugel, ui.Hulpjes}) {
        click(box);
    }
    ok = save("receipt.png") && ok;
    click(ui.Geld);
    ok = save("wallet.png") && ok;
    return ok ? 0 : 1;
}
