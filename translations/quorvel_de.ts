<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_BE" sourcelanguage="nl">
<context>
    <name>Catalogue</name>
    <message>
        <source>Muggenwerend apparaat</source>
        <translation>Mückenschutzgerät</translation>
    </message>
    <message>
        <source>Babyrelax</source>
        <translation>Babywippe</translation>
    </message>
    <message>
        <source>Autostoel</source>
        <translation>Autokindersitz</translation>
    </message>
    <message>
        <source>Buggy</source>
        <translation>Buggy</translation>
    </message>
    <message>
        <source>Fietshelm</source>
        <translation>Fahrradhelm</translation>
    </message>
    <message>
        <source>Fietsstoel</source>
        <translation>Fahrradkindersitz</translation>
    </message>
    <message>
        <source>Flesverwarmer</source>
        <translation>Flaschenwärmer</translation>
    </message>
    <message>
        <source>Mixer/stoomkoker</source>
        <translation>Mixer/Dampfgarer</translation>
    </message>
    <message>
        <source>Kinderstoel</source>
        <translation>Hochstuhl</translation>
    </message>
    <message>
        <source>Epileertoestel</source>
        <translation>Epiliergerät</translation>
    </message>
    <message>
        <source>Krultang</source>
        <translation>Lockenstab</translation>
    </message>
    <message>
        <source>Ontkrultang</source>
        <translation>Glätteisen</translation>
    </message>
    <message>
        <source>Glazen weegschaal</source>
        <translation>Glaswaage</translation>
    </message>
    <message>
        <source>Haardroger</source>
        <translation>Haartrockner</translation>
    </message>
    <message>
        <source>MultiStylist 10 in 1</source>
        <translation>MultiStylist 10 in 1</translation>
    </message>
    <message>
        <source>Massagekussen</source>
        <translation>Massagekissen</translation>
    </message>
    <message>
        <source>Verdamper essent. olie</source>
        <translation>Duftöl-Verdampfer</translation>
    </message>
    <message>
        <source>Airconditioner</source>
        <translation>Klimagerät</translation>
    </message>
    <message>
        <source>Peper- en zoutmolen</source>
        <translation>Salz- und Pfeffermühle</translation>
    </message>
    <message>
        <source>Mixer + hulpstukken</source>
        <translation>Mixer + Zubehör</translation>
    </message>
    <message>
        <source>Aardbeien</source>
        <translation>Erdbeeren</translation>
    </message>
    <message>
        <source>Barbecuemengeling</source>
        <translation>Grillfleisch, gemischt</translation>
    </message>
    <message>
        <source>Kippenborstfilet</source>
        <translation>Hähnchenbrustfilet</translation>
    </message>
    <message>
        <source>Biefstuk</source>
        <translation>Rindersteak</translation>
    </message>
    <message>
        <source>Lamsvlees</source>
        <translation>Lammfleisch</translation>
    </message>
    <message>
        <source>Frisdrank fles</source>
        <translation>Limonade in Flaschen</translation>
    </message>
    <message>
        <source>Frisdrank blik</source>
        <translation>Limonade in Dosen</translation>
    </message>
    <message>
        <source>Chips</source>
        <translation>Chips</translation>
    </message>
    <message>
        <source>Bloemkool</source>
        <translation>Blumenkohl</translation>
    </message>
    <message>
        <source>Fruitsap</source>
        <translation>Fruchtsaft</translation>
    </message>
    <message>
        <source>Tomaat</source>
        <translation>Tomaten</translation>
    </message>
    <message>
        <source>Paprika</source>
        <translation>Paprika</translation>
    </message>
    <message>
        <source>Asperge</source>
        <translation>Spargel</translation>
    </message>
    <message>
        <source>Kiwi</source>
        <translation>Kiwi</translation>
    </message>
    <message>
        <source>Kersen</source>
        <translation>Kirschen</translation>
    </message>
    <message>
        <source>Blauwe druiven</source>
        <translation>Blaue Trauben</translation>
    </message>
    <message>
        <source>Pruimen</source>
        <translation>Pflaumen</translation>
    </message>
    <message>
        <source>Appelsienen</source>
        <translation>Orangen</translation>
    </message>
    <message>
        <source>Bananen</source>
        <translation>Bananen</translation>
    </message>
    <message>
        <source>Peren</source>
        <translation>Birnen</translation>
    </message>
    <message>
        <source>Tandenborstel</source>
        <translation>Zahnbürste</translation>
    </message>
    <message>
        <source>Tandpasta</source>
        <translation>Zahnpasta</translation>
    </message>
    <message>
        <source>Shampoo</source>
        <translation>Shampoo</translation>
    </message>
    <message>
        <source>Douchegel</source>
        <translation>Duschgel</translation>
    </message>
    <message>
        <source>Waspoeder</source>
        <translation>Waschpulver</translation>
    </message>
    <message>
        <source>keukenpapier (9 rollen)</source>
        <translation>Küchenpapier (9 Rollen)</translation>
    </message>
    <message>
        <source>Toiletpapier (24 rollen)</source>
        <translation>Toilettenpapier (24 Rollen)</translation>
    </message>
    <message>
        <source>Jonge kaas</source>
        <translation>Käse, jung</translation>
    </message>
    <message>
        <source>koffie (4 pakjes)</source>
        <translation>Kaffee (4 Packungen)</translation>
    </message>
    <message>
        <source>Spagetti (500 gr.)</source>
        <translation>Spaghetti (500 Gramm)</translation>
    </message>
    <message>
        <source>Eieren (6 stuks)</source>
        <translation>Eier (6 Stück)</translation>
    </message>
    <message>
        <source>Speculoos doos 1kg.</source>
        <translation>Spekulatius, Kilopackung</translation>
    </message>
    <message>
        <source>Appels Jona Golden</source>
        <translation>Äpfel Jonagold</translation>
    </message>
    <message>
        <source>Soep in blik</source>
        <translation>Dosensuppe</translation>
    </message>
    <message>
        <source>Kaas belegen</source>
        <translation>Käse, mittelalt</translation>
    </message>
    <message>
        <source>Kippenworst</source>
        <translation>Geflügelwurst</translation>
    </message>
    <message>
        <source>Kip curry</source>
        <translation>Hähnchencurry</translation>
    </message>
    <message>
        <source>Hoeveham</source>
        <translation>Bauernschinken</translation>
    </message>
    <message>
        <source>Garnalen</source>
        <translation>Nordseekrabben</translation>
    </message>
    <message>
        <source>Aardappelen</source>
        <translation>Kartoffeln</translation>
    </message>
    <message>
        <source>St.</source>
        <translation>St.</translation>
    </message>
    <message>
        <source>Gr.</source>
        <translation>g</translation>
    </message>
    <message>
        <source>kg.</source>
        <translation>kg</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>quorvel: geen grafische sessie gevonden; Quorvel heeft een bureaublad nodig (X11 of Wayland).</source>
        <translation>quorvel: keine grafische Sitzung gefunden; Quorvel braucht einen Desktop (X11 oder Wayland).</translation>
    </message>
