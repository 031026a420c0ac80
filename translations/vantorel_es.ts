<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>CodeView</name>
    <message>
        <source>We sent a code to your email.</source>
        <translation>Te hemos enviado un código por correo.</translation>
    </message>
    <message>
        <source>Open your authenticator app and enter the code for Vantorel.</source>
        <translation>Abre tu aplicación de autenticación e introduce el código de Vantorel.</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Verificar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Send a new code</source>
        <translation>Enviar un código nuevo</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Game Launcher</source>
        <translation>Lanzador de juegos</translation>
    </message>
    <message>
        <source>Sign in, update the game files and read the news</source>
        <translation>Inicia sesión, actualiza los archivos del juego y lee las noticias</translation>
    </message>
    <message>
        <source>Vantorel;game;launcher;update;patch;</source>
        <extracomment>Search words, each followed by a semicolon. Keep &quot;Vantorel&quot;.</extracomment>
        <translation>Vantorel;juego;lanzador;launcher;actualización;parche;</translation>
    </message>
</context>
<context>
    <name>DesktopIntegration</name>
    <message>
        <source>Couldn&apos;t finish</source>
        <translation>No se pudo completar</translation>
    </message>
    <message>
        <source>Update finished</source>
        <translation>Actualización terminada</translation>
    </message>
    <message>
        <source>The game is up to date.</source>
        <translation>El juego está actualizado.</translation>
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
        <translation>%1 bytes</translation>
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
        <translation>Opciones del juego</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Actualizado</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Scan and Repair</source>
        <translation>Analizar y reparar</translation>
    </message>
    <message>
        <source>Reveal in Finder</source>
        <translation>Mostrar en Finder</translation>
    </message>
    <message>
        <source>The game doesn&apos;t run on macOS yet. This launcher only updates files.</source>
        <translation>El juego aún no funciona en macOS. Este lanzador solo actualiza los archivos.</translation>
    </message>
    <message>
        <source>Launcher %1</source>
        <translation>Lanzador %1</translation>
    </message>
