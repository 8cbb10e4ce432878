#include "app/form.h"

#include "app/accessibility.h"
#include "app/artwork.h"
#include "app/panels/exercise_panel.h"
#include "app/panels/info_panel.h"
#include "app/panels/points_panel.h"
#include "app/panels/series_panel.h"
#include "app/panels/settings_bar.h"
#include "app/panels/sum_row_panel.h"
#include "app/panels/wallet_panel.h"
#include "app/presets.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QScreen>

#include <algorithm>

using namespace kit;
using namespace look;

namespace {

struct WindowTexts {
    // The program's name: the same in every language, so no translator is offered it.
    QString Title = QStringLiteral("Quorvel v.2 (Zenbo)");
    QString StopTip = TForm1::tr("Stop het programma.");
    // What the help box says of each control, word for word, spelling slips included
    // ("berekent", "samensteld"): pupils and teachers know these texts as they are.
    // Lines are joined by a carriage return; some texts open with an empty line.
    QString Image4MouseMove = TForm1::tr("\r"
                                         "Het programma beëindigen.");
};

const WindowTexts& Texts() {
    static const WindowTexts texts;
    return texts;
}

} // namespace

TForm1::TForm1(QWidget* parent)
    : QWidget(parent,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      lesson_(std::make_unique<ClockRandom>(), std::make_unique<SteadySeriesClock>()) {
    BuildWindow();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    Connect();
    FormCreate();
}

TForm1::~TForm1() {
    // Controls hidden, and the focus moved, while the window is taken apart must not call
    // back into it.
    delete inputWatcher_;
    delete lostControlWatcher_;
}

void TForm1::BuildWindow() {
    setObjectName("Form1");
    setWindowTitle(Texts().Title);
    setFixedSize(DesignedSize);
    setFont(Font(kSans, 13, Bold));
    SetTextColor(this, Black);
    SetBackground(this, ButtonShadow);
    setCursor(NoDropCursor());
    setWindowIcon(ArtworkIcon({{QStringLiteral(":/images/icon16.png"), {}},
                               {QStringLiteral(":/images/icon32.png"), {}},
                               {QStringLiteral(":/images/icon48.png"), {}}}));

    // The school's presets, then the pupil's own: what the window starts from, and whether
    // it explains a wrong check (Uitleg), which only adds to the window.
    const Presets presets = LoadPresets();
    const bool explain = presets.Mark(PresetKey::Uitleg).value_or(false);
    points_ = new PointsPanel(this);
    Image4 =
        MakePicture(this, "Image4", {26, 119, 57, 25}, QStringLiteral(":/images/stop.png"), true);
    Image4->setCursor(Qt::ArrowCursor);
    SetTip(Image4, Texts().StopTip);
    FinishControls(Image4);
    series_ = new SeriesPanel(this, explain);
    exercise_ = new ExercisePanel(this, lesson_);
    exercise_->Expose(ui_);
    sumRow_ = new SumRowPanel(ui_, lesson_, exercise_->ColumnWidth(), explain);
    settings_ = new SettingsBar(this, presets);
    // The school's ladder: the first exercise comes from its start level.
    if (const std::optional<LadderSetup> ladder = LadderFromPresets(presets)) {
        lesson_.StartLadder(*ladder);
    }
    info_ = new InfoPanel(this);
    wallet_ = new WalletPanel(this, lesson_);

    ui_.Image4 = Image4;
    points_->Expose(ui_);
    series_->Expose(ui_);
    sumRow_->Expose(ui_);
    settings_->Expose(ui_);
    info_->Expose(ui_);
    wallet_->Expose(ui_);

    // The window's controls lie over one another in this order, the last on top; a
    // screen reader meets them in it too. What has no place of its own on screen (the
    // announcer of the judgement) comes after them. "Show me", with Uitleg, stands in the
    // row of CONTROLEER, under the wallet.
    const Controls& c = ui_;
    QList<QWidget*> stacked{
        c.Label36,      c.Reeksteller,      Image4,       c.KlokVenster, c.Panel1,
        c.Instellingen, c.VolgendeOefening, c.Kontroleer, c.Panel2,      c.Help,
        c.Startknop,    c.OKKnop1,          c.Panel3,     c.Info,        c.Portemonnee};
    if (c.ToonMij != nullptr) {
        stacked.insert(stacked.indexOf(c.Kontroleer) + 1, c.ToonMij);
    }
    const QList<QWidget*> others = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* w : stacked) {
        w->raise();
    }
    for (QWidget* w : others) {
        if (std::find(stacked.begin(), stacked.end(), w) == stacked.end()) {
            w->raise();
        }
    }

    // Tab visits only the sum boxes, the change field and the "maximum 100" box.
    sumRow_->ChainTabAfter(ui_.Eenvoudig);

    HelpMap help;
    help.insert(this, QString());
    help.insert(Image4, Texts().Image4MouseMove);
    points_->ListHelp(help);
    exercise_->ListHelp(help);
    sumRow_->ListHelp(help);
    settings_->ListHelp(help);
    wallet_->ListHelp(help);
    info_->Explain(help, [this](const QWidget* w) { return settings_->IsField(w); });
}

