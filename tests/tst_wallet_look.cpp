// How the wallet's pieces stand on screen: every picture's name and place, and the
// names that are none of them.

#include "app/panels/wallet_look.h"

#include <QtTest>

#include <set>

class WalletLookTest : public QObject {
    Q_OBJECT
private slots:
    void pictures_data();
    void pictures();
    void everyPictureNameReadsBack();
    void foreignNamesAreRefused_data();
    void foreignNamesAreRefused();
};

void WalletLookTest::pictures_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("place");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");

    QTest::newRow("500 bottom") << 0 << 1 << "Briefje500n1" << 56 << 81;
    QTest::newRow("500 top") << 0 << 5 << "Briefje500n5" << 88 << 113;
    QTest::newRow("200 fourth") << 1 << 4 << "Briefje200n4" << 358 << 107;
    // The one picture out of line with its fan.
    QTest::newRow("200 top") << 1 << 5 << "Briefje200n5" << 361 << 115;
    QTest::newRow("100 top") << 2 << 5 << "Briefje100n5" << 630 << 118;
    QTest::newRow("5 top") << 6 << 5 << "Briefje5n5" << 698 << 284;
    QTest::newRow("2 euro top") << 7 << 10 << "Stuk2euron10" << 120 << 464;
    QTest::newRow("20 cent top") << 10 << 10 << "Stuk20centn10" << 634 << 460;
    QTest::newRow("1 cent bottom") << 14 << 1 << "Stuk1centn1" << 577 << 545;
}

void WalletLookTest::pictures() {
    QFETCH(int, index);
    QFETCH(int, place);
    QFETCH(QString, name);
    QFETCH(int, left);
    QFETCH(int, top);

    QCOMPARE(QString::fromStdString(PictureName(index, place)), name);
    QCOMPARE(ParsePictureName(name.toStdString()), (PicturePlace{index, place}));
    QCOMPARE(PicturePosition(index, place), (PicturePoint{left, top}));
}

void WalletLookTest::everyPictureNameReadsBack() {
    std::set<std::string> names;
    for (int i = 0; i < DenominationCount; ++i) {
        for (int place = 1; place <= PieceTable[static_cast<std::size_t>(i)].StackSize; ++place) {
            const std::string name = PictureName(i, place);
            names.insert(name);
            QCOMPARE(ParsePictureName(name), (PicturePlace{i, place}));
        }
    }
    QCOMPARE(int(names.size()), PictureCount);
}

void WalletLookTest::foreignNamesAreRefused_data() {
    QTest::addColumn<QString>("name");
    for (const char* name : {"Briefje500n0", "Briefje500n6", "Stuk1centn11", "Briefje50n05",
                             "Briefje500n", "Briefje500n1x", "Stuk2euron", "Briefje", "Geld", ""}) {
        QTest::newRow(*name ? name : "empty") << QString(name);
    }
}

void WalletLookTest::foreignNamesAreRefused() {
    QFETCH(QString, name);
    QVERIFY(!ParsePictureName(name.toStdString()));
}

QTEST_APPLESS_MAIN(WalletLookTest)
#include "tst_wallet_look.moc"
