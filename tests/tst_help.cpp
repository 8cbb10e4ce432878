// The help box under the exercise and the tooltips: the real mouse moves over the
// window, and the box explains the topmost visible control under it.

#include "support/form_fixture.h"

#include <QHelpEvent>
#include <QToolTip>

#include <algorithm>
#include <functional>

using std::chrono::milliseconds;

namespace {

// A tool tip that no control shows, to see whether a request showed one at all.
const QString kUntouched = QStringLiteral("(untouched)");

// The box shows each carriage return of a text as a paragraph break.
QString Shown(QString text) {
    return text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

QWidget* Control(TForm1* form, const QString& name) {
    if (name == form->objectName()) {
        return form;
    }
    auto* w = form->findChild<QWidget*>(name);
    if (w == nullptr) {
        qFatal("no control %s", qPrintable(name));
    }
    return w;
}

// A point of the control in window coordinates: `at` inside it, or its centre.
QPoint PointOf(TForm1* form, QWidget* w, QPoint at) {
    return at.x() < 0 ? CentreInWindow(form, w) : w->mapTo(form, at);
}

void MoveTo(TForm1* form, QPoint inWindow) {
    QTest::mouseMove(form->windowHandle(), inWindow);
}

// The draws of a receipt of the twelve dearest lines sold by the piece, each at its
// largest quantity: a total whose wallet fills every stack.
QList<int> DearestReceipt(const ShownForm& f) {
    QList<std::pair<Amount, int>> lines; // the line's amount, the article's number
    for (int i = 1; i <= 60; ++i) {
        const Article& a = f.lesson().Articles()[static_cast<std::size_t>(i)];
        if (!a.ByWeight) {
            lines.append({a.Price * a.MaxQuantity, i});
        }
    }
    std::sort(lines.begin(), lines.end(), std::greater<>());
    QList<int> draws;
    for (int k = 0; k < 12; ++k) {
        const int i = lines[k].second;
        draws << i - 1 << f.lesson().Articles()[static_cast<std::size_t>(i)].MaxQuantity - 1;
    }
    return draws;
}

// Brings a control into view as the pupil does, by keys: the helps, twelve addends, the
// receipt mode, a full wallet opened, a check, the information panel, the minutes, a
// timed series started or run out.
void BringOut(ShownForm& f, QWidget* w) {
    TForm1* form = f.form.get();
    auto alt = [form](Qt::Key key) {
        PressKey(form, key, Qt::AltModifier);
    };
    auto in = [w](const QWidget* container) {
        return w == container || container->isAncestorOf(w);
    };
    // The row of a receipt line's control, 0 for any other.
    auto row = [w](const std::array<QLabel*, 13>& column) {
        const auto at = std::find(column.begin() + 1, column.end(), w);
        return at == column.end() ? 0 : int(at - column.begin());
    };
    const int line = std::max({row(f->Aantal), row(f->Artikel), row(f->Prijs)});
    const bool wallet = in(f->Portemonnee);

    if (w == f->Hulpje || in(f->GroupBox2)) {
        alt(Qt::Key_H);
    }
    if ((line > 0 && line < 11) || wallet) {
        alt(Qt::Key_A);
        TypeKeys(form, QStringLiteral("12"));
        PressKey(form, Qt::Key_Return);
    }
    if (wallet || row(f->Aantal) > 0 || row(f->Artikel) > 0 || w == f->lblBetaald ||
        w == f->Betaald || w == f->lblTeruggave || w == f->Teruggave || w == f->Wis2 ||
        w == f->Geldbeugel || w == f->Eenvoudig || w == f->Geld) {
        alt(Qt::Key_K);
    }
    if (wallet) {
        for (int d : DearestReceipt(f)) {
            f.random->Push(d);
        }
    }
    if (wallet || w == f->Geld) {
        alt(Qt::Key_P);
    }
    if (wallet) {
        PressKey(form, Qt::Key_F4);
    }
    if (w == f->VolgendeOefening) {
        PressKey(form, Qt::Key_F2); // a check
    }
    if (in(f->Info)) {
        PressKey(form, Qt::Key_F9);
    }
    if (w == f->Startknop) {
        alt(Qt::Key_T);
        TypeKeys(form, QStringLiteral("1"));
        PressKey(form, Qt::Key_Return);
    }
    if (w == f->KlokVenster || in(f->Panel3)) {
        ScriptedClock* clock = StartTimedSeries(f);
        if (in(f->Panel3)) {
            clock->Now += milliseconds(61000);
            TickTimer(f);
        }
    }
    if (std::find(f->Tot.begin() + 12, f->Tot.end(), w) != f->Tot.end()) {
        // not by events: no setting draws a sum wider than eleven boxes (twelve times
        // 999999,99), yet the window has fourteen, each with its explanation.
        w->show();
    }
    if (!w->isVisible()) {
        qFatal("%s stays hidden", qPrintable(w->objectName()));
    }
}

// Writes a known explanation into the help box as the pupil does, by resting the pointer
// on a control in view that is not `looked`: STOP, the information picture or, with the
// wallet open, one of its buttons. A movement that writes nothing leaves this text.
QString FillHelpBox(const ShownForm& f, const QWidget* looked) {
    TForm1* form = f.form.get();
    for (const QWidget* rest :
         {static_cast<const QWidget*>(f->Image4), static_cast<const QWidget*>(f->Image1),
          static_cast<const QWidget*>(f->PortemonneeSluiten),
          static_cast<const QWidget*>(f->PortemonneeReset)}) {
        const QPoint centre = CentreInWindow(form, rest);
        if (rest != looked && form->childAt(centre) == rest) {
            MoveTo(form, QPoint(2, 2)); // off every control, so that resting there moves
            MoveTo(form, centre);
            return f->Help->toPlainText();
        }
    }
    qFatal("no control in view to rest on");
}

const QPoint kCentre(-1, -1);

} // namespace

class HelpTest : public QObject {
    Q_OBJECT
private slots:
    void everyHandlerWritesItsText_data();
    void everyHandlerWritesItsText();
    void controlsWithoutHandlerLeaveTheBox_data();
    void controlsWithoutHandlerLeaveTheBox();
    void onlyTheTopmostVisibleControlCounts();
    void allWalletPicturesShareOneText();
    void textsDoNotDependOnTheProgramState();
    void helpBoxNeverTakesTheFocus();
    void tooltips_data();
    void tooltips();
};

void HelpTest::everyHandlerWritesItsText_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QPoint>("at"); // inside the control; the centre unless given
    QTest::addColumn<QString>("text");

