<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>TR</name>
    <message>
        <source>AbortChecking</source>
        <translation>Vuoi davvero interrompere la verifica dei file?</translation>
    </message>
    <message>
        <source>AbortDiagnostics</source>
        <translation>Vuoi davvero interrompere la diagnostica?</translation>
    </message>
    <message>
        <source>AgeNotice</source>
        <translation>Ho almeno 18 anni</translation>
    </message>
    <message>
        <source>AutostartLauncher</source>
        <translation>Avvia all&apos;accensione del sistema</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>BtnCancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>BtnExit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>BtnNo</source>
        <translation>No</translation>
    </message>
    <message>
        <source>BtnYes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>CheckGameFiles</source>
        <translation>Verifica file di gioco</translation>
    </message>
    <message>
        <source>CheckingProgress</source>
        <translation>(%1) Verifica di %2</translation>
    </message>
    <message>
        <source>DataCollection</source>
        <translation>Raccolta delle informazioni diagnostiche</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Diagnostica</translation>
    </message>
    <message>
        <source>DlgBtnLogin</source>
        <translation>Accedi</translation>
    </message>
    <message>
        <source>DlgBtnOK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>DownloadMethod</source>
        <translation>Metodo di download</translation>
    </message>
    <message>
        <source>DownloadPause</source>
        <translation>Metti in pausa il download</translation>
    </message>
    <message>
        <source>DownloadPaused</source>
        <translation>Download in pausa</translation>
    </message>
    <message>
        <source>DownloadResume</source>
        <translation>Riprendi il download</translation>
    </message>
    <message>
        <source>DownloadSpeed</source>
        <translation>Velocità di download</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>ErrFailedEulaOpen</source>
        <translation>Impossibile caricare il contratto di licenza.</translation>
    </message>
    <message>
        <source>ErrGameStartFail</source>
        <translation>Impossibile avviare il gioco.</translation>
    </message>
    <message>
        <source>ErrUnknown</source>
        <translation>Aggiornamento non riuscito per un motivo sconosciuto. Riprova.</translation>
    </message>
    <message>
        <source>ErrUpdateContentNotFound</source>
        <translation>I contenuti di gioco non sono disponibili. Controlla i requisiti della piattaforma e riprova.</translation>
    </message>
    <message>
        <source>ErrUpdateDownloadFailed</source>
        <translation>Download dei contenuti di gioco non riuscito. Controlla la connessione a Internet e riprova.</translation>
    </message>
    <message>
        <source>ErrUpdateFailedMissingOption</source>
        <translation>Aggiornamento non riuscito: opzione mancante</translation>
    </message>
    <message>
        <source>ErrUpdateFailedToPatch</source>
        <translation>Applicazione della patch ai contenuti di gioco non riuscita. Riprova.</translation>
    </message>
    <message>
        <source>ErrUpdateFailedToStart</source>
        <translation>Impossibile avviare l&apos;aggiornamento.</translation>
    </message>
    <message>
        <source>ErrUpdateFailedToUnpack</source>
        <translation>Estrazione dei contenuti di gioco non riuscita. Riprova.</translation>
    </message>
    <message>
        <source>ErrUpdateInfoNotFound</source>
        <translation>Informazioni di aggiornamento non trovate. Riprova.</translation>
    </message>
    <message>
        <source>ErrUpdateInfoNotValid</source>
        <translation>Informazioni di aggiornamento non valide. Riprova.</translation>
    </message>
    <message>
        <source>ErrUpdateInfoQueryFailed</source>
        <translation>Impossibile connettersi al server degli aggiornamenti. Controlla la connessione a Internet e riprova.</translation>
    </message>
    <message>
        <source>ExitWarning</source>
        <translation>Il programma verrà chiuso. Vuoi continuare?</translation>
    </message>
    <message>
        <source>GameReady</source>
        <translation>Il gioco è pronto</translation>
    </message>
    <message>
        <source>GetPackage</source>
        <translation>Download dell&apos;elenco dei file...</translation>
    </message>
    <message>
        <source>HTTP</source>
        <translation>HTTP</translation>
    </message>
    <message>
        <source>HeaderGame</source>
        <translation>GIOCO</translation>
    </message>
    <message>
        <source>HeaderNews</source>
        <translation>NOTIZIE</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Host</translation>
    </message>
    <message numerus="yes">
        <source>HoursAgo</source>
        <translation>
            <numerusform>%n ora fa</numerusform>
            <numerusform>%n ore fa</numerusform>
        </translation>
    </message>
    <message>
        <source>InfoSettingsNeedRestart</source>
        <translation>Riavvia il programma per applicare l&apos;impostazione.</translation>
    </message>
    <message>
        <source>InstallCreateUninstall</source>
        <translation>Creazione delle chiavi di disinstallazione...</translation>
    </message>
    <message>
        <source>InstallDlgBtnInstall</source>
        <translation>INSTALLA</translation>
    </message>
    <message>
        <source>InstallDlgBtnSelect</source>
        <translation>Scegli...</translation>
    </message>
    <message>
        <source>InstallDlgCreateMenu</source>
        <translation>Crea voci nel menu Start</translation>
    </message>
    <message>
        <source>InstallDlgCreateShortcut</source>
        <translation>Crea un collegamento sul desktop</translation>
    </message>
    <message>
        <source>InstallDlgErrOutOfSpace</source>
        <translation>Spazio su disco insufficiente. Scegli un altro percorso di installazione.</translation>
    </message>
    <message>
        <source>InstallDlgErrPathInvalid</source>
        <translation>Percorso non valido</translation>
    </message>
    <message>
        <source>InstallDlgErrPathReadonly</source>
        <translation>Il percorso di installazione è di sola lettura. Scegli un altro percorso.</translation>
    </message>
    <message>
        <source>InstallDlgSelectPath</source>
        <translation>Scegli il percorso di installazione</translation>
    </message>
    <message>
        <source>InstallDlgSelectPathTitle</source>
        <translation>Scegli il percorso di installazione</translation>
    </message>
    <message>
        <source>InstallDlgTitle</source>
        <translation>Installazione di Glimmerdeep</translation>
    </message>
    <message>
        <source>InstallErrFailed</source>
        <translation>Installazione non riuscita.</translation>
    </message>
    <message>
        <source>InstallLinkFix</source>
        <translation>Correzione dei collegamenti...</translation>
    </message>
    <message>
        <source>InstallOpCreateUninstall</source>
        <translation>Creazione delle chiavi di disinstallazione...</translation>
    </message>
    <message>
        <source>InstallOpFile</source>
        <translation>Installazione dei file...</translation>
    </message>
    <message>
        <source>InstallOpLinks</source>
        <translation>Creazione dei collegamenti sul desktop...</translation>
    </message>
    <message>
        <source>InstallOpMenu</source>
        <translation>Creazione dei collegamenti nel menu Start...</translation>
    </message>
    <message>
        <source>InstallOpQuicklaunch</source>
        <translation>Creazione dei collegamenti di avvio rapido...</translation>
    </message>
    <message>
        <source>InstallOpRemoveData</source>
        <translation>Rimozione dei dati utente...</translation>
    </message>
    <message>
        <source>InstallResDone</source>
        <translation>Fatto.</translation>
    </message>
    <message>
        <source>InstallRollback</source>
        <translation>Annullamento delle modifiche...</translation>
    </message>
    <message>
        <source>LaunchParameters</source>
        <translation>Parametri di avvio</translation>
    </message>
    <message>
        <source>LauncherBtnPlay</source>
        <translation>GIOCA</translation>
    </message>
    <message>
        <source>LauncherProgressCheck</source>
        <translation>Verifica dei file %0%</translation>
    </message>
    <message>
        <source>LauncherProgressDownload</source>
        <translation>Download %0%</translation>
    </message>
    <message>
        <source>LauncherProgressInstall</source>
        <translation>Installazione %0%</translation>
    </message>
    <message>
        <source>LauncherProgressUnpack</source>
        <translation>Estrazione %0%</translation>
    </message>
    <message>
        <source>LauncherUpdateCheck</source>
        <translation>Ricerca aggiornamenti...</translation>
    </message>
    <message>
        <source>LauncherVersion</source>
        <translation>Versione %0.%1.%2</translation>
    </message>
    <message>
        <source>LicDlgBtnAccept</source>
        <translation>ACCETTO</translation>
    </message>
    <message>
        <source>LicDlgBtnReject</source>
        <translation>RIFIUTO</translation>
    </message>
    <message>
        <source>LicDlgTitle</source>
        <translation>Contratto di licenza</translation>
    </message>
    <message>
        <source>LinkDiscord</source>
        <translation>Discord</translation>
    </message>
    <message>
        <source>LinkEula</source>
        <translation>Contratto di licenza</translation>
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
        <translation>Si apre nel browser web</translation>
    </message>
    <message>
        <source>LinkPrivacy</source>
        <translation>Informativa sulla privacy</translation>
    </message>
    <message>
        <source>LinkRules</source>
        <translation>Regole di condotta</translation>
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
        <translation>Guida utente</translation>
    </message>
    <message>
        <source>LinkVK</source>
        <translation>VK</translation>
    </message>
    <message>
        <source>LinkWeb</source>
        <translation>Sito web</translation>
    </message>
    <message>
        <source>LinkYoutube</source>
        <translation>YouTube</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Utente</translation>
    </message>
    <message>
        <source>LoginDlgRememberPwd</source>
        <translation>Ricorda</translation>
    </message>
    <message>
        <source>LoginInputPlaceholder</source>
        <translation>Nome utente</translation>
    </message>
    <message>
        <source>MenuEula</source>
        <translation>Mostra contratto di licenza...</translation>
    </message>
    <message>
        <source>MenuExit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>MenuGraphicsAPI</source>
        <translation>API grafica</translation>
    </message>
    <message>
        <source>MenuGraphicsAPIAuto</source>
        <translation>Automatica</translation>
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
        <translation>Lingua</translation>
    </message>
    <message>
        <source>MenuLinks</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>MenuProxy</source>
        <translation>Proxy...</translation>
    </message>
    <message>
        <source>MenuRules</source>
        <translation>Regole di condotta...</translation>
    </message>
    <message>
        <source>MenuSettings</source>
        <translation>Impostazioni</translation>
    </message>
    <message numerus="yes">
        <source>MinsAgo</source>
        <translation>
            <numerusform>%n minuto fa</numerusform>
            <numerusform>%n minuti fa</numerusform>
        </translation>
    </message>
    <message>
        <source>MsgDiagnosticsDesktopReadOnly</source>
        <translation>Il file di diagnostica viene salvato sul desktop, ma non è possibile scrivere nella cartella del desktop %1. Controlla i permessi e riprova.</translation>
    </message>
    <message>
        <source>MsgDiagnosticsFailed</source>
        <translation>Errore di diagnostica</translation>
    </message>
    <message>
        <source>MsgDiagnosticsNoDesktop</source>
        <translation>Il file di diagnostica viene salvato sul desktop, ma la cartella del desktop %1 non esiste. Creala e riprova.</translation>
    </message>
    <message>
        <source>MsgDiagnosticsSuccess</source>
        <translation>Diagnostica completata. Un file con le informazioni diagnostiche è stato salvato sul desktop. Invialo via email al team di assistenza insieme a una descrizione del problema.</translation>
    </message>
    <message>
        <source>MsgErrRecoveryFailed</source>
        <translation>Si è verificato un errore durante il ripristino dei file di gioco.</translation>
    </message>
    <message>
        <source>MsgErrRecoveryInfoNotFound</source>
        <translation>Nessuna informazione trovata per il ripristino dei file di gioco.</translation>
    </message>
    <message>
        <source>MsgGameFilesAreValid</source>
        <translation>Tutti i file sono stati verificati correttamente.</translation>
    </message>
    <message>
        <source>MsgLoginFailed</source>
        <translation>Accesso non riuscito</translation>
    </message>
    <message>
        <source>MsgRecoverySuccess</source>
        <translation>Ripristino dei file di gioco completato.</translation>
    </message>
    <message>
        <source>Packing</source>
        <translation>preparazione dell&apos;archivio</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>PasswordInputPlaceholder</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
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
        <translation>Verifica dei file</translation>
    </message>
    <message>
        <source>ProgressDownloading</source>
        <translation>Download in corso...</translation>
    </message>
    <message>
        <source>ProgressInstalling</source>
        <translation>Installazione in corso...</translation>
    </message>
    <message>
        <source>ProgressUnpacking</source>
        <translation>Estrazione in corso...</translation>
    </message>
    <message>
        <source>ProgressUpdateCheck</source>
        <translation>Ricerca aggiornamenti...</translation>
    </message>
    <message>
        <source>ProxyErrHostInvalid</source>
        <translation>L&apos;host del proxy deve essere un nome o un indirizzo, senza spazi né barre.</translation>
    </message>
    <message>
        <source>ProxyErrHostMissing</source>
        <translation>Inserisci l&apos;host del proxy o cancella l&apos;utente per non usarlo.</translation>
    </message>
    <message>
        <source>ProxyErrPort</source>
        <translation>La porta deve essere un numero da 1 a 65535.</translation>
    </message>
    <message>
        <source>ProxySettings</source>
        <translation>Impostazioni proxy</translation>
    </message>
    <message>
        <source>RateB</source>
        <translation>byte/s</translation>
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
        <translation>Elimina la cronologia dei messaggi privati</translation>
    </message>
    <message>
        <source>RemoveSettings</source>
        <translation>Elimina le impostazioni di gioco</translation>
    </message>
    <message>
        <source>RepairQuestion</source>
        <translation>Sono stati trovati file danneggiati! Avviare il ripristino?</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>ResetSettings</source>
        <translation>Ripristina impostazioni</translation>
    </message>
    <message>
        <source>RulesDlgTitle</source>
        <translation>Regole di condotta</translation>
    </message>
    <message>
        <source>RunDiagnostics</source>
        <translation>Diagnostica...</translation>
    </message>
    <message>
        <source>RussianDataNoticeDlgTitle</source>
        <translation>Consenso al trattamento dei dati personali</translation>
    </message>
    <message>
        <source>SOCKS</source>
        <translation>SOCKS</translation>
    </message>
    <message>
        <source>SeedBackground</source>
        <translation>Condividi in background</translation>
    </message>
    <message>
        <source>SeedInGame</source>
        <translation>Condividi durante il gioco</translation>
    </message>
    <message>
        <source>SeedLimit</source>
        <translation>Velocità di condivisione in background</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>ShowFile</source>
        <translation>Mostra file...</translation>
    </message>
    <message>
        <source>SizeB</source>
        <translation>byte</translation>
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
            <numerusform>%0, %n non letta</numerusform>
            <numerusform>%0, %n non lette</numerusform>
        </translation>
    </message>
    <message>
        <source>Troubleshooting</source>
        <translation>Risoluzione dei problemi</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>UninstallConfirm</source>
        <translation>Disinstallare Glimmerdeep? I file di gioco e le tue impostazioni di Glimmerdeep verranno rimossi da questo computer.</translation>
    </message>
    <message>
        <source>UninstallLinkName</source>
        <translation>Disinstalla Glimmerdeep</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Nessun limite</translation>
    </message>
    <message>
        <source>UpdateProgress</source>
        <translation>Avanzamento dell&apos;aggiornamento</translation>
    </message>
    <message>
        <source>UpdateRetryErrMsg</source>
        <translation>%0 Riprovare?</translation>
    </message>
    <message>
        <source>WindowClose</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>WindowMinimize</source>
        <translation>Riduci a icona</translation>
    </message>
</context>
</TS>
