<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>Aufgabe</name>
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
        <source>bei %1 kg, Schritt %2 s</source>
        <translation>at %1 kg, step %2 s</translation>
    </message>
    <message>
        <source>%1 wurde entfernt.</source>
        <translation>%1 was removed.</translation>
    </message>
    <message>
        <source>%1 kam hinzu.</source>
        <translation>%1 was added.</translation>
    </message>
    <message>
        <source>Bereich von %1 geändert (%2 bis %3 statt %4 bis %5).</source>
        <translation>Range of %1 changed (%2 to %3 instead of %4 to %5).</translation>
    </message>
    <message>
        <source>Anzahl der Terme von %1 geändert (%2 statt %3).</source>
        <translation>Number of terms of %1 changed (%2 instead of %3).</translation>
    </message>
    <message>
        <source>Terme von %1 geändert: %2.</source>
        <translation>Terms of %1 changed: %2.</translation>
    </message>
    <message>
        <source>Stellen ohne feuernde Regel</source>
        <translation>Places without a firing rule</translation>
    </message>
    <message>
        <source>%1 bis %2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>(A %1 / B %2)</source>
        <translation>(A %1 / B %2)</translation>
    </message>
    <message>
        <source>(A %1)</source>
        <translation>(A %1)</translation>
    </message>
    <message>
        <source>Keine Regel feuert bei: %1</source>
        <translation>No rule fires at: %1</translation>
    </message>
    <message>
        <source>Zugehörigkeitsgrade</source>
        <translation>Membership degrees</translation>
    </message>
    <message>
        <source>Feuerstärken der Regeln</source>
        <translation>Firing strengths of the rules</translation>
    </message>
    <message>
        <source>Feuerstärke der Regel %1 und %2</source>
        <translation>Firing strength of the rule for %1 and %2</translation>
    </message>
    <message>
        <source>Feuerstärke der Regel %1</source>
        <translation>Firing strength of the rule for %1</translation>
    </message>
    <message>
        <source>Höhen der Ausgangsterme</source>
        <translation>Heights of the output terms</translation>
    </message>
    <message>
        <source>Höhe von %1</source>
        <translation>Height of %1</translation>
    </message>
    <message>
        <source>Scharfer Ausgangswert</source>
        <translation>Crisp output value</translation>
    </message>
    <message>
        <source>%1 bei %2</source>
        <translation>%1 at %2</translation>
    </message>
    <message>
        <source>Zu %1 gibt es keine Antworten.</source>
        <translation>There are no answers for %1.</translation>
    </message>
    <message>
        <source>%1 stimmt nicht (erlaubte Abweichung %2).</source>
        <translation>%1 is wrong (it may be off by at most %2).</translation>
    </message>
    <message>
        <source>Gefüllte Regelfelder</source>
        <translation>Filled rule cells</translation>
    </message>
    <message>
        <source>Die Tabelle hat %1 Regeln, erlaubt sind höchstens %2.</source>
        <translation>The table has %1 rules; at most %2 are allowed.</translation>
    </message>
    <message>
        <source>Angedockt bei %1</source>
        <translation>Docked at %1</translation>
    </message>
    <message>
        <source>%1 von %2 Starts docken an, verlangt sind %3. Nicht angedockt: %4</source>
        <translation>%1 of %2 starts dock, %3 are required. Not docked: %4</translation>
    </message>
    <message>
        <source>Straße verlassen bei %1</source>
        <translation>Left the road at %1</translation>
    </message>
    <message>
        <source>Starts, die die Straße verlassen: %1 – %2</source>
        <translation>Starts that leave the road: %1 – %2</translation>
    </message>
    <message>
        <source>In Ruhe nach</source>
        <translation>At rest after</translation>
    </message>
    <message>
        <source>%1 erst nach %2 s in Ruhe</source>
        <translation>%1 at rest only after %2 s</translation>
    </message>
    <message>
        <source>%1 nicht in Ruhe (Ende nach %2 s)</source>
        <translation>%1 not at rest (end after %2 s)</translation>
    </message>
    <message>
        <source>Über die Marke hinaus</source>
        <translation>Past the mark</translation>
    </message>
    <message>
        <source>%1 %2 cm über die Marke</source>
        <translation>%1 %2 cm past the mark</translation>
    </message>
    <message>
        <source>Fahrten mit Kraft außerhalb des Ausgangsbereichs</source>
        <translation>Runs with the force outside the output range</translation>
    </message>
    <message>
        <source>%1 liegt die Kraft außerhalb von %2 bis %3 N</source>
        <translation>%1 the force lies outside %2 to %3 N</translation>
    </message>
    <message>
        <source>Vorzeichenwechsel der Kraft</source>
        <translation>Sign changes of the force</translation>
    </message>
    <message>
        <source>%1 wechselt die Kraft %2-mal das Vorzeichen</source>
        <translation>%1 the force changes its sign %2 times</translation>
    </message>
    <message>
        <source>Regeln geändert (%1 Felder): %2</source>
        <translation>Rules changed (%1 cells): %2</translation>
    </message>
    <message>
        <source>mindestens %1</source>
        <translation>at least %1</translation>
    </message>
    <message>
        <source>höchstens %1</source>
        <translation>at most %1</translation>
    </message>
    <message>
        <source>%1: %2 (%3)</source>
        <translation>%1: %2 (%3)</translation>
    </message>
    <message>
        <source>bestanden</source>
        <translation>passed</translation>
    </message>
    <message>
        <source>nicht bestanden</source>
        <translation>not passed</translation>
    </message>
    <message>
        <source>abgelehnt: geändert, was die Aufgabe nicht erlaubt</source>
        <translation>refused: changed what the exercise does not allow</translation>
    </message>
    <message>
        <source>[%1] kennt den Schlüssel %2 nicht.</source>
        <translation>[%1] has no key %2.</translation>
    </message>
    <message>
        <source>Den Abschnitt [%1] gibt es schon einmal.</source>
        <translation>The section [%1] is there already.</translation>
    </message>
    <message>
        <source>Ein Projekt kann dieses Zeichen nicht enthalten (es wird in Windows-1252 gespeichert).</source>
        <translation>A project cannot hold this character (it is stored in Windows-1252).</translation>
    </message>
    <message>
        <source>%1 steht schon in Zeile %2.</source>
        <translation>%1 is given already in line %2.</translation>
    </message>
    <message>
        <source>[projekt] nennt entweder eine Vorlage oder enthält ein Projekt, nicht beides.</source>
        <translation>[projekt] either names a template or holds a project, not both.</translation>
    </message>
    <message>
        <source>Unbekannte Vorlage %1 (es gibt leer, truck und lok).</source>
        <translation>Unknown template %1 (there are leer, truck and lok).</translation>
    </message>
    <message>
        <source>[%1] ist leer: erwartet wird „vorlage = lok“ oder die Zeilen eines Projekts hinter „|“.</source>
        <translation>[%1] is empty: expected is &quot;vorlage = lok&quot; or the lines of a project behind &quot;|&quot;.</translation>
    </message>
    <message>
        <source>Das Projekt in [%1] endet zu früh oder passt nicht: erwartet wird %2, gefunden: %3.</source>
        <translation>The project in [%1] ends too early or does not fit: expected is %2, found: %3.</translation>
    </message>
    <message>
        <source>Im Projekt in [%1]: %2</source>
        <translation>In the project in [%1]: %2</translation>
    </message>
    <message>
        <source>Das Projekt in [%1] braucht Eingang A und den Ausgang.</source>
        <translation>The project in [%1] needs input A and the output.</translation>
    </message>
    <message>
        <source>Format %1 kennt dieses Programm nicht (es liest Format 1).</source>
        <translation>This program does not know format %1 (it reads format 1).</translation>
    </message>
    <message>
        <source>%1 erwartet einen Titel von 1 bis 200 Bytes.</source>
        <translation>%1 expects a title of 1 to 200 bytes.</translation>
    </message>
    <message>
        <source>aenderbar: „nichts“ steht allein.</source>
        <translation>aenderbar: &quot;nichts&quot; stands alone.</translation>
    </message>
    <message>
        <source>bewertung nimmt ein Wort.</source>
        <translation>bewertung takes one word.</translation>
    </message>
    <message>
        <source>[truck] braucht geschwindigkeiten (etwa „-1, -10“).</source>
        <translation>[truck] needs geschwindigkeiten (e.g. &quot;-1, -10&quot;).</translation>
    </message>
    <message>
        <source>[truck] prüft nichts: es fehlen angedockt_min, strasse_verlassen_max und regeln_max.</source>
        <translation>[truck] checks nothing: angedockt_min, strasse_verlassen_max and regeln_max are missing.</translation>
    </message>
    <message>
        <source>abstand darf nicht 0 sein.</source>
        <translation>abstand must not be 0.</translation>
    </message>
    <message>
        <source>[lok] braucht massen (etwa „1, 2, 4“).</source>
        <translation>[lok] needs massen (e.g. &quot;1, 2, 4&quot;).</translation>
    </message>
    <message>
        <source>[lok] prüft nichts: es fehlen ruhe_bis, ueberschwingen_max, kraft_im_bereich, vorzeichenwechsel_max und regeln_max.</source>
        <translation>[lok] checks nothing: ruhe_bis, ueberschwingen_max, kraft_im_bereich, vorzeichenwechsel_max and regeln_max are missing.</translation>
    </message>
    <message>
        <source>ruhe_bis liegt hinter zeit, dem Ende der Fahrten.</source>
        <translation>ruhe_bis lies beyond zeit, the end of the runs.</translation>
    </message>
    <message>
        <source>punkt erwartet einen Namen aus Buchstaben, Ziffern und _ (etwa P1).</source>
        <translation>punkt expects a name of letters, digits and _ (e.g. P1).</translation>
    </message>
    <message>
        <source>[handrechnung] braucht den Wert a von Eingang A.</source>
        <translation>[handrechnung] needs the value a of input A.</translation>
    </message>
    <message>
        <source>[handrechnung] braucht fragen (etwa „zugehoerigkeit, ausgang“).</source>
        <translation>[handrechnung] needs fragen (e.g. &quot;zugehoerigkeit, ausgang&quot;).</translation>
    </message>
    <message>
        <source>[handrechnung] braucht toleranz (etwa 0.01).</source>
        <translation>[handrechnung] needs toleranz (e.g. 0.01).</translation>
    </message>
    <message>
        <source>%1 ist keine lesbare Datei.</source>
        <translation>%1 is no readable file.</translation>
    </message>
    <message>
        <source>%1 ist größer als %2 KiB.</source>
        <translation>%1 is larger than %2 KiB.</translation>
    </message>
    <message>
        <source>Eine Aufgabendatei beginnt mit dem Abschnitt [aufgabe].</source>
        <translation>An exercise file starts with the section [aufgabe].</translation>
    </message>
    <message>
        <source>Höchstens %1 Abschnitte [%2].</source>
        <translation>At most %1 sections [%2].</translation>
    </message>
    <message>
        <source>Den Punkt %1 gibt es schon in Zeile %2.</source>
        <translation>The point %1 is there already in line %2.</translation>
    </message>
    <message>
        <source>Einen Abschnitt [%1] gibt es in einer Aufgabe nicht.</source>
        <translation>An exercise has no section [%1].</translation>
    </message>
    <message>
        <source>[aufgabe] braucht „format = 1“.</source>
        <translation>[aufgabe] needs &quot;format = 1&quot;.</translation>
    </message>
    <message>
        <source>[aufgabe] braucht titel.de.</source>
        <translation>[aufgabe] needs titel.de.</translation>
    </message>
    <message>
        <source>[aufgabe] braucht aenderbar (nichts, oder regeln, terme, bereiche).</source>
        <translation>[aufgabe] needs aenderbar (nichts, or regeln, terme, bereiche).</translation>
    </message>
    <message>
        <source>Es fehlt der Aufgabentext [text.de].</source>
        <translation>The task text [text.de] is missing.</translation>
    </message>
    <message>
        <source>Es fehlt der Abschnitt [projekt] mit dem Startprojekt.</source>
        <translation>The section [projekt] with the starting project is missing.</translation>
    </message>
    <message>
        <source>[projekt.en] gibt es nur zu einem eingebetteten Projekt; eine Vorlage hat ihre englischen Namen schon.</source>
        <translation>[projekt.en] goes only with an embedded project; a template has its English names already.</translation>
    </message>
    <message>
        <source>[projekt.en] muss dieselben Zahlen und Regeln haben wie [projekt]; nur die Namen dürfen sich unterscheiden.</source>
        <translation>[projekt.en] must have the same numbers and rules as [projekt]; only the names may differ.</translation>
    </message>
    <message>
        <source>Die Aufgabe prüft nichts: es fehlt ein Abschnitt [truck], [lok], [handrechnung] oder [abdeckung].</source>
        <translation>The exercise checks nothing: a section [truck], [lok], [handrechnung] or [abdeckung] is missing.</translation>
    </message>
    <message>
        <source>Das Startprojekt passt nicht zum Truck: %1</source>
        <translation>The starting project does not fit the truck: %1</translation>
    </message>
    <message>
        <source>Das Startprojekt passt nicht zur Lok: %1</source>
        <translation>The starting project does not fit the locomotive: %1</translation>
    </message>
    <message>
        <source>[handrechnung] braucht den Wert b von Eingang B (nur die Zugehörigkeit zu A kommt ohne ihn aus).</source>
        <translation>[handrechnung] needs the value b of input B (only the membership in A does without it).</translation>
    </message>
    <message>
        <source>[handrechnung] nennt b, aber das Projekt hat keinen Eingang B.</source>
        <translation>[handrechnung] gives b, but the project has no input B.</translation>
    </message>
    <message>
        <source>Eine Antwortdatei beginnt mit dem Abschnitt [antworten].</source>
        <translation>An answers file starts with the section [antworten].</translation>
    </message>
    <message>
        <source>Dieses Format kennt dieses Programm nicht (es liest Format 1).</source>
        <translation>This program does not know this format (it reads format 1).</translation>
    </message>
    <message>
        <source>[antworten] braucht „format = 1“.</source>
        <translation>[antworten] needs &quot;format = 1&quot;.</translation>
    </message>
    <message>
        <source>Höchstens %1 Punkte.</source>
        <translation>At most %1 points.</translation>
    </message>
    <message>
        <source>Die Zeile ist länger als %1 Bytes.</source>
        <translation>The line is longer than %1 bytes.</translation>
    </message>
    <message>
        <source>Die Zeile enthält ein Steuerzeichen.</source>
        <translation>The line holds a control character.</translation>
    </message>
    <message>
        <source>Die Zeile ist kein gültiges UTF-8.</source>
        <translation>The line is no valid UTF-8.</translation>
    </message>
    <message>
        <source>%1 erwartet eine Zahl von %2 bis %3 (mit Dezimalpunkt), nicht „%4“.</source>
        <translation>%1 expects a number from %2 to %3 (with a decimal point), not &quot;%4&quot;.</translation>
    </message>
    <message>
        <source>Die Datei ist größer als %1 KiB.</source>
        <translation>The file is larger than %1 KiB.</translation>
    </message>
    <message>
        <source>Die Datei hat mehr als %1 Zeilen.</source>
        <translation>The file has more than %1 lines.</translation>
    </message>
    <message>
        <source>„%1“ ist kein Abschnittsname.</source>
        <translation>&quot;%1&quot; is no section name.</translation>
    </message>
    <message>
        <source>Vor dem ersten Abschnitt (etwa [aufgabe]) steht nur Kommentar.</source>
        <translation>Before the first section (such as [aufgabe]) only comments may stand.</translation>
    </message>
    <message>
        <source>In [%1] steht „Schlüssel = Wert“ je Zeile.</source>
        <translation>[%1] holds &quot;key = value&quot; on each line.</translation>
    </message>
    <message>
        <source>„%1“ ist kein Schlüssel (Kleinbuchstaben, Ziffern, Punkt, Unterstrich).</source>
        <translation>&quot;%1&quot; is no key (lower-case letters, digits, point, underscore).</translation>
    </message>
    <message>
        <source>Der Text in [%1] ist länger als %2 Bytes.</source>
        <translation>The text in [%1] is longer than %2 bytes.</translation>
    </message>
    <message>
        <source>%1 erwartet eine ganze Zahl von %2 bis %3, nicht „%4“.</source>
        <translation>%1 expects a whole number from %2 to %3, not &quot;%4&quot;.</translation>
    </message>
    <message>
        <source>%1 erwartet Zahlen von %2 bis %3, durch Kommas getrennt (mit Dezimalpunkt), nicht „%4“.</source>
        <translation>%1 expects numbers from %2 to %3, separated by commas (with a decimal point), not &quot;%4&quot;.</translation>
    </message>
    <message>
        <source>%1 nimmt höchstens %2 Zahlen.</source>
        <translation>%1 takes at most %2 numbers.</translation>
    </message>
    <message>
        <source>%1 erwartet ja oder nein, nicht „%2“.</source>
        <translation>%1 expects ja or nein, not &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>%1 kennt „%2“ nicht (möglich: %3).</source>
        <translation>%1 does not know &quot;%2&quot; (possible: %3).</translation>
    </message>
    <message>
        <source>fahrzeug nimmt ein Wort: truck oder lok.</source>
        <translation>fahrzeug takes one word: truck or lok.</translation>
    </message>
    <message>
        <source>fahrzeug nennt ein anderes Fahrzeug als die Prüfungen [truck] oder [lok].</source>
        <translation>fahrzeug names another vehicle than the checks [truck] or [lok].</translation>
    </message>
    <message>
        <source>Diese Aufgabe fragt nach keiner Rechnung von Hand: Antworten passen nicht zu ihr.</source>
        <translation>This exercise asks for no calculation by hand: answers do not fit it.</translation>
    </message>
    <message>
        <source>Den Punkt [%1] gibt es in dieser Aufgabe nicht.</source>
        <translation>This exercise has no point [%1].</translation>
    </message>
    <message>
        <source>%1 gibt es bei [%2] nicht: Die Aufgabe fragt nicht danach, oder das Projekt hat diesen Term oder diese Regel nicht.</source>
        <translation>%1 does not exist for [%2]: the exercise does not ask for it, or the project does not have this term or rule.</translation>
    </message>
    <message>
        <source>Grad von %1 (A)</source>
        <translation>Degree of %1 (A)</translation>
    </message>
    <message>
        <source>Grad von %1 (B)</source>
        <translation>Degree of %1 (B)</translation>
    </message>
    <message>
        <source>Ausgangswert</source>
        <translation>Output value</translation>
    </message>
    <message>
        <source>%1 fehlt.</source>
        <translation>%1 is missing.</translation>
    </message>
    <message>
        <source>Fahrten durch Stellen ohne feuernde Regel bei %1</source>
        <translation>Runs through places without a firing rule at %1</translation>
    </message>
    <message>
        <source>%1 von %2 Fahrten kommen an Stellen, an denen keine Regel feuert (dort fällt der Ausgang auf den Anfang seines Bereichs): %3</source>
        <translation>%1 of %2 runs reach places where no rule fires (there the output falls to the start of its range): %3</translation>
    </message>
    <message>
        <source>%1: kommt nicht zur Ruhe (%2)</source>
        <translation>%1: never comes to rest (%2)</translation>
    </message>
    <message>
        <source>kommt nicht zur Ruhe</source>
        <translation>never comes to rest</translation>
    </message>
    <message>
        <source>%1: nicht beantwortet.</source>
        <translation>%1: not answered.</translation>
    </message>
    <message>
        <source>%1: Der Eintrag ist keine Zahl.</source>
        <translation>%1: the entry is not a number.</translation>
    </message>
    <message>
        <source>%1: %2 falsch oder nicht beantwortet (%3)</source>
        <translation>%1: %2 wrong or not answered (%3)</translation>
    </message>
    <message>
        <source>Eine Klassenliste hat je Zeile einen Namen, keine Abschnitte […].</source>
        <translation>A class list has one name a line, no sections […].</translation>
    </message>
    <message>
        <source>%1 steht schon in der Liste.</source>
        <translation>%1 is in the list already.</translation>
    </message>
    <message>
        <source>Höchstens %1 Namen.</source>
        <translation>At most %1 names.</translation>
    </message>
    <message>
        <source>Die Klassenliste enthält keinen Namen.</source>
        <translation>The class list holds no name.</translation>
    </message>
    <message>
        <source>%1 von %2 Punkten</source>
        <translation>%1 of %2 points</translation>
    </message>
    <message>
        <source>E-Mail-Adresse</source>
        <translation>Email address</translation>
    </message>
    <message>
        <source>ID-Nummer</source>
        <translation>ID number</translation>
    </message>
    <message>
        <source>Punkte</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>File</translation>
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
        <source>Grund</source>
        <translation>Reason</translation>
    </message>
    <message>
        <source>Die Datei ist keine lesbare Abgabe.</source>
        <translation>The file is not a readable hand-in.</translation>
    </message>
    <message>
        <source>Die Abgabe gehört zu einer anderen Aufgabe.</source>
        <translation>The hand-in belongs to another exercise.</translation>
    </message>
    <message>
        <source>Von dieser Person gibt es mehrere Abgaben.</source>
        <translation>This person handed in more than once.</translation>
    </message>
    <message>
        <source>Die Abgabe hat keine Punkte (nicht prüfbar oder abgelehnt).</source>
        <translation>The hand-in has no mark (it could not be checked, or it was refused).</translation>
    </message>
    <message>
        <source>Die Abgabe hat keine Kennung (ID-Nummer oder E-Mail-Adresse).</source>
        <translation>The hand-in has no identifier (ID number or email address).</translation>
    </message>
    <message>
        <source>Die Kennung ist eine ID-Nummer, die Spalte hat E-Mail-Adressen.</source>
        <translation>The identifier is an ID number; the column holds email addresses.</translation>
    </message>
    <message>
        <source>Die Kennung ist eine E-Mail-Adresse, die Spalte hat ID-Nummern.</source>
        <translation>The identifier is an email address; the column holds ID numbers.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 ist länger als %2 Bytes.</source>
        <translation>%1 is longer than %2 bytes.</translation>
    </message>
    <message>
        <source>%1 enthält einen Tabulator oder Zeilenumbruch.</source>
        <translation>%1 holds a tab or a line break.</translation>
    </message>
    <message>
        <source>%1 beginnt oder endet mit einem Leerzeichen.</source>
        <translation>%1 starts or ends with a blank.</translation>
    </message>
    <message>
        <source>%1 enthält ein Steuerzeichen.</source>
        <translation>%1 holds a control character.</translation>
    </message>
    <message>
        <source>%1 ist kein gültiges UTF-8.</source>
        <translation>%1 is not valid UTF-8.</translation>
    </message>
    <message>
        <source>Der Name</source>
        <translation>The name</translation>
    </message>
    <message>
        <source>Die Klasse</source>
        <translation>The class</translation>
    </message>
    <message>
        <source>Die Kennung (ID-Nummer oder E-Mail-Adresse) hat höchstens %1 Zeichen aus Buchstaben, Ziffern und . _ @ + - /.</source>
        <translation>The identifier (ID number or email address) has at most %1 characters of letters, digits and . _ @ + - /.</translation>
    </message>
    <message>
        <source>%1 ist kein Datum der Form 2025-03-14T09:30:00Z.</source>
        <translation>%1 is not a date of the form 2025-03-14T09:30:00Z.</translation>
    </message>
    <message>
        <source>Der Titel</source>
        <translation>The title</translation>
    </message>
    <message>
        <source>Der Fingerabdruck der Aufgabe fehlt.</source>
        <translation>The exercise’s fingerprint is missing.</translation>
    </message>
    <message>
        <source>Eine Abgabe beginnt mit dem Abschnitt [abgabe].</source>
        <translation>A hand-in starts with the section [abgabe].</translation>
    </message>
    <message>
        <source>fingerabdruck erwartet 64 Hexadezimalziffern (0-9, a-f).</source>
        <translation>fingerabdruck expects 64 hexadecimal digits (0-9, a-f).</translation>
    </message>
    <message>
        <source>[abgabe] kennt den Schlüssel %1 nicht (möglich: format, name, klasse, kennung, datum, aufgabe, fingerabdruck).</source>
        <translation>[abgabe] has no key %1 (possible: format, name, klasse, kennung, datum, aufgabe, fingerabdruck).</translation>
    </message>
    <message>
        <source>[abgabe] braucht %1.</source>
        <translation>[abgabe] needs %1.</translation>
    </message>
    <message>
        <source>Einen Abschnitt [%1] gibt es in einer Abgabe nicht (möglich: projekt, antworten).</source>
        <translation>A hand-in has no section [%1] (possible: projekt, antworten).</translation>
    </message>
    <message>
        <source>Die Abgabe enthält weder ein Projekt [projekt] noch Antworten [antworten].</source>
        <translation>The hand-in holds neither a project [projekt] nor answers [antworten].</translation>
    </message>
    <message>
        <source>Mehr als %1 Abgaben auf einmal: Bitte in kleineren Teilen auswerten.</source>
        <translation>More than %1 hand-ins at once: please mark them in smaller parts.</translation>
    </message>
    <message>
        <source>Die Abgabe enthält kein Projekt, die Aufgabe prüft aber eines.</source>
        <translation>The hand-in holds no project, but the exercise checks one.</translation>
    </message>
    <message>
        <source>Die Antworten passen nicht zur Aufgabe: %1</source>
        <translation>The answers do not fit the exercise: %1</translation>
    </message>
    <message>
        <source>nicht lesbar</source>
        <translation>not readable</translation>
    </message>
    <message>
        <source>andere Aufgabe (geprüft: %1)</source>
        <translation>another exercise (checked: %1)</translation>
    </message>
    <message>
        <source>andere Aufgabe</source>
        <translation>another exercise</translation>
    </message>
    <message>
        <source>nicht prüfbar</source>
        <translation>cannot be checked</translation>
    </message>
    <message>
        <source>Abgabe zu einer anderen Aufgabe oder einer anderen Fassung von ihr („%1“).</source>
        <translation>Hand-in for another exercise or another version of it (“%1”).</translation>
    </message>
    <message>
        <source>Dieselbe Schülerin oder derselbe Schüler hat auch %1 abgegeben.</source>
        <translation>The same student also handed in %1.</translation>
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
        <source>von</source>
        <translation>of</translation>
    </message>
    <message>
        <source>Anmerkungen</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>[%1] vergibt keine Punkte für „%2“ (möglich: %3).</source>
        <translation>[%1] gives no points for “%2” (possible: %3).</translation>
    </message>
    <message>
        <source>startpunkte: „ja“ und „nein“ stehen allein.</source>
        <translation>startpunkte: “ja” and “nein” stand alone.</translation>
    </message>
    <message>
        <source>[%1] vergibt Punkte für %2, prüft es aber nicht.</source>
        <translation>[%1] gives points for %2 but does not check it.</translation>
    </message>
    <message>
        <source>fassung nimmt ein Wort: lehrkraft oder schueler.</source>
        <translation>fassung takes one word: lehrkraft or schueler.</translation>
    </message>
    <message>
        <source>variante kennt nur „name“ (die Zahlen nach dem Namen), nicht „%1“.</source>
        <translation>variante knows only “name” (the numbers by the name), not “%1”.</translation>
    </message>
    <message>
        <source>variante = name braucht in a oder b mehrere Werte, aus denen der Name wählt (etwa „a = 1, 1.5, 2, 3“).</source>
        <translation>variante = name needs several values in a or b for the name to choose from (such as “a = 1, 1.5, 2, 3”).</translation>
    </message>
    <message>
        <source>%1 erwartet eine Zahl von %2 bis %3 (mit Dezimalpunkt oder Dezimalkomma), nicht „%4“.</source>
        <translation>%1 expects a number from %2 to %3 (with a decimal point or a decimal comma), not “%4”.</translation>
    </message>
    <message>
        <source>In [%1] steht jede Zeile hinter „|“ (oder ist ein Kommentar).</source>
        <translation>In [%1] every line stands behind “|” (or is a comment).</translation>
    </message>
    <message>
        <source>Das Projekt in [%1] passt nicht: %2</source>
        <translation>The project in [%1] does not fit: %2</translation>
    </message>
    <message>
        <source>Nach dem Ende des Projekts in [%1] steht noch etwas.</source>
        <translation>Something follows the end of the project in [%1].</translation>
    </message>
    <message>
        <source>Die Schülerfassung (fassung = schueler) enthält keinen Text für die Lehrkraft: [lehrkraft.de] und [lehrkraft.en] gehören in die Fassung der Lehrkraft.</source>
        <translation>The students’ copy (fassung = schueler) holds no text for the teacher: [lehrkraft.de] and [lehrkraft.en] belong in the teacher’s copy.</translation>
    </message>
    <message>
        <source>Alle Prüfungen zusammen vergeben %1 Punkte, höchstens %2 gehen in ein Notenbuch.</source>
        <translation>All checks together give %1 points; a gradebook takes at most %2.</translation>
    </message>
    <message>
        <source>regeln_max = %1: Mehr als %2 Regelfelder gibt es nicht, die Prüfung kann nicht fehlschlagen.</source>
        <translation>regeln_max = %1: there are no more than %2 rule cells, so the check cannot fail.</translation>
    </message>
    <message>
        <source>regeln_max = 0, aber [abdeckung] verlangt, dass überall eine Regel feuert: Beides zugleich geht nie.</source>
        <translation>regeln_max = 0, but [abdeckung] asks for a firing rule everywhere: both at once are never possible.</translation>
    </message>
    <message>
        <source>angedockt_min = 0: Auch ein Truck, der nie andockt, erfüllt das.</source>
        <translation>angedockt_min = 0: even a truck that never docks meets it.</translation>
    </message>
    <message>
        <source>strasse_verlassen_max = %1: So viele Starts hat das Raster, die Prüfung kann nicht fehlschlagen.</source>
        <translation>strasse_verlassen_max = %1: the grid has that many starts, so the check cannot fail.</translation>
    </message>
    <message>
        <source>vorzeichenwechsel_max = %1: Eine Fahrt hat höchstens %2 Schritte, die Prüfung kann nicht fehlschlagen.</source>
        <translation>vorzeichenwechsel_max = %1: a run has at most %2 steps, so the check cannot fail.</translation>
    </message>
    <message>
        <source>kraft_im_bereich = ja: Die Terme des Ausgangs sind gesperrt und liegen in seinem Bereich, also bleibt die Kraft immer darin.</source>
        <translation>kraft_im_bereich = ja: the output’s terms are locked and lie within its range, so the force always stays within it.</translation>
    </message>
    <message>
        <source>ruhe_bis = %1 s: Mit höchstens %2 N braucht die Lok mit %3 kg für %4 cm schon mindestens %5 s.</source>
        <translation>ruhe_bis = %1 s: with at most %2 N the locomotive of %3 kg needs at least %5 s for %4 cm.</translation>
    </message>
    <message>
        <source>toleranz = %1: Jeder Grad liegt zwischen 0 und 1, die Antwort 0,5 stimmt bei %2 also immer.</source>
        <translation>toleranz = %1: every degree lies between 0 and 1, so the answer 0.5 is always right at %2.</translation>
    </message>
    <message>
        <source>toleranz_ausgang = %1: Die Mitte des Ausgangsbereichs liegt immer so nah am Ausgang, bei %2 stimmt sie also immer.</source>
        <translation>toleranz_ausgang = %1: the middle of the output range always lies that close to the output, so it is always right at %2.</translation>
    </message>
    <message>
        <source>Vorlage %1</source>
        <translation>Template %1</translation>
    </message>
    <message>
        <source>Bei %1 rechnet die Engine keine endliche Zahl aus (die Ecken des Projekts sind zu groß): Niemand kann diese Rechnung bestehen.</source>
        <translation>At %1 the engine computes no finite number (the project’s corners are too large): nobody can pass this calculation.</translation>
    </message>
    <message>
        <source>Der Hinweis %1 nennt eine Zahl, die eine Antwort ist (%2).</source>
        <translation>The hint %1 states a number that is an answer (%2).</translation>
    </message>
    <message>
        <source>Das Startprojekt besteht die Aufgabe schon: Wer nichts tut, besteht.</source>
        <translation>The starting project passes the exercise already: doing nothing passes.</translation>
    </message>
    <message>
        <source>%1: Die Aufgabe lässt nichts ändern, und das Startprojekt erfüllt es; das bleibt so.</source>
        <translation>%1: the exercise lets nothing change, and the starting project meets it; that stays so.</translation>
    </message>
    <message>
        <source>%1: Die Aufgabe lässt nichts ändern, und das Startprojekt erfüllt es nicht; das bleibt so.</source>
        <translation>%1: the exercise lets nothing change, and the starting project does not meet it; that stays so.</translation>
    </message>
    <message>
        <source>%1: Das Startprojekt erfüllt es schon; es bringt keine Punkte (außer mit startpunkte).</source>
        <translation>%1: the starting project meets it already; it earns no points (unless startpunkte says so).</translation>
    </message>
    <message>
        <source>Keine Musterlösung gefunden (NAME.loesung.fuz oder NAME.loesung.fuzantwort neben der Aufgabe): Ob die Aufgabe lösbar ist, bleibt ungeprüft.</source>
        <translation>No reference solution found (NAME.loesung.fuz or NAME.loesung.fuzantwort beside the exercise): whether the exercise can be solved stays untried.</translation>
    </message>
    <message>
        <source>Die Musterlösung besteht nicht: %1</source>
        <translation>The reference solution does not pass: %1</translation>
    </message>
    <message>
        <source>%1 besteht die Aufgabe unverändert: Wer es lädt und abgibt, besteht. Sperren Sie, was es anders hat (aenderbar), oder ändern Sie das Startprojekt.</source>
        <translation>%1 passes the exercise unchanged: whoever loads it and hands it in passes. Lock what it has different (aenderbar), or change the starting project.</translation>
    </message>
    <message>
        <source>Erst nach mehr als %1 s angedockt: %2</source>
        <translation>Docked only after more than %1 s: %2</translation>
    </message>
    <message>
        <source>Alle [truck]-Abschnitte zusammen nennen mehr als %1 Geschwindigkeiten.</source>
        <translation>All [truck] sections together name more than %1 speeds.</translation>
    </message>
    <message>
        <source>Bei %1 gibt das Startprojekt keine endliche Zahl, so dass keine Antwort stimmen kann: %2</source>
        <translation>At %1 the start project gives no finite number, so no answer can be right: %2</translation>
    </message>
    <message>
        <source>Die Fahrten der Lok bis hier brauchen zusammen mehr als %1 Schritte, mehr rechnet eine Prüfung nicht: weniger massen, größere schritte oder eine kürzere zeit.</source>
        <translation>Up to here the locomotive’s runs take more than %1 steps together, more than a check computes: fewer masses, larger steps or a shorter time.</translation>
    </message>
    <message>
        <source>[%1] kennt den Schlüssel %2 nicht; es gibt: %3.</source>
        <translation>[%1] has no key %2; its keys are: %3.</translation>
    </message>
    <message>
        <source>Bei %1 (A = %2) ergibt die Rechnung nach dem Lehrbuch (Minimum, Maximum, Schwerpunkt der abgeschnittenen Terme) %3, die Prüfung erwartet %4 (skalierte Terme, summierte Flächen): mehr als die Toleranz %5 auseinander. Nennen Sie der Klasse das Verfahren.</source>
        <translation>At %1 (A = %2) the textbook method (minimum, maximum, centroid of the clipped terms) gives %3, while the check expects %4 (scaled terms, summed areas): more than the tolerance %5 apart. Tell the class which method to use.</translation>
    </message>
