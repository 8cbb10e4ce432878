#include "engine/catalogue.h"
#include "support/scripted_random.h"

#include <QtTest>

#include <set>

namespace {

// Whole euros as the test tables hold them (qint64 need not be the same type as Amount).
qint64 Euros(qint64 units) {
    return Whole(units);
}

} // namespace

class TestCatalogue : public QObject {
    Q_OBJECT

private slots:
    void articles();
    void receiptLine_data();
    void receiptLine();
    void usedArticlesAreDrawnAgain();
};

void TestCatalogue::articles() {
    const Catalogue catalogue = MakeCatalogue();
    int pieces = 0;
    int kilograms = 0;
    int grams = 0;
    std::set<std::string> names;
    for (int i = 1; i <= 60; ++i) {
        const Article& a = catalogue[static_cast<std::size_t>(i)];
        QVERIFY(!a.Name.empty());
        QVERIFY(!a.Used);
        QVERIFY(a.MaxQuantity >= 1);
        QCOMPARE(WholePart(a.Price), a.Price);
        names.insert(a.Name);
        if (!a.ByWeight) {
            ++pieces;
        } else if (a.MaxQuantity == 1) {
            ++grams;
        } else {
            ++kilograms;
        }
    }
    QCOMPARE(pieces, 38);
    QCOMPARE(kilograms, 18);
    QCOMPARE(grams, 4);
    QCOMPARE(names.size(), std::size_t{60});
    // Names are printed as they stand, lower-case initials and punctuation included.
    QCOMPARE(catalogue[1].Name, std::string("Muggenwerend apparaat"));
    QCOMPARE(catalogue[17].Name, std::string("Verdamper essent. olie"));
    QCOMPARE(catalogue[46].Name, std::string("keukenpapier (9 rollen)"));
    QCOMPARE(catalogue[52].Name, std::string("Speculoos doos 1kg."));
    QCOMPARE(catalogue[60].Name, std::string("Aardappelen"));
}

void TestCatalogue::receiptLine_data() {
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<qint64>("amount");

    // The first draw is the article number less one.
    QTest::newRow("one piece only") << QList<int>{13, 0} << "Haardroger"
                                    << "1 St." << Euros(39);
    QTest::newRow("pieces") << QList<int>{17, 2} << "Airconditioner"
                            << "3 St." << Euros(1455);
    QTest::newRow("grams drop the cents") << QList<int>{54, 399} << "Kaas belegen"
                                          << "500 Gr." << Euros(8);
    QTest::newRow("fewest grams") << QList<int>{58, 0} << "Garnalen"
                                  << "101 Gr." << Euros(2);
    // Below a euro's worth nothing is left: the line costs 0.
    QTest::newRow("under a euro") << QList<int>{56, 0} << "Kip curry"
                                  << "101 Gr." << qint64{0};
    QTest::newRow("most grams") << QList<int>{58, 899} << "Garnalen"
                                << "1000 Gr." << Euros(20);
    QTest::newRow("kilograms to the cent") << QList<int>{59, 16, 45} << "Aardappelen"
                                           << "17,45 kg." << qint64{174500};
    QTest::newRow("whole kilograms") << QList<int>{30, 2, 0} << "Tomaat"
                                     << "3 kg." << Euros(6);
    QTest::newRow("one decimal") << QList<int>{30, 1, 40} << "Tomaat"
                                 << "2,4 kg." << qint64{48000};
    QTest::newRow("heaviest") << QList<int>{39, 23, 99} << "Peren"
                              << "24,99 kg." << qint64{499800};
}

void TestCatalogue::receiptLine() {
    QFETCH(QList<int>, draws);
    QFETCH(QString, name);
    QFETCH(QString, quantity);
    QFETCH(qint64, amount);

    Catalogue catalogue = MakeCatalogue();
    ScriptedRandom random;
    for (int d : draws) {
        random.Push(d);
    }
    const ReceiptLine line = DrawReceiptLine(catalogue, random);
    QCOMPARE(QString::fromStdString(line.ArticleName), name);
    QCOMPARE(QString::fromStdString(line.QuantityText), quantity);
    // The unit apart as well, for the window to show in the pupil's language.
    QCOMPARE(QString::fromStdString(line.Unit), quantity.section(QLatin1Char(' '), -1));
    QCOMPARE(line.FirstAmount, amount);
    QVERIFY(random.Empty());
    QVERIFY(catalogue[static_cast<std::size_t>(draws.first() + 1)].Used);
}

void TestCatalogue::usedArticlesAreDrawnAgain() {
    Catalogue catalogue = MakeCatalogue();
    catalogue[14].Used = true;
    catalogue[8].Used = true;
    ScriptedRandom random{13, 7, 13, 9, 0};
    const ReceiptLine line = DrawReceiptLine(catalogue, random);
    QCOMPARE(line.ArticleName, std::string("Epileertoestel"));
    QVERIFY(catalogue[10].Used);
    QVERIFY(random.Empty());
}

QTEST_APPLESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
