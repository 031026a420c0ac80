<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en">
<context>
    <name>CodeView</name>
    <message>
        <source>We sent a code to your email.</source>
        <translation>Wysłaliśmy kod e-mailem.</translation>
    </message>
    <message>
        <source>Open your authenticator app and enter the code for Vantorel.</source>
        <translation>Otwórz aplikację uwierzytelniającą i wpisz kod dla Vantorel.</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Kod</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Potwierdź</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Send a new code</source>
        <translation>Wyślij nowy kod</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Game Launcher</source>
        <translation>Launcher gier</translation>
    </message>
    <message>
        <source>Sign in, update the game files and read the news</source>
        <translation>Zaloguj się, zaktualizuj pliki gry i czytaj wiadomości</translation>
    </message>
    <message>
        <source>Vantorel;game;launcher;update;patch;</source>
        <extracomment>Search words, each followed by a semicolon. Keep &quot;Vantorel&quot;.</extracomment>
        <translation>Vantorel;gra;launcher;aktualizacja;łatka;patch;</translation>
    </message>
</context>
<context>
    <name>DesktopIntegration</name>
    <message>
        <source>Couldn&apos;t finish</source>
        <translation>Nie udało się ukończyć</translation>
    </message>
    <message>
        <source>Update finished</source>
        <translation>Aktualizacja zakończona</translation>
    </message>
    <message>
        <source>The game is up to date.</source>
        <translation>Gra jest aktualna.</translation>
    </message>
</context>
<context>
    <name>FileSize</name>
    <message>
        <source>1 byte</source>
        <translation>1 bajt</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 B</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 kB</translation>
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
        <translation>Opcje gry</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Gra jest aktualna</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Sprawdź aktualizacje</translation>
    </message>
    <message>
        <source>Scan and Repair</source>
        <translation>Skanuj i napraw</translation>
    </message>
    <message>
        <source>Reveal in Finder</source>
        <translation>Pokaż w Finderze</translation>
    </message>
    <message>
        <source>The game doesn&apos;t run on macOS yet. This launcher only updates files.</source>
        <translation>Gra nie działa jeszcze na macOS. Ten launcher tylko aktualizuje pliki.</translation>
    </message>
    <message>
        <source>Launcher %1</source>
        <translation>Launcher %1</translation>
    </message>
</context>
<context>
    <name>HomeView</name>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Strona WWW</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Ustawienia…</translation>
    </message>
    <message>
        <source>Log Out</source>
        <translation>Wyloguj się</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
