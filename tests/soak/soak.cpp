// A monkey on the real window: seeded random keys, clicks, double clicks, drags, drops,
// pastes, input-method commits and timer ticks on a scripted clock, with the window's
// invariants checked after every event.
//
// A screen reader acts on the window as well, through the interfaces Qt hands it (the
// program's own installed first, as the program does), on every control, shown or not:
//   act <control> <action>             an action the control offers (Press, Toggle,
//                                      SetFocus, which is also how a reader moves the focus)
//   atext <control> <text>             the whole text replaced, as SetTextContents does
//   ainsert <control> <position> <text>   text inserted, the position as the reader sent it
//   adelete <control> <start> <end>    text deleted
//   avalue <control> <text>            the text set as the control's value
//   aqueue <control>:<action> ...      actions queued one after the other before the window
//                                      serves any: a modal message serves the next of them
// Texts are percent-encoded. A push button's Press lands 100 ms after the call; the soak
// lets those 100 ms pass at once after the call, so a replay lands it at the same moment.
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

#include "answer/answer.h"
#include "app/accessibility.h"
#include "app/form.h"
#include "app/look.h"
#include "app/presets.h"
#include "engine/amount.h"
#include "engine/setting_field.h"
#include "support/input_routes.h"
#include "support/scripted_clock.h"

#include <QAbstractEventDispatcher>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QMessageBox>
#include <QRegularExpression>
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

// What a check says, in the design's Dutch (the soak runs in it).
const QRegularExpression kJudgementSaid(QStringLiteral("\\bSom (goed|fout)\\."));

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

// What went wrong in the middle of an event (during a check, a move on, a screen reader's
// call or a message), reported when the event is over; the first one counts.
QString g_caught;

void Catch(const QString& what) {
    if (g_caught.isEmpty()) {
        g_caught = what;
    }
}

// Characters that take no room on screen: format and control characters.
bool Invisible(QChar c) {
    const QChar::Category category = c.category();
    return category == QChar::Other_Control || category == QChar::Other_Format;
}

// A text for a message, its invisible characters written out, a long one cut short.
QString Spelled(const QString& text) {
    const qsizetype longest = 80;
    if (text.size() > longest) {
        return QStringLiteral("%1... (%2 characters)")
            .arg(Spelled(text.left(longest)))
            .arg(text.size());
    }
    QString out;
    for (QChar c : text) {
        if (Invisible(c)) {
            out += QStringLiteral("<U+%1>").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper();
        } else {
            out += c;
        }
    }
    return out;
}

// The sum row as the pupil reads it off the screen, assembled as the check assembles the
// boxes' texts (Tot14 first, a hidden box left out, an empty or blank box read as 0).
// A sum box is one character wide (Tot1 is 13 px, right-aligned): a text wider than its
// box shows only a part of itself, which part depending on where the caret left it, so
// such a box cannot be read as the pupil reads it; the first one is named in `partly`.
// Characters that take no room are not seen.
std::string RowAsSeen(const Controls& ui, QString* partly) {
    SumBoxTexts seen;
    for (int k = 1; k <= 14; ++k) {
        const EditBox* box = ui.Tot[static_cast<std::size_t>(k)];
        if (box->isHidden()) {
            continue;
        }
        const QString text = box->text();
        if (partly->isEmpty() &&
            QFontMetricsF(box->font()).horizontalAdvance(text) > box->width()) {
            *partly = QStringLiteral("%1 holds \"%2\"").arg(box->objectName(), Spelled(text));
        }
        QString visible = text;
        visible.removeIf(Invisible);
        seen[static_cast<std::size_t>(k)] = visible.toStdString();
    }
    return AssembleSum(seen);
}

// What a hidden, disabled or covered control must leave alone: the lesson's state and the
// settings as the settings bar holds them; a covered one the answer in the sum boxes and
// the change field too. (A hidden box's text is never read, and once a box is disabled
// nothing more counts; under the wallet a row would change unseen and be checked after.)
struct LessonState {
    unsigned serial = 0;
    int points = 0;
    int number = 0;
    LessonPhase phase = LessonPhase::Answering;
    bool seriesRunning = false;
    LessonSettings settings;
    Amount paid = 0;
    Amount assembled = 0;
    PieceCounts inWallet{};
    QStringList fields;
    QList<bool> marks;
    std::vector<std::pair<QString, QString>> answer; // a box's name and text
};

