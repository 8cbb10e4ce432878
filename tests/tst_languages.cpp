// SPDX-License-Identifier: GPL-3.0-or-later
// The window in the language the system asks for, as the program chooses it from LANGUAGE:
// its texts translated, every one fitting its control at the design's sizes, the catalogue
// whole, and an exercise judged as in Dutch. ctest runs it once per language
// (tst_languages_nl, _fr, _de): the panels read their texts once, so a process speaks one
// language, as the program does.

#include "app/accessibility.h"
#include "app/language.h"
#include "app/panels/info_panel.h"
#include "app/panels/sum_row_panel.h"
#include "support/answer_setup.h"
#include "support/config_folder.h"
#include "support/ink.h"

#include <QMenu>
#include <QStyleOptionButton>
#include <QTextDocument>
#include <QTextEdit>
#include <QTranslator>

#include <memory>

namespace {

// What LANGUAGE asks for, as ctest sets it: "nl", "fr" or "de".
QString Asked() {
    return qEnvironmentVariable("LANGUAGE");
}

// The text for the language the test runs in.
QString InLanguage(const QString& nl, const QString& fr, const QString& de) {
    const QString asked = Asked();
    return asked == QLatin1String("fr") ? fr : asked == QLatin1String("de") ? de : nl;
}

// The catalogue's texts as the compiled translation has them, read without the
// application's lookup; the Dutch where the language is Dutch.
class CatalogueTexts {
public:
    CatalogueTexts() {
        if (Asked() != QLatin1String("nl")) {
            loaded_ = translator_.load(QStringLiteral(":/i18n/quorvel_") + Asked());
        }
    }
    bool Loaded() const { return loaded_; }
    // Empty where the translation lacks the text.
    QString Of(const std::string& dutch) const {
        return Asked() == QLatin1String("nl")
                   ? QString::fromStdString(dutch)
                   : translator_.translate(CatalogueTextContext, dutch.c_str());
    }

private:
    QTranslator translator_;
    bool loaded_ = false;
};

const char* const kNbsp = "\u00a0";

// The draws that put article i (1..60) on a receipt line at its smallest quantity.
QList<int> LineOf(const Lesson& lesson, int i) {
    const Article& a = lesson.Articles()[static_cast<std::size_t>(i)];
    QList<int> draws{i - 1, 0};
    if (a.ByWeight && a.MaxQuantity > 1) {
        draws << 0; // the hundredths of a kilogram
    }
    return draws;
}

// The draws of an article sold by the piece, by its Dutch name, with the given quantity.
QList<int> PiecesOf(const Lesson& lesson, const char* name, int quantity) {
    for (int i = 1; i <= 60; ++i) {
        if (lesson.Articles()[static_cast<std::size_t>(i)].Name == name) {
            return {i - 1, quantity - 1};
        }
    }
    qFatal("no article %s", name);
}

// The draws of the article by its Dutch name, followed by those of its quantity.
QList<int> ArticleOf(const Lesson& lesson, const char* name, const QList<int>& quantity) {
    return PiecesOf(lesson, name, 1).first(1) + quantity;
}

// A receipt of the lines the draws give, drawn by confirming the number of addends.
void DrawReceipt(ShownForm& f, int lines, const QList<int>& draws) {
    if (!f->Kasticket->isChecked()) {
        ClickThroughWindow(f.form.get(), f->Kasticket);
    }
    for (int d : draws) {
        f.random->Push(d);
    }
    ConfirmSetting(f, f->MaxArtikels, QString::number(lines));
}

enum class Fit { Label, CheckBox, Button, Box, HelpBox };

} // namespace

Q_DECLARE_METATYPE(Fit)

class LanguagesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void choosesTheFirstLanguageItSpeaks_data();
    void choosesTheFirstLanguageItSpeaks();
    void windowSpeaksTheLanguage();
    void textsFitTheirControls_data();
    void textsFitTheirControls();
    void catalogueHasSixtyDistinctNames();
    void receiptsShowTheCatalogue();
    void receiptIsSaidInWords_data();
    void receiptIsSaidInWords();
    void judgingIsTheSameInEveryLanguage_data();
    void judgingIsTheSameInEveryLanguage();

