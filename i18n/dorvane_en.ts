<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>TInfoForm</name>
    <message>
        <source>Infos</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Version 1.3</source>
        <translation>Version 1.3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Handsteuerung</source>
        <translation>Hand steering</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Rechts</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Truck setzen</source>
        <translation>Place truck</translation>
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
        <translation>Steering in °</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Fuzzymengen zeigen</source>
        <translation>Show fuzzy sets</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Betriebsart umschalten</source>
        <translation>Switch control mode</translation>
    </message>
    <message>
        <source>Startwerte</source>
        <translation>Start values</translation>
    </message>
    <message>
        <source>Regeln editieren</source>
        <translation>Edit rules</translation>
    </message>
    <message>
        <source>Inhalt</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Lenkung mit der Maus</source>
        <translation>Steering with the mouse</translation>
    </message>
</context>
<context>
    <name>TWerteForm</name>
    <message>
        <source>Startwerte</source>
        <translation>Start values</translation>
    </message>
    <message>
        <source>Beachten Sie bei Ihren Eingaben: Für den Abstand ist ein Wert zwischen -20 und 0 einzugeben. Der Winkel für die Lage sollte zwischen -40° und 40° liegen. Die Geschwindigkeit muss negativ sein.</source>
        <translation>Please note when entering values: the distance should lie between -20 and 0, the angle between -40° and 40°. The speed must be negative.</translation>
    </message>
    <message>
        <source>Abstand des Führerhauses (in m)</source>
        <translation>Distance of the cab (in m)</translation>
    </message>
    <message>
        <source>Lage (Winkel gegenüber NN in °)</source>
        <translation>Angle (to the road, in °)</translation>
    </message>
    <message>
        <source>Geschwindigkeit (in m/s)</source>
        <translation>Speed (in m/s)</translation>
    </message>
    <message>
        <source>Abstand und Lage zufällig festlegen</source>
        <translation>Random distance and angle</translation>
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
    <name>dorvane::Start</name>
    <message>
        <source>Dorvane: einen Truck rückwärts auf die Ziellinie fahren, von Hand oder mit einem Fuzzy-Regler.</source>
        <translation>Dorvane: back a truck onto the target line, by hand or with a fuzzy controller.</translation>
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
    <name>dorvane::THelpForm</name>
    <message>
        <source>Dorvane – Hilfe</source>
        <translation>Dorvane – Help</translation>
    </message>
    <message>
        <source>&amp;Inhalt</source>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <source>&amp;Zurück</source>
        <translation>&amp;Back</translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation>C&amp;lose</translation>
    </message>
    <message>
        <source>Hilfetext</source>
        <translation>Help text</translation>
    </message>
</context>
<context>
    <name>dorvane::TMainForm</name>
    <message>
        <source>Die mit dem Parameter übergebene Datei konnte nicht geladen werden!</source>
        <translation>The file given as parameter could not be loaded!</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Open</translation>
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
        <source>Ö&amp;ffnen</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Fuzzyregelung</source>
        <translation>Fuzzy control</translation>
    </message>
    <message>
        <source>Handsteuerung</source>
        <translation>Hand steering</translation>
    </message>
</context>
</TS>
