// A school's preset file: the window starts from its values, keeps its locked settings
// whatever the pupil or a screen reader does, and shrugs off a file that is bad in any way.

#include "app/accessibility.h"
#include "app/panels/info_panel.h"
#include "app/presets.h"
#include "support/config_folder.h"
#include "support/form_fixture.h"
#include "support/input_routes.h"
#include "support/scripted_clock.h"

#include <QAccessible>
#include <QAccessibleEditableTextInterface>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

Q_DECLARE_METATYPE(CarryProfile)

using std::chrono::milliseconds;

namespace {

QStringList Complaints() {
    QStringList lines;
    LoadPresets([&lines](const QString& line) { lines << line; });
    return lines;
}

QAccessibleInterface* Accessible(QObject* o) {
    return QAccessible::queryAccessibleInterface(o);
}

// What the screen reader was last told.
QString Announced(const ShownForm& f) {
    const auto* announcer = f.form->findChild<Announcer*>();
    return announcer && announcer->isVisible() ? announcer->accessibleName() : QString();
}

// The exercise on screen, measured as the pupil works its columns.
CarryFacts Carries(const ShownForm& f) {
    const AddendSettings& s = f.lesson().Settings().Addends;
    return MeasureCarries(f.lesson().Exercise(), s.N, s.Decimal);
}

QString Level(int n, int maxValue, bool decimal, CarryProfile carries) {
    return InfoPanel::LevelName(AddendSettings{n, maxValue, decimal, false, false, carries});
}

} // namespace

class PresetsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void appliedAtStart_data();
    void appliedAtStart();
    void lockedSettingsRefuseEveryRoute();
    void lockedSettingsSayWhy();
    void carryProfile_data();
    void carryProfile();
    void ladderClimbsAndIsLeft();
    void lockedLadder();
    void badFiles_data();
    void badFiles();
    void onlyTheFirstFileCounts();
    void relativeFoldersAreNotRead();
    void pupilsOwnFile_data();
    void pupilsOwnFile();
    void pupilsOwnFileIsFoundAsXdgSays();
};

void PresetsTest::initTestCase() {
    InstallAccessibility();
}

void PresetsTest::appliedAtStart_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("fields"); // MaxArtikels, MaxGetal, TimerMinuten
    QTest::addColumn<QString>("marks");      // Komma, Kasticket, Portemonnee, Hulpjes, Maximum100

    QTest::newRow("three addends up to 1000")
        << QByteArray("[Instellingen]\nAantal=3            ; MaxArtikels\nMaxGetal=1000\n")
        << QStringList{"3", "1000", "0"} << "00000";
    QTest::newRow("the largest values the fields take")
        << QByteArray("[Instellingen]\nAantal=12\nMaxGetal=999999\nTimerMinuten=999\n")
        << QStringList{"12", "999999", "999"} << "00000";
    QTest::newRow("the smallest") << QByteArray(
                                         "[Instellingen]\nAantal=2\nMaxGetal=1\nTimerMinuten=0\n")
                                  << QStringList{"2", "1", "0"} << "00000";
    QTest::newRow("a timed series of two minutes") << QByteArray("[Instellingen]\nTimerMinuten=2\n")
                                                   << QStringList{"2", "100", "2"} << "00000";
    QTest::newRow("receipt paid from the wallet, decimals, helps")
        << QByteArray("[Instellingen]\nAantal=4\nKomma=true\nKasticket=true\nPortemonnee=true\n"
                      "Hulpjes=true\n")
        << QStringList{"4", "100", "0"} << "11110";
    QTest::newRow("receipt up to 100")
        << QByteArray("[Instellingen]\nKasticket=TRUE\nMaximum100=true\n")
        << QStringList{"2", "100", "0"} << "01001";
    QTest::newRow("a bad value beside good ones")
        << QByteArray("[Instellingen]\nAantal=13\nMaxGetal=50\nKomma=maybe\nHulpjes=true\n")
        << QStringList{"2", "50", "0"} << "00010";
}

