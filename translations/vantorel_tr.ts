<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR" sourcelanguage="en">
<context>
    <name>CodeView</name>
    <message>
        <source>We sent a code to your email.</source>
        <translation>E-posta adresinize bir kod gönderdik.</translation>
    </message>
    <message>
        <source>Open your authenticator app and enter the code for Vantorel.</source>
        <translation>Kimlik doğrulama uygulamanızı açın ve Vantorel kodunu girin.</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Kod</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Doğrula</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>Send a new code</source>
        <translation>Yeni kod gönder</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Game Launcher</source>
        <translation>Oyun Başlatıcı</translation>
    </message>
    <message>
        <source>Sign in, update the game files and read the news</source>
        <translation>Giriş yapın, oyun dosyalarını güncelleyin ve haberleri okuyun</translation>
    </message>
    <message>
        <source>Vantorel;game;launcher;update;patch;</source>
        <extracomment>Search words, each followed by a semicolon. Keep &quot;Vantorel&quot;.</extracomment>
        <translation>Vantorel;oyun;başlatıcı;launcher;güncelleme;yama;</translation>
    </message>
</context>
<context>
    <name>DesktopIntegration</name>
    <message>
        <source>Couldn&apos;t finish</source>
        <translation>Tamamlanamadı</translation>
    </message>
    <message>
        <source>Update finished</source>
        <translation>Güncelleme tamamlandı</translation>
    </message>
    <message>
        <source>The game is up to date.</source>
        <translation>Oyun güncel.</translation>
    </message>
</context>
<context>
    <name>FileSize</name>
    <message>
        <source>1 byte</source>
        <translation>1 bayt</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bayt</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>%1 TB</source>
        <translation>%1 TB</translation>
    </message>
</context>
<context>
    <name>GamePanel</name>
    <message>
        <source>Game options</source>
        <translation>Oyun seçenekleri</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Güncel</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Güncellemeleri Denetle</translation>
    </message>
    <message>
        <source>Scan and Repair</source>
        <translation>Tara ve Onar</translation>
    </message>
    <message>
        <source>Reveal in Finder</source>
        <translation>Finder&apos;da Göster</translation>
    </message>
    <message>
        <source>The game doesn&apos;t run on macOS yet. This launcher only updates files.</source>
        <translation>Oyun henüz macOS&apos;ta çalışmıyor. Bu başlatıcı yalnızca dosyaları günceller.</translation>
    </message>
    <message>
        <source>Launcher %1</source>
        <translation>Başlatıcı %1</translation>
    </message>
</context>
<context>
    <name>HomeView</name>
    <message>
        <source>Account</source>
        <translation>Hesap</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Web sitesi</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Destek</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Ayarlar…</translation>
    </message>
    <message>
        <source>Log Out</source>
        <translation>Çıkış Yap</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Çık</translation>
    </message>
