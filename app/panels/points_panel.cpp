#include "app/panels/points_panel.h"

using namespace kit;
using namespace look;

// ------------------------------------------------------------------------------ texts
namespace {

struct PointsTexts {
    QString Number = PointsPanel::tr("Oefening nr. : :");
    QString NumberTip = PointsPanel::tr("Dit is het nummer van de oefening.");
    QString Reached = PointsPanel::tr("Behaalde punten");
    QString ReachedTip = PointsPanel::tr("Aantal behaalde punten in huidige reeks.");
    QString Of = PointsPanel::tr("OP");
    QString MostTip = PointsPanel::tr("Maximum aantal punten in huidige reeks.");
    QString Most = PointsPanel::tr("Maximum punten");
    // For a screen reader.
    QString Points = PointsPanel::tr("Punten");
    // What the help box says of each control, word for word, spelling slips included
    // ("berekent", "samensteld"): pupils and teachers know these texts as they are.
    // Lines are joined by a carriage return; some texts open with an empty line.
    QString ReekstellerMouseMove = PointsPanel::tr(
        "Dit is het nummer van de oefening.\r"
        "Er wordt steeds begonnen vanaf \"0\" bij een wijziging in de \"instellingen.\"");
    QString Label6MouseMove = PointsPanel::tr("Dit is het totaal van de behaalde punten.");
    QString Label8MouseMove = PointsPanel::tr("Dit is het Maximum te behalen punten.");
};

const PointsTexts& Texts() {
    static const PointsTexts texts;
    return texts;
}

void SetIfChanged(QLabel* label, const QString& text) {
    if (label->text() != text) {
        label->setText(text);
    }
}

} // namespace

PointsPanel::PointsPanel(QWidget* window) : QObject(window) {
    const PointsTexts& t = Texts();
    Label36 =
        MakeLabel(window, "Label36", t.Number, {152, 124, 100, 16}, Font(kSans, 13, Bold), Black);
    Reeksteller = MakeCaption(window, "Reeksteller", QStringLiteral("1"), {256, 120, 12, 24},
                              Font(kSans, 19, Bold), Black, Qt::AlignLeft, true);
    SetBackground(Reeksteller, Yellow);
    SetTip(Reeksteller, t.NumberTip);
    Panel2 = MakePanel(window, "Panel2", {694, 169, 210, 462},
                       {InactiveCaption, Bevel::Raised, Bevel::Lowered, 5, 5, true});
    Panel2->setCursor(NoDropCursor());

    QWidget* p = Panel2;
    Label41 =
        MakeLabel(p, "Label41", t.Reached, {44, 28, 125, 16}, Font(kSans, 13, Bold | Italic), Navy);
    Label6 = MakeLabel(p, "Label6", QString(), {54, 114, 105, 37}, Font(kSans, 32, Bold), Yellow,
                       Qt::AlignHCenter);
    SetTip(Label6, t.ReachedTip);
    Label14 = MakeLabel(p, "Label14", t.Of, {92, 223, 38, 29}, Font(kSans, 24, Bold), Black);
    Label8 = MakeLabel(p, "Label8", QString(), {55, 311, 105, 37}, Font(kSans, 32, Bold), Blue,
                       Qt::AlignHCenter);
    SetTip(Label8, t.MostTip);
    Label40 =
        MakeLabel(p, "Label40", t.Most, {46, 408, 122, 16}, Font(kSans, 13, Bold | Italic), Navy);
    for (QWidget* w : {static_cast<QWidget*>(Label36), static_cast<QWidget*>(Reeksteller),
                       static_cast<QWidget*>(Panel2)}) {
        FinishControls(w);
    }

    SetName(Panel2, t.Points);
    // Each number is labelled by its caption (LABELLED_BY).
    Label36->setBuddy(Reeksteller);
    Label41->setBuddy(Label6);
    Label40->setBuddy(Label8);
}

void PointsPanel::Expose(Controls& ui) const {
    static_cast<PointsControls&>(ui) = *this;
}

void PointsPanel::ListHelp(HelpMap& help) const {
    help.insert(Panel2, QString());
    help.insert(Reeksteller, Texts().ReekstellerMouseMove);
    help.insert(Label6, Texts().Label6MouseMove);
    help.insert(Label8, Texts().Label8MouseMove);
}

void PointsPanel::Draw(const Lesson& lesson) {
    // The exercise in progress is also the most points the series can have reached.
    const QString number = QString::number(lesson.ExerciseNumber());
    Reeksteller->SetCaption(number);
    SetIfChanged(Label6, QString::number(lesson.Points()));
    SetIfChanged(Label8, number);
}