</context>
<context>
    <name>ExercisePanel</name>
    <message>
        <source>VOLGENDE OEFENING</source>
        <translation>NÄCHSTE ÜBUNG</translation>
    </message>
    <message>
        <source>Klik hier voor de volgende oefening in de reeks.</source>
        <translation>Klicke hier für die nächste Übung der Runde.</translation>
    </message>
    <message>
        <source>CONTROLEER</source>
        <translation>PRÜFEN</translation>
    </message>
    <message>
        <source>Controleer uw oefening op fouten.</source>
        <translation>Prüfe deine Übung auf Fehler.</translation>
    </message>
    <message>
        <source>Gekochte hoeveelheid.</source>
        <translation>Gekaufte Menge.</translation>
    </message>
    <message>
        <source>Artikelnaam.</source>
        <translation>Name des Artikels.</translation>
    </message>
    <message>
        <source>op te tellen waarde/prijs</source>
        <translation>zu addierender Wert/Preis</translation>
    </message>
    <message>
        <source>Betaald :</source>
        <translation>Bezahlt:</translation>
    </message>
    <message>
        <source>Het door u betaalde bedrag.</source>
        <translation>Der Betrag, den du bezahlt hast.</translation>
    </message>
    <message>
        <source>Term2</source>
        <translation>Term2</translation>
    </message>
    <message>
        <source>Plus-teken.</source>
        <translation>Pluszeichen.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>„%1“ ist keine gültige Zahl.</translation>
    </message>
    <message>
        <source>Oefening</source>
        <translation>Übung</translation>
    </message>
    <message>
        <source>Somstreep</source>
        <translation>Summenstrich</translation>
    </message>
    <message>
        <source>Portemonnee openen</source>
        <translation>Geldbörse öffnen</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>Dit is de gekochte hoeveelheid van het er naast staande artikel.<byte value="xd"/>Dit is ofwel het aantal stuks, ofwel het gewicht.</source>
        <translation>Das ist die gekaufte Menge des Artikels daneben.<byte value="xd"/>Das ist entweder die Stückzahl oder das Gewicht.</translation>
    </message>
    <message>
        <source>De naam van het gekochte artikel(s).</source>
        <translation>Der Name des gekauften Artikels.</translation>
    </message>
    <message>
        <source>Op te tellen waarde.<byte value="xd"/>Bij een kasticket is dit de totaalprijs die bij een artikel behoort.</source>
        <translation>Zu addierender Wert.<byte value="xd"/>Auf einem Kassenbon ist das der Gesamtpreis des Artikels.</translation>
    </message>
    <message>
        <source>Het plus-teken (bewerkingsteken).</source>
        <translation>Das Pluszeichen (Rechenzeichen).</translation>
    </message>
    <message>
        <source>Hier staat het bedrag dat door u betaald werd.<byte value="xd"/>Als dit groter is dan het te betalen bedrag wat meest voorkomt, dan moet u het terug te geven bedrag berekenen via &quot;hoofdrekenen&quot;</source>
        <translation>Hier steht der Betrag, den du bezahlt hast.<byte value="xd"/>Ist er größer als der zu zahlende Betrag, was meistens so ist, dann rechne das Rückgeld im Kopf aus („Kopfrechnen“).</translation>
    </message>
    <message>
        <source>Deze knop opent uw portemonnee, zodat u zelf bepaald welk bedrag u betaald.<byte value="xd"/>U heeft de keuze om met pasgeld te betalen of om een hoger bedrag te betalen, waarop u dan een &quot;teruggave&quot; kan berekenen uit het hoofd.</source>
        <translation>Dieser Knopf öffnet deine Geldbörse: Du bestimmst selbst, wie viel du bezahlst.<byte value="xd"/>Du kannst passend bezahlen oder mehr bezahlen und dann das „Rückgeld“ im Kopf ausrechnen.</translation>
    </message>
    <message>
        <source><byte value="xd"/>Deze knop zal de ingevoerde oplossing controleren op juistheid.<byte value="xd"/>Foute resultaten kleuren rood en goede resultaten kleuren groen.<byte value="xd"/>U krijg slechts een punt als alle resultaten goed(groen) zijn.</source>
        <translation><byte value="xd"/>Dieser Knopf prüft, ob deine Lösung richtig ist.<byte value="xd"/>Falsche Ergebnisse werden rot, richtige Ergebnisse werden grün.<byte value="xd"/>Du bekommst nur einen Punkt, wenn alle Ergebnisse richtig (grün) sind.</translation>
    </message>
    <message>
        <source><byte value="xd"/>Een muisklik op deze knop zal de behaalde punten vastleggen en een volgende oefening creëren.</source>
        <translation><byte value="xd"/>Ein Mausklick auf diesen Knopf speichert deine Punkte und erstellt eine neue Übung.</translation>
    </message>
    <message>
        <source>Oefening %1: %2.</source>
        <translation>Übung %1: %2.</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>Betaald: %1.</source>
        <translation>Bezahlt: %1.</translation>
    </message>
    <message>
        <source>1 stuk</source>
        <translation>ein Stück</translation>
    </message>
    <message>
        <source>%1 stuks</source>
        <translation>%1 Stück</translation>
    </message>
    <message numerus="yes">
        <source>%n gram</source>
        <translation>
            <numerusform>%n Gramm</numerusform>
            <numerusform>%n Gramm</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 kilogram</source>
        <translation>
            <numerusform>%1 Kilogramm</numerusform>
            <numerusform>%1 Kilogramm</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InfoPanel</name>
    <message>
        <source>Een product van :</source>
        <translation>Ein Produkt von:</translation>
    </message>
    <message>
        <source>Flexibel Programma voor het oefenen in rekenkundig optellen van verschillende getallen onder elkaar. Er is een voorziening ingebouwd voor het praktisch oefenen met het betalen van een kasticket in de winkel. </source>
        <translation>Flexibles Programm zum Üben der schriftlichen Addition mehrerer Zahlen untereinander. Man kann damit auch das Bezahlen eines Kassenbons im Geschäft üben. </translation>
    </message>
    <message>
        <source>Context-gevoelig help-menu.</source>
        <translation>Hilfe zu der Stelle, auf die du zeigst.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Info over het programma</source>
        <translation>Über das Programm</translation>
    </message>
    <message>
        <source>Logo van Quorvel</source>
        <translation>Logo von Quorvel</translation>
    </message>
    <message>
        <source>Uitleg</source>
        <translation>Erklärung</translation>
    </message>
    <message>
        <source>%1 getallen tot %2</source>
        <translation>%1 Zahlen bis %2</translation>
    </message>
    <message>
        <source>%1 getallen met komma</source>
        <translation>%1 Kommazahlen</translation>
    </message>
    <message>
        <source>%1 getallen tot %2 met komma</source>
        <translation>%1 Kommazahlen bis %2</translation>
    </message>
    <message>
        <source>, zonder overdracht</source>
        <translation>, ohne Übertrag</translation>
    </message>
    <message>
        <source>, met overdracht</source>
        <translation>, mit Übertrag</translation>
    </message>
    <message>
        <source>, dubbele overdracht</source>
        <translation>, doppelter Übertrag</translation>
    </message>
    <message>
        <source>Ladder, niveau %1 van %2: %3.</source>
        <translation>Lernleiter, Stufe %1 von %2: %3.</translation>
    </message>
    <message>
        <source>Goed zo! Naar niveau %1 van %2: %3.</source>
        <translation>Gut gemacht! Weiter zu Stufe %1 von %2: %3.</translation>
    </message>
    <message>
        <source>Terug naar niveau %1 van %2: %3.</source>
        <translation>Zurück zu Stufe %1 von %2: %3.</translation>
    </message>
    <message>
        <source>U heeft zelf een instelling gewijzigd: de ladder staat uit tot het programma opnieuw start.</source>
        <translation>Du hast selbst eine Einstellung geändert: Die Lernleiter bleibt bis zum nächsten Programmstart aus.</translation>
    </message>
