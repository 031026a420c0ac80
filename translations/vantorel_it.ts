<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>CodeView</name>
    <message>
        <source>We sent a code to your email.</source>
        <translation>Ti abbiamo inviato un codice via email.</translation>
    </message>
    <message>
        <source>Open your authenticator app and enter the code for Vantorel.</source>
        <translation>Apri l&apos;app di autenticazione e inserisci il codice per Vantorel.</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Codice</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Verifica</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Send a new code</source>
        <translation>Invia un nuovo codice</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Game Launcher</source>
        <translation>Launcher di gioco</translation>
    </message>
    <message>
        <source>Sign in, update the game files and read the news</source>
        <translation>Accedi, aggiorna i file di gioco e leggi le notizie</translation>
    </message>
    <message>
        <source>Vantorel;game;launcher;update;patch;</source>
        <extracomment>Search words, each followed by a semicolon. Keep &quot;Vantorel&quot;.</extracomment>
        <translation>Vantorel;gioco;launcher;aggiornamento;patch;</translation>
    </message>
</context>
<context>
    <name>DesktopIntegration</name>
    <message>
        <source>Couldn&apos;t finish</source>
        <translation>Impossibile completare</translation>
    </message>
    <message>
        <source>Update finished</source>
        <translation>Aggiornamento completato</translation>
    </message>
    <message>
        <source>The game is up to date.</source>
        <translation>Il gioco è aggiornato.</translation>
    </message>
</context>
<context>
    <name>FileSize</name>
    <message>
        <source>1 byte</source>
        <translation>1 byte</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 byte</translation>
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
        <translation>Opzioni di gioco</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Aggiornato</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Cerca aggiornamenti</translation>
    </message>
    <message>
        <source>Scan and Repair</source>
        <translation>Analizza e ripara</translation>
    </message>
    <message>
        <source>Reveal in Finder</source>
        <translation>Mostra nel Finder</translation>
    </message>
    <message>
        <source>The game doesn&apos;t run on macOS yet. This launcher only updates files.</source>
        <translation>Il gioco non funziona ancora su macOS. Questo launcher aggiorna solo i file.</translation>
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
        <translation>Account</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Sito web</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Supporto</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Impostazioni…</translation>
    </message>
    <message>
        <source>Log Out</source>
        <translation>Disconnetti</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
