// A monkey on the real window: seeded random keys, clicks, double clicks, drags, drops,
// pastes, input-method commits and timer ticks on a scripted clock, with the window's
// invariants checked after every event.
//
//   SOAK_EVENTS  number of events (default 1000000)
//   SOAK_SEED    seed of the events and of the exercises (default: from the clock)
//   SOAK_REPLAY  a log written by a failed run: its events are played instead
//   SOAK_TRACE_FROM    prints every event from this one on, and where the focus went
//   SOAK_MAX_EVENT_MS  the longest an event may take (default 1000 in a Release build,
//                      10000 in a Debug or sanitizer build)
//
// A failure prints the seed, the event, the broken invariant and the last events, and
// writes every event of the run to soak-failure-<seed>.log, which SOAK_REPLAY plays back.

#include "app/form.h"
#include "app/look.h"
#include "app/presets.h"
#include "engine/amount.h"
#include "engine/setting_field.h"
#include "support/input_routes.h"
#include "support/scripted_clock.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QTest>
#include <QTextStream>
#include <QTimerEvent>
#include <QUrl>

#include <algorithm>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#define QUORVEL_SOAK_SANITIZED 1
#endif

namespace {

// The exercises' draws, from the soak's seed.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed) : engine_(seed) {}
    void Reseed() override {}
    int rnd(int n) override { return std::uniform_int_distribution<int>(0, n - 1)(engine_); }

private:
    std::mt19937_64 engine_;
};

QString Encode(const QString& text) {
    return QString::fromLatin1(QUrl::toPercentEncoding(text));
}

QString Decode(const QString& text) {
    return QUrl::fromPercentEncoding(text.toLatin1());
}

// Every event of the run, in the order played, for the failure log.
std::vector<QString> g_log;
std::uint64_t g_seed = 0;
// The school's presets the window started from (XDG_CONFIG_DIRS), read as it reads them.
Presets g_presets;

void WriteLog() {
    const QString name = QStringLiteral("soak-failure-%1.log").arg(g_seed);
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        std::fprintf(stderr, "soak: cannot write %s\n", qPrintable(name));
        return;
    }
    QTextStream out(&file);
    out << "# seed " << g_seed << "\n";
    for (const QString& line : g_log) {
        out << line << "\n";
    }
    const QString path = QFileInfo(name).absoluteFilePath();
    std::fprintf(stderr, "soak: all %zu events written to %s; replay with SOAK_REPLAY=%s\n",
                 g_log.size(), qPrintable(path), qPrintable(path));
}

void PrintTail() {
    std::fprintf(stderr, "soak: seed %llu, the last events (of %zu):\n",
                 static_cast<unsigned long long>(g_seed), g_log.size());
    const std::size_t from = g_log.size() > 30 ? g_log.size() - 30 : 0;
    for (std::size_t i = from; i < g_log.size(); ++i) {
        std::fprintf(stderr, "  %zu: %s\n", i + 1, qPrintable(g_log[i]));
    }
}

#ifdef QUORVEL_SOAK_SANITIZED
void OnSanitizerDeath() {
    std::fprintf(stderr, "soak: the sanitizer stopped the run\n");
    PrintTail();
    WriteLog();
}
#endif