private:
    // Built and never shown: every control as the layout leaves it, in the language, with
    // what Uitleg adds to the window (a pupil's file asks for it).
    std::unique_ptr<TForm1> form_;
};

void LanguagesTest::initTestCase() {
    QVERIFY2(QStringList({"nl", "fr", "de"}).contains(Asked()), "LANGUAGE is nl, fr or de");
    // As the program starts: the translations first, then the window.
    language::InstallTranslations();
    QCOMPARE(language::SystemChoice(), Asked() == QLatin1String("nl") ? QString() : Asked());
    look::SetUpApplication();
    {
        const PupilFolder pupil("[Instellingen]\nUitleg=true\n");
        form_ = std::make_unique<TForm1>();
    }
    QVERIFY(form_->Ui().ToonMij != nullptr);
}

void LanguagesTest::choosesTheFirstLanguageItSpeaks_data() {
    QTest::addColumn<QStringList>("languages");
    QTest::addColumn<QString>("chosen");
    // As QLocale::uiLanguages gives them, most wanted first.
    QTest::newRow("French") << QStringList{"fr"} << "fr";
    QTest::newRow("Belgian French") << QStringList{"fr-BE", "fr-Latn-BE", "fr"} << "fr";
    QTest::newRow("German") << QStringList{"de-BE", "de"} << "de";
    QTest::newRow("Dutch") << QStringList{"nl-BE", "nl"} << "";
    QTest::newRow("C") << QStringList{"C"} << "";
    QTest::newRow("POSIX") << QStringList{"POSIX"} << "";
    QTest::newRow("Spanish") << QStringList{"es-ES", "es"} << "";
    QTest::newRow("nothing") << QStringList{} << "";
    QTest::newRow("Spanish, then German") << QStringList{"es", "de"} << "de";
    QTest::newRow("English, then French") << QStringList{"en-GB", "en", "fr"} << "fr";
    // Dutch asked first is Dutch, whatever comes after it.
    QTest::newRow("Dutch, then French") << QStringList{"nl", "fr"} << "";
    QTest::newRow("German, then French") << QStringList{"de", "fr"} << "de";
}

void LanguagesTest::choosesTheFirstLanguageItSpeaks() {
    QFETCH(QStringList, languages);
    QFETCH(QString, chosen);
    QCOMPARE(language::Choose(languages), chosen);
}

