<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>TR</name>
    <message>
        <source>AbortChecking</source>
        <translation>Weet je zeker dat je de bestandscontrole wilt afbreken?</translation>
    </message>
    <message>
        <source>AbortDiagnostics</source>
        <translation>Weet je zeker dat je de diagnose wilt afbreken?</translation>
    </message>
    <message>
        <source>AgeNotice</source>
        <translation>Ik ben 18 jaar of ouder</translation>
    </message>
    <message>
        <source>AutostartLauncher</source>
        <translation>Automatisch starten met het systeem</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>BtnCancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>BtnExit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>BtnNo</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>BtnYes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>CheckGameFiles</source>
        <translation>Spelbestanden controleren</translation>
    </message>
    <message>
        <source>CheckingProgress</source>
        <translation>(%1) Controleren: %2</translation>
    </message>
    <message>
        <source>DataCollection</source>
        <translation>Diagnosegegevens verzamelen</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Diagnose</translation>
    </message>
    <message>
        <source>DlgBtnLogin</source>
        <translation>Inloggen</translation>
    </message>
    <message>
        <source>DlgBtnOK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>DownloadMethod</source>
        <translation>Downloadmethode</translation>
    </message>
    <message>
        <source>DownloadPause</source>
        <translation>Download pauzeren</translation>
    </message>
    <message>
        <source>DownloadPaused</source>
        <translation>Download gepauzeerd</translation>
    </message>
    <message>
        <source>DownloadResume</source>
        <translation>Download hervatten</translation>
    </message>
    <message>
        <source>DownloadSpeed</source>
        <translation>Downloadsnelheid</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>ErrFailedEulaOpen</source>
        <translation>De licentieovereenkomst kan niet worden geladen.</translation>
    </message>
    <message>
        <source>ErrGameStartFail</source>
        <translation>Het spel kan niet worden gestart.</translation>
    </message>
    <message>
        <source>ErrUnknown</source>
        <translation>De update is om onbekende reden mislukt. Probeer het opnieuw.</translation>
    </message>
    <message>
        <source>ErrUpdateContentNotFound</source>
        <translation>De spelinhoud is niet beschikbaar. Controleer de systeemvereisten en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>ErrUpdateDownloadFailed</source>
        <translation>Het downloaden van de spelinhoud is mislukt. Controleer je internetverbinding en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>ErrUpdateFailedMissingOption</source>
        <translation>Update mislukt: optie ontbreekt</translation>
    </message>
    <message>
        <source>ErrUpdateFailedToPatch</source>
        <translation>Het patchen van de spelinhoud is mislukt. Probeer het opnieuw.</translation>
    </message>
    <message>
        <source>ErrUpdateFailedToStart</source>
        <translation>De update kan niet worden gestart.</translation>
    </message>
    <message>
        <source>ErrUpdateFailedToUnpack</source>
        <translation>Het uitpakken van de spelinhoud is mislukt. Probeer het opnieuw.</translation>
    </message>
    <message>
        <source>ErrUpdateInfoNotFound</source>
        <translation>Geen update-informatie gevonden. Probeer het opnieuw.</translation>
    </message>
    <message>
        <source>ErrUpdateInfoNotValid</source>
        <translation>De update-informatie is ongeldig. Probeer het opnieuw.</translation>
    </message>
    <message>
        <source>ErrUpdateInfoQueryFailed</source>
        <translation>Kan geen verbinding maken met de updateserver. Controleer je internetverbinding en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>ExitWarning</source>
        <translation>Het programma wordt afgesloten. Wil je doorgaan?</translation>
    </message>
    <message>
        <source>GameReady</source>
        <translation>Het spel is klaar om te spelen</translation>
    </message>
    <message>
        <source>GetPackage</source>
        <translation>Bestandslijst downloaden...</translation>
    </message>
    <message>
        <source>HTTP</source>
        <translation>HTTP</translation>
    </message>
    <message>
        <source>HeaderGame</source>
        <translation>SPEL</translation>
    </message>
    <message>
        <source>HeaderNews</source>
        <translation>NIEUWS</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Host</translation>
    </message>
    <message numerus="yes">
        <source>HoursAgo</source>
        <translation>
            <numerusform>%n uur geleden</numerusform>
            <numerusform>%n uur geleden</numerusform>
        </translation>
    </message>
    <message>
        <source>InfoSettingsNeedRestart</source>
        <translation>Start het programma opnieuw om de instelling toe te passen.</translation>
    </message>
    <message>
        <source>InstallCreateUninstall</source>
        <translation>Verwijderingsgegevens aanmaken...</translation>
    </message>
    <message>
        <source>InstallDlgBtnInstall</source>
        <translation>INSTALLEREN</translation>
    </message>
    <message>
        <source>InstallDlgBtnSelect</source>
        <translation>Kiezen...</translation>
    </message>
    <message>
        <source>InstallDlgCreateMenu</source>
        <translation>Items in het startmenu maken</translation>
    </message>
    <message>
        <source>InstallDlgCreateShortcut</source>
        <translation>Snelkoppeling op het bureaublad maken</translation>
    </message>
    <message>
        <source>InstallDlgErrOutOfSpace</source>
        <translation>Onvoldoende schijfruimte. Kies een andere installatiemap.</translation>
    </message>
    <message>
        <source>InstallDlgErrPathInvalid</source>
        <translation>Ongeldig pad</translation>
    </message>
    <message>
        <source>InstallDlgErrPathReadonly</source>
        <translation>De installatiemap is alleen-lezen. Kies een andere map.</translation>
    </message>
    <message>
        <source>InstallDlgSelectPath</source>
        <translation>Kies de installatiemap</translation>
    </message>
    <message>
        <source>InstallDlgSelectPathTitle</source>
        <translation>Installatiemap kiezen</translation>
    </message>
    <message>
        <source>InstallDlgTitle</source>
        <translation>Installatie van Glimmerdeep</translation>
    </message>
    <message>
        <source>InstallErrFailed</source>
        <translation>Installatie mislukt.</translation>
    </message>
    <message>
        <source>InstallLinkFix</source>
        <translation>Snelkoppelingen herstellen...</translation>
    </message>
    <message>
        <source>InstallOpCreateUninstall</source>
        <translation>Verwijderingsgegevens aanmaken...</translation>
    </message>
    <message>
        <source>InstallOpFile</source>
        <translation>Bestanden installeren...</translation>
    </message>
    <message>
        <source>InstallOpLinks</source>
        <translation>Snelkoppelingen op het bureaublad maken...</translation>
    </message>
    <message>
        <source>InstallOpMenu</source>
        <translation>Snelkoppelingen in het startmenu maken...</translation>
    </message>
    <message>
        <source>InstallOpQuicklaunch</source>
        <translation>Snelstartkoppelingen maken...</translation>
    </message>
    <message>
        <source>InstallOpRemoveData</source>
        <translation>Gebruikersgegevens verwijderen...</translation>
    </message>
    <message>
        <source>InstallResDone</source>
        <translation>Klaar.</translation>
    </message>
    <message>
        <source>InstallRollback</source>
        <translation>Wijzigingen terugdraaien...</translation>
    </message>
    <message>
        <source>LaunchParameters</source>
        <translation>Startparameters</translation>
    </message>
    <message>
        <source>LauncherBtnPlay</source>
        <translation>SPELEN</translation>
    </message>
    <message>
        <source>LauncherProgressCheck</source>
        <translation>Bestanden controleren %0%</translation>
    </message>
    <message>
        <source>LauncherProgressDownload</source>
        <translation>Downloaden %0%</translation>
    </message>
    <message>
        <source>LauncherProgressInstall</source>
        <translation>Installeren %0%</translation>
    </message>
    <message>
        <source>LauncherProgressUnpack</source>
        <translation>Uitpakken %0%</translation>
    </message>
    <message>
        <source>LauncherUpdateCheck</source>
        <translation>Zoeken naar updates...</translation>
    </message>
    <message>
        <source>LauncherVersion</source>
        <translation>Versie %0.%1.%2</translation>
    </message>
    <message>
        <source>LicDlgBtnAccept</source>
        <translation>ACCEPTEREN</translation>
    </message>
    <message>
        <source>LicDlgBtnReject</source>
        <translation>WEIGEREN</translation>
    </message>
    <message>
        <source>LicDlgTitle</source>
        <translation>Licentieovereenkomst</translation>
    </message>
    <message>
        <source>LinkDiscord</source>
        <translation>Discord</translation>
    </message>
    <message>
        <source>LinkEula</source>
        <translation>Licentieovereenkomst</translation>
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
        <translation>Wordt geopend in de webbrowser</translation>
    </message>
    <message>
        <source>LinkPrivacy</source>
        <translation>Privacybeleid</translation>
    </message>
    <message>
        <source>LinkRules</source>
        <translation>Gedragsregels</translation>
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
        <translation>Handleiding</translation>
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
        <translation>Gebruikersnaam</translation>
    </message>
    <message>
        <source>LoginDlgRememberPwd</source>
        <translation>Onthouden</translation>
    </message>
    <message>
        <source>LoginInputPlaceholder</source>
        <translation>Gebruikersnaam</translation>
    </message>
    <message>
        <source>MenuEula</source>
        <translation>Licentieovereenkomst tonen...</translation>
    </message>
    <message>
        <source>MenuExit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>MenuGraphicsAPI</source>
        <translation>Grafische API</translation>
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
        <translation>Taal</translation>
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
        <translation>Gedragsregels...</translation>
    </message>
    <message>
        <source>MenuSettings</source>
        <translation>Instellingen</translation>
    </message>
    <message numerus="yes">
        <source>MinsAgo</source>
        <translation>
            <numerusform>%n minuut geleden</numerusform>
            <numerusform>%n minuten geleden</numerusform>
        </translation>
    </message>
    <message>
        <source>MsgDiagnosticsDesktopReadOnly</source>
        <translation>Het diagnosebestand wordt op je bureaublad gezet, maar er kan niet worden geschreven in de bureaubladmap %1. Controleer de machtigingen en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>MsgDiagnosticsFailed</source>
        <translation>Diagnosefout</translation>
    </message>
    <message>
        <source>MsgDiagnosticsNoDesktop</source>
        <translation>Het diagnosebestand wordt op je bureaublad gezet, maar de bureaubladmap %1 bestaat niet. Maak de map aan en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>MsgDiagnosticsSuccess</source>
        <translation>Diagnose voltooid. Er is een bestand met diagnosegegevens op je bureaublad gezet. Stuur dit bestand met een beschrijving van het probleem per e-mail naar het supportteam.</translation>
    </message>
    <message>
        <source>MsgErrRecoveryFailed</source>
        <translation>Er is een fout opgetreden bij het herstellen van de spelbestanden.</translation>
    </message>
    <message>
        <source>MsgErrRecoveryInfoNotFound</source>
        <translation>Er is geen informatie gevonden om de spelbestanden te herstellen.</translation>
    </message>
    <message>
        <source>MsgGameFilesAreValid</source>
        <translation>Alle bestanden zijn met succes gecontroleerd.</translation>
    </message>
    <message>
        <source>MsgLoginFailed</source>
        <translation>Inloggen mislukt</translation>
    </message>
    <message>
        <source>MsgRecoverySuccess</source>
        <translation>De spelbestanden zijn met succes hersteld.</translation>
    </message>
    <message>
        <source>Packing</source>
        <translation>archief voorbereiden</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Wachtwoord</translation>
    </message>
    <message>
        <source>PasswordInputPlaceholder</source>
        <translation>Wachtwoord</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Poort</translation>
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
        <translation>Bestanden controleren</translation>
    </message>
    <message>
        <source>ProgressDownloading</source>
        <translation>Downloaden...</translation>
    </message>
    <message>
        <source>ProgressInstalling</source>
        <translation>Installeren...</translation>
    </message>
    <message>
        <source>ProgressUnpacking</source>
        <translation>Uitpakken...</translation>
    </message>
    <message>
        <source>ProgressUpdateCheck</source>
        <translation>Zoeken naar updates...</translation>
    </message>
    <message>
        <source>ProxyErrHostInvalid</source>
        <translation>De proxyhost moet een naam of een adres zijn, zonder spaties of schuine strepen.</translation>
    </message>
    <message>
        <source>ProxyErrHostMissing</source>
        <translation>Vul de proxyhost in. Zonder proxy: wis de gebruikersnaam.</translation>
    </message>
    <message>
        <source>ProxyErrPort</source>
        <translation>De poort moet een getal van 1 tot en met 65535 zijn.</translation>
    </message>
    <message>
        <source>ProxySettings</source>
        <translation>Proxy-instellingen</translation>
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
        <translation>Geschiedenis van privéberichten wissen</translation>
    </message>
    <message>
        <source>RemoveSettings</source>
        <translation>Spelinstellingen wissen</translation>
    </message>
    <message>
        <source>RepairQuestion</source>
        <translation>Er zijn beschadigde bestanden gevonden! Herstel starten?</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Herstellen</translation>
    </message>
    <message>
        <source>ResetSettings</source>
        <translation>Instellingen herstellen</translation>
    </message>
    <message>
        <source>RulesDlgTitle</source>
        <translation>Gedragsregels</translation>
    </message>
    <message>
        <source>RunDiagnostics</source>
        <translation>Diagnose...</translation>
    </message>
    <message>
        <source>RussianDataNoticeDlgTitle</source>
        <translation>Toestemming voor de verwerking van persoonsgegevens</translation>
    </message>
    <message>
        <source>SOCKS</source>
        <translation>SOCKS</translation>
    </message>
    <message>
        <source>SeedBackground</source>
        <translation>Op de achtergrond delen</translation>
    </message>
    <message>
        <source>SeedInGame</source>
        <translation>Delen tijdens het spelen</translation>
    </message>
    <message>
        <source>SeedLimit</source>
        <translation>Deelsnelheid op de achtergrond</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>ShowFile</source>
        <translation>Bestand tonen...</translation>
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
            <numerusform>%0, %n ongelezen</numerusform>
            <numerusform>%0, %n ongelezen</numerusform>
        </translation>
    </message>
    <message>
        <source>Troubleshooting</source>
        <translation>Probleemoplossing</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>UninstallConfirm</source>
        <translation>Glimmerdeep verwijderen? De spelbestanden en je Glimmerdeep-instellingen worden van deze computer verwijderd.</translation>
    </message>
    <message>
        <source>UninstallLinkName</source>
        <translation>Glimmerdeep verwijderen</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Niet beperken</translation>
    </message>
    <message>
        <source>UpdateProgress</source>
        <translation>Voortgang van de update</translation>
    </message>
    <message>
        <source>UpdateRetryErrMsg</source>
        <translation>%0 Opnieuw proberen?</translation>
    </message>
    <message>
        <source>WindowClose</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>WindowMinimize</source>
        <translation>Minimaliseren</translation>
    </message>
</context>
</TS>
