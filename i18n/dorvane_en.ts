<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>TInfoForm</name>
    <message>
        <source>Infos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dorvane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version 1.3</source>
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
        <source>Dorvane 1.3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Handsteuerung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rechts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Truck setzen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abstand in m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lage in °</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lenkwinkel in °</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuzzymengen zeigen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Betriebsart umschalten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Startwerte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regeln editieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inhalt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Info</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TWerteForm</name>
    <message>
        <source>Startwerte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beachten Sie bei Ihren Eingaben: Für den Abstand ist ein Wert zwischen -20 und 0 einzugeben. Der Winkel für die Lage sollte zwischen -40° und 40° liegen. Die Geschwindigkeit muss negativ sein.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abstand des Führerhauses (in m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-10.0000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lage (Winkel gegenüber NN in °)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geschwindigkeit (in m/s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> -1.0000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abstand und Lage zufällig festlegen</source>
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