void PresetsTest::appliedAtStart() {
    QFETCH(QByteArray, file);
    QFETCH(QStringList, fields);
    QFETCH(QString, marks);
    PresetFolder folder(file);
    ShownForm f = ShowForm();

    // The settings bar as if the pupil had set it.
    QCOMPARE(f->MaxArtikels->text(), fields[0]);
    QCOMPARE(f->MaxGetal->text(), fields[1]);
    QCOMPARE(f->TimerMinuten->text(), fields[2]);
    const QCheckBox* boxes[] = {f->Komma, f->Kasticket, f->Geldbeugel, f->Hulpjes, f->Eenvoudig};
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(boxes[i]->isChecked(), marks[i] == QLatin1Char('1'));
        QVERIFY(boxes[i]->isEnabled());
    }
    const bool receipt = marks[1] == QLatin1Char('1');
    QCOMPARE(f->Geldbeugel->isVisible(), receipt);
    QCOMPARE(f->MaxGetal->isVisible(), !receipt);
    QCOMPARE(f->Eenvoudig->isVisible(), receipt && marks[0] == QLatin1Char('0'));
    QCOMPARE(f->Geld->isVisible(), receipt && marks[2] == QLatin1Char('1'));
    QCOMPARE(f->Hulpje->isVisible(), marks[3] == QLatin1Char('1'));
    QCOMPARE(f->Startknop->isVisible(), fields[2].toInt() > 0);

    // The first exercise is drawn from them, and the series starts at 1.
    const LessonSettings& s = f.lesson().Settings();
    QCOMPARE(s.Addends.N, fields[0].toInt());
    QCOMPARE(s.Addends.MaxValue, fields[1].toInt());
    QCOMPARE(s.Addends.Decimal, marks[0] == QLatin1Char('1'));
    QCOMPARE(s.Addends.Receipt, receipt);
    QCOMPARE(s.PayFromWallet, marks[2] == QLatin1Char('1'));
    QCOMPARE(f.lesson().FirstLineInUse(), 13 - fields[0].toInt());
    if (!receipt) {
        for (int r = f.lesson().FirstLineInUse(); r <= 12; ++r) {
            QVERIFY(f.lesson().Exercise().Lines[static_cast<std::size_t>(r)].LineAmount <=
                    Whole(fields[1].toInt() + 1));
        }
    }
    QCOMPARE(f->Reeksteller->text(), QStringLiteral("1"));
    QCOMPARE(f->Label6->text(), QStringLiteral("0"));
    QCOMPARE(QApplication::focusWidget(), f->Tot[1]);
}

void PresetsTest::lockedSettingsRefuseEveryRoute() {
    PresetFolder folder("[Instellingen]\nAantal=3\nTimerMinuten=2\nKasticket=true\n"
                        "[Vergrendeld]\nAantal=true\nTimerMinuten=true\nKasticket=true\n"
                        "Komma=true\n");
    ShownForm f = ShowForm();
    TForm1* form = f.form.get();
    auto unchanged = [&] {
        QCOMPARE(f->MaxArtikels->text(), QStringLiteral("3"));
        QCOMPARE(f->TimerMinuten->text(), QStringLiteral("2"));
        QVERIFY(f->Kasticket->isChecked());
        QVERIFY(!f->Komma->isChecked());
        QCOMPARE(f.lesson().Settings().Addends.N, 3);
        QVERIFY(f.lesson().Receipt());
        QVERIFY(!f.lesson().Settings().Addends.Decimal);
    };
    for (QWidget* w :
         std::initializer_list<QWidget*>{f->MaxArtikels, f->TimerMinuten, f->Kasticket, f->Komma}) {
        QVERIFY(!w->isEnabled());
        QVERIFY(w->isVisible());
    }
    unchanged();

    // The mouse, the Alt letters and typing after them.
    for (QWidget* w :
         std::initializer_list<QWidget*>{f->MaxArtikels, f->TimerMinuten, f->Kasticket, f->Komma}) {
        ClickThroughWindow(form, w);
    }
    for (Qt::Key key : {Qt::Key_A, Qt::Key_T, Qt::Key_K, Qt::Key_O}) {
        PressKey(form, key, Qt::AltModifier);
        TypeKeys(form, QStringLiteral("7"));
        PressKey(form, Qt::Key_Return);
    }
    unchanged();
    // A drop and a paste.
    QVERIFY(!DropText(form, CentreInWindow(form, f->MaxArtikels), QStringLiteral("9")));
    QVERIFY(
        !PickFromContextMenu(form, CentreInWindow(form, f->TimerMinuten), QStringLiteral("Paste")));
    unchanged();
    // A screen reader's actions: a field's text set or typed into, a box toggled.
    Accessible(f->MaxArtikels)->setText(QAccessible::Value, QStringLiteral("9"));
    Accessible(f->TimerMinuten)->editableTextInterface()->insertText(0, QStringLiteral("1"));
    for (QCheckBox* box : {f->Kasticket, f->Komma}) {
        QAccessibleActionInterface* actions = Accessible(box)->actionInterface();
        actions->doAction(QAccessibleActionInterface::toggleAction());
    }
    Accessible(f->MaxArtikels)
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::setFocusAction());
    QVERIFY(!f->MaxArtikels->hasFocus());
    unchanged();

    // A timed series of the locked two minutes, run out, and RESET: the presets stay.
    auto clock = std::make_unique<ScriptedClock>();
    ScriptedClock* time = clock.get();
    form->SetSeriesClock(std::move(clock));
    QVERIFY(f->Startknop->isVisible());
    ClickThroughWindow(form, f->Startknop);
    QVERIFY(f.lesson().SeriesRunning());
    time->Now += milliseconds(120002);
    TickTimer(f);
    QVERIFY(f->Panel3->isVisible());
    unchanged();
    ClickThroughWindow(form, f->OKKnop1);
    QVERIFY(f->Panel3->isHidden());
    unchanged();
    QVERIFY(!f->MaxArtikels->isEnabled());
    QVERIFY(f->Instellingen->isEnabled());
    QVERIFY(f->Startknop->isVisible());
}