</context>
<context>
    <name>LauncherError</name>
    <message>
        <source>Couldn&apos;t send the email code. Try again in a minute.</source>
        <translation>E-posta kodu gönderilemedi. Bir dakika sonra tekrar deneyin.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read your saved sign-in from the Keychain (error %1). Sign in again.</source>
        <translation>Kayıtlı giriş bilgileriniz Anahtar Zinciri&apos;nden okunamadı (hata %1). Yeniden giriş yapın.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save your sign-in to the Keychain (error %1). Allow access when macOS asks, then sign in again.</source>
        <translation>Giriş bilgileriniz Anahtar Zinciri&apos;ne kaydedilemedi (hata %1). macOS sorduğunda erişime izin verin, ardından yeniden giriş yapın.</translation>
    </message>
    <message>
        <source>Can&apos;t reach the login server. Check your connection and try again.</source>
        <translation>Giriş sunucusuna ulaşılamıyor. Bağlantınızı kontrol edip tekrar deneyin.</translation>
    </message>
    <message>
        <source>Can&apos;t reach the patch server. Check your connection and try again.</source>
        <translation>Yama sunucusuna ulaşılamıyor. Bağlantınızı kontrol edip tekrar deneyin.</translation>
    </message>
    <message>
        <source>The patch list has an unsafe file path (%1). Nothing was written. Report this to the Vantorel team.</source>
        <translation>Yama listesinde güvenli olmayan bir dosya yolu var (%1). Hiçbir şey yazılmadı. Bunu Vantorel ekibine bildirin.</translation>
    </message>
    <message>
        <source>The patch list has a bad download URL for %1. Report this to the Vantorel team.</source>
        <translation>Yama listesinde %1 için hatalı bir indirme URL&apos;si var. Bunu Vantorel ekibine bildirin.</translation>
    </message>
    <message>
        <source>%1 failed its checksum after download. Try again.</source>
        <translation>%1 indirildikten sonra sağlama toplamı denetiminden geçemedi. Tekrar deneyin.</translation>
    </message>
    <message>
        <source>The download server returned HTTP %1. Try again later.</source>
        <translation>İndirme sunucusu HTTP %1 döndürdü. Daha sonra tekrar deneyin.</translation>
    </message>
    <message>
        <source>There isn&apos;t enough free space for this update in %1: it needs %2 and %3 is free. Free up some space, then try again.</source>
        <translation>%1 konumunda bu güncelleme için yeterli boş alan yok: %2 gerekiyor, %3 boş. Biraz yer açıp tekrar deneyin.</translation>
    </message>
    <message>
        <source>Another update of this game folder is running. Try again when it has finished.</source>
        <translation>Bu oyun klasöründe başka bir güncelleme sürüyor. Bittiğinde tekrar deneyin.</translation>
    </message>
    <message>
        <source>The patch list isn&apos;t signed. Nothing was written. Report this to the Vantorel team.</source>
        <translation>Yama listesi imzalı değil. Hiçbir şey yazılmadı. Bunu Vantorel ekibine bildirin.</translation>
    </message>
    <message>
        <source>The patch list&apos;s signature isn&apos;t valid. Nothing was written. Report this to the Vantorel team.</source>
        <translation>Yama listesinin imzası geçerli değil. Hiçbir şey yazılmadı. Bunu Vantorel ekibine bildirin.</translation>
    </message>
    <message>
        <source>The patch list has no version or expiry date. Nothing was written. Report this to the Vantorel team.</source>
        <translation>Yama listesinde sürüm veya son geçerlilik tarihi yok. Hiçbir şey yazılmadı. Bunu Vantorel ekibine bildirin.</translation>
    </message>
    <message>
        <source>The patch list expired on %1 UTC. Nothing was written. Report this to the Vantorel team.</source>
        <translation>Yama listesinin süresi %1 UTC tarihinde doldu. Hiçbir şey yazılmadı. Bunu Vantorel ekibine bildirin.</translation>
    </message>
    <message>
        <source>The patch list is older (version %1) than one this launcher already used (version %2). Nothing was written. Report this to the Vantorel team.</source>
        <translation>Yama listesi (sürüm %1), bu başlatıcının daha önce kullandığı listeden (sürüm %2) daha eski. Hiçbir şey yazılmadı. Bunu Vantorel ekibine bildirin.</translation>
    </message>
    <message>
        <source>The patch list doesn&apos;t name its channel. Nothing was written. Report this to the Vantorel team.</source>
        <translation>Yama listesinde kanal belirtilmemiş. Hiçbir şey yazılmadı. Bunu Vantorel ekibine bildirin.</translation>
    </message>
    <message>
        <source>The patch list is for the &quot;%1&quot; channel, not &quot;%2&quot;. Nothing was written. Report this to the Vantorel team.</source>
        <translation>Yama listesi “%2” kanalı için değil, “%1” kanalı için. Hiçbir şey yazılmadı. Bunu Vantorel ekibine bildirin.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Beklenmeyen bir hata oluştu.</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Dosya</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Çıkış Yap</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Ayarlar…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Çık</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Oyun</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Güncellemeleri Denetle</translation>
    </message>
    <message>
        <source>Verify Game Files</source>
        <translation>Oyun Dosyalarını Doğrula</translation>
    </message>
    <message>
        <source>Show Game Folder in Finder</source>
        <translation>Oyun Klasörünü Finder&apos;da Göster</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Wrong email or password.</source>
        <translation>E-posta veya şifre yanlış.</translation>
    </message>
    <message>
        <source>That code didn&apos;t work. Check it and try again.</source>
        <translation>Bu kod işe yaramadı. Kontrol edip tekrar deneyin.</translation>
    </message>
    <message>
        <source>We sent a code to your email.</source>
        <translation>E-posta adresinize bir kod gönderdik.</translation>
    </message>
    <message>
        <source>Too many attempts. Try again in %1 seconds.</source>
        <translation>Çok fazla deneme yapıldı. %1 saniye sonra tekrar deneyin.</translation>
    </message>
    <message>
        <source>The home feed isn&apos;t in the correct format (%1).</source>
        <translation>Ana sayfa akışı doğru biçimde değil (%1).</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format (%1).</source>
        <translation>Veriler doğru biçimde olmadığı için okunamadı (%1).</translation>
    </message>
    <message>
        <source>The manifest couldn&apos;t be read because it isn&apos;t in the correct format (%1).</source>
        <translation>Manifest doğru biçimde olmadığı için okunamadı (%1).</translation>
    </message>
    <message>
        <source>The chunk index isn&apos;t usable (%1).</source>
        <translation>Parça dizini kullanılamıyor (%1).</translation>
    </message>
    <message>
        <source>The URL &quot;%1&quot; is not supported.</source>
        <translation>“%1” URL&apos;si desteklenmiyor.</translation>
    </message>
    <message>
        <source>The answer is larger than expected.</source>
        <translation>Yanıt beklenenden büyük.</translation>
    </message>
    <message>
        <source>The server took too long to answer.</source>
        <translation>Sunucu yanıt vermekte çok gecikti.</translation>
    </message>
    <message>
        <source>The download is larger than expected.</source>
        <translation>İndirilen veri beklenenden büyük.</translation>
    </message>
    <message>
        <source>The server didn&apos;t send the part of the file that was asked for.</source>
        <translation>Sunucu, dosyanın istenen bölümünü göndermedi.</translation>
    </message>
    <message>
        <source>The part of the file that was asked for arrived cut short.</source>
        <translation>Dosyanın istenen bölümü eksik geldi.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read &quot;%1&quot;: %2</source>
        <translation>“%1” okunamadı: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t write the download: %1</source>
        <translation>İndirilen veri yazılamadı: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t create a download file in %1: %2</source>
        <translation>%1 içinde indirme dosyası oluşturulamadı: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t create the folder &quot;%1&quot;.</source>
        <translation>“%1” klasörü oluşturulamadı.</translation>
    </message>
    <message>
        <source>SHA-256 is not available.</source>
        <translation>SHA-256 kullanılamıyor.</translation>
    </message>
