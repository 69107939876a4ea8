<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>TR</name>
    <message>
        <source>BtnYes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>BtnCancel</source>
        <translation>取消</translation>
    </message>
</context>
</TS>
