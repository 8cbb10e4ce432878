// The window as drawn: every control's kind, place, look, cursor and focus; tooltips;
// which control lies over which; and texts that must fit their labels.

#include "app/form.h"
#include "app/look.h"
#include "app/panels/wallet_look.h"
#include "support/form_fixture.h"
#include "support/ink.h"

#include <QApplication>
#include <QHelpEvent>
#include <QMenu>
#include <QStyleHints>
#include <QStyleOptionButton>
#include <QTest>
#include <QToolTip>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <memory>
#include <optional>
#include <vector>

namespace {

using namespace look;

enum class Kind { Label, Edit, Check, Button, Tool, Text, Panel, Box, Picture };
enum class Pointer { Arrow, IBeam, Hand, Forbidden, NoDrop };

const char* const kSans = "MS Sans Serif";
const char* const kArial = "Arial";
const char* const kCourier = "Courier";

// Font and colours as the window is meant to have them; a null family or an invalid colour is
// not checked.
struct Look {
    Look(const char* family = nullptr, int pixels = 0, int style = Regular, QColor color = {},
         QColor background = {})
        : family(family), pixels(pixels), style(style), color(color), background(background) {}
    const char* family;
    int pixels;
    int style;
    QColor color;
    QColor background;
};

struct Control {
    QString name;
    Kind kind = Kind::Label;
    QString parent;
    QRect geometry;
    bool hidden = false;
    std::optional<QString> text; // absent where another part writes it at start-up
    Look look;
    Qt::Alignment align; // labels: left unless given
    bool sizesItself = false;
    Pointer cursor = Pointer::Arrow;
    Qt::FocusPolicy focus = Qt::NoFocus;
    int maxLength = 0; // edit fields only

