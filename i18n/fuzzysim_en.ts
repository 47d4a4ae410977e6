<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>fuzzysim</name>
    <message>
        <source>Zur Option %1 fehlt der Wert.</source>
        <translation>The option %1 needs a value.</translation>
    </message>
    <message>
        <source>Unbekannte Option: %1</source>
        <translation>Unknown option: %1</translation>
    </message>
    <message>
        <source>Der Wert von %1 ist keine Zahl: %2</source>
        <translation>The value of %1 is not a number: %2</translation>
    </message>
    <message>
        <source>Es fehlt: %1</source>
        <translation>Missing: %1</translation>
    </message>
    <message>
        <source>Zu viele Argumente: %1</source>
        <translation>Too many arguments: %1</translation>
    </message>
    <message>
        <source>--lang erwartet de oder en.</source>
        <translation>--lang expects de or en.</translation>
    </message>
    <message>
        <source>--lang erwartet de oder en, gefunden: %1</source>
        <translation>--lang expects de or en, found: %1</translation>
    </message>
    <message>
        <source>Fehler: %1</source>
        <translation>Error: %1</translation>
    </message>
    <message>
        <source>Warnung: %1</source>
        <translation>Warning: %1</translation>
    </message>
    <message>
        <source>die Projektdatei (DATEI)</source>
        <translation>the project file (FILE)</translation>
    </message>
    <message>
        <source>--name gilt nur für --to c.</source>
        <translation>--name applies to --to c only.</translation>
    </message>
    <message>
        <source>Unbekanntes Format: %1 (fll, fis, fcl oder c)</source>
        <translation>Unknown format: %1 (fll, fis, fcl or c)</translation>
    </message>
    <message>
        <source>Es fehlt das Format: --to fll, --to fis, --to fcl oder --to c.</source>
        <translation>The format is missing: --to fll, --to fis, --to fcl or --to c.</translation>
    </message>
    <message>
        <source>die Datei (DATEI.fll, DATEI.fis oder DATEI.fcl)</source>
        <translation>the file (FILE.fll, FILE.fis or FILE.fcl)</translation>
    </message>
    <message>
        <source>Das Format ergibt sich aus der Endung: .fll, .fis oder .fcl (%1).</source>
        <translation>The format follows from the file name extension: .fll, .fis or .fcl (%1).</translation>
    </message>
    <message>
        <source>Hinweis: %1</source>
        <translation>Note: %1</translation>
    </message>
    <message>
        <source>Die Ausgabe für --to c endet auf .c: %1</source>
        <translation>The output for --to c must end in .c: %1</translation>
    </message>
    <message>
        <source>DATEI [--json]</source>
        <translation>FILE [--json]</translation>
    </message>
    <message>
        <source>prüft eine Projektdatei (.fuz) und zeigt Variablen, Terme und Regeln</source>
        <translation>checks a project file (.fuz) and shows variables, terms and rules</translation>
    </message>
    <message>
        <source>DATEI [--heights]</source>
        <translation>FILE [--heights]</translation>
    </message>
    <message>
        <source>wertet je Zeile der Standardeingabe &quot;A B&quot; (ohne Eingang B nur &quot;A&quot;) einen Regelschritt aus</source>
        <translation>evaluates one control step per line &quot;A B&quot; of standard input (without input B just &quot;A&quot;)</translation>
    </message>
    <message>
        <source>DATEI --to fll|fis|fcl|c [-o AUSGABE] [--name NAME]</source>
        <translation>FILE --to fll|fis|fcl|c [-o OUTPUT] [--name NAME]</translation>
    </message>
    <message>
        <source>schreibt das Projekt als FLL, FIS oder FCL für andere Fuzzy-Werkzeuge oder als C-Quelltext (AUSGABE.c und AUSGABE.h, Funktion NAME_step, ohne --name fuzzy_step)</source>
        <translation>writes the project as FLL, FIS or FCL for other fuzzy tools or as C source (OUTPUT.c and OUTPUT.h, function NAME_step, without --name fuzzy_step)</translation>
    </message>
    <message>
        <source>DATEI [-o AUSGABE]</source>
        <translation>FILE [-o OUTPUT]</translation>
    </message>
    <message>
        <source>liest ein Projekt und schreibt es mit dem Projektschreiber wieder (ohne -o auf die Standardausgabe)</source>
        <translation>reads a project and writes it again with the project writer (without -o to standard output)</translation>
    </message>
    <message>
        <source>DATEI.fll|.fis|.fcl [-o AUSGABE.fuz]</source>
        <translation>FILE.fll|.fis|.fcl [-o OUTPUT.fuz]</translation>
    </message>
    <message>
        <source>liest ein FLL-, FIS- oder FCL-System, das in ein Projekt passt, und schreibt es als .fuz</source>
        <translation>reads an FLL, FIS or FCL system that fits into a project and writes it as .fuz</translation>
    </message>
    <message>
        <source>DATEI [--dt S] [--first-dt S] [--mass KG] [--friction R] [--distance CM] [--time S] [--csv] [--svg DATEI]</source>
        <translation>FILE [--dt S] [--first-dt S] [--mass KG] [--friction R] [--distance CM] [--time S] [--csv] [--svg FILE]</translation>
    </message>
    <message>
        <source>simuliert die Lok unter Fuzzyregelung in festen Schritten und zeigt, wie sie an der Marke hält (--dt und --first-dt 1e-05 bis 1 s, --mass 0.01 bis 1000 kg, --friction 0 bis 1000 N*s/m, --distance -10000 bis 10000 cm ohne 0, --time 0.001 bis 3600 s)</source>
        <translation>simulates the locomotive under fuzzy control in fixed steps and shows how it stops at the mark (--dt and --first-dt 1e-05 to 1 s, --mass 0.01 to 1000 kg, --friction 0 to 1000 N*s/m, --distance -10000 to 10000 cm except 0, --time 0.001 to 3600 s)</translation>
    </message>
    <message>
        <source>leer|truck|lok [-o AUSGABE.fuz]</source>
        <translation>empty|truck|loco [-o OUTPUT.fuz]</translation>
    </message>
    <message>
        <source>DATEI [--start X,LAGE | --grid] [--speed V] [--steps N] [--csv] [--svg DATEI]</source>
        <translation>FILE [--start X,ANGLE | --grid] [--speed V] [--steps N] [--csv] [--svg FILE]</translation>
    </message>
    <message>
        <source>führt den Truck unter Fuzzyregelung in Schritten zu 0.1 s rückwärts an die Ziellinie (--start X -1000 bis 1000 m, LAGE -360 bis 360 Grad, --speed -100 bis 100 m/s, --steps 1 bis 1000000)</source>
        <translation>backs the truck under fuzzy control to the target line in steps of 0.1 s (--start X -1000 to 1000 m, ANGLE -360 to 360 degrees, --speed -100 to 100 m/s, --steps 1 to 1000000)</translation>
    </message>
    <message>
        <source>fuzzysim – Fuzzy-Projekte prüfen, auswerten und simulieren, ohne Oberfläche

