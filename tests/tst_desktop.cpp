// SPDX-License-Identifier: GPL-3.0-or-later
// How big the window may be on a screen, where it stands there, and the window shown
// scaled down on a screen too small for it.

#include "app/desktop.h"
#include "support/form_fixture.h"

#include "app/accessibility.h"
#include "app/widgets.h"

#include <QAccessible>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include <functional>

namespace {

// The offscreen platform leaves activating a window to the test: a message's own window,
// or the program's once the message is gone. What a window manager does, Qt's own call
// does here (deprecated from Qt 6.5 for programs, which should ask the window manager).
void Activate(QWidget* window) {
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    QApplication::setActiveWindow(window);
    QT_WARNING_POP
}

// The window shown as a small screen shows it (scaled by `factor` below 1) or as it is.
struct ShownWindow {
    explicit ShownWindow(double factor, std::initializer_list<int> draws = {}) {
        look::SetUpApplication();
        InstallAccessibility();
        auto random = std::make_unique<ScriptedRandom>(draws);
        random->AllowUnscripted();
        form.SetRandomSource(std::move(random));
        if (factor < 1) {
            scaled = std::make_unique<desktop::ScaledWindow>(&form, factor);
            shown = scaled.get();
        }
        shown->show();
    }

    TForm1 form;
    std::unique_ptr<desktop::ScaledWindow> scaled;
    QWidget* shown = &form;
};

} // namespace

class TestDesktop : public QObject {
    Q_OBJECT

private slots:
    void fitFactor_data();
    void fitFactor();
    void framePosition_data();
    void framePosition();
    void scaledWindowIsUsedAsTheWindow();
    void aScreenReaderFindsTheScaledControlsWhereTheyAre_data();
    void aScreenReaderFindsTheScaledControlsWhereTheyAre();
    void theMessageIsClosedByKeysAndHoldsTheWindow_data();
    void theMessageIsClosedByKeysAndHoldsTheWindow();
};

void TestDesktop::fitFactor_data() {
    QTest::addColumn<QRect>("workArea");
    QTest::addColumn<QSize>("window");
    QTest::addColumn<double>("factor");
    const QSize window(922, 842);
    // The window and the allowance for its frame: 932 x 890 device pixels.
    QTest::newRow("full HD") << QRect(0, 0, 1920, 1080) << window << 1.0;
    QTest::newRow("just fits") << QRect(0, 0, 932, 890) << window << 1.0;
    QTest::newRow("a pixel too low") << QRect(0, 0, 932, 889) << window << 0.99;
    QTest::newRow("laptop") << QRect(0, 0, 1366, 768) << window << 0.85;
    QTest::newRow("laptop with a panel") << QRect(0, 30, 1366, 738) << window << 0.81;
    QTest::newRow("netbook") << QRect(0, 0, 1024, 600) << window << 0.65;
    QTest::newRow("narrow") << QRect(0, 0, 700, 1080) << window << 0.74;
    QTest::newRow("at 200 % on full HD") << QRect(0, 0, 1920, 1080) << window * 2 << 0.61;
    QTest::newRow("no room at all") << QRect(0, 0, 8, 8) << window << 0.25;
}

void TestDesktop::fitFactor() {
    QFETCH(QRect, workArea);
    QFETCH(QSize, window);
    QFETCH(double, factor);
    const double fit = desktop::FitFactor(workArea, window, desktop::FrameAllowance);
    QCOMPARE(fit, factor);
    // What it gives fits, frame and all.
    if (fit > 0.25) {
        QVERIFY((QSizeF(window) * fit).toSize().grownBy(desktop::FrameAllowance).width() <=
                workArea.width());
        QVERIFY((QSizeF(window) * fit).toSize().grownBy(desktop::FrameAllowance).height() <=
                workArea.height());
    }
}

void TestDesktop::framePosition_data() {
    QTest::addColumn<QRect>("workArea");
    QTest::addColumn<QPoint>("frame");
    const QSize window(922, 842);
    QTest::newRow("centred") << QRect(0, 0, 1920, 1080) << QPoint(494, 95);
    QTest::newRow("below a panel") << QRect(0, 30, 1920, 1050) << QPoint(494, 110);
    QTest::newRow("right of a panel") << QRect(48, 0, 1872, 1080) << QPoint(518, 95);
    // What does not fit hangs out at the bottom and right, never above or left of the
    // work area, where the title bar and its close button are.
    QTest::newRow("too low") << QRect(0, 24, 1366, 744) << QPoint(217, 24);
    QTest::newRow("too small") << QRect(10, 20, 800, 600) << QPoint(10, 20);
}

void TestDesktop::framePosition() {
    QFETCH(QRect, workArea);
    QFETCH(QPoint, frame);
    QCOMPARE(desktop::FramePosition(workArea, QSize(922, 842), desktop::FrameAllowance), frame);
}

