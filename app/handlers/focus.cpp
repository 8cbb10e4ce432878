// Hidden and disabled controls: the keyboard focus never stays on one, and none acts.

#include "app/form.h"

#include <QApplication>
#include <QEvent>

void TForm1::ConnectFocusGuard() {
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

void TForm1::MoveFocusOffLostControl() {
    QWidget* focus = focusWidget();
    if (focus == nullptr || focus == this || Acts(focus)) {
        return;
    }
    // Where the window puts the focus whenever it has a choice: the units of the sum.
    if (Acts(Tot[1])) {
        FocusUnitsBox();
    }
    if (focusWidget() == focus) {
        focus->clearFocus();
    }
}