void PresetsTest::lockedSettingsSayWhy() {
    PresetFolder folder("[Vergrendeld]\nAantal=true\nMaximum100=true\n");
    ShownForm f = ShowForm();
    const QString locked = QStringLiteral("Deze instelling is door de school vastgelegd.");
    // The field and its caption say so after their own text; a box without a text of its
    // own says only that.
    QVERIFY(f->MaxArtikels->accessibleDescription().endsWith(QLatin1Char('\n') + locked));
    QVERIFY(f->Label1->accessibleDescription().endsWith(QLatin1Char('\n') + locked));
    QCOMPARE(f->Eenvoudig->accessibleDescription(), locked);
    QVERIFY(!f->MaxGetal->accessibleDescription().contains(locked));
    // The pointer over the greyed field shows it in the help box.
    QTest::mouseMove(f.form->windowHandle(), CentreInWindow(f.form.get(), f->MaxArtikels));
    QCOMPARE(f->Help->toPlainText(), f->MaxArtikels->accessibleDescription());
}

void PresetsTest::carryProfile_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<CarryProfile>("profile");
    QTest::newRow("zonder, 3 addends")
        << QByteArray("[Instellingen]\nOverdracht=zonder\nAantal=3\n") << CarryProfile::None;
    QTest::newRow("met, up to 20")
        << QByteArray("[Instellingen]\nOverdracht=met\nMaxGetal=20\n") << CarryProfile::Carry;
    QTest::newRow("met with decimals")
        << QByteArray("[Instellingen]\nOverdracht=Met\nKomma=true\n") << CarryProfile::Carry;
    QTest::newRow("dubbel, 4 addends, locked")
        << QByteArray(
               "[Instellingen]\nOverdracht=dubbel\nAantal=4\n[Vergrendeld]\nOverdracht=true\n")
        << CarryProfile::Double;
}

// The school's profile: the first exercise follows it, and every one after, whatever the
// pupil then sets; nothing of it shows on the settings bar.
void PresetsTest::carryProfile() {
    QFETCH(QByteArray, file);
    QFETCH(CarryProfile, profile);
    PresetFolder folder(file);
    ShownForm f = ShowForm();
    QCOMPARE(f.lesson().Settings().Addends.Carries, profile);
    QVERIFY(ProfileHolds(profile, Carries(f)));
    QVERIFY(f->Help->toPlainText().isEmpty());
    for (int i = 0; i < 10; ++i) {
        AnswerRightAndMoveOn(f);
        QVERIFY(ProfileHolds(profile, Carries(f)));
    }
    ConfirmSetting(f, f->MaxArtikels, QStringLiteral("5"));
    QCOMPARE(f.lesson().Settings().Addends.N, 5);
    QVERIFY(ProfileHolds(profile, Carries(f)));
}