</context>
<context>
    <name>Money</name>
    <message numerus="yes">
        <source>%n euro</source>
        <translation>
            <numerusform>ein Euro</numerusform>
            <numerusform>%n Euro</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cent</source>
        <translation>
            <numerusform>ein Cent</numerusform>
            <numerusform>%n Cent</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n euro %1</source>
        <translation>
            <numerusform>ein Euro %1</numerusform>
            <numerusform>%n Euro %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PointsPanel</name>
    <message>
        <source>Oefening nr. : :</source>
        <translation>Übung Nr.:</translation>
    </message>
    <message>
        <source>Dit is het nummer van de oefening.</source>
        <translation>Das ist die Nummer der Übung.</translation>
    </message>
    <message>
        <source>Behaalde punten</source>
        <translation>Erreichte Punkte</translation>
    </message>
    <message>
        <source>Aantal behaalde punten in huidige reeks.</source>
        <translation>Anzahl der erreichten Punkte in dieser Runde.</translation>
    </message>
    <message>
        <source>OP</source>
        <translation>  /</translation>
    </message>
    <message>
        <source>Maximum aantal punten in huidige reeks.</source>
        <translation>Höchste Punktzahl in dieser Runde.</translation>
    </message>
    <message>
        <source>Maximum punten</source>
        <translation>Höchstpunktzahl</translation>
    </message>
    <message>
        <source>Punten</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Dit is het nummer van de oefening.<byte value="xd"/>Er wordt steeds begonnen vanaf &quot;0&quot; bij een wijziging in de &quot;instellingen.&quot;</source>
        <translation>Das ist die Nummer der Übung.<byte value="xd"/>Wenn du die „Einstellungen“ änderst, beginnt sie wieder bei „0“.</translation>
    </message>
    <message>
        <source>Dit is het totaal van de behaalde punten.</source>
        <translation>Das ist die Summe der erreichten Punkte.</translation>
    </message>
    <message>
        <source>Dit is het Maximum te behalen punten.</source>
        <translation>Das ist die höchste erreichbare Punktzahl.</translation>
    </message>
