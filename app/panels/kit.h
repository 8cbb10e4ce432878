#pragma once

#include "app/look.h"
#include "app/widgets.h"

#include <QCheckBox>
#include <QHash>

#include <string>

class QKeyEvent;

// What every panel builds its controls with: the window's three font faces and one maker
// per control kind, each giving the control its design name (its objectName).
namespace kit {

inline const char* const kSans = "MS Sans Serif";
inline const char* const kArial = "Arial";
inline const char* const kCourier = "Courier";

// The lesson's texts on screen, and an index of the design's tables (counted from 1).
inline QString Q(const std::string& s) {
    return QString::fromStdString(s);
}
inline std::size_t At(int i) {
    return static_cast<std::size_t>(i);
}

template <typename W> W* Named(W* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

// A tooltip, shown for five seconds.
void SetTip(QWidget* w, const QString& tip);

// `raise` lifts the text inside the label (see RaisedTextLabel).
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QRect geometry,
                  const QFont& font, const QColor& color, Qt::Alignment align = Qt::AlignLeft,
                  int raise = 0);
Caption* MakeCaption(QWidget* parent, const char* name, const QString& text, QRect geometry,
                     const QFont& font, const QColor& color, Qt::Alignment align, bool autoSize);
QCheckBox* MakeCheckBox(QWidget* parent, const char* name, const QString& text, QRect geometry);
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text, QRect geometry,
                        const QFont& font, const QColor& color);
EditBox* MakeSettingField(QWidget* parent, const char* name, const QString& text, QRect geometry,
                          int maxLength);
BevelPanel* MakePanel(QWidget* parent, const char* name, QRect geometry,
                      const BevelPanel::Style& style);
CaptionBox* MakeBox(QWidget* parent, const char* name, const QString& caption, QRect geometry,
                    const QColor& color);
Picture* MakePicture(QWidget* parent, const char* name, QRect geometry, const QString& image,
                     bool stretch);

// The price column and the sum row share one character grid. The carry label's left edge,
// in pixels, over sum box `box` (1..13): the left edge of the bottom price label plus a
// fraction of columns (11.2 over box 1, one less per box to the left, -0.2 over box 13)
// of `columnWidth` ten-thousandths of a pixel, truncated.
int CarryLabelLeft(int priceLeft, std::int64_t columnWidth, int box);

// What every control built under `root` (and `root` itself) gets once built: the arrow
// as its cursor unless it has its own (edit fields keep their text cursor), and, where
// its caption says nothing (an edit field, a picture, a "*" button), its tooltip as the
// name a screen reader announces it by.
void FinishControls(QWidget* root);

// Sets a screen reader's name or description only when it changes: every change is an
// event the screen reader is sent.
void SetName(QWidget* w, const QString& text);
void SetDescription(QWidget* w, const QString& text);

// The help text that explains each control that has one: the panel's text for the control,
// lines joined by a single carriage return. A control mapped to an empty text clears the
// help box (the window's and the panels' backgrounds).
using HelpMap = QHash<QWidget*, QString>;

// A help text as the box shows it and a screen reader reads it: every carriage return
// becomes a paragraph break.
QString HelpDisplayText(const QString& text);
// A control whose help text becomes its description for a screen reader only once the
// pupil asks for it (F1, the pointer), instead of being read each time the focus comes.
void HelpOnRequest(QWidget* w);
bool HelpsOnRequest(const QWidget* w);

// Clicks a button the way the mouse does: the focus first, where a click gives it.
void ClickAsMouse(QAbstractButton* button);

// Tells apart who changed an edit field's text: the program (Write), the pupil by an edit
// of their own (typed, pasted, dropped: Qt reports that before the change), or anyone
// else (a screen reader: Qt's accessible line edit sets the text whole). Made once per
// field; it lives as long as the field.
class TextGuard final : public QObject {
public:
    explicit TextGuard(QLineEdit* box);
    // The program writes the text; the field's handlers run as for any change.
    void Write(const QString& text);
    // Asked first by every handler of the field's textChanged. The program's change
    // passes; the pupil's edit passes where `editPasses`; any other change passes only in
    // the field that has the focus, shown and in reach. A change that does not pass is put
    // back (the handlers then see nothing more of it) and true is returned.
    bool PutBack(bool editPasses);

private:
    QLineEdit* box_;
    QString text_;         // the text before the change now under way
    bool edited_ = false;  // the change now under way is the pupil's edit
    bool writing_ = false; // the program is writing
    bool putting_ = false; // a refused change is being put back
};

// A window shortcut's press of the button: only from an edit field or a check box, where
// the key means nothing else, or from the button itself.
void PressByShortcut(QAbstractButton* button);

// Whether the pupil's last press, anywhere, was a key rather than a mouse button. The
// window notes every press (NoteInput) before any control sees it.
bool LastInputByKey();
void NoteInput(bool byKey);

// A function key that clicks a button as the mouse would, where a click could reach it.
struct KeyButton {
    int key;
    QAbstractButton* button;
};
// True when the event is one of the keys (plain, not held down); its button is clicked
// if reachable.
bool ClickByKey(const QKeyEvent* event, std::initializer_list<KeyButton> keys);

// A key without modifiers other than the keypad's, and not one held down.
bool PlainKey(const QKeyEvent* event);

// Money as a pupil says it, for every panel that says an amount: "12 euro 50", "12 euro",
// "50 cent", where the screen writes "12,50" and a voice would read it digit by digit.
// `amount` in the engine's scale; `shown` where it is no whole number of cents.
QString SaidAmount(std::int64_t amount, const QString& shown);

} // namespace kit