Aufruf: fuzzysim BEFEHL [ARGUMENTE]

Befehle:
</source>
        <translation>fuzzysim – check, evaluate and simulate fuzzy projects, without a GUI

Usage: fuzzysim COMMAND [ARGUMENTS]

Commands:
</translation>
    </message>
    <message>
        <source>Alle Befehle und Optionen zeigt: fuzzysim --help</source>
        <translation>All commands and options: fuzzysim --help</translation>
    </message>
    <message>
        <source>Es fehlt der Befehl.</source>
        <translation>The command is missing.</translation>
    </message>
    <message>
        <source>Aufruf: fuzzysim %1 %2
  %3
</source>
        <translation>Usage: fuzzysim %1 %2
  %3
</translation>
    </message>
    <message>
        <source>Unbekannter Befehl: %1</source>
        <translation>Unknown command: %1</translation>
    </message>
    <message>
        <source>die Vorlage (leer, truck oder lok)</source>
        <translation>the template (empty, truck or loco)</translation>
    </message>
    <message>
        <source>Unbekannte Vorlage: %1 (es gibt leer, truck und lok).</source>
        <translation>Unknown template: %1 (there are empty, truck and loco).</translation>
    </message>
    <message>
        <source>-o erwartet einen Dateinamen.</source>
        <translation>-o expects a file name.</translation>
    </message>
    <message>
        <source>%1 gibt es schon; fuzzysim new überschreibt keine Datei.</source>
        <translation>%1 already exists; fuzzysim new overwrites no file.</translation>
    </message>
    <message>
        <source>schreibt eine Vorlage der Fuzzy-Werkstatt als Projekt: Terme für das Fahrzeug verteilt (leer: gleichmäßig), keine Regeln</source>
        <translation>writes a template of the Fuzzy-Werkstatt as a project: terms placed for the vehicle (empty: evenly spread), no rules</translation>
    </message>
    <message>
        <source>DATEI --vehicle truck|loco [--terms] [--free-rules] [--seconds N] [--seed S] [--rounds N] [--threads N] -o AUSGABE</source>
        <translation>FILE --vehicle truck|loco [--terms] [--free-rules] [--seconds N] [--seed S] [--rounds N] [--threads N] -o OUTPUT</translation>
    </message>
    <message>
        <source>sucht bessere Regeln (mit --terms auch Termecken auf dem Raster des Editors) für den Truck oder die Lok und schreibt sie nach AUSGABE; die Regeltabelle bleibt monoton, mit --free-rules nicht</source>
        <translation>searches for better rules (with --terms also term corners, on the editor&apos;s grid) for the truck or the locomotive and writes them to OUTPUT; the rule table stays monotone, with --free-rules it need not</translation>
    </message>
    <message>
        <source>--name braucht einen C-Namen: ein Kleinbuchstabe, dann bis zu 23 Kleinbuchstaben, Ziffern oder _ (nicht %1); die Makros sind der Name, groß geschrieben.</source>
        <translation>--name needs a C name: a lower-case letter, then up to 23 lower-case letters, digits or _ (not %1); the macros are the name in upper case.</translation>
    </message>
    <message>
        <source>Der Name des Headers %1 lässt sich nicht sicher in #include &quot;...&quot; schreiben: keine Steuerzeichen, kein &quot;, \, &apos;, / oder ??.</source>
        <translation>The header&apos;s name %1 cannot be written safely into #include &quot;...&quot;: no control characters, no &quot;, \, &apos;, / or ??.</translation>
    </message>
    <message>
        <source>Die Option %1 ist mehr als einmal angegeben.</source>
        <translation>The option %1 is given more than once.</translation>
    </message>
    <message>
        <source>aufgabe check nimmt die Aufgabe, ein Projekt und eine Antwortdatei.</source>
        <translation>exercise check takes the exercise, a project and an answers file.</translation>
    </message>
    <message>
        <source>Nur eine Antwortdatei (.fuzantwort) bitte.</source>
        <translation>Only one answers file (.fuzantwort), please.</translation>
    </message>
    <message>
        <source>Nur ein Projekt (.fuz) bitte.</source>
        <translation>Only one project (.fuz), please.</translation>
    </message>
    <message>
        <source>Diese Aufgabe prüft ein Projekt: es fehlt PROJEKT.fuz.</source>
        <translation>This exercise checks a project: PROJECT.fuz is missing.</translation>
    </message>
    <message>
        <source>Diese Aufgabe fragt nach einer Rechnung von Hand: es fehlt ANTWORTEN.fuzantwort.</source>
        <translation>This exercise asks for a calculation by hand: ANSWERS.fuzantwort is missing.</translation>
    </message>
    <message>
        <source>%1 gibt es schon; fuzzysim aufgabe start überschreibt keine Datei.</source>
        <translation>%1 already exists; fuzzysim exercise start does not overwrite files.</translation>
    </message>
    <message>
        <source>Es fehlt die Aufgabe (AUFGABE.fuzaufgabe).</source>
        <translation>The exercise (EXERCISE.fuzaufgabe) is missing.</translation>
    </message>
    <message>
        <source>die Aufgabe (AUFGABE.fuzaufgabe)</source>
        <translation>the exercise (EXERCISE.fuzaufgabe)</translation>
    </message>
    <message>
        <source>
  --help, -h      diese Hilfe
  --lang de|en    Sprache der Ausgaben, vor oder nach dem Befehl (ohne die Option
                  nach LANGUAGE, LC_ALL, LC_MESSAGES, LANG; C: Deutsch)

