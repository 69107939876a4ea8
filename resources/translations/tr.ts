<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="en">
<context>
    <name>TR</name>
    <message>
        <source>AbortChecking</source>
        <translation>Dosya denetimini iptal etmek istediğinizden emin misiniz?</translation>
    </message>
    <message>
        <source>AbortDiagnostics</source>
        <translation>Tanılamayı iptal etmek istediğinizden emin misiniz?</translation>
    </message>
    <message>
        <source>AgeNotice</source>
        <translation>En az 18 yaşındayım</translation>
    </message>
    <message>
        <source>AutostartLauncher</source>
        <translation>Sistem açılışında başlat</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>BtnCancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>BtnExit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>BtnNo</source>
        <translation>Hayır</translation>
    </message>
    <message>
        <source>BtnYes</source>
        <translation>Evet</translation>
    </message>
    <message>
        <source>CheckGameFiles</source>
        <translation>Oyun dosyalarını denetle</translation>
    </message>
    <message>
        <source>CheckingProgress</source>
        <translation>(%1) Denetleniyor: %2</translation>
    </message>
    <message>
        <source>DataCollection</source>
        <translation>Tanılama bilgileri toplanıyor</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Tanılama</translation>
    </message>
    <message>
        <source>DlgBtnLogin</source>
        <translation>Giriş yap</translation>
    </message>
    <message>
        <source>DlgBtnOK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>DownloadMethod</source>
        <translation>Dosya indirme yöntemi</translation>
    </message>
    <message>
        <source>DownloadPause</source>
        <translation>İndirmeyi duraklat</translation>
    </message>
    <message>
        <source>DownloadPaused</source>
        <translation>İndirme duraklatıldı</translation>
    </message>
    <message>
        <source>DownloadResume</source>
        <translation>İndirmeye devam et</translation>
    </message>
    <message>
        <source>DownloadSpeed</source>
        <translation>İndirme hızı</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>İndirme</translation>
    </message>
    <message>
        <source>ErrFailedEulaOpen</source>
        <translation>Lisans sözleşmesi dosyası yüklenemedi.</translation>
    </message>
    <message>
        <source>ErrGameStartFail</source>
        <translation>Oyun başlatılamadı.</translation>
    </message>
    <message>
        <source>ErrUnknown</source>
        <translation>Güncelleme bilinmeyen bir nedenle başarısız oldu. Lütfen tekrar deneyin.</translation>
    </message>
    <message>
        <source>ErrUpdateContentNotFound</source>
        <translation>Oyun içeriği kullanılamıyor. Lütfen platform gereksinimlerini kontrol edip tekrar deneyin.</translation>
    </message>
    <message>
        <source>ErrUpdateDownloadFailed</source>
        <translation>Oyun içeriği indirilemedi. Lütfen internet bağlantınızı kontrol edip tekrar deneyin.</translation>
    </message>
    <message>
        <source>ErrUpdateFailedMissingOption</source>
        <translation>Güncelleme başarısız: eksik seçenek</translation>
    </message>
    <message>
        <source>ErrUpdateFailedToPatch</source>
        <translation>Oyun içeriğine yama uygulanamadı. Lütfen tekrar deneyin.</translation>
    </message>
    <message>
        <source>ErrUpdateFailedToStart</source>
        <translation>Güncelleme başlatılamadı.</translation>
    </message>
    <message>
        <source>ErrUpdateFailedToUnpack</source>
        <translation>Oyun içeriği arşivden çıkarılamadı. Lütfen tekrar deneyin.</translation>
    </message>
    <message>
        <source>ErrUpdateInfoNotFound</source>
        <translation>Güncelleme bilgisi bulunamadı. Lütfen tekrar deneyin.</translation>
    </message>
    <message>
        <source>ErrUpdateInfoNotValid</source>
        <translation>Güncelleme bilgisi geçersiz. Lütfen tekrar deneyin.</translation>
    </message>
    <message>
        <source>ErrUpdateInfoQueryFailed</source>
        <translation>Güncelleme sunucusuna bağlanılamadı. Lütfen internet bağlantınızı kontrol edip tekrar deneyin.</translation>
    </message>
    <message>
        <source>ExitWarning</source>
        <translation>Program kapanacak. Devam etmek istiyor musunuz?</translation>
    </message>
    <message>
        <source>GameReady</source>
        <translation>Oyun oynamaya hazır</translation>
    </message>
    <message>
        <source>GetPackage</source>
        <translation>Dosya listesi indiriliyor...</translation>
    </message>
    <message>
        <source>HTTP</source>
        <translation>HTTP</translation>
    </message>
    <message>
        <source>HeaderGame</source>
        <translation>OYUN</translation>
    </message>
    <message>
        <source>HeaderNews</source>
        <translation>HABERLER</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Sunucu</translation>
    </message>
    <message numerus="yes">
        <source>HoursAgo</source>
        <translation>
            <numerusform>%n saat önce</numerusform>
        </translation>
    </message>
    <message>
        <source>InfoSettingsNeedRestart</source>
        <translation>Ayarın uygulanması için programı yeniden başlatın.</translation>
    </message>
    <message>
        <source>InstallCreateUninstall</source>
        <translation>Kaldırma kayıtları oluşturuluyor...</translation>
    </message>
    <message>
        <source>InstallDlgBtnInstall</source>
        <translation>YÜKLE</translation>
    </message>
    <message>
        <source>InstallDlgBtnSelect</source>
        <translation>Seç...</translation>
    </message>
    <message>
        <source>InstallDlgCreateMenu</source>
        <translation>Başlat menüsü öğeleri oluştur</translation>
    </message>
    <message>
        <source>InstallDlgCreateShortcut</source>
        <translation>Masaüstü kısayolu oluştur</translation>
    </message>
    <message>
        <source>InstallDlgErrOutOfSpace</source>
        <translation>Yeterli disk alanı yok. Başka bir yükleme konumu seçin.</translation>
    </message>
    <message>
        <source>InstallDlgErrPathInvalid</source>
        <translation>Konum geçerli değil</translation>
    </message>
    <message>
        <source>InstallDlgErrPathReadonly</source>
        <translation>Yükleme konumu salt okunur. Başka bir konum seçin.</translation>
    </message>
    <message>
        <source>InstallDlgSelectPath</source>
        <translation>Yükleme konumunu seçin</translation>
    </message>
    <message>
        <source>InstallDlgSelectPathTitle</source>
        <translation>Yükleme Konumunu Seçin</translation>
    </message>
    <message>
        <source>InstallDlgTitle</source>
        <translation>Glimmerdeep kurulumu</translation>
    </message>
    <message>
        <source>InstallErrFailed</source>
        <translation>Yükleme başarısız oldu.</translation>
    </message>
    <message>
        <source>InstallLinkFix</source>
        <translation>Kısayollar düzeltiliyor...</translation>
    </message>
    <message>
        <source>InstallOpCreateUninstall</source>
        <translation>Kaldırma kayıtları oluşturuluyor...</translation>
    </message>
    <message>
        <source>InstallOpFile</source>
        <translation>Dosyalar yükleniyor...</translation>
    </message>
    <message>
        <source>InstallOpLinks</source>
        <translation>Masaüstü kısayolları oluşturuluyor...</translation>
    </message>
    <message>
        <source>InstallOpMenu</source>
        <translation>Başlat menüsü kısayolları oluşturuluyor...</translation>
    </message>
    <message>
        <source>InstallOpQuicklaunch</source>
        <translation>Hızlı başlat kısayolları oluşturuluyor...</translation>
    </message>
    <message>
        <source>InstallOpRemoveData</source>
        <translation>Kullanıcı verileri kaldırılıyor...</translation>
    </message>
    <message>
        <source>InstallResDone</source>
        <translation>Tamamlandı.</translation>
    </message>
    <message>
        <source>InstallRollback</source>
        <translation>Değişiklikler geri alınıyor...</translation>
    </message>
    <message>
        <source>LaunchParameters</source>
        <translation>Başlatma parametreleri</translation>
    </message>
    <message>
        <source>LauncherBtnPlay</source>
        <translation>OYNA</translation>
    </message>
    <message>
        <source>LauncherProgressCheck</source>
        <translation>Dosyalar denetleniyor %%0</translation>
    </message>
    <message>
        <source>LauncherProgressDownload</source>
        <translation>İndiriliyor %%0</translation>
    </message>
    <message>
        <source>LauncherProgressInstall</source>
        <translation>Yükleniyor %%0</translation>
    </message>
    <message>
        <source>LauncherProgressUnpack</source>
        <translation>Çıkarılıyor %%0</translation>
    </message>
    <message>
        <source>LauncherUpdateCheck</source>
        <translation>Güncellemeler denetleniyor...</translation>
    </message>
    <message>
        <source>LauncherVersion</source>
        <translation>Sürüm %0.%1.%2</translation>
    </message>
    <message>
        <source>LicDlgBtnAccept</source>
        <translation>KABUL ET</translation>
    </message>
    <message>
        <source>LicDlgBtnReject</source>
        <translation>REDDET</translation>
    </message>
    <message>
        <source>LicDlgTitle</source>
        <translation>Lisans sözleşmesi</translation>
    </message>
    <message>
        <source>LinkDiscord</source>
        <translation>Discord</translation>
    </message>
    <message>
        <source>LinkEula</source>
        <translation>Lisans sözleşmesi</translation>
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
        <translation>Web tarayıcısında açılır</translation>
    </message>
    <message>
        <source>LinkPrivacy</source>
        <translation>Gizlilik politikası</translation>
    </message>
    <message>
        <source>LinkRules</source>
        <translation>Davranış kuralları</translation>
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
        <translation>Kullanım kılavuzu</translation>
    </message>
    <message>
        <source>LinkVK</source>
        <translation>VK</translation>
    </message>
    <message>
        <source>LinkWeb</source>
        <translation>Web sitesi</translation>
    </message>
    <message>
        <source>LinkYoutube</source>
        <translation>YouTube</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Kullanıcı adı</translation>
    </message>
    <message>
        <source>LoginDlgRememberPwd</source>
        <translation>Beni hatırla</translation>
    </message>
    <message>
        <source>LoginInputPlaceholder</source>
        <translation>Kullanıcı adı</translation>
    </message>
    <message>
        <source>MenuEula</source>
        <translation>Lisans sözleşmesini göster...</translation>
    </message>
    <message>
        <source>MenuExit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>MenuGraphicsAPI</source>
        <translation>Grafik API&apos;si</translation>
    </message>
    <message>
        <source>MenuGraphicsAPIAuto</source>
        <translation>Otomatik</translation>
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
        <translation>Dil</translation>
    </message>
    <message>
        <source>MenuLinks</source>
        <translation>Bağlantılar</translation>
    </message>
    <message>
        <source>MenuProxy</source>
        <translation>Proxy...</translation>
    </message>
    <message>
        <source>MenuRules</source>
        <translation>Davranış kuralları...</translation>
    </message>
    <message>
        <source>MenuSettings</source>
        <translation>Ayarlar</translation>
    </message>
    <message numerus="yes">
        <source>MinsAgo</source>
        <translation>
            <numerusform>%n dakika önce</numerusform>
        </translation>
    </message>
    <message>
        <source>MsgDiagnosticsDesktopReadOnly</source>
        <translation>Tanılama dosyası masaüstünüze kaydedilir, ancak %1 masaüstü klasörüne yazılamıyor. Klasörün izinlerini kontrol edip tekrar deneyin.</translation>
    </message>
    <message>
        <source>MsgDiagnosticsFailed</source>
        <translation>Tanılama hatası</translation>
    </message>
    <message>
        <source>MsgDiagnosticsNoDesktop</source>
        <translation>Tanılama dosyası masaüstünüze kaydedilir, ancak %1 masaüstü klasörü yok. Klasörü oluşturup tekrar deneyin.</translation>
    </message>
    <message>
        <source>MsgDiagnosticsSuccess</source>
        <translation>Tanılama tamamlandı. Tanılama bilgilerini içeren bir dosya masaüstünüze kaydedildi. Lütfen bu dosyayı sorunun açıklamasıyla birlikte e-posta ile destek ekibine gönderin.</translation>
    </message>
    <message>
        <source>MsgErrRecoveryFailed</source>
        <translation>Oyun dosyaları onarılırken bir hata oluştu.</translation>
    </message>
    <message>
        <source>MsgErrRecoveryInfoNotFound</source>
        <translation>Oyun dosyalarının onarımı için bilgi bulunamadı.</translation>
    </message>
    <message>
        <source>MsgGameFilesAreValid</source>
        <translation>Tüm dosyalar başarıyla denetlendi.</translation>
    </message>
    <message>
        <source>MsgLoginFailed</source>
        <translation>Giriş başarısız</translation>
    </message>
    <message>
        <source>MsgRecoverySuccess</source>
        <translation>Oyun dosyaları başarıyla onarıldı.</translation>
    </message>
    <message>
        <source>Packing</source>
        <translation>arşiv hazırlanıyor</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Şifre</translation>
    </message>
    <message>
        <source>PasswordInputPlaceholder</source>
        <translation>Şifre</translation>
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
        <translation>Dosyalar denetleniyor</translation>
    </message>
    <message>
        <source>ProgressDownloading</source>
        <translation>İndiriliyor...</translation>
    </message>
    <message>
        <source>ProgressInstalling</source>
        <translation>Yükleniyor...</translation>
    </message>
    <message>
        <source>ProgressUnpacking</source>
        <translation>Çıkarılıyor...</translation>
    </message>
    <message>
        <source>ProgressUpdateCheck</source>
        <translation>Güncellemeler denetleniyor...</translation>
    </message>
    <message>
        <source>ProxyErrHostInvalid</source>
        <translation>Proxy sunucusu boşluk veya eğik çizgi içermeyen bir ad ya da adres olmalıdır.</translation>
    </message>
    <message>
        <source>ProxyErrHostMissing</source>
        <translation>Sunucuyu girin ya da proxysiz bağlanmak için kullanıcı adını silin.</translation>
    </message>
    <message>
        <source>ProxyErrPort</source>
        <translation>Port 1 ile 65535 arasında bir sayı olmalıdır.</translation>
    </message>
    <message>
        <source>ProxySettings</source>
        <translation>Proxy ayarları</translation>
    </message>
    <message>
        <source>RateB</source>
        <translation>bayt/s</translation>
    </message>
    <message>
        <source>RateGB</source>
        <translation>GB/s</translation>
    </message>
    <message>
        <source>RateKB</source>
        <translation>KB/s</translation>
    </message>
    <message>
        <source>RateMB</source>
        <translation>MB/s</translation>
    </message>
    <message>
        <source>RemoveHistory</source>
        <translation>Özel mesaj geçmişini sil</translation>
    </message>
    <message>
        <source>RemoveSettings</source>
        <translation>Oyun ayarlarını sil</translation>
    </message>
    <message>
        <source>RepairQuestion</source>
        <translation>Hasarlı dosyalar bulundu! Onarım başlatılsın mı?</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Sıfırla</translation>
    </message>
    <message>
        <source>ResetSettings</source>
        <translation>Ayarları sıfırla</translation>
    </message>
    <message>
        <source>RulesDlgTitle</source>
        <translation>Davranış kuralları</translation>
    </message>
    <message>
        <source>RunDiagnostics</source>
        <translation>Tanılama...</translation>
    </message>
    <message>
        <source>RussianDataNoticeDlgTitle</source>
        <translation>Kişisel verilerin işlenmesine onay</translation>
    </message>
    <message>
        <source>SOCKS</source>
        <translation>SOCKS</translation>
    </message>
    <message>
        <source>SeedBackground</source>
        <translation>Arka planda paylaş</translation>
    </message>
    <message>
        <source>SeedInGame</source>
        <translation>Oyun sırasında paylaş</translation>
    </message>
    <message>
        <source>SeedLimit</source>
        <translation>Arka planda paylaşım hızı</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>ShowFile</source>
        <translation>Dosyayı göster...</translation>
    </message>
    <message>
        <source>SizeB</source>
        <translation>bayt</translation>
    </message>
    <message>
        <source>SizeGB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>SizeKB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>SizeMB</source>
        <translation>MB</translation>
    </message>
    <message numerus="yes">
        <source>TabUnread</source>
        <translation>
            <numerusform>%0, %n okunmamış</numerusform>
        </translation>
    </message>
    <message>
        <source>Troubleshooting</source>
        <translation>Sorun giderme</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tür</translation>
    </message>
    <message>
        <source>UninstallConfirm</source>
        <translation>Glimmerdeep kaldırılsın mı? Oyun dosyaları ve Glimmerdeep ayarlarınız bu bilgisayardan silinecek.</translation>
    </message>
    <message>
        <source>UninstallLinkName</source>
        <translation>Glimmerdeep&apos;i kaldır</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Sınırsız</translation>
    </message>
    <message>
        <source>UpdateProgress</source>
        <translation>Güncelleme ilerlemesi</translation>
    </message>
    <message>
        <source>UpdateRetryErrMsg</source>
        <translation>%0 Yeniden denensin mi?</translation>
    </message>
    <message>
        <source>WindowClose</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>WindowMinimize</source>
        <translation>Simge durumuna küçült</translation>
    </message>
</context>
</TS>
