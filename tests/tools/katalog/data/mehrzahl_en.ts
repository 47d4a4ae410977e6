<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>Erster</name>
    <message numerus="yes">
        <source>%n Läufe</source>
        <translation><numerusform>%n run</numerusform><numerusform>%n runs</numerusform></translation>
    </message>
</context>
</TS>