</context>
<context>
    <name>SeriesPanel</name>
    <message>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>RESET</translation>
    </message>
    <message>
        <source>Puntentotaal</source>
        <translation>Punktzahl</translation>
    </message>
    <message>
        <source>OP</source>
        <translation>/</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Resultaten</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Resterende tijd.</source>
        <translation>Verbleibende Zeit.</translation>
    </message>
    <message>
        <source>Resultaten: puntentotaal %1 op %2, %3 %</source>
        <translation>Ergebnisse: Gesamtpunkte %1 von %2, %3 %</translation>
    </message>
    <message>
        <source>In één keer goed: %1
Goed na verbetering: %2
Goed met hulp: %3</source>
        <translation>Auf Anhieb richtig: %1
Richtig nach Verbesserung: %2
Richtig mit Hilfe: %3</translation>
    </message>
</context>
<context>
    <name>SettingsBar</name>
    <message>
        <source>Instellingen</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Aantal op te tellen getallen (2&lt;-&gt;12) :</source>
        <translation>Anzahl der Zahlen (2 bis 12):</translation>
    </message>
    <message>
        <source>Het aantal op te tellen getallen.</source>
        <translation>Wie viele Zahlen addiert werden.</translation>
    </message>
    <message>
        <source>Max. getal :</source>
        <translation>Zahlen bis:</translation>
    </message>
    <message>
        <source>Het hoogst toegelaten getal voor de op te tellen waarden.</source>
        <translation>Die größte erlaubte Zahl beim Addieren.</translation>
    </message>
    <message>
        <source>Info over het Programma.</source>
        <translation>Informationen über das Programm.</translation>
    </message>
    <message>
        <source>Timer (minuten) :</source>
        <translation>Timer (Minuten):</translation>
    </message>
    <message>
        <source>Indien de timer gebruikt moet worden, moet hier het aantal minuten ingevuld worden.</source>
        <translation>Um den Timer zu benutzen, trage hier die Anzahl Minuten ein.</translation>
    </message>
    <message>
        <source>Komma :</source>
        <translation>Komma:</translation>
    </message>
    <message>
        <source>Keuze tussen oefenen met gehele getallen of oefenen met getallen na de komma.</source>
        <translation>Wahl zwischen ganzen Zahlen und Kommazahlen.</translation>
    </message>
    <message>
        <source>Kasticket :</source>
        <translation>Kassenbon:</translation>
    </message>
    <message>
        <source>Keuze tussen klassiek optellen of kasticket.</source>
        <translation>Wahl zwischen normaler Addition und Kassenbon.</translation>
    </message>
    <message>
        <source>Portemonnee :</source>
        <translation>Geldbörse:</translation>
    </message>
    <message>
        <source>Hulpjes :</source>
        <translation>Hilfen:</translation>
    </message>
    <message>
        <source>Rekenhulpjes zijn mogelijk.</source>
        <translation>Rechenhilfen sind möglich.</translation>
    </message>
    <message>
        <source>maximum 100 :</source>
        <translation>höchstens 100:</translation>
    </message>
    <message>
        <source>Deze instelling is door de school vastgelegd.</source>
        <translation>Diese Einstellung hat die Schule festgelegt.</translation>
    </message>
    <message>
        <source>Soort oefening</source>
        <translation>Art der Übung</translation>
    </message>
    <message>
        <source>Hier bepaalt u het aantal getallen dat bij elkaar moet worden opgeteld (max.12).</source>
        <translation>Hier bestimmst du, wie viele Zahlen addiert werden (max. 12).</translation>
    </message>
    <message>
        <source>Hier bepaalt u de maximum grootte van de op te tellen getallen.</source>
        <translation>Hier bestimmst du, wie groß die Zahlen höchstens sind.</translation>
    </message>
    <message>
        <source>Indien u met de timer wenst te werken, moet hier het aantal minuten ingevuld worden.<byte value="xd"/>Als deze waarde groter is dan &quot;0&quot; zal boven de oefening een startknop verschijnen. Een muisklik op deze startknop zal de timer starten.<byte value="xd"/>Als de timer afgelopen is, verschijnt een venster met de uitslag van de oefening (aantal gemaakte oefeningen, aantal juiste oplossingen, percentage juiste oplossingen)<byte value="xd"/>Het programma komt terug in oorspronkelijke staat na het gebruik van de resetknop.</source>
        <translation>Wenn du mit dem Timer arbeiten willst, trage hier die Anzahl Minuten ein.<byte value="xd"/>Ist diese Zahl größer als „0“, erscheint über der Übung ein Startknopf. Ein Mausklick auf diesen Startknopf startet den Timer.<byte value="xd"/>Ist die Zeit um, erscheint ein Fenster mit dem Ergebnis (Anzahl gemachter Übungen, Anzahl richtiger Lösungen, Prozent richtiger Lösungen).<byte value="xd"/>Der RESET-Knopf bringt das Programm wieder in seinen Anfangszustand.</translation>
    </message>
    <message>
        <source>Niet aangevinkt = Enkel gehele getallen optellen.<byte value="xd"/>Aangevinkt = Optellen van komma-getallen</source>
        <translation>Nicht angekreuzt = nur ganze Zahlen addieren.<byte value="xd"/>Angekreuzt = Kommazahlen addieren.</translation>
    </message>
    <message>
        <source>Niet aangevinkt = Klassieke optelling maken.<byte value="xd"/>Aangevinkt = Optelling maken volgens het systeem van een kasticket in de winkel.<byte value="xd"/>Hierbij wordt een kasticket aangemaakt met gekochte artikels, het aantal artikels, hoeveel betaald is, en hoeveel moet teruggegeven worden. Het bedrag dat moet teruggegeven worden moet net zoals in de winkel uit het hoofd berekent worden.</source>
        <translation>Nicht angekreuzt = eine normale Addition rechnen.<byte value="xd"/>Angekreuzt = wie auf einem Kassenbon im Geschäft addieren.<byte value="xd"/>Der Kassenbon zeigt die gekauften Artikel, ihre Anzahl, wie viel bezahlt wurde und wie viel zurückgegeben werden muss. Wie im Geschäft rechnest du das Rückgeld im Kopf aus.</translation>
    </message>
    <message>
        <source>Niet aangevinkt = Er zal automatisch een &quot;betaald&quot; bedrag worden berekent, waarop u via hoofdrekenen de teruggave zal moeten berekenen.<byte value="xd"/>Aangevinkt = Er zal een &quot;portemonneetje&quot; verschijnen. Als u daarop klikt zal u zélf kunnen betalen.<byte value="xd"/>U kan het juiste bedrag betalen, maar ook een groter bedrag waarop via hoofdrekenen het terug te geven bedrag moet worden vastgesteld.</source>
        <translation>Nicht angekreuzt = Der „bezahlte“ Betrag wird automatisch gewählt, und du rechnest das Rückgeld im Kopf aus.<byte value="xd"/>Angekreuzt = Eine „kleine Geldbörse“ erscheint. Wenn du darauf klickst, bezahlst du selbst.<byte value="xd"/>Du kannst passend bezahlen, aber auch mehr, und dann das Rückgeld im Kopf ausrechnen.</translation>
    </message>
    <message>
        <source>Niet aangevinkt = Alles uit het hoofd berekenen en onthouden.<byte value="xd"/>Aangevinkt = Foute invoer zal rood kleuren, de inhoud van de wachtkamer wordt getoond,<byte value="xd"/>en in de portemonnee zal bovenaan een venster verschijnen met het bedrag dat u samensteld.</source>
        <translation>Nicht angekreuzt = alles im Kopf rechnen und merken.<byte value="xd"/>Angekreuzt = Fehler werden rot, der Übertrag wird gezeigt,<byte value="xd"/>und in der Geldbörse zeigt oben ein Fenster den Betrag, den du zusammenstellst.</translation>
    </message>
    <message>
        <source>Globale Informatie betreffende het programma en de ontwerper/programmeur.</source>
        <translation>Allgemeine Informationen über das Programm und seinen Autor.</translation>
    </message>
    <message>
        <source>%1 aangevinkt.</source>
        <translation>%1 angekreuzt.</translation>
    </message>
    <message>
        <source>%1 niet aangevinkt.</source>
        <translation>%1 nicht angekreuzt.</translation>
    </message>
    <message>
        <source>De ladder van de school bepaalt deze instelling.</source>
        <translation>Die Lernleiter der Schule bestimmt diese Einstellung.</translation>
    </message>
