// The settings bar: judging a typed number, the three fields through mouse and
// keyboard, the check boxes and what they show and hide.

#include "engine/settings.h"
#include "support/form_fixture.h"

namespace {

EditBox* Field(const ShownForm& f, const QString& name) {
    auto* field = f.form->findChild<EditBox*>(name);
    if (field == nullptr) {
        qFatal("no settings field %s", qPrintable(name));
    }
    return field;
}

// Exercises drawn so far: every draw of addends reseeds the source first.
int Draws(const ShownForm& f) {
    return f.random->Reseeds();
}

// Clicks into the field (which empties it) and types the text.
void TypeInto(const ShownForm& f, EditBox* field, const QString& text) {
    ClickThroughWindow(f.form.get(), field);
    TypeKeys(f.form.get(), text);
}

// Leaves the field as a pupil does, by clicking the units box of the sum.
void LeaveByClick(const ShownForm& f) {
    ClickThroughWindow(f.form.get(), f->Tot[1]);
}

// A series in progress, reached by answering two exercises rightly: exercise 3, with 2
// points.
void SeriesInProgress(const ShownForm& f) {
    AnswerRightAndMoveOn(f);
    AnswerRightAndMoveOn(f);
}

void VerifySeriesGoesOn(const ShownForm& f) {
    QCOMPARE(f->Reeksteller->text(), QStringLiteral("3"));
    QCOMPARE(f->Label6->text(), QStringLiteral("2"));
    QCOMPARE(f->Label8->text(), QStringLiteral("3"));
}

void VerifySeriesRestarted(const ShownForm& f) {
    QCOMPARE(f->Reeksteller->text(), QStringLiteral("1"));
    QCOMPARE(f->Label6->text(), QStringLiteral("0"));
    QCOMPARE(f->Label8->text(), QStringLiteral("1"));
}

// The exercise on screen is the one the state holds, drawn for the number of addends
// the field shows: rows, amounts, total, expected characters and sum boxes agree.
void VerifyOneConsistentExercise(const ShownForm& f) {
    const int n = f->MaxArtikels->text().toInt();
    QVERIFY2(n >= MinAddends && n <= MaxAddends, qPrintable(f->MaxArtikels->text()));
    Amount total = 0;
    for (int r = 1; r <= 12; ++r) {
        const bool active = r >= 13 - n;
        QCOMPARE(f->Prijs[r]->isVisible(), active);
        if (active) {
            QCOMPARE(f->Prijs[r]->text().toStdString(), f.lesson().Exercise().Lines[r].AmountText);
            total += f.lesson().Exercise().Lines[r].LineAmount;
        }
    }
    QCOMPARE(f.lesson().Exercise().Total, total);
    const std::string text = TotalText(total, f->Komma->isChecked());
    for (int k = 1; k <= 14; ++k) {
        QCOMPARE(f.lesson().Exercise().ExpectedChar[k], text[14 - k]);
        QCOMPARE(f->Tot[k]->isVisible(), text[14 - k] != ' ');
    }
}

} // namespace

class SettingsTest : public QObject {
    Q_OBJECT
private slots:
    void trimming_data();
    void trimming();
    void integerText_data();
    void integerText();

    void acceptedCountMakesNewExerciseAndSeries();
    void leavingAField_data();
    void leavingAField();
    void enterMakesOneExercise_data();
    void enterMakesOneExercise();
    void startButtonFollowsMinutes_data();
    void startButtonFollowsMinutes();
    void secondClickNeverLeavesAnUnusableText_data();
    void secondClickNeverLeavesAnUnusableText();
    void doubleClickIsOneClick_data();
    void doubleClickIsOneClick();
    void enteringAFieldHidesNextExercise_data();
    void enteringAFieldHidesNextExercise();

    void modeVisibility();
    void walletOptionKeepsTheSeries();
    void helpsShowCarryLabelAndWalletAmount();
};

