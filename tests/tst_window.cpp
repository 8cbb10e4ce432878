// The window as a whole: start state, the information panel, the keys that press
// RESET and OK, Tab, and stopping the program.

#include "app/artwork.h"
#include "support/form_fixture.h"

#include <QScreen>
#include <QTimer>

class WindowTest : public QObject {
    Q_OBJECT
private slots:
    void hiddenPicturesAreDecodedWhenFirstShown();
    void startState();
    void infoPanelLeavesTheExerciseAlone();
    void infoPanelGivesTheFocusBack();
    void infoPanelLeavesAFieldItsLeavingRule_data();
    void infoPanelLeavesAFieldItsLeavingRule();
    void escapeAndEnterPressTheirButtonOnlyWhileShown();
    void tabVisitsOnlyTheAnswerFields();
    void stopPictureEndsTheEventLoop();
    void closingTheWindowEndsTheEventLoop();
};

// Start-up decodes only what the first frame shows: the wallet's banknotes and coins and
// the purse wait until they are first painted, and then one picture serves a whole stack.
// (First in this process, before any other test opens the wallet.)
void WindowTest::hiddenPicturesAreDecodedWhenFirstShown() {
    ShownForm f = ShowForm();
    QApplication::processEvents();
    // Stacks every dealing shows (the 5-euro notes and the coins), and the purse.
    const QStringList wallet{":/images/note5.jpg", ":/images/coin2e.png", ":/images/purse.jpg"};
    for (const QString& path : wallet) {
        QVERIFY2(!ArtworkDecoded(path), qPrintable(path));
    }
    QVERIFY(!ArtworkDecoded(QStringLiteral(":/images/note500.jpg")));

    for (const QWidget* w :
         {static_cast<QWidget*>(f->Kasticket), static_cast<QWidget*>(f->Geldbeugel),
          static_cast<QWidget*>(f->Geld)}) {
        ClickThroughWindow(f.form.get(), w);
        QApplication::processEvents();
    }
    QVERIFY(f->Portemonnee->isVisible());
    for (const QString& path : wallet) {
        QVERIFY2(ArtworkDecoded(path), qPrintable(path));
    }
    QCOMPARE(f->Pieces[7][1]->Image().cacheKey(), f->Pieces[7][2]->Image().cacheKey());
}

void WindowTest::startState() {
    // 57 + 68: the first exercise is drawn on the first activation, and only then.
    ShownForm f = ShowForm({56, 67, 0});
    QCOMPARE(f.form->windowTitle(), QStringLiteral("Quorvel v.2 (Zenbo)"));
    QCOMPARE(f.form->size(), QSize(922, 842));
    // Centred on the screen, up to the thickness of the frame around the client area.
    const QPoint offCentre =
        f.form->geometry().center() - f.form->screen()->availableGeometry().center();
    QVERIFY2(offCentre.manhattanLength() <= 40,
             qPrintable(QStringLiteral("off by %1,%2").arg(offCentre.x()).arg(offCentre.y())));
    QCOMPARE(f->Prijs[11]->text(), QStringLiteral("57"));
    QCOMPARE(f->Prijs[12]->text(), QStringLiteral("68"));
    QVERIFY(f.random->Empty());
    int visibleBoxes = 0;
    for (int k = 1; k <= 14; ++k) {
        visibleBoxes += f->Tot[k]->isVisible() ? 1 : 0;
    }
    QCOMPARE(visibleBoxes, 3);
    QCOMPARE(f.form->ColumnWidth(), Amount(136667));

    // Leaving the window and coming back draws nothing new.
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    f.form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
    QCOMPARE(f->Prijs[11]->text(), QStringLiteral("57"));
}

void WindowTest::infoPanelLeavesTheExerciseAlone() {
    ShownForm f = ShowForm({56, 67, 0});
    TypeKeys(f.form.get(), QStringLiteral("5"));
    ClickThroughWindow(f.form.get(), f->Image1);
    QVERIFY(f->Info->isVisible());
    ClickThroughWindow(f.form.get(), f->OKKnop);
    QVERIFY(!f->Info->isVisible());
    QCOMPARE(f->Prijs[11]->text(), QStringLiteral("57"));
    QCOMPARE(f->Prijs[12]->text(), QStringLiteral("68"));
    QCOMPARE(f->Tot[1]->text(), QStringLiteral("5"));
    QCOMPARE(f->MaxArtikels->text(), QStringLiteral("2"));
    QCOMPARE(f->Reeksteller->text(), QStringLiteral("1"));
}

void WindowTest::infoPanelGivesTheFocusBack() {
    // 57 + 68: after the units digit the focus waits in the tens box; the panel opened
    // and closed there lets the next digit land in the tens, not over the units.
    ShownForm f = ShowForm({56, 67, 0});
    TypeKeys(f.form.get(), QStringLiteral("5"));
    QCOMPARE(QApplication::focusWidget(), f->Tot[2]);
    ClickThroughWindow(f.form.get(), f->Image1);
    ClickThroughWindow(f.form.get(), f->OKKnop);
    QVERIFY(!f->Info->isVisible());
    QCOMPARE(QApplication::focusWidget(), f->Tot[2]);
    TypeKeys(f.form.get(), QStringLiteral("2"));
    QCOMPARE(f->Tot[1]->text(), QStringLiteral("5"));
    QCOMPARE(f->Tot[2]->text(), QStringLiteral("2"));
    QCOMPARE(QApplication::focusWidget(), f->Tot[3]);
}