</context>
<context>
    <name>Metainfo</name>
    <message>
        <source>Sign in, keep the game files up to date and read the news</source>
        <translation>Giriş yapın, oyun dosyalarını güncel tutun ve haberleri okuyun</translation>
    </message>
    <message>
        <source>The launcher of the Vantorel online game. Sign in with your e-mail, password and second factor, bring the game&apos;s files up to date from the patch server and read the latest news.</source>
        <translation>Vantorel çevrim içi oyununun başlatıcısı. E-posta, şifre ve ikinci doğrulama adımıyla giriş yapın, oyun dosyalarını yama sunucusundan güncelleyin ve son haberleri okuyun.</translation>
    </message>
    <message>
        <source>Every file is checked by SHA-256 and replaced in one step, so an update never leaves a broken file</source>
        <translation>Her dosya SHA-256 ile denetlenir ve tek adımda değiştirilir; böylece bir güncelleme asla bozuk dosya bırakmaz</translation>
    </message>
    <message>
        <source>Cut downloads go on where they stopped, even after a restart</source>
        <translation>Yarıda kalan indirmeler, yeniden başlatmadan sonra bile kaldıkları yerden devam eder</translation>
    </message>
    <message>
        <source>An optional download speed limit that applies to the whole launcher</source>
        <translation>Tüm başlatıcı için geçerli, isteğe bağlı bir indirme hızı sınırı</translation>
    </message>
    <message>
        <source>Signed patch lists: a tampered or outdated list is refused before anything is written</source>
        <translation>İmzalı yama listeleri: değiştirilmiş veya eskimiş bir liste, hiçbir şey yazılmadan reddedilir</translation>
    </message>
    <message>
        <source>Signing in</source>
        <translation>Giriş yapma</translation>
    </message>
    <message>
        <source>The home screen with the news and the game panel</source>
        <translation>Haberler ve oyun paneliyle ana ekran</translation>
    </message>
</context>
<context>
    <name>NewsPane</name>
    <message>
        <source>Slide %1 of %2</source>
        <translation>Slayt %1 / %2</translation>
    </message>
</context>
<context>
    <name>Notifications</name>
    <message>
        <source>Open</source>
        <translation>Aç</translation>
    </message>