// On the ladder from level 4: the bar shows the level, eight right bring the next one with
// the news in the help box and to a screen reader, once; a setting changed by hand leaves
// the ladder for good.
void PresetsTest::ladderClimbsAndIsLeft() {
    PresetFolder folder(
        "[Instellingen]\nLadder=true\nLadderStart=4\nAantal=7\nOverdracht=zonder\n");
    ShownForm f = ShowForm();
    QCOMPARE(f.lesson().LevelOnScreen(), 4);
    QCOMPARE(f->MaxArtikels->text(), QStringLiteral("2"));
    QCOMPARE(f->MaxGetal->text(), QStringLiteral("100"));
    QVERIFY(!f->Komma->isChecked());
    QVERIFY(Carries(f).CarryIntoDigits);
    const QString started =
        QStringLiteral("Ladder, niveau 4 van 12: 2 getallen tot 100, met overdracht.");
    QCOMPARE(Level(2, 100, false, CarryProfile::Carry),
             QStringLiteral("2 getallen tot 100, met overdracht"));
    QCOMPARE(f->Help->toPlainText(), started);
    QVERIFY2(Announced(f).startsWith(started), qPrintable(Announced(f)));

    for (int i = 0; i < 7; ++i) {
        AnswerRightAndMoveOn(f);
        QCOMPARE(f.lesson().LevelOnScreen(), 4);
        QVERIFY(Carries(f).CarryIntoDigits);
        QVERIFY(!Announced(f).contains(QStringLiteral("niveau")));
    }
    AnswerRightAndMoveOn(f);
    QCOMPARE(f.lesson().LevelOnScreen(), 5);
    const QString up =
        QStringLiteral("Goed zo! Naar niveau 5 van 12: 3 getallen tot 100, met overdracht.");
    QCOMPARE(f->MaxArtikels->text(), QStringLiteral("3"));
    QCOMPARE(f.lesson().Settings().Addends.N, 3);
    QCOMPARE(f.lesson().FirstLineInUse(), 10);
    QCOMPARE(f->Help->toPlainText(), up);
    QVERIFY2(Announced(f).startsWith(up), qPrintable(Announced(f)));
    QCOMPARE(f->Reeksteller->text(), QStringLiteral("9")); // the series goes on
    // Said once: the next exercise says only itself.
    AnswerRightAndMoveOn(f);
    QVERIFY(!Announced(f).contains(QStringLiteral("niveau")));

    // The pupil sets six addends: off the ladder, with the school's own profile.
    ConfirmSetting(f, f->MaxArtikels, QStringLiteral("6"));
    QVERIFY(f.lesson().CurrentLadder() == nullptr);
    QCOMPARE(f.lesson().Settings().Addends.N, 6);
    QCOMPARE(f.lesson().Settings().Addends.Carries, CarryProfile::None);
    QVERIFY(!Carries(f).AnyCarry);
    QVERIFY(f->Help->toPlainText().contains(QStringLiteral("de ladder staat uit")));
    for (int i = 0; i < 8; ++i) {
        AnswerRightAndMoveOn(f);
    }
    QCOMPARE(f->MaxArtikels->text(), QStringLiteral("6"));
    QCOMPARE(f.lesson().LevelOnScreen(), 0);
}