</context>
<context>
    <name>LauncherError</name>
    <message>
        <source>Couldn&apos;t send the email code. Try again in a minute.</source>
        <translation>Nie udało się wysłać kodu e-mailem. Spróbuj ponownie za minutę.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read your saved sign-in from the Keychain (error %1). Sign in again.</source>
        <translation>Nie udało się odczytać zapisanych danych logowania z pęku kluczy (błąd %1). Zaloguj się ponownie.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save your sign-in to the Keychain (error %1). Allow access when macOS asks, then sign in again.</source>
        <translation>Nie udało się zapisać danych logowania w pęku kluczy (błąd %1). Zezwól na dostęp, gdy macOS o to poprosi, i zaloguj się ponownie.</translation>
    </message>
    <message>
        <source>Can&apos;t reach the login server. Check your connection and try again.</source>
        <translation>Nie można połączyć się z serwerem logowania. Sprawdź połączenie i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Can&apos;t reach the patch server. Check your connection and try again.</source>
        <translation>Nie można połączyć się z serwerem łatek. Sprawdź połączenie i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The patch list has an unsafe file path (%1). Nothing was written. Report this to the Vantorel team.</source>
        <translation>Lista łatek zawiera niebezpieczną ścieżkę pliku (%1). Nic nie zostało zapisane. Zgłoś to zespołowi Vantorel.</translation>
    </message>
    <message>
        <source>The patch list has a bad download URL for %1. Report this to the Vantorel team.</source>
        <translation>Lista łatek zawiera błędny adres URL pobierania dla %1. Zgłoś to zespołowi Vantorel.</translation>
    </message>
    <message>
        <source>%1 failed its checksum after download. Try again.</source>
        <translation>Suma kontrolna pliku %1 po pobraniu jest nieprawidłowa. Spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The download server returned HTTP %1. Try again later.</source>
        <translation>Serwer pobierania zwrócił kod HTTP %1. Spróbuj ponownie później.</translation>
    </message>
    <message>
        <source>There isn&apos;t enough free space for this update in %1: it needs %2 and %3 is free. Free up some space, then try again.</source>
        <translation>Za mało wolnego miejsca na tę aktualizację w %1: potrzeba %2, a wolne jest %3. Zwolnij trochę miejsca i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Another update of this game folder is running. Try again when it has finished.</source>
        <translation>Trwa już inna aktualizacja tego folderu gry. Spróbuj ponownie, gdy się zakończy.</translation>
    </message>
    <message>
        <source>The patch list isn&apos;t signed. Nothing was written. Report this to the Vantorel team.</source>
        <translation>Lista łatek nie jest podpisana. Nic nie zostało zapisane. Zgłoś to zespołowi Vantorel.</translation>
    </message>
    <message>
        <source>The patch list&apos;s signature isn&apos;t valid. Nothing was written. Report this to the Vantorel team.</source>
        <translation>Podpis listy łatek jest nieprawidłowy. Nic nie zostało zapisane. Zgłoś to zespołowi Vantorel.</translation>
    </message>
    <message>
        <source>The patch list has no version or expiry date. Nothing was written. Report this to the Vantorel team.</source>
        <translation>Lista łatek nie ma wersji lub daty ważności. Nic nie zostało zapisane. Zgłoś to zespołowi Vantorel.</translation>
    </message>
    <message>
        <source>The patch list expired on %1 UTC. Nothing was written. Report this to the Vantorel team.</source>
        <translation>Lista łatek wygasła %1 UTC. Nic nie zostało zapisane. Zgłoś to zespołowi Vantorel.</translation>
    </message>
    <message>
        <source>The patch list is older (version %1) than one this launcher already used (version %2). Nothing was written. Report this to the Vantorel team.</source>
        <translation>Lista łatek (wersja %1) jest starsza od listy, której ten launcher już użył (wersja %2). Nic nie zostało zapisane. Zgłoś to zespołowi Vantorel.</translation>
    </message>
    <message>
        <source>The patch list doesn&apos;t name its channel. Nothing was written. Report this to the Vantorel team.</source>
        <translation>Lista łatek nie podaje swojego kanału. Nic nie zostało zapisane. Zgłoś to zespołowi Vantorel.</translation>
    </message>
    <message>
        <source>The patch list is for the &quot;%1&quot; channel, not &quot;%2&quot;. Nothing was written. Report this to the Vantorel team.</source>
        <translation>Lista łatek jest dla kanału „%1”, a nie „%2”. Nic nie zostało zapisane. Zgłoś to zespołowi Vantorel.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Wystąpił nieoczekiwany błąd.</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Wyloguj się</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Ustawienia…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gra</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Sprawdź aktualizacje</translation>
    </message>
    <message>
        <source>Verify Game Files</source>
        <translation>Sprawdź pliki gry</translation>
    </message>
    <message>
        <source>Show Game Folder in Finder</source>
        <translation>Pokaż folder gry w Finderze</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Wrong email or password.</source>
        <translation>Nieprawidłowy e-mail lub hasło.</translation>
    </message>
    <message>
        <source>That code didn&apos;t work. Check it and try again.</source>
        <translation>Ten kod nie zadziałał. Sprawdź go i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>We sent a code to your email.</source>
        <translation>Wysłaliśmy kod e-mailem.</translation>
    </message>
    <message>
        <source>Too many attempts. Try again in %1 seconds.</source>
        <translation>Zbyt wiele prób. Spróbuj ponownie za %1 s.</translation>
    </message>
    <message>
        <source>The home feed isn&apos;t in the correct format (%1).</source>
        <translation>Kanał strony głównej ma nieprawidłowy format (%1).</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format (%1).</source>
        <translation>Nie udało się odczytać danych, ponieważ mają nieprawidłowy format (%1).</translation>
    </message>
    <message>
        <source>The manifest couldn&apos;t be read because it isn&apos;t in the correct format (%1).</source>
        <translation>Nie udało się odczytać manifestu, ponieważ ma nieprawidłowy format (%1).</translation>
    </message>
    <message>
        <source>The chunk index isn&apos;t usable (%1).</source>
        <translation>Indeks fragmentów nie nadaje się do użycia (%1).</translation>
    </message>
    <message>
        <source>The URL &quot;%1&quot; is not supported.</source>
        <translation>Adres URL „%1” nie jest obsługiwany.</translation>
    </message>
    <message>
        <source>The answer is larger than expected.</source>
        <translation>Odpowiedź jest większa, niż oczekiwano.</translation>
    </message>
    <message>
        <source>The server took too long to answer.</source>
        <translation>Serwer zbyt długo nie odpowiadał.</translation>
    </message>
    <message>
        <source>The download is larger than expected.</source>
        <translation>Pobierane dane są większe, niż oczekiwano.</translation>
    </message>
    <message>
        <source>The server didn&apos;t send the part of the file that was asked for.</source>
        <translation>Serwer nie wysłał żądanej części pliku.</translation>
    </message>
    <message>
        <source>The part of the file that was asked for arrived cut short.</source>
        <translation>Żądana część pliku dotarła niekompletna.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read &quot;%1&quot;: %2</source>
        <translation>Nie udało się odczytać „%1”: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t write the download: %1</source>
        <translation>Nie udało się zapisać pobranych danych: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t create a download file in %1: %2</source>
        <translation>Nie udało się utworzyć pliku pobierania w %1: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t create the folder &quot;%1&quot;.</source>
        <translation>Nie udało się utworzyć folderu „%1”.</translation>
    </message>
    <message>
        <source>SHA-256 is not available.</source>
        <translation>Algorytm SHA-256 jest niedostępny.</translation>
    </message>