LessonState StateOf(const TForm1& form) {
    const Lesson& lesson = form.CurrentLesson();
    const Controls& ui = form.Ui();
    LessonState s;
    s.serial = lesson.ExerciseSerial();
    s.points = lesson.Points();
    s.number = lesson.ExerciseNumber();
    s.phase = lesson.Phase();
    s.seriesRunning = lesson.SeriesRunning();
    s.settings = lesson.Settings();
    s.paid = lesson.Exercise().Paid;
    s.assembled = lesson.Assembled();
    s.inWallet = lesson.InWallet();
    s.fields = {ui.MaxArtikels->text(), ui.MaxGetal->text(), ui.TimerMinuten->text()};
    s.marks = {ui.Komma->isChecked(), ui.Kasticket->isChecked(), ui.Geldbeugel->isChecked(),
               ui.Hulpjes->isChecked(), ui.Eenvoudig->isChecked()};
    for (int n = 1; n <= 15; ++n) {
        const EditBox* box = n <= 14 ? ui.Tot[static_cast<std::size_t>(n)] : ui.Teruggave;
        s.answer.emplace_back(box->objectName(), box->text());
    }
    return s;
}

QString PhaseName(LessonPhase phase) {
    return phase == LessonPhase::Answering ? QStringLiteral("answering")
           : phase == LessonPhase::Judged  ? QStringLiteral("judged")
                                           : QStringLiteral("series over");
}

// What changed between two states, the answer included or not, or an empty text.
QString Changes(const LessonState& a, const LessonState& b, bool answer) {
    QStringList changes;
    const auto number = [&changes](const char* what, long long x, long long y) {
        if (x != y) {
            changes << QStringLiteral("%1 %2 -> %3").arg(QLatin1String(what)).arg(x).arg(y);
        }
    };
    number("exercise serial", a.serial, b.serial);
    number("points", a.points, b.points);
    number("exercise number", a.number, b.number);
    if (a.phase != b.phase) {
        changes << QStringLiteral("phase %1 -> %2").arg(PhaseName(a.phase), PhaseName(b.phase));
    }
    number("series running", a.seriesRunning, b.seriesRunning);
    const AddendSettings& x = a.settings.Addends;
    const AddendSettings& y = b.settings.Addends;
    if (x.N != y.N || x.MaxValue != y.MaxValue || x.Decimal != y.Decimal ||
        x.Receipt != y.Receipt || x.Max100 != y.Max100 ||
        a.settings.PayFromWallet != b.settings.PayFromWallet ||
        a.settings.Helps != b.settings.Helps || a.settings.Minutes != b.settings.Minutes) {
        changes << QStringLiteral("the settings of the exercise");
    }
    const auto amount = [&changes](const char* what, Amount x, Amount y) {
        if (x != y) {
            changes << QStringLiteral("%1 %2 -> %3")
                           .arg(QLatin1String(what), QString::fromStdString(FormatPlain(x)),
                                QString::fromStdString(FormatPlain(y)));
        }
    };
    amount("paid", a.paid, b.paid);
    amount("assembled", a.assembled, b.assembled);
    if (a.inWallet != b.inWallet) {
        changes << QStringLiteral("the wallet's pieces");
    }
    if (a.fields != b.fields) {
        changes << QStringLiteral("the settings fields \"%1\" -> \"%2\"")
                       .arg(a.fields.join(QLatin1Char('|')), b.fields.join(QLatin1Char('|')));
    }
    if (a.marks != b.marks) {
        changes << QStringLiteral("the settings' marks");
    }
    for (std::size_t n = 0; answer && n < a.answer.size(); ++n) {
        if (a.answer[n].second != b.answer[n].second) {
            changes << QStringLiteral("%1 \"%2\" -> \"%3\"")
                           .arg(a.answer[n].first, Spelled(a.answer[n].second),
                                Spelled(b.answer[n].second));
        }
    }
    return changes.join(QStringLiteral(", "));
}