check --json gibt das Projekt als JSON aus; eval --heights hängt die
Aktivierungen der fünf Ausgangsterme an (&quot;-&quot; für unbenutzte).

Exit-Status: 0 in Ordnung, 1 Formatfehler in der Datei oder fehlerhafte
Eingabezeilen, 2 Datei nicht lesbar oder falscher Aufruf; bei aufgabe check 0 bestanden,
1 nicht bestanden, 2 unbrauchbare Eingabe.
</source>
        <translation>
  --help, -h      this help
  --lang de|en    language of the output, before or after the command (without
                  the option from LANGUAGE, LC_ALL, LC_MESSAGES, LANG; C: German)

check --json prints the project as JSON; eval --heights appends the
activations of the five output terms (&quot;-&quot; for unused ones).

Exit status: 0 all right, 1 format error in the file or malformed input
lines, 2 file not readable or wrong call; for exercise check 0 passed,
1 not passed, 2 unusable input.
</translation>
    </message>
    <message>
        <source>aufgabe paket braucht -o ORDNER.</source>
        <translation>exercise package needs -o FOLDER.</translation>
    </message>
    <message>
        <source>Der Ordner %1 lässt sich nicht anlegen.</source>
        <translation>The folder %1 cannot be made.</translation>
    </message>
    <message>
        <source>Das Schülerblatt schreibt das Programm werkstatt; es ist weder neben fuzzysim noch im PATH zu finden. Mit --ohne-blatt entsteht das Paket ohne PDF.</source>
        <translation>The students’ sheet is written by the program werkstatt; it is neither beside fuzzysim nor on the PATH. With --no-sheet the package is made without the PDF.</translation>
    </message>
    <message>
        <source>Zwei Aufgaben heißen %1: Eine bleibt draußen.</source>
        <translation>Two exercises are named %1: one is left out.</translation>
    </message>
    <message>
        <source>aufgabe abgabe nimmt die Aufgabe, ein Projekt und eine Antwortdatei.</source>
        <translation>exercise handin takes the exercise, a project and an answers file.</translation>
    </message>
    <message>
        <source>aufgabe abgabe braucht -o DATEI.fuzabgabe.</source>
        <translation>exercise handin needs -o FILE.fuzabgabe.</translation>
    </message>
    <message>
        <source>Entweder --csv oder --json, nicht beides.</source>
        <translation>Either --csv or --json, not both.</translation>
    </message>
    <message>
        <source>aufgabe auswerten braucht die Aufgabe und Abgaben (Dateien oder Ordner).</source>
        <translation>exercise mark needs the exercise and hand-ins (files or folders).</translation>
    </message>
    <message>
        <source>--threads erwartet eine ganze Zahl von 1 bis 256.</source>
        <translation>--threads expects a whole number from 1 to 256.</translation>
    </message>
    <message>
        <source>--moodle erwartet einen Dateinamen.</source>
        <translation>--moodle expects a file name.</translation>
    </message>
    <message>
        <source>%1 ist kein lesbares Projekt.</source>
        <translation>%1 is not a readable project.</translation>
    </message>
    <message>
        <source>Eine Abgabe (.fuzabgabe) steht allein hinter der Aufgabe.</source>
        <translation>A hand-in (.fuzabgabe) stands alone after the exercise.</translation>
    </message>
    <message>
        <source>%1 ist eine Abgabe zu einer anderen Aufgabe oder Fassung („%2“).</source>
        <translation>%1 is a hand-in for another exercise or version (“%2”).</translation>
    </message>
    <message>
        <source>Diese Aufgabe rechnet mit Zahlen nach dem Namen: es fehlt --name NAME (oder eine Abgabe).</source>
        <translation>This exercise works with numbers by the name: --name NAME (or a hand-in) is missing.</translation>
    </message>
    <message>
        <source>aufgabe erwartet check, start, paket, abgabe, auswerten oder gegenprobe.</source>
        <translation>exercise expects check, start, package, handin, mark or vet.</translation>
    </message>
    <message>
        <source>aufgabe kennt %1 nicht (check, start, paket, abgabe, auswerten oder gegenprobe).</source>
        <translation>exercise does not know %1 (check, start, package, handin, mark or vet).</translation>
    </message>
    <message>
        <source>check AUFGABE [PROJEKT.fuz] [ANTWORTEN.fuzantwort | ABGABE.fuzabgabe] [--name NAME] [--json] | start AUFGABE [-o PROJEKT.fuz] | paket AUFGABE... -o ORDNER [--ohne-blatt] | abgabe AUFGABE [PROJEKT.fuz] [ANTWORTEN.fuzantwort] --name NAME --klasse KLASSE [--id KENNUNG] -o DATEI.fuzabgabe | auswerten AUFGABE DATEIEN_ODER_ORDNER... [--csv|--json] [--moodle DATEI.csv] | gegenprobe AUFGABE [--loesung DATEI] [--json]</source>
        <translation>check EXERCISE [PROJECT.fuz] [ANSWERS.fuzantwort | HANDIN.fuzabgabe] [--name NAME] [--json] | start EXERCISE [-o PROJECT.fuz] | package EXERCISE... -o FOLDER [--no-sheet] | handin EXERCISE [PROJECT.fuz] [ANSWERS.fuzantwort] --name NAME --class CLASS [--id ID] -o FILE.fuzabgabe | mark EXERCISE FILES_OR_FOLDERS... [--csv|--json] [--moodle FILE.csv] | vet EXERCISE [--solution FILE] [--json]</translation>
    </message>
    <message>
        <source>prüft ein Projekt und Antworten nach einer Aufgabe (.fuzaufgabe; Exit-Status 0 bestanden, 1 nicht bestanden, 2 unbrauchbare Eingabe) oder schreibt ihr Startprojekt; für den Unterricht: paket (was die Klasse bekommt: ohne Text für die Lehrkraft und Musterlösung, mit Schülerblatt als PDF), abgabe (eine Abgabe mit Name und Klasse), auswerten (alle Abgaben in einer Tabelle, mit --moodle als CSV für das Notenbuch), gegenprobe (was eine Aufgabe unfair oder nutzlos macht); englisch auch package, handin, mark, vet</source>
        <translation>checks a project and answers against an exercise (.fuzaufgabe; exit status 0 passed, 1 not passed, 2 unusable input) or writes its starting project; for the classroom: package (what the class gets: no teacher’s text or reference solution, the students’ sheet as PDF), handin (one hand-in with name and class), mark (all hand-ins in one table, with --moodle as CSV for the gradebook), vet (what makes an exercise unfair or useless); the German names aufgabe, paket, abgabe, auswerten, gegenprobe work too</translation>
    </message>
    <message>
        <source>Das Blatt als PDF schreibt hier kein Programm.</source>
        <translation>No program here writes the sheet as PDF.</translation>
    </message>
    <message>
        <source>%1 lässt sich nicht starten.</source>
        <translation>%1 cannot be started.</translation>
    </message>
    <message>
        <source>%1 hat das Blatt %2 nicht geschrieben.</source>
        <translation>%1 did not write the sheet %2.</translation>
    </message>
