<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>CodeView</name>
    <message>
        <source>We sent a code to your email.</source>
        <translation>Nous vous avons envoyé un code par e-mail.</translation>
    </message>
    <message>
        <source>Open your authenticator app and enter the code for Vantorel.</source>
        <translation>Ouvrez votre application d’authentification et saisissez le code pour Vantorel.</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Send a new code</source>
        <translation>Envoyer un nouveau code</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Game Launcher</source>
        <translation>Lanceur de jeu</translation>
    </message>
    <message>
        <source>Sign in, update the game files and read the news</source>
        <translation>Connectez-vous, mettez à jour les fichiers du jeu et lisez les actualités</translation>
    </message>
    <message>
        <source>Vantorel;game;launcher;update;patch;</source>
        <extracomment>Search words, each followed by a semicolon. Keep &quot;Vantorel&quot;.</extracomment>
        <translation>Vantorel;jeu;lanceur;launcher;mise à jour;patch;</translation>
    </message>
</context>
<context>
    <name>DesktopIntegration</name>
    <message>
        <source>Couldn&apos;t finish</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>Update finished</source>
        <translation>Mise à jour terminée</translation>
    </message>
    <message>
        <source>The game is up to date.</source>
        <translation>Le jeu est à jour.</translation>
    </message>
</context>
<context>
    <name>FileSize</name>
    <message>
        <source>1 byte</source>
        <translation>1 octet</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 Ko</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 Go</translation>
    </message>
    <message>
        <source>%1 TB</source>
        <translation>%1 To</translation>
    </message>
</context>
<context>
    <name>GamePanel</name>
    <message>
        <source>Game options</source>
        <translation>Options du jeu</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>À jour</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>Scan and Repair</source>
        <translation>Analyser et réparer</translation>
    </message>
    <message>
        <source>Reveal in Finder</source>
        <translation>Afficher dans le Finder</translation>
    </message>
    <message>
        <source>The game doesn&apos;t run on macOS yet. This launcher only updates files.</source>
        <translation>Le jeu ne fonctionne pas encore sur macOS. Ce lanceur ne fait que mettre à jour les fichiers.</translation>
    </message>
    <message>
        <source>Launcher %1</source>
        <translation>Lanceur %1</translation>
    </message>
