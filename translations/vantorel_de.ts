<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>CodeView</name>
    <message>
        <source>We sent a code to your email.</source>
        <translation>Wir haben dir einen Code per E-Mail geschickt.</translation>
    </message>
    <message>
        <source>Open your authenticator app and enter the code for Vantorel.</source>
        <translation>Öffne deine Authenticator-App und gib den Code für Vantorel ein.</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Send a new code</source>
        <translation>Neuen Code senden</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Game Launcher</source>
        <translation>Spiele-Launcher</translation>
    </message>
    <message>
        <source>Sign in, update the game files and read the news</source>
        <translation>Anmelden, Spieldateien aktualisieren und Neuigkeiten lesen</translation>
    </message>
    <message>
        <source>Vantorel;game;launcher;update;patch;</source>
        <extracomment>Search words, each followed by a semicolon. Keep &quot;Vantorel&quot;.</extracomment>
        <translation>Vantorel;Spiel;Launcher;Update;Aktualisierung;Patch;</translation>
    </message>
</context>
<context>
    <name>DesktopIntegration</name>
    <message>
        <source>Couldn&apos;t finish</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>Update finished</source>
        <translation>Update abgeschlossen</translation>
    </message>
    <message>
        <source>The game is up to date.</source>
        <translation>Das Spiel ist auf dem neuesten Stand.</translation>
    </message>
