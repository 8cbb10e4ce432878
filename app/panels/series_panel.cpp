#include "app/panels/series_panel.h"

#include "app/accessibility.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QShortcut>
#include <QTimer>

using namespace kit;
using namespace look;

// ------------------------------------------------------------------------------ texts
namespace {

struct SeriesTexts {
    QString Start = SeriesPanel::tr("START");
    QString Reset = SeriesPanel::tr("RESET");
    QString Points = SeriesPanel::tr("Puntentotaal");
    QString Of = SeriesPanel::tr("OP");
    QString Percent = SeriesPanel::tr("%");
    // For a screen reader.
    QString Results = SeriesPanel::tr("Resultaten");
    QString TimeLeft = SeriesPanel::tr("Resterende tijd.");
    // %1 points of %2 exercises, %3 per cent.
    QString ResultsSaid = SeriesPanel::tr("Resultaten: puntentotaal %1 op %2, %3 %");
    // With Uitleg: how the points were made. %1 right at the first check, %2 right after a
    // correction, %3 right with help.
    QString Outcomes = SeriesPanel::tr("In één keer goed: %1\n"
                                       "Goed na verbetering: %2\n"
                                       "Goed met hulp: %3");
};

const SeriesTexts& Texts() {
    static const SeriesTexts texts;
    return texts;
}

} // namespace

SeriesPanel::SeriesPanel(QWidget* window, bool explain) : QObject(window) {
    const SeriesTexts& t = Texts();
    KlokVenster = MakeLabel(window, "KlokVenster", QString(), {416, 121, 87, 24},
                            Font(kSans, 19, Bold), Red, Qt::AlignHCenter);
    SetBackground(KlokVenster, ButtonText);
    KlokVenster->setCursor(Qt::ForbiddenCursor);
    KlokVenster->hide();
    Startknop =
        MakeButton(window, "Startknop", t.Start, {431, 122, 62, 22}, Font(kSans, 13, Bold), Green);
    Startknop->hide();
    OKKnop1 = MakeButton(window, "OKKnop1", t.Reset, {353, 122, 62, 23},
                         Font(kSans, 13, Bold | Italic), Green);
    OKKnop1->hide();
    Panel3 = MakePanel(window, "Panel3", {25, 170, 880, 461},
                       {DesktopBackground, Bevel::Raised, Bevel::Lowered, 3, 3, false});
    Panel3->setCursor(Qt::ForbiddenCursor);
    Panel3->hide();
    QWidget* p = Panel3;
    Label47 = MakeLabel(p, "Label47", t.Points, {378, 108, 116, 24}, Font(kSans, 19, Bold), White,
                        Qt::AlignHCenter);
    Label48 = MakeCaption(p, "Label48", QStringLiteral("Label48"), {262, 180, 122, 37},
                          Font(kSans, 32, Bold), Yellow, Qt::AlignRight, true);
    Label50 = MakeLabel(p, "Label50", t.Of, {422, 188, 30, 24}, Font(kSans, 19, Bold), White,
                        Qt::AlignHCenter);
    Label49 = MakeCaption(p, "Label49", QStringLiteral("Label48"), {488, 178, 122, 37},
                          Font(kSans, 32, Bold), Yellow, Qt::AlignLeft, true);
    Label51 = MakeLabel(p, "Label51", QStringLiteral("Label51"), {356, 273, 98, 41},
                        Font(kSans, 32, Bold), Lime, Qt::AlignRight);
    Label52 = MakeLabel(p, "Label52", t.Percent, {464, 272, 30, 37}, Font(kSans, 32, Bold), White);
    if (explain) {
        // Under the percentage, in the panel's white.
        UitlegResultaten =
            MakeLabel(p, "UitlegResultaten", t.Outcomes.arg(0).arg(0).arg(0), {240, 335, 400, 84},
                      Font(kSans, 19, Bold), White, Qt::AlignHCenter);
    }
    Timer1 = Named(new QTimer(window), "Timer1");
    Timer1->setInterval(1000);
    for (QWidget* w : {static_cast<QWidget*>(KlokVenster), static_cast<QWidget*>(Startknop),
                       static_cast<QWidget*>(OKKnop1), static_cast<QWidget*>(Panel3)}) {
        FinishControls(w);
    }

    connect(Startknop, &QPushButton::clicked, this, [this] {
        if (Reachable(Startknop)) {
            emit startAsked();
        }
    });
    connect(OKKnop1, &QPushButton::clicked, this, [this] {
        if (Reachable(OKKnop1)) {
            emit resetAsked();
        }
    });
    connect(Timer1, &QTimer::timeout, this, &SeriesPanel::tick);

    // Escape presses RESET while it is shown; the key then goes no further.
    escape_ = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    escape_->setContext(Qt::WindowShortcut);
    escape_->setEnabled(false);
    connect(escape_, &QShortcut::activated, this, [this] { PressByShortcut(OKKnop1); });
    OKKnop1->installEventFilter(this);

    SetName(Panel3, t.Results);
    SetDescription(KlokVenster, t.TimeLeft);
    // Each number is labelled by its caption (LABELLED_BY).
    Label47->setBuddy(Label48);
    Label50->setBuddy(Label49);
    Label52->setBuddy(Label51);
    // The results come up as a notification, which a screen reader speaks, and the
    // focus goes to RESET, where Space and Escape press it. The focus carries them too,
    // as RESET's description: a screen reader flooded by the end of the series drops the
    // notification, never the focus.
    SetAccessibleRole(Panel3, QAccessible::Notification);
    Panel3->installEventFilter(this);
}