void TForm1::Connect() {
    connect(settings_, &SettingsBar::exerciseAsked, this, &TForm1::NewExercise);
    connect(settings_, &SettingsBar::fieldEntered, this, &TForm1::WithdrawJudgement);
    connect(settings_, &SettingsBar::infoAsked, info_, &InfoPanel::Open);
    connect(exercise_, &ExercisePanel::checkPressed, this, &TForm1::CheckAnswer);
    connect(exercise_, &ExercisePanel::checkReleased, sumRow_, &SumRowPanel::CheckReleased);
    connect(exercise_, &ExercisePanel::exerciseShown, sumRow_, &SumRowPanel::Draw);
    exercise_->SetAnswerFields([this](const QWidget* w) { return sumRow_->InAnswer(w); });
    connect(sumRow_, &SumRowPanel::helped, this, [this] { lesson_.NoteHelped(); });
    connect(sumRow_, &SumRowPanel::explained, info_, &InfoPanel::Tell);
    connect(exercise_, &ExercisePanel::nextAsked, this, &TForm1::MoveOn);
    connect(exercise_, &ExercisePanel::walletAsked, this, &TForm1::OpenWallet);
    connect(series_, &SeriesPanel::startAsked, this, &TForm1::StartSeries);
    connect(series_, &SeriesPanel::resetAsked, this, &TForm1::ResetSeries);
    connect(series_, &SeriesPanel::tick, this, &TForm1::TimerTick);
    connect(wallet_, &WalletPanel::pieceTaken, this, &TForm1::TakePiece);
    connect(wallet_, &WalletPanel::closeAsked, this, &TForm1::CloseWallet);
    connect(wallet_, &WalletPanel::dealAsked, this, &TForm1::DealWallet);
    connect(Image4, &Picture::clicked, qApp, &QCoreApplication::quit);

    // Every key, mouse press and focus change on its way to a widget of the window, before
    // the widget sees it.
    inputWatcher_ = new EventFilter(this, [this](QObject* watched, QEvent* event) {
        const QEvent::Type t = event->type();
        QWidget* ours = watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == this
                            ? static_cast<QWidget*>(watched)
                            : nullptr;
        if (ours != nullptr && (t == QEvent::FocusOut || t == QEvent::FocusIn) &&
            !ByPupil(static_cast<QFocusEvent*>(event)->reason()) && !movingFocus_) {
            QWidget* next = QApplication::focusWidget();
            // A screen reader takes the focus to a control out of reach (hidden, disabled,
            // under another panel): it stays where it was, and the control it leaves never
            // knows (no rule for leaving a field runs). Qt has made the new control the
            // focus already, and gives it no focus-in once the focus is back.
            if (t == QEvent::FocusOut && next != nullptr && next != ours &&
                next->window() == this && !Reachable(next) && Acts(ours)) {
                ours->setFocus(Qt::PopupFocusReason);
                return true;
            }
            // Where no control had the focus, it goes where it belongs once the event has
            // run its course, unless it has moved on meanwhile.
            if (t == QEvent::FocusIn) {
                const QPointer<QWidget> target = ours;
                QMetaObject::invokeMethod(
                    this,
                    [this, target] {
                        if (target != nullptr && focusWidget() == target) {
                            MoveFocusOutOfReach();
                        }
                    },
                    Qt::QueuedConnection);
            }
        }
        // Whether the pupil's last press, anywhere, was a key or a mouse button (a key a
        // shortcut takes reaches no widget, but its ShortcutOverride does).
        if (t == QEvent::MouseButtonPress || t == QEvent::MouseButtonDblClick) {
            NoteInput(false);
        } else if (t == QEvent::KeyPress || t == QEvent::ShortcutOverride) {
            NoteInput(true);
        }
        if (t != QEvent::KeyPress && t != QEvent::KeyRelease && t != QEvent::ShortcutOverride) {
            return false;
        }
        auto* key = static_cast<QKeyEvent*>(event);
        // The key held down for CONTROLEER is let go wherever the keyboard went meanwhile
        // (a message about an unreadable sum, for one).
        return (ours != nullptr || (t == QEvent::KeyRelease && key->key() == Qt::Key_F2)) &&
               KeyboardKey(key);
    });
    qApp->installEventFilter(inputWatcher_);

    // Qt passes the focus of a control being hidden or disabled on along the Tab chain,
    // and keeps it there when no control of the chain can take it: a hidden button would
    // then still be pressed by Space.
    lostControlWatcher_ = new EventFilter(this, [this](QObject*, QEvent* event) {
        if (event->type() == QEvent::HideToParent || event->type() == QEvent::EnabledChange) {
            MoveFocusOffLostControl();
        }
        return false;
    });
    for (QWidget* w : findChildren<QWidget*>()) {
        w->installEventFilter(lostControlWatcher_);
    }
}

