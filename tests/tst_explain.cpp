// SPDX-License-Identifier: GPL-3.0-or-later
// Uitleg on the real window, switched on by the pupil's own preset file: a wrong check
// marks the column where the row first went wrong and says which in the help box and to
// a screen reader; the second wrong check says why; "show me" works the column out and
// counts the exercise helped; the results of a timed series tell how the points were
// made. Without the key nothing of it is there.

#include "app/accessibility.h"
#include "app/panels/sum_row_panel.h"
#include "support/config_folder.h"
#include "support/form_fixture.h"
#include "support/scripted_clock.h"

#include <QtTest>

using std::chrono::milliseconds;

namespace {

// 57 + 68 = 125, paid 130: the draws of the first exercise.
const std::initializer_list<int> k57Plus68{56, 67, 0};

// What the screen reader was last told.
QString Announced(const ShownForm& f) {
    const auto* announcer = f.form->findChild<Announcer*>();
    return announcer && announcer->isVisible() ? announcer->accessibleName() : QString();
}

QString HelpBox(const ShownForm& f) {
    return f->Help->toPlainText();
}

void Check(const ShownForm& f) {
    ClickThroughWindow(f.form.get(), f->Kontroleer);
}

// Whether the mark stands, and under which control.
bool MarkedUnder(const ShownForm& f, const QWidget* control) {
    const QWidget* mark = f->UitlegMarkering;
    return mark->isVisible() && mark->x() == control->x() && mark->width() == control->width() &&
           mark->y() > control->geometry().bottom() && mark->y() < control->geometry().bottom() + 8;
}

} // namespace

class ExplainTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void wrongCheckMarksTheColumn();
    void secondWrongCheckSaysWhy_data();
    void secondWrongCheckSaysWhy();
    void markGoesWithItsCheck();
    void showMeWorksTheColumnOut();
    void redDigitTypedAgainIsHelp();
    void theChange();
    void resultsTellHowThePointsWereMade();
    void withoutUitlegNothingOfIt_data();
    void withoutUitlegNothingOfIt();
    void onlyOneMistakeIsNamed();
};

void ExplainTest::initTestCase() {
    InstallAccessibility();
}

void ExplainTest::wrongCheckMarksTheColumn() {
    PupilFolder file("[Instellingen]\nUitleg=true\n");
    ShownForm f = ShowForm(k57Plus68);
    // 115: the carry of the units left out, the tens wrong.
    TypeKeys(f.form.get(), QStringLiteral("511"));
    Check(f);
    QVERIFY(MarkedUnder(f, f->Tot[2]));
    QCOMPARE(HelpBox(f), QStringLiteral("Kijk nog eens naar de tientallen."));
    QCOMPARE(Announced(f), QStringLiteral("Som fout. Kijk nog eens naar de tientallen."));
    QVERIFY(f->ToonMij->isVisible());
    // The marked box tells a screen reader too, and the focus is back in the units box.
    QCOMPARE(f->Tot[2]->accessibleDescription(),
             QStringLiteral("Kijk nog eens naar de tientallen."));
    QVERIFY(f->Tot[1]->hasFocus());
    // The pointer passing over other controls leaves the text until the pupil acts on it.
    for (const QWidget* w :
         {static_cast<const QWidget*>(f->Hulpjes), static_cast<const QWidget*>(f->Prijs[12]),
          static_cast<const QWidget*>(f->Kontroleer)}) {
        QTest::mouseMove(f.form->windowHandle(), CentreInWindow(f.form.get(), w));
    }
    QCOMPARE(HelpBox(f), QStringLiteral("Kijk nog eens naar de tientallen."));

    // Typing in the row takes it all away; the pointer explains again.
    TypeKeys(f.form.get(), QStringLiteral("5"));
    QVERIFY(f->UitlegMarkering->isHidden());
    QVERIFY(f->ToonMij->isHidden());
    QCOMPARE(HelpBox(f), QString());
    QCOMPARE(f->Tot[2]->accessibleDescription(), f->Tot[2]->accessibleName());
    QTest::mouseMove(f.form->windowHandle(), CentreInWindow(f.form.get(), f->Prijs[12]));
    QVERIFY(HelpBox(f).startsWith(QStringLiteral("Op te tellen waarde.")));

    // So does a new exercise; a right check marks nothing.
    TypeKeys(f.form.get(), QStringLiteral("11"));
    Check(f);
    QVERIFY(f->UitlegMarkering->isVisible());
    ClickThroughWindow(f.form.get(), f->VolgendeOefening);
    QVERIFY(f->UitlegMarkering->isHidden());
    QCOMPARE(HelpBox(f), QString());
    const ExerciseState& ex = f.lesson().Exercise();
    for (int n = 1; n <= 14 && ex.ExpectedChar[n] != ' '; ++n) {
        TypeKeys(f.form.get(), QString(QLatin1Char(ex.ExpectedChar[n])));
    }
    Check(f);
    QVERIFY(f->UitlegMarkering->isHidden());
    QCOMPARE(Announced(f), QStringLiteral("Som goed."));
}