    Control& Hidden() {
        hidden = true;
        return *this;
    }
    Control& Text(const QString& t) {
        text = t;
        return *this;
    }
    Control& With(const Look& l) {
        look = l;
        return *this;
    }
    Control& Align(Qt::Alignment a) {
        align = a;
        return *this;
    }
    Control& SizesItself() {
        sizesItself = true;
        return *this;
    }
    Control& Cursor(Pointer c) {
        cursor = c;
        return *this;
    }
    Control& Focus(Qt::FocusPolicy f) {
        focus = f;
        return *this;
    }
    Control& MaxLength(int n) {
        maxLength = n;
        return *this;
    }
};

Control Make(Kind kind, const QString& name, const QString& parent, QRect geometry) {
    Control c;
    c.kind = kind;
    c.name = name;
    c.parent = parent;
    c.geometry = geometry;
    return c;
}

std::vector<Control> DesignControls() {
    const Look sans13{kSans, 13, Bold, Black};
    const Look bar13{kSans, 13, Bold, White};
    const Look field{kSans, 13, Bold, Black};
    const Look courier21{kCourier, 21, Bold, Black};
    const Look footer{kArial, 16, Bold | Italic, Black};
    const QString form = QStringLiteral("Form1");
    std::vector<Control> c = {
        // The window's own controls.
        Make(Kind::Label, "Label36", form, {152, 124, 100, 16})
            .Text("Oefening nr. : :")
            .With(sans13),
        Make(Kind::Label, "Reeksteller", form, {256, 120, 12, 24})
            .Text("1")
            .With(Look{kSans, 19, Bold, Black, Yellow})
            .SizesItself(),
        Make(Kind::Picture, "Image4", form, {26, 119, 57, 25}),
        Make(Kind::Label, "KlokVenster", form, {416, 121, 87, 24})
            .Hidden()
            .Text("")
            .With(Look{kSans, 19, Bold, Red, ButtonText})
            .Align(Qt::AlignHCenter)
            .Cursor(Pointer::Forbidden),
        Make(Kind::Panel, "Panel1", form, {24, 169, 649, 462})
            .With(Look{kArial, 16, Bold | Italic, Black, ActiveBorder})
            .Cursor(Pointer::NoDrop),
        Make(Kind::Box, "Instellingen", form, {24, 9, 878, 89})
            .Text("Instellingen")
            .With(Look{kSans, 13, Bold, White, Teal})
            .Cursor(Pointer::NoDrop),
        Make(Kind::Button, "VolgendeOefening", form, {83, 657, 262, 24})
            .Text("VOLGENDE OEFENING")
            .With(Look{kArial, 16, Bold, Maroon})
            .Focus(Qt::ClickFocus),
        Make(Kind::Button, "Kontroleer", form, {434, 656, 136, 23})
            .Text("CONTROLEER")
            .With(Look{"@Arial Unicode MS", 16, Bold, Purple})
            .Focus(Qt::ClickFocus),
        Make(Kind::Panel, "Panel2", form, {694, 169, 210, 462})
            .With(Look{kSans, 13, Bold, Black, InactiveCaption})
            .Cursor(Pointer::NoDrop),
        Make(Kind::Text, "Help", form, {25, 704, 878, 129})
            .Text("")
            .With(Look{kSans, 13, Bold, Black, Grey})
            .Cursor(Pointer::NoDrop),
        Make(Kind::Button, "Startknop", form, {431, 122, 62, 22})
            .Hidden()
            .Text("START")
            .With(Look{kSans, 13, Bold, Green})
            .Focus(Qt::ClickFocus),
        Make(Kind::Button, "OKKnop1", form, {353, 122, 62, 23})
            .Hidden()
            .Text("RESET")
            .With(Look{kSans, 13, Bold | Italic, Green})
            .Focus(Qt::ClickFocus),
        Make(Kind::Panel, "Panel3", form, {25, 170, 880, 461})
            .Hidden()
            .With(Look{kSans, 13, Bold, {}, DesktopBackground})
            .Cursor(Pointer::Forbidden),
        Make(Kind::Panel, "Info", form, {314, 25, 585, 234})
            .Hidden()
            .With(Look{kSans, 16, Regular, Yellow, Blue}),
        Make(Kind::Box, "Portemonnee", form, {24, 7, 878, 697})
            .Hidden()
            .Text("Portemonnee")
            .With(Look{kSans, 13, Bold, White, InactiveCaptionText})
            .Cursor(Pointer::Forbidden),

        // Exercise panel: footer, carry, clear buttons, purse, line, change field.
        Make(Kind::Label, "lblBetaald", "Panel1", {307, 363, 74, 18})
            .Hidden()
            .Text("Betaald :")
            .With(footer)
            .Align(Qt::AlignRight),
        Make(Kind::Label, "Betaald", "Panel1", {388, 362, 185, 18})
            .Hidden()
            .Text("")
            .With(courier21)
            .Align(Qt::AlignRight),
        Make(Kind::Label, "lblTotaal", "Panel1", {314, 304, 66, 18})
            .Text("Totaal :")
            .With(footer)
            .Align(Qt::AlignRight),
        Make(Kind::Label, "lblTeruggave", "Panel1", {164, 416, 217, 18})
            .Hidden()
            .Text("(Hoofdrekenen)Teruggave :")
            .With(footer)
            .Align(Qt::AlignRight),
        Make(Kind::Label, "Label11", "Panel1", {388, 264, 18, 26})
            .Text("+")
            .With(Look{kCourier, 27, Bold, Black}),
        Make(Kind::Label, "Hulpje", "Panel1", {549, 17, 14, 20})
            .Hidden()
            .Text("0")
            .With(Look{kCourier, 21, Bold, Blue}),
        Make(Kind::Tool, "Wis1", "Panel1", {603, 302, 23, 23})
            .Text("*")
            .With(Look{kArial, 27, Bold | Italic, Purple})
            .Cursor(Pointer::Hand),
        Make(Kind::Tool, "Wis2", "Panel1", {603, 417, 23, 23})
            .Hidden()
            .Text("*")
            .With(Look{kArial, 27, Bold | Italic, Purple})
            .Cursor(Pointer::Hand),
        Make(Kind::Picture, "Geld", "Panel1", {593, 357, 43, 32}).Hidden(),
        Make(Kind::Panel, "Panel4", "Panel1", {388, 292, 187, 5})
            .With(Look{nullptr, 0, Regular, {}, Black}),
        Make(Kind::Edit, "Teruggave", "Panel1", {389, 413, 186, 28})
            .Hidden()
            .Text("")
            .With(Look{kCourier, 21, Bold, Black, White})
            .Cursor(Pointer::IBeam)
            .Focus(Qt::StrongFocus)
            .MaxLength(32767),

        // Settings bar.
        Make(Kind::Label, "Label1", "Instellingen", {12, 17, 253, 16})
            .Text("Aantal op te tellen getallen (2<->12) :")
            .With(bar13),
        Make(Kind::Label, "lblMaxGetal", "Instellingen", {185, 40, 80, 16})
            .Text("Max. getal :")
            .With(bar13),
        Make(Kind::Picture, "Image1", "Instellingen", {829, 24, 35, 33}),
        Make(Kind::Label, "Label4", "Instellingen", {149, 64, 116, 16})
            .Text("Timer (minuten) :")
            .With(bar13),
        Make(Kind::Edit, "MaxArtikels", "Instellingen", {270, 16, 27, 17})
            .Text("2")
            .With(field)
            .Focus(Qt::ClickFocus)
            .MaxLength(2),
        Make(Kind::Edit, "MaxGetal", "Instellingen", {269, 40, 58, 17})
            .Text("100")
            .With(field)
            .Focus(Qt::ClickFocus)
            .MaxLength(6),
        Make(Kind::Panel, "groep2", "Instellingen", {347, 8, 149, 80})
            .With(Look{kSans, 13, Bold, White, Teal})
            .Cursor(Pointer::NoDrop),
        Make(Kind::Edit, "TimerMinuten", "Instellingen", {269, 64, 58, 17})
            .Text("0")
            .With(field)
            .Focus(Qt::ClickFocus)
            .MaxLength(3),
        Make(Kind::Check, "Hulpjes", "Instellingen", {551, 16, 85, 18})
            .Text("Hulpjes :")
            .With(bar13)
            .Focus(Qt::ClickFocus),
        Make(Kind::Check, "Eenvoudig", "Instellingen", {512, 39, 124, 17})
            .Hidden()
            .Text("maximum 100 :")
            .With(bar13)
            .Focus(Qt::StrongFocus),
        Make(Kind::Check, "Komma", "groep2", {47, 55, 84, 17})
            .Text("Komma :")
            .With(bar13)
            .Focus(Qt::ClickFocus),
        Make(Kind::Check, "Kasticket", "groep2", {34, 9, 97, 17})
            .Text("Kasticket :")
            .With(bar13)
            .Focus(Qt::ClickFocus),
        Make(Kind::Check, "Geldbeugel", "groep2", {7, 32, 124, 17})
            .Hidden()
            .Text("Portemonnee :")
            .With(bar13)
            .Focus(Qt::ClickFocus),

        // Points panel; the two numbers are written at start-up by the series.
        Make(Kind::Label, "Label41", "Panel2", {44, 28, 125, 16})
            .Text("Behaalde punten")
            .With(Look{kSans, 13, Bold | Italic, Navy}),
        Make(Kind::Label, "Label6", "Panel2", {54, 114, 105, 37})
            .With(Look{kSans, 32, Bold, Yellow})
            .Align(Qt::AlignHCenter),
        Make(Kind::Label, "Label14", "Panel2", {92, 223, 38, 29})
            .Text("OP")
            .With(Look{kSans, 24, Bold, Black}),
        Make(Kind::Label, "Label8", "Panel2", {55, 311, 105, 37})
            .With(Look{kSans, 32, Bold, Blue})
            .Align(Qt::AlignHCenter),
        Make(Kind::Label, "Label40", "Panel2", {46, 408, 122, 16})
            .Text("Maximum punten")
            .With(Look{kSans, 13, Bold | Italic, Navy}),

        // Results panel.
        Make(Kind::Label, "Label47", "Panel3", {378, 108, 116, 24})
            .Text("Puntentotaal")
            .With(Look{kSans, 19, Bold, White})
            .Align(Qt::AlignHCenter),
        Make(Kind::Label, "Label48", "Panel3", {262, 180, 122, 37})
            .Text("Label48")
            .With(Look{kSans, 32, Bold, Yellow})
            .Align(Qt::AlignRight)
            .SizesItself(),
        Make(Kind::Label, "Label50", "Panel3", {422, 188, 30, 24})
            .Text("OP")
            .With(Look{kSans, 19, Bold, White})
            .Align(Qt::AlignHCenter),
        Make(Kind::Label, "Label49", "Panel3", {488, 178, 122, 37})
            .Text("Label48")
            .With(Look{kSans, 32, Bold, Yellow})
            .SizesItself(),
        Make(Kind::Label, "Label51", "Panel3", {356, 273, 98, 41})
            .Text("Label51")
            .With(Look{kSans, 32, Bold, Lime})
            .Align(Qt::AlignRight),
        Make(Kind::Label, "Label52", "Panel3", {464, 272, 30, 37})
            .Text("%")
            .With(Look{kSans, 32, Bold, White}),

        // Information panel; the maker's name and address are ours to choose.
        Make(Kind::Label, "Label42", "Info", {58, 13, 103, 16})
            .Text("Een product van :")
            .With(Look{kSans, 13, Regular, Yellow}),
        Make(Kind::Label, "Label43", "Info", {176, 8, 141, 24})
            .With(Look{kSans, 19, Bold | Italic, Yellow}),
        Make(Kind::Label, "Label44", "Info", {216, 75, 172, 20})
            .Text("Quorvel v.2")
            .With(Look{kSans, 16, Bold | Underline, Yellow}),
        Make(Kind::Label, "Label45", "Info", {16, 99, 543, 60})
            .Text("Flexibel Programma voor het oefenen in rekenkundig optellen van "
                  "verschillende getallen onder elkaar. Er is een voorziening ingebouwd voor "
                  "het praktisch oefenen met het betalen van een kasticket in de winkel. ")
            .With(Look{kSans, 16, Regular, Yellow}),
        Make(Kind::Label, "Label46", "Info", {161, 31, 162, 16})
            .With(Look{kSans, 13, Bold | Italic, White}),
        Make(Kind::Picture, "Image2", "Info", {537, 6, 33, 36}),
        Make(Kind::Button, "OKKnop", "Info", {278, 194, 36, 25}).Text("").Focus(Qt::ClickFocus),

        // Wallet, apart from its pictures.
        Make(Kind::Button, "PortemonneeSluiten", "Portemonnee", {753, 28, 74, 33})
            .Text("* OK *")
            .With(Look{kSans, 13, Bold, Blue})
            .Cursor(Pointer::Hand)
            .Focus(Qt::ClickFocus),
        Make(Kind::Button, "PortemonneeReset", "Portemonnee", {61, 26, 74, 33})
            .Text("* Nieuw *")
            .With(Look{kSans, 13, Bold, Blue})
            .Cursor(Pointer::Hand)
            .Focus(Qt::ClickFocus),
        Make(Kind::Box, "GroupBox1", "Portemonnee", {225, 18, 185, 49})
            .Text("Te betalen")
            .With(Look{kSans, 13, Bold, White, Black})
            .Cursor(Pointer::Forbidden),
        Make(Kind::Label, "Label3", "GroupBox1", {5, 18, 173, 22})
            .Text("Label3")
            .With(Look{kSans, 19, Bold, Yellow, Black})
            .Align(Qt::AlignLeft),
        Make(Kind::Box, "GroupBox2", "Portemonnee", {491, 17, 185, 49})
            .Hidden()
            .Text("Betaald")
            .With(Look{kSans, 13, Bold, White, Black})
            .Cursor(Pointer::Forbidden),
        Make(Kind::Label, "Geldteller", "GroupBox2", {5, 17, 175, 24})
            .Text("0")
            .With(Look{kSans, 19, Bold, Red, Black})
            .Align(Qt::AlignLeft),
    };

    // Receipt rows: the three columns stand at slightly different heights.
    const int aantalTop[] = {38, 60, 81, 102, 123, 144, 165, 186, 207, 229, 250, 272};
    const int artikelTop[] = {36, 58, 79, 100, 121, 142, 163, 184, 205, 227, 248, 270};
    const int prijsTop[] = {35, 57, 78, 99, 120, 141, 162, 183, 204, 226, 247, 269};
    for (int r = 1; r <= 12; ++r) {
        const QString n = QString::number(r);
        const bool low = r >= 11;
        c.push_back(
            Make(Kind::Label, "Aantal" + n, "Panel1", {low ? 14 : 15, aantalTop[r - 1], 99, 18})
                .Hidden()
                .Text("00")
                .With(Look{kCourier, 16, Bold, Black})
                .Align(Qt::AlignRight));
        c.push_back(Make(Kind::Label, "Artikel" + n, "Panel1", {129, artikelTop[r - 1], 254, 18})
                        .Hidden()
                        .Text("00000000000")
                        .With(Look{kArial, 16, Bold, Black})
                        .Align(Qt::AlignLeft));
        c.push_back(
            Make(Kind::Label, "Prijs" + n, "Panel1", {low ? 410 : 411, prijsTop[r - 1], 164, 18})
                .Text("000000000000")
                .With(courier21)
                .Align(Qt::AlignRight));
    }
    // Sum boxes, units at the right.
    for (int k = 1; k <= 14; ++k) {
        c.push_back(
            Make(Kind::Edit, "Tot" + QString::number(k), "Panel1", {573 - 13 * k, 301, 13, 23})
                .Text("0")
                .With(Look{kCourier, 21, Bold, Black, White})
                .Align(Qt::AlignRight)
                .Cursor(Pointer::IBeam)
                .Focus(Qt::StrongFocus)
                .MaxLength(32767));
    }
    // Wallet pictures: every stack fans out 8 pixels to the lower right, except the top
    // 200-euro note.
    for (int s = 0; s < DenominationCount; ++s) {
        const PieceLook& d = PieceLooks[static_cast<std::size_t>(s)];
        for (int n = 1; n <= PieceTable[static_cast<std::size_t>(s)].StackSize; ++n) {
            const QString name =
                QString::fromLatin1(d.NameStem.data(), d.NameStem.size()) + QString::number(n);
            QRect at(d.Left + 8 * (n - 1), d.Top + 8 * (n - 1), d.Width, d.Height);
            if (name == QLatin1String("Briefje200n5")) {
                at.moveLeft(361);
            }
            c.push_back(Make(Kind::Picture, name, "Portemonnee", at).Cursor(Pointer::Hand));
        }
    }
    return c;
}

struct Tip {
    // By default resting the mouse on the control shows its own tooltip.
    Tip(const QString& name = {}, const QString& own = {}, const QString& shown = {})
        : name(name), own(own), shown(shown.isNull() ? own : shown) {}
    QString name;
    QString own;   // the control's own tooltip
    QString shown; // what resting the mouse on it shows
};

std::vector<Tip> DesignTooltips() {
    const QString timer = QStringLiteral(
        "Indien de timer gebruikt moet worden, moet hier het aantal minuten ingevuld worden.");
    const QString count = QStringLiteral("Het aantal op te tellen getallen.");
    const QString max = QStringLiteral("Het hoogst toegelaten getal voor de op te tellen waarden.");
    const QString toPay = QStringLiteral("Het bedrag dat moet betaald worden.");
    const QString paying = QStringLiteral("Het bedrag dat u betaalt.");
    std::vector<Tip> t = {
        {"Reeksteller", "Dit is het nummer van de oefening."},
        {"Image4", "Stop het programma."},
        {"VolgendeOefening", "Klik hier voor de volgende oefening in de reeks."},
        {"Kontroleer", "Controleer uw oefening op fouten."},
        {"Help", "Context-gevoelig help-menu."},
        {"lblBetaald", "Term2"},
        {"Betaald", "Het door u betaalde bedrag."},
        {"lblTotaal", "Term2"},
        {"lblTeruggave", "Term2"},
        {"Label11", "Plus-teken."},
        {"Wis1", "Wissen van het veld \"Totaal\"."},
        {"Wis2", "Wissen van het veld \"Teruggave\"."},
        {"Teruggave", "Hier vult u het uit het hoofd berekende teruggave-bedrag in."},
        {"Label1", count},
        {"lblMaxGetal", max},
        {"Image1", "Info over het Programma."},
        {"Label4", timer},
        {"MaxArtikels", count},
        {"MaxGetal", max},
        {"TimerMinuten", timer},
        {"Hulpjes", "Rekenhulpjes zijn mogelijk."},
        {"Komma", "Keuze tussen oefenen met gehele getallen of oefenen met getallen na de "
                  "komma."},
        {"Kasticket", "Keuze tussen klassiek optellen of kasticket."},
        {"Portemonnee", "Dit is de portemonnee."},
        {"PortemonneeSluiten", "portemonnee sluiten."},
        {"PortemonneeReset", "Nieuwe portemonnee  maken."},
        {"GroupBox1", toPay},
        {"GroupBox2", paying},
        // No tooltip of their own: their group box's shows through.
        {"Label3", "", toPay},
        {"Geldteller", "", paying},
        // None at all.
        {"Geldbeugel", ""},
        {"Eenvoudig", ""},
        {"Geld", ""},
        {"Hulpje", ""},
        {"Instellingen", ""},
        {"Label36", ""},
        {"Startknop", ""},
        {"OKKnop", ""},
    };
    // The two counts explain themselves; the captions around them do not.
    t.push_back({"Label6", "Aantal behaalde punten in huidige reeks."});
    t.push_back({"Label8", "Maximum aantal punten in huidige reeks."});
    for (const char* label : {"Label41", "Label14", "Label40", "Label47", "Label48", "Label50",
                              "Label49", "Label51", "Label52"}) {
        t.push_back({label, ""});
    }
    for (int r = 1; r <= 12; ++r) {
        const QString n = QString::number(r);
        t.push_back({"Aantal" + n, "Gekochte hoeveelheid."});
        t.push_back({"Artikel" + n, "Artikelnaam."});
        t.push_back({"Prijs" + n, "op te tellen waarde/prijs"});
    }
    for (int k = 1; k <= 14; ++k) {
        t.push_back({"Tot" + QString::number(k), "In te vullen som."});
    }
    for (int s = 0; s < DenominationCount; ++s) {
        for (int n = 1; n <= PieceTable[s].StackSize; ++n) {
            t.push_back({QString::fromStdString(PictureName(s, n)), "Aanklikken om te gebruiken."});
        }
    }
    return t;
}

bool IsKind(QWidget* w, Kind kind) {
    switch (kind) {
    case Kind::Label:
        return qobject_cast<QLabel*>(w);
    case Kind::Edit:
        return qobject_cast<QLineEdit*>(w);
    case Kind::Check:
        return qobject_cast<QCheckBox*>(w);
    case Kind::Button:
        return qobject_cast<QPushButton*>(w);
    case Kind::Tool:
        return qobject_cast<QToolButton*>(w);
    case Kind::Text:
        return qobject_cast<QTextEdit*>(w);
    case Kind::Panel:
        return qobject_cast<BevelPanel*>(w);
    case Kind::Box:
        return qobject_cast<QGroupBox*>(w);
    case Kind::Picture:
        return qobject_cast<Picture*>(w);
    }
    return false;
}

QString TextOf(QWidget* w) {
    if (auto* l = qobject_cast<QLabel*>(w)) {
        return l->text();
    }
    if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        return b->text();
    }
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        return e->text();
    }
    if (auto* g = qobject_cast<QGroupBox*>(w)) {
        return g->title();
    }
    if (auto* t = qobject_cast<QTextEdit*>(w)) {
        return t->toPlainText();
    }
    return QString();
}

