// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/panels/sum_row_panel.h"

#include "app/panels/sum_row_panel_texts.h"

#include "answer/answer.h"

#include <QKeyEvent>

#include <algorithm>

using namespace kit;
using namespace look;
using namespace sumrow;

namespace {

bool Shown(const QWidget* w) {
    return !w->isHidden();
}

void SetTextColour(QLineEdit* box, const QColor& colour) {
    // Every typed character comes through here: leave an unchanged palette alone.
    if (box->palette().color(QPalette::Text) != colour) {
        SetTextColor(box, colour);
    }
}

} // namespace

// ---------------------------------------------------------------------------- building
SumRowPanel::SumRowPanel(const ExerciseControls& exercise, const Lesson& lesson, Amount columnWidth,
                         bool explain)
    : QObject(exercise.Panel1), lesson_(lesson), prices_(exercise.Prijs), columnWidth_(columnWidth),
      explain_(explain) {
    Build(exercise, explain);
    Connect();
    NameControls();
}

void SumRowPanel::Build(const ExerciseControls& exercise, bool explain) {
    const SumRowTexts& t = Texts();
    QWidget* panel = exercise.Panel1;
    const QFont footFont = Font(kArial, 16, Bold | Italic);
    lblTotaal =
        MakeLabel(panel, "lblTotaal", t.Total, {314, 304, 66, 18}, footFont, Black, Qt::AlignRight);
    SetTip(lblTotaal, t.CaptionTip);
    lblTeruggave = MakeLabel(panel, "lblTeruggave", t.Change, {164, 416, 217, 18}, footFont, Black,
                             Qt::AlignRight);
    SetTip(lblTeruggave, t.CaptionTip);
    lblTeruggave->hide();
    Hulpje = MakeLabel(panel, "Hulpje", QStringLiteral("0"), {549, 17, 14, 20},
                       Font(kCourier, 21, Bold), Blue);
    Hulpje->hide();

    auto makeClearButton = [panel](const char* name, int top, const QString& tip) {
        auto* b = Named(new QToolButton(panel), name);
        b->setText(QStringLiteral("*"));
        b->setGeometry(603, top, 23, 23);
        b->setFont(Font(kArial, 27, Bold | Italic));
        SetTextColor(b, Purple);
        b->setFocusPolicy(Qt::NoFocus);
        b->setCursor(Qt::PointingHandCursor);
        SetTip(b, tip);
        return b;
    };
    Wis1 = makeClearButton("Wis1", 302, t.ClearSumTip);
    Wis2 = makeClearButton("Wis2", 417, t.ClearChangeTip);
    Wis2->hide();

    const QFont boxFont = Font(kCourier, 21, Bold);
    for (int k = 1; k <= 14; ++k) {
        const QByteArray name = "Tot" + QByteArray::number(k);
        auto* box = Named(new EditBox(panel, true), name.constData());
        box->setGeometry(573 - 13 * k, 301, 13, 23);
        box->setFrame(false);
        box->setFont(boxFont);
        box->setAlignment(Qt::AlignRight);
        // The glyph is as wide as the box: no inner margin may clip it.
        box->setTextMargins(-2, 0, -2, 0);
        box->setText(QStringLiteral("0"));
        SetTextColor(box, Black);
        SetFieldColor(box, White);
        box->setFocusPolicy(Qt::StrongFocus);
        SetTip(box, t.SumBoxTip);
        Tot[At(k)] = box;
    }
    Teruggave = Named(new EditBox(panel, true), "Teruggave");
    Teruggave->setGeometry(389, 413, 186, 28);
    Teruggave->setFont(boxFont);
    SetTextColor(Teruggave, Black);
    SetFieldColor(Teruggave, White);
    Teruggave->setFocusPolicy(Qt::StrongFocus);
    SetTip(Teruggave, t.ChangeTip);
    Teruggave->hide();
    // The exercise panel's labels, pictures and controls and these lie over one another in
    // the design's order: the captions before the plus sign, the carry label before the
    // purse, the clear buttons before the sum line.
    lblTotaal->stackUnder(exercise.Label11);
    lblTeruggave->stackUnder(exercise.Label11);
    Hulpje->stackUnder(exercise.Geld);
    Wis1->stackUnder(exercise.Panel4);
    Wis2->stackUnder(exercise.Panel4);

    // Without Uitleg none of this exists: the window is as it always was.
    if (explain) {
        // A line and an arrow under the marked column, black on the panel's grey below the
        // white box: seen by its place and shape, whatever the colours.
        UitlegMarkering = Named(new PointerMark(panel, Black), "UitlegMarkering");
        UitlegMarkering->hide();
        // Beside CONTROLEER, in the row of the window's buttons.
        ToonMij = MakeButton(panel->window(), "ToonMij", t.ShowMe, {590, 656, 136, 23},
                             Font(kArial, 16, Bold), Navy);
        ToonMij->setFocusPolicy(Qt::NoFocus);
        ToonMij->setCursor(Qt::ArrowCursor);
        SetTip(ToonMij, t.ShowMeTip);
        ToonMij->hide();
    }
    for (QWidget* w : std::initializer_list<QWidget*>{lblTotaal, lblTeruggave, Hulpje, Wis1, Wis2,
                                                      Teruggave, UitlegMarkering, ToonMij}) {
        if (w != nullptr) {
            FinishControls(w);
        }
    }
    for (int k = 1; k <= 14; ++k) {
        FinishControls(Tot[At(k)]);
    }
}

