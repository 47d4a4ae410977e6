<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>MessageBoxes</name>
    <message>
        <source>&amp;Ja</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Nein</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Warnung</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Bestätigung</source>
        <translation>Confirmation</translation>
    </message>
</context>
<context>
    <name>TGraphform</name>
    <message>
        <source>Diagramme der Fuzzyvariablen</source>
        <translation>Diagrams of the fuzzy variables</translation>
    </message>
    <message>
        <source>Fuzzyvariable</source>
        <translation>Fuzzy variable</translation>
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
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TRegEditForm</name>
    <message>
        <source>Regeln editieren</source>
        <translation>Edit rules</translation>
    </message>
    <message>
        <source>Regeln</source>
        <translation>Rules</translation>
    </message>
    <message>
        <source>Ausgangsterme von</source>
        <translation>Output terms of</translation>
    </message>
    <message>
        <source>gesamte Regeltabelle löschen</source>
        <translation>Clear the whole rule table</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Dieses Fenster in die Zwischenablage kopieren</source>
        <translation>Copy this window to the clipboard</translation>
    </message>
    <message>
        <source>Kopieren</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Eingang A und/oder Ausgang (noch) nicht definiert!</source>
        <translation>Input A and/or output not defined (yet)!</translation>
    </message>
    <message>
        <source>Wählen Sie zunächst einen Ausgangsterm!</source>
        <translation>Choose an output term first!</translation>
    </message>
    <message>
        <source>Sollen die Regeln wirklich gelöscht werden?</source>
        <translation>Do you really want to delete the rules?</translation>
    </message>
    <message>
        <source>Regeltabelle</source>
        <translation>Rule table</translation>
    </message>
    <message>
        <source>Ausgangsterme</source>
        <translation>Output terms</translation>
    </message>
</context>
<context>
    <name>widgets::Auskunft</name>
    <message>
        <source>Sprache der Fenster und Meldungen (ohne die Option nach LANGUAGE, LC_ALL, LC_MESSAGES, LANG)</source>
        <translation>language of the windows and messages (without the option from LANGUAGE, LC_ALL, LC_MESSAGES, LANG)</translation>
    </message>
</context>
<context>
    <name>widgets::TApplication</name>
    <message>
        <source>Unbekannter Fehler.</source>
        <translation>Unknown error.</translation>
    </message>
</context>
</TS>