void LanguagesTest::windowSpeaksTheLanguage() {
    ShownForm f = ShowForm();
    // The program's name is the same in every language.
    QCOMPARE(f.form->windowTitle(), QStringLiteral("Quorvel v.2 (Zenbo)"));
    QCOMPARE(f->Kontroleer->text(), InLanguage("CONTROLEER", "VÉRIFIER", "PRÜFEN"));
    QCOMPARE(f->Instellingen->title(), InLanguage("Instellingen", "Réglages", "Einstellungen"));
    QCOMPARE(f->Label1->text(),
             InLanguage("Aantal op te tellen getallen (2<->12) :",
                        QStringLiteral("Combien de nombres (2 à 12)%1:").arg(kNbsp),
                        "Anzahl der Zahlen (2 bis 12):"));
    QCOMPARE(f->Hulpjes->text(),
             InLanguage("Hulpjes :", QStringLiteral("Aides%1:").arg(kNbsp), "Hilfen:"));
    QCOMPARE(f->Label14->text(), InLanguage("OP", "sur", "  /"));
    // The help box explains the units box, which has the focus, in the language.
    PressKey(f.form.get(), Qt::Key_F1);
    QCOMPARE(f->Help->toPlainText().section(QLatin1Char('\n'), 0, 0),
             InLanguage("Vul hier de som in van de optelling (van rechts naar links)",
                        "Écris ici la somme de l'addition (de droite à gauche).",
                        "Trage hier die Summe der Addition ein (von rechts nach links)."));
    // A screen reader hears it too: the boxes' columns, the pieces (one euro, two euros),
    // the judgement.
    QCOMPARE(f->Tot[1]->accessibleName(),
             InLanguage("som, eenheden", "somme, unités", "Summe, Einer"));
    QCOMPARE(f->Tot[1]->accessibleDescription(), f->Help->toPlainText());
    const auto piece = [&f](const char* name) {
        return f.form->findChild<QWidget*>(QLatin1String(name))->accessibleName();
    };
    QCOMPARE(piece("Stuk1euron1"),
             InLanguage("munt van 1 euro", "pièce de 1 euro", "1-Euro-Münze"));
    QCOMPARE(piece("Stuk2euron1"),
             InLanguage("munt van 2 euro", "pièce de 2 euros", "2-Euro-Münze"));
    QCOMPARE(piece("Briefje50n1"),
             InLanguage("biljet van 50 euro", "billet de 50 euros", "50-Euro-Schein"));
    QCOMPARE(piece("Stuk1centn1"),
             InLanguage("munt van 1 cent", "pièce de 1 centime", "1-Cent-Münze"));
    QCOMPARE(piece("Stuk50centn1"),
             InLanguage("munt van 50 cent", "pièce de 50 centimes", "50-Cent-Münze"));
    // Qt's own texts follow (Qt's translations): the edit fields' menu. The Dutch window keeps
    // Qt's English, as it always had.
    const std::unique_ptr<QMenu> edits(f->MaxArtikels->createStandardContextMenu());
    QCOMPARE(edits->actions().first()->text().section(QLatin1Char('\t'), 0, 0),
             InLanguage("&Undo", "&Annuler", "&Rückgängig"));
    ClickThroughWindow(f.form.get(), f->Kontroleer);
    const auto* announcer = f.form->findChild<Announcer*>();
    QVERIFY(announcer);
    QCOMPARE(announcer->accessibleName(),
             InLanguage("Som fout.", QStringLiteral("Somme%1: faux.").arg(kNbsp), "Summe falsch."));
    // A box ticked by its key is said with its state, whatever its caption's gender.
    const QString ticked =
        InLanguage("Komma aangevinkt.", QStringLiteral("Case «%1Virgule%1» cochée.").arg(kNbsp),
                   "Komma angekreuzt.");
    PressKey(f.form.get(), Qt::Key_O, Qt::AltModifier);
    QTRY_VERIFY2(announcer->accessibleName().startsWith(ticked),
                 qPrintable(announcer->accessibleName()));
}

