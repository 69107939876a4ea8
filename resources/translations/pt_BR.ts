<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>TR</name>
    <message>
        <source>AbortChecking</source>
        <translation>Tem certeza de que deseja cancelar a verificação dos arquivos?</translation>
    </message>
    <message>
        <source>AbortDiagnostics</source>
        <translation>Tem certeza de que deseja cancelar o diagnóstico?</translation>
    </message>
    <message>
        <source>AgeNotice</source>
        <translation>Tenho 18 anos ou mais</translation>
    </message>
    <message>
        <source>AutostartLauncher</source>
        <translation>Iniciar com o sistema</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>BtnCancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>BtnExit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>BtnNo</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>BtnYes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>CheckGameFiles</source>
        <translation>Verificar arquivos do jogo</translation>
    </message>
    <message>
        <source>CheckingProgress</source>
        <translation>(%1) Verificando %2</translation>
    </message>
    <message>
        <source>DataCollection</source>
        <translation>Coletando informações de diagnóstico</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Diagnóstico</translation>
    </message>
    <message>
        <source>DlgBtnLogin</source>
        <translation>Entrar</translation>
    </message>
    <message>
        <source>DlgBtnOK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>DownloadMethod</source>
        <translation>Método de download</translation>
    </message>
    <message>
        <source>DownloadPause</source>
        <translation>Pausar download</translation>
    </message>
    <message>
        <source>DownloadPaused</source>
        <translation>Download pausado</translation>
    </message>
    <message>
        <source>DownloadResume</source>
        <translation>Retomar download</translation>
    </message>
    <message>
        <source>DownloadSpeed</source>
        <translation>Velocidade de download</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>ErrFailedEulaOpen</source>
        <translation>Não foi possível carregar o contrato de licença.</translation>
    </message>
    <message>
        <source>ErrGameStartFail</source>
        <translation>Não foi possível iniciar o jogo.</translation>
    </message>
    <message>
        <source>ErrUnknown</source>
        <translation>A atualização falhou por um motivo desconhecido. Tente novamente.</translation>
    </message>
    <message>
        <source>ErrUpdateContentNotFound</source>
        <translation>O conteúdo do jogo não está disponível. Verifique os requisitos da plataforma e tente novamente.</translation>
    </message>
    <message>
        <source>ErrUpdateDownloadFailed</source>
        <translation>Falha ao baixar o conteúdo do jogo. Verifique sua conexão com a internet e tente novamente.</translation>
    </message>
    <message>
        <source>ErrUpdateFailedMissingOption</source>
        <translation>Falha na atualização: opção ausente</translation>
    </message>
    <message>
        <source>ErrUpdateFailedToPatch</source>
        <translation>Falha ao aplicar o patch ao conteúdo do jogo. Tente novamente.</translation>
    </message>
    <message>
        <source>ErrUpdateFailedToStart</source>
        <translation>Não foi possível iniciar a atualização.</translation>
    </message>
    <message>
        <source>ErrUpdateFailedToUnpack</source>
        <translation>Falha ao descompactar o conteúdo do jogo. Tente novamente.</translation>
    </message>
    <message>
        <source>ErrUpdateInfoNotFound</source>
        <translation>As informações de atualização não foram encontradas. Tente novamente.</translation>
    </message>
    <message>
        <source>ErrUpdateInfoNotValid</source>
        <translation>As informações de atualização não são válidas. Tente novamente.</translation>
    </message>
    <message>
        <source>ErrUpdateInfoQueryFailed</source>
        <translation>Não foi possível conectar ao servidor de atualização. Verifique sua conexão com a internet e tente novamente.</translation>
    </message>
    <message>
        <source>ExitWarning</source>
        <translation>O programa será fechado. Deseja continuar?</translation>
    </message>
    <message>
        <source>GameReady</source>
        <translation>O jogo está pronto para jogar</translation>
    </message>
    <message>
        <source>GetPackage</source>
        <translation>Baixando a lista de arquivos...</translation>
    </message>
    <message>
        <source>HTTP</source>
        <translation>HTTP</translation>
    </message>
    <message>
        <source>HeaderGame</source>
        <translation>JOGO</translation>
    </message>
    <message>
        <source>HeaderNews</source>
        <translation>NOTÍCIAS</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Host</translation>
    </message>
    <message numerus="yes">
        <source>HoursAgo</source>
        <translation>
            <numerusform>há %n hora</numerusform>
            <numerusform>há %n horas</numerusform>
        </translation>
    </message>
    <message>
        <source>InfoSettingsNeedRestart</source>
        <translation>Reinicie o programa para aplicar a configuração.</translation>
    </message>
    <message>
        <source>InstallCreateUninstall</source>
        <translation>Criando chaves de desinstalação...</translation>
    </message>
    <message>
        <source>InstallDlgBtnInstall</source>
        <translation>INSTALAR</translation>
    </message>
    <message>
        <source>InstallDlgBtnSelect</source>
        <translation>Escolher...</translation>
    </message>
    <message>
        <source>InstallDlgCreateMenu</source>
        <translation>Criar itens no menu Iniciar</translation>
    </message>
    <message>
        <source>InstallDlgCreateShortcut</source>
        <translation>Criar atalho na área de trabalho</translation>
    </message>
    <message>
        <source>InstallDlgErrOutOfSpace</source>
        <translation>Espaço em disco insuficiente. Escolha outro local de instalação.</translation>
    </message>
    <message>
        <source>InstallDlgErrPathInvalid</source>
        <translation>Local inválido</translation>
    </message>
    <message>
        <source>InstallDlgErrPathReadonly</source>
        <translation>O local de instalação é somente leitura. Escolha outro local.</translation>
    </message>
    <message>
        <source>InstallDlgSelectPath</source>
        <translation>Escolha o local de instalação</translation>
    </message>
    <message>
        <source>InstallDlgSelectPathTitle</source>
        <translation>Escolher local de instalação</translation>
    </message>
    <message>
        <source>InstallDlgTitle</source>
        <translation>Instalação do Glimmerdeep</translation>
    </message>
    <message>
        <source>InstallErrFailed</source>
        <translation>Falha na instalação.</translation>
    </message>
    <message>
        <source>InstallLinkFix</source>
        <translation>Corrigindo atalhos...</translation>
    </message>
    <message>
        <source>InstallOpCreateUninstall</source>
        <translation>Criando chaves de desinstalação...</translation>
    </message>
    <message>
        <source>InstallOpFile</source>
        <translation>Instalando arquivos...</translation>
    </message>
    <message>
        <source>InstallOpLinks</source>
        <translation>Criando atalhos na área de trabalho...</translation>
    </message>
    <message>
        <source>InstallOpMenu</source>
        <translation>Criando atalhos no menu Iniciar...</translation>
    </message>
    <message>
        <source>InstallOpQuicklaunch</source>
        <translation>Criando atalhos de inicialização rápida...</translation>
    </message>
    <message>
        <source>InstallOpRemoveData</source>
        <translation>Removendo dados do usuário...</translation>
    </message>
    <message>
        <source>InstallResDone</source>
        <translation>Concluído.</translation>
    </message>
    <message>
        <source>InstallRollback</source>
        <translation>Desfazendo alterações...</translation>
    </message>
    <message>
        <source>LaunchParameters</source>
        <translation>Parâmetros de inicialização</translation>
    </message>
    <message>
        <source>LauncherBtnPlay</source>
        <translation>JOGAR</translation>
    </message>
    <message>
        <source>LauncherProgressCheck</source>
        <translation>Verificando arquivos %0%</translation>
    </message>
    <message>
        <source>LauncherProgressDownload</source>
        <translation>Baixando %0%</translation>
    </message>
    <message>
        <source>LauncherProgressInstall</source>
        <translation>Instalando %0%</translation>
    </message>
    <message>
        <source>LauncherProgressUnpack</source>
        <translation>Descompactando %0%</translation>
    </message>
    <message>
        <source>LauncherUpdateCheck</source>
        <translation>Procurando atualizações...</translation>
    </message>
    <message>
        <source>LauncherVersion</source>
        <translation>Versão %0.%1.%2</translation>
    </message>
    <message>
        <source>LicDlgBtnAccept</source>
        <translation>ACEITAR</translation>
    </message>
    <message>
        <source>LicDlgBtnReject</source>
        <translation>RECUSAR</translation>
    </message>
    <message>
        <source>LicDlgTitle</source>
        <translation>Contrato de licença</translation>
    </message>
    <message>
        <source>LinkDiscord</source>
        <translation>Discord</translation>
    </message>
    <message>
        <source>LinkEula</source>
        <translation>Contrato de licença</translation>
    </message>
    <message>
        <source>LinkFacebook</source>
        <translation>Facebook</translation>
    </message>
    <message>
        <source>LinkForum</source>
        <translation>Fórum</translation>
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
        <translation>Abre no navegador da web</translation>
    </message>
    <message>
        <source>LinkPrivacy</source>
        <translation>Política de privacidade</translation>
    </message>
    <message>
        <source>LinkRules</source>
        <translation>Regras de conduta</translation>
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
        <translation>Guia do usuário</translation>
    </message>
    <message>
        <source>LinkVK</source>
        <translation>VK</translation>
    </message>
    <message>
        <source>LinkWeb</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>LinkYoutube</source>
        <translation>YouTube</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Usuário</translation>
    </message>
    <message>
        <source>LoginDlgRememberPwd</source>
        <translation>Lembrar</translation>
    </message>
    <message>
        <source>LoginInputPlaceholder</source>
        <translation>Nome de usuário</translation>
    </message>
    <message>
        <source>MenuEula</source>
        <translation>Ver contrato de licença...</translation>
    </message>
    <message>
        <source>MenuExit</source>
        <translation>Sair</translation>
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
        <translation>Links</translation>
    </message>
    <message>
        <source>MenuProxy</source>
        <translation>Proxy...</translation>
    </message>
    <message>
        <source>MenuRules</source>
        <translation>Regras de conduta...</translation>
    </message>
    <message>
        <source>MenuSettings</source>
        <translation>Configurações</translation>
    </message>
    <message numerus="yes">
        <source>MinsAgo</source>
        <translation>
            <numerusform>há %n minuto</numerusform>
            <numerusform>há %n minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>MsgDiagnosticsDesktopReadOnly</source>
        <translation>O arquivo de diagnóstico é salvo na sua área de trabalho, mas não é possível gravar na pasta da área de trabalho %1. Verifique as permissões e tente novamente.</translation>
    </message>
    <message>
        <source>MsgDiagnosticsFailed</source>
        <translation>Erro no diagnóstico</translation>
    </message>
    <message>
        <source>MsgDiagnosticsNoDesktop</source>
        <translation>O arquivo de diagnóstico é salvo na sua área de trabalho, mas a pasta da área de trabalho %1 não existe. Crie a pasta e tente novamente.</translation>
    </message>
    <message>
        <source>MsgDiagnosticsSuccess</source>
        <translation>Diagnóstico concluído. Um arquivo com as informações de diagnóstico foi salvo na sua área de trabalho. Envie esse arquivo por e-mail à equipe de suporte junto com uma descrição do problema.</translation>
    </message>
    <message>
        <source>MsgErrRecoveryFailed</source>
        <translation>Ocorreu um erro ao restaurar os arquivos do jogo.</translation>
    </message>
    <message>
        <source>MsgErrRecoveryInfoNotFound</source>
        <translation>Nenhuma informação para restaurar os arquivos do jogo foi encontrada.</translation>
    </message>
    <message>
        <source>MsgGameFilesAreValid</source>
        <translation>Todos os arquivos foram verificados com sucesso.</translation>
    </message>
    <message>
        <source>MsgLoginFailed</source>
        <translation>Falha ao entrar</translation>
    </message>
    <message>
        <source>MsgRecoverySuccess</source>
        <translation>Os arquivos do jogo foram restaurados com sucesso.</translation>
    </message>
    <message>
        <source>Packing</source>
        <translation>preparação do arquivo compactado</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>PasswordInputPlaceholder</source>
        <translation>Senha</translation>
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
        <translation>Verificando arquivos</translation>
    </message>
    <message>
        <source>ProgressDownloading</source>
        <translation>Baixando...</translation>
    </message>
    <message>
        <source>ProgressInstalling</source>
        <translation>Instalando...</translation>
    </message>
    <message>
        <source>ProgressUnpacking</source>
        <translation>Descompactando...</translation>
    </message>
    <message>
        <source>ProgressUpdateCheck</source>
        <translation>Procurando atualizações...</translation>
    </message>
    <message>
        <source>ProxyErrHostInvalid</source>
        <translation>O host do proxy deve ser um nome ou um endereço, sem espaços nem barras.</translation>
    </message>
    <message>
        <source>ProxyErrHostMissing</source>
        <translation>Informe o host do proxy ou apague o usuário para conectar sem proxy.</translation>
    </message>
    <message>
        <source>ProxyErrPort</source>
        <translation>A porta deve ser um número de 1 a 65535.</translation>
    </message>
    <message>
        <source>ProxySettings</source>
        <translation>Configurações de proxy</translation>
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
        <translation>Apagar histórico de mensagens privadas</translation>
    </message>
    <message>
        <source>RemoveSettings</source>
        <translation>Apagar configurações do jogo</translation>
    </message>
    <message>
        <source>RepairQuestion</source>
        <translation>Foram encontrados arquivos danificados! Iniciar a restauração?</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Redefinir</translation>
    </message>
    <message>
        <source>ResetSettings</source>
        <translation>Redefinir configurações</translation>
    </message>
    <message>
        <source>RulesDlgTitle</source>
        <translation>Regras de conduta</translation>
    </message>
    <message>
        <source>RunDiagnostics</source>
        <translation>Diagnóstico...</translation>
    </message>
    <message>
        <source>RussianDataNoticeDlgTitle</source>
        <translation>Consentimento para o tratamento de dados pessoais</translation>
    </message>
    <message>
        <source>SOCKS</source>
        <translation>SOCKS</translation>
    </message>
    <message>
        <source>SeedBackground</source>
        <translation>Compartilhar em segundo plano</translation>
    </message>
    <message>
        <source>SeedInGame</source>
        <translation>Compartilhar durante o jogo</translation>
    </message>
    <message>
        <source>SeedLimit</source>
        <translation>Velocidade de compartilhamento em segundo plano</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>ShowFile</source>
        <translation>Mostrar arquivo...</translation>
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
            <numerusform>%0, %n não lida</numerusform>
            <numerusform>%0, %n não lidas</numerusform>
        </translation>
    </message>
    <message>
        <source>Troubleshooting</source>
        <translation>Solução de problemas</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>UninstallConfirm</source>
        <translation>Desinstalar o Glimmerdeep? Os arquivos do jogo e suas configurações do Glimmerdeep serão removidos deste computador.</translation>
    </message>
    <message>
        <source>UninstallLinkName</source>
        <translation>Desinstalar Glimmerdeep</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Sem limite</translation>
    </message>
    <message>
        <source>UpdateProgress</source>
        <translation>Progresso da atualização</translation>
    </message>
    <message>
        <source>UpdateRetryErrMsg</source>
        <translation>%0 Tentar novamente?</translation>
    </message>
    <message>
        <source>WindowClose</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>WindowMinimize</source>
        <translation>Minimizar</translation>
    </message>
</context>
</TS>