</context>
<context>
    <name>HomeView</name>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Site web</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Assistance</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Paramètres…</translation>
    </message>
    <message>
        <source>Log Out</source>
        <translation>Se déconnecter</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>LauncherError</name>
    <message>
        <source>Couldn&apos;t send the email code. Try again in a minute.</source>
        <translation>Impossible d’envoyer le code par e-mail. Réessayez dans une minute.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read your saved sign-in from the Keychain (error %1). Sign in again.</source>
        <translation>Impossible de lire votre connexion enregistrée dans le trousseau (erreur %1). Reconnectez-vous.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save your sign-in to the Keychain (error %1). Allow access when macOS asks, then sign in again.</source>
        <translation>Impossible d’enregistrer votre connexion dans le trousseau (erreur %1). Autorisez l’accès quand macOS le demande, puis reconnectez-vous.</translation>
    </message>
    <message>
        <source>Can&apos;t reach the login server. Check your connection and try again.</source>
        <translation>Impossible de joindre le serveur de connexion. Vérifiez votre connexion et réessayez.</translation>
    </message>
    <message>
        <source>Can&apos;t reach the patch server. Check your connection and try again.</source>
        <translation>Impossible de joindre le serveur de patchs. Vérifiez votre connexion et réessayez.</translation>
    </message>
    <message>
        <source>The patch list has an unsafe file path (%1). Nothing was written. Report this to the Vantorel team.</source>
        <translation>La liste de patchs contient un chemin de fichier dangereux (%1). Rien n’a été écrit. Signalez-le à l’équipe Vantorel.</translation>
    </message>
    <message>
        <source>The patch list has a bad download URL for %1. Report this to the Vantorel team.</source>
        <translation>La liste de patchs contient une URL de téléchargement incorrecte pour %1. Signalez-le à l’équipe Vantorel.</translation>
    </message>
    <message>
        <source>%1 failed its checksum after download. Try again.</source>
        <translation>La somme de contrôle de %1 ne correspond pas après le téléchargement. Réessayez.</translation>
    </message>
    <message>
        <source>The download server returned HTTP %1. Try again later.</source>
        <translation>Le serveur de téléchargement a renvoyé l’erreur HTTP %1. Réessayez plus tard.</translation>
    </message>
    <message>
        <source>There isn&apos;t enough free space for this update in %1: it needs %2 and %3 is free. Free up some space, then try again.</source>
        <translation>Il n’y a pas assez d’espace libre dans %1 pour cette mise à jour&#xa0;: il faut %2 et %3 sont libres. Libérez de l’espace, puis réessayez.</translation>
    </message>
    <message>
        <source>Another update of this game folder is running. Try again when it has finished.</source>
        <translation>Une autre mise à jour de ce dossier de jeu est en cours. Réessayez quand elle sera terminée.</translation>
    </message>
    <message>
        <source>The patch list isn&apos;t signed. Nothing was written. Report this to the Vantorel team.</source>
        <translation>La liste de patchs n’est pas signée. Rien n’a été écrit. Signalez-le à l’équipe Vantorel.</translation>
    </message>
    <message>
        <source>The patch list&apos;s signature isn&apos;t valid. Nothing was written. Report this to the Vantorel team.</source>
        <translation>La signature de la liste de patchs n’est pas valide. Rien n’a été écrit. Signalez-le à l’équipe Vantorel.</translation>
    </message>
    <message>
        <source>The patch list has no version or expiry date. Nothing was written. Report this to the Vantorel team.</source>
        <translation>La liste de patchs n’a pas de version ou de date d’expiration. Rien n’a été écrit. Signalez-le à l’équipe Vantorel.</translation>
    </message>
    <message>
        <source>The patch list expired on %1 UTC. Nothing was written. Report this to the Vantorel team.</source>
        <translation>La liste de patchs a expiré le %1 UTC. Rien n’a été écrit. Signalez-le à l’équipe Vantorel.</translation>
    </message>
    <message>
        <source>The patch list is older (version %1) than one this launcher already used (version %2). Nothing was written. Report this to the Vantorel team.</source>
        <translation>La liste de patchs est plus ancienne (version %1) qu’une liste déjà utilisée par ce lanceur (version %2). Rien n’a été écrit. Signalez-le à l’équipe Vantorel.</translation>
    </message>
    <message>
        <source>The patch list doesn&apos;t name its channel. Nothing was written. Report this to the Vantorel team.</source>
        <translation>La liste de patchs n’indique pas son canal. Rien n’a été écrit. Signalez-le à l’équipe Vantorel.</translation>
    </message>
    <message>
        <source>The patch list is for the &quot;%1&quot; channel, not &quot;%2&quot;. Nothing was written. Report this to the Vantorel team.</source>
        <translation>La liste de patchs est destinée au canal «&#xa0;%1&#xa0;» et non «&#xa0;%2&#xa0;». Rien n’a été écrit. Signalez-le à l’équipe Vantorel.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Une erreur inattendue s’est produite.</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Se déconnecter</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Paramètres…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>Verify Game Files</source>
        <translation>Vérifier les fichiers du jeu</translation>
    </message>
    <message>
        <source>Show Game Folder in Finder</source>
        <translation>Afficher le dossier du jeu dans le Finder</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Wrong email or password.</source>
        <translation>E-mail ou mot de passe incorrect.</translation>
    </message>
    <message>
        <source>That code didn&apos;t work. Check it and try again.</source>
        <translation>Ce code n’a pas fonctionné. Vérifiez-le et réessayez.</translation>
    </message>
    <message>
        <source>We sent a code to your email.</source>
        <translation>Nous vous avons envoyé un code par e-mail.</translation>
    </message>
    <message>
        <source>Too many attempts. Try again in %1 seconds.</source>
        <translation>Trop de tentatives. Réessayez dans %1 secondes.</translation>
    </message>
    <message>
        <source>The home feed isn&apos;t in the correct format (%1).</source>
        <translation>Le flux de l’accueil n’est pas au bon format (%1).</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format (%1).</source>
        <translation>Les données n’ont pas pu être lues, car elles ne sont pas au bon format (%1).</translation>
    </message>
    <message>
        <source>The manifest couldn&apos;t be read because it isn&apos;t in the correct format (%1).</source>
        <translation>Le manifeste n’a pas pu être lu, car il n’est pas au bon format (%1).</translation>
    </message>
    <message>
        <source>The chunk index isn&apos;t usable (%1).</source>
        <translation>L’index des blocs est inutilisable (%1).</translation>
    </message>
    <message>
        <source>The URL &quot;%1&quot; is not supported.</source>
        <translation>L’URL «&#xa0;%1&#xa0;» n’est pas prise en charge.</translation>
    </message>
    <message>
        <source>The answer is larger than expected.</source>
        <translation>La réponse est plus volumineuse que prévu.</translation>
    </message>
    <message>
        <source>The server took too long to answer.</source>
        <translation>Le serveur a mis trop de temps à répondre.</translation>
    </message>
    <message>
        <source>The download is larger than expected.</source>
        <translation>Le téléchargement est plus volumineux que prévu.</translation>
    </message>
    <message>
        <source>The server didn&apos;t send the part of the file that was asked for.</source>
        <translation>Le serveur n’a pas envoyé la partie du fichier demandée.</translation>
    </message>
    <message>
        <source>The part of the file that was asked for arrived cut short.</source>
        <translation>La partie du fichier demandée est arrivée incomplète.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read &quot;%1&quot;: %2</source>
        <translation>Impossible de lire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t write the download: %1</source>
        <translation>Impossible d’écrire le téléchargement&#xa0;: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t create a download file in %1: %2</source>
        <translation>Impossible de créer un fichier de téléchargement dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t create the folder &quot;%1&quot;.</source>
        <translation>Impossible de créer le dossier «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>SHA-256 is not available.</source>
        <translation>SHA-256 n’est pas disponible.</translation>
    </message>