QColor TextColorOf(QWidget* w, Kind kind) {
    switch (kind) {
    case Kind::Button:
    case Kind::Tool:
        return w->palette().color(QPalette::ButtonText);
    case Kind::Edit:
    case Kind::Text:
        return w->palette().color(QPalette::Text);
    default:
        return w->palette().color(QPalette::WindowText);
    }
}

// The colour the control paints itself in, without its children: sampled where no
// text or frame stands.
QColor BackgroundOf(QWidget* w, Kind kind) {
    QWidget* painted = w;
    QPoint at = w->rect().center();
    if (kind == Kind::Text) {
        painted = static_cast<QTextEdit*>(w)->viewport();
        at = painted->rect().center();
    } else if (kind == Kind::Label ||
               (kind == Kind::Edit && !static_cast<QLineEdit*>(w)->hasFrame())) {
        at = w->rect().bottomRight(); // text stands at the top
    }
    QImage image(painted->size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    painted->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    return image.pixelColor(at);
}

Qt::CursorShape ShapeOf(Pointer c) {
    switch (c) {
    case Pointer::Arrow:
        return Qt::ArrowCursor;
    case Pointer::IBeam:
        return Qt::IBeamCursor;
    case Pointer::Hand:
        return Qt::PointingHandCursor;
    case Pointer::Forbidden:
        return Qt::ForbiddenCursor;
    case Pointer::NoDrop:
        return Qt::BitmapCursor;
    }
    return Qt::ArrowCursor;
}

void CheckFont(const QFont& font, const Look& look) {
    QCOMPARE(font.family(), QString::fromUtf8(look.family));
    QVERIFY2(QFontInfo(font).family().startsWith(QLatin1String("Liberation")),
             qPrintable(QFontInfo(font).family()));
    QCOMPARE(font.pixelSize(), look.pixels);
    QCOMPARE(font.bold(), bool(look.style & Bold));
    QCOMPARE(font.italic(), bool(look.style & Italic));
    QCOMPARE(font.underline(), bool(look.style & Underline));
}

} // namespace