// Why the pupil cannot reach a control, or an empty text: it is hidden, disabled, or lies
// under the open wallet or information panel (what lies at its centre is neither the
// control nor inside it, but the wallet or the panel).
QString OutOfReach(const TForm1& form, const QWidget* control) {
    if (!control->isVisible()) {
        return QStringLiteral("hidden");
    }
    if (!control->isEnabled()) {
        return QStringLiteral("disabled");
    }
    const Controls& ui = form.Ui();
    for (const QWidget* cover :
         {static_cast<const QWidget*>(ui.Portemonnee), static_cast<const QWidget*>(ui.Info)}) {
        if (!cover->isVisible() || cover == control || cover->isAncestorOf(control)) {
            continue;
        }
        const QWidget* hit = form.childAt(control->mapTo(&form, control->rect().center()));
        if (hit != nullptr && hit != control && !control->isAncestorOf(hit) &&
            (hit == cover || cover->isAncestorOf(hit))) {
            return QStringLiteral("covered by %1").arg(cover->objectName());
        }
    }
    return {};
}

// Qt's Press on a push button is an animated click: the button goes down and the click
// lands 100 ms later. Those 100 ms pass here and now, as they would with nothing else
// happening meanwhile, so that a replay lands the click at the same moment.
void LandAnimatedClick(QObject* target) {
    auto* button = qobject_cast<QAbstractButton*>(target);
    if (button == nullptr || !button->isDown()) {
        return;
    }
    for (const QAbstractEventDispatcher::TimerInfo& timer :
         QAbstractEventDispatcher::instance()->registeredTimers(button)) {
        if (timer.interval == 100) {
            QTimerEvent landed(timer.timerId);
            QCoreApplication::sendEvent(button, &landed);
        }
    }
}

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
        // What a screen reader finds on each: actions, and text it may edit (a read-only
        // text offers none).
        for (QWidget* w : controls_) {
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
            if (iface == nullptr) {
                continue;
            }
            if (iface->actionInterface()) {
                actionControls_.push_back(w);
            }
            if (iface->editableTextInterface() && iface->textInterface() &&
                !iface->state().readOnly) {
                textControls_.push_back(w);
            }
        }
    }

    // A new random event, as a line of the log.
    QString Next() {
        if (held_ != Qt::NoButton && Chance(30)) {
            return QStringLiteral("release %1 %2").arg(Point()).arg(ButtonName(held_));
        }
        if (Chance(20)) {
            return AccessibleEvent();
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
        } else if (what == QLatin1String("aqueue") && p.size() >= 2) {
            std::vector<AccessibleCall> calls;
            for (const QString& item : p.mid(1)) {
                const QStringList parts = item.split(QLatin1Char(':'));
                if (parts.size() != 2 || ControlNamed(parts[0]) == nullptr) {
                    return false;
                }
                calls.push_back({QStringLiteral("act"), parts[0], Decode(parts[1]), 0, 0});
            }
            // Each call waits in the event queue, as a call from the bus does, until the
            // window serves it: in turn, or from inside a modal loop one of them opened.
            for (const AccessibleCall& call : calls) {
                ++queued_;
                QMetaObject::invokeMethod(
                    form_,
                    [this, call] {
                        --queued_;
                        Serve(call);
                    },
                    Qt::QueuedConnection);
            }
            for (int guard = 0; queued_ > 0 && guard < 100; ++guard) {
                QCoreApplication::processEvents();
            }
            ++bursts_;
        } else if (std::optional<AccessibleCall> call = ParseCall(p)) {
            Serve(*call);
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
                // One message at a time, and a screen reader's call never waits for the
                // pupil to close one: its reply would wait with it.
                const QWidgetList tops = QApplication::topLevelWidgets();
                const auto open = std::count_if(tops.begin(), tops.end(), [](const QWidget* w) {
                    return qobject_cast<const QMessageBox*>(w) != nullptr && w->isVisible();
                });
                if (open > 1) {
                    Catch(QStringLiteral("%1 messages are open at once (\"%2\")")
                              .arg(open)
                              .arg(Spelled(box->text())));
                }
                if (!serving_.isEmpty()) {
                    Catch(QStringLiteral("the screen reader's %1 waits until the message \"%2\" "
                                         "is closed")
                              .arg(serving_.back(), Spelled(box->text())));
                }
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
    long long AccessibleCalls() const { return calls_; }
    long long CallsOutOfReach() const { return callsOutOfReach_; }
    long long Bursts() const { return bursts_; }

private:
    // One call of a screen reader: an action, or an edit of the text.
    struct AccessibleCall {
        QString verb; // act, atext, ainsert, adelete, avalue
        QString control;
        QString text; // the action's name, or the text
        int from = 0;
        int to = 0;
    };

    QWidget* ControlNamed(const QString& name) const {
        for (QWidget* w : controls_) {
            if (w->objectName() == name) {
                return w;
            }
        }
        return nullptr;
    }

    std::optional<AccessibleCall> ParseCall(const QStringList& p) const {
        const QString& verb = p.value(0);
        if (p.size() < 3 || ControlNamed(p[1]) == nullptr) {
            return std::nullopt;
        }
        if ((verb == QLatin1String("act") || verb == QLatin1String("atext") ||
             verb == QLatin1String("avalue")) &&
            p.size() == 3) {
            return AccessibleCall{verb, p[1], Decode(p[2]), 0, 0};
        }
        if (verb == QLatin1String("ainsert") && p.size() == 4) {
            return AccessibleCall{verb, p[1], Decode(p[3]), p[2].toInt(), 0};
        }
        if (verb == QLatin1String("adelete") && p.size() == 4) {
            return AccessibleCall{verb, p[1], QString(), p[2].toInt(), p[3].toInt()};
        }
        return std::nullopt;
    }

    // Serves one call as Qt's bridge does, and checks that a control the pupil cannot
    // reach (hidden, disabled, or under the open wallet or information panel) changed
    // nothing of the lesson or the settings. A call served from inside this one (from a
    // modal loop it opened) is checked on its own, and this one is then left unjudged.
    void Serve(const AccessibleCall& call) {
        QWidget* w = ControlNamed(call.control);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
        if (iface == nullptr) {
            return;
        }
        const QString why = OutOfReach(*form_, w);
        const LessonState before = StateOf(*form_);
        const long long served = ++calls_;
        callsOutOfReach_ += !why.isEmpty();
        const QString said = call.verb == QLatin1String("act")
                                 ? QStringLiteral("%1 on %2").arg(call.text, call.control)
                                 : QStringLiteral("%1 on %2").arg(call.verb, call.control);
        serving_.push_back(said);
        if (call.verb == QLatin1String("act")) {
            // A reader calls only the actions the control offers.
            QAccessibleActionInterface* actions = iface->actionInterface();
            if (actions != nullptr && actions->actionNames().contains(call.text)) {
                actions->doAction(call.text);
                LandAnimatedClick(w);
            }
        } else if (call.verb == QLatin1String("avalue")) {
            if (iface->editableTextInterface() != nullptr && !iface->state().readOnly) {
                iface->setText(QAccessible::Value, call.text);
            }
        } else if (QAccessibleEditableTextInterface* edit = iface->editableTextInterface();
                   edit != nullptr && iface->textInterface() != nullptr &&
                   !iface->state().readOnly) {
            if (call.verb == QLatin1String("atext")) {
                edit->replaceText(0, iface->textInterface()->characterCount(), call.text);
            } else if (call.verb == QLatin1String("ainsert")) {
                edit->insertText(call.from, call.text);
            } else {
                edit->deleteText(call.from, call.to);
            }
        }
        serving_.pop_back();
        if (!why.isEmpty() && calls_ == served) {
            const QString changed =
                Changes(before, StateOf(*form_), why.startsWith(QLatin1String("covered")));
            if (!changed.isEmpty()) {
                Catch(QStringLiteral("the screen reader's %1, %2, changed %3")
                          .arg(said, why, changed));
            }
        }
    }

    // A screen reader's call, or a few queued at once.
    QString AccessibleEvent() {
        const int kind = Pick(100);
        if (kind < 12) {
            return Burst();
        }
        if (kind < 60) {
            QWidget* w = ActionTarget();
            return QStringLiteral("act %1 %2").arg(w->objectName(), Encode(ActionOf(w)));
        }
        QWidget* w = TextTarget();
        const int length =
            QAccessible::queryAccessibleInterface(w)->textInterface()->characterCount();
        if (kind < 74) {
            return QStringLiteral("atext %1 %2").arg(w->objectName(), Encode(TextFor(w)));
        }
        if (kind < 84) {
            return QStringLiteral("ainsert %1 %2 %3")
                .arg(w->objectName())
                .arg(Position(length))
                .arg(Encode(TextFor(w)));
        }
        if (kind < 91) {
            return QStringLiteral("adelete %1 %2 %3")
                .arg(w->objectName())
                .arg(Position(length))
                .arg(Position(length));
        }
        return QStringLiteral("avalue %1 %2").arg(w->objectName(), Encode(TextFor(w)));
    }

    // Actions queued before the window serves any: CONTROLEER pressed again and again
    // (each Press of an unreadable row brings a message), one control's action repeated,
    // or a few controls' actions in a row.
    QString Burst() {
        const int n = 2 + Pick(5);
        const int how = Pick(4);
        QStringList items;
        QWidget* same = how < 2 ? ui_.Kontroleer : ActionTarget();
        QString sameAction = how < 2 ? QStringLiteral("Press") : ActionOf(same);
        for (int i = 0; i < n; ++i) {
            if (how == 3) {
                same = ActionTarget();
                sameAction = ActionOf(same);
            }
            items << QStringLiteral("%1:%2").arg(same->objectName(), Encode(sameAction));
        }
        return QStringLiteral("aqueue %1").arg(items.join(QLatin1Char(' ')));
    }

    // Half of the calls go to the controls that move the lesson on, the others to any
    // control that offers an action now (the wallet's pieces, the pictures among them; a
    // disabled control offers none).
    QWidget* ActionTarget() {
        for (int tries = 0; tries < 100; ++tries) {
            QWidget* w = AnyActionTarget();
            if (!ActionsOf(w).isEmpty()) {
                return w;
            }
        }
        return ui_.Kontroleer;
    }

    static QStringList ActionsOf(QWidget* w) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
        return iface && iface->actionInterface() ? iface->actionInterface()->actionNames()
                                                 : QStringList();
    }

    QWidget* AnyActionTarget() {
        if (Chance(50)) {
            static const char* main[] = {"Kontroleer",
                                         "Kontroleer",
                                         "VolgendeOefening",
                                         "VolgendeOefening",
                                         "Startknop",
                                         "OKKnop1",
                                         "OKKnop",
                                         "Geld",
                                         "PortemonneeSluiten",
                                         "PortemonneeReset",
                                         "Komma",
                                         "Kasticket",
                                         "Geldbeugel",
                                         "Eenvoudig",
                                         "Hulpjes",
                                         "Image1",
                                         "Wis1",
                                         "Wis2",
                                         "Tot1",
                                         "Teruggave",
                                         "MaxArtikels",
                                         "MaxGetal",
                                         "TimerMinuten"};
            if (QWidget* w = ControlNamed(QLatin1String(main[Pick(int(std::size(main)))]))) {
                return w;
            }
        }
        return actionControls_[static_cast<std::size_t>(Pick(int(actionControls_.size())))];
    }

    // One of the actions the control offers; the focus by the interface a third of the
    // times it is offered.
    QString ActionOf(QWidget* w) {
        const QStringList names = ActionsOf(w);
        const QString focus = QAccessibleActionInterface::setFocusAction();
        if (names.isEmpty()) {
            return QAccessibleActionInterface::pressAction();
        }
        if (names.contains(focus) && Chance(33)) {
            return focus;
        }
        return names[Pick(int(names.size()))];
    }

    QWidget* TextTarget() {
        const int where = Pick(100);
        const char* name = where < 35   ? "Tot1"
                           : where < 50 ? "Teruggave"
                           : where < 57 ? "MaxArtikels"
                           : where < 64 ? "MaxGetal"
                           : where < 71 ? "TimerMinuten"
                                        : nullptr;
        if (name != nullptr) {
            if (QWidget* w = ControlNamed(QLatin1String(name))) {
                return w;
            }
        }
        return textControls_[static_cast<std::size_t>(Pick(int(textControls_.size())))];
    }

    // Where a reader inserts or deletes: inside the text, at its ends, or well outside it.
    int Position(int length) {
        const int positions[] = {-1000,  -1,     0,          1,          length - 1,
                                 length, length, length + 1, length + 4, 1000};
        return positions[Pick(int(std::size(positions)))];
    }

    // What a reader writes: what the pupil is meant to write (the whole sum at once, a
    // box's digit, the change), with a character the pupil cannot see added, or text of
    // any kind.
    QString TextFor(QWidget* w) {
        const Lesson& lesson = form_->CurrentLesson();
        const ExerciseState& ex = lesson.Exercise();
        const QString zeroWidthSpace(QChar(0x200B));
        const QString rightToLeftMark(QChar(0x200F));
        for (int k = 1; k <= 14; ++k) {
            if (w == ui_.Tot[static_cast<std::size_t>(k)] && Chance(50)) {
                const QString total = QString::fromStdString(lesson.TotalText()).trimmed();
                const QString digit(QLatin1Char(ex.ExpectedChar[static_cast<std::size_t>(k)]));
                const QString texts[] = {total,
                                         total + QStringLiteral("e0"),
                                         digit,
                                         digit + zeroWidthSpace,
                                         rightToLeftMark + digit,
                                         digit + QChar(0x00AD)};
                return texts[Pick(int(std::size(texts)))];
            }
        }
        if (w == ui_.Teruggave && Chance(50)) {
            const QString change = QString::fromStdString(FormatPlain(ex.Change));
            const QString texts[] = {change, change, change + zeroWidthSpace,
                                     QString(change).replace(QLatin1Char(','), QLatin1Char('.'))};
            return texts[Pick(int(std::size(texts)))];
        }
        if ((w == ui_.MaxArtikels || w == ui_.MaxGetal || w == ui_.TimerMinuten) && Chance(50)) {
            static const char* values[] = {"2", "3",  "5", "12",  "13", "1",
                                           "0", "-1", "x", "100", "7 ", ""};
            return QString::fromLatin1(values[Pick(int(std::size(values)))]);
        }
        if (Chance(30)) {
            const QString odd[] = {zeroWidthSpace,
                                   QStringLiteral("5") + zeroWidthSpace,
                                   rightToLeftMark + QStringLiteral("7"),
                                   QString(QChar(0x00AD)),
                                   QStringLiteral("1\n2"),
                                   QStringLiteral("\r"),
                                   QString(QChar(0x0663)), // an Arabic-Indic three
                                   QString(QChar(0xFF15)), // a full-width five
                                   QStringLiteral("12345678901234567890"),
                                   QString::fromUtf8("\xF0\x9F\x98\x80"),
                                   QStringLiteral("103e0")};
            return odd[Pick(int(std::size(odd)))];
        }
        return Text();
    }

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
    std::vector<QWidget*> actionControls_;
    std::vector<QWidget*> textControls_;
    Qt::MouseButton held_ = Qt::NoButton;
    QString menuEntry_;
    int messageBoxes_ = 0;
    int stubbornPopups_ = 0;
    // The screen reader's calls being served, innermost last, and those still queued.
    QStringList serving_;
    int queued_ = 0;
    long long calls_ = 0;
    long long callsOutOfReach_ = 0;
    long long bursts_ = 0;
};

