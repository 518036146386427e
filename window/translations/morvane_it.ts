<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>morvane::frmAmain</name>
    <message>
        <source>Copy Plain &amp;Number</source>
        <translation>Copia &amp;numero semplice</translation>
    </message>
    <message>
        <source>Show &amp;Steps…</source>
        <translation>Mostra &amp;passaggi…</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Passaggi</translation>
    </message>
</context>
</TS>
