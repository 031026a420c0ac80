<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>CodeView</name>
    <message>
        <source>We sent a code to your email.</source>
        <translation>Enviamos um código para o seu e-mail.</translation>
    </message>
    <message>
        <source>Open your authenticator app and enter the code for Vantorel.</source>
        <translation>Abra seu app autenticador e digite o código do Vantorel.</translation>
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
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Send a new code</source>
        <translation>Enviar novo código</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Game Launcher</source>
        <translation>Launcher de jogos</translation>
    </message>
    <message>
        <source>Sign in, update the game files and read the news</source>
        <translation>Entre, atualize os arquivos do jogo e leia as notícias</translation>
    </message>
    <message>
        <source>Vantorel;game;launcher;update;patch;</source>
        <extracomment>Search words, each followed by a semicolon. Keep &quot;Vantorel&quot;.</extracomment>
        <translation>Vantorel;jogo;launcher;atualização;atualizar;patch;</translation>
    </message>
</context>
<context>
    <name>DesktopIntegration</name>
    <message>
        <source>Couldn&apos;t finish</source>
        <translation>Não foi possível concluir</translation>
    </message>
    <message>
        <source>Update finished</source>
        <translation>Atualização concluída</translation>
    </message>
    <message>
        <source>The game is up to date.</source>
        <translation>O jogo está atualizado.</translation>
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
        <translation>Opções do jogo</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Atualizado</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Verificar atualizações</translation>
    </message>
    <message>
        <source>Scan and Repair</source>
        <translation>Verificar e reparar</translation>
    </message>
    <message>
        <source>Reveal in Finder</source>
        <translation>Mostrar no Finder</translation>
    </message>
    <message>
        <source>The game doesn&apos;t run on macOS yet. This launcher only updates files.</source>
        <translation>O jogo ainda não roda no macOS. Este launcher só atualiza os arquivos.</translation>
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
        <translation>Conta</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Suporte</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Configurações…</translation>
    </message>
    <message>
        <source>Log Out</source>
        <translation>Sair da conta</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
