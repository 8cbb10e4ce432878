// The sum row, the change field, the check and the series counters.

#include "answer/answer.h"
#include "app/form.h"
#include "app/look.h"

#include <QMessageBox>

namespace {

bool Shown(const QWidget* w) {
    return !w->isHidden();
}

QString Q(const std::string& s) {
    return QString::fromStdString(s);
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
        EditBox* box = Tot[n];
        connect(box, &QLineEdit::textChanged, this, [this, n] { Tot1Change(n); });
        connect(box, &EditBox::keyDown, this, [this, n](int key) { Tot1KeyDown(n, key); });
        connect(box, &EditBox::keyPress, this, &TForm1::Tot1KeyPress);
        // The carry label stays where it is when the leftmost box takes the focus.
        if (n <= 13) {
            connect(box, &EditBox::focusGained, this, [this, n] { Tot1Enter(n); });
        }
    }
    connect(Wis1, &QToolButton::clicked, this, &TForm1::Wis1Click);
    connect(Teruggave, &EditBox::keyDown, this, &TForm1::TeruggaveKeyDown);
    connect(Teruggave, &EditBox::focusLost, this, &TForm1::TeruggaveExit);
    connect(Wis2, &QToolButton::clicked, this, &TForm1::Wis2Click);
    connect(Kontroleer, &MouseButton::mouseDown, this, &TForm1::KontroleerMouseDown);
    connect(Kontroleer, &MouseButton::mouseUp, this, &TForm1::KontroleerMouseUp);
    connect(VolgendeOefening, &QPushButton::clicked, this, &TForm1::VolgendeOefeningClick);
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
    if (Hulpjes->isChecked() &&
        box->text() != QString(QLatin1Char(lesson_.Exercise().ExpectedChar[n]))) {
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

void TForm1::SetJudgementColours(const QColor& sum, const QColor& change) {
    for (int n = 1; n <= 14; ++n) {
        look::SetFieldColor(Tot[n], sum);
    }
    look::SetFieldColor(Teruggave, change);
    if (sum == look::White && change == look::White) {
        ClearJudgement();
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
    ClearJudgement();
    FocusUnitsBox();
}

void TForm1::ShowPoints() {
    Label6->setText(QString::number(lesson_.Points()));
    Label8->setText(QString::number(lesson_.ExerciseNumber()));
}

void TForm1::ResetSeries() {
    lesson_.ResetSeries();
    Reeksteller->SetCaption(QString::number(lesson_.ExerciseNumber()));
    ShowPoints();
}

void TForm1::Tot1KeyDown(int n, int key) {
    const bool backspace = key == Qt::Key_Backspace;
    if (backspace || key == Qt::Key_Left) {
        if (n == 14) {
            if (!backspace) {
                Tot[1]->setFocus();
            }
        } else if (Shown(Tot[n + 1])) {
            Tot[n + 1]->setFocus();
        } else {
            FocusUnitsBox();
        }
    } else if (key == Qt::Key_Right) {
        if (n == 1) {
            FocusLeftmostBox();
        } else {
            Tot[n - 1]->setFocus();
        }
    }
    // The Backspace itself still reaches this box after the focus has left it. It must
    // clear what the box holds, wherever a mouse click left the caret, so that the
    // emptied box takes the focus back through its change rule; an empty box lets the
    // focus go on to the left.
    if (backspace && !Tot[n]->text().isEmpty()) {
        Tot[n]->selectAll();
    }
}

void TForm1::Tot1KeyPress(QChar key) {
    if (key == QChar(13) && Kasticket->isChecked() && Shown(Teruggave)) {
        Teruggave->setFocus();
    }
}

void TForm1::Tot1Enter(int n) {
    if (!Hulpjes->isChecked()) {
        return;
    }
    Hulpje->move(CarryLabelLeft(Prijs[12]->x(), columnWidth_, n), Hulpje->y());
    const int carry = CarryIntoBox(lesson_.Exercise().Carry, n, Komma->isChecked());
    Hulpje->setText(carry == 0 ? QString() : QString::number(carry));
}

void TForm1::FocusLeftmostBox() {
    for (int n = 14; n >= 2; --n) {
        if (Shown(Tot[n])) {
            Tot[n]->setFocus();
            return;
        }
    }
    Tot[1]->setFocus();
}

void TForm1::Wis1Click() {
    if (!Acts(Wis1)) {
        return;
    }
    ClearSumRow();
}

void TForm1::TeruggaveKeyDown(int key) {
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        FocusUnitsBox();
    }
}

void TForm1::TeruggaveExit() {
    Teruggave->setText(Q(FirstPointToComma(Teruggave->text().toStdString())));
}

void TForm1::Wis2Click() {
    if (!Acts(Wis2)) {
        return;
    }
    Teruggave->clear();
    if (Shown(Teruggave)) {
        Teruggave->setFocus();
    }
}

bool TForm1::CheckAnswer() {
    SumBoxTexts boxes;
    for (int n = 1; n <= 14; ++n) {
        if (Shown(Tot[n])) {
            boxes[static_cast<std::size_t>(n)] = Tot[n]->text().toStdString();
        }
    }
    const Judgement j = lesson_.Check(boxes, Teruggave->text().toStdString());
    if (!j.Readable) {
        QMessageBox::critical(
            this, windowTitle(),
            QStringLiteral("'%1' is not a valid floating point value").arg(Q(j.Typed)));
        return false;
    }
    const QColor sum = j.SumRight ? look::Green : look::Red;
    for (int n = 1; n <= 14; ++n) {
        look::SetFieldColor(Tot[n], sum);
    }
    if (j.ChangeRight) {
        Teruggave->setText(Q(j.ChangeText));
        look::SetFieldColor(Teruggave, *j.ChangeRight ? look::Green : look::Red);
    }
    AnnounceJudgement(j);
    VolgendeOefening->show();
    return true;
}

void TForm1::KontroleerMouseDown(Qt::MouseButton) {
    CheckAnswer();
}

void TForm1::KontroleerMouseUp(Qt::MouseButton) {
    SetJudgementColours(look::White, look::White);
    FocusUnitsBox();
}

void TForm1::VolgendeOefeningClick() {
    // Only the button the pupil sees scores: once hidden (the time is up, a settings
    // field entered) no key or other route may press it.
    if (!Acts(VolgendeOefening)) {
        return;
    }
    SetJudgementColours(look::White, look::White);
    if (lesson_.MoveOn() == MoveOnResult::Point) {
        ShowPoints();
    }
    Reeksteller->SetCaption(QString::number(lesson_.ExerciseNumber()));
    NewExercise();
}
