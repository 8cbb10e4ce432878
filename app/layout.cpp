// Builds every control of the window once, in drawing order: within a container the
// labels and pictures come first (a later one over an earlier one), then the buttons,
// edit fields and panels, which are drawn over them.

#include "app/artwork.h"
#include "app/form.h"
#include "app/look.h"
#include "wallet/pieces.h"

#include <QIcon>

#include <algorithm>

namespace {

using namespace look;

const char* const kSans = "MS Sans Serif";
const char* const kArial = "Arial";
const char* const kCourier = "Courier";

template <typename W> W* Named(W* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

void SetTip(QWidget* w, const QString& tip) {
    w->setToolTip(tip);
    w->setToolTipDuration(5000);
}

// `raise` lifts the text inside the label (see RaisedTextLabel).
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QRect geometry,
                  const QFont& font, const QColor& color, Qt::Alignment align = Qt::AlignLeft,
                  int raise = 0) {
    auto* l =
        Named(raise ? new RaisedTextLabel(text, parent, raise) : new QLabel(text, parent), name);
    l->setGeometry(geometry);
    l->setFont(font);
    l->setAlignment(align | Qt::AlignTop);
    SetTextColor(l, color);
    return l;
}

Caption* MakeCaption(QWidget* parent, const char* name, const QString& text, QRect geometry,
                     const QFont& font, const QColor& color, Qt::Alignment align, bool autoSize) {
    auto* l = Named(new Caption(text, parent, autoSize), name);
    l->setGeometry(geometry);
    l->setFont(font);
    l->setAlignment(align | Qt::AlignTop);
    SetTextColor(l, color);
    return l;
}

QCheckBox* MakeCheckBox(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    auto* c = Named(new QCheckBox(text, parent), name);
    c->setGeometry(geometry);
    // The caption stands left of the box.
    c->setLayoutDirection(Qt::RightToLeft);
    c->setFocusPolicy(Qt::ClickFocus);
    // The caption takes the bar's white; the tick must stay dark in its white box.
    QPalette palette = c->palette();
    palette.setColor(QPalette::Text, Black);
    c->setPalette(palette);
    return c;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text, QRect geometry,
                        const QFont& font, const QColor& color) {
    auto* b = Named(new QPushButton(text, parent), name);
    b->setGeometry(geometry);
    b->setFont(font);
    SetTextColor(b, color);
    b->setFocusPolicy(Qt::ClickFocus);
    b->setAutoDefault(false);
    return b;
}

EditBox* MakeSettingField(QWidget* parent, const char* name, const QString& text, QRect geometry,
                          int maxLength) {
    auto* e = Named(new EditBox(parent), name);
    e->setGeometry(geometry);
    e->setText(text);
    e->setMaxLength(maxLength);
    e->setFont(Font(kSans, 13, Bold));
    SetTextColor(e, Black);
    e->setFocusPolicy(Qt::ClickFocus);
    e->setCursor(Qt::ArrowCursor);
    e->setTextMargins(0, 0, 0, 0);
    return e;
}

BevelPanel* MakePanel(QWidget* parent, const char* name, QRect geometry,
                      const BevelPanel::Style& style) {
    auto* p = Named(new BevelPanel(parent, style), name);
    p->setGeometry(geometry);
    return p;
}

CaptionBox* MakeBox(QWidget* parent, const char* name, const QString& caption, QRect geometry,
                    const QColor& color) {
    auto* g = Named(new CaptionBox(caption, color, parent), name);
    g->setGeometry(geometry);
    return g;
}

Picture* MakePicture(QWidget* parent, const char* name, QRect geometry, const QString& image,
                     bool stretch) {
    auto* p = Named(new Picture(parent, stretch), name);
    p->setGeometry(geometry);
    p->SetSource(image);
    return p;
}

} // namespace