</context>
<context>
    <name>FileSize</name>
    <message>
        <source>1 byte</source>
        <translation>1 Byte</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Byte</translation>
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
        <translation>Spieloptionen</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Auf dem neuesten Stand</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>Scan and Repair</source>
        <translation>Prüfen und reparieren</translation>
    </message>
    <message>
        <source>Reveal in Finder</source>
        <translation>Im Finder anzeigen</translation>
    </message>
    <message>
        <source>The game doesn&apos;t run on macOS yet. This launcher only updates files.</source>
        <translation>Das Spiel läuft noch nicht unter macOS. Dieser Launcher aktualisiert nur die Dateien.</translation>
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
        <translation>Website</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Einstellungen…</translation>
    </message>
    <message>
        <source>Log Out</source>
        <translation>Abmelden</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>LauncherError</name>
    <message>
        <source>Couldn&apos;t send the email code. Try again in a minute.</source>
        <translation>Der Code konnte nicht per E-Mail gesendet werden. Versuche es in einer Minute erneut.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read your saved sign-in from the Keychain (error %1). Sign in again.</source>
        <translation>Deine gespeicherte Anmeldung konnte nicht aus dem Schlüsselbund gelesen werden (Fehler %1). Melde dich erneut an.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save your sign-in to the Keychain (error %1). Allow access when macOS asks, then sign in again.</source>
        <translation>Deine Anmeldung konnte nicht im Schlüsselbund gespeichert werden (Fehler %1). Erlaube den Zugriff, wenn macOS danach fragt, und melde dich dann erneut an.</translation>
    </message>
    <message>
        <source>Can&apos;t reach the login server. Check your connection and try again.</source>
        <translation>Der Anmeldeserver ist nicht erreichbar. Prüfe deine Verbindung und versuche es erneut.</translation>
    </message>
    <message>
        <source>Can&apos;t reach the patch server. Check your connection and try again.</source>
        <translation>Der Patchserver ist nicht erreichbar. Prüfe deine Verbindung und versuche es erneut.</translation>
    </message>
    <message>
        <source>The patch list has an unsafe file path (%1). Nothing was written. Report this to the Vantorel team.</source>
        <translation>Die Patchliste enthält einen unsicheren Dateipfad (%1). Es wurde nichts geschrieben. Melde das bitte dem Vantorel-Team.</translation>
    </message>
    <message>
        <source>The patch list has a bad download URL for %1. Report this to the Vantorel team.</source>
        <translation>Die Patchliste enthält eine ungültige Download-URL für %1. Melde das bitte dem Vantorel-Team.</translation>
    </message>
    <message>
        <source>%1 failed its checksum after download. Try again.</source>
        <translation>Die Prüfsumme von %1 stimmt nach dem Download nicht. Versuche es erneut.</translation>
    </message>
    <message>
        <source>The download server returned HTTP %1. Try again later.</source>
        <translation>Der Downloadserver hat HTTP %1 zurückgegeben. Versuche es später erneut.</translation>
    </message>
    <message>
        <source>There isn&apos;t enough free space for this update in %1: it needs %2 and %3 is free. Free up some space, then try again.</source>
        <translation>Für dieses Update ist in %1 nicht genug Speicherplatz frei: Benötigt werden %2, frei sind %3. Gib etwas Speicherplatz frei und versuche es dann erneut.</translation>
    </message>
    <message>
        <source>Another update of this game folder is running. Try again when it has finished.</source>
        <translation>Für diesen Spielordner läuft bereits ein anderes Update. Versuche es erneut, wenn es abgeschlossen ist.</translation>
    </message>
    <message>
        <source>The patch list isn&apos;t signed. Nothing was written. Report this to the Vantorel team.</source>
        <translation>Die Patchliste ist nicht signiert. Es wurde nichts geschrieben. Melde das bitte dem Vantorel-Team.</translation>
    </message>
    <message>
        <source>The patch list&apos;s signature isn&apos;t valid. Nothing was written. Report this to the Vantorel team.</source>
        <translation>Die Signatur der Patchliste ist ungültig. Es wurde nichts geschrieben. Melde das bitte dem Vantorel-Team.</translation>
    </message>
    <message>
        <source>The patch list has no version or expiry date. Nothing was written. Report this to the Vantorel team.</source>
        <translation>Die Patchliste hat keine Version oder kein Ablaufdatum. Es wurde nichts geschrieben. Melde das bitte dem Vantorel-Team.</translation>
    </message>
    <message>
        <source>The patch list expired on %1 UTC. Nothing was written. Report this to the Vantorel team.</source>
        <translation>Die Patchliste ist am %1 UTC abgelaufen. Es wurde nichts geschrieben. Melde das bitte dem Vantorel-Team.</translation>
    </message>
    <message>
        <source>The patch list is older (version %1) than one this launcher already used (version %2). Nothing was written. Report this to the Vantorel team.</source>
        <translation>Die Patchliste ist älter (Version %1) als eine, die dieser Launcher bereits verwendet hat (Version %2). Es wurde nichts geschrieben. Melde das bitte dem Vantorel-Team.</translation>
    </message>
    <message>
        <source>The patch list doesn&apos;t name its channel. Nothing was written. Report this to the Vantorel team.</source>
        <translation>Die Patchliste nennt keinen Kanal. Es wurde nichts geschrieben. Melde das bitte dem Vantorel-Team.</translation>
    </message>
    <message>
        <source>The patch list is for the &quot;%1&quot; channel, not &quot;%2&quot;. Nothing was written. Report this to the Vantorel team.</source>
        <translation>Die Patchliste ist für den Kanal „%1“, nicht für „%2“. Es wurde nichts geschrieben. Melde das bitte dem Vantorel-Team.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Ein unerwarteter Fehler ist aufgetreten.</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Abmelden</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Einstellungen…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>Verify Game Files</source>
        <translation>Spieldateien prüfen</translation>
    </message>
    <message>
        <source>Show Game Folder in Finder</source>
        <translation>Spielordner im Finder anzeigen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Wrong email or password.</source>
        <translation>E-Mail oder Passwort falsch.</translation>
    </message>
    <message>
        <source>That code didn&apos;t work. Check it and try again.</source>
        <translation>Dieser Code hat nicht funktioniert. Prüfe ihn und versuche es erneut.</translation>
    </message>
    <message>
        <source>We sent a code to your email.</source>
        <translation>Wir haben dir einen Code per E-Mail geschickt.</translation>
    </message>
    <message>
        <source>Too many attempts. Try again in %1 seconds.</source>
        <translation>Zu viele Versuche. Versuche es in %1 Sekunden erneut.</translation>
    </message>
    <message>
        <source>The home feed isn&apos;t in the correct format (%1).</source>
        <translation>Der Feed der Startseite hat nicht das richtige Format (%1).</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format (%1).</source>
        <translation>Die Daten konnten nicht gelesen werden, weil sie nicht das richtige Format haben (%1).</translation>
    </message>
    <message>
        <source>The manifest couldn&apos;t be read because it isn&apos;t in the correct format (%1).</source>
        <translation>Das Manifest konnte nicht gelesen werden, weil es nicht das richtige Format hat (%1).</translation>
    </message>
    <message>
        <source>The chunk index isn&apos;t usable (%1).</source>
        <translation>Der Blockindex ist nicht verwendbar (%1).</translation>
    </message>
    <message>
        <source>The URL &quot;%1&quot; is not supported.</source>
        <translation>Die URL „%1“ wird nicht unterstützt.</translation>
    </message>
    <message>
        <source>The answer is larger than expected.</source>
        <translation>Die Antwort ist größer als erwartet.</translation>
    </message>
    <message>
        <source>The server took too long to answer.</source>
        <translation>Der Server hat zu lange nicht geantwortet.</translation>
    </message>
    <message>
        <source>The download is larger than expected.</source>
        <translation>Der Download ist größer als erwartet.</translation>
    </message>
    <message>
        <source>The server didn&apos;t send the part of the file that was asked for.</source>
        <translation>Der Server hat den angeforderten Teil der Datei nicht gesendet.</translation>
    </message>
    <message>
        <source>The part of the file that was asked for arrived cut short.</source>
        <translation>Der angeforderte Teil der Datei ist unvollständig angekommen.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read &quot;%1&quot;: %2</source>
        <translation>„%1“ konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t write the download: %1</source>
        <translation>Der Download konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t create a download file in %1: %2</source>
        <translation>In %1 konnte keine Downloaddatei erstellt werden: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t create the folder &quot;%1&quot;.</source>
        <translation>Der Ordner „%1“ konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>SHA-256 is not available.</source>
        <translation>SHA-256 ist nicht verfügbar.</translation>
    </message>