    const QString empty;
    QTest::newRow("window background") << "Form1" << QPoint(10, 150) << empty;
    QTest::newRow("Panel1 background") << "Panel1" << QPoint(30, 200) << empty;
    QTest::newRow("Instellingen background") << "Instellingen" << QPoint(100, 75) << empty;
    QTest::newRow("groep2 background") << "groep2" << QPoint(140, 70) << empty;
    QTest::newRow("Panel2 background") << "Panel2" << QPoint(20, 200) << empty;

    const QString maxArtikels = QStringLiteral(
        "Hier bepaalt u het aantal getallen dat bij elkaar moet worden opgeteld (max.12).");
    QTest::newRow("Label1") << "Label1" << kCentre << maxArtikels;
    QTest::newRow("MaxArtikels") << "MaxArtikels" << kCentre << maxArtikels;
    const QString maxGetal =
        QStringLiteral("Hier bepaalt u de maximum grootte van de op te tellen getallen.");
    QTest::newRow("lblMaxGetal") << "lblMaxGetal" << kCentre << maxGetal;
    QTest::newRow("MaxGetal") << "MaxGetal" << kCentre << maxGetal;
    const QString timer = QStringLiteral(
        "Indien u met de timer wenst te werken, moet hier het aantal minuten ingevuld worden.\r"
        "Als deze waarde groter is dan \"0\" zal boven de oefening een startknop verschijnen. "
        "Een muisklik op deze startknop zal de timer starten.\r"
        "Als de timer afgelopen is, verschijnt een venster met de uitslag van de oefening "
        "(aantal gemaakte oefeningen, aantal juiste oplossingen, percentage juiste "
        "oplossingen)\r"
        "Het programma komt terug in oorspronkelijke staat na het gebruik van de resetknop.");
    QTest::newRow("Label4") << "Label4" << kCentre << timer;
    QTest::newRow("TimerMinuten") << "TimerMinuten" << kCentre << timer;
    QTest::newRow("Komma") << "Komma" << kCentre
                           << QStringLiteral("Niet aangevinkt = Enkel gehele getallen optellen.\r"
                                             "Aangevinkt = Optellen van komma-getallen");
    QTest::newRow("Kasticket")
        << "Kasticket" << kCentre
        << QStringLiteral(
               "Niet aangevinkt = Klassieke optelling maken.\r"
               "Aangevinkt = Optelling maken volgens het systeem van een kasticket in de winkel.\r"
               "Hierbij wordt een kasticket aangemaakt met gekochte artikels, het aantal "
               "artikels, hoeveel betaald is, en hoeveel moet teruggegeven worden. Het bedrag dat "
               "moet teruggegeven worden moet net zoals in de winkel uit het hoofd berekent "
               "worden.");
    QTest::newRow("Geldbeugel")
        << "Geldbeugel" << kCentre
        << QStringLiteral(
               "Niet aangevinkt = Er zal automatisch een \"betaald\" bedrag worden berekent, "
               "waarop u via hoofdrekenen de teruggave zal moeten berekenen.\r"
               "Aangevinkt = Er zal een \"portemonneetje\" verschijnen. Als u daarop klikt zal u "
               "z\u00e9lf kunnen betalen.\r"
               "U kan het juiste bedrag betalen, maar ook een groter bedrag waarop via "
               "hoofdrekenen het terug te geven bedrag moet worden vastgesteld.");
    QTest::newRow("Hulpjes") << "Hulpjes" << kCentre
                             << QStringLiteral(
                                    "Niet aangevinkt = Alles uit het hoofd berekenen en "
                                    "onthouden.\r"
                                    "Aangevinkt = Foute invoer zal rood kleuren, de inhoud van "
                                    "de wachtkamer wordt getoond,\r"
                                    "en in de portemonnee zal bovenaan een venster verschijnen "
                                    "met het bedrag dat u samensteld.");
    QTest::newRow("Image1") << "Image1" << kCentre
                            << QStringLiteral("Globale Informatie betreffende het programma en "
                                              "de ontwerper/programmeur.");
    QTest::newRow("Image4") << "Image4" << kCentre
                            << QStringLiteral("\rHet programma be\u00ebindigen.");
    QTest::newRow("Reeksteller") << "Reeksteller" << kCentre
                                 << QStringLiteral("Dit is het nummer van de oefening.\r"
                                                   "Er wordt steeds begonnen vanaf \"0\" bij een "
                                                   "wijziging in de \"instellingen.\"");
    QTest::newRow("Label6") << "Label6" << kCentre
                            << QStringLiteral("Dit is het totaal van de behaalde punten.");
    QTest::newRow("Label8") << "Label8" << kCentre
                            << QStringLiteral("Dit is het Maximum te behalen punten.");
    QTest::newRow("Aantal7") << "Aantal7" << kCentre
                             << QStringLiteral("Dit is de gekochte hoeveelheid van het er naast "
                                               "staande artikel.\r"
                                               "Dit is ofwel het aantal stuks, ofwel het gewicht.");
    QTest::newRow("Artikel12") << "Artikel12" << kCentre
                               << QStringLiteral("De naam van het gekochte artikel(s).");
    const QString price = QStringLiteral(
        "Op te tellen waarde.\rBij een kasticket is dit de totaalprijs die bij een artikel "
        "behoort.");
    QTest::newRow("Prijs1") << "Prijs1" << kCentre << price;
    QTest::newRow("Prijs12") << "Prijs12" << kCentre << price;
    QTest::newRow("Label11") << "Label11" << kCentre
                             << QStringLiteral("Het plus-teken (bewerkingsteken).");
    QTest::newRow("Hulpje") << "Hulpje" << kCentre
                            << QStringLiteral("Dit is de wachtkamer voor de tientallen(het "
                                              "overschot) van de vorige optel-kolom.\r"
                                              "Deze waarde moet bij de onderstaande kolom worden "
                                              "opgeteld.");
    const QString sum = QStringLiteral("Vul hier de som in van de optelling (van rechts naar "
                                       "links)\rFoute input kan steeds gewijzigd/gewist worden.");
    QTest::newRow("Tot1") << "Tot1" << kCentre << sum;
    QTest::newRow("Tot14") << "Tot14" << kCentre << sum;
    QTest::newRow("Wis1") << "Wis1" << kCentre
                          << QStringLiteral("Klik hier op om het veld \"Totaal\" volledig te "
                                            "wissen bij foute input.");
    QTest::newRow("Wis2") << "Wis2" << kCentre
                          << QStringLiteral("Klik hier op om het veld \"Teruggave\" volledig te "
                                            "wissen bij foute input.");
    QTest::newRow("Betaald") << "Betaald" << kCentre
                             << QStringLiteral(
                                    "Hier staat het bedrag dat door u betaald werd.\r"
                                    "Als dit groter is dan het te betalen bedrag wat meest "
                                    "voorkomt, dan moet u het terug te geven bedrag berekenen "
                                    "via \"hoofdrekenen\"");
    QTest::newRow("Teruggave") << "Teruggave" << kCentre
                               << QStringLiteral(
                                      "U berekend uit het hoofd, welk bedrag door de "
                                      "kassier(ster) aan u moet terugbetaald worden, en vul dit "
                                      "bedrag hier in.");
    QTest::newRow("Geld") << "Geld" << kCentre
                          << QStringLiteral(
                                 "Deze knop opent uw portemonnee, zodat u zelf bepaald welk "
                                 "bedrag u betaald.\r"
                                 "U heeft de keuze om met pasgeld te betalen of om een hoger "
                                 "bedrag te betalen, waarop u dan een \"teruggave\" kan berekenen "
                                 "uit het hoofd.");
    QTest::newRow("Kontroleer") << "Kontroleer" << kCentre
                                << QStringLiteral(
                                       "\rDeze knop zal de ingevoerde oplossing controleren op "
                                       "juistheid.\r"
                                       "Foute resultaten kleuren rood en goede resultaten kleuren "
                                       "groen.\r"
                                       "U krijg slechts een punt als alle resultaten goed(groen) "
                                       "zijn.");
    QTest::newRow("VolgendeOefening")
        << "VolgendeOefening" << kCentre
        << QStringLiteral("\rEen muisklik op deze knop zal de behaalde punten vastleggen en een "
                          "volgende oefening cre\u00ebren.");
    QTest::newRow("Portemonnee background")
        << "Portemonnee" << QPoint(440, 660)
        << QStringLiteral("Dit is de portemonnee waarmee u kan betalen.\r"
                          "U kan het juiste bedrag betalen en u kan een bedrag betalen waarop "
                          "moet teruggegeven worden.");
    QTest::newRow("PortemonneeSluiten")
        << "PortemonneeSluiten" << kCentre << QStringLiteral("De portemonnee sluiten.");
    QTest::newRow("PortemonneeReset")
        << "PortemonneeReset" << kCentre
        << QStringLiteral("Een nieuwe portemonnee samenstellen.\r"
                          "Het bedrag \"Betaald\" (indien zichtbaar bovenaan) wordt terug op "
                          "nul gezet.");
    // The frames of the group boxes, beside the amounts they hold.
    QTest::newRow("GroupBox1") << "GroupBox1" << QPoint(2, 30)
                               << QStringLiteral("Dit is het te betalen bedrag.");
    QTest::newRow("GroupBox2") << "GroupBox2" << QPoint(2, 30)
                               << QStringLiteral("Dit is het bedrag dat u samenstelt.");
    QTest::newRow("Briefje500n5")
        << "Briefje500n5" << kCentre
        << QStringLiteral("Klik op een biljet of geldstuk om te betalen.\r"
                          "Het bedrag \"betaald\" (indien zichtbaar bovenaan) zal worden "
                          "aangepast, en het biljet of muntstuk zal verdwijnen.");
}

