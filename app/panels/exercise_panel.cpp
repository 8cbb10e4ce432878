#include "app/panels/exercise_panel.h"

#include "answer/answer.h"
#include "app/desktop.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>

using namespace kit;
using namespace look;

namespace {

struct ExerciseTexts {
    QString Next = ExercisePanel::tr("VOLGENDE OEFENING");
    QString NextTip = ExercisePanel::tr("Klik hier voor de volgende oefening in de reeks.");
    QString Check = ExercisePanel::tr("CONTROLEER");
    QString CheckTip = ExercisePanel::tr("Controleer uw oefening op fouten.");
    QString QuantityTip = ExercisePanel::tr("Gekochte hoeveelheid.");
    QString ArticleTip = ExercisePanel::tr("Artikelnaam.");
    QString PriceTip = ExercisePanel::tr("op te tellen waarde/prijs");
    QString Paid = ExercisePanel::tr("Betaald :");
    QString PaidTip = ExercisePanel::tr("Het door u betaalde bedrag.");
    QString CaptionTip = ExercisePanel::tr("Term2");
    QString PlusTip = ExercisePanel::tr("Plus-teken.");
    // The check's message when the sum row is no number; %1 is the row as read.
    QString NotANumber = ExercisePanel::tr("'%1' is not a valid floating point value");
    // For a screen reader.
    QString Exercise = ExercisePanel::tr("Oefening");
    QString SumLine = ExercisePanel::tr("Somstreep");
    QString OpenWallet = ExercisePanel::tr("Portemonnee openen");
    QString ReceiptLine = ExercisePanel::tr("%1 %2 %3");          // quantity, article, price
    QString ExerciseSaid = ExercisePanel::tr("Oefening %1: %2."); // number, the addends
    QString Plus = ExercisePanel::tr("plus");
    QString PaidSaid = ExercisePanel::tr("Betaald: %1.");
    // A receipt's quantities and amounts as said: the units and the euros in words, as a
    // pupil says them, where the screen abbreviates ("36 St." is "36 stuks", "12,50" is
    // "12 euro 50"; a voice would spell "St." and read "12,50" digit by digit).
    QString OnePiece = ExercisePanel::tr("1 stuk");
    QString Pieces = ExercisePanel::tr("%1 stuks"); // two or more
    QString Grams(int grams) const { return ExercisePanel::tr("%n gram", nullptr, grams); }
    // %1: the weight as shown ("2,45"); its whole kilograms choose the plural.
    QString Kilograms(const QString& weight, int whole) const {
        return ExercisePanel::tr("%1 kilogram", nullptr, whole).arg(weight);
    }
    // What the help box says of each control, word for word, spelling slips included
    // ("berekent", "samensteld"): pupils and teachers know these texts as they are.
    // Lines are joined by a carriage return; some texts open with an empty line.
    QString Aantal1MouseMove =
        ExercisePanel::tr("Dit is de gekochte hoeveelheid van het er naast staande artikel.\r"
                          "Dit is ofwel het aantal stuks, ofwel het gewicht.");
    QString Artikel1MouseMove = ExercisePanel::tr("De naam van het gekochte artikel(s).");
    QString Prijs1MouseMove =
        ExercisePanel::tr("Op te tellen waarde.\r"
                          "Bij een kasticket is dit de totaalprijs die bij een artikel behoort.");
    QString Label11MouseMove = ExercisePanel::tr("Het plus-teken (bewerkingsteken).");
    QString BetaaldMouseMove =
        ExercisePanel::tr("Hier staat het bedrag dat door u betaald werd.\r"
                          "Als dit groter is dan het te betalen bedrag wat meest voorkomt, dan "
                          "moet u het terug te geven bedrag berekenen via \"hoofdrekenen\"");
    QString GeldMouseMove = ExercisePanel::tr(
        "Deze knop opent uw portemonnee, zodat u zelf bepaald welk bedrag u betaald.\r"
        "U heeft de keuze om met pasgeld te betalen of om een hoger bedrag te betalen, waarop "
        "u dan een \"teruggave\" kan berekenen uit het hoofd.");
    QString KontroleerMouseMove =
        ExercisePanel::tr("\r"
                          "Deze knop zal de ingevoerde oplossing controleren op juistheid.\r"
                          "Foute resultaten kleuren rood en goede resultaten kleuren groen.\r"
                          "U krijg slechts een punt als alle resultaten goed(groen) zijn.");
    QString VolgendeOefeningMouseMove =
        ExercisePanel::tr("\r"
                          "Een muisklik op deze knop zal de behaalde punten vastleggen en een "
                          "volgende oefening creëren.");
};

const ExerciseTexts& Texts() {
    static const ExerciseTexts texts;
    return texts;
}

// The catalogue's Dutch (an article's name, a unit) in the pupil's language.
QString CatalogueText(const std::string& text) {
    return text.empty() ? QString()
                        : QCoreApplication::translate(CatalogueTextContext, text.c_str());
}

// A receipt line's quantity with its unit in the pupil's language.
QString QuantityOf(const ExerciseLine& line) {
    const QString quantity = Q(line.QuantityText);
    if (line.Unit.empty()) {
        return quantity;
    }
    return quantity.chopped(static_cast<qsizetype>(line.Unit.size())) + CatalogueText(line.Unit);
}

// A receipt line's quantity as said: "1 stuk", "36 stuks", "523 gram", "2,45 kilogram".
QString SpokenQuantity(const ExerciseLine& line) {
    const QString number =
        Q(line.QuantityText).chopped(static_cast<qsizetype>(line.Unit.size())).trimmed();
    const std::optional<Amount> value = ReadNumber(number.toStdString());
    if (line.Unit.empty() || !value || *value < 0 || *value / AmountScale > INT_MAX) {
        return QuantityOf(line);
    }
    const ExerciseTexts& t = Texts();
    const int whole = static_cast<int>(*value / AmountScale);
    if (line.Unit == PiecesUnit) {
        return whole == 1 ? t.OnePiece : t.Pieces.arg(number);
    }
    if (line.Unit == GramsUnit) {
        return t.Grams(whole);
    }
    if (line.Unit == KilogramsUnit) {
        return t.Kilograms(number, whole);
    }
    return QuantityOf(line);
}

} // namespace