void SumRowPanel::Connect() {
    guards_.insert(Teruggave, new TextGuard(Teruggave));
    for (int n = 1; n <= 14; ++n) {
        guards_.insert(Tot[At(n)], new TextGuard(Tot[At(n)]));
    }
    for (int n = 1; n <= 14; ++n) {
        EditBox* box = Tot[At(n)];
        connect(box, &QLineEdit::textChanged, this, [this, n] { Tot1Change(n); });
        connect(box, &EditBox::keyDown, this, [this, n](int key) { Tot1KeyDown(n, key); });
        connect(box, &EditBox::keyPress, this, &SumRowPanel::Tot1KeyPress);
        // The help asked for in a box is said once; leaving the box takes it back.
        connect(box, &EditBox::focusLost, this, [this, n] { DescribeSumBox(n); });
        // The carry label stays where it is when the leftmost box takes the focus.
        if (n <= 13) {
            connect(box, &EditBox::focusGained, this, [this, n] { Tot1Enter(n); });
        }
    }
    connect(Wis1, &QToolButton::clicked, this, &SumRowPanel::Wis1Click);
    connect(Teruggave, &EditBox::keyDown, this, &SumRowPanel::TeruggaveKeyDown);
    connect(Teruggave, &EditBox::focusLost, this, &SumRowPanel::TeruggaveExit);
    connect(Teruggave, &QLineEdit::textChanged, this, [this] {
        if (!PutBack(Teruggave) && !DropInvisible(Teruggave) && writing_ == 0) {
            // The pupil changes the change: what was marked goes.
            Unmark();
        }
    });
    connect(Wis2, &QToolButton::clicked, this, &SumRowPanel::Wis2Click);
    if (ToonMij != nullptr) {
        connect(ToonMij, &QPushButton::clicked, this, &SumRowPanel::ShowMeClick);
    }
}

void SumRowPanel::NameControls() {
    // The captions under the sum and the change explain what they stand beside.
    const std::pair<QLabel*, QString> captions[] = {{lblTotaal, Texts().Tot14MouseMove},
                                                    {lblTeruggave, Texts().TeruggaveMouseMove}};
    for (const auto& [label, help] : captions) {
        SetDescription(label, HelpDisplayText(help));
    }
    // The change is labelled by its caption (LABELLED_BY), as each field by its own. The
    // sum boxes are not: a screen reader would read the units box by the caption
    // "Totaal :" instead of by its column.
    lblTeruggave->setBuddy(Teruggave);
    // A sum box explains itself when asked (F1, the pointer), not each time the focus
    // comes: the pupil moves through them with every digit.
    for (int n = 1; n <= 14; ++n) {
        HelpOnRequest(Tot[At(n)]);
    }
    NameSumBoxes(false);
    if (UitlegMarkering != nullptr) {
        SetName(UitlegMarkering, Texts().Mark);
    }
}