void LanguagesTest::textsFitTheirControls_data() {
    QTest::addColumn<Fit>("fit");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    // Named by the control and the text's start: a help text is a page long.
    auto row = [](Fit fit, const QString& name, const QString& text) {
        const QString start = text.simplified();
        QTest::addRow(
            "%s %s", qPrintable(name),
            qPrintable(start.size() > 40 ? start.left(40) + QStringLiteral("...") : start))
            << fit << name << text;
    };
    // The window's own texts, where they are ever seen; the numbers the self-sizing labels
    // and the percentage show are no text of a language.
    for (QLabel* label : form_->findChildren<QLabel*>()) {
        if (!qobject_cast<Caption*>(label) && label->objectName() != QLatin1String("Label51") &&
            !label->text().isEmpty()) {
            row(Fit::Label, label->objectName(), label->text());
        }
    }
    for (QCheckBox* box : form_->findChildren<QCheckBox*>()) {
        row(Fit::CheckBox, box->objectName(), box->text());
    }
    for (QPushButton* button : form_->findChildren<QPushButton*>()) {
        if (!button->text().isEmpty()) {
            row(Fit::Button, button->objectName(), button->text());
        }
    }
    for (QGroupBox* box : form_->findChildren<QGroupBox*>()) {
        row(Fit::Box, box->objectName(), box->title());
    }
    // Every explanation the help box shows, and those of the settings with the school's
    // lock added.
    const QString locked =
        QCoreApplication::translate("SettingsBar", "Deze instelling is door de school vastgelegd.");
    QList<QWidget*> all = form_->findChildren<QWidget*>();
    all.prepend(form_.get());
    for (QWidget* w : all) {
        const QString help = w->accessibleDescription();
        if (help.isEmpty()) {
            continue;
        }
        row(Fit::HelpBox, w->objectName(), help);
        if (form_->Ui().Instellingen->isAncestorOf(w)) {
            row(Fit::HelpBox, w->objectName() + QStringLiteral(" locked"),
                help + QLatin1Char('\n') + locked);
            row(Fit::HelpBox, w->objectName() + QStringLiteral(" held by the ladder"),
                help + QLatin1Char('\n') +
                    QCoreApplication::translate(
                        "SettingsBar", "De ladder van de school bepaalt deze instelling."));
        }
    }
    // What the help box says of the ladder: every level as it starts, comes up or down,
    // and leaving it.
    const auto ladder = [](const char* text) {
        return QCoreApplication::translate("InfoPanel", text);
    };
    for (int level = 1; level <= LadderLevelCount; ++level) {
        const LadderLevel l = LadderLevels()[static_cast<std::size_t>(level - 1)];
        const QString name = InfoPanel::LevelName(
            AddendSettings{l.Addends, l.MaxValue, l.Decimal, false, false, l.Carries});
        for (const char* text :
             {"Ladder, niveau %1 van %2: %3.", "Goed zo! Naar niveau %1 van %2: %3.",
              "Terug naar niveau %1 van %2: %3."}) {
            row(Fit::HelpBox, QStringLiteral("Help"),
                ladder(text).arg(level).arg(LadderLevelCount).arg(name));
        }
    }
    row(Fit::HelpBox, QStringLiteral("Help"),
        ladder("U heeft zelf een instelling gewijzigd: de ladder staat uit tot het programma "
               "opnieuw start."));
    // What the help box says with Uitleg: where, why, and the column worked out at its
    // widest (twelve addends of 9 and a carry of 11), in every column of each kind of row.
    const auto sumRow = [](const char* text) {
        return QCoreApplication::translate("SumRowPanel", text);
    };
    QStringList terms(12, QStringLiteral("9"));
    terms << QStringLiteral("11");
    const QString worked =
        sumRow("%1 = %2: schrijf %3").arg(terms.join(QStringLiteral(" + "))).arg(119).arg(9) +
        sumRow(", onthoud %1").arg(11);
    const QString change =
        sumRow("Betaald min totaal: %1 − %2 = %3")
            .arg(QStringLiteral("1000"), QStringLiteral("999999,99"), QStringLiteral("-998999,99"));
    const std::pair<RowKind, int> kinds[] = {
        {RowKind::Classic, 14}, {RowKind::Decimal, 11}, {RowKind::Change, 11}};
    for (const auto& [kind, columns] : kinds) {
        for (int column = 1; column <= columns; ++column) {
            for (int m = -1; m < MistakeCount; ++m) {
                Diagnosis d;
                d.Row = kind;
                d.Column = column;
                d.From = std::max(column - 1, 1);
                if (m >= 0) {
                    d.Mistakes = {static_cast<Mistake>(m)};
                }
                row(Fit::HelpBox, QStringLiteral("Help"),
                    SumRowPanel::WhereAndWhy(d, true) + QLatin1Char('\n') +
                        (kind == RowKind::Change ? change : worked));
            }
        }
    }
    // The catalogue as a receipt shows it: the article names, and the widest quantities of
    // each unit.
    const Catalogue& catalogue = form_->CurrentLesson().Articles();
    const auto shown = [](const std::string& dutch) {
        return QCoreApplication::translate(CatalogueTextContext, dutch.c_str());
    };
    for (int a = 1; a <= 60; ++a) {
        row(Fit::Label, QStringLiteral("Artikel1"), shown(catalogue[std::size_t(a)].Name));
    }
    for (const char* name : {"Aantal1", "Aantal12"}) {
        row(Fit::Label, name, QStringLiteral("36 ") + shown("St."));
        row(Fit::Label, name, QStringLiteral("1000 ") + shown("Gr."));
        row(Fit::Label, name, QStringLiteral("25,99 ") + shown("kg."));
    }
}

