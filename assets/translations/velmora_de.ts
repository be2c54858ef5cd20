<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CefWidget</name>
    <message>
        <source>Loading game. Please wait...</source>
        <translation>Das Spiel wird geladen. Bitte warten …</translation>
    </message>
</context>
<context>
    <name>Waitloading</name>
    <message>
        <source>Loading</source>
        <translation>Wird geladen</translation>
    </message>
</context>
</TS>