// A locked ladder holds the settings that shape the draw; a locked number of addends is
// that of every level, and the ladder writes the rest into the greyed-out fields.
void PresetsTest::lockedLadder() {
    PresetFolder folder("[Instellingen]\nLadder=true\nAantal=3\n"
                        "[Vergrendeld]\nLadder=true\nAantal=true\nKomma=true\n");
    ShownForm f = ShowForm();
    for (QWidget* w :
         std::initializer_list<QWidget*>{f->MaxArtikels, f->MaxGetal, f->Komma, f->Kasticket}) {
        QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
    }
    for (QWidget* w : std::initializer_list<QWidget*>{f->TimerMinuten, f->Hulpjes}) {
        QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
    }
    const QString held = QStringLiteral("De ladder van de school bepaalt deze instelling.");
    QVERIFY(f->MaxGetal->accessibleDescription().endsWith(held));
    QVERIFY(f->lblMaxGetal->accessibleDescription().endsWith(held));
    QVERIFY(!f->MaxArtikels->accessibleDescription().contains(held));
    QCOMPARE(f->Help->toPlainText(),
             QStringLiteral("Ladder, niveau 1 van 12: 3 getallen tot 20, zonder overdracht."));
    QCOMPARE(f->MaxGetal->text(), QStringLiteral("20"));
    // Up two levels: 100 written into the greyed field, three addends all the way.
    for (int i = 0; i < 16; ++i) {
        AnswerRightAndMoveOn(f);
        QCOMPARE(f->MaxArtikels->text(), QStringLiteral("3"));
        QCOMPARE(f.lesson().Settings().Addends.N, 3);
        QVERIFY(!f->Komma->isChecked());
    }
    QCOMPARE(f.lesson().LevelOnScreen(), 3);
    QCOMPARE(f->MaxGetal->text(), QStringLiteral("100"));
    QCOMPARE(f.lesson().Settings().Addends.MaxValue, 100);
    // The helps are the pupil's: the ladder stays.
    ClickThroughWindow(f.form.get(), f->Hulpjes);
    QVERIFY(f.lesson().Settings().Helps);
    QCOMPARE(f.lesson().LevelOnScreen(), 3);
}

void PresetsTest::badFiles_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("complaints"); // what each line names, in order
    QTest::addColumn<QString>("kept");           // a good value kept: MaxGetal

    QByteArray garbage;
    for (int i = 0; i < 4096; ++i) {
        garbage.append(char((i * 7919) % 256));
    }
    QTest::newRow("garbage bytes") << garbage << QStringList{"is geen tekstbestand"} << "";
    QTest::newRow("10 MB") << QByteArray(10 * 1024 * 1024, 'a')
                           << QStringList{"is groter dan 64 KiB"} << "";
    const QByteArray good = "[Instellingen]\nMaxGetal=500\n";
    QTest::newRow("Aantal=13") << good + "Aantal=13\n"
                               << QStringList{"Instellingen/Aantal", "geen aantal van 2 tot 12"}
                               << "500";
    QTest::newRow("Aantal=drie") << good + "Aantal=drie\n"
                                 << QStringList{"Instellingen/Aantal", "\"drie\""} << "500";
    QTest::newRow("Aantal too long to type") << good + "Aantal=003\n"
                                             << QStringList{"Instellingen/Aantal"} << "500";
    QTest::newRow("Komma=maybe") << good + "Komma=maybe\n"
                                 << QStringList{"Instellingen/Komma", "niet true of false"}
                                 << "500";
    QTest::newRow("a list") << good + "Aantal=3,4\n"
                            << QStringList{"Instellingen/Aantal", "geen enkele waarde"} << "500";
    QTest::newRow("unknown key") << good + "Kleur=rood\n"
                                 << QStringList{"Instellingen/Kleur", "onbekende sleutel"} << "500";
    QTest::newRow("unknown group") << good + "[Extra]\nAantal=3\n"
                                   << QStringList{"Extra/Aantal", "onbekende groep"} << "500";
    QTest::newRow("duplicate keys") << good + "Aantal=3\nAantal=4\n"
                                    << QStringList{"Instellingen/Aantal", "meer dan eens"} << "500";
    QTest::newRow("duplicate keys, lines ended by CR")
        << QByteArray("[Instellingen]\rMaxGetal=500\rAantal=3\rAantal=5\r")
        << QStringList{"Instellingen/Aantal", "meer dan eens"} << "500";
    QTest::newRow("duplicate keys, lines ended by CRLF")
        << QByteArray("[Instellingen]\r\nMaxGetal=500\r\nAantal=3\r\nAantal=5\r\n")
        << QStringList{"Instellingen/Aantal", "meer dan eens"} << "500";
    QTest::newRow("duplicate key written with an escape")
        << good + "Aantal=3\n%41antal=5\n"
        << QStringList{"Instellingen/Aantal", "meer dan eens"} << "500";
    QTest::newRow("duplicate key in the group given again")
        << good + "Aantal=3\n[Vergrendeld]\nHulpjes=false\n[Instellingen]\nAantal=5\n"
        << QStringList{"Instellingen/Aantal", "meer dan eens"} << "500";
    QTest::newRow("negative minutes")
        << good + "TimerMinuten=-5\n"
        << QStringList{"Instellingen/TimerMinuten", "0 tot 999"} << "500";
    QTest::newRow("negative largest number")
        << QByteArray("[Instellingen]\nMaxGetal=-5\n")
        << QStringList{"Instellingen/MaxGetal", "1 tot 999999"} << "";
    QTest::newRow("largest number 0")
        << QByteArray("[Instellingen]\nMaxGetal=0\n") << QStringList{"Instellingen/MaxGetal"} << "";
    QTest::newRow("Overdracht=twee")
        << good + "Overdracht=twee\n"
        << QStringList{"Instellingen/Overdracht", "\"twee\"", "niet zonder, met, dubbel of vrij"}
        << "500";
    QTest::newRow("Ladder=ja") << good + "Ladder=ja\n"
                               << QStringList{"Instellingen/Ladder", "niet true of false"} << "500";
    QTest::newRow("LadderStart=13")
        << good + "LadderStart=13\n"
        << QStringList{"Instellingen/LadderStart", "geen niveau van 1 tot 12"} << "500";
    QTest::newRow("LadderStart by name")
        << good + "LadderStart=3 getallen tot 100\n"
        << QStringList{"Instellingen/LadderStart", "geen niveau"} << "500";
    QTest::newRow("a lock of the ladder not true or false")
        << good + "[Vergrendeld]\nLadder=altijd\n"
        << QStringList{"Vergrendeld/Ladder", "niet true of false"} << "500";
    QTest::newRow("a lock not true or false")
        << good + "[Vergrendeld]\nAantal=ja\n"
        << QStringList{"Vergrendeld/Aantal", "niet true of false"} << "500";
}