</context>
<context>
    <name>SumRowPanel</name>
    <message>
        <source>Totaal :</source>
        <translation>Summe:</translation>
    </message>
    <message>
        <source>(Hoofdrekenen)Teruggave :</source>
        <translation>(Kopfrechnen) Rückgeld:</translation>
    </message>
    <message>
        <source>Term2</source>
        <translation>Term2</translation>
    </message>
    <message>
        <source>Wissen van het veld &quot;Totaal&quot;.</source>
        <translation>Das Feld „Summe“ löschen.</translation>
    </message>
    <message>
        <source>Wissen van het veld &quot;Teruggave&quot;.</source>
        <translation>Das Feld „Rückgeld“ löschen.</translation>
    </message>
    <message>
        <source>In te vullen som.</source>
        <translation>Hier die Summe eintragen.</translation>
    </message>
    <message>
        <source>Hier vult u het uit het hoofd berekende teruggave-bedrag in.</source>
        <translation>Trage hier das im Kopf berechnete Rückgeld ein.</translation>
    </message>
    <message>
        <source>som, %1</source>
        <translation>Summe, %1</translation>
    </message>
    <message>
        <source>goed</source>
        <translation>richtig</translation>
    </message>
    <message>
        <source>fout</source>
        <translation>falsch</translation>
    </message>
    <message>
        <source>Som %1.</source>
        <translation>Summe %1.</translation>
    </message>
    <message>
        <source> Teruggave %1.</source>
        <translation> Rückgeld %1.</translation>
    </message>
    <message>
        <source>eenheden</source>
        <translation>Einer</translation>
    </message>
    <message>
        <source>tientallen</source>
        <translation>Zehner</translation>
    </message>
    <message>
        <source>honderdtallen</source>
        <translation>Hunderter</translation>
    </message>
    <message>
        <source>duizendtallen</source>
        <translation>Tausender</translation>
    </message>
    <message>
        <source>tienduizendtallen</source>
        <translation>Zehntausender</translation>
    </message>
    <message>
        <source>honderdduizendtallen</source>
        <translation>Hunderttausender</translation>
    </message>
    <message>
        <source>miljoenen</source>
        <translation>Millionen</translation>
    </message>
    <message>
        <source>tienmiljoenen</source>
        <translation>Zehnmillionen</translation>
    </message>
    <message>
        <source>honderdmiljoenen</source>
        <translation>Hundertmillionen</translation>
    </message>
    <message>
        <source>miljarden</source>
        <translation>Milliarden</translation>
    </message>
    <message>
        <source>tienmiljarden</source>
        <translation>Zehnmilliarden</translation>
    </message>
    <message>
        <source>honderdmiljarden</source>
        <translation>Hundertmilliarden</translation>
    </message>
    <message>
        <source>biljoenen</source>
        <translation>Billionen</translation>
    </message>
    <message>
        <source>tienbiljoenen</source>
        <translation>Zehnbillionen</translation>
    </message>
    <message>
        <source>honderdsten</source>
        <translation>Hundertstel</translation>
    </message>
    <message>
        <source>tienden</source>
        <translation>Zehntel</translation>
    </message>
    <message>
        <source>komma</source>
        <translation>Komma</translation>
    </message>
    <message>
        <source>Dit is de wachtkamer voor de tientallen(het overschot) van de vorige optel-kolom.<byte value="xd"/>Deze waarde moet bij de onderstaande kolom worden opgeteld.</source>
        <translation>Das ist der Übertrag: die Zehner aus der Spalte rechts daneben.<byte value="xd"/>Diese Zahl musst du zur Spalte darunter addieren.</translation>
    </message>
    <message>
        <source>Vul hier de som in van de optelling (van rechts naar links)<byte value="xd"/>Foute input kan steeds gewijzigd/gewist worden.</source>
        <translation>Trage hier die Summe der Addition ein (von rechts nach links).<byte value="xd"/>Einen Fehler kannst du immer ändern oder löschen.</translation>
    </message>
    <message>
        <source>Klik hier op om het veld &quot;Totaal&quot; volledig te wissen bij foute input.</source>
        <translation>Klicke hier, um das Feld „Summe“ bei einem Fehler ganz zu löschen.</translation>
    </message>
    <message>
        <source>Klik hier op om het veld &quot;Teruggave&quot; volledig te wissen bij foute input.</source>
        <translation>Klicke hier, um das Feld „Rückgeld“ bei einem Fehler ganz zu löschen.</translation>
    </message>
    <message>
        <source>U berekend uit het hoofd, welk bedrag door de kassier(ster) aan u moet terugbetaald worden, en vul dit bedrag hier in.</source>
        <translation>Rechne im Kopf aus, wie viel dir der Kassierer oder die Kassiererin zurückgeben muss, und trage den Betrag hier ein.</translation>
    </message>
    <message>
        <source>Kijk nog eens naar de %1.</source>
        <translation>Schau dir die Spalte der %1 noch einmal an.</translation>
    </message>
    <message>
        <source>Kijk nog eens naar de %1 van de teruggave.</source>
        <translation>Schau dir beim Rückgeld die Spalte der %1 noch einmal an.</translation>
    </message>
    <message>
        <source>Kijk nog eens naar de teruggave.</source>
        <translation>Schau dir das Rückgeld noch einmal an.</translation>
    </message>
    <message>
        <source>Wat je onthield bij de %1, is niet opgeteld bij de %2.</source>
        <translation>Der Übertrag aus der Spalte der %1 wurde nicht zur Spalte der %2 addiert.</translation>
    </message>
    <message>
        <source>Je schreef de hele som van elke kolom op. Schrijf onder een kolom één cijfer, en onthoud de rest voor de kolom links ervan.</source>
        <translation>Du hast die ganze Summe jeder Spalte hingeschrieben. Schreib unter eine Spalte nur eine Ziffer und merk dir den Rest als Übertrag für die Spalte links daneben.</translation>
    </message>
    <message>
        <source>Bij de %1 schreef je op wat je moest onthouden, en onthield je wat je moest opschrijven.</source>
        <translation>In der Spalte der %1 hast du den Übertrag hingeschrieben und dir die Ziffer gemerkt, die hingehört.</translation>
    </message>
    <message>
        <source>De som bij de %1 was 20 of meer: dan onthoud je 2 of meer, niet 1.</source>
        <translation>Die Summe in der Spalte der %1 war 20 oder mehr: Dann ist der Übertrag 2 oder mehr, nicht 1.</translation>
    </message>
    <message>
        <source>Zet de komma&apos;s onder elkaar: eenheden onder eenheden, tienden onder tienden.</source>
        <translation>Schreib die Kommas genau untereinander: Einer unter Einer, Zehntel unter Zehntel.</translation>
    </message>
    <message>
        <source>In de kolom van de komma komt alleen de komma. Wat je onthoudt bij de tienden, tel je op bij de eenheden.</source>
        <translation>In die Spalte des Kommas kommt nur das Komma. Der Übertrag der Zehntel kommt zu den Einern.</translation>
    </message>
    <message>
        <source>Je rekende het totaal min wat betaald is. De teruggave is wat betaald is min het totaal.</source>
        <translation>Du hast die Summe minus den bezahlten Betrag gerechnet. Das Rückgeld ist der bezahlte Betrag minus die Summe.</translation>
    </message>
    <message>
        <source>Je trok telkens het kleinste cijfer van het grootste af. Is een cijfer van wat betaald is te klein, leen dan 1 bij de kolom links ervan.</source>
        <translation>Du hast immer die kleinere Ziffer von der größeren abgezogen. Ist eine Ziffer des bezahlten Betrags zu klein, leih dir 1 von der Spalte links daneben.</translation>
    </message>
    <message>
        <source>Je leende 1 bij de %1, maar trok die niet af bij de %2.</source>
        <translation>Du hast dir in der Spalte der %1 eine 1 geliehen, sie aber in der Spalte der %2 nicht abgezogen.</translation>
    </message>
    <message>
        <source>%1 = %2: schrijf %3</source>
        <translation>%1 = %2: schreib %3</translation>
    </message>
    <message>
        <source>Alleen %1: schrijf %1</source>
        <translation>Nur %1: schreib %1</translation>
    </message>
    <message>
        <source>, onthoud %1</source>
        <translation>, merk dir %1</translation>
    </message>
    <message>
        <source>Hier komt wat je onthield: schrijf %1</source>
        <translation>Hier kommt dein Übertrag hin: schreib %1</translation>
    </message>
    <message>
        <source>Hier komt de komma.</source>
        <translation>Hier kommt das Komma hin.</translation>
    </message>
    <message>
        <source>Hier komt geen cijfer.</source>
        <translation>Hier kommt keine Ziffer hin.</translation>
    </message>
    <message>
        <source>Betaald min totaal: %1 − %2 = %3</source>
        <translation>Bezahlt minus Summe: %1 − %2 = %3</translation>
    </message>
    <message>
        <source>TOON MIJ</source>
        <translation>ZEIG ES MIR</translation>
    </message>
    <message>
        <source>Toon hoe deze kolom uitgerekend wordt (F12).</source>
        <translation>Zeigt, wie man diese Spalte ausrechnet (F12).</translation>
    </message>
    <message>
        <source>Toont in dit venster hoe de aangeduide kolom uitgerekend wordt: de cijfers, wat je onthield, de som, wat je opschrijft en wat je onthoudt.<byte value="xd"/>De oefening telt dan als geholpen.</source>
        <translation>Zeigt in diesem Fenster, wie die markierte Spalte ausgerechnet wird: die Ziffern, der Übertrag, die Summe, was du hinschreibst und was du dir merkst.<byte value="xd"/>Die Übung zählt dann als mit Hilfe gelöst.</translation>
    </message>
    <message>
        <source>Hier ging het mis</source>
        <translation>Hier ging es schief</translation>
    </message>
    <message>
        <source>Kijk nog eens naar de komma.</source>
        <translation>Schau dir das Komma noch einmal an.</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Stop het programma.</source>
        <translation>Das Programm beenden.</translation>
    </message>
    <message>
        <source><byte value="xd"/>Het programma beëindigen.</source>
        <translation><byte value="xd"/>Das Programm beenden.</translation>
    </message>