</context>
<context>
    <name>KernBewertung</name>
    <message>
        <source>nicht vollständig bewertet</source>
        <translation>not fully scored</translation>
    </message>
    <message>
        <source>%1 von %2 bei %3 m/s</source>
        <translation>%1 of %2 at %3 m/s</translation>
    </message>
    <message>
        <source>Ziel erreicht:     %1</source>
        <translation>docked:            %1</translation>
    </message>
    <message>
        <source>Straße verlassen:  %1 Starts (hinten x &lt;= 0 beim Start)</source>
        <translation>left the road:     %1 starts (rear x &lt;= 0 at the start)</translation>
    </message>
    <message>
        <source>angekommen:        %1 von %2</source>
        <translation>arrived:           %1 of %2</translation>
    </message>
    <message>
        <source>größte |x| am Ende: – (kein Lauf angekommen)</source>
        <translation>largest |x| at the end: – (no run arrived)</translation>
    </message>
    <message>
        <source>größte |x| am Ende: %1 m, größte |Lage| am Ende: %2 Grad</source>
        <translation>largest |x| at the end: %1 m, largest |angle| at the end: %2 degrees</translation>
    </message>
    <message>
        <source>gut:               %1 von %2 Läufen (in Ruhe, höchstens %3 cm hinter der Marke, Kraft im Ausgangsbereich)</source>
        <translation>good:              %1 of %2 runs (at rest, at most %3 cm past the mark, force within the output range)</translation>
    </message>
    <message>
        <source>in Ruhe:           %1 von %2 Läufen (|s| &lt; %3 cm, |v| &lt; %3 cm/s; 1, 2, 4 kg; Schritte %4 s und %5 s)</source>
        <translation>at rest:           %1 of %2 runs (|s| &lt; %3 cm, |v| &lt; %3 cm/s; 1, 2, 4 kg; steps %4 s and %5 s)</translation>
    </message>
    <message>
        <source>Kraftwechsel:      höchstens %1 Vorzeichenwechsel in einem Lauf</source>
        <translation>force reversals:   at most %1 sign changes in one run</translation>
    </message>
    <message>
        <source>%1 (%2 über %3 je Lauf)</source>
        <translation>%1 (%2 above %3 per run)</translation>
    </message>
    <message>
        <source>spätestens ab:     – (kein Lauf kommt zur Ruhe)</source>
        <translation>at rest by:        – (no run comes to rest)</translation>
    </message>
    <message>
        <source>spätestens ab:     t = %1 s</source>
        <translation>at rest by:        t = %1 s</translation>
    </message>
    <message>
        <source>ohne Regel:        keine Stelle der Eingangsbereiche</source>
        <translation>no rule:           nowhere in the input ranges</translation>
    </message>
    <message>
        <source>ohne Regel:        %1 Stücke der Eingangsbereiche, dort fällt der Ausgang auf den Bereichsanfang</source>
        <translation>no rule:           %1 regions of the inputs, where the output drops to the start of its range</translation>
    </message>
    <message>
        <source>Ziel erreicht %1 von %2, Straße verlassen %3</source>
        <translation>docked %1 of %2, left the road %3</translation>
    </message>
    <message>
        <source>gut %1 von %2, in Ruhe %3, spätestens ab %4 s</source>
        <translation>good %1 of %2, at rest %3, at rest by %4 s</translation>
    </message>
    <message>
        <source>%1, %2 Stücke ohne Regel</source>
        <translation>%1, %2 pieces without a rule</translation>
    </message>
    <message>
        <source>Eingang A und/oder Ausgang (noch) nicht definiert!</source>
        <translation>Input A and/or the output not defined (yet)!</translation>
    </message>
    <message>
        <source>Kein (geeignetes) Fuzzyprojekt vorhanden (Eingang A, Eingang B und Ausgang müssen definiert sein).</source>
        <translation>No (suitable) fuzzy project loaded (input A, input B and the output must be defined).</translation>
    </message>
    <message>
        <source>spätestens ab:     t = %1 s (von den Läufen in Ruhe; nie in Ruhe: %2)</source>
        <translation>at rest by:        t = %1 s (of the runs at rest; never at rest: %2)</translation>
    </message>
    <message>
        <source>im Mittel ab:      t = %1 s</source>
        <translation>on average by:     t = %1 s</translation>
    </message>
    <message>
        <source>am Ende:           %1 von der Ruhe entfernt (|s| in cm und |v| in cm/s, über die Läufe summiert)</source>
        <translation>at the end:        %1 from rest (|s| in cm and |v| in cm/s, summed over the runs)</translation>
    </message>
    <message>
        <source>gut %1 von %2, keiner in Ruhe</source>
        <translation>good %1 of %2, none at rest</translation>
    </message>
    <message>
        <source>%1 %2 statt %3 (%4 mehr)</source>
        <translation>%1 %2 instead of %3 (%4 more)</translation>
    </message>
    <message>
        <source>%1 %2 statt %3 (%4 weniger)</source>
        <translation>%1 %2 instead of %3 (%4 fewer)</translation>
    </message>
    <message>
        <source>Stücke ohne Regel</source>
        <translation>pieces without a rule</translation>
    </message>
    <message>
        <source>Starts am Ziel bei %1 m/s %2 statt %3 (%4 mehr)</source>
        <translation>starts docked at %1 m/s %2 instead of %3 (%4 more)</translation>
    </message>
    <message>
        <source>Starts am Ziel bei %1 m/s %2 statt %3 (%4 weniger)</source>
        <translation>starts docked at %1 m/s %2 instead of %3 (%4 fewer)</translation>
    </message>
    <message>
        <source>Starts von der Straße</source>
        <translation>starts off the road</translation>
    </message>
    <message>
        <source>größte |x| am Ende %1 statt %2 m</source>
        <translation>largest |x| at the end %1 instead of %2 m</translation>
    </message>
    <message>
        <source>größte |Lage| am Ende %1 statt %2 Grad</source>
        <translation>largest |angle| at the end %1 instead of %2 degrees</translation>
    </message>
    <message>
        <source>angekommene Starts</source>
        <translation>starts arrived</translation>
    </message>
    <message>
        <source>gute Läufe</source>
        <translation>good runs</translation>
    </message>
    <message>
        <source>Läufe in Ruhe</source>
        <translation>runs at rest</translation>
    </message>
    <message>
        <source>Kraftwechsel über 8 je Lauf</source>
        <translation>force reversals above 8 per run</translation>
    </message>
    <message>
        <source>spätestens in Ruhe ab %1 statt %2 s</source>
        <translation>at rest by %1 instead of %2 s</translation>
    </message>
    <message>
        <source>im Mittel in Ruhe ab %1 statt %2 s</source>
        <translation>at rest on average by %1 instead of %2 s</translation>
    </message>
    <message>
        <source>Überschwingen %1 statt %2 cm</source>
        <translation>overshoot %1 instead of %2 cm</translation>
    </message>
    <message>
        <source>am Ende %1 statt %2 von der Ruhe entfernt</source>
        <translation>%1 instead of %2 from rest at the end</translation>
    </message>
    <message>
        <source>Vorzeichenwechsel in einem Lauf höchstens</source>
        <translation>sign changes in one run at most</translation>
    </message>
    <message>
        <source>Läufe mit Kraft außerhalb des Ausgangsbereichs</source>
        <translation>runs with the force outside the output range</translation>
    </message>
    <message>
        <source>Besser: %1.</source>
        <translation>Better: %1.</translation>
    </message>
    <message>
        <source>Schlechter: %1.</source>
        <translation>Worse: %1.</translation>
    </message>
    <message>
        <source>Dafür schlechter: %1.</source>
        <translation>Worse on the way: %1.</translation>
    </message>
    <message>
        <source>Überschwingen:     %1 cm hinter der Marke</source>
        <translation>overshoot:         %1 cm past the mark</translation>
    </message>
