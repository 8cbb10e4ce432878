#include "app/form.h"
#include "engine/settings.h"

void TForm1::ConnectTimer() {
    connect(Startknop, &QPushButton::clicked, this, &TForm1::StartknopClick);
    connect(OKKnop1, &QPushButton::clicked, this, &TForm1::OKKnop1Click);
}

void TForm1::SetSeriesClock(std::unique_ptr<SeriesClock> clock) {
    SeriesTime = std::move(clock);
}

void TForm1::StartknopClick() {
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
    StartSeries(Series, *SeriesTime, *minutes);
    Startknop->hide();
    KlokVenster->show();
    Timer1->start();
    OKKnop1->show();
    Instellingen->setEnabled(false);
}

void TForm1::Timer1Timer() {
    TimerTick();
}

void TForm1::TimerTick() {
    if (!Series.SeriesRunning) {
        return;
    }
    // RESET hides the clock but leaves the timer to be stopped here.
    if (KlokVenster->isHidden()) {
        Timer1->stop();
        Series.SeriesRunning = false;
        return;
    }
    const SeriesTick tick = TickSeries(Series, *SeriesTime);
    if (tick.Kind == SeriesTickKind::Ended) {
        EndSeries();
    } else if (tick.Kind == SeriesTickKind::Running) {
        KlokVenster->setText(QString::fromStdString(ClockText(tick.Remaining)));
    }
}

void TForm1::EndSeries() {
    Series.SeriesRunning = false;
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
    // MaxPoints counted the exercise in progress; the results count finished ones only.
    --MaxPoints;
    const SeriesResultTexts results = ResultTexts(Points, MaxPoints);
    Label48->SetCaption(QString::fromStdString(results.Points));
    Label49->SetCaption(QString::fromStdString(results.Made));
    Label51->setText(QString::fromStdString(results.Percentage));
    Panel3->show();
    VolgendeOefening->hide();
}

void TForm1::OKKnop1Click() {
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
