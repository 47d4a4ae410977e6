<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>THilfeForm</name>
    <message>
        <source>Fuzzy-Werkstatt – Kurzanleitung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TInfoForm</name>
    <message>
        <source>Über die Fuzzy-Werkstatt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h2&gt;Fuzzy-Werkstatt&lt;/h2&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuzzy-Projekte bauen, speichern und verstehen: Terme der beiden Eingänge und des Ausgangs, die Regeltabelle und Hinweise auf wahrscheinliche Fehler. Die Projekte (*.fuz) laufen in Dorvane (Truck) und Pemrak (Lok).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Fuzzy-Werkstatt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eingang &amp;A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Eingang B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aus&amp;gang</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Regeln</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hin&amp;weise (ein Klick zeigt die Stelle):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Neu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Zuletzt geöffnet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Leeres Projekt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vorlage &amp;Truck (Dorvane)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vorlage &amp;Lok (Pemrak)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ö&amp;ffnen…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speichern &amp;unter…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Shift+S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Importieren (FLL, FIS, FCL)…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xportieren (FLL, FIS, FCL, C)…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D&amp;rucken…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Als PD&amp;F speichern…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regeln &amp;verbessern…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In &amp;Dorvane öffnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In &amp;Pemrak öffnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rückgängig</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Wiederholen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Kurzanleitung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ü&amp;ber die Fuzzy-Werkstatt…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TRegelSeite</name>
    <message>
        <source>Jede Zelle ist eine Regel: WENN Eingang A im Term der Spalte UND Eingang B im Term der Zeile, DANN Ausgang im eingetragenen Term.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spalten: Eingang A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeilen: Eingang B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ausgangsterm der gewählten Zelle:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zelle anklicken, dann den Ausgangsterm in der Liste wählen. Tastatur im Raster: Pfeiltasten wählen die Zelle, 1 bis 5 setzen den Ausgangsterm, 0 oder Entf löschen die Regel.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TVariablenSeite</name>
    <message>
        <source>Eingang B verwenden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ohne Eingang B hängt der Ausgang nur von Eingang A ab; die Regeln stehen dann in einer Spalte.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nicht verwendet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bereich &amp;von</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Term hin&amp;zufügen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Term &amp;entfernen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nach &amp;oben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nach &amp;unten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bild &amp;speichern…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Termdiagramm als PNG- oder SVG-Bild speichern, z. B. für ein Arbeitsblatt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Griffe mit der Maus ziehen (sie rasten ein, mit Strg frei). Tastatur im Diagramm: Tab wählt a, b, c, d, h · Pfeiltasten verschieben (mit Umschalt zehnfach) · 1 bis 5 wählen den Term.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>werkstatt::TMainForm</name>
    <message>
        <source>Arbeitsblatt als PDF speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF-Dokumente (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fahrzeug</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lastwagen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&amp;ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Projekt ist ein Regler für den Truck: Arbeitsblatt und &quot;Regeln verbessern&quot; nehmen den Truck.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Projekt ist ein Regler für die Lok: Arbeitsblatt und &quot;Regeln verbessern&quot; nehmen die Lok.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daten konnten nicht gelesen werden!

„%1“ lässt sich nicht nen (fehlt die Datei, ist sie ein Ordner oder fehlen Leserechte?).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„%1“ ist kein Fuzzy-Projekt, das sich lesen lässt.%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Es gibt noch keine Änderung, mit deren Stand davor sich vergleichen lie෾.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dem Stand vor „%1“</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arbeitsblatt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arbeitsblatt – Druckvorschau</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>arbeitsblatt.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-arbeitsblatt.pdf</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>werkstatt::TProjektModell</name>
    <message>
        <source>Bereich und Terme ändern</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>werkstatt::TRegelSeite</name>
    <message>
        <source>Spalten: Eingang A „%1“</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeilen: Eingang B „%1“</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ohne Eingang B: eine Zeile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jede Zelle ist eine Regel: WENN Eingang A im Term der Spalte UND Eingang B im Term der Zeile, DANN Ausgang im eingetragenen Term.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jede Zelle ist eine Regel: WENN Eingang A im Term der Spalte, DANN Ausgang im eingetragenen Term.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Ausgang hat keinen Term %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regeln ändern</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>werkstatt::TVariablenSeite</name>
    <message>
        <source>Die Terme mit dem Bereich mitnehmen?

Ja: Jede Ecke r࿌kt an dieselbe Stelle im neuen Bereich.
Nein: Nur der Bereich ändert sich, die Terme bleiben, wo sie sind.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eingang A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eingang B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ausgang</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
