<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>Arbeitsblatt</name>
    <message>
        <source>Eingang A</source>
        <translation>Input A</translation>
    </message>
    <message>
        <source>Eingang B</source>
        <translation>Input B</translation>
    </message>
    <message>
        <source>Ausgang</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>nicht verwendet</source>
        <translation>not used</translation>
    </message>
    <message>
        <source>Bereich: %1 bis %2, %3 Terme</source>
        <translation>Range: %1 to %2, %3 terms</translation>
    </message>
    <message>
        <source>Term</source>
        <translation>Term</translation>
    </message>
    <message>
        <source>Kürzel</source>
        <translation>Abbrev.</translation>
    </message>
    <message>
        <source>Höhe</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Regeln</source>
        <translation>Rules</translation>
    </message>
    <message>
        <source>WENN %1 ist (Spalte) UND %2 ist (Zeile), DANN %3 ist (Zelle)</source>
        <translation>IF %1 is (column) AND %2 is (row), THEN %3 is (cell)</translation>
    </message>
    <message>
        <source>WENN %1 ist (Spalte), DANN %2 ist (Zelle)</source>
        <translation>IF %1 is (column), THEN %2 is (cell)</translation>
    </message>
    <message>
        <source>Kennfeld</source>
        <translation>Control surface</translation>
    </message>
    <message>
        <source>Kennlinie</source>
        <translation>Control curve</translation>
    </message>
    <message>
        <source>Truck-Labor: alle Starts bei %1 m/s</source>
        <translation>Truck lab: all starts at %1 m/s</translation>
    </message>
    <message>
        <source>Eingang A und/oder Ausgang (noch) nicht definiert: keine Fahrten.</source>
        <translation>Input A and/or output not defined (yet): no runs.</translation>
    </message>
    <message>
        <source>angedockt: %1 von %2 Starts (|x| &lt; 0,1 m und |Lage| &lt; 1° am Ende)</source>
        <translation>docked: %1 of %2 starts (|x| &lt; 0.1 m and |angle| &lt; 1° at the end)</translation>
    </message>
    <message>
        <source>Straße verlassen: %1 von %2 Starts, die auf der Straße bleiben müssen</source>
        <translation>left the road: %1 of %2 starts that must stay on the road</translation>
    </message>
    <message>
        <source>größte |x| am Ende: %1 m, größte |Lage| am Ende: %2°</source>
        <translation>largest |x| at the end: %1 m, largest |angle| at the end: %2°</translation>
    </message>
    <message>
        <source>meiste Schritte: %1</source>
        <translation>most steps: %1</translation>
    </message>
    <message>
        <source>Lok-Labor</source>
        <translation>Locomotive lab</translation>
    </message>
    <message>
        <source>Reibung %1 N·s/m, Abstand %2 cm, Zeitschritt %3 s</source>
        <translation>Friction %1 N·s/m, distance %2 cm, time step %3 s</translation>
    </message>
    <message>
        <source>Masse</source>
        <translation>Mass</translation>
    </message>
    <message>
        <source>in Ruhe ab
(|s| &lt; 1 cm, |v| &lt; 0,5 cm/s)</source>
        <translation>at rest from
(|s| &lt; 1 cm, |v| &lt; 0.5 cm/s)</translation>
    </message>
    <message>
        <source>genau ab
(|s| &lt; 0,5 cm, |v| &lt; 0,5 cm/s)</source>
        <translation>precisely at rest from
(|s| &lt; 0.5 cm, |v| &lt; 0.5 cm/s)</translation>
    </message>
    <message>
        <source>Überschwingen</source>
        <translation>Overshoot</translation>
    </message>
    <message>
        <source>Kraftwechsel</source>
        <translation>Force reversals</translation>
    </message>
    <message>
        <source>Ende des Laufs</source>
        <translation>End of the run</translation>
    </message>
    <message>
        <source>nie</source>
        <translation>never</translation>
    </message>
    <message>
        <source>t = %1 s: s = %2 cm, v = %3 cm/s%4</source>
        <translation>t = %1 s: s = %2 cm, v = %3 cm/s%4</translation>
    </message>
    <message>
        <source>Weg über der Zeit</source>
        <translation>Position over time</translation>
    </message>
    <message>
        <source>Geschwindigkeit über der Zeit</source>
        <translation>Speed over time</translation>
    </message>
    <message>
        <source>Kraft über der Zeit</source>
        <translation>Force over time</translation>
    </message>
    <message>
        <source>s-v-Diagramm</source>
        <translation>s-v diagram</translation>
    </message>
    <message>
        <source>Unbenannt</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Arbeitsblatt: %1</source>
        <translation>Worksheet: %1</translation>
    </message>
    <message>
        <source>noch nicht gespeichert</source>
        <translation>not saved yet</translation>
    </message>
    <message>
        <source>Fuzzy-Regler für die Lokomotive</source>
        <translation>Fuzzy controller for the locomotive</translation>
    </message>
    <message>
        <source>Fuzzy-Regler für den Truck</source>
        <translation>Fuzzy controller for the truck</translation>
    </message>
    <message>
        <source>Datei: %1  •  %2</source>
        <translation>File: %1  •  %2</translation>
    </message>
    <message>
        <source>d. MMMM yyyy</source>
        <translation>MMMM d, yyyy</translation>
    </message>
    <message>
        <source>Fuzzy-Werkstatt – Arbeitsblatt %1</source>
        <translation>Fuzzy-Werkstatt – worksheet %1</translation>
    </message>
    <message>
        <source>Seite %1 von %2</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>Arbeitsblatt %1</source>
        <translation>Worksheet %1</translation>
    </message>
    <message>
        <source>Es wurde keine Zieldatei angegeben.</source>
        <translation>No target file was given.</translation>
    </message>
    <message>
        <source>„%1“ ist keine gewöhnliche Datei und wird nicht überschrieben.</source>
        <translation>“%1” is not a regular file and is not overwritten.</translation>
    </message>
    <message>
        <source>Das Arbeitsblatt würde die Projektdatei „%1“ überschreiben. Bitte einen anderen Namen wählen.</source>
        <translation>The worksheet would overwrite the project file “%1”. Please choose another name.</translation>
    </message>
    <message>
        <source>Das Arbeitsblatt konnte nicht erzeugt werden.</source>
        <translation>The worksheet could not be made.</translation>
    </message>
    <message>
        <source>Unbekanntes Fahrzeug: %1 (erlaubt sind truck und lok)</source>
        <translation>Unknown vehicle: %1 (use truck or loco)</translation>
    </message>
    <message>
        <source>Unbekanntes oder doppeltes Argument: %1</source>
        <translation>Unknown or repeated argument: %1</translation>
    </message>
    <message>
        <source>Das Arbeitsblatt ist ein PDF: Der Zielname muss auf .pdf enden.</source>
        <translation>The worksheet is a PDF: the target name must end in .pdf.</translation>
    </message>
    <message>
        <source>%1: Das Projekt konnte nicht gelesen werden; es wurde nichts geschrieben.</source>
        <translation>%1: the project could not be read; nothing was written.</translation>
    </message>
    <message>
        <source>--fahrzeug gilt nur für ein Projekt; eine Aufgabe nennt ihr Fahrzeug selbst.</source>
        <translation>--vehicle goes only with a project; an exercise names its vehicle itself.</translation>
    </message>
    <message>
        <source>--loesung gilt nur für eine Aufgabe (.fuzaufgabe).</source>
        <translation>--solution goes only with an exercise (.fuzaufgabe).</translation>
    </message>
    <message>
        <source>%1: Die Aufgabe konnte nicht gelesen werden; es wurde nichts geschrieben.</source>
        <translation>%1: the exercise could not be read; nothing was written.</translation>
    </message>
    <message>
        <source>Aufruf: werkstatt --blatt PROJEKT.fuz -o BLATT.pdf [--fahrzeug truck|lok]
        werkstatt --blatt AUFGABE.fuzaufgabe -o BLATT.pdf [--loesung] [--name NAME] [--klassenliste LISTE]
