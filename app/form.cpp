#include "app/form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>

TForm1::TForm1(QWidget* parent)
    : QWidget(parent,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      lesson_(std::make_unique<ClockRandom>(), std::make_unique<SteadySeriesClock>()) {
    BuildLayout();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    SetUpKeyboard();
    connect(Image1, &Picture::clicked, this, &TForm1::Image1Click);
    connect(OKKnop, &QPushButton::clicked, this, &TForm1::OKKnopClick);
    connect(Image4, &Picture::clicked, this, &TForm1::Image4Click);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    ConnectAnswer();
    ConnectSettings();
    ConnectTimer();
    ConnectWallet();
    ConnectHelp();
    ConnectAccessibility();
    ConnectKeyboard();
    ConnectFocusGuard();
    FormCreate();
}

TForm1::~TForm1() {
    // Controls hidden while the window is taken apart must not call back into it.
    delete lostControlWatcher_;
}

void TForm1::SetRandomSource(std::unique_ptr<RandomSource> random) {
    lesson_.SetRandomSource(std::move(random));
}

void TForm1::SetSeriesClock(std::unique_ptr<SeriesClock> clock) {
    lesson_.SetSeriesClock(std::move(clock));
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
            FocusUnitsBox();
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

void TForm1::SetUpKeyboard() {
    // Escape presses RESET and Enter presses the information panel's OK while they
    // are shown; the key then goes no further.
    escapeShortcut_ = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escapeShortcut_->setContext(Qt::WindowShortcut);
    escapeShortcut_->setEnabled(false);
    connect(escapeShortcut_, &QShortcut::activated, this, [this] { PressShortcutButton(OKKnop1); });
    enterShortcut_ = new QShortcut(this);
    enterShortcut_->setKeys({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    enterShortcut_->setContext(Qt::WindowShortcut);
    enterShortcut_->setEnabled(false);
    connect(enterShortcut_, &QShortcut::activated, this, [this] { PressShortcutButton(OKKnop); });
    OKKnop1->installEventFilter(this);
    Info->installEventFilter(this);

    // Tab visits only the sum boxes, the change field and the "maximum 100" box.
    static const int order[] = {1, 2, 4, 3, 8, 7, 6, 5, 12, 11, 10, 9, 14, 13};
    QWidget* previous = Eenvoudig;
    for (int k : order) {
        setTabOrder(previous, Tot[k]);
        previous = Tot[k];
    }
    setTabOrder(previous, Teruggave);
}

void TForm1::PressShortcutButton(QPushButton* button) {
    // Only a key pressed in an edit field or a check box reaches the button, or on the
    // button itself, where the end of a timed series puts the focus.
    QWidget* focus = FocusedWidget();
    if (qobject_cast<QLineEdit*>(focus) || qobject_cast<QCheckBox*>(focus) || focus == button) {
        button->click();
    }
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent) {
        const bool shown = event->type() == QEvent::ShowToParent;
        if (watched == OKKnop1) {
            escapeShortcut_->setEnabled(shown);
        } else if (watched == Info) {
            enterShortcut_->setEnabled(shown);
        }
    }
    return QWidget::eventFilter(watched, event);
}
