<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_BE" sourcelanguage="nl">
<context>
    <name>Catalogue</name>
    <message>
        <source>Muggenwerend apparaat</source>
        <translation>Appareil anti-moustiques</translation>
    </message>
    <message>
        <source>Babyrelax</source>
        <translation>Transat pour bébé</translation>
    </message>
    <message>
        <source>Autostoel</source>
        <translation>Siège auto</translation>
    </message>
    <message>
        <source>Buggy</source>
        <translation>Poussette</translation>
    </message>
    <message>
        <source>Fietshelm</source>
        <translation>Casque de vélo</translation>
    </message>
    <message>
        <source>Fietsstoel</source>
        <translation>Siège vélo enfant</translation>
    </message>
    <message>
        <source>Flesverwarmer</source>
        <translation>Chauffe-biberon</translation>
    </message>
    <message>
        <source>Mixer/stoomkoker</source>
        <translation>Mixeur/cuiseur vapeur</translation>
    </message>
    <message>
        <source>Kinderstoel</source>
        <translation>Chaise haute</translation>
    </message>
    <message>
        <source>Epileertoestel</source>
        <translation>Épilateur</translation>
    </message>
    <message>
        <source>Krultang</source>
        <translation>Fer à friser</translation>
    </message>
    <message>
        <source>Ontkrultang</source>
        <translation>Fer à lisser</translation>
    </message>
    <message>
        <source>Glazen weegschaal</source>
        <translation>Balance en verre</translation>
    </message>
    <message>
        <source>Haardroger</source>
        <translation>Sèche-cheveux</translation>
    </message>
    <message>
        <source>MultiStylist 10 in 1</source>
        <translation>MultiStylist 10 en 1</translation>
    </message>
    <message>
        <source>Massagekussen</source>
        <translation>Coussin de massage</translation>
    </message>
    <message>
        <source>Verdamper essent. olie</source>
        <translation>Diffuseur d&apos;huiles essentielles</translation>
    </message>
    <message>
        <source>Airconditioner</source>
        <translation>Climatiseur</translation>
    </message>
    <message>
        <source>Peper- en zoutmolen</source>
        <translation>Moulin sel et poivre</translation>
    </message>
    <message>
        <source>Mixer + hulpstukken</source>
        <translation>Mixeur + accessoires</translation>
    </message>
    <message>
        <source>Aardbeien</source>
        <translation>Fraises</translation>
    </message>
    <message>
        <source>Barbecuemengeling</source>
        <translation>Assortiment barbecue</translation>
    </message>
    <message>
        <source>Kippenborstfilet</source>
        <translation>Filet de poulet</translation>
    </message>
    <message>
        <source>Biefstuk</source>
        <translation>Steak</translation>
    </message>
    <message>
        <source>Lamsvlees</source>
        <translation>Viande d&apos;agneau</translation>
    </message>
    <message>
        <source>Frisdrank fles</source>
        <translation>Limonade en bouteille</translation>
    </message>
    <message>
        <source>Frisdrank blik</source>
        <translation>Limonade en canette</translation>
    </message>
    <message>
        <source>Chips</source>
        <translation>Chips</translation>
    </message>
    <message>
        <source>Bloemkool</source>
        <translation>Chou-fleur</translation>
    </message>
    <message>
        <source>Fruitsap</source>
        <translation>Jus de fruits</translation>
    </message>
    <message>
        <source>Tomaat</source>
        <translation>Tomates</translation>
    </message>
    <message>
        <source>Paprika</source>
        <translation>Poivrons</translation>
    </message>
    <message>
        <source>Asperge</source>
        <translation>Asperges</translation>
    </message>
    <message>
        <source>Kiwi</source>
        <translation>Kiwi</translation>
    </message>
    <message>
        <source>Kersen</source>
        <translation>Cerises</translation>
    </message>
    <message>
        <source>Blauwe druiven</source>
        <translation>Raisins noirs</translation>
    </message>
    <message>
        <source>Pruimen</source>
        <translation>Prunes</translation>
    </message>
    <message>
        <source>Appelsienen</source>
        <translation>Oranges</translation>
    </message>
    <message>
        <source>Bananen</source>
        <translation>Bananes</translation>
    </message>
    <message>
        <source>Peren</source>
        <translation>Poires</translation>
    </message>
    <message>
        <source>Tandenborstel</source>
        <translation>Brosse à dents</translation>
    </message>
    <message>
        <source>Tandpasta</source>
        <translation>Dentifrice</translation>
    </message>
    <message>
        <source>Shampoo</source>
        <translation>Shampooing</translation>
    </message>
    <message>
        <source>Douchegel</source>
        <translation>Gel douche</translation>
    </message>
    <message>
        <source>Waspoeder</source>
        <translation>Poudre à lessiver</translation>
    </message>
    <message>
        <source>keukenpapier (9 rollen)</source>
        <translation>Essuie-tout (9 rouleaux)</translation>
    </message>
    <message>
        <source>Toiletpapier (24 rollen)</source>
        <translation>Papier toilette (24 rouleaux)</translation>
    </message>
    <message>
        <source>Jonge kaas</source>
        <translation>Fromage jeune</translation>
    </message>
    <message>
        <source>koffie (4 pakjes)</source>
        <translation>Café (4 paquets)</translation>
    </message>
    <message>
        <source>Spagetti (500 gr.)</source>
        <translation>Spaghetti (500 grammes)</translation>
    </message>
    <message>
        <source>Eieren (6 stuks)</source>
        <translation>Œufs (boîte de 6)</translation>
    </message>
    <message>
        <source>Speculoos doos 1kg.</source>
        <translation>Spéculoos, boîte de 1 kg</translation>
    </message>
    <message>
        <source>Appels Jona Golden</source>
        <translation>Pommes Jonagold</translation>
    </message>
    <message>
        <source>Soep in blik</source>
        <translation>Soupe en boîte</translation>
    </message>
    <message>
        <source>Kaas belegen</source>
        <translation>Fromage mi-vieux</translation>
    </message>
    <message>
        <source>Kippenworst</source>
        <translation>Saucisson de volaille</translation>
    </message>
    <message>
        <source>Kip curry</source>
        <translation>Poulet curry</translation>
    </message>
    <message>
        <source>Hoeveham</source>
        <translation>Jambon fermier</translation>
    </message>
    <message>
        <source>Garnalen</source>
        <translation>Crevettes grises</translation>
    </message>
    <message>
        <source>Aardappelen</source>
        <translation>Pommes de terre</translation>
    </message>
    <message>
        <source>St.</source>
        <translation>pc</translation>
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
        <translation>quorvel&#xa0;: aucune session graphique trouvée&#xa0;; Quorvel a besoin d&apos;un environnement de bureau (X11 ou Wayland).</translation>
    </message>