void TForm1::BuildLayout() {
    setObjectName("Form1");
    setWindowTitle(QStringLiteral("Quorvel v.2 (Zenbo)"));
    setFixedSize(DesignedSize);
    setFont(Font(kSans, 13, Bold));
    SetTextColor(this, Black);
    SetBackground(this, ButtonShadow);
    setCursor(NoDropCursor());
    setWindowIcon(ArtworkIcon({{QStringLiteral(":/images/icon16.png"), {}},
                               {QStringLiteral(":/images/icon32.png"), {}},
                               {QStringLiteral(":/images/icon48.png"), {}}}));

    BuildWindowControls();
    BuildExercisePanel();
    BuildSettingsBar();
    BuildPointsPanel();
    BuildResultsPanel();
    BuildInfoPanel();
    BuildWallet();

    // Every control without a cursor of its own shows the arrow rather than its
    // container's; edit fields keep their text cursor.
    for (QWidget* w : findChildren<QWidget*>()) {
        if (!w->testAttribute(Qt::WA_SetCursor) && !qobject_cast<QLineEdit*>(w) &&
            w->parentWidget() != Help) {
            w->setCursor(Qt::ArrowCursor);
        }
    }
    // A screen reader announces a control by its caption, which it reads from the control
    // as the text changes (labels and buttons). A control without a caption that says
    // anything (an edit field, a picture, the "*" buttons) is announced by its tooltip.
    for (QWidget* w : findChildren<QWidget*>()) {
        if (qobject_cast<QLabel*>(w) || w->toolTip().isEmpty()) {
            continue;
        }
        QString caption;
        if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            caption = button->text();
        } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
            caption = box->title();
        }
        if (std::none_of(caption.begin(), caption.end(),
                         [](QChar c) { return c.isLetterOrNumber(); })) {
            w->setAccessibleName(w->toolTip());
        }
    }
}

void TForm1::BuildWindowControls() {
    Label36 = MakeLabel(this, "Label36", QStringLiteral("Oefening nr. : :"), {152, 124, 100, 16},
                        Font(kSans, 13, Bold), Black);
    Reeksteller = MakeCaption(this, "Reeksteller", QStringLiteral("1"), {256, 120, 12, 24},
                              Font(kSans, 19, Bold), Black, Qt::AlignLeft, true);
    SetBackground(Reeksteller, Yellow);
    SetTip(Reeksteller, QStringLiteral("Dit is het nummer van de oefening."));
    Image4 =
        MakePicture(this, "Image4", {26, 119, 57, 25}, QStringLiteral(":/images/stop.png"), true);
    Image4->setCursor(Qt::ArrowCursor);
    SetTip(Image4, QStringLiteral("Stop het programma."));
    KlokVenster = MakeLabel(this, "KlokVenster", QString(), {416, 121, 87, 24},
                            Font(kSans, 19, Bold), Red, Qt::AlignHCenter);
    SetBackground(KlokVenster, ButtonText);
    KlokVenster->setCursor(Qt::ForbiddenCursor);
    KlokVenster->hide();

    Panel1 = MakePanel(this, "Panel1", {24, 169, 649, 462},
                       {ActiveBorder, Bevel::None, Bevel::Raised, 5, 0, true});
    Panel1->setFont(Font(kArial, 16, Bold | Italic));
    Panel1->setCursor(NoDropCursor());
    Instellingen =
        MakeBox(this, "Instellingen", QStringLiteral("Instellingen"), {24, 9, 878, 89}, Teal);
    Instellingen->setFont(Font(kSans, 13, Bold));
    SetTextColor(Instellingen, White);
    Instellingen->setCursor(NoDropCursor());
    VolgendeOefening = MakeButton(this, "VolgendeOefening", QStringLiteral("VOLGENDE OEFENING"),
                                  {83, 657, 262, 24}, Font(kArial, 16, Bold), Maroon);
    VolgendeOefening->setCursor(Qt::ArrowCursor);
    SetTip(VolgendeOefening, QStringLiteral("Klik hier voor de volgende oefening in de reeks."));
    Kontroleer = Named(new MouseButton(QStringLiteral("CONTROLEER"), this), "Kontroleer");
    Kontroleer->setGeometry(434, 656, 136, 23);
    Kontroleer->setFont(Font("@Arial Unicode MS", 16, Bold));
    SetTextColor(Kontroleer, Purple);
    Kontroleer->setFocusPolicy(Qt::ClickFocus);
    Kontroleer->setAutoDefault(false);
    Kontroleer->setCursor(Qt::ArrowCursor);
    SetTip(Kontroleer, QStringLiteral("Controleer uw oefening op fouten."));
    Panel2 = MakePanel(this, "Panel2", {694, 169, 210, 462},
                       {InactiveCaption, Bevel::Raised, Bevel::Lowered, 5, 5, true});
    Panel2->setCursor(NoDropCursor());

    Help = Named(new QTextEdit(this), "Help");
    Help->setGeometry(25, 704, 878, 129);
    Help->setReadOnly(true);
    Help->setFrameShape(QFrame::NoFrame);
    Help->setLineWrapMode(QTextEdit::WidgetWidth);
    Help->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Help->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Help->setFocusPolicy(Qt::NoFocus);
    Help->setTextInteractionFlags(Qt::NoTextInteraction);
    Help->setFont(Font(kSans, 13, Bold));
    SetTextColor(Help, Black);
    SetFieldColor(Help, Grey);
    Help->viewport()->setCursor(NoDropCursor());
    Help->setCursor(NoDropCursor());
    SetTip(Help, QStringLiteral("Context-gevoelig help-menu."));

    Startknop = MakeButton(this, "Startknop", QStringLiteral("START"), {431, 122, 62, 22},
                           Font(kSans, 13, Bold), Green);
    Startknop->hide();
    OKKnop1 = MakeButton(this, "OKKnop1", QStringLiteral("RESET"), {353, 122, 62, 23},
                         Font(kSans, 13, Bold | Italic), Green);
    OKKnop1->hide();
    Panel3 = MakePanel(this, "Panel3", {25, 170, 880, 461},
                       {DesktopBackground, Bevel::Raised, Bevel::Lowered, 3, 3, false});
    Panel3->setCursor(Qt::ForbiddenCursor);
    Panel3->hide();
    Info = MakePanel(this, "Info", {314, 25, 585, 234},
                     {Blue, Bevel::Raised, Bevel::None, 3, 5, true});
    Info->setFont(Font(kSans, 16, Regular));
    SetTextColor(Info, Yellow);
    Info->hide();
    Portemonnee = MakeBox(this, "Portemonnee", QStringLiteral("Portemonnee"), {24, 7, 878, 697},
                          InactiveCaptionText);
    Portemonnee->setFont(Font(kSans, 13, Bold));
    SetTextColor(Portemonnee, White);
    Portemonnee->setCursor(Qt::ForbiddenCursor);
    SetTip(Portemonnee, QStringLiteral("Dit is de portemonnee."));
    Portemonnee->hide();

    Timer1 = Named(new QTimer(this), "Timer1");
    Timer1->setInterval(1000);
}

