<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>TR</name>
    <message>
        <source>AbortChecking</source>
        <translation>¿Seguro que quieres cancelar la comprobación de archivos?</translation>
    </message>
    <message>
        <source>AbortDiagnostics</source>
        <translation>¿Seguro que quieres cancelar el diagnóstico?</translation>
    </message>
    <message>
        <source>AgeNotice</source>
        <translation>Tengo al menos 18 años</translation>
    </message>
    <message>
        <source>AutostartLauncher</source>
        <translation>Iniciar con el sistema</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>BtnCancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>BtnExit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>BtnNo</source>
        <translation>No</translation>
    </message>
    <message>
        <source>BtnYes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>CheckGameFiles</source>
        <translation>Comprobar archivos del juego</translation>
    </message>
    <message>
        <source>CheckingProgress</source>
        <translation>(%1) Comprobando %2</translation>
    </message>
    <message>
        <source>DataCollection</source>
        <translation>Recopilando información de diagnóstico</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Diagnóstico</translation>
    </message>
    <message>
        <source>DlgBtnLogin</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>DlgBtnOK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>DownloadMethod</source>
        <translation>Método de descarga</translation>
    </message>
    <message>
        <source>DownloadPause</source>
        <translation>Pausar la descarga</translation>
    </message>
    <message>
        <source>DownloadPaused</source>
        <translation>Descarga en pausa</translation>
    </message>
    <message>
        <source>DownloadResume</source>
        <translation>Reanudar la descarga</translation>
    </message>
    <message>
        <source>DownloadSpeed</source>
        <translation>Velocidad de descarga</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Descarga</translation>
    </message>
    <message>
        <source>ErrFailedEulaOpen</source>
        <translation>No se pudo cargar el acuerdo de licencia.</translation>
    </message>
    <message>
        <source>ErrGameStartFail</source>
        <translation>No se pudo iniciar el juego.</translation>
    </message>
    <message>
        <source>ErrUnknown</source>
        <translation>La actualización falló por un motivo desconocido. Inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>ErrUpdateContentNotFound</source>
        <translation>El contenido del juego no está disponible. Comprueba los requisitos de la plataforma e inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>ErrUpdateDownloadFailed</source>
        <translation>No se pudo descargar el contenido del juego. Comprueba tu conexión a internet e inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>ErrUpdateFailedMissingOption</source>
        <translation>Error de actualización: falta una opción</translation>
    </message>
    <message>
        <source>ErrUpdateFailedToPatch</source>
        <translation>No se pudo aplicar el parche al contenido del juego. Inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>ErrUpdateFailedToStart</source>
        <translation>No se pudo iniciar la actualización.</translation>
    </message>
    <message>
        <source>ErrUpdateFailedToUnpack</source>
        <translation>No se pudo descomprimir el contenido del juego. Inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>ErrUpdateInfoNotFound</source>
        <translation>No se encontró la información de actualización. Inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>ErrUpdateInfoNotValid</source>
        <translation>La información de actualización no es válida. Inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>ErrUpdateInfoQueryFailed</source>
        <translation>No se pudo conectar con el servidor de actualizaciones. Comprueba tu conexión a internet e inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>ExitWarning</source>
        <translation>El programa se cerrará. ¿Quieres continuar?</translation>
    </message>
    <message>
        <source>GameReady</source>
        <translation>El juego está listo para jugar</translation>
    </message>
    <message>
        <source>GetPackage</source>
        <translation>Descargando la lista de archivos...</translation>
    </message>
    <message>
        <source>HTTP</source>
        <translation>HTTP</translation>
    </message>
    <message>
        <source>HeaderGame</source>
        <translation>JUEGO</translation>
    </message>
    <message>
        <source>HeaderNews</source>
        <translation>NOTICIAS</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Servidor</translation>
    </message>
    <message numerus="yes">
        <source>HoursAgo</source>
        <translation>
            <numerusform>hace %n hora</numerusform>
            <numerusform>hace %n horas</numerusform>
        </translation>
    </message>
    <message>
        <source>InfoSettingsNeedRestart</source>
        <translation>Reinicia el programa para aplicar este ajuste.</translation>
    </message>
    <message>
        <source>InstallCreateUninstall</source>
        <translation>Creando las claves de desinstalación...</translation>
    </message>
    <message>
        <source>InstallDlgBtnInstall</source>
        <translation>INSTALAR</translation>
    </message>
    <message>
        <source>InstallDlgBtnSelect</source>
        <translation>Elegir...</translation>
    </message>
    <message>
        <source>InstallDlgCreateMenu</source>
        <translation>Crear accesos en el menú Inicio</translation>
    </message>
    <message>
        <source>InstallDlgCreateShortcut</source>
        <translation>Crear un acceso directo en el escritorio</translation>
    </message>
    <message>
        <source>InstallDlgErrOutOfSpace</source>
        <translation>No hay espacio suficiente en el disco. Elige otra ruta de instalación.</translation>
    </message>
    <message>
        <source>InstallDlgErrPathInvalid</source>
        <translation>La ruta no es válida</translation>
    </message>
    <message>
        <source>InstallDlgErrPathReadonly</source>
        <translation>La ruta de instalación es de solo lectura. Elige otra ruta.</translation>
    </message>
    <message>
        <source>InstallDlgSelectPath</source>
        <translation>Elige la ruta de instalación</translation>
    </message>
    <message>
        <source>InstallDlgSelectPathTitle</source>
        <translation>Elegir ruta de instalación</translation>
    </message>
    <message>
        <source>InstallDlgTitle</source>
        <translation>Instalación de Glimmerdeep</translation>
    </message>
    <message>
        <source>InstallErrFailed</source>
        <translation>La instalación ha fallado.</translation>
    </message>
    <message>
        <source>InstallLinkFix</source>
        <translation>Reparando accesos directos...</translation>
    </message>
    <message>
        <source>InstallOpCreateUninstall</source>
        <translation>Creando las claves de desinstalación...</translation>
    </message>
    <message>
        <source>InstallOpFile</source>
        <translation>Instalando archivos...</translation>
    </message>
    <message>
        <source>InstallOpLinks</source>
        <translation>Creando accesos en el escritorio...</translation>
    </message>
    <message>
        <source>InstallOpMenu</source>
        <translation>Creando accesos en el menú Inicio...</translation>
    </message>
    <message>
        <source>InstallOpQuicklaunch</source>
        <translation>Creando accesos de inicio rápido...</translation>
    </message>
    <message>
        <source>InstallOpRemoveData</source>
        <translation>Eliminando datos del usuario...</translation>
    </message>
    <message>
        <source>InstallResDone</source>
        <translation>Listo.</translation>
    </message>
    <message>
        <source>InstallRollback</source>
        <translation>Deshaciendo los cambios...</translation>
    </message>
    <message>
        <source>LaunchParameters</source>
        <translation>Parámetros de inicio</translation>
    </message>
    <message>
        <source>LauncherBtnPlay</source>
        <translation>JUGAR</translation>
    </message>
    <message>
        <source>LauncherProgressCheck</source>
        <translation>Comprobando archivos %0 %</translation>
    </message>
    <message>
        <source>LauncherProgressDownload</source>
        <translation>Descargando %0 %</translation>
    </message>
    <message>
        <source>LauncherProgressInstall</source>
        <translation>Instalando %0 %</translation>
    </message>
    <message>
        <source>LauncherProgressUnpack</source>
        <translation>Descomprimiendo %0 %</translation>
    </message>
    <message>
        <source>LauncherUpdateCheck</source>
        <translation>Buscando actualizaciones...</translation>
    </message>
    <message>
        <source>LauncherVersion</source>
        <translation>Versión %0.%1.%2</translation>
    </message>
    <message>
        <source>LicDlgBtnAccept</source>
        <translation>ACEPTAR</translation>
    </message>
    <message>
        <source>LicDlgBtnReject</source>
        <translation>RECHAZAR</translation>
    </message>
    <message>
        <source>LicDlgTitle</source>
        <translation>Acuerdo de licencia</translation>
    </message>
    <message>
        <source>LinkDiscord</source>
        <translation>Discord</translation>
    </message>
    <message>
        <source>LinkEula</source>
        <translation>Acuerdo de licencia</translation>
    </message>
    <message>
        <source>LinkFacebook</source>
        <translation>Facebook</translation>
    </message>
    <message>
        <source>LinkForum</source>
        <translation>Foro</translation>
    </message>
    <message>
        <source>LinkInstagram</source>
        <translation>Instagram</translation>
    </message>
    <message>
        <source>LinkOK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>LinkOpensInBrowser</source>
        <translation>Se abre en el navegador web</translation>
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
        <source>LinkTwitch</source>
        <translation>Twitch</translation>
    </message>
    <message>
        <source>LinkTwitter</source>
        <translation>Twitter</translation>
    </message>
    <message>
        <source>LinkUserguide</source>
        <translation>Guía del usuario</translation>
    </message>
    <message>
        <source>LinkVK</source>
        <translation>VK</translation>
    </message>
    <message>
        <source>LinkWeb</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>LinkYoutube</source>
        <translation>YouTube</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>LoginDlgRememberPwd</source>
        <translation>Recordar</translation>
    </message>
    <message>
        <source>LoginInputPlaceholder</source>
        <translation>Nombre de usuario</translation>
    </message>
    <message>
        <source>MenuEula</source>
        <translation>Ver el acuerdo de licencia...</translation>
    </message>
    <message>
        <source>MenuExit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>MenuGraphicsAPI</source>
        <translation>API gráfica</translation>
    </message>
    <message>
        <source>MenuGraphicsAPIAuto</source>
        <translation>Automática</translation>
    </message>
    <message>
        <source>MenuGraphicsAPIDirectX11</source>
        <translation>DirectX 11</translation>
    </message>
    <message>
        <source>MenuGraphicsAPIDirectX9</source>
        <translation>DirectX 9</translation>
    </message>
    <message>
        <source>MenuGraphicsAPIOpenGL</source>
        <translation>OpenGL</translation>
    </message>
    <message>
        <source>MenuLanguage</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>MenuLinks</source>
        <translation>Enlaces</translation>
    </message>
    <message>
        <source>MenuProxy</source>
        <translation>Proxy...</translation>
    </message>
    <message>
        <source>MenuRules</source>
        <translation>Normas de conducta...</translation>
    </message>
    <message>
        <source>MenuSettings</source>
        <translation>Ajustes</translation>
    </message>
    <message numerus="yes">
        <source>MinsAgo</source>
        <translation>
            <numerusform>hace %n minuto</numerusform>
            <numerusform>hace %n minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>MsgDiagnosticsDesktopReadOnly</source>
        <translation>El archivo de diagnóstico se guarda en tu escritorio, pero no se puede escribir en la carpeta del escritorio %1. Comprueba sus permisos e inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>MsgDiagnosticsFailed</source>
        <translation>Error de diagnóstico</translation>
    </message>
    <message>
        <source>MsgDiagnosticsNoDesktop</source>
        <translation>El archivo de diagnóstico se guarda en tu escritorio, pero la carpeta del escritorio %1 no existe. Créala e inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>MsgDiagnosticsSuccess</source>
        <translation>Diagnóstico completado. Se ha guardado en tu escritorio un archivo con la información de diagnóstico. Envíalo por correo electrónico al equipo de soporte junto con una descripción del problema.</translation>
    </message>
    <message>
        <source>MsgErrRecoveryFailed</source>
        <translation>Se produjo un error al reparar los archivos del juego.</translation>
    </message>
    <message>
        <source>MsgErrRecoveryInfoNotFound</source>
        <translation>No se encontró información para reparar los archivos del juego.</translation>
    </message>
    <message>
        <source>MsgGameFilesAreValid</source>
        <translation>Todos los archivos se han comprobado correctamente.</translation>
    </message>
    <message>
        <source>MsgLoginFailed</source>
        <translation>No se pudo iniciar sesión</translation>
    </message>
    <message>
        <source>MsgRecoverySuccess</source>
        <translation>Los archivos del juego se han reparado correctamente.</translation>
    </message>
    <message>
        <source>Packing</source>
        <translation>preparación del archivo comprimido</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>PasswordInputPlaceholder</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>ProductLinkName</source>
        <translation>Glimmerdeep</translation>
    </message>
    <message>
        <source>ProductName</source>
        <translation>Glimmerdeep</translation>
    </message>
    <message>
        <source>ProgressCheckingFiles</source>
        <translation>Comprobando archivos</translation>
    </message>
    <message>
        <source>ProgressDownloading</source>
        <translation>Descargando...</translation>
    </message>
    <message>
        <source>ProgressInstalling</source>
        <translation>Instalando...</translation>
    </message>
    <message>
        <source>ProgressUnpacking</source>
        <translation>Descomprimiendo...</translation>
    </message>
    <message>
        <source>ProgressUpdateCheck</source>
        <translation>Buscando actualizaciones...</translation>
    </message>
    <message>
        <source>ProxyErrHostInvalid</source>
        <translation>El servidor proxy debe ser un nombre o una dirección, sin espacios ni barras.</translation>
    </message>
    <message>
        <source>ProxyErrHostMissing</source>
        <translation>Introduce el servidor proxy o borra el usuario para conectarte sin proxy.</translation>
    </message>
    <message>
        <source>ProxyErrPort</source>
        <translation>El puerto debe ser un número del 1 al 65535.</translation>
    </message>
    <message>
        <source>ProxySettings</source>
        <translation>Configuración del proxy</translation>
    </message>
    <message>
        <source>RateB</source>
        <translation>bytes/s</translation>
    </message>
    <message>
        <source>RateGB</source>
        <translation>GB/s</translation>
    </message>
    <message>
        <source>RateKB</source>
        <translation>kB/s</translation>
    </message>
    <message>
        <source>RateMB</source>
        <translation>MB/s</translation>
    </message>
    <message>
        <source>RemoveHistory</source>
        <translation>Borrar el historial de mensajes privados</translation>
    </message>
    <message>
        <source>RemoveSettings</source>
        <translation>Borrar los ajustes del juego</translation>
    </message>
    <message>
        <source>RepairQuestion</source>
        <translation>Se han encontrado archivos dañados. ¿Quieres repararlos?</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>ResetSettings</source>
        <translation>Restablecer ajustes</translation>
    </message>
    <message>
        <source>RulesDlgTitle</source>
        <translation>Normas de conducta</translation>
    </message>
    <message>
        <source>RunDiagnostics</source>
        <translation>Diagnóstico...</translation>
    </message>
    <message>
        <source>RussianDataNoticeDlgTitle</source>
        <translation>Consentimiento para el tratamiento de datos personales</translation>
    </message>
    <message>
        <source>SOCKS</source>
        <translation>SOCKS</translation>
    </message>
    <message>
        <source>SeedBackground</source>
        <translation>Compartir en segundo plano</translation>
    </message>
    <message>
        <source>SeedInGame</source>
        <translation>Compartir durante la partida</translation>
    </message>
    <message>
        <source>SeedLimit</source>
        <translation>Velocidad de subida en segundo plano</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>ShowFile</source>
        <translation>Mostrar archivo...</translation>
    </message>
    <message>
        <source>SizeB</source>
        <translation>bytes</translation>
    </message>
    <message>
        <source>SizeGB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>SizeKB</source>
        <translation>kB</translation>
    </message>
    <message>
        <source>SizeMB</source>
        <translation>MB</translation>
    </message>
    <message numerus="yes">
        <source>TabUnread</source>
        <translation>
            <numerusform>%0, %n sin leer</numerusform>
            <numerusform>%0, %n sin leer</numerusform>
        </translation>
    </message>
    <message>
        <source>Troubleshooting</source>
        <translation>Solución de problemas</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>UninstallConfirm</source>
        <translation>¿Desinstalar Glimmerdeep? Los archivos del juego y tus ajustes de Glimmerdeep se eliminarán de este ordenador.</translation>
    </message>
    <message>
        <source>UninstallLinkName</source>
        <translation>Desinstalar Glimmerdeep</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Sin límite</translation>
    </message>
    <message>
        <source>UpdateProgress</source>
        <translation>Progreso de la actualización</translation>
    </message>
    <message>
        <source>UpdateRetryErrMsg</source>
        <translation>%0 ¿Reintentar?</translation>
    </message>
    <message>
        <source>WindowClose</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>WindowMinimize</source>
        <translation>Minimizar</translation>
    </message>
</context>
</TS>
