// Checking the typed sum and change with CONTROLEER, and the series counters moved by
// VOLGENDE OEFENING, on the real window.
//
// The decimal and receipt settings are made on the settings bar (support/answer_setup.h).

#include "support/answer_setup.h"

#include <QMessageBox>
#include <QTimer>

namespace {

void PressCheck(ShownForm& f, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mousePress(f.form->windowHandle(), button, {},
                      CentreInWindow(f.form.get(), f->Kontroleer));
}

void ReleaseCheck(ShownForm& f, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseRelease(f.form->windowHandle(), button, {},
                        CentreInWindow(f.form.get(), f->Kontroleer));
}

// The one background all fourteen boxes share, or an invalid colour when they differ.
QColor RowColour(const ShownForm& f) {
    const QColor first = f->Tot[1]->palette().color(QPalette::Base);
    for (int n = 2; n <= 14; ++n) {
        if (f->Tot[n]->palette().color(QPalette::Base) != first) {
            return {};
        }
    }
    return first;
}

QColor ChangeColour(const ShownForm& f) {
    return f->Teruggave->palette().color(QPalette::Base);
}

ShownForm ReceiptForm() {
    ShownForm f = ShowForm();
    AnswerSetup s;
    s.receipt = true;
    Redraw(f, s); // the receipt comes from unscripted draws; the test reads what to type
    return f;
}

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

class CheckTest : public QObject {
    Q_OBJECT
private slots:
    void check_data();
    void check();
    void unreadableSumShowsTheMessageAndChangesNothing_data();
    void unreadableSumShowsTheMessageAndChangesNothing();
    void seriesCounters();
    void change_data();
    void change();
    void changeFieldKeys();
    void unitsBoxShowingOneOfMoreIsWrong();
    void payingAfterTheCheckWithdrawsIt();
};

void CheckTest::check_data() {
    QTest::addColumn<int>("sum");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("right");

    QTest::newRow("right") << int(Sum125) << QStringLiteral("521") << int(Qt::LeftButton) << true;
    QTest::newRow("right, right button")
        << int(Sum125) << QStringLiteral("521") << int(Qt::RightButton) << true;
    QTest::newRow("wrong") << int(Sum125) << QStringLiteral("531") << int(Qt::LeftButton) << false;
    QTest::newRow("nothing typed") << int(Sum125) << QString() << int(Qt::MiddleButton) << false;
    QTest::newRow("decimal, point typed")
        << int(Sum12_50) << QStringLiteral("05.21") << int(Qt::LeftButton) << true;
    QTest::newRow("decimal, same value in other boxes")
        << int(Sum12_50) << QStringLiteral("5,210") << int(Qt::LeftButton) << true;
    QTest::newRow("decimal, comma forgotten")
        << int(Sum12_50) << QStringLiteral("0521") << int(Qt::LeftButton) << false;
}

void CheckTest::check() {
    QFETCH(int, sum);
    QFETCH(QString, keys);
    QFETCH(int, button);
    QFETCH(bool, right);
    ShownForm f = FormWithSum(sum);
    TypeKeys(f.form.get(), keys);
    const auto b = Qt::MouseButton(button);
    QVERIFY(f->VolgendeOefening->isHidden());

    PressCheck(f, b);
    QCOMPARE(RowColour(f), right ? look::Green : look::Red);
    QCOMPARE(f.lesson().SumRight(), right);
    QCOMPARE(ChangeColour(f), look::White); // not in receipt mode
    QVERIFY(!f->VolgendeOefening->isHidden());

    ReleaseCheck(f, b);
    QCOMPARE(RowColour(f), look::White);
    QCOMPARE(FocusedBox(f), 1);
    QVERIFY(!f->VolgendeOefening->isHidden());
}

void CheckTest::unreadableSumShowsTheMessageAndChangesNothing_data() {
    QTest::addColumn<int>("sum");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("typed");

    QTest::newRow("two commas") << int(Sum12_50) << QStringLiteral("0,,21")
                                << QStringLiteral("00000000012,,0");
    QTest::newRow("letter left in Tot1")
        << int(Sum125) << QStringLiteral("x") << QStringLiteral("0000000000000x");
}

void CheckTest::unreadableSumShowsTheMessageAndChangesNothing() {
    QFETCH(int, sum);
    QFETCH(QString, keys);
    QFETCH(QString, typed);
    ShownForm f = FormWithSum(sum);
    // A right check of an earlier exercise leaves its outcome behind; the same sum is
    // drawn again for this one.
    TypeRightSum(f);
    ClickThroughWindow(f.form.get(), f->Kontroleer);
    for (int d : SetupFor(sum).draws) {
        f.random->Push(d);
    }
    ClickThroughWindow(f.form.get(), f->VolgendeOefening);
    QVERIFY(f.lesson().SumRight());
    QVERIFY(f->VolgendeOefening->isHidden());
    TypeKeys(f.form.get(), keys);

    QString shown;
    bool rowColourWhileShown = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box) {
            shown = box->text();
            rowColourWhileShown = RowColour(f) == look::White;
            box->close();
        }
    });
    PressCheck(f);
    QCOMPARE(shown, QStringLiteral("'%1' is not a valid floating point value").arg(typed));
    QVERIFY(rowColourWhileShown);
    ReleaseCheck(f);

    QCOMPARE(RowColour(f), look::White);
    QVERIFY(f.lesson().SumRight());
    QVERIFY(f->VolgendeOefening->isHidden());
}