</context>
<context>
    <name>ExercisePanel</name>
    <message>
        <source>VOLGENDE OEFENING</source>
        <translation>EXERCICE SUIVANT</translation>
    </message>
    <message>
        <source>Klik hier voor de volgende oefening in de reeks.</source>
        <translation>Clique ici pour l&apos;exercice suivant de la série.</translation>
    </message>
    <message>
        <source>CONTROLEER</source>
        <translation>VÉRIFIER</translation>
    </message>
    <message>
        <source>Controleer uw oefening op fouten.</source>
        <translation>Vérifie si ton exercice contient des erreurs.</translation>
    </message>
    <message>
        <source>Gekochte hoeveelheid.</source>
        <translation>Quantité achetée.</translation>
    </message>
    <message>
        <source>Artikelnaam.</source>
        <translation>Nom de l&apos;article.</translation>
    </message>
    <message>
        <source>op te tellen waarde/prijs</source>
        <translation>valeur/prix à additionner</translation>
    </message>
    <message>
        <source>Betaald :</source>
        <translation>Payé&#xa0;:</translation>
    </message>
    <message>
        <source>Het door u betaalde bedrag.</source>
        <translation>Le montant que tu as payé.</translation>
    </message>
    <message>
        <source>Term2</source>
        <translation>Term2</translation>
    </message>
    <message>
        <source>Plus-teken.</source>
        <translation>Signe plus.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre valable.</translation>
    </message>
    <message>
        <source>Oefening</source>
        <translation>Exercice</translation>
    </message>
    <message>
        <source>Somstreep</source>
        <translation>Trait de l&apos;addition</translation>
    </message>
    <message>
        <source>Portemonnee openen</source>
        <translation>Ouvrir le porte-monnaie</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>Dit is de gekochte hoeveelheid van het er naast staande artikel.<byte value="xd"/>Dit is ofwel het aantal stuks, ofwel het gewicht.</source>
        <translation>C&apos;est la quantité achetée de l&apos;article à côté.<byte value="xd"/>C&apos;est soit le nombre de pièces, soit le poids.</translation>
    </message>
    <message>
        <source>De naam van het gekochte artikel(s).</source>
        <translation>Le nom de l&apos;article acheté.</translation>
    </message>
    <message>
        <source>Op te tellen waarde.<byte value="xd"/>Bij een kasticket is dit de totaalprijs die bij een artikel behoort.</source>
        <translation>Valeur à additionner.<byte value="xd"/>Sur un ticket de caisse, c&apos;est le prix total de l&apos;article.</translation>
    </message>
    <message>
        <source>Het plus-teken (bewerkingsteken).</source>
        <translation>Le signe plus (signe de l&apos;opération).</translation>
    </message>
    <message>
        <source>Hier staat het bedrag dat door u betaald werd.<byte value="xd"/>Als dit groter is dan het te betalen bedrag wat meest voorkomt, dan moet u het terug te geven bedrag berekenen via &quot;hoofdrekenen&quot;</source>
        <translation>Voici le montant que tu as payé.<byte value="xd"/>S&apos;il est plus grand que le montant à payer, ce qui arrive le plus souvent, calcule la monnaie à rendre en «&#xa0;calcul mental&#xa0;».</translation>
    </message>
    <message>
        <source>Deze knop opent uw portemonnee, zodat u zelf bepaald welk bedrag u betaald.<byte value="xd"/>U heeft de keuze om met pasgeld te betalen of om een hoger bedrag te betalen, waarop u dan een &quot;teruggave&quot; kan berekenen uit het hoofd.</source>
        <translation>Ce bouton ouvre ton porte-monnaie&#xa0;: tu choisis toi-même combien tu paies.<byte value="xd"/>Tu peux payer le compte juste ou payer plus, et calculer ensuite de tête la «&#xa0;monnaie à rendre&#xa0;».</translation>
    </message>
    <message>
        <source><byte value="xd"/>Deze knop zal de ingevoerde oplossing controleren op juistheid.<byte value="xd"/>Foute resultaten kleuren rood en goede resultaten kleuren groen.<byte value="xd"/>U krijg slechts een punt als alle resultaten goed(groen) zijn.</source>
        <translation><byte value="xd"/>Ce bouton vérifie si ta réponse est juste.<byte value="xd"/>Les résultats faux deviennent rouges, les résultats justes deviennent verts.<byte value="xd"/>Tu ne reçois un point que si tous les résultats sont justes (verts).</translation>
    </message>
    <message>
        <source><byte value="xd"/>Een muisklik op deze knop zal de behaalde punten vastleggen en een volgende oefening creëren.</source>
        <translation><byte value="xd"/>Un clic sur ce bouton enregistre tes points et crée un nouvel exercice.</translation>
    </message>
    <message>
        <source>Oefening %1: %2.</source>
        <translation>Exercice %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>Betaald: %1.</source>
        <translation>Payé&#xa0;: %1.</translation>
    </message>
    <message>
        <source>1 stuk</source>
        <translation>une pièce</translation>
    </message>
    <message>
        <source>%1 stuks</source>
        <translation>%1 pièces</translation>
    </message>
    <message numerus="yes">
        <source>%n gram</source>
        <translation>
            <numerusform>%n gramme</numerusform>
            <numerusform>%n grammes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 kilogram</source>
        <translation>
            <numerusform>%1 kilogramme</numerusform>
            <numerusform>%1 kilogrammes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InfoPanel</name>
    <message>
        <source>Een product van :</source>
        <translation>Un produit de&#xa0;:</translation>
    </message>
    <message>
        <source>Flexibel Programma voor het oefenen in rekenkundig optellen van verschillende getallen onder elkaar. Er is een voorziening ingebouwd voor het praktisch oefenen met het betalen van een kasticket in de winkel. </source>
        <translation>Programme souple pour s&apos;exercer à additionner plusieurs nombres en colonnes. Il permet aussi de s&apos;exercer à payer un ticket de caisse au magasin. </translation>
    </message>
    <message>
        <source>Context-gevoelig help-menu.</source>
        <translation>Aide sur l&apos;endroit où est la souris.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Info over het programma</source>
        <translation>À propos du programme</translation>
    </message>
    <message>
        <source>Logo van Quorvel</source>
        <translation>Logo de Quorvel</translation>
    </message>
    <message>
        <source>Uitleg</source>
        <translation>Explication</translation>
    </message>
    <message>
        <source>%1 getallen tot %2</source>
        <translation>%1 nombres jusqu&apos;à %2</translation>
    </message>
    <message>
        <source>%1 getallen met komma</source>
        <translation>%1 nombres à virgule</translation>
    </message>
    <message>
        <source>%1 getallen tot %2 met komma</source>
        <translation>%1 nombres à virgule jusqu&apos;à %2</translation>
    </message>
    <message>
        <source>, zonder overdracht</source>
        <translation>, sans retenue</translation>
    </message>
    <message>
        <source>, met overdracht</source>
        <translation>, avec retenue</translation>
    </message>
    <message>
        <source>, dubbele overdracht</source>
        <translation>, double retenue</translation>
    </message>
    <message>
        <source>Ladder, niveau %1 van %2: %3.</source>
        <translation>Échelle, niveau %1 sur %2&#xa0;: %3.</translation>
    </message>
    <message>
        <source>Goed zo! Naar niveau %1 van %2: %3.</source>
        <translation>Bravo&#xa0;! Niveau %1 sur %2&#xa0;: %3.</translation>
    </message>
    <message>
        <source>Terug naar niveau %1 van %2: %3.</source>
        <translation>Retour au niveau %1 sur %2&#xa0;: %3.</translation>
    </message>
    <message>
        <source>U heeft zelf een instelling gewijzigd: de ladder staat uit tot het programma opnieuw start.</source>
        <translation>Tu as changé toi-même un réglage&#xa0;: l&apos;échelle s&apos;arrête jusqu&apos;au prochain démarrage du programme.</translation>
    </message>
