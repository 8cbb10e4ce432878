// Keys for what the mouse does: every button, picture and setting of the window has a
// key that acts where a click on it would act, and the wallet is worked with the arrow
// keys. The keys chosen mean nothing to the control that has the focus: function keys,
// Alt with a letter, and in the wallet the arrows, Space and Return.

#include "app/form.h"
#include "wallet/pieces.h"

#include <QApplication>
#include <QKeyEvent>

#include <algorithm>
#include <functional>

namespace {

std::size_t At(int i) {
    return static_cast<std::size_t>(i);
}

bool IsActivation(int key) {
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

void TForm1::ConnectKeyboard() {
    // Every key on its way to a widget of the window, before the widget sees it.
    qApp->installEventFilter(new EventFilter(this, [this](QObject* watched, QEvent* event) {
        const QEvent::Type t = event->type();
        if (t != QEvent::KeyPress && t != QEvent::KeyRelease && t != QEvent::ShortcutOverride) {
            return false;
        }
        auto* key = static_cast<QKeyEvent*>(event);
        // The key held down for CONTROLEER is let go wherever the keyboard went meanwhile
        // (a message about an unreadable sum, for one).
        const bool ours =
            watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == this;
        return (ours || (t == QEvent::KeyRelease && key->key() == Qt::Key_F2)) && KeyboardKey(key);
    }));
    // A piece with the focus hidden itself is told before Qt passes the focus on.
    auto* hides = new EventFilter(this, [this](QObject* watched, QEvent* event) {
        if (event->type() != QEvent::Hide) {
            return false;
        }
        auto* piece = static_cast<Picture*>(watched);
        if (piece->isHidden() && piece->hasFocus()) {
            PieceHidden(piece);
        }
        return false;
    });
    for (const auto& stack : Pieces) {
        for (Picture* piece : stack) {
            if (piece) {
                piece->installEventFilter(hides);
            }
        }
    }
}

// A key acts on a control only where a click on it would: shown, enabled and not covered
// (by the wallet or the information panel).
static bool Reachable(const QWidget* window, const QWidget* w) {
    if (!Acts(w)) {
        return false;
    }
    const QWidget* hit = window->childAt(w->mapTo(window, w->rect().center()));
    return hit == w || (hit && w->isAncestorOf(hit));
}

bool TForm1::KeyboardKey(QKeyEvent* event) {
    const int key = event->key();
    QWidget* focus = FocusedWidget();
    const bool inWallet = Portemonnee->isVisible() && focus &&
                          (focus == Portemonnee || Portemonnee->isAncestorOf(focus));
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Return is the information panel's shortcut elsewhere; in the wallet it takes a piece.
        if (inWallet && IsActivation(key)) {
            event->accept();
            return true;
        }
        return false;
    case QEvent::KeyRelease:
        if (key == Qt::Key_F2 && checkKeyHeld_ && !event->isAutoRepeat()) {
            CheckKeyUp();
            return true;
        }
        return false;
    default:
        break;
    }
    if (key == Qt::Key_F1) {
        HelpForFocus();
        return true;
    }
    if (inWallet && event->modifiers() == Qt::NoModifier && WalletKey(key)) {
        return true;
    }
    // Holding a key down repeats it; no action of the window repeats.
    if (event->isAutoRepeat()) {
        return key >= Qt::Key_F2 && key <= Qt::Key_F12;
    }
    return WindowKey(event);
}

bool TForm1::WalletKey(int key) {
    QWidget* focus = FocusedWidget();
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        MoveAmongPieces(key);
        return true;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (focus == PortemonneeSluiten || focus == PortemonneeReset) {
            static_cast<QPushButton*>(focus)->click();
        } else if (qobject_cast<Picture*>(focus)) {
            TakeFocusedPiece();
        } else {
            MoveAmongPieces(Qt::Key_Right);
        }
        return true;
    default:
        return false;
    }
}

bool TForm1::WindowKey(const QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    if (event->isAutoRepeat()) {
        return false;
    }
    auto act = [this](QWidget* control, const std::function<void()>& action) {
        if (Reachable(this, control)) {
            action();
        }
        return true;
    };
    // Most keys click a control, as the mouse would.
    auto click = [&act, this](QWidget* control) {
        return act(control, [this, control] { ClickSetting(control); });
    };
    if (mods == Qt::NoModifier) {
        switch (key) {
        case Qt::Key_F2:
            if (!checkKeyHeld_ && Reachable(this, Kontroleer)) {
                CheckKeyDown();
            }
            return true;
        case Qt::Key_F3:
            return click(VolgendeOefening);
        case Qt::Key_F4:
            return act(Geld, [&] { Geld->Press(); });
        case Qt::Key_F5:
            return click(Startknop);
        case Qt::Key_F6:
            return click(OKKnop1);
        case Qt::Key_F7:
            return click(Wis1);
        case Qt::Key_F8:
            return click(Wis2);
        case Qt::Key_F9:
            if (Info->isVisible()) {
                return click(OKKnop);
            }
            return act(Image1, [&] {
                Image1->Press();
                // Return presses OK from an edit field or a check box; from elsewhere
                // OK itself takes the focus, where Space presses it.
                QWidget* focus = FocusedWidget();
                if (Info->isVisible() && !qobject_cast<QLineEdit*>(focus) &&
                    !qobject_cast<QCheckBox*>(focus)) {
                    OKKnop->setFocus(Qt::OtherFocusReason);
                }
            });
        case Qt::Key_F10:
            return click(PortemonneeReset);
        case Qt::Key_F11:
            return click(PortemonneeSluiten);
        default:
            return false;
        }
    }
    if (mods == Qt::ControlModifier && key == Qt::Key_Q) {
        return act(Image4, [&] { Image4->Press(); });
    }
    if (mods == Qt::AltModifier) {
        switch (key) {
        case Qt::Key_A:
            return click(MaxArtikels);
        case Qt::Key_G:
            return click(MaxGetal);
        case Qt::Key_T:
            return click(TimerMinuten);
        case Qt::Key_O:
            return click(Komma);
        case Qt::Key_K:
            return click(Kasticket);
        case Qt::Key_P:
            return click(Geldbeugel);
        case Qt::Key_H:
            return click(Hulpjes);
        case Qt::Key_M:
            return click(Eenvoudig);
        default:
            return false;
        }
    }
    return false;
}

