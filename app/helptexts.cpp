#include "app/helptexts.h"

// The wording is the program's own and stands word for word, spelling slips included
// ("berekent", "samensteld"): pupils and teachers know these texts as they are.
QString HelpText(HelpHandler handler) {
    switch (handler) {
    case HelpHandler::InstellingenMouseMove:
        return QString();
    case HelpHandler::MaxArtikelsMouseMove:
        return QStringLiteral(
            "Hier bepaalt u het aantal getallen dat bij elkaar moet worden opgeteld (max.12).");
    case HelpHandler::lblMaxGetalMouseMove:
        return QStringLiteral("Hier bepaalt u de maximum grootte van de op te tellen getallen.");
    case HelpHandler::TimerMinutenMouseMove:
        return QStringLiteral(
            "Indien u met de timer wenst te werken, moet hier het aantal minuten ingevuld worden.\r"
            "Als deze waarde groter is dan \"0\" zal boven de oefening een startknop verschijnen. "
            "Een muisklik op deze startknop zal de timer starten.\r"
            "Als de timer afgelopen is, verschijnt een venster met de uitslag van de oefening "
            "(aantal gemaakte oefeningen, aantal juiste oplossingen, percentage juiste "
            "oplossingen)\r"
            "Het programma komt terug in oorspronkelijke staat na het gebruik van de resetknop.");
    case HelpHandler::KommaMouseMove:
        return QStringLiteral("Niet aangevinkt = Enkel gehele getallen optellen.\r"
                              "Aangevinkt = Optellen van komma-getallen");
    case HelpHandler::KasticketMouseMove:
        return QStringLiteral(
            "Niet aangevinkt = Klassieke optelling maken.\r"
            "Aangevinkt = Optelling maken volgens het systeem van een kasticket in de winkel.\r"
            "Hierbij wordt een kasticket aangemaakt met gekochte artikels, het aantal artikels, "
            "hoeveel betaald is, en hoeveel moet teruggegeven worden. Het bedrag dat moet "
            "teruggegeven worden moet net zoals in de winkel uit het hoofd berekent worden.");
    case HelpHandler::GeldbeugelMouseMove:
        return QStringLiteral(
            "Niet aangevinkt = Er zal automatisch een \"betaald\" bedrag worden berekent, waarop u "
            "via hoofdrekenen de teruggave zal moeten berekenen.\r"
            "Aangevinkt = Er zal een \"portemonneetje\" verschijnen. Als u daarop klikt zal u zélf "
            "kunnen betalen.\r"
            "U kan het juiste bedrag betalen, maar ook een groter bedrag waarop via hoofdrekenen "
            "het terug te geven bedrag moet worden vastgesteld.");
    case HelpHandler::HulpjesMouseMove:
        return QStringLiteral("Niet aangevinkt = Alles uit het hoofd berekenen en onthouden.\r"
                              "Aangevinkt = Foute invoer zal rood kleuren, de inhoud van de "
                              "wachtkamer wordt getoond,\r"
                              "en in de portemonnee zal bovenaan een venster verschijnen met het "
                              "bedrag dat u samensteld.");
    case HelpHandler::Image1MouseMove:
        return QStringLiteral(
            "Globale Informatie betreffende het programma en de ontwerper/programmeur.");
    case HelpHandler::Image4MouseMove:
        return QStringLiteral("\r"
                              "Het programma beëindigen.");
    case HelpHandler::ReekstellerMouseMove:
        return QStringLiteral(
            "Dit is het nummer van de oefening.\r"
            "Er wordt steeds begonnen vanaf \"0\" bij een wijziging in de \"instellingen.\"");
    case HelpHandler::Label6MouseMove:
        return QStringLiteral("Dit is het totaal van de behaalde punten.");
    case HelpHandler::Label8MouseMove:
        return QStringLiteral("Dit is het Maximum te behalen punten.");
    case HelpHandler::Aantal1MouseMove:
        return QStringLiteral("Dit is de gekochte hoeveelheid van het er naast staande artikel.\r"
                              "Dit is ofwel het aantal stuks, ofwel het gewicht.");
    case HelpHandler::Artikel1MouseMove:
        return QStringLiteral("De naam van het gekochte artikel(s).");
    case HelpHandler::Prijs1MouseMove:
        return QStringLiteral(
            "Op te tellen waarde.\r"
            "Bij een kasticket is dit de totaalprijs die bij een artikel behoort.");
    case HelpHandler::Label11MouseMove:
        return QStringLiteral("Het plus-teken (bewerkingsteken).");
    case HelpHandler::HulpjeMouseMove:
        return QStringLiteral(
            "Dit is de wachtkamer voor de tientallen(het overschot) van de vorige optel-kolom.\r"
            "Deze waarde moet bij de onderstaande kolom worden opgeteld.");
    case HelpHandler::Tot14MouseMove:
        return QStringLiteral("Vul hier de som in van de optelling (van rechts naar links)\r"
                              "Foute input kan steeds gewijzigd/gewist worden.");
    case HelpHandler::Wis1MouseMove:
        return QStringLiteral(
            "Klik hier op om het veld \"Totaal\" volledig te wissen bij foute input.");
    case HelpHandler::Wis2MouseMove:
        return QStringLiteral(
            "Klik hier op om het veld \"Teruggave\" volledig te wissen bij foute input.");
    case HelpHandler::BetaaldMouseMove:
        return QStringLiteral("Hier staat het bedrag dat door u betaald werd.\r"
                              "Als dit groter is dan het te betalen bedrag wat meest voorkomt, dan "
                              "moet u het terug te geven bedrag berekenen via \"hoofdrekenen\"");
    case HelpHandler::TeruggaveMouseMove:
        return QStringLiteral("U berekend uit het hoofd, welk bedrag door de kassier(ster) aan u "
                              "moet terugbetaald worden, en vul dit bedrag hier in.");
    case HelpHandler::GeldMouseMove:
        return QStringLiteral(
            "Deze knop opent uw portemonnee, zodat u zelf bepaald welk bedrag u betaald.\r"
            "U heeft de keuze om met pasgeld te betalen of om een hoger bedrag te betalen, waarop "
            "u dan een \"teruggave\" kan berekenen uit het hoofd.");
    case HelpHandler::KontroleerMouseMove:
        return QStringLiteral("\r"
                              "Deze knop zal de ingevoerde oplossing controleren op juistheid.\r"
                              "Foute resultaten kleuren rood en goede resultaten kleuren groen.\r"
                              "U krijg slechts een punt als alle resultaten goed(groen) zijn.");
    case HelpHandler::VolgendeOefeningMouseMove:
        return QStringLiteral("\r"
                              "Een muisklik op deze knop zal de behaalde punten vastleggen en een "
                              "volgende oefening creëren.");
    case HelpHandler::PortemonneeMouseMove:
        return QStringLiteral("Dit is de portemonnee waarmee u kan betalen.\r"
                              "U kan het juiste bedrag betalen en u kan een bedrag betalen waarop "
                              "moet teruggegeven worden.");
    case HelpHandler::PortemonneeSluitenMouseMove:
        return QStringLiteral("De portemonnee sluiten.");
    case HelpHandler::PortemonneeResetMouseMove:
        return QStringLiteral(
            "Een nieuwe portemonnee samenstellen.\r"
            "Het bedrag \"Betaald\" (indien zichtbaar bovenaan) wordt terug op nul gezet.");
    case HelpHandler::GroupBox1MouseMove:
        return QStringLiteral("Dit is het te betalen bedrag.");
    case HelpHandler::GroupBox2MouseMove:
        return QStringLiteral("Dit is het bedrag dat u samenstelt.");
    case HelpHandler::Briefje500n1MouseMove:
        return QStringLiteral("Klik op een biljet of geldstuk om te betalen.\r"
                              "Het bedrag \"betaald\" (indien zichtbaar bovenaan) zal worden "
                              "aangepast, en het biljet of muntstuk zal verdwijnen.");
    }
    return QString();
}

QString HelpDisplayText(const QString& text) {
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}
