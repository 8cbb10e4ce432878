#include "app/panels/kit.h"

#include "engine/amount.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTextEdit>

#include <algorithm>
#include <climits>
#include <cmath>

namespace kit {

using namespace look;

int CarryLabelLeft(int priceLeft, std::int64_t columnWidth, int box) {
    // Over box 13 the label stands 0.2 of a column left of the price label, not a whole
    // column further left as the steady step would put it.
    const double columns = box == 13 ? -0.2 : 11.2 - (box - 1);
    const double width = static_cast<double>(columnWidth) / 10000.0;
    return static_cast<int>(std::trunc(priceLeft + columns * width));
}

void SetTip(QWidget* w, const QString& tip) {
    w->setToolTip(tip);
    w->setToolTipDuration(5000);
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QRect geometry,
                  const QFont& font, const QColor& color, Qt::Alignment align, int raise) {
    auto* l =
        Named(raise ? new RaisedTextLabel(text, parent, raise) : new QLabel(text, parent), name);
    l->setGeometry(geometry);
    l->setFont(font);
    l->setAlignment(align | Qt::AlignTop);
    SetTextColor(l, color);
    return l;
}

Caption* MakeCaption(QWidget* parent, const char* name, const QString& text, QRect geometry,
                     const QFont& font, const QColor& color, Qt::Alignment align, bool autoSize) {
    auto* l = Named(new Caption(text, parent, autoSize), name);
    l->setGeometry(geometry);
    l->setFont(font);
    l->setAlignment(align | Qt::AlignTop);
    SetTextColor(l, color);
    return l;
}

QCheckBox* MakeCheckBox(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    auto* c = Named(new QCheckBox(text, parent), name);
    c->setGeometry(geometry);
    // The caption stands left of the box.
    c->setLayoutDirection(Qt::RightToLeft);
    c->setFocusPolicy(Qt::ClickFocus);
    // The caption takes the bar's white; the tick must stay dark in its white box.
    QPalette palette = c->palette();
    palette.setColor(QPalette::Text, Black);
    c->setPalette(palette);
    return c;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text, QRect geometry,
                        const QFont& font, const QColor& color) {
    auto* b = Named(new QPushButton(text, parent), name);
    b->setGeometry(geometry);
    b->setFont(font);
    SetTextColor(b, color);
    b->setFocusPolicy(Qt::ClickFocus);
    b->setAutoDefault(false);
    return b;
}

EditBox* MakeSettingField(QWidget* parent, const char* name, const QString& text, QRect geometry,
                          int maxLength) {
    auto* e = Named(new EditBox(parent), name);
    e->setGeometry(geometry);
    e->setText(text);
    e->setMaxLength(maxLength);
    e->setFont(Font(kSans, 13, Bold));
    SetTextColor(e, Black);
    e->setFocusPolicy(Qt::ClickFocus);
    e->setCursor(Qt::ArrowCursor);
    e->setTextMargins(0, 0, 0, 0);
    return e;
}

BevelPanel* MakePanel(QWidget* parent, const char* name, QRect geometry,
                      const BevelPanel::Style& style) {
    auto* p = Named(new BevelPanel(parent, style), name);
    p->setGeometry(geometry);
    return p;
}

CaptionBox* MakeBox(QWidget* parent, const char* name, const QString& caption, QRect geometry,
                    const QColor& color) {
    auto* g = Named(new CaptionBox(caption, color, parent), name);
    g->setGeometry(geometry);
    return g;
}

Picture* MakePicture(QWidget* parent, const char* name, QRect geometry, const QString& image,
                     bool stretch) {
    auto* p = Named(new Picture(parent, stretch), name);
    p->setGeometry(geometry);
    p->SetSource(image);
    return p;
}

void FinishControls(QWidget* root) {
    QList<QWidget*> all = root->findChildren<QWidget*>();
    all.prepend(root);
    for (QWidget* w : all) {
        if (!w->testAttribute(Qt::WA_SetCursor) && !qobject_cast<QLineEdit*>(w) &&
            !qobject_cast<QTextEdit*>(w->parentWidget())) {
            w->setCursor(Qt::ArrowCursor);
        }
    }
    for (QWidget* w : all) {
        if (qobject_cast<QLabel*>(w) || w->toolTip().isEmpty()) {
            continue;
        }
        QString caption;
        if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            caption = button->text();
        } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
            caption = box->title();
        }
        if (std::none_of(caption.begin(), caption.end(),
                         [](QChar c) { return c.isLetterOrNumber(); })) {
            w->setAccessibleName(w->toolTip());
        }
    }
}