void TForm1::BuildExercisePanel() {
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
        Aantal[r] = MakeLabel(Panel1, name.constData(), QStringLiteral("00"),
                              {r >= 11 ? 14 : 15, aantalTop[r], 99, 18}, Font(kCourier, 16, Bold),
                              Black, Qt::AlignRight, besideRaise);
        SetTip(Aantal[r], QStringLiteral("Gekochte hoeveelheid."));
        Aantal[r]->hide();
    }
    for (int r = 1; r <= 12; ++r) {
        const QByteArray name = "Artikel" + QByteArray::number(r);
        Artikel[r] = MakeLabel(Panel1, name.constData(), QStringLiteral("00000000000"),
                               {129, artikelTop[r], 254, 18}, Font(kArial, 16, Bold), Black,
                               Qt::AlignLeft, besideRaise);
        SetTip(Artikel[r], QStringLiteral("Artikelnaam."));
        Artikel[r]->hide();
    }
    // The price column and the sum row share one character grid: the price font is
    // spaced out to the 13 pixels of a sum box, so every digit stands above its box.
    QFont priceFont = Font(kCourier, 21, Bold);
    priceFont.setLetterSpacing(QFont::AbsoluteSpacing,
                               13.0 - QFontMetricsF(priceFont).horizontalAdvance(QLatin1Char('0')));
    for (int r = 1; r <= 12; ++r) {
        const QByteArray name = "Prijs" + QByteArray::number(r);
        Prijs[r] = MakeLabel(Panel1, name.constData(), QStringLiteral("000000000000"),
                             {r >= 11 ? 410 : 411, prijsTop[r], 164, 18}, priceFont, Black,
                             Qt::AlignRight, amountRaise);
        SetTip(Prijs[r], QStringLiteral("op te tellen waarde/prijs"));
    }
    const QFont footFont = Font(kArial, 16, Bold | Italic);
    lblBetaald = MakeLabel(Panel1, "lblBetaald", QStringLiteral("Betaald :"), {307, 363, 74, 18},
                           footFont, Black, Qt::AlignRight, besideRaise);
    SetTip(lblBetaald, QStringLiteral("Term2"));
    lblBetaald->hide();
    Betaald = MakeLabel(Panel1, "Betaald", QString(), {388, 362, 185, 18}, priceFont, Black,
                        Qt::AlignRight, amountRaise);
    SetTip(Betaald, QStringLiteral("Het door u betaalde bedrag."));
    Betaald->hide();
    lblTotaal = MakeLabel(Panel1, "lblTotaal", QStringLiteral("Totaal :"), {314, 304, 66, 18},
                          footFont, Black, Qt::AlignRight);
    SetTip(lblTotaal, QStringLiteral("Term2"));
    lblTeruggave = MakeLabel(Panel1, "lblTeruggave", QStringLiteral("(Hoofdrekenen)Teruggave :"),
                             {164, 416, 217, 18}, footFont, Black, Qt::AlignRight);
    SetTip(lblTeruggave, QStringLiteral("Term2"));
    lblTeruggave->hide();
    Label11 = MakeLabel(Panel1, "Label11", QStringLiteral("+"), {388, 264, 18, 26},
                        Font(kCourier, 27, Bold), Black);
    SetTip(Label11, QStringLiteral("Plus-teken."));
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
    Wis1 = makeClearButton("Wis1", 302, QStringLiteral("Wissen van het veld \"Totaal\"."));
    Wis2 = makeClearButton("Wis2", 417, QStringLiteral("Wissen van het veld \"Teruggave\"."));
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
        SetTip(box, QStringLiteral("In te vullen som."));
        Tot[k] = box;
    }
    Teruggave = Named(new EditBox(Panel1, true), "Teruggave");
    Teruggave->setGeometry(389, 413, 186, 28);
    Teruggave->setFont(boxFont);
    SetTextColor(Teruggave, Black);
    SetFieldColor(Teruggave, White);
    Teruggave->setFocusPolicy(Qt::StrongFocus);
    SetTip(Teruggave,
           QStringLiteral("Hier vult u het uit het hoofd berekende teruggave-bedrag in."));
    Teruggave->hide();
}