void SettingsTest::trimming_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("trimmed");
    QTest::newRow("spaces") << QByteArray("  12 ") << QByteArray("12");
    QTest::newRow("controls") << QByteArray("\t\r\n\x01"
                                            "5\x7f\x1f")
                              << QByteArray("5");
    QTest::newRow("inner blank kept") << QByteArray(" 1 2 ") << QByteArray("1 2");
    QTest::newRow("all blank") << QByteArray(" \t ") << QByteArray("");
    QTest::newRow("no-break space kept") << QByteArray("\xc2\xa0"
                                                       "5")
                                         << QByteArray("\xc2\xa0"
                                                       "5");
}

void SettingsTest::trimming() {
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, trimmed);
    QCOMPARE(QByteArray::fromStdString(TrimSettingText(text.toStdString())), trimmed);
}

void SettingsTest::integerText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("integer");
    QTest::addColumn<int>("value");
    QTest::newRow("digits") << "007" << true << 7;
    QTest::newRow("plus") << "+12" << true << 12;
    QTest::newRow("minus") << "-3" << true << -3;
    QTest::newRow("largest") << "2147483647" << true << 2147483647;
    QTest::newRow("smallest") << "-2147483648" << true << int(-2147483647 - 1);
    QTest::newRow("one too large") << "2147483648" << false << 0;
    QTest::newRow("one too small") << "-2147483649" << false << 0;
    QTest::newRow("far too large") << "99999999999999999999" << false << 0;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("sign alone") << "-" << false << 0;
    QTest::newRow("two signs") << "--5" << false << 0;
    QTest::newRow("blank before") << " 5" << false << 0;
    QTest::newRow("blank after") << "5 " << false << 0;
    QTest::newRow("decimal comma") << "1,5" << false << 0;
    QTest::newRow("exponent") << "1e3" << false << 0;
    QTest::newRow("hexadecimal") << "$1F" << false << 0;
    QTest::newRow("letters") << "abc" << false << 0;
}

void SettingsTest::integerText() {
    QFETCH(QString, text);
    QFETCH(bool, integer);
    QFETCH(int, value);
    const std::string s = text.toStdString();
    QCOMPARE(IsNotInteger(s), !integer);
    if (integer) {
        QCOMPARE(ReadInteger(s).value(), value);
    }
}

void SettingsTest::acceptedCountMakesNewExerciseAndSeries() {
    ShownForm f = ShowForm({56, 67, 0});
    SeriesInProgress(f);

    ClickThroughWindow(f.form.get(), f->MaxArtikels);
    QCOMPARE(f->MaxArtikels->text(), QString());
    QCOMPARE(QApplication::focusWidget(), f->MaxArtikels);
    TypeKeys(f.form.get(), "5");
    // Only leaving the field judges the text.
    const int before = Draws(f);
    QCOMPARE(f->Prijs[8]->isVisible(), false);

    f.random->Push({0, 1, 2, 3, 9, 0}); // 1 + 2 + 3 + 4 + 10 = 20, paid 30
    LeaveByClick(f);
    QCOMPARE(Draws(f), before + 1);
    QCOMPARE(f->MaxArtikels->text(), QStringLiteral("5"));
    const QStringList shown = {f->Prijs[8]->text(), f->Prijs[9]->text(), f->Prijs[10]->text(),
                               f->Prijs[11]->text(), f->Prijs[12]->text()};
    QCOMPARE(shown, (QStringList{"1", "2", "3", "4", "10"}));
    VerifyOneConsistentExercise(f);
    if (QTest::currentTestFailed()) {
        return;
    }
    VerifySeriesRestarted(f);
}

