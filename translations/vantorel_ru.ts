<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en">
<context>
    <name>CodeView</name>
    <message>
        <source>We sent a code to your email.</source>
        <translation>Мы отправили код на вашу почту.</translation>
    </message>
    <message>
        <source>Open your authenticator app and enter the code for Vantorel.</source>
        <translation>Откройте приложение-аутентификатор и введите код для Vantorel.</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Код</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Подтвердить</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Send a new code</source>
        <translation>Отправить новый код</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Game Launcher</source>
        <translation>Игровой лаунчер</translation>
    </message>
    <message>
        <source>Sign in, update the game files and read the news</source>
        <translation>Вход, обновление файлов игры и новости</translation>
    </message>
    <message>
        <source>Vantorel;game;launcher;update;patch;</source>
        <extracomment>Search words, each followed by a semicolon. Keep &quot;Vantorel&quot;.</extracomment>
        <translation>Vantorel;игра;лаунчер;обновление;патч;</translation>
    </message>
</context>
<context>
    <name>DesktopIntegration</name>
    <message>
        <source>Couldn&apos;t finish</source>
        <translation>Не удалось завершить</translation>
    </message>
    <message>
        <source>Update finished</source>
        <translation>Обновление завершено</translation>
    </message>
    <message>
        <source>The game is up to date.</source>
        <translation>Игра обновлена.</translation>
    </message>
</context>
<context>
    <name>FileSize</name>
    <message>
        <source>1 byte</source>
        <translation>1 байт</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Б</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 КБ</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 МБ</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 ГБ</translation>
    </message>
    <message>
        <source>%1 TB</source>
        <translation>%1 ТБ</translation>
    </message>
</context>
<context>
    <name>GamePanel</name>
    <message>
        <source>Game options</source>
        <translation>Параметры игры</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Игра обновлена</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Проверить обновления</translation>
    </message>
    <message>
        <source>Scan and Repair</source>
        <translation>Проверить и восстановить</translation>
    </message>
    <message>
        <source>Reveal in Finder</source>
        <translation>Показать в Finder</translation>
    </message>
    <message>
        <source>The game doesn&apos;t run on macOS yet. This launcher only updates files.</source>
        <translation>Игра пока не работает на macOS. Этот лаунчер только обновляет файлы.</translation>
    </message>
    <message>
        <source>Launcher %1</source>
        <translation>Лаунчер %1</translation>
    </message>
</context>
<context>
    <name>HomeView</name>
    <message>
        <source>Account</source>
        <translation>Аккаунт</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Сайт</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Поддержка</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Настройки…</translation>
    </message>
    <message>
        <source>Log Out</source>
        <translation>Выйти из аккаунта</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
