#pragma once

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QPalette>
#include <QWidget>

// Fonts, colours and cursors of the window, in one place.
namespace look {

// Desktop role colours the window uses.
inline const QColor ButtonShadow(160, 160, 160);
inline const QColor ActiveBorder(180, 180, 180);
inline const QColor InactiveCaption(191, 205, 219);
inline const QColor InactiveCaptionText(192, 192, 192);
inline const QColor DesktopBackground(58, 110, 165);
inline const QColor ButtonText(0, 0, 0);

// Named colours.
inline const QColor Black(0, 0, 0);
inline const QColor White(255, 255, 255);
inline const QColor Yellow(255, 255, 0);
inline const QColor Red(255, 0, 0);
inline const QColor Green(0, 128, 0);
inline const QColor Lime(0, 255, 0);
inline const QColor Blue(0, 0, 255);
inline const QColor Navy(0, 0, 128);
inline const QColor Maroon(128, 0, 0);
inline const QColor Purple(128, 0, 128);
inline const QColor Teal(0, 128, 128);
inline const QColor Grey(128, 128, 128);

enum Style { Regular = 0, Bold = 1, Italic = 2, Underline = 4 };

// A font by face name and character height in pixels.
QFont Font(const char* face, int pixels, int style);

// The colours Qt draws every control with, for every role and colour group, whatever the
// system theme.
QPalette DesignPalette();

// The application-wide look: the widget style, the window's font faces mapped to installed
// metric-compatible ones, and the window's palette for every control, whatever the system
// theme. Call once, before any widget is created.
void SetUpApplication();

void SetTextColor(QWidget* w, const QColor& color);
// The opaque background of a label, panel or window.
void SetBackground(QWidget* w, const QColor& color);
// The background of an edit field.
void SetFieldColor(QWidget* w, const QColor& color);

// A control that stays disabled looks it, as the platform shows a disabled control: its
// text and its field greyed, whatever colours it has while enabled.
void ShowDisabledAsGreyed(QWidget* w);

// An arrow with a barred circle: "this cannot be dropped here".
const QCursor& NoDropCursor();

} // namespace look
