// Typing the sum into the boxes of the real window: what each box accepts, where the
// focus goes, the colour of wrong digits and the carry label.

#include "support/form_fixture.h"

class SumEntryTest : public QObject {
    Q_OBJECT
private slots:
    void newExerciseLeavesTheFocusInTheUnitsBox();
};

void SumEntryTest::newExerciseLeavesTheFocusInTheUnitsBox() {
    // 57 + 68 = 125: three boxes.
    ShownForm f = ShowForm({56, 67, 0});
    QCOMPARE(QApplication::focusWidget(), f->Tot[1]);
    QCOMPARE(f->Tot[1]->text(), QStringLiteral("0"));
    QCOMPARE(f->Tot[1]->selectedText(), QStringLiteral("0"));
    for (int n = 2; n <= 14; ++n) {
        QCOMPARE(f->Tot[n]->text(), QString());
    }
    QCOMPARE(f->Label6->text(), QStringLiteral("0"));
    QCOMPARE(f->Label8->text(), QStringLiteral("1"));
    QCOMPARE(f->Reeksteller->text(), QStringLiteral("1"));
}

QTEST_MAIN(SumEntryTest)
#include "tst_sum_entry.moc"