</context>
<context>
    <name>Money</name>
    <message numerus="yes">
        <source>%n euro</source>
        <translation>
            <numerusform>%n euro</numerusform>
            <numerusform>%n euros</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cent</source>
        <translation>
            <numerusform>%n centime</numerusform>
            <numerusform>%n centimes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n euro %1</source>
        <translation>
            <numerusform>%n euro %1</numerusform>
            <numerusform>%n euros %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PointsPanel</name>
    <message>
        <source>Oefening nr. : :</source>
        <translation>Exercice n°&#xa0;:</translation>
    </message>
    <message>
        <source>Dit is het nummer van de oefening.</source>
        <translation>C&apos;est le numéro de l&apos;exercice.</translation>
    </message>
    <message>
        <source>Behaalde punten</source>
        <translation>Points obtenus</translation>
    </message>
    <message>
        <source>Aantal behaalde punten in huidige reeks.</source>
        <translation>Nombre de points obtenus dans cette série.</translation>
    </message>
    <message>
        <source>OP</source>
        <translation>sur</translation>
    </message>
    <message>
        <source>Maximum aantal punten in huidige reeks.</source>
        <translation>Nombre maximum de points dans cette série.</translation>
    </message>
    <message>
        <source>Maximum punten</source>
        <translation>Points maximum</translation>
    </message>
    <message>
        <source>Punten</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Dit is het nummer van de oefening.<byte value="xd"/>Er wordt steeds begonnen vanaf &quot;0&quot; bij een wijziging in de &quot;instellingen.&quot;</source>
        <translation>C&apos;est le numéro de l&apos;exercice.<byte value="xd"/>Il recommence toujours à «&#xa0;0&#xa0;» quand tu changes les «&#xa0;réglages&#xa0;».</translation>
    </message>
    <message>
        <source>Dit is het totaal van de behaalde punten.</source>
        <translation>C&apos;est le total des points obtenus.</translation>
    </message>
    <message>
        <source>Dit is het Maximum te behalen punten.</source>
        <translation>C&apos;est le nombre maximum de points à obtenir.</translation>
    </message>
