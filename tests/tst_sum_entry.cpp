// Typing the sum into the boxes of the real window: what each box accepts, where the
// focus goes, the colour of wrong characters and the carry label.
//
// The helps, decimal and maximum settings are made on the settings bar, as a pupil makes
// them, before the wanted exercise is drawn (support/answer_setup.h).

#include "app/panels/exercise_panel.h"
#include "support/answer_setup.h"

class SumEntryTest : public QObject {
    Q_OBJECT
private slots:
    void carryLabelLeft_data();
    void carryLabelLeft();
    void newExerciseLeavesTheFocusInTheUnitsBox();
    void typing_data();
    void typing();
    void arrowsAndBackspaceOnEmptyBoxes_data();
    void arrowsAndBackspaceOnEmptyBoxes();
    void backspaceClearsAFilledBoxAndStaysThere();
    void helpsColourWrongCharactersAndShowTheCarry();
    void carryLabel_data();
    void carryLabel();
    void carryLabelUntouchedWithoutHelps();
    void clearButtonStartsAfresh();
};

void SumEntryTest::newExerciseLeavesTheFocusInTheUnitsBox() {
    // 57 + 68 = 125: three boxes.
    ShownForm f = ShowForm({56, 67, 0});
    QCOMPARE(FocusedBox(f), 1);
    QCOMPARE(SumRow(f), QStringLiteral("||0"));
    QCOMPARE(f->Tot[1]->selectedText(), QStringLiteral("0"));
    QVERIFY(f->Tot[4]->isHidden());
    for (int n = 4; n <= 14; ++n) {
        QCOMPARE(f->Tot[n]->text(), QString());
    }
    QCOMPARE(f->Label6->text(), QStringLiteral("0"));
    QCOMPARE(f->Label8->text(), QStringLiteral("1"));
    QCOMPARE(f->Reeksteller->text(), QStringLiteral("1"));

    // A one-box sum: the next exercise's "0" is selected although the focus never left
    // the box, so the first digit replaces it.
    AnswerSetup s = SetupFor(Sum5);
    Redraw(f, s);
    TypeKeys(f.form.get(), QStringLiteral("7"));
    s.draws = {1, 2, 0};
    Redraw(f, s);
    QCOMPARE(FocusedBox(f), 1);
    TypeKeys(f.form.get(), QStringLiteral("5"));
    QCOMPARE(SumRow(f), QStringLiteral("5"));
}

void SumEntryTest::typing_data() {
    QTest::addColumn<int>("sum");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("row"); // visible boxes, left to right
    QTest::addColumn<int>("focus");

    QTest::newRow("1234, a fifth digit refused")
        << int(Sum1234) << QStringLiteral("43215") << QStringLiteral("|2|3|4") << 4;
    QTest::newRow("12,50 with a point for the comma")
        << int(Sum12_50) << QStringLiteral("05.21") << QStringLiteral("1|2|,|5|0") << 5;
    QTest::newRow("letter in Tot1 stays")
        << int(Sum125) << QStringLiteral("a") << QStringLiteral("||a") << 1;
    QTest::newRow("a digit after a letter in Tot1 joins it")
        << int(Sum125) << QStringLiteral("x5") << QStringLiteral("||x5") << 1;
    QTest::newRow("letter in Tot2 removed")
        << int(Sum125) << QStringLiteral("5x") << QStringLiteral("||5") << 2;
    QTest::newRow("sign in Tot3 removed")
        << int(Sum125) << QStringLiteral("52-") << QStringLiteral("|2|5") << 3;
    QTest::newRow("wrong digits move on as well")
        << int(Sum125) << QStringLiteral("99") << QStringLiteral("|9|9") << 3;
    QTest::newRow("point in Tot9") << int(SumWidest) << QStringLiteral("11111111.")
                                   << QStringLiteral("||,|1|1|1|1|1|1|1|1") << 10;
    QTest::newRow("the leftmost box keeps the focus")
        << int(SumWidest) << QStringLiteral("88,99999911")
        << QStringLiteral("1|1|9|9|9|9|9|9|,|8|8") << 11;
}

void SumEntryTest::typing() {
    QFETCH(int, sum);
    QFETCH(QString, keys);
    QFETCH(QString, row);
    QFETCH(int, focus);
    ShownForm f = FormWithSum(sum);
    TypeKeys(f.form.get(), keys);
    QCOMPARE(SumRow(f), row);
    QCOMPARE(FocusedBox(f), focus);
    for (int n = 1; n <= 14; ++n) {
        QCOMPARE(f->Tot[n]->palette().color(QPalette::Text), look::Black);
    }
}