// Shown scaled down, the window is the same window: the first exercise is drawn, keys
// reach the sum row, and a click lands on the control drawn under the pointer.
void TestDesktop::scaledWindowIsUsedAsTheWindow() {
    look::SetUpApplication();
    TForm1 form;
    // 57 + 68, as the first exercise of a fresh window.
    auto random = std::make_unique<ScriptedRandom>(std::initializer_list<int>{56, 67, 0});
    random->AllowUnscripted();
    form.SetRandomSource(std::move(random));
    const double factor = 0.65;
    desktop::ScaledWindow window(&form, factor);
    QCOMPARE(window.size(), QSize(599, 547));
    QCOMPARE(window.windowTitle(), QStringLiteral("Quorvel v.2 (Zenbo)"));
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const Controls& ui = form.Ui();
    QCOMPARE(ui.Prijs[11]->text(), QStringLiteral("57"));
    QCOMPARE(ui.Prijs[12]->text(), QStringLiteral("68"));

    for (const char digit : {'5', '2', '1'}) {
        QTest::keyClick(window.windowHandle(), digit);
    }
    QCOMPARE(ui.Tot[3]->text() + ui.Tot[2]->text() + ui.Tot[1]->text(), QStringLiteral("125"));
    auto clickOn = [&](const QWidget* control) {
        const QPointF centre = CentreInWindow(&form, control);
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, (centre * factor).toPoint());
    };
    clickOn(ui.Kontroleer);
    QVERIFY(ui.VolgendeOefening->isVisible());
    clickOn(ui.VolgendeOefening);
    QCOMPARE(ui.Label6->text(), QStringLiteral("1"));
    QCOMPARE(ui.Reeksteller->text(), QStringLiteral("2"));
    // The window's own keys: F9 opens the information panel, Enter presses its OK.
    QTest::keyClick(window.windowHandle(), Qt::Key_F9);
    QVERIFY(ui.Info->isVisible());
    QTest::keyClick(window.windowHandle(), Qt::Key_Return);
    QVERIFY(!ui.Info->isVisible());
    QTest::keyClick(window.windowHandle(), '7');
    QCOMPARE(ui.Tot[1]->text(), QStringLiteral("7"));
}

void TestDesktop::aScreenReaderFindsTheScaledControlsWhereTheyAre_data() {
    QTest::addColumn<double>("factor");
    QTest::newRow("netbook") << 0.65;
    QTest::newRow("laptop") << 0.85;
    QTest::newRow("unscaled") << 1.0;
}

// Every control shown, as a screen reader asks for it: its rectangle is where it stands on
// screen, and the object at its centre is the control a click there reaches, with Qt's own
// role and name.
void TestDesktop::aScreenReaderFindsTheScaledControlsWhereTheyAre() {
    QFETCH(double, factor);
    ShownWindow window(factor);
    TForm1& form = window.form;
    QWidget* shown = window.shown;
    QVERIFY(QTest::qWaitForWindowExposed(shown));
    // The receipt's lines and the wallet's purse are shown too.
    QTest::mouseClick(shown->windowHandle(), Qt::LeftButton, {},
                      (QPointF(CentreInWindow(&form, form.Ui().Kasticket)) * factor).toPoint());
    QVERIFY(form.Ui().Kasticket->isChecked());
    const QPoint origin = shown->mapToGlobal(QPoint(0, 0));
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&form);
    int checked = 0;
    for (QWidget* w : form.findChildren<QWidget*>()) {
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(w);
        if (!w->isVisible() || w->window() != &form || node == nullptr || w->size().isEmpty()) {
            continue;
        }
        const QRectF inWindow(w->mapTo(&form, QPoint(0, 0)), w->size());
        const QRectF expected(QPointF(origin) + inWindow.topLeft() * factor,
                              inWindow.size() * factor);
        const QRect said = node->rect();
        const auto near = [](double a, double b) {
            return qAbs(a - b) <= 1.0;
        };
        QVERIFY2(near(said.left(), expected.left()) && near(said.top(), expected.top()) &&
                     near(said.right() + 1, expected.right()) &&
                     near(said.bottom() + 1, expected.bottom()),
                 qPrintable(QStringLiteral("%1 said at %2,%3 %4x%5")
                                .arg(w->objectName())
                                .arg(said.x())
                                .arg(said.y())
                                .arg(said.width())
                                .arg(said.height())));
        // Down from the window to the deepest object at the centre.
        const QPoint centre = said.center();
        QWidget* hit = form.childAt(form.mapFromGlobal(centre));
        QAccessibleInterface* found = root;
        while (QAccessibleInterface* deeper = found->childAt(centre.x(), centre.y())) {
            found = deeper;
        }
        auto* at = qobject_cast<QWidget*>(found->object());
        QVERIFY2(hit != nullptr && at != nullptr && (at == hit || at->isAncestorOf(hit)),
                 qPrintable(w->objectName() + QStringLiteral(": the object at its centre is ") +
                            (at ? at->objectName() : QStringLiteral("none"))));
        ++checked;
    }
    QVERIFY(checked > 30);
    // Qt's own interface inside: a sum box is an edit field with its column as its name.
    QAccessibleInterface* units = QAccessible::queryAccessibleInterface(form.Ui().Tot[1]);
    QCOMPARE(units->role(), QAccessible::EditableText);
    QVERIFY(units->textInterface() != nullptr);
}