Ohne --fahrzeug gilt das im Fenster für diese Datei gewählte Fahrzeug, sonst der Truck. Zu einer Aufgabe gibt es das Schülerblatt, mit --loesung das Lösungsblatt; --name druckt auf das Schülerblatt die Zahlen dieser Person, --klassenliste setzt auf das Lösungsblatt die Zahlen und Antworten jeder Person der Liste.</source>
        <translation>Usage: werkstatt --sheet PROJECT.fuz -o SHEET.pdf [--vehicle truck|loco]
       werkstatt --sheet EXERCISE.fuzaufgabe -o SHEET.pdf [--solution] [--name NAME] [--class-list LIST]
Without --vehicle the vehicle chosen for this file in the window applies, else the truck. For an exercise there is the students&apos; sheet, with --solution the solution sheet; --name prints this student&apos;s numbers on the students&apos; sheet, --class-list puts the numbers and answers of every student on the list on the solution sheet.</translation>
    </message>
    <message>
        <source>--name und --klassenliste gelten nur für eine Aufgabe (.fuzaufgabe).</source>
        <translation>--name and --class-list apply to an exercise (.fuzaufgabe) only.</translation>
    </message>
    <message>
        <source>--klassenliste gilt für das Lösungsblatt (mit --loesung).</source>
        <translation>--class-list applies to the solution sheet (with --solution).</translation>
    </message>
</context>
<context>
    <name>Aufgabenblatt</name>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Klasse:</source>
        <translation>Class:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>Lösung: %1</source>
        <translation>Solution: %1</translation>
    </message>
    <message>
        <source>Lösungsblatt für die Lehrkraft  •  Aufgabe: %1</source>
        <translation>Solution sheet for the teacher  •  Exercise: %1</translation>
    </message>
    <message>
        <source>Kriterium</source>
        <translation>Criterion</translation>
    </message>
    <message>
        <source>verlangt</source>
        <translation>required</translation>
    </message>
    <message>
        <source>Musterlösung</source>
        <translation>Reference solution</translation>
    </message>
    <message>
        <source>%1 – bestanden</source>
        <translation>%1 – passed</translation>
    </message>
    <message>
        <source>%1 – nicht bestanden</source>
        <translation>%1 – not passed</translation>
    </message>
    <message>
        <source>%1: %2 = %3, %4 = %5</source>
        <translation>%1: %2 = %3, %4 = %5</translation>
    </message>
    <message>
        <source>%1: %2 = %3</source>
        <translation>%1: %2 = %3</translation>
    </message>
    <message>
        <source>Zugehörigkeitsgrade von %1</source>
        <translation>Membership degrees of %1</translation>
    </message>
    <message>
        <source>Feuerstärken der Regeln (Spalte: %1, Zeile: %2)</source>
        <translation>Firing strengths of the rules (column: %1, row: %2)</translation>
    </message>
    <message>
        <source>Feuerstärken der Regeln (Spalte: %1)</source>
        <translation>Firing strengths of the rules (column: %1)</translation>
    </message>
    <message>
        <source>Höhen der Ausgangsterme von %1</source>
        <translation>Heights of the output terms of %1</translation>
    </message>
    <message>
        <source>Ausgang %1 =</source>
        <translation>Output %1 =</translation>
    </message>
    <message>
        <source>%1 im Inspektor:</source>
        <translation>%1 in the inspector:</translation>
    </message>
    <message>
        <source>Zeichnung: %1 über %2</source>
        <translation>Drawing: %1 over %2</translation>
    </message>
    <message>
        <source>Aufgabe</source>
        <translation>Task</translation>
    </message>
    <message>
        <source>Regeln</source>
        <translation>rules</translation>
    </message>
    <message>
        <source>Terme</source>
        <translation>terms</translation>
    </message>
    <message>
        <source>Bereiche</source>
        <translation>ranges</translation>
    </message>
    <message>
        <source>Was geprüft wird</source>
        <translation>What is checked</translation>
    </message>
    <message>
        <source>Für die Lehrkraft</source>
        <translation>For the teacher</translation>
    </message>
    <message>
        <source>Bewertung: durch die Prüfung.</source>
        <translation>Marked by the automatic check.</translation>
    </message>
    <message>
        <source>Bewertung: durch die Lehrkraft.</source>
        <translation>Marked by the teacher.</translation>
    </message>
    <message>
        <source>Bewertung: was die Prüfung misst, prüft sie; den schriftlichen oder gezeichneten Teil bewertet die Lehrkraft.</source>
        <translation>Marking: what the check measures, it checks; the teacher marks the written or drawn part.</translation>
    </message>
    <message>
        <source>Musterlösung: %1</source>
        <translation>Reference solution: %1</translation>
    </message>
    <message>
        <source>Die Musterlösung ändert, was die Aufgabe sperrt:</source>
        <translation>The reference solution changes what the exercise locks:</translation>
    </message>
    <message>
        <source>Keine Musterlösung: neben der Aufgabe liegt keine Datei %1.</source>
        <translation>No reference solution: there is no file %1 beside the exercise.</translation>
    </message>
    <message>
        <source>d. MMMM yyyy</source>
        <translation>MMMM d, yyyy</translation>
    </message>
    <message>
        <source>Fuzzy-Werkstatt – Lösung: %1</source>
        <translation>Fuzzy-Werkstatt – solution: %1</translation>
    </message>
    <message>
        <source>Fuzzy-Werkstatt – Aufgabe: %1</source>
        <translation>Fuzzy-Werkstatt – exercise: %1</translation>
    </message>
    <message>
        <source>Aufgabe: %1</source>
        <translation>Exercise: %1</translation>
    </message>
    <message>
        <source>Das Aufgabenblatt konnte nicht erzeugt werden.</source>
        <translation>The exercise sheet could not be made.</translation>
    </message>
    <message>
        <source>Lösungsblatt</source>
        <translation>Solution sheet</translation>
    </message>
    <message>
        <source>Aufgabenblatt</source>
        <translation>Exercise sheet</translation>
    </message>
    <message>
        <source>%1 – Druckvorschau</source>
        <translation>%1 – print preview</translation>
    </message>
    <message>
        <source>Aufgabenblatt: Aufgabe wählen</source>
        <translation>Exercise sheet: choose an exercise</translation>
    </message>
    <message>
        <source>Aufgaben (*.fuzaufgabe)</source>
        <translation>Exercises (*.fuzaufgabe)</translation>
    </message>
    <message>
        <source>Welches Blatt? Das Schülerblatt hat Felder für Name, Klasse und Datum und Platz für die Antworten; das Lösungsblatt rechnet die Aufgabe mit den Zahlen des Programms vor.</source>
        <translation>Which sheet? The students&apos; sheet has fields for name, class and date and room for the answers; the solution sheet works the exercise out with the program&apos;s numbers.</translation>
    </message>
    <message>
        <source>Schülerblatt</source>
        <translation>Students&apos; sheet</translation>
    </message>
    <message>
        <source>Ihr Ergebnis</source>
        <translation>your result</translation>
    </message>
    <message>
        <source>Ihre Antwort</source>
        <translation>Your answer</translation>
    </message>
    <message>
        <source>Ändern dürfen Sie: %1. Alles andere ist gesperrt.</source>
        <translation>You may change: %1. Everything else is locked.</translation>
    </message>
    <message>
        <source>%1: %2 = %3, %4 = %5 (deine Zahlen, nach deinem Namen)</source>
        <translation>%1: %2 = %3, %4 = %5 (your numbers, from your name)</translation>
    </message>
    <message>
        <source>%1: %2 = %3 (deine Zahl, nach deinem Namen)</source>
        <translation>%1: %2 = %3 (your number, from your name)</translation>
    </message>
    <message>
        <source>Zahlen und Antworten der Klasse</source>
        <translation>The class&apos;s numbers and answers</translation>
    </message>
    <message>
        <source>Grade %1:</source>
        <translation>Degrees %1:</translation>
    </message>
    <message>
        <source>Höhen:</source>
        <translation>Heights:</translation>
    </message>
    <message>
        <source>Ausgang: %1</source>
        <translation>Output: %1</translation>
    </message>
    <message>
        <source>Feuerstärken: das Minimum der Grade jeder Regel</source>
        <translation>Firing strengths: the minimum of each rule&apos;s degrees</translation>
    </message>
    <message>
        <source>Deine Zahlen hängen von deinem Namen ab: Die Werkstatt und die Seite zeigen sie, sobald du deinen Namen einträgst.</source>
        <translation>Your numbers depend on your name: the Werkstatt and the page show them as soon as you enter your name.</translation>
    </message>
    <message>
        <source>Die Zahlen hängen vom Namen ab. Mit einer Klassenliste (werkstatt --blatt AUFGABE --loesung --klassenliste LISTE.txt) stehen hier die Zahlen und Antworten jeder Person; vorgerechnet ist der erste Wert.</source>
        <translation>The numbers depend on the name. With a class list (werkstatt --sheet EXERCISE --solution --class-list LIST.txt) the numbers and answers of every student stand here; worked through below is the first value.</translation>
    </message>
    <message>
        <source>Diese Aufgabe ist eine Schülerfassung (fassung = schueler): Zu ihr gibt es kein Lösungsblatt.</source>
        <translation>This exercise is a students&apos; copy (fassung = schueler): it has no solution sheet.</translation>
    </message>
    <message>
        <source>So rechnet die Prüfung: Feuerstärke einer Regel = Minimum der Grade ihrer Eingänge; Höhe eines Ausgangsterms = Maximum der Regeln, die auf ihn zeigen; jeder Ausgangsterm wird mit seiner Höhe multipliziert, und der Ausgang ist der Schwerpunkt der Summe: y = Σ h·A·x / Σ h·A über alle Ausgangsterme (h Höhe, A Fläche und x Schwerpunkt des Terms bei Höhe 1).</source>
        <translation>How the check computes: a rule’s firing strength = the minimum of its inputs’ degrees; an output term’s height = the maximum of the rules that point to it; every output term is multiplied by its height, and the output is the centroid of the sum: y = Σ h·A·x / Σ h·A over all output terms (h height, A area and x centroid of the term at height 1).</translation>
    </message>
    <message>
        <source>-loesung</source>
        <translation>-solution</translation>
    </message>