</context>
<context>
    <name>fuzzysim aufgabe</name>
    <message>
        <source>Aufgabe: %1</source>
        <translation>Exercise: %1</translation>
    </message>
    <message>
        <source>Geändert, was die Aufgabe nicht erlaubt:</source>
        <translation>Changed what the exercise does not allow:</translation>
    </message>
    <message>
        <source>Hinweis: %1</source>
        <translation>Hint: %1</translation>
    </message>
    <message>
        <source>Den schriftlichen oder gezeichneten Teil bewertet die Lehrkraft.</source>
        <translation>The teacher marks the written or drawn part.</translation>
    </message>
    <message>
        <source>Ergebnis: %1</source>
        <translation>Result: %1</translation>
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
        <source>Ergebnis</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Punkte</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>K%1: %2 (Punkte: %3)</source>
        <translation>C%1: %2 (points: %3)</translation>
    </message>
    <message>
        <source>Anmerkung zu %1: %2</source>
        <translation>Note on %1: %2</translation>
    </message>
    <message>
        <source>Abgabe von %1 (%2) geschrieben: %3</source>
        <translation>Hand-in of %1 (%2) written: %3</translation>
    </message>
    <message>
        <source>E-Mail-Adresse</source>
        <translation>email address</translation>
    </message>
    <message>
        <source>ID-Nummer</source>
        <translation>ID number</translation>
    </message>
    <message>
        <source>Nicht darin, sondern in %1 (von Hand eintragen oder die Abgabe klären):</source>
        <translation>Not in it, but in %1 (enter by hand or sort out the hand-in):</translation>
    </message>
    <message>
        <source>Gegenprobe: %1</source>
        <translation>Teacher’s check: %1</translation>
    </message>
    <message>
        <source>Zeile %1: </source>
        <translation>line %1: </translation>
    </message>
    <message>
        <source>Ergebnis: nichts gefunden, was die Aufgabe unfair oder nutzlos macht.</source>
        <translation>Result: nothing found that makes the exercise unfair or useless.</translation>
    </message>
    <message>
        <source>Für das Notenbuch: %2 (Zeilen: %1, Kennung: %3).</source>
        <translation>For the gradebook: %2 (rows: %1, identifier: %3).</translation>
    </message>
    <message>
        <source>Ergebnis: Einwände gefunden (%1).</source>
        <translation>Result: objections found (%1).</translation>
    </message>
