#pragma once

#include "app/controls.h"
#include "lesson/lesson.h"

#include <QWidget>

#include <memory>

class ExercisePanel;
class InfoPanel;
class PointsPanel;
class QKeyEvent;
class SeriesPanel;
class SettingsBar;
class SumRowPanel;
class WalletPanel;

// The one window of the program. It holds the lesson, which owns the state, and the
// panels, which own the controls and draw themselves from the lesson. What the pupil asks
// of a panel comes here: the lesson is told, then every panel draws once.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // The size of the window's client area, fixed, in logical pixels.
    static constexpr QSize DesignedSize{922, 842};

    // The controls by their names, for tests and tools that click and read them.
    const Controls& Ui() const { return ui_; }
    // The lesson behind the window, read-only.
    const Lesson& CurrentLesson() const { return lesson_; }
    // Tests hand in a scripted source or clock before the window is first activated.
    void SetRandomSource(std::unique_ptr<RandomSource> random);
    void SetSeriesClock(std::unique_ptr<SeriesClock> clock);
    // One character column of the amount labels, in ten-thousandths of a pixel.
    Amount ColumnWidth() const;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildWindow();
    void Connect();
    void FormCreate();
    void FormActivate();

    // What the pupil asked for, each ending in one drawing of every panel.
    void Draw();
    void NewExercise(bool newSeries);
    void WithdrawJudgement();
    void CheckAnswer();
    void MoveOn();
    void StartSeries();
    void ResetSeries();
    void TimerTick();
    void OpenWallet();
    void TakePiece(int stack, int place);
    void CloseWallet();
    void DealWallet();

    // A key on its way to a control of the window; true when it was used here.
    bool KeyboardKey(QKeyEvent* event);
    // A control being hidden or disabled took the focus with it: it goes to the units
    // box, or to no control when that cannot take it.
    void MoveFocusOffLostControl();
    // The focus was given to a control out of reach (hidden, disabled, or under the wallet
    // or the information panel), as a screen reader may: it goes where it belongs.
    void MoveFocusOutOfReach();

    Lesson lesson_;
    Controls ui_;
    SettingsBar* settings_ = nullptr;
    ExercisePanel* exercise_ = nullptr;
    SumRowPanel* sumRow_ = nullptr;
    PointsPanel* points_ = nullptr;
    SeriesPanel* series_ = nullptr;
    WalletPanel* wallet_ = nullptr;
    InfoPanel* info_ = nullptr;
    Picture* Image4 = nullptr; // STOP
    bool firstExerciseDrawn_ = false;
    bool focusOnActivation_ = false;        // drawn before the window became active
    QObject* lostControlWatcher_ = nullptr; // ends with the window, before its controls
    QObject* inputWatcher_ = nullptr;       // every key, press and focus change, likewise
    bool movingFocus_ = false; // the window itself moves the focus through a covered control
};