// ---------------------------------------------------------------------------- building
ExercisePanel::ExercisePanel(QWidget* window, const Lesson& lesson)
    : QObject(window), lesson_(lesson) {
    Build(window);
    columnWidth_ = std::llround(Prijs[12]->width() / 12.0 * AmountScale);
    Connect();
    NameControls();
}

void ExercisePanel::Build(QWidget* window) {
    const ExerciseTexts& t = Texts();
    Panel1 = MakePanel(window, "Panel1", {24, 169, 649, 462},
                       {ActiveBorder, Bevel::None, Bevel::Raised, 5, 0, true});
    Panel1->setFont(Font(kArial, 16, Bold | Italic));
    Panel1->setCursor(NoDropCursor());
    VolgendeOefening = MakeButton(window, "VolgendeOefening", t.Next, {83, 657, 262, 24},
                                  Font(kArial, 16, Bold), Maroon);
    VolgendeOefening->setCursor(Qt::ArrowCursor);
    SetTip(VolgendeOefening, t.NextTip);
    Kontroleer = Named(new MouseButton(t.Check, window), "Kontroleer");
    Kontroleer->setGeometry(434, 656, 136, 23);
    Kontroleer->setFont(Font("@Arial Unicode MS", 16, Bold));
    SetTextColor(Kontroleer, Purple);
    Kontroleer->setFocusPolicy(Qt::ClickFocus);
    Kontroleer->setAutoDefault(false);
    Kontroleer->setCursor(Qt::ArrowCursor);
    SetTip(Kontroleer, t.CheckTip);

    static const int aantalTop[13] = {0, 38, 60, 81, 102, 123, 144, 165, 186, 207, 229, 250, 272};
    static const int artikelTop[13] = {0, 36, 58, 79, 100, 121, 142, 163, 184, 205, 227, 248, 270};
    static const int prijsTop[13] = {0, 35, 57, 78, 99, 120, 141, 162, 183, 204, 226, 247, 269};
    // Amount texts are lifted so that a decimal comma keeps its tail; the quantities,
    // article names and the "Betaald :" caption beside them are lifted with them and
    // keep one baseline with the amounts.
    const int amountRaise = 3;
    const int besideRaise = 2;
    for (int r = 1; r <= 12; ++r) {
        const QByteArray name = "Aantal" + QByteArray::number(r);
        Aantal[At(r)] = MakeLabel(Panel1, name.constData(), QStringLiteral("00"),
                                  {r >= 11 ? 14 : 15, aantalTop[r], 99, 18},
                                  Font(kCourier, 16, Bold), Black, Qt::AlignRight, besideRaise);
        SetTip(Aantal[At(r)], t.QuantityTip);
        Aantal[At(r)]->hide();
    }
    for (int r = 1; r <= 12; ++r) {
        const QByteArray name = "Artikel" + QByteArray::number(r);
        Artikel[At(r)] = MakeLabel(Panel1, name.constData(), QStringLiteral("00000000000"),
                                   {129, artikelTop[r], 254, 18}, Font(kArial, 16, Bold), Black,
                                   Qt::AlignLeft, besideRaise);
        SetTip(Artikel[At(r)], t.ArticleTip);
        Artikel[At(r)]->hide();
    }
    // The price column and the sum row share one character grid: the price font is
    // spaced out to the 13 pixels of a sum box, so every digit stands above its box.
    QFont priceFont = Font(kCourier, 21, Bold);
    priceFont.setLetterSpacing(QFont::AbsoluteSpacing,
                               13.0 - QFontMetricsF(priceFont).horizontalAdvance(QLatin1Char('0')));
    for (int r = 1; r <= 12; ++r) {
        const QByteArray name = "Prijs" + QByteArray::number(r);
        Prijs[At(r)] = MakeLabel(Panel1, name.constData(), QStringLiteral("000000000000"),
                                 {r >= 11 ? 410 : 411, prijsTop[r], 164, 18}, priceFont, Black,
                                 Qt::AlignRight, amountRaise);
        SetTip(Prijs[At(r)], t.PriceTip);
    }
    const QFont footFont = Font(kArial, 16, Bold | Italic);
    lblBetaald = MakeLabel(Panel1, "lblBetaald", t.Paid, {307, 363, 74, 18}, footFont, Black,
                           Qt::AlignRight, besideRaise);
    SetTip(lblBetaald, t.CaptionTip);
    lblBetaald->hide();
    Betaald = MakeLabel(Panel1, "Betaald", QString(), {388, 362, 185, 18}, priceFont, Black,
                        Qt::AlignRight, amountRaise);
    SetTip(Betaald, t.PaidTip);
    Betaald->hide();
    Label11 = MakeLabel(Panel1, "Label11", QStringLiteral("+"), {388, 264, 18, 26},
                        Font(kCourier, 27, Bold), Black);
    SetTip(Label11, t.PlusTip);
    Geld =
        MakePicture(Panel1, "Geld", {593, 357, 43, 32}, QStringLiteral(":/images/purse.jpg"), true);
    Geld->hide();
    Panel4 = MakePanel(Panel1, "Panel4", {388, 292, 187, 5},
                       {Black, Bevel::None, Bevel::None, 0, 0, false});

    for (QWidget* w : {static_cast<QWidget*>(Panel1), static_cast<QWidget*>(VolgendeOefening),
                       static_cast<QWidget*>(Kontroleer)}) {
        FinishControls(w);
    }
}