</context>
<context>
    <name>fuzzysim check</name>
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
        <source>%1: nicht definiert</source>
        <translation>%1: not defined</translation>
    </message>
    <message>
        <source>  Bereich: %1 bis %2</source>
        <translation>  Range: %1 to %2</translation>
    </message>
    <message>
        <source>  Terme: %1 (wie 0)</source>
        <translation>  Terms: %1 (as 0)</translation>
    </message>
    <message>
        <source>  Terme: %1</source>
        <translation>  Terms: %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>    Nr  Kürzel  </source>
        <translation>    No  Abbr.   </translation>
    </message>
    <message>
        <source>Regeln (Zeile = Term von Eingang B, Spalte = Term von Eingang A):</source>
        <translation>Rules (row = term of input B, column = term of input A):</translation>
    </message>
    <message>
        <source>Regeln (Zeile = Term von Eingang B, Spalte = Term von Eingang A; ohne Eingang B gilt nur Zeile 1):</source>
        <translation>Rules (row = term of input B, column = term of input A; without input B only row 1 applies):</translation>
    </message>
    <message>
        <source>Keine Regel feuert: nirgends (an jedem Punkt der Eingangsbereiche feuert eine Regel).</source>
        <translation>Where no rule fires: nowhere (a rule fires at every point of the input ranges).</translation>
    </message>
    <message>
        <source>Keine Regel feuert (der Ausgang fällt dort auf %1):</source>
        <translation>Where no rule fires (the output falls to %1 there):</translation>
    </message>
    <message>
        <source>Datei: %1</source>
        <translation>File: %1</translation>
    </message>
    <message>
        <source>Hinweise:</source>
        <translation>Hints:</translation>
    </message>
    <message>
        <source>Zeilen ohne Zahl (gelesen als 0):</source>
        <translation>Lines without a number (read as 0):</translation>
    </message>
