<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>TR</name>
    <message>
        <source>AbortChecking</source>
        <translation>Are you sure you want to abort file checking?</translation>
    </message>
    <message>
        <source>AbortDiagnostics</source>
        <translation>Are you sure you want to abort diagnostics?</translation>
    </message>
    <message>
        <source>AgeNotice</source>
        <translation>I am at least 18 years old</translation>
    </message>
    <message>
        <source>AutostartLauncher</source>
        <translation>Autostart at system startup</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>BtnCancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>BtnExit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>BtnNo</source>
        <translation>No</translation>
    </message>
    <message>
        <source>BtnYes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>CheckGameFiles</source>
        <translation>Checking game files</translation>
    </message>
    <message>
        <source>CheckingProgress</source>
        <translation>(%1) Checking %2</translation>
    </message>
    <message>
        <source>DataCollection</source>
        <translation>Collecting diagnostic information</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Diagnostics</translation>
    </message>
    <message>
        <source>DlgBtnLogin</source>
        <translation>Sign in</translation>
    </message>
    <message>
        <source>DlgBtnOK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>DownloadMethod</source>
        <translation>File download method</translation>
    </message>
    <message>
        <source>DownloadPause</source>
        <translation>Pause download</translation>
    </message>
    <message>
        <source>DownloadPaused</source>
        <translation>Download paused</translation>
    </message>
    <message>
        <source>DownloadResume</source>
        <translation>Resume download</translation>
    </message>
    <message>
        <source>DownloadSpeed</source>
        <translation>Download speed</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>ErrFailedEulaOpen</source>
        <translation>Failed to load EULA file.</translation>
    </message>
    <message>
        <source>ErrGameStartFail</source>
        <translation>Failed to start the game.</translation>
    </message>
    <message>
        <source>ErrUnknown</source>
        <translation>Update process failed for unknown reason. Please try again.</translation>
    </message>
    <message>
        <source>ErrUpdateContentNotFound</source>
        <translation>Game content is not available. Please check the platform requirements and try again.</translation>
    </message>
    <message>
        <source>ErrUpdateDownloadFailed</source>
        <translation>Game content failed to download. Please check your internet connection and try again.</translation>
    </message>
    <message>
        <source>ErrUpdateFailedMissingOption</source>
        <translation>Update failed: missing option</translation>
    </message>
    <message>
        <source>ErrUpdateFailedToPatch</source>
        <translation>Game content patch failed. Please try again.</translation>
    </message>
    <message>
        <source>ErrUpdateFailedToStart</source>
        <translation>Update failed to start.</translation>
    </message>
    <message>
        <source>ErrUpdateFailedToUnpack</source>
        <translation>Game content failed to unpack. Please try again.</translation>
    </message>
    <message>
        <source>ErrUpdateInfoNotFound</source>
        <translation>Update information is not found. Please try again.</translation>
    </message>
    <message>
        <source>ErrUpdateInfoNotValid</source>
        <translation>Update information is not valid. Please try again.</translation>
    </message>
    <message>
        <source>ErrUpdateInfoQueryFailed</source>
        <translation>Failed to connect to update server. Please check your internet connection and try again.</translation>
    </message>
    <message>
        <source>ExitWarning</source>
        <translation>Program will exit. Do you want to continue?</translation>
    </message>
    <message>
        <source>GameReady</source>
        <translation>The game is ready to play</translation>
    </message>
    <message>
        <source>GetPackage</source>
        <translation>Downloading files list ...</translation>
    </message>
    <message>
        <source>HTTP</source>
        <translation>HTTP</translation>
    </message>
    <message>
        <source>HeaderGame</source>
        <translation>GAME</translation>
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
            <numerusform>hour ago</numerusform>
            <numerusform>%n hours ago</numerusform>
        </translation>
    </message>
    <message>
        <source>InfoSettingsNeedRestart</source>
        <translation>To apply the setting, you need to restart the program.</translation>
    </message>
    <message>
        <source>InstallCreateUninstall</source>
        <translation>Creating uninstall keys...</translation>
    </message>
    <message>
        <source>InstallDlgBtnInstall</source>
        <translation>INSTALL</translation>
    </message>
    <message>
        <source>InstallDlgBtnSelect</source>
        <translation>Select...</translation>
    </message>
    <message>
        <source>InstallDlgCreateMenu</source>
        <translation>Create start menu items</translation>
    </message>
    <message>
        <source>InstallDlgCreateShortcut</source>
        <translation>Create a desktop shortcut</translation>
    </message>
    <message>
        <source>InstallDlgErrOutOfSpace</source>
        <translation>Not enough disk space. Select a different installation path.</translation>
    </message>
    <message>
        <source>InstallDlgErrPathInvalid</source>
        <translation>Path is not valid</translation>
    </message>
    <message>
        <source>InstallDlgErrPathReadonly</source>
        <translation>Installation path is read only. Select a different path.</translation>
    </message>
    <message>
        <source>InstallDlgSelectPath</source>
        <translation>Select installation path</translation>
    </message>
    <message>
        <source>InstallDlgSelectPathTitle</source>
        <translation>Select Installation Path</translation>
    </message>
    <message>
        <source>InstallDlgTitle</source>
        <translation>Glimmerdeep installation</translation>
    </message>
    <message>
        <source>InstallErrFailed</source>
        <translation>Installation failed.</translation>
    </message>
    <message>
        <source>InstallLinkFix</source>
        <translation>Fixing links...</translation>
    </message>
    <message>
        <source>InstallOpCreateUninstall</source>
        <translation>Creating uninstall keys...</translation>
    </message>
    <message>
        <source>InstallOpFile</source>
        <translation>Installing files...</translation>
    </message>
    <message>
        <source>InstallOpLinks</source>
        <translation>Creating desktop links...</translation>
    </message>
    <message>
        <source>InstallOpMenu</source>
        <translation>Creating start menu links...</translation>
    </message>
    <message>
        <source>InstallOpQuicklaunch</source>
        <translation>Creating quick launch links...</translation>
    </message>
    <message>
        <source>InstallOpRemoveData</source>
        <translation>Removing user data...</translation>
    </message>
    <message>
        <source>InstallResDone</source>
        <translation>Done.</translation>
    </message>
    <message>
        <source>InstallRollback</source>
        <translation>Rolling back...</translation>
    </message>
    <message>
        <source>LaunchParameters</source>
        <translation>Launch parameters</translation>
    </message>
    <message>
        <source>LauncherBtnPlay</source>
        <translation>PLAY</translation>
    </message>
    <message>
        <source>LauncherProgressCheck</source>
        <translation>Checking files %0%</translation>
    </message>
    <message>
        <source>LauncherProgressDownload</source>
        <translation>Downloading %0%</translation>
    </message>
    <message>
        <source>LauncherProgressInstall</source>
        <translation>Installing %0%</translation>
    </message>
    <message>
        <source>LauncherProgressUnpack</source>
        <translation>Unpacking %0%</translation>
    </message>
    <message>
        <source>LauncherUpdateCheck</source>
        <translation>Checking for updates...</translation>
    </message>
    <message>
        <source>LauncherVersion</source>
        <translation>Version %0.%1.%2</translation>
    </message>
    <message>
        <source>LicDlgBtnAccept</source>
        <translation>ACCEPT</translation>
    </message>
    <message>
        <source>LicDlgBtnReject</source>
        <translation>REJECT</translation>
    </message>
    <message>
        <source>LicDlgTitle</source>
        <translation>License agreement</translation>
    </message>
    <message>
        <source>LinkDiscord</source>
        <translation>Discord</translation>
    </message>
    <message>
        <source>LinkEula</source>
        <translation>License agreement</translation>
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
        <translation>Opens in your web browser</translation>
    </message>
    <message>
        <source>LinkPrivacy</source>
        <translation>Privacy policy</translation>
    </message>
    <message>
        <source>LinkRules</source>
        <translation>Rules of conduct</translation>
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
        <translation>Userguide</translation>
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
        <translation>Login</translation>
    </message>
    <message>
        <source>LoginDlgRememberPwd</source>
        <translation>Remember</translation>
    </message>
    <message>
        <source>LoginInputPlaceholder</source>
        <translation>Username</translation>
    </message>
    <message>
        <source>MenuEula</source>
        <translation>Show EULA...</translation>
    </message>
    <message>
        <source>MenuExit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>MenuGraphicsAPI</source>
        <translation>Graphics API</translation>
    </message>
    <message>
        <source>MenuGraphicsAPIAuto</source>
        <translation>Auto</translation>
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
        <translation>Language</translation>
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
        <translation>Rules of conduct...</translation>
    </message>
    <message>
        <source>MenuSettings</source>
        <translation>Settings</translation>
    </message>
    <message numerus="yes">
        <source>MinsAgo</source>
        <translation>
            <numerusform>%n minute ago</numerusform>
            <numerusform>%n minutes ago</numerusform>
        </translation>
    </message>
    <message>
        <source>MsgDiagnosticsDesktopReadOnly</source>
        <translation>The diagnostics file is placed on your desktop, but the desktop folder %1 cannot be written to. Check its permissions and try again.</translation>
    </message>
    <message>
        <source>MsgDiagnosticsFailed</source>
        <translation>Diagnostic error</translation>
    </message>
    <message>
        <source>MsgDiagnosticsNoDesktop</source>
        <translation>The diagnostics file is placed on your desktop, but the desktop folder %1 does not exist. Create it and try again.</translation>
    </message>
    <message>
        <source>MsgDiagnosticsSuccess</source>
        <translation>Diagnostics completed. A file with the diagnostics information has been placed on your desktop. Please send this file along with a description of the problem to the support team via email</translation>
    </message>
    <message>
        <source>MsgErrRecoveryFailed</source>
        <translation>An error occurred while restoring the game files.</translation>
    </message>
    <message>
        <source>MsgErrRecoveryInfoNotFound</source>
        <translation>No information about the game file recovery was found.</translation>
    </message>
    <message>
        <source>MsgGameFilesAreValid</source>
        <translation>All files have been successfully checked.</translation>
    </message>
    <message>
        <source>MsgLoginFailed</source>
        <translation>Login failed</translation>
    </message>
    <message>
        <source>MsgRecoverySuccess</source>
        <translation>Game file recovery has been successfully completed.</translation>
    </message>
    <message>
        <source>Packing</source>
        <translation>archive preparation</translation>
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
        <translation>Checking files</translation>
    </message>
    <message>
        <source>ProgressDownloading</source>
        <translation>Downloading...</translation>
    </message>
    <message>
        <source>ProgressInstalling</source>
        <translation>Installing...</translation>
    </message>
    <message>
        <source>ProgressUnpacking</source>
        <translation>Unpacking...</translation>
    </message>
    <message>
        <source>ProgressUpdateCheck</source>
        <translation>Checking for updates...</translation>
    </message>
    <message>
        <source>ProxyErrHostInvalid</source>
        <translation>The proxy host must be a name or an address, without blanks or slashes.</translation>
    </message>
    <message>
        <source>ProxyErrHostMissing</source>
        <translation>Enter the proxy host, or clear the login to connect without a proxy.</translation>
    </message>
    <message>
        <source>ProxyErrPort</source>
        <translation>The port must be a number from 1 to 65535.</translation>
    </message>
    <message>
        <source>ProxySettings</source>
        <translation>Proxy settings</translation>
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
        <translation>Delete personal message history</translation>
    </message>
    <message>
        <source>RemoveSettings</source>
        <translation>Delete game settings</translation>
    </message>
    <message>
        <source>RepairQuestion</source>
        <translation>Damaged files were found! Start recovery?</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>ResetSettings</source>
        <translation>Reset settings</translation>
    </message>
    <message>
        <source>RulesDlgTitle</source>
        <translation>Rules of conduct</translation>
    </message>
    <message>
        <source>RunDiagnostics</source>
        <translation>Diagnostics...</translation>
    </message>
    <message>
        <source>RussianDataNoticeDlgTitle</source>
        <translation>Consent to personal data processing</translation>
    </message>
    <message>
        <source>SOCKS</source>
        <translation>SOCKS</translation>
    </message>
    <message>
        <source>SeedBackground</source>
        <translation>Distribute in the background</translation>
    </message>
    <message>
        <source>SeedInGame</source>
        <translation>Distribute during the game</translation>
    </message>
    <message>
        <source>SeedLimit</source>
        <translation>Speed of distribution in the background</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>ShowFile</source>
        <translation>Show file ...</translation>
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
            <numerusform>%0, %n unread</numerusform>
            <numerusform>%0, %n unread</numerusform>
        </translation>
    </message>
    <message>
        <source>Troubleshooting</source>
        <translation>Troubleshooting</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>UninstallConfirm</source>
        <translation>Uninstall Glimmerdeep? The game files and your Glimmerdeep settings will be removed from this computer.</translation>
    </message>
    <message>
        <source>UninstallLinkName</source>
        <translation>Uninstall Glimmerdeep</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Do not limit</translation>
    </message>
    <message>
        <source>UpdateProgress</source>
        <translation>Update progress</translation>
    </message>
    <message>
        <source>UpdateRetryErrMsg</source>
        <translation>%0 Retry?</translation>
    </message>
    <message>
        <source>WindowClose</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>WindowMinimize</source>
        <translation>Minimize</translation>
    </message>
</context>
</TS>
