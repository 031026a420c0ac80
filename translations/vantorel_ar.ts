<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG" sourcelanguage="en">
<context>
    <name>CodeView</name>
    <message>
        <source>We sent a code to your email.</source>
        <translation>أرسلنا رمزًا إلى بريدك الإلكتروني.</translation>
    </message>
    <message>
        <source>Open your authenticator app and enter the code for Vantorel.</source>
        <translation>افتح تطبيق المصادقة وأدخل رمز Vantorel.</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>الرمز</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>تحقق</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>رجوع</translation>
    </message>
    <message>
        <source>Send a new code</source>
        <translation>إرسال رمز جديد</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Game Launcher</source>
        <translation>مشغل الألعاب</translation>
    </message>
    <message>
        <source>Sign in, update the game files and read the news</source>
        <translation>سجل الدخول وحدّث ملفات اللعبة واقرأ الأخبار</translation>
    </message>
    <message>
        <source>Vantorel;game;launcher;update;patch;</source>
        <extracomment>Search words, each followed by a semicolon. Keep &quot;Vantorel&quot;.</extracomment>
        <translation>Vantorel;لعبة;ألعاب;مشغل;تحديث;تصحيح;</translation>
    </message>
</context>
<context>
    <name>DesktopIntegration</name>
    <message>
        <source>Couldn&apos;t finish</source>
        <translation>تعذر الإكمال</translation>
    </message>
    <message>
        <source>Update finished</source>
        <translation>اكتمل التحديث</translation>
    </message>
    <message>
        <source>The game is up to date.</source>
        <translation>اللعبة محدثة.</translation>
    </message>
</context>
<context>
    <name>FileSize</name>
    <message>
        <source>1 byte</source>
        <translation>بايت واحد</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 بايت</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 ك.ب</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 م.ب</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 غ.ب</translation>
    </message>
    <message>
        <source>%1 TB</source>
        <translation>%1 ت.ب</translation>
    </message>
</context>
<context>
    <name>GamePanel</name>
    <message>
        <source>Game options</source>
        <translation>خيارات اللعبة</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>اللعبة محدثة</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>التحقق من التحديثات</translation>
    </message>
    <message>
        <source>Scan and Repair</source>
        <translation>فحص وإصلاح</translation>
    </message>
    <message>
        <source>Reveal in Finder</source>
        <translation>إظهار في Finder</translation>
    </message>
    <message>
        <source>The game doesn&apos;t run on macOS yet. This launcher only updates files.</source>
        <translation>لا تعمل اللعبة على macOS بعد. هذا المشغل يحدّث الملفات فقط.</translation>
    </message>
    <message>
        <source>Launcher %1</source>
        <translation>المشغل %1</translation>
    </message>
</context>
<context>
    <name>HomeView</name>
    <message>
        <source>Account</source>
        <translation>الحساب</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>الموقع الإلكتروني</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>الدعم</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>الإعدادات…</translation>
    </message>
    <message>
        <source>Log Out</source>
        <translation>تسجيل الخروج</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>إنهاء</translation>
    </message>