</context>
<context>
    <name>LauncherError</name>
    <message>
        <source>Couldn&apos;t send the email code. Try again in a minute.</source>
        <translation>Не удалось отправить код на почту. Повторите попытку через минуту.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read your saved sign-in from the Keychain (error %1). Sign in again.</source>
        <translation>Не удалось прочитать сохранённые данные входа из связки ключей (ошибка %1). Войдите снова.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save your sign-in to the Keychain (error %1). Allow access when macOS asks, then sign in again.</source>
        <translation>Не удалось сохранить данные входа в связку ключей (ошибка %1). Разрешите доступ, когда macOS спросит, и войдите снова.</translation>
    </message>
    <message>
        <source>Can&apos;t reach the login server. Check your connection and try again.</source>
        <translation>Сервер авторизации недоступен. Проверьте подключение и повторите попытку.</translation>
    </message>
    <message>
        <source>Can&apos;t reach the patch server. Check your connection and try again.</source>
        <translation>Сервер патчей недоступен. Проверьте подключение и повторите попытку.</translation>
    </message>
    <message>
        <source>The patch list has an unsafe file path (%1). Nothing was written. Report this to the Vantorel team.</source>
        <translation>В списке патчей небезопасный путь к файлу (%1). Ничего не записано. Сообщите об этом команде Vantorel.</translation>
    </message>
    <message>
        <source>The patch list has a bad download URL for %1. Report this to the Vantorel team.</source>
        <translation>В списке патчей неверный URL загрузки для %1. Сообщите об этом команде Vantorel.</translation>
    </message>
    <message>
        <source>%1 failed its checksum after download. Try again.</source>
        <translation>Контрольная сумма %1 после загрузки не совпала. Повторите попытку.</translation>
    </message>
    <message>
        <source>The download server returned HTTP %1. Try again later.</source>
        <translation>Сервер загрузки вернул код HTTP %1. Повторите попытку позже.</translation>
    </message>
    <message>
        <source>There isn&apos;t enough free space for this update in %1: it needs %2 and %3 is free. Free up some space, then try again.</source>
        <translation>Недостаточно места для обновления в %1: нужно %2, свободно %3. Освободите место и повторите попытку.</translation>
    </message>
    <message>
        <source>Another update of this game folder is running. Try again when it has finished.</source>
        <translation>Эта папка игры уже обновляется. Повторите попытку, когда обновление завершится.</translation>
    </message>
    <message>
        <source>The patch list isn&apos;t signed. Nothing was written. Report this to the Vantorel team.</source>
        <translation>Список патчей не подписан. Ничего не записано. Сообщите об этом команде Vantorel.</translation>
    </message>
    <message>
        <source>The patch list&apos;s signature isn&apos;t valid. Nothing was written. Report this to the Vantorel team.</source>
        <translation>Подпись списка патчей недействительна. Ничего не записано. Сообщите об этом команде Vantorel.</translation>
    </message>
    <message>
        <source>The patch list has no version or expiry date. Nothing was written. Report this to the Vantorel team.</source>
        <translation>В списке патчей не указаны версия или срок действия. Ничего не записано. Сообщите об этом команде Vantorel.</translation>
    </message>
    <message>
        <source>The patch list expired on %1 UTC. Nothing was written. Report this to the Vantorel team.</source>
        <translation>Срок действия списка патчей истёк %1 UTC. Ничего не записано. Сообщите об этом команде Vantorel.</translation>
    </message>
    <message>
        <source>The patch list is older (version %1) than one this launcher already used (version %2). Nothing was written. Report this to the Vantorel team.</source>
        <translation>Список патчей (версия %1) старше того, который этот лаунчер уже использовал (версия %2). Ничего не записано. Сообщите об этом команде Vantorel.</translation>
    </message>
    <message>
        <source>The patch list doesn&apos;t name its channel. Nothing was written. Report this to the Vantorel team.</source>
        <translation>В списке патчей не указан канал. Ничего не записано. Сообщите об этом команде Vantorel.</translation>
    </message>
    <message>
        <source>The patch list is for the &quot;%1&quot; channel, not &quot;%2&quot;. Nothing was written. Report this to the Vantorel team.</source>
        <translation>Список патчей предназначен для канала «%1», а не «%2». Ничего не записано. Сообщите об этом команде Vantorel.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Произошла непредвиденная ошибка.</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Выйти из аккаунта</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Настройки…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Игра</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Проверить обновления</translation>
    </message>
    <message>
        <source>Verify Game Files</source>
        <translation>Проверить файлы игры</translation>
    </message>
    <message>
        <source>Show Game Folder in Finder</source>
        <translation>Показать папку игры в Finder</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Wrong email or password.</source>
        <translation>Неверная почта или пароль.</translation>
    </message>
    <message>
        <source>That code didn&apos;t work. Check it and try again.</source>
        <translation>Код не подошёл. Проверьте его и повторите попытку.</translation>
    </message>
    <message>
        <source>We sent a code to your email.</source>
        <translation>Мы отправили код на вашу почту.</translation>
    </message>
    <message>
        <source>Too many attempts. Try again in %1 seconds.</source>
        <translation>Слишком много попыток. Повторите через %1 с.</translation>
    </message>
    <message>
        <source>The home feed isn&apos;t in the correct format (%1).</source>
        <translation>Лента главной страницы в неверном формате (%1).</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format (%1).</source>
        <translation>Не удалось прочитать данные: неверный формат (%1).</translation>
    </message>
    <message>
        <source>The manifest couldn&apos;t be read because it isn&apos;t in the correct format (%1).</source>
        <translation>Не удалось прочитать манифест: неверный формат (%1).</translation>
    </message>
    <message>
        <source>The chunk index isn&apos;t usable (%1).</source>
        <translation>Индекс фрагментов непригоден (%1).</translation>
    </message>
    <message>
        <source>The URL &quot;%1&quot; is not supported.</source>
        <translation>URL «%1» не поддерживается.</translation>
    </message>
    <message>
        <source>The answer is larger than expected.</source>
        <translation>Ответ больше ожидаемого.</translation>
    </message>
    <message>
        <source>The server took too long to answer.</source>
        <translation>Сервер слишком долго не отвечал.</translation>
    </message>
    <message>
        <source>The download is larger than expected.</source>
        <translation>Загружаемые данные больше ожидаемого.</translation>
    </message>
    <message>
        <source>The server didn&apos;t send the part of the file that was asked for.</source>
        <translation>Сервер не прислал запрошенную часть файла.</translation>
    </message>
    <message>
        <source>The part of the file that was asked for arrived cut short.</source>
        <translation>Запрошенная часть файла пришла не полностью.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read &quot;%1&quot;: %2</source>
        <translation>Не удалось прочитать «%1»: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t write the download: %1</source>
        <translation>Не удалось записать загруженные данные: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t create a download file in %1: %2</source>
        <translation>Не удалось создать файл загрузки в %1: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t create the folder &quot;%1&quot;.</source>
        <translation>Не удалось создать папку «%1».</translation>
    </message>
    <message>
        <source>SHA-256 is not available.</source>
        <translation>SHA-256 недоступен.</translation>
    </message>