void PresetsTest::badFiles() {
    QFETCH(QByteArray, file);
    QFETCH(QStringList, complaints);
    QFETCH(QString, kept);
    PresetFolder folder(file);
    const QStringList lines = Complaints();
    QCOMPARE(lines.size(), 1);
    QVERIFY2(lines[0].startsWith(QStringLiteral("quorvel: ") + folder.Path() + QLatin1Char(':')),
             qPrintable(lines[0]));
    for (const QString& part : complaints) {
        QVERIFY2(lines[0].contains(part), qPrintable(lines[0]));
    }
    const Presets presets = LoadPresets([](const QString&) {});
    QCOMPARE(presets.Value(PresetKey::Aantal).has_value(), false);
    QCOMPARE(QString::fromStdString(presets.Value(PresetKey::MaxGetal).value_or("")), kept);
    QVERIFY(!presets.IsLocked(PresetKey::Aantal));

    // The window starts all the same, from the defaults and what was good.
    ShownForm f = ShowForm();
    QCOMPARE(f->MaxArtikels->text(), QStringLiteral("2"));
    QCOMPARE(f->MaxGetal->text(), kept.isEmpty() ? QStringLiteral("100") : kept);
    QVERIFY(f->MaxArtikels->isEnabled());
    QCOMPARE(f.lesson().ExerciseNumber(), 1);
}

