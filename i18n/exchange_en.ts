<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>Import</name>
    <message>
        <source>Die Datei %1 gibt es nicht.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gelesen werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei %1 darf nicht gelesen werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geöffnet werden (Systemfehler %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei %1 ist ein Ordner.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei %1 ist keine gewöhnliche Datei (ein Gerät oder eine Pipe) und wird nicht gelesen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei %1 ist größer als %2 MB; so groß ist kein Fuzzy-System, sie wird nicht gelesen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht gelesen werden (Systemfehler %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„%1“</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eine Regel beginnt mit „if“.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regelgewichte gibt es hier nur am Ende der Regel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nach der Bedingung wird „then“ erwartet, gefunden: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nach der Bedingung wird „then“ erwartet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Regel nennt zwei Ausgangsterme; hier führt jede Regel zu genau einem.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nach „with“ wird ein Gewicht erwartet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regelgewicht %1: dieses Programm kennt nur Regeln mit Gewicht 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unerwartetes %1 am Ende der Regel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Bedingung ist tiefer als %1 Klammerebenen verschachtelt; so tief liest dieses Programm nicht.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Es fehlt eine schließende Klammer, gefunden: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Es fehlt eine schließende Klammer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verneinung („not“) gibt es in diesem Programm nicht.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nach „then“ wird ein Variablenname erwartet, gefunden: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nach „then“ wird ein Variablenname erwartet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In der Bedingung wird ein Variablenname erwartet, gefunden: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In der Bedingung wird ein Variablenname erwartet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nach %1 wird „is“ erwartet, gefunden: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nach %1 wird „is“ erwartet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modifizierer %1 gibt es in diesem Programm nicht.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nach „is“ wird ein Termname erwartet, gefunden: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nach „is“ wird ein Termname erwartet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„or“ innerhalb einer „and“-Verknüpfung passt nicht: hier verbindet „or“ nur ganze Regelzellen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eine Zahl des Terms %1 liegt außerhalb des Zahlenbereichs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Bereich liegt außerhalb des Zahlenbereichs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Term %1 (%2) braucht 4 Zahlen (a, b, c, d) und wahlweise eine Höhe, gefunden: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Term %1 (%2) braucht 3 Zahlen (a, b, c) und wahlweise eine Höhe, gefunden: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Term %1 (%2) braucht 2 Zahlen (Anfang, Ende) und wahlweise eine Höhe, gefunden: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Term %1 ist vom Typ %2; dieses Programm kennt nur Trapez, Dreieck und Rechteck.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Name der Variablen ist leer; hier braucht jeder Name mindestens ein Zeichen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Name der Variablen %1 enthält ein Zeichen, das eine Fuzzy-Datei nicht aufnehmen kann.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Name des Terms ist leer; hier braucht jeder Name mindestens ein Zeichen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Name des Terms %1 enthält ein Zeichen, das eine Fuzzy-Datei nicht aufnehmen kann.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Variable %1 hat keine Terme; hier braucht jede Variable mindestens einen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ein sechster Term (%1) von %2 passt nicht: dieses Programm hat höchstens fünf Terme je Variable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Bereichsanfang liegt außerhalb des Zahlenbereichs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Bereichsende liegt außerhalb des Zahlenbereichs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 hat keinen Term %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ist nicht der Ausgang %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Oder-Verknüpfung ist nicht das Maximum; Regelzellen werden hier mit dem Maximum verodert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ist kein Eingang.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Regel nennt %1 zweimal in einer Regelzelle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oder-Verknüpfung („or“) einzelner Bedingungen passt nicht: jede Regelzelle nennt je Eingang einen Term, mit „and“ verbunden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Regel nennt nicht jeden Eingang; hier nennt jede Regel je Eingang genau einen Term.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Regelzelle ist schon dem Ausgangsterm %1 zugeordnet (Zeile %2); eine Zelle führt hier zu genau einem Term.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei definiert keinen Eingang.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ein dritter Eingang (%1) passt nicht: dieses Programm hat höchstens zwei Eingänge.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei definiert keinen Ausgang.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ein zweiter Ausgang (%1) passt nicht: dieses Programm hat genau einen Ausgang.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ein Kommentar %1 wird nicht geschlossen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erwartet wird ein Block (VAR_INPUT, FUZZIFY, DEFUZZIFY, RULEBLOCK), gefunden: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dateiende</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erwartet wird %1, gefunden: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ist nicht als %2 erklärt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erwartet wird ein Variablenname, gefunden: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erwartet wird eine Methode, gefunden: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erwartet wird eine Zahl, gefunden: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erwartet wird der Bereichsanfang, gefunden: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erwartet wird das Bereichsende, gefunden: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erwartet wird TERM oder %1, gefunden: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erwartet wird ein Termname, gefunden: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Punktliste von %1 hat mehr als 64 Punkte; ein Trapez braucht vier.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erwartet wird ein Termtyp, gefunden: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Punktliste von %1 ist kein Trapez, Dreieck oder Rechteck (Zugehörigkeit 0, h, h, 0).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Und-Verknüpfung ist %1; dieses Programm rechnet „and“ mit dem Minimum.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erwartet wird die Nummer der Regel, gefunden: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erwartet wird RULE oder END_RULEBLOCK, gefunden: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In der Regel ist %1 keine Zahl.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In den Bereich ist %1 keine Zahl.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erwartet wird eine Zahlenliste in eckigen Klammern für den Bereich.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In den Term %2 ist %1 keine Zahl.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erwartet wird eine Zahlenliste in eckigen Klammern für den Term %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Regel nennt Term %1 von %2, der nur %3 Term hat.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Regel nennt Term %1 von %2, der nur %3 Terme hat.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erwartet wird eine Regel der Form „1 2, 3 (1) : 1“.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Regel nennt nicht je Eingang und Ausgang eine Zahl, ein Gewicht und eine Verknüpfung.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verneinung (negative Termnummer) gibt es in diesem Programm nicht.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modifizierer (Termnummer %1) gibt es in diesem Programm nicht.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Regel nennt keinen Ausgangsterm.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unbekannter Abschnitt %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erwartet wird „Schlüssel=Wert“, gefunden: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erwartet wird der Abschnitt „[System]“.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Typ %1 passt nicht: dieses Programm rechnet wie ein Mamdani-System.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Und-Verknüpfung heißt in FIS %1, nicht %2 (Groß- und Kleinschreibung zählt).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Bereich braucht zwei Zahlen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erwartet wird ein Term der Form „&apos;name&apos;:&apos;trapmf&apos;,[a b c d]“.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das ist keine FIS-Datei: der Abschnitt „[System]“ fehlt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Term %1 (Ramp) braucht zwei Zahlen (Anfang, Ende) und wahlweise eine Höhe.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Term %1 (Ramp) hat Anfang und Ende am selben Punkt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erwartet wird „Schlüssel: Wert“, gefunden: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nach %1 wird ein Name erwartet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erwartet wird „Engine:“, gefunden: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ein Term braucht einen Namen und einen Typ.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Im Term %1 ist %2 keine Zahl.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FLL schreibt die Und-Verknüpfung %1 als %2 (Groß- und Kleinschreibung zählt).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das ist keine FLL-Datei: „Engine:“ fehlt.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Importhinweis</name>
    <message>
        <source>Feuert keine Regel, liefert dieses Programm den Bereichsanfang %1, nicht den Vorgabewert %2 der Datei.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; der Ausgang weicht dadurch auf %2 Eingaben um höchstens %3 ab.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Implikation %1 wird hier als Produkt gerechnet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Terme des Ausgangs werden hier summiert, nicht mit %1 zusammengefasst.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Ausgang wird hier mit dem Schwerpunkt berechnet, nicht mit %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Terme des Ausgangs werden hier je Term mit dem Maximum seiner Regeln skaliert und summiert, nicht mit %1 zusammengefasst.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feuert keine Regel, liefert %1 hier den Bereichsanfang, nicht %2 (keine Zahl) wie in der Datei.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
