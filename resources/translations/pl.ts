<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>TR</name>
    <message>
        <source>AbortChecking</source>
        <translation>Czy na pewno chcesz przerwać sprawdzanie plików?</translation>
    </message>
    <message>
        <source>AbortDiagnostics</source>
        <translation>Czy na pewno chcesz przerwać diagnostykę?</translation>
    </message>
    <message>
        <source>AgeNotice</source>
        <translation>Mam co najmniej 18 lat</translation>
    </message>
    <message>
        <source>AutostartLauncher</source>
        <translation>Uruchamiaj przy starcie systemu</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>BtnCancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>BtnExit</source>
        <translation>Wyjdź</translation>
    </message>
    <message>
        <source>BtnNo</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>BtnYes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>CheckGameFiles</source>
        <translation>Sprawdź pliki gry</translation>
    </message>
    <message>
        <source>CheckingProgress</source>
        <translation>(%1) Sprawdzanie: %2</translation>
    </message>
    <message>
        <source>DataCollection</source>
        <translation>Zbieranie informacji diagnostycznych</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Diagnostyka</translation>
    </message>
    <message>
        <source>DlgBtnLogin</source>
        <translation>Zaloguj się</translation>
    </message>
    <message>
        <source>DlgBtnOK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>DownloadMethod</source>
        <translation>Sposób pobierania plików</translation>
    </message>
    <message>
        <source>DownloadPause</source>
        <translation>Wstrzymaj pobieranie</translation>
    </message>
    <message>
        <source>DownloadPaused</source>
        <translation>Pobieranie wstrzymane</translation>
    </message>
    <message>
        <source>DownloadResume</source>
        <translation>Wznów pobieranie</translation>
    </message>
    <message>
        <source>DownloadSpeed</source>
        <translation>Prędkość pobierania</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Pobieranie</translation>
    </message>
    <message>
        <source>ErrFailedEulaOpen</source>
        <translation>Nie udało się wczytać umowy licencyjnej.</translation>
    </message>
    <message>
        <source>ErrGameStartFail</source>
        <translation>Nie udało się uruchomić gry.</translation>
    </message>
    <message>
        <source>ErrUnknown</source>
        <translation>Aktualizacja nie powiodła się z nieznanego powodu. Spróbuj ponownie.</translation>
    </message>
    <message>
        <source>ErrUpdateContentNotFound</source>
        <translation>Zawartość gry jest niedostępna. Sprawdź wymagania platformy i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>ErrUpdateDownloadFailed</source>
        <translation>Nie udało się pobrać zawartości gry. Sprawdź połączenie z internetem i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>ErrUpdateFailedMissingOption</source>
        <translation>Aktualizacja nie powiodła się: brak opcji</translation>
    </message>
    <message>
        <source>ErrUpdateFailedToPatch</source>
        <translation>Nie udało się zastosować łatki do zawartości gry. Spróbuj ponownie.</translation>
    </message>
    <message>
        <source>ErrUpdateFailedToStart</source>
        <translation>Nie udało się rozpocząć aktualizacji.</translation>
    </message>
    <message>
        <source>ErrUpdateFailedToUnpack</source>
        <translation>Nie udało się rozpakować zawartości gry. Spróbuj ponownie.</translation>
    </message>
    <message>
        <source>ErrUpdateInfoNotFound</source>
        <translation>Nie znaleziono informacji o aktualizacji. Spróbuj ponownie.</translation>
    </message>
    <message>
        <source>ErrUpdateInfoNotValid</source>
        <translation>Informacje o aktualizacji są nieprawidłowe. Spróbuj ponownie.</translation>
    </message>
    <message>
        <source>ErrUpdateInfoQueryFailed</source>
        <translation>Nie udało się połączyć z serwerem aktualizacji. Sprawdź połączenie z internetem i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>ExitWarning</source>
        <translation>Program zostanie zamknięty. Czy chcesz kontynuować?</translation>
    </message>
    <message>
        <source>GameReady</source>
        <translation>Gra jest gotowa</translation>
    </message>
    <message>
        <source>GetPackage</source>
        <translation>Pobieranie listy plików...</translation>
    </message>
    <message>
        <source>HTTP</source>
        <translation>HTTP</translation>
    </message>
    <message>
        <source>HeaderGame</source>
        <translation>GRA</translation>
    </message>
    <message>
        <source>HeaderNews</source>
        <translation>NOWOŚCI</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Host</translation>
    </message>
    <message numerus="yes">
        <source>HoursAgo</source>
        <translation>
            <numerusform>%n godzinę temu</numerusform>
            <numerusform>%n godziny temu</numerusform>
            <numerusform>%n godzin temu</numerusform>
        </translation>
    </message>
    <message>
        <source>InfoSettingsNeedRestart</source>
        <translation>Uruchom program ponownie, aby zastosować ustawienie.</translation>
    </message>
    <message>
        <source>InstallCreateUninstall</source>
        <translation>Tworzenie wpisów dezinstalacji...</translation>
    </message>
    <message>
        <source>InstallDlgBtnInstall</source>
        <translation>ZAINSTALUJ</translation>
    </message>
    <message>
        <source>InstallDlgBtnSelect</source>
        <translation>Wybierz...</translation>
    </message>
    <message>
        <source>InstallDlgCreateMenu</source>
        <translation>Utwórz pozycje w menu Start</translation>
    </message>
    <message>
        <source>InstallDlgCreateShortcut</source>
        <translation>Utwórz skrót na pulpicie</translation>
    </message>
    <message>
        <source>InstallDlgErrOutOfSpace</source>
        <translation>Za mało miejsca na dysku. Wybierz inną ścieżkę instalacji.</translation>
    </message>
    <message>
        <source>InstallDlgErrPathInvalid</source>
        <translation>Nieprawidłowa ścieżka</translation>
    </message>
    <message>
        <source>InstallDlgErrPathReadonly</source>
        <translation>Ścieżka instalacji jest tylko do odczytu. Wybierz inną ścieżkę.</translation>
    </message>
    <message>
        <source>InstallDlgSelectPath</source>
        <translation>Wybierz ścieżkę instalacji</translation>
    </message>
    <message>
        <source>InstallDlgSelectPathTitle</source>
        <translation>Wybierz ścieżkę instalacji</translation>
    </message>
    <message>
        <source>InstallDlgTitle</source>
        <translation>Instalacja Glimmerdeep</translation>
    </message>
    <message>
        <source>InstallErrFailed</source>
        <translation>Instalacja nie powiodła się.</translation>
    </message>
    <message>
        <source>InstallLinkFix</source>
        <translation>Naprawianie skrótów...</translation>
    </message>
    <message>
        <source>InstallOpCreateUninstall</source>
        <translation>Tworzenie wpisów dezinstalacji...</translation>
    </message>
    <message>
        <source>InstallOpFile</source>
        <translation>Instalowanie plików...</translation>
    </message>
    <message>
        <source>InstallOpLinks</source>
        <translation>Tworzenie skrótów na pulpicie...</translation>
    </message>
    <message>
        <source>InstallOpMenu</source>
        <translation>Tworzenie skrótów w menu Start...</translation>
    </message>
    <message>
        <source>InstallOpQuicklaunch</source>
        <translation>Tworzenie skrótów szybkiego uruchamiania...</translation>
    </message>
    <message>
        <source>InstallOpRemoveData</source>
        <translation>Usuwanie danych użytkownika...</translation>
    </message>
    <message>
        <source>InstallResDone</source>
        <translation>Gotowe.</translation>
    </message>
    <message>
        <source>InstallRollback</source>
        <translation>Wycofywanie zmian...</translation>
    </message>
    <message>
        <source>LaunchParameters</source>
        <translation>Parametry uruchamiania</translation>
    </message>
    <message>
        <source>LauncherBtnPlay</source>
        <translation>GRAJ</translation>
    </message>
    <message>
        <source>LauncherProgressCheck</source>
        <translation>Sprawdzanie plików %0%</translation>
    </message>
    <message>
        <source>LauncherProgressDownload</source>
        <translation>Pobieranie %0%</translation>
    </message>
    <message>
        <source>LauncherProgressInstall</source>
        <translation>Instalowanie %0%</translation>
    </message>
    <message>
        <source>LauncherProgressUnpack</source>
        <translation>Rozpakowywanie %0%</translation>
    </message>
    <message>
        <source>LauncherUpdateCheck</source>
        <translation>Wyszukiwanie aktualizacji...</translation>
    </message>
    <message>
        <source>LauncherVersion</source>
        <translation>Wersja %0.%1.%2</translation>
    </message>
    <message>
        <source>LicDlgBtnAccept</source>
        <translation>AKCEPTUJĘ</translation>
    </message>
    <message>
        <source>LicDlgBtnReject</source>
        <translation>ODRZUCAM</translation>
    </message>
    <message>
        <source>LicDlgTitle</source>
        <translation>Umowa licencyjna</translation>
    </message>
    <message>
        <source>LinkDiscord</source>
        <translation>Discord</translation>
    </message>
    <message>
        <source>LinkEula</source>
        <translation>Umowa licencyjna</translation>
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
        <translation>Otwiera się w przeglądarce internetowej</translation>
    </message>
    <message>
        <source>LinkPrivacy</source>
        <translation>Polityka prywatności</translation>
    </message>
    <message>
        <source>LinkRules</source>
        <translation>Zasady zachowania</translation>
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
        <translation>Podręcznik użytkownika</translation>
    </message>
    <message>
        <source>LinkVK</source>
        <translation>VK</translation>
    </message>
    <message>
        <source>LinkWeb</source>
        <translation>Strona WWW</translation>
    </message>
    <message>
        <source>LinkYoutube</source>
        <translation>YouTube</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Użytkownik</translation>
    </message>
    <message>
        <source>LoginDlgRememberPwd</source>
        <translation>Zapamiętaj</translation>
    </message>
    <message>
        <source>LoginInputPlaceholder</source>
        <translation>Nazwa użytkownika</translation>
    </message>
    <message>
        <source>MenuEula</source>
        <translation>Pokaż umowę licencyjną...</translation>
    </message>
    <message>
        <source>MenuExit</source>
        <translation>Wyjdź</translation>
    </message>
    <message>
        <source>MenuGraphicsAPI</source>
        <translation>API graficzne</translation>
    </message>
    <message>
        <source>MenuGraphicsAPIAuto</source>
        <translation>Automatycznie</translation>
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
        <translation>Język</translation>
    </message>
    <message>
        <source>MenuLinks</source>
        <translation>Linki</translation>
    </message>
    <message>
        <source>MenuProxy</source>
        <translation>Proxy...</translation>
    </message>
    <message>
        <source>MenuRules</source>
        <translation>Zasady zachowania...</translation>
    </message>
    <message>
        <source>MenuSettings</source>
        <translation>Ustawienia</translation>
    </message>
    <message numerus="yes">
        <source>MinsAgo</source>
        <translation>
            <numerusform>%n minutę temu</numerusform>
            <numerusform>%n minuty temu</numerusform>
            <numerusform>%n minut temu</numerusform>
        </translation>
    </message>
    <message>
        <source>MsgDiagnosticsDesktopReadOnly</source>
        <translation>Plik diagnostyczny jest zapisywany na pulpicie, ale do folderu pulpitu %1 nie można zapisywać. Sprawdź jego uprawnienia i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>MsgDiagnosticsFailed</source>
        <translation>Błąd diagnostyki</translation>
    </message>
    <message>
        <source>MsgDiagnosticsNoDesktop</source>
        <translation>Plik diagnostyczny jest zapisywany na pulpicie, ale folder pulpitu %1 nie istnieje. Utwórz go i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>MsgDiagnosticsSuccess</source>
        <translation>Diagnostyka zakończona. Plik z informacjami diagnostycznymi został zapisany na pulpicie. Wyślij go e-mailem do zespołu wsparcia razem z opisem problemu.</translation>
    </message>
    <message>
        <source>MsgErrRecoveryFailed</source>
        <translation>Podczas przywracania plików gry wystąpił błąd.</translation>
    </message>
    <message>
        <source>MsgErrRecoveryInfoNotFound</source>
        <translation>Nie znaleziono informacji o przywracaniu plików gry.</translation>
    </message>
    <message>
        <source>MsgGameFilesAreValid</source>
        <translation>Wszystkie pliki zostały pomyślnie sprawdzone.</translation>
    </message>
    <message>
        <source>MsgLoginFailed</source>
        <translation>Logowanie nie powiodło się</translation>
    </message>
    <message>
        <source>MsgRecoverySuccess</source>
        <translation>Przywracanie plików gry zakończyło się pomyślnie.</translation>
    </message>
    <message>
        <source>Packing</source>
        <translation>przygotowywanie archiwum</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>PasswordInputPlaceholder</source>
        <translation>Hasło</translation>
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
        <translation>Sprawdzanie plików</translation>
    </message>
    <message>
        <source>ProgressDownloading</source>
        <translation>Pobieranie...</translation>
    </message>
    <message>
        <source>ProgressInstalling</source>
        <translation>Instalowanie...</translation>
    </message>
    <message>
        <source>ProgressUnpacking</source>
        <translation>Rozpakowywanie...</translation>
    </message>
    <message>
        <source>ProgressUpdateCheck</source>
        <translation>Wyszukiwanie aktualizacji...</translation>
    </message>
    <message>
        <source>ProxyErrHostInvalid</source>
        <translation>Host proxy musi być nazwą lub adresem, bez spacji i ukośników.</translation>
    </message>
    <message>
        <source>ProxyErrHostMissing</source>
        <translation>Wpisz host proxy albo wyczyść pole Użytkownik, aby pominąć proxy.</translation>
    </message>
    <message>
        <source>ProxyErrPort</source>
        <translation>Port musi być liczbą od 1 do 65535.</translation>
    </message>
    <message>
        <source>ProxySettings</source>
        <translation>Ustawienia proxy</translation>
    </message>
    <message>
        <source>RateB</source>
        <translation>B/s</translation>
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
        <translation>Usuń historię prywatnych wiadomości</translation>
    </message>
    <message>
        <source>RemoveSettings</source>
        <translation>Usuń ustawienia gry</translation>
    </message>
    <message>
        <source>RepairQuestion</source>
        <translation>Znaleziono uszkodzone pliki! Rozpocząć przywracanie?</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Resetuj</translation>
    </message>
    <message>
        <source>ResetSettings</source>
        <translation>Resetuj ustawienia</translation>
    </message>
    <message>
        <source>RulesDlgTitle</source>
        <translation>Zasady zachowania</translation>
    </message>
    <message>
        <source>RunDiagnostics</source>
        <translation>Diagnostyka...</translation>
    </message>
    <message>
        <source>RussianDataNoticeDlgTitle</source>
        <translation>Zgoda na przetwarzanie danych osobowych</translation>
    </message>
    <message>
        <source>SOCKS</source>
        <translation>SOCKS</translation>
    </message>
    <message>
        <source>SeedBackground</source>
        <translation>Udostępniaj w tle</translation>
    </message>
    <message>
        <source>SeedInGame</source>
        <translation>Udostępniaj podczas gry</translation>
    </message>
    <message>
        <source>SeedLimit</source>
        <translation>Prędkość udostępniania w tle</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>ShowFile</source>
        <translation>Pokaż plik...</translation>
    </message>
    <message>
        <source>SizeB</source>
        <translation>B</translation>
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
            <numerusform>%0, %n nieprzeczytana</numerusform>
            <numerusform>%0, %n nieprzeczytane</numerusform>
            <numerusform>%0, %n nieprzeczytanych</numerusform>
        </translation>
    </message>
    <message>
        <source>Troubleshooting</source>
        <translation>Rozwiązywanie problemów</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>UninstallConfirm</source>
        <translation>Odinstalować Glimmerdeep? Pliki gry i Twoje ustawienia Glimmerdeep zostaną usunięte z tego komputera.</translation>
    </message>
    <message>
        <source>UninstallLinkName</source>
        <translation>Odinstaluj Glimmerdeep</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Bez limitu</translation>
    </message>
    <message>
        <source>UpdateProgress</source>
        <translation>Postęp aktualizacji</translation>
    </message>
    <message>
        <source>UpdateRetryErrMsg</source>
        <translation>%0 Spróbować ponownie?</translation>
    </message>
    <message>
        <source>WindowClose</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>WindowMinimize</source>
        <translation>Minimalizuj</translation>
    </message>
</context>
</TS>