</context>
<context>
    <name>KernDatei</name>
    <message>
        <source>Termindex zu hoch</source>
        <translation>Term index too high</translation>
    </message>
    <message>
        <source>Daten konnten nicht gelesen werden!</source>
        <translation>The data could not be read!</translation>
    </message>
    <message>
        <source>Beim Öffnen der Datei ist ein Fehler aufgetreten. Prüfen Sie nach, ob es sich um eine Fuzzy-Datei handelt!</source>
        <translation>An error occurred while opening the file. Please check whether it is a fuzzy file!</translation>
    </message>
    <message>
        <source>Die Datei %1 ist keine gewöhnliche Datei (ein Gerät oder eine Pipe) und wird nicht gelesen.</source>
        <translation>The file %1 is not a regular file (a device or a pipe) and is not read.</translation>
    </message>
    <message>
        <source>Die Datei %1 ist ein Ordner.</source>
        <translation>The file %1 is a folder.</translation>
    </message>
    <message>
        <source>Die Datei %1 ist größer als %2 MB; so groß ist kein Fuzzy-Projekt, sie wird nicht gelesen.</source>
        <translation>The file %1 is larger than %2 MB; no fuzzy project is that large, it is not read.</translation>
    </message>
    <message>
        <source>„%1“</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>Die Datei %1 gibt es nicht.</source>
        <translation>The file %1 does not exist.</translation>
    </message>
    <message>
        <source>Die Datei %1 darf nicht gelesen werden (keine Berechtigung).</source>
        <translation>The file %1 may not be read (no permission).</translation>
    </message>
    <message>
        <source>Die Datei %1 lässt sich nicht öffnen.</source>
        <translation>The file %1 cannot be opened.</translation>
    </message>