class Monkey {
public:
    Monkey(std::uint64_t seed, TForm1* form, ScriptedClock* clock)
        : rng_(seed ^ 0x5eedULL), form_(form), clock_(clock), ui_(form->Ui()) {
        for (QWidget* w : form->findChildren<QWidget*>()) {
            const QString name = w->objectName();
            if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_")) && w->window() == form) {
                controls_.push_back(w);
            }
        }
        std::sort(controls_.begin(), controls_.end(),
                  [](QWidget* a, QWidget* b) { return a->objectName() < b->objectName(); });
    }

    // A new random event, as a line of the log.
    QString Next() {
        if (held_ != Qt::NoButton && Chance(30)) {
            return QStringLiteral("release %1 %2").arg(Point()).arg(ButtonName(held_));
        }
        const int kind = Pick(100);
        if (kind < 4) {
            return QStringLiteral("type %1").arg(Encode(RightSum()));
        }
        if (kind < 6) {
            return QStringLiteral("answer");
        }
        if (kind < 12) {
            static const char* fields[] = {"MaxArtikels", "MaxGetal", "TimerMinuten"};
            static const char* values[] = {"1", "1", "2", "3", "5", "12", "13", "0", "x", "100"};
            return QStringLiteral("setting %1 %2")
                .arg(QLatin1String(fields[Pick(3)]), QLatin1String(values[Pick(10)]));
        }
        if (kind < 34) {
            return KeyEvent();
        }
        if (kind < 58) {
            return QStringLiteral("click %1 %2").arg(Point(), RandomButton());
        }
        if (kind < 62) {
            return QStringLiteral("dclick %1 %2").arg(Point(), RandomButton());
        }
        if (kind < 65 && held_ == Qt::NoButton) {
            return QStringLiteral("press %1 %2").arg(Point(), RandomButton());
        }
        if (kind < 68) {
            return QStringLiteral("drag %1 %2").arg(Point(), Point());
        }
        if (kind < 71) {
            return QStringLiteral("move %1").arg(Point());
        }
        if (kind < 76) {
            return QStringLiteral("drop %1 %2").arg(Point(), Encode(Text()));
        }
        if (kind < 80) {
            static const char* entries[] = {"Paste", "Paste", "Paste",  "Undo",
                                            "Redo",  "Cut",   "Delete", "Select All"};
            return QStringLiteral("menu %1 %2 %3")
                .arg(Point(), Encode(Text()), QLatin1String(entries[Pick(8)]));
        }
        if (kind < 83) {
            return QStringLiteral("clip %1").arg(Encode(Text()));
        }
        if (kind < 87) {
            return QStringLiteral("ime %1 %2")
                .arg(Encode(Text()), Encode(Chance(20) ? Text() : QString()));
        }
        static const int steps[] = {1000, 1000, 1000, 5000, 20000, 61000};
        return QStringLiteral("tick %1").arg(steps[Pick(6)]);
    }

    // Plays one event; false when the line is not one.
    bool Play(const QString& line) {
        const QStringList p = line.split(QLatin1Char(' '));
        const QString& what = p.value(0);
        QWindow* window = form_->windowHandle();
        menuEntry_.clear();
        if (what == QLatin1String("key") && p.size() == 3) {
            QTest::keyClick(window, static_cast<Qt::Key>(p[1].toInt()),
                            Qt::KeyboardModifiers(p[2].toInt()));
        } else if ((what == QLatin1String("click") || what == QLatin1String("dclick") ||
                    what == QLatin1String("press") || what == QLatin1String("release")) &&
                   p.size() == 4) {
            const QPoint at(p[1].toInt(), p[2].toInt());
            const Qt::MouseButton button = ButtonOf(p[3]);
            if (what == QLatin1String("click")) {
                QTest::mouseClick(window, button, {}, at);
            } else if (what == QLatin1String("dclick")) {
                QTest::mouseDClick(window, button, {}, at);
            } else if (what == QLatin1String("press")) {
                QTest::mousePress(window, button, {}, at);
                held_ = button;
            } else {
                QTest::mouseRelease(window, button, {}, at);
                held_ = Qt::NoButton;
            }
        } else if (what == QLatin1String("drag") && p.size() == 5) {
            const QPoint from(p[1].toInt(), p[2].toInt());
            const QPoint to(p[3].toInt(), p[4].toInt());
            QTest::mousePress(window, Qt::LeftButton, {}, from);
            QTest::mouseMove(window, (from + to) / 2);
            QTest::mouseMove(window, to);
            QTest::mouseRelease(window, Qt::LeftButton, {}, to);
        } else if (what == QLatin1String("move") && p.size() == 3) {
            QTest::mouseMove(window, QPoint(p[1].toInt(), p[2].toInt()));
        } else if (what == QLatin1String("drop") && p.size() == 4) {
            DropText(form_, QPoint(p[1].toInt(), p[2].toInt()), Decode(p[3]));
        } else if (what == QLatin1String("menu") && p.size() >= 5) {
            QGuiApplication::clipboard()->setText(Decode(p[3]));
            menuEntry_ = p.mid(4).join(QLatin1Char(' '));
            PickFromContextMenu(form_, QPoint(p[1].toInt(), p[2].toInt()), menuEntry_);
        } else if (what == QLatin1String("type") && p.size() == 2) {
            for (QChar c : Decode(p[1])) {
                QTest::keyClick(window, c.toLatin1());
            }
        } else if (what == QLatin1String("answer") && p.size() == 1) {
            // The right sum typed, CONTROLEER and VOLGENDE OEFENING clicked.
            for (QChar c : RightSum()) {
                QTest::keyClick(window, c.toLatin1());
            }
            for (const QWidget* button : {static_cast<const QWidget*>(ui_.Kontroleer),
                                          static_cast<const QWidget*>(ui_.VolgendeOefening)}) {
                QTest::mouseClick(window, Qt::LeftButton, {},
                                  button->mapTo(form_, button->rect().center()));
            }
        } else if (what == QLatin1String("setting") && p.size() == 3) {
            const auto* field = form_->findChild<QWidget*>(p[1]);
            if (field == nullptr) {
                return false;
            }
            QTest::mouseClick(window, Qt::LeftButton, {},
                              field->mapTo(form_, field->rect().center()));
            for (QChar c : p[2]) {
                QTest::keyClick(window, c.toLatin1());
            }
            QTest::keyClick(window, Qt::Key_Return);
        } else if (what == QLatin1String("clip") && p.size() == 2) {
            QGuiApplication::clipboard()->setText(Decode(p[1]));
        } else if (what == QLatin1String("ime") && p.size() == 3) {
            CommitThroughInputMethod(Decode(p[1]), Decode(p[2]));
        } else if (what == QLatin1String("tick") && p.size() == 2) {
            clock_->Now += std::chrono::milliseconds(p[1].toInt());
            if (ui_.Timer1->isActive()) {
                QTimerEvent tick(ui_.Timer1->timerId());
                QCoreApplication::sendEvent(ui_.Timer1, &tick);
            }
        } else {
            return false;
        }
        CloseWhatBlocks();
        QCoreApplication::processEvents();
        CloseWhatBlocks();
        // The offscreen platform leaves a closed menu or message box the active window; on
        // a screen the pupil's next click makes the window active again.
        if (!form_->isActiveWindow()) {
            form_->activateWindow();
            QCoreApplication::processEvents();
        }
        return true;
    }

    // Closes a message box or a menu left open, as the pupil would: OK, or Escape.
    void CloseWhatBlocks() {
        for (int guard = 0; guard < 10; ++guard) {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                PickFromOpenMenu(menuEntry_);
                menuEntry_.clear();
                if (QApplication::activePopupWidget() == popup) {
                    ++stubbornPopups_;
                    popup->close(); // a menu that takes no key yet
                }
            } else if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                ++messageBoxes_;
                QTest::keyClick(box, Qt::Key_Return);
            } else if (QWidget* modal = QApplication::activeModalWidget()) {
                modal->close();
            } else {
                return;
            }
        }
    }

    int MessageBoxes() const { return messageBoxes_; }
    int StubbornPopups() const { return stubbornPopups_; }