</context>
<context>
    <name>LauncherError</name>
    <message>
        <source>Couldn&apos;t send the email code. Try again in a minute.</source>
        <translation>تعذر إرسال الرمز إلى بريدك الإلكتروني. حاول مجددًا بعد دقيقة.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read your saved sign-in from the Keychain (error %1). Sign in again.</source>
        <translation>تعذرت قراءة بيانات تسجيل الدخول المحفوظة من سلسلة المفاتيح (الخطأ %1). سجل الدخول مجددًا.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save your sign-in to the Keychain (error %1). Allow access when macOS asks, then sign in again.</source>
        <translation>تعذر حفظ بيانات تسجيل الدخول في سلسلة المفاتيح (الخطأ %1). اسمح بالوصول عندما يطلب macOS ذلك، ثم سجل الدخول مجددًا.</translation>
    </message>
    <message>
        <source>Can&apos;t reach the login server. Check your connection and try again.</source>
        <translation>يتعذر الوصول إلى خادم تسجيل الدخول. تحقق من اتصالك وحاول مجددًا.</translation>
    </message>
    <message>
        <source>Can&apos;t reach the patch server. Check your connection and try again.</source>
        <translation>يتعذر الوصول إلى خادم التصحيحات. تحقق من اتصالك وحاول مجددًا.</translation>
    </message>
    <message>
        <source>The patch list has an unsafe file path (%1). Nothing was written. Report this to the Vantorel team.</source>
        <translation>تحتوي قائمة التصحيحات على مسار ملف غير آمن (%1). لم تتم كتابة أي شيء. أبلغ فريق Vantorel بذلك.</translation>
    </message>
    <message>
        <source>The patch list has a bad download URL for %1. Report this to the Vantorel team.</source>
        <translation>رابط تنزيل %1 في قائمة التصحيحات غير صالح. أبلغ فريق Vantorel بذلك.</translation>
    </message>
    <message>
        <source>%1 failed its checksum after download. Try again.</source>
        <translation>لم يطابق المجموع الاختباري للملف %1 بعد تنزيله. حاول مجددًا.</translation>
    </message>
    <message>
        <source>The download server returned HTTP %1. Try again later.</source>
        <translation>أعاد خادم التنزيل الرمز HTTP %1. حاول مجددًا لاحقًا.</translation>
    </message>
    <message>
        <source>There isn&apos;t enough free space for this update in %1: it needs %2 and %3 is free. Free up some space, then try again.</source>
        <translation>لا توجد مساحة كافية لهذا التحديث في %1: يلزم %2 والمتاح %3. أفرغ بعض المساحة، ثم حاول مجددًا.</translation>
    </message>
    <message>
        <source>Another update of this game folder is running. Try again when it has finished.</source>
        <translation>يجري تحديث آخر لمجلد اللعبة هذا. حاول مجددًا بعد انتهائه.</translation>
    </message>
    <message>
        <source>The patch list isn&apos;t signed. Nothing was written. Report this to the Vantorel team.</source>
        <translation>قائمة التصحيحات غير موقعة. لم تتم كتابة أي شيء. أبلغ فريق Vantorel بذلك.</translation>
    </message>
    <message>
        <source>The patch list&apos;s signature isn&apos;t valid. Nothing was written. Report this to the Vantorel team.</source>
        <translation>توقيع قائمة التصحيحات غير صالح. لم تتم كتابة أي شيء. أبلغ فريق Vantorel بذلك.</translation>
    </message>
    <message>
        <source>The patch list has no version or expiry date. Nothing was written. Report this to the Vantorel team.</source>
        <translation>لا تحتوي قائمة التصحيحات على إصدار أو تاريخ انتهاء صلاحية. لم تتم كتابة أي شيء. أبلغ فريق Vantorel بذلك.</translation>
    </message>
    <message>
        <source>The patch list expired on %1 UTC. Nothing was written. Report this to the Vantorel team.</source>
        <translation>انتهت صلاحية قائمة التصحيحات في %1 UTC. لم تتم كتابة أي شيء. أبلغ فريق Vantorel بذلك.</translation>
    </message>
    <message>
        <source>The patch list is older (version %1) than one this launcher already used (version %2). Nothing was written. Report this to the Vantorel team.</source>
        <translation>قائمة التصحيحات (الإصدار %1) أقدم من قائمة استخدمها هذا المشغل من قبل (الإصدار %2). لم تتم كتابة أي شيء. أبلغ فريق Vantorel بذلك.</translation>
    </message>
    <message>
        <source>The patch list doesn&apos;t name its channel. Nothing was written. Report this to the Vantorel team.</source>
        <translation>لا تحدد قائمة التصحيحات قناتها. لم تتم كتابة أي شيء. أبلغ فريق Vantorel بذلك.</translation>
    </message>
    <message>
        <source>The patch list is for the &quot;%1&quot; channel, not &quot;%2&quot;. Nothing was written. Report this to the Vantorel team.</source>
        <translation>قائمة التصحيحات مخصصة للقناة «%1» وليس «%2». لم تتم كتابة أي شيء. أبلغ فريق Vantorel بذلك.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>حدث خطأ غير متوقع.</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>تسجيل الخروج</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>الإعدادات…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>إنهاء</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;اللعبة</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>التحقق من التحديثات</translation>
    </message>
    <message>
        <source>Verify Game Files</source>
        <translation>فحص ملفات اللعبة</translation>
    </message>
    <message>
        <source>Show Game Folder in Finder</source>
        <translation>إظهار مجلد اللعبة في Finder</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Wrong email or password.</source>
        <translation>البريد الإلكتروني أو كلمة المرور غير صحيحة.</translation>
    </message>
    <message>
        <source>That code didn&apos;t work. Check it and try again.</source>
        <translation>لم ينجح هذا الرمز. تحقق منه وحاول مجددًا.</translation>
    </message>
    <message>
        <source>We sent a code to your email.</source>
        <translation>أرسلنا رمزًا إلى بريدك الإلكتروني.</translation>
    </message>
    <message>
        <source>Too many attempts. Try again in %1 seconds.</source>
        <translation>محاولات كثيرة جدًا. حاول مجددًا بعد %1 ثانية.</translation>
    </message>
    <message>
        <source>The home feed isn&apos;t in the correct format (%1).</source>
        <translation>محتوى الصفحة الرئيسية ليس بالتنسيق الصحيح (%1).</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format (%1).</source>
        <translation>تعذرت قراءة البيانات لأنها ليست بالتنسيق الصحيح (%1).</translation>
    </message>
    <message>
        <source>The manifest couldn&apos;t be read because it isn&apos;t in the correct format (%1).</source>
        <translation>تعذرت قراءة ملف البيان لأنه ليس بالتنسيق الصحيح (%1).</translation>
    </message>
    <message>
        <source>The chunk index isn&apos;t usable (%1).</source>
        <translation>تعذر استخدام فهرس الأجزاء (%1).</translation>
    </message>
    <message>
        <source>The URL &quot;%1&quot; is not supported.</source>
        <translation>الرابط «%1» غير مدعوم.</translation>
    </message>
    <message>
        <source>The answer is larger than expected.</source>
        <translation>رد الخادم أكبر من المتوقع.</translation>
    </message>
    <message>
        <source>The server took too long to answer.</source>
        <translation>استغرق الخادم وقتًا طويلًا للرد.</translation>
    </message>
    <message>
        <source>The download is larger than expected.</source>
        <translation>التنزيل أكبر من المتوقع.</translation>
    </message>
    <message>
        <source>The server didn&apos;t send the part of the file that was asked for.</source>
        <translation>لم يرسل الخادم الجزء المطلوب من الملف.</translation>
    </message>
    <message>
        <source>The part of the file that was asked for arrived cut short.</source>
        <translation>وصل الجزء المطلوب من الملف ناقصًا.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read &quot;%1&quot;: %2</source>
        <translation>تعذرت قراءة «%1»: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t write the download: %1</source>
        <translation>تعذرت كتابة التنزيل: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t create a download file in %1: %2</source>
        <translation>تعذر إنشاء ملف تنزيل في %1: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t create the folder &quot;%1&quot;.</source>
        <translation>تعذر إنشاء المجلد «%1».</translation>
    </message>
    <message>
        <source>SHA-256 is not available.</source>
        <translation>SHA-256 غير متوفر.</translation>
    </message>
