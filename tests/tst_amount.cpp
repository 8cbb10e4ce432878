#include "engine/amount.h"

#include <QtTest>

#include <limits>

class TestAmount : public QObject {
    Q_OBJECT

private slots:
    void textForms_data();
    void textForms();
    void readNumber_data();
    void readNumber();
    void readNumberRoundTripsEveryPlainText();
};

void TestAmount::textForms_data() {
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("twoDecimals");
    QTest::addColumn<QString>("aligned");

    QTest::newRow("12,5") << qint64{125000} << "12,5"
                          << "12,50"
                          << "12,5 ";
    QTest::newRow("12") << qint64{120000} << "12"
                        << "12,00"
                        << "12   ";
    QTest::newRow("3,75") << qint64{37500} << "3,75"
                          << "3,75"
                          << "3,75";
    QTest::newRow("0,05") << qint64{500} << "0,05"
                          << "0,05"
                          << "0,05";
    QTest::newRow("0,5") << qint64{5000} << "0,5"
                         << "0,50"
                         << "0,5 ";
    QTest::newRow("0") << qint64{0} << "0"
                       << "0,00"
                       << "0   ";
    QTest::newRow("-3,75") << qint64{-37500} << "-3,75"
                           << "-3,75"
                           << "-3,75";
    QTest::newRow("-12,5") << qint64{-125000} << "-12,5"
                           << "-12,50"
                           << "-12,5 ";
    QTest::newRow("-0,5") << qint64{-5000} << "-0,5"
                          << "-0,50"
                          << "-0,5 ";
    // Finer than a cent: the plain text keeps every digit, none is lost to rounding.
    QTest::newRow("0,0001") << qint64{1} << "0,0001"
                            << "0,0001"
                            << "0,0001";
    QTest::newRow("0,145") << qint64{1450} << "0,145"
                           << "0,145"
                           << "0,145";
    QTest::newRow("1000000") << qint64{10000000000} << "1000000"
                             << "1000000,00"
                             << "1000000   ";
    QTest::newRow("largest") << std::numeric_limits<qint64>::max() << "922337203685477,5807"
                             << "922337203685477,5807"
                             << "922337203685477,5807";
    QTest::newRow("smallest") << std::numeric_limits<qint64>::min() << "-922337203685477,5808"
                              << "-922337203685477,5808"
                              << "-922337203685477,5808";
}

void TestAmount::textForms() {
    QFETCH(qint64, value);
    QFETCH(QString, plain);
    QFETCH(QString, twoDecimals);
    QFETCH(QString, aligned);
    QCOMPARE(QString::fromStdString(FormatPlain(value)), plain);
    QCOMPARE(QString::fromStdString(FormatTwoDecimals(value)), twoDecimals);
    QCOMPARE(QString::fromStdString(FormatAligned(value)), aligned);
}