private:
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    bool Chance(int percent) { return Pick(100) < percent; }

    // The right sum of the exercise on screen, units first, as the pupil types it.
    QString RightSum() const {
        const ExerciseState& ex = form_->CurrentLesson().Exercise();
        QString keys;
        for (int n = 1; n <= 14 && ex.ExpectedChar[n] != ' '; ++n) {
            keys += QLatin1Char(ex.ExpectedChar[n]);
        }
        return keys;
    }

    // Mostly on a control (hidden ones too: the click lands on whatever lies there), half
    // of those on the buttons and fields that move the lesson on, sometimes anywhere in the
    // window.
    QString Point() {
        QPoint at;
        if (Chance(80)) {
            static const char* main[] = {"Kontroleer",
                                         "VolgendeOefening",
                                         "Startknop",
                                         "OKKnop1",
                                         "Geld",
                                         "PortemonneeSluiten",
                                         "PortemonneeReset",
                                         "Tot1",
                                         "Teruggave",
                                         "MaxArtikels",
                                         "MaxGetal",
                                         "TimerMinuten",
                                         "Komma",
                                         "Kasticket",
                                         "Geldbeugel",
                                         "Eenvoudig",
                                         "Hulpjes",
                                         "Wis1",
                                         "Wis2",
                                         "Image1",
                                         "OKKnop"};
            const QWidget* w =
                Chance(50)
                    ? form_->findChild<QWidget*>(QLatin1String(main[Pick(int(std::size(main)))]))
                    : controls_[static_cast<std::size_t>(Pick(int(controls_.size())))];
            const QRect r(w->mapTo(form_, QPoint(0, 0)), w->size());
            at = QPoint(r.left() + Pick(std::max(1, r.width())),
                        r.top() + Pick(std::max(1, r.height())));
        } else {
            at = QPoint(Pick(form_->width()), Pick(form_->height()));
        }
        return QStringLiteral("%1 %2").arg(at.x()).arg(at.y());
    }

    QString RandomButton() {
        const int b = Pick(10);
        return ButtonName(b < 7 ? Qt::LeftButton : b < 9 ? Qt::RightButton : Qt::MiddleButton);
    }

    static QString ButtonName(Qt::MouseButton b) {
        return b == Qt::RightButton    ? QStringLiteral("R")
               : b == Qt::MiddleButton ? QStringLiteral("M")
                                       : QStringLiteral("L");
    }

    static Qt::MouseButton ButtonOf(const QString& name) {
        return name == QLatin1String("R")   ? Qt::RightButton
               : name == QLatin1String("M") ? Qt::MiddleButton
                                            : Qt::LeftButton;
    }

    QString Text() {
        static const char* texts[] = {"5", "25", "7",  "0",   "12",  "x",      "-3",  ",",
                                      ".", "54", "",   " 7 ", "1e3", "999999", "2,5", "13",
                                      "1", "3",  "ab", "\t4", "100", "-1",     "4 2"};
        return QString::fromLatin1(texts[Pick(int(std::size(texts)))]);
    }

    QString KeyEvent() {
        static const Qt::Key keys[] = {
            Qt::Key_0, Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5, Qt::Key_6, Qt::Key_7,
            Qt::Key_8, Qt::Key_9, Qt::Key_0, Qt::Key_1, Qt::Key_5, Qt::Key_9, Qt::Key_Period,
            Qt::Key_Comma, Qt::Key_Minus, Qt::Key_A, Qt::Key_E, Qt::Key_X, Qt::Key_V, Qt::Key_Z,
            Qt::Key_Space, Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape,
            Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left,
            Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End, Qt::Key_Return,
            Qt::Key_Escape, Qt::Key_Backspace,
            // The keyboard paths of the mouse's actions, and the letters their Alt keys use.
            Qt::Key_F1, Qt::Key_F2, Qt::Key_F3, Qt::Key_F4, Qt::Key_F5, Qt::Key_F6, Qt::Key_F7,
            Qt::Key_F8, Qt::Key_F9, Qt::Key_F10, Qt::Key_F11, Qt::Key_G, Qt::Key_T, Qt::Key_O,
            Qt::Key_K, Qt::Key_P, Qt::Key_H, Qt::Key_M};
        const Qt::Key key = keys[Pick(int(std::size(keys)))];
        int modifiers = 0;
        const int m = Pick(20);
        if (m == 0) {
            modifiers = Qt::ShiftModifier;
        } else if (m <= 3) {
            modifiers = Qt::ControlModifier; // Ctrl+V pastes, Ctrl+Z undoes, Ctrl+A selects
        } else if (m == 4) {
            modifiers = Qt::AltModifier;
        }
        return QStringLiteral("key %1 %2").arg(int(key)).arg(modifiers);
    }

    std::mt19937_64 rng_;
    TForm1* form_;
    ScriptedClock* clock_;
    const Controls& ui_;
    std::vector<QWidget*> controls_;
    Qt::MouseButton held_ = Qt::NoButton;
    QString menuEntry_;
    int messageBoxes_ = 0;
    int stubbornPopups_ = 0;
};