</context>
<context>
    <name>SeriesPanel</name>
    <message>
        <source>START</source>
        <translation>DÉPART</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>RESET</translation>
    </message>
    <message>
        <source>Puntentotaal</source>
        <translation>Tes points</translation>
    </message>
    <message>
        <source>OP</source>
        <translation>sur</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Resultaten</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Resterende tijd.</source>
        <translation>Temps restant.</translation>
    </message>
    <message>
        <source>Resultaten: puntentotaal %1 op %2, %3 %</source>
        <translation>Résultats&#xa0;: total des points %1 sur %2, %3&#xa0;%</translation>
    </message>
    <message>
        <source>In één keer goed: %1
Goed na verbetering: %2
Goed met hulp: %3</source>
        <translation>Juste du premier coup&#xa0;: %1
Juste après correction&#xa0;: %2
Juste avec de l&apos;aide&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>SettingsBar</name>
    <message>
        <source>Instellingen</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Aantal op te tellen getallen (2&lt;-&gt;12) :</source>
        <translation>Combien de nombres (2 à 12)&#xa0;:</translation>
    </message>
    <message>
        <source>Het aantal op te tellen getallen.</source>
        <translation>Combien de nombres il faut additionner.</translation>
    </message>
    <message>
        <source>Max. getal :</source>
        <translation>Maximum&#xa0;:</translation>
    </message>
    <message>
        <source>Het hoogst toegelaten getal voor de op te tellen waarden.</source>
        <translation>Le plus grand nombre permis pour les nombres à additionner.</translation>
    </message>
    <message>
        <source>Info over het Programma.</source>
        <translation>Informations sur le programme.</translation>
    </message>
    <message>
        <source>Timer (minuten) :</source>
        <translation>Durée (minutes)&#xa0;:</translation>
    </message>
    <message>
        <source>Indien de timer gebruikt moet worden, moet hier het aantal minuten ingevuld worden.</source>
        <translation>Pour utiliser le chrono, écris ici le nombre de minutes.</translation>
    </message>
    <message>
        <source>Komma :</source>
        <translation>Virgule&#xa0;:</translation>
    </message>
    <message>
        <source>Keuze tussen oefenen met gehele getallen of oefenen met getallen na de komma.</source>
        <translation>Choix entre nombres entiers et nombres à virgule.</translation>
    </message>
    <message>
        <source>Kasticket :</source>
        <translation>Ticket&#xa0;:</translation>
    </message>
    <message>
        <source>Keuze tussen klassiek optellen of kasticket.</source>
        <translation>Choix entre l&apos;addition classique et le ticket de caisse.</translation>
    </message>
    <message>
        <source>Portemonnee :</source>
        <translation>Porte-monnaie&#xa0;:</translation>
    </message>
    <message>
        <source>Hulpjes :</source>
        <translation>Aides&#xa0;:</translation>
    </message>
    <message>
        <source>Rekenhulpjes zijn mogelijk.</source>
        <translation>Les aides au calcul sont possibles.</translation>
    </message>
    <message>
        <source>maximum 100 :</source>
        <translation>maximum 100&#xa0;:</translation>
    </message>
    <message>
        <source>Deze instelling is door de school vastgelegd.</source>
        <translation>Ce réglage a été fixé par l&apos;école.</translation>
    </message>
    <message>
        <source>Soort oefening</source>
        <translation>Type d&apos;exercice</translation>
    </message>
    <message>
        <source>Hier bepaalt u het aantal getallen dat bij elkaar moet worden opgeteld (max.12).</source>
        <translation>Ici, tu choisis combien de nombres il faut additionner (max. 12).</translation>
    </message>
    <message>
        <source>Hier bepaalt u de maximum grootte van de op te tellen getallen.</source>
        <translation>Ici, tu choisis jusqu&apos;à quel nombre vont les nombres à additionner.</translation>
    </message>
    <message>
        <source>Indien u met de timer wenst te werken, moet hier het aantal minuten ingevuld worden.<byte value="xd"/>Als deze waarde groter is dan &quot;0&quot; zal boven de oefening een startknop verschijnen. Een muisklik op deze startknop zal de timer starten.<byte value="xd"/>Als de timer afgelopen is, verschijnt een venster met de uitslag van de oefening (aantal gemaakte oefeningen, aantal juiste oplossingen, percentage juiste oplossingen)<byte value="xd"/>Het programma komt terug in oorspronkelijke staat na het gebruik van de resetknop.</source>
        <translation>Pour travailler avec le chrono, écris ici le nombre de minutes.<byte value="xd"/>Si ce nombre est plus grand que «&#xa0;0&#xa0;», un bouton de départ apparaît au-dessus de l&apos;exercice. Un clic sur ce bouton lance le chrono.<byte value="xd"/>Quand le temps est écoulé, une fenêtre montre le résultat (nombre d&apos;exercices faits, nombre de bonnes réponses, pourcentage de bonnes réponses).<byte value="xd"/>Le bouton RESET remet le programme dans son état de départ.</translation>
    </message>
    <message>
        <source>Niet aangevinkt = Enkel gehele getallen optellen.<byte value="xd"/>Aangevinkt = Optellen van komma-getallen</source>
        <translation>Non coché = additionner seulement des nombres entiers.<byte value="xd"/>Coché = additionner des nombres à virgule.</translation>
    </message>
    <message>
        <source>Niet aangevinkt = Klassieke optelling maken.<byte value="xd"/>Aangevinkt = Optelling maken volgens het systeem van een kasticket in de winkel.<byte value="xd"/>Hierbij wordt een kasticket aangemaakt met gekochte artikels, het aantal artikels, hoeveel betaald is, en hoeveel moet teruggegeven worden. Het bedrag dat moet teruggegeven worden moet net zoals in de winkel uit het hoofd berekent worden.</source>
        <translation>Non coché = faire une addition classique.<byte value="xd"/>Coché = faire l&apos;addition comme sur un ticket de caisse au magasin.<byte value="xd"/>Le ticket montre les articles achetés, leur quantité, combien a été payé et combien il faut rendre. Comme au magasin, la monnaie à rendre se calcule de tête.</translation>
    </message>
    <message>
        <source>Niet aangevinkt = Er zal automatisch een &quot;betaald&quot; bedrag worden berekent, waarop u via hoofdrekenen de teruggave zal moeten berekenen.<byte value="xd"/>Aangevinkt = Er zal een &quot;portemonneetje&quot; verschijnen. Als u daarop klikt zal u zélf kunnen betalen.<byte value="xd"/>U kan het juiste bedrag betalen, maar ook een groter bedrag waarop via hoofdrekenen het terug te geven bedrag moet worden vastgesteld.</source>
        <translation>Non coché = le montant «&#xa0;payé&#xa0;» est choisi automatiquement, et tu calcules de tête la monnaie à rendre.<byte value="xd"/>Coché = un «&#xa0;petit porte-monnaie&#xa0;» apparaît. Si tu cliques dessus, tu paies toi-même.<byte value="xd"/>Tu peux payer le compte juste, mais aussi plus, et calculer ensuite de tête la monnaie à rendre.</translation>
    </message>
    <message>
        <source>Niet aangevinkt = Alles uit het hoofd berekenen en onthouden.<byte value="xd"/>Aangevinkt = Foute invoer zal rood kleuren, de inhoud van de wachtkamer wordt getoond,<byte value="xd"/>en in de portemonnee zal bovenaan een venster verschijnen met het bedrag dat u samensteld.</source>
        <translation>Non coché = tout calculer et retenir de tête.<byte value="xd"/>Coché = une erreur devient rouge, la retenue est montrée,<byte value="xd"/>et dans le porte-monnaie, une case en haut montre le montant que tu composes.</translation>
    </message>
    <message>
        <source>Globale Informatie betreffende het programma en de ontwerper/programmeur.</source>
        <translation>Informations générales sur le programme et son auteur.</translation>
    </message>
    <message>
        <source>%1 aangevinkt.</source>
        <translation>Case «&#xa0;%1&#xa0;» cochée.</translation>
    </message>
    <message>
        <source>%1 niet aangevinkt.</source>
        <translation>Case «&#xa0;%1&#xa0;» décochée.</translation>
    </message>
    <message>
        <source>De ladder van de school bepaalt deze instelling.</source>
        <translation>L&apos;échelle de l&apos;école fixe ce réglage.</translation>
    </message>
