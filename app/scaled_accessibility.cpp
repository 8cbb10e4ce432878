// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/scaled_accessibility.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QGraphicsProxyWidget>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

namespace {

QRect OnScreen(const QWidget* w, QRect inWidget) {
    const QPoint topLeft = w->mapToGlobal(QPointF(inWidget.topLeft())).toPoint();
    const QPoint bottomRight =
        w->mapToGlobal(QPointF(inWidget.topLeft() + QPoint(inWidget.width(), inWidget.height())))
            .toPoint();
    return {topLeft, bottomRight - QPoint(1, 1)};
}

QRect OnScreen(const QWidget* w) {
    return w->isVisible() ? OnScreen(w, w->rect()) : QRect();
}

// The child of `node` (the interface of `w`) at the screen point (x, y): the one holding
// the widget a click there reaches, else the last (topmost) child whose rectangle holds it.
QAccessibleInterface* ChildOnScreenAt(const QAccessibleInterface* node, QWidget* w, int x, int y) {
    if (!OnScreen(w).contains(x, y)) {
        return nullptr;
    }
    QWidget* hit = w->childAt(w->mapFromGlobal(QPointF(x, y)).toPoint());
    while (hit != nullptr && hit->parentWidget() != w) {
        hit = hit->parentWidget();
    }
    if (hit != nullptr) {
        QAccessibleInterface* child = QAccessible::queryAccessibleInterface(hit);
        if (child != nullptr && node->indexOfChild(child) >= 0) {
            return child;
        }
    }
    for (int i = node->childCount() - 1; i >= 0; --i) {
        QAccessibleInterface* child = node->child(i);
        if (child != nullptr && child->isValid() && child->rect().contains(x, y)) {
            return child;
        }
    }
    return nullptr;
}

// A caption's mnemonic marks taken out, as Qt does: "&&" is an "&".
QString WithoutMnemonics(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size()) {
            ++i;
        }
        out += text[i];
    }
    return out;
}

// What Qt says of a widget's name where it has none of its own: its caption.
QString NameOr(const QWidget* w, const QString& caption) {
    const QString own = w->accessibleName();
    return own.isEmpty() ? caption : own;
}

class ScaledLabel final : public ControlAccessible {
public:
    explicit ScaledLabel(QLabel* w) : ControlAccessible(w, QAccessible::StaticText) {}

    QAccessible::Role role() const override {
        return Label()->text().isEmpty() && !Label()->pixmap().isNull() ? QAccessible::Graphic
                                                                        : QAccessible::StaticText;
    }
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !widget()->accessibleName().isEmpty()) {
            return ControlAccessible::text(t);
        }
        QString shown = Label()->text();
        if (Label()->textFormat() == Qt::RichText ||
            (Label()->textFormat() == Qt::AutoText && Qt::mightBeRichText(shown))) {
            QTextDocument document;
            document.setHtml(shown);
            shown = document.toPlainText();
        }
        return Label()->buddy() != nullptr ? WithoutMnemonics(shown) : shown;
    }
    QList<std::pair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override {
        auto found = ControlAccessible::relations(match);
        if ((match & QAccessible::Labelled) && Label()->buddy() != nullptr) {
            found.append(
                {QAccessible::queryAccessibleInterface(Label()->buddy()), QAccessible::Labelled});
        }
        return found;
    }

private:
    QLabel* Label() const { return static_cast<QLabel*>(widget()); }
};

class ScaledButton final : public ControlAccessible {
public:
    explicit ScaledButton(QAbstractButton* w) : ControlAccessible(w, QAccessible::Button) {}

