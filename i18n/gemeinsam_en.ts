<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>TGraphform</name>
    <message>
        <source>Diagramme der Fuzzyvariablen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuzzyvariable</source>
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
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TRegEditForm</name>
    <message>
        <source>Regeln editieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regeln</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ausgangsterme von</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gesamte Regeltabelle löschen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dieses Fenster in die Zwischenablage kopieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kopieren</source>
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
        <source>&amp;Hilfe</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>widgets::TApplication</name>
    <message>
        <source>Unbekannter Fehler.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