</context>
<context>
    <name>LauncherError</name>
    <message>
        <source>Couldn&apos;t send the email code. Try again in a minute.</source>
        <translation>Não foi possível enviar o código por e-mail. Tente novamente em um minuto.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read your saved sign-in from the Keychain (error %1). Sign in again.</source>
        <translation>Não foi possível ler seus dados de login salvos no Acesso às Chaves (erro %1). Entre novamente.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save your sign-in to the Keychain (error %1). Allow access when macOS asks, then sign in again.</source>
        <translation>Não foi possível salvar seus dados de login no Acesso às Chaves (erro %1). Permita o acesso quando o macOS pedir e entre novamente.</translation>
    </message>
    <message>
        <source>Can&apos;t reach the login server. Check your connection and try again.</source>
        <translation>Não foi possível acessar o servidor de login. Verifique sua conexão e tente novamente.</translation>
    </message>
    <message>
        <source>Can&apos;t reach the patch server. Check your connection and try again.</source>
        <translation>Não foi possível acessar o servidor de patches. Verifique sua conexão e tente novamente.</translation>
    </message>
    <message>
        <source>The patch list has an unsafe file path (%1). Nothing was written. Report this to the Vantorel team.</source>
        <translation>A lista de patches tem um caminho de arquivo inseguro (%1). Nada foi gravado. Informe a equipe do Vantorel.</translation>
    </message>
    <message>
        <source>The patch list has a bad download URL for %1. Report this to the Vantorel team.</source>
        <translation>A lista de patches tem uma URL de download inválida para %1. Informe a equipe do Vantorel.</translation>
    </message>
    <message>
        <source>%1 failed its checksum after download. Try again.</source>
        <translation>A soma de verificação de %1 não confere após o download. Tente novamente.</translation>
    </message>
    <message>
        <source>The download server returned HTTP %1. Try again later.</source>
        <translation>O servidor de download retornou HTTP %1. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>There isn&apos;t enough free space for this update in %1: it needs %2 and %3 is free. Free up some space, then try again.</source>
        <translation>Não há espaço livre suficiente para esta atualização em %1: são necessários %2 e há %3 livres. Libere espaço e tente novamente.</translation>
    </message>
    <message>
        <source>Another update of this game folder is running. Try again when it has finished.</source>
        <translation>Outra atualização desta pasta do jogo está em andamento. Tente novamente quando ela terminar.</translation>
    </message>
    <message>
        <source>The patch list isn&apos;t signed. Nothing was written. Report this to the Vantorel team.</source>
        <translation>A lista de patches não está assinada. Nada foi gravado. Informe a equipe do Vantorel.</translation>
    </message>
    <message>
        <source>The patch list&apos;s signature isn&apos;t valid. Nothing was written. Report this to the Vantorel team.</source>
        <translation>A assinatura da lista de patches não é válida. Nada foi gravado. Informe a equipe do Vantorel.</translation>
    </message>
    <message>
        <source>The patch list has no version or expiry date. Nothing was written. Report this to the Vantorel team.</source>
        <translation>A lista de patches não tem versão nem data de validade. Nada foi gravado. Informe a equipe do Vantorel.</translation>
    </message>
    <message>
        <source>The patch list expired on %1 UTC. Nothing was written. Report this to the Vantorel team.</source>
        <translation>A lista de patches expirou em %1 UTC. Nada foi gravado. Informe a equipe do Vantorel.</translation>
    </message>
    <message>
        <source>The patch list is older (version %1) than one this launcher already used (version %2). Nothing was written. Report this to the Vantorel team.</source>
        <translation>A lista de patches (versão %1) é mais antiga que uma que este launcher já usou (versão %2). Nada foi gravado. Informe a equipe do Vantorel.</translation>
    </message>
    <message>
        <source>The patch list doesn&apos;t name its channel. Nothing was written. Report this to the Vantorel team.</source>
        <translation>A lista de patches não informa o seu canal. Nada foi gravado. Informe a equipe do Vantorel.</translation>
    </message>
    <message>
        <source>The patch list is for the &quot;%1&quot; channel, not &quot;%2&quot;. Nothing was written. Report this to the Vantorel team.</source>
        <translation>A lista de patches é do canal “%1”, não do “%2”. Nada foi gravado. Informe a equipe do Vantorel.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Ocorreu um erro inesperado.</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Sair da conta</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Configurações…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Verificar atualizações</translation>
    </message>
    <message>
        <source>Verify Game Files</source>
        <translation>Verificar arquivos do jogo</translation>
    </message>
    <message>
        <source>Show Game Folder in Finder</source>
        <translation>Mostrar pasta do jogo no Finder</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Wrong email or password.</source>
        <translation>E-mail ou senha incorretos.</translation>
    </message>
    <message>
        <source>That code didn&apos;t work. Check it and try again.</source>
        <translation>Esse código não funcionou. Confira e tente novamente.</translation>
    </message>
    <message>
        <source>We sent a code to your email.</source>
        <translation>Enviamos um código para o seu e-mail.</translation>
    </message>
    <message>
        <source>Too many attempts. Try again in %1 seconds.</source>
        <translation>Muitas tentativas. Tente novamente em %1 segundos.</translation>
    </message>
    <message>
        <source>The home feed isn&apos;t in the correct format (%1).</source>
        <translation>O feed da tela inicial não está no formato correto (%1).</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format (%1).</source>
        <translation>Não foi possível ler os dados porque eles não estão no formato correto (%1).</translation>
    </message>
    <message>
        <source>The manifest couldn&apos;t be read because it isn&apos;t in the correct format (%1).</source>
        <translation>Não foi possível ler o manifesto porque ele não está no formato correto (%1).</translation>
    </message>
    <message>
        <source>The chunk index isn&apos;t usable (%1).</source>
        <translation>O índice de blocos não pode ser usado (%1).</translation>
    </message>
    <message>
        <source>The URL &quot;%1&quot; is not supported.</source>
        <translation>A URL “%1” não é suportada.</translation>
    </message>
    <message>
        <source>The answer is larger than expected.</source>
        <translation>A resposta é maior que o esperado.</translation>
    </message>
    <message>
        <source>The server took too long to answer.</source>
        <translation>O servidor demorou demais para responder.</translation>
    </message>
    <message>
        <source>The download is larger than expected.</source>
        <translation>O download é maior que o esperado.</translation>
    </message>
    <message>
        <source>The server didn&apos;t send the part of the file that was asked for.</source>
        <translation>O servidor não enviou a parte do arquivo que foi pedida.</translation>
    </message>
    <message>
        <source>The part of the file that was asked for arrived cut short.</source>
        <translation>A parte do arquivo que foi pedida chegou incompleta.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read &quot;%1&quot;: %2</source>
        <translation>Não foi possível ler “%1”: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t write the download: %1</source>
        <translation>Não foi possível gravar o download: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t create a download file in %1: %2</source>
        <translation>Não foi possível criar um arquivo de download em %1: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t create the folder &quot;%1&quot;.</source>
        <translation>Não foi possível criar a pasta “%1”.</translation>
    </message>
    <message>
        <source>SHA-256 is not available.</source>
        <translation>SHA-256 não está disponível.</translation>
    </message>