void SettingsTest::leavingAField_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<bool>("newExercise");

    QTest::newRow("addends: in range") << "MaxArtikels"
                                       << "12"
                                       << "12" << true;
    QTest::newRow("addends: above range") << "MaxArtikels"
                                          << "13"
                                          << "2" << false;
    QTest::newRow("addends: below range") << "MaxArtikels"
                                          << "1"
                                          << "2" << false;
    QTest::newRow("addends: negative") << "MaxArtikels"
                                       << "-5"
                                       << "2" << false;
    QTest::newRow("addends: same again") << "MaxArtikels"
                                         << "2"
                                         << "2" << false;
    QTest::newRow("addends: empty") << "MaxArtikels"
                                    << ""
                                    << "2" << false;
    QTest::newRow("addends: blank before") << "MaxArtikels"
                                           << " 7"
                                           << "7" << true;
    QTest::newRow("maximum: other") << "MaxGetal"
                                    << "50"
                                    << "50" << true;
    QTest::newRow("maximum: spaces") << "MaxGetal"
                                     << "  50  "
                                     << "50" << true;
    QTest::newRow("maximum: negative taken") << "MaxGetal"
                                             << "-5"
                                             << "-5" << true;
    QTest::newRow("maximum: same again") << "MaxGetal"
                                         << "100"
                                         << "100" << false;
    QTest::newRow("maximum: same with spaces") << "MaxGetal"
                                               << " 100"
                                               << "100" << false;
    QTest::newRow("maximum: letters") << "MaxGetal"
                                      << "abc"
                                      << "100" << false;
    QTest::newRow("maximum: empty") << "MaxGetal"
                                    << ""
                                    << "100" << false;
    QTest::newRow("minutes: same again") << "TimerMinuten"
                                         << "0"
                                         << "0" << true;
    QTest::newRow("minutes: decimal") << "TimerMinuten"
                                      << "1,5"
                                      << "0" << false;
    QTest::newRow("minutes: empty") << "TimerMinuten"
                                    << ""
                                    << "0" << false;
}

void SettingsTest::leavingAField() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(bool, newExercise);

    ShownForm f = ShowForm({56, 67, 0});
    SeriesInProgress(f);
    EditBox* box = Field(f, field);
    const QString first = f->Prijs[12]->text();
    const int before = Draws(f);
    TypeInto(f, box, typed);
    f.random->Push({0, 0, 0}); // fits every maximum here, 0 and below included
    LeaveByClick(f);

    QCOMPARE(box->text(), kept);
    QCOMPARE(Draws(f), before + (newExercise ? 1 : 0));
    if (newExercise) {
        VerifySeriesRestarted(f);
    } else {
        QCOMPARE(f->Prijs[12]->text(), first);
        VerifySeriesGoesOn(f);
    }
    VerifyOneConsistentExercise(f);
}

void SettingsTest::enterMakesOneExercise_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<int>("addends");

    QTest::newRow("addends: changed") << "MaxArtikels"
                                      << "5"
                                      << "5" << 5;
    QTest::newRow("addends: same") << "MaxArtikels"
                                   << "2"
                                   << "2" << 2;
    QTest::newRow("addends: above range") << "MaxArtikels"
                                          << "13"
                                          << "2" << 2;
    QTest::newRow("addends: zero") << "MaxArtikels"
                                   << "0"
                                   << "2" << 2;
    QTest::newRow("addends: letters") << "MaxArtikels"
                                      << "x"
                                      << "2" << 2;
    QTest::newRow("maximum: changed") << "MaxGetal"
                                      << " 50"
                                      << "50" << 2;
    QTest::newRow("maximum: same") << "MaxGetal"
                                   << "100"
                                   << "100" << 2;
    QTest::newRow("maximum: empty") << "MaxGetal"
                                    << ""
                                    << "100" << 2;
    QTest::newRow("minutes: changed") << "TimerMinuten"
                                      << "5"
                                      << "5" << 2;
    QTest::newRow("minutes: same") << "TimerMinuten"
                                   << "0"
                                   << "0" << 2;
    QTest::newRow("minutes: letters") << "TimerMinuten"
                                      << "abc"
                                      << "0" << 2;
}

