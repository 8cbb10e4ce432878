// Drawing a new exercise and putting it on screen.

#include "app/form.h"

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

LessonSettings TForm1::ReadSettings() const {
    LessonSettings s;
    s.Addends.N = MaxArtikels->text().toInt();
    s.Addends.MaxValue = MaxGetal->text().toInt();
    s.Addends.Decimal = Komma->isChecked();
    s.Addends.Receipt = Kasticket->isChecked();
    // A hidden "maximum 100" box counts as unchecked, whatever its mark.
    s.Addends.Max100 = Eenvoudig->isChecked() && !Eenvoudig->isHidden();
    s.PayFromWallet = Geldbeugel->isChecked();
    return s;
}

void TForm1::NewExercise() {
    // The pupil must check an exercise before moving on.
    VolgendeOefening->hide();
    lesson_.NewExercise(ReadSettings());
    ShowExercise();

    const ExerciseState& ex = lesson_.Exercise();
    for (int k = 1; k <= 14; ++k) {
        Tot[k]->setVisible(ex.ExpectedChar[k] != ' ');
    }
    // The carry label waits one row above the top addend.
    const int top = lesson_.FirstLineInUse();
    Hulpje->move(Hulpje->x(), Prijs[top]->y() - Prijs[11]->height());

    PrepareWallet();
    ShowPoints();
    ClearSumRow();
    NameExercise();
}

void TForm1::ShowExercise() {
    const ExerciseState& ex = lesson_.Exercise();
    for (int r = 1; r <= 12; ++r) {
        const ExerciseLine& line = ex.Lines[r];
        Aantal[r]->setText(Q(line.QuantityText));
        Artikel[r]->setText(Q(line.ArticleName));
        Prijs[r]->setText(Q(line.AmountText));
    }

    const bool receipt = Kasticket->isChecked();
    const int top = lesson_.FirstLineInUse();
    for (int r = 1; r <= 12; ++r) {
        const bool inUse = r >= top;
        Prijs[r]->setVisible(inUse);
        Aantal[r]->setVisible(inUse && receipt);
        Artikel[r]->setVisible(inUse && receipt);
    }

    if (receipt) {
        lblBetaald->show();
        Betaald->setText(Q(FormatPlain(ex.Paid)));
        Betaald->show();
        Teruggave->clear();
    } else {
        lblBetaald->hide();
        Betaald->clear();
        Betaald->hide();
    }

    ClearSumRow();
}