</context>
<context>
    <name>SumRowPanel</name>
    <message>
        <source>Totaal :</source>
        <translation>Total&#xa0;:</translation>
    </message>
    <message>
        <source>(Hoofdrekenen)Teruggave :</source>
        <translation>(Calcul mental) À rendre&#xa0;:</translation>
    </message>
    <message>
        <source>Term2</source>
        <translation>Term2</translation>
    </message>
    <message>
        <source>Wissen van het veld &quot;Totaal&quot;.</source>
        <translation>Effacer le champ «&#xa0;Total&#xa0;».</translation>
    </message>
    <message>
        <source>Wissen van het veld &quot;Teruggave&quot;.</source>
        <translation>Effacer le champ «&#xa0;À rendre&#xa0;».</translation>
    </message>
    <message>
        <source>In te vullen som.</source>
        <translation>Somme à compléter.</translation>
    </message>
    <message>
        <source>Hier vult u het uit het hoofd berekende teruggave-bedrag in.</source>
        <translation>Écris ici la monnaie à rendre, calculée de tête.</translation>
    </message>
    <message>
        <source>som, %1</source>
        <translation>somme, %1</translation>
    </message>
    <message>
        <source>goed</source>
        <translation>juste</translation>
    </message>
    <message>
        <source>fout</source>
        <translation>faux</translation>
    </message>
    <message>
        <source>Som %1.</source>
        <translation>Somme&#xa0;: %1.</translation>
    </message>
    <message>
        <source> Teruggave %1.</source>
        <translation> À rendre&#xa0;: %1.</translation>
    </message>
    <message>
        <source>eenheden</source>
        <translation>unités</translation>
    </message>
    <message>
        <source>tientallen</source>
        <translation>dizaines</translation>
    </message>
    <message>
        <source>honderdtallen</source>
        <translation>centaines</translation>
    </message>
    <message>
        <source>duizendtallen</source>
        <translation>unités de mille</translation>
    </message>
    <message>
        <source>tienduizendtallen</source>
        <translation>dizaines de mille</translation>
    </message>
    <message>
        <source>honderdduizendtallen</source>
        <translation>centaines de mille</translation>
    </message>
    <message>
        <source>miljoenen</source>
        <translation>millions</translation>
    </message>
    <message>
        <source>tienmiljoenen</source>
        <translation>dizaines de millions</translation>
    </message>
    <message>
        <source>honderdmiljoenen</source>
        <translation>centaines de millions</translation>
    </message>
    <message>
        <source>miljarden</source>
        <translation>milliards</translation>
    </message>
    <message>
        <source>tienmiljarden</source>
        <translation>dizaines de milliards</translation>
    </message>
    <message>
        <source>honderdmiljarden</source>
        <translation>centaines de milliards</translation>
    </message>
    <message>
        <source>biljoenen</source>
        <translation>billions</translation>
    </message>
    <message>
        <source>tienbiljoenen</source>
        <translation>dizaines de billions</translation>
    </message>
    <message>
        <source>honderdsten</source>
        <translation>centièmes</translation>
    </message>
    <message>
        <source>tienden</source>
        <translation>dixièmes</translation>
    </message>
    <message>
        <source>komma</source>
        <translation>virgule</translation>
    </message>
    <message>
        <source>Dit is de wachtkamer voor de tientallen(het overschot) van de vorige optel-kolom.<byte value="xd"/>Deze waarde moet bij de onderstaande kolom worden opgeteld.</source>
        <translation>C&apos;est la retenue&#xa0;: les dizaines qui viennent de la colonne de droite.<byte value="xd"/>Ce nombre doit être ajouté à la colonne en dessous.</translation>
    </message>
    <message>
        <source>Vul hier de som in van de optelling (van rechts naar links)<byte value="xd"/>Foute input kan steeds gewijzigd/gewist worden.</source>
        <translation>Écris ici la somme de l&apos;addition (de droite à gauche).<byte value="xd"/>Tu peux toujours corriger ou effacer une erreur.</translation>
    </message>
    <message>
        <source>Klik hier op om het veld &quot;Totaal&quot; volledig te wissen bij foute input.</source>
        <translation>Clique ici pour effacer tout le champ «&#xa0;Total&#xa0;» en cas d&apos;erreur.</translation>
    </message>
    <message>
        <source>Klik hier op om het veld &quot;Teruggave&quot; volledig te wissen bij foute input.</source>
        <translation>Clique ici pour effacer tout le champ «&#xa0;À rendre&#xa0;» en cas d&apos;erreur.</translation>
    </message>
    <message>
        <source>U berekend uit het hoofd, welk bedrag door de kassier(ster) aan u moet terugbetaald worden, en vul dit bedrag hier in.</source>
        <translation>Calcule de tête combien le caissier ou la caissière doit te rendre, et écris ce montant ici.</translation>
    </message>
    <message>
        <source>Kijk nog eens naar de %1.</source>
        <translation>Regarde encore la colonne des %1.</translation>
    </message>
    <message>
        <source>Kijk nog eens naar de %1 van de teruggave.</source>
        <translation>Regarde encore la colonne des %1 de la monnaie à rendre.</translation>
    </message>
    <message>
        <source>Kijk nog eens naar de teruggave.</source>
        <translation>Regarde encore la monnaie à rendre.</translation>
    </message>
    <message>
        <source>Wat je onthield bij de %1, is niet opgeteld bij de %2.</source>
        <translation>La retenue de la colonne des %1 n&apos;a pas été ajoutée à la colonne des %2.</translation>
    </message>
    <message>
        <source>Je schreef de hele som van elke kolom op. Schrijf onder een kolom één cijfer, en onthoud de rest voor de kolom links ervan.</source>
        <translation>Tu as écrit la somme entière de chaque colonne. Sous une colonne, écris un seul chiffre, et retiens le reste pour la colonne de gauche.</translation>
    </message>
    <message>
        <source>Bij de %1 schreef je op wat je moest onthouden, en onthield je wat je moest opschrijven.</source>
        <translation>Dans la colonne des %1, tu as écrit ce que tu devais retenir, et retenu ce que tu devais écrire.</translation>
    </message>
    <message>
        <source>De som bij de %1 was 20 of meer: dan onthoud je 2 of meer, niet 1.</source>
        <translation>La somme de la colonne des %1 faisait 20 ou plus&#xa0;: alors tu retiens 2 ou plus, pas 1.</translation>
    </message>
    <message>
        <source>Zet de komma&apos;s onder elkaar: eenheden onder eenheden, tienden onder tienden.</source>
        <translation>Place les virgules les unes sous les autres&#xa0;: les unités sous les unités, les dixièmes sous les dixièmes.</translation>
    </message>
    <message>
        <source>In de kolom van de komma komt alleen de komma. Wat je onthoudt bij de tienden, tel je op bij de eenheden.</source>
        <translation>Dans la colonne de la virgule, il n&apos;y a que la virgule. La retenue des dixièmes s&apos;ajoute aux unités.</translation>
    </message>
    <message>
        <source>Je rekende het totaal min wat betaald is. De teruggave is wat betaald is min het totaal.</source>
        <translation>Tu as calculé le total moins ce qui a été payé. La monnaie à rendre, c&apos;est ce qui a été payé moins le total.</translation>
    </message>
    <message>
        <source>Je trok telkens het kleinste cijfer van het grootste af. Is een cijfer van wat betaald is te klein, leen dan 1 bij de kolom links ervan.</source>
        <translation>Tu as chaque fois soustrait le plus petit chiffre du plus grand. Si un chiffre de ce qui a été payé est trop petit, emprunte 1 à la colonne de gauche.</translation>
    </message>
    <message>
        <source>Je leende 1 bij de %1, maar trok die niet af bij de %2.</source>
        <translation>Tu as emprunté 1 dans la colonne des %1, mais tu ne l&apos;as pas enlevé dans la colonne des %2.</translation>
    </message>
    <message>
        <source>%1 = %2: schrijf %3</source>
        <translation>%1 = %2&#xa0;: écris %3</translation>
    </message>
    <message>
        <source>Alleen %1: schrijf %1</source>
        <translation>Seulement %1&#xa0;: écris %1</translation>
    </message>
    <message>
        <source>, onthoud %1</source>
        <translation>, retiens %1</translation>
    </message>
    <message>
        <source>Hier komt wat je onthield: schrijf %1</source>
        <translation>Ici vient ta retenue&#xa0;: écris %1</translation>
    </message>
    <message>
        <source>Hier komt de komma.</source>
        <translation>Ici vient la virgule.</translation>
    </message>
    <message>
        <source>Hier komt geen cijfer.</source>
        <translation>Ici, pas de chiffre.</translation>
    </message>
    <message>
        <source>Betaald min totaal: %1 − %2 = %3</source>
        <translation>Payé moins total&#xa0;: %1 − %2 = %3</translation>
    </message>
    <message>
        <source>TOON MIJ</source>
        <translation>MONTRE-MOI</translation>
    </message>
    <message>
        <source>Toon hoe deze kolom uitgerekend wordt (F12).</source>
        <translation>Montre comment calculer cette colonne (F12).</translation>
    </message>
    <message>
        <source>Toont in dit venster hoe de aangeduide kolom uitgerekend wordt: de cijfers, wat je onthield, de som, wat je opschrijft en wat je onthoudt.<byte value="xd"/>De oefening telt dan als geholpen.</source>
        <translation>Montre dans cette fenêtre comment calculer la colonne marquée&#xa0;: les chiffres, la retenue, la somme, ce que tu écris et ce que tu retiens.<byte value="xd"/>L&apos;exercice compte alors comme réussi avec de l&apos;aide.</translation>
    </message>
    <message>
        <source>Hier ging het mis</source>
        <translation>L&apos;erreur est ici</translation>
    </message>
    <message>
        <source>Kijk nog eens naar de komma.</source>
        <translation>Regarde encore la virgule.</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Stop het programma.</source>
        <translation>Arrêter le programme.</translation>
    </message>
    <message>
        <source><byte value="xd"/>Het programma beëindigen.</source>
        <translation><byte value="xd"/>Quitter le programme.</translation>
    </message>