</context>
<context>
    <name>Metainfo</name>
    <message>
        <source>Sign in, keep the game files up to date and read the news</source>
        <translation>Вход, обновление файлов игры и свежие новости</translation>
    </message>
    <message>
        <source>The launcher of the Vantorel online game. Sign in with your e-mail, password and second factor, bring the game&apos;s files up to date from the patch server and read the latest news.</source>
        <translation>Лаунчер онлайн-игры Vantorel. Входите с почтой, паролем и вторым фактором, обновляйте файлы игры с сервера патчей и читайте последние новости.</translation>
    </message>
    <message>
        <source>Every file is checked by SHA-256 and replaced in one step, so an update never leaves a broken file</source>
        <translation>Каждый файл проверяется по SHA-256 и заменяется за один шаг, поэтому обновление не оставляет повреждённых файлов</translation>
    </message>
    <message>
        <source>Cut downloads go on where they stopped, even after a restart</source>
        <translation>Прерванные загрузки продолжаются с места остановки, даже после перезапуска</translation>
    </message>
    <message>
        <source>An optional download speed limit that applies to the whole launcher</source>
        <translation>Необязательное ограничение скорости загрузки для всего лаунчера</translation>
    </message>
    <message>
        <source>Signed patch lists: a tampered or outdated list is refused before anything is written</source>
        <translation>Подписанные списки патчей: подделанный или устаревший список отклоняется до того, как что-либо будет записано</translation>
    </message>
    <message>
        <source>Signing in</source>
        <translation>Вход</translation>
    </message>
    <message>
        <source>The home screen with the news and the game panel</source>
        <translation>Главный экран с новостями и панелью игры</translation>
    </message>
</context>
<context>
    <name>NewsPane</name>
    <message>
        <source>Slide %1 of %2</source>
        <translation>Слайд %1 из %2</translation>
    </message>
</context>
<context>
    <name>Notifications</name>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
