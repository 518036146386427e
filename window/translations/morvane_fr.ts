<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>morvane::frmAmain</name>
    <message>
        <source>Copy Plain &amp;Number</source>
        <translation>Copier le &amp;nombre brut</translation>
    </message>
    <message>
        <source>Show &amp;Steps…</source>
        <translation>Afficher les &amp;étapes…</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Étapes</translation>
    </message>
</context>
</TS>
