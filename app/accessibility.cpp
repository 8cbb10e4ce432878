#include "app/accessibility.h"

#include "app/scaled_accessibility.h"
#include "app/widgets.h"

#include <QAccessibleWidget>
#include <QCheckBox>
#include <QPointer>

namespace {

const char* const kRoleProperty = "quorvelAccessibleRole";

QAccessible::Role RoleOf(const QWidget* w, QAccessible::Role fallback) {
    const QVariant role = w->property(kRoleProperty);
    return role.isValid() ? static_cast<QAccessible::Role>(role.toInt()) : fallback;
}

// The window itself: a window, named by its title.
class WindowAccessible final : public ControlAccessible {
public:
    explicit WindowAccessible(QWidget* w) : ControlAccessible(w, QAccessible::Window) {}
};

// Panels group what they hold; one may be a notification.
class PanelAccessible final : public ControlAccessible {
public:
    explicit PanelAccessible(QWidget* w) : ControlAccessible(w, QAccessible::Grouping) {}
    QAccessible::Role role() const override { return RoleOf(widget(), QAccessible::Grouping); }
};

// A picture is a button when something listens to its click, else an image.
class PictureAccessible final : public ControlAccessible {
public:
    explicit PictureAccessible(Picture* w) : ControlAccessible(w, QAccessible::Graphic) {}

    QAccessible::Role role() const override {
        return Clickable() ? QAccessible::Button : QAccessible::Graphic;
    }
    QStringList actionNames() const override {
        QStringList names;
        if (Clickable()) {
            names << pressAction();
        }
        return names + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction() && Clickable()) {
            // As the keys do: a picture hidden, disabled or under another panel does nothing.
            if (Reachable(widget())) {
                static_cast<Picture*>(widget())->Press();
            }
            return;
        }
        QAccessibleWidget::doAction(action);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    bool Clickable() const { return static_cast<Picture*>(widget())->Clickable(); }
};

// A button that acts on mouse presses and releases: Press is a press and a release.
class MouseButtonAccessible final : public ControlAccessible {
public:
    explicit MouseButtonAccessible(MouseButton* w) : ControlAccessible(w, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return static_cast<MouseButton*>(widget())->text();
        }
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction()) {
            // The press runs after the call has returned, as Qt's own buttons do theirs:
            // a check may open a message, whose loop must not keep the screen reader
            // waiting, nor serve the next queued Press inside this one.
            QPointer<MouseButton> button = static_cast<MouseButton*>(widget());
            QMetaObject::invokeMethod(
                button,
                [button] {
                    if (button && Reachable(button)) {
                        // As a press of the mouse, it takes the focus first: a settings
                        // field the pupil was typing in is left, and judged, before the check.
                        if (button->focusPolicy() & Qt::ClickFocus) {
                            button->setFocus(Qt::MouseFocusReason);
                        }
                        button->PressAndRelease();
                    }
                },
                Qt::QueuedConnection);
            return;
        }
        QAccessibleWidget::doAction(action);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

// A check box whose Toggle is a click: the program's handlers listen to clicks.
class CheckBoxAccessible final : public ControlAccessible {
public:
    explicit CheckBoxAccessible(QCheckBox* w) : ControlAccessible(w, QAccessible::CheckBox) {}

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = Box()->isChecked();
        return s;
    }
    // Named by its own caption before the group box it stands in.
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return Box()->text();
        }
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override {
        return QStringList{toggleAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == toggleAction()) {
            // A box hidden (its mode is not on screen), disabled or covered does nothing,
            // as it would for the mouse and the keys.
            if (!Reachable(Box())) {
                return;
            }
            // As a mouse press would, the box takes the focus first, so a settings field
            // the pupil was typing in is judged before the box draws a new exercise.
            if (Box()->isEnabled() && (Box()->focusPolicy() & Qt::ClickFocus)) {
                Box()->setFocus(Qt::MouseFocusReason);
            }
            Box()->click(); // does nothing when disabled
            return;
        }
        QAccessibleWidget::doAction(action);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QCheckBox* Box() const { return static_cast<QCheckBox*>(widget()); }
};

class AnnouncerAccessible final : public ControlAccessible {
public:
    explicit AnnouncerAccessible(QWidget* w) : ControlAccessible(w, QAccessible::Notification) {}
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
    auto* w = qobject_cast<QWidget*>(object);
    if (w == nullptr) {
        return nullptr;
    }
    if (className == QLatin1String("TForm1")) {
        return new WindowAccessible(w);
    }
    if (className == QLatin1String("BevelPanel")) {
        return new PanelAccessible(w);
    }
    if (className == QLatin1String("Picture")) {
        return new PictureAccessible(static_cast<Picture*>(w));
    }
    if (className == QLatin1String("MouseButton")) {
        return new MouseButtonAccessible(static_cast<MouseButton*>(w));
    }
    if (className == QLatin1String("Announcer")) {
        return new AnnouncerAccessible(w);
    }
    if (className == QLatin1String("QCheckBox")) {
        return new CheckBoxAccessible(static_cast<QCheckBox*>(w));
    }
    // Qt's own controls, where the window is shown scaled: on screen.
    return ScaledStandardInterface(className, w);
}

} // namespace

void InstallAccessibility() {
    // Asked before the factories installed earlier, Qt's own among them.
    QAccessible::installFactory(&Factory);
}

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Aankondiging"));
    setGeometry(0, 0, 0, 0);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

Announcer* Announcer::Of(const QWidget* w) {
    return w == nullptr ? nullptr : w->window()->findChild<Announcer*>();
}

void Announcer::Say(const QString& text) {
    if (text.isEmpty()) {
        return;
    }
    pending_ << text;
    if (!flushQueued_) {
        flushQueued_ = true;
        QMetaObject::invokeMethod(this, &Announcer::Flush, Qt::QueuedConnection);
    }
}

void Announcer::Flush() {
    flushQueued_ = false;
    if (pending_.isEmpty()) {
        return;
    }
    const QString text = pending_.join(QLatin1Char(' '));
    pending_.clear();
    // A notification is spoken when it appears: take it away first, so that the same
    // text twice is spoken twice.
    hide();
    setAccessibleName(text);
    show();
}

void Announcer::Announce(const QString& text) {
    Say(text);
    Flush();
}

void SetAccessibleRole(QWidget* w, int role) {
    w->setProperty(kRoleProperty, role);
}