void TForm1::SetRandomSource(std::unique_ptr<RandomSource> random) {
    lesson_.SetRandomSource(std::move(random));
}

void TForm1::SetSeriesClock(std::unique_ptr<SeriesClock> clock) {
    lesson_.SetSeriesClock(std::move(clock));
}

Amount TForm1::ColumnWidth() const {
    return exercise_->ColumnWidth();
}

// -------------------------------------------------------------------- the window's life
void TForm1::FormCreate() {
    lesson_.ResetSeries();
    lesson_.Reseed();
    Draw();
    series_->StartTicking();
}

void TForm1::FormActivate() {
    NewExercise(false);
}

bool TForm1::event(QEvent* event) {
    // The first exercise is drawn once, when the window is first on screen, and not again
    // when the user merely returns to it: on its first activation, or, on Wayland, where
    // the compositor may keep the keyboard elsewhere and never activate the window, when
    // it is first shown. The focus then goes to the units box when the window does
    // become active, as it does after a first exercise drawn on activation.
    if (event->type() == QEvent::Show && !firstExerciseDrawn_ &&
        QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        firstExerciseDrawn_ = true;
        focusOnActivation_ = true;
        const bool handled = QWidget::event(event);
        FormActivate();
        return handled;
    }
    if (event->type() == QEvent::WindowActivate && (!firstExerciseDrawn_ || focusOnActivation_)) {
        const bool handled = QWidget::event(event);
        if (focusOnActivation_) {
            focusOnActivation_ = false;
            sumRow_->FocusUnitsBox();
        } else {
            firstExerciseDrawn_ = true;
            FormActivate();
        }
        return handled;
    }
    return QWidget::event(event);
}

void TForm1::closeEvent(QCloseEvent* event) {
    event->accept();
    QCoreApplication::quit();
}

// --------------------------------------------------------------- what the pupil asked for
void TForm1::Draw() {
    // The exercise comes last: a new one puts the focus in its sum row, after the other
    // panels have hidden or closed whatever control held it.
    series_->Draw(lesson_);
    settings_->Draw(lesson_);
    wallet_->Draw();
    points_->Draw(lesson_);
    // The ladder's news comes before the exercise is said.
    info_->Draw(lesson_);
    // The sum row draws a new exercise from within the exercise panel's (exerciseShown).
    exercise_->Draw();
    sumRow_->Draw();
    // What the action has to say comes after everything it changed.
    if (Announcer* announcer = Announcer::Of(this)) {
        announcer->Flush();
    }
}

void TForm1::NewExercise(bool newSeries) {
    lesson_.NewExercise(settings_->Read());
    if (newSeries) {
        lesson_.ResetSeries();
    }
    Draw();
}

void TForm1::WithdrawJudgement() {
    lesson_.WithdrawJudgement();
    Draw();
}

void TForm1::CheckAnswer() {
    // The message about an unreadable row serves events while it is open, a screen
    // reader's queued presses among them: one message at a time, and no check meanwhile.
    if (exercise_->Telling()) {
        Draw();
        return;
    }
    const Judgement j = lesson_.Check(sumRow_->SumRow(), sumRow_->ChangeText());
    if (j.Readable) {
        sumRow_->ShowJudgement(j);
        Draw();
    } else {
        // The pupil is told, over the window as it now stands; nothing else changes.
        Draw();
        exercise_->TellUnreadable(j);
    }
}

void TForm1::MoveOn() {
    sumRow_->ClearJudgementColours();
    if (lesson_.MoveOn() == MoveOnResult::Refused) {
        return;
    }
    NewExercise(false);
}

