// Every task by keyboard alone: a classic exercise, a receipt paid from the wallet and a
// timed series, with key events only once the window is shown; the context help by F1;
// and the screen reader's actions, which must run the mouse's handlers exactly once.

#include "app/accessibility.h"
#include "support/form_fixture.h"
#include "support/scripted_clock.h"

#include <QAccessible>
#include <QRegularExpression>
#include <QSignalSpy>

using std::chrono::milliseconds;

namespace {

QWindow* Window(const ShownForm& f) {
    return f.form->windowHandle();
}

void Key(const ShownForm& f, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(Window(f), key, modifiers);
}

QColor FieldColour(const QWidget* w) {
    return w->palette().color(QPalette::Base);
}

QString Announced(const ShownForm& f) {
    const auto* announcer = f.form->findChild<Announcer*>();
    return announcer && announcer->isVisible() ? announcer->accessibleName() : QString();
}

// A key held down repeats itself: the repeated press and release arrive before the
// real release.
void RepeatHeldKey(Qt::Key key) {
    QWidget* target = QApplication::focusWidget();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(target, &release);
    QApplication::sendEvent(target, &press);
}

// A key as a screen reader's bridge passes it on: its shortcut check comes straight from
// the keyboard, with the keyboard's time (`at`), while the press or release itself is a
// copy with neither time nor repeat mark, sent when the screen reader has looked at it.
void OfferKey(Qt::Key key, unsigned long at) {
    QKeyEvent check(QEvent::ShortcutOverride, key, Qt::NoModifier);
    check.setTimestamp(at);
    QApplication::sendEvent(QApplication::focusWidget(), &check);
}

void PassOnKey(QEvent::Type type, Qt::Key key) {
    QKeyEvent copy(type, key, Qt::NoModifier);
    QApplication::sendEvent(QApplication::focusWidget(), &copy);
}

// Brings a shown window to the front, as a click on it would, with the keyboard.
void Activate(QWidget* window) {
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window)) {
        qFatal("the window did not become active");
    }
}

QAccessibleInterface* Accessible(QObject* o) {
    return QAccessible::queryAccessibleInterface(o);
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void classicExercise();
    void keyHeldThroughAScreenReadersBridge();
    void receiptPaidFromTheWallet();
    void timedSeries();
    void keysActOnlyWhereAClickWould();
    void helpForTheFocus_data();
    void helpForTheFocus();
    void screenReaderActionsRunTheHandlersOnce();
    void namesFollowTheExercise();
    void everyControlIsNamed();
};

void KeyboardTest::initTestCase() {
    InstallAccessibility();
}

void KeyboardTest::classicExercise() {
    ShownForm f = ShowForm({10, 20}); // 11 + 21
    QCOMPARE(QApplication::focusWidget(), f->Tot[1]);
    TypeKeys(f.form.get(), QStringLiteral("32")); // 23, units first

    // CONTROLEER is held while F2 is held, repeats included, and let go with it.
    QTest::keyPress(Window(f), Qt::Key_F2);
    QCOMPARE(FieldColour(f->Tot[1]), look::Red);
    QCOMPARE(f->Tot[1]->accessibleDescription(), QStringLiteral("fout"));
    QCOMPARE(Announced(f), QStringLiteral("Som fout."));
    RepeatHeldKey(Qt::Key_F2);
    QCOMPARE(FieldColour(f->Tot[1]), look::Red);
    QTest::keyRelease(Window(f), Qt::Key_F2);
    QCOMPARE(FieldColour(f->Tot[1]), look::White);
    QVERIFY(f->Tot[1]->accessibleDescription() != QStringLiteral("fout"));
    QCOMPARE(QApplication::focusWidget(), f->Tot[1]);

    // Right this time: 32.
    TypeKeys(f.form.get(), QStringLiteral("23"));
    QTest::keyPress(Window(f), Qt::Key_F2);
    QCOMPARE(FieldColour(f->Tot[2]), look::Green);
    QCOMPARE(f->Tot[2]->accessibleDescription(), QStringLiteral("goed"));
    QCOMPARE(Announced(f), QStringLiteral("Som goed."));
    QTest::keyRelease(Window(f), Qt::Key_F2);
    QVERIFY(f->VolgendeOefening->isVisible());

    Key(f, Qt::Key_F3);
    QCOMPARE(f->Reeksteller->text(), QStringLiteral("2"));
    QCOMPARE(f->Label6->text(), QStringLiteral("1"));
    QVERIFY(!f->VolgendeOefening->isVisible());
    QCOMPARE(QApplication::focusWidget(), f->Tot[1]);
}