</context>
<context>
    <name>Metainfo</name>
    <message>
        <source>Sign in, keep the game files up to date and read the news</source>
        <translation>Connectez-vous, gardez les fichiers du jeu à jour et lisez les actualités</translation>
    </message>
    <message>
        <source>The launcher of the Vantorel online game. Sign in with your e-mail, password and second factor, bring the game&apos;s files up to date from the patch server and read the latest news.</source>
        <translation>Le lanceur du jeu en ligne Vantorel. Connectez-vous avec votre e-mail, votre mot de passe et un second facteur, mettez à jour les fichiers du jeu depuis le serveur de patchs et lisez les dernières actualités.</translation>
    </message>
    <message>
        <source>Every file is checked by SHA-256 and replaced in one step, so an update never leaves a broken file</source>
        <translation>Chaque fichier est vérifié par SHA-256 et remplacé en une seule étape&#xa0;: une mise à jour ne laisse jamais de fichier endommagé</translation>
    </message>
    <message>
        <source>Cut downloads go on where they stopped, even after a restart</source>
        <translation>Les téléchargements interrompus reprennent là où ils se sont arrêtés, même après un redémarrage</translation>
    </message>
    <message>
        <source>An optional download speed limit that applies to the whole launcher</source>
        <translation>Une limite de vitesse de téléchargement facultative, qui s’applique à tout le lanceur</translation>
    </message>
    <message>
        <source>Signed patch lists: a tampered or outdated list is refused before anything is written</source>
        <translation>Listes de patchs signées&#xa0;: une liste altérée ou périmée est refusée avant toute écriture</translation>
    </message>
    <message>
        <source>Signing in</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>The home screen with the news and the game panel</source>
        <translation>L’écran d’accueil avec les actualités et le panneau du jeu</translation>
    </message>
</context>
<context>
    <name>NewsPane</name>
    <message>
        <source>Slide %1 of %2</source>
        <translation>Diapositive %1 sur %2</translation>
    </message>
</context>
<context>
    <name>Notifications</name>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