</context>
<context>
    <name>Schuelerpaket</name>
    <message>
        <source>%1: Eine andere Aufgabe des Pakets heißt schon so.</source>
        <translation>%1: another exercise of the package already has this name.</translation>
    </message>
    <message>
        <source>Schülerpaket: Aufgaben wählen</source>
        <translation>Students&apos; package: choose the exercises</translation>
    </message>
    <message>
        <source>Aufgaben (*.fuzaufgabe)</source>
        <translation>Exercises (*.fuzaufgabe)</translation>
    </message>
    <message>
        <source>Schülerpaket: Ordner für die Klasse (nicht der Ordner der Musterlösungen)</source>
        <translation>Students&apos; package: folder for the class (not the folder of the reference solutions)</translation>
    </message>
    <message>
        <source>Nicht im Schülerpaket:</source>
        <translation>Not in the students&apos; package:</translation>
    </message>
    <message>
        <source>Schülerpaket in %1: %2 (ohne Text für die Lehrkraft und ohne Musterlösung)</source>
        <translation>Students&apos; package in %1: %2 (without the teacher&apos;s text and without reference solutions)</translation>
    </message>
</context>
<context>
    <name>THilfeForm</name>
    <message>
        <source>Fuzzy-Werkstatt – Kurzanleitung</source>
        <translation>Fuzzy-Werkstatt – Quick guide</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Kurzanleitung</source>
        <translation>Quick guide</translation>
    </message>
</context>
<context>
    <name>TInfoForm</name>
    <message>
        <source>Über die Fuzzy-Werkstatt</source>
        <translation>About Fuzzy-Werkstatt</translation>
    </message>
    <message>
        <source>Fuzzy-Projekte bauen, speichern und verstehen: Terme der beiden Eingänge und des Ausgangs, die Regeltabelle und Hinweise auf wahrscheinliche Fehler. Die Projekte (*.fuz) laufen in Dorvane (Truck) und Pemrak (Lok).</source>
        <translation>Build, save and understand fuzzy projects: the terms of both inputs and of the output, the rule table and hints at likely mistakes. The projects (*.fuz) run in Dorvane (truck) and Pemrak (locomotive).</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Eingang &amp;A</source>
        <translation>Input &amp;A</translation>
    </message>
    <message>
        <source>Aus&amp;gang</source>
        <translation>&amp;Output</translation>
    </message>
    <message>
        <source>&amp;Regeln</source>
        <translation>&amp;Rules</translation>
    </message>
    <message>
        <source>Hin&amp;weise (ein Klick zeigt die Stelle):</source>
        <translation>Hint&amp;s (a click shows the place):</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Neu</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Zuletzt geöffnet</source>
        <translation>Open &amp;Recent</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Vorlage &amp;Truck (Dorvane)</source>
        <translation>&amp;Truck template (Dorvane)</translation>
    </message>
    <message>
        <source>Vorlage &amp;Lok (Pemrak)</source>
        <translation>&amp;Locomotive template (Pemrak)</translation>
    </message>
    <message>
        <source>Ö&amp;ffnen…</source>
        <translation>&amp;Open…</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Speichern &amp;unter…</source>
        <translation>Save &amp;As…</translation>
    </message>
    <message>
        <source>Ctrl+Shift+S</source>
        <translation>Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>&amp;Importieren (FLL, FIS, FCL)…</source>
        <translation>&amp;Import (FLL, FIS, FCL)…</translation>
    </message>
    <message>
        <source>E&amp;xportieren (FLL, FIS, FCL, C)…</source>
        <translation>E&amp;xport (FLL, FIS, FCL, C)…</translation>
    </message>
    <message>
        <source>D&amp;rucken…</source>
        <translation>Prin&amp;t…</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>Regeln &amp;verbessern…</source>
        <translation>&amp;Improve rules…</translation>
    </message>
    <message>
        <source>In &amp;Dorvane öffnen</source>
        <translation>Open in &amp;Dorvane</translation>
    </message>
    <message>
        <source>In &amp;Pemrak öffnen</source>
        <translation>Open in &amp;Pemrak</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>&amp;Rückgängig</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Wiederholen</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>Ctrl+Y</source>
        <translation>Ctrl+Y</translation>
    </message>
    <message>
        <source>&amp;Kurzanleitung</source>
        <translation>&amp;Quick guide</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Ü&amp;ber die Fuzzy-Werkstatt…</source>
        <translation>&amp;About Fuzzy-Werkstatt…</translation>
    </message>
    <message>
        <source>Eingang &amp;B</source>
        <translation>Input &amp;B</translation>
    </message>
    <message>
        <source>B&amp;earbeiten</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>L&amp;eeres Projekt</source>
        <translation>&amp;Empty project</translation>
    </message>
    <message>
        <source>&amp;Als PDF speichern…</source>
        <translation>Save as PD&amp;F…</translation>
    </message>
    <message>
        <source>Aufgabenbla&amp;tt…</source>
        <translation>Exercise s&amp;heet…</translation>
    </message>
    <message>
        <source>Seiten</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Hinweise</source>
        <translation>Hints</translation>
    </message>
</context>
<context>
    <name>TRegelSeite</name>
    <message>
        <source>Jede Zelle ist eine Regel: WENN Eingang A im Term der Spalte UND Eingang B im Term der Zeile, DANN Ausgang im eingetragenen Term.</source>
        <translation>Each cell is a rule: IF input A is in the column&apos;s term AND input B is in the row&apos;s term, THEN the output is in the term entered.</translation>
    </message>
    <message>
        <source>Spalten: Eingang A</source>
        <translation>Columns: input A</translation>
    </message>
    <message>
        <source>Zeilen: Eingang B</source>
        <translation>Rows: input B</translation>
    </message>
    <message>
        <source>Ausgangsterm der gewählten Zelle:</source>
        <translation>Output term of the selected cell:</translation>
    </message>
    <message>
        <source>Zelle anklicken, dann den Ausgangsterm in der Liste wählen. Tastatur im Raster: Pfeiltasten wählen die Zelle, 1 bis 5 setzen den Ausgangsterm, 0 oder Entf löschen die Regel.</source>
        <translation>Click a cell, then choose the output term in the list. Keyboard in the grid: the arrow keys select the cell, 1 to 5 set the output term, 0 or Del clear the rule.</translation>
    </message>
    <message>
        <source>Regeltabelle</source>
        <translation>Rule table</translation>
    </message>
    <message>
        <source>Ausgangsterm der gewählten Zelle</source>
        <translation>Output term of the selected cell</translation>
    </message>