void SumRowPanel::Expose(Controls& ui) const {
    static_cast<SumRowControls&>(ui) = *this;
}

void SumRowPanel::ListHelp(HelpMap& help) const {
    help.insert(Hulpje, Texts().HulpjeMouseMove);
    for (int k = 1; k <= 14; ++k) {
        help.insert(Tot[At(k)], Texts().Tot14MouseMove);
    }
    help.insert(Wis1, Texts().Wis1MouseMove);
    help.insert(Wis2, Texts().Wis2MouseMove);
    help.insert(Teruggave, Texts().TeruggaveMouseMove);
    if (ToonMij != nullptr) {
        help.insert(ToonMij, Texts().ShowMeMouseMove);
    }
}

// ----------------------------------------------------------------------------- drawing
void SumRowPanel::Draw() {
    if (lesson_.ExerciseSerial() != drawnSerial_) {
        drawnSerial_ = lesson_.ExerciseSerial();
        DrawExercise();
    }
    if (marked_ && !lesson_.LastJudgement()) {
        Unmark();
    }
}

void SumRowPanel::DrawExercise() {
    const ExerciseState& ex = lesson_.Exercise();
    const LessonSettings& settings = lesson_.Settings();
    const bool receipt = settings.Addends.Receipt;
    Unmark();
    shownRed_.clear();
    for (QWidget* w : std::initializer_list<QWidget*>{lblTeruggave, Teruggave, Wis2}) {
        w->setVisible(receipt);
    }
    if (receipt) {
        Write(Teruggave, QString());
    }
    for (int k = 1; k <= 14; ++k) {
        Tot[At(k)]->setVisible(ex.ExpectedChar[At(k)] != ' ');
    }
    // The carry label waits one row above the top addend.
    const int top = lesson_.FirstLineInUse();
    Hulpje->move(Hulpje->x(), prices_[At(top)]->y() - prices_[11]->height());
    Hulpje->setVisible(settings.Helps);
    ClearSumRow();
    NameSumBoxes(ex.ExpectedChar[3] == ',');
}

void SumRowPanel::NameSumBoxes(bool decimal) {
    for (int n = 1; n <= 14; ++n) {
        SetName(Tot[At(n)], Texts().SumBox.arg(ColumnName(n, decimal)));
        DescribeSumBox(n);
    }
}

void SumRowPanel::DescribeSumBox(int n) {
    // Besides its column a box has the judgement to tell, or what was marked, or nothing:
    // its description is then its name, which a screen reader does not read twice
    // (without one it would read the tooltip, with every digit typed).
    EditBox* box = Tot[At(n)];
    const bool judged = !sumDescription_.isEmpty() && Shown(box);
    const bool marked = n == markedBox_ && marked_ && !told_.isEmpty();
    SetDescription(box, judged ? sumDescription_ : marked ? told_ : box->accessibleName());
}

void SumRowPanel::ShowJudgement(const Judgement& j) {
    Unmark();
    const QColor sum = j.SumRight ? Green : Red;
    for (int n = 1; n <= 14; ++n) {
        SetFieldColor(Tot[At(n)], sum);
    }
    if (j.ChangeRight) {
        Write(Teruggave, Q(j.ChangeText));
        SetFieldColor(Teruggave, *j.ChangeRight ? Green : Red);
    }
    QString said = Texts().SumJudged.arg(GoodOrWrong(j.SumRight));
    sumDescription_ = GoodOrWrong(j.SumRight);
    if (j.ChangeRight) {
        said += Texts().ChangeJudged.arg(GoodOrWrong(*j.ChangeRight));
        SetDescription(Teruggave, GoodOrWrong(*j.ChangeRight));
    }
    // Where it went wrong, when the pupil can still do something about it.
    if (explain_ && j.WrongChecks > 0 && lesson_.Phase() != LessonPhase::SeriesOver) {
        Mark(j);
        said += QLatin1Char(' ') + QString(told_).replace(QLatin1Char('\n'), QLatin1Char(' '));
    }
    for (int n = 1; n <= 14; ++n) {
        DescribeSumBox(n);
    }
    if (Announcer* announcer = Announcer::Of(Tot[1])) {
        announcer->Say(said);
    }
}