</context>
<context>
    <name>LauncherError</name>
    <message>
        <source>Couldn&apos;t send the email code. Try again in a minute.</source>
        <translation>Impossibile inviare il codice via email. Riprova tra un minuto.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read your saved sign-in from the Keychain (error %1). Sign in again.</source>
        <translation>Impossibile leggere l&apos;accesso salvato dal Portachiavi (errore %1). Accedi di nuovo.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save your sign-in to the Keychain (error %1). Allow access when macOS asks, then sign in again.</source>
        <translation>Impossibile salvare l&apos;accesso nel Portachiavi (errore %1). Consenti l&apos;accesso quando macOS lo chiede, poi accedi di nuovo.</translation>
    </message>
    <message>
        <source>Can&apos;t reach the login server. Check your connection and try again.</source>
        <translation>Impossibile raggiungere il server di accesso. Controlla la connessione e riprova.</translation>
    </message>
    <message>
        <source>Can&apos;t reach the patch server. Check your connection and try again.</source>
        <translation>Impossibile raggiungere il server delle patch. Controlla la connessione e riprova.</translation>
    </message>
    <message>
        <source>The patch list has an unsafe file path (%1). Nothing was written. Report this to the Vantorel team.</source>
        <translation>L&apos;elenco delle patch contiene un percorso di file non sicuro (%1). Non è stato scritto nulla. Segnalalo al team di Vantorel.</translation>
    </message>
    <message>
        <source>The patch list has a bad download URL for %1. Report this to the Vantorel team.</source>
        <translation>L&apos;elenco delle patch contiene un URL di download non valido per %1. Segnalalo al team di Vantorel.</translation>
    </message>
    <message>
        <source>%1 failed its checksum after download. Try again.</source>
        <translation>Il checksum di %1 non corrisponde dopo il download. Riprova.</translation>
    </message>
    <message>
        <source>The download server returned HTTP %1. Try again later.</source>
        <translation>Il server di download ha restituito HTTP %1. Riprova più tardi.</translation>
    </message>
    <message>
        <source>There isn&apos;t enough free space for this update in %1: it needs %2 and %3 is free. Free up some space, then try again.</source>
        <translation>Non c&apos;è abbastanza spazio libero in %1 per questo aggiornamento: servono %2 e ne sono liberi %3. Libera un po&apos; di spazio, poi riprova.</translation>
    </message>
    <message>
        <source>Another update of this game folder is running. Try again when it has finished.</source>
        <translation>È già in corso un altro aggiornamento di questa cartella di gioco. Riprova quando sarà terminato.</translation>
    </message>
    <message>
        <source>The patch list isn&apos;t signed. Nothing was written. Report this to the Vantorel team.</source>
        <translation>L&apos;elenco delle patch non è firmato. Non è stato scritto nulla. Segnalalo al team di Vantorel.</translation>
    </message>
    <message>
        <source>The patch list&apos;s signature isn&apos;t valid. Nothing was written. Report this to the Vantorel team.</source>
        <translation>La firma dell&apos;elenco delle patch non è valida. Non è stato scritto nulla. Segnalalo al team di Vantorel.</translation>
    </message>
    <message>
        <source>The patch list has no version or expiry date. Nothing was written. Report this to the Vantorel team.</source>
        <translation>L&apos;elenco delle patch non ha una versione o una data di scadenza. Non è stato scritto nulla. Segnalalo al team di Vantorel.</translation>
    </message>
    <message>
        <source>The patch list expired on %1 UTC. Nothing was written. Report this to the Vantorel team.</source>
        <translation>L&apos;elenco delle patch è scaduto il %1 UTC. Non è stato scritto nulla. Segnalalo al team di Vantorel.</translation>
    </message>
    <message>
        <source>The patch list is older (version %1) than one this launcher already used (version %2). Nothing was written. Report this to the Vantorel team.</source>
        <translation>L&apos;elenco delle patch è più vecchio (versione %1) di uno già usato da questo launcher (versione %2). Non è stato scritto nulla. Segnalalo al team di Vantorel.</translation>
    </message>
    <message>
        <source>The patch list doesn&apos;t name its channel. Nothing was written. Report this to the Vantorel team.</source>
        <translation>L&apos;elenco delle patch non indica il suo canale. Non è stato scritto nulla. Segnalalo al team di Vantorel.</translation>
    </message>
    <message>
        <source>The patch list is for the &quot;%1&quot; channel, not &quot;%2&quot;. Nothing was written. Report this to the Vantorel team.</source>
        <translation>L&apos;elenco delle patch è per il canale «%1», non «%2». Non è stato scritto nulla. Segnalalo al team di Vantorel.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Si è verificato un errore imprevisto.</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Disconnetti</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Impostazioni…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gioco</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Cerca aggiornamenti</translation>
    </message>
    <message>
        <source>Verify Game Files</source>
        <translation>Verifica file di gioco</translation>
    </message>
    <message>
        <source>Show Game Folder in Finder</source>
        <translation>Mostra cartella di gioco nel Finder</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Wrong email or password.</source>
        <translation>Email o password errate.</translation>
    </message>
    <message>
        <source>That code didn&apos;t work. Check it and try again.</source>
        <translation>Questo codice non ha funzionato. Controllalo e riprova.</translation>
    </message>
    <message>
        <source>We sent a code to your email.</source>
        <translation>Ti abbiamo inviato un codice via email.</translation>
    </message>
    <message>
        <source>Too many attempts. Try again in %1 seconds.</source>
        <translation>Troppi tentativi. Riprova tra %1 secondi.</translation>
    </message>
    <message>
        <source>The home feed isn&apos;t in the correct format (%1).</source>
        <translation>Le notizie della schermata iniziale non sono nel formato corretto (%1).</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format (%1).</source>
        <translation>Impossibile leggere i dati perché non sono nel formato corretto (%1).</translation>
    </message>
    <message>
        <source>The manifest couldn&apos;t be read because it isn&apos;t in the correct format (%1).</source>
        <translation>Impossibile leggere il manifest perché non è nel formato corretto (%1).</translation>
    </message>
    <message>
        <source>The chunk index isn&apos;t usable (%1).</source>
        <translation>L&apos;indice dei blocchi non è utilizzabile (%1).</translation>
    </message>
    <message>
        <source>The URL &quot;%1&quot; is not supported.</source>
        <translation>L&apos;URL «%1» non è supportato.</translation>
    </message>
    <message>
        <source>The answer is larger than expected.</source>
        <translation>La risposta è più grande del previsto.</translation>
    </message>
    <message>
        <source>The server took too long to answer.</source>
        <translation>Il server ha impiegato troppo tempo a rispondere.</translation>
    </message>
    <message>
        <source>The download is larger than expected.</source>
        <translation>Il download è più grande del previsto.</translation>
    </message>
    <message>
        <source>The server didn&apos;t send the part of the file that was asked for.</source>
        <translation>Il server non ha inviato la parte del file richiesta.</translation>
    </message>
    <message>
        <source>The part of the file that was asked for arrived cut short.</source>
        <translation>La parte del file richiesta è arrivata incompleta.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read &quot;%1&quot;: %2</source>
        <translation>Impossibile leggere «%1»: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t write the download: %1</source>
        <translation>Impossibile scrivere il download: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t create a download file in %1: %2</source>
        <translation>Impossibile creare un file di download in %1: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t create the folder &quot;%1&quot;.</source>
        <translation>Impossibile creare la cartella «%1».</translation>
    </message>
    <message>
        <source>SHA-256 is not available.</source>
        <translation>SHA-256 non è disponibile.</translation>
    </message>