</context>
<context>
    <name>Metainfo</name>
    <message>
        <source>Sign in, keep the game files up to date and read the news</source>
        <translation>Anmelden, Spieldateien aktuell halten und Neuigkeiten lesen</translation>
    </message>
    <message>
        <source>The launcher of the Vantorel online game. Sign in with your e-mail, password and second factor, bring the game&apos;s files up to date from the patch server and read the latest news.</source>
        <translation>Der Launcher des Onlinespiels Vantorel. Melde dich mit E-Mail, Passwort und zweitem Faktor an, bringe die Spieldateien über den Patchserver auf den neuesten Stand und lies die aktuellen Neuigkeiten.</translation>
    </message>
    <message>
        <source>Every file is checked by SHA-256 and replaced in one step, so an update never leaves a broken file</source>
        <translation>Jede Datei wird per SHA-256 geprüft und in einem Schritt ersetzt, sodass ein Update nie eine beschädigte Datei hinterlässt</translation>
    </message>
    <message>
        <source>Cut downloads go on where they stopped, even after a restart</source>
        <translation>Abgebrochene Downloads werden dort fortgesetzt, wo sie aufgehört haben, auch nach einem Neustart</translation>
    </message>
    <message>
        <source>An optional download speed limit that applies to the whole launcher</source>
        <translation>Eine optionale Begrenzung der Downloadgeschwindigkeit, die für den ganzen Launcher gilt</translation>
    </message>
    <message>
        <source>Signed patch lists: a tampered or outdated list is refused before anything is written</source>
        <translation>Signierte Patchlisten: Eine manipulierte oder veraltete Liste wird abgelehnt, bevor etwas geschrieben wird</translation>
    </message>
    <message>
        <source>Signing in</source>
        <translation>Anmeldung</translation>
    </message>
    <message>
        <source>The home screen with the news and the game panel</source>
        <translation>Der Startbildschirm mit den Neuigkeiten und dem Spielbereich</translation>
    </message>
</context>
<context>
    <name>NewsPane</name>
    <message>
        <source>Slide %1 of %2</source>
        <translation>Folie %1 von %2</translation>
    </message>
</context>
<context>
    <name>Notifications</name>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