</context>
<context>
    <name>fuzzysim eval</name>
    <message>
        <source>Zeile %1: Zwei Zahlen erwartet (A B), gefunden: %2.</source>
        <translation>Line %1: two numbers expected (A B), found: %2.</translation>
    </message>
    <message>
        <source>Zeile %1: Eine Zahl erwartet (A), denn Eingang B ist nicht definiert, gefunden: %2.</source>
        <translation>Line %1: one number expected (A), as input B is not defined, found: %2.</translation>
    </message>
    <message>
        <source>Zeile %1: &quot;%2&quot; ist keine Zahl.</source>
        <translation>Line %1: &quot;%2&quot; is not a number.</translation>
    </message>
    <message>
        <source>Zeile %1: %2 liegt außerhalb des Zahlenbereichs.</source>
        <translation>Line %1: %2 lies outside the range of numbers.</translation>
    </message>
    <message>
        <source>Zeile %1: Das Ergebnis ist keine endliche Zahl (%2): %3</source>
        <translation>Line %1: the result is not a finite number (%2): %3</translation>
    </message>
    <message>
        <source>Das Projekt definiert keinen Eingang A; es gibt nichts auszuwerten.</source>
        <translation>The project defines no input A; there is nothing to evaluate.</translation>
    </message>
    <message>
        <source>Das Projekt definiert keinen Ausgang; es gibt nichts auszuwerten.</source>
        <translation>The project defines no output; there is nothing to evaluate.</translation>
    </message>
    <message>
        <source>Eingaben: A [B] je Zeile, Ende mit Strg+D</source>
        <translation>Input: A [B] per line, end with Ctrl+D</translation>
    </message>
</context>
<context>
    <name>fuzzysim loco</name>
    <message>
        <source>Lok:             Masse %1 kg, Reibung %2 N*s/m, Abstand %3 cm</source>
        <translation>Locomotive:      mass %1 kg, friction %2 N*s/m, distance %3 cm</translation>
    </message>
    <message>
        <source>Schritte:        erster %1 s, dann %2 s</source>
        <translation>Steps:           first %1 s, then %2 s</translation>
    </message>
    <message>
        <source>Ende:            t = %1 s nach %2 Schritten, abgebrochen, der Zustand ist keine endliche Zahl</source>
        <translation>End:             t = %1 s after %2 steps, stopped, the state is not a finite number</translation>
    </message>
    <message>
        <source>Ende:            t = %1 s nach %2 Schritten, 30 cm hinter der Marke ausgelaufen</source>
        <translation>End:             t = %1 s after %2 steps, ran out 30 cm past the mark</translation>
    </message>
    <message>
        <source>Ende:            t = %1 s nach %2 Schritten, Zeitgrenze erreicht</source>
        <translation>End:             t = %1 s after %2 steps, time limit reached</translation>
    </message>
    <message>
        <source>s am Ende:       %1 cm</source>
        <translation>s at the end:    %1 cm</translation>
    </message>
    <message>
        <source>v am Ende:       %1 cm/s</source>
        <translation>v at the end:    %1 cm/s</translation>
    </message>
    <message>
        <source>in Ruhe ab:      t = %1 s (|s| &lt; 1 cm, |v| &lt; 0.5 cm/s bis zum Ende)</source>
        <translation>at rest from:    t = %1 s (|s| &lt; 1 cm, |v| &lt; 0.5 cm/s to the end)</translation>
    </message>
    <message>
        <source>in Ruhe ab:      nie (|s| &lt; 1 cm, |v| &lt; 0.5 cm/s bis zum Ende)</source>
        <translation>at rest from:    never (|s| &lt; 1 cm, |v| &lt; 0.5 cm/s to the end)</translation>
    </message>
    <message>
        <source>genau ab:        t = %1 s (|s| &lt; 0.5 cm, |v| &lt; 0.5 cm/s bis zum Ende)</source>
        <translation>exactly from:    t = %1 s (|s| &lt; 0.5 cm, |v| &lt; 0.5 cm/s to the end)</translation>
    </message>
    <message>
        <source>genau ab:        nie (|s| &lt; 0.5 cm, |v| &lt; 0.5 cm/s bis zum Ende)</source>
        <translation>exactly from:    never (|s| &lt; 0.5 cm, |v| &lt; 0.5 cm/s to the end)</translation>
    </message>
    <message>
        <source>Überschwingen:   %1 cm hinter der Marke</source>
        <translation>Overshoot:       %1 cm past the mark</translation>
    </message>
    <message>
        <source>Zielband:        erreicht (|s| &lt; 1 cm)</source>
        <translation>Target band:     reached (|s| &lt; 1 cm)</translation>
    </message>
    <message>
        <source>Zielband:        nicht erreicht (|s| &lt; 1 cm)</source>
        <translation>Target band:     not reached (|s| &lt; 1 cm)</translation>
    </message>
    <message>
        <source>Kraftwechsel:    %1 Vorzeichenwechsel der Kraft</source>
        <translation>Force changes:   %1 sign changes of the force</translation>
    </message>
    <message>
        <source>s über t</source>
        <translation>s over t</translation>
    </message>
    <message>
        <source>s-v-Diagramm</source>
        <translation>s-v diagram</translation>
    </message>
    <message>
        <source>Kein (geeignetes) Fuzzyprojekt vorhanden (Eingang A, Eingang B und Ausgang müssen definiert sein).</source>
        <translation>No (suitable) fuzzy project loaded (input A, input B and output must be defined).</translation>
    </message>
    <message>
        <source>Bei t = %1 s ist der Zustand der Lok keine endliche Zahl: die Kraft des Reglers ist für diese Lok zu groß.</source>
        <translation>At t = %1 s the state of the locomotive is not a finite number: the controller&apos;s force is too large for this locomotive.</translation>
    </message>
    <message>
        <source>Bei t = %1 s ist die Kraft des Reglers keine endliche Zahl: %2</source>
        <translation>At t = %1 s the controller&apos;s force is not a finite number: %2</translation>
    </message>