</context>
<context>
    <name>Metainfo</name>
    <message>
        <source>Sign in, keep the game files up to date and read the news</source>
        <translation>Zaloguj się, aktualizuj pliki gry i czytaj wiadomości</translation>
    </message>
    <message>
        <source>The launcher of the Vantorel online game. Sign in with your e-mail, password and second factor, bring the game&apos;s files up to date from the patch server and read the latest news.</source>
        <translation>Launcher gry online Vantorel. Zaloguj się adresem e-mail, hasłem i drugim składnikiem, zaktualizuj pliki gry z serwera łatek i czytaj najnowsze wiadomości.</translation>
    </message>
    <message>
        <source>Every file is checked by SHA-256 and replaced in one step, so an update never leaves a broken file</source>
        <translation>Każdy plik jest sprawdzany przez SHA-256 i podmieniany w jednym kroku, więc aktualizacja nigdy nie zostawia uszkodzonego pliku</translation>
    </message>
    <message>
        <source>Cut downloads go on where they stopped, even after a restart</source>
        <translation>Przerwane pobieranie jest wznawiane od miejsca przerwania, nawet po ponownym uruchomieniu</translation>
    </message>
    <message>
        <source>An optional download speed limit that applies to the whole launcher</source>
        <translation>Opcjonalny limit prędkości pobierania dla całego launchera</translation>
    </message>
    <message>
        <source>Signed patch lists: a tampered or outdated list is refused before anything is written</source>
        <translation>Podpisane listy łatek: zmieniona lub nieaktualna lista jest odrzucana, zanim cokolwiek zostanie zapisane</translation>
    </message>
    <message>
        <source>Signing in</source>
        <translation>Logowanie</translation>
    </message>
    <message>
        <source>The home screen with the news and the game panel</source>
        <translation>Ekran główny z wiadomościami i panelem gry</translation>
    </message>
</context>
<context>
    <name>NewsPane</name>
    <message>
        <source>Slide %1 of %2</source>
        <translation>Slajd %1 z %2</translation>
    </message>
</context>
<context>
    <name>Notifications</name>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
