// The timed series on the window: START, the countdown, the results and RESET.

#include "app/form.h"
#include "engine/settings.h"

void TForm1::ConnectTimer() {
    connect(Startknop, &QPushButton::clicked, this, &TForm1::StartknopClick);
    connect(OKKnop1, &QPushButton::clicked, this, &TForm1::OKKnop1Click);
}

void TForm1::StartknopClick() {
    if (!Acts(Startknop)) {
        return;
    }
    // START is only shown for a whole number of minutes above 0, and leaving the field
    // puts a refused text back before the click arrives; should the field still hold
    // no number, there is no length for a series and the click does nothing.
    const std::optional<std::int32_t> minutes = ReadInteger(TimerMinuten->text().toStdString());
    if (!minutes) {
        return;
    }
    NewExercise();
    ResetSeries();
    KlokVenster->setText(QStringLiteral("00:00:00"));
    // The end lies on the monotonic time line: a wall clock set forward or back while
    // the series runs (daylight saving, a time sync) must not shorten or lengthen it.
    lesson_.StartSeries(*minutes);
    Startknop->hide();
    KlokVenster->show();
    // The tick that runs since start-up counts on; restarting it would put the first
    // tick a whole second after START and skip the first second of the countdown.
    if (!Timer1->isActive()) {
        Timer1->start();
    }
    OKKnop1->show();
    Instellingen->setEnabled(false);
}

void TForm1::Timer1Timer() {
    TimerTick();
}

void TForm1::TimerTick() {
    const Lesson::Tick tick = lesson_.OnTick();
    switch (tick.Kind) {
    case Lesson::TickKind::Idle:
        break;
    case Lesson::TickKind::Cancelled:
        // RESET ended the series and left the timer to be stopped here.
        Timer1->stop();
        break;
    case Lesson::TickKind::Ended:
        EndSeries();
        break;
    case Lesson::TickKind::Running:
        KlokVenster->setText(QString::fromStdString(tick.ClockText));
        break;
    }
}

void TForm1::EndSeries() {
    Timer1->stop();
    Panel1->setEnabled(false);
    Kontroleer->hide();
    // The exercise on screen is judged once more so the pupil sees how it stood; it
    // earns nothing, since only "VOLGENDE OEFENING" scores. The time is up, so that
    // button must not stay clickable should the check stop on a sum row that cannot be
    // read; then the pupil has seen the message and no results are shown.
    VolgendeOefening->hide();
    if (!CheckAnswer()) {
        return;
    }
    const SeriesResultTexts results = lesson_.Results();
    Label48->SetCaption(QString::fromStdString(results.Points));
    Label49->SetCaption(QString::fromStdString(results.Made));
    Label51->setText(QString::fromStdString(results.Percentage));
    Panel3->show();
    VolgendeOefening->hide();
}

void TForm1::OKKnop1Click() {
    if (!Acts(OKKnop1)) {
        return;
    }
    lesson_.CancelSeries();
    Panel1->setEnabled(true);
    Kontroleer->show();
    KlokVenster->hide();
    OKKnop1->hide();
    TimerMinuten->setText(QStringLiteral("0"));
    Panel3->hide();
    NewExercise();
    ClearSumRow();
    ResetSeries();
    Instellingen->setEnabled(true);
}