</context>
<context>
    <name>PanelText</name>
    <message>
        <source>UPDATING</source>
        <translation>WIRD AKTUALISIERT</translation>
    </message>
    <message>
        <source>GAME FILES</source>
        <translation>SPIELDATEIEN</translation>
    </message>
    <message>
        <source>Not installed</source>
        <translation>Nicht installiert</translation>
    </message>
    <message>
        <source>%1 download</source>
        <translation>Download: %1</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installieren</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Update verfügbar</translation>
    </message>
    <message>
        <source>%1 files, %2</source>
        <translation>%1 Dateien, %2</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Couldn&apos;t finish</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Erneut versuchen</translation>
    </message>
    <message>
        <source>Checking for updates</source>
        <translation>Suche nach Updates</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Wird geprüft</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Spielen</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>Wird aktualisiert</translation>
    </message>
    <message>
        <source>Verifying files</source>
        <translation>Dateien werden geprüft</translation>
    </message>
    <message>
        <source>%1 of %2 files</source>
        <translation>%1 von %2 Dateien</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Wird heruntergeladen</translation>
    </message>
    <message>
        <source>%1 of %2 · %3/s</source>
        <translation>%1 von %2 · %3/s</translation>
    </message>
    <message>
        <source>Finishing</source>
        <translation>Wird abgeschlossen</translation>
    </message>
    <message>
        <source>Less than a minute left</source>
        <translation>Noch weniger als eine Minute</translation>
    </message>
    <message>
        <source>About a minute left</source>
        <translation>Noch etwa eine Minute</translation>
    </message>
    <message numerus="yes">
        <source>About %1 minutes left</source>
        <translation>
            <numerusform>Noch etwa %1 Minute</numerusform>
            <numerusform>Noch etwa %1 Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>About an hour left</source>
        <translation>Noch etwa eine Stunde</translation>
    </message>
    <message numerus="yes">
        <source>About %1 hours left</source>
        <translation>
            <numerusform>Noch etwa %1 Stunde</numerusform>
            <numerusform>Noch etwa %1 Stunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 days left</source>
        <translation>
            <numerusform>Noch etwa %1 Tag</numerusform>
            <numerusform>Noch etwa %1 Tage</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Game files</source>
        <translation>Spieldateien</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Speicherort</translation>
    </message>
    <message>
        <source>Download limit</source>
        <translation>Downloadlimit</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Kein Limit</translation>
    </message>
    <message>
        <source>Download limit in MB/s</source>
        <translation>Downloadlimit in MB/s</translation>
    </message>
    <message>
        <source>MB/s</source>
        <translation>MB/s</translation>
    </message>
    <message>
        <source>Update automatically</source>
        <translation>Automatisch aktualisieren</translation>
    </message>
    <message>
        <source>Show in Finder</source>
        <translation>Im Finder anzeigen</translation>
    </message>
    <message>
        <source>Verify Files</source>
        <translation>Dateien prüfen</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Signed in as</source>
        <translation>Angemeldet als</translation>
    </message>
    <message>
        <source>Log Out</source>
        <translation>Abmelden</translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation>Nicht angemeldet</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Launcher</source>
        <translation>Launcher</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>Share game files on this network</source>
        <translation>Spieldateien in diesem Netzwerk teilen</translation>
    </message>
    <message>
        <source>Upload limit</source>
        <translation>Upload-Limit</translation>
    </message>
    <message>
        <source>Upload limit in MB/s</source>
        <translation>Upload-Limit in MB/s</translation>
    </message>
</context>
<context>
    <name>SignInView</name>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>Create an account</source>
        <translation>Konto erstellen</translation>
    </message>
    <message>
        <source>Forgot password?</source>
        <translation>Passwort vergessen?</translation>
    </message>
</context>
<context>
    <name>SleepInhibitor</name>
    <message>
        <source>Updating the game files</source>
        <translation>Spieldateien werden aktualisiert</translation>
    </message>
</context>
<context>
    <name>Spinner</name>
    <message>
        <source>Loading</source>
        <translation>Wird geladen</translation>
    </message>
</context>
<context>
    <name>UnreachableView</name>
    <message>
        <source>Can&apos;t reach the login server</source>
        <translation>Anmeldeserver nicht erreichbar</translation>
    </message>
    <message>
        <source>Check your connection and try again.</source>
        <translation>Prüfe deine Verbindung und versuche es erneut.</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Erneut versuchen</translation>
    </message>
</context>
</TS>