void SettingsTest::enterMakesOneExercise() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(int, addends);

    ShownForm f = ShowForm({56, 67, 0});
    SeriesInProgress(f);
    EditBox* box = Field(f, field);
    TypeInto(f, box, typed);
    const int before = Draws(f);
    // Addends 11, 12, ...: a second exercise drawn behind this one would show draws from
    // past the script.
    for (int i = 0; i < addends; ++i) {
        f.random->Push(10 + i);
    }
    f.random->Push(0);
    PressKey(f.form.get(), Qt::Key_Return);

    QCOMPARE(box->text(), kept);
    QCOMPARE(Draws(f), before + 1);
    QVERIFY(f.random->Empty());
    QCOMPARE(QApplication::focusWidget(), f->Tot[1]);
    for (int i = 0; i < addends; ++i) {
        QCOMPARE(f->Prijs[13 - addends + i]->text(), QString::number(11 + i));
    }
    VerifyOneConsistentExercise(f);
    if (QTest::currentTestFailed()) {
        return;
    }
    VerifySeriesRestarted(f);
    QVERIFY(!f->VolgendeOefening->isVisible());
}

void SettingsTest::startButtonFollowsMinutes_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("byEnter");
    QTest::addColumn<bool>("shown");

    for (bool byEnter : {false, true}) {
        const char* how = byEnter ? "Enter" : "leaving";
        QTest::addRow("%s 7", how) << "7" << byEnter << true;
        QTest::addRow("%s 0", how) << "0" << byEnter << false;
        QTest::addRow("%s -3", how) << "-3" << byEnter << false;
        QTest::addRow("%s refused", how) << "x" << byEnter << true;
    }
}

void SettingsTest::startButtonFollowsMinutes() {
    QFETCH(QString, typed);
    QFETCH(bool, byEnter);
    QFETCH(bool, shown);

    ShownForm f = ShowForm();
    QVERIFY(!f->Startknop->isVisible());
    TypeInto(f, f->TimerMinuten, "5");
    LeaveByClick(f);
    QVERIFY(f->Startknop->isVisible());

    TypeInto(f, f->TimerMinuten, typed);
    if (byEnter) {
        PressKey(f.form.get(), Qt::Key_Return);
    } else {
        LeaveByClick(f);
    }
    QCOMPARE(f->Startknop->isVisible(), shown);
    QCOMPARE(f->TimerMinuten->text(), typed == "x" ? QStringLiteral("5") : typed);
}

void SettingsTest::secondClickNeverLeavesAnUnusableText_data() {
    // A second click records what was typed so far as the text to fall back on.
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("accepted"); // set first, the text last accepted
    QTest::addColumn<QString>("halfTyped");
    QTest::addColumn<QString>("typed"); // after the second click
    QTest::addColumn<bool>("byEnter");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<bool>("newExercise");

    QTest::newRow("addends: empty twice") << "MaxArtikels"
                                          << "5"
                                          << ""
                                          << "" << false << "5" << false;
    QTest::newRow("addends: one, then empty") << "MaxArtikels"
                                              << "5"
                                              << "1"
                                              << "" << false << "5" << false;
    QTest::newRow("addends: 13, then 13") << "MaxArtikels"
                                          << "5"
                                          << "13"
                                          << "13" << false << "5" << false;
    QTest::newRow("addends: one, then 99 and Enter") << "MaxArtikels"
                                                     << "5"
                                                     << "1"
                                                     << "99" << true << "5" << true;
    QTest::newRow("addends: empty twice and Enter") << "MaxArtikels"
                                                    << "5"
                                                    << ""
                                                    << "" << true << "5" << true;
    QTest::newRow("addends: valid half-typed text comes back") << "MaxArtikels"
                                                               << "5"
                                                               << "7"
                                                               << "x" << false << "7" << false;
    QTest::newRow("maximum: empty twice") << "MaxGetal"
                                          << "50"
                                          << ""
                                          << "" << false << "50" << false;
    QTest::newRow("maximum: sign, then letters") << "MaxGetal"
                                                 << "50"
                                                 << "-"
                                                 << "x" << false << "50" << false;
    QTest::newRow("minutes: empty twice and Enter") << "TimerMinuten"
                                                    << "0"
                                                    << ""
                                                    << "" << true << "0" << true;
}

