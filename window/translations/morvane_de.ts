<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>morvane::frmAmain</name>
    <message>
        <source>Copy Plain &amp;Number</source>
        <translation>Reine &amp;Zahl kopieren</translation>
    </message>
    <message>
        <source>Show &amp;Steps…</source>
        <translation>&amp;Schritte anzeigen…</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Schritte</translation>
    </message>
</context>
</TS>