void TForm1::ClickSetting(QWidget* control) {
    // A press of the mouse gives the focus to a control that takes it by click, and
    // the click follows on the release.
    if (control->focusPolicy() & Qt::ClickFocus) {
        control->setFocus(Qt::MouseFocusReason);
    }
    if (auto* field = qobject_cast<EditBox*>(control)) {
        MaxArtikelsClick(field);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->click();
    }
}

void TForm1::CheckKeyDown() {
    // A press of the mouse takes the focus to CONTROLEER, and leaving a settings field
    // may draw a new exercise before the check; the sum row and the change field keep
    // it, since leaving them changes nothing, and the release brings it back there.
    QWidget* focus = FocusedWidget();
    const bool inAnswer =
        focus == Teruggave || std::find(Tot.begin(), Tot.end(), focus) != Tot.end();
    if (!inAnswer) {
        Kontroleer->setFocus(Qt::MouseFocusReason);
    }
    checkKeyHeld_ = true;
    Kontroleer->setDown(true);
    KontroleerMouseDown(Qt::LeftButton);
}

void TForm1::CheckKeyUp() {
    checkKeyHeld_ = false;
    Kontroleer->setDown(false);
    KontroleerMouseUp(Qt::LeftButton);
}

namespace {

struct ShownPiece {
    int stack;
    int place;
};

} // namespace

// The pieces still in the wallet, stack by stack from the 500-euro note down, the top
// piece of each stack first; `leaving` counts as still there.
static std::vector<ShownPiece> PiecesInWallet(const Controls& c, const QWidget* leaving = nullptr) {
    std::vector<ShownPiece> shown;
    for (int s = 0; s < DenominationCount; ++s) {
        for (int n = PieceTable[At(s)].StackSize; n >= 1; --n) {
            const Picture* piece = c.Pieces[At(s)][At(n)];
            if (!piece->isHidden() || piece == leaving) {
                shown.push_back({s, n});
            }
        }
    }
    return shown;
}

static int IndexOfFocus(const Controls& c, const std::vector<ShownPiece>& shown) {
    QWidget* focus = FocusedWidget();
    for (std::size_t i = 0; i < shown.size(); ++i) {
        if (c.Pieces[At(shown[i].stack)][At(shown[i].place)] == focus) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void TForm1::MoveAmongPieces(int key) {
    const std::vector<ShownPiece> shown = PiecesInWallet(*this);
    if (shown.empty()) {
        return;
    }
    const int count = static_cast<int>(shown.size());
    int at = IndexOfFocus(*this, shown);
    if (at < 0) {
        at = 0;
    } else if (key == Qt::Key_Right) {
        at = std::min(at + 1, count - 1);
    } else if (key == Qt::Key_Left) {
        at = std::max(at - 1, 0);
    } else {
        // Up and Down go to the top piece of the stack before or after.
        const int stack = shown[At(at)].stack;
        if (key == Qt::Key_Down) {
            while (at < count - 1 && shown[At(at)].stack == stack) {
                ++at;
            }
        } else {
            while (at > 0 && shown[At(at)].stack == stack) {
                --at;
            }
            while (at > 0 && shown[At(at - 1)].stack == shown[At(at)].stack) {
                --at;
            }
        }
    }
    Pieces[At(shown[At(at)].stack)][At(shown[At(at)].place)]->setFocus(Qt::OtherFocusReason);
}

void TForm1::TakeFocusedPiece() {
    const std::vector<ShownPiece> shown = PiecesInWallet(*this);
    const int at = IndexOfFocus(*this, shown);
    if (at >= 0) {
        Briefje500n1Click(shown[At(at)].stack, shown[At(at)].place);
    }
}

void TForm1::PieceHidden(Picture* piece) {
    // A hidden focus would pass on along the window's chain, to a sum box under the
    // wallet: it goes to the next piece instead, or to the wallet when none is left.
    // Taken by key, by a screen reader's Press or dealt anew, all come here.
    std::vector<ShownPiece> shown = PiecesInWallet(*this, piece);
    const int at = IndexOfFocus(*this, shown);
    if (at < 0) {
        return;
    }
    shown.erase(shown.begin() + at);
    if (shown.empty()) {
        Portemonnee->setFocus(Qt::OtherFocusReason);
    } else {
        const ShownPiece next = shown[At(std::min(at, static_cast<int>(shown.size()) - 1))];
        Pieces[At(next.stack)][At(next.place)]->setFocus(Qt::OtherFocusReason);
    }
}

void TForm1::HelpForFocus() {
    // The control with the focus explains itself, as it does under the pointer; one
    // without an explanation is explained by what holds it.
    QWidget* w = FocusedWidget();
    if (w == nullptr || w->window() != this) {
        w = this;
    }
    while (w != this && !helpHandlers_.contains(w)) {
        w = w->parentWidget();
    }
    const auto handler = helpHandlers_.constFind(w);
    if (handler != helpHandlers_.cend()) {
        HelpMouseMove(*handler);
    }
}
