#pragma once

#include "app/accessibility.h"
#include "app/controls.h"
#include "app/helptexts.h"
#include "lesson/lesson.h"

#include <QHash>
#include <QKeyEvent>
#include <QPointer>
#include <QShortcut>
#include <QWidget>

#include <memory>

// The one window of the program. It owns every control (Controls) and the lesson,
// which owns the state. Its handlers bear the names of the window's events: they read
// the controls, ask the lesson, and show the result. They are defined per subsystem in
// app/handlers/.
class TForm1 : public QWidget, private Controls {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // The size of the window's client area, fixed, in logical pixels.
    static constexpr QSize DesignedSize{922, 842};

    // The controls, for tests and tools that click and read them.
    const Controls& Ui() const { return *this; }
    // The lesson behind the window, read-only.
    const Lesson& CurrentLesson() const { return lesson_; }
    // Tests hand in a scripted source or clock before the window is first activated.
    void SetRandomSource(std::unique_ptr<RandomSource> random);
    void SetSeriesClock(std::unique_ptr<SeriesClock> clock);
    // One character column of the amount labels, in ten-thousandths of a pixel.
    Amount ColumnWidth() const { return columnWidth_; }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // ------------------------------------------------- shell (handlers/shell.cpp)
    void FormCreate();
    void FormActivate();
    void Image1Click();
    void OKKnopClick();
    void Image4Click();

    // ------------------------------------------- exercises (handlers/exercise.cpp)
    LessonSettings ReadSettings() const;
    void NewExercise();
    void ShowExercise();

    // ---------------------------------------------- settings (handlers/settings.cpp)
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
        QString Text; // the field's text before the change now under way
    };
    SettingMemory& MemoryOf(EditBox* field);
    bool IsValidSetting(EditBox* field, const QString& text) const;
    void TrimSetting(EditBox* field);
    void RestorePreviousValue(EditBox* field);
    void RememberSettledText(EditBox* field);
    void NewExerciseAfterLeaving(EditBox* field);
    // An edit that reaches a field the pupil is not in is undone.
    void RefuseUnenteredEdit(EditBox* field);
    void NewExerciseAndSeries();

    // ---------------------------------------- sum row and check (handlers/answer.cpp)
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
    // Check and series. CheckAnswer returns false when the sum row could not be read
    // (the pupil has been told, and nothing changed).
    bool CheckAnswer();
    void KontroleerMouseDown(Qt::MouseButton button);
    void KontroleerMouseUp(Qt::MouseButton button);
    void VolgendeOefeningClick();
    void ShowPoints();
    void ResetSeries();
    void SetJudgementColours(const QColor& sum, const QColor& change);

    // -------------------------------------------------- timed series (handlers/timer.cpp)
    void ConnectTimer();
    void StartknopClick();
    void Timer1Timer();
    void TimerTick();
    void EndSeries();
    void OKKnop1Click();

    // ---------------------------------------------------------- wallet (handlers/wallet.cpp)
    void ConnectWallet();
    void PrepareWallet();
    // Draws the pictures of every stack ahead of the wallet's first opening.
    void PreparePiecePictures();
    void GeldClick();
    void ComposeWallet();
    // Serves all 115 banknote and coin pictures: stack 0..14, place 1..stack size.
    void Briefje500n1Click(int stack, int place);
    void PortemonneeSluitenClick();
    void PortemonneeResetClick();

    // ------------------------------------------------------ context help (handlers/help.cpp)
    void ConnectHelp();
    // What every mouse-move handler does: replaces the content of Help by its text.
    void HelpMouseMove(HelpHandler handler);
    // A mouse movement delivered to `receiver` at `at` (in its own coordinates): the
    // topmost visible control under the pointer explains itself.
    void HelpPointerMoved(QWidget* receiver, QPoint at);

    // ------------------------------------------- keys for the mouse's actions
    // (handlers/keyboard.cpp)
    void ConnectKeyboard();
    // A key on its way to a control of the window; true when it was used here.
    bool KeyboardKey(QKeyEvent* event);
    bool WalletKey(int key);
    bool WindowKey(const QKeyEvent* event);
    void CheckKeyDown();
    void CheckKeyUp();
    void MoveAmongPieces(int key);
    void TakeFocusedPiece();
    void PieceHidden(Picture* piece);
    void HelpForFocus();
    // Clicks a control the way the mouse does: focus first where a click gives it.
    void ClickSetting(QWidget* control);

    // -------------------------------------------------- what a screen reader hears
    // (handlers/announce.cpp)
    void ConnectAccessibility();
    // Names that follow the exercise: the sum boxes by column, receipt lines, the amount due.
    void NameExercise();
    void AnnounceJudgement(const Judgement& j);
    void ClearJudgement();
    void AnnounceResults();
    // ------------------------------------------- hidden and disabled controls (handlers/focus.cpp)
    void ConnectFocusGuard();
    // A control being hidden or disabled took the focus with it: it goes to the units
    // box, or to no control when that cannot take it.
    void MoveFocusOffLostControl();

    // ------------------------------------------------------------- building (layout.cpp)
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

    Lesson lesson_;
    Amount columnWidth_ = 0;
    bool firstExerciseDrawn_ = false;
    bool focusOnActivation_ = false; // drawn before the window became active
    SettingMemory maxArtikelsMemory_;
    SettingMemory maxGetalMemory_;
    SettingMemory timerMinutenMemory_;
    EditBox* fieldConfirmedByEnter_ = nullptr; // set while Enter makes its new exercise
    // The mouse-move handler serving each control that has one; a control missing here
    // leaves the help box as it is.
    QHash<QWidget*, HelpHandler> helpHandlers_;
    // Where the focus was when the information panel opened; it goes back there.
    QPointer<QWidget> focusBeforeInfo_;
    QShortcut* escapeShortcut_ = nullptr; // presses OKKnop1 while it is shown
    QShortcut* enterShortcut_ = nullptr;  // presses OKKnop while Info is shown
    Announcer* announcer_ = nullptr;
    bool checkKeyHeld_ = false;             // CONTROLEER is held down by its key
    QObject* lostControlWatcher_ = nullptr; // ends with the window, before its controls
};