void ExplainTest::secondWrongCheckSaysWhy_data() {
    QTest::addColumn<QString>("keys"); // typed into the row of 57 + 68, units first
    QTest::addColumn<QString>("said"); // the help box after the second wrong check
    QTest::newRow("a carry not added")
        << "511"
        << "Kijk nog eens naar de tientallen.\n"
           "Wat je onthield bij de eenheden, is niet opgeteld bij de tientallen.";
    QTest::newRow("the digits swapped")
        << "161"
        << "Kijk nog eens naar de eenheden.\n"
           "Bij de eenheden schreef je op wat je moest onthouden, en onthield je wat "
           "je moest opschrijven.";
    // A slip no mistake explains: the column only, however often.
    QTest::newRow("a slip") << "541"
                            << "Kijk nog eens naar de tientallen.";
}

void ExplainTest::secondWrongCheckSaysWhy() {
    QFETCH(QString, keys);
    QFETCH(QString, said);
    PupilFolder file("[Instellingen]\nUitleg=true\n");
    ShownForm f = ShowForm(k57Plus68);
    TypeKeys(f.form.get(), keys);
    Check(f);
    QCOMPARE(HelpBox(f), said.section(QLatin1Char('\n'), 0, 0));
    // Checked again without a change: the second wrong check.
    Check(f);
    QCOMPARE(HelpBox(f), said);
    QCOMPARE(Announced(f), QStringLiteral("Som fout. ") +
                               QString(said).replace(QLatin1Char('\n'), QLatin1Char(' ')));
}

void ExplainTest::markGoesWithItsCheck() {
    PupilFolder file("[Instellingen]\nUitleg=true\n");
    ShownForm f = ShowForm(k57Plus68);
    TypeKeys(f.form.get(), QStringLiteral("511"));
    Check(f);
    QVERIFY(f->UitlegMarkering->isVisible());
    // Into a settings field: the check no longer stands, nor does what it marked.
    PressKey(f.form.get(), Qt::Key_G, Qt::AltModifier);
    QCOMPARE(f.lesson().Phase(), LessonPhase::Answering);
    QVERIFY(f->UitlegMarkering->isHidden());
    QVERIFY(f->ToonMij->isHidden());
    QCOMPARE(HelpBox(f), QString());
}

void ExplainTest::showMeWorksTheColumnOut() {
    PupilFolder file("[Instellingen]\nUitleg=true\n");
    ShownForm f = ShowForm(k57Plus68);
    // Nothing to show before a wrong check: the key does nothing.
    PressKey(f.form.get(), Qt::Key_F12);
    QVERIFY(!f.lesson().Helped());
    TypeKeys(f.form.get(), QStringLiteral("511"));
    Check(f);
    ClickThroughWindow(f.form.get(), f->ToonMij);
    const QString worked = QStringLiteral("5 + 6 + 1 = 12: schrijf 2, onthoud 1");
    QCOMPARE(HelpBox(f), QStringLiteral("Kijk nog eens naar de tientallen.\n") + worked);
    QCOMPARE(Announced(f), worked);
    QVERIFY(f.lesson().Helped());
    // The focus stayed in the row: the pupil types on.
    QVERIFY(f->Tot[1]->hasFocus());

    // By its key, as a blind pupil reaches it; the exercise counts as helped when right.
    PressKey(f.form.get(), Qt::Key_F7);
    TypeKeys(f.form.get(), QStringLiteral("511"));
    Check(f);
    PressKey(f.form.get(), Qt::Key_F12);
    QCOMPARE(Announced(f), worked);
    PressKey(f.form.get(), Qt::Key_F7);
    TypeKeys(f.form.get(), QStringLiteral("521"));
    Check(f);
    ClickThroughWindow(f.form.get(), f->VolgendeOefening);
    QCOMPARE(f.lesson().Outcomes().Helped, 1);
    QCOMPARE(f.lesson().Points(), 1);
}

