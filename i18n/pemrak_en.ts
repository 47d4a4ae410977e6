<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>TInfoform</name>
    <message>
        <source>Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pemrak 2.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuzzyregelung hält eine Spielzeuglok an</source>
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
        <source>Pemrak 2.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Startwerte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Masse in kg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  2.0000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abstand in cm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100.0000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reibung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  3.0000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kraft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>s in cm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>v in cm/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>t in s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Handregelung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuzzy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuzzyprojekt &amp;öffnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Betriebsart wählen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regeln editieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuzzydiagramm &amp;zeigen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPlotForm</name>
    <message>
        <source>s-v-Diagramm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TTypForm</name>
    <message>
        <source>Auswahl der Regelungsart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wählen Sie aus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Handregelung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuzzyregelung</source>
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
</context>
</TS>
