<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="en">
<context>
    <name>TR</name>
    <message>
        <source>AbortChecking</source>
        <translation>파일 검사를 중단하시겠습니까?</translation>
    </message>
    <message>
        <source>AbortDiagnostics</source>
        <translation>진단을 중단하시겠습니까?</translation>
    </message>
    <message>
        <source>AgeNotice</source>
        <translation>만 18세 이상입니다</translation>
    </message>
    <message>
        <source>AutostartLauncher</source>
        <translation>시스템 시작 시 자동 실행</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>BtnCancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>BtnExit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>BtnNo</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>BtnYes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>CheckGameFiles</source>
        <translation>게임 파일 검사</translation>
    </message>
    <message>
        <source>CheckingProgress</source>
        <translation>(%1) 검사 중: %2</translation>
    </message>
    <message>
        <source>DataCollection</source>
        <translation>진단 정보를 수집하는 중</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>진단</translation>
    </message>
    <message>
        <source>DlgBtnLogin</source>
        <translation>로그인</translation>
    </message>
    <message>
        <source>DlgBtnOK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>DownloadMethod</source>
        <translation>파일 다운로드 방식</translation>
    </message>
    <message>
        <source>DownloadPause</source>
        <translation>다운로드 일시 중지</translation>
    </message>
    <message>
        <source>DownloadPaused</source>
        <translation>다운로드가 일시 중지됨</translation>
    </message>
    <message>
        <source>DownloadResume</source>
        <translation>다운로드 재개</translation>
    </message>
    <message>
        <source>DownloadSpeed</source>
        <translation>다운로드 속도</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>다운로드</translation>
    </message>
    <message>
        <source>ErrFailedEulaOpen</source>
        <translation>사용권 계약서를 불러오지 못했습니다.</translation>
    </message>
    <message>
        <source>ErrGameStartFail</source>
        <translation>게임을 시작하지 못했습니다.</translation>
    </message>
    <message>
        <source>ErrUnknown</source>
        <translation>알 수 없는 이유로 업데이트에 실패했습니다. 다시 시도해 주세요.</translation>
    </message>
    <message>
        <source>ErrUpdateContentNotFound</source>
        <translation>게임 콘텐츠를 사용할 수 없습니다. 플랫폼 요구 사항을 확인한 후 다시 시도해 주세요.</translation>
    </message>
    <message>
        <source>ErrUpdateDownloadFailed</source>
        <translation>게임 콘텐츠를 다운로드하지 못했습니다. 인터넷 연결을 확인한 후 다시 시도해 주세요.</translation>
    </message>
    <message>
        <source>ErrUpdateFailedMissingOption</source>
        <translation>업데이트 실패: 옵션이 없습니다</translation>
    </message>
    <message>
        <source>ErrUpdateFailedToPatch</source>
        <translation>게임 콘텐츠 패치에 실패했습니다. 다시 시도해 주세요.</translation>
    </message>
    <message>
        <source>ErrUpdateFailedToStart</source>
        <translation>업데이트를 시작하지 못했습니다.</translation>
    </message>
    <message>
        <source>ErrUpdateFailedToUnpack</source>
        <translation>게임 콘텐츠의 압축을 풀지 못했습니다. 다시 시도해 주세요.</translation>
    </message>
    <message>
        <source>ErrUpdateInfoNotFound</source>
        <translation>업데이트 정보를 찾을 수 없습니다. 다시 시도해 주세요.</translation>
    </message>
    <message>
        <source>ErrUpdateInfoNotValid</source>
        <translation>업데이트 정보가 올바르지 않습니다. 다시 시도해 주세요.</translation>
    </message>
    <message>
        <source>ErrUpdateInfoQueryFailed</source>
        <translation>업데이트 서버에 연결하지 못했습니다. 인터넷 연결을 확인한 후 다시 시도해 주세요.</translation>
    </message>
    <message>
        <source>ExitWarning</source>
        <translation>프로그램이 종료됩니다. 계속하시겠습니까?</translation>
    </message>
    <message>
        <source>GameReady</source>
        <translation>게임을 플레이할 준비가 되었습니다</translation>
    </message>
    <message>
        <source>GetPackage</source>
        <translation>파일 목록을 다운로드하는 중...</translation>
    </message>
    <message>
        <source>HTTP</source>
        <translation>HTTP</translation>
    </message>
    <message>
        <source>HeaderGame</source>
        <translation>게임</translation>
    </message>
    <message>
        <source>HeaderNews</source>
        <translation>뉴스</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>호스트</translation>
    </message>
    <message numerus="yes">
        <source>HoursAgo</source>
        <translation>
            <numerusform>%n시간 전</numerusform>
        </translation>
    </message>
    <message>
        <source>InfoSettingsNeedRestart</source>
        <translation>설정을 적용하려면 프로그램을 다시 시작하세요.</translation>
    </message>
    <message>
        <source>InstallCreateUninstall</source>
        <translation>제거 정보를 만드는 중...</translation>
    </message>
    <message>
        <source>InstallDlgBtnInstall</source>
        <translation>설치</translation>
    </message>
    <message>
        <source>InstallDlgBtnSelect</source>
        <translation>찾아보기...</translation>
    </message>
    <message>
        <source>InstallDlgCreateMenu</source>
        <translation>시작 메뉴 항목 만들기</translation>
    </message>
    <message>
        <source>InstallDlgCreateShortcut</source>
        <translation>바탕 화면 바로 가기 만들기</translation>
    </message>
    <message>
        <source>InstallDlgErrOutOfSpace</source>
        <translation>디스크 공간이 부족합니다. 다른 설치 경로를 선택하세요.</translation>
    </message>
    <message>
        <source>InstallDlgErrPathInvalid</source>
        <translation>올바르지 않은 경로입니다</translation>
    </message>
    <message>
        <source>InstallDlgErrPathReadonly</source>
        <translation>설치 경로가 읽기 전용입니다. 다른 경로를 선택하세요.</translation>
    </message>
    <message>
        <source>InstallDlgSelectPath</source>
        <translation>설치 경로 선택</translation>
    </message>
    <message>
        <source>InstallDlgSelectPathTitle</source>
        <translation>설치 경로 선택</translation>
    </message>
    <message>
        <source>InstallDlgTitle</source>
        <translation>Glimmerdeep 설치</translation>
    </message>
    <message>
        <source>InstallErrFailed</source>
        <translation>설치에 실패했습니다.</translation>
    </message>
    <message>
        <source>InstallLinkFix</source>
        <translation>바로 가기를 고치는 중...</translation>
    </message>
    <message>
        <source>InstallOpCreateUninstall</source>
        <translation>제거 정보를 만드는 중...</translation>
    </message>
    <message>
        <source>InstallOpFile</source>
        <translation>파일을 설치하는 중...</translation>
    </message>
    <message>
        <source>InstallOpLinks</source>
        <translation>바탕 화면 바로 가기를 만드는 중...</translation>
    </message>
    <message>
        <source>InstallOpMenu</source>
        <translation>시작 메뉴 바로 가기를 만드는 중...</translation>
    </message>
    <message>
        <source>InstallOpQuicklaunch</source>
        <translation>빠른 실행 바로 가기를 만드는 중...</translation>
    </message>
    <message>
        <source>InstallOpRemoveData</source>
        <translation>사용자 데이터를 삭제하는 중...</translation>
    </message>
    <message>
        <source>InstallResDone</source>
        <translation>완료되었습니다.</translation>
    </message>
    <message>
        <source>InstallRollback</source>
        <translation>변경 사항을 되돌리는 중...</translation>
    </message>
    <message>
        <source>LaunchParameters</source>
        <translation>실행 옵션</translation>
    </message>
    <message>
        <source>LauncherBtnPlay</source>
        <translation>플레이</translation>
    </message>
    <message>
        <source>LauncherProgressCheck</source>
        <translation>파일 검사 중 %0%</translation>
    </message>
    <message>
        <source>LauncherProgressDownload</source>
        <translation>다운로드 중 %0%</translation>
    </message>
    <message>
        <source>LauncherProgressInstall</source>
        <translation>설치 중 %0%</translation>
    </message>
    <message>
        <source>LauncherProgressUnpack</source>
        <translation>압축 푸는 중 %0%</translation>
    </message>
    <message>
        <source>LauncherUpdateCheck</source>
        <translation>업데이트 확인 중...</translation>
    </message>
    <message>
        <source>LauncherVersion</source>
        <translation>버전 %0.%1.%2</translation>
    </message>
    <message>
        <source>LicDlgBtnAccept</source>
        <translation>동의</translation>
    </message>
    <message>
        <source>LicDlgBtnReject</source>
        <translation>거부</translation>
    </message>
    <message>
        <source>LicDlgTitle</source>
        <translation>사용권 계약</translation>
    </message>
    <message>
        <source>LinkDiscord</source>
        <translation>Discord</translation>
    </message>
    <message>
        <source>LinkEula</source>
        <translation>사용권 계약</translation>
    </message>
    <message>
        <source>LinkFacebook</source>
        <translation>Facebook</translation>
    </message>
    <message>
        <source>LinkForum</source>
        <translation>포럼</translation>
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
        <translation>웹 브라우저에서 열립니다</translation>
    </message>
    <message>
        <source>LinkPrivacy</source>
        <translation>개인정보 처리방침</translation>
    </message>
    <message>
        <source>LinkRules</source>
        <translation>행동 규칙</translation>
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
        <translation>사용자 가이드</translation>
    </message>
    <message>
        <source>LinkVK</source>
        <translation>VK</translation>
    </message>
    <message>
        <source>LinkWeb</source>
        <translation>웹사이트</translation>
    </message>
    <message>
        <source>LinkYoutube</source>
        <translation>YouTube</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>사용자 이름</translation>
    </message>
    <message>
        <source>LoginDlgRememberPwd</source>
        <translation>기억하기</translation>
    </message>
    <message>
        <source>LoginInputPlaceholder</source>
        <translation>사용자 이름</translation>
    </message>
    <message>
        <source>MenuEula</source>
        <translation>사용권 계약 보기...</translation>
    </message>
    <message>
        <source>MenuExit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>MenuGraphicsAPI</source>
        <translation>그래픽 API</translation>
    </message>
    <message>
        <source>MenuGraphicsAPIAuto</source>
        <translation>자동</translation>
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
        <translation>언어</translation>
    </message>
    <message>
        <source>MenuLinks</source>
        <translation>링크</translation>
    </message>
    <message>
        <source>MenuProxy</source>
        <translation>프록시...</translation>
    </message>
    <message>
        <source>MenuRules</source>
        <translation>행동 규칙...</translation>
    </message>
    <message>
        <source>MenuSettings</source>
        <translation>설정</translation>
    </message>
    <message numerus="yes">
        <source>MinsAgo</source>
        <translation>
            <numerusform>%n분 전</numerusform>
        </translation>
    </message>
    <message>
        <source>MsgDiagnosticsDesktopReadOnly</source>
        <translation>진단 파일은 바탕 화면에 저장되지만 바탕 화면 폴더 %1에 쓸 수 없습니다. 폴더 권한을 확인한 후 다시 시도해 주세요.</translation>
    </message>
    <message>
        <source>MsgDiagnosticsFailed</source>
        <translation>진단 오류</translation>
    </message>
    <message>
        <source>MsgDiagnosticsNoDesktop</source>
        <translation>진단 파일은 바탕 화면에 저장되지만 바탕 화면 폴더 %1이(가) 없습니다. 폴더를 만든 후 다시 시도해 주세요.</translation>
    </message>
    <message>
        <source>MsgDiagnosticsSuccess</source>
        <translation>진단이 완료되었습니다. 진단 정보가 담긴 파일을 바탕 화면에 저장했습니다. 문제 설명과 함께 이 파일을 이메일로 고객 지원팀에 보내 주세요.</translation>
    </message>
    <message>
        <source>MsgErrRecoveryFailed</source>
        <translation>게임 파일을 복구하는 중 오류가 발생했습니다.</translation>
    </message>
    <message>
        <source>MsgErrRecoveryInfoNotFound</source>
        <translation>게임 파일 복구 정보를 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>MsgGameFilesAreValid</source>
        <translation>모든 파일을 성공적으로 검사했습니다.</translation>
    </message>
    <message>
        <source>MsgLoginFailed</source>
        <translation>로그인 실패</translation>
    </message>
    <message>
        <source>MsgRecoverySuccess</source>
        <translation>게임 파일 복구가 완료되었습니다.</translation>
    </message>
    <message>
        <source>Packing</source>
        <translation>압축 파일 준비 중</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>비밀번호</translation>
    </message>
    <message>
        <source>PasswordInputPlaceholder</source>
        <translation>비밀번호</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>포트</translation>
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
        <translation>파일 검사 중</translation>
    </message>
    <message>
        <source>ProgressDownloading</source>
        <translation>다운로드 중...</translation>
    </message>
    <message>
        <source>ProgressInstalling</source>
        <translation>설치 중...</translation>
    </message>
    <message>
        <source>ProgressUnpacking</source>
        <translation>압축 푸는 중...</translation>
    </message>
    <message>
        <source>ProgressUpdateCheck</source>
        <translation>업데이트 확인 중...</translation>
    </message>
    <message>
        <source>ProxyErrHostInvalid</source>
        <translation>프록시 호스트는 공백이나 슬래시가 없는 이름 또는 주소여야 합니다.</translation>
    </message>
    <message>
        <source>ProxyErrHostMissing</source>
        <translation>프록시 호스트를 입력하거나, 프록시 없이 연결하려면 사용자 이름을 지우세요.</translation>
    </message>
    <message>
        <source>ProxyErrPort</source>
        <translation>포트는 1부터 65535까지의 숫자여야 합니다.</translation>
    </message>
    <message>
        <source>ProxySettings</source>
        <translation>프록시 설정</translation>
    </message>
    <message>
        <source>RateB</source>
        <translation>바이트/초</translation>
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
        <translation>개인 메시지 기록 삭제</translation>
    </message>
    <message>
        <source>RemoveSettings</source>
        <translation>게임 설정 삭제</translation>
    </message>
    <message>
        <source>RepairQuestion</source>
        <translation>손상된 파일이 발견되었습니다! 복구를 시작하시겠습니까?</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>초기화</translation>
    </message>
    <message>
        <source>ResetSettings</source>
        <translation>설정 초기화</translation>
    </message>
    <message>
        <source>RulesDlgTitle</source>
        <translation>행동 규칙</translation>
    </message>
    <message>
        <source>RunDiagnostics</source>
        <translation>진단...</translation>
    </message>
    <message>
        <source>RussianDataNoticeDlgTitle</source>
        <translation>개인정보 처리 동의</translation>
    </message>
    <message>
        <source>SOCKS</source>
        <translation>SOCKS</translation>
    </message>
    <message>
        <source>SeedBackground</source>
        <translation>백그라운드에서 공유</translation>
    </message>
    <message>
        <source>SeedInGame</source>
        <translation>게임 중 공유</translation>
    </message>
    <message>
        <source>SeedLimit</source>
        <translation>백그라운드 공유 속도</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>ShowFile</source>
        <translation>파일 보기...</translation>
    </message>
    <message>
        <source>SizeB</source>
        <translation>바이트</translation>
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
            <numerusform>%0, 읽지 않음 %n개</numerusform>
        </translation>
    </message>
    <message>
        <source>Troubleshooting</source>
        <translation>문제 해결</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>유형</translation>
    </message>
    <message>
        <source>UninstallConfirm</source>
        <translation>Glimmerdeep을 제거하시겠습니까? 게임 파일과 Glimmerdeep 설정이 이 컴퓨터에서 삭제됩니다.</translation>
    </message>
    <message>
        <source>UninstallLinkName</source>
        <translation>Glimmerdeep 제거</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>제한 없음</translation>
    </message>
    <message>
        <source>UpdateProgress</source>
        <translation>업데이트 진행률</translation>
    </message>
    <message>
        <source>UpdateRetryErrMsg</source>
        <translation>%0 다시 시도하시겠습니까?</translation>
    </message>
    <message>
        <source>WindowClose</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>WindowMinimize</source>
        <translation>최소화</translation>
    </message>
</context>
</TS>