void TForm1::BuildSettingsBar() {
    QWidget* bar = Instellingen;
    Label1 = MakeLabel(bar, "Label1", QStringLiteral("Aantal op te tellen getallen (2<->12) :"),
                       {12, 17, 253, 16}, Font(kSans, 13, Bold), White);
    SetTip(Label1, QStringLiteral("Het aantal op te tellen getallen."));
    lblMaxGetal = MakeLabel(bar, "lblMaxGetal", QStringLiteral("Max. getal :"), {185, 40, 80, 16},
                            Font(kSans, 13, Bold), White);
    SetTip(lblMaxGetal,
           QStringLiteral("Het hoogst toegelaten getal voor de op te tellen waarden."));
    Image1 =
        MakePicture(bar, "Image1", {829, 24, 35, 33}, QStringLiteral(":/images/icon32.png"), false);
    Image1->setCursor(Qt::ArrowCursor);
    SetTip(Image1, QStringLiteral("Info over het Programma."));
    const QString timerTip = QStringLiteral(
        "Indien de timer gebruikt moet worden, moet hier het aantal minuten ingevuld worden.");
    Label4 = MakeLabel(bar, "Label4", QStringLiteral("Timer (minuten) :"), {149, 64, 116, 16},
                       Font(kSans, 13, Bold), White);
    SetTip(Label4, timerTip);

    MaxArtikels = MakeSettingField(bar, "MaxArtikels", QStringLiteral("2"), {270, 16, 27, 17}, 2);
    SetTip(MaxArtikels, QStringLiteral("Het aantal op te tellen getallen."));
    MaxGetal = MakeSettingField(bar, "MaxGetal", QStringLiteral("100"), {269, 40, 58, 17}, 6);
    SetTip(MaxGetal, QStringLiteral("Het hoogst toegelaten getal voor de op te tellen waarden."));
    groep2 = MakePanel(bar, "groep2", {347, 8, 149, 80},
                       {Teal, Bevel::Raised, Bevel::None, 1, 0, false});
    groep2->setCursor(NoDropCursor());
    Komma = MakeCheckBox(groep2, "Komma", QStringLiteral("Komma :"), {47, 55, 84, 17});
    SetTip(Komma, QStringLiteral("Keuze tussen oefenen met gehele getallen of oefenen met "
                                 "getallen na de komma."));
    Kasticket = MakeCheckBox(groep2, "Kasticket", QStringLiteral("Kasticket :"), {34, 9, 97, 17});
    SetTip(Kasticket, QStringLiteral("Keuze tussen klassiek optellen of kasticket."));
    Geldbeugel =
        MakeCheckBox(groep2, "Geldbeugel", QStringLiteral("Portemonnee :"), {7, 32, 124, 17});
    Geldbeugel->hide();
    TimerMinuten = MakeSettingField(bar, "TimerMinuten", QStringLiteral("0"), {269, 64, 58, 17}, 3);
    SetTip(TimerMinuten, timerTip);
    Hulpjes = MakeCheckBox(bar, "Hulpjes", QStringLiteral("Hulpjes :"), {551, 16, 85, 18});
    SetTip(Hulpjes, QStringLiteral("Rekenhulpjes zijn mogelijk."));
    Eenvoudig = MakeCheckBox(bar, "Eenvoudig", QStringLiteral("maximum 100 :"), {512, 39, 124, 17});
    Eenvoudig->setFocusPolicy(Qt::StrongFocus);
    Eenvoudig->hide();
}

