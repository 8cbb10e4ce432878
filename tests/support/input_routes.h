#pragma once

// The ways besides keys and clicks by which a text reaches a control: a drop from another
// program, the edit menu of the right mouse button, an input method. Each arrives at the
// widget as Qt delivers it on a real screen.

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QTimer>

// Drops `text` at `at` (window coordinates) as Qt delivers a drop: to the widget under the
// point or the nearest of its containers that takes drops; the drop is refused when none
// does, or when the target refuses it on entering or moving. Returns whether it was taken.
inline bool DropText(QWidget* window, QPoint at, const QString& text) {
    QWidget* target = window->childAt(at);
    if (target == nullptr) {
        target = window;
    }
    while (target != window && !target->acceptDrops()) {
        target = target->parentWidget();
    }
    if (!target->acceptDrops()) {
        return false;
    }
    QMimeData mime;
    mime.setText(text);
    const QPoint p = target->mapFrom(window, at);
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(p, actions, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    if (!enter.isAccepted()) {
        return false;
    }
    QDragMoveEvent move(p, actions, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &move);
    if (!move.isAccepted()) {
        QDragLeaveEvent leave;
        QCoreApplication::sendEvent(target, &leave);
        return false;
    }
    QDropEvent drop(QPointF(p), move.dropAction(), &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

// The open popup menu's entry whose text, without its accelerator marks and shortcut,
// is `entry` ("Paste", "Undo", "Select All"), or nullptr.
inline QAction* MenuEntry(QMenu* menu, const QString& entry) {
    for (QAction* action : menu->actions()) {
        QString text = action->text();
        text.remove(QLatin1Char('&'));
        if (text.section(QLatin1Char('\t'), 0, 0) == entry) {
            return action;
        }
    }
    return nullptr;
}

// Picks `entry` in the open popup menu with the keyboard, or closes the menu with Escape
// when the entry is missing or disabled. Returns whether the entry was picked.
inline bool PickFromOpenMenu(const QString& entry) {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr) {
        return false;
    }
    QAction* action = MenuEntry(menu, entry);
    if (action == nullptr || !action->isEnabled()) {
        QTest::keyClick(menu, Qt::Key_Escape);
        return false;
    }
    menu->setActiveAction(action);
    QTest::keyClick(menu, Qt::Key_Return);
    return true;
}

// Presses the right mouse button at `at` (window coordinates) and picks `entry` from the
// edit menu that opens there. Returns whether a menu opened with the entry enabled.
inline bool PickFromContextMenu(QWidget* window, QPoint at, const QString& entry) {
    bool picked = false;
    bool opened = false;
    // The menu may run an event loop of its own until it closes.
    QTimer pick;
    pick.setSingleShot(true);
    QObject::connect(&pick, &QTimer::timeout, [&] {
        opened = QApplication::activePopupWidget() != nullptr;
        picked = PickFromOpenMenu(entry);
    });
    pick.start(0);
    QTest::mouseClick(window->windowHandle(), Qt::RightButton, {}, at);
    if (QApplication::activePopupWidget() != nullptr) {
        opened = true;
        picked = PickFromOpenMenu(entry);
    }
    // A popup leaves its window active on a real screen; the offscreen platform makes the
    // menu the active window, and gives the activation back only when asked.
    QCoreApplication::processEvents();
    if (opened && !window->isActiveWindow()) {
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window)) {
            return false;
        }
    }
    return opened && picked;
}

// Commits `text` through the input method to whatever has the focus, as a platform input
// method does for a composed character; `preedit` is left as the text being composed.
inline void CommitThroughInputMethod(const QString& text, const QString& preedit = QString()) {
    QObject* target = QGuiApplication::focusObject();
    if (target == nullptr) {
        return;
    }
    QInputMethodEvent event(preedit, {});
    event.setCommitString(text);
    QCoreApplication::sendEvent(target, &event);
}
