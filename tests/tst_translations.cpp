// SPDX-License-Identifier: GPL-3.0-or-later
// The translations as a careful translator keeps them, read from the .ts files in the source
// tree: every message of French and German against a table of rules (a cent coin is a
// centime in French, a French colon stands after a no-break space, no caption says "<->",
// no placeholder or line break is lost or added), and each rule shown to catch a fault
// planted in a message of its own.

#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

namespace {

const QChar kNbsp(0x00a0);
const QChar kNarrowNbsp(0x202f);

struct Message {
    QString Context;
    QString Source;
    QStringList Forms; // the translation, or each of its plural forms
    bool Numerus = false;
};

struct Translation {
    QString Language; // "fr", "de"
    QList<Message> Messages;
};

// The text of the element the reader stands on, with the line breaks lupdate writes as
// <byte value="xd"/> put back.
QString TextOf(QXmlStreamReader& xml) {
    QString text;
    const QString element = xml.name().toString();
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isCharacters()) {
            text += xml.text();
        } else if (xml.isStartElement() && xml.name() == QLatin1String("byte")) {
            bool ok = false;
            const QString value = xml.attributes().value(QLatin1String("value")).toString();
            text += QChar(value.mid(1).toUShort(&ok, 16));
            if (!ok || !value.startsWith(QLatin1Char('x'))) {
                xml.raiseError(QStringLiteral("unreadable byte ") + value);
            }
        } else if (xml.isEndElement() && xml.name() == element) {
            break;
        }
    }
    return text;
}

Translation Read(const QString& path) {
    Translation ts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qFatal("cannot open %s", qPrintable(path));
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto name = xml.name();
            if (name == QLatin1String("TS")) {
                ts.Language = xml.attributes().value(QLatin1String("language")).left(2).toString();
            } else if (name == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (name == QLatin1String("message")) {
                message = Message{context, {}, {}, false};
                message.Numerus =
                    xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
            } else if (name == QLatin1String("source")) {
                message.Source = TextOf(xml);
            } else if (name == QLatin1String("translation") && !message.Numerus) {
                message.Forms << TextOf(xml);
            } else if (name == QLatin1String("numerusform")) {
                message.Forms << TextOf(xml);
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            ts.Messages << message;
        }
    }
    if (xml.hasError()) {
        qFatal("%s: %s", qPrintable(path), qPrintable(xml.errorString()));
    }
    return ts;
}

// ------------------------------------------------------------------------------- rules
// A rule tells what is wrong with one form of a message's translation, or nothing.
using Check = QString (*)(const QString& language, const Message& m, qsizetype form);

struct Rule {
    const char* Name;
    QStringList Languages; // where it holds; empty: everywhere
    Check Fault;
};

// A coin worth cents is a pièce of centimes in French: a French voice reads "cent" as a
// hundred ("pièce de 50 cent": a coin of fifty hundred).
QString CentIsCentime(const QString&, const Message& m, qsizetype form) {
    static const QRegularExpression cent(QStringLiteral("\\bcents?\\b"));
    if (!m.Source.contains(cent)) {
        return {};
    }
    const QString& text = m.Forms[form];
    if (text.contains(cent) || !text.contains(QLatin1String("centime"))) {
        return QStringLiteral("cents not named centimes");
    }
    return {};
}

// French sets : ; ? ! after a no-break space (a plain one lets the sign start a line), and
// writes « » with one inside.
QString FrenchNoBreakSpaces(const QString&, const Message& m, qsizetype form) {
    const QString& text = m.Forms[form];
    const auto noBreak = [](QChar c) {
        return c == kNbsp || c == kNarrowNbsp;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (QStringLiteral(":;?!»").contains(c) && (i == 0 || !noBreak(text[i - 1]))) {
            return QStringLiteral("no no-break space before '%1' at %2").arg(c).arg(i);
        }
        if (c == QChar(0x00ab) && (i + 1 == text.size() || !noBreak(text[i + 1]))) {
            return QStringLiteral("no no-break space after '«' at %1").arg(i);
        }
    }
    return {};
}

// "<->" is no teacher's writing, and a screen reader spells it out.
QString NoArrow(const QString&, const Message& m, qsizetype form) {
    return m.Forms[form].contains(QLatin1String("<->")) ? QStringLiteral("\"<->\"") : QString();
}