// value is in ten-thousandths; a refused text has ok false.
void TestAmount::readNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<qint64>("value");

    const qint64 max = std::numeric_limits<qint64>::max();

    // Plain forms, sign and blanks.
    QTest::newRow("whole") << "125" << true << qint64{1250000};
    QTest::newRow("comma") << "12,50" << true << qint64{125000};
    QTest::newRow("plus") << "+3,75" << true << qint64{37500};
    QTest::newRow("minus") << "-3,75" << true << qint64{-37500};
    QTest::newRow("minus zero") << "-0" << true << qint64{0};
    QTest::newRow("blanks around") << "  \t 16,25\t  " << true << qint64{162500};
    QTest::newRow("leading zeros") << "000012" << true << qint64{120000};
    // Like the usual decimal reading, the comma may open or close the digits, as long as
    // there is at least one digit.
    QTest::newRow("leading comma") << ",5" << true << qint64{5000};
    QTest::newRow("trailing comma") << "5," << true << qint64{50000};
    QTest::newRow("signed leading comma") << "-,25" << true << qint64{-2500};

    // Exactly in decimal: no binary rounding on the way.
    QTest::newRow("0,145 stays") << "0,145" << true << qint64{1450};
    QTest::newRow("0,1 + tiny") << "0,10000000000000000001" << true << qint64{1000};
    QTest::newRow("long exact") << "123456789012345,6789" << true << qint64{1234567890123456789};

    // Rounding to the ten-thousandth, ties to even, the same on both sides of zero.
    QTest::newRow("tie down to 0") << "0,00005" << true << qint64{0};
    QTest::newRow("tie up to 2") << "0,00015" << true << qint64{2};
    QTest::newRow("tie down to 2") << "0,00025" << true << qint64{2};
    QTest::newRow("above tie") << "0,000250001" << true << qint64{3};
    QTest::newRow("below tie") << "0,00004999" << true << qint64{0};
    QTest::newRow("negative tie up") << "-0,00015" << true << qint64{-2};
    QTest::newRow("negative tie down") << "-0,00025" << true << qint64{-2};
    QTest::newRow("carry into whole") << "9,99995" << true << qint64{100000};
    QTest::newRow("far below") << "0,000000001" << true << qint64{0};

    // Exponent.
    QTest::newRow("e") << "1,5e2" << true << qint64{1500000};
    QTest::newRow("E plus") << "1,5E+2" << true << qint64{1500000};
    QTest::newRow("E minus") << "125E-1" << true << qint64{125000};
    QTest::newRow("exponent rounds") << "25e-5" << true << qint64{2};
    QTest::newRow("exponent with blanks") << " 2e0 " << true << qint64{20000};
    QTest::newRow("zero huge exponent") << "0e99999999999" << true << qint64{0};
    QTest::newRow("zeros huge exponent") << "0,000e999999999999999999999" << true << qint64{0};
    QTest::newRow("huge negative exponent") << "5e-999999999999" << true << qint64{0};
    QTest::newRow("exponent undoes zeros")
        << "0,0000000000000000000001e22" << true << qint64{10000};

    // Largest values: the edge of an Amount is read, one step beyond is refused.
    QTest::newRow("largest") << "922337203685477,5807" << true << max;
    QTest::newRow("smallest symmetric") << "-922337203685477,5807" << true << -max;
    QTest::newRow("rounds to largest") << "922337203685477,58069" << true << max;
    QTest::newRow("beyond largest") << "922337203685477,5808" << false << qint64{0};
    QTest::newRow("rounds beyond") << "922337203685477,58075" << false << qint64{0};
    QTest::newRow("9e14") << "9e14" << true << qint64{9000000000000000000};

    // Too large: refused, never wrapped around.
    QTest::newRow("1e30") << "1e30" << false << qint64{0};
    QTest::newRow("30 digits") << "123456789012345678901234567890" << false << qint64{0};
    QTest::newRow("1e15") << "1e15" << false << qint64{0};
    QTest::newRow("-1e16") << "-1e16" << false << qint64{0};
    QTest::newRow("huge exponent") << "1e999999999999" << false << qint64{0};
    QTest::newRow("endless exponent") << "1e99999999999999999999999999999999" << false << qint64{0};

    // Not numbers.
    QTest::newRow("empty") << "" << false << qint64{0};
    QTest::newRow("blanks") << "   " << false << qint64{0};
    QTest::newRow("comma alone") << "," << false << qint64{0};
    QTest::newRow("sign alone") << "-" << false << qint64{0};
    QTest::newRow("sign and comma") << "+," << false << qint64{0};
    QTest::newRow("full stop") << "12.5" << false << qint64{0};
    QTest::newRow("two commas") << "1,2,5" << false << qint64{0};
    QTest::newRow("two signs") << "+-5" << false << qint64{0};
    QTest::newRow("blank after sign") << "- 5" << false << qint64{0};
    QTest::newRow("blank inside") << "1 2" << false << qint64{0};
    QTest::newRow("bare exponent") << "e5" << false << qint64{0};
    QTest::newRow("comma exponent") << ",e5" << false << qint64{0};
    QTest::newRow("empty exponent") << "5e" << false << qint64{0};
    QTest::newRow("signed empty exponent") << "5e-" << false << qint64{0};
    QTest::newRow("comma in exponent") << "5e1,5" << false << qint64{0};
    QTest::newRow("letters") << "12abc" << false << qint64{0};
    QTest::newRow("thousands point") << "1.000" << false << qint64{0};
}

void TestAmount::readNumber() {
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(qint64, value);
    const std::optional<Amount> read = ReadNumber(text.toStdString());
    QCOMPARE(read.has_value(), ok);
    if (ok) {
        QCOMPARE(*read, value);
    }
}

// Every text the program shows reads back as the value it came from.
void TestAmount::readNumberRoundTripsEveryPlainText() {
    const Amount samples[] = {
        0,      1,       9999,     10000,      125000,
        -37500, 1234567, -9999999, 9999999999, std::numeric_limits<Amount>::max()};
    for (Amount a : samples) {
        for (const std::string& text : {FormatPlain(a), FormatTwoDecimals(a), FormatAligned(a)}) {
            const std::optional<Amount> read = ReadNumber(text);
            QVERIFY2(read.has_value(), text.c_str());
            QCOMPARE(*read, a);
        }
    }
}

QTEST_APPLESS_MAIN(TestAmount)
#include "tst_amount.moc"