</context>
<context>
    <name>KernFehler</name>
    <message>
        <source>Zeile %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>E/A-Fehler %1</source>
        <translation>I/O error %1</translation>
    </message>
</context>
<context>
    <name>KernHinweise</name>
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
        <source>knapp über 0</source>
        <translation>just above 0</translation>
    </message>
    <message>
        <source>knapp unter 0</source>
        <translation>just below 0</translation>
    </message>
    <message>
        <source>von %1 bis %2</source>
        <translation>from %1 to %2</translation>
    </message>
    <message>
        <source>von %1 bis unter %2</source>
        <translation>from %1 to below %2</translation>
    </message>
    <message>
        <source>über %1 bis %2</source>
        <translation>above %1 up to %2</translation>
    </message>
    <message>
        <source>über %1 bis unter %2</source>
        <translation>above %1 to below %2</translation>
    </message>
    <message>
        <source>%1 (genau: %2)</source>
        <translation>%1 (exactly: %2)</translation>
    </message>
    <message>
        <source>der Ausgang</source>
        <translation>the output</translation>
    </message>
    <message>
        <source>%1 fällt auf %2 (Bereichsanfang).</source>
        <translation>%1 falls to %2 (the start of its range).</translation>
    </message>
    <message>
        <source>%1, Term %2 „%3“</source>
        <translation>%1, term %2 “%3”</translation>
    </message>
    <message>
        <source>Term %1</source>
        <translation>term %1</translation>
    </message>
    <message>
        <source>%1, Zeile %2</source>
        <translation>%1, row %2</translation>
    </message>
    <message>
        <source>%1 und %2</source>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>%1 und %2 weitere Zelle</source>
        <translation>%1 and %2 more cell</translation>
    </message>
    <message>
        <source>%1 und %2 weitere Zellen</source>
        <translation>%1 and %2 more cells</translation>
    </message>
    <message>
        <source>keine Zahl</source>
        <translation>not a number</translation>
    </message>
    <message>
        <source>unendlich</source>
        <translation>infinity</translation>
    </message>
    <message>
        <source>Für keinen Eingangswert feuert eine Regel</source>
        <translation>No rule fires for any input value</translation>
    </message>
    <message>
        <source>Bei %1 feuert keine Regel</source>
        <translation>No rule fires at %1</translation>
    </message>
    <message>
        <source>%1 und keiner von %2</source>
        <translation>%1 or of %2</translation>
    </message>
    <message>
        <source>dort ist kein Term von %1 größer als 0</source>
        <translation>no term of %1 is greater than 0 there</translation>
    </message>
    <message>
        <source>im Bereich ist kein Term von %1 größer als 0</source>
        <translation>no term of %1 is greater than 0 anywhere in the range</translation>
    </message>
    <message>
        <source>dort ist stellenweise kein Term von %1 größer als 0</source>
        <translation>there, in places, no term of %1 is greater than 0</translation>
    </message>
    <message>
        <source>im Bereich ist stellenweise kein Term von %1 größer als 0</source>
        <translation>in parts of the range no term of %1 is greater than 0</translation>
    </message>
    <message>
        <source>für %1 gibt es keine wirksame Regel</source>
        <translation>there is no working rule for %1</translation>
    </message>
    <message>
        <source>%1, und %2</source>
        <translation>%1, and %2</translation>
    </message>
    <message>
        <source>%1, denn %2: %3</source>
        <translation>%1, because %2: %3</translation>
    </message>
    <message>
        <source>Bei %1 feuert keine Regel: %2</source>
        <translation>No rule fires at %1: %2</translation>
    </message>
    <message>
        <source>Eingang A ist nicht definiert; keine Regel kann wirken.</source>
        <translation>Input A is not defined; no rule can take effect.</translation>
    </message>
    <message>
        <source>Der Ausgang ist nicht definiert.</source>
        <translation>The output is not defined.</translation>
    </message>
    <message>
        <source>%1: Der Bereich beginnt nicht unterhalb seines Endes.</source>
        <translation>%1: The range does not begin below its end.</translation>
    </message>
    <message>
        <source>%1: Der Bereich ist breiter als die größte Zahl einfacher Genauigkeit; Schritte über ihn werden unendlich.</source>
        <translation>%1: The range is wider than the largest single-precision number; steps across it become infinite.</translation>
    </message>
    <message>
        <source>%1: Bereich oder Ecken reichen über ±%2 hinaus; so große Zahlen lassen den Schwerpunkt in einfacher Genauigkeit überlaufen, das Ergebnis ist dann keine Zahl.</source>
        <translation>%1: The range or the corners reach beyond ±%2; numbers this large make the centroid overflow in single precision, and the result is then not a number.</translation>
    </message>
    <message>
        <source>%1: Die Ecken a ≤ b ≤ c ≤ d sind nicht in Ordnung.</source>
        <translation>%1: The corners are not in the order a ≤ b ≤ c ≤ d.</translation>
    </message>
    <message>
        <source>%1: Die Höhe h liegt nicht zwischen 0 und 1.</source>
        <translation>%1: The height h is not between 0 and 1.</translation>
    </message>
    <message>
        <source>%1: Der Term liegt ganz außerhalb des Bereichs.</source>
        <translation>%1: The term lies entirely outside the range.</translation>
    </message>
    <message>
        <source>%1: Bei %2 ist kein Term größer als 0.</source>
        <translation>%1: At %2 no term is greater than 0.</translation>
    </message>
    <message>
        <source>Regel %1</source>
        <translation>Rule %1</translation>
    </message>
    <message>
        <source>Eingang A hat keinen Term %1</source>
        <translation>input A has no term %1</translation>
    </message>
    <message>
        <source>Eingang B hat keinen Term %1</source>
        <translation>input B has no term %1</translation>
    </message>
    <message>
        <source>ohne Eingang B gilt nur die erste Zeile der Tabelle</source>
        <translation>without input B only the first row of the table applies</translation>
    </message>
    <message>
        <source>%1 (Ausgangsterm %2) wird nie ausgewertet: %3.</source>
        <translation>%1 (output term %2) is never evaluated: %3.</translation>
    </message>
    <message>
        <source>%1: Der Ausgang hat keinen Term %2; die Regel wirkt nicht.</source>
        <translation>%1: The output has no term %2; the rule has no effect.</translation>
    </message>
    <message>
        <source>%1: Die Regel kann nie feuern, weil %2 im Bereich nirgends größer als 0 ist.</source>
        <translation>%1: The rule can never fire, because %2 is greater than 0 nowhere in its range.</translation>
    </message>
    <message>
        <source>Term „%1“ von Eingang A</source>
        <translation>term “%1” of input A</translation>
    </message>
    <message>
        <source>Term „%1“ von Eingang B</source>
        <translation>term “%1” of input B</translation>
    </message>
    <message>
        <source>Es gibt noch keine Regel; der Ausgang bleibt immer am unteren Ende seines Bereichs.</source>
        <translation>There is no rule yet; the output always stays at the lower end of its range.</translation>
    </message>
    <message>
        <source>%1: Keine Regel verwendet diesen Term.</source>
        <translation>%1: No rule uses this term.</translation>
    </message>
    <message>
        <source>die Schwerpunktrechnung des Ausgangs läuft in einfacher Genauigkeit über.</source>
        <translation>the centroid of the output overflows in single precision.</translation>
    </message>