QStringList Placeholders(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("%(L?\\d+|n)"));
    QStringList found;
    for (const QRegularExpressionMatch& m : placeholder.globalMatch(text)) {
        found << m.captured();
    }
    found.sort();
    return found;
}

// Every %1, %2 ... and %n of the source, each as often, in any order. Where a language's
// first plural form is for one alone (German: "ein Euro"), that form may write the count
// out; French uses its first form for zero too, and keeps %n.
QString PlaceholdersKept(const QString& language, const Message& m, qsizetype form) {
    QStringList expected = Placeholders(m.Source);
    const QStringList found = Placeholders(m.Forms[form]);
    if (m.Numerus && form == 0 && language == QLatin1String("de") &&
        !found.contains(QLatin1String("%n"))) {
        expected.removeAll(QStringLiteral("%n"));
    }
    if (found != expected) {
        return QStringLiteral("placeholders %1 for %2")
            .arg(found.join(QLatin1Char(' ')), expected.join(QLatin1Char(' ')));
    }
    return {};
}

// The help box shows the lines of a text as the source breaks them.
QString LineBreaksKept(const QString&, const Message& m, qsizetype form) {
    const QString& text = m.Forms[form];
    for (QChar c : {QChar(u'\r'), QChar(u'\n')}) {
        if (text.count(c) != m.Source.count(c)) {
            return QStringLiteral("%1 line breaks (U+%2) for %3")
                .arg(text.count(c))
                .arg(c.unicode(), 4, 16, QLatin1Char('0'))
                .arg(m.Source.count(c));
        }
    }
    return {};
}

const QList<Rule>& Rules() {
    static const QList<Rule> rules = {
        {"cent is centime", {QStringLiteral("fr")}, CentIsCentime},
        {"no-break spaces", {QStringLiteral("fr")}, FrenchNoBreakSpaces},
        {"no <->", {}, NoArrow},
        {"placeholders kept", {}, PlaceholdersKept},
        {"line breaks kept", {}, LineBreaksKept},
    };
    return rules;
}

const Rule& RuleNamed(const QString& name) {
    for (const Rule& rule : Rules()) {
        if (name == QLatin1String(rule.Name)) {
            return rule;
        }
    }
    qFatal("no rule %s", qPrintable(name));
}

// Every fault of the message under the rule, one per form.
QStringList Faults(const Rule& rule, const QString& language, const Message& m) {
    QStringList faults;
    if (!rule.Languages.isEmpty() && !rule.Languages.contains(language)) {
        return faults;
    }
    for (qsizetype form = 0; form < m.Forms.size(); ++form) {
        const QString fault = rule.Fault(language, m, form);
        if (!fault.isEmpty()) {
            faults << QStringLiteral("%1 \"%2\" -> \"%3\": %4")
                          .arg(m.Context, m.Source, m.Forms[form], fault);
        }
    }
    return faults;
}

QString TranslationFile(const QString& language) {
    return QStringLiteral(QUORVEL_SOURCE_DIR "/translations/quorvel_%1.ts").arg(language);
}

} // namespace

class TranslationsTest : public QObject {
    Q_OBJECT
private slots:
    void rulesCatchPlantedFaults_data();
    void rulesCatchPlantedFaults();
    void translationsFollowTheRules_data();
    void translationsFollowTheRules();
};