</context>
<context>
    <name>fuzzysim truck</name>
    <message>
        <source>--start erwartet X,LAGE: x des Führerhauses in m (-1000 bis 1000) und die Lage in Grad (-360 bis 360), z. B. --start -10,20</source>
        <translation>--start expects X,ANGLE: x of the cab in m (-1000 to 1000) and the angle in degrees (-360 to 360), e.g. --start -10,20</translation>
    </message>
    <message>
        <source>--start und --grid schließen einander aus.</source>
        <translation>--start and --grid exclude each other.</translation>
    </message>
    <message>
        <source>Truck: 10 m, Führerhaus bei y = 25, v = %1 m/s, Schritte zu 0.1 s, Ankunft bei y &lt;= -25</source>
        <translation>Truck: 10 m, cab at y = 25, v = %1 m/s, steps of 0.1 s, arrival at y &lt;= -25</translation>
    </message>
    <message>
        <source>  Start x   Lage  hinten x |  Ende x     Lage  Schritte  max|x|  Ergebnis</source>
        <translation>  start x  angle    rear x |   end x    angle     steps  max|x|  result</translation>
    </message>
    <message>
        <source>Zusammenfassung bei v = %1 m/s:</source>
        <translation>Summary at v = %1 m/s:</translation>
    </message>
    <message>
        <source>  Starts:              %1</source>
        <translation>  starts:              %1</translation>
    </message>
    <message>
        <source>  angekommen:          %1</source>
        <translation>  arrived:             %1</translation>
    </message>
    <message>
        <source>  Ziel erreicht:       %1 (|x| &lt; 0.1 m und |Lage| &lt; 1 Grad, bei Start mit hinten x &lt;= 0 stets auf der Straße)</source>
        <translation>  docked:              %1 (|x| &lt; 0.1 m and |angle| &lt; 1 degree, starting with rear x &lt;= 0 always on the road)</translation>
    </message>
    <message>
        <source>  auf der Straße:      %1 von %2 Starts mit hinten x &lt;= 0</source>
        <translation>  on the road:         %1 of %2 starts with rear x &lt;= 0</translation>
    </message>
    <message>
        <source>  größte |x| am Ende: %1 m</source>
        <translation>  largest |x| at the end: %1 m</translation>
    </message>
    <message>
        <source>  größte |Lage| am Ende: %1 Grad</source>
        <translation>  largest |angle| at the end: %1 degrees</translation>
    </message>
    <message>
        <source>  meiste Schritte:     %1</source>
        <translation>  most steps:          %1</translation>
    </message>
    <message>
        <source>x in m (Ziellinie x = 0)</source>
        <translation>x in m (target line x = 0)</translation>
    </message>
    <message>
        <source>Weg des hinteren Punkts, v = %1 m/s</source>
        <translation>Path of the rear point, v = %1 m/s</translation>
    </message>
    <message>
        <source>%1 von %2 Starts am Ziel (blau), die übrigen orange</source>
        <translation>%1 of %2 starts docked (blue), the others orange</translation>
    </message>
    <message>
        <source>--speed erwartet eine Geschwindigkeit in m/s von -100 bis 100, nicht 0, z. B. --speed -10</source>
        <translation>--speed expects a speed in m/s from -100 to 100, not 0, e.g. --speed -10</translation>
    </message>
    <message>
        <source>--steps erwartet eine ganze Zahl von 1 bis 1000000.</source>
        <translation>--steps expects a whole number from 1 to 1000000.</translation>
    </message>
    <message>
        <source>Eingang A und/oder Ausgang (noch) nicht definiert!</source>
        <translation>Input A and/or output not defined (yet)!</translation>
    </message>
    <message>
        <source>%1 von %2 Fahrt endet nicht bei endlichen Zahlen (der Regler liefert keine Zahl): %3</source>
        <translation>%1 of %2 run does not end at finite numbers (the controller gives no number): %3</translation>
    </message>
    <message>
        <source>%1 von %2 Fahrten enden nicht bei endlichen Zahlen (der Regler liefert keine Zahl): %3</source>
        <translation>Runs not ending at finite numbers: %1 of %2 (the controller gives no number): %3</translation>
    </message>
