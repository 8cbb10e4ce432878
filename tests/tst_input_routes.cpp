// What the pupil sees is what is judged, whatever the route of the input: drops and the
// edit menu on the settings fields and the sum row, buttons hidden under the pupil's
// hands when a timed series ends, and a refused text left in the units box.

#include "support/answer_setup.h"
#include "support/input_routes.h"
#include "support/scripted_clock.h"

#include <QClipboard>

using std::chrono::milliseconds;

namespace {

// The addends on screen, added up as they read.
Amount ShownAddends(const ShownForm& f) {
    Amount sum = 0;
    for (int r = f.lesson().FirstLineInUse(); r <= 12; ++r) {
        sum += ReadNumber(f->Prijs[r]->text().toStdString()).value_or(-1);
    }
    return sum;
}

// The focus is on a control the pupil can see and use, or on none.
bool FocusUsable() {
    const QWidget* focus = QApplication::focusWidget();
    return focus == nullptr || (focus->isVisible() && focus->isEnabled());
}

struct SeriesForm {
    ShownForm f;
    ScriptedClock* clock = nullptr; // owned by the form
};

SeriesForm ShowWithClock(std::initializer_list<int> draws = {}) {
    SeriesForm s{ShowForm(draws), nullptr};
    auto clock = std::make_unique<ScriptedClock>();
    s.clock = clock.get();
    s.f.form->SetSeriesClock(std::move(clock));
    return s;
}

void StartSeries(const ShownForm& f, const QString& minutes) {
    ConfirmSetting(f, f->TimerMinuten, minutes);
    ClickThroughWindow(f.form.get(), f->Startknop);
}

void TimeRunsOut(SeriesForm& s) {
    s.clock->Now += milliseconds(61000);
    TickTimer(s.f);
}

} // namespace

class InputRoutesTest : public QObject {
    Q_OBJECT
private slots:
    void dropIsRefused_data();
    void dropIsRefused();
    void menuPasteIntoAFieldLeftBehindIsUndone();
    void menuPasteIntoTheFieldInUseIsJudgedOnLeaving();
    void enterClosingTheInformationJudgesTheFieldTypedIn();
    void theInformationPanelLeavesTheSumBoxAsItWas();
    void hiddenNextButtonNeverScores();
    void closingTheWalletAfterTheEndLeavesNoFocusOnIt();
    void sumRowIsJudgedAsShown_data();
    void sumRowIsJudgedAsShown();
};

void InputRoutesTest::dropIsRefused_data() {
    QTest::addColumn<QString>("field");
    for (const char* name : {"MaxArtikels", "MaxGetal", "TimerMinuten", "Tot1", "Tot2"}) {
        QTest::newRow(name) << QString::fromLatin1(name);
    }
}

void InputRoutesTest::dropIsRefused() {
    QFETCH(QString, field);
    ShownForm f = ShowForm({56, 67, 0}); // 57 + 68: Tot1 to Tot3 shown
    const auto* target = f.form->findChild<EditBox*>(field);
    QVERIFY(target && target->isVisible());
    const QString before = target->text();

    QVERIFY(!DropText(f.form.get(), CentreInWindow(f.form.get(), target), QStringLiteral("5")));
    QCOMPARE(target->text(), before);

    // The next exercise is drawn from the settings the window shows.
    ClickThroughWindow(f.form.get(), f->Komma);
    QCOMPARE(f->MaxArtikels->text(), QStringLiteral("2"));
    QCOMPARE(f.lesson().FirstLineInUse(), 11);
    QCOMPARE(ShownAddends(f), f.lesson().Exercise().Total);
}