Q_DECLARE_METATYPE(Control)
Q_DECLARE_METATYPE(Tip)

class LayoutTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void controls_data();
    void controls();
    void onlyTheAnswerFieldsAreTabStops();
    void tooltips_data();
    void tooltips();
    void onlyListedControlsHaveTooltips();
    void stacking_data();
    void stacking();
    void controlsStandOverLabelsAndPictures();
    void window();
    void selfSizingLabelsKeepTheirAnchor_data();
    void selfSizingLabelsKeepTheirAnchor();
    void textsFitTheirLabels_data();
    void textsFitTheirLabels();
    void tickedBoxesShowAClearMark_data();
    void tickedBoxesShowAClearMark();
    void aSystemPaletteDoesNotReachTheWindow();

private:
    QWidget* Find(const QString& name) const;

    // Built and never shown: every control as the layout leaves it.
    std::unique_ptr<TForm1> form_;
};

void LayoutTest::initTestCase() {
    look::SetUpApplication();
    form_ = std::make_unique<TForm1>();
}

QWidget* LayoutTest::Find(const QString& name) const {
    return form_->findChild<QWidget*>(name);
}

void LayoutTest::controls_data() {
    QTest::addColumn<Control>("control");
    for (const Control& c : DesignControls()) {
        QTest::newRow(qPrintable(c.name)) << c;
    }
}