</context>
<context>
    <name>KernLok</name>
    <message>
        <source>Die Masse muss größer als 0 sein.</source>
        <translation>The mass must be greater than 0.</translation>
    </message>
    <message>
        <source>Der Abstand darf nicht 0 sein.</source>
        <translation>The distance must not be 0.</translation>
    </message>
</context>
<context>
    <name>KernMeldungen</name>
    <message>
        <source>Warnung: %1</source>
        <translation>Warning: %1</translation>
    </message>
    <message>
        <source>Fehler: %1</source>
        <translation>Error: %1</translation>
    </message>
</context>
<context>
    <name>KernOptimierer</name>
    <message>
        <source>Felder, die keine Fahrt erreicht, nur geändert, damit die Tabelle monoton bleibt: %1.</source>
        <translation>Cells that no run reaches, changed only to keep the table monotone: %1.</translation>
    </message>
    <message>
        <source>Felder, die keine Fahrt erreicht, haben eine Regel bekommen, weil sie leer waren: %1.</source>
        <translation>Cells that no run reaches were given a rule because they were empty: %1.</translation>
    </message>
</context>
<context>
    <name>KernPruefung</name>
    <message>
        <source>„%1“</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>eine leere Zeile</source>
        <translation>an empty line</translation>
    </message>
    <message>
        <source>Eingang A</source>
        <translation>input A</translation>
    </message>
    <message>
        <source>Eingang B</source>
        <translation>input B</translation>
    </message>
    <message>
        <source>Ausgang</source>
        <translation>the output</translation>
    </message>
    <message>
        <source>die Regel in Zeile %1, Spalte %2 der Regeltabelle (eine ganze Zahl)</source>
        <translation>the rule in row %1, column %2 of the rule table (a whole number)</translation>
    </message>
    <message>
        <source>das Dateiende</source>
        <translation>the end of the file</translation>
    </message>
    <message>
        <source>%1 im Zahlenbereich einfacher Genauigkeit</source>
        <translation>%1 within the limits of single precision</translation>
    </message>
    <message>
        <source>die Zahl der Terme von %1 (eine ganze Zahl)</source>
        <translation>the number of terms of %1 (a whole number)</translation>
    </message>
    <message>
        <source>höchstens 5 Terme für %1</source>
        <translation>at most 5 terms for %1</translation>
    </message>
    <message>
        <source>der Bereichsanfang von %1</source>
        <translation>the start of the range of %1</translation>
    </message>
    <message>
        <source>das Bereichsende von %1</source>
        <translation>the end of the range of %1</translation>
    </message>
    <message>
        <source>der Name von Term %1 von %2</source>
        <translation>the name of term %1 of %2</translation>
    </message>
    <message>
        <source>der Wert %1 von Term %2 von %3</source>
        <translation>the value %1 of term %2 of %3</translation>
    </message>
    <message>
        <source>Zeile %1: erwartet wird %2, gefunden: %3.</source>
        <translation>Line %1: expected %2, found: %3.</translation>
    </message>
    <message>
        <source>eine Zeile mit mehr als %1 Zeichen</source>
        <translation>a line of more than %1 characters</translation>
    </message>
    <message>
        <source>der Name von %1 (leer, wenn es ihn nicht gibt)</source>
        <translation>the name of %1 (empty if there is none)</translation>
    </message>
    <message>
        <source>%1 ist keine Zahl und wird als 0 gelesen (%2).</source>
        <translation>%1 is not a number and is read as 0 (%2).</translation>
    </message>
    <message>
        <source>Zeile %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