void HelpTest::everyHandlerWritesItsText() {
    QFETCH(QString, control);
    QFETCH(QPoint, at);
    QFETCH(QString, text);
    ShownForm f = ShowForm();
    TForm1* form = f.form.get();
    QWidget* w = Control(form, control);
    BringOut(f, w);
    const QPoint point = PointOf(form, w, at);
    QCOMPARE(form->childAt(point) ? form->childAt(point) : form, w);

    FillHelpBox(f, w);
    MoveTo(form, point);
    QCOMPARE(f->Help->toPlainText(), Shown(text));
    // A screen reader gives the same explanation.
    QCOMPARE(w->accessibleDescription(), Shown(text));
    // Without scroll bars the whole text must fit in the box.
    QVERIFY(f->Help->document()->size().height() <= f->Help->viewport()->height());
}

void HelpTest::controlsWithoutHandlerLeaveTheBox_data() {
    QTest::addColumn<QString>("control");
    // Labels beside controls with a text, the sum row's line, the help box itself, a
    // button shown during a timed series, a panel's label, and the two amounts inside
    // the wallet's group boxes, which keep the group box's text.
    for (const char* name :
         {"Label36", "lblTotaal", "Panel4", "Help", "Label14", "Eenvoudig", "Startknop",
          "KlokVenster", "Label47", "Label45", "Label3", "Geldteller"}) {
        QTest::newRow(name) << QString::fromLatin1(name);
    }
}