void TForm1::BuildPointsPanel() {
    QWidget* p = Panel2;
    Label41 = MakeLabel(p, "Label41", QStringLiteral("Behaalde punten"), {44, 28, 125, 16},
                        Font(kSans, 13, Bold | Italic), Navy);
    Label6 = MakeLabel(p, "Label6", QString(), {54, 114, 105, 37}, Font(kSans, 32, Bold), Yellow,
                       Qt::AlignHCenter);
    SetTip(Label6, QStringLiteral("Aantal behaalde punten in huidige reeks."));
    Label14 = MakeLabel(p, "Label14", QStringLiteral("OP"), {92, 223, 38, 29},
                        Font(kSans, 24, Bold), Black);
    Label8 = MakeLabel(p, "Label8", QString(), {55, 311, 105, 37}, Font(kSans, 32, Bold), Blue,
                       Qt::AlignHCenter);
    SetTip(Label8, QStringLiteral("Maximum aantal punten in huidige reeks."));
    Label40 = MakeLabel(p, "Label40", QStringLiteral("Maximum punten"), {46, 408, 122, 16},
                        Font(kSans, 13, Bold | Italic), Navy);
}

void TForm1::BuildResultsPanel() {
    QWidget* p = Panel3;
    Label47 = MakeLabel(p, "Label47", QStringLiteral("Puntentotaal"), {378, 108, 116, 24},
                        Font(kSans, 19, Bold), White, Qt::AlignHCenter);
    Label48 = MakeCaption(p, "Label48", QStringLiteral("Label48"), {262, 180, 122, 37},
                          Font(kSans, 32, Bold), Yellow, Qt::AlignRight, true);
    Label50 = MakeLabel(p, "Label50", QStringLiteral("OP"), {422, 188, 30, 24},
                        Font(kSans, 19, Bold), White, Qt::AlignHCenter);
    Label49 = MakeCaption(p, "Label49", QStringLiteral("Label48"), {488, 178, 122, 37},
                          Font(kSans, 32, Bold), Yellow, Qt::AlignLeft, true);
    Label51 = MakeLabel(p, "Label51", QStringLiteral("Label51"), {356, 273, 98, 41},
                        Font(kSans, 32, Bold), Lime, Qt::AlignRight);
    Label52 = MakeLabel(p, "Label52", QStringLiteral("%"), {464, 272, 30, 37},
                        Font(kSans, 32, Bold), White);
}