</context>
<context>
    <name>KernSpeichern</name>
    <message>
        <source>keine Berechtigung zum Schreiben</source>
        <translation>no permission to write</translation>
    </message>
    <message>
        <source>der Datenträger ist schreibgeschützt</source>
        <translation>the drive is write-protected</translation>
    </message>
    <message>
        <source>kein Platz mehr auf dem Datenträger</source>
        <translation>no space left on the drive</translation>
    </message>
    <message>
        <source>der Ordner existiert nicht</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>unter diesem Namen steht ein Ordner</source>
        <translation>there is a folder of this name</translation>
    </message>
    <message>
        <source>der Name ist zu lang</source>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>Ein-/Ausgabefehler des Datenträgers</source>
        <translation>input/output error on the drive</translation>
    </message>
    <message>
        <source>Systemfehler %1</source>
        <translation>system error %1</translation>
    </message>
    <message>
        <source>Die Datei „%1“ konnte nicht gespeichert werden: %2.</source>
        <translation>The file “%1” could not be saved: %2.</translation>
    </message>
    <message>
        <source>Die Datei „%1“ ist die Eingabedatei selbst; sie wird nicht überschrieben.</source>
        <translation>The file “%1” is the input file itself; it is not overwritten.</translation>
    </message>
    <message>
        <source>%1 „%2“ enthält ein Zeichen, das eine Fuzzy-Datei nicht aufnehmen kann.</source>
        <translation>%1 “%2” contains a character that a fuzzy file cannot hold.</translation>
    </message>
    <message>
        <source>%1 „%2“ enthält das Zeichen „%3“, das eine Fuzzy-Datei nicht aufnehmen kann.</source>
        <translation>%1 “%2” contains the character “%3”, which a fuzzy file cannot hold.</translation>
    </message>
    <message>
        <source>%1 „%2“ enthält einen Zeilenumbruch oder ein Steuerzeichen, das eine Fuzzy-Datei nicht aufnehmen kann.</source>
        <translation>%1 “%2” contains a line break or a control character, which a fuzzy file cannot hold.</translation>
    </message>
    <message>
        <source>%1 ist keine endliche Zahl.</source>
        <translation>%1 is not a finite number.</translation>
    </message>
    <message>
        <source>%1 hat keinen Namen.</source>
        <translation>%1 has no name.</translation>
    </message>
    <message>
        <source>Der Name von %1</source>
        <translation>The name of %1</translation>
    </message>
    <message>
        <source>%1 hat mehr als fünf Terme.</source>
        <translation>%1 has more than five terms.</translation>
    </message>
    <message>
        <source>%1: der Anfang des Bereichs</source>
        <translation>%1: the start of the range</translation>
    </message>
    <message>
        <source>%1: das Ende des Bereichs</source>
        <translation>%1: the end of the range</translation>
    </message>
    <message>
        <source>%1, Term %2</source>
        <translation>%1, term %2</translation>
    </message>
    <message>
        <source>Eine Zahl, die keine endliche Zahl ist, kann nicht gespeichert werden.</source>
        <translation>A number that is not finite cannot be saved.</translation>
    </message>
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
        <source>zu viele symbolische Verweise hintereinander</source>
        <translation>too many symbolic links in a row</translation>
    </message>
    <message>
        <source>kein Programm liest aus der Pipe</source>
        <translation>no program reads from the pipe</translation>
    </message>
    <message>
        <source>das lesende Programm hat vor dem Ende aufgehört</source>
        <translation>the reading program stopped before the end</translation>
    </message>
    <message>
        <source>Unter dem Namen „%1“ steht weder eine gewöhnliche Datei noch ein Gerät oder eine Pipe; dort wird nichts gespeichert.</source>
        <translation>Under the name “%1” there is neither a regular file nor a device or a pipe; nothing is saved there.</translation>
    </message>
    <message>
        <source>„%1“ und „%2“ sind dieselbe Datei; sie kann nicht beides aufnehmen.</source>
        <translation>“%1” and “%2” are the same file; it cannot hold both.</translation>
    </message>
    <message>
        <source>%1 ist länger als %2 Zeichen; so lange Namen liest kein Programm.</source>
        <translation>%1 is longer than %2 characters; no program reads names that long.</translation>
    </message>