void ExercisePanel::Connect() {
    connect(Kontroleer, &MouseButton::mouseDown, this, &ExercisePanel::checkPressed);
    connect(Kontroleer, &MouseButton::mouseUp, this, &ExercisePanel::KontroleerMouseUp);
    connect(VolgendeOefening, &QPushButton::clicked, this, &ExercisePanel::VolgendeOefeningClick);
    connect(Geld, &Picture::clicked, this, &ExercisePanel::walletAsked);
}

void ExercisePanel::NameControls() {
    const ExerciseTexts& t = Texts();
    SetName(Panel1, t.Exercise);
    SetName(Panel4, t.SumLine);
    SetName(Geld, t.OpenWallet);
    // The caption beside the amount paid explains what it stands beside, and labels it
    // (LABELLED_BY).
    SetDescription(lblBetaald, HelpDisplayText(Texts().BetaaldMouseMove));
    lblBetaald->setBuddy(Betaald);
    announcer_ = new Announcer(Panel1->window());
}

void ExercisePanel::Expose(Controls& ui) const {
    static_cast<ExerciseControls&>(ui) = *this;
}

void ExercisePanel::ListHelp(HelpMap& help) const {
    help.insert(Panel1, QString());
    for (int r = 1; r <= 12; ++r) {
        help.insert(Aantal[At(r)], Texts().Aantal1MouseMove);
        help.insert(Artikel[At(r)], Texts().Artikel1MouseMove);
        help.insert(Prijs[At(r)], Texts().Prijs1MouseMove);
    }
    help.insert(Label11, Texts().Label11MouseMove);
    help.insert(Betaald, Texts().BetaaldMouseMove);
    help.insert(Geld, Texts().GeldMouseMove);
    help.insert(Kontroleer, Texts().KontroleerMouseMove);
    help.insert(VolgendeOefening, Texts().VolgendeOefeningMouseMove);
}