</context>
<context>
    <name>Metainfo</name>
    <message>
        <source>Sign in, keep the game files up to date and read the news</source>
        <translation>Entre, mantenha os arquivos do jogo atualizados e leia as notícias</translation>
    </message>
    <message>
        <source>The launcher of the Vantorel online game. Sign in with your e-mail, password and second factor, bring the game&apos;s files up to date from the patch server and read the latest news.</source>
        <translation>O launcher do jogo online Vantorel. Entre com seu e-mail, senha e segundo fator, atualize os arquivos do jogo pelo servidor de patches e leia as últimas notícias.</translation>
    </message>
    <message>
        <source>Every file is checked by SHA-256 and replaced in one step, so an update never leaves a broken file</source>
        <translation>Cada arquivo é verificado por SHA-256 e substituído de uma só vez, então uma atualização nunca deixa um arquivo corrompido</translation>
    </message>
    <message>
        <source>Cut downloads go on where they stopped, even after a restart</source>
        <translation>Downloads interrompidos continuam de onde pararam, mesmo depois de reiniciar</translation>
    </message>
    <message>
        <source>An optional download speed limit that applies to the whole launcher</source>
        <translation>Um limite opcional de velocidade de download que vale para todo o launcher</translation>
    </message>
    <message>
        <source>Signed patch lists: a tampered or outdated list is refused before anything is written</source>
        <translation>Listas de patches assinadas: uma lista adulterada ou desatualizada é recusada antes que qualquer coisa seja gravada</translation>
    </message>
    <message>
        <source>Signing in</source>
        <translation>Entrando na conta</translation>
    </message>
    <message>
        <source>The home screen with the news and the game panel</source>
        <translation>A tela inicial com as notícias e o painel do jogo</translation>
    </message>