</context>
<context>
    <name>WalletPanel</name>
    <message>
        <source>Portemonnee</source>
        <translation>Porte-monnaie</translation>
    </message>
    <message>
        <source>Dit is de portemonnee.</source>
        <translation>Voici le porte-monnaie.</translation>
    </message>
    <message>
        <source>Aanklikken om te gebruiken.</source>
        <translation>Clique pour l&apos;utiliser.</translation>
    </message>
    <message>
        <source>* OK *</source>
        <translation>* OK *</translation>
    </message>
    <message>
        <source>portemonnee sluiten.</source>
        <translation>Fermer le porte-monnaie.</translation>
    </message>
    <message>
        <source>* Nieuw *</source>
        <translation>* Nouveau *</translation>
    </message>
    <message>
        <source>Nieuwe portemonnee  maken.</source>
        <translation>Remplir à nouveau le porte-monnaie.</translation>
    </message>
    <message>
        <source>Te betalen</source>
        <translation>À payer</translation>
    </message>
    <message>
        <source>Het bedrag dat moet betaald worden.</source>
        <translation>Le montant à payer.</translation>
    </message>
    <message>
        <source>Betaald</source>
        <translation>Payé</translation>
    </message>
    <message>
        <source>Het bedrag dat u betaalt.</source>
        <translation>Le montant que tu paies.</translation>
    </message>
    <message numerus="yes">
        <source>biljet van %1 euro</source>
        <translation>
            <numerusform>billet de %1 euro</numerusform>
            <numerusform>billet de %1 euros</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>munt van %1 euro</source>
        <translation>
            <numerusform>pièce de %1 euro</numerusform>
            <numerusform>pièce de %1 euros</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>munt van %1 cent</source>
        <translation>
            <numerusform>pièce de %1 centime</numerusform>
            <numerusform>pièce de %1 centimes</numerusform>
        </translation>
    </message>
    <message>
        <source>Dit is de portemonnee waarmee u kan betalen.<byte value="xd"/>U kan het juiste bedrag betalen en u kan een bedrag betalen waarop moet teruggegeven worden.</source>
        <translation>Voici le porte-monnaie avec lequel tu paies.<byte value="xd"/>Tu peux payer le compte juste, ou payer plus et recevoir de la monnaie.</translation>
    </message>
    <message>
        <source>De portemonnee sluiten.</source>
        <translation>Fermer le porte-monnaie.</translation>
    </message>
    <message>
        <source>Een nieuwe portemonnee samenstellen.<byte value="xd"/>Het bedrag &quot;Betaald&quot; (indien zichtbaar bovenaan) wordt terug op nul gezet.</source>
        <translation>Remplir à nouveau le porte-monnaie.<byte value="xd"/>Le montant «&#xa0;Payé&#xa0;» (s&apos;il est visible en haut) revient à zéro.</translation>
    </message>
    <message>
        <source>Dit is het te betalen bedrag.</source>
        <translation>C&apos;est le montant à payer.</translation>
    </message>
    <message>
        <source>Dit is het bedrag dat u samenstelt.</source>
        <translation>C&apos;est le montant que tu composes.</translation>
    </message>
    <message>
        <source>Klik op een biljet of geldstuk om te betalen.<byte value="xd"/>Het bedrag &quot;betaald&quot; (indien zichtbaar bovenaan) zal worden aangepast, en het biljet of muntstuk zal verdwijnen.</source>
        <translation>Clique sur un billet ou une pièce pour payer.<byte value="xd"/>Le montant «&#xa0;payé&#xa0;» (s&apos;il est visible en haut) change, et le billet ou la pièce disparaît.</translation>
    </message>
    <message>
        <source>Te betalen: %1.</source>
        <translation>À payer&#xa0;: %1.</translation>
    </message>
    <message>
        <source>%1 genomen.</source>
        <translation>Pris&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Betaald: %1.</source>
        <translation>Payé&#xa0;: %1.</translation>
    </message>
</context>
</TS>