void SumEntryTest::arrowsAndBackspaceOnEmptyBoxes_data() {
    QTest::addColumn<int>("sum");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("to");

    QTest::newRow("Left walks left") << int(Sum125) << 1 << int(Qt::Key_Left) << 2;
    QTest::newRow("Left wraps to Tot1") << int(Sum125) << 3 << int(Qt::Key_Left) << 1;
    QTest::newRow("Right walks right") << int(Sum125) << 2 << int(Qt::Key_Right) << 1;
    QTest::newRow("Right wraps to the leftmost") << int(Sum125) << 1 << int(Qt::Key_Right) << 3;
    QTest::newRow("Right in a lone Tot1") << int(Sum5) << 1 << int(Qt::Key_Right) << 1;
    QTest::newRow("Left in a lone Tot1") << int(Sum5) << 1 << int(Qt::Key_Left) << 1;
    QTest::newRow("Tot11 Left wraps") << int(SumWidest) << 11 << int(Qt::Key_Left) << 1;
    QTest::newRow("Tot11 Right") << int(SumWidest) << 11 << int(Qt::Key_Right) << 10;
    QTest::newRow("Tot1 Right to Tot11") << int(SumWidest) << 1 << int(Qt::Key_Right) << 11;
    QTest::newRow("Backspace on empty Tot2") << int(Sum125) << 2 << int(Qt::Key_Backspace) << 3;
    QTest::newRow("Backspace on empty leftmost") << int(Sum125) << 3 << int(Qt::Key_Backspace) << 1;
    QTest::newRow("Delete has no rule") << int(Sum125) << 2 << int(Qt::Key_Delete) << 2;
}

void SumEntryTest::arrowsAndBackspaceOnEmptyBoxes() {
    QFETCH(int, sum);
    QFETCH(int, from);
    QFETCH(int, key);
    QFETCH(int, to);
    ShownForm f = FormWithSum(sum);
    // From the units box, where a new exercise leaves the focus, walk there with Left.
    for (int n = 1; n < from; ++n) {
        PressKey(f.form.get(), Qt::Key_Left);
    }
    const QString before = SumRow(f);
    PressKey(f.form.get(), Qt::Key(key));
    QCOMPARE(FocusedBox(f), to);
    QCOMPARE(SumRow(f), before);
}

void SumEntryTest::backspaceClearsAFilledBoxAndStaysThere() {
    ShownForm f = FormWithSum(Sum125);
    TypeKeys(f.form.get(), QStringLiteral("52"));
    QCOMPARE(FocusedBox(f), 3);

    // Reached by the keyboard: the digit is selected.
    PressKey(f.form.get(), Qt::Key_Right);
    QCOMPARE(FocusedBox(f), 2);
    PressKey(f.form.get(), Qt::Key_Backspace);
    QCOMPARE(SumRow(f), QStringLiteral("||5"));
    QCOMPARE(FocusedBox(f), 2);
    // Now empty: Backspace moves on to the left.
    PressKey(f.form.get(), Qt::Key_Backspace);
    QCOMPARE(FocusedBox(f), 3);

    // The caret before the digit, where a mouse click can leave it: still cleared.
    ClickThroughWindow(f.form.get(), f->Tot[1]);
    PressKey(f.form.get(), Qt::Key_Home);
    QCOMPARE(f->Tot[1]->cursorPosition(), 0);
    QVERIFY(!f->Tot[1]->hasSelectedText());
    PressKey(f.form.get(), Qt::Key_Backspace);
    QCOMPARE(SumRow(f), QStringLiteral("||"));
    QCOMPARE(FocusedBox(f), 1);
}

void SumEntryTest::helpsColourWrongCharactersAndShowTheCarry() {
    ShownForm f = FormWithSum(Sum125, true);
    auto colour = [&](int n) {
        return f->Tot[n]->palette().color(QPalette::Text);
    };
    QCOMPARE(f->Hulpje->text(), QString());
    TypeKeys(f.form.get(), QStringLiteral("8"));
    QCOMPARE(colour(1), look::Red);
    QCOMPARE(FocusedBox(f), 2);
    QCOMPARE(f->Hulpje->x(), 549);
    QCOMPARE(f->Hulpje->text(), QStringLiteral("1"));

    TypeKeys(f.form.get(), QStringLiteral(".")); // a comma in a digit column
    QCOMPARE(f->Tot[2]->text(), QStringLiteral(","));
    QCOMPARE(colour(2), look::Red);
    QCOMPARE(f->Hulpje->x(), 535);

    TypeKeys(f.form.get(), QStringLiteral("1"));
    QCOMPARE(colour(3), look::Black);

    // Corrected, the colour follows the new text; a rejected text in Tot1 stays, red.
    // Right walks back to the units box, which selects its text.
    PressKey(f.form.get(), Qt::Key_Right);
    PressKey(f.form.get(), Qt::Key_Right);
    TypeKeys(f.form.get(), QStringLiteral("5"));
    QCOMPARE(colour(1), look::Black);
    PressKey(f.form.get(), Qt::Key_Right);
    TypeKeys(f.form.get(), QStringLiteral("x"));
    QCOMPARE(f->Tot[1]->text(), QStringLiteral("x"));
    QCOMPARE(colour(1), look::Red);
    QCOMPARE(f->Hulpje->text(), QString());

    // The leftmost box wraps to Tot1 and empties the label.
    PressKey(f.form.get(), Qt::Key_Left);
    QCOMPARE(f->Hulpje->text(), QStringLiteral("1"));
    PressKey(f.form.get(), Qt::Key_Left);
    PressKey(f.form.get(), Qt::Key_Left);
    QCOMPARE(FocusedBox(f), 1);
    QCOMPARE(f->Hulpje->text(), QString());
}

