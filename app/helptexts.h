#pragma once

#include <QString>

// The window's mouse-move handlers. Each explains the controls it serves by writing
// its text into the help box; controls that share a handler share its text.
enum class HelpHandler {
    InstellingenMouseMove,
    MaxArtikelsMouseMove,
    lblMaxGetalMouseMove,
    TimerMinutenMouseMove,
    KommaMouseMove,
    KasticketMouseMove,
    GeldbeugelMouseMove,
    HulpjesMouseMove,
    Image1MouseMove,
    Image4MouseMove,
    ReekstellerMouseMove,
    Label6MouseMove,
    Label8MouseMove,
    Aantal1MouseMove,
    Artikel1MouseMove,
    Prijs1MouseMove,
    Label11MouseMove,
    HulpjeMouseMove,
    Tot14MouseMove,
    Wis1MouseMove,
    Wis2MouseMove,
    BetaaldMouseMove,
    TeruggaveMouseMove,
    GeldMouseMove,
    KontroleerMouseMove,
    VolgendeOefeningMouseMove,
    PortemonneeMouseMove,
    PortemonneeSluitenMouseMove,
    PortemonneeResetMouseMove,
    GroupBox1MouseMove,
    GroupBox2MouseMove,
    Briefje500n1MouseMove
};

// The handler's text, fixed and independent of the program's state: lines joined by a
// single carriage return (no line feed); some texts open with an empty line. The
// settings bar's and the panels' background handler clears the box: its text is empty.
QString HelpText(HelpHandler handler);

// The text as the box shows it and a screen reader reads it: every carriage return
// becomes a paragraph break.
QString HelpDisplayText(const QString& text);