QString Describe(const QWidget* w) {
    return w ? QStringLiteral("%1 (%2)").arg(w->objectName(), w->metaObject()->className())
             : QStringLiteral("none");
}

// What must hold after every event; the first broken invariant, or an empty text.
QString BrokenInvariant(const TForm1& form) {
    const Controls& ui = form.Ui();
    const Lesson& lesson = form.CurrentLesson();

    if (form.size() != QSize(922, 842)) {
        return QStringLiteral("the window is %1 x %2").arg(form.width()).arg(form.height());
    }

    for (const QWidget* focus : {QApplication::focusWidget(), form.focusWidget()}) {
        if (focus != nullptr && focus != &form && (!focus->isVisible() || !focus->isEnabled())) {
            return QStringLiteral("the focus is on %1, %2")
                .arg(Describe(focus),
                     focus->isVisible() ? QStringLiteral("disabled") : QStringLiteral("hidden"));
        }
    }

    const int points = lesson.Points();
    const int number = lesson.ExerciseNumber();
    if (points < 0 || points >= number) {
        return QStringLiteral("%1 points at exercise %2").arg(points).arg(number);
    }
    if (ui.Label6->text() != QString::number(points) ||
        ui.Label8->text() != QString::number(number) ||
        ui.Reeksteller->text() != QString::number(number)) {
        return QStringLiteral("the counters show %1 of %2, exercise %3; the lesson has %4 of %5")
            .arg(ui.Label6->text(), ui.Label8->text(), ui.Reeksteller->text())
            .arg(points)
            .arg(number);
    }
    if (ui.Panel3->isVisible()) {
        const SeriesResultTexts results = lesson.Results();
        if (ui.Label48->text() != QString::fromStdString(results.Points) ||
            ui.Label49->text() != QString::fromStdString(results.Made)) {
            return QStringLiteral("the results show %1 of %2; the counters give %3 of %4")
                .arg(ui.Label48->text(), ui.Label49->text(), QString::fromStdString(results.Points),
                     QString::fromStdString(results.Made));
        }
    }

    for (int n = 2; n <= 14; ++n) {
        if (ui.Tot[n]->text().size() > 1) {
            return QStringLiteral("Tot%1 holds \"%2\"").arg(n).arg(ui.Tot[n]->text());
        }
    }

    const ExerciseState& ex = lesson.Exercise();
    const int top = lesson.FirstLineInUse();
    Amount shown = 0;
    for (int r = 1; r <= 12; ++r) {
        if (ui.Prijs[r]->isHidden() != (r < top)) {
            return QStringLiteral("Prijs%1 is %2 with the exercise starting at line %3")
                .arg(r)
                .arg(ui.Prijs[r]->isHidden() ? QStringLiteral("hidden") : QStringLiteral("shown"))
                .arg(top);
        }
        if (r >= top) {
            const std::optional<Amount> value = ReadNumber(ui.Prijs[r]->text().toStdString());
            if (!value) {
                return QStringLiteral("Prijs%1 shows \"%2\"").arg(r).arg(ui.Prijs[r]->text());
            }
            shown += *value;
        }
    }
    if (shown != ex.Total) {
        return QStringLiteral("the addends on screen add up to %1, the judged total is %2")
            .arg(QString::fromStdString(FormatPlain(shown)),
                 QString::fromStdString(FormatPlain(ex.Total)));
    }
    for (int k = 1; k <= 14; ++k) {
        if (ui.Tot[k]->isHidden() != (ex.ExpectedChar[k] == ' ')) {
            return QStringLiteral("Tot%1 is %2 for the total %3")
                .arg(k)
                .arg(ui.Tot[k]->isHidden() ? QStringLiteral("hidden") : QStringLiteral("shown"))
                .arg(QString::fromStdString(FormatPlain(ex.Total)));
        }
    }

    const std::pair<const EditBox*, SettingKind> fields[] = {
        {ui.MaxArtikels, SettingKind::Addends},
        {ui.MaxGetal, SettingKind::LargestAddend},
        {ui.TimerMinuten, SettingKind::Minutes}};
    for (const auto& [field, kind] : fields) {
        if (field->hasFocus()) {
            continue; // in the pupil's hands; judged when left
        }
        // Accepts refuses blanks around a number, so a text left untrimmed fails here too.
        if (!SettingField(kind, {}).Accepts(field->text().toStdString())) {
            return QStringLiteral("%1 holds \"%2\", which its rules refuse")
                .arg(field->objectName(), field->text());
        }
    }
    // A setting the school has locked never changes: its control stays greyed out with
    // the preset value (or the default), and the exercise is drawn from that value.
    const LessonSettings& drawn = lesson.Settings();
    const auto mark = [](PresetKey key) {
        return g_presets.Mark(key).value_or(false);
    };
    for (int k = 0; k < PresetKeyCount; ++k) {
        const auto key = static_cast<PresetKey>(k);
        if (!g_presets.IsLocked(key)) {
            continue;
        }
        const QString name = QString::fromLatin1(PresetKeyName(key).data(),
                                                 static_cast<qsizetype>(PresetKeyName(key).size()));
        const QWidget* control = nullptr;
        bool kept = true;
        switch (key) {
        case PresetKey::Aantal:
            control = ui.MaxArtikels;
            kept = ui.MaxArtikels->text() ==
                       QString::fromStdString(g_presets.Value(key).value_or("2")) &&
                   drawn.Addends.N == ui.MaxArtikels->text().toInt();
            break;
        case PresetKey::MaxGetal:
            control = ui.MaxGetal;
            kept = ui.MaxGetal->text() ==
                       QString::fromStdString(g_presets.Value(key).value_or("100")) &&
                   drawn.Addends.MaxValue == ui.MaxGetal->text().toInt();
            break;
        case PresetKey::TimerMinuten:
            control = ui.TimerMinuten;
            kept = ui.TimerMinuten->text() ==
                       QString::fromStdString(g_presets.Value(key).value_or("0")) &&
                   drawn.Minutes == ui.TimerMinuten->text().toInt();
            break;
        case PresetKey::Komma:
            control = ui.Komma;
            kept = ui.Komma->isChecked() == mark(key) && drawn.Addends.Decimal == mark(key);
            break;
        case PresetKey::Kasticket:
            control = ui.Kasticket;
            kept = ui.Kasticket->isChecked() == mark(key) && drawn.Addends.Receipt == mark(key);
            break;
        case PresetKey::Portemonnee:
            control = ui.Geldbeugel;
            kept = ui.Geldbeugel->isChecked() == mark(key) && drawn.PayFromWallet == mark(key);
            break;
        case PresetKey::Hulpjes:
            control = ui.Hulpjes;
            kept = ui.Hulpjes->isChecked() == mark(key) && drawn.Helps == mark(key);
            break;
        case PresetKey::Maximum100:
            control = ui.Eenvoudig;
            kept = ui.Eenvoudig->isChecked() == mark(key);
            break;
        }
        if (control->isEnabled()) {
            return QStringLiteral("the locked setting %1 can be changed").arg(name);
        }
        if (!kept) {
            return QStringLiteral("the locked setting %1 has changed").arg(name);
        }
    }
    return {};
}

