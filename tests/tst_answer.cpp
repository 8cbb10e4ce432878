// The sum row's rules that need no window.

#include "answer/answer.h"

#include <QtTest>

class AnswerTest : public QObject {
    Q_OBJECT
private slots:
    void isRejectedEntry_data();
    void isRejectedEntry();
    void assembleSum_data();
    void assembleSum();
};

void AnswerTest::isRejectedEntry_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("rejected");
    for (char c : QByteArrayLiteral("0123456789,.")) {
        if (c != '\0') {
            QTest::addRow("'%c'", c) << QByteArray(1, c) << false;
        }
    }
    QTest::newRow("empty") << QByteArray() << true;
    QTest::newRow("blank") << QByteArray(" ") << true;
    QTest::newRow("letter") << QByteArray("a") << true;
    QTest::newRow("sign") << QByteArray("-") << true;
    QTest::newRow("two digits") << QByteArray("12") << true;
    QTest::newRow("digit and blank") << QByteArray("1 ") << true;
    QTest::newRow("NUL") << QByteArray(1, '\0') << true;
    QTest::newRow("other script's digit") << QByteArray("\xd9\xa3") << true;
}

void AnswerTest::isRejectedEntry() {
    QFETCH(QByteArray, text);
    QFETCH(bool, rejected);
    QCOMPARE(IsRejectedEntry(std::string_view(text.constData(), text.size())), rejected);
}

void AnswerTest::assembleSum_data() {
    // Box texts from Tot1 on; a hidden box is an empty text.
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("typed");
    QTest::newRow("125") << QStringList{"5", "2", "1"} << "00000000000125";
    QTest::newRow("blank and empty count as 0")
        << QStringList{"5", " ", "", "1"} << "00000000001005";
    QTest::newRow("whole text of a box") << QStringList{"54"} << "000000000000054";
    QTest::newRow("decimal") << QStringList{"0", "5", ",", "2", "1"} << "00000000012,50";
    QStringList fourteen;
    for (int n = 1; n <= 14; ++n) {
        fourteen << QString::number(n % 10);
    }
    QTest::newRow("all fourteen") << fourteen << "43210987654321";
}

void AnswerTest::assembleSum() {
    QFETCH(QStringList, boxes);
    QFETCH(QString, typed);
    SumBoxTexts texts;
    for (int n = 1; n <= boxes.size(); ++n) {
        texts[static_cast<std::size_t>(n)] = boxes[n - 1].toStdString();
    }
    QCOMPARE(QString::fromStdString(AssembleSum(texts)), typed);
}

QTEST_APPLESS_MAIN(AnswerTest)
#include "tst_answer.moc"