</context>
<context>
    <name>PanelText</name>
    <message>
        <source>UPDATING</source>
        <translation>AKTUALIZACJA</translation>
    </message>
    <message>
        <source>GAME FILES</source>
        <translation>PLIKI GRY</translation>
    </message>
    <message>
        <source>Not installed</source>
        <translation>Nie zainstalowano</translation>
    </message>
    <message>
        <source>%1 download</source>
        <translation>Do pobrania: %1</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Zainstaluj</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Dostępna aktualizacja</translation>
    </message>
    <message>
        <source>%1 files, %2</source>
        <translation>Pliki: %1, %2</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualizuj</translation>
    </message>
    <message>
        <source>Couldn&apos;t finish</source>
        <translation>Nie udało się ukończyć</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Spróbuj ponownie</translation>
    </message>
    <message>
        <source>Checking for updates</source>
        <translation>Sprawdzanie aktualizacji</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Sprawdzanie</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Graj</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>Aktualizowanie</translation>
    </message>
    <message>
        <source>Verifying files</source>
        <translation>Sprawdzanie plików</translation>
    </message>
    <message>
        <source>%1 of %2 files</source>
        <translation>Pliki: %1 z %2</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Pobieranie</translation>
    </message>
    <message>
        <source>%1 of %2 · %3/s</source>
        <translation>%1 z %2 · %3/s</translation>
    </message>
    <message>
        <source>Finishing</source>
        <translation>Kończenie</translation>
    </message>
    <message>
        <source>Less than a minute left</source>
        <translation>Pozostało: mniej niż minuta</translation>
    </message>
    <message>
        <source>About a minute left</source>
        <translation>Pozostało: około minuty</translation>
    </message>
    <message numerus="yes">
        <source>About %1 minutes left</source>
        <translation>
            <numerusform>Pozostało: około %1 minuty</numerusform>
            <numerusform>Pozostało: około %1 minut</numerusform>
            <numerusform>Pozostało: około %1 minut</numerusform>
        </translation>
    </message>
    <message>
        <source>About an hour left</source>
        <translation>Pozostało: około godziny</translation>
    </message>
    <message numerus="yes">
        <source>About %1 hours left</source>
        <translation>
            <numerusform>Pozostało: około %1 godziny</numerusform>
            <numerusform>Pozostało: około %1 godzin</numerusform>
            <numerusform>Pozostało: około %1 godzin</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 days left</source>
        <translation>
            <numerusform>Pozostało: około %1 dnia</numerusform>
            <numerusform>Pozostało: około %1 dni</numerusform>
            <numerusform>Pozostało: około %1 dni</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Game files</source>
        <translation>Pliki gry</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lokalizacja</translation>
    </message>
    <message>
        <source>Download limit</source>
        <translation>Limit pobierania</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Bez limitu</translation>
    </message>
    <message>
        <source>Download limit in MB/s</source>
        <translation>Limit pobierania w MB/s</translation>
    </message>
    <message>
        <source>MB/s</source>
        <translation>MB/s</translation>
    </message>
    <message>
        <source>Update automatically</source>
        <translation>Aktualizuj automatycznie</translation>
    </message>
    <message>
        <source>Show in Finder</source>
        <translation>Pokaż w Finderze</translation>
    </message>
    <message>
        <source>Verify Files</source>
        <translation>Sprawdź pliki</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Signed in as</source>
        <translation>Zalogowano jako</translation>
    </message>
    <message>
        <source>Log Out</source>
        <translation>Wyloguj się</translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation>Nie zalogowano</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Launcher</source>
        <translation>Launcher</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanał</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Jak w systemie</translation>
    </message>
    <message>
        <source>Share game files on this network</source>
        <translation>Udostępniaj pliki gry w tej sieci</translation>
    </message>
    <message>
        <source>Upload limit</source>
        <translation>Limit wysyłania</translation>
    </message>
    <message>
        <source>Upload limit in MB/s</source>
        <translation>Limit wysyłania w MB/s</translation>
    </message>
</context>
<context>
    <name>SignInView</name>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>Zaloguj się</translation>
    </message>
    <message>
        <source>Create an account</source>
        <translation>Utwórz konto</translation>
    </message>
    <message>
        <source>Forgot password?</source>
        <translation>Nie pamiętasz hasła?</translation>
    </message>
</context>
<context>
    <name>SleepInhibitor</name>
    <message>
        <source>Updating the game files</source>
        <translation>Aktualizowanie plików gry</translation>
    </message>
</context>
<context>
    <name>Spinner</name>
    <message>
        <source>Loading</source>
        <translation>Wczytywanie</translation>
    </message>
</context>
<context>
    <name>UnreachableView</name>
    <message>
        <source>Can&apos;t reach the login server</source>
        <translation>Nie można połączyć się z serwerem logowania</translation>
    </message>
    <message>
        <source>Check your connection and try again.</source>
        <translation>Sprawdź połączenie i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Spróbuj ponownie</translation>
    </message>
</context>
</TS>
