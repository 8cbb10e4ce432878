// Hidden and disabled controls: the keyboard focus never stays on one, and none acts.

#include "app/form.h"

#include <QApplication>
#include <QEvent>

#include <functional>

namespace {

// Tells the window whenever one of its widgets is hidden or changes its enabled state.
class LostControlWatcher : public QObject {
public:
    LostControlWatcher(QObject* parent, std::function<void()> changed)
        : QObject(parent), changed_(std::move(changed)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::HideToParent || event->type() == QEvent::EnabledChange) {
            changed_();
        }
        return false;
    }

private:
    std::function<void()> changed_;
};

} // namespace

void TForm1::ConnectFocusGuard() {
    // Qt passes the focus of a control being hidden or disabled on along the Tab chain,
    // and keeps it there when no control of the chain can take it: a hidden button would
    // then still be pressed by Space.
    lostControlWatcher_ = new LostControlWatcher(this, [this] { MoveFocusOffLostControl(); });
    for (QWidget* w : findChildren<QWidget*>()) {
        w->installEventFilter(lostControlWatcher_);
    }
}

bool TForm1::Acts(const QWidget* control) {
    return control->isVisible() && control->isEnabled();
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
