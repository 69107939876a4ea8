<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>TR</name>
    <message>
        <source>BtnNo</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>BtnYes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>HeaderGame</source>
        <translation>SPIEL</translation>
    </message>
    <message>
        <source>LicDlgTitle</source>
        <translation>Lizenzvereinbarung</translation>
    </message>
    <message>
        <source>MenuSettings</source>
        <translation>Einstellungen</translation>
    </message>
</context>
</TS>