void HelpTest::controlsWithoutHandlerLeaveTheBox() {
    QFETCH(QString, control);
    ShownForm f = ShowForm();
    TForm1* form = f.form.get();
    QWidget* w = Control(form, control);
    BringOut(f, w);
    const QString untouched = FillHelpBox(f, w);
    MoveTo(form, CentreInWindow(form, w));
    QCOMPARE(f->Help->toPlainText(), untouched);
}

void HelpTest::onlyTheTopmostVisibleControlCounts() {
    // Two addends: rows 11 and 12 in use, the others hidden.
    ShownForm f = ShowForm();
    TForm1* form = f.form.get();
    const QString price = f->Prijs[1]->accessibleDescription();
    QVERIFY(!price.isEmpty());

    MoveTo(form, CentreInWindow(form, f->MaxArtikels));
    QCOMPARE(f->Help->toPlainText(), f->MaxArtikels->accessibleDescription());
    MoveTo(form, f->Instellingen->mapTo(form, QPoint(100, 75)));
    QCOMPARE(f->Help->toPlainText(), QString());

    // A hidden label lets the movement through to the panel under it.
    MoveTo(form, CentreInWindow(form, f->Prijs[12]));
    QCOMPARE(f->Help->toPlainText(), price);
    QVERIFY(!f->Prijs[3]->isVisible());
    MoveTo(form, CentreInWindow(form, f->Prijs[3]));
    QCOMPARE(f->Help->toPlainText(), QString());
    MoveTo(form, CentreInWindow(form, f->Prijs[12]));
    QVERIFY(!f->Aantal[5]->isVisible());
    MoveTo(form, CentreInWindow(form, f->Aantal[5]));
    QCOMPARE(f->Help->toPlainText(), QString());

    // Once row 3 is in use, its price explains itself.
    ConfirmSetting(f, f->MaxArtikels, QStringLiteral("10"));
    QVERIFY(f->Prijs[3]->isVisible());
    MoveTo(form, CentreInWindow(form, f->Prijs[3]));
    QCOMPARE(f->Help->toPlainText(), price);

    // The open wallet covers the settings bar: over the bar the wallet explains itself.
    BringOut(f, f->Portemonnee);
    const QPoint underWallet = f->Instellingen->mapTo(form, QPoint(100, 75));
    QCOMPARE(form->childAt(underWallet), f->Portemonnee);
    MoveTo(form, underWallet);
    QCOMPARE(f->Help->toPlainText(), f->Portemonnee->accessibleDescription());
}