// F2 held while a screen reader looks at every key first: the repeats reach the window as
// plain releases and presses, each press's shortcut check ahead of it. The last repeat's
// press may come after the key has been let go on the keyboard. One check for the hold.
void KeyboardTest::keyHeldThroughAScreenReadersBridge() {
    ShownForm f = ShowForm({10, 20});             // 11 + 21
    TypeKeys(f.form.get(), QStringLiteral("32")); // 23: wrong
    auto* announcer = f.form->findChild<Announcer*>();
    int said = 0;
    EventFilter counter(nullptr, [&](QObject*, QEvent* event) {
        said += event->type() == QEvent::Show ? 1 : 0;
        return false;
    });
    announcer->installEventFilter(&counter);

    OfferKey(Qt::Key_F2, 1000);
    PassOnKey(QEvent::KeyPress, Qt::Key_F2);
    QCOMPARE(FieldColour(f->Tot[1]), look::Red);
    for (unsigned long at = 1040; at <= 1200; at += 40) {
        OfferKey(Qt::Key_F2, at); // the repeat's press, ahead of the repeat's release
        PassOnKey(QEvent::KeyRelease, Qt::Key_F2);
        PassOnKey(QEvent::KeyPress, Qt::Key_F2);
        QCOMPARE(FieldColour(f->Tot[1]), look::Red);
    }
    // The key let go just after its last repeat.
    OfferKey(Qt::Key_F2, 1240);
    PassOnKey(QEvent::KeyRelease, Qt::Key_F2);
    QCOMPARE(FieldColour(f->Tot[1]), look::Red);
    PassOnKey(QEvent::KeyPress, Qt::Key_F2);
    PassOnKey(QEvent::KeyRelease, Qt::Key_F2);
    QCOMPARE(FieldColour(f->Tot[1]), look::White);
    QCoreApplication::processEvents();
    QCOMPARE(said, 1);

    // A press after the key was let go is a check of its own.
    OfferKey(Qt::Key_F2, 2000);
    PassOnKey(QEvent::KeyPress, Qt::Key_F2);
    PassOnKey(QEvent::KeyRelease, Qt::Key_F2);
    QCoreApplication::processEvents();
    QCOMPARE(said, 2);
}