</context>
<context>
    <name>TVariablenSeite</name>
    <message>
        <source>Eingang B verwenden</source>
        <translation>Use input B</translation>
    </message>
    <message>
        <source>Ohne Eingang B hängt der Ausgang nur von Eingang A ab; die Regeln stehen dann in einer Spalte.</source>
        <translation>Without input B the output depends on input A only; the rules then form one column.</translation>
    </message>
    <message>
        <source>nicht verwendet</source>
        <translation>not used</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Bereich &amp;von</source>
        <translation>Ran&amp;ge from</translation>
    </message>
    <message>
        <source>bis</source>
        <translation>to</translation>
    </message>
    <message>
        <source>Term hin&amp;zufügen</source>
        <translation>A&amp;dd term</translation>
    </message>
    <message>
        <source>Nach &amp;oben</source>
        <translation>Move &amp;up</translation>
    </message>
    <message>
        <source>Nach &amp;unten</source>
        <translation>Move do&amp;wn</translation>
    </message>
    <message>
        <source>Bild &amp;speichern…</source>
        <translation>Save &amp;Picture…</translation>
    </message>
    <message>
        <source>Das Termdiagramm als PNG- oder SVG-Bild speichern, z. B. für ein Arbeitsblatt</source>
        <translation>Save the term diagram as a PNG or SVG picture, e.g. for a worksheet</translation>
    </message>
    <message>
        <source>Griffe mit der Maus ziehen (sie rasten ein, mit Strg frei). Tastatur im Diagramm: Tab wählt a, b, c, d, h · Pfeiltasten verschieben (mit Umschalt zehnfach) · 1 bis 5 wählen den Term.</source>
        <translation>Drag the handles with the mouse (they snap to a grid, with Ctrl freely). Keyboard in the diagram: Tab selects a, b, c, d, h · arrow keys move it (ten times as far with Shift) · 1 to 5 select the term.</translation>
    </message>
    <message>
        <source>Ter&amp;m entfernen</source>
        <translation>Re&amp;move term</translation>
    </message>
    <message>
        <source>Bereich bis</source>
        <translation>Range to</translation>
    </message>
    <message>
        <source>Terme</source>
        <translation>Terms</translation>
    </message>
    <message>
        <source>Termdiagramm</source>
        <translation>Term diagram</translation>
    </message>
</context>
<context>
    <name>werkstatt::AbgabeDialog</name>
    <message>
        <source>Abgeben</source>
        <translation>Hand in</translation>
    </message>
    <message>
        <source>Abgabe zu „%1“: Projekt und Antworten, wie sie jetzt sind, mit Ihrem Namen in einer Datei für die Lehrkraft.</source>
        <translation>Hand-in for “%1”: the project and the answers as they are now, with your name, in one file for the teacher.</translation>
    </message>
    <message>
        <source>freiwillig</source>
        <translation>optional</translation>
    </message>
    <message>
        <source>Die ID-Nummer oder E-Mail-Adresse, mit der die Lehrkraft die Punkte ins Notenbuch der Schule überträgt</source>
        <translation>The ID number or e-mail address by which the teacher enters the points into the school&apos;s gradebook</translation>
    </message>
    <message>
        <source>Ändern…</source>
        <translation>Change…</translation>
    </message>
    <message>
        <source>Datei der Abgabe ändern</source>
        <translation>Change the hand-in&apos;s file</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Klasse:</source>
        <translation>&amp;Class:</translation>
    </message>
    <message>
        <source>&amp;Datei:</source>
        <translation>&amp;File:</translation>
    </message>
    <message>
        <source>&amp;Abgeben</source>
        <translation>&amp;Hand in</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Abgabe speichern</source>
        <translation>Save the hand-in</translation>
    </message>
    <message>
        <source>Abgaben (*.fuzabgabe)</source>
        <translation>Hand-ins (*.fuzabgabe)</translation>
    </message>
    <message>
        <source>Es fehlt die Datei, in die die Abgabe geht.</source>
        <translation>The file the hand-in goes to is missing.</translation>
    </message>
    <message>
        <source>Datei der Abgabe</source>
        <translation>The hand-in&apos;s file</translation>
    </message>
    <message>
        <source>K&amp;ennung (ID oder E-Mail):</source>
        <translation>&amp;Identifier (ID or e-mail):</translation>
    </message>
</context>
<context>
    <name>werkstatt::AufgabenPanel</name>
    <message>
        <source>Antworten öffnen…</source>
        <translation>Open Answers…</translation>
    </message>
    <message>
        <source>&amp;Prüfen</source>
        <translation>Chec&amp;k</translation>
    </message>
    <message>
        <source>Das Projekt, wie es jetzt ist, nach der Aufgabe beurteilen, mit Hinweisen, wenn etwas fehlt</source>
        <translation>Judge the project as it is now by the exercise, with hints when something is missing</translation>
    </message>
    <message>
        <source>Jede Prüfung der Aufgabe mit dem gemessenen Wert und der Grenze. Ein Klick auf einen Start oder einen Lauf zeigt ihn in seinem Labor.</source>
        <translation>Every criterion of the exercise with its measured value and its limit. A click on a start or a run shows it in its lab.</translation>
    </message>
    <message>
        <source>Aufgabe beenden</source>
        <translation>End Exercise</translation>
    </message>
    <message>
        <source>Die Aufgabe schließen: Der Editor lässt wieder alles ändern; das Projekt bleibt.</source>
        <translation>Close the exercise: the editor lets you change everything again; the project stays.</translation>
    </message>
    <message>
        <source>Schülerblatt…</source>
        <translation>Students&apos; Sheet…</translation>
    </message>
    <message>
        <source>Das Blatt für die Klasse: Name, Klasse, Datum, die Aufgabe und Platz für die Antworten, in der Druckvorschau (drucken oder als PDF)</source>
        <translation>The sheet for the class: name, class, date, the task and room for the answers, in the print preview (print or save as PDF)</translation>
    </message>
    <message>
        <source>Lösungsblatt…</source>
        <translation>Solution Sheet…</translation>
    </message>
    <message>
        <source>Das Blatt für die Lehrkraft: die Aufgabe mit den Zahlen des Programms vorgerechnet, in der Druckvorschau</source>
        <translation>The sheet for the teacher: the exercise worked out with the program&apos;s numbers, in the print preview</translation>
    </message>
    <message>
        <source>„%1“ ist keine Antwortdatei, die sich lesen lässt:
%2</source>
        <translation>“%1” is not an answers file that can be read:
%2</translation>
    </message>
    <message>
        <source>Wird geprüft …</source>
        <translation>Checking …</translation>
    </message>
    <message>
        <source>Stand nach der letzten Änderung: %1</source>
        <translation>After the last change: %1</translation>
    </message>
    <message>
        <source>Stand nach der letzten Änderung: %1 von %2 Prüfungen erfüllt</source>
        <translation>After the last change: %1 of %2 criteria met</translation>
    </message>
    <message>
        <source>Im Truck-Labor zeigen: Start (%1 m, %2°) bei %3 m/s</source>
        <translation>Show in the truck lab: start (%1 m, %2°) at %3 m/s</translation>
    </message>
    <message>
        <source>Im Lok-Labor zeigen: %1 kg, Zeitschritt %2 s</source>
        <translation>Show in the locomotive lab: %1 kg, time step %2 s</translation>
    </message>
    <message>
        <source>Hinweise:</source>
        <translation>Hints:</translation>
    </message>
    <message>
        <source>Einen Teil dieser Aufgabe bewertet die Lehrkraft; die Prüfung beurteilt nur, was ein Programm messen kann.</source>
        <translation>Part of this exercise is marked by the teacher; the check judges only what a program can measure.</translation>
    </message>
    <message>
        <source>Die Antworten der Handrechnung aus einer Antwortdatei (*.fuzantwort) in die Felder übernehmen</source>
        <translation>Fill the boxes of the inference by hand from an answers file (*.fuzantwort)</translation>
    </message>
    <message>
        <source>Antworten speichern…</source>
        <translation>Save Answers…</translation>
    </message>
    <message>
        <source>Die Zahlen in den Feldern als Antwortdatei (*.fuzantwort) speichern, zum Abgeben oder Weiterrechnen</source>
        <translation>Save the numbers in the boxes as an answers file (*.fuzantwort), to hand in or to go on later</translation>
    </message>
    <message>
        <source>%1: %2 = %3, %4 = %5</source>
        <translation>%1: %2 = %3, %4 = %5</translation>
    </message>
    <message>
        <source>%1: %2 = %3</source>
        <translation>%1: %2 = %3</translation>
    </message>
    <message>
        <source>Zugehörigkeitsgrade von %1</source>
        <translation>Membership degrees of %1</translation>
    </message>
    <message>
        <source>Grad μ, zu dem %1 = %2 zum Term „%3“ gehört</source>
        <translation>Degree μ to which %1 = %2 belongs to the term “%3”</translation>
    </message>
    <message>
        <source>Feuerstärken der Regeln (Spalte: %1, Zeile: %2)</source>
        <translation>Firing strengths of the rules (column: %1, row: %2)</translation>
    </message>
    <message>
        <source>Feuerstärken der Regeln (Spalte: %1)</source>
        <translation>Firing strengths of the rules (column: %1)</translation>
    </message>
    <message>
        <source>Hier steht keine Regel.</source>
        <translation>There is no rule here.</translation>
    </message>
    <message>
        <source>Feuerstärke der Regel: %1 = „%2“ und %3 = „%4“ → %5 = „%6“</source>
        <translation>Firing strength of the rule: %1 = “%2” and %3 = “%4” → %5 = “%6”</translation>
    </message>
    <message>
        <source>Feuerstärke der Regel: %1 = „%2“ → %3 = „%4“</source>
        <translation>Firing strength of the rule: %1 = “%2” → %3 = “%4”</translation>
    </message>
    <message>
        <source>Höhen der Ausgangsterme von %1</source>
        <translation>Heights of the output terms of %1</translation>
    </message>
    <message>
        <source>Höhe, bis zu der der Ausgangsterm „%1“ gefüllt wird</source>
        <translation>Height up to which the output term “%1” is filled</translation>
    </message>
    <message>
        <source>Ausgang %1 =</source>
        <translation>Output %1 =</translation>
    </message>
    <message>
        <source>Der scharfe Ausgangswert, den der Regler ausgibt</source>
        <translation>The crisp output the controller puts out</translation>
    </message>
    <message>
        <source>„%1“ ist keine Zahl; schreiben Sie etwa 0,25 oder 0.25. So zählt der Eintrag als falsch.
%2</source>
        <translation>“%1” is not a number; write, say, 0.25 or 0,25. As it is, the entry counts as wrong.
%2</translation>
    </message>
    <message>
        <source>Antworten aus „%1“, seitdem geändert.</source>
        <translation>Answers from “%1”, changed since.</translation>
    </message>
    <message>
        <source>Antworten aus „%1“.</source>
        <translation>Answers from “%1”.</translation>
    </message>
    <message>
        <source>Rot umrandete Einträge sind keine Zahl und zählen als falsch (%1).</source>
        <translation>Entries framed in red are not numbers and count as wrong (%1).</translation>
    </message>
    <message>
        <source>Die Antworten sind nicht gespeichert: Rot umrandete Einträge sind keine Zahl (Anzahl: %1). Verbessern oder leeren Sie sie.</source>
        <translation>The answers were not saved: entries framed in red are not numbers (count: %1). Correct or empty them.</translation>
    </message>
    <message>
        <source>Die Antworten lassen sich nicht als „%1“ speichern:
%2</source>
        <translation>The answers cannot be saved as “%1”:
%2</translation>
    </message>
    <message>
        <source>Die Antworten der Handrechnung sind nicht gespeichert. Jetzt speichern?</source>
        <translation>Your hand-calculation answers have not been saved. Save them now?</translation>
    </message>
    <message>
        <source>Aufgabe</source>
        <translation>Exercise</translation>
    </message>
    <message>
        <source>Antworten</source>
        <translation>Answers</translation>
    </message>
    <message>
        <source>Prüfungen</source>
        <translation>Checks</translation>
    </message>
    <message>
        <source>Tragen Sie Ihre Ergebnisse in die Felder ein, mit Komma oder Punkt, auch jede 0: Ein leeres Feld gilt als nicht beantwortet.</source>
        <translation>Enter your results in the boxes, with a comma or a point, every 0 too: an empty box counts as not answered.</translation>
    </message>
    <message>
        <source>Ihr Name, nach dem sich Ihre Zahlen richten</source>
        <translation>Your name, which your numbers are drawn from</translation>
    </message>
    <message>
        <source>Jede Schülerin und jeder Schüler rechnet mit eigenen Zahlen; sie richten sich nach dem Namen, den Sie hier und in der Abgabe eintragen.</source>
        <translation>Every student works with numbers of their own; they are drawn from the name you enter here and in the hand-in.</translation>
    </message>
    <message>
        <source>Ihr Na&amp;me (für Ihre Zahlen):</source>
        <translation>Your na&amp;me (for your numbers):</translation>
    </message>
    <message>
        <source>Abgebe&amp;n…</source>
        <translation>Hand I&amp;n…</translation>
    </message>
    <message>
        <source>Projekt und Antworten, wie sie jetzt sind, mit Name und Klasse als Abgabe (*.fuzabgabe) für die Lehrkraft speichern</source>
        <translation>Save the project and the answers as they are now, with name and class, as a hand-in (*.fuzabgabe) for the teacher</translation>
    </message>
    <message>
        <source>Stand nach der letzten Änderung: %1 von %2 Punkten (%3 von %4 Prüfungen erfüllt)</source>
        <translation>After the last change: %1 of %2 points (%3 of %4 criteria met)</translation>
    </message>
    <message>
        <source>Gegenprobe für die Lehrkraft:</source>
        <translation>Teacher&apos;s check:</translation>
    </message>
    <message>
        <source>Nicht abgegeben: Rot umrandete Einträge sind keine Zahl (Anzahl: %1). Verbessern oder leeren Sie sie.</source>
        <translation>Not handed in: entries framed in red are not numbers (count: %1). Correct or clear them.</translation>
    </message>
    <message>
        <source>Die Abgabe lässt sich nicht als „%1“ speichern:
%2</source>
        <translation>The hand-in cannot be saved as “%1”:
%2</translation>
    </message>
    <message>
        <source>Abgegeben: %1 (%2, %3). Die Datei geht an die Lehrkraft.</source>
        <translation>Handed in: %1 (%2, %3). The file goes to the teacher.</translation>
    </message>
    <message>
        <source>Urteil und Hinweise</source>
        <translation>Verdict and hints</translation>
    </message>
    <message>
        <source>Gegenprobe für die Lehrkraft</source>
        <translation>Teacher&apos;s check</translation>
    </message>
