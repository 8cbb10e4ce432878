// The sum row, the change field, the check and the series counters.

#include "answer/answer.h"
#include "app/form.h"
#include "app/look.h"

namespace {

bool Shown(const QWidget* w) {
    return !w->isHidden();
}

void SetTextColour(QLineEdit* box, const QColor& colour) {
    // Every typed character comes through here: leave an unchanged palette alone.
    if (box->palette().color(QPalette::Text) != colour) {
        look::SetTextColor(box, colour);
    }
}

} // namespace

void TForm1::ConnectAnswer() {
    for (int n = 1; n <= 14; ++n) {
        connect(Tot[n], &QLineEdit::textChanged, this, [this, n] { Tot1Change(n); });
    }
}

void TForm1::Tot1Change(int n) {
    EditBox* box = Tot[n];
    const bool rejected = IsRejectedEntry(box->text().toStdString());
    if (box->text() == QStringLiteral(".")) {
        box->setText(QStringLiteral(",")); // runs this rule again, nested, for ","
    }
    if (rejected) {
        if (n == 1) {
            FocusUnitsBox();
        } else {
            box->clear();
            if (Shown(box)) {
                box->setFocus();
            }
        }
    } else {
        const int next = n == 14 ? 1 : n + 1;
        if (Shown(Tot[next])) {
            Tot[next]->setFocus();
        }
    }
    SetTextColour(box, look::Black);
    if (Hulpjes->isChecked() && box->text() != QString(QLatin1Char(Exercise.ExpectedChar[n]))) {
        SetTextColour(box, look::Red);
    }
}

void TForm1::FocusUnitsBox() {
    if (Shown(Tot[1])) {
        if (Tot[1]->hasFocus()) {
            // Already there: select as a focus move by the program would, so that the
            // next character replaces the text instead of making it two characters long.
            Tot[1]->selectAll();
        } else {
            Tot[1]->setFocus();
        }
        Hulpje->clear();
    }
}

void TForm1::ClearSumRow() {
    for (int n = 1; n <= 14; ++n) {
        look::SetFieldColor(Tot[n], look::White);
    }
    // Each assignment runs the box's change rule: "0" is accepted, the blank refused and
    // so removed again.
    Tot[1]->setText(QStringLiteral("0"));
    for (int n = 2; n <= 14; ++n) {
        Tot[n]->setText(QStringLiteral(" "));
    }
    look::SetFieldColor(Teruggave, look::White);
    FocusUnitsBox();
}

void TForm1::ShowPoints() {
    Label6->setText(QString::number(Points));
    Label8->setText(QString::number(MaxPoints));
}

void TForm1::ResetSeries() {
    Reeksteller->SetCaption(QStringLiteral("1"));
    Points = 0;
    MaxPoints = 1;
    ShowPoints();
}

void TForm1::CheckAnswer() {}