void SumRowPanel::CheckReleased() {
    ClearJudgementColours();
    FocusUnitsBox();
}

void SumRowPanel::ClearJudgementColours() {
    SetJudgementColours(White, White);
}

void SumRowPanel::SetJudgementColours(const QColor& sum, const QColor& change) {
    for (int n = 1; n <= 14; ++n) {
        SetFieldColor(Tot[At(n)], sum);
    }
    SetFieldColor(Teruggave, change);
    if (sum == White && change == White) {
        ClearJudgement();
    }
}

void SumRowPanel::ClearJudgement() {
    sumDescription_.clear();
    for (int n = 1; n <= 14; ++n) {
        DescribeSumBox(n);
    }
    const bool changeMarked = marked_ && markedBox_ == 0 && !told_.isEmpty();
    SetDescription(Teruggave, changeMarked ? told_ : HelpDisplayText(Texts().TeruggaveMouseMove));
}

void SumRowPanel::ClearSumRow() {
    for (int n = 1; n <= 14; ++n) {
        SetFieldColor(Tot[At(n)], White);
    }
    // Each assignment runs the box's change rule: "0" is accepted, the other boxes are
    // emptied; a box that is empty already stays as it is. The rules' focus moves
    // wait for the end, where the focus goes to the units box once, as the last of them
    // would have put it: a screen reader hears the focus arrive there and nowhere else.
    const bool unitsHadFocus = Tot[1]->hasFocus();
    clearing_ = true;
    Write(Tot[1], QStringLiteral("0"));
    for (int n = 2; n <= 14; ++n) {
        if (!Tot[At(n)]->text().isEmpty()) {
            Write(Tot[At(n)], QString()); // as the refused blank would leave it
        }
    }
    clearing_ = false;
    SetFieldColor(Teruggave, White);
    ClearJudgement();
    if (unitsHadFocus && Shown(Tot[2])) {
        // The units box would have left and taken the focus back: it enters it again.
        Tot1Enter(1);
    }
    FocusUnitsBox();
}

SumBoxTexts SumRowPanel::SumRow() const {
    SumBoxTexts boxes;
    for (int n = 1; n <= 14; ++n) {
        if (Shown(Tot[At(n)])) {
            boxes[At(n)] = Tot[At(n)]->text().toStdString();
        }
    }
    return boxes;
}

std::string SumRowPanel::ChangeText() const {
    return Teruggave->text().toStdString();
}

// ----------------------------------------------------------------------------- the sum row
namespace {

// A character that takes no room on screen: a format or control character (a zero-width
// space, a direction mark), a line or paragraph separator, or a mark that joins the one
// before it. An input method or a screen reader may put one in a box; it does not belong.
bool Invisible(QChar c) {
    switch (c.category()) {
    case QChar::Other_Format:
    case QChar::Other_Control:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
    case QChar::Mark_NonSpacing:
    case QChar::Mark_Enclosing:
        return true;
    default:
        return false;
    }
}

} // namespace

void SumRowPanel::Write(QLineEdit* box, const QString& text) {
    ++writing_;
    guards_.value(box)->Write(text);
    --writing_;
}

bool SumRowPanel::PutBack(QLineEdit* box) {
    // A pupil types only into the box that has the focus; a text pasted or dropped there
    // goes through the box's rules as typed.
    return guards_.value(box)->PutBack(true);
}

bool SumRowPanel::DropInvisible(QLineEdit* box) {
    const QString text = box->text();
    if (std::none_of(text.begin(), text.end(), Invisible)) {
        return false;
    }
    QString visible;
    for (QChar c : text) {
        if (!Invisible(c)) {
            visible += c;
        }
    }
    Write(box, visible);
    return true;
}