</context>
<context>
    <name>werkstatt::KlassenUebersicht</name>
    <message>
        <source>Klassenübersicht</source>
        <translation>Class overview</translation>
    </message>
    <message>
        <source>&amp;Aufgabe…</source>
        <translation>&amp;Exercise…</translation>
    </message>
    <message>
        <source>Die Aufgabe wählen, nach der die Abgaben bewertet werden (die Fassung der Lehrkraft)</source>
        <translation>Choose the exercise the hand-ins are marked by (the teacher&apos;s copy)</translation>
    </message>
    <message>
        <source>Abgaben &amp;hinzufügen…</source>
        <translation>&amp;Add hand-ins…</translation>
    </message>
    <message>
        <source>Abgaben (*.fuzabgabe) wählen; Dateien und Ordner lassen sich auch auf das Fenster ziehen</source>
        <translation>Choose hand-ins (*.fuzabgabe); files and folders may also be dragged onto the window</translation>
    </message>
    <message>
        <source>&amp;Ordner…</source>
        <translation>&amp;Folder…</translation>
    </message>
    <message>
        <source>Alle Abgaben (*.fuzabgabe) eines Ordners</source>
        <translation>All hand-ins (*.fuzabgabe) of a folder</translation>
    </message>
    <message>
        <source>&amp;Leeren</source>
        <translation>C&amp;lear</translation>
    </message>
    <message>
        <source>Abgaben der Klasse</source>
        <translation>The class&apos;s hand-ins</translation>
    </message>
    <message>
        <source>Ein Klick auf einen Spaltenkopf sortiert; ein Doppelklick öffnet die Abgabe im Editor mit ihrer gescheiterten Fahrt.</source>
        <translation>A click on a column&apos;s head sorts; a double click opens the hand-in in the editor with its failing run.</translation>
    </message>
    <message>
        <source>Als &amp;PDF…</source>
        <translation>As &amp;PDF…</translation>
    </message>
    <message>
        <source>Die Tabelle zum Drucken als PDF (A4 quer)</source>
        <translation>The table for printing, as PDF (A4 landscape)</translation>
    </message>
    <message>
        <source>Als &amp;CSV…</source>
        <translation>As &amp;CSV…</translation>
    </message>
    <message>
        <source>Die Tabelle für eine Tabellenkalkulation</source>
        <translation>The table for a spreadsheet</translation>
    </message>
    <message>
        <source>Für das &amp;Notenbuch…</source>
        <translation>For the &amp;gradebook…</translation>
    </message>
    <message>
        <source>Die Punkte als CSV, wie der Notenbuch-Import von Moodle sie nimmt; Abgaben ohne Kennung, doppelte und fremde kommen in eine zweite Datei</source>
        <translation>The points as CSV, as Moodle&apos;s gradebook import takes them; hand-ins without an identifier, duplicate and foreign ones go into a second file</translation>
    </message>
    <message>
        <source>Abgaben wählen</source>
        <translation>Choose hand-ins</translation>
    </message>
    <message>
        <source>Abgaben (*.fuzabgabe)</source>
        <translation>Hand-ins (*.fuzabgabe)</translation>
    </message>
    <message>
        <source>Ordner mit Abgaben</source>
        <translation>Folder of hand-ins</translation>
    </message>
    <message>
        <source>Aufgabe wählen</source>
        <translation>Choose the exercise</translation>
    </message>
    <message>
        <source>Aufgaben (*.fuzaufgabe)</source>
        <translation>Exercises (*.fuzaufgabe)</translation>
    </message>
    <message>
        <source>Geschrieben: %1</source>
        <translation>Written: %1</translation>
    </message>
    <message>
        <source>Klassenübersicht als PDF</source>
        <translation>Class overview as PDF</translation>
    </message>
    <message>
        <source>-klasse.pdf</source>
        <translation>-class.pdf</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Klassenübersicht als CSV</source>
        <translation>Class overview as CSV</translation>
    </message>
    <message>
        <source>-klasse.csv</source>
        <translation>-class.csv</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>Punkte für das Notenbuch</source>
        <translation>Points for the gradebook</translation>
    </message>
    <message>
        <source>-noten.csv</source>
        <translation>-grades.csv</translation>
    </message>
    <message>
        <source>Für das Notenbuch geschrieben: %1</source>
        <translation>Written for the gradebook: %1</translation>
    </message>
    <message>
        <source>Nicht darin (in der zweiten Datei, von Hand eintragen): %1</source>
        <translation>Not in it (in the second file, to be entered by hand): %1</translation>
    </message>
    <message>
        <source>„%1“ ist keine Aufgabe, die sich lesen lässt:
%2</source>
        <translation>“%1” is not an exercise that can be read:
%2</translation>
    </message>
    <message>
        <source>Klassenübersicht: %1</source>
        <translation>Class overview: %1</translation>
    </message>
    <message>
        <source>Zuerst die Aufgabe wählen, nach der bewertet wird.</source>
        <translation>First choose the exercise to mark by.</translation>
    </message>
    <message>
        <source>Noch keine Abgaben: Dateien oder einen Ordner hinzufügen oder auf das Fenster ziehen.</source>
        <translation>No hand-ins yet: add files or a folder, or drag them onto the window.</translation>
    </message>
    <message>
        <source>Wird bewertet …</source>
        <translation>Marking …</translation>
    </message>
    <message>
        <source>Wird bewertet … %1 von %2</source>
        <translation>Marking … %1 of %2</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Klasse</source>
        <translation>Class</translation>
    </message>
    <message>
        <source>Kennung</source>
        <translation>Identifier</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Punkte</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Anmerkungen</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>%1 (Punkte: %2)</source>
        <translation>%1 (points: %2)</translation>
    </message>
    <message>
        <source>Abgaben: %1, alle bewertet. Höchstpunktzahl: %2.</source>
        <translation>Hand-ins: %1, all marked. Full marks: %2.</translation>
    </message>
    <message>
        <source>Abgaben: %1, davon zum Nachsehen: %2 (fett). Höchstpunktzahl: %3.</source>
        <translation>Hand-ins: %1, of them to look at: %2 (bold). Full marks: %3.</translation>
    </message>
    <message>
        <source>Noch nichts bewertet.</source>
        <translation>Nothing marked yet.</translation>
    </message>
</context>
<context>
    <name>werkstatt::Start</name>
    <message>
        <source>schreibt das Arbeitsblatt von PROJEKT.fuz, statt das Fenster zu öffnen</source>
        <translation>writes the worksheet of PROJECT.fuz instead of opening the window</translation>
    </message>
    <message>
        <source>die PDF-Datei des Arbeitsblatts (mit --blatt)</source>
        <translation>the PDF file of the worksheet (with --sheet)</translation>
    </message>
    <message>
        <source>die Laborergebnisse auf dem Blatt (mit --blatt; ohne die Option das im Fenster gewählte Fahrzeug)</source>
        <translation>the lab results on the sheet (with --sheet; without the option the vehicle chosen in the window)</translation>
    </message>
    <message>
        <source>Fuzzy-Werkstatt: Fuzzy-Projekte bauen, speichern und verstehen.
Mit --blatt schreibt sie das Arbeitsblatt eines Projekts als PDF, ohne Fenster:
  werkstatt --blatt PROJEKT.fuz -o BLATT.pdf [--fahrzeug truck|lok]
und das Schülerblatt einer Aufgabe, mit --loesung das Lösungsblatt:
  werkstatt --blatt AUFGABE.fuzaufgabe -o BLATT.pdf [--loesung]</source>
        <translation>Fuzzy-Werkstatt: build, save and understand fuzzy projects.
With --sheet it writes the worksheet of a project as PDF, without a window:
  werkstatt --sheet PROJECT.fuz -o SHEET.pdf [--vehicle truck|loco]
and the students&apos; sheet of an exercise, with --solution the solution sheet:
  werkstatt --sheet EXERCISE.fuzaufgabe -o SHEET.pdf [--solution]</translation>
    </message>
    <message>
        <source>das Lösungsblatt der Aufgabe statt des Schülerblatts (mit --blatt)</source>
        <translation>the exercise&apos;s solution sheet instead of the students&apos; sheet (with --sheet)</translation>
    </message>
    <message>
        <source>das Projekt (.fuz) oder die Aufgabe (.fuzaufgabe), die geöffnet wird</source>
        <translation>the project (.fuz) or the exercise (.fuzaufgabe) that is opened</translation>
    </message>
    <message>
        <source>„%1“ gilt nur mit --blatt, zum Beispiel:
  werkstatt --blatt AUFGABE.fuzaufgabe -o BLATT.pdf --loesung
