<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>TR</name>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>CheckGameFiles</source>
        <translation>Comprobando archivos</translation>
    </message>
    <message>
        <source>DownloadMethod</source>
        <translation>Método de descarga</translation>
    </message>
    <message>
        <source>DownloadSpeed</source>
        <translation>Velocidad de descarga</translation>
    </message>
    <message>
        <source>RateMB</source>
        <translation>MB/s</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Sin límite</translation>
    </message>
    <message>
        <source>LauncherBtnPlay</source>
        <translation>JUGAR</translation>
    </message>
    <message>
        <source>LauncherVersion</source>
        <translation>Versión %0.%1.%2</translation>
    </message>
    <message>
        <source>LinkEula</source>
        <translation>Acuerdo de licencia</translation>
    </message>
    <message>
        <source>LinkPrivacy</source>
        <translation>Política de privacidad</translation>
    </message>
    <message>
        <source>LinkRules</source>
        <translation>Normas de conducta</translation>
    </message>
    <message>
        <source>MenuLanguage</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>MenuProxy</source>
        <translation>Proxy...</translation>
    </message>
    <message>
        <source>ProductName</source>
        <translation>Glimmerdeep</translation>
    </message>
    <message>
        <source>ProxySettings</source>
        <translation>Configuración del proxy</translation>
    </message>
    <message>
        <source>RunDiagnostics</source>
        <translation>Diagnóstico...</translation>
    </message>
    <message>
        <source>Troubleshooting</source>
        <translation>Solución de problemas</translation>
    </message>
</context>
</TS>