void SumRowPanel::Tot1Change(int n) {
    EditBox* box = Tot[At(n)];
    if (PutBack(box)) {
        return;
    }
    // Characters a pupil cannot see never stay (the rule runs again, nested, for the rest).
    if (DropInvisible(box)) {
        return;
    }
    // The pupil's own change, not one the program makes (nor the comma it makes of a
    // point the pupil typed, which this run sees through).
    const bool byPupil = writing_ == 0 && !clearing_;
    if (byPupil) {
        // Typing in the row takes the mark away; a digit the helps showed red, typed
        // again, is help the pupil had.
        Unmark();
        if (shownRed_.remove(n)) {
            emit helped();
        }
    }
    const bool rejected = IsRejectedEntry(box->text().toStdString());
    if (box->text() == QStringLiteral(".")) {
        Write(box, QStringLiteral(",")); // runs this rule again, nested, for ","
    }
    if (rejected) {
        if (n == 1) {
            // The units box keeps a refused text as it stands, and the focus: the next
            // character joins the text instead of replacing it. Only a focus that has gone
            // elsewhere (Backspace moves it on before emptying the box) comes back.
            if (Tot[1]->hasFocus()) {
                Hulpje->clear();
            } else {
                FocusUnitsBox();
            }
        } else {
            Write(box, QString());
            if (Shown(box) && !clearing_) {
                box->setFocus();
            }
        }
    } else {
        const int next = n == 14 ? 1 : n + 1;
        if (Shown(Tot[At(next)]) && !clearing_) {
            Tot[At(next)]->setFocus();
        }
    }
    SetTextColour(box, Black);
    if (lesson_.Settings().Helps &&
        box->text() != QString(QLatin1Char(lesson_.Exercise().ExpectedChar[At(n)]))) {
        SetTextColour(box, Red);
        if (byPupil && !box->text().isEmpty()) {
            shownRed_.insert(n);
        }
    }
}

void SumRowPanel::FocusUnitsBox() {
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

void SumRowPanel::FocusChangeField() {
    Teruggave->setFocus(Qt::OtherFocusReason);
}

void SumRowPanel::ChainTabAfter(QWidget* previous) {
    static const int order[] = {1, 2, 4, 3, 8, 7, 6, 5, 12, 11, 10, 9, 14, 13};
    for (int k : order) {
        QWidget::setTabOrder(previous, Tot[At(k)]);
        previous = Tot[At(k)];
    }
    QWidget::setTabOrder(previous, Teruggave);
}

bool SumRowPanel::InAnswer(const QWidget* w) const {
    return w == Teruggave || std::find(Tot.begin(), Tot.end(), w) != Tot.end();
}

void SumRowPanel::Tot1KeyDown(int n, int key) {
    const bool backspace = key == Qt::Key_Backspace;
    if (backspace || key == Qt::Key_Left) {
        if (n == 14) {
            if (!backspace) {
                Tot[1]->setFocus();
            }
        } else if (Shown(Tot[At(n + 1)])) {
            Tot[At(n + 1)]->setFocus();
        } else {
            FocusUnitsBox();
        }
    } else if (key == Qt::Key_Right) {
        if (n == 1) {
            FocusLeftmostBox();
        } else {
            Tot[At(n - 1)]->setFocus();
        }
    }
    // The Backspace itself still reaches this box after the focus has left it. It must
    // clear what the box holds, wherever a mouse click left the caret, so that the
    // emptied box takes the focus back through its change rule; an empty box lets the
    // focus go on to the left.
    if (backspace && !Tot[At(n)]->text().isEmpty()) {
        Tot[At(n)]->selectAll();
    }
}

void SumRowPanel::Tot1KeyPress(QChar key) {
    if (key == QChar(13) && lesson_.Receipt() && Shown(Teruggave)) {
        Teruggave->setFocus();
    }
}

void SumRowPanel::Tot1Enter(int n) {
    if (!lesson_.Settings().Helps) {
        return;
    }
    Hulpje->move(CarryLabelLeft(prices_[12]->x(), columnWidth_, n), Hulpje->y());
    const int carry = CarryIntoBox(lesson_.Exercise().Carry, n, lesson_.Settings().Addends.Decimal);
    Hulpje->setText(carry == 0 ? QString() : QString::number(carry));
}

void SumRowPanel::FocusLeftmostBox() {
    for (int n = 14; n >= 2; --n) {
        if (Shown(Tot[At(n)])) {
            Tot[At(n)]->setFocus();
            return;
        }
    }
    Tot[1]->setFocus();
}

void SumRowPanel::Wis1Click() {
    if (!Reachable(Wis1)) {
        return;
    }
    Unmark();
    ClearSumRow();
}

void SumRowPanel::TeruggaveKeyDown(int key) {
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        FocusUnitsBox();
    }
}