int ExercisePanel::CarryLabelLeft(int priceLeft, Amount columnWidth, int box) {
    return kit::CarryLabelLeft(priceLeft, columnWidth, box);
}

// ----------------------------------------------------------------------------- drawing
void ExercisePanel::Draw() {
    // Until the first exercise is drawn the panel shows its placeholders.
    if (lesson_.ExerciseSerial() == 0) {
        return;
    }
    // Once the time is up, nothing more counts; only a judged exercise may be scored.
    const LessonPhase phase = lesson_.Phase();
    Panel1->setEnabled(phase != LessonPhase::SeriesOver);
    Kontroleer->setVisible(phase != LessonPhase::SeriesOver);
    if (lesson_.ExerciseSerial() != drawnSerial_) {
        drawnSerial_ = lesson_.ExerciseSerial();
        DrawExercise();
    }
    VolgendeOefening->setVisible(phase == LessonPhase::Judged);
    if (lesson_.Receipt()) {
        const QString paid = Q(FormatPlain(lesson_.Exercise().Paid));
        if (Betaald->text() != paid) {
            Betaald->setText(paid);
        }
    }
}

void ExercisePanel::DrawExercise() {
    const ExerciseState& ex = lesson_.Exercise();
    const LessonSettings& settings = lesson_.Settings();
    const bool receipt = settings.Addends.Receipt;
    const int top = lesson_.FirstLineInUse();
    for (int r = 1; r <= 12; ++r) {
        const ExerciseLine& line = ex.Lines[At(r)];
        Aantal[At(r)]->setText(QuantityOf(line));
        Artikel[At(r)]->setText(CatalogueText(line.ArticleName));
        Prijs[At(r)]->setText(Q(line.AmountText));
        const bool inUse = r >= top;
        Prijs[At(r)]->setVisible(inUse);
        Aantal[At(r)]->setVisible(inUse && receipt);
        Artikel[At(r)]->setVisible(inUse && receipt);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{lblBetaald, Betaald}) {
        w->setVisible(receipt);
    }
    Geld->setVisible(receipt && settings.PayFromWallet);
    if (!receipt) {
        Betaald->clear();
    }
    emit exerciseShown();
    NameExercise();
    SayExercise();
}

void ExercisePanel::SayExercise() {
    const ExerciseState& ex = lesson_.Exercise();
    const bool receipt = lesson_.Receipt();
    // The lines as a screen reader finds them on screen: a receipt's price carries its
    // whole line (NameExercise), an addend is its own text.
    QStringList lines;
    for (int r = lesson_.FirstLineInUse(); r <= 12; ++r) {
        const QLabel* price = Prijs[At(r)];
        lines << (receipt ? price->accessibleName() : price->text().simplified());
    }
    const QString separator =
        receipt ? QStringLiteral("; ") : QLatin1Char(' ') + Texts().Plus + QLatin1Char(' ');
    QString said =
        Texts().ExerciseSaid.arg(QString::number(lesson_.ExerciseNumber()), lines.join(separator));
    if (receipt && ex.Paid > 0) {
        said +=
            QLatin1Char(' ') + Texts().PaidSaid.arg(SaidAmount(ex.Paid, Q(FormatPlain(ex.Paid))));
    }
    announcer_->Say(said);
}

void ExercisePanel::NameExercise() {
    const ExerciseState& ex = lesson_.Exercise();
    // A receipt is read line by line: the price carries its whole line, as said.
    const bool receipt = lesson_.Receipt();
    const int top = lesson_.FirstLineInUse();
    for (int r = 1; r <= 12; ++r) {
        QString line;
        if (receipt && r >= top) {
            const ExerciseLine& l = ex.Lines[At(r)];
            line = Texts()
                       .ReceiptLine
                       .arg(SpokenQuantity(l), CatalogueText(l.ArticleName),
                            SaidAmount(l.LineAmount, Q(l.AmountText).trimmed()))
                       .simplified();
        }
        SetName(Prijs[At(r)], line);
    }
}