QString Describe(const QWidget* w) {
    return w ? QStringLiteral("%1 (%2)").arg(w->objectName(), w->metaObject()->className())
             : QStringLiteral("none");
}

// Watches the moments within an event where the lesson judges: a check, and a move on.
class Referee final : public QObject {
public:
    explicit Referee(const TForm1& form) : form_(form), lesson_(form.CurrentLesson()) {
        const Controls& ui = form.Ui();
        // Every readable check is spoken: the announcer comes up with the judgement.
        form.findChild<QWidget*>(QStringLiteral("Aankondiging"))->installEventFilter(this);
        // Whatever presses VOLGENDE OEFENING (mouse, key, screen reader), the button is
        // released just before it clicks; watched after the window's own handler, the click
        // has moved on.
        connect(ui.VolgendeOefening, &QAbstractButton::released, this, [this] {
            pointsBeforeMoveOn_ = lesson_.Points();
            unearned_ = WhyNoPoint();
        });
        connect(ui.VolgendeOefening, &QAbstractButton::clicked, this, [this] {
            if (lesson_.Points() <= pointsBeforeMoveOn_) {
                return;
            }
            if (!unearned_.isEmpty()) {
                Catch(QStringLiteral("VOLGENDE OEFENING gave a point for %1").arg(unearned_));
            }
            ++earned_;
        });
    }