void PresetsTest::onlyTheFirstFileCounts() {
    // A folder where the file should be, and files that are no plain files: each is told
    // and the window keeps its defaults; a pipe must not keep it waiting.
    QTemporaryDir first;
    QTemporaryDir second;
    QDir(first.path()).mkpath(QStringLiteral("quorvel/quorvel.conf"));
    QDir(second.path()).mkpath(QStringLiteral("quorvel"));
    QFile other(second.filePath(QStringLiteral("quorvel/quorvel.conf")));
    QVERIFY(other.open(QIODevice::WriteOnly));
    other.write("[Instellingen]\nAantal=5\n");
    other.close();
    const QByteArray previous = qgetenv("XDG_CONFIG_DIRS");
    qputenv("XDG_CONFIG_DIRS", (first.path() + QLatin1Char(':') + second.path()).toUtf8());
    QStringList lines = Complaints();
    QCOMPARE(lines.size(), 1);
    QVERIFY2(lines[0].contains(QStringLiteral("is een map")), qPrintable(lines[0]));

    // A named pipe in its place.
    QDir(first.path()).rmdir(QStringLiteral("quorvel/quorvel.conf"));
    const QByteArray pipe = first.filePath(QStringLiteral("quorvel/quorvel.conf")).toLocal8Bit();
    QCOMPARE(mkfifo(pipe.constData(), 0600), 0);
    lines = Complaints();
    QCOMPARE(lines.size(), 1);
    QVERIFY2(lines[0].contains(QStringLiteral("geen gewoon bestand")), qPrintable(lines[0]));

    // Without the first, the second counts.
    QFile::remove(QString::fromLocal8Bit(pipe));
    QVERIFY(Complaints().isEmpty());
    QCOMPARE(LoadPresets().Value(PresetKey::Aantal).value_or(""), std::string("5"));

    // A file no one may read (root reads it all the same).
    if (geteuid() != 0) {
        QVERIFY(chmod(other.fileName().toLocal8Bit().constData(), 0) == 0);
        lines = Complaints();
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines[0].contains(QStringLiteral("kan niet gelezen worden")),
                 qPrintable(lines[0]));
    }
    qputenv("XDG_CONFIG_DIRS", previous);
}

