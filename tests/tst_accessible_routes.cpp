// What any screen reader or accessibility client can do to the window, through Qt's own
// accessibility interfaces in the process: Press, Toggle, SetFocus, and a text set,
// inserted or deleted. Each obeys the rules a pupil's mouse and keys obey.

#include "app/accessibility.h"
#include "support/form_fixture.h"
#include "support/input_routes.h"
#include "support/scripted_clock.h"

#include <QAccessible>
#include <QAccessibleEditableTextInterface>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

using std::chrono::milliseconds;

namespace {

QAccessibleInterface* Accessible(QObject* o) {
    return QAccessible::queryAccessibleInterface(o);
}

void Act(QWidget* w, const QString& action) {
    Accessible(w)->actionInterface()->doAction(action);
    // A push button's Press lands as an animated click, 100 ms later; CONTROLEER's after
    // the call has returned.
    QTest::qWait(150);
}

// What a hidden, disabled or covered control must not change.
struct State {
    unsigned serial;
    int points;
    int number;
    LessonPhase phase;
    bool receipt;
    bool wallet;
    QStringList fields;
    bool operator==(const State&) const = default;
};

State StateOf(const ShownForm& f) {
    const Lesson& l = f.lesson();
    return {l.ExerciseSerial(),
            l.Points(),
            l.ExerciseNumber(),
            l.Phase(),
            l.Receipt(),
            l.Settings().PayFromWallet,
            {f->MaxArtikels->text(), f->MaxGetal->text(), f->TimerMinuten->text()}};
}

} // namespace

class AccessibleRoutesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void hiddenBoxesDoNothing_data();
    void hiddenBoxesDoNothing();
    void settingsFieldsTakeTextOnlyWhereTyped_data();
    void settingsFieldsTakeTextOnlyWhereTyped();
    void theFocusStaysInReach_data();
    void theFocusStaysInReach();
    void oneMessageAtATime();
    void controlsUnderTheWalletDoNothing();
    void invisibleCharactersNeverStay_data();
    void invisibleCharactersNeverStay();
    void oddPositionsCrashNothing();
};

void AccessibleRoutesTest::initTestCase() {
    InstallAccessibility();
}

void AccessibleRoutesTest::hiddenBoxesDoNothing_data() {
    QTest::addColumn<QString>("box");
    // Both show only with the receipt; the classic mode is on screen.
    QTest::newRow("maximum 100") << "Eenvoudig";
    QTest::newRow("wallet") << "Geldbeugel";
}

void AccessibleRoutesTest::hiddenBoxesDoNothing() {
    QFETCH(QString, box);
    ShownForm f = ShowForm();
    AnswerRightAndMoveOn(f); // a point, so a new series would show
    auto* w = f.form->findChild<QCheckBox*>(box);
    QVERIFY(w && w->isHidden());
    const State before = StateOf(f);
    Act(w, QAccessibleActionInterface::toggleAction());
    QVERIFY(!w->isChecked());
    QCOMPARE(StateOf(f), before);
    QVERIFY(f->Geld->isHidden());
    QCOMPARE(f->Label6->text(), QStringLiteral("1"));
}

void AccessibleRoutesTest::settingsFieldsTakeTextOnlyWhereTyped_data() {
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::newRow("never entered") << "left"
                                   << "MaxArtikels"
                                   << "12";
    QTest::newRow("hidden with the receipt") << "receipt"
                                             << "MaxGetal"
                                             << "1";
    QTest::newRow("disabled in a timed series") << "series"
                                                << "MaxArtikels"
                                                << "12";
    QTest::newRow("minutes below zero, disabled") << "series"
                                                  << "TimerMinuten"
                                                  << "-1";
}

