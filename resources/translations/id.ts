<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id" sourcelanguage="en">
<context>
    <name>TR</name>
    <message>
        <source>AbortChecking</source>
        <translation>Yakin ingin membatalkan pemeriksaan file?</translation>
    </message>
    <message>
        <source>AbortDiagnostics</source>
        <translation>Yakin ingin membatalkan diagnostik?</translation>
    </message>
    <message>
        <source>AgeNotice</source>
        <translation>Saya berusia minimal 18 tahun</translation>
    </message>
    <message>
        <source>AutostartLauncher</source>
        <translation>Jalankan saat sistem dinyalakan</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Kembali</translation>
    </message>
    <message>
        <source>BtnCancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>BtnExit</source>
        <translation>Keluar</translation>
    </message>
    <message>
        <source>BtnNo</source>
        <translation>Tidak</translation>
    </message>
    <message>
        <source>BtnYes</source>
        <translation>Ya</translation>
    </message>
    <message>
        <source>CheckGameFiles</source>
        <translation>Periksa file game</translation>
    </message>
    <message>
        <source>CheckingProgress</source>
        <translation>(%1) Memeriksa %2</translation>
    </message>
    <message>
        <source>DataCollection</source>
        <translation>Mengumpulkan informasi diagnostik</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Diagnostik</translation>
    </message>
    <message>
        <source>DlgBtnLogin</source>
        <translation>Masuk</translation>
    </message>
    <message>
        <source>DlgBtnOK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>DownloadMethod</source>
        <translation>Metode unduhan file</translation>
    </message>
    <message>
        <source>DownloadPause</source>
        <translation>Jeda unduhan</translation>
    </message>
    <message>
        <source>DownloadPaused</source>
        <translation>Unduhan dijeda</translation>
    </message>
    <message>
        <source>DownloadResume</source>
        <translation>Lanjutkan unduhan</translation>
    </message>
    <message>
        <source>DownloadSpeed</source>
        <translation>Kecepatan unduh</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Unduhan</translation>
    </message>
    <message>
        <source>ErrFailedEulaOpen</source>
        <translation>Gagal memuat file perjanjian lisensi.</translation>
    </message>
    <message>
        <source>ErrGameStartFail</source>
        <translation>Gagal memulai game.</translation>
    </message>
    <message>
        <source>ErrUnknown</source>
        <translation>Pembaruan gagal karena alasan yang tidak diketahui. Silakan coba lagi.</translation>
    </message>
    <message>
        <source>ErrUpdateContentNotFound</source>
        <translation>Konten game tidak tersedia. Periksa persyaratan platform, lalu coba lagi.</translation>
    </message>
    <message>
        <source>ErrUpdateDownloadFailed</source>
        <translation>Konten game gagal diunduh. Periksa koneksi internet Anda, lalu coba lagi.</translation>
    </message>
    <message>
        <source>ErrUpdateFailedMissingOption</source>
        <translation>Pembaruan gagal: opsi tidak ditemukan</translation>
    </message>
    <message>
        <source>ErrUpdateFailedToPatch</source>
        <translation>Patch konten game gagal. Silakan coba lagi.</translation>
    </message>
    <message>
        <source>ErrUpdateFailedToStart</source>
        <translation>Pembaruan gagal dimulai.</translation>
    </message>
    <message>
        <source>ErrUpdateFailedToUnpack</source>
        <translation>Konten game gagal diekstrak. Silakan coba lagi.</translation>
    </message>
    <message>
        <source>ErrUpdateInfoNotFound</source>
        <translation>Informasi pembaruan tidak ditemukan. Silakan coba lagi.</translation>
    </message>
    <message>
        <source>ErrUpdateInfoNotValid</source>
        <translation>Informasi pembaruan tidak valid. Silakan coba lagi.</translation>
    </message>
    <message>
        <source>ErrUpdateInfoQueryFailed</source>
        <translation>Gagal terhubung ke server pembaruan. Periksa koneksi internet Anda, lalu coba lagi.</translation>
    </message>
    <message>
        <source>ExitWarning</source>
        <translation>Program akan ditutup. Lanjutkan?</translation>
    </message>
    <message>
        <source>GameReady</source>
        <translation>Game siap dimainkan</translation>
    </message>
    <message>
        <source>GetPackage</source>
        <translation>Mengunduh daftar file...</translation>
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
        <translation>BERITA</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Host</translation>
    </message>
    <message numerus="yes">
        <source>HoursAgo</source>
        <translation>
            <numerusform>%n jam yang lalu</numerusform>
        </translation>
    </message>
    <message>
        <source>InfoSettingsNeedRestart</source>
        <translation>Mulai ulang program untuk menerapkan pengaturan ini.</translation>
    </message>
    <message>
        <source>InstallCreateUninstall</source>
        <translation>Membuat kunci pencopotan...</translation>
    </message>
    <message>
        <source>InstallDlgBtnInstall</source>
        <translation>INSTAL</translation>
    </message>
    <message>
        <source>InstallDlgBtnSelect</source>
        <translation>Pilih...</translation>
    </message>
    <message>
        <source>InstallDlgCreateMenu</source>
        <translation>Buat item menu Start</translation>
    </message>
    <message>
        <source>InstallDlgCreateShortcut</source>
        <translation>Buat pintasan di desktop</translation>
    </message>
    <message>
        <source>InstallDlgErrOutOfSpace</source>
        <translation>Ruang disk tidak cukup. Pilih lokasi instalasi lain.</translation>
    </message>
    <message>
        <source>InstallDlgErrPathInvalid</source>
        <translation>Lokasi tidak valid</translation>
    </message>
    <message>
        <source>InstallDlgErrPathReadonly</source>
        <translation>Lokasi instalasi hanya bisa dibaca. Pilih lokasi lain.</translation>
    </message>
    <message>
        <source>InstallDlgSelectPath</source>
        <translation>Pilih lokasi instalasi</translation>
    </message>
    <message>
        <source>InstallDlgSelectPathTitle</source>
        <translation>Pilih Lokasi Instalasi</translation>
    </message>
    <message>
        <source>InstallDlgTitle</source>
        <translation>Instalasi Glimmerdeep</translation>
    </message>
    <message>
        <source>InstallErrFailed</source>
        <translation>Instalasi gagal.</translation>
    </message>
    <message>
        <source>InstallLinkFix</source>
        <translation>Memperbaiki pintasan...</translation>
    </message>
    <message>
        <source>InstallOpCreateUninstall</source>
        <translation>Membuat kunci pencopotan...</translation>
    </message>
    <message>
        <source>InstallOpFile</source>
        <translation>Menginstal file...</translation>
    </message>
    <message>
        <source>InstallOpLinks</source>
        <translation>Membuat pintasan desktop...</translation>
    </message>
    <message>
        <source>InstallOpMenu</source>
        <translation>Membuat pintasan menu Start...</translation>
    </message>
    <message>
        <source>InstallOpQuicklaunch</source>
        <translation>Membuat pintasan Quick Launch...</translation>
    </message>
    <message>
        <source>InstallOpRemoveData</source>
        <translation>Menghapus data pengguna...</translation>
    </message>
    <message>
        <source>InstallResDone</source>
        <translation>Selesai.</translation>
    </message>
    <message>
        <source>InstallRollback</source>
        <translation>Membatalkan perubahan...</translation>
    </message>
    <message>
        <source>LaunchParameters</source>
        <translation>Parameter peluncuran</translation>
    </message>
    <message>
        <source>LauncherBtnPlay</source>
        <translation>MAIN</translation>
    </message>
    <message>
        <source>LauncherProgressCheck</source>
        <translation>Memeriksa file %0%</translation>
    </message>
    <message>
        <source>LauncherProgressDownload</source>
        <translation>Mengunduh %0%</translation>
    </message>
    <message>
        <source>LauncherProgressInstall</source>
        <translation>Menginstal %0%</translation>
    </message>
    <message>
        <source>LauncherProgressUnpack</source>
        <translation>Mengekstrak %0%</translation>
    </message>
    <message>
        <source>LauncherUpdateCheck</source>
        <translation>Memeriksa pembaruan...</translation>
    </message>
    <message>
        <source>LauncherVersion</source>
        <translation>Versi %0.%1.%2</translation>
    </message>
    <message>
        <source>LicDlgBtnAccept</source>
        <translation>TERIMA</translation>
    </message>
    <message>
        <source>LicDlgBtnReject</source>
        <translation>TOLAK</translation>
    </message>
    <message>
        <source>LicDlgTitle</source>
        <translation>Perjanjian lisensi</translation>
    </message>
    <message>
        <source>LinkDiscord</source>
        <translation>Discord</translation>
    </message>
    <message>
        <source>LinkEula</source>
        <translation>Perjanjian lisensi</translation>
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
        <translation>Dibuka di peramban web</translation>
    </message>
    <message>
        <source>LinkPrivacy</source>
        <translation>Kebijakan privasi</translation>
    </message>
    <message>
        <source>LinkRules</source>
        <translation>Aturan perilaku</translation>
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
        <translation>Panduan pengguna</translation>
    </message>
    <message>
        <source>LinkVK</source>
        <translation>VK</translation>
    </message>
    <message>
        <source>LinkWeb</source>
        <translation>Situs web</translation>
    </message>
    <message>
        <source>LinkYoutube</source>
        <translation>YouTube</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Nama pengguna</translation>
    </message>
    <message>
        <source>LoginDlgRememberPwd</source>
        <translation>Ingat saya</translation>
    </message>
    <message>
        <source>LoginInputPlaceholder</source>
        <translation>Nama pengguna</translation>
    </message>
    <message>
        <source>MenuEula</source>
        <translation>Lihat perjanjian lisensi...</translation>
    </message>
    <message>
        <source>MenuExit</source>
        <translation>Keluar</translation>
    </message>
    <message>
        <source>MenuGraphicsAPI</source>
        <translation>API grafis</translation>
    </message>
    <message>
        <source>MenuGraphicsAPIAuto</source>
        <translation>Otomatis</translation>
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
        <translation>Bahasa</translation>
    </message>
    <message>
        <source>MenuLinks</source>
        <translation>Tautan</translation>
    </message>
    <message>
        <source>MenuProxy</source>
        <translation>Proxy...</translation>
    </message>
    <message>
        <source>MenuRules</source>
        <translation>Aturan perilaku...</translation>
    </message>
    <message>
        <source>MenuSettings</source>
        <translation>Pengaturan</translation>
    </message>
    <message numerus="yes">
        <source>MinsAgo</source>
        <translation>
            <numerusform>%n menit yang lalu</numerusform>
        </translation>
    </message>
    <message>
        <source>MsgDiagnosticsDesktopReadOnly</source>
        <translation>File diagnostik disimpan di desktop Anda, tetapi folder desktop %1 tidak dapat ditulisi. Periksa izinnya, lalu coba lagi.</translation>
    </message>
    <message>
        <source>MsgDiagnosticsFailed</source>
        <translation>Diagnostik gagal</translation>
    </message>
    <message>
        <source>MsgDiagnosticsNoDesktop</source>
        <translation>File diagnostik disimpan di desktop Anda, tetapi folder desktop %1 tidak ada. Buat folder tersebut, lalu coba lagi.</translation>
    </message>
    <message>
        <source>MsgDiagnosticsSuccess</source>
        <translation>Diagnostik selesai. File berisi informasi diagnostik telah disimpan di desktop Anda. Kirim file ini beserta penjelasan masalahnya ke tim dukungan melalui email.</translation>
    </message>
    <message>
        <source>MsgErrRecoveryFailed</source>
        <translation>Terjadi kesalahan saat memulihkan file game.</translation>
    </message>
    <message>
        <source>MsgErrRecoveryInfoNotFound</source>
        <translation>Informasi pemulihan file game tidak ditemukan.</translation>
    </message>
    <message>
        <source>MsgGameFilesAreValid</source>
        <translation>Semua file berhasil diperiksa.</translation>
    </message>
    <message>
        <source>MsgLoginFailed</source>
        <translation>Gagal masuk</translation>
    </message>
    <message>
        <source>MsgRecoverySuccess</source>
        <translation>Pemulihan file game berhasil diselesaikan.</translation>
    </message>
    <message>
        <source>Packing</source>
        <translation>menyiapkan arsip</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Kata sandi</translation>
    </message>
    <message>
        <source>PasswordInputPlaceholder</source>
        <translation>Kata sandi</translation>
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
        <translation>Memeriksa file</translation>
    </message>
    <message>
        <source>ProgressDownloading</source>
        <translation>Mengunduh...</translation>
    </message>
    <message>
        <source>ProgressInstalling</source>
        <translation>Menginstal...</translation>
    </message>
    <message>
        <source>ProgressUnpacking</source>
        <translation>Mengekstrak...</translation>
    </message>
    <message>
        <source>ProgressUpdateCheck</source>
        <translation>Memeriksa pembaruan...</translation>
    </message>
    <message>
        <source>ProxyErrHostInvalid</source>
        <translation>Host proxy harus berupa nama atau alamat, tanpa spasi atau garis miring.</translation>
    </message>
    <message>
        <source>ProxyErrHostMissing</source>
        <translation>Isi host proxy, atau kosongkan nama pengguna jika tanpa proxy.</translation>
    </message>
    <message>
        <source>ProxyErrPort</source>
        <translation>Port harus berupa angka dari 1 sampai 65535.</translation>
    </message>
    <message>
        <source>ProxySettings</source>
        <translation>Pengaturan proxy</translation>
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
        <translation>Hapus riwayat pesan pribadi</translation>
    </message>
    <message>
        <source>RemoveSettings</source>
        <translation>Hapus pengaturan game</translation>
    </message>
    <message>
        <source>RepairQuestion</source>
        <translation>Ditemukan file yang rusak! Mulai pemulihan?</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Atur ulang</translation>
    </message>
    <message>
        <source>ResetSettings</source>
        <translation>Atur ulang pengaturan</translation>
    </message>
    <message>
        <source>RulesDlgTitle</source>
        <translation>Aturan perilaku</translation>
    </message>
    <message>
        <source>RunDiagnostics</source>
        <translation>Diagnostik...</translation>
    </message>
    <message>
        <source>RussianDataNoticeDlgTitle</source>
        <translation>Persetujuan pemrosesan data pribadi</translation>
    </message>
    <message>
        <source>SOCKS</source>
        <translation>SOCKS</translation>
    </message>
    <message>
        <source>SeedBackground</source>
        <translation>Bagikan di latar belakang</translation>
    </message>
    <message>
        <source>SeedInGame</source>
        <translation>Bagikan selama bermain</translation>
    </message>
    <message>
        <source>SeedLimit</source>
        <translation>Kecepatan berbagi di latar belakang</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Pengaturan</translation>
    </message>
    <message>
        <source>ShowFile</source>
        <translation>Tampilkan file...</translation>
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
            <numerusform>%0, %n belum dibaca</numerusform>
        </translation>
    </message>
    <message>
        <source>Troubleshooting</source>
        <translation>Pemecahan masalah</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Jenis</translation>
    </message>
    <message>
        <source>UninstallConfirm</source>
        <translation>Copot Glimmerdeep? File game dan pengaturan Glimmerdeep Anda akan dihapus dari komputer ini.</translation>
    </message>
    <message>
        <source>UninstallLinkName</source>
        <translation>Copot Glimmerdeep</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Tanpa batas</translation>
    </message>
    <message>
        <source>UpdateProgress</source>
        <translation>Kemajuan pembaruan</translation>
    </message>
    <message>
        <source>UpdateRetryErrMsg</source>
        <translation>%0 Coba lagi?</translation>
    </message>
    <message>
        <source>WindowClose</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>WindowMinimize</source>
        <translation>Kecilkan</translation>
    </message>
</context>
</TS>