void ExercisePanel::TellUnreadable(const Judgement& j) {
    telling_ = true;
    desktop::Critical(Panel1->window(), Panel1->window()->windowTitle(),
                      Texts().NotANumber.arg(Q(j.Typed)));
    telling_ = false;
    // The release of a check key held when the message came went to the message, or was
    // lost while the message took the keyboard: the key counts as let go, so that the
    // next press checks.
    if (checkKeyHeld_ && desktop::FunctionKeyDown(Qt::Key_F2) != true) {
        CheckKeyUp();
    }
}

// ----------------------------------------------------------------------------- buttons
void ExercisePanel::KontroleerMouseUp() {
    emit checkReleased();
}

void ExercisePanel::VolgendeOefeningClick() {
    // Only the button the pupil sees scores: once hidden (the time is up, a settings
    // field entered) no key or other route may press it.
    if (!Reachable(VolgendeOefening)) {
        return;
    }
    emit nextAsked();
}

void ExercisePanel::CheckKeyDown() {
    // A press of the mouse takes the focus to CONTROLEER, and leaving a settings field
    // may draw a new exercise before the check; the sum row and the change field keep
    // it, since leaving them changes nothing, and the release brings it back there.
    if (!(inAnswer_ && inAnswer_(FocusedWidget()))) {
        Kontroleer->setFocus(Qt::MouseFocusReason);
    }
    checkKeyHeld_ = true;
    Kontroleer->setDown(true);
    emit checkPressed();
}

void ExercisePanel::CheckKeyUp() {
    checkKeyHeld_ = false;
    Kontroleer->setDown(false);
    KontroleerMouseUp();
}

bool ExercisePanel::Key(const QKeyEvent* event) {
    if (!PlainKey(event)) {
        return false;
    }
    switch (event->key()) {
    case Qt::Key_F2:
        // Held, the key repeats: one check for the whole hold.
        if (!checkKeyHeld_ && Reachable(Kontroleer)) {
            CheckKeyDown();
        }
        return true;
    case Qt::Key_F4:
        if (Reachable(Geld)) {
            Geld->Press();
        }
        return true;
    default:
        return ClickByKey(event, {{Qt::Key_F3, VolgendeOefening}});
    }
}
void ExercisePanel::NoteKeyOffered(const QKeyEvent* shortcutCheck) {
    // A bridge's copy of a press has no time of its own and is not counted again.
    const unsigned long at = shortcutCheck->timestamp();
    if (shortcutCheck->key() == Qt::Key_F2 && at != 0 && at != checkKeyOfferedAt_) {
        checkKeyOfferedAt_ = at;
        checkKeyPressesOnTheWay_.push_back(std::chrono::steady_clock::now());
    }
}

void ExercisePanel::NoteKeyPress(const QKeyEvent* press) {
    if (press->key() == Qt::Key_F2 && !checkKeyPressesOnTheWay_.empty()) {
        checkKeyPressesOnTheWay_.pop_front();
    }
}

bool ExercisePanel::CheckKeyStillHeld() {
    // A press that never arrives (taken by the screen reader) is forgotten after a while;
    // a bridge holds a press back for a tenth of a second at most, and a busy machine a
    // little longer.
    constexpr auto kForgotten = std::chrono::seconds(2);
    const auto now = std::chrono::steady_clock::now();
    while (!checkKeyPressesOnTheWay_.empty() &&
           now - checkKeyPressesOnTheWay_.front() > kForgotten) {
        checkKeyPressesOnTheWay_.pop_front();
    }
    return !checkKeyPressesOnTheWay_.empty() || desktop::FunctionKeyDown(Qt::Key_F2) == true;
}

bool ExercisePanel::KeyRelease(const QKeyEvent* event) {
    if (event->key() != Qt::Key_F2 || event->isAutoRepeat() || !checkKeyHeld_) {
        return false;
    }
    // A held key repeats as a release and a press. Qt marks the pair as a repeat, but not
    // once a screen reader's bridge has passed the keys on (late, on a busy machine): a
    // release is the key let go only when the keyboard has it up and sent no press after
    // it.
    if (!CheckKeyStillHeld()) {
        CheckKeyUp();
    }
    return true;
}