void SetName(QWidget* w, const QString& text) {
    if (w->accessibleName() != text) {
        w->setAccessibleName(text);
    }
}

void SetDescription(QWidget* w, const QString& text) {
    if (w->accessibleDescription() != text) {
        w->setAccessibleDescription(text);
    }
}

QString HelpDisplayText(const QString& text) {
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

void HelpOnRequest(QWidget* w) {
    w->setProperty("quorvelHelpOnRequest", true);
}

bool HelpsOnRequest(const QWidget* w) {
    return w->property("quorvelHelpOnRequest").toBool();
}

void ClickAsMouse(QAbstractButton* button) {
    // A press of the mouse gives the focus to a control that takes it by click, and the
    // click follows on the release.
    if (button->focusPolicy() & Qt::ClickFocus) {
        button->setFocus(Qt::MouseFocusReason);
    }
    button->click();
}

void PressByShortcut(QAbstractButton* button) {
    QWidget* focus = FocusedWidget();
    if (qobject_cast<QLineEdit*>(focus) || qobject_cast<QCheckBox*>(focus) || focus == button) {
        button->click();
    }
}

TextGuard::TextGuard(QLineEdit* box) : QObject(box), box_(box), text_(box->text()) {
    connect(box, &QLineEdit::textEdited, this, [this] { edited_ = true; });
}

void TextGuard::Write(const QString& text) {
    const bool writing = writing_;
    writing_ = true;
    box_->setText(text);
    writing_ = writing;
}

bool TextGuard::PutBack(bool editPasses) {
    const bool edited = edited_;
    edited_ = false;
    if (putting_) {
        text_ = box_->text();
        return true;
    }
    const bool passes = writing_ || (edited ? editPasses : box_->hasFocus() && Reachable(box_));
    if (!passes) {
        putting_ = true;
        box_->setText(text_);
        putting_ = false;
        return true;
    }
    text_ = box_->text();
    return false;
}

bool ClickByKey(const QKeyEvent* event, std::initializer_list<KeyButton> keys) {
    if (!PlainKey(event)) {
        return false;
    }
    for (const KeyButton& k : keys) {
        if (k.key == event->key()) {
            if (Reachable(k.button)) {
                ClickAsMouse(k.button);
            }
            return true;
        }
    }
    return false;
}

namespace {
bool lastInputByKey = false;
} // namespace

bool LastInputByKey() {
    return lastInputByKey;
}

void NoteInput(bool byKey) {
    lastInputByKey = byKey;
}

bool PlainKey(const QKeyEvent* event) {
    return !event->isAutoRepeat() && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

QString SaidAmount(std::int64_t amount, const QString& shown) {
    constexpr Amount cent = AmountScale / 100;
    if (amount < 0 || amount % cent != 0 || amount / AmountScale > INT_MAX) {
        return shown;
    }
    const int euros = static_cast<int>(amount / AmountScale);
    const int cents = static_cast<int>(amount % AmountScale / cent);
    if (cents == 0) {
        return QCoreApplication::translate("Money", "%n euro", nullptr, euros);
    }
    if (euros == 0) {
        return QCoreApplication::translate("Money", "%n cent", nullptr, cents);
    }
    // %n: the euros, %1: the cents.
    return QCoreApplication::translate("Money", "%n euro %1", nullptr, euros).arg(cents);
}

} // namespace kit