void ExplainTest::redDigitTypedAgainIsHelp() {
    PupilFolder file("[Instellingen]\nUitleg=true\nHulpjes=true\n");
    ShownForm f = ShowForm(k57Plus68);
    // A right digit, and one the helps show red, typed again: help the pupil had.
    TypeKeys(f.form.get(), QStringLiteral("5"));
    QVERIFY(!f.lesson().Helped());
    TypeKeys(f.form.get(), QStringLiteral("3"));
    QVERIFY(!f.lesson().Helped());
    PressKey(f.form.get(), Qt::Key_Right); // back to the tens
    TypeKeys(f.form.get(), QStringLiteral("2"));
    QVERIFY(f.lesson().Helped());
}

void ExplainTest::theChange() {
    PupilFolder file("[Instellingen]\nUitleg=true\nKasticket=true\n");
    ShownForm f = ShowForm();
    const ExerciseState& ex = f.lesson().Exercise();
    for (int n = 1; n <= 14 && ex.ExpectedChar[n] != ' '; ++n) {
        TypeKeys(f.form.get(), QString(QLatin1Char(ex.ExpectedChar[n])));
    }
    // The change worked out as the total minus the amount paid.
    ClickThroughWindow(f.form.get(), f->Teruggave);
    TypeKeys(f.form.get(), QString::fromStdString(FormatPlain(ex.Total - ex.Paid)));
    Check(f);
    QVERIFY(MarkedUnder(f, f->Teruggave));
    QVERIFY2(HelpBox(f).endsWith(QStringLiteral(" van de teruggave.")), qPrintable(HelpBox(f)));
    Check(f);
    QVERIFY2(HelpBox(f).endsWith(QStringLiteral("De teruggave is wat betaald is min het totaal.")),
             qPrintable(HelpBox(f)));
    ClickThroughWindow(f.form.get(), f->ToonMij);
    QVERIFY2(HelpBox(f).endsWith(QStringLiteral("Betaald min totaal: %1 − %2 = %3")
                                     .arg(QString::fromStdString(FormatPlain(ex.Paid)),
                                          QString::fromStdString(FormatPlain(ex.Total)),
                                          QString::fromStdString(FormatPlain(ex.Change)))),
             qPrintable(HelpBox(f)));
    // Typing in the change takes the mark away.
    ClickThroughWindow(f.form.get(), f->Teruggave);
    TypeKeys(f.form.get(), QStringLiteral("1"));
    QVERIFY(f->UitlegMarkering->isHidden());
    QCOMPARE(HelpBox(f), QString());
}