</context>
<context>
    <name>KernVorlagen</name>
    <message>
        <source>negativ groß</source>
        <translation>negative large</translation>
    </message>
    <message>
        <source>negativ klein</source>
        <translation>negative small</translation>
    </message>
    <message>
        <source>null</source>
        <translation>zero</translation>
    </message>
    <message>
        <source>positiv klein</source>
        <translation>positive small</translation>
    </message>
    <message>
        <source>positiv groß</source>
        <translation>positive large</translation>
    </message>
    <message>
        <source>negativ</source>
        <translation>negative</translation>
    </message>
    <message>
        <source>positiv</source>
        <translation>positive</translation>
    </message>
    <message>
        <source>Eingang A</source>
        <translation>Input A</translation>
    </message>
    <message>
        <source>Ausgang</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>Abstand in m</source>
        <translation>Distance in m</translation>
    </message>
    <message>
        <source>Lage in °</source>
        <translation>Angle in °</translation>
    </message>
    <message>
        <source>Lenkwinkel in °</source>
        <translation>Steering angle in °</translation>
    </message>
    <message>
        <source>rechts stark</source>
        <translation>right hard</translation>
    </message>
    <message>
        <source>rechts</source>
        <translation>right</translation>
    </message>
    <message>
        <source>geradeaus</source>
        <translation>straight</translation>
    </message>
    <message>
        <source>links</source>
        <translation>left</translation>
    </message>
    <message>
        <source>links stark</source>
        <translation>left hard</translation>
    </message>
    <message>
        <source>Abstand in cm</source>
        <translation>Distance in cm</translation>
    </message>
    <message>
        <source>Geschwindigkeit in cm/s</source>
        <translation>Velocity in cm/s</translation>
    </message>
    <message>
        <source>Kraft in N</source>
        <translation>Force in N</translation>
    </message>
    <message>
        <source>hinter der Marke</source>
        <translation>behind the mark</translation>
    </message>
    <message>
        <source>an der Marke</source>
        <translation>at the mark</translation>
    </message>
    <message>
        <source>nah</source>
        <translation>near</translation>
    </message>
    <message>
        <source>mittel</source>
        <translation>medium</translation>
    </message>
    <message>
        <source>weit</source>
        <translation>far</translation>
    </message>
    <message>
        <source>schnell heran</source>
        <translation>fast towards</translation>
    </message>
    <message>
        <source>heran</source>
        <translation>towards</translation>
    </message>
    <message>
        <source>langsam heran</source>
        <translation>slowly towards</translation>
    </message>
    <message>
        <source>zurück</source>
        <translation>away</translation>
    </message>