void InputRoutesTest::menuPasteIntoAFieldLeftBehindIsUndone() {
    ShownForm f = ShowForm();
    // A new maximum waits in MaxGetal. The right button on MaxArtikels takes the focus
    // there, which judges MaxGetal and draws an exercise that puts the focus in Tot1,
    // and then opens MaxArtikels' menu: the paste lands in a field nobody is in.
    ClickThroughWindow(f.form.get(), f->MaxGetal);
    TypeKeys(f.form.get(), QStringLiteral("50"));
    QGuiApplication::clipboard()->setText(QStringLiteral("7"));
    PickFromContextMenu(f.form.get(), CentreInWindow(f.form.get(), f->MaxArtikels),
                        QStringLiteral("Paste"));
    QCOMPARE(QApplication::focusWidget(), f->Tot[1]);
    QCOMPARE(f->MaxArtikels->text(), QStringLiteral("2"));

    ClickThroughWindow(f.form.get(), f->Komma);
    QCOMPARE(f.lesson().FirstLineInUse(), 11);
    QCOMPARE(ShownAddends(f), f.lesson().Exercise().Total);
}

void InputRoutesTest::menuPasteIntoTheFieldInUseIsJudgedOnLeaving() {
    ShownForm f = ShowForm();
    const QPoint field = CentreInWindow(f.form.get(), f->MaxArtikels);
    QVERIFY(PickFromContextMenu(f.form.get(), field, QStringLiteral("Select All")));
    QCOMPARE(QApplication::focusWidget(), f->MaxArtikels);
    QGuiApplication::clipboard()->setText(QStringLiteral("5"));
    QVERIFY(PickFromContextMenu(f.form.get(), field, QStringLiteral("Paste")));
    QCOMPARE(f->MaxArtikels->text(), QStringLiteral("5"));

    ClickThroughWindow(f.form.get(), f->Tot[1]); // leaving the field judges it
    QCOMPARE(f.lesson().FirstLineInUse(), 8);
    QCOMPARE(ShownAddends(f), f.lesson().Exercise().Total);
}

void InputRoutesTest::enterClosingTheInformationJudgesTheFieldTypedIn() {
    ShownForm f = ShowForm();
    ClickThroughWindow(f.form.get(), f->Image1);
    QVERIFY(f->Info->isVisible());
    // The field lies beside the panel; Enter typed there closes the panel.
    ConfirmSetting(f, f->MaxArtikels, QStringLiteral("56"));
    QVERIFY(f->Info->isHidden());
    QCOMPARE(f->MaxArtikels->text(), QStringLiteral("2"));
    QVERIFY(!f->MaxArtikels->hasFocus());
    QCOMPARE(f.lesson().FirstLineInUse(), 11);
}

void InputRoutesTest::theInformationPanelLeavesTheSumBoxAsItWas() {
    ShownForm f = ShowForm();
    TypeKeys(f.form.get(), QStringLiteral("53"));
    PressKey(f.form.get(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), f->Tot[2]);
    QCOMPARE(f->Tot[2]->selectedText(), QStringLiteral("3"));
    // Opened and closed by the mouse, the panel gives the box back selected: the next digit
    // takes the place of the one there, as it would have without the panel.
    ClickThroughWindow(f.form.get(), f->Image1);
    QVERIFY(f->Info->isVisible());
    ClickThroughWindow(f.form.get(), f->OKKnop);
    QVERIFY(f->Info->isHidden());
    QCOMPARE(QApplication::focusWidget(), f->Tot[2]);
    TypeKeys(f.form.get(), QStringLiteral("7"));
    QCOMPARE(f->Tot[2]->text(), QStringLiteral("7"));

    // From the empty units box at the start, a sum typed after the panel goes digit by
    // digit from right to left, as before it.
    ShownForm g = ShowForm();
    ClickThroughWindow(g.form.get(), g->Image1);
    ClickThroughWindow(g.form.get(), g->OKKnop);
    TypeKeys(g.form.get(), QStringLiteral("171"));
    QCOMPARE(g->Tot[3]->text() + g->Tot[2]->text() + g->Tot[1]->text(), QStringLiteral("171"));
}