std::uint64_t SeedFromEnvironment() {
    bool ok = false;
    const qulonglong seed = qEnvironmentVariable("SOAK_SEED").toULongLong(&ok);
    if (ok) {
        return seed;
    }
    return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count() %
                                      1000000007LL);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    look::SetUpApplication();

    const QString replayFile = qEnvironmentVariable("SOAK_REPLAY");
    std::deque<QString> replay;
    g_seed = SeedFromEnvironment();
    if (!replayFile.isEmpty()) {
        QFile file(replayFile);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            std::fprintf(stderr, "soak: cannot read %s\n", qPrintable(replayFile));
            return 2;
        }
        QTextStream in(&file);
        while (!in.atEnd()) {
            const QString line = in.readLine();
            if (line.startsWith(QLatin1String("# seed "))) {
                g_seed = line.mid(7).toULongLong();
            } else if (!line.isEmpty() && !line.startsWith(QLatin1Char('#'))) {
                replay.push_back(line);
            }
        }
    }
    bool ok = false;
    long long events = qEnvironmentVariable("SOAK_EVENTS").toLongLong(&ok);
    if (!ok || events < 0) {
        events = 1000000;
    }
    if (!replayFile.isEmpty()) {
        events = static_cast<long long>(replay.size());
    }
#if defined(NDEBUG) && !defined(QUORVEL_SOAK_SANITIZED)
    const qint64 defaultLimit = 1000;
