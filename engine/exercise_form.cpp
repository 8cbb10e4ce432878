// Drawing a new exercise and putting it on screen.

#include "app/form.h"
#include "engine/exercise.h"

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

AddendSettings TForm1::ReadAddendSettings() const {
    AddendSettings s;
    s.N = MaxArtikels->text().toInt();
    s.MaxValue = MaxGetal->text().toInt();
    s.Decimal = Komma->isChecked();
    s.Receipt = Kasticket->isChecked();
    // A hidden "maximum 100" box counts as unchecked, whatever its mark.
    s.Max100 = Eenvoudig->isChecked() && !Eenvoudig->isHidden();
    return s;
}

void TForm1::DrawAddends() {
    ::DrawAddends(Exercise, ReadAddendSettings(), Catalogue, Random());
}

void TForm1::NewExercise() {
    // The pupil must check an exercise before moving on.
    VolgendeOefening->hide();
    const AddendSettings settings = ReadAddendSettings();
    DrawAddends();

    if (!Geldbeugel->isChecked()) {
        Exercise.Paid = ChoosePaid(Exercise.Total, settings.Max100, Random());
        Betaald->setText(Q(FormatPlain(Exercise.Paid)));
    } else {
        Exercise.Paid = 0;
    }
    // Until the pupil pays from the wallet, the change is judged against what the
    // receipt shows as paid, not against an earlier exercise's payment.
    Exercise.Change = Exercise.Paid - Exercise.Total;

    ShowExercise();

    const std::string totalText = TotalText(Exercise.Total, settings.Decimal);
    FillExpectedChars(Exercise, totalText);
    for (int k = 1; k <= 14; ++k) {
        Tot[k]->setVisible(Exercise.ExpectedChar[k] != ' ');
    }

    ComputeDigitsAndCarries(Exercise, settings.N, settings.Decimal);

    // The carry label waits one row above the top addend.
    if (const int row = CarryLabelRow(settings.N); row != 0) {
        Hulpje->move(Hulpje->x(), Prijs[row]->y() - Prijs[11]->height());
    }

    PrepareWallet(totalText, Exercise.Total);
    ShowPoints();
    ClearSumRow();
}

void TForm1::ShowExercise() {
    for (int r = 1; r <= 12; ++r) {
        const ExerciseLine& line = Exercise.Lines[r];
        Aantal[r]->setText(Q(line.QuantityText));
        Artikel[r]->setText(Q(line.ArticleName));
        Prijs[r]->setText(Q(line.AmountText));
    }

    const bool receipt = Kasticket->isChecked();
    const int n = MaxArtikels->text().toInt();
    const int firstRow = (n >= 2 && n <= 12) ? 13 - n : 13;
    for (int r = 1; r <= 12; ++r) {
        const bool inUse = r >= firstRow;
        Prijs[r]->setVisible(inUse || r >= 11);
        Aantal[r]->setVisible(inUse && receipt);
        Artikel[r]->setVisible(inUse && receipt);
    }

    if (receipt) {
        if (Geldbeugel->isChecked()) {
            Exercise.Paid = 0;
        }
        lblBetaald->show();
        Betaald->setText(Q(FormatPlain(Exercise.Paid)));
        Betaald->show();
        Teruggave->clear();
    } else {
        lblBetaald->hide();
        Betaald->clear();
        Betaald->hide();
    }

    ClearSumRow();
}
