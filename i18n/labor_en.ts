<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>QObject</name>
    <message>
        <source>angedockt: |x| &lt; 0,1 m und |Lage| &lt; 1° am Ende – das hintere Ende hat die Ziellinie (y = ሥ m) erreicht, hཬhstens 10 cm neben x = 0 und fast gerade.
Starts, deren hinteres Ende bei x ≤ 0 beginnt, müssen dazu auch auf der Stra෾ geblieben sein.
Gezählt ﲾr alle Starts des Rasters: Führerhaus x = ሠ … 0 m in Schritten von 2 m, Lage ቅ° … 40° in Schritten von 5°, nur Starts mit dem hinteren Ende auf der Stra෾.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stra෾ verlassen: Starts, bei denen das hintere Ende irgendwann neben der Stra෾ war (x &lt; ሠ,1 m oder x &gt; 2 m).
Gezählt werden nur Starts, deren hinteres Ende bei x ≤ 0 beginnt, also links der Ziellinie oder auf ihr: Sie müssen auf der Stra෾ bleiben. Ein Start rechts der Ziellinie darf ausholen.
Darum steht hinter „von“ weniger als die Zahl aller Starts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der größte Abstand |x| des hinteren Endes von der Ziellinie x = 0, wenn es angekommen ist (y = ሥ m), ﲾr alle angekommenen Starts. Angedockt verlangt weniger als 0,1 m.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die größte Schräglage |Lage| bei der Ankunft, ﲾr alle angekommenen Starts. 0° heißt: der Truck steht gerade zur Stra෾. Angedockt verlangt weniger als 1°.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die meisten Regelschritte eines Laufs bis zur Ankunft (ein Schritt dauert 0,1 s). Ein Lauf, der nie ankommt, endet nach %1 Schritten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>angedockt %1 von %2, Stra෾ verlassen %3 von %4, größte |x| %5 m, größte |Lage| %6°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bildgröße</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Breite:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Höhe:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vorgabe: die Breite einer A4-Seite. Die Schrift behält ihre Größe.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bild speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suchen in:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datei&amp;name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dateityp:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegelnVerbessern</name>
    <message>
        <source>Regeln verbessern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fahrzeug:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Truck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>auch Terme anpassen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeit in s:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Startwert:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%p %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vorher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nachher (bestes bisher)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ansichten::Kennfeld</name>
    <message>
        <source>  – hier feuert keine Regel (Bereichsanfang)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keine Regel feuert</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>labor::KurvenDiagramm</name>
    <message>
        <source>Vergleich</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>labor::LaborSeite</name>
    <message>
        <source>&amp;Vergleichen mit…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Projekt aus &amp;Datei…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stand &amp;vor der letzten Änderung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vergleich &amp;beenden</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>labor::LokLabor</name>
    <message>
        <source> (abgebrochen: keine endliche Zahl)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (30 cm hinter der Marke)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ein zweites Projekt blass neben diesem zeichnen, mit seinen Zahlen darunter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bild speichern…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Masse der Lok; jede Masse fährt mit demselben Regler, derselben Reibung und demselben Abstand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ab diesem Zeitpunkt bleibt die Lok bis zum Ende des Laufs in Ruhe an der Marke: |s| &lt; 1 cm und |v| &lt; 0,5 cm/s. „nie“: Sie kommt nicht zur Ruhe.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wie „in Ruhe ab“, aber genauer: |s| &lt; 0,5 cm und |v| &lt; 0,5 cm/s bis zum Ende des Laufs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wie weit die Lok hཬhstens ﲾr die Marke hinausgefahren ist (s &lt; 0 heißt: hinter der Marke). 0 cm: Sie hat die Marke nie ﲾrfahren.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wie oft die Kraft ihr Vorzeichen gewechselt hat (Schritte mit F = 0 zählen nicht). Viele Wechsel hei෾n: Der Regler schaltet hin und her.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeit, Weg und Geschwindigkeit im letzten Schritt. Jeder Lauf dauert 60 s, au෾r die Lok ist 30 cm ﲾr die Marke hinausgefahren: Dann endet er dort.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kraft ﲾr der Zeit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F in N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>s &gt; 0: die Lok steht vor der Marke, s &lt; 0: hinter ihr. Ziel ist s = 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>v &lt; 0: die Lok fährt auf die Marke zu (von s &gt; 0 her), v = 0: sie steht.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geschwindigkeit ﲾr dem Weg: Eine gute Fahrt endet im Nullpunkt, ohne ihn zu umkreisen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Kraft des Reglers in jedem Schritt. F &gt; 0 treibt die Lok von der Startseite her zur Marke hin (s wird kleiner); F &lt; 0 bremst eine Lok, die auf die Marke zufährt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lok-Labor: Reibung %1 N·s/m, Abstand %2 cm, Zeitschritt %3 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vergleich mit %1: wird berechnet …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 in Ruhe ab %2, ?rschwingen %3 cm, %4 Kraftwechsel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vergleich mit %1 (gestrichelt): %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vergleich mit %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>labor::RegelnVerbessern</name>
    <message>
        <source>ohne B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(nicht bewertet: abgebrochen, bevor alle Läufe bewertet waren)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abgebrochen, bevor die Ausgangslage bewertet war; das Projekt bleibt, wie es ist.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>labor::TruckLabor</name>
    <message>
        <source>Ein zweites Projekt blass unter diesem zeichnen, mit seinen Zahlen daneben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bild speichern…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vergleich mit %1: wird berechnet …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vergleich mit %1 (gestrichelt): %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vergleich mit %1: Eingang A und/oder Ausgang (noch) nicht definiert!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
