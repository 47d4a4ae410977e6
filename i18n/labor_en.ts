<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>RegelnVerbessern</name>
    <message>
        <source>Regeln verbessern</source>
        <translation>Improve Rules</translation>
    </message>
    <message>
        <source>Suche</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Fahrzeug:</source>
        <translation>Vehicle:</translation>
    </message>
    <message>
        <source>Truck</source>
        <translation>Truck</translation>
    </message>
    <message>
        <source>Lok</source>
        <translation>Locomotive</translation>
    </message>
    <message>
        <source>auch Terme anpassen</source>
        <translation>adjust terms too</translation>
    </message>
    <message>
        <source>Zeit in s:</source>
        <translation>Time in s:</translation>
    </message>
    <message>
        <source>Startwert:</source>
        <translation>Seed:</translation>
    </message>
    <message>
        <source>Starten</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>%p %</source>
        <translation>%p %</translation>
    </message>
    <message>
        <source>Vorher</source>
        <translation>Before</translation>
    </message>
    <message>
        <source>Nachher (bestes bisher)</source>
        <translation>After (best so far)</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Regeltabelle monoton</source>
        <translation>Monotone rule table</translation>
    </message>
    <message>
        <source>Die Ausgangsterme der Tabelle steigen mit beiden Eingängen, wie das Fahrzeug es braucht. Ohne Haken darf die Tabelle jede Form annehmen.</source>
        <translation>The table&apos;s output terms rise with both inputs, as the vehicle needs. Unticked, the table may take any shape.</translation>
    </message>
    <message>
        <source>Vergleich vorher und nachher</source>
        <translation>Comparison before and after</translation>
    </message>