void AccessibleRoutesTest::settingsFieldsTakeTextOnlyWhereTyped() {
    QFETCH(QString, where);
    QFETCH(QString, field);
    QFETCH(QString, text);
    ShownForm f = ShowForm();
    if (where == QLatin1String("receipt")) {
        PressKey(f.form.get(), Qt::Key_K, Qt::AltModifier);
    } else if (where == QLatin1String("series")) {
        StartTimedSeries(f);
    }
    auto* box = f.form->findChild<EditBox*>(field);
    const QString was = box->text();
    const State before = StateOf(f);
    QAccessibleInterface* a = Accessible(box);
    a->setText(QAccessible::Value, text);
    QCOMPARE(box->text(), was);
    a->editableTextInterface()->insertText(0, text);
    QCOMPARE(box->text(), was);
    a->editableTextInterface()->deleteText(0, 1);
    QCOMPARE(box->text(), was);
    QCOMPARE(StateOf(f), before);

    // A check and the next exercise: drawn from the fields as the pupil left them.
    TypeRightSum(f);
    PressKey(f.form.get(), Qt::Key_F2);
    PressKey(f.form.get(), Qt::Key_F3);
    QCOMPARE(f.lesson().Settings().Addends.N, f->MaxArtikels->text().toInt());
    QCOMPARE(f.lesson().Settings().Addends.MaxValue, f->MaxGetal->text().toInt());
}

void AccessibleRoutesTest::theFocusStaysInReach_data() {
    QTest::addColumn<QString>("control");
    QTest::newRow("the closed information panel's OK") << "OKKnop";
    QTest::newRow("the closed wallet's OK") << "PortemonneeSluiten";
    QTest::newRow("the closed wallet's Nieuw") << "PortemonneeReset";
    QTest::newRow("a hidden sum box") << "Tot9";
}

void AccessibleRoutesTest::theFocusStaysInReach() {
    QFETCH(QString, control);
    ShownForm f = ShowForm();
    auto* w = f.form->findChild<QWidget*>(control);
    QVERIFY(w && !w->isVisible());
    Act(w, QAccessibleActionInterface::setFocusAction());
    QVERIFY(QApplication::focusWidget() == nullptr || QApplication::focusWidget()->isVisible());
    // The keys go where a pupil expects them: a digit into the sum row.
    TypeKeys(f.form.get(), QStringLiteral("5"));
    QCOMPARE(f->Tot[1]->text(), QStringLiteral("5"));
}

void AccessibleRoutesTest::oneMessageAtATime() {
    ShownForm f = ShowForm();
    TypeKeys(f.form.get(), QStringLiteral("1,,"));
    // Presses queued on the bus faster than anyone closes the message, as a screen reader
    // sends them: one message opens; the presses that come while it is open check
    // nothing, and none of the calls waits while a message is open.
    QAccessibleActionInterface* press = Accessible(f->Kontroleer)->actionInterface();
    int inCall = 0;
    bool callWaited = false;
    int opened = 0;
    int mostAtOnce = 0;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        const auto messages = f.form->findChildren<QMessageBox*>();
        int open = 0;
        for (const QMessageBox* one : messages) {
            open += one->isVisible() ? 1 : 0;
        }
        mostAtOnce = std::max(mostAtOnce, open);
        callWaited = callWaited || (open > 0 && inCall > 0);
        if (auto* modal = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            ++opened;
            modal->close();
        }
    });
    watch.start(20);
    for (int i = 0; i < 200; ++i) {
        QMetaObject::invokeMethod(
            f.form.get(),
            [&] {
                ++inCall;
                press->doAction(QAccessibleActionInterface::pressAction());
                --inCall;
            },
            Qt::QueuedConnection);
    }
    QTRY_VERIFY(opened >= 1);
    QTest::qWait(300);
    watch.stop();
    QCOMPARE(mostAtOnce, 1);
    QVERIFY(!callWaited);
    QCOMPARE(f.lesson().Phase(), LessonPhase::Answering);
}