    QAccessible::Role role() const override {
        if (Button()->isCheckable()) {
            return Button()->autoExclusive() ? QAccessible::RadioButton : QAccessible::CheckBox;
        }
        return QAccessible::Button;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            return NameOr(widget(), WithoutMnemonics(Button()->text()));
        }
        return ControlAccessible::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = ControlAccessible::state();
        s.checkable = Button()->isCheckable();
        s.checked = Button()->isChecked();
        s.pressed = Button()->isDown();
        if (const auto* push = qobject_cast<const QPushButton*>(Button())) {
            s.defaultButton = push->isDefault();
        }
        return s;
    }
    QStringList actionNames() const override {
        QStringList names;
        if (widget()->isEnabled()) {
            names << (Button()->isCheckable() ? toggleAction() : pressAction());
        }
        return names + ControlAccessible::actionNames();
    }
    void doAction(const QString& action) override {
        if (!widget()->isEnabled()) {
            return;
        }
        if (action == pressAction()) {
            Button()->animateClick();
        } else if (action == toggleAction()) {
            Button()->toggle();
        } else {
            ControlAccessible::doAction(action);
        }
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QAbstractButton* Button() const { return static_cast<QAbstractButton*>(widget()); }
};

class ScaledGroupBox final : public ControlAccessible {
public:
    explicit ScaledGroupBox(QGroupBox* w) : ControlAccessible(w, QAccessible::Grouping) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            return NameOr(widget(), WithoutMnemonics(Box()->title()));
        }
        if (t == QAccessible::Description) {
            const QString own = widget()->accessibleDescription();
            return own.isEmpty() ? widget()->toolTip() : own;
        }
        return ControlAccessible::text(t);
    }

private:
    QGroupBox* Box() const { return static_cast<QGroupBox*>(widget()); }
};

