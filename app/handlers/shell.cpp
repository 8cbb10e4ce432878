// The window's life: creation, the first activation, the information panel and STOP.

#include "app/form.h"

#include <QApplication>

#include <cmath>

void TForm1::FormCreate() {
    // The wallet's piece table and the catalogue are the lesson's constant tables.
    columnWidth_ = std::llround(Prijs[12]->width() / 12.0 * AmountScale);
    ResetSeries();
    lesson_.Reseed();
    Reeksteller->SetCaption(QStringLiteral("1"));
    Timer1->start();
}

void TForm1::FormActivate() {
    NewExercise();
}

void TForm1::Image1Click() {
    focusBeforeInfo_ = FocusedWidget();
    Info->show();
}

void TForm1::OKKnopClick() {
    if (!Acts(OKKnop)) {
        return;
    }
    // The panel changes nothing else: the focus goes back where it was, without the
    // selection a focus move by the program would make, so typing goes on after the
    // last character typed. It moves before the panel hides, or hiding the focused OK
    // button would first pass the focus on to another control.
    QWidget* back = focusBeforeInfo_;
    focusBeforeInfo_ = nullptr;
    // Enter closes the panel from the field it was typed in. A settings field the pupil
    // went into while the panel was open is left as any field is left, so that its rules
    // judge what was typed there; a new exercise they make keeps the focus it gives.
    QWidget* typedIn = FocusedWidget();
    if (typedIn != back &&
        (typedIn == MaxArtikels || typedIn == MaxGetal || typedIn == TimerMinuten)) {
        typedIn->clearFocus();
        if (FocusedWidget() != nullptr) {
            back = nullptr;
        }
    }
    if (back && back != OKKnop && Acts(back)) {
        back->setFocus(Qt::PopupFocusReason);
    }
    Info->hide();
}

void TForm1::Image4Click() {
    QCoreApplication::quit();
}