void CheckTest::seriesCounters() {
    ShownForm f = FormWithSum(Sum125);
    auto counters = [&] {
        return QStringList{f->Reeksteller->text(), f->Label6->text(), f->Label8->text()};
    };
    QCOMPARE(counters(), (QStringList{"1", "0", "1"}));

    // Right, then a digit changed without a new check: the last check decides.
    TypeKeys(f.form.get(), QStringLiteral("521"));
    ClickThroughWindow(f.form.get(), f->Kontroleer);
    TypeKeys(f.form.get(), QStringLiteral("9"));
    QCOMPARE(SumRow(f), QStringLiteral("1|2|9"));
    f.random->Push({56, 67, 0});
    ClickThroughWindow(f.form.get(), f->VolgendeOefening);
    QCOMPARE(counters(), (QStringList{"2", "1", "2"}));
    QVERIFY(f->VolgendeOefening->isHidden());
    QCOMPARE(SumRow(f), QStringLiteral("||0"));

    // Wrong: no point, the series moves on.
    TypeKeys(f.form.get(), QStringLiteral("52"));
    ClickThroughWindow(f.form.get(), f->Kontroleer);
    f.random->Push({56, 67, 0});
    ClickThroughWindow(f.form.get(), f->VolgendeOefening);
    QCOMPARE(counters(), (QStringList{"3", "1", "3"}));

    // Wrong, corrected and checked again: green while held; moving on gives the point.
    ClickThroughWindow(f.form.get(), f->Kontroleer);
    TypeKeys(f.form.get(), QStringLiteral("521"));
    PressCheck(f);
    QCOMPARE(RowColour(f), look::Green);
    ReleaseCheck(f);
    f.random->Push({56, 67, 0});
    ClickThroughWindow(f.form.get(), f->VolgendeOefening);
    QCOMPARE(RowColour(f), look::White);
    QCOMPARE(counters(), (QStringList{"4", "2", "4"}));

    // The number of addends confirmed anew starts a new series.
    DrawAnew(f);
    QCOMPARE(counters(), (QStringList{"1", "0", "1"}));
}

void CheckTest::change_data() {
    // %c stands for the right change with its decimal comma, %p for it with a point.
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("shown");

    QTest::newRow("right") << QStringLiteral("%c") << true << QStringLiteral("%c");
    QTest::newRow("full stop") << QStringLiteral("%p") << true << QStringLiteral("%c");
    QTest::newRow("wrong") << QStringLiteral("1%c") << false << QStringLiteral("1%c");
    QTest::newRow("empty") << QString() << false << QString();
    QTest::newRow("not a number") << QStringLiteral("tien") << false << QStringLiteral("tien");
    QTest::newRow("too large for an amount")
        << QStringLiteral("1e30") << false << QStringLiteral("1e30");
    QTest::newRow("largest exponent") << QStringLiteral("9e99999999999999999999") << false
                                      << QStringLiteral("9e99999999999999999999");
}

