<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>CodeView</name>
    <message>
        <source>We sent a code to your email.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open your authenticator app and enter the code for Vantorel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send a new code</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Game Launcher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign in, update the game files and read the news</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vantorel;game;launcher;update;patch;</source>
        <extracomment>Search words, each followed by a semicolon. Keep &quot;Vantorel&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DesktopIntegration</name>
    <message>
        <source>Couldn&apos;t finish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game is up to date.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileSize</name>
    <message>
        <source>1 byte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 TB</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GamePanel</name>
    <message>
        <source>Game options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan and Repair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reveal in Finder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game doesn&apos;t run on macOS yet. This launcher only updates files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launcher %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HomeView</name>
    <message>
        <source>Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LauncherError</name>
    <message>
        <source>Couldn&apos;t send the email code. Try again in a minute.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn&apos;t read your saved sign-in from the Keychain (error %1). Sign in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn&apos;t save your sign-in to the Keychain (error %1). Allow access when macOS asks, then sign in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t reach the login server. Check your connection and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t reach the patch server. Check your connection and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The patch list has an unsafe file path (%1). Nothing was written. Report this to the Vantorel team.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The patch list has a bad download URL for %1. Report this to the Vantorel team.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 failed its checksum after download. Try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The download server returned HTTP %1. Try again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There isn&apos;t enough free space for this update in %1: it needs %2 and %3 is free. Free up some space, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another update of this game folder is running. Try again when it has finished.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The patch list isn&apos;t signed. Nothing was written. Report this to the Vantorel team.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The patch list&apos;s signature isn&apos;t valid. Nothing was written. Report this to the Vantorel team.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The patch list has no version or expiry date. Nothing was written. Report this to the Vantorel team.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The patch list expired on %1 UTC. Nothing was written. Report this to the Vantorel team.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The patch list is older (version %1) than one this launcher already used (version %2). Nothing was written. Report this to the Vantorel team.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The patch list doesn&apos;t name its channel. Nothing was written. Report this to the Vantorel team.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The patch list is for the &quot;%1&quot; channel, not &quot;%2&quot;. Nothing was written. Report this to the Vantorel team.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verify Game Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Game Folder in Finder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Wrong email or password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That code didn&apos;t work. Check it and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>We sent a code to your email.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too many attempts. Try again in %1 seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The home feed isn&apos;t in the correct format (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The manifest couldn&apos;t be read because it isn&apos;t in the correct format (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chunk index isn&apos;t usable (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The URL &quot;%1&quot; is not supported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The answer is larger than expected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server took too long to answer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The download is larger than expected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server didn&apos;t send the part of the file that was asked for.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The part of the file that was asked for arrived cut short.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn&apos;t read &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn&apos;t write the download: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn&apos;t create a download file in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn&apos;t create the folder &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SHA-256 is not available.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Metainfo</name>
    <message>
        <source>Sign in, keep the game files up to date and read the news</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The launcher of the Vantorel online game. Sign in with your e-mail, password and second factor, bring the game&apos;s files up to date from the patch server and read the latest news.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every file is checked by SHA-256 and replaced in one step, so an update never leaves a broken file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut downloads go on where they stopped, even after a restart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An optional download speed limit that applies to the whole launcher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signed patch lists: a tampered or outdated list is refused before anything is written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signing in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The home screen with the news and the game panel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NewsPane</name>
    <message>
        <source>Slide %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Notifications</name>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PanelText</name>
    <message>
        <source>UPDATING</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GAME FILES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 files, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn&apos;t finish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking for updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verifying files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 · %3/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finishing</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Game files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download limit in MB/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MB/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update automatically</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show in Finder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verify Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signed in as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launcher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System default</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SignInView</name>
    <message>
        <source>Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create an account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forgot password?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SleepInhibitor</name>
    <message>
        <source>Updating the game files</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Spinner</name>
    <message>
        <source>Loading</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UnreachableView</name>
    <message>
        <source>Can&apos;t reach the login server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check your connection and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