</context>
<context>
    <name>Metainfo</name>
    <message>
        <source>Sign in, keep the game files up to date and read the news</source>
        <translation>Accedi, tieni aggiornati i file di gioco e leggi le notizie</translation>
    </message>
    <message>
        <source>The launcher of the Vantorel online game. Sign in with your e-mail, password and second factor, bring the game&apos;s files up to date from the patch server and read the latest news.</source>
        <translation>Il launcher del gioco online Vantorel. Accedi con email, password e secondo fattore, aggiorna i file di gioco dal server delle patch e leggi le ultime notizie.</translation>
    </message>
    <message>
        <source>Every file is checked by SHA-256 and replaced in one step, so an update never leaves a broken file</source>
        <translation>Ogni file viene controllato con SHA-256 e sostituito in un solo passaggio, così un aggiornamento non lascia mai un file danneggiato</translation>
    </message>
    <message>
        <source>Cut downloads go on where they stopped, even after a restart</source>
        <translation>I download interrotti riprendono da dove si erano fermati, anche dopo un riavvio</translation>
    </message>
    <message>
        <source>An optional download speed limit that applies to the whole launcher</source>
        <translation>Un limite facoltativo alla velocità di download, valido per tutto il launcher</translation>
    </message>
    <message>
        <source>Signed patch lists: a tampered or outdated list is refused before anything is written</source>
        <translation>Elenchi delle patch firmati: un elenco manomesso o obsoleto viene rifiutato prima di scrivere qualsiasi cosa</translation>
    </message>
    <message>
        <source>Signing in</source>
        <translation>Accesso</translation>
    </message>
    <message>
        <source>The home screen with the news and the game panel</source>
        <translation>La schermata iniziale con le notizie e il pannello del gioco</translation>
    </message>
</context>
<context>
    <name>NewsPane</name>
    <message>
        <source>Slide %1 of %2</source>
        <translation>Diapositiva %1 di %2</translation>
    </message>
</context>
<context>
    <name>Notifications</name>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