</context>
<context>
    <name>HomeView</name>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Sitio web</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Soporte</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Ajustes…</translation>
    </message>
    <message>
        <source>Log Out</source>
        <translation>Cerrar sesión</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>LauncherError</name>
    <message>
        <source>Couldn&apos;t send the email code. Try again in a minute.</source>
        <translation>No se pudo enviar el código por correo electrónico. Inténtalo de nuevo en un minuto.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read your saved sign-in from the Keychain (error %1). Sign in again.</source>
        <translation>No se pudo leer tu sesión guardada del llavero (error %1). Vuelve a iniciar sesión.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save your sign-in to the Keychain (error %1). Allow access when macOS asks, then sign in again.</source>
        <translation>No se pudo guardar tu sesión en el llavero (error %1). Permite el acceso cuando macOS lo pida y vuelve a iniciar sesión.</translation>
    </message>
    <message>
        <source>Can&apos;t reach the login server. Check your connection and try again.</source>
        <translation>No se puede conectar con el servidor de inicio de sesión. Comprueba tu conexión e inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>Can&apos;t reach the patch server. Check your connection and try again.</source>
        <translation>No se puede conectar con el servidor de parches. Comprueba tu conexión e inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>The patch list has an unsafe file path (%1). Nothing was written. Report this to the Vantorel team.</source>
        <translation>La lista de parches tiene una ruta de archivo no segura (%1). No se ha escrito nada. Informa de esto al equipo de Vantorel.</translation>
    </message>
    <message>
        <source>The patch list has a bad download URL for %1. Report this to the Vantorel team.</source>
        <translation>La lista de parches tiene una URL de descarga incorrecta para %1. Informa de esto al equipo de Vantorel.</translation>
    </message>
    <message>
        <source>%1 failed its checksum after download. Try again.</source>
        <translation>La suma de comprobación de %1 no coincide tras la descarga. Inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>The download server returned HTTP %1. Try again later.</source>
        <translation>El servidor de descargas ha devuelto HTTP %1. Inténtalo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>There isn&apos;t enough free space for this update in %1: it needs %2 and %3 is free. Free up some space, then try again.</source>
        <translation>No hay suficiente espacio libre en %1 para esta actualización: se necesitan %2 y hay %3 libres. Libera espacio y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>Another update of this game folder is running. Try again when it has finished.</source>
        <translation>Ya hay otra actualización en curso en esta carpeta del juego. Inténtalo de nuevo cuando termine.</translation>
    </message>
    <message>
        <source>The patch list isn&apos;t signed. Nothing was written. Report this to the Vantorel team.</source>
        <translation>La lista de parches no está firmada. No se ha escrito nada. Informa de esto al equipo de Vantorel.</translation>
    </message>
    <message>
        <source>The patch list&apos;s signature isn&apos;t valid. Nothing was written. Report this to the Vantorel team.</source>
        <translation>La firma de la lista de parches no es válida. No se ha escrito nada. Informa de esto al equipo de Vantorel.</translation>
    </message>
    <message>
        <source>The patch list has no version or expiry date. Nothing was written. Report this to the Vantorel team.</source>
        <translation>La lista de parches no tiene versión o fecha de caducidad. No se ha escrito nada. Informa de esto al equipo de Vantorel.</translation>
    </message>
    <message>
        <source>The patch list expired on %1 UTC. Nothing was written. Report this to the Vantorel team.</source>
        <translation>La lista de parches caducó el %1 UTC. No se ha escrito nada. Informa de esto al equipo de Vantorel.</translation>
    </message>
    <message>
        <source>The patch list is older (version %1) than one this launcher already used (version %2). Nothing was written. Report this to the Vantorel team.</source>
        <translation>La lista de parches es más antigua (versión %1) que otra que este lanzador ya usó (versión %2). No se ha escrito nada. Informa de esto al equipo de Vantorel.</translation>
    </message>
    <message>
        <source>The patch list doesn&apos;t name its channel. Nothing was written. Report this to the Vantorel team.</source>
        <translation>La lista de parches no indica su canal. No se ha escrito nada. Informa de esto al equipo de Vantorel.</translation>
    </message>
    <message>
        <source>The patch list is for the &quot;%1&quot; channel, not &quot;%2&quot;. Nothing was written. Report this to the Vantorel team.</source>
        <translation>La lista de parches es para el canal «%1», no para «%2». No se ha escrito nada. Informa de esto al equipo de Vantorel.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Se ha producido un error inesperado.</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Cerrar sesión</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Ajustes…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Verify Game Files</source>
        <translation>Verificar archivos del juego</translation>
    </message>
    <message>
        <source>Show Game Folder in Finder</source>
        <translation>Mostrar la carpeta del juego en Finder</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Wrong email or password.</source>
        <translation>Correo o contraseña incorrectos.</translation>
    </message>
    <message>
        <source>That code didn&apos;t work. Check it and try again.</source>
        <translation>Ese código no ha funcionado. Revísalo e inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>We sent a code to your email.</source>
        <translation>Te hemos enviado un código por correo.</translation>
    </message>
    <message>
        <source>Too many attempts. Try again in %1 seconds.</source>
        <translation>Demasiados intentos. Inténtalo de nuevo en %1 segundos.</translation>
    </message>
    <message>
        <source>The home feed isn&apos;t in the correct format (%1).</source>
        <translation>Las noticias de la pantalla de inicio no tienen el formato correcto (%1).</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format (%1).</source>
        <translation>No se han podido leer los datos porque no tienen el formato correcto (%1).</translation>
    </message>
    <message>
        <source>The manifest couldn&apos;t be read because it isn&apos;t in the correct format (%1).</source>
        <translation>No se ha podido leer el manifiesto porque no tiene el formato correcto (%1).</translation>
    </message>
    <message>
        <source>The chunk index isn&apos;t usable (%1).</source>
        <translation>El índice de bloques no se puede usar (%1).</translation>
    </message>
    <message>
        <source>The URL &quot;%1&quot; is not supported.</source>
        <translation>La URL «%1» no es compatible.</translation>
    </message>
    <message>
        <source>The answer is larger than expected.</source>
        <translation>La respuesta es más grande de lo esperado.</translation>
    </message>
    <message>
        <source>The server took too long to answer.</source>
        <translation>El servidor ha tardado demasiado en responder.</translation>
    </message>
    <message>
        <source>The download is larger than expected.</source>
        <translation>La descarga es más grande de lo esperado.</translation>
    </message>
    <message>
        <source>The server didn&apos;t send the part of the file that was asked for.</source>
        <translation>El servidor no ha enviado la parte del archivo que se pidió.</translation>
    </message>
    <message>
        <source>The part of the file that was asked for arrived cut short.</source>
        <translation>La parte del archivo que se pidió llegó incompleta.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read &quot;%1&quot;: %2</source>
        <translation>No se pudo leer «%1»: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t write the download: %1</source>
        <translation>No se pudo escribir la descarga: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t create a download file in %1: %2</source>
        <translation>No se pudo crear un archivo de descarga en %1: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t create the folder &quot;%1&quot;.</source>
        <translation>No se pudo crear la carpeta «%1».</translation>
    </message>
    <message>
        <source>SHA-256 is not available.</source>
        <translation>SHA-256 no está disponible.</translation>
    </message>
