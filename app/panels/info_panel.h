#pragma once

#include "app/controls.h"
#include "app/panels/kit.h"
#include "lesson/lesson.h"

#include <QObject>
#include <QPointer>

#include <functional>

class QKeyEvent;
class QShortcut;
class QTextEdit;

// What the window tells about itself: the information panel about the program, opened
// by the picture in the settings bar and closed by its OK, and the help box under the
// exercise, which explains the control under the pointer or, on F1, the one with the
// focus.
class InfoPanel : public QObject, private InfoControls {
    Q_OBJECT
public:
    explicit InfoPanel(QWidget* window);
    void Expose(Controls& ui) const;
    // The help texts of every control; each explains itself from now on, to the pointer,
    // to F1 and to a screen reader. `isField` tells a settings field, which keeps its
    // leaving rule when the panel closes.
    void Explain(const kit::HelpMap& help, std::function<bool(const QWidget*)> isField);
    // Opens the panel; the focus goes back where it was when it closes.
    void Open();
    bool IsOpen() const;
    // F1, and F9 while the panel is open. True when the key was the panel's.
    bool Key(const QKeyEvent* event);
    // After F9 opened the panel: OK takes the focus unless the pupil is typing.
    void FocusOkUnlessTyping();
    // A new exercise that brought the ladder a level (its first, or one up or down), or
    // that left it, is told in the help box and to a screen reader, once.
    void Draw(const Lesson& lesson);
    // What the sum row says of a wrong check (with Uitleg): in the help box, whatever the
    // pointer passes over, until an empty text takes it back; F1 still explains the
    // control with the focus.
    void Tell(const QString& text);
    // A level's name as the window says it: "2 getallen tot 20, zonder overdracht".
    static QString LevelName(const AddendSettings& level);
    // What the help box says of the ladder after the exercise on screen; empty for nothing.
    static QString LadderMessage(const Lesson& lesson);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OKKnopClick();
    void HelpForFocus();
    void HelpPointerMoved(QWidget* receiver, QPoint at);
    // Shows the control's help in the box; it becomes the control's description where that
    // waits to be asked for. `spoken`: a screen reader says it too (F1).
    void ShowHelp(QWidget* control, const QString& text, bool spoken);

    QWidget* window_ = nullptr;
    QShortcut* enter_ = nullptr; // presses OK while the panel is shown
    kit::HelpMap help_;
    std::function<bool(const QWidget*)> isField_;
    // Where the focus was when the panel opened; it goes back there.
    QPointer<QWidget> focusBefore_;
    // And, where it was an edit field, what was selected there (start, length) or where
    // its cursor stood: a sum box whose digit is selected takes the next digit in its place.
    int selectionBefore_ = -1;
    int selectedBefore_ = 0;
    int cursorBefore_ = 0;
    // The control whose help was asked for while it had the focus, and its description
    // before: leaving the control takes the help back.
    QPointer<QWidget> explained_;
    QString describedBefore_;
    unsigned drawnSerial_ = 0;
    QString told_; // what the sum row has the help box say, while it stands
};