void KeyboardTest::receiptPaidFromTheWallet() {
    ShownForm f = ShowForm();
    Key(f, Qt::Key_K, Qt::AltModifier); // Kasticket
    QVERIFY(f->Kasticket->isChecked());
    QVERIFY(f->Geldbeugel->isVisible());
    QVERIFY(f->Aantal[12]->isVisible());
    Key(f, Qt::Key_P, Qt::AltModifier); // Portemonnee
    QVERIFY(f->Geldbeugel->isChecked());
    QVERIFY(f->Geld->isVisible());
    QCOMPARE(QApplication::focusWidget(), f->Tot[1]);
    TypeRightSum(f);

    Key(f, Qt::Key_F4);
    QVERIFY(f->Portemonnee->isVisible());
    // The arrows move among the pieces; Return takes the one with the focus, the
    // largest first here, until the amount due is reached.
    Key(f, Qt::Key_Right);
    auto* first = qobject_cast<Picture*>(QApplication::focusWidget());
    QVERIFY(first && first->parentWidget() == f->Portemonnee);
    Key(f, Qt::Key_Right);
    QVERIFY(QApplication::focusWidget() != first);
    Key(f, Qt::Key_Left);
    QCOMPARE(QApplication::focusWidget(), first);
    const Amount total = f.lesson().Exercise().Total;
    for (int taken = 0; f.lesson().Assembled() < total; ++taken) {
        QVERIFY2(taken < 115, "the wallet ran out of pieces");
        auto* piece = qobject_cast<Picture*>(QApplication::focusWidget());
        QVERIFY(piece && piece->isVisible());
        const Amount before = f.lesson().Assembled();
        Key(f, Qt::Key_Return);
        QVERIFY(piece->isHidden());
        QVERIFY(f.lesson().Assembled() > before);
        // The focus stays in the wallet, never under it.
        QVERIFY(f->Portemonnee->isAncestorOf(QApplication::focusWidget()) ||
                QApplication::focusWidget() == f->Portemonnee);
    }
    QCOMPARE(f->Geldteller->text(), QString::fromStdString(FormatPlain(f.lesson().Assembled())));

    Key(f, Qt::Key_F11); // "* OK *"
    QVERIFY(!f->Portemonnee->isVisible());
    QCOMPARE(QApplication::focusWidget(), f->Teruggave);
    QCOMPARE(f->Betaald->text(), QString::fromStdString(FormatPlain(f.lesson().Assembled())));
    TypeKeys(f.form.get(), QString::fromStdString(FormatPlain(f.lesson().Exercise().Change)));

    QTest::keyPress(Window(f), Qt::Key_F2);
    QCOMPARE(FieldColour(f->Tot[1]), look::Green);
    QCOMPARE(FieldColour(f->Teruggave), look::Green);
    QCOMPARE(f->Teruggave->accessibleDescription(), QStringLiteral("goed"));
    QCOMPARE(Announced(f), QStringLiteral("Som goed. Teruggave goed."));
    QTest::keyRelease(Window(f), Qt::Key_F2);
    Key(f, Qt::Key_F3);
    QCOMPARE(f->Label6->text(), QStringLiteral("1"));
    QCOMPARE(f->Reeksteller->text(), QStringLiteral("2"));
}

void KeyboardTest::timedSeries() {
    ShownForm f = ShowForm({10, 20}); // 11 + 21
    auto clock = std::make_unique<ScriptedClock>();
    ScriptedClock* time = clock.get();
    f.form->SetSeriesClock(std::move(clock));

    Key(f, Qt::Key_T, Qt::AltModifier); // into the minutes, which empties them
    QCOMPARE(QApplication::focusWidget(), f->TimerMinuten);
    QVERIFY(f->TimerMinuten->text().isEmpty());
    TypeKeys(f.form.get(), QStringLiteral("1"));
    Key(f, Qt::Key_Return);
    QVERIFY(f->Startknop->isVisible());
    f.random->Push({10, 20});
    Key(f, Qt::Key_F5); // START
    QVERIFY(f.lesson().SeriesRunning());
    QVERIFY(f->OKKnop1->isVisible());
    QCOMPARE(QApplication::focusWidget(), f->Tot[1]);

    TypeKeys(f.form.get(), QStringLiteral("23"));
    QTest::keyPress(Window(f), Qt::Key_F2);
    QTest::keyRelease(Window(f), Qt::Key_F2);
    Key(f, Qt::Key_F3);
    QCOMPARE(f->Label6->text(), QStringLiteral("1"));

    time->Now += milliseconds(61000);
    TickTimer(f);
    QVERIFY(f->Panel3->isVisible());
    QVERIFY(!f.lesson().SeriesRunning());
    QCOMPARE(f->Panel3->accessibleName(),
             QStringLiteral("Resultaten: puntentotaal %1 op %2, %3 %")
                 .arg(f->Label48->text(), f->Label49->text(), f->Label51->text()));
    QCOMPARE(Accessible(f->Panel3)->role(), QAccessible::Notification);
    // The focus waits on RESET, and shows nowhere a mouse user would see it: the window
    // looks the same while another window has the keyboard, and with it the focus.
    QCOMPARE(QApplication::focusWidget(), f->OKKnop1);
    const QImage focused = f.form->grab().toImage();
    QWidget other;
    other.show();
    Activate(&other);
    QCOMPARE(f.form->grab().toImage(), focused);
    Activate(f.form.get()); // the focus returns to RESET

    Key(f, Qt::Key_Escape); // RESET
    QVERIFY(!f->Panel3->isVisible());
    QVERIFY(!f->OKKnop1->isVisible());
    QVERIFY(f->Instellingen->isEnabled());
    QCOMPARE(QApplication::focusWidget(), f->Tot[1]);
}