void LanguagesTest::textsFitTheirControls() {
    QFETCH(Fit, fit);
    QFETCH(QString, name);
    QFETCH(QString, text);
    QWidget* w = form_->findChild<QWidget*>(name.section(QLatin1Char(' '), 0, 0));
    if (w == nullptr && name == form_->objectName()) {
        w = form_.get();
    }
    QVERIFY(w);
    const int advance = w->fontMetrics().horizontalAdvance(text);
    switch (fit) {
    case Fit::Label:
        QVERIFY2(FitsLabel(qobject_cast<QLabel*>(w), text), "cut off");
        break;
    case Fit::CheckBox: {
        // The caption stands in the room the style leaves beside the box.
        auto* box = qobject_cast<QCheckBox*>(w);
        QStyleOptionButton option;
        option.initFrom(box);
        option.text = text;
        const QRect room = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
        QVERIFY2(advance <= room.width(),
                 qPrintable(QStringLiteral("%1 > %2").arg(advance).arg(room.width())));
        break;
    }
    case Fit::Button: {
        // Inside the button's frame.
        auto* button = qobject_cast<QPushButton*>(w);
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = text;
        const QRect room =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        QVERIFY2(advance <= room.width(),
                 qPrintable(QStringLiteral("%1 > %2").arg(advance).arg(room.width())));
        break;
    }
    case Fit::Box:
        // The caption is drawn 10 pixels in, on a patch 2 pixels wider (CaptionBox).
        QVERIFY2(advance + 12 <= w->width(),
                 qPrintable(QStringLiteral("%1 > %2").arg(advance + 12).arg(w->width())));
        break;
    case Fit::HelpBox: {
        // The box has no scroll bars: the whole text must stand in it, laid out as the box
        // lays it out.
        const QTextEdit* box = form_->Ui().Help;
        QTextDocument document;
        document.setDefaultFont(box->font());
        document.setDefaultTextOption(box->document()->defaultTextOption());
        document.setDocumentMargin(box->document()->documentMargin());
        document.setTextWidth(box->width() - 2 * box->frameWidth());
        document.setPlainText(text);
        const qreal room = box->height() - 2 * box->frameWidth();
        QVERIFY2(document.size().height() <= room,
                 qPrintable(QStringLiteral("%1 > %2").arg(document.size().height()).arg(room)));
        break;
    }
    }
}

void LanguagesTest::catalogueHasSixtyDistinctNames() {
    const CatalogueTexts expected;
    QVERIFY(Asked() == QLatin1String("nl") || expected.Loaded());
    const Catalogue catalogue = MakeCatalogue();
    QSet<QString> names;
    for (int i = 1; i <= 60; ++i) {
        const std::string& dutch = catalogue[std::size_t(i)].Name;
        const QString name = expected.Of(dutch);
        QVERIFY2(!name.trimmed().isEmpty(), dutch.c_str());
        names.insert(name);
    }
    QCOMPARE(names.size(), 60);
    for (const char* unit : {"St.", "Gr.", "kg."}) {
        QVERIFY2(!expected.Of(unit).isEmpty(), unit);
    }
}

void LanguagesTest::receiptsShowTheCatalogue() {
    // Five receipts of twelve lines show the sixty articles in their order, each read
    // whole by a screen reader from its price.
    const CatalogueTexts expected;
    ShownForm f = ShowForm();
    for (int receipt = 0; receipt < 5; ++receipt) {
        QList<int> draws;
        for (int line = 1; line <= 12; ++line) {
            draws += LineOf(f.lesson(), 12 * receipt + line);
        }
        DrawReceipt(f, 12, draws);
        for (int line = 1; line <= 12; ++line) {
            const Article& a = f.lesson().Articles()[std::size_t(12 * receipt + line)];
            const QString name = expected.Of(a.Name);
            const QString unit = expected.Of(!a.ByWeight          ? "St."
                                             : a.MaxQuantity == 1 ? "Gr."
                                                                  : "kg.");
            QVERIFY(f->Artikel[line]->isVisible());
            QCOMPARE(f->Artikel[line]->text(), name);
            QVERIFY2(f->Aantal[line]->text().endsWith(QLatin1Char(' ') + unit),
                     qPrintable(f->Aantal[line]->text()));
            QVERIFY2(f->Prijs[line]->accessibleName().contains(QLatin1Char(' ') + name +
                                                               QLatin1Char(' ')),
                     qPrintable(f->Prijs[line]->accessibleName()));
        }
    }
}

