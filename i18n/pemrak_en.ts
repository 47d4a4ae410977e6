<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>TInfoform</name>
    <message>
        <source>Info</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Fuzzyregelung hält eine Spielzeuglok an</source>
        <translation>Fuzzy control stops a toy locomotive</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Startwerte</source>
        <translation>Start values</translation>
    </message>
    <message>
        <source>Masse in kg</source>
        <translation>Mass in kg</translation>
    </message>
    <message>
        <source>Abstand in cm</source>
        <translation>Distance in cm</translation>
    </message>
    <message>
        <source>Reibung</source>
        <translation>Friction</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Kraft</source>
        <translation>Force</translation>
    </message>
    <message>
        <source>s in cm</source>
        <translation>s in cm</translation>
    </message>
    <message>
        <source>v in cm/s</source>
        <translation>v in cm/s</translation>
    </message>
    <message>
        <source>t in s</source>
        <translation>t in s</translation>
    </message>
    <message>
        <source>Handregelung</source>
        <translation>Hand control</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Fuzzy</source>
        <translation>Fuzzy</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Fuzzyprojekt &amp;öffnen</source>
        <translation>&amp;Open fuzzy project</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Betriebsart wählen</source>
        <translation>Choose control mode</translation>
    </message>
    <message>
        <source>Regeln editieren</source>
        <translation>Edit rules</translation>
    </message>
    <message>
        <source>Fuzzydiagramm &amp;zeigen</source>
        <translation>&amp;Show fuzzy diagram</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>Plot</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>Kraft in N</source>
        <translation>Force in N</translation>
    </message>
</context>
<context>
    <name>TPlotForm</name>
    <message>
        <source>s-v-Diagramm</source>
        <translation>s-v diagram</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TTypForm</name>
    <message>
        <source>Auswahl der Regelungsart</source>
        <translation>Choice of the control mode</translation>
    </message>
    <message>
        <source>Wählen Sie aus</source>
        <translation>Choose one</translation>
    </message>
    <message>
        <source>Handregelung</source>
        <translation>Hand control</translation>
    </message>
    <message>
        <source>Fuzzyregelung</source>
        <translation>Fuzzy control</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>pemrak::Start</name>
    <message>
        <source>Pemrak: eine Spielzeuglok an der Marke anhalten, von Hand oder mit einem Fuzzy-Regler.</source>
        <translation>Pemrak: stop a toy locomotive at the mark, by hand or with a fuzzy controller.</translation>
    </message>
    <message>
        <source>das Projekt, mit dem der Fuzzy-Regler startet</source>
        <translation>the project the fuzzy controller starts with</translation>
    </message>
    <message>
        <source>PROJEKT.fuz</source>
        <translation>PROJECT.fuz</translation>
    </message>
    <message>
        <source>[PROJEKT.fuz]</source>
        <translation>[PROJECT.fuz]</translation>
    </message>
</context>
<context>
    <name>pemrak::TMainForm</name>
    <message>
        <source>Fuzzyprojekt öffnen</source>
        <translation>Open fuzzy project</translation>
    </message>
    <message>
        <source>Fuzzyprojekt (*.fuz)</source>
        <translation>Fuzzy project (*.fuz)</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Handregelung</source>
        <translation>Hand control</translation>
    </message>
    <message>
        <source>Fuzzyregelung</source>
        <translation>Fuzzy control</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Kein (geeignetes) Fuzzyprojekt vorhanden</source>
        <translation>No (suitable) fuzzy project loaded</translation>
    </message>
</context>
</TS>