void WindowTest::infoPanelLeavesAFieldItsLeavingRule_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<bool>("byKey"); // F9 opens and closes the panel

    QTest::newRow("a new count draws an exercise") << "3"
                                                   << "3" << false;
    QTest::newRow("the same count") << "2"
                                    << "2" << false;
    QTest::newRow("a refused count") << "13"
                                     << "2" << false;
    QTest::newRow("a new count, panel by F9") << "3"
                                              << "3" << true;
}

// OK takes the focus from the settings field that was being typed in, and the field's
// leaving rule judges it. The focus stays where that rule leaves it, in the sum row, and
// is not given back to the field that has been judged.
void WindowTest::infoPanelLeavesAFieldItsLeavingRule() {
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(bool, byKey);

    ShownForm f = ShowForm({56, 67, 0});
    ClickThroughWindow(f.form.get(), f->MaxArtikels);
    TypeKeys(f.form.get(), typed);
    const auto panel = [&](QWidget* control) {
        if (byKey) {
            PressKey(f.form.get(), Qt::Key_F9);
        } else {
            ClickThroughWindow(f.form.get(), control);
        }
    };
    panel(f->Image1);
    QVERIFY(f->Info->isVisible());
    panel(f->OKKnop);
    QVERIFY(!f->Info->isVisible());
    QCOMPARE(f->MaxArtikels->text(), kept);

    TypeKeys(f.form.get(), QStringLiteral("5"));
    QCOMPARE(f->MaxArtikels->text(), kept);
    QCOMPARE(f->Tot[1]->text(), QStringLiteral("5"));
}

void WindowTest::escapeAndEnterPressTheirButtonOnlyWhileShown() {
    ShownForm f = ShowForm();
    int resets = 0;
    connect(f->OKKnop1, &QPushButton::clicked, [&] { ++resets; });
    QLineEdit* box = f->Tot[1];
    ClickThroughWindow(f.form.get(), box);

    // Hidden: Escape reaches the box like any key.
    bool escapeReachedBox = false;
    struct Spy : QObject {
        bool* seen;
        explicit Spy(bool* s) : seen(s) {}
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::KeyPress &&
                static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) {
                *seen = true;
            }
            return false;
        }
    } spy(&escapeReachedBox);
    box->installEventFilter(&spy);
    PressKey(f.form.get(), Qt::Key_Escape);
    QCOMPARE(resets, 0);
    QVERIFY(escapeReachedBox);

    // Shown, during a timed series: Escape presses RESET and goes no further. START's new
    // exercise leaves the focus in the box.
    escapeReachedBox = false;
    StartTimedSeries(f);
    PressKey(f.form.get(), Qt::Key_Escape);
    QCOMPARE(resets, 1);
    QVERIFY(!escapeReachedBox);
    // RESET ended the series and hid itself.
    PressKey(f.form.get(), Qt::Key_Escape);
    QCOMPARE(resets, 1);

    // Enter in an edit field presses the information panel's OK while it is shown.
    ClickThroughWindow(f.form.get(), f->Image1);
    QVERIFY(f->Info->isVisible());
    ClickThroughWindow(f.form.get(), f->Tot[1]);
    PressKey(f.form.get(), Qt::Key_Return);
    QVERIFY(!f->Info->isVisible());
}

void WindowTest::tabVisitsOnlyTheAnswerFields() {
    // 5 + 5 = 10: boxes Tot1 and Tot2 visible.
    ShownForm f = ShowForm({4, 4, 0});
    ClickThroughWindow(f.form.get(), f->Tot[1]);
    QCOMPARE(QApplication::focusWidget(), f->Tot[1]);
    PressKey(f.form.get(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), f->Tot[2]);
    // Past the last visible box the chain wraps without visiting any other control.
    PressKey(f.form.get(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), f->Tot[1]);

    // In receipt layout the change field and the "maximum 100" box join the chain. Right
    // in the units box, where the new receipt leaves the focus, goes to the leftmost box.
    ClickThroughWindow(f.form.get(), f->Kasticket);
    PressKey(f.form.get(), Qt::Key_Right);
    PressKey(f.form.get(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), f->Teruggave);
    PressKey(f.form.get(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), f->Eenvoudig);
    PressKey(f.form.get(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), f->Tot[1]);
}

void WindowTest::stopPictureEndsTheEventLoop() {
    ShownForm f = ShowForm();
    bool ran = false;
    QTimer::singleShot(0, [&] {
        ran = true;
        ClickThroughWindow(f.form.get(), f->Image4);
    });
    // Fails by timeout (the test's) if the click does not end the loop.
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(ran);
}

void WindowTest::closingTheWindowEndsTheEventLoop() {
    ShownForm f = ShowForm();
    QTimer::singleShot(0, [&] { f.form->close(); });
    QCOMPARE(QCoreApplication::exec(), 0);
}

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