</context>
<context>
    <name>Metainfo</name>
    <message>
        <source>Sign in, keep the game files up to date and read the news</source>
        <translation>Inicia sesión, mantén actualizados los archivos del juego y lee las noticias</translation>
    </message>
    <message>
        <source>The launcher of the Vantorel online game. Sign in with your e-mail, password and second factor, bring the game&apos;s files up to date from the patch server and read the latest news.</source>
        <translation>El lanzador del juego en línea Vantorel. Inicia sesión con tu correo electrónico, tu contraseña y un segundo factor, actualiza los archivos del juego desde el servidor de parches y lee las últimas noticias.</translation>
    </message>
    <message>
        <source>Every file is checked by SHA-256 and replaced in one step, so an update never leaves a broken file</source>
        <translation>Cada archivo se comprueba con SHA-256 y se reemplaza en un solo paso, así que una actualización nunca deja un archivo dañado</translation>
    </message>
    <message>
        <source>Cut downloads go on where they stopped, even after a restart</source>
        <translation>Las descargas interrumpidas continúan donde se quedaron, incluso después de reiniciar</translation>
    </message>
    <message>
        <source>An optional download speed limit that applies to the whole launcher</source>
        <translation>Un límite opcional de velocidad de descarga que se aplica a todo el lanzador</translation>
    </message>
    <message>
        <source>Signed patch lists: a tampered or outdated list is refused before anything is written</source>
        <translation>Listas de parches firmadas: una lista manipulada o desfasada se rechaza antes de escribir nada</translation>
    </message>
    <message>
        <source>Signing in</source>
        <translation>Inicio de sesión</translation>
    </message>
    <message>
        <source>The home screen with the news and the game panel</source>
        <translation>La pantalla de inicio con las noticias y el panel del juego</translation>
    </message>
</context>
<context>
    <name>NewsPane</name>
    <message>
        <source>Slide %1 of %2</source>
        <translation>Diapositiva %1 de %2</translation>
    </message>
</context>
<context>
    <name>Notifications</name>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