void LayoutTest::controls() {
    QFETCH(Control, control);
    QWidget* w = Find(control.name);
    QVERIFY(w);
    QVERIFY(IsKind(w, control.kind));
    QVERIFY(w->parentWidget());
    QCOMPARE(w->parentWidget()->objectName(), control.parent);

    if (control.sizesItself) {
        // Start geometry, then the width follows the text and the anchored edge stays.
        const QRect g = w->geometry();
        QCOMPARE(g.top(), control.geometry.top());
        QCOMPARE(g.height(), control.geometry.height());
        if (control.align & Qt::AlignRight) {
            QCOMPARE(g.left() + g.width(), control.geometry.left() + control.geometry.width());
        } else {
            QCOMPARE(g.left(), control.geometry.left());
        }
        QVERIFY(g.width() >= w->fontMetrics().horizontalAdvance(TextOf(w)));
    } else {
        QCOMPARE(w->geometry(), control.geometry);
    }
    QCOMPARE(w->isHidden(), control.hidden);
    if (control.text) {
        QCOMPARE(TextOf(w), *control.text);
    }
    if (control.look.family) {
        CheckFont(w->font(), control.look);
        if (QTest::currentTestFailed()) {
            return;
        }
    }
    if (control.look.color.isValid()) {
        QCOMPARE(TextColorOf(w, control.kind), control.look.color);
    }
    if (control.look.background.isValid()) {
        QCOMPARE(BackgroundOf(w, control.kind), control.look.background);
    }
    if (auto* label = qobject_cast<QLabel*>(w)) {
        const Qt::Alignment expected = control.align ? control.align : Qt::AlignLeft;
        QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, expected);
    }
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        if (control.align) {
            QCOMPARE(edit->alignment() & Qt::AlignHorizontal_Mask, control.align);
        }
        QCOMPARE(edit->maxLength(), control.maxLength);
    }
    if (auto* box = qobject_cast<QCheckBox*>(w)) {
        QCOMPARE(box->layoutDirection(), Qt::RightToLeft); // caption left of the box
        QVERIFY(!box->isChecked());
    }
    QCOMPARE(w->cursor().shape(), ShapeOf(control.cursor));
    if (control.cursor == Pointer::NoDrop) {
        QVERIFY(w->cursor() == look::NoDropCursor());
    }
    QCOMPARE(w->focusPolicy(), control.focus);
}

