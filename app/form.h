#pragma once

#include "app/helptexts.h"
#include "app/widgets.h"
#include "engine/catalogue.h"
#include "engine/exercise.h"
#include "engine/random.h"
#include "timer/series.h"
#include "wallet/pieces.h"

#include <QCheckBox>
#include <QHash>
#include <QShortcut>
#include <QTextEdit>
#include <QTimer>
#include <QWidget>

#include <array>
#include <memory>

// The one window of the program. It owns every control and all state for the whole
// run; each subsystem's handlers are defined in that subsystem's folder
// (engine/, answer/, timer/, wallet/) and the shell's in app/.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // Tests hand in a scripted source before the window is first activated.
    void SetRandomSource(std::unique_ptr<RandomSource> random);
    RandomSource& Random() { return *random_; }

    // ---------------------------------------------------------------- controls
    // Window level.
    QLabel* Label36 = nullptr;
    Caption* Reeksteller = nullptr;
    Picture* Image4 = nullptr;
    QLabel* KlokVenster = nullptr;
    BevelPanel* Panel1 = nullptr;
    CaptionBox* Instellingen = nullptr;
    QPushButton* VolgendeOefening = nullptr;
    MouseButton* Kontroleer = nullptr;
    BevelPanel* Panel2 = nullptr;
    QTextEdit* Help = nullptr;
    QPushButton* Startknop = nullptr;
    QPushButton* OKKnop1 = nullptr;
    BevelPanel* Panel3 = nullptr;
    BevelPanel* Info = nullptr;
    CaptionBox* Portemonnee = nullptr;
    QTimer* Timer1 = nullptr;

    // Exercise panel: rows 1..12 (element 0 unused) and sum boxes Tot1..Tot14.
    std::array<QLabel*, 13> Aantal{};
    std::array<QLabel*, 13> Artikel{};
    std::array<QLabel*, 13> Prijs{};
    QLabel* lblBetaald = nullptr;
    QLabel* Betaald = nullptr;
    QLabel* lblTotaal = nullptr;
    QLabel* lblTeruggave = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Hulpje = nullptr;
    QToolButton* Wis1 = nullptr;
    QToolButton* Wis2 = nullptr;
    Picture* Geld = nullptr;
    BevelPanel* Panel4 = nullptr;
    std::array<EditBox*, 15> Tot{};
    EditBox* Teruggave = nullptr;

    // Settings bar.
    QLabel* Label1 = nullptr;
    QLabel* lblMaxGetal = nullptr;
    Picture* Image1 = nullptr;
    QLabel* Label4 = nullptr;
    EditBox* MaxArtikels = nullptr;
    EditBox* MaxGetal = nullptr;
    BevelPanel* groep2 = nullptr;
    EditBox* TimerMinuten = nullptr;
    QCheckBox* Hulpjes = nullptr;
    QCheckBox* Eenvoudig = nullptr;
    QCheckBox* Komma = nullptr;
    QCheckBox* Kasticket = nullptr;
    QCheckBox* Geldbeugel = nullptr;

    // Points panel.
    QLabel* Label41 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label14 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label40 = nullptr;

    // Results panel.
    QLabel* Label47 = nullptr;
    Caption* Label48 = nullptr;
    QLabel* Label50 = nullptr;
    Caption* Label49 = nullptr;
    QLabel* Label51 = nullptr;
    QLabel* Label52 = nullptr;

    // Information panel.
    QLabel* Label42 = nullptr;
    QLabel* Label43 = nullptr;
    QLabel* Label44 = nullptr;
    QLabel* Label45 = nullptr;
    QLabel* Label46 = nullptr;
    Picture* Image2 = nullptr;
    QPushButton* OKKnop = nullptr;

    // Wallet: stacks 0 (500 euro) .. 14 (1 cent), pictures 1..10 (element 0 unused).
    std::array<std::array<Picture*, 11>, 15> Pieces{};
    QPushButton* PortemonneeSluiten = nullptr;
    QPushButton* PortemonneeReset = nullptr;
    CaptionBox* GroupBox1 = nullptr;
    QLabel* Label3 = nullptr;
    CaptionBox* GroupBox2 = nullptr;
    QLabel* Geldteller = nullptr;

    // ------------------------------------------------------------------- state
    ::ExerciseState Exercise;
    ::Catalogue Catalogue{};
    Amount ColumnWidth = 0; // one character column of the amount labels, in pixels

    // ------------------------------------------------------- shell (app/)
    void FormCreate();
    void FormActivate();
    void Image1Click();
    void OKKnopClick();
    void Image4Click();

    // ------------------------------------------- exercises (engine/exercise_form.cpp)
    void NewExercise();
    void DrawAddends();
    void ShowExercise();
    AddendSettings ReadAddendSettings() const;

    // ------------------------------------------------ settings (engine/settings_form.cpp)
    void ConnectSettings();
    // Click into MaxArtikels, MaxGetal or TimerMinuten.
    void MaxArtikelsClick(EditBox* field);
    // MaxArtikels or MaxGetal gained the focus.
    void MaxArtikelsEnter();
    void TimerMinutenEnter();
    // A character typed into MaxArtikels, MaxGetal or TimerMinuten; only Enter acts.
    void MaxArtikelsKeyPress(EditBox* field, QChar key);
    void MaxArtikelsExit();
    void MaxGetalExit();
    void TimerMinutenExit();
    void KommaClick();
    void KasticketClick();
    void GeldbeugelClick();
    void EenvoudigClick();
    void HulpjesClick();

    // What a settings field falls back on when a new text is refused: the text it held
    // when the pupil last clicked into it, and, where that is no valid value itself (a
    // second click records a half-typed text), the last text the field was left with.
    struct SettingMemory {
        QString PreviousValue;
        QString LastAccepted;
    };
    SettingMemory MaxArtikelsMemory;
    SettingMemory MaxGetalMemory;
    SettingMemory TimerMinutenMemory;
    SettingMemory& MemoryOf(EditBox* field);
    bool IsValidSetting(EditBox* field, const QString& text) const;
    void TrimSetting(EditBox* field);
    void RestorePreviousValue(EditBox* field);
    void RememberSettledText(EditBox* field);
    void NewExerciseAfterLeaving(EditBox* field);
    void NewExerciseAndSeries();
    EditBox* fieldConfirmedByEnter_ = nullptr; // set while Enter makes its new exercise

    // ------------------------------------------------ sum row and check (answer/)
    void ConnectAnswer();
    // Sum row: one handler per event serves all fourteen boxes, `n` being the box number.
    void ClearSumRow();
    void FocusUnitsBox();
    void FocusLeftmostBox();
    void Tot1Change(int n);
    void Tot1KeyDown(int n, int key);
    void Tot1KeyPress(QChar key);
    void Tot1Enter(int n); // focus gained, boxes 1..13
    void Wis1Click();
    // Change field.
    void TeruggaveKeyDown(int key);
    void TeruggaveExit();
    void Wis2Click();
    // Check and series.
    // Judges the answer; false when the sum row could not be read (the pupil has been
    // told, and nothing changed).
    bool CheckAnswer();
    void KontroleerMouseDown(Qt::MouseButton button);
    void KontroleerMouseUp(Qt::MouseButton button);
    void VolgendeOefeningClick();
    void ShowPoints();
    void ResetSeries();
    int Points = 0;           // points obtained in the current series
    int MaxPoints = 1;        // number of the exercise in progress
    bool SumRight = false;    // outcome of the last check of the sum
    bool ChangeRight = false; // outcome of the last check of the change (receipt mode)

    // ------------------------------------------------------------ timed series (timer/)
    void ConnectTimer();
    void StartknopClick();
    void Timer1Timer();
    void TimerTick();
    void EndSeries();
    void OKKnop1Click();
    // Tests hand in a scripted clock; the series reads no other time.
    void SetSeriesClock(std::unique_ptr<SeriesClock> clock);
    TimedSeries Series; // running flag and end, on the series clock's time line
    std::unique_ptr<SeriesClock> SeriesTime = std::make_unique<SteadySeriesClock>();

    // ------------------------------------------------------------------ wallet (wallet/)
    void ConnectWallet();
    void PrepareWallet(const std::string& totalText, Amount total);
    void GeldClick();
    void ComposeWallet();
    void AddPiece(Amount value);
    // Serves all 115 banknote and coin pictures: stack 0..14, place 1..stack size.
    void Briefje500n1Click(int stack, int place);
    void PortemonneeSluitenClick();
    void PortemonneeResetClick();

    // What the wallet's minimum content is split from, that split for the exercise on
    // screen, and the copy that one dealing adjusts; one count per denomination, in
    // the order of PieceTable.
    Amount WalletValue = 0;
    PieceCounts BaseCounts{};
    PieceCounts WalletCounts{};

    // ------------------------------------------------------------ context help (app/)
    void ConnectHelp();
    // The mouse-move handler serving each control that has one; a control missing here
    // leaves the help box as it is.
    QHash<QWidget*, HelpHandler> HelpHandlers;
    // What every mouse-move handler does: replaces the content of Help by its text.
    void HelpMouseMove(HelpHandler handler);
    // A mouse movement delivered to `receiver` at `at` (in its own coordinates): the
    // topmost visible control under the pointer explains itself.
    void HelpPointerMoved(QWidget* receiver, QPoint at);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildLayout();
    void BuildWindowControls();
    void BuildExercisePanel();
    void BuildSettingsBar();
    void BuildPointsPanel();
    void BuildResultsPanel();
    void BuildInfoPanel();
    void BuildWallet();
    void SetUpKeyboard();
    void PressShortcutButton(QPushButton* button);

    std::unique_ptr<RandomSource> random_;
    bool activated_ = false;
    QShortcut* escapeShortcut_ = nullptr; // presses OKKnop1 while it is shown
    QShortcut* enterShortcut_ = nullptr;  // presses OKKnop while Info is shown
};