void LanguagesTest::receiptIsSaidInWords_data() {
    // Two receipt lines: each article by its Dutch name with the draws of its quantity
    // and, with decimals, of its cents (0, 0, c: c cents more; 9: none).
    QTest::addColumn<bool>("decimal");
    QTest::addColumn<QStringList>("articles");
    QTest::addColumn<QList<QList<int>>>("draws");
    QTest::addColumn<QStringList>("said"); // the two lines, the amount paid, the amount due
    QTest::newRow("pieces, whole euros")
        << false << QStringList{"Chips", "Bloemkool"} << QList<QList<int>>{{0}, {4}}
        << InLanguage("1 stuk Chips 1 euro|5 stuks Bloemkool 10 euro|Betaald: 20 euro.|"
                      "Te betalen: 11 euro.",
                      "une pièce Chips 1 euro|5 pièces Chou-fleur 10 euros|Payé\u00a0: 20 euros.|"
                      "À payer\u00a0: 11 euros.",
                      "ein Stück Chips ein Euro|5 Stück Blumenkohl 10 Euro|Bezahlt: 20 Euro.|"
                      "Zu bezahlen: 11 Euro.")
               .split(QLatin1Char('|'));
    // 523 g at 9 euro the kilogram: the gram articles show whole euros.
    QTest::newRow("grams, kilograms")
        << false << QStringList{"Kip curry", "Aardbeien"} << QList<QList<int>>{{422}, {1, 45}}
        << InLanguage("523 gram Kip curry 4 euro|2,45 kilogram Aardbeien 4 euro|"
                      "Betaald: 10 euro.|Te betalen: 8 euro.",
                      "523 grammes Poulet curry 4 euros|2,45 kilogrammes Fraises 4 euros|"
                      "Payé\u00a0: 10 euros.|À payer\u00a0: 8 euros.",
                      "523 Gramm Hähnchencurry 4 Euro|2,45 Kilogramm Erdbeeren 4 Euro|"
                      "Bezahlt: 10 Euro.|Zu bezahlen: 8 Euro.")
               .split(QLatin1Char('|'));
    QTest::newRow("cents")
        << true << QStringList{"Kip curry", "Chips"}
        << QList<QList<int>>{{0, 0, 0, 1}, {0, 0, 0, 50}}
        << InLanguage("101 gram Kip curry 1 cent|1 stuk Chips 1 euro 50|Betaald: 10 euro.|"
                      "Te betalen: 1 euro 51.",
                      "101 grammes Poulet curry 1 centime|une pièce Chips 1 euro 50|"
                      "Payé\u00a0: 10 euros.|À payer\u00a0: 1 euro 51.",
                      "101 Gramm Hähnchencurry ein Cent|ein Stück Chips ein Euro 50|"
                      "Bezahlt: 10 Euro.|Zu bezahlen: ein Euro 51.")
               .split(QLatin1Char('|'));
    // Below two kilograms French says kilogramme.
    QTest::newRow("euros and cents")
        << true << QStringList{"Aardbeien", "Bloemkool"}
        << QList<QList<int>>{{0, 50, 0, 0, 5}, {4, 9}}
        << InLanguage("1,5 kilogram Aardbeien 3 euro 5|5 stuks Bloemkool 10 euro|"
                      "Betaald: 20 euro.|Te betalen: 13 euro 5.",
                      "1,5 kilogramme Fraises 3 euros 5|5 pièces Chou-fleur 10 euros|"
                      "Payé\u00a0: 20 euros.|À payer\u00a0: 13 euros 5.",
                      "1,5 Kilogramm Erdbeeren 3 Euro 5|5 Stück Blumenkohl 10 Euro|"
                      "Bezahlt: 20 Euro.|Zu bezahlen: 13 Euro 5.")
               .split(QLatin1Char('|'));
}

void LanguagesTest::receiptIsSaidInWords() {
    // What the screen abbreviates ("5 St.", "12,50") a screen reader hears in words, as
    // the pupil says it: each line from its price, and the exercise as it is announced.
    QFETCH(bool, decimal);
    QFETCH(QStringList, articles);
    QFETCH(QList<QList<int>>, draws);
    QFETCH(QStringList, said);
    ShownForm f = ShowForm();
    if (decimal) {
        ClickThroughWindow(f.form.get(), f->Komma);
    }
    QList<int> lines;
    for (int i = 0; i < 2; ++i) {
        lines += ArticleOf(f.lesson(), articles[i].toUtf8().constData(), draws[i]);
    }
    DrawReceipt(f, 2, lines + QList<int>{0}); // paid: the next ten, not raised
    QCOMPARE(f->Prijs[11]->accessibleName(), said[0]);
    QCOMPARE(f->Prijs[12]->accessibleName(), said[1]);
    const auto* announcer = f.form->findChild<Announcer*>();
    QVERIFY(announcer);
    QTRY_VERIFY2(announcer->accessibleName().endsWith(said[0] + QStringLiteral("; ") + said[1] +
                                                      QStringLiteral(". ") + said[2]),
                 qPrintable(announcer->accessibleName()));
    // The same receipt paid from the wallet: it says the amount due as the lines say theirs.
    for (int d : lines) {
        f.random->Push(d);
    }
    ClickThroughWindow(f.form.get(), f->Geldbeugel);
    QCOMPARE(f->Prijs[12]->accessibleName(), said[1]);
    ClickThroughWindow(f.form.get(), f->Geld);
    QTRY_COMPARE(announcer->accessibleName(), said[3]);
}