void LayoutTest::onlyTheAnswerFieldsAreTabStops() {
    // Also catches helper widgets that a control brings along (scroll bars, viewports).
    QStringList tabStops;
    for (QWidget* w : form_->findChildren<QWidget*>()) {
        if (w->focusPolicy() & Qt::TabFocus) {
            tabStops << w->objectName();
        }
    }
    QStringList expected{"Teruggave", "Eenvoudig"};
    for (int k = 1; k <= 14; ++k) {
        expected << "Tot" + QString::number(k);
    }
    tabStops.sort();
    expected.sort();
    QCOMPARE(tabStops, expected);
    for (QWidget* w :
         {static_cast<QWidget*>(form_->Ui().Help), form_->Ui().Help->viewport(),
          static_cast<QWidget*>(form_->Ui().Wis1), static_cast<QWidget*>(form_->Ui().Wis2)}) {
        QCOMPARE(w->focusPolicy(), Qt::NoFocus);
    }
}

void LayoutTest::tooltips_data() {
    QTest::addColumn<Tip>("tip");
    for (const Tip& t : DesignTooltips()) {
        QTest::newRow(qPrintable(t.name)) << t;
    }
}

void LayoutTest::tooltips() {
    QFETCH(Tip, tip);
    QWidget* w = Find(tip.name);
    QVERIFY(w);
    QCOMPARE(w->toolTip(), tip.own);
    if (!tip.own.isEmpty()) {
        QCOMPARE(w->toolTipDuration(), 5000);
    }

    // Rest the mouse on it: a control without a tooltip passes the request on to its
    // container, which must then show its own or none.
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->inherits("QTipLabel")) {
            top->hide(); // at once, not after the usual fade
        }
    }
    QVERIFY(!QToolTip::isVisible());
    if (!tip.shown.isEmpty()) {
        QTest::ignoreMessage(QtWarningMsg, "This plugin does not support raise()");
    }
    QHelpEvent rest(QEvent::ToolTip, QPoint(1, 1), w->mapToGlobal(QPoint(1, 1)));
    QApplication::sendEvent(w, &rest);
    if (tip.shown.isEmpty()) {
        QVERIFY2(!QToolTip::isVisible(), qPrintable(QToolTip::text()));
    } else {
        QVERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), tip.shown);
    }
}

void LayoutTest::onlyListedControlsHaveTooltips() {
    QStringList listed;
    for (const Tip& t : DesignTooltips()) {
        listed << t.name;
    }
    for (QWidget* w : form_->findChildren<QWidget*>()) {
        if (!w->toolTip().isEmpty()) {
            QVERIFY2(listed.contains(w->objectName()), qPrintable(w->objectName()));
        }
    }
    QVERIFY(form_->toolTip().isEmpty());
}

void LayoutTest::stacking_data() {
    QTest::addColumn<QString>("lower");
    QTest::addColumn<QString>("upper");
    auto row = [](const QString& lower, const QString& upper) {
        QTest::addRow("%s under %s", qPrintable(lower), qPrintable(upper)) << lower << upper;
    };
    row("KlokVenster", "Startknop");
    row("Panel1", "Panel3");
    row("Panel2", "Panel3");
    row("Instellingen", "Info");
    row("Panel1", "Info");
    row("Panel2", "Info");
    // The wallet covers everything above the help box.
    for (const char* name :
         {"Label36", "Reeksteller", "Image4", "KlokVenster", "Panel1", "Instellingen",
          "VolgendeOefening", "Kontroleer", "Panel2", "Startknop", "OKKnop1", "Panel3", "Info"}) {
        row(name, "Portemonnee");
    }
    for (int s = 0; s < DenominationCount; ++s) {
        for (int n = 2; n <= PieceTable[s].StackSize; ++n) {
            row(QString::fromStdString(PictureName(s, n - 1)),
                QString::fromStdString(PictureName(s, n)));
        }
    }
}

