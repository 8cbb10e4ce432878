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

// ------------------------------------------------------------------------------ texts
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
    QString Total = ExercisePanel::tr("Totaal :");
    QString Change = ExercisePanel::tr("(Hoofdrekenen)Teruggave :");
    QString CaptionTip = ExercisePanel::tr("Term2");
    QString PlusTip = ExercisePanel::tr("Plus-teken.");
    QString ClearSumTip = ExercisePanel::tr("Wissen van het veld \"Totaal\".");
    QString ClearChangeTip = ExercisePanel::tr("Wissen van het veld \"Teruggave\".");
    QString SumBoxTip = ExercisePanel::tr("In te vullen som.");
    QString ChangeTip =
        ExercisePanel::tr("Hier vult u het uit het hoofd berekende teruggave-bedrag in.");
    // The check's message when the sum row is no number; %1 is the row as read.
    QString NotANumber = ExercisePanel::tr("'%1' is not a valid floating point value");
    // For a screen reader.
    QString Exercise = ExercisePanel::tr("Oefening");
    QString SumLine = ExercisePanel::tr("Somstreep");
    QString OpenWallet = ExercisePanel::tr("Portemonnee openen");
    QString SumBox = ExercisePanel::tr("som, %1"); // %1: the column
    QString Right = ExercisePanel::tr("goed");
    QString Wrong = ExercisePanel::tr("fout");
    QString SumJudged = ExercisePanel::tr("Som %1.");             // %1: right or wrong
    QString ChangeJudged = ExercisePanel::tr(" Teruggave %1.");   // %1: right or wrong
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
    QString Euros(int euros) const { return ExercisePanel::tr("%n euro", nullptr, euros); }
    QString Cents(int cents) const { return ExercisePanel::tr("%n cent", nullptr, cents); }
    // %n: the euros, %1: the cents.
    QString EurosAndCents(int euros, int cents) const {
        return ExercisePanel::tr("%n euro %1", nullptr, euros).arg(cents);
    }
    // The columns of the sum boxes from the right, with the decimal comma or without.
    QStringList Columns = {
        ExercisePanel::tr("eenheden"),          ExercisePanel::tr("tientallen"),
        ExercisePanel::tr("honderdtallen"),     ExercisePanel::tr("duizendtallen"),
        ExercisePanel::tr("tienduizendtallen"), ExercisePanel::tr("honderdduizendtallen"),
        ExercisePanel::tr("miljoenen"),         ExercisePanel::tr("tienmiljoenen"),
        ExercisePanel::tr("honderdmiljoenen"),  ExercisePanel::tr("miljarden"),
        ExercisePanel::tr("tienmiljarden"),     ExercisePanel::tr("honderdmiljarden"),
        ExercisePanel::tr("biljoenen"),         ExercisePanel::tr("tienbiljoenen")};
    QString Hundredths = ExercisePanel::tr("honderdsten");
    QString Tenths = ExercisePanel::tr("tienden");
    QString Comma = ExercisePanel::tr("komma");
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
    QString HulpjeMouseMove = ExercisePanel::tr(
        "Dit is de wachtkamer voor de tientallen(het overschot) van de vorige optel-kolom.\r"
        "Deze waarde moet bij de onderstaande kolom worden opgeteld.");
    QString Tot14MouseMove =
        ExercisePanel::tr("Vul hier de som in van de optelling (van rechts naar links)\r"
                          "Foute input kan steeds gewijzigd/gewist worden.");
    QString Wis1MouseMove = ExercisePanel::tr(
        "Klik hier op om het veld \"Totaal\" volledig te wissen bij foute input.");
    QString Wis2MouseMove = ExercisePanel::tr(
        "Klik hier op om het veld \"Teruggave\" volledig te wissen bij foute input.");
    QString BetaaldMouseMove =
        ExercisePanel::tr("Hier staat het bedrag dat door u betaald werd.\r"
                          "Als dit groter is dan het te betalen bedrag wat meest voorkomt, dan "
                          "moet u het terug te geven bedrag berekenen via \"hoofdrekenen\"");
    QString TeruggaveMouseMove =
        ExercisePanel::tr("U berekend uit het hoofd, welk bedrag door de kassier(ster) aan u "
                          "moet terugbetaald worden, en vul dit bedrag hier in.");
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

// The column box n (1 = rightmost) stands for, with the decimal comma in box 3 or none.
QString ColumnName(int n, bool decimal) {
    const ExerciseTexts& t = Texts();
    if (decimal) {
        if (n == 1) {
            return t.Hundredths;
        }
        if (n == 2) {
            return t.Tenths;
        }
        if (n == 3) {
            return t.Comma;
        }
        n -= 3;
    }
    return t.Columns[n - 1];
}