void TForm1::StartSeries() {
    // START is only shown for a whole number of minutes above 0, and leaving the field
    // puts a refused text back before the click arrives; should the field still hold
    // no number, there is no length for a series and the click does nothing.
    const std::optional<std::int32_t> minutes = settings_->TypedMinutes();
    if (!minutes) {
        return;
    }
    lesson_.NewExercise(settings_->Read());
    lesson_.ResetSeries();
    // The end lies on the monotonic time line: a wall clock set forward or back while
    // the series runs (daylight saving, a time sync) must not shorten or lengthen it.
    lesson_.StartSeries(*minutes);
    series_->StartTicking();
    Draw();
}

void TForm1::ResetSeries() {
    lesson_.CancelSeries();
    settings_->ClearMinutes();
    NewExercise(true);
}

void TForm1::TimerTick() {
    const Lesson::Tick tick = lesson_.OnTick();
    switch (tick.Kind) {
    case Lesson::TickKind::Idle:
        break;
    case Lesson::TickKind::Cancelled:
        // RESET ended the series and left the timer to be stopped here.
        series_->StopTicking();
        break;
    case Lesson::TickKind::Ended:
        series_->StopTicking();
        // The exercise on screen is judged once more so the pupil sees how it stood; it
        // earns nothing. Should the check stop on a sum row that cannot be read, the
        // pupil has seen the message and no results are shown.
        CheckAnswer();
        break;
    case Lesson::TickKind::Running:
        Draw();
        break;
    }
}

void TForm1::OpenWallet() {
    wallet_->Open();
    lesson_.DealWallet();
    Draw();
    // A new exercise made just now leaves the focus in the sum row; take it back.
    wallet_->TakeFocus();
}

void TForm1::TakePiece(int stack, int place) {
    // A piece already taken out is no longer in the wallet and pays nothing.
    if (lesson_.TakePiece(stack, place)) {
        Draw();
    }
}

void TForm1::CloseWallet() {
    // The focus goes to the change field before the wallet disappears, while the wallet
    // still covers it; hiding the wallet with the focus in it would first pass it to a sum
    // box.
    movingFocus_ = true;
    sumRow_->FocusChangeField();
    movingFocus_ = false;
    wallet_->Close();
    lesson_.ClosePayment();
    // Back at the receipt, with the amount paid.
    exercise_->SayExercise();
    Draw();
}

void TForm1::DealWallet() {
    lesson_.DealWallet();
    Draw();
}

// ------------------------------------------------------------------------------- keys
bool TForm1::KeyboardKey(QKeyEvent* event) {
    const int key = event->key();
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        exercise_->NoteKeyOffered(event);
        if (wallet_->TakesActivation(key)) {
            event->accept();
            return true;
        }
        return false;
    case QEvent::KeyRelease:
        return exercise_->KeyRelease(event);
    default:
        exercise_->NoteKeyPress(event);
        break;
    }
    if (key == Qt::Key_F1) {
        return info_->Key(event);
    }
    if (wallet_->Key(event)) {
        return true;
    }
    // Holding a key down repeats it; no action of the window repeats.
    if (event->isAutoRepeat()) {
        return key >= Qt::Key_F2 && key <= Qt::Key_F12;
    }
    if (exercise_->Key(event) || sumRow_->Key(event) || series_->Key(event) || info_->Key(event) ||
        settings_->Key(event)) {
        return true;
    }
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (mods == Qt::NoModifier && key == Qt::Key_F9) {
        settings_->PressInfoPicture();
        info_->FocusOkUnlessTyping();
        return true;
    }
    if (mods == Qt::ControlModifier && key == Qt::Key_Q) {
        if (Reachable(Image4)) {
            Image4->Press();
        }
        return true;
    }
    return false;
}

// -------------------------------------------------------- hidden and disabled controls
void TForm1::MoveFocusOutOfReach() {
    QWidget* focus = focusWidget();
    if (focus == nullptr || focus == this || Reachable(focus)) {
        return;
    }
    // Under the open wallet only the wallet takes the keys.
    if (wallet_->IsOpen() && Acts(focus)) {
        wallet_->TakeFocus();
        return;
    }
    MoveFocusOffLostControl();
    // A control that acts but lies under the information panel gives the focus up.
    if (focusWidget() == focus) {
        focus->clearFocus();
    }
}

void TForm1::MoveFocusOffLostControl() {
    QWidget* focus = focusWidget();
    if (focus == nullptr || focus == this || Acts(focus)) {
        return;
    }
    // Where the window puts the focus whenever it has a choice: the units of the sum.
    if (Acts(ui_.Tot[1])) {
        sumRow_->FocusUnitsBox();
    }
    if (focusWidget() == focus) {
        focus->clearFocus();
    }
}
