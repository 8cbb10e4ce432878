// What a screen reader hears beyond the captions: names for the controls that show no
// text of their own, the column of each sum box, receipt lines read as lines, the
// judgement in words and the results as they come up.

#include "app/form.h"
#include "wallet/pieces.h"

#include <QAccessible>

#include <array>

namespace {

std::size_t At(int i) {
    return static_cast<std::size_t>(i);
}

// "biljet van 50 euro", "munt van 2 cent".
QString PieceName(Amount value) {
    const bool note = value >= Whole(5);
    const QString kind = note ? QStringLiteral("biljet") : QStringLiteral("munt");
    if (value >= Whole(1)) {
        return QStringLiteral("%1 van %2 euro").arg(kind).arg(value / AmountScale);
    }
    return QStringLiteral("%1 van %2 cent").arg(kind).arg(value / (AmountScale / 100));
}

const std::array<const char*, 14> kColumns{
    "eenheden",      "tientallen",        "honderdtallen",
    "duizendtallen", "tienduizendtallen", "honderdduizendtallen",
    "miljoenen",     "tienmiljoenen",     "honderdmiljoenen",
    "miljarden",     "tienmiljarden",     "honderdmiljarden",
    "biljoenen",     "tienbiljoenen"};

// The column box n (1 = rightmost) stands for, with the decimal comma in box 3 or none.
QString ColumnName(int n, bool decimal) {
    if (decimal) {
        if (n == 1) {
            return QStringLiteral("honderdsten");
        }
        if (n == 2) {
            return QStringLiteral("tienden");
        }
        if (n == 3) {
            return QStringLiteral("komma");
        }
        n -= 3;
    }
    return QString::fromLatin1(kColumns[At(n - 1)]);
}

QString GoodOrWrong(bool right) {
    return right ? QStringLiteral("goed") : QStringLiteral("fout");
}

void SetDescription(QWidget* w, const QString& text) {
    if (w->accessibleDescription() != text) {
        w->setAccessibleDescription(text);
    }
}

void SetName(QWidget* w, const QString& text) {
    if (w->accessibleName() != text) {
        w->setAccessibleName(text);
    }
}

} // namespace

void TForm1::ConnectAccessibility() {
    SetName(Panel1, QStringLiteral("Oefening"));
    SetName(Panel2, QStringLiteral("Punten"));
    SetName(Panel3, QStringLiteral("Resultaten"));
    SetName(Panel4, QStringLiteral("Somstreep"));
    SetName(Info, QStringLiteral("Info over het programma"));
    SetName(groep2, QStringLiteral("Soort oefening"));
    // A group box inside another is named by its own caption, not the outer one's.
    SetName(GroupBox1, GroupBox1->title());
    SetName(GroupBox2, GroupBox2->title());
    SetName(Image2, QStringLiteral("Logo van Quorvel"));
    SetName(Geld, QStringLiteral("Portemonnee openen"));
    if (Help->accessibleName().isEmpty()) {
        SetName(Help, QStringLiteral("Uitleg"));
    }
    SetDescription(KlokVenster, QStringLiteral("Resterende tijd."));
    for (int s = 0; s < DenominationCount; ++s) {
        for (int n = 1; n <= PieceTable[At(s)].StackSize; ++n) {
            SetName(Pieces[At(s)][At(n)], PieceName(PieceTable[At(s)].Value));
        }
    }
    // The captions under the sum and the amounts explain what they stand beside.
    const std::pair<QLabel*, HelpHandler> captions[] = {
        {lblTotaal, HelpHandler::Tot14MouseMove},
        {lblBetaald, HelpHandler::BetaaldMouseMove},
        {lblTeruggave, HelpHandler::TeruggaveMouseMove}};
    for (const auto& [label, handler] : captions) {
        const QString help = HelpText(handler);
        SetDescription(label, help.isEmpty() ? label->text() : HelpDisplayText(help));
    }
    // Each number is labelled by its caption (LABELLED_BY), as each field by its own.
    const std::pair<QLabel*, QWidget*> buddies[] = {
        {Label36, Reeksteller}, {Label41, Label6},       {Label40, Label8},
        {Label47, Label48},     {Label50, Label49},      {Label52, Label51},
        {Label1, MaxArtikels},  {lblMaxGetal, MaxGetal}, {Label4, TimerMinuten},
        {lblTotaal, Tot[1]},    {lblBetaald, Betaald},   {lblTeruggave, Teruggave}};
    for (const auto& [caption, number] : buddies) {
        caption->setBuddy(number);
    }

    // The results come up as a notification, which a screen reader speaks, and the
    // focus goes to RESET, where Space and Escape press it.
    SetAccessibleRole(Panel3, QAccessible::Notification);
    Panel3->installEventFilter(new EventFilter(this, [this](QObject*, QEvent* event) {
        if (event->type() == QEvent::ShowToParent) {
            AnnounceResults();
        }
        return false;
    }));

    announcer_ = new Announcer(this);
}

void TForm1::NameExercise() {
    const ExerciseState& ex = lesson_.Exercise();
    const bool decimal = ex.ExpectedChar[3] == ',';
    for (int n = 1; n <= 14; ++n) {
        SetName(Tot[n], QStringLiteral("som, ") + ColumnName(n, decimal));
    }
    // A receipt is read line by line: the price carries its whole line.
    const bool receipt = Kasticket->isChecked();
    for (int r = 1; r <= 12; ++r) {
        QString line;
        if (receipt && Aantal[r]->isVisibleTo(Panel1)) {
            line = QStringLiteral("%1 %2 %3")
                       .arg(Aantal[r]->text(), Artikel[r]->text(), Prijs[r]->text())
                       .simplified();
        }
        SetName(Prijs[r], line);
    }
    // The amount due stands right-aligned by blanks; they are not read.
    SetName(Label3, Label3->text().trimmed());
}

void TForm1::AnnounceJudgement(const Judgement& j) {
    QString said = QStringLiteral("Som %1.").arg(GoodOrWrong(j.SumRight));
    for (int n = 1; n <= 14; ++n) {
        SetDescription(Tot[n], GoodOrWrong(j.SumRight));
    }
    if (j.ChangeRight) {
        said += QStringLiteral(" Teruggave %1.").arg(GoodOrWrong(*j.ChangeRight));
        SetDescription(Teruggave, GoodOrWrong(*j.ChangeRight));
    }
    announcer_->Announce(said);
}

void TForm1::ClearJudgement() {
    const QString sumHelp = HelpDisplayText(HelpText(HelpHandler::Tot14MouseMove));
    for (int n = 1; n <= 14; ++n) {
        SetDescription(Tot[n], sumHelp);
    }
    SetDescription(Teruggave, HelpDisplayText(HelpText(HelpHandler::TeruggaveMouseMove)));
}

void TForm1::AnnounceResults() {
    SetName(Panel3, QStringLiteral("Resultaten: puntentotaal %1 op %2, %3 %")
                        .arg(Label48->text(), Label49->text(), Label51->text()));
    if (Acts(OKKnop1)) {
        OKKnop1->setFocus(Qt::OtherFocusReason);
    }
}