</context>
<context>
    <name>fuzzysim tune</name>
    <message>
        <source>%1 erwartet %2.</source>
        <translation>%1 expects %2.</translation>
    </message>
    <message>
        <source>vorher:</source>
        <translation>before:</translation>
    </message>
    <message>
        <source>nachher:</source>
        <translation>after:</translation>
    </message>
    <message>
        <source>Es fehlt: --vehicle truck oder --vehicle loco</source>
        <translation>Missing: --vehicle truck or --vehicle loco</translation>
    </message>
    <message>
        <source>--vehicle erwartet truck oder loco, nicht %1.</source>
        <translation>--vehicle expects truck or loco, not %1.</translation>
    </message>
    <message>
        <source>eine ganze Zahl von 1 bis 1000000</source>
        <translation>a whole number from 1 to 1000000</translation>
    </message>
    <message>
        <source>--seconds erwartet eine Zeit in Sekunden von mehr als 0 bis 86400.</source>
        <translation>--seconds expects a time in seconds above 0 up to 86400.</translation>
    </message>
    <message>
        <source>eine ganze Zahl von 0 bis 9000000000000000</source>
        <translation>a whole number from 0 to 9000000000000000</translation>
    </message>
    <message>
        <source>eine ganze Zahl von 1 bis 256</source>
        <translation>a whole number from 1 to 256</translation>
    </message>
    <message>
        <source>Es fehlt: -o AUSGABE (die Datei für das Ergebnis)</source>
        <translation>Missing: -o OUTPUT (the file for the result)</translation>
    </message>
    <message>
        <source>-o AUSGABE darf nicht die Eingabedatei sein: das Ergebnis ersetzt nie den Anfang.</source>
        <translation>-o OUTPUT must not be the input file: the result never replaces the start.</translation>
    </message>
    <message>
        <source>%1 ließ sich nicht ein zweites Mal gleich lesen (währenddessen geändert oder größer als 1 MiB).</source>
        <translation>%1 did not read the same a second time (changed meanwhile or larger than 1 MiB).</translation>
    </message>
    <message>
        <source>Optimierung für den Truck: %1, Startwert %2, %3</source>
        <translation>Tuning for the truck: %1, seed %2, %3</translation>
    </message>
    <message>
        <source>Optimierung für die Lok: %1, Startwert %2, %3</source>
        <translation>Tuning for the locomotive: %1, seed %2, %3</translation>
    </message>
    <message>
        <source>%1 Threads</source>
        <translation>%1 threads</translation>
    </message>
    <message>
        <source>alle Threads</source>
        <translation>all threads</translation>
    </message>
    <message>
        <source>, höchstens %1 Runden</source>
        <translation>, at most %1 rounds</translation>
    </message>
    <message>
        <source>, höchstens %1 s</source>
        <translation>, at most %1 s</translation>
    </message>
    <message>
        <source>  %1 %  Runde %2, %3 Kandidaten, %4 Verbesserungen: %5</source>
        <translation>  %1 %  round %2, %3 candidates, %4 improvements: %5</translation>
    </message>
    <message>
        <source>Runden: %1, Kandidaten: %2, Verbesserungen: %3, Zeit: %4 s (abgebrochen, das Beste bisher wird geschrieben)</source>
        <translation>Rounds: %1, candidates: %2, improvements: %3, time: %4 s (cancelled, the best so far is written)</translation>
    </message>
    <message>
        <source>Runden: %1, Kandidaten: %2, Verbesserungen: %3, Zeit: %4 s</source>
        <translation>Rounds: %1, candidates: %2, improvements: %3, time: %4 s</translation>
    </message>
    <message>
        <source>Keine Verbesserung gefunden; geschrieben wird der Anfang, unverändert.</source>
        <translation>No improvement found; the start is written unchanged.</translation>
    </message>
    <message>
        <source>zuletzt verbessert in Runde %1 nach %2 s</source>
        <translation>last improved in round %1 after %2 s</translation>
    </message>
    <message>
        <source>geschrieben: %1</source>
        <translation>written: %1</translation>
    </message>
    <message>
        <source>Regeln geändert: %1 von 25 Zellen</source>
        <translation>rules changed: %1 of 25 cells</translation>
    </message>
    <message>
        <source>Terme geändert (Ecken a, b, c, d vorher -&gt; nachher):</source>
        <translation>terms changed (corners a, b, c, d before -&gt; after):</translation>
    </message>
    <message>
        <source>monotone Regeln und Termecken</source>
        <translation>monotone rules and term corners</translation>
    </message>
    <message>
        <source>Regeln in beliebiger Ordnung und Termecken</source>
        <translation>rules in any order and term corners</translation>
    </message>
    <message>
        <source>monotone Regeln</source>
        <translation>monotone rules</translation>
    </message>
    <message>
        <source>Regeln in beliebiger Ordnung</source>
        <translation>rules in any order</translation>
    </message>
    <message>
        <source>%1 Termecken bleiben neben dem Raster des Editors: gerundet wäre das Ergebnis schlechter.</source>
        <translation>%1 term corners stay off the editor&apos;s grid: rounded, the result would be worse.</translation>
    </message>
</context>
</TS>