void LanguagesTest::judgingIsTheSameInEveryLanguage_data() {
    // The exercise: a sum of the tests' table (answer_setup.h), or -1 for a receipt of
    // 5 x 2 and 2 x 1 euro paid with 20 euro.
    QTest::addColumn<int>("sum");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("change"); // typed into the change field of a receipt
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("changeShown"); // after the check; empty: not judged
    QTest::addColumn<bool>("changeRight");
    QTest::addColumn<int>("points");

    QTest::newRow("whole, right") << int(Sum125) << "521"
                                  << "" << true << "" << false << 1;
    QTest::newRow("whole, wrong") << int(Sum125) << "531"
                                  << "" << false << "" << false << 0;
    QTest::newRow("decimal, point typed") << int(Sum12_50) << "05.21"
                                          << "" << true << "" << false << 1;
    QTest::newRow("decimal, comma forgotten") << int(Sum12_50) << "0521"
                                              << "" << false << "" << false << 0;
    QTest::newRow("receipt, right change") << -1 << "21"
                                           << "8" << true << "8" << true << 1;
    QTest::newRow("receipt, change with a point") << -1 << "21"
                                                  << "8.00" << true << "8,00" << true << 1;
    QTest::newRow("receipt, wrong change") << -1 << "21"
                                           << "9" << true << "9" << false << 0;
    QTest::newRow("receipt, wrong sum") << -1 << "31"
                                        << "8" << false << "8" << true << 0;
}

void LanguagesTest::judgingIsTheSameInEveryLanguage() {
    QFETCH(int, sum);
    QFETCH(QString, typed);
    QFETCH(QString, change);
    QFETCH(bool, right);
    QFETCH(QString, changeShown);
    QFETCH(bool, changeRight);
    QFETCH(int, points);
    const bool receipt = sum < 0;
    ShownForm f = receipt ? ShowForm() : FormWithSum(sum);
    if (receipt) {
        DrawReceipt(f, 2,
                    PiecesOf(f.lesson(), "Bloemkool", 5) + PiecesOf(f.lesson(), "Chips", 2) +
                        QList<int>{0}); // paid: the next ten, not raised
        QCOMPARE(f.lesson().Exercise().Total, Whole(12));
        QCOMPARE(f->Betaald->text(), QStringLiteral("20"));
    }
    TypeKeys(f.form.get(), typed);
    if (receipt) {
        PressKey(f.form.get(), Qt::Key_Return);
        QVERIFY(f->Teruggave->hasFocus());
        TypeKeys(f.form.get(), change);
    }
    QTest::mousePress(f.form->windowHandle(), Qt::LeftButton, {},
                      CentreInWindow(f.form.get(), f->Kontroleer));
    QCOMPARE(f.lesson().SumRight(), right);
    QCOMPARE(f->Tot[1]->palette().color(QPalette::Base), right ? look::Green : look::Red);
    if (receipt) {
        QCOMPARE(f.lesson().Exercise().Change, Whole(8));
        QCOMPARE(f.lesson().ChangeRight(), changeRight);
        QCOMPARE(f->Teruggave->text(), changeShown);
    }
    QTest::mouseRelease(f.form->windowHandle(), Qt::LeftButton, {},
                        CentreInWindow(f.form.get(), f->Kontroleer));
    ClickThroughWindow(f.form.get(), f->VolgendeOefening);
    QCOMPARE(f.lesson().Points(), points);
    QCOMPARE(f->Label6->text(), QString::number(points));
}

QTEST_MAIN(LanguagesTest)
#include "tst_languages.moc"