QString GoodOrWrong(bool right) {
    return right ? Texts().Right : Texts().Wrong;
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

// An amount of money as said: "12 euro 50", "12 euro", "50 cent"; as shown where it is
// no amount in cents (a receipt never has one).
QString SpokenAmount(Amount amount, const QString& shown) {
    constexpr Amount cent = AmountScale / 100;
    if (amount < 0 || amount % cent != 0 || amount / AmountScale > INT_MAX) {
        return shown;
    }
    const ExerciseTexts& t = Texts();
    const int euros = static_cast<int>(amount / AmountScale);
    const int cents = static_cast<int>(amount % AmountScale / cent);
    if (cents == 0) {
        return t.Euros(euros);
    }
    return euros == 0 ? t.Cents(cents) : t.EurosAndCents(euros, cents);
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
    lblTotaal = MakeLabel(Panel1, "lblTotaal", t.Total, {314, 304, 66, 18}, footFont, Black,
                          Qt::AlignRight);
    SetTip(lblTotaal, t.CaptionTip);
    lblTeruggave = MakeLabel(Panel1, "lblTeruggave", t.Change, {164, 416, 217, 18}, footFont, Black,
                             Qt::AlignRight);
    SetTip(lblTeruggave, t.CaptionTip);
    lblTeruggave->hide();
    Label11 = MakeLabel(Panel1, "Label11", QStringLiteral("+"), {388, 264, 18, 26},
                        Font(kCourier, 27, Bold), Black);
    SetTip(Label11, t.PlusTip);
    Hulpje = MakeLabel(Panel1, "Hulpje", QStringLiteral("0"), {549, 17, 14, 20},
                       Font(kCourier, 21, Bold), Blue);
    Hulpje->hide();
    Geld =
        MakePicture(Panel1, "Geld", {593, 357, 43, 32}, QStringLiteral(":/images/purse.jpg"), true);
    Geld->hide();

    auto makeClearButton = [this](const char* name, int top, const QString& tip) {
        auto* b = Named(new QToolButton(Panel1), name);
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

    Panel4 = MakePanel(Panel1, "Panel4", {388, 292, 187, 5},
                       {Black, Bevel::None, Bevel::None, 0, 0, false});

    const QFont boxFont = Font(kCourier, 21, Bold);
    for (int k = 1; k <= 14; ++k) {
        const QByteArray name = "Tot" + QByteArray::number(k);
        auto* box = Named(new EditBox(Panel1, true), name.constData());
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
    Teruggave = Named(new EditBox(Panel1, true), "Teruggave");
    Teruggave->setGeometry(389, 413, 186, 28);
    Teruggave->setFont(boxFont);
    SetTextColor(Teruggave, Black);
    SetFieldColor(Teruggave, White);
    Teruggave->setFocusPolicy(Qt::StrongFocus);
    SetTip(Teruggave, t.ChangeTip);
    Teruggave->hide();

    for (QWidget* w : {static_cast<QWidget*>(Panel1), static_cast<QWidget*>(VolgendeOefening),
                       static_cast<QWidget*>(Kontroleer)}) {
        FinishControls(w);
    }
}

void ExercisePanel::Connect() {
    guards_.insert(Teruggave, new TextGuard(Teruggave));
    for (int n = 1; n <= 14; ++n) {
        guards_.insert(Tot[At(n)], new TextGuard(Tot[At(n)]));
    }
    for (int n = 1; n <= 14; ++n) {
        EditBox* box = Tot[At(n)];
        connect(box, &QLineEdit::textChanged, this, [this, n] { Tot1Change(n); });
        connect(box, &EditBox::keyDown, this, [this, n](int key) { Tot1KeyDown(n, key); });
        connect(box, &EditBox::keyPress, this, &ExercisePanel::Tot1KeyPress);
        // The help asked for in a box is said once; leaving the box takes it back.
        connect(box, &EditBox::focusLost, this, [this, n] { DescribeSumBox(n); });
        // The carry label stays where it is when the leftmost box takes the focus.
        if (n <= 13) {
            connect(box, &EditBox::focusGained, this, [this, n] { Tot1Enter(n); });
        }
    }
    connect(Wis1, &QToolButton::clicked, this, &ExercisePanel::Wis1Click);
    connect(Teruggave, &EditBox::keyDown, this, &ExercisePanel::TeruggaveKeyDown);
    connect(Teruggave, &EditBox::focusLost, this, &ExercisePanel::TeruggaveExit);
    connect(Teruggave, &QLineEdit::textChanged, this, [this] {
        if (!PutBack(Teruggave)) {
            DropInvisible(Teruggave);
        }
    });
    connect(Wis2, &QToolButton::clicked, this, &ExercisePanel::Wis2Click);
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
    // The captions under the sum and the amounts explain what they stand beside.
    const std::pair<QLabel*, QString> captions[] = {{lblTotaal, Texts().Tot14MouseMove},
                                                    {lblBetaald, Texts().BetaaldMouseMove},
                                                    {lblTeruggave, Texts().TeruggaveMouseMove}};
    for (const auto& [label, help] : captions) {
        SetDescription(label, help.isEmpty() ? label->text() : HelpDisplayText(help));
    }
    // Each amount is labelled by its caption (LABELLED_BY), as each field by its own. The
    // sum boxes are not: a screen reader would read the units box by the caption
    // "Totaal :" instead of by its column.
    lblBetaald->setBuddy(Betaald);
    lblTeruggave->setBuddy(Teruggave);
    announcer_ = new Announcer(Panel1->window());
    // A sum box explains itself when asked (F1, the pointer), not each time the focus
    // comes: the pupil moves through them with every digit.
    for (int n = 1; n <= 14; ++n) {
        HelpOnRequest(Tot[At(n)]);
    }
    NameSumBoxes(false);
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
    help.insert(Hulpje, Texts().HulpjeMouseMove);
    for (int k = 1; k <= 14; ++k) {
        help.insert(Tot[At(k)], Texts().Tot14MouseMove);
    }
    help.insert(Wis1, Texts().Wis1MouseMove);
    help.insert(Wis2, Texts().Wis2MouseMove);
    help.insert(Betaald, Texts().BetaaldMouseMove);
    help.insert(Teruggave, Texts().TeruggaveMouseMove);
    help.insert(Geld, Texts().GeldMouseMove);
    help.insert(Kontroleer, Texts().KontroleerMouseMove);
    help.insert(VolgendeOefening, Texts().VolgendeOefeningMouseMove);
}

int ExercisePanel::CarryLabelLeft(int priceLeft, Amount columnWidth, int box) {
    // Over box 13 the label stands 0.2 of a column left of the price label, not a whole
    // column further left as the steady step would put it.
    const double columns = box == 13 ? -0.2 : 11.2 - (box - 1);
    const double width = static_cast<double>(columnWidth) / AmountScale;
    return static_cast<int>(std::trunc(priceLeft + columns * width));
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
    for (QWidget* w :
         std::initializer_list<QWidget*>{lblBetaald, Betaald, lblTeruggave, Teruggave, Wis2}) {
        w->setVisible(receipt);
    }
    Geld->setVisible(receipt && settings.PayFromWallet);
    if (receipt) {
        Write(Teruggave, QString());
    } else {
        Betaald->clear();
    }
    for (int k = 1; k <= 14; ++k) {
        Tot[At(k)]->setVisible(ex.ExpectedChar[At(k)] != ' ');
    }
    // The carry label waits one row above the top addend.
    Hulpje->move(Hulpje->x(), Prijs[At(top)]->y() - Prijs[11]->height());
    Hulpje->setVisible(settings.Helps);
    ClearSumRow();
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
            QLatin1Char(' ') + Texts().PaidSaid.arg(SpokenAmount(ex.Paid, Q(FormatPlain(ex.Paid))));
    }
    announcer_->Say(said);
}

void ExercisePanel::NameSumBoxes(bool decimal) {
    for (int n = 1; n <= 14; ++n) {
        SetName(Tot[At(n)], Texts().SumBox.arg(ColumnName(n, decimal)));
        DescribeSumBox(n);
    }
}

void ExercisePanel::DescribeSumBox(int n) {
    // Besides its column a box has the judgement to tell, or nothing: its description is
    // then its name, which a screen reader does not read twice (without one it would
    // read the tooltip, with every digit typed).
    EditBox* box = Tot[At(n)];
    const bool judged = !sumDescription_.isEmpty() && Shown(box);
    SetDescription(box, judged ? sumDescription_ : box->accessibleName());
}

void ExercisePanel::NameExercise() {
    const ExerciseState& ex = lesson_.Exercise();
    NameSumBoxes(ex.ExpectedChar[3] == ',');
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
                            SpokenAmount(l.LineAmount, Q(l.AmountText).trimmed()))
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

void ExercisePanel::ShowJudgement(const Judgement& j) {
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
    for (int n = 1; n <= 14; ++n) {
        DescribeSumBox(n);
    }
    if (j.ChangeRight) {
        said += Texts().ChangeJudged.arg(GoodOrWrong(*j.ChangeRight));
        SetDescription(Teruggave, GoodOrWrong(*j.ChangeRight));
    }
    announcer_->Say(said);
}

void ExercisePanel::SetJudgementColours(const QColor& sum, const QColor& change) {
    for (int n = 1; n <= 14; ++n) {
        SetFieldColor(Tot[At(n)], sum);
    }
    SetFieldColor(Teruggave, change);
    if (sum == White && change == White) {
        ClearJudgement();
    }
}

void ExercisePanel::ClearJudgement() {
    sumDescription_.clear();
    for (int n = 1; n <= 14; ++n) {
        DescribeSumBox(n);
    }
    SetDescription(Teruggave, HelpDisplayText(Texts().TeruggaveMouseMove));
}

void ExercisePanel::ClearSumRow() {
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

SumBoxTexts ExercisePanel::SumRow() const {
    SumBoxTexts boxes;
    for (int n = 1; n <= 14; ++n) {
        if (Shown(Tot[At(n)])) {
            boxes[At(n)] = Tot[At(n)]->text().toStdString();
        }
    }
    return boxes;
}

std::string ExercisePanel::ChangeText() const {
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

void ExercisePanel::Write(QLineEdit* box, const QString& text) {
    guards_.value(box)->Write(text);
}

bool ExercisePanel::PutBack(QLineEdit* box) {
    // A pupil types only into the box that has the focus; a text pasted or dropped there
    // goes through the box's rules as typed.
    return guards_.value(box)->PutBack(true);
}

bool ExercisePanel::DropInvisible(QLineEdit* box) {
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
void ExercisePanel::Tot1Change(int n) {
    EditBox* box = Tot[At(n)];
    if (PutBack(box)) {
        return;
    }
    // Characters a pupil cannot see never stay (the rule runs again, nested, for the rest).
    if (DropInvisible(box)) {
        return;
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
    }
}

void ExercisePanel::FocusUnitsBox() {
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

void ExercisePanel::FocusChangeField() {
    Teruggave->setFocus(Qt::OtherFocusReason);
}

void ExercisePanel::ChainTabAfter(QWidget* previous) {
    static const int order[] = {1, 2, 4, 3, 8, 7, 6, 5, 12, 11, 10, 9, 14, 13};
    for (int k : order) {
        QWidget::setTabOrder(previous, Tot[At(k)]);
        previous = Tot[At(k)];
    }
    QWidget::setTabOrder(previous, Teruggave);
}

bool ExercisePanel::InAnswer(const QWidget* w) const {
    return w == Teruggave || std::find(Tot.begin(), Tot.end(), w) != Tot.end();
}

void ExercisePanel::Tot1KeyDown(int n, int key) {
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

void ExercisePanel::Tot1KeyPress(QChar key) {
    if (key == QChar(13) && lesson_.Receipt() && Shown(Teruggave)) {
        Teruggave->setFocus();
    }
}

void ExercisePanel::Tot1Enter(int n) {
    if (!lesson_.Settings().Helps) {
        return;
    }
    Hulpje->move(CarryLabelLeft(Prijs[12]->x(), columnWidth_, n), Hulpje->y());
    const int carry = CarryIntoBox(lesson_.Exercise().Carry, n, lesson_.Settings().Addends.Decimal);
    Hulpje->setText(carry == 0 ? QString() : QString::number(carry));
}

void ExercisePanel::FocusLeftmostBox() {
    for (int n = 14; n >= 2; --n) {
        if (Shown(Tot[At(n)])) {
            Tot[At(n)]->setFocus();
            return;
        }
    }
    Tot[1]->setFocus();
}

void ExercisePanel::Wis1Click() {
    if (!Reachable(Wis1)) {
        return;
    }
    ClearSumRow();
}

void ExercisePanel::TeruggaveKeyDown(int key) {
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        FocusUnitsBox();
    }
}

void ExercisePanel::TeruggaveExit() {
    Write(Teruggave, Q(FirstPointToComma(Teruggave->text().toStdString())));
}

void ExercisePanel::Wis2Click() {
    if (!Reachable(Wis2)) {
        return;
    }
    Write(Teruggave, QString());
    if (Shown(Teruggave)) {
        Teruggave->setFocus();
    }
}

// ----------------------------------------------------------------------------- buttons
void ExercisePanel::KontroleerMouseUp() {
    SetJudgementColours(White, White);
    FocusUnitsBox();
}

void ExercisePanel::VolgendeOefeningClick() {
    // Only the button the pupil sees scores: once hidden (the time is up, a settings
    // field entered) no key or other route may press it.
    if (!Reachable(VolgendeOefening)) {
        return;
    }
    SetJudgementColours(White, White);
    emit nextAsked();
}

void ExercisePanel::CheckKeyDown() {
    // A press of the mouse takes the focus to CONTROLEER, and leaving a settings field
    // may draw a new exercise before the check; the sum row and the change field keep
    // it, since leaving them changes nothing, and the release brings it back there.
    if (!InAnswer(FocusedWidget())) {
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
        return ClickByKey(event,
                          {{Qt::Key_F3, VolgendeOefening}, {Qt::Key_F7, Wis1}, {Qt::Key_F8, Wis2}});
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