void HelpTest::allWalletPicturesShareOneText() {
    ShownForm f = ShowForm();
    TForm1* form = f.form.get();
    BringOut(f, f->Portemonnee); // every stack full
    const QString text = f->Pieces[0][1]->accessibleDescription();
    QVERIFY(text.startsWith(QStringLiteral("Klik op een biljet of geldstuk om te betalen.")));
    int pictures = 0;
    for (const auto& stack : f->Pieces) {
        for (Picture* piece : stack) {
            if (piece == nullptr) {
                continue;
            }
            ++pictures;
            // The corner the next picture of the stack leaves uncovered.
            const QPoint corner = piece->mapTo(form, QPoint(3, 3));
            QCOMPARE(form->childAt(corner), piece);
            FillHelpBox(f, piece);
            MoveTo(form, corner);
            QCOMPARE(f->Help->toPlainText(), text);
        }
    }
    QCOMPARE(pictures, 115);
}

void HelpTest::textsDoNotDependOnTheProgramState() {
    ShownForm f = ShowForm();
    TForm1* form = f.form.get();
    const QPoint komma = CentreInWindow(form, f->Komma);
    const QPoint background = f->Instellingen->mapTo(form, QPoint(100, 75));
    MoveTo(form, komma);
    const QString unticked = f->Help->toPlainText();
    QVERIFY(unticked.startsWith(QStringLiteral("Niet aangevinkt = ")));
    ClickThroughWindow(form, f->Komma); // ticked, where the pointer is
    MoveTo(form, background);
    MoveTo(form, komma);
    QCOMPARE(f->Help->toPlainText(), unticked);

    // A new exercise leaves the box alone: the click that draws it lands where the
    // pointer already is, so no movement reaches the window.
    ClickThroughWindow(form, f->Komma);
    QCOMPARE(f->Help->toPlainText(), unticked);
}