void CheckTest::change() {
    QFETCH(QString, typed);
    QFETCH(bool, right);
    QFETCH(QString, shown);
    ShownForm f = ReceiptForm();
    const QString comma = Text(FormatTwoDecimals(f.lesson().Exercise().Change));
    QString point = comma;
    point.replace(QLatin1Char(','), QLatin1Char('.'));
    typed.replace(QStringLiteral("%c"), comma).replace(QStringLiteral("%p"), point);
    shown.replace(QStringLiteral("%c"), comma);

    TypeRightSum(f);
    PressKey(f.form.get(), Qt::Key_Return);
    QVERIFY(f->Teruggave->hasFocus());
    TypeKeys(f.form.get(), typed);

    PressCheck(f);
    QCOMPARE(RowColour(f), look::Green);
    QCOMPARE(ChangeColour(f), right ? look::Green : look::Red);
    QCOMPARE(f.lesson().ChangeRight(), right);
    QCOMPARE(f->Teruggave->text(), shown);
    ReleaseCheck(f);
    QCOMPARE(ChangeColour(f), look::White);

    // A right sum earns the point only with a right change.
    ClickThroughWindow(f.form.get(), f->VolgendeOefening);
    QCOMPARE(f->Label6->text(), right ? QStringLiteral("1") : QStringLiteral("0"));
    QCOMPARE(f->Teruggave->text(), QString());
}

void CheckTest::changeFieldKeys() {
    // Outside the receipt mode Enter in a sum box does nothing.
    ShownForm c = FormWithSum(Sum125);
    PressKey(c.form.get(), Qt::Key_Return);
    QCOMPARE(FocusedBox(c), 1);

    ShownForm f = ReceiptForm();
    PressKey(f.form.get(), Qt::Key_Left);
    PressKey(f.form.get(), Qt::Key_Enter);
    QVERIFY(f->Teruggave->hasFocus());
    TypeKeys(f.form.get(), QStringLiteral("12.5.0"));
    // Enter goes back to the units box; leaving the field mends the first point only.
    PressKey(f.form.get(), Qt::Key_Return);
    QCOMPARE(FocusedBox(f), 1);
    QCOMPARE(f->Tot[1]->selectedText(), f->Tot[1]->text());
    QCOMPARE(f->Teruggave->text(), QStringLiteral("12,5.0"));

    ClickThroughWindow(f.form.get(), f->Wis2);
    QCOMPARE(f->Teruggave->text(), QString());
    QVERIFY(f->Teruggave->hasFocus());
}

void CheckTest::unitsBoxShowingOneOfMoreIsWrong() {
    // 125, typed hundreds first into the units box, which keeps every refused character
    // and shows only the last: "_ _ 5" on screen. That row is wrong, whatever it holds.
    ShownForm f = FormWithSum(Sum125);
    TForm1* form = f.form.get();
    TypeKeys(form, QStringLiteral("1"));
    PressKey(form, Qt::Key_Right);
    PressKey(form, Qt::Key_End);
    TypeKeys(form, QStringLiteral("2"));
    PressKey(form, Qt::Key_End);
    TypeKeys(form, QStringLiteral("5"));
    QCOMPARE(f->Tot[1]->text(), QStringLiteral("125"));
    QVERIFY(f->Tot[2]->text().isEmpty());
    QTest::keyPress(form->windowHandle(), Qt::Key_F2);
    QCOMPARE(RowColour(f), look::Red);
    QTest::keyRelease(form->windowHandle(), Qt::Key_F2);
    QVERIFY(!f.lesson().SumRight());
}

void CheckTest::payingAfterTheCheckWithdrawsIt() {
    // Checked right with nothing paid yet, then paid from the wallet: the change that was
    // judged is no longer the one due, so VOLGENDE OEFENING goes and scores nothing.
    ShownForm f = ShowForm();
    TForm1* form = f.form.get();
    PressKey(form, Qt::Key_K, Qt::AltModifier);
    PressKey(form, Qt::Key_P, Qt::AltModifier);
    TypeRightSum(f);
    ClickThroughWindow(form, f->Teruggave);
    TypeKeys(form, Text(FormatPlain(f.lesson().Exercise().Change)));
    QTest::keyPress(form->windowHandle(), Qt::Key_F2);
    QTest::keyRelease(form->windowHandle(), Qt::Key_F2);
    QVERIFY(f.lesson().SumRight() && f.lesson().ChangeRight());
    QVERIFY(f->VolgendeOefening->isVisible());

    PressKey(form, Qt::Key_F4);
    PressKey(form, Qt::Key_Right);
    PressKey(form, Qt::Key_Space);
    PressKey(form, Qt::Key_F11);
    QVERIFY(f.lesson().Exercise().Paid > 0);
    QVERIFY(!f->VolgendeOefening->isVisible());
    PressKey(form, Qt::Key_F3);
    QCOMPARE(f->Label6->text(), QStringLiteral("0"));
    QCOMPARE(f->Reeksteller->text(), QStringLiteral("1"));
}

QTEST_MAIN(CheckTest)
#include "tst_check.moc"
