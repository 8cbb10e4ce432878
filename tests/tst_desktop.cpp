// SPDX-License-Identifier: GPL-3.0-or-later
// How big the window may be on a screen, and where it stands there.

#include "app/desktop.h"

#include <QtTest>

class TestDesktop : public QObject {
    Q_OBJECT

private slots:
    void fitFactor_data();
    void fitFactor();
    void framePosition_data();
    void framePosition();
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

QTEST_APPLESS_MAIN(TestDesktop)
#include "tst_desktop.moc"