</context>
<context>
    <name>PanelText</name>
    <message>
        <source>UPDATING</source>
        <translation>MISE À JOUR</translation>
    </message>
    <message>
        <source>GAME FILES</source>
        <translation>FICHIERS DU JEU</translation>
    </message>
    <message>
        <source>Not installed</source>
        <translation>Non installé</translation>
    </message>
    <message>
        <source>%1 download</source>
        <translation>%1 à télécharger</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installer</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Mise à jour disponible</translation>
    </message>
    <message>
        <source>%1 files, %2</source>
        <translation>%1 fichiers, %2</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>Couldn&apos;t finish</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Checking for updates</source>
        <translation>Recherche de mises à jour</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Vérification</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>Mise à jour…</translation>
    </message>
    <message>
        <source>Verifying files</source>
        <translation>Vérification des fichiers</translation>
    </message>
    <message>
        <source>%1 of %2 files</source>
        <translation>%1 fichiers sur %2</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Téléchargement</translation>
    </message>
    <message>
        <source>%1 of %2 · %3/s</source>
        <translation>%1 sur %2 · %3/s</translation>
    </message>
    <message>
        <source>Finishing</source>
        <translation>Finalisation</translation>
    </message>
    <message>
        <source>Less than a minute left</source>
        <translation>Moins d’une minute restante</translation>
    </message>
    <message>
        <source>About a minute left</source>
        <translation>Environ une minute restante</translation>
    </message>
    <message numerus="yes">
        <source>About %1 minutes left</source>
        <translation>
            <numerusform>Environ %1 minute restante</numerusform>
            <numerusform>Environ %1 minutes restantes</numerusform>
        </translation>
    </message>
    <message>
        <source>About an hour left</source>
        <translation>Environ une heure restante</translation>
    </message>
    <message numerus="yes">
        <source>About %1 hours left</source>
        <translation>
            <numerusform>Environ %1 heure restante</numerusform>
            <numerusform>Environ %1 heures restantes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 days left</source>
        <translation>
            <numerusform>Environ %1 jour restant</numerusform>
            <numerusform>Environ %1 jours restants</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Game files</source>
        <translation>Fichiers du jeu</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>Download limit</source>
        <translation>Limite de téléchargement</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Illimité</translation>
    </message>
    <message>
        <source>Download limit in MB/s</source>
        <translation>Limite de téléchargement en Mo/s</translation>
    </message>
    <message>
        <source>MB/s</source>
        <translation>Mo/s</translation>
    </message>
    <message>
        <source>Update automatically</source>
        <translation>Mise à jour automatique</translation>
    </message>
    <message>
        <source>Show in Finder</source>
        <translation>Afficher dans le Finder</translation>
    </message>
    <message>
        <source>Verify Files</source>
        <translation>Vérifier les fichiers</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Signed in as</source>
        <translation>Connecté en tant que</translation>
    </message>
    <message>
        <source>Log Out</source>
        <translation>Se déconnecter</translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation>Non connecté</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Launcher</source>
        <translation>Lanceur</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>Share game files on this network</source>
        <translation>Partager les fichiers du jeu sur ce réseau</translation>
    </message>
    <message>
        <source>Upload limit</source>
        <translation>Limite d’envoi</translation>
    </message>
    <message>
        <source>Upload limit in MB/s</source>
        <translation>Limite d’envoi en Mo/s</translation>
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
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>Se connecter</translation>
    </message>
    <message>
        <source>Create an account</source>
        <translation>Créer un compte</translation>
    </message>
    <message>
        <source>Forgot password?</source>
        <translation>Mot de passe oublié&#xa0;?</translation>
    </message>
</context>
<context>
    <name>SleepInhibitor</name>
    <message>
        <source>Updating the game files</source>
        <translation>Mise à jour des fichiers du jeu</translation>
    </message>
</context>
<context>
    <name>Spinner</name>
    <message>
        <source>Loading</source>
        <translation>Chargement</translation>
    </message>
</context>
<context>
    <name>UnreachableView</name>
    <message>
        <source>Can&apos;t reach the login server</source>
        <translation>Impossible de joindre le serveur de connexion</translation>
    </message>
    <message>
        <source>Check your connection and try again.</source>
        <translation>Vérifiez votre connexion et réessayez.</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Réessayer</translation>
    </message>
</context>
</TS>