void ExplainTest::resultsTellHowThePointsWereMade() {
    PupilFolder file("[Instellingen]\nUitleg=true\n");
    ShownForm f = ShowForm();
    ScriptedClock* clock = StartTimedSeries(f, {56, 67, 0});
    const auto next = [&f] {
        f.random->Push({56, 67, 0});
        ClickThroughWindow(f.form.get(), f->VolgendeOefening);
    };
    // Right at once; right after a correction; right with help; wrong.
    TypeKeys(f.form.get(), QStringLiteral("521"));
    Check(f);
    next();
    TypeKeys(f.form.get(), QStringLiteral("511"));
    Check(f);
    PressKey(f.form.get(), Qt::Key_F7);
    TypeKeys(f.form.get(), QStringLiteral("521"));
    Check(f);
    next();
    TypeKeys(f.form.get(), QStringLiteral("511"));
    Check(f);
    PressKey(f.form.get(), Qt::Key_F12);
    PressKey(f.form.get(), Qt::Key_F7);
    TypeKeys(f.form.get(), QStringLiteral("521"));
    Check(f);
    next();
    TypeKeys(f.form.get(), QStringLiteral("511"));
    Check(f);
    next();
    // The exercise on screen when the time is up counts for nothing, nor is it marked.
    TypeKeys(f.form.get(), QStringLiteral("511"));
    clock->Now += milliseconds(61000);
    TickTimer(f);
    QVERIFY(f->Panel3->isVisible());
    QVERIFY(f->UitlegMarkering->isHidden());
    QCOMPARE(f->Label48->text(), QStringLiteral("3"));
    QCOMPARE(f->Label49->text(), QStringLiteral("4"));
    const QString counts =
        QStringLiteral("In één keer goed: 1\nGoed na verbetering: 1\nGoed met hulp: 1");
    QCOMPARE(f->UitlegResultaten->text(), counts);
    QVERIFY(f->UitlegResultaten->isVisible());
    QVERIFY2(f->Panel3->accessibleName().endsWith(
                 QStringLiteral(". In één keer goed: 1, Goed na verbetering: 1, Goed met hulp: 1")),
             qPrintable(f->Panel3->accessibleName()));
}

void ExplainTest::withoutUitlegNothingOfIt_data() {
    QTest::addColumn<QByteArray>("file"); // empty: none
    QTest::newRow("no file") << QByteArray();
    QTest::newRow("Uitleg=false") << QByteArray("[Instellingen]\nUitleg=false\n");
}

void ExplainTest::withoutUitlegNothingOfIt() {
    QFETCH(QByteArray, file);
    std::unique_ptr<PupilFolder> own;
    if (!file.isEmpty()) {
        own = std::make_unique<PupilFolder>(file);
    }
    ShownForm f = ShowForm(k57Plus68);
    QVERIFY(f->UitlegMarkering == nullptr);
    QVERIFY(f->ToonMij == nullptr);
    QVERIFY(f->UitlegResultaten == nullptr);
    TypeKeys(f.form.get(), QStringLiteral("511"));
    Check(f);
    Check(f);
    PressKey(f.form.get(), Qt::Key_F12);
    QCOMPARE(Announced(f), QStringLiteral("Som fout."));
    // The help box explains what the pointer passes over, as it always did.
    QVERIFY(!HelpBox(f).contains(QStringLiteral("Kijk")));
    QTest::mouseMove(f.form->windowHandle(), CentreInWindow(f.form.get(), f->Prijs[12]));
    QVERIFY(HelpBox(f).startsWith(QStringLiteral("Op te tellen waarde.")));
    QVERIFY(!f.lesson().Helped());
}

void ExplainTest::onlyOneMistakeIsNamed() {
    // Two mistakes that write the same row (paid less than the total: the total minus the
    // amount paid, or the smaller digits from the larger): the column, not why.
    Diagnosis d;
    d.Row = RowKind::Change;
    d.Column = 4;
    d.From = 2;
    d.Mistakes = {Mistake::ChangeReversed, Mistake::ChangeSmallerFromLarger};
    QCOMPARE(SumRowPanel::WhereAndWhy(d, true),
             QStringLiteral("Kijk nog eens naar de eenheden van de teruggave."));
    d.Mistakes.pop_back();
    QVERIFY(SumRowPanel::WhereAndWhy(d, true).contains(QLatin1Char('\n')));
    QVERIFY(!SumRowPanel::WhereAndWhy(d, false).contains(QLatin1Char('\n')));
    // The comma's column, by its name.
    d = Diagnosis{};
    d.Row = RowKind::Decimal;
    d.Column = 3;
    QCOMPARE(SumRowPanel::WhereAndWhy(d, true), QStringLiteral("Kijk nog eens naar de komma."));
}

QTEST_MAIN(ExplainTest)
#include "tst_explain.moc"
