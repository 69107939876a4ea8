<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>TR</name>
    <message>
        <source>BtnYes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>BtnCancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
</TS>