void TForm1::BuildInfoPanel() {
    QWidget* p = Info;
    Label42 = MakeLabel(p, "Label42", QStringLiteral("Een product van :"), {58, 13, 103, 16},
                        Font(kSans, 13, Regular), Yellow);
    Label43 = MakeLabel(p, "Label43", QStringLiteral("Zenbo"), {176, 8, 141, 24},
                        Font(kSans, 19, Bold | Italic), Yellow);
    Label44 = MakeLabel(p, "Label44", QStringLiteral("Quorvel v.2"), {216, 75, 172, 20},
                        Font(kSans, 16, Bold | Underline), Yellow);
    Label45 =
        MakeLabel(p, "Label45",
                  QStringLiteral("Flexibel Programma voor het oefenen in rekenkundig optellen "
                                 "van verschillende getallen onder elkaar. Er is een "
                                 "voorziening ingebouwd voor het praktisch oefenen met het "
                                 "betalen van een kasticket in de winkel. "),
                  {16, 99, 543, 60}, Font(kSans, 16, Regular), Yellow);
    Label45->setWordWrap(true);
    Label46 = MakeLabel(p, "Label46", QStringLiteral("www.zenbo.example"), {161, 31, 162, 16},
                        Font(kSans, 13, Bold | Italic), White);
    Image2 =
        MakePicture(p, "Image2", {537, 6, 33, 36}, QStringLiteral(":/images/icon32.png"), false);

    OKKnop = MakeButton(p, "OKKnop", QString(), {278, 194, 36, 25}, Font(kSans, 13, Bold), Black);
    const QString checkmark = QStringLiteral(":/images/checkmark.png");
    const QImage glyph = Artwork(checkmark);
    if (!glyph.isNull()) {
        // The picture holds the tick and, beside it, the greyed tick.
        const int half = glyph.width() / 2;
        OKKnop->setIcon(
            ArtworkIcon({{checkmark, QRect(0, 0, half, glyph.height()), QIcon::Normal},
                         {checkmark, QRect(half, 0, half, glyph.height()), QIcon::Disabled}}));
        OKKnop->setIconSize(QSize(half, glyph.height()));
    }
    OKKnop->setAccessibleName(QStringLiteral("OK"));
}

void TForm1::BuildWallet() {
    QWidget* w = Portemonnee;
    const QString pieceTip = QStringLiteral("Aanklikken om te gebruiken.");
    for (int s = 0; s < DenominationCount; ++s) {
        const Denomination& d = PieceTable[s];
        const QString image = QString::fromLatin1(d.Image.data(), d.Image.size());
        for (int n = 1; n <= d.StackSize; ++n) {
            const PicturePoint at = PicturePosition(s, n);
            auto* pic = new Picture(w, true);
            pic->setObjectName(QString::fromStdString(PictureName(s, n)));
            pic->setGeometry(at.Left, at.Top, d.Width, d.Height);
            pic->SetSource(image);
            pic->setCursor(Qt::PointingHandCursor);
            SetTip(pic, pieceTip);
            Pieces[s][n] = pic;
        }
    }
    PortemonneeSluiten = MakeButton(w, "PortemonneeSluiten", QStringLiteral("* OK *"),
                                    {753, 28, 74, 33}, Font(kSans, 13, Bold), Blue);
    PortemonneeSluiten->setCursor(Qt::PointingHandCursor);
    SetTip(PortemonneeSluiten, QStringLiteral("portemonnee sluiten."));
    PortemonneeReset = MakeButton(w, "PortemonneeReset", QStringLiteral("* Nieuw *"),
                                  {61, 26, 74, 33}, Font(kSans, 13, Bold), Blue);
    PortemonneeReset->setCursor(Qt::PointingHandCursor);
    SetTip(PortemonneeReset, QStringLiteral("Nieuwe portemonnee  maken."));

    GroupBox1 = MakeBox(w, "GroupBox1", QStringLiteral("Te betalen"), {225, 18, 185, 49}, Black);
    SetTextColor(GroupBox1, White);
    GroupBox1->setCursor(Qt::ForbiddenCursor);
    SetTip(GroupBox1, QStringLiteral("Het bedrag dat moet betaald worden."));
    Label3 = MakeLabel(GroupBox1, "Label3", QStringLiteral("Label3"), {5, 18, 173, 22},
                       Font(kSans, 19, Bold), Yellow);
    SetBackground(Label3, Black);
    GroupBox2 = MakeBox(w, "GroupBox2", QStringLiteral("Betaald"), {491, 17, 185, 49}, Black);
    SetTextColor(GroupBox2, White);
    GroupBox2->setCursor(Qt::ForbiddenCursor);
    SetTip(GroupBox2, QStringLiteral("Het bedrag dat u betaalt."));
    GroupBox2->hide();
    Geldteller = MakeLabel(GroupBox2, "Geldteller", QStringLiteral("0"), {5, 17, 175, 24},
                           Font(kSans, 19, Bold), Red);
    SetBackground(Geldteller, Black);
}