</context>
<context>
    <name>PanelText</name>
    <message>
        <source>UPDATING</source>
        <translation>ACTUALIZANDO</translation>
    </message>
    <message>
        <source>GAME FILES</source>
        <translation>ARCHIVOS DEL JUEGO</translation>
    </message>
    <message>
        <source>Not installed</source>
        <translation>No instalado</translation>
    </message>
    <message>
        <source>%1 download</source>
        <translation>Descarga de %1</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Instalar</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Actualización disponible</translation>
    </message>
    <message>
        <source>%1 files, %2</source>
        <translation>%1 archivos, %2</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Couldn&apos;t finish</source>
        <translation>No se pudo completar</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Checking for updates</source>
        <translation>Buscando actualizaciones</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Comprobando</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jugar</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>Actualizando</translation>
    </message>
    <message>
        <source>Verifying files</source>
        <translation>Verificando archivos</translation>
    </message>
    <message>
        <source>%1 of %2 files</source>
        <translation>%1 de %2 archivos</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Descargando</translation>
    </message>
    <message>
        <source>%1 of %2 · %3/s</source>
        <translation>%1 de %2 · %3/s</translation>
    </message>
    <message>
        <source>Finishing</source>
        <translation>Finalizando</translation>
    </message>
    <message>
        <source>Less than a minute left</source>
        <translation>Queda menos de un minuto</translation>
    </message>
    <message>
        <source>About a minute left</source>
        <translation>Queda alrededor de un minuto</translation>
    </message>
    <message numerus="yes">
        <source>About %1 minutes left</source>
        <translation>
            <numerusform>Queda alrededor de %1 minuto</numerusform>
            <numerusform>Quedan alrededor de %1 minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>About an hour left</source>
        <translation>Queda alrededor de una hora</translation>
    </message>
    <message numerus="yes">
        <source>About %1 hours left</source>
        <translation>
            <numerusform>Queda alrededor de %1 hora</numerusform>
            <numerusform>Quedan alrededor de %1 horas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 days left</source>
        <translation>
            <numerusform>Queda alrededor de %1 día</numerusform>
            <numerusform>Quedan alrededor de %1 días</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Game files</source>
        <translation>Archivos del juego</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>Download limit</source>
        <translation>Límite de descarga</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Sin límite</translation>
    </message>
    <message>
        <source>Download limit in MB/s</source>
        <translation>Límite de descarga en MB/s</translation>
    </message>
    <message>
        <source>MB/s</source>
        <translation>MB/s</translation>
    </message>
    <message>
        <source>Update automatically</source>
        <translation>Actualizar automáticamente</translation>
    </message>
    <message>
        <source>Show in Finder</source>
        <translation>Mostrar en Finder</translation>
    </message>
    <message>
        <source>Verify Files</source>
        <translation>Verificar archivos</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Signed in as</source>
        <translation>Sesión iniciada como</translation>
    </message>
    <message>
        <source>Log Out</source>
        <translation>Cerrar sesión</translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation>Sesión no iniciada</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Launcher</source>
        <translation>Lanzador</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Idioma del sistema</translation>
    </message>
    <message>
        <source>Share game files on this network</source>
        <translation>Compartir los archivos del juego en esta red</translation>
    </message>
    <message>
        <source>Upload limit</source>
        <translation>Límite de subida</translation>
    </message>
    <message>
        <source>Upload limit in MB/s</source>
        <translation>Límite de subida en MB/s</translation>
    </message>
</context>
<context>
    <name>SignInView</name>
    <message>
        <source>Email</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>Create an account</source>
        <translation>Crear una cuenta</translation>
    </message>
    <message>
        <source>Forgot password?</source>
        <translation>¿Olvidaste tu contraseña?</translation>
    </message>
</context>
<context>
    <name>SleepInhibitor</name>
    <message>
        <source>Updating the game files</source>
        <translation>Actualizando los archivos del juego</translation>
    </message>
</context>
<context>
    <name>Spinner</name>
    <message>
        <source>Loading</source>
        <translation>Cargando</translation>
    </message>
</context>
<context>
    <name>UnreachableView</name>
    <message>
        <source>Can&apos;t reach the login server</source>
        <translation>No se puede conectar con el servidor de inicio de sesión</translation>
    </message>
    <message>
        <source>Check your connection and try again.</source>
        <translation>Comprueba tu conexión e inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Reintentar</translation>
    </message>
</context>
</TS>