</source>
        <translation>&quot;%1&quot; only goes with --sheet, for example:
  werkstatt --sheet EXERCISE.fuzaufgabe -o SHEET.pdf --solution
</translation>
    </message>
    <message>
        <source>die Zahlen dieser Person auf dem Schülerblatt einer Aufgabe mit Zahlen nach dem Namen (mit --blatt)</source>
        <translation>this student&apos;s numbers on the students&apos; sheet of an exercise with numbers by name (with --sheet)</translation>
    </message>
    <message>
        <source>die Zahlen und Antworten jeder Person der Liste (ein Name je Zeile) auf dem Lösungsblatt (mit --blatt --loesung)</source>
        <translation>the numbers and answers of every student on the list (one name per line) on the solution sheet (with --sheet --solution)</translation>
    </message>
    <message>
        <source>DATEI</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>[PROJEKT.fuz | AUFGABE.fuzaufgabe]</source>
        <translation>[PROJECT.fuz | EXERCISE.fuzaufgabe]</translation>
    </message>
</context>
<context>
    <name>werkstatt::TInfoForm</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>werkstatt::TMainForm</name>
    <message>
        <source>Arbeitsblatt als PDF speichern</source>
        <translation>Save worksheet as PDF</translation>
    </message>
    <message>
        <source>PDF-Dokumente (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
    <message>
        <source>&amp;Fahrzeug</source>
        <translation>&amp;Vehicle</translation>
    </message>
    <message>
        <source>&amp;Lastwagen</source>
        <translation>&amp;Truck</translation>
    </message>
    <message>
        <source>L&amp;ok</source>
        <translation>&amp;Locomotive</translation>
    </message>
    <message>
        <source>Das Projekt ist ein Regler für den Truck: Arbeitsblatt und &quot;Regeln verbessern&quot; nehmen den Truck.</source>
        <translation>The project is a controller for the truck: the worksheet and &quot;Improve rules&quot; take the truck.</translation>
    </message>
    <message>
        <source>Das Projekt ist ein Regler für die Lok: Arbeitsblatt und &quot;Regeln verbessern&quot; nehmen die Lok.</source>
        <translation>The project is a controller for the locomotive: the worksheet and &quot;Improve rules&quot; take the locomotive.</translation>
    </message>
    <message>
        <source>„%1“ ist kein Fuzzy-Projekt, das sich lesen lässt.%2</source>
        <translation>“%1” is not a fuzzy project that can be read.%2</translation>
    </message>
    <message>
        <source>dem Stand vor „%1“</source>
        <translation>the state before “%1”</translation>
    </message>
    <message>
        <source>Arbeitsblatt</source>
        <translation>Worksheet</translation>
    </message>
    <message>
        <source>Arbeitsblatt – Druckvorschau</source>
        <translation>Worksheet – print preview</translation>
    </message>
    <message>
        <source>arbeitsblatt.pdf</source>
        <translation>worksheet.pdf</translation>
    </message>
    <message>
        <source>-arbeitsblatt.pdf</source>
        <translation>-worksheet.pdf</translation>
    </message>
    <message>
        <source>Aus</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>Regeln</source>
        <translation>Rules</translation>
    </message>
    <message>
        <source>Fuzzy-Projekte (*.fuz)</source>
        <translation>Fuzzy projects (*.fuz)</translation>
    </message>
    <message>
        <source>Alle Dateien (*)</source>
        <translation>All files (*)</translation>
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
        <translation>Files of type:</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Ö&amp;ffnen</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Projekt importieren</source>
        <translation>Import project</translation>
    </message>
    <message>
        <source>Fuzzy-Regler anderer Programme (*.fll *.fis *.fcl)</source>
        <translation>Fuzzy controllers of other programs (*.fll *.fis *.fcl)</translation>
    </message>
    <message>
        <source>Projekt exportieren</source>
        <translation>Export project</translation>
    </message>
    <message>
        <source>C-Quelltext (Mikrocontroller) (*.c)</source>
        <translation>C source for a microcontroller (*.c)</translation>
    </message>
    <message>
        <source>&amp;Inspektor</source>
        <translation>&amp;Inspector</translation>
    </message>
    <message>
        <source>&amp;Kennfeld</source>
        <translation>&amp;Control surface</translation>
    </message>
    <message>
        <source>&amp;Truck-Labor</source>
        <translation>&amp;Truck lab</translation>
    </message>
    <message>
        <source>&amp;Lok-Labor</source>
        <translation>&amp;Locomotive lab</translation>
    </message>
    <message>
        <source>&amp;Rückgängig</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Rückgängig: %1</source>
        <translation>&amp;Undo: %1</translation>
    </message>
    <message>
        <source>&amp;Wiederholen</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>&amp;Wiederholen: %1</source>
        <translation>&amp;Redo: %1</translation>
    </message>
    <message>
        <source>Unbenannt</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Seite %1</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>Keine Hinweise – das Projekt sieht vollständig aus.</source>
        <translation>No hints – the project looks complete.</translation>
    </message>
    <message>
        <source>Hin&amp;weise:</source>
        <translation>Hint&amp;s:</translation>
    </message>
    <message>
        <source>Hin&amp;weise (%1; ein Klick zeigt die Stelle):</source>
        <translation>Hint&amp;s (%1; a click shows the place):</translation>
    </message>
    <message>
        <source>Änderungen speichern?</source>
        <translation>Save changes?</translation>
    </message>
    <message>
        <source>leeres Projekt</source>
        <translation>empty project</translation>
    </message>
    <message>
        <source>Vorlage Truck</source>
        <translation>truck template</translation>
    </message>
    <message>
        <source>Vorlage Lok</source>
        <translation>locomotive template</translation>
    </message>
    <message>
        <source>„%1“</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>%1 ist keine FLL-, FIS- oder FCL-Datei (die Endung entscheidet).</source>
        <translation>%1 is not an FLL, FIS or FCL file (the extension decides).</translation>
    </message>
    <message>
        <source>%1 passt nicht zu diesem Fuzzy-Regler:
%2</source>
        <translation>%1 does not fit this fuzzy controller:
%2</translation>
    </message>
    <message>
        <source>Import von %1</source>
        <translation>Import of %1</translation>
    </message>
    <message>
        <source>Importiert, mit diesen Abweichungen:
%1</source>
        <translation>Imported, with these differences:
%1</translation>
    </message>
    <message>
        <source>Die Endung von %1 nennt kein Format: .fll, .fis, .fcl oder .c.</source>
        <translation>The extension of %1 names no format: .fll, .fis, .fcl or .c.</translation>
    </message>
    <message>
        <source>Regeln verbessert</source>
        <translation>Rules improved</translation>
    </message>
    <message>
        <source>%1 liest das Projekt aus seiner Datei. Soll es jetzt gespeichert werden?</source>
        <translation>%1 reads the project from its file. Save it now?</translation>
    </message>
    <message>
        <source>%1 wurde nicht gefunden. Es wird neben der Fuzzy-Werkstatt erwartet:
%2</source>
        <translation>%1 was not found. It is expected beside Fuzzy-Werkstatt:
%2</translation>
    </message>
    <message>
        <source>%1 konnte nicht gestartet werden (%2).</source>
        <translation>%1 could not be started (%2).</translation>
    </message>
    <message>
        <source>Projekt speichern unter</source>
        <translation>Save project as</translation>
    </message>
    <message>
        <source>Daten konnten nicht gelesen werden!

„%1“ lässt sich nicht öffnen (fehlt die Datei, ist sie ein Ordner oder fehlen Leserechte?).</source>
        <translation>Data could not be read!

“%1” cannot be opened (is the file missing, is it a folder, or may it not be read?).</translation>
    </message>
    <message>
        <source>Es gibt noch keine Änderung, mit deren Stand davor sich vergleichen ließe.</source>
        <translation>There is no change yet whose state before it could be compared.</translation>
    </message>
    <message>
        <source>Projekt öffnen</source>
        <translation>Open project</translation>
    </message>
    <message>
        <source>Daten konnten nicht gelesen werden!

%1</source>
        <translation>Data could not be read!

%1</translation>
    </message>
    <message>
        <source>Beispie&amp;le</source>
        <translation>&amp;Examples</translation>
    </message>
    <message>
        <source>Öffnet das Beispiel als neues Projekt; die Beispieldatei bleibt, wie sie ist.</source>
        <translation>Opens the example as a new project; the example&apos;s file stays as it is.</translation>
    </message>
    <message>
        <source>(keine Beispiele gefunden)</source>
        <translation>(no examples found)</translation>
    </message>
    <message>
        <source>Beispiel %1</source>
        <translation>Example %1</translation>
    </message>
    <message>
        <source>Auf&amp;gabe öffnen…</source>
        <translation>Open Exer&amp;cise…</translation>
    </message>
    <message>
        <source>Eine Aufgabe (*.fuzaufgabe) mit ihrem Startprojekt öffnen; sie prüft sich selbst.</source>
        <translation>Open an exercise (*.fuzaufgabe) with its starting project; it checks itself.</translation>
    </message>
    <message>
        <source>Antworten öffnen</source>
        <translation>Open answers</translation>
    </message>
    <message>
        <source>Antwortdateien (*.fuzantwort)</source>
        <translation>Answers files (*.fuzantwort)</translation>
    </message>
    <message>
        <source>Aufgabe</source>
        <translation>Exercise</translation>
    </message>
    <message>
        <source>Die Aufgabe „%1“ erlaubt diese Änderung nicht:
%2</source>
        <translation>The exercise “%1” does not allow this change:
%2</translation>
    </message>
    <message>
        <source>Aufgabe öffnen</source>
        <translation>Open exercise</translation>
    </message>
    <message>
        <source>Aufgaben (*.fuzaufgabe)</source>
        <translation>Exercises (*.fuzaufgabe)</translation>
    </message>
    <message>
        <source>„%1“ ist keine Aufgabe, die sich lesen lässt:
%2</source>
        <translation>“%1” is not an exercise that can be read:
%2</translation>
    </message>
    <message>
        <source>Aufgabe %1</source>
        <translation>Exercise %1</translation>
    </message>
    <message>
        <source>Antworten speichern</source>
        <translation>Save Answers</translation>
    </message>
    <message>
        <source>Sc&amp;hülerpaket…</source>
        <translation>Students&apos; pac&amp;kage…</translation>
    </message>
    <message>
        <source>Was die Klasse bekommt: Aufgaben ohne Musterlösung und Text für die Lehrkraft, mit Schülerblatt als PDF</source>
        <translation>What the class gets: exercises without reference solutions and the teacher&apos;s text, with the students&apos; sheet as PDF</translation>
    </message>
    <message>
        <source>&amp;Klassenübersicht…</source>
        <translation>C&amp;lass overview…</translation>
    </message>
    <message>
        <source>Die Abgaben (*.fuzabgabe) einer Klasse bewerten: Tabelle, PDF, Notenbuch</source>
        <translation>Mark the hand-ins (*.fuzabgabe) of a class: table, PDF, gradebook</translation>
    </message>
    <message>
        <source>Schülerpaket</source>
        <translation>Students&apos; package</translation>
    </message>
    <message>
        <source>Abgabe von %1</source>
        <translation>Hand-in of %1</translation>
    </message>
</context>
<context>
    <name>werkstatt::TProjektModell</name>
    <message>
        <source>Bereich und Terme ändern</source>
        <translation>Change range and terms</translation>
    </message>
    <message>
        <source>Name ändern</source>
        <translation>Change name</translation>
    </message>
    <message>
        <source>Bereich ändern</source>
        <translation>Change range</translation>
    </message>
    <message>
        <source>Termname ändern</source>
        <translation>Change term name</translation>
    </message>
    <message>
        <source>Parameter ändern</source>
        <translation>Change parameter</translation>
    </message>
    <message>
        <source>Griff verschieben</source>
        <translation>Move handle</translation>
    </message>
    <message>
        <source>Term hinzufügen</source>
        <translation>Add term</translation>
    </message>
    <message>
        <source>Term entfernen</source>
        <translation>Remove term</translation>
    </message>
    <message>
        <source>Term verschieben</source>
        <translation>Move term</translation>
    </message>
    <message>
        <source>Regel ändern</source>
        <translation>Change rule</translation>
    </message>
    <message>
        <source>Eingang B verwenden</source>
        <translation>Use input B</translation>
    </message>
    <message>
        <source>Eingang B nicht verwenden</source>
        <translation>Do not use input B</translation>
    </message>
    <message>
        <source>Neu: %1</source>
        <translation>New: %1</translation>
    </message>
</context>
<context>
    <name>werkstatt::TRegelSeite</name>
    <message>
        <source>Spalten: Eingang A „%1“</source>
        <translation>Columns: input A “%1”</translation>
    </message>
    <message>
        <source>Zeilen: Eingang B „%1“</source>
        <translation>Rows: input B “%1”</translation>
    </message>
    <message>
        <source>Ohne Eingang B: eine Zeile</source>
        <translation>Without input B: one row</translation>
    </message>
    <message>
        <source>Jede Zelle ist eine Regel: WENN Eingang A im Term der Spalte UND Eingang B im Term der Zeile, DANN Ausgang im eingetragenen Term.</source>
        <translation>Each cell is a rule: IF input A is in the column&apos;s term AND input B is in the row&apos;s term, THEN the output is in the term entered.</translation>
    </message>
    <message>
        <source>Jede Zelle ist eine Regel: WENN Eingang A im Term der Spalte, DANN Ausgang im eingetragenen Term.</source>
        <translation>Each cell is a rule: IF input A is in the column&apos;s term, THEN the output is in the term entered.</translation>
    </message>
    <message>
        <source>Aus</source>
        <translation>Out</translation>
    </message>
    <message>
        <source>Der Ausgang hat keinen Term %1.</source>
        <translation>The output has no term %1.</translation>
    </message>
    <message>
        <source>Regeln ändern</source>
        <translation>Change rules</translation>
    </message>
    <message>
        <source>0 – keine Regel</source>
        <translation>0 – no rule</translation>
    </message>
    <message>
        <source>Gesperrt: Die Aufgabe „%1“ lässt die Regeln nicht ändern.</source>
        <translation>Locked: the exercise “%1” does not let you change the rules.</translation>
    </message>
</context>
<context>
    <name>werkstatt::TVariablenSeite</name>
    <message>
        <source>Eingang A</source>
        <translation>Input A</translation>
    </message>
    <message>
        <source>Eingang B</source>
        <translation>Input B</translation>
    </message>
    <message>
        <source>Ausgang</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Kürzel</source>
        <translation>Abbrev.</translation>
    </message>
    <message>
        <source>„%1“ ist keine gültige Zahl.</source>
        <translation>“%1” is not a valid number.</translation>
    </message>
    <message>
        <source>Die Terme mit dem Bereich mitnehmen?

Ja: Jede Ecke rückt an dieselbe Stelle im neuen Bereich.
Nein: Nur der Bereich ändert sich, die Terme bleiben, wo sie sind.</source>
        <translation>Move the terms along with the range?

Yes: every corner moves to the same place in the new range.
No: only the range changes; the terms stay where they are.</translation>
    </message>
    <message>
        <source>Gesperrt: Die Aufgabe „%1“ lässt den Bereich nicht ändern.</source>
        <translation>Locked: the exercise “%1” does not let you change the range.</translation>
    </message>
    <message>
        <source>Gesperrt: Welche Eingänge es gibt, legt die Aufgabe „%1“ fest.</source>
        <translation>Locked: the exercise “%1” decides which inputs there are.</translation>
    </message>
    <message>
        <source>Gesperrt: Die Aufgabe „%1“ lässt die Terme nicht ändern, weder ihre Zahl noch ihre Ecken und Höhen. Die Namen dürfen Sie ändern.</source>
        <translation>Locked: the exercise “%1” does not let you change the terms, neither their number nor their corners and heights. You may change the names.</translation>
    </message>
</context>
</TS>