</context>
<context>
    <name>PanelText</name>
    <message>
        <source>UPDATING</source>
        <translation>AGGIORNAMENTO</translation>
    </message>
    <message>
        <source>GAME FILES</source>
        <translation>FILE DI GIOCO</translation>
    </message>
    <message>
        <source>Not installed</source>
        <translation>Non installato</translation>
    </message>
    <message>
        <source>%1 download</source>
        <translation>%1 da scaricare</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installa</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Aggiornamento disponibile</translation>
    </message>
    <message>
        <source>%1 files, %2</source>
        <translation>%1 file, %2</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Couldn&apos;t finish</source>
        <translation>Impossibile completare</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>Checking for updates</source>
        <translation>Ricerca aggiornamenti</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Controllo…</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Gioca</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>Aggiornamento…</translation>
    </message>
    <message>
        <source>Verifying files</source>
        <translation>Verifica dei file</translation>
    </message>
    <message>
        <source>%1 of %2 files</source>
        <translation>%1 di %2 file</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Download in corso</translation>
    </message>
    <message>
        <source>%1 of %2 · %3/s</source>
        <translation>%1 di %2 · %3/s</translation>
    </message>
    <message>
        <source>Finishing</source>
        <translation>Completamento</translation>
    </message>
    <message>
        <source>Less than a minute left</source>
        <translation>Manca meno di un minuto</translation>
    </message>
    <message>
        <source>About a minute left</source>
        <translation>Manca circa un minuto</translation>
    </message>
    <message numerus="yes">
        <source>About %1 minutes left</source>
        <translation>
            <numerusform>Manca circa %1 minuto</numerusform>
            <numerusform>Mancano circa %1 minuti</numerusform>
        </translation>
    </message>
    <message>
        <source>About an hour left</source>
        <translation>Manca circa un’ora</translation>
    </message>
    <message numerus="yes">
        <source>About %1 hours left</source>
        <translation>
            <numerusform>Manca circa %1 ora</numerusform>
            <numerusform>Mancano circa %1 ore</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 days left</source>
        <translation>
            <numerusform>Manca circa %1 giorno</numerusform>
            <numerusform>Mancano circa %1 giorni</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Game files</source>
        <translation>File di gioco</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Download limit</source>
        <translation>Limite di download</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Illimitato</translation>
    </message>
    <message>
        <source>Download limit in MB/s</source>
        <translation>Limite di download in MB/s</translation>
    </message>
    <message>
        <source>MB/s</source>
        <translation>MB/s</translation>
    </message>
    <message>
        <source>Update automatically</source>
        <translation>Aggiorna automaticamente</translation>
    </message>
    <message>
        <source>Show in Finder</source>
        <translation>Mostra nel Finder</translation>
    </message>
    <message>
        <source>Verify Files</source>
        <translation>Verifica file</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>Signed in as</source>
        <translation>Accesso eseguito come</translation>
    </message>
    <message>
        <source>Log Out</source>
        <translation>Disconnetti</translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation>Accesso non eseguito</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Launcher</source>
        <translation>Launcher</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canale</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Lingua di sistema</translation>
    </message>
    <message>
        <source>Share game files on this network</source>
        <translation>Condividi i file del gioco su questa rete</translation>
    </message>
    <message>
        <source>Upload limit</source>
        <translation>Limite di upload</translation>
    </message>
    <message>
        <source>Upload limit in MB/s</source>
        <translation>Limite di upload in MB/s</translation>
    </message>
</context>
<context>
    <name>SignInView</name>
    <message>
        <source>Email</source>
        <translation>Email</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>Accedi</translation>
    </message>
    <message>
        <source>Create an account</source>
        <translation>Crea un account</translation>
    </message>
    <message>
        <source>Forgot password?</source>
        <translation>Password dimenticata?</translation>
    </message>
</context>
<context>
    <name>SleepInhibitor</name>
    <message>
        <source>Updating the game files</source>
        <translation>Aggiornamento dei file di gioco</translation>
    </message>
</context>
<context>
    <name>Spinner</name>
    <message>
        <source>Loading</source>
        <translation>Caricamento</translation>
    </message>
</context>
<context>
    <name>UnreachableView</name>
    <message>
        <source>Can&apos;t reach the login server</source>
        <translation>Impossibile raggiungere il server di accesso</translation>
    </message>
    <message>
        <source>Check your connection and try again.</source>
        <translation>Controlla la connessione e riprova.</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Riprova</translation>
    </message>
</context>
</TS>
