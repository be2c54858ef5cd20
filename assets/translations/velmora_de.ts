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
    <name>Farplay</name>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximieren</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Press ESC to exit fullscreen.</source>
        <translation>Drücke ESC, um den Vollbildmodus zu verlassen.</translation>
    </message>
    <message>
        <source>Sign in Velmora Deck</source>
        <translation>Bei Velmora Deck anmelden</translation>
    </message>
</context>
<context>
    <name>FarplayClass</name>
    <message>
        <source>Farplay</source>
        <translation>Farplay</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
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