#else
    const qint64 defaultLimit = 10000;
#endif
    const qint64 limitMs = !qEnvironmentVariableIsEmpty("SOAK_MAX_EVENT_MS")
                               ? qEnvironmentVariable("SOAK_MAX_EVENT_MS").toLongLong()
                               : defaultLimit;

    // SOAK_TRACE_FROM=n prints every event from the n-th on, with where the focus is.
    const long long traceFrom = !qEnvironmentVariableIsEmpty("SOAK_TRACE_FROM")
                                    ? qEnvironmentVariable("SOAK_TRACE_FROM").toLongLong()
                                    : std::numeric_limits<long long>::max();

#ifdef QUORVEL_SOAK_SANITIZED
    __sanitizer_set_death_callback(OnSanitizerDeath);
#endif

    g_presets = LoadPresets([](const QString&) {});
    auto form = std::make_unique<TForm1>();
    form->SetRandomSource(std::make_unique<SeededRandom>(g_seed));
    auto clockOwned = std::make_unique<ScriptedClock>();
    ScriptedClock* clock = clockOwned.get();
    form->SetSeriesClock(std::move(clockOwned));
    form->show();
    form->activateWindow();
    if (!QTest::qWaitForWindowActive(form.get())) {
        std::fprintf(stderr, "soak: the window did not become active\n");
        return 2;
    }

    if (!PresetFilePath().isEmpty()) {
        const auto locked = std::count(g_presets.Locked.begin(), g_presets.Locked.end(), true);
        std::printf("soak: presets from %s, %d settings locked\n", qPrintable(PresetFilePath()),
                    static_cast<int>(locked));
    }
    std::printf("soak: seed %llu, %lld events%s, at most %lld ms an event\n",
                static_cast<unsigned long long>(g_seed), events,
                replayFile.isEmpty() ? "" : " replayed", static_cast<long long>(limitMs));
    std::fflush(stdout);

    Monkey monkey(g_seed, form.get(), clock);
    // A message box or menu runs an event loop of its own: it is closed from in there.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&monkey] { monkey.CloseWhatBlocks(); });
    closer.start(0);
    g_log.reserve(static_cast<std::size_t>(std::min<long long>(events, 2000000)));
    QElapsedTimer total;
    total.start();
    // How far the events got: what the run reached, for the summary.
    struct Reached {
        long long movedOn = 0, results = 0, wallets = 0, infos = 0, series = 0;
    } reached;
    bool results = false, wallet = false, info = false, series = false;
    int number = 1;
    qint64 slowest = 0;
    QString slowestEvent;
    for (long long i = 0; i < events; ++i) {
        const QString line = replay.empty() ? monkey.Next() : replay.front();
        if (!replay.empty()) {
            replay.pop_front();
        }
        g_log.push_back(line);
        QElapsedTimer one;
        one.start();
        if (!monkey.Play(line)) {
            std::fprintf(stderr, "soak: not an event: %s\n", qPrintable(line));
            return 2;
        }
        const qint64 took = one.elapsed();
        if (i + 1 >= traceFrom) {
            std::fprintf(stderr, "soak: %lld %s -> focus %s, settings %s|%s|%s\n", i + 1,
                         qPrintable(line), qPrintable(Describe(QApplication::focusWidget())),
                         qPrintable(form->Ui().MaxArtikels->text()),
                         qPrintable(form->Ui().MaxGetal->text()),
                         qPrintable(form->Ui().TimerMinuten->text()));
            if (QWidget* popup = QApplication::activePopupWidget()) {
                std::fprintf(stderr, "soak:   popup %s open\n", qPrintable(Describe(popup)));
            }
        }
        if (took > slowest) {
            slowest = took;
            slowestEvent = line;
        }
        const Controls& ui = form->Ui();
        const auto rose = [](bool& was, bool now, long long& count) {
            count += now && !was;
            was = now;
        };
        rose(results, ui.Panel3->isVisible(), reached.results);
        rose(wallet, ui.Portemonnee->isVisible(), reached.wallets);
        rose(info, ui.Info->isVisible(), reached.infos);
        rose(series, form->CurrentLesson().SeriesRunning(), reached.series);
        reached.movedOn += form->CurrentLesson().ExerciseNumber() > number;
        number = form->CurrentLesson().ExerciseNumber();
        QString broken = BrokenInvariant(*form);
        if (broken.isEmpty() && took > limitMs) {
            broken = QStringLiteral("the event took %1 ms").arg(took);
        }
        if (!broken.isEmpty()) {
            std::fprintf(stderr, "soak: FAILED after event %lld (%s): %s\n", i + 1,
                         qPrintable(line), qPrintable(broken));
            PrintTail();
            WriteLog();
            return 1;
        }
        if ((i + 1) % 50000 == 0) {
            std::printf("soak: %lld events, %.1f s, slowest %lld ms\n", i + 1,
                        double(total.elapsed()) / 1000.0, static_cast<long long>(slowest));
            std::fflush(stdout);
        }
    }
    std::printf("soak: passed: seed %llu, %lld events, %.1f s, %d message boxes closed, slowest "
                "event %lld ms (%s)\n",
                static_cast<unsigned long long>(g_seed), events, double(total.elapsed()) / 1000.0,
                monkey.MessageBoxes(), static_cast<long long>(slowest), qPrintable(slowestEvent));
    std::printf("soak: reached %lld next exercises, %lld timed series, %lld results panels, %lld "
                "wallets, %lld information panels; %d menus closed by hand\n",
                reached.movedOn, reached.series, reached.results, reached.wallets, reached.infos,
                monkey.StubbornPopups());
    return 0;
}