void KeyboardTest::keysActOnlyWhereAClickWould() {
    ShownForm f = ShowForm();
    // VOLGENDE OEFENING waits for a check.
    Key(f, Qt::Key_F3);
    QCOMPARE(f->Reeksteller->text(), QStringLiteral("1"));

    // CONTROLEER's key takes the focus out of a settings field first, as a click does:
    // the new largest number draws a new exercise, and the check judges that one.
    Key(f, Qt::Key_G, Qt::AltModifier);
    TypeKeys(f.form.get(), QStringLiteral("50"));
    QTest::keyPress(Window(f), Qt::Key_F2);
    QVERIFY(f->VolgendeOefening->isVisible());
    QTest::keyRelease(Window(f), Qt::Key_F2);
    QCOMPARE(f->MaxGetal->text(), QStringLiteral("50"));
    QVERIFY(f->VolgendeOefening->isVisible());
    QCOMPARE(QApplication::focusWidget(), f->Tot[1]);

    // The open wallet covers the window: only its own keys act.
    Key(f, Qt::Key_K, Qt::AltModifier);
    Key(f, Qt::Key_P, Qt::AltModifier);
    QVERIFY(!f->VolgendeOefening->isVisible());
    Key(f, Qt::Key_F4);
    QVERIFY(f->Portemonnee->isVisible());
    Key(f, Qt::Key_K, Qt::AltModifier);
    QVERIFY(f->Kasticket->isChecked());
    QTest::keyPress(Window(f), Qt::Key_F2);
    QTest::keyRelease(Window(f), Qt::Key_F2);
    QVERIFY(!f->VolgendeOefening->isVisible());
    const QString dealt = f->Geldteller->text();
    Key(f, Qt::Key_F10); // "* Nieuw *"
    QCOMPARE(f->Geldteller->text(), dealt);
    QCOMPARE(QApplication::focusWidget(), f->PortemonneeReset);
    Key(f, Qt::Key_F11);
    QVERIFY(!f->Portemonnee->isVisible());
    // The information panel opens and closes by F9; OK gives the focus back.
    Key(f, Qt::Key_F9);
    QVERIFY(f->Info->isVisible());
    Key(f, Qt::Key_Return);
    QVERIFY(!f->Info->isVisible());
    QCOMPARE(QApplication::focusWidget(), f->Teruggave);
    Key(f, Qt::Key_F9);
    Key(f, Qt::Key_F9);
    QVERIFY(!f->Info->isVisible());
}

void KeyboardTest::helpForTheFocus_data() {
    // The keys that bring the focus there, each a key with its modifiers.
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("focus"); // a pattern of the objectName
    QTest::addColumn<QString>("help");  // how the control's help text begins
    const int alt = int(Qt::AltModifier);
    QTest::newRow("sum box") << QList<int>{} << "^Tot1$"
                             << "Vul hier de som in van de optelling (van rechts naar links)\n";
    QTest::newRow("settings field") << QList<int>{alt | Qt::Key_A} << "^MaxArtikels$"
                                    << "Hier bepaalt u het aantal getallen dat bij elkaar";
    QTest::newRow("wallet piece") << QList<int>{alt | Qt::Key_K, alt | Qt::Key_P, Qt::Key_F4,
                                                Qt::Key_Right}
                                  << "^(Briefje|Stuk)"
                                  << "Klik op een biljet of geldstuk om te betalen.\n";
    QTest::newRow("change field after the wallet")
        << QList<int>{alt | Qt::Key_K, alt | Qt::Key_P, Qt::Key_F4, Qt::Key_F11} << "^Teruggave$"
        << "U berekend uit het hoofd, welk bedrag";
}