</context>
<context>
    <name>NewsPane</name>
    <message>
        <source>Slide %1 of %2</source>
        <translation>Slide %1 de %2</translation>
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
        <translation>ATUALIZANDO</translation>
    </message>
    <message>
        <source>GAME FILES</source>
        <translation>ARQUIVOS DO JOGO</translation>
    </message>
    <message>
        <source>Not installed</source>
        <translation>Não instalado</translation>
    </message>
    <message>
        <source>%1 download</source>
        <translation>Download de %1</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Instalar</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Atualização disponível</translation>
    </message>
    <message>
        <source>%1 files, %2</source>
        <translation>%1 arquivos, %2</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Couldn&apos;t finish</source>
        <translation>Não foi possível concluir</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Tentar novamente</translation>
    </message>
    <message>
        <source>Checking for updates</source>
        <translation>Verificando atualizações</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Verificando</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jogar</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>Atualizando</translation>
    </message>
    <message>
        <source>Verifying files</source>
        <translation>Verificando arquivos</translation>
    </message>
    <message>
        <source>%1 of %2 files</source>
        <translation>%1 de %2 arquivos</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Baixando</translation>
    </message>
    <message>
        <source>%1 of %2 · %3/s</source>
        <translation>%1 de %2 · %3/s</translation>
    </message>
    <message>
        <source>Finishing</source>
        <translation>Concluindo</translation>
    </message>
    <message>
        <source>Less than a minute left</source>
        <translation>Falta menos de um minuto</translation>
    </message>
    <message>
        <source>About a minute left</source>
        <translation>Falta cerca de um minuto</translation>
    </message>
    <message numerus="yes">
        <source>About %1 minutes left</source>
        <translation>
            <numerusform>Falta cerca de %1 minuto</numerusform>
            <numerusform>Faltam cerca de %1 minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>About an hour left</source>
        <translation>Falta cerca de uma hora</translation>
    </message>
    <message numerus="yes">
        <source>About %1 hours left</source>
        <translation>
            <numerusform>Falta cerca de %1 hora</numerusform>
            <numerusform>Faltam cerca de %1 horas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 days left</source>
        <translation>
            <numerusform>Falta cerca de %1 dia</numerusform>
            <numerusform>Faltam cerca de %1 dias</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Game files</source>
        <translation>Arquivos do jogo</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Download limit</source>
        <translation>Limite de download</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Ilimitado</translation>
    </message>
    <message>
        <source>Download limit in MB/s</source>
        <translation>Limite de download em MB/s</translation>
    </message>
    <message>
        <source>MB/s</source>
        <translation>MB/s</translation>
    </message>
    <message>
        <source>Update automatically</source>
        <translation>Atualizar automaticamente</translation>
    </message>
    <message>
        <source>Show in Finder</source>
        <translation>Mostrar no Finder</translation>
    </message>
    <message>
        <source>Verify Files</source>
        <translation>Verificar arquivos</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Conta</translation>
    </message>
    <message>
        <source>Signed in as</source>
        <translation>Conectado como</translation>
    </message>
    <message>
        <source>Log Out</source>
        <translation>Sair da conta</translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation>Não conectado</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Launcher</source>
        <translation>Launcher</translation>
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
        <translation>Padrão do sistema</translation>
    </message>
    <message>
        <source>Share game files on this network</source>
        <translation>Compartilhar os arquivos do jogo nesta rede</translation>
    </message>
    <message>
        <source>Upload limit</source>
        <translation>Limite de upload</translation>
    </message>
    <message>
        <source>Upload limit in MB/s</source>
        <translation>Limite de upload em MB/s</translation>
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
        <translation>Senha</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>Entrar</translation>
    </message>
    <message>
        <source>Create an account</source>
        <translation>Criar uma conta</translation>
    </message>
    <message>
        <source>Forgot password?</source>
        <translation>Esqueceu a senha?</translation>
    </message>
</context>
<context>
    <name>SleepInhibitor</name>
    <message>
        <source>Updating the game files</source>
        <translation>Atualizando os arquivos do jogo</translation>
    </message>
</context>
<context>
    <name>Spinner</name>
    <message>
        <source>Loading</source>
        <translation>Carregando</translation>
    </message>
</context>
<context>
    <name>UnreachableView</name>
    <message>
        <source>Can&apos;t reach the login server</source>
        <translation>Não foi possível acessar o servidor de login</translation>
    </message>
    <message>
        <source>Check your connection and try again.</source>
        <translation>Verifique sua conexão e tente novamente.</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Tentar novamente</translation>
    </message>
</context>
</TS>