    void EventStarts() {
        pointsAtStart_ = lesson_.Points();
        earned_ = 0;
    }

    // Points rise only by moving on from a judgement that stands.
    void EventEnds() {
        if (lesson_.Points() - pointsAtStart_ > earned_) {
            Catch(QStringLiteral("the points rose from %1 to %2 without a move on from a right "
                                 "judgement")
                      .arg(pointsAtStart_)
                      .arg(lesson_.Points()));
        }
    }

    long long RightChecks() const { return rightChecks_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // The announcer also tells the exercise, the wallet and the help: only what a
        // check says is a judgement.
        if (event->type() == QEvent::Show &&
            static_cast<QWidget*>(watched)->accessibleName().contains(kJudgementSaid)) {
            Judged();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    // What stands against a point for the exercise on screen, or an empty text: it must
    // be judged, its sum right, and in the receipt mode its change right against what is
    // due now (paying from the wallet changes that).
    QString WhyNoPoint() const {
        if (lesson_.Phase() != LessonPhase::Judged || !lesson_.LastJudgement()) {
            return QStringLiteral("an exercise in the phase %1 with %2")
                .arg(PhaseName(lesson_.Phase()), lesson_.LastJudgement()
                                                     ? QStringLiteral("a judgement")
                                                     : QStringLiteral("no judgement"));
        }
        const Judgement& j = *lesson_.LastJudgement();
        const ExerciseState& ex = lesson_.Exercise();
        if (ReadNumber(j.Typed) != ex.Total) {
            return QStringLiteral("the sum \"%1\", the total being %2")
                .arg(Spelled(QString::fromStdString(j.Typed)),
                     QString::fromStdString(FormatPlain(ex.Total)));
        }
        if (lesson_.Receipt() && (!j.ChangeRight || ReadNumber(j.ChangeText) != ex.Change)) {
            return QStringLiteral("the change \"%1\", %2 being due now")
                .arg(Spelled(QString::fromStdString(j.ChangeText)),
                     QString::fromStdString(FormatPlain(ex.Change)));
        }
        return {};
    }

    // A check has just judged the row: when it says the sum is right, the row the pupil
    // sees must read as that sum.
    void Judged() {
        const std::optional<Judgement>& j = lesson_.LastJudgement();
        if (!j || !j->SumRight) {
            return;
        }
        ++rightChecks_;
        QString partly;
        const std::string seen = RowAsSeen(form_.Ui(), &partly);
        const Amount total = lesson_.Exercise().Total;
        if (!partly.isEmpty()) {
            Catch(QStringLiteral("the check said the sum %1 is right while %2, wider than the "
                                 "box: the pupil sees only part of it")
                      .arg(QString::fromStdString(FormatPlain(total)), partly));
        } else if (ReadNumber(seen) != total) {
            Catch(
                QStringLiteral("the check said the sum %1 is right; the row on screen reads "
                               "\"%2\"")
                    .arg(QString::fromStdString(FormatPlain(total)), QString::fromStdString(seen)));
        }
    }

    const TForm1& form_;
    const Lesson& lesson_;
    int pointsBeforeMoveOn_ = 0;
    QString unearned_;
    int pointsAtStart_ = 0;
    int earned_ = 0;
    long long rightChecks_ = 0;
};

// What must hold after every event; the first broken invariant, or an empty text.
QString BrokenInvariant(const TForm1& form) {
    const Controls& ui = form.Ui();
    const Lesson& lesson = form.CurrentLesson();

    if (!g_caught.isEmpty()) {
        return g_caught;
    }

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
    // What the pupil cannot see is not in the answer: the row would look right and read
    // as something else, or as no number at all.
    for (int n = 1; n <= 15; ++n) {
        const EditBox* box = n <= 14 ? ui.Tot[static_cast<std::size_t>(n)] : ui.Teruggave;
        const QString text = box->text();
        if (std::any_of(text.begin(), text.end(), Invisible)) {
            return QStringLiteral("%1 holds \"%2\", with characters the pupil cannot see")
                .arg(box->objectName(), Spelled(text));
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
                .arg(field->objectName(), Spelled(field->text()));
        }
    }
    // On the ladder the bar shows the level the exercise on screen came from, and no
    // exercise breaks the carry profile it was drawn for where it could be kept.
    const LessonSettings& drawn = lesson.Settings();
    if (lesson.LevelOnScreen() != 0) {
        const AddendSettings& level = drawn.Addends;
        if (ui.MaxArtikels->text().toInt() != level.N ||
            ui.MaxGetal->text().toInt() != level.MaxValue ||
            ui.Komma->isChecked() != level.Decimal) {
            return QStringLiteral("level %1 has %2 addends up to %3%4, the bar shows %5, %6, %7")
                .arg(lesson.LevelOnScreen())
                .arg(level.N)
                .arg(level.MaxValue)
                .arg(level.Decimal ? QStringLiteral(" with decimals") : QString())
                .arg(ui.MaxArtikels->text(), ui.MaxGetal->text(),
                     ui.Komma->isChecked() ? QStringLiteral("Komma") : QStringLiteral("no Komma"));
        }
    }
    if (!drawn.Addends.Receipt &&
        CarryProfilePossible(drawn.Addends.Carries, drawn.Addends.N, drawn.Addends.MaxValue,
                             drawn.Addends.Decimal) &&
        !ProfileHolds(drawn.Addends.Carries,
                      MeasureCarries(ex, drawn.Addends.N, drawn.Addends.Decimal))) {
        return QStringLiteral("the exercise breaks its carry profile %1")
            .arg(static_cast<int>(drawn.Addends.Carries));
    }
    // A setting the school has locked never changes: its control stays greyed out with
    // the preset value (or the default), and the exercise is drawn from that value.
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
        case PresetKey::Overdracht:
        case PresetKey::Ladder:
        case PresetKey::LadderStart:
        case PresetKey::Uitleg:
            continue; // no control of their own
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
    // The program's own interfaces for a screen reader, as it installs them.
    InstallAccessibility();

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
    // The checks are watched through the announcer that speaks each judgement.
    if (form->findChild<QWidget*>(QStringLiteral("Aankondiging")) == nullptr) {
        std::fprintf(stderr, "soak: the window has no announcer of the judgement (Aankondiging)\n");
        return 2;
    }
    Referee referee(*form);
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
        referee.EventStarts();
        if (!monkey.Play(line)) {
            std::fprintf(stderr, "soak: not an event: %s\n", qPrintable(line));
            return 2;
        }
        const qint64 took = one.elapsed();
        referee.EventEnds();
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
    std::printf("soak: %lld screen reader's calls, %lld of them on controls out of the pupil's "
                "reach, %lld queued bursts; %lld checks judged the sum right\n",
                monkey.AccessibleCalls(), monkey.CallsOutOfReach(), monkey.Bursts(),
                referee.RightChecks());
    return 0;
}