void InputRoutesTest::hiddenNextButtonNeverScores() {
    SeriesForm s = ShowWithClock();
    const ShownForm& f = s.f;
    StartSeries(f, QStringLiteral("1"));
    TypeRightSum(f);
    ClickThroughWindow(f.form.get(), f->Kontroleer);
    // The mouse is held on VOLGENDE OEFENING while the time runs out.
    const QPoint next = CentreInWindow(f.form.get(), f->VolgendeOefening);
    QTest::mousePress(f.form->windowHandle(), Qt::LeftButton, {}, next);
    TimeRunsOut(s);
    QVERIFY(f->Panel3->isVisible());
    QVERIFY(f->VolgendeOefening->isHidden());
    QVERIFY(FocusUsable());
    QTest::mouseRelease(f.form->windowHandle(), Qt::LeftButton, {}, next);
    for (int i = 0; i < 3; ++i) {
        PressKey(f.form.get(), Qt::Key_Space);
    }

    QCOMPARE(f->Label6->text(), QStringLiteral("0"));
    QCOMPARE(f->Label8->text(), QStringLiteral("1"));
    QCOMPARE(f->Reeksteller->text(), QStringLiteral("1"));
    QCOMPARE(f->Label48->text(), QStringLiteral("0"));
    QCOMPARE(f->Label49->text(), QStringLiteral("0"));
    QVERIFY(FocusUsable());
}

void InputRoutesTest::closingTheWalletAfterTheEndLeavesNoFocusOnIt() {
    SeriesForm s = ShowWithClock();
    const ShownForm& f = s.f;
    ClickThroughWindow(f.form.get(), f->Kasticket);
    ClickThroughWindow(f.form.get(), f->Geldbeugel);
    StartSeries(f, QStringLiteral("1"));
    ClickThroughWindow(f.form.get(), f->Geld);
    QVERIFY(f->Portemonnee->isVisible());
    TimeRunsOut(s);
    QVERIFY(f->Panel3->isVisible());

    ClickThroughWindow(f.form.get(), f->PortemonneeSluiten);
    QVERIFY(f->Portemonnee->isHidden());
    QVERIFY(FocusUsable());
    // Keys reach no hidden control; RESET still puts the window back.
    PressKey(f.form.get(), Qt::Key_Space);
    QVERIFY(f->Portemonnee->isHidden());
    ClickThroughWindow(f.form.get(), f->OKKnop1);
    QVERIFY(f->Panel3->isHidden());
    QCOMPARE(QApplication::focusWidget(), f->Tot[1]);
}

void InputRoutesTest::sumRowIsJudgedAsShown_data() {
    QTest::addColumn<QString>("typed"); // after the 5 of 2 + 3, with the caret behind it
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("right");
    QTest::newRow("5") << QString() << "5" << true;
    QTest::newRow("54, refused and kept") << "4"
                                          << "54" << false;
    QTest::newRow("50, refused and kept") << "0"
                                          << "50" << false;
}

void InputRoutesTest::sumRowIsJudgedAsShown() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(bool, right);
    ShownForm f = FormWithSum(Sum5);
    TypeKeys(f.form.get(), QStringLiteral("5"));
    PressKey(f.form.get(), Qt::Key_End);
    TypeKeys(f.form.get(), typed);
    QCOMPARE(f->Tot[1]->text(), shown);

    QTest::mousePress(f.form->windowHandle(), Qt::LeftButton, {},
                      CentreInWindow(f.form.get(), f->Kontroleer));
    QCOMPARE(f.lesson().SumRight(), right);
    QCOMPARE(f->Tot[1]->palette().color(QPalette::Base), right ? look::Green : look::Red);
    QTest::mouseRelease(f.form->windowHandle(), Qt::LeftButton, {},
                        CentreInWindow(f.form.get(), f->Kontroleer));
}

QTEST_MAIN(InputRoutesTest)
#include "tst_input_routes.moc"
