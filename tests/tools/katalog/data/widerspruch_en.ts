<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>Erster</name>
    <message>
        <source>Ja</source>
        <translation>Yeah</translation>
    </message>
</context>
</TS>