</context>
<context>
    <name>WalletPanel</name>
    <message>
        <source>Portemonnee</source>
        <translation>Geldbörse</translation>
    </message>
    <message>
        <source>Dit is de portemonnee.</source>
        <translation>Das ist die Geldbörse.</translation>
    </message>
    <message>
        <source>Aanklikken om te gebruiken.</source>
        <translation>Zum Benutzen anklicken.</translation>
    </message>
    <message>
        <source>* OK *</source>
        <translation>* OK *</translation>
    </message>
    <message>
        <source>portemonnee sluiten.</source>
        <translation>Geldbörse schließen.</translation>
    </message>
    <message>
        <source>* Nieuw *</source>
        <translation>* Neu *</translation>
    </message>
    <message>
        <source>Nieuwe portemonnee  maken.</source>
        <translation>Die Geldbörse neu füllen.</translation>
    </message>
    <message>
        <source>Te betalen</source>
        <translation>Zu bezahlen</translation>
    </message>
    <message>
        <source>Het bedrag dat moet betaald worden.</source>
        <translation>Der Betrag, der bezahlt werden muss.</translation>
    </message>
    <message>
        <source>Betaald</source>
        <translation>Bezahlt</translation>
    </message>
    <message>
        <source>Het bedrag dat u betaalt.</source>
        <translation>Der Betrag, den du bezahlst.</translation>
    </message>
    <message numerus="yes">
        <source>biljet van %1 euro</source>
        <translation>
            <numerusform>%1-Euro-Schein</numerusform>
            <numerusform>%1-Euro-Schein</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>munt van %1 euro</source>
        <translation>
            <numerusform>%1-Euro-Münze</numerusform>
            <numerusform>%1-Euro-Münze</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>munt van %1 cent</source>
        <translation>
            <numerusform>%1-Cent-Münze</numerusform>
            <numerusform>%1-Cent-Münze</numerusform>
        </translation>
    </message>
    <message>
        <source>Dit is de portemonnee waarmee u kan betalen.<byte value="xd"/>U kan het juiste bedrag betalen en u kan een bedrag betalen waarop moet teruggegeven worden.</source>
        <translation>Das ist die Geldbörse, mit der du bezahlst.<byte value="xd"/>Du kannst passend bezahlen oder mehr bezahlen und Rückgeld bekommen.</translation>
    </message>
    <message>
        <source>De portemonnee sluiten.</source>
        <translation>Die Geldbörse schließen.</translation>
    </message>
    <message>
        <source>Een nieuwe portemonnee samenstellen.<byte value="xd"/>Het bedrag &quot;Betaald&quot; (indien zichtbaar bovenaan) wordt terug op nul gezet.</source>
        <translation>Die Geldbörse neu füllen.<byte value="xd"/>Der Betrag „Bezahlt“ (wenn oben sichtbar) wird wieder auf null gesetzt.</translation>
    </message>
    <message>
        <source>Dit is het te betalen bedrag.</source>
        <translation>Das ist der zu zahlende Betrag.</translation>
    </message>
    <message>
        <source>Dit is het bedrag dat u samenstelt.</source>
        <translation>Das ist der Betrag, den du zusammenstellst.</translation>
    </message>
    <message>
        <source>Klik op een biljet of geldstuk om te betalen.<byte value="xd"/>Het bedrag &quot;betaald&quot; (indien zichtbaar bovenaan) zal worden aangepast, en het biljet of muntstuk zal verdwijnen.</source>
        <translation>Klicke auf einen Schein oder eine Münze, um zu bezahlen.<byte value="xd"/>Der Betrag „bezahlt“ (wenn oben sichtbar) ändert sich, und der Schein oder die Münze verschwindet.</translation>
    </message>
    <message>
        <source>Te betalen: %1.</source>
        <translation>Zu bezahlen: %1.</translation>
    </message>
    <message>
        <source>%1 genomen.</source>
        <translation>%1 genommen.</translation>
    </message>
    <message>
        <source>Betaald: %1.</source>
        <translation>Bezahlt: %1.</translation>
    </message>
</context>
</TS>
