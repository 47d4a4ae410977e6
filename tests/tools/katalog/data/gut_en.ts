<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>Zweiter</name>
    <message>
        <source>Zeile %1: „%2“ &amp; &lt;b&gt;</source>
        <translation>Line %1: “%2” &amp; &lt;b&gt; &#x2212;&#233;</translation>
    </message>
    <message>
        <source>Zwei
Zeilen</source>
        <translation>Two
lines</translation>
    </message>
</context>
<context>
    <name>Erster</name>
    <message>
        <source>Offen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verschwunden</source>
        <translation type="vanished">Gone</translation>
    </message>
    <message>
        <source>Leer</source>
        <translation></translation>
    </message>
    <message>
        <source>Ja</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Ärger</source>
        <translation>Trouble</translation>
    </message>
</context>
</TS>