</context>
<context>
    <name>Metainfo</name>
    <message>
        <source>Sign in, keep the game files up to date and read the news</source>
        <translation>سجل الدخول وأبقِ ملفات اللعبة محدثة واقرأ الأخبار</translation>
    </message>
    <message>
        <source>The launcher of the Vantorel online game. Sign in with your e-mail, password and second factor, bring the game&apos;s files up to date from the patch server and read the latest news.</source>
        <translation>مشغل لعبة Vantorel على الإنترنت. سجل الدخول ببريدك الإلكتروني وكلمة المرور والمصادقة الثنائية، وحدّث ملفات اللعبة من خادم التصحيحات، واقرأ آخر الأخبار.</translation>
    </message>
    <message>
        <source>Every file is checked by SHA-256 and replaced in one step, so an update never leaves a broken file</source>
        <translation>يُفحص كل ملف باستخدام SHA-256 ويُستبدل في خطوة واحدة، فلا يترك التحديث أي ملف تالف</translation>
    </message>
    <message>
        <source>Cut downloads go on where they stopped, even after a restart</source>
        <translation>تُستأنف التنزيلات المنقطعة من حيث توقفت، حتى بعد إعادة التشغيل</translation>
    </message>
    <message>
        <source>An optional download speed limit that applies to the whole launcher</source>
        <translation>حد اختياري لسرعة التنزيل يسري على المشغل بأكمله</translation>
    </message>
    <message>
        <source>Signed patch lists: a tampered or outdated list is refused before anything is written</source>
        <translation>قوائم تصحيحات موقعة: تُرفض القائمة المتلاعب بها أو القديمة قبل كتابة أي شيء</translation>
    </message>
    <message>
        <source>Signing in</source>
        <translation>تسجيل الدخول</translation>
    </message>
    <message>
        <source>The home screen with the news and the game panel</source>
        <translation>الشاشة الرئيسية مع الأخبار ولوحة اللعبة</translation>
    </message>