void LayoutTest::stacking() {
    QFETCH(QString, lower);
    QFETCH(QString, upper);
    QWidget* below = Find(lower);
    QWidget* above = Find(upper);
    QVERIFY(below && above);
    QCOMPARE(below->parent(), above->parent());
    // Later siblings are drawn over earlier ones.
    const QObjectList& siblings = above->parent()->children();
    QVERIFY(siblings.indexOf(below) < siblings.indexOf(above));
}

void LayoutTest::controlsStandOverLabelsAndPictures() {
    for (QWidget* container :
         {static_cast<QWidget*>(form_.get()), static_cast<QWidget*>(form_->Ui().Panel1),
          static_cast<QWidget*>(form_->Ui().Instellingen),
          static_cast<QWidget*>(form_->Ui().groep2), static_cast<QWidget*>(form_->Ui().Panel2),
          static_cast<QWidget*>(form_->Ui().Panel3), static_cast<QWidget*>(form_->Ui().Info),
          static_cast<QWidget*>(form_->Ui().Portemonnee),
          static_cast<QWidget*>(form_->Ui().GroupBox1),
          static_cast<QWidget*>(form_->Ui().GroupBox2)}) {
        int highestFlat = -1;
        int lowestControl = INT_MAX;
        const QObjectList& children = container->children();
        for (int i = 0; i < children.size(); ++i) {
            auto* w = qobject_cast<QWidget*>(children[i]);
            if (!w) {
                continue;
            }
            if (qobject_cast<QLabel*>(w) || qobject_cast<Picture*>(w)) {
                highestFlat = std::max(highestFlat, i);
            } else {
                lowestControl = std::min(lowestControl, i);
            }
        }
        QVERIFY2(highestFlat < lowestControl, qPrintable(container->objectName()));
    }
    // The wallet leaves the help box alone.
    QVERIFY(!form_->Ui().Portemonnee->geometry().intersects(form_->Ui().Help->geometry()));
}

void LayoutTest::window() {
    ShownForm f = ShowForm();
    QCOMPARE(f.form->objectName(), QStringLiteral("Form1"));
    QCOMPARE(f.form->windowTitle(), QStringLiteral("Quorvel v.2 (Zenbo)"));
    QCOMPARE(f.form->size(), QSize(922, 842));
    QCOMPARE(f.form->minimumSize(), QSize(922, 842));
    QCOMPARE(f.form->maximumSize(), QSize(922, 842));
    const Qt::WindowFlags flags = f.form->windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Tool);
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    CheckFont(f.form->font(), {kSans, 13, Bold});
    if (QTest::currentTestFailed()) {
        return;
    }
    QCOMPARE(f.form->palette().color(QPalette::WindowText), Black);
    QCOMPARE(BackgroundOf(f.form.get(), Kind::Panel), ButtonShadow);
    QVERIFY(f.form->cursor() == look::NoDropCursor());
    QCOMPARE(f->Timer1->interval(), 1000);
    QVERIFY(f->Timer1->isActive());
}

void LayoutTest::selfSizingLabelsKeepTheirAnchor_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    for (const char* name : {"Reeksteller", "Label48", "Label49"}) {
        for (const char* text : {"7", "1234"}) {
            QTest::addRow("%s %s", name, text) << name << text;
        }
    }
}

void LayoutTest::selfSizingLabelsKeepTheirAnchor() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    ShownForm f = ShowForm();
    auto* label = qobject_cast<Caption*>(f.form->findChild<QWidget*>(name));
    QVERIFY(label);
    const QRect before = label->geometry();
    // So many exercises done, as the pupil does them: the exercise number counts on; the
    // results of a timed series, all right, show as many points and exercises made.
    const int count = text.toInt();
    auto checkAndMoveOn = [&] {
        PressKey(f.form.get(), Qt::Key_F2); // CONTROLEER
        PressKey(f.form.get(), Qt::Key_F3); // VOLGENDE OEFENING
    };
    if (label == f->Reeksteller) {
        for (int n = 1; n < count; ++n) {
            checkAndMoveOn();
        }
    } else {
        ScriptedClock* clock = StartTimedSeries(f);
        for (int n = 0; n < count; ++n) {
            TypeRightSum(f);
            checkAndMoveOn();
        }
        clock->Now += std::chrono::minutes(2);
        TickTimer(f);
    }
    const QRect after = label->geometry();
    QCOMPARE(after.top(), before.top());
    QCOMPARE(after.height(), before.height());
    if (label->alignment() & Qt::AlignRight) {
        QCOMPARE(after.left() + after.width(), before.left() + before.width());
    } else {
        QCOMPARE(after.left(), before.left());
    }
    // Snug: the text neither clipped nor followed by a wide empty stretch.
    const int width = label->fontMetrics().horizontalAdvance(text);
    QVERIFY(after.width() >= width);
    QVERIFY(after.width() <= width + 4);
    QCOMPARE(InkPixels(label, label->text(), label->size()),
             InkPixels(label, label->text(), label->size() + QSize(40, 40)));
}