</context>
<context>
    <name>PanelText</name>
    <message>
        <source>UPDATING</source>
        <translation>GÜNCELLENİYOR</translation>
    </message>
    <message>
        <source>GAME FILES</source>
        <translation>OYUN DOSYALARI</translation>
    </message>
    <message>
        <source>Not installed</source>
        <translation>Yüklü değil</translation>
    </message>
    <message>
        <source>%1 download</source>
        <translation>%1 indirilecek</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Yükle</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Güncelleme mevcut</translation>
    </message>
    <message>
        <source>%1 files, %2</source>
        <translation>%1 dosya, %2</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Güncelle</translation>
    </message>
    <message>
        <source>Couldn&apos;t finish</source>
        <translation>Tamamlanamadı</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Tekrar Dene</translation>
    </message>
    <message>
        <source>Checking for updates</source>
        <translation>Güncellemeler denetleniyor</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Denetleniyor</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Oyna</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>Güncelleniyor</translation>
    </message>
    <message>
        <source>Verifying files</source>
        <translation>Dosyalar doğrulanıyor</translation>
    </message>
    <message>
        <source>%1 of %2 files</source>
        <translation>%1 / %2 dosya</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>İndiriliyor</translation>
    </message>
    <message>
        <source>%1 of %2 · %3/s</source>
        <translation>%1 / %2 · %3/sn</translation>
    </message>
    <message>
        <source>Finishing</source>
        <translation>Tamamlanıyor</translation>
    </message>
    <message>
        <source>Less than a minute left</source>
        <translation>Bir dakikadan az kaldı</translation>
    </message>
    <message>
        <source>About a minute left</source>
        <translation>Yaklaşık bir dakika kaldı</translation>
    </message>
    <message numerus="yes">
        <source>About %1 minutes left</source>
        <translation>
            <numerusform>Yaklaşık %1 dakika kaldı</numerusform>
        </translation>
    </message>
    <message>
        <source>About an hour left</source>
        <translation>Yaklaşık bir saat kaldı</translation>
    </message>
    <message numerus="yes">
        <source>About %1 hours left</source>
        <translation>
            <numerusform>Yaklaşık %1 saat kaldı</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 days left</source>
        <translation>
            <numerusform>Yaklaşık %1 gün kaldı</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Game files</source>
        <translation>Oyun dosyaları</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Konum</translation>
    </message>
    <message>
        <source>Download limit</source>
        <translation>İndirme sınırı</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Sınırsız</translation>
    </message>
    <message>
        <source>Download limit in MB/s</source>
        <translation>MB/sn cinsinden indirme sınırı</translation>
    </message>
    <message>
        <source>MB/s</source>
        <translation>MB/sn</translation>
    </message>
    <message>
        <source>Update automatically</source>
        <translation>Otomatik güncelle</translation>
    </message>
    <message>
        <source>Show in Finder</source>
        <translation>Finder&apos;da Göster</translation>
    </message>
    <message>
        <source>Verify Files</source>
        <translation>Dosyaları Doğrula</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Hesap</translation>
    </message>
    <message>
        <source>Signed in as</source>
        <translation>Giriş yapılan hesap</translation>
    </message>
    <message>
        <source>Log Out</source>
        <translation>Çıkış Yap</translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation>Giriş yapılmadı</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Launcher</source>
        <translation>Başlatıcı</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Dil</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Sistem varsayılanı</translation>
    </message>
    <message>
        <source>Share game files on this network</source>
        <translation>Oyun dosyalarını bu ağda paylaş</translation>
    </message>
    <message>
        <source>Upload limit</source>
        <translation>Yükleme sınırı</translation>
    </message>
    <message>
        <source>Upload limit in MB/s</source>
        <translation>MB/sn cinsinden yükleme sınırı</translation>
    </message>
</context>
<context>
    <name>SignInView</name>
    <message>
        <source>Email</source>
        <translation>E-posta</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Şifre</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>Giriş Yap</translation>
    </message>
    <message>
        <source>Create an account</source>
        <translation>Hesap oluştur</translation>
    </message>
    <message>
        <source>Forgot password?</source>
        <translation>Şifremi unuttum</translation>
    </message>
</context>
<context>
    <name>SleepInhibitor</name>
    <message>
        <source>Updating the game files</source>
        <translation>Oyun dosyaları güncelleniyor</translation>
    </message>
</context>
<context>
    <name>Spinner</name>
    <message>
        <source>Loading</source>
        <translation>Yükleniyor</translation>
    </message>
</context>
<context>
    <name>UnreachableView</name>
    <message>
        <source>Can&apos;t reach the login server</source>
        <translation>Giriş sunucusuna ulaşılamıyor</translation>
    </message>
    <message>
        <source>Check your connection and try again.</source>
        <translation>Bağlantınızı kontrol edip tekrar deneyin.</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Tekrar Dene</translation>
    </message>
</context>
</TS>
