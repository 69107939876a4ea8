<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>TR</name>
    <message>
        <source>AbortChecking</source>
        <translation>Möchtest du die Dateiprüfung wirklich abbrechen?</translation>
    </message>
    <message>
        <source>AbortDiagnostics</source>
        <translation>Möchtest du die Diagnose wirklich abbrechen?</translation>
    </message>
    <message>
        <source>AgeNotice</source>
        <translation>Ich bin mindestens 18 Jahre alt</translation>
    </message>
    <message>
        <source>AutostartLauncher</source>
        <translation>Beim Systemstart ausführen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>BtnCancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>BtnExit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>BtnNo</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>BtnYes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>CheckGameFiles</source>
        <translation>Spieldateien prüfen</translation>
    </message>
    <message>
        <source>CheckingProgress</source>
        <translation>(%1) Prüfe %2</translation>
    </message>
    <message>
        <source>DataCollection</source>
        <translation>Diagnosedaten werden gesammelt</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Diagnose</translation>
    </message>
    <message>
        <source>DlgBtnLogin</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>DlgBtnOK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>DownloadMethod</source>
        <translation>Download-Methode</translation>
    </message>
    <message>
        <source>DownloadPause</source>
        <translation>Download anhalten</translation>
    </message>
    <message>
        <source>DownloadPaused</source>
        <translation>Download angehalten</translation>
    </message>
    <message>
        <source>DownloadResume</source>
        <translation>Download fortsetzen</translation>
    </message>
    <message>
        <source>DownloadSpeed</source>
        <translation>Download-Geschwindigkeit</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>ErrFailedEulaOpen</source>
        <translation>Die Lizenzvereinbarung konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>ErrGameStartFail</source>
        <translation>Das Spiel konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>ErrUnknown</source>
        <translation>Das Update ist aus unbekanntem Grund fehlgeschlagen. Bitte versuche es erneut.</translation>
    </message>
    <message>
        <source>ErrUpdateContentNotFound</source>
        <translation>Spielinhalte sind nicht verfügbar. Bitte prüfe die Systemanforderungen und versuche es erneut.</translation>
    </message>
    <message>
        <source>ErrUpdateDownloadFailed</source>
        <translation>Spielinhalte konnten nicht heruntergeladen werden. Bitte prüfe deine Internetverbindung und versuche es erneut.</translation>
    </message>
    <message>
        <source>ErrUpdateFailedMissingOption</source>
        <translation>Update fehlgeschlagen: Option fehlt</translation>
    </message>
    <message>
        <source>ErrUpdateFailedToPatch</source>
        <translation>Spielinhalte konnten nicht gepatcht werden. Bitte versuche es erneut.</translation>
    </message>
    <message>
        <source>ErrUpdateFailedToStart</source>
        <translation>Das Update konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>ErrUpdateFailedToUnpack</source>
        <translation>Spielinhalte konnten nicht entpackt werden. Bitte versuche es erneut.</translation>
    </message>
    <message>
        <source>ErrUpdateInfoNotFound</source>
        <translation>Keine Update-Informationen gefunden. Bitte versuche es erneut.</translation>
    </message>
    <message>
        <source>ErrUpdateInfoNotValid</source>
        <translation>Die Update-Informationen sind ungültig. Bitte versuche es erneut.</translation>
    </message>
    <message>
        <source>ErrUpdateInfoQueryFailed</source>
        <translation>Keine Verbindung zum Update-Server. Bitte prüfe deine Internetverbindung und versuche es erneut.</translation>
    </message>
    <message>
        <source>ExitWarning</source>
        <translation>Das Programm wird beendet. Möchtest du fortfahren?</translation>
    </message>
    <message>
        <source>GameReady</source>
        <translation>Das Spiel ist bereit</translation>
    </message>
    <message>
        <source>GetPackage</source>
        <translation>Dateiliste wird heruntergeladen...</translation>
    </message>
    <message>
        <source>HTTP</source>
        <translation>HTTP</translation>
    </message>
    <message>
        <source>HeaderGame</source>
        <translation>SPIEL</translation>
    </message>
    <message>
        <source>HeaderNews</source>
        <translation>NEWS</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Host</translation>
    </message>
    <message numerus="yes">
        <source>HoursAgo</source>
        <translation>
            <numerusform>vor %n Stunde</numerusform>
            <numerusform>vor %n Stunden</numerusform>
        </translation>
    </message>
    <message>
        <source>InfoSettingsNeedRestart</source>
        <translation>Starte das Programm neu, um die Einstellung zu übernehmen.</translation>
    </message>
    <message>
        <source>InstallCreateUninstall</source>
        <translation>Deinstallationseinträge werden erstellt...</translation>
    </message>
    <message>
        <source>InstallDlgBtnInstall</source>
        <translation>INSTALLIEREN</translation>
    </message>
    <message>
        <source>InstallDlgBtnSelect</source>
        <translation>Auswählen...</translation>
    </message>
    <message>
        <source>InstallDlgCreateMenu</source>
        <translation>Startmenü-Einträge erstellen</translation>
    </message>
    <message>
        <source>InstallDlgCreateShortcut</source>
        <translation>Desktop-Verknüpfung erstellen</translation>
    </message>
    <message>
        <source>InstallDlgErrOutOfSpace</source>
        <translation>Nicht genug Speicherplatz. Wähle einen anderen Installationsort.</translation>
    </message>
    <message>
        <source>InstallDlgErrPathInvalid</source>
        <translation>Ungültiger Pfad</translation>
    </message>
    <message>
        <source>InstallDlgErrPathReadonly</source>
        <translation>Der Installationsort ist schreibgeschützt. Wähle einen anderen Ort.</translation>
    </message>
    <message>
        <source>InstallDlgSelectPath</source>
        <translation>Installationsort wählen</translation>
    </message>
    <message>
        <source>InstallDlgSelectPathTitle</source>
        <translation>Installationsort wählen</translation>
    </message>
    <message>
        <source>InstallDlgTitle</source>
        <translation>Installation von Glimmerdeep</translation>
    </message>
    <message>
        <source>InstallErrFailed</source>
        <translation>Die Installation ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>InstallLinkFix</source>
        <translation>Verknüpfungen werden repariert...</translation>
    </message>
    <message>
        <source>InstallOpCreateUninstall</source>
        <translation>Deinstallationseinträge werden erstellt...</translation>
    </message>
    <message>
        <source>InstallOpFile</source>
        <translation>Dateien werden installiert...</translation>
    </message>
    <message>
        <source>InstallOpLinks</source>
        <translation>Desktop-Verknüpfungen werden erstellt...</translation>
    </message>
    <message>
        <source>InstallOpMenu</source>
        <translation>Startmenü-Verknüpfungen werden erstellt...</translation>
    </message>
    <message>
        <source>InstallOpQuicklaunch</source>
        <translation>Schnellstart-Verknüpfungen werden erstellt...</translation>
    </message>
    <message>
        <source>InstallOpRemoveData</source>
        <translation>Benutzerdaten werden entfernt...</translation>
    </message>
    <message>
        <source>InstallResDone</source>
        <translation>Fertig.</translation>
    </message>
    <message>
        <source>InstallRollback</source>
        <translation>Änderungen werden rückgängig gemacht...</translation>
    </message>
    <message>
        <source>LaunchParameters</source>
        <translation>Startparameter</translation>
    </message>
    <message>
        <source>LauncherBtnPlay</source>
        <translation>SPIELEN</translation>
    </message>
    <message>
        <source>LauncherProgressCheck</source>
        <translation>Dateien werden geprüft: %0 %</translation>
    </message>
    <message>
        <source>LauncherProgressDownload</source>
        <translation>Download: %0 %</translation>
    </message>
    <message>
        <source>LauncherProgressInstall</source>
        <translation>Installation: %0 %</translation>
    </message>
    <message>
        <source>LauncherProgressUnpack</source>
        <translation>Entpacken: %0 %</translation>
    </message>
    <message>
        <source>LauncherUpdateCheck</source>
        <translation>Suche nach Updates...</translation>
    </message>
    <message>
        <source>LauncherVersion</source>
        <translation>Version %0.%1.%2</translation>
    </message>
    <message>
        <source>LicDlgBtnAccept</source>
        <translation>AKZEPTIEREN</translation>
    </message>
    <message>
        <source>LicDlgBtnReject</source>
        <translation>ABLEHNEN</translation>
    </message>
    <message>
        <source>LicDlgTitle</source>
        <translation>Lizenzvereinbarung</translation>
    </message>
    <message>
        <source>LinkDiscord</source>
        <translation>Discord</translation>
    </message>
    <message>
        <source>LinkEula</source>
        <translation>Lizenzvereinbarung</translation>
    </message>
    <message>
        <source>LinkFacebook</source>
        <translation>Facebook</translation>
    </message>
    <message>
        <source>LinkForum</source>
        <translation>Forum</translation>
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
        <translation>Wird im Webbrowser geöffnet</translation>
    </message>
    <message>
        <source>LinkPrivacy</source>
        <translation>Datenschutzerklärung</translation>
    </message>
    <message>
        <source>LinkRules</source>
        <translation>Verhaltensregeln</translation>
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
        <translation>Benutzerhandbuch</translation>
    </message>
    <message>
        <source>LinkVK</source>
        <translation>VK</translation>
    </message>
    <message>
        <source>LinkWeb</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>LinkYoutube</source>
        <translation>YouTube</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>LoginDlgRememberPwd</source>
        <translation>Merken</translation>
    </message>
    <message>
        <source>LoginInputPlaceholder</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>MenuEula</source>
        <translation>Lizenzvereinbarung anzeigen...</translation>
    </message>
    <message>
        <source>MenuExit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>MenuGraphicsAPI</source>
        <translation>Grafik-API</translation>
    </message>
    <message>
        <source>MenuGraphicsAPIAuto</source>
        <translation>Automatisch</translation>
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
        <translation>Sprache</translation>
    </message>
    <message>
        <source>MenuLinks</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>MenuProxy</source>
        <translation>Proxy...</translation>
    </message>
    <message>
        <source>MenuRules</source>
        <translation>Verhaltensregeln...</translation>
    </message>
    <message>
        <source>MenuSettings</source>
        <translation>Einstellungen</translation>
    </message>
    <message numerus="yes">
        <source>MinsAgo</source>
        <translation>
            <numerusform>vor %n Minute</numerusform>
            <numerusform>vor %n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>MsgDiagnosticsDesktopReadOnly</source>
        <translation>Die Diagnosedatei wird auf deinem Desktop abgelegt, aber in den Desktop-Ordner %1 kann nicht geschrieben werden. Prüfe seine Berechtigungen und versuche es erneut.</translation>
    </message>
    <message>
        <source>MsgDiagnosticsFailed</source>
        <translation>Diagnosefehler</translation>
    </message>
    <message>
        <source>MsgDiagnosticsNoDesktop</source>
        <translation>Die Diagnosedatei wird auf deinem Desktop abgelegt, aber der Desktop-Ordner %1 existiert nicht. Lege ihn an und versuche es erneut.</translation>
    </message>
    <message>
        <source>MsgDiagnosticsSuccess</source>
        <translation>Diagnose abgeschlossen. Eine Datei mit den Diagnosedaten wurde auf deinem Desktop gespeichert. Bitte sende diese Datei zusammen mit einer Beschreibung des Problems per E-Mail an den Support.</translation>
    </message>
    <message>
        <source>MsgErrRecoveryFailed</source>
        <translation>Beim Wiederherstellen der Spieldateien ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>MsgErrRecoveryInfoNotFound</source>
        <translation>Es wurden keine Informationen zur Wiederherstellung der Spieldateien gefunden.</translation>
    </message>
    <message>
        <source>MsgGameFilesAreValid</source>
        <translation>Alle Dateien wurden erfolgreich geprüft.</translation>
    </message>
    <message>
        <source>MsgLoginFailed</source>
        <translation>Anmeldung fehlgeschlagen</translation>
    </message>
    <message>
        <source>MsgRecoverySuccess</source>
        <translation>Die Spieldateien wurden erfolgreich wiederhergestellt.</translation>
    </message>
    <message>
        <source>Packing</source>
        <translation>Archiv wird vorbereitet</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>PasswordInputPlaceholder</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
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
        <translation>Dateien werden geprüft</translation>
    </message>
    <message>
        <source>ProgressDownloading</source>
        <translation>Download läuft...</translation>
    </message>
    <message>
        <source>ProgressInstalling</source>
        <translation>Installation läuft...</translation>
    </message>
    <message>
        <source>ProgressUnpacking</source>
        <translation>Wird entpackt...</translation>
    </message>
    <message>
        <source>ProgressUpdateCheck</source>
        <translation>Suche nach Updates...</translation>
    </message>
    <message>
        <source>ProxyErrHostInvalid</source>
        <translation>Der Proxy-Host muss ein Name oder eine Adresse sein, ohne Leerzeichen oder Schrägstriche.</translation>
    </message>
    <message>
        <source>ProxyErrHostMissing</source>
        <translation>Gib den Proxy-Host ein. Ohne Proxy: Benutzernamen leeren.</translation>
    </message>
    <message>
        <source>ProxyErrPort</source>
        <translation>Der Port muss eine Zahl von 1 bis 65535 sein.</translation>
    </message>
    <message>
        <source>ProxySettings</source>
        <translation>Proxy-Einstellungen</translation>
    </message>
    <message>
        <source>RateB</source>
        <translation>Byte/s</translation>
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
        <translation>Verlauf privater Nachrichten löschen</translation>
    </message>
    <message>
        <source>RemoveSettings</source>
        <translation>Spieleinstellungen löschen</translation>
    </message>
    <message>
        <source>RepairQuestion</source>
        <translation>Beschädigte Dateien gefunden! Wiederherstellung starten?</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>ResetSettings</source>
        <translation>Einstellungen zurücksetzen</translation>
    </message>
    <message>
        <source>RulesDlgTitle</source>
        <translation>Verhaltensregeln</translation>
    </message>
    <message>
        <source>RunDiagnostics</source>
        <translation>Diagnose...</translation>
    </message>
    <message>
        <source>RussianDataNoticeDlgTitle</source>
        <translation>Einwilligung zur Verarbeitung personenbezogener Daten</translation>
    </message>
    <message>
        <source>SOCKS</source>
        <translation>SOCKS</translation>
    </message>
    <message>
        <source>SeedBackground</source>
        <translation>Im Hintergrund verteilen</translation>
    </message>
    <message>
        <source>SeedInGame</source>
        <translation>Während des Spiels verteilen</translation>
    </message>
    <message>
        <source>SeedLimit</source>
        <translation>Upload-Geschwindigkeit im Hintergrund</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>ShowFile</source>
        <translation>Datei anzeigen...</translation>
    </message>
    <message>
        <source>SizeB</source>
        <translation>Byte</translation>
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
            <numerusform>%0, %n ungelesen</numerusform>
            <numerusform>%0, %n ungelesen</numerusform>
        </translation>
    </message>
    <message>
        <source>Troubleshooting</source>
        <translation>Fehlerbehebung</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>UninstallConfirm</source>
        <translation>Glimmerdeep deinstallieren? Die Spieldateien und deine Glimmerdeep-Einstellungen werden von diesem Computer entfernt.</translation>
    </message>
    <message>
        <source>UninstallLinkName</source>
        <translation>Glimmerdeep deinstallieren</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Nicht begrenzen</translation>
    </message>
    <message>
        <source>UpdateProgress</source>
        <translation>Fortschritt der Aktualisierung</translation>
    </message>
    <message>
        <source>UpdateRetryErrMsg</source>
        <translation>%0 Erneut versuchen?</translation>
    </message>
    <message>
        <source>WindowClose</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>WindowMinimize</source>
        <translation>Minimieren</translation>
    </message>
</context>
</TS>