</context>
<context>
    <name>ansichten::Bildexport</name>
    <message>
        <source>PNG-Bild (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>SVG-Grafik (*.svg)</source>
        <translation>SVG graphic (*.svg)</translation>
    </message>
    <message>
        <source>Bildgröße</source>
        <translation>Picture Size</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>&amp;Breite:</source>
        <translation>&amp;Width:</translation>
    </message>
    <message>
        <source>&amp;Höhe:</source>
        <translation>&amp;Height:</translation>
    </message>
    <message>
        <source>Vorgabe: die Breite einer A4-Seite. Die Schrift behält ihre Größe.</source>
        <translation>Default: the width of an A4 page. The text keeps its size.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Unbekanntes Bildformat: Der Dateiname muss auf .png oder .svg enden.</source>
        <translation>Unknown picture format: the file name must end in .png or .svg.</translation>
    </message>
    <message>
        <source>Die Ansicht ist leer.</source>
        <translation>The view is empty.</translation>
    </message>
    <message>
        <source>„%1“ ist ein Ordner und kann kein Bild aufnehmen.</source>
        <translation>“%1” is a folder and cannot hold a picture.</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ existiert nicht.</source>
        <translation>The folder “%1” does not exist.</translation>
    </message>
    <message>
        <source>Das Bild konnte nicht erzeugt werden.</source>
        <translation>The picture could not be made.</translation>
    </message>
    <message>
        <source>Bild speichern</source>
        <translation>Save Picture</translation>
    </message>
    <message>
        <source>Suchen in:</source>
        <translation>Look in:</translation>
    </message>
    <message>
        <source>Datei&amp;name:</source>
        <translation>File &amp;name:</translation>
    </message>
    <message>
        <source>Dateityp:</source>
        <translation>File type:</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Bild speichern…</source>
        <translation>Save Picture…</translation>
    </message>
</context>
<context>
    <name>ansichten::Inspektor</name>
    <message>
        <source>nicht verwendet</source>
        <translation>not used</translation>
    </message>
    <message>
        <source>Bild speichern…</source>
        <translation>Save Picture…</translation>
    </message>
    <message>
        <source>Eingang A: &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>Input A: &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Eingang B: &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>Input B: &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Eingang B:</source>
        <translation>Input B:</translation>
    </message>
    <message>
        <source>Ausgang %1 = %2</source>
        <translation>Output %1 = %2</translation>
    </message>
    <message>
        <source>Ausgang: –</source>
        <translation>Output: –</translation>
    </message>
    <message>
        <source>Eingang A: nicht verwendet</source>
        <translation>Input A: not used</translation>
    </message>
    <message>
        <source>Eingang B: nicht verwendet</source>
        <translation>Input B: not used</translation>
    </message>
    <message>
        <source>Dieses Projekt hat nur einen Eingang.</source>
        <translation>This project has only one input.</translation>
    </message>
    <message>
        <source>Eingang A: </source>
        <translation>Input A: </translation>
    </message>
    <message>
        <source>Eingang B: </source>
        <translation>Input B: </translation>
    </message>
    <message>
        <source>Grad:</source>
        <translation>Degree:</translation>
    </message>
    <message>
        <source>Regeln: Feuerstärke = min(Grad A, Grad B)</source>
        <translation>Rules: firing strength = min(degree A, degree B)</translation>
    </message>
    <message>
        <source>Regeln: Feuerstärke = Grad A</source>
        <translation>Rules: firing strength = degree A</translation>
    </message>
    <message>
        <source>Ausgang: nicht definiert</source>
        <translation>Output: not defined</translation>
    </message>
    <message>
        <source>Ausgang: </source>
        <translation>Output: </translation>
    </message>
    <message>
        <source>Höhe:</source>
        <translation>Height:</translation>
    </message>
    <message>
        <source>WENN %1 ist %2 UND %3 ist %4</source>
        <translation>IF %1 is %2 AND %3 is %4</translation>
    </message>
    <message>
        <source>WENN %1 ist %2</source>
        <translation>IF %1 is %2</translation>
    </message>
    <message>
        <source>DANN %1 ist %2</source>
        <translation>THEN %1 is %2</translation>
    </message>
    <message>
        <source>keine Regel</source>
        <translation>no rule</translation>
    </message>
    <message>
        <source>Eintrag %1 nennt keinen Ausgangsterm</source>
        <translation>entry %1 names no output term</translation>
    </message>
    <message>
        <source>%1, %2 (Feuerstärke %3)</source>
        <translation>%1, %2 (firing strength %3)</translation>
    </message>
    <message>
        <source>Kein Projekt geladen.</source>
        <translation>No project loaded.</translation>
    </message>
    <message>
        <source>%1 = %2, %3 = %4</source>
        <translation>%1 = %2, %3 = %4</translation>
    </message>
    <message>
        <source>%1 = %2</source>
        <translation>%1 = %2</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;: %2. Der Lauf wandte %3 = %4 an, genau den Wert, den der Inspektor hier berechnet.</source>
        <translation>&lt;b&gt;%1&lt;/b&gt;: %2. The run applied %3 = %4, exactly the value the inspector computes here.</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;: %2. Der Lauf wandte %3 = %4 an; &lt;span style=&apos;color:#a00000&apos;&gt;hier ergibt sich ein anderer Wert, das Projekt wurde nach dem Lauf geändert.&lt;/span&gt;</source>
        <translation>&lt;b&gt;%1&lt;/b&gt;: %2. The run applied %3 = %4; &lt;span style=&apos;color:#a00000&apos;&gt;here the value differs: the project was changed after the run.&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Eingang A: %1</source>
        <translation>Input A: %1</translation>
    </message>
    <message>
        <source>Eingang A: %1, Schieber</source>
        <translation>Input A: %1, slider</translation>
    </message>
    <message>
        <source>Eingang B: %1</source>
        <translation>Input B: %1</translation>
    </message>
    <message>
        <source>Eingang B: %1, Schieber</source>
        <translation>Input B: %1, slider</translation>
    </message>
    <message>
        <source>%1 liegt %2 über dem Bereich (%3 bis %4)</source>
        <translation>%1 lies %2 above its range (%3 to %4)</translation>
    </message>
    <message>
        <source>%1 liegt %2 unter dem Bereich (%3 bis %4)</source>
        <translation>%1 lies %2 below its range (%3 to %4)</translation>
    </message>
    <message>
        <source>%1: Der Regler rechnet mit diesem Wert, nur der Schieber bleibt am Ende des Bereichs stehen.</source>
        <translation>%1: the controller works with this value itself; only the slider stops at the end of the range.</translation>
    </message>
    <message>
        <source>%1 und %2: Der Regler rechnet mit diesen Werten, nur die Schieber bleiben an den Enden der Bereiche stehen.</source>
        <translation>%1 and %2: the controller works with these values themselves; only the sliders stop at the ends of the ranges.</translation>
    </message>
    <message>
        <source>fetter Rahmen: die Regel, die die Höhe setzt</source>
        <translation>bold frame: the rule that sets the height</translation>
    </message>
    <message>
        <source>Farbe: Feuerstärke</source>
        <translation>Color: firing strength</translation>
    </message>
</context>
<context>
    <name>ansichten::Kennfeld</name>
    <message>
        <source>  – hier feuert keine Regel (Bereichsanfang)</source>
        <translation>  – no rule fires here (start of range)</translation>
    </message>
    <message>
        <source>keine Regel feuert</source>
        <translation>no rule fires</translation>
    </message>
    <message>
        <source>Bild speichern…</source>
        <translation>Save Picture…</translation>
    </message>
    <message>
        <source>Zeigen Sie auf das Kennfeld, um die Werte zu sehen; ein Klick wählt den Punkt.</source>
        <translation>Point at the control surface to see its values; a click chooses the point.</translation>
    </message>
    <message>
        <source>Ausgang: %1</source>
        <translation>Output: %1</translation>
    </message>
    <message>
        <source>Kein Kennfeld: Eingang A und Ausgang müssen definiert sein.</source>
        <translation>No control surface: input A and the output must be defined.</translation>
    </message>
    <message>
        <source>Kennfeld: %1 über %2 und %3</source>
        <translation>Control surface: %1 over %2 and %3</translation>
    </message>
    <message>
        <source>Kennlinie: %1 über %2</source>
        <translation>Control curve: %1 over %2</translation>
    </message>
    <message>
        <source>Kennfeld: %1</source>
        <translation>Control surface: %1</translation>
    </message>
    <message>
        <source>Kennlinie: %1</source>
        <translation>Control curve: %1</translation>
    </message>
</context>
<context>
    <name>labor::BahnenBild</name>
    <message>
        <source>angedockt</source>
        <translation>docked</translation>
    </message>
    <message>
        <source>nicht angedockt</source>
        <translation>not docked</translation>
    </message>
    <message>
        <source>Straße verlassen</source>
        <translation>left the road</translation>
    </message>
    <message>
        <source>Truck-Labor: %1 Starts bei %2 m/s, angedockt: %3, Straße verlassen: %4 von %5</source>
        <translation>Truck lab: %1 starts at %2 m/s, docked: %3, left the road: %4 of %5</translation>
    </message>
    <message>
        <source>Bahnen des Hinterachspunkts, x = 0: Ziellinie</source>
        <translation>Tracks of the rear axle point, x = 0: target line</translation>
    </message>
</context>
<context>
    <name>labor::KurvenDiagramm</name>
    <message>
        <source>Vergleich</source>
        <translation>Comparison</translation>
    </message>
    <message>
        <source>wird berechnet …</source>
        <translation>computing …</translation>
    </message>
</context>
<context>
    <name>labor::LaborSeite</name>
    <message>
        <source>&amp;Vergleichen mit…</source>
        <translation>Com&amp;pare with…</translation>
    </message>
    <message>
        <source>Projekt aus &amp;Datei…</source>
        <translation>Project from &amp;File…</translation>
    </message>
    <message>
        <source>Stand &amp;vor der letzten Änderung</source>
        <translation>State &amp;before the Last Edit</translation>
    </message>
    <message>
        <source>Vergleich &amp;beenden</source>
        <translation>&amp;End Comparison</translation>
    </message>
    <message>
        <source>Labor</source>
        <translation>Lab</translation>
    </message>
    <message>
        <source>Warum?</source>
        <translation>Why?</translation>
    </message>
</context>
<context>
    <name>labor::LokLabor</name>
    <message>
        <source> (abgebrochen: keine endliche Zahl)</source>
        <translation> (stopped: not a finite number)</translation>
    </message>
    <message>
        <source> (30 cm hinter der Marke)</source>
        <translation> (30 cm past the mark)</translation>
    </message>
    <message>
        <source>Ein zweites Projekt blass neben diesem zeichnen, mit seinen Zahlen darunter</source>
        <translation>Draw a second project faintly beside this one, with its figures below</translation>
    </message>
    <message>
        <source>Bild speichern…</source>
        <translation>Save Picture…</translation>
    </message>
    <message>
        <source>Die Masse der Lok; jede Masse fährt mit demselben Regler, derselben Reibung und demselben Abstand.</source>
        <translation>The mass of the locomotive; every mass runs with the same controller, the same friction and the same distance.</translation>
    </message>
    <message>
        <source>Ab diesem Zeitpunkt bleibt die Lok bis zum Ende des Laufs in Ruhe an der Marke: |s| &lt; 1 cm und |v| &lt; 0,5 cm/s. „nie“: Sie kommt nicht zur Ruhe.</source>
        <translation>From this moment on the locomotive stays at rest at the mark until the end of the run: |s| &lt; 1 cm and |v| &lt; 0.5 cm/s. “never”: it does not come to rest.</translation>
    </message>
    <message>
        <source>Wie „in Ruhe ab“, aber genauer: |s| &lt; 0,5 cm und |v| &lt; 0,5 cm/s bis zum Ende des Laufs.</source>
        <translation>Like “at rest from”, but closer: |s| &lt; 0.5 cm and |v| &lt; 0.5 cm/s until the end of the run.</translation>
    </message>
    <message>
        <source>F in N</source>
        <translation>F in N</translation>
    </message>
    <message>
        <source>s &gt; 0: die Lok steht vor der Marke, s &lt; 0: hinter ihr. Ziel ist s = 0.</source>
        <translation>s &gt; 0: the locomotive is before the mark, s &lt; 0: past it. The goal is s = 0.</translation>
    </message>
    <message>
        <source>v &lt; 0: die Lok fährt auf die Marke zu (von s &gt; 0 her), v = 0: sie steht.</source>
        <translation>v &lt; 0: the locomotive moves towards the mark (from s &gt; 0), v = 0: it is at rest.</translation>
    </message>
    <message>
        <source>Die Kraft des Reglers in jedem Schritt. F &gt; 0 treibt die Lok von der Startseite her zur Marke hin (s wird kleiner); F &lt; 0 bremst eine Lok, die auf die Marke zufährt.</source>
        <translation>The controller&apos;s driving force in each step. F &gt; 0 drives the locomotive from the start side towards the mark (s decreases); F &lt; 0 brakes a locomotive that moves towards the mark.</translation>
    </message>
    <message>
        <source>Lok-Labor: Reibung %1 N·s/m, Abstand %2 cm, Zeitschritt %3 s</source>
        <translation>Locomotive lab: friction %1 N·s/m, distance %2 cm, time step %3 s</translation>
    </message>
    <message>
        <source>Vergleich mit %1: wird berechnet …</source>
        <translation>Comparison with %1: computing …</translation>
    </message>
    <message>
        <source>nie</source>
        <translation>never</translation>
    </message>
    <message>
        <source>Vergleich mit %1 (gestrichelt): %2</source>
        <translation>Comparison with %1 (dashed): %2</translation>
    </message>
    <message>
        <source>Vergleich mit %1: %2</source>
        <translation>Comparison with %1: %2</translation>
    </message>
    <message>
        <source>Reibung in N·s/m:</source>
        <translation>Friction in N·s/m:</translation>
    </message>
    <message>
        <source>Abstand in cm:</source>
        <translation>Distance in cm:</translation>
    </message>
    <message>
        <source>Zeitschritt:</source>
        <translation>Time step:</translation>
    </message>
    <message>
        <source>Der erste Schritt dauert wie im Programm stets 0,1 s.</source>
        <translation>As in the program, the first step always takes 0.1 s.</translation>
    </message>
    <message>
        <source>Masse</source>
        <translation>Mass</translation>
    </message>
    <message>
        <source>in Ruhe ab&lt;br&gt;(|s| &amp;lt; 1 cm, |v| &amp;lt; 0,5 cm/s)</source>
        <translation>at rest from&lt;br&gt;(|s| &amp;lt; 1 cm, |v| &amp;lt; 0.5 cm/s)</translation>
    </message>
    <message>
        <source>genau ab&lt;br&gt;(|s| &amp;lt; 0,5 cm, |v| &amp;lt; 0,5 cm/s)</source>
        <translation>precisely at rest from&lt;br&gt;(|s| &amp;lt; 0.5 cm, |v| &amp;lt; 0.5 cm/s)</translation>
    </message>
    <message>
        <source>Überschwingen&lt;br&gt;(hinter der Marke)</source>
        <translation>Overshoot&lt;br&gt;(past the mark)</translation>
    </message>
    <message>
        <source>Kraftwechsel&lt;br&gt;(Vorzeichen)</source>
        <translation>Force reversals&lt;br&gt;(sign)</translation>
    </message>
    <message>
        <source>Ende des Laufs&lt;br&gt;(t; s; v)</source>
        <translation>End of the run&lt;br&gt;(t; s; v)</translation>
    </message>
    <message>
        <source>Wie weit die Lok höchstens über die Marke hinausgefahren ist (s &lt; 0 heißt: hinter der Marke). 0 cm: Sie hat die Marke nie überfahren.</source>
        <translation>How far the locomotive went past the mark at most (s &lt; 0 means: past the mark). 0 cm: it never passed the mark.</translation>
    </message>
    <message>
        <source>Wie oft die Kraft ihr Vorzeichen gewechselt hat (Schritte mit F = 0 zählen nicht). Viele Wechsel heißen: Der Regler schaltet hin und her.</source>
        <translation>How often the force changed its sign (steps with F = 0 do not count). Many reversals mean: the controller switches back and forth.</translation>
    </message>
    <message>
        <source>Zeit, Weg und Geschwindigkeit im letzten Schritt. Jeder Lauf dauert 60 s, außer die Lok ist 30 cm über die Marke hinausgefahren: Dann endet er dort.</source>
        <translation>Time, position and speed in the last step. Every run lasts 60 s, unless the locomotive has gone 30 cm past the mark: then it ends there.</translation>
    </message>
    <message>
        <source>Weg über der Zeit</source>
        <translation>Position over time</translation>
    </message>
    <message>
        <source>t in s</source>
        <translation>t in s</translation>
    </message>
    <message>
        <source>s in cm</source>
        <translation>s in cm</translation>
    </message>
    <message>
        <source>Geschwindigkeit über der Zeit</source>
        <translation>Speed over time</translation>
    </message>
    <message>
        <source>v in cm/s</source>
        <translation>v in cm/s</translation>
    </message>
    <message>
        <source>s-v-Diagramm</source>
        <translation>s-v diagram</translation>
    </message>
    <message>
        <source>Kraft über der Zeit</source>
        <translation>Force over time</translation>
    </message>
    <message>
        <source>Geschwindigkeit über dem Weg: Eine gute Fahrt endet im Nullpunkt, ohne ihn zu umkreisen.</source>
        <translation>Speed over position: a good run ends in the origin without circling it.</translation>
    </message>
    <message>
        <source>Bitte eine Zahl eingeben.</source>
        <translation>Please enter a number.</translation>
    </message>
    <message>
        <source>Die Reibung darf nicht negativ sein.</source>
        <translation>The friction must not be negative.</translation>
    </message>
    <message>
        <source>Der Abstand muss zwischen 0,01 cm und 100000 cm liegen.</source>
        <translation>The distance must lie between 0.01 cm and 100000 cm.</translation>
    </message>
    <message>
        <source>Der Zeitschritt muss 0,055 s oder 0,1 s sein.</source>
        <translation>The time step must be 0.055 s or 0.1 s.</translation>
    </message>
    <message>
        <source>%1 in Ruhe ab %2, Überschwingen %3 cm, %4 Kraftwechsel</source>
        <translation>%1 at rest from %2, overshoot %3 cm, force reversals: %4</translation>
    </message>
    <message>
        <source>t = %1 s</source>
        <translation>t = %1 s</translation>
    </message>
    <message>
        <source>wird berechnet …</source>
        <translation>computing …</translation>
    </message>
    <message>
        <source> (abgebrochen: die Kraft des Reglers ist keine endliche Zahl)</source>
        <translation> (aborted: the controller&apos;s force is not a finite number)</translation>
    </message>
    <message>
        <source>Dieses Projekt ist für den Truck gewählt (Menü Fahrzeug); das Lok-Labor fährt es trotzdem mit der Lok.</source>
        <translation>This project is chosen for the truck (menu Vehicle); the locomotive lab drives the locomotive with it all the same.</translation>
    </message>
    <message>
        <source>Dieses Projekt dockt den Truck an %1 von %2 Starts an, bringt die Lok aber nie zur Ruhe: Es ist wohl für den Truck gemacht (Menü Fahrzeug).</source>
        <translation>This project docks the truck from %1 of %2 starts but never brings the locomotive to rest: it is probably made for the truck (menu Vehicle).</translation>
    </message>
    <message>
        <source>Am Start (s = %1 cm, v = 0 cm/s) feuert keine Regel: Die Kraft fällt auf %2 N (Anfang des Ausgangsbereichs).</source>
        <translation>No rule fires at the start (s = %1 cm, v = 0 cm/s): the force falls to %2 N (the start of the output&apos;s range).</translation>
    </message>
    <message>
        <source>Unterwegs erreicht die Lok Stellen, an denen keine Regel feuert, mit %1 zuerst bei t = %2 s, s = %3 cm, v = %4 cm/s: Dort fällt die Kraft auf %5 N.</source>
        <translation>On its way the locomotive reaches places where no rule fires, with %1 first at t = %2 s, s = %3 cm, v = %4 cm/s: there the force falls to %5 N.</translation>
    </message>
    <message>
        <source>Der Lauf, dessen Schritte der Schieber zeigt; ein Klick auf eine Kurve wählt ihn auch.</source>
        <translation>The run whose steps the slider shows; a click on a curve chooses it too.</translation>
    </message>
    <message>
        <source>Lauf:</source>
        <translation>Run:</translation>
    </message>
    <message>
        <source>Klick auf eine Kurve zeigt den Schritt dort; „Warum?“ nimmt ihn im Inspektor auseinander.</source>
        <translation>A click on a curve shows the step there; “Why?” takes it apart in the inspector.</translation>
    </message>
    <message>
        <source>%1, Zeitschritt %2 s</source>
        <translation>%1, time step %2 s</translation>
    </message>
    <message>
        <source>%1 – Ende nach %2 Schritten (t = %3 s): s = %4 cm, v = %5 cm/s</source>
        <translation>%1 – end after %2 steps (t = %3 s): s = %4 cm, v = %5 cm/s</translation>
    </message>
    <message>
        <source>%1 – Schritt %2 von %3 (t = %4 s): s = %5 cm, v = %6 cm/s → Kraft %7 N</source>
        <translation>%1 – step %2 of %3 (t = %4 s): s = %5 cm, v = %6 cm/s → force %7 N</translation>
    </message>
    <message>
        <source>Lok-Labor, %1, Schritt %2 von %3</source>
        <translation>Locomotive lab, %1, step %2 of %3</translation>
    </message>
</context>
<context>
    <name>labor::RegelnVerbessern</name>
    <message>
        <source>ohne B</source>
        <translation>no B</translation>
    </message>
    <message>
        <source>(nicht bewertet: abgebrochen, bevor alle Läufe bewertet waren)</source>
        <translation>(not scored: stopped before all runs were scored)</translation>
    </message>
    <message>
        <source>Abgebrochen, bevor die Ausgangslage bewertet war; das Projekt bleibt, wie es ist.</source>
        <translation>Stopped before the starting point was scored; the project stays as it is.</translation>
    </message>
    <message>
        <source>(noch nicht bewertet)</source>
        <translation>(not scored yet)</translation>
    </message>
    <message>
        <source>Nachher (bestes bisher)</source>
        <translation>After (best so far)</translation>
    </message>
    <message>
        <source>Nachher</source>
        <translation>After</translation>
    </message>
    <message>
        <source>Kein Projekt geladen.</source>
        <translation>No project loaded.</translation>
    </message>
    <message>
        <source>Die Ausgangslage wird bewertet …</source>
        <translation>Scoring the starting point …</translation>
    </message>
    <message>
        <source>Wird abgebrochen; das Beste bisher bleibt …</source>
        <translation>Stopping; the best so far stays …</translation>
    </message>
    <message>
        <source>Runde %1, %2 Bewertungen, %3 Verbesserungen, %4 s</source>
        <translation>Round %1, scorings: %2, improvements: %3, %4 s</translation>
    </message>
    <message>
        <source>keine Verbesserung gefunden.</source>
        <translation>no improvement found.</translation>
    </message>
    <message>
        <source>Abgebrochen nach %1 Runden, %2 Bewertungen, %3 s: %4</source>
        <translation>Stopped (rounds: %1, scorings: %2, %3 s): %4</translation>
    </message>
    <message>
        <source>Fertig nach %1 Runden, %2 Bewertungen, %3 s: %4</source>
        <translation>Finished (rounds: %1, scorings: %2, %3 s): %4</translation>
    </message>
    <message>
        <source>Verbesserungen: %1; mit „Übernehmen“ ins Projekt.</source>
        <translation>Improvements: %1; “Apply” puts them into the project.</translation>
    </message>
</context>
<context>
    <name>labor::SchrittWahl</name>
    <message>
        <source>Einen Schritt zurück</source>
        <translation>One step back</translation>
    </message>
    <message>
        <source>Einen Schritt weiter</source>
        <translation>One step on</translation>
    </message>
    <message>
        <source>Den Lauf von hier an abspielen oder anhalten</source>
        <translation>Play the run from here, or pause it</translation>
    </message>
    <message>
        <source>Die Zeit im gewählten Lauf: Jeder Punkt ist ein Regelschritt.</source>
        <translation>The time in the chosen run: every point is one control step.</translation>
    </message>
    <message>
        <source>Waru&amp;m?</source>
        <translation>&amp;Why?</translation>
    </message>
    <message>
        <source>Den Inspektor neben dem Labor zeigen: Er nimmt den gewählten Schritt auseinander – Eingänge, Zugehörigkeitsgrade, Feuerstärken der Regeln, Ausgangsterme und Schwerpunkt.</source>
        <translation>Show the inspector beside the lab: it takes the chosen step apart – inputs, membership degrees, firing strengths of the rules, output terms and centroid.</translation>
    </message>
    <message>
        <source>Schritt zurück</source>
        <translation>Step back</translation>
    </message>
    <message>
        <source>Schritt weiter</source>
        <translation>Step forward</translation>
    </message>
    <message>
        <source>Abspielen oder anhalten</source>
        <translation>Play or pause</translation>
    </message>
    <message>
        <source>Schritt im Lauf</source>
        <translation>Step of the run</translation>
    </message>
</context>
<context>
    <name>labor::Starts</name>
    <message>
        <source>Lok-Labor: Der Start bei %1 = %2 liegt außerhalb des Bereichs von %1 (%3 … %4).</source>
        <translation>Locomotive lab: the start at %1 = %2 lies outside the range of %1 (%3 … %4).</translation>
    </message>
    <message>
        <source>Dort feuert keine Regel: %1 fällt auf %2 (Bereichsanfang).</source>
        <translation>No rule fires there: %1 falls to %2 (the start of its range).</translation>
    </message>
    <message>
        <source>Truck-Labor: Starts außerhalb des Bereichs von %1 (%2 … %3): %4 von %5, bis %1 = %6.</source>
        <translation>Truck lab: starts outside the range of %1 (%2 … %3): %4 of %5, up to %1 = %6.</translation>
    </message>
    <message>
        <source>An %1 davon feuert keine Regel: %2 fällt dort auf %3 (Bereichsanfang).</source>
        <translation>No rule fires at %1 of them: %2 falls to %3 there (the start of its range).</translation>
    </message>
</context>
<context>
    <name>labor::StrassenBild</name>
    <message>
        <source>wird berechnet …</source>
        <translation>computing …</translation>
    </message>
    <message>
        <source>Klick auf den Punkt am Anfang einer Bahn: diesen Start in Zeitlupe abspielen.
Klick auf eine Bahn: den Schritt an dieser Stelle zeigen.</source>
        <translation>Click on the dot at the beginning of a track: replay this start in slow motion.
Click on a track: show the step at that place.</translation>
    </message>
</context>
<context>
    <name>labor::TermVergleich</name>
    <message>
        <source>Terme unverändert</source>
        <translation>Terms unchanged</translation>
    </message>
    <message>
        <source>Geänderte Terme (fett, vorher gestrichelt): %1</source>
        <translation>Changed terms (bold, before dashed): %1</translation>
    </message>
</context>
<context>
    <name>labor::TruckLabor</name>
    <message>
        <source>Ein zweites Projekt blass unter diesem zeichnen, mit seinen Zahlen daneben</source>
        <translation>Draw a second project faintly beneath this one, with its figures beside it</translation>
    </message>
    <message>
        <source>Bild speichern…</source>
        <translation>Save Picture…</translation>
    </message>
    <message>
        <source>Vergleich mit %1: wird berechnet …</source>
        <translation>Comparison with %1: computing …</translation>
    </message>
    <message>
        <source>Vergleich mit %1 (gestrichelt): %2</source>
        <translation>Comparison with %1 (dashed): %2</translation>
    </message>
    <message>
        <source>Vergleich mit %1: Eingang A und/oder Ausgang (noch) nicht definiert!</source>
        <translation>Comparison with %1: input A and/or the output not defined (yet)!</translation>
    </message>
    <message>
        <source>angedockt: |x| &lt; 0,1 m und |Lage| &lt; 1° am Ende – das hintere Ende hat die Ziellinie (y = −25 m) erreicht, höchstens 10 cm neben x = 0 und fast gerade.
Starts, deren hinteres Ende bei x ≤ 0 beginnt, müssen dazu auch auf der Straße geblieben sein.
Gezählt über alle Starts des Rasters: Führerhaus x = −20 … 0 m in Schritten von 2 m, Lage −45° … 40° in Schritten von 5°, nur Starts mit dem hinteren Ende auf der Straße.</source>
        <translation>docked: |x| &lt; 0.1 m and |angle| &lt; 1° at the end – the rear end has reached the loading dock (y = −25 m), at most 10 cm beside x = 0 and almost straight.
Starts whose rear end begins at x ≤ 0 must also have stayed on the road.
Counted over all starts of the grid: cab x = −20 … 0 m in steps of 2 m, angle −45° … 40° in steps of 5°, only starts with the rear end on the road.</translation>
    </message>
    <message>
        <source>Straße verlassen: Starts, bei denen das hintere Ende irgendwann neben der Straße war (x &lt; −20,1 m oder x &gt; 2 m).
Gezählt werden nur Starts, deren hinteres Ende bei x ≤ 0 beginnt, also links der Ziellinie oder auf ihr: Sie müssen auf der Straße bleiben. Ein Start rechts der Ziellinie darf ausholen.
Darum steht hinter „von“ weniger als die Zahl aller Starts.</source>
        <translation>left the road: starts whose rear end was beside the road at some time (x &lt; −20.1 m or x &gt; 2 m).
Only starts whose rear end begins at x ≤ 0 count, that is left of the target line or on it: they must stay on the road. A start right of the target line may swing out.
That is why the number after “of” is smaller than the number of all starts.</translation>
    </message>
    <message>
        <source>Der größte Abstand |x| des hinteren Endes von der Ziellinie x = 0, wenn es angekommen ist (y = −25 m), über alle angekommenen Starts. Angedockt verlangt weniger als 0,1 m.</source>
        <translation>The largest distance |x| of the rear end from the target line x = 0 when it has arrived (y = −25 m), over all starts that arrived. Docked requires less than 0.1 m.</translation>
    </message>
    <message>
        <source>Die größte Schräglage |Lage| bei der Ankunft, über alle angekommenen Starts. 0° heißt: der Truck steht gerade zur Straße. Angedockt verlangt weniger als 1°.</source>
        <translation>The largest slant |angle| on arrival, over all starts that arrived. 0° means: the truck stands straight along the road. Docked requires less than 1°.</translation>
    </message>
    <message>
        <source>Die meisten Regelschritte eines Laufs bis zur Ankunft (ein Schritt dauert 0,1 s). Ein Lauf, der nie ankommt, endet nach %1 Schritten.</source>
        <translation>The most control steps of a run until arrival (a step takes 0.1 s). A run that never arrives ends after %1 steps.</translation>
    </message>
    <message>
        <source>angedockt %1 von %2, Straße verlassen %3 von %4, größte |x| %5 m, größte |Lage| %6°</source>
        <translation>docked %1 of %2, left the road %3 of %4, largest |x| %5 m, largest |angle| %6°</translation>
    </message>
    <message>
        <source>Geschwindigkeit:</source>
        <translation>Speed:</translation>
    </message>
    <message>
        <source>wird berechnet …</source>
        <translation>computing …</translation>
    </message>
    <message>
        <source>angedockt:</source>
        <translation>docked:</translation>
    </message>
    <message>
        <source>Straße verlassen:</source>
        <translation>left the road:</translation>
    </message>
    <message>
        <source>größte |x| am Ende:</source>
        <translation>largest |x| at the end:</translation>
    </message>
    <message>
        <source>größte |Lage| am Ende:</source>
        <translation>largest |angle| at the end:</translation>
    </message>
    <message>
        <source>meiste Schritte:</source>
        <translation>most steps:</translation>
    </message>
    <message>
        <source>Eingang A und/oder Ausgang (noch) nicht definiert!</source>
        <translation>Input A and/or the output not defined (yet)!</translation>
    </message>
    <message>
        <source>%1 von %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>%1 von %2 Läufen abgebrochen: der Lenkwinkel des Reglers ist keine endliche Zahl.</source>
        <translation>%1 of %2 runs aborted: the controller&apos;s steering angle is not a finite number.</translation>
    </message>
    <message>
        <source>Dieses Projekt ist für die Lok gewählt (Menü Fahrzeug); das Truck-Labor fährt es trotzdem mit dem Truck.</source>
        <translation>This project is chosen for the locomotive (menu Vehicle); the truck lab drives the truck with it all the same.</translation>
    </message>
    <message>
        <source>Dieses Projekt bringt die Lok zur Ruhe, dockt den Truck aber an weniger als der Hälfte der Starts an: Es ist wohl für die Lok gemacht (Menü Fahrzeug).</source>
        <translation>This project brings the locomotive to rest but docks the truck from fewer than half of the starts: it is probably made for the locomotive (menu Vehicle).</translation>
    </message>
    <message>
        <source>An %1 von %2 Starts feuert schon am Start keine Regel: Der Lenkwinkel fällt dort auf %3° (Anfang des Ausgangsbereichs).</source>
        <translation>At %1 of %2 starts no rule fires right at the start: the steering angle falls to %3° there (the start of the output&apos;s range).</translation>
    </message>
    <message>
        <source>Bahnen, die erst unterwegs Stellen erreichen, an denen keine Regel feuert (der Lenkwinkel fällt dort auf %1°): %2 von %3.</source>
        <translation>Tracks that reach places where no rule fires only on their way (the steering angle falls to %1° there): %2 of %3.</translation>
    </message>
    <message>
        <source>Klick auf den Punkt am Anfang einer Bahn spielt diesen Start in Zeitlupe ab; Klick auf eine Bahn zeigt den Schritt dort. „Warum?“ nimmt den Schritt im Inspektor auseinander.</source>
        <translation>A click on the dot at the beginning of a track replays that start in slow motion; a click on a track shows the step there. “Why?” takes the step apart in the inspector.</translation>
    </message>
    <message>
        <source>Start (%1 m, %2°)</source>
        <translation>Start (%1 m, %2°)</translation>
    </message>
    <message>
        <source>%1 – Ende nach %2 Schritten: Abstand %3 m, Lage %4°</source>
        <translation>%1 – end after %2 steps: distance %3 m, angle %4°</translation>
    </message>
    <message>
        <source>%1 – Schritt %2 von %3 (t = %4 s): Abstand %5 m, Lage %6° → Lenkwinkel %7°</source>
        <translation>%1 – step %2 of %3 (t = %4 s): distance %5 m, angle %6° → steering angle %7°</translation>
    </message>
    <message>
        <source>Truck-Labor, %1, Schritt %2 von %3</source>
        <translation>Truck lab, %1, step %2 of %3</translation>
    </message>
    <message>
        <source>%1 von %2 Fahrten docken erst nach mehr als %3 s an, weit langsamer als üblich: Der Truck kriecht zur Linie.</source>
        <translation>%1 of %2 runs dock only after more than %3 s, far slower than usual: the truck crawls to the line.</translation>
    </message>
</context>
</TS>