void SumRowPanel::TeruggaveExit() {
    Write(Teruggave, Q(FirstPointToComma(Teruggave->text().toStdString())));
}

void SumRowPanel::Wis2Click() {
    if (!Reachable(Wis2)) {
        return;
    }
    Unmark();
    Write(Teruggave, QString());
    if (Shown(Teruggave)) {
        Teruggave->setFocus();
    }
}

bool SumRowPanel::Key(const QKeyEvent* event) {
    if (ClickByKey(event, {{Qt::Key_F7, Wis1}, {Qt::Key_F8, Wis2}})) {
        return true;
    }
    return ToonMij != nullptr && ClickByKey(event, {{Qt::Key_F12, ToonMij}});
}

int SumRowPanel::BoxOfColumn(int column) const {
    const int held = std::max(1, static_cast<int>(Tot[1]->text().size()));
    return column <= held ? 1 : column - held + 1;
}

void SumRowPanel::Mark(const Judgement& j) {
    const Diagnosis& d = j.Found;
    marked_ = d;
    const bool change = d.Row == RowKind::Change;
    markedBox_ = change ? 0 : BoxOfColumn(d.Column);
    if (!change && (markedBox_ > 14 || !Shown(Tot[At(markedBox_)]))) {
        markedBox_ = 1;
    }
    // Under the box of the column, or under the whole change field.
    UitlegMarkering->PointAt(change ? static_cast<QWidget*>(Teruggave) : Tot[At(markedBox_)]);
    UitlegMarkering->show();
    ToonMij->show();
    // A name for the column as the pupil sees it: the box's, where it holds the column.
    Diagnosis named = d;
    if (!change && markedBox_ != d.Column) {
        named.Column = markedBox_;
        named.From = 0;
    }
    told_ = WhereAndWhy(named, j.WrongChecks >= 2);
    if (change) {
        SetDescription(Teruggave, told_);
    }
    emit explained(told_);
}

void SumRowPanel::Unmark() {
    if (!marked_) {
        return;
    }
    const bool changeMarked = markedBox_ == 0;
    marked_.reset();
    markedBox_ = 0;
    UitlegMarkering->hide();
    ToonMij->hide();
    told_.clear();
    for (int n = 1; n <= 14; ++n) {
        DescribeSumBox(n);
    }
    if (changeMarked) {
        SetDescription(Teruggave, HelpDisplayText(Texts().TeruggaveMouseMove));
    }
    emit explained(QString());
}

void SumRowPanel::ShowMeClick() {
    if (!marked_ || !Reachable(ToonMij)) {
        return;
    }
    Diagnosis column = *marked_;
    if (column.Row != RowKind::Change) {
        column.Column = markedBox_;
    }
    const QString worked = Worked(lesson_, column);
    if (!told_.endsWith(worked)) {
        told_ += QLatin1Char('\n') + worked;
    }
    for (int n = 1; n <= 14; ++n) {
        DescribeSumBox(n);
    }
    emit explained(told_);
    emit helped();
    if (Announcer* announcer = Announcer::Of(Tot[1])) {
        announcer->Say(worked);
    }
}