void KeyboardTest::helpForTheFocus() {
    QFETCH(QList<int>, keys);
    QFETCH(QString, focus);
    QFETCH(QString, help);
    ShownForm f = ShowForm();
    for (int k : keys) {
        Key(f, Qt::Key(k & ~int(Qt::KeyboardModifierMask)),
            Qt::KeyboardModifiers(k & int(Qt::KeyboardModifierMask)));
    }
    const QString name = QApplication::focusWidget()->objectName();
    QVERIFY2(QRegularExpression(focus).match(name).hasMatch(), qPrintable(name));
    Key(f, Qt::Key_F1);
    // The box shows the control's whole text, which is also what a screen reader reads.
    QVERIFY2(f->Help->toPlainText().startsWith(help), qPrintable(f->Help->toPlainText()));
    QCOMPARE(f->Help->toPlainText(), QApplication::focusWidget()->accessibleDescription());
}

void KeyboardTest::screenReaderActionsRunTheHandlersOnce() {
    ShownForm f = ShowForm();
    QCOMPARE(Accessible(f.form.get())->role(), QAccessible::Window);

    // A settings field typed in but not yet left is judged first, as when the mouse
    // ticks the box: the refused 13 goes, and the receipt is drawn from the field's "2".
    Key(f, Qt::Key_A, Qt::AltModifier);
    TypeKeys(f.form.get(), QStringLiteral("13"));
    QCOMPARE(f->MaxArtikels->text(), QStringLiteral("13"));
    QSignalSpy ticks(f->Kasticket, &QCheckBox::clicked);
    QAccessibleInterface* box = Accessible(f->Kasticket);
    QVERIFY(box->state().checkable);
    box->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QCOMPARE(ticks.count(), 1);
    QCOMPARE(f->MaxArtikels->text(), QStringLiteral("2"));
    QVERIFY(f->Artikel[11]->isVisible() && !f->Artikel[10]->isVisible());
    QVERIFY(f->Kasticket->isChecked() && box->state().checked);
    QVERIFY(f->Geldbeugel->isVisible()); // the handler ran

    QSignalSpy downs(f->Kontroleer, &MouseButton::mouseDown);
    QSignalSpy ups(f->Kontroleer, &MouseButton::mouseUp);
    Accessible(f->Kontroleer)
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    // The press comes once the call has returned: no screen reader waits on a check.
    QCOMPARE(downs.count(), 0);
    QTRY_COMPARE(downs.count(), 1);
    QCOMPARE(ups.count(), 1);
    QCOMPARE(Announced(f), QStringLiteral("Som fout. Teruggave fout."));

    Accessible(f->Geldbeugel)
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::toggleAction());
    QSignalSpy opened(f->Geld, &Picture::clicked);
    QAccessibleInterface* purse = Accessible(f->Geld);
    QCOMPARE(purse->role(), QAccessible::Button);
    purse->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(opened.count(), 1);
    QVERIFY(f->Portemonnee->isVisible());
    // A piece pressed while it has the focus passes it to another piece, not to the
    // sum row under the wallet; so does one dealt away by "* Nieuw *".
    Key(f, Qt::Key_Right);
    auto* piece = qobject_cast<Picture*>(QApplication::focusWidget());
    QVERIFY(piece);
    Accessible(piece)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(piece->isHidden());
    QCOMPARE(QApplication::focusWidget()->parentWidget(), f->Portemonnee);
    for (int i = 0; i < 20; ++i) {
        Key(f, Qt::Key_Down); // to the coins at the end
    }
    QSignalSpy dealt(f->PortemonneeReset, &QPushButton::clicked);
    Accessible(f->PortemonneeReset)
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(dealt.count(), 1);
    QVERIFY(f->Portemonnee->isAncestorOf(QApplication::focusWidget()) ||
            QApplication::focusWidget() == f->Portemonnee);
    // A picture nothing listens to is an image without actions.
    QCOMPARE(Accessible(f->Image2)->role(), QAccessible::Graphic);
    QVERIFY(Accessible(f->Image2)->actionInterface()->actionNames().isEmpty());
}

