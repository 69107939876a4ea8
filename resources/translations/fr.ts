<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>TR</name>
    <message>
        <source>AbortChecking</source>
        <translation>Voulez-vous vraiment interrompre la vérification des fichiers ?</translation>
    </message>
    <message>
        <source>AbortDiagnostics</source>
        <translation>Voulez-vous vraiment interrompre le diagnostic ?</translation>
    </message>
    <message>
        <source>AgeNotice</source>
        <translation>J&apos;ai au moins 18 ans</translation>
    </message>
    <message>
        <source>AutostartLauncher</source>
        <translation>Lancer au démarrage du système</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>BtnCancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>BtnExit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>BtnNo</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>BtnYes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>CheckGameFiles</source>
        <translation>Vérifier les fichiers du jeu</translation>
    </message>
    <message>
        <source>CheckingProgress</source>
        <translation>(%1) Vérification de %2</translation>
    </message>
    <message>
        <source>DataCollection</source>
        <translation>Collecte des informations de diagnostic</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Diagnostic</translation>
    </message>
    <message>
        <source>DlgBtnLogin</source>
        <translation>Se connecter</translation>
    </message>
    <message>
        <source>DlgBtnOK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>DownloadMethod</source>
        <translation>Méthode de téléchargement</translation>
    </message>
    <message>
        <source>DownloadPause</source>
        <translation>Mettre le téléchargement en pause</translation>
    </message>
    <message>
        <source>DownloadPaused</source>
        <translation>Téléchargement en pause</translation>
    </message>
    <message>
        <source>DownloadResume</source>
        <translation>Reprendre le téléchargement</translation>
    </message>
    <message>
        <source>DownloadSpeed</source>
        <translation>Vitesse de téléchargement</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Téléchargement</translation>
    </message>
    <message>
        <source>ErrFailedEulaOpen</source>
        <translation>Impossible de charger le contrat de licence.</translation>
    </message>
    <message>
        <source>ErrGameStartFail</source>
        <translation>Impossible de lancer le jeu.</translation>
    </message>
    <message>
        <source>ErrUnknown</source>
        <translation>La mise à jour a échoué pour une raison inconnue. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>ErrUpdateContentNotFound</source>
        <translation>Le contenu du jeu n&apos;est pas disponible. Vérifiez la configuration requise et réessayez.</translation>
    </message>
    <message>
        <source>ErrUpdateDownloadFailed</source>
        <translation>Le téléchargement du contenu du jeu a échoué. Vérifiez votre connexion Internet et réessayez.</translation>
    </message>
    <message>
        <source>ErrUpdateFailedMissingOption</source>
        <translation>Échec de la mise à jour : option manquante</translation>
    </message>
    <message>
        <source>ErrUpdateFailedToPatch</source>
        <translation>Le correctif du contenu du jeu a échoué. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>ErrUpdateFailedToStart</source>
        <translation>Impossible de démarrer la mise à jour.</translation>
    </message>
    <message>
        <source>ErrUpdateFailedToUnpack</source>
        <translation>L&apos;extraction du contenu du jeu a échoué. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>ErrUpdateInfoNotFound</source>
        <translation>Informations de mise à jour introuvables. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>ErrUpdateInfoNotValid</source>
        <translation>Les informations de mise à jour ne sont pas valides. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>ErrUpdateInfoQueryFailed</source>
        <translation>Impossible de se connecter au serveur de mise à jour. Vérifiez votre connexion Internet et réessayez.</translation>
    </message>
    <message>
        <source>ExitWarning</source>
        <translation>Le programme va se fermer. Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>GameReady</source>
        <translation>Le jeu est prêt</translation>
    </message>
    <message>
        <source>GetPackage</source>
        <translation>Téléchargement de la liste des fichiers...</translation>
    </message>
    <message>
        <source>HTTP</source>
        <translation>HTTP</translation>
    </message>
    <message>
        <source>HeaderGame</source>
        <translation>JEU</translation>
    </message>
    <message>
        <source>HeaderNews</source>
        <translation>ACTUS</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Hôte</translation>
    </message>
    <message numerus="yes">
        <source>HoursAgo</source>
        <translation>
            <numerusform>il y a %n heure</numerusform>
            <numerusform>il y a %n heures</numerusform>
        </translation>
    </message>
    <message>
        <source>InfoSettingsNeedRestart</source>
        <translation>Redémarrez le programme pour appliquer ce paramètre.</translation>
    </message>
    <message>
        <source>InstallCreateUninstall</source>
        <translation>Création des clés de désinstallation...</translation>
    </message>
    <message>
        <source>InstallDlgBtnInstall</source>
        <translation>INSTALLER</translation>
    </message>
    <message>
        <source>InstallDlgBtnSelect</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>InstallDlgCreateMenu</source>
        <translation>Créer les entrées du menu Démarrer</translation>
    </message>
    <message>
        <source>InstallDlgCreateShortcut</source>
        <translation>Créer un raccourci sur le bureau</translation>
    </message>
    <message>
        <source>InstallDlgErrOutOfSpace</source>
        <translation>Espace disque insuffisant. Choisissez un autre dossier d&apos;installation.</translation>
    </message>
    <message>
        <source>InstallDlgErrPathInvalid</source>
        <translation>Chemin non valide</translation>
    </message>
    <message>
        <source>InstallDlgErrPathReadonly</source>
        <translation>Le dossier d&apos;installation est en lecture seule. Choisissez un autre dossier.</translation>
    </message>
    <message>
        <source>InstallDlgSelectPath</source>
        <translation>Choisissez le dossier d&apos;installation</translation>
    </message>
    <message>
        <source>InstallDlgSelectPathTitle</source>
        <translation>Choisir le dossier d&apos;installation</translation>
    </message>
    <message>
        <source>InstallDlgTitle</source>
        <translation>Installation de Glimmerdeep</translation>
    </message>
    <message>
        <source>InstallErrFailed</source>
        <translation>L&apos;installation a échoué.</translation>
    </message>
    <message>
        <source>InstallLinkFix</source>
        <translation>Réparation des raccourcis...</translation>
    </message>
    <message>
        <source>InstallOpCreateUninstall</source>
        <translation>Création des clés de désinstallation...</translation>
    </message>
    <message>
        <source>InstallOpFile</source>
        <translation>Installation des fichiers...</translation>
    </message>
    <message>
        <source>InstallOpLinks</source>
        <translation>Création des raccourcis sur le bureau...</translation>
    </message>
    <message>
        <source>InstallOpMenu</source>
        <translation>Création des raccourcis du menu Démarrer...</translation>
    </message>
    <message>
        <source>InstallOpQuicklaunch</source>
        <translation>Création des raccourcis de lancement rapide...</translation>
    </message>
    <message>
        <source>InstallOpRemoveData</source>
        <translation>Suppression des données utilisateur...</translation>
    </message>
    <message>
        <source>InstallResDone</source>
        <translation>Terminé.</translation>
    </message>
    <message>
        <source>InstallRollback</source>
        <translation>Annulation des modifications...</translation>
    </message>
    <message>
        <source>LaunchParameters</source>
        <translation>Paramètres de lancement</translation>
    </message>
    <message>
        <source>LauncherBtnPlay</source>
        <translation>JOUER</translation>
    </message>
    <message>
        <source>LauncherProgressCheck</source>
        <translation>Vérification des fichiers %0 %</translation>
    </message>
    <message>
        <source>LauncherProgressDownload</source>
        <translation>Téléchargement %0 %</translation>
    </message>
    <message>
        <source>LauncherProgressInstall</source>
        <translation>Installation %0 %</translation>
    </message>
    <message>
        <source>LauncherProgressUnpack</source>
        <translation>Extraction %0 %</translation>
    </message>
    <message>
        <source>LauncherUpdateCheck</source>
        <translation>Recherche de mises à jour...</translation>
    </message>
    <message>
        <source>LauncherVersion</source>
        <translation>Version %0.%1.%2</translation>
    </message>
    <message>
        <source>LicDlgBtnAccept</source>
        <translation>ACCEPTER</translation>
    </message>
    <message>
        <source>LicDlgBtnReject</source>
        <translation>REFUSER</translation>
    </message>
    <message>
        <source>LicDlgTitle</source>
        <translation>Contrat de licence</translation>
    </message>
    <message>
        <source>LinkDiscord</source>
        <translation>Discord</translation>
    </message>
    <message>
        <source>LinkEula</source>
        <translation>Contrat de licence</translation>
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
        <translation>S&apos;ouvre dans le navigateur web</translation>
    </message>
    <message>
        <source>LinkPrivacy</source>
        <translation>Politique de confidentialité</translation>
    </message>
    <message>
        <source>LinkRules</source>
        <translation>Règles de conduite</translation>
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
        <translation>Guide de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>LinkVK</source>
        <translation>VK</translation>
    </message>
    <message>
        <source>LinkWeb</source>
        <translation>Site web</translation>
    </message>
    <message>
        <source>LinkYoutube</source>
        <translation>YouTube</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Identifiant</translation>
    </message>
    <message>
        <source>LoginDlgRememberPwd</source>
        <translation>Se souvenir</translation>
    </message>
    <message>
        <source>LoginInputPlaceholder</source>
        <translation>Nom d&apos;utilisateur</translation>
    </message>
    <message>
        <source>MenuEula</source>
        <translation>Afficher le contrat de licence...</translation>
    </message>
    <message>
        <source>MenuExit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>MenuGraphicsAPI</source>
        <translation>API graphique</translation>
    </message>
    <message>
        <source>MenuGraphicsAPIAuto</source>
        <translation>Automatique</translation>
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
        <translation>Langue</translation>
    </message>
    <message>
        <source>MenuLinks</source>
        <translation>Liens</translation>
    </message>
    <message>
        <source>MenuProxy</source>
        <translation>Proxy...</translation>
    </message>
    <message>
        <source>MenuRules</source>
        <translation>Règles de conduite...</translation>
    </message>
    <message>
        <source>MenuSettings</source>
        <translation>Paramètres</translation>
    </message>
    <message numerus="yes">
        <source>MinsAgo</source>
        <translation>
            <numerusform>il y a %n minute</numerusform>
            <numerusform>il y a %n minutes</numerusform>
        </translation>
    </message>
    <message>
        <source>MsgDiagnosticsDesktopReadOnly</source>
        <translation>Le fichier de diagnostic est placé sur votre bureau, mais le dossier du bureau %1 n&apos;est pas accessible en écriture. Vérifiez ses autorisations et réessayez.</translation>
    </message>
    <message>
        <source>MsgDiagnosticsFailed</source>
        <translation>Erreur de diagnostic</translation>
    </message>
    <message>
        <source>MsgDiagnosticsNoDesktop</source>
        <translation>Le fichier de diagnostic est placé sur votre bureau, mais le dossier du bureau %1 n&apos;existe pas. Créez-le et réessayez.</translation>
    </message>
    <message>
        <source>MsgDiagnosticsSuccess</source>
        <translation>Diagnostic terminé. Un fichier contenant les informations de diagnostic a été placé sur votre bureau. Envoyez-le par e-mail à l&apos;équipe d&apos;assistance avec une description du problème.</translation>
    </message>
    <message>
        <source>MsgErrRecoveryFailed</source>
        <translation>Une erreur s&apos;est produite lors de la restauration des fichiers du jeu.</translation>
    </message>
    <message>
        <source>MsgErrRecoveryInfoNotFound</source>
        <translation>Aucune information de restauration des fichiers du jeu n&apos;a été trouvée.</translation>
    </message>
    <message>
        <source>MsgGameFilesAreValid</source>
        <translation>Tous les fichiers ont été vérifiés avec succès.</translation>
    </message>
    <message>
        <source>MsgLoginFailed</source>
        <translation>Échec de la connexion</translation>
    </message>
    <message>
        <source>MsgRecoverySuccess</source>
        <translation>La restauration des fichiers du jeu est terminée.</translation>
    </message>
    <message>
        <source>Packing</source>
        <translation>préparation de l&apos;archive</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>PasswordInputPlaceholder</source>
        <translation>Mot de passe</translation>
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
        <translation>Vérification des fichiers</translation>
    </message>
    <message>
        <source>ProgressDownloading</source>
        <translation>Téléchargement...</translation>
    </message>
    <message>
        <source>ProgressInstalling</source>
        <translation>Installation...</translation>
    </message>
    <message>
        <source>ProgressUnpacking</source>
        <translation>Extraction...</translation>
    </message>
    <message>
        <source>ProgressUpdateCheck</source>
        <translation>Recherche de mises à jour...</translation>
    </message>
    <message>
        <source>ProxyErrHostInvalid</source>
        <translation>L&apos;hôte du proxy doit être un nom ou une adresse, sans espaces ni barres obliques.</translation>
    </message>
    <message>
        <source>ProxyErrHostMissing</source>
        <translation>Saisissez l&apos;hôte du proxy ou videz l&apos;identifiant pour vous en passer.</translation>
    </message>
    <message>
        <source>ProxyErrPort</source>
        <translation>Le port doit être un nombre compris entre 1 et 65535.</translation>
    </message>
    <message>
        <source>ProxySettings</source>
        <translation>Paramètres du proxy</translation>
    </message>
    <message>
        <source>RateB</source>
        <translation>octets/s</translation>
    </message>
    <message>
        <source>RateGB</source>
        <translation>Go/s</translation>
    </message>
    <message>
        <source>RateKB</source>
        <translation>ko/s</translation>
    </message>
    <message>
        <source>RateMB</source>
        <translation>Mo/s</translation>
    </message>
    <message>
        <source>RemoveHistory</source>
        <translation>Supprimer l&apos;historique des messages privés</translation>
    </message>
    <message>
        <source>RemoveSettings</source>
        <translation>Supprimer les paramètres du jeu</translation>
    </message>
    <message>
        <source>RepairQuestion</source>
        <translation>Des fichiers endommagés ont été trouvés ! Lancer la restauration ?</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>ResetSettings</source>
        <translation>Réinitialiser les paramètres</translation>
    </message>
    <message>
        <source>RulesDlgTitle</source>
        <translation>Règles de conduite</translation>
    </message>
    <message>
        <source>RunDiagnostics</source>
        <translation>Diagnostic...</translation>
    </message>
    <message>
        <source>RussianDataNoticeDlgTitle</source>
        <translation>Consentement au traitement des données personnelles</translation>
    </message>
    <message>
        <source>SOCKS</source>
        <translation>SOCKS</translation>
    </message>
    <message>
        <source>SeedBackground</source>
        <translation>Partager en arrière-plan</translation>
    </message>
    <message>
        <source>SeedInGame</source>
        <translation>Partager pendant la partie</translation>
    </message>
    <message>
        <source>SeedLimit</source>
        <translation>Vitesse de partage en arrière-plan</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>ShowFile</source>
        <translation>Afficher le fichier...</translation>
    </message>
    <message>
        <source>SizeB</source>
        <translation>octets</translation>
    </message>
    <message>
        <source>SizeGB</source>
        <translation>Go</translation>
    </message>
    <message>
        <source>SizeKB</source>
        <translation>ko</translation>
    </message>
    <message>
        <source>SizeMB</source>
        <translation>Mo</translation>
    </message>
    <message numerus="yes">
        <source>TabUnread</source>
        <translation>
            <numerusform>%0, %n non lue</numerusform>
            <numerusform>%0, %n non lues</numerusform>
        </translation>
    </message>
    <message>
        <source>Troubleshooting</source>
        <translation>Dépannage</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>UninstallConfirm</source>
        <translation>Désinstaller Glimmerdeep ? Les fichiers du jeu et vos paramètres Glimmerdeep seront supprimés de cet ordinateur.</translation>
    </message>
    <message>
        <source>UninstallLinkName</source>
        <translation>Désinstaller Glimmerdeep</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Sans limite</translation>
    </message>
    <message>
        <source>UpdateProgress</source>
        <translation>Progression de la mise à jour</translation>
    </message>
    <message>
        <source>UpdateRetryErrMsg</source>
        <translation>%0 Réessayer ?</translation>
    </message>
    <message>
        <source>WindowClose</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>WindowMinimize</source>
        <translation>Réduire</translation>
    </message>
</context>
</TS>