// Text read and edited as Qt's own interfaces do it: an edit field by its whole text.
class ScaledLineEdit final : public ControlAccessible,
                             public QAccessibleTextInterface,
                             public QAccessibleEditableTextInterface {
public:
    explicit ScaledLineEdit(QLineEdit* w) : ControlAccessible(w, QAccessible::EditableText) {
        addControllingSignal(QStringLiteral("textChanged(const QString&)"));
        addControllingSignal(QStringLiteral("returnPressed()"));
    }

    QString text(QAccessible::Text t) const override {
        QString said;
        if (t == QAccessible::Value && Edit()->echoMode() == QLineEdit::Normal) {
            said = Edit()->text();
        }
        return WithoutMnemonics(said.isEmpty() ? ControlAccessible::text(t) : said);
    }
    void setText(QAccessible::Text t, const QString& text) override {
        if (t != QAccessible::Value) {
            ControlAccessible::setText(t, text);
            return;
        }
        Edit()->setText(text);
    }
    QAccessible::State state() const override {
        QAccessible::State s = ControlAccessible::state();
        s.readOnly = Edit()->isReadOnly();
        s.editable = !Edit()->isReadOnly();
        s.passwordEdit = Edit()->echoMode() != QLineEdit::Normal;
        s.selectable = true;
        s.selected = Edit()->hasSelectedText();
        s.hasPopup = Edit()->contextMenuPolicy() != Qt::NoContextMenu &&
                     Edit()->contextMenuPolicy() != Qt::PreventContextMenu;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        if (t == QAccessible::EditableTextInterface) {
            return static_cast<QAccessibleEditableTextInterface*>(this);
        }
        return ControlAccessible::interface_cast(t);
    }

    // The text.
    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        if (index == 0 && Edit()->hasSelectedText()) {
            *start = Edit()->selectionStart();
            *end = *start + static_cast<int>(Edit()->selectedText().size());
        }
    }
    int selectionCount() const override { return Edit()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override {
        if (index == 0) {
            Edit()->deselect();
        }
    }
    void setSelection(int index, int start, int end) override {
        if (index == 0) {
            Edit()->setSelection(start, end - start);
        }
    }
    int cursorPosition() const override { return Edit()->cursorPosition(); }
    void setCursorPosition(int position) override { Edit()->setCursorPosition(position); }
    QString text(int start, int end) const override {
        if (start > end || Edit()->echoMode() != QLineEdit::Normal) {
            return {};
        }
        return Edit()->text().mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(Edit()->text().size()); }
    QRect characterRect(int offset) const override {
        const QString before = Edit()->text().left(offset);
        const QString ch = text(offset, offset + 1);
        if (ch.isEmpty()) {
            return {};
        }
        const QFontMetrics metrics(Edit()->font());
        const QRect inside = Edit()->contentsRect();
        const QRect inEdit(inside.left() + metrics.horizontalAdvance(before), inside.top(),
                           metrics.horizontalAdvance(ch), metrics.height());
        return OnScreen(Edit(), inEdit);
    }
    int offsetAtPoint(const QPoint& point) const override {
        return Edit()->cursorPositionAt(Edit()->mapFromGlobal(QPointF(point)).toPoint());
    }
    void scrollToSubstring(int start, int end) override {
        Edit()->setCursorPosition(end);
        Edit()->setCursorPosition(start);
    }
    QString attributes(int offset, int* start, int* end) const override {
        *start = *end = offset;
        return {};
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                             int* end) const override {
        return Hidden(start, end)
                   ? QString()
                   : QAccessibleTextInterface::textBeforeOffset(offset, type, start, end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                            int* end) const override {
        return Hidden(start, end)
                   ? QString()
                   : QAccessibleTextInterface::textAfterOffset(offset, type, start, end);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                         int* end) const override {
        return Hidden(start, end)
                   ? QString()
                   : QAccessibleTextInterface::textAtOffset(offset, type, start, end);
    }

    // Edited as a whole, as by the program.
    void deleteText(int start, int end) override {
        Edit()->setText(Edit()->text().remove(start, end - start));
    }
    void insertText(int offset, const QString& text) override {
        Edit()->setText(Edit()->text().insert(offset, text));
    }
    void replaceText(int start, int end, const QString& text) override {
        Edit()->setText(Edit()->text().replace(start, end - start, text));
    }

private:
    QLineEdit* Edit() const { return static_cast<QLineEdit*>(widget()); }
    bool Hidden(int* start, int* end) const {
        if (Edit()->echoMode() == QLineEdit::Normal) {
            return false;
        }
        *start = *end = -1;
        return true;
    }
};

// The help box: text to read, not to edit.
class ScaledTextEdit final : public ControlAccessible, public QAccessibleTextInterface {
public:
    explicit ScaledTextEdit(QTextEdit* w) : ControlAccessible(w, QAccessible::EditableText) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) {
            return Edit()->toPlainText();
        }
        return ControlAccessible::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = ControlAccessible::state();
        s.readOnly = Edit()->isReadOnly();
        s.editable = !Edit()->isReadOnly();
        s.multiLine = true;
        s.selectable = true;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return ControlAccessible::interface_cast(t);
    }

    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        const QTextCursor cursor = Edit()->textCursor();
        if (index == 0 && cursor.hasSelection()) {
            *start = cursor.selectionStart();
            *end = cursor.selectionEnd();
        }
    }
    int selectionCount() const override { return Edit()->textCursor().hasSelection() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override {
        if (index == 0) {
            QTextCursor cursor = Edit()->textCursor();
            cursor.clearSelection();
            Edit()->setTextCursor(cursor);
        }
    }
    void setSelection(int index, int start, int end) override {
        if (index != 0) {
            return;
        }
        QTextCursor cursor = Edit()->textCursor();
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        Edit()->setTextCursor(cursor);
    }
    int cursorPosition() const override { return Edit()->textCursor().position(); }
    void setCursorPosition(int position) override {
        QTextCursor cursor = Edit()->textCursor();
        cursor.setPosition(position);
        Edit()->setTextCursor(cursor);
    }
    QString text(int start, int end) const override {
        return start > end ? QString() : Edit()->toPlainText().mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(Edit()->toPlainText().size()); }
    QRect characterRect(int offset) const override {
        QTextCursor cursor(Edit()->document());
        cursor.setPosition(offset);
        const QRect at = Edit()->cursorRect(cursor);
        const QFontMetrics metrics(Edit()->font());
        const QString ch = text(offset, offset + 1);
        const QRect inViewport(at.topLeft(), QSize(metrics.horizontalAdvance(ch), at.height()));
        return OnScreen(Edit()->viewport(), inViewport);
    }
    int offsetAtPoint(const QPoint& point) const override {
        const QPoint inViewport = Edit()->viewport()->mapFromGlobal(QPointF(point)).toPoint();
        return Edit()->cursorForPosition(inViewport).position();
    }
    void scrollToSubstring(int start, int) override { setCursorPosition(start); }
    QString attributes(int offset, int* start, int* end) const override {
        *start = *end = offset;
        return {};
    }

private:
    QTextEdit* Edit() const { return static_cast<QTextEdit*>(widget()); }
};