void KeyboardTest::namesFollowTheExercise() {
    ShownForm f = ShowForm();
    QCOMPARE(Accessible(f->Tot[1])->text(QAccessible::Name), QStringLiteral("som, eenheden"));
    QCOMPARE(Accessible(f->Tot[4])->text(QAccessible::Name), QStringLiteral("som, duizendtallen"));
    Key(f, Qt::Key_O, Qt::AltModifier); // Komma
    QVERIFY(f->Komma->isChecked());
    QCOMPARE(Accessible(f->Tot[3])->text(QAccessible::Name), QStringLiteral("som, komma"));
    QCOMPARE(Accessible(f->Tot[4])->text(QAccessible::Name), QStringLiteral("som, eenheden"));
    Key(f, Qt::Key_K, Qt::AltModifier);
    Key(f, Qt::Key_P, Qt::AltModifier);
    // The amount due is read without the blanks that align it.
    QCOMPARE(Accessible(f->Label3)->text(QAccessible::Name), f->Label3->text().trimmed());
    QVERIFY(f->Label3->text().startsWith(QLatin1Char(' ')));
    // A receipt line is read whole from its price, with its unit and amount in words
    // ("1 stuk", "60 euro 39") instead of as shown ("1 St.", "60,39").
    const QString line = Accessible(f->Prijs[12])->text(QAccessible::Name);
    const QString quantity = f->Aantal[12]->text().simplified();
    QVERIFY2(line.startsWith(quantity.section(QLatin1Char(' '), 0, 0) + QLatin1Char(' ')),
             qPrintable(line));
    QVERIFY2(!line.contains(quantity), qPrintable(line));
    QVERIFY2(line.contains(f->Artikel[12]->text()), qPrintable(line));
    QVERIFY2(line.contains(QLatin1String(" euro")) || line.endsWith(QLatin1String(" cent")),
             qPrintable(line));
    QVERIFY2(!line.contains(f->Prijs[12]->text().trimmed()), qPrintable(line));
}

void KeyboardTest::everyControlIsNamed() {
    ShownForm f = ShowForm();
    // In the receipt mode with the wallet open, the most controls are in use.
    Key(f, Qt::Key_K, Qt::AltModifier);
    Key(f, Qt::Key_P, Qt::AltModifier);
    Key(f, Qt::Key_F4);
    QList<QWidget*> controls = f.form->findChildren<QWidget*>();
    controls.append(f.form.get());
    QStringList unnamed;
    for (QWidget* w : controls) {
        const QString id = w->objectName();
        if (id.isEmpty() || id.startsWith(QLatin1String("qt_"))) {
            continue; // parts Qt builds inside a control
        }
        // A label that shows nothing has nothing to say, nor the announcer before it
        // first speaks.
        if (auto* label = qobject_cast<QLabel*>(w); label && label->text().isEmpty()) {
            continue;
        }
        if (qobject_cast<Announcer*>(w) && w->isHidden()) {
            continue;
        }
        QAccessibleInterface* node = Accessible(w);
        if (node->text(QAccessible::Name).trimmed().isEmpty() ||
            node->role() == QAccessible::Client) {
            unnamed << id;
        }
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1Char(' '))));
}

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
