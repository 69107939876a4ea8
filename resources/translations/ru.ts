<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>TR</name>
    <message>
        <source>AbortChecking</source>
        <translation>Вы действительно хотите прервать проверку файлов?</translation>
    </message>
    <message>
        <source>AbortDiagnostics</source>
        <translation>Вы действительно хотите прервать диагностику?</translation>
    </message>
    <message>
        <source>AgeNotice</source>
        <translation>Мне уже исполнилось 18 лет</translation>
    </message>
    <message>
        <source>AutostartLauncher</source>
        <translation>Запускать при старте системы</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>BtnCancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>BtnExit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>BtnNo</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>BtnYes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>CheckGameFiles</source>
        <translation>Проверка файлов игры</translation>
    </message>
    <message>
        <source>CheckingProgress</source>
        <translation>(%1) Проверка %2</translation>
    </message>
    <message>
        <source>DataCollection</source>
        <translation>Сбор диагностической информации</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Диагностика</translation>
    </message>
    <message>
        <source>DlgBtnLogin</source>
        <translation>Войти</translation>
    </message>
    <message>
        <source>DlgBtnOK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>DownloadMethod</source>
        <translation>Способ загрузки файлов</translation>
    </message>
    <message>
        <source>DownloadPause</source>
        <translation>Приостановить загрузку</translation>
    </message>
    <message>
        <source>DownloadPaused</source>
        <translation>Загрузка приостановлена</translation>
    </message>
    <message>
        <source>DownloadResume</source>
        <translation>Возобновить загрузку</translation>
    </message>
    <message>
        <source>DownloadSpeed</source>
        <translation>Скорость загрузки</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Загрузка</translation>
    </message>
    <message>
        <source>ErrFailedEulaOpen</source>
        <translation>Не удалось загрузить лицензионное соглашение.</translation>
    </message>
    <message>
        <source>ErrGameStartFail</source>
        <translation>Не удалось запустить игру.</translation>
    </message>
    <message>
        <source>ErrUnknown</source>
        <translation>Обновление не удалось по неизвестной причине. Попробуйте ещё раз.</translation>
    </message>
    <message>
        <source>ErrUpdateContentNotFound</source>
        <translation>Игровые данные недоступны. Проверьте системные требования и попробуйте ещё раз.</translation>
    </message>
    <message>
        <source>ErrUpdateDownloadFailed</source>
        <translation>Не удалось загрузить игровые данные. Проверьте подключение к интернету и попробуйте ещё раз.</translation>
    </message>
    <message>
        <source>ErrUpdateFailedMissingOption</source>
        <translation>Ошибка обновления: не указан параметр</translation>
    </message>
    <message>
        <source>ErrUpdateFailedToPatch</source>
        <translation>Не удалось установить патч. Попробуйте ещё раз.</translation>
    </message>
    <message>
        <source>ErrUpdateFailedToStart</source>
        <translation>Не удалось начать обновление.</translation>
    </message>
    <message>
        <source>ErrUpdateFailedToUnpack</source>
        <translation>Не удалось распаковать игровые данные. Попробуйте ещё раз.</translation>
    </message>
    <message>
        <source>ErrUpdateInfoNotFound</source>
        <translation>Информация об обновлении не найдена. Попробуйте ещё раз.</translation>
    </message>
    <message>
        <source>ErrUpdateInfoNotValid</source>
        <translation>Информация об обновлении повреждена. Попробуйте ещё раз.</translation>
    </message>
    <message>
        <source>ErrUpdateInfoQueryFailed</source>
        <translation>Не удалось подключиться к серверу обновлений. Проверьте подключение к интернету и попробуйте ещё раз.</translation>
    </message>
    <message>
        <source>ExitWarning</source>
        <translation>Программа будет закрыта. Продолжить?</translation>
    </message>
    <message>
        <source>GameReady</source>
        <translation>Игра готова к запуску</translation>
    </message>
    <message>
        <source>GetPackage</source>
        <translation>Загрузка списка файлов...</translation>
    </message>
    <message>
        <source>HTTP</source>
        <translation>HTTP</translation>
    </message>
    <message>
        <source>HeaderGame</source>
        <translation>ИГРА</translation>
    </message>
    <message>
        <source>HeaderNews</source>
        <translation>НОВОСТИ</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Хост</translation>
    </message>
    <message numerus="yes">
        <source>HoursAgo</source>
        <translation>
            <numerusform>%n час назад</numerusform>
            <numerusform>%n часа назад</numerusform>
            <numerusform>%n часов назад</numerusform>
        </translation>
    </message>
    <message>
        <source>InfoSettingsNeedRestart</source>
        <translation>Чтобы применить настройку, перезапустите программу.</translation>
    </message>
    <message>
        <source>InstallCreateUninstall</source>
        <translation>Создание записей для удаления...</translation>
    </message>
    <message>
        <source>InstallDlgBtnInstall</source>
        <translation>УСТАНОВИТЬ</translation>
    </message>
    <message>
        <source>InstallDlgBtnSelect</source>
        <translation>Выбрать...</translation>
    </message>
    <message>
        <source>InstallDlgCreateMenu</source>
        <translation>Создать ярлыки в меню «Пуск»</translation>
    </message>
    <message>
        <source>InstallDlgCreateShortcut</source>
        <translation>Создать ярлык на рабочем столе</translation>
    </message>
    <message>
        <source>InstallDlgErrOutOfSpace</source>
        <translation>Недостаточно места на диске. Выберите другую папку для установки.</translation>
    </message>
    <message>
        <source>InstallDlgErrPathInvalid</source>
        <translation>Недопустимый путь</translation>
    </message>
    <message>
        <source>InstallDlgErrPathReadonly</source>
        <translation>Папка установки доступна только для чтения. Выберите другую папку.</translation>
    </message>
    <message>
        <source>InstallDlgSelectPath</source>
        <translation>Выберите папку для установки</translation>
    </message>
    <message>
        <source>InstallDlgSelectPathTitle</source>
        <translation>Выбор папки установки</translation>
    </message>
    <message>
        <source>InstallDlgTitle</source>
        <translation>Установка Glimmerdeep</translation>
    </message>
    <message>
        <source>InstallErrFailed</source>
        <translation>Не удалось выполнить установку.</translation>
    </message>
    <message>
        <source>InstallLinkFix</source>
        <translation>Исправление ярлыков...</translation>
    </message>
    <message>
        <source>InstallOpCreateUninstall</source>
        <translation>Создание записей для удаления...</translation>
    </message>
    <message>
        <source>InstallOpFile</source>
        <translation>Установка файлов...</translation>
    </message>
    <message>
        <source>InstallOpLinks</source>
        <translation>Создание ярлыков на рабочем столе...</translation>
    </message>
    <message>
        <source>InstallOpMenu</source>
        <translation>Создание ярлыков в меню «Пуск»...</translation>
    </message>
    <message>
        <source>InstallOpQuicklaunch</source>
        <translation>Создание ярлыков быстрого запуска...</translation>
    </message>
    <message>
        <source>InstallOpRemoveData</source>
        <translation>Удаление пользовательских данных...</translation>
    </message>
    <message>
        <source>InstallResDone</source>
        <translation>Готово.</translation>
    </message>
    <message>
        <source>InstallRollback</source>
        <translation>Отмена изменений...</translation>
    </message>
    <message>
        <source>LaunchParameters</source>
        <translation>Параметры запуска</translation>
    </message>
    <message>
        <source>LauncherBtnPlay</source>
        <translation>ИГРАТЬ</translation>
    </message>
    <message>
        <source>LauncherProgressCheck</source>
        <translation>Проверка файлов %0%</translation>
    </message>
    <message>
        <source>LauncherProgressDownload</source>
        <translation>Загрузка %0%</translation>
    </message>
    <message>
        <source>LauncherProgressInstall</source>
        <translation>Установка %0%</translation>
    </message>
    <message>
        <source>LauncherProgressUnpack</source>
        <translation>Распаковка %0%</translation>
    </message>
    <message>
        <source>LauncherUpdateCheck</source>
        <translation>Проверка обновлений...</translation>
    </message>
    <message>
        <source>LauncherVersion</source>
        <translation>Версия %0.%1.%2</translation>
    </message>
    <message>
        <source>LicDlgBtnAccept</source>
        <translation>ПРИНЯТЬ</translation>
    </message>
    <message>
        <source>LicDlgBtnReject</source>
        <translation>ОТКЛОНИТЬ</translation>
    </message>
    <message>
        <source>LicDlgTitle</source>
        <translation>Лицензионное соглашение</translation>
    </message>
    <message>
        <source>LinkDiscord</source>
        <translation>Discord</translation>
    </message>
    <message>
        <source>LinkEula</source>
        <translation>Лицензионное соглашение</translation>
    </message>
    <message>
        <source>LinkFacebook</source>
        <translation>Facebook</translation>
    </message>
    <message>
        <source>LinkForum</source>
        <translation>Форум</translation>
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
        <translation>Откроется в веб-браузере</translation>
    </message>
    <message>
        <source>LinkPrivacy</source>
        <translation>Политика конфиденциальности</translation>
    </message>
    <message>
        <source>LinkRules</source>
        <translation>Правила поведения</translation>
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
        <translation>Руководство пользователя</translation>
    </message>
    <message>
        <source>LinkVK</source>
        <translation>VK</translation>
    </message>
    <message>
        <source>LinkWeb</source>
        <translation>Сайт</translation>
    </message>
    <message>
        <source>LinkYoutube</source>
        <translation>YouTube</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Логин</translation>
    </message>
    <message>
        <source>LoginDlgRememberPwd</source>
        <translation>Запомнить</translation>
    </message>
    <message>
        <source>LoginInputPlaceholder</source>
        <translation>Имя пользователя</translation>
    </message>
    <message>
        <source>MenuEula</source>
        <translation>Лицензионное соглашение...</translation>
    </message>
    <message>
        <source>MenuExit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>MenuGraphicsAPI</source>
        <translation>Графический API</translation>
    </message>
    <message>
        <source>MenuGraphicsAPIAuto</source>
        <translation>Автоматически</translation>
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
        <translation>Язык</translation>
    </message>
    <message>
        <source>MenuLinks</source>
        <translation>Ссылки</translation>
    </message>
    <message>
        <source>MenuProxy</source>
        <translation>Прокси...</translation>
    </message>
    <message>
        <source>MenuRules</source>
        <translation>Правила поведения...</translation>
    </message>
    <message>
        <source>MenuSettings</source>
        <translation>Настройки</translation>
    </message>
    <message numerus="yes">
        <source>MinsAgo</source>
        <translation>
            <numerusform>%n минуту назад</numerusform>
            <numerusform>%n минуты назад</numerusform>
            <numerusform>%n минут назад</numerusform>
        </translation>
    </message>
    <message>
        <source>MsgDiagnosticsDesktopReadOnly</source>
        <translation>Файл диагностики сохраняется на рабочий стол, но в папку рабочего стола %1 нельзя записывать. Проверьте права доступа к ней и попробуйте ещё раз.</translation>
    </message>
    <message>
        <source>MsgDiagnosticsFailed</source>
        <translation>Ошибка диагностики</translation>
    </message>
    <message>
        <source>MsgDiagnosticsNoDesktop</source>
        <translation>Файл диагностики сохраняется на рабочий стол, но папка рабочего стола %1 не существует. Создайте её и попробуйте ещё раз.</translation>
    </message>
    <message>
        <source>MsgDiagnosticsSuccess</source>
        <translation>Диагностика завершена. Файл с диагностической информацией сохранён на рабочем столе. Отправьте его вместе с описанием проблемы в службу поддержки по электронной почте.</translation>
    </message>
    <message>
        <source>MsgErrRecoveryFailed</source>
        <translation>При восстановлении файлов игры произошла ошибка.</translation>
    </message>
    <message>
        <source>MsgErrRecoveryInfoNotFound</source>
        <translation>Информация для восстановления файлов игры не найдена.</translation>
    </message>
    <message>
        <source>MsgGameFilesAreValid</source>
        <translation>Все файлы успешно проверены.</translation>
    </message>
    <message>
        <source>MsgLoginFailed</source>
        <translation>Не удалось войти</translation>
    </message>
    <message>
        <source>MsgRecoverySuccess</source>
        <translation>Файлы игры успешно восстановлены.</translation>
    </message>
    <message>
        <source>Packing</source>
        <translation>подготовка архива</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>PasswordInputPlaceholder</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
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
        <translation>Проверка файлов</translation>
    </message>
    <message>
        <source>ProgressDownloading</source>
        <translation>Загрузка...</translation>
    </message>
    <message>
        <source>ProgressInstalling</source>
        <translation>Установка...</translation>
    </message>
    <message>
        <source>ProgressUnpacking</source>
        <translation>Распаковка...</translation>
    </message>
    <message>
        <source>ProgressUpdateCheck</source>
        <translation>Проверка обновлений...</translation>
    </message>
    <message>
        <source>ProxyErrHostInvalid</source>
        <translation>Хост прокси должен быть именем или адресом без пробелов и косых черт.</translation>
    </message>
    <message>
        <source>ProxyErrHostMissing</source>
        <translation>Укажите хост прокси. Без прокси — очистите логин.</translation>
    </message>
    <message>
        <source>ProxyErrPort</source>
        <translation>Порт должен быть числом от 1 до 65535.</translation>
    </message>
    <message>
        <source>ProxySettings</source>
        <translation>Настройки прокси</translation>
    </message>
    <message>
        <source>RateB</source>
        <translation>байт/с</translation>
    </message>
    <message>
        <source>RateGB</source>
        <translation>ГБ/с</translation>
    </message>
    <message>
        <source>RateKB</source>
        <translation>КБ/с</translation>
    </message>
    <message>
        <source>RateMB</source>
        <translation>МБ/с</translation>
    </message>
    <message>
        <source>RemoveHistory</source>
        <translation>Удалить историю личных сообщений</translation>
    </message>
    <message>
        <source>RemoveSettings</source>
        <translation>Удалить настройки игры</translation>
    </message>
    <message>
        <source>RepairQuestion</source>
        <translation>Обнаружены повреждённые файлы! Начать восстановление?</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>ResetSettings</source>
        <translation>Сбросить настройки</translation>
    </message>
    <message>
        <source>RulesDlgTitle</source>
        <translation>Правила поведения</translation>
    </message>
    <message>
        <source>RunDiagnostics</source>
        <translation>Диагностика...</translation>
    </message>
    <message>
        <source>RussianDataNoticeDlgTitle</source>
        <translation>Согласие на обработку персональных данных</translation>
    </message>
    <message>
        <source>SOCKS</source>
        <translation>SOCKS</translation>
    </message>
    <message>
        <source>SeedBackground</source>
        <translation>Раздавать в фоновом режиме</translation>
    </message>
    <message>
        <source>SeedInGame</source>
        <translation>Раздавать во время игры</translation>
    </message>
    <message>
        <source>SeedLimit</source>
        <translation>Скорость раздачи в фоновом режиме</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>ShowFile</source>
        <translation>Показать файл...</translation>
    </message>
    <message>
        <source>SizeB</source>
        <translation>байт</translation>
    </message>
    <message>
        <source>SizeGB</source>
        <translation>ГБ</translation>
    </message>
    <message>
        <source>SizeKB</source>
        <translation>КБ</translation>
    </message>
    <message>
        <source>SizeMB</source>
        <translation>МБ</translation>
    </message>
    <message numerus="yes">
        <source>TabUnread</source>
        <translation>
            <numerusform>%0, %n непрочитанная</numerusform>
            <numerusform>%0, %n непрочитанные</numerusform>
            <numerusform>%0, %n непрочитанных</numerusform>
        </translation>
    </message>
    <message>
        <source>Troubleshooting</source>
        <translation>Устранение неполадок</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>UninstallConfirm</source>
        <translation>Удалить Glimmerdeep? Файлы игры и ваши настройки Glimmerdeep будут удалены с этого компьютера.</translation>
    </message>
    <message>
        <source>UninstallLinkName</source>
        <translation>Удалить Glimmerdeep</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Без ограничений</translation>
    </message>
    <message>
        <source>UpdateProgress</source>
        <translation>Ход обновления</translation>
    </message>
    <message>
        <source>UpdateRetryErrMsg</source>
        <translation>%0 Повторить?</translation>
    </message>
    <message>
        <source>WindowClose</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>WindowMinimize</source>
        <translation>Свернуть</translation>
    </message>
</context>
</TS>