class ScaledMessage final : public ControlAccessible {
public:
    explicit ScaledMessage(QMessageBox* w) : ControlAccessible(w, QAccessible::AlertMessage) {}

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name: {
            const QString title = ControlAccessible::text(t);
            return title.isEmpty() ? Box()->text() : title;
        }
        case QAccessible::Description:
            return widget()->accessibleDescription();
        case QAccessible::Value:
            return Box()->text();
        case QAccessible::Help:
            return Box()->informativeText();
        default:
            return {};
        }
    }

private:
    QMessageBox* Box() const { return static_cast<QMessageBox*>(widget()); }
};

class ScaledScrollBar final : public ControlAccessible, public QAccessibleValueInterface {
public:
    explicit ScaledScrollBar(QScrollBar* w) : ControlAccessible(w, QAccessible::ScrollBar) {}

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::ValueInterface) {
            return static_cast<QAccessibleValueInterface*>(this);
        }
        return ControlAccessible::interface_cast(t);
    }
    QVariant currentValue() const override { return Bar()->value(); }
    void setCurrentValue(const QVariant& value) override { Bar()->setValue(value.toInt()); }
    QVariant maximumValue() const override { return Bar()->maximum(); }
    QVariant minimumValue() const override { return Bar()->minimum(); }
    QVariant minimumStepSize() const override { return Bar()->singleStep(); }

private:
    QScrollBar* Bar() const { return static_cast<QScrollBar*>(widget()); }
};

} // namespace

bool InScaledWindow(const QWidget* w) {
    return w->window()->graphicsProxyWidget() != nullptr;
}

QRect ControlAccessible::rect() const {
    return InScaledWindow(widget()) ? OnScreen(widget()) : QAccessibleWidget::rect();
}

QAccessibleInterface* ControlAccessible::childAt(int x, int y) const {
    return InScaledWindow(widget()) ? ChildOnScreenAt(this, widget(), x, y)
                                    : QAccessibleWidget::childAt(x, y);
}

QAccessibleInterface* ScaledStandardInterface(const QString& className, QWidget* w) {
    if (!InScaledWindow(w)) {
        return nullptr;
    }
    // By what the control is; asked first for its own class, so a class below these that
    // Qt knows more of (none in this window) would be served here too.
    if (auto* box = qobject_cast<QMessageBox*>(w)) {
        return new ScaledMessage(box);
    }
    if (qobject_cast<QDialogButtonBox*>(w) != nullptr) {
        return new ControlAccessible(w, QAccessible::Grouping);
    }
    if (auto* label = qobject_cast<QLabel*>(w)) {
        return new ScaledLabel(label);
    }
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        return new ScaledButton(button);
    }
    if (auto* box = qobject_cast<QGroupBox*>(w)) {
        return new ScaledGroupBox(box);
    }
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        return new ScaledLineEdit(edit);
    }
    if (auto* edit = qobject_cast<QTextEdit*>(w)) {
        return new ScaledTextEdit(edit);
    }
    if (auto* bar = qobject_cast<QScrollBar*>(w)) {
        return new ScaledScrollBar(bar);
    }
    // A plain widget (a scroll area's viewport, a panel of Qt's): what Qt gives one.
    if (className == QLatin1String("QWidget")) {
        return new ControlAccessible(w, QAccessible::Client);
    }
    return nullptr;
}

void ForgetInterfacesDrawnUnscaled(QWidget* window) {
    QList<QWidget*> all = window->findChildren<QWidget*>();
    all.prepend(window);
    for (QWidget* w : all) {
        QAccessibleInterface* made = QAccessible::queryAccessibleInterface(w);
        if (made != nullptr && dynamic_cast<ControlAccessible*>(made) == nullptr) {
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
        }
    }
}
