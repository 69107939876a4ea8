<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>TR</name>
    <message>
        <source>BtnYes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>BtnCancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
</TS>
