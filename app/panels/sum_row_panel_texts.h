// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/panels/sum_row_panel.h"

#include <QString>
#include <QStringList>

// The sum row's texts in one block: captions, tips, what is said of a judged row, and with
// Uitleg the words for where and why a check went wrong and for a column worked out.
namespace sumrow {

struct SumRowTexts {
    QString Total = SumRowPanel::tr("Totaal :");
    QString Change = SumRowPanel::tr("(Hoofdrekenen)Teruggave :");
    QString CaptionTip = SumRowPanel::tr("Term2");
    QString ClearSumTip = SumRowPanel::tr("Wissen van het veld \"Totaal\".");
    QString ClearChangeTip = SumRowPanel::tr("Wissen van het veld \"Teruggave\".");
    QString SumBoxTip = SumRowPanel::tr("In te vullen som.");
    QString ChangeTip =
        SumRowPanel::tr("Hier vult u het uit het hoofd berekende teruggave-bedrag in.");
    // For a screen reader.
    QString SumBox = SumRowPanel::tr("som, %1"); // %1: the column
    QString Right = SumRowPanel::tr("goed");
    QString Wrong = SumRowPanel::tr("fout");
    QString SumJudged = SumRowPanel::tr("Som %1.");           // %1: right or wrong
    QString ChangeJudged = SumRowPanel::tr(" Teruggave %1."); // %1: right or wrong
    // The columns of the sum boxes from the right, with the decimal comma or without.
    QStringList Columns = {
        SumRowPanel::tr("eenheden"),          SumRowPanel::tr("tientallen"),
        SumRowPanel::tr("honderdtallen"),     SumRowPanel::tr("duizendtallen"),
        SumRowPanel::tr("tienduizendtallen"), SumRowPanel::tr("honderdduizendtallen"),
        SumRowPanel::tr("miljoenen"),         SumRowPanel::tr("tienmiljoenen"),
        SumRowPanel::tr("honderdmiljoenen"),  SumRowPanel::tr("miljarden"),
        SumRowPanel::tr("tienmiljarden"),     SumRowPanel::tr("honderdmiljarden"),
        SumRowPanel::tr("biljoenen"),         SumRowPanel::tr("tienbiljoenen")};
    QString Hundredths = SumRowPanel::tr("honderdsten");
    QString Tenths = SumRowPanel::tr("tienden");
    QString Comma = SumRowPanel::tr("komma");
    // What the help box says of each control, word for word: pupils and teachers know
    // these texts as they are. Lines are joined by a carriage return.
    QString HulpjeMouseMove = SumRowPanel::tr(
        "Dit is de wachtkamer voor de tientallen(het overschot) van de vorige optel-kolom.\r"
        "Deze waarde moet bij de onderstaande kolom worden opgeteld.");
    QString Tot14MouseMove =
        SumRowPanel::tr("Vul hier de som in van de optelling (van rechts naar links)\r"
                        "Foute input kan steeds gewijzigd/gewist worden.");
    QString Wis1MouseMove =
        SumRowPanel::tr("Klik hier op om het veld \"Totaal\" volledig te wissen bij foute input.");
    QString Wis2MouseMove = SumRowPanel::tr(
        "Klik hier op om het veld \"Teruggave\" volledig te wissen bij foute input.");
    QString TeruggaveMouseMove =
        SumRowPanel::tr("U berekend uit het hoofd, welk bedrag door de kassier(ster) aan u "
                        "moet terugbetaald worden, en vul dit bedrag hier in.");

    // With Uitleg, in a child's words. Where a wrong check went wrong: %1 the column.
    QString LookAt = SumRowPanel::tr("Kijk nog eens naar de %1.");
    QString LookAtChange = SumRowPanel::tr("Kijk nog eens naar de %1 van de teruggave.");
    QString LookAtChangeField = SumRowPanel::tr("Kijk nog eens naar de teruggave.");
    QString LookAtComma = SumRowPanel::tr("Kijk nog eens naar de komma.");
    // Why, from the second wrong check, when one mistake explains the row: %1 the column
    // the carry (or the borrow) comes from, %2 the column it goes to.
    QString CarryNotAdded =
        SumRowPanel::tr("Wat je onthield bij de %1, is niet opgeteld bij de %2.");
    QString WholeColumnSum =
        SumRowPanel::tr("Je schreef de hele som van elke kolom op. Schrijf onder een kolom "
                        "één cijfer, en onthoud de rest voor de kolom links ervan.");
    QString SwappedDigits = SumRowPanel::tr("Bij de %1 schreef je op wat je moest onthouden, en "
                                            "onthield je wat je moest opschrijven.");
    QString CarryOfOne =
        SumRowPanel::tr("De som bij de %1 was 20 of meer: dan onthoud je 2 of meer, niet 1.");
    QString DecimalsNotLinedUp = SumRowPanel::tr(
        "Zet de komma's onder elkaar: eenheden onder eenheden, tienden onder tienden.");
    QString CommaAsDigit =
        SumRowPanel::tr("In de kolom van de komma komt alleen de komma. Wat je onthoudt bij de "
                        "tienden, tel je op bij de eenheden.");
    QString ChangeReversed =
        SumRowPanel::tr("Je rekende het totaal min wat betaald is. De teruggave is wat betaald "
                        "is min het totaal.");
    QString ChangeSmallerFromLarger = SumRowPanel::tr(
        "Je trok telkens het kleinste cijfer van het grootste af. Is een cijfer van wat "
        "betaald is te klein, leen dan 1 bij de kolom links ervan.");
    QString ChangeOffByCarry =
        SumRowPanel::tr("Je leende 1 bij de %1, maar trok die niet af bij de %2.");
    // "Show me": the column worked out. %1 the numbers added ("7 + 5 + 1"), %2 their sum,
    // %3 the digit written; then the carry.
    QString WorkedSum = SumRowPanel::tr("%1 = %2: schrijf %3");
    QString WorkedOne = SumRowPanel::tr("Alleen %1: schrijf %1");
    QString WorkedCarry = SumRowPanel::tr(", onthoud %1");
    QString WorkedCarryOnly = SumRowPanel::tr("Hier komt wat je onthield: schrijf %1");
    QString WorkedComma = SumRowPanel::tr("Hier komt de komma.");
    QString WorkedNothing = SumRowPanel::tr("Hier komt geen cijfer.");
    // %1 paid, %2 the total, %3 the change.
    QString WorkedChange = SumRowPanel::tr("Betaald min totaal: %1 − %2 = %3");
    QString ShowMe = SumRowPanel::tr("TOON MIJ");
    QString ShowMeTip = SumRowPanel::tr("Toon hoe deze kolom uitgerekend wordt (F12).");
    QString ShowMeMouseMove = SumRowPanel::tr(
        "Toont in dit venster hoe de aangeduide kolom uitgerekend wordt: de cijfers, wat je "
        "onthield, de som, wat je opschrijft en wat je onthoudt.\r"
        "De oefening telt dan als geholpen.");
    QString Mark = SumRowPanel::tr("Hier ging het mis");
};

const SumRowTexts& Texts();

// The column box n (1 = rightmost) stands for, with the decimal comma in box 3 or none.
QString ColumnName(int n, bool decimal);

QString GoodOrWrong(bool right);

} // namespace sumrow