</context>
<context>
    <name>KernWerkstatt</name>
    <message>
        <source>Der Name darf nicht leer sein.</source>
        <translation>The name must not be empty.</translation>
    </message>
    <message>
        <source>Der Name muss in eine Zeile passen.</source>
        <translation>The name must fit on one line.</translation>
    </message>
    <message>
        <source>Der Name enthält das Zeichen „%1“, das eine Projektdatei nicht speichern kann.</source>
        <translation>The name contains the character “%1”, which a project file cannot store.</translation>
    </message>
</context>
<context>
    <name>fuzzysim</name>
    <message>
        <source>Der Wert von %1 ist keine Zahl: %2</source>
        <translation>The value of %1 is not a number: %2</translation>
    </message>
</context>
<context>
    <name>fuzzysim loco</name>
    <message>
        <source>%1 erwartet %2 von %3 bis %4, gefunden: %5.</source>
        <translation>%1 expects %2 from %3 to %4, found: %5.</translation>
    </message>
    <message>
        <source>%1 erwartet %2 von %3 bis %4, nicht 0, gefunden: %5.</source>
        <translation>%1 expects %2 from %3 to %4, not 0, found: %5.</translation>
    </message>
    <message>
        <source>einen Zeitschritt in s</source>
        <translation>a time step in s</translation>
    </message>
    <message>
        <source>eine Masse in kg</source>
        <translation>a mass in kg</translation>
    </message>
    <message>
        <source>eine Reibung in N*s/m</source>
        <translation>a friction in N*s/m</translation>
    </message>
    <message>
        <source>einen Abstand in cm</source>
        <translation>a distance in cm</translation>
    </message>
    <message>
        <source>eine Dauer in s</source>
        <translation>a duration in s</translation>
    </message>
    <message>
        <source>Der Wert von %1 muss größer als 0 sein.</source>
        <translation>The value of %1 must be greater than 0.</translation>
    </message>
    <message>
        <source>Zu viele Schritte: --time geteilt durch --dt darf 2000000 nicht übersteigen.</source>
        <translation>Too many steps: --time divided by --dt must not exceed 2000000.</translation>
    </message>
</context>
<context>
    <name>fuzzysim truck</name>
    <message>
        <source>Straße verlassen</source>
        <translation>left the road</translation>
    </message>
    <message>
        <source>gut</source>
        <translation>good</translation>
    </message>
    <message>
        <source>gut, Straße kurz verlassen</source>
        <translation>good, briefly left the road</translation>
    </message>
    <message>
        <source>ungenau</source>
        <translation>inexact</translation>
    </message>
    <message>
        <source>nicht angekommen</source>
        <translation>not arrived</translation>
    </message>
</context>
<context>
    <name>lab</name>
    <message>
        <source>Eingang A, Eingang B und Ausgang müssen definiert sein.</source>
        <translation>Input A, input B and the output must be defined.</translation>
    </message>
    <message>
        <source>gut, aber langsam</source>
        <translation>good, but slow</translation>
    </message>
</context>
</TS>