void LayoutTest::textsFitTheirLabels_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    // The window's own texts, where they are ever seen.
    for (QLabel* label : form_->findChildren<QLabel*>()) {
        const QString name = label->objectName();
        if (!qobject_cast<Caption*>(label) && name != QLatin1String("Label51") &&
            !label->text().isEmpty()) {
            QTest::addRow("%s", qPrintable(name)) << name << label->text();
        }
    }
    // The widest texts written at run time: amounts with a decimal comma, quantities,
    // points, the clock, the percentage, the wallet amounts.
    const std::pair<const char*, const char*> samples[] = {
        {"Prijs1", "12345678,99"},   {"Prijs12", "123456789,12"},
        {"Betaald", "1234567,5"},    {"Aantal1", "999 Gr."},
        {"Aantal12", "2,4 kg."},     {"Aantal1", "10 St."},
        {"Label6", "999"},           {"Label8", "1000"},
        {"KlokVenster", "00:00:00"}, {"Label51", "66,6"},
        {"Label51", "100"},          {"Label3", "       1234,56"},
        {"Geldteller", "1234,56"},   {"Hulpje", "9"},
    };
    for (const auto& [name, text] : samples) {
        QTest::addRow("%s %s", name, text) << name << text;
    }
    for (int a = 1; a <= 60; ++a) {
        const QString article = QString::fromStdString(form_->CurrentLesson().Articles()[a].Name);
        QTest::addRow("Artikel %s", qPrintable(article)) << "Artikel1" << article;
    }
}

void LayoutTest::textsFitTheirLabels() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    auto* label = qobject_cast<QLabel*>(Find(name));
    QVERIFY(label);
    // Nothing of the text may be cut off: given ample room it covers no more pixels.
    const QSize room = label->wordWrap() ? QSize(0, 40) : QSize(40, 40);
    const int inside = InkPixels(label, text, label->size());
    const int roomy = InkPixels(label, text, label->size() + room);
    QVERIFY(inside > 0);
    QCOMPARE(inside, roomy);
}

void LayoutTest::tickedBoxesShowAClearMark_data() {
    QTest::addColumn<QString>("name");
    for (const char* name : {"Komma", "Kasticket", "Geldbeugel", "Hulpjes", "Eenvoudig"}) {
        QTest::newRow(name) << name;
    }
}

void LayoutTest::tickedBoxesShowAClearMark() {
    QFETCH(QString, name);
    ShownForm f = ShowForm();
    auto* box = qobject_cast<QCheckBox*>(f.form->findChild<QWidget*>(name));
    QVERIFY(box);
    // Ticked by its key, so that no pointer rests on it. Geldbeugel and Eenvoudig show with
    // the receipt only.
    const std::pair<const QCheckBox*, Qt::Key> keys[] = {{f->Komma, Qt::Key_O},
                                                         {f->Kasticket, Qt::Key_K},
                                                         {f->Geldbeugel, Qt::Key_P},
                                                         {f->Hulpjes, Qt::Key_H},
                                                         {f->Eenvoudig, Qt::Key_M}};
    if (box == f->Geldbeugel || box == f->Eenvoudig) {
        PressKey(f.form.get(), Qt::Key_K, Qt::AltModifier);
    }
    QStyleOptionButton option;
    option.initFrom(box);
    const QRect indicator =
        box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
    const QImage empty = box->grab(indicator).toImage();
    for (const auto& [ticks, key] : keys) {
        if (ticks == box) {
            PressKey(f.form.get(), key, Qt::AltModifier);
        }
    }
    const QImage ticked = box->grab(indicator).toImage();
    // The mark must stand out from the box it is drawn in.
    int contrast = 0;
    for (int y = 0; y < empty.height(); ++y) {
        for (int x = 0; x < empty.width(); ++x) {
            contrast =
                std::max(contrast, std::abs(qGray(empty.pixel(x, y)) - qGray(ticked.pixel(x, y))));
        }
    }
    QVERIFY2(contrast > 128, qPrintable(QString::number(contrast)));
}

void LayoutTest::aSystemPaletteDoesNotReachTheWindow() {
    // A steady caret, so that the two pictures are caught alike.
    QStyleHints* hints = QGuiApplication::styleHints();
    const int flashTime = hints->cursorFlashTime();
    hints->setCursorFlashTime(0);
    auto picture = [](QPalette* menu) {
        ShownForm f = ShowForm();
        // From outside the box, so that both windows see the mouse come in.
        QTest::mouseMove(f.form->windowHandle(), QPoint(5, 5));
        ClickThroughWindow(f.form.get(), f->Kasticket);
        std::unique_ptr<QMenu> edits(f->MaxArtikels->createStandardContextMenu());
        *menu = edits->palette();
        return f.form->grab().toImage();
    };
    QPalette designed;
    const QImage expected = picture(&designed);

    // A theme's colours, as Qt hands them out before the program sets up its look: every role
    // of every group unlike the window's, for the whole application and for single classes.
    QPalette theme;
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            theme.setColor(group, QPalette::ColorRole(role),
                           QColor::fromHsv((role * 47 + group * 13) % 360, 180, 70));
        }
    }
    QApplication::setPalette(theme);
    for (const char* className : {"QLineEdit", "QCheckBox", "QAbstractButton", "QLabel",
                                  "QGroupBox", "QMenu", "QTipLabel"}) {
        QApplication::setPalette(theme, className);
    }
    look::SetUpApplication();

    QPalette themed;
    const QImage actual = picture(&themed);
    hints->setCursorFlashTime(flashTime);
    QCOMPARE(actual, expected);
    // The line edits' menu and the tool tips are drawn outside the window, from the same colours.
    QVERIFY(themed == designed);
    QVERIFY(QToolTip::palette() == look::DesignPalette());
    // A theme's own palette lies beneath the application's and fills every colour that is
    // not set: none may be left unset, in any state of the window or a control.
    const QPalette palette = QApplication::palette();
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            QVERIFY2(role == QPalette::NoRole ||
                         palette.isBrushSet(group, QPalette::ColorRole(role)),
                     qPrintable(QStringLiteral("group %1 role %2").arg(group).arg(role)));
        }
    }
}

QTEST_MAIN(LayoutTest)
#include "tst_layout.moc"
