<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>korvane::Translator</name>
    <message>
        <source>Left channel</source>
        <translation>Canal gauche</translation>
    </message>
</context>
</TS>
