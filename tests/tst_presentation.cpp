// A new exercise on screen: rows in use, stale rows hidden, the carry label's row, the
// visible sum boxes and the paid amount.

#include "support/form_fixture.h"

class PresentationTest : public QObject {
    Q_OBJECT
private slots:
    void twelveAddendsFillEveryRow();
    void fewerAddendsHideStaleRows();
    void decimalTotalShowsItsBoxes();
    void receiptShowsQuantitiesNamesAndPaid();
};

namespace {

QList<int> VisibleRows(const std::array<QLabel*, 13>& labels) {
    QList<int> rows;
    for (int r = 1; r <= 12; ++r) {
        if (!labels[r]->isHidden()) {
            rows << r;
        }
    }
    return rows;
}

QList<int> Range(int from, int to) {
    QList<int> rows;
    for (int r = from; r <= to; ++r) {
        rows << r;
    }
    return rows;
}

} // namespace

void PresentationTest::twelveAddendsFillEveryRow() {
    ShownForm f = ShowForm();
    f.random->Push({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0});
    ConfirmSetting(f, f->MaxArtikels, QStringLiteral("12"));
    QCOMPARE(VisibleRows(f->Prijs), Range(1, 12));
    for (int r = 1; r <= 12; ++r) {
        QCOMPARE(f->Prijs[r]->text(), QString::number(r));
    }
    QCOMPARE(VisibleRows(f->Aantal), QList<int>());
    QCOMPARE(VisibleRows(f->Artikel), QList<int>());
    // The carry label waits one row above the top addend.
    QCOMPARE(f->Hulpje->y(), f->Prijs[1]->y() - f->Prijs[11]->height());
    // 1 + 2 + ... + 12 = 78.
    QCOMPARE(f.lesson().Exercise().Total, Whole(78));
}

void PresentationTest::fewerAddendsHideStaleRows() {
    ShownForm f = ShowForm();
    f.random->Push({10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 0});
    ConfirmSetting(f, f->MaxArtikels, QStringLiteral("12"));
    f.random->Push({0, 1, 2, 0});
    ConfirmSetting(f, f->MaxArtikels, QStringLiteral("3"));
    QCOMPARE(VisibleRows(f->Prijs), Range(10, 12));
    // The rows above keep their old texts but are not shown.
    QCOMPARE(f->Prijs[1]->text(), QStringLiteral("11"));
    QCOMPARE(f->Prijs[10]->text(), QStringLiteral("1"));
    QCOMPARE(f.lesson().Exercise().Total, Whole(6));
    QCOMPARE(f->Hulpje->y(), f->Prijs[10]->y() - f->Prijs[11]->height());
}

void PresentationTest::decimalTotalShowsItsBoxes() {
    ShownForm f = ShowForm();
    ClickThroughWindow(f.form.get(), f->Komma);
    // 20,25 + 14,75 = 35,00.
    f.random->Push({19, 0, 0, 25, 13, 0, 0, 75, 0});
    DrawAnew(f);
    QCOMPARE(f->Prijs[11]->text(), QStringLiteral("20,25"));
    QCOMPARE(f->Prijs[12]->text(), QStringLiteral("14,75"));
    for (int k = 1; k <= 14; ++k) {
        QCOMPARE(f->Tot[k]->isHidden(), k > 5);
    }
    QCOMPARE(QString(QLatin1Char(f.lesson().Exercise().ExpectedChar[3])), QStringLiteral(","));
}

void PresentationTest::receiptShowsQuantitiesNamesAndPaid() {
    ShownForm f = ShowForm();
    ClickThroughWindow(f.form.get(), f->Kasticket);
    ConfirmSetting(f, f->MaxArtikels, QStringLiteral("12"));
    QCOMPARE(VisibleRows(f->Prijs), Range(1, 12));
    QCOMPARE(VisibleRows(f->Aantal), Range(1, 12));
    QCOMPARE(VisibleRows(f->Artikel), Range(1, 12));
    QVERIFY(!f->Betaald->isHidden());
    QVERIFY(!f->lblBetaald->isHidden());
    QCOMPARE(f->Betaald->text(), QString::fromStdString(FormatPlain(f.lesson().Exercise().Paid)));
    QVERIFY(f.lesson().Exercise().Paid > f.lesson().Exercise().Total);

    // Paying from the wallet: nothing is paid yet.
    ClickThroughWindow(f.form.get(), f->Teruggave);
    TypeKeys(f.form.get(), QStringLiteral("12"));
    QCOMPARE(f->Teruggave->text(), QStringLiteral("12"));
    ClickThroughWindow(f.form.get(), f->Geldbeugel);
    QCOMPARE(f->Betaald->text(), QStringLiteral("0"));
    QCOMPARE(f.lesson().Exercise().Paid, Amount(0));
    QCOMPARE(f->Teruggave->text(), QString());

    // Back to classic: the paid amount disappears and is emptied.
    ClickThroughWindow(f.form.get(), f->Kasticket);
    QVERIFY(f->Betaald->isHidden());
    QVERIFY(f->lblBetaald->isHidden());
    QCOMPARE(f->Betaald->text(), QString());
    QCOMPARE(VisibleRows(f->Aantal), QList<int>());
}

QTEST_MAIN(PresentationTest)
#include "tst_presentation.moc"