void PresetsTest::relativeFoldersAreNotRead() {
    // A file in "etc" under the folder the program is started from.
    QTemporaryDir here;
    QTemporaryDir system;
    for (const QTemporaryDir* dir : {&here, &system}) {
        const QString folder =
            dir == &here ? QStringLiteral("etc/quorvel") : QStringLiteral("quorvel");
        QDir(dir->path()).mkpath(folder);
        QFile file(QDir(dir->path()).filePath(folder + QStringLiteral("/quorvel.conf")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(dir == &here ? "[Instellingen]\nAantal=5\n" : "[Instellingen]\nAantal=3\n");
    }
    const QString startedIn = QDir::currentPath();
    const QByteArray previous = qgetenv("XDG_CONFIG_DIRS");
    QVERIFY(QDir::setCurrent(here.path()));
    qputenv("XDG_CONFIG_DIRS", "etc");
    QVERIFY(Complaints().isEmpty());
    QVERIFY(!LoadPresets().Value(PresetKey::Aantal));
    qputenv("XDG_CONFIG_DIRS", "etc:" + system.path().toUtf8());
    QCOMPARE(LoadPresets().Value(PresetKey::Aantal).value_or(""), std::string("3"));
    qputenv("XDG_CONFIG_DIRS", previous);
    QDir::setCurrent(startedIn);
}

void PresetsTest::pupilsOwnFile_data() {
    QTest::addColumn<QByteArray>("school"); // none: no school's file
    QTest::addColumn<QByteArray>("pupil");
    QTest::addColumn<QString>("addends");   // the number of addends the window starts with
    QTest::addColumn<bool>("locked");       // and whether it is locked
    QTest::addColumn<bool>("explain");      // Uitleg
    QTest::addColumn<int>("count");         // lines on standard error
    QTest::addColumn<QStringList>("lines"); // what they name

    QTest::newRow("its values count")
        << QByteArray() << QByteArray("[Instellingen]\nAantal=4\nUitleg=true\n") << "4" << false
        << true << 0 << QStringList{};
    QTest::newRow("over the school's values")
        << QByteArray("[Instellingen]\nAantal=3\nUitleg=false\n")
        << QByteArray("[Instellingen]\nAantal=5\nUitleg=true\n") << "5" << false << true << 0
        << QStringList{};
    QTest::newRow("its locks do not count")
        << QByteArray() << QByteArray("[Instellingen]\nAantal=4\n[Vergrendeld]\nAantal=true\n")
        << "4" << false << false << 1 << QStringList{"[Vergrendeld]"};
    QTest::newRow("the school's locks win")
        << QByteArray("[Instellingen]\nAantal=3\n[Vergrendeld]\nAantal=true\nUitleg=true\n")
        << QByteArray("[Instellingen]\nAantal=5\nUitleg=true\n") << "3" << true << false << 2
        << QStringList{"Instellingen/Aantal", "Instellingen/Uitleg", "vergrendeld"};
    QTest::newRow("a lock at the default wins too")
        << QByteArray("[Vergrendeld]\nAantal=true\n") << QByteArray("[Instellingen]\nAantal=5\n")
        << "2" << true << false << 1 << QStringList{"Instellingen/Aantal"};
    QTest::newRow("a bad value is told as in the school's file")
        << QByteArray() << QByteArray("[Instellingen]\nAantal=13\nUitleg=ja\n") << "2" << false
        << false << 2 << QStringList{"Instellingen/Aantal", "Instellingen/Uitleg"};
}

void PresetsTest::pupilsOwnFile() {
    QFETCH(QByteArray, school);
    QFETCH(QByteArray, pupil);
    QFETCH(QString, addends);
    QFETCH(bool, locked);
    QFETCH(bool, explain);
    QFETCH(int, count);
    QFETCH(QStringList, lines);
    std::unique_ptr<PresetFolder> schoolFolder;
    if (!school.isEmpty()) {
        schoolFolder = std::make_unique<PresetFolder>(school);
    }
    PupilFolder own(pupil);
    const QStringList said = Complaints();
    QCOMPARE(said.size(), count);
    for (const QString& part : lines) {
        QVERIFY2(said.join(QLatin1Char('\n')).contains(part),
                 qPrintable(said.join(QLatin1Char('\n'))));
    }
    // Every line names the file it is about: the pupil's.
    for (const QString& line : said) {
        QVERIFY2(line.startsWith(QStringLiteral("quorvel: ") + own.Path() + QLatin1Char(':')),
                 qPrintable(line));
    }
    {
        ShownForm f = ShowForm();
        QCOMPARE(f->MaxArtikels->text(), addends);
        QCOMPARE(f->MaxArtikels->isEnabled(), !locked);
        QCOMPARE(f.lesson().Settings().Explain, explain);
        // With Uitleg "show me" is there, for the marked column of a wrong check.
        QCOMPARE(f->ToonMij != nullptr, explain);
    }
    // Nothing is ever written: the pupil's folder holds the file as it was, and only it.
    QFile file(own.Path());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), pupil);
    QCOMPARE(QDir(own.Folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{"quorvel"});
    QCOMPARE(QDir(own.Folder() + QStringLiteral("/quorvel"))
                 .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{"quorvel.conf"});
}

void PresetsTest::pupilsOwnFileIsFoundAsXdgSays() {
    // Without XDG_CONFIG_HOME, or with a relative one (the XDG rules ignore it), the file
    // in ~/.config counts.
    QTemporaryDir home;
    QDir(home.path()).mkpath(QStringLiteral(".config/quorvel"));
    QFile file(home.filePath(QStringLiteral(".config/quorvel/quorvel.conf")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Instellingen]\nAantal=6\n");
    file.close();
    const QByteArray previousHome = qgetenv("HOME");
    const QByteArray previousConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", home.path().toUtf8());
    for (const QByteArray& config :
         {QByteArray(), QByteArray(".config"), QByteArray("relative/dir")}) {
        if (config.isEmpty()) {
            qunsetenv("XDG_CONFIG_HOME");
        } else {
            qputenv("XDG_CONFIG_HOME", config);
        }
        QCOMPARE(PupilPresetFilePath(), file.fileName());
        QCOMPARE(LoadPresets().Value(PresetKey::Aantal).value_or(""), std::string("6"));
    }
    // No home to look in: no pupil's file.
    qputenv("HOME", "relative");
    QVERIFY(PupilPresetFilePath().isEmpty());
    qputenv("HOME", previousHome);

    // The school's folder given as the pupil's: its file is read once, its locks hold, and
    // no line says they do not.
    PresetFolder schoolFolder("[Instellingen]\nAantal=3\n[Vergrendeld]\nAantal=true\n");
    qputenv("XDG_CONFIG_HOME",
            QFileInfo(schoolFolder.Path()).dir().absolutePath().toUtf8() + "/..");
    QVERIFY(Complaints().isEmpty());
    QVERIFY(LoadPresets().IsLocked(PresetKey::Aantal));
    qputenv("XDG_CONFIG_HOME", previousConfig);
}

QTEST_MAIN(PresetsTest)
#include "tst_presets.moc"