void AccessibleRoutesTest::controlsUnderTheWalletDoNothing() {
    ShownForm f = ShowForm();
    TForm1* form = f.form.get();
    PressKey(form, Qt::Key_K, Qt::AltModifier);
    PressKey(form, Qt::Key_P, Qt::AltModifier);
    TypeRightSum(f);
    PressKey(form, Qt::Key_F2); // judged: VOLGENDE OEFENING shows
    QVERIFY(f->VolgendeOefening->isVisible());
    PressKey(form, Qt::Key_F4);
    QVERIFY(f->Portemonnee->isVisible());
    const State before = StateOf(f);
    const Amount taken = f.lesson().Assembled();

    for (QWidget* w : std::initializer_list<QWidget*>{f->Kontroleer, f->VolgendeOefening, f->Geld,
                                                      f->Wis1, f->OKKnop1}) {
        Act(w, QAccessibleActionInterface::pressAction());
    }
    QCOMPARE(StateOf(f), before);
    QCOMPARE(f.lesson().Assembled(), taken);
    // A covered sum box given the focus takes no digit: the wallet keeps the keys.
    Act(f->Tot[1], QAccessibleActionInterface::setFocusAction());
    QVERIFY(f->Portemonnee->isAncestorOf(QApplication::focusWidget()) ||
            QApplication::focusWidget() == f->Portemonnee);
    const QString units = f->Tot[1]->text();
    TypeKeys(form, QStringLiteral("7"));
    QCOMPARE(f->Tot[1]->text(), units);
    QVERIFY(f->Portemonnee->isVisible());
}

void AccessibleRoutesTest::invisibleCharactersNeverStay_data() {
    QTest::addColumn<QString>("field"); // Tot1 or Teruggave
    QTest::addColumn<QString>("route");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stays");
    const QString zeroWidth = QString(QChar(0x200B));
    const QString rightToLeft = QString(QChar(0x200F));
    QTest::newRow("zero-width space after the units, screen reader")
        << "Tot1"
        << "insert" << QStringLiteral("5") + zeroWidth << "5";
    QTest::newRow("direction mark, input method")
        << "Tot1"
        << "input method" << rightToLeft << ""; // it took the selected "0"
    QTest::newRow("in the change, screen reader")
        << "Teruggave"
        << "insert" << QStringLiteral("1") + zeroWidth + QStringLiteral("5") << "15";
    QTest::newRow("in the change, input method")
        << "Teruggave"
        << "input method" << rightToLeft + QStringLiteral("7") << "7";
}

void AccessibleRoutesTest::invisibleCharactersNeverStay() {
    QFETCH(QString, field);
    QFETCH(QString, route);
    QFETCH(QString, text);
    QFETCH(QString, stays);
    ShownForm f = ShowForm();
    if (field == QLatin1String("Teruggave")) {
        PressKey(f.form.get(), Qt::Key_K, Qt::AltModifier);
        ClickThroughWindow(f.form.get(), f->Teruggave);
    }
    auto* box = f.form->findChild<EditBox*>(field);
    QCOMPARE(QApplication::focusWidget(), box);
    if (route == QLatin1String("insert")) {
        Accessible(box)->editableTextInterface()->replaceText(0, int(box->text().size()), text);
    } else {
        CommitThroughInputMethod(text);
    }
    QCOMPARE(box->text(), stays);
    for (QChar c : f->Tot[1]->text() + f->Tot[2]->text() + f->Teruggave->text()) {
        QVERIFY(c.category() != QChar::Other_Format);
    }
}

void AccessibleRoutesTest::oddPositionsCrashNothing() {
    // Offsets before the start and past the end, reversed ranges, texts no pupil types:
    // the fields stay as their rules leave them, and nothing crashes.
    ShownForm f = ShowForm();
    PressKey(f.form.get(), Qt::Key_K, Qt::AltModifier);
    PressKey(f.form.get(), Qt::Key_A, Qt::AltModifier);
    for (EditBox* box : {f->Tot[1], f->Teruggave, f->MaxArtikels}) {
        QAccessibleEditableTextInterface* edit = Accessible(box)->editableTextInterface();
        edit->insertText(-5, QStringLiteral("9"));
        edit->insertText(1000, QStringLiteral("\u00e9\u200b9"));
        edit->deleteText(-3, 99);
        edit->deleteText(5, 2);
        edit->replaceText(2, -7, QString(300, QLatin1Char('8')));
    }
    for (int n = 2; n <= 14; ++n) {
        QVERIFY(f->Tot[n]->text().size() <= 1);
    }
    QVERIFY(f->Tot[1]->isVisible());
    // A check of whatever the row holds: judged, or told in a message, closed here.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (auto* message = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            message->close();
        }
    });
    closer.start(20);
    PressKey(f.form.get(), Qt::Key_F2);
    QVERIFY(f->Kontroleer->isVisible());
}

QTEST_MAIN(AccessibleRoutesTest)
#include "tst_accessible_routes.moc"