bool SeriesPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent) {
        const bool shown = event->type() == QEvent::ShowToParent;
        if (watched == OKKnop1) {
            escape_->setEnabled(shown);
        } else if (watched == Panel3) {
            if (shown) {
                AnnounceResults();
            } else {
                SetDescription(OKKnop1, QString());
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

QString SeriesPanel::OutcomesText(const Lesson& lesson) {
    const OutcomeCounts& o = lesson.Outcomes();
    return Texts().Outcomes.arg(o.RightAtOnce).arg(o.RightAfterCorrection).arg(o.Helped);
}

void SeriesPanel::Expose(Controls& ui) const {
    static_cast<SeriesControls&>(ui) = *this;
}

void SeriesPanel::Draw(const Lesson& lesson) {
    lesson_ = &lesson;
    const bool over = lesson.Phase() == LessonPhase::SeriesOver;
    const bool on = lesson.SeriesActive() || over;
    const QString clock = Q(lesson.ClockText());
    if (KlokVenster->text() != clock) {
        KlokVenster->setText(clock);
    }
    Startknop->setVisible(!on && lesson.Settings().Minutes > 0);
    KlokVenster->setVisible(on);
    OKKnop1->setVisible(on);
    if (lesson.ResultsReady() && Panel3->isHidden()) {
        const SeriesResultTexts results = lesson.Results();
        Label48->SetCaption(Q(results.Points));
        Label49->SetCaption(Q(results.Made));
        Label51->setText(Q(results.Percentage));
        if (UitlegResultaten != nullptr) {
            UitlegResultaten->setText(OutcomesText(lesson));
        }
    }
    Panel3->setVisible(lesson.ResultsReady());
}

void SeriesPanel::AnnounceResults() {
    if (lesson_ != nullptr) {
        const SeriesResultTexts results = lesson_->Results();
        QString said =
            Texts().ResultsSaid.arg(Q(results.Points), Q(results.Made), Q(results.Percentage));
        if (UitlegResultaten != nullptr) {
            said += QStringLiteral(". ") +
                    OutcomesText(*lesson_).replace(QLatin1Char('\n'), QStringLiteral(", "));
        }
        SetName(Panel3, said);
        SetDescription(OKKnop1, said);
    }
    if (Acts(OKKnop1)) {
        // The focus frame shows, as after a focus moved by the keyboard, only when the
        // last input was a key: to the pupil at the mouse, RESET looks as it did. (Qt
        // keeps a window's keyboard-focus mark once Tab has set it, mouse or not.)
        if (!LastInputByKey()) {
            OKKnop1->window()->setAttribute(Qt::WA_KeyboardFocusChange, false);
        }
        OKKnop1->setFocus(Qt::OtherFocusReason);
    }
}

void SeriesPanel::StartTicking() {
    // The tick that runs since start-up counts on; restarting it would put the first
    // tick a whole second after START and skip the first second of the countdown.
    if (!Timer1->isActive()) {
        Timer1->start();
    }
}

void SeriesPanel::StopTicking() {
    Timer1->stop();
}

bool SeriesPanel::Key(const QKeyEvent* event) {
    return ClickByKey(event, {{Qt::Key_F5, Startknop}, {Qt::Key_F6, OKKnop1}});
}