void TestDesktop::theMessageIsClosedByKeysAndHoldsTheWindow_data() {
    QTest::addColumn<double>("factor");
    QTest::addColumn<int>("closeKey");
    for (const double factor : {1.0, 0.65}) {
        const QByteArray size = factor < 1 ? "scaled" : "unscaled";
        QTest::newRow(size + ", Return") << factor << int(Qt::Key_Return);
        QTest::newRow(size + ", Space") << factor << int(Qt::Key_Space);
        QTest::newRow(size + ", Escape") << factor << int(Qt::Key_Escape);
    }
}

// A pupil who works by keys types a letter into the sum and checks: the message that the
// row cannot be read is a window of its own, over the program's and scaled as it is, with
// the keyboard on its OK. Nothing behind it takes a click or a key while it is open; once
// closed by a key, the next check is answered at the first press.
void TestDesktop::theMessageIsClosedByKeysAndHoldsTheWindow() {
    QFETCH(double, factor);
    QFETCH(int, closeKey);
    ShownWindow scaled(factor, {42, 64, 0}); // 43 + 65, as the first exercise
    TForm1& form = scaled.form;
    QWidget* shown = scaled.shown;
    Activate(shown);
    QWindow* window = shown->windowHandle();
    const Controls& ui = form.Ui();
    QCOMPARE(ui.Prijs[11]->text() + ui.Prijs[12]->text(), QStringLiteral("4365"));
    const QString numberBefore = ui.Reeksteller->text();

    QTest::keyClick(window, Qt::Key_A);
    struct WhileOpen {
        bool ownWindow = false;
        bool scaledAlike = false;
        bool okHasKeys = false;
        bool closedByKey = true;
        QString komma, units, reeks;
    } open;
    QTimer::singleShot(0, [&] {
        QMessageBox* box = nullptr;
        for (QWidget* w : QApplication::allWidgets()) {
            box = box != nullptr ? box : qobject_cast<QMessageBox*>(w);
        }
        QWidget* modal = QApplication::activeModalWidget();
        if (box == nullptr) {
            return;
        }
        open.ownWindow = modal != nullptr && modal->isWindow() &&
                         modal->graphicsProxyWidget() == nullptr && modal != shown &&
                         (modal == box || desktop::ScaledWindow::Of(box));
        if (!open.ownWindow) {
            box->done(0); // not by events: a message drawn inside the window ends the test
            return;
        }
        Activate(modal);
        open.scaledAlike = qAbs(double(modal->width()) / box->width() - factor) < 0.01;
        open.okHasKeys = FocusedWidget() == box->button(QMessageBox::Ok);
        // The F2 let go while the message is up goes nowhere near the window.
        QTest::keyRelease(window, Qt::Key_F2);
        // A click on Komma and a digit for the sum, at the window behind the message.
        const QPointF komma = CentreInWindow(&form, ui.Komma);
        QTest::mouseClick(window, Qt::LeftButton, {}, (komma * factor).toPoint());
        QTest::keyClick(window, Qt::Key_7);
        open.komma = ui.Komma->isChecked() ? "ticked" : "clear";
        open.units = ui.Tot[1]->text();
        open.reeks = ui.Reeksteller->text();
        QTest::keyClick(modal->windowHandle(), Qt::Key(closeKey));
        if (box->isVisible()) {
            open.closedByKey = false;
            box->done(0); // not by events: a message the keys could not close ends the test
        }
    });
    QTest::keyPress(window, Qt::Key_F2);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QVERIFY(open.ownWindow);
    QVERIFY(open.scaledAlike);
    QVERIFY(open.okHasKeys);
    QVERIFY(open.closedByKey);
    QCOMPARE(open.komma, QStringLiteral("clear"));
    QCOMPARE(open.units, QStringLiteral("a"));
    QCOMPARE(open.reeks, numberBefore);

    // Back at the window: the row put right, and one press of F2 judges it.
    Activate(shown);
    QTest::keyClick(window, Qt::Key_F7);
    for (const char digit : {'8', '0', '1'}) {
        QTest::keyClick(window, digit);
    }
    QTest::keyPress(window, Qt::Key_F2);
    const auto* announcer = form.findChild<Announcer*>();
    QVERIFY(announcer != nullptr && announcer->isVisible());
    QCOMPARE(announcer->accessibleName(), QStringLiteral("Som goed."));
    QTest::keyRelease(window, Qt::Key_F2);
    QVERIFY(ui.VolgendeOefening->isVisible());
}

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