</context>
<context>
    <name>NewsPane</name>
    <message>
        <source>Slide %1 of %2</source>
        <translation>الشريحة %1 من %2</translation>
    </message>
</context>
<context>
    <name>Notifications</name>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
</context>
<context>
    <name>PanelText</name>
    <message>
        <source>UPDATING</source>
        <translation>جارٍ التحديث</translation>
    </message>
    <message>
        <source>GAME FILES</source>
        <translation>ملفات اللعبة</translation>
    </message>
    <message>
        <source>Not installed</source>
        <translation>غير مثبتة</translation>
    </message>
    <message>
        <source>%1 download</source>
        <translation>حجم التنزيل %1</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>تثبيت</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>يتوفر تحديث</translation>
    </message>
    <message>
        <source>%1 files, %2</source>
        <translation>%1 ملف، %2</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>تحديث</translation>
    </message>
    <message>
        <source>Couldn&apos;t finish</source>
        <translation>تعذر الإكمال</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>إعادة المحاولة</translation>
    </message>
    <message>
        <source>Checking for updates</source>
        <translation>جارٍ التحقق من التحديثات</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>جارٍ التحقق</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>العب</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>جارٍ التحديث</translation>
    </message>
    <message>
        <source>Verifying files</source>
        <translation>جارٍ فحص الملفات</translation>
    </message>
    <message>
        <source>%1 of %2 files</source>
        <translation>%1 من %2 ملف</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>جارٍ التنزيل</translation>
    </message>
    <message>
        <source>%1 of %2 · %3/s</source>
        <translation>%1 من %2 · %3/ث</translation>
    </message>
    <message>
        <source>Finishing</source>
        <translation>جارٍ الإنهاء</translation>
    </message>
    <message>
        <source>Less than a minute left</source>
        <translation>يتبقى أقل من دقيقة</translation>
    </message>
    <message>
        <source>About a minute left</source>
        <translation>يتبقى نحو دقيقة</translation>
    </message>
    <message numerus="yes">
        <source>About %1 minutes left</source>
        <translation>
            <numerusform>يتبقى نحو %1 دقيقة</numerusform>
            <numerusform>يتبقى نحو %1 دقيقة</numerusform>
            <numerusform>يتبقى نحو %1 دقيقتان</numerusform>
            <numerusform>يتبقى نحو %1 دقائق</numerusform>
            <numerusform>يتبقى نحو %1 دقيقة</numerusform>
            <numerusform>يتبقى نحو %1 دقيقة</numerusform>
        </translation>
    </message>
    <message>
        <source>About an hour left</source>
        <translation>يتبقى نحو ساعة</translation>
    </message>
    <message numerus="yes">
        <source>About %1 hours left</source>
        <translation>
            <numerusform>يتبقى نحو %1 ساعة</numerusform>
            <numerusform>يتبقى نحو %1 ساعة</numerusform>
            <numerusform>يتبقى نحو %1 ساعتان</numerusform>
            <numerusform>يتبقى نحو %1 ساعات</numerusform>
            <numerusform>يتبقى نحو %1 ساعة</numerusform>
            <numerusform>يتبقى نحو %1 ساعة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 days left</source>
        <translation>
            <numerusform>يتبقى نحو %1 يوم</numerusform>
            <numerusform>يتبقى نحو %1 يوم</numerusform>
            <numerusform>يتبقى نحو %1 يومان</numerusform>
            <numerusform>يتبقى نحو %1 أيام</numerusform>
            <numerusform>يتبقى نحو %1 يومًا</numerusform>
            <numerusform>يتبقى نحو %1 يوم</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Game files</source>
        <translation>ملفات اللعبة</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>المكان</translation>
    </message>
    <message>
        <source>Download limit</source>
        <translation>حد التنزيل</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>بلا حد</translation>
    </message>
    <message>
        <source>Download limit in MB/s</source>
        <translation>حد التنزيل بالميغابايت في الثانية</translation>
    </message>
    <message>
        <source>MB/s</source>
        <translation>م.ب/ث</translation>
    </message>
    <message>
        <source>Update automatically</source>
        <translation>التحديث تلقائيًا</translation>
    </message>
    <message>
        <source>Show in Finder</source>
        <translation>إظهار في Finder</translation>
    </message>
    <message>
        <source>Verify Files</source>
        <translation>فحص الملفات</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>الحساب</translation>
    </message>
    <message>
        <source>Signed in as</source>
        <translation>مسجل الدخول باسم</translation>
    </message>
    <message>
        <source>Log Out</source>
        <translation>تسجيل الخروج</translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation>لم تسجل الدخول</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>Launcher</source>
        <translation>المشغل</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>القناة</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>افتراضي النظام</translation>
    </message>
    <message>
        <source>Share game files on this network</source>
        <translation>مشاركة ملفات اللعبة على هذه الشبكة</translation>
    </message>
    <message>
        <source>Upload limit</source>
        <translation>حد الرفع</translation>
    </message>
    <message>
        <source>Upload limit in MB/s</source>
        <translation>حد الرفع بالميغابايت/ث</translation>
    </message>
</context>
<context>
    <name>SignInView</name>
    <message>
        <source>Email</source>
        <translation>البريد الإلكتروني</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>كلمة المرور</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>تسجيل الدخول</translation>
    </message>
    <message>
        <source>Create an account</source>
        <translation>إنشاء حساب</translation>
    </message>
    <message>
        <source>Forgot password?</source>
        <translation>نسيت كلمة المرور؟</translation>
    </message>
</context>
<context>
    <name>SleepInhibitor</name>
    <message>
        <source>Updating the game files</source>
        <translation>جارٍ تحديث ملفات اللعبة</translation>
    </message>
</context>
<context>
    <name>Spinner</name>
    <message>
        <source>Loading</source>
        <translation>جارٍ التحميل</translation>
    </message>
</context>
<context>
    <name>UnreachableView</name>
    <message>
        <source>Can&apos;t reach the login server</source>
        <translation>يتعذر الوصول إلى خادم تسجيل الدخول</translation>
    </message>
    <message>
        <source>Check your connection and try again.</source>
        <translation>تحقق من اتصالك وحاول مجددًا.</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>إعادة المحاولة</translation>
    </message>
</context>
</TS>