void SettingsTest::secondClickNeverLeavesAnUnusableText() {
    QFETCH(QString, field);
    QFETCH(QString, accepted);
    QFETCH(QString, halfTyped);
    QFETCH(QString, typed);
    QFETCH(bool, byEnter);
    QFETCH(QString, kept);
    QFETCH(bool, newExercise);

    ShownForm f = ShowForm();
    EditBox* box = Field(f, field);
    TypeInto(f, box, accepted);
    LeaveByClick(f);
    QCOMPARE(box->text(), accepted);

    TypeInto(f, box, halfTyped);
    TypeInto(f, box, typed);
    const int before = Draws(f);
    if (byEnter) {
        PressKey(f.form.get(), Qt::Key_Return);
    } else {
        LeaveByClick(f);
    }
    QCOMPARE(box->text(), kept);
    QCOMPARE(Draws(f), before + (newExercise ? 1 : 0));
    // A valid half-typed text written back makes no new exercise, so only the others
    // show an exercise drawn from the field.
    if (newExercise || kept == accepted) {
        VerifyOneConsistentExercise(f);
        if (QTest::currentTestFailed()) {
            return;
        }
    }

    // The next exercise is drawn from the field as it stands.
    f.random->Push({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    ClickThroughWindow(f.form.get(), f->Hulpjes);
    VerifyOneConsistentExercise(f);
}

void SettingsTest::doubleClickIsOneClick_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("same"); // the value the field holds, typed again
    QTest::newRow("addends") << "MaxArtikels"
                             << "2";
    QTest::newRow("maximum") << "MaxGetal"
                             << "100";
}

// The second click of a double click is no second click into the field: the value it
// held is still the one to compare with, so typing it again changes nothing.
void SettingsTest::doubleClickIsOneClick() {
    QFETCH(QString, field);
    QFETCH(QString, same);

    ShownForm f = ShowForm({56, 67, 0});
    SeriesInProgress(f);
    EditBox* box = Field(f, field);
    const QString first = f->Prijs[12]->text();
    const int before = Draws(f);
    // Press, release, press, double click, release, as Qt delivers a double click.
    QTest::mouseDClick(f.form->windowHandle(), Qt::LeftButton, {},
                       CentreInWindow(f.form.get(), box));
    QCOMPARE(QApplication::focusWidget(), box);
    QCOMPARE(box->text(), QString());
    TypeKeys(f.form.get(), same);
    LeaveByClick(f);

    QCOMPARE(box->text(), same);
    QCOMPARE(Draws(f), before);
    QCOMPARE(f->Prijs[12]->text(), first);
    VerifySeriesGoesOn(f);
}

void SettingsTest::enteringAFieldHidesNextExercise_data() {
    QTest::addColumn<QString>("field");
    QTest::newRow("addends") << "MaxArtikels";
    QTest::newRow("maximum") << "MaxGetal";
    QTest::newRow("minutes") << "TimerMinuten";
}

void SettingsTest::enteringAFieldHidesNextExercise() {
    QFETCH(QString, field);
    ShownForm f = ShowForm();
    ClickThroughWindow(f.form.get(), f->Kontroleer); // a check shows VOLGENDE OEFENING
    QVERIFY(f->VolgendeOefening->isVisible());
    ClickThroughWindow(f.form.get(), Field(f, field));
    QVERIFY(!f->VolgendeOefening->isVisible());
}

void SettingsTest::modeVisibility() {
    ShownForm f = ShowForm();
    TForm1* w = f.form.get();
    const QList<QWidget*> receiptOnly = {f->Geldbeugel,   f->lblBetaald, f->Betaald,
                                         f->lblTeruggave, f->Teruggave,  f->Wis2};
    // Mode as shown: receipt controls, the maximum field, "maximum 100", the purse.
    auto verifyMode = [&](bool receipt, bool simple, bool purse) {
        for (QWidget* c : receiptOnly) {
            QVERIFY2(c->isVisible() == receipt, qPrintable(c->objectName()));
        }
        QCOMPARE(f->MaxGetal->isVisible(), !receipt);
        QCOMPARE(f->lblMaxGetal->isVisible(), !receipt);
        QCOMPARE(f->Eenvoudig->isVisible(), simple);
        QCOMPARE(f->Geld->isVisible(), purse);
    };
    int draws = Draws(f);
    auto click = [&](QWidget* box) {
        ClickThroughWindow(w, box);
        QCOMPARE(Draws(f), ++draws);
    };

    click(f->Kasticket);
    QVERIFY(f->Kasticket->isChecked());
    verifyMode(true, true, false);
    click(f->Komma);
    verifyMode(true, false, false);
    click(f->Komma);
    verifyMode(true, true, false);
    click(f->Eenvoudig);
    ClickThroughWindow(w, f->Geldbeugel);
    QVERIFY(f->Eenvoudig->isChecked());
    QVERIFY(f->Geldbeugel->isChecked());
    verifyMode(true, true, true);

    // Leaving the receipt hides both boxes and keeps their marks.
    draws = Draws(f);
    click(f->Kasticket);
    verifyMode(false, false, false);
    QVERIFY(f->Eenvoudig->isChecked());
    QVERIFY(f->Geldbeugel->isChecked());
    // Hidden, the boxes cannot be reached, and decimals leave "maximum 100" alone.
    ClickThroughWindow(w, f->Geldbeugel);
    click(f->Komma);
    verifyMode(false, false, false);
    QVERIFY(f->Geldbeugel->isChecked());

    // Back to the receipt with decimals: the purse returns, "maximum 100" stays away.
    ClickThroughWindow(w, f->Kasticket);
    verifyMode(true, false, true);
    QVERIFY(f->Kasticket->isChecked());
}

void SettingsTest::walletOptionKeepsTheSeries() {
    ShownForm f = ShowForm();
    ClickThroughWindow(f.form.get(), f->Kasticket);
    SeriesInProgress(f);
    const QString receipt = f->Artikel[11]->text() + f->Prijs[11]->text() + f->Artikel[12]->text() +
                            f->Prijs[12]->text();
    QVERIFY(f.lesson().Exercise().Paid > 0);

    ClickThroughWindow(f.form.get(), f->Geldbeugel);
    QVERIFY(f->Geldbeugel->isChecked());
    // A new receipt, to be paid from the wallet; the series goes on.
    QCOMPARE(f.lesson().Exercise().Paid, Amount(0));
    QVERIFY(receipt != f->Artikel[11]->text() + f->Prijs[11]->text() + f->Artikel[12]->text() +
                           f->Prijs[12]->text());
    VerifySeriesGoesOn(f);

    ClickThroughWindow(f.form.get(), f->Eenvoudig);
    VerifySeriesRestarted(f);
}

void SettingsTest::helpsShowCarryLabelAndWalletAmount() {
    ShownForm f = ShowForm();
    const int before = Draws(f);
    ClickThroughWindow(f.form.get(), f->Hulpjes);
    QVERIFY(f->Hulpje->isVisible());
    // The wallet's box shows its amount whenever the wallet itself is open.
    QVERIFY(!f->GroupBox2->isHidden());
    ClickThroughWindow(f.form.get(), f->Hulpjes);
    QVERIFY(!f->Hulpje->isVisible());
    QVERIFY(f->GroupBox2->isHidden());
    QCOMPARE(Draws(f), before + 2);
}

QTEST_MAIN(SettingsTest)
#include "tst_settings.moc"