void TranslationsTest::rulesCatchPlantedFaults_data() {
    QTest::addColumn<QString>("rule");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QStringList>("forms"); // more than one: a plural
    QTest::addColumn<bool>("fault");
    const QString nbsp(kNbsp);
    const auto row = [](const char* name, const char* rule, const char* language,
                        const QString& source, const QStringList& forms, bool fault) {
        QTest::newRow(name) << rule << language << source << forms << fault;
    };
    row("cent coin as cents", "cent is centime", "fr", "munt van %1 cent",
        {"pièce de %1 cent", "pièce de %1 cents"}, true);
    row("cent coin in one form", "cent is centime", "fr", "munt van %1 cent",
        {"pièce de %1 centime", "pièce de %1 cents"}, true);
    row("cent coin as centimes", "cent is centime", "fr", "munt van %1 cent",
        {"pièce de %1 centime", "pièce de %1 centimes"}, false);
    row("German Cent", "cent is centime", "de", "munt van %1 cent", {"%1-Cent-Münze"}, false);
    row("plain space before a colon", "no-break spaces", "fr", "Betaald: %1.", {"Payé : %1."},
        true);
    row("no space before a colon", "no-break spaces", "fr", "Betaald: %1.", {"Payé: %1."}, true);
    row("plain space before a semicolon", "no-break spaces", "fr", "a; b", {"a ; b"}, true);
    row("plain space before a question mark", "no-break spaces", "fr", "Hoeveel?", {"Combien ?"},
        true);
    row("plain space before an exclamation mark", "no-break spaces", "fr", "Goed!", {"Bien !"},
        true);
    row("plain spaces inside guillemets", "no-break spaces", "fr", "het veld \"Totaal\"",
        {"le champ « Total »"}, true);
    row("no-break spaces", "no-break spaces", "fr", "Betaald: %1; \"Totaal\"?",
        {"Payé" + nbsp + ": %1" + nbsp + "; «" + nbsp + "Total" + nbsp + "»" + nbsp + "?"}, false);
    row("German colon", "no-break spaces", "de", "Betaald: %1.", {"Bezahlt: %1."}, false);
    row("arrow in French", "no <->", "fr", "Aantal (2<->12) :", {"Nombres (2<->12)" + nbsp + ":"},
        true);
    row("arrow in German", "no <->", "de", "Aantal (2<->12) :", {"Anzahl (2<->12):"}, true);
    row("range in words", "no <->", "de", "Aantal (2<->12) :", {"Anzahl (2 bis 12):"}, false);
    row("placeholder lost", "placeholders kept", "fr", "%1 genomen.", {"Pris."}, true);
    row("placeholder added", "placeholders kept", "de", "Som %1.", {"Summe %1 %2."}, true);
    row("placeholder doubled", "placeholders kept", "fr", "%1 %2", {"%1 %1"}, true);
    row("placeholders reordered", "placeholders kept", "fr", "%1 %2 %3", {"%2 %1 %3"}, false);
    row("count lost in a plural", "placeholders kept", "de", "%n euro", {"ein Euro", "Euro"}, true);
    row("German one in words", "placeholders kept", "de", "%n euro", {"ein Euro", "%n Euro"},
        false);
    row("French one in words", "placeholders kept", "fr", "%n euro", {"un euro", "%n euros"}, true);
    row("line break lost", "line breaks kept", "fr", "Een.\rTwee.", {"Un. Deux."}, true);
    row("line break added", "line breaks kept", "de", "Een.", {"Eins.\rZwei."}, true);
    row("newline for a carriage return", "line breaks kept", "de", "Een.\rTwee.", {"Eins.\nZwei."},
        true);
    row("line breaks kept", "line breaks kept", "fr", "\rEen.\rTwee.", {"\rUn.\rDeux."}, false);
}

void TranslationsTest::rulesCatchPlantedFaults() {
    QFETCH(QString, rule);
    QFETCH(QString, language);
    QFETCH(QString, source);
    QFETCH(QStringList, forms);
    QFETCH(bool, fault);
    const Message planted{QStringLiteral("Planted"), source, forms, forms.size() > 1};
    const QStringList faults = Faults(RuleNamed(rule), language, planted);
    QVERIFY2(faults.isEmpty() != fault, qPrintable(faults.join(QLatin1Char('\n'))));
}

void TranslationsTest::translationsFollowTheRules_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("rule");
    for (const char* language : {"fr", "de"}) {
        for (const Rule& rule : Rules()) {
            QTest::addRow("%s: %s", language, rule.Name) << language << rule.Name;
        }
    }
}

void TranslationsTest::translationsFollowTheRules() {
    QFETCH(QString, language);
    QFETCH(QString, rule);
    const Translation ts = Read(TranslationFile(language));
    QCOMPARE(ts.Language, language);
    // The whole file was read: the window has some two hundred texts.
    QVERIFY2(ts.Messages.size() > 200, qPrintable(QString::number(ts.Messages.size())));
    QStringList faults;
    for (const Message& m : ts.Messages) {
        QVERIFY2(!m.Forms.isEmpty() && !m.Source.isEmpty(), qPrintable(m.Source));
        faults += Faults(RuleNamed(rule), language, m);
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(TranslationsTest)
#include "tst_translations.moc"