void SumEntryTest::carryLabel_data() {
    QTest::addColumn<int>("sum");
    QTest::addColumn<int>("box");
    QTest::addColumn<int>("left");
    QTest::addColumn<QString>("text");

    QTest::newRow("Tot1 never has a carry") << int(Sum125) << 1 << 563 << QString();
    QTest::newRow("Tot2") << int(Sum125) << 2 << 549 << QStringLiteral("1");
    QTest::newRow("Tot3 carry 0 is empty") << int(Sum1234) << 3 << 535 << QString();
    QTest::newRow("Tot4") << int(Sum1234) << 4 << 522 << QStringLiteral("1");
    QTest::newRow("decimal: none over the comma") << int(Sum12_50) << 3 << 535 << QString();
    QTest::newRow("decimal: the tenths' carry over the units")
        << int(Sum12_50) << 4 << 522 << QStringLiteral("1");
    QTest::newRow("decimal: Tot5") << int(Sum12_50) << 5 << 508 << QStringLiteral("1");
    QTest::newRow("Tot10, two digits") << int(SumWidest) << 10 << 440 << QStringLiteral("11");
    QTest::newRow("Tot11, the leftmost") << int(SumWidest) << 11 << 426 << QStringLiteral("1");
}

void SumEntryTest::carryLabel() {
    QFETCH(int, sum);
    QFETCH(int, box);
    QFETCH(int, left);
    QFETCH(QString, text);
    ShownForm f = FormWithSum(sum, true);
    const int top = f->Hulpje->y();
    // Walk there with the Left arrow, as a pupil would.
    for (int n = 1; n < box; ++n) {
        PressKey(f.form.get(), Qt::Key_Left);
    }
    QCOMPARE(FocusedBox(f), box);
    QCOMPARE(f->Hulpje->pos(), QPoint(left, top));
    QCOMPARE(f->Hulpje->text(), text);
}

void SumEntryTest::carryLabelUntouchedWithoutHelps() {
    // 57 + 68: the tens' box receives a carry of 1, which the label would hold if anything
    // wrote it while the helps are off.
    ShownForm f = FormWithSum(Sum125);
    const QPoint place = f->Hulpje->pos();
    PressKey(f.form.get(), Qt::Key_Left);
    QCOMPARE(FocusedBox(f), 2);
    QCOMPARE(f->Hulpje->pos(), place);
    QCOMPARE(f->Hulpje->text(), QString());
    QVERIFY(f->Hulpje->isHidden());
    // Back in the units box through the wrap: the text is emptied all the same.
    PressKey(f.form.get(), Qt::Key_Left);
    PressKey(f.form.get(), Qt::Key_Left);
    QCOMPARE(FocusedBox(f), 1);
    QCOMPARE(f->Hulpje->text(), QString());
}

void SumEntryTest::clearButtonStartsAfresh() {
    ShownForm f = FormWithSum(Sum125);
    TypeKeys(f.form.get(), QStringLiteral("521"));
    // CONTROLEER held down by its key colours the row; the mouse clears it meanwhile.
    QTest::keyPress(f.form->windowHandle(), Qt::Key_F2);
    ClickThroughWindow(f.form.get(), f->Wis1);
    QCOMPARE(SumRow(f), QStringLiteral("||0"));
    QCOMPARE(FocusedBox(f), 1);
    QCOMPARE(f->Tot[1]->selectedText(), QStringLiteral("0"));
    QCOMPARE(f->Tot[2]->palette().color(QPalette::Base), look::White);
    TypeKeys(f.form.get(), QStringLiteral("5"));
    QCOMPARE(SumRow(f), QStringLiteral("||5"));
    QTest::keyRelease(f.form->windowHandle(), Qt::Key_F2);

    // Only the "0" is replaced: a refused letter stays, and the digit after it joins it.
    ClickThroughWindow(f.form.get(), f->Wis1);
    TypeKeys(f.form.get(), QStringLiteral("x5"));
    QCOMPARE(SumRow(f), QStringLiteral("||x5"));
    QCOMPARE(FocusedBox(f), 1);
}

void SumEntryTest::carryLabelLeft_data() {
    // The window's geometry: the bottom price label at 410, columns of 13.6667 pixels.
    QTest::addColumn<int>("box");
    QTest::addColumn<int>("left");
    const int lefts[] = {563, 549, 535, 522, 508, 494, 481, 467, 453, 440, 426, 412, 407};
    for (int box = 1; box <= 13; ++box) {
        QTest::addRow("Tot%d", box) << box << lefts[box - 1];
    }
}

void SumEntryTest::carryLabelLeft() {
    QFETCH(int, box);
    QFETCH(int, left);
    QCOMPARE(ExercisePanel::CarryLabelLeft(410, 136667, box), left);
}

QTEST_MAIN(SumEntryTest)
#include "tst_sum_entry.moc"
