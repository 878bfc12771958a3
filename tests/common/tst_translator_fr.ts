<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>korvane::Translator</name>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>%1 day </source>
        <translation>%1 jour </translation>
    </message>
    <message>
        <source>%1 min </source>
        <translation>%1 mn </translation>
    </message>
</context>
<context>
    <name>SomeOtherContext</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
</TS>