void HelpTest::helpBoxNeverTakesTheFocus() {
    ShownForm f = ShowForm();
    TForm1* form = f.form.get();
    ClickThroughWindow(form, f->Tot[1]);
    ClickThroughWindow(form, f->Help);
    QCOMPARE(QApplication::focusWidget(), f->Tot[1]);
}

void HelpTest::tooltips_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("tip"); // empty: none is shown
    QTest::newRow("Label3 shows its group box's") << "Label3"
                                                  << "Het bedrag dat moet betaald worden.";
    QTest::newRow("Geldteller shows its group box's") << "Geldteller"
                                                      << "Het bedrag dat u betaalt.";
    QTest::newRow("Help, over its viewport") << "Help"
                                             << "Context-gevoelig help-menu.";
    QTest::newRow("lblTotaal") << "lblTotaal"
                               << "Term2";
    QTest::newRow("PortemonneeReset") << "PortemonneeReset"
                                      << "Nieuwe portemonnee  maken.";
    for (const char* name :
         {"Geldbeugel", "Eenvoudig", "Geld", "Hulpje", "Label41", "Label47", "Label45"}) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString();
    }
}

void HelpTest::tooltips() {
    QFETCH(QString, control);
    QFETCH(QString, tip);
    ShownForm f = ShowForm();
    TForm1* form = f.form.get();
    QWidget* w = Control(form, control);
    BringOut(f, w);
    // The request goes where Qt sends it when the pointer rests: to the widget under
    // the pointer, and on to its containers while none shows a tip. A tip already up
    // tells whether any of them showed one.
    const QPoint point = CentreInWindow(form, w);
    QWidget* target = form->childAt(point);
    QToolTip::showText(form->mapToGlobal(point), kUntouched);
    QHelpEvent event(QEvent::ToolTip, target->mapFrom(form, point), form->mapToGlobal(point));
    QApplication::sendEvent(target, &event);
    QCOMPARE(QToolTip::text(), tip.isEmpty() ? kUntouched : tip);
}

QTEST_MAIN(HelpTest)
#include "tst_help.moc"