</context>
<context>
    <name>PanelText</name>
    <message>
        <source>UPDATING</source>
        <translation>ОБНОВЛЕНИЕ</translation>
    </message>
    <message>
        <source>GAME FILES</source>
        <translation>ФАЙЛЫ ИГРЫ</translation>
    </message>
    <message>
        <source>Not installed</source>
        <translation>Игра не установлена</translation>
    </message>
    <message>
        <source>%1 download</source>
        <translation>Размер загрузки: %1</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Установить</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Доступно обновление</translation>
    </message>
    <message>
        <source>%1 files, %2</source>
        <translation>Файлов: %1, %2</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Couldn&apos;t finish</source>
        <translation>Не удалось завершить</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Checking for updates</source>
        <translation>Проверка обновлений</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Проверка</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Играть</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>Обновление</translation>
    </message>
    <message>
        <source>Verifying files</source>
        <translation>Проверка файлов</translation>
    </message>
    <message>
        <source>%1 of %2 files</source>
        <translation>Файлы: %1 из %2</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Загрузка</translation>
    </message>
    <message>
        <source>%1 of %2 · %3/s</source>
        <translation>%1 из %2 · %3/с</translation>
    </message>
    <message>
        <source>Finishing</source>
        <translation>Завершение</translation>
    </message>
    <message>
        <source>Less than a minute left</source>
        <translation>Осталось меньше минуты</translation>
    </message>
    <message>
        <source>About a minute left</source>
        <translation>Осталось около минуты</translation>
    </message>
    <message numerus="yes">
        <source>About %1 minutes left</source>
        <translation>
            <numerusform>Осталось около %1 минуты</numerusform>
            <numerusform>Осталось около %1 минут</numerusform>
            <numerusform>Осталось около %1 минут</numerusform>
        </translation>
    </message>
    <message>
        <source>About an hour left</source>
        <translation>Осталось около часа</translation>
    </message>
    <message numerus="yes">
        <source>About %1 hours left</source>
        <translation>
            <numerusform>Осталось около %1 часа</numerusform>
            <numerusform>Осталось около %1 часов</numerusform>
            <numerusform>Осталось около %1 часов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 days left</source>
        <translation>
            <numerusform>Осталось около %1 дня</numerusform>
            <numerusform>Осталось около %1 дней</numerusform>
            <numerusform>Осталось около %1 дней</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Game files</source>
        <translation>Файлы игры</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Расположение</translation>
    </message>
    <message>
        <source>Download limit</source>
        <translation>Ограничение загрузки</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Download limit in MB/s</source>
        <translation>Ограничение загрузки в МБ/с</translation>
    </message>
    <message>
        <source>MB/s</source>
        <translation>МБ/с</translation>
    </message>
    <message>
        <source>Update automatically</source>
        <translation>Обновлять автоматически</translation>
    </message>
    <message>
        <source>Show in Finder</source>
        <translation>Показать в Finder</translation>
    </message>
    <message>
        <source>Verify Files</source>
        <translation>Проверить файлы</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Аккаунт</translation>
    </message>
    <message>
        <source>Signed in as</source>
        <translation>Вы вошли как</translation>
    </message>
    <message>
        <source>Log Out</source>
        <translation>Выйти из аккаунта</translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation>Вход не выполнен</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Launcher</source>
        <translation>Лаунчер</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Канал</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Как в системе</translation>
    </message>
    <message>
        <source>Share game files on this network</source>
        <translation>Раздавать файлы игры в этой сети</translation>
    </message>
    <message>
        <source>Upload limit</source>
        <translation>Ограничение отдачи</translation>
    </message>
    <message>
        <source>Upload limit in MB/s</source>
        <translation>Ограничение отдачи в МБ/с</translation>
    </message>
</context>
<context>
    <name>SignInView</name>
    <message>
        <source>Email</source>
        <translation>Эл. почта</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>Войти</translation>
    </message>
    <message>
        <source>Create an account</source>
        <translation>Создать аккаунт</translation>
    </message>
    <message>
        <source>Forgot password?</source>
        <translation>Забыли пароль?</translation>
    </message>
</context>
<context>
    <name>SleepInhibitor</name>
    <message>
        <source>Updating the game files</source>
        <translation>Обновление файлов игры</translation>
    </message>
</context>
<context>
    <name>Spinner</name>
    <message>
        <source>Loading</source>
        <translation>Загрузка</translation>
    </message>
</context>
<context>
    <name>UnreachableView</name>
    <message>
        <source>Can&apos;t reach the login server</source>
        <translation>Сервер авторизации недоступен</translation>
    </message>
    <message>
        <source>Check your connection and try again.</source>
        <translation>Проверьте подключение и повторите попытку.</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Повторить</translation>
    </message>
</context>
</TS>
