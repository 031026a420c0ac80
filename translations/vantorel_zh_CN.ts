<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>CodeView</name>
    <message>
        <source>We sent a code to your email.</source>
        <translation>我们已向你的邮箱发送验证码。</translation>
    </message>
    <message>
        <source>Open your authenticator app and enter the code for Vantorel.</source>
        <translation>打开身份验证器应用，输入 Vantorel 的验证码。</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>验证码</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>验证</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Send a new code</source>
        <translation>重新发送验证码</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Game Launcher</source>
        <translation>游戏启动器</translation>
    </message>
    <message>
        <source>Sign in, update the game files and read the news</source>
        <translation>登录、更新游戏文件并阅读新闻</translation>
    </message>
    <message>
        <source>Vantorel;game;launcher;update;patch;</source>
        <extracomment>Search words, each followed by a semicolon. Keep &quot;Vantorel&quot;.</extracomment>
        <translation>Vantorel;游戏;启动器;更新;补丁;</translation>
    </message>
</context>
<context>
    <name>DesktopIntegration</name>
    <message>
        <source>Couldn&apos;t finish</source>
        <translation>未能完成</translation>
    </message>
    <message>
        <source>Update finished</source>
        <translation>更新完成</translation>
    </message>
    <message>
        <source>The game is up to date.</source>
        <translation>游戏已是最新版本。</translation>
    </message>
</context>
<context>
    <name>FileSize</name>
    <message>
        <source>1 byte</source>
        <translation>1 字节</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 字节</translation>
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
        <translation>游戏选项</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>已是最新版本</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>检查更新</translation>
    </message>
    <message>
        <source>Scan and Repair</source>
        <translation>扫描并修复</translation>
    </message>
    <message>
        <source>Reveal in Finder</source>
        <translation>在 Finder 中显示</translation>
    </message>
    <message>
        <source>The game doesn&apos;t run on macOS yet. This launcher only updates files.</source>
        <translation>本游戏暂不支持在 macOS 上运行。此启动器只更新文件。</translation>
    </message>
    <message>
        <source>Launcher %1</source>
        <translation>启动器 %1</translation>
    </message>
</context>
<context>
    <name>HomeView</name>
    <message>
        <source>Account</source>
        <translation>账号</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>官方网站</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>客服</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>设置…</translation>
    </message>
    <message>
        <source>Log Out</source>
        <translation>退出登录</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
</context>
<context>
    <name>LauncherError</name>
    <message>
        <source>Couldn&apos;t send the email code. Try again in a minute.</source>
        <translation>无法发送邮件验证码。请一分钟后重试。</translation>
    </message>
    <message>
        <source>Couldn&apos;t read your saved sign-in from the Keychain (error %1). Sign in again.</source>
        <translation>无法从钥匙串读取已保存的登录信息（错误 %1）。请重新登录。</translation>
    </message>
    <message>
        <source>Couldn&apos;t save your sign-in to the Keychain (error %1). Allow access when macOS asks, then sign in again.</source>
        <translation>无法将登录信息保存到钥匙串（错误 %1）。macOS 询问时请允许访问，然后重新登录。</translation>
    </message>
    <message>
        <source>Can&apos;t reach the login server. Check your connection and try again.</source>
        <translation>无法连接登录服务器。请检查网络连接后重试。</translation>
    </message>
    <message>
        <source>Can&apos;t reach the patch server. Check your connection and try again.</source>
        <translation>无法连接补丁服务器。请检查网络连接后重试。</translation>
    </message>
    <message>
        <source>The patch list has an unsafe file path (%1). Nothing was written. Report this to the Vantorel team.</source>
        <translation>补丁列表中有不安全的文件路径（%1）。未写入任何内容。请将此问题报告给 Vantorel 团队。</translation>
    </message>
    <message>
        <source>The patch list has a bad download URL for %1. Report this to the Vantorel team.</source>
        <translation>补丁列表中 %1 的下载 URL 无效。请将此问题报告给 Vantorel 团队。</translation>
    </message>
    <message>
        <source>%1 failed its checksum after download. Try again.</source>
        <translation>%1 下载后校验和不符。请重试。</translation>
    </message>
    <message>
        <source>The download server returned HTTP %1. Try again later.</source>
        <translation>下载服务器返回了 HTTP %1。请稍后重试。</translation>
    </message>
    <message>
        <source>There isn&apos;t enough free space for this update in %1: it needs %2 and %3 is free. Free up some space, then try again.</source>
        <translation>%1 的可用空间不足，无法进行此更新：需要 %2，可用 %3。请释放一些空间后重试。</translation>
    </message>
    <message>
        <source>Another update of this game folder is running. Try again when it has finished.</source>
        <translation>此游戏文件夹正在进行另一项更新。请等其完成后重试。</translation>
    </message>
    <message>
        <source>The patch list isn&apos;t signed. Nothing was written. Report this to the Vantorel team.</source>
        <translation>补丁列表未签名。未写入任何内容。请将此问题报告给 Vantorel 团队。</translation>
    </message>
    <message>
        <source>The patch list&apos;s signature isn&apos;t valid. Nothing was written. Report this to the Vantorel team.</source>
        <translation>补丁列表的签名无效。未写入任何内容。请将此问题报告给 Vantorel 团队。</translation>
    </message>
    <message>
        <source>The patch list has no version or expiry date. Nothing was written. Report this to the Vantorel team.</source>
        <translation>补丁列表缺少版本或到期日期。未写入任何内容。请将此问题报告给 Vantorel 团队。</translation>
    </message>
    <message>
        <source>The patch list expired on %1 UTC. Nothing was written. Report this to the Vantorel team.</source>
        <translation>补丁列表已于 %1 UTC 过期。未写入任何内容。请将此问题报告给 Vantorel 团队。</translation>
    </message>
    <message>
        <source>The patch list is older (version %1) than one this launcher already used (version %2). Nothing was written. Report this to the Vantorel team.</source>
        <translation>补丁列表（版本 %1）比此启动器已用过的列表（版本 %2）更旧。未写入任何内容。请将此问题报告给 Vantorel 团队。</translation>
    </message>
    <message>
        <source>The patch list doesn&apos;t name its channel. Nothing was written. Report this to the Vantorel team.</source>
        <translation>补丁列表未指明通道。未写入任何内容。请将此问题报告给 Vantorel 团队。</translation>
    </message>
    <message>
        <source>The patch list is for the &quot;%1&quot; channel, not &quot;%2&quot;. Nothing was written. Report this to the Vantorel team.</source>
        <translation>此补丁列表适用于“%1”通道，而不是“%2”通道。未写入任何内容。请将此问题报告给 Vantorel 团队。</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>发生意外错误。</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>退出登录</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>设置…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>游戏(&amp;G)</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>检查更新</translation>
    </message>
    <message>
        <source>Verify Game Files</source>
        <translation>验证游戏文件</translation>
    </message>
    <message>
        <source>Show Game Folder in Finder</source>
        <translation>在 Finder 中显示游戏文件夹</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Wrong email or password.</source>
        <translation>邮箱或密码错误。</translation>
    </message>
    <message>
        <source>That code didn&apos;t work. Check it and try again.</source>
        <translation>验证码无效。请检查后重试。</translation>
    </message>
    <message>
        <source>We sent a code to your email.</source>
        <translation>我们已向你的邮箱发送验证码。</translation>
    </message>
    <message>
        <source>Too many attempts. Try again in %1 seconds.</source>
        <translation>尝试次数过多。请在 %1 秒后重试。</translation>
    </message>
    <message>
        <source>The home feed isn&apos;t in the correct format (%1).</source>
        <translation>首页内容的格式不正确（%1）。</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format (%1).</source>
        <translation>数据格式不正确，无法读取（%1）。</translation>
    </message>
    <message>
        <source>The manifest couldn&apos;t be read because it isn&apos;t in the correct format (%1).</source>
        <translation>清单格式不正确，无法读取（%1）。</translation>
    </message>
    <message>
        <source>The chunk index isn&apos;t usable (%1).</source>
        <translation>分块索引不可用（%1）。</translation>
    </message>
    <message>
        <source>The URL &quot;%1&quot; is not supported.</source>
        <translation>不支持 URL“%1”。</translation>
    </message>
    <message>
        <source>The answer is larger than expected.</source>
        <translation>服务器响应超出预期大小。</translation>
    </message>
    <message>
        <source>The server took too long to answer.</source>
        <translation>服务器响应超时。</translation>
    </message>
    <message>
        <source>The download is larger than expected.</source>
        <translation>下载内容超出预期大小。</translation>
    </message>
    <message>
        <source>The server didn&apos;t send the part of the file that was asked for.</source>
        <translation>服务器未发送所请求的文件部分。</translation>
    </message>
    <message>
        <source>The part of the file that was asked for arrived cut short.</source>
        <translation>所请求的文件部分在传输中被截断。</translation>
    </message>
    <message>
        <source>Couldn&apos;t read &quot;%1&quot;: %2</source>
        <translation>无法读取“%1”：%2</translation>
    </message>
    <message>
        <source>Couldn&apos;t write the download: %1</source>
        <translation>无法写入下载内容：%1</translation>
    </message>
    <message>
        <source>Couldn&apos;t create a download file in %1: %2</source>
        <translation>无法在 %1 中创建下载文件：%2</translation>
    </message>
    <message>
        <source>Couldn&apos;t create the folder &quot;%1&quot;.</source>
        <translation>无法创建文件夹“%1”。</translation>
    </message>
    <message>
        <source>SHA-256 is not available.</source>
        <translation>SHA-256 不可用。</translation>
    </message>
</context>
<context>
    <name>Metainfo</name>
    <message>
        <source>Sign in, keep the game files up to date and read the news</source>
        <translation>登录、保持游戏文件最新并阅读新闻</translation>
    </message>
    <message>
        <source>The launcher of the Vantorel online game. Sign in with your e-mail, password and second factor, bring the game&apos;s files up to date from the patch server and read the latest news.</source>
        <translation>Vantorel 网络游戏的启动器。使用邮箱、密码和两步验证登录，从补丁服务器将游戏文件更新到最新版本，并阅读最新新闻。</translation>
    </message>
    <message>
        <source>Every file is checked by SHA-256 and replaced in one step, so an update never leaves a broken file</source>
        <translation>每个文件都经过 SHA-256 校验并一次性替换，更新绝不会留下损坏的文件</translation>
    </message>
    <message>
        <source>Cut downloads go on where they stopped, even after a restart</source>
        <translation>中断的下载会从停止处继续，即使重启后也一样</translation>
    </message>
    <message>
        <source>An optional download speed limit that applies to the whole launcher</source>
        <translation>可选的下载限速，作用于整个启动器</translation>
    </message>
    <message>
        <source>Signed patch lists: a tampered or outdated list is refused before anything is written</source>
        <translation>签名的补丁列表：被篡改或过期的列表会在写入任何内容之前被拒绝</translation>
    </message>
    <message>
        <source>Signing in</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>The home screen with the news and the game panel</source>
        <translation>包含新闻和游戏面板的主页</translation>
    </message>
</context>
<context>
    <name>NewsPane</name>
    <message>
        <source>Slide %1 of %2</source>
        <translation>第 %1 张，共 %2 张</translation>
    </message>
</context>
<context>
    <name>Notifications</name>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
</context>
<context>
    <name>PanelText</name>
    <message>
        <source>UPDATING</source>
        <translation>正在更新</translation>
    </message>
    <message>
        <source>GAME FILES</source>
        <translation>游戏文件</translation>
    </message>
    <message>
        <source>Not installed</source>
        <translation>未安装</translation>
    </message>
    <message>
        <source>%1 download</source>
        <translation>需下载 %1</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>安装</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>有可用更新</translation>
    </message>
    <message>
        <source>%1 files, %2</source>
        <translation>%1 个文件，%2</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Couldn&apos;t finish</source>
        <translation>未能完成</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>重试</translation>
    </message>
    <message>
        <source>Checking for updates</source>
        <translation>正在检查更新</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>正在检查</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>开始游戏</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>正在更新</translation>
    </message>
    <message>
        <source>Verifying files</source>
        <translation>正在验证文件</translation>
    </message>
    <message>
        <source>%1 of %2 files</source>
        <translation>%1/%2 个文件</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>正在下载</translation>
    </message>
    <message>
        <source>%1 of %2 · %3/s</source>
        <translation>%1/%2 · %3/s</translation>
    </message>
    <message>
        <source>Finishing</source>
        <translation>正在完成</translation>
    </message>
    <message>
        <source>Less than a minute left</source>
        <translation>剩余不到 1 分钟</translation>
    </message>
    <message>
        <source>About a minute left</source>
        <translation>剩余约 1 分钟</translation>
    </message>
    <message numerus="yes">
        <source>About %1 minutes left</source>
        <translation>
            <numerusform>剩余约 %1 分钟</numerusform>
        </translation>
    </message>
    <message>
        <source>About an hour left</source>
        <translation>剩余约 1 小时</translation>
    </message>
    <message numerus="yes">
        <source>About %1 hours left</source>
        <translation>
            <numerusform>剩余约 %1 小时</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 days left</source>
        <translation>
            <numerusform>剩余约 %1 天</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Game files</source>
        <translation>游戏文件</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Download limit</source>
        <translation>下载限速</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>不限速</translation>
    </message>
    <message>
        <source>Download limit in MB/s</source>
        <translation>下载限速（MB/s）</translation>
    </message>
    <message>
        <source>MB/s</source>
        <translation>MB/s</translation>
    </message>
    <message>
        <source>Update automatically</source>
        <translation>自动更新</translation>
    </message>
    <message>
        <source>Show in Finder</source>
        <translation>在 Finder 中显示</translation>
    </message>
    <message>
        <source>Verify Files</source>
        <translation>验证文件</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>账号</translation>
    </message>
    <message>
        <source>Signed in as</source>
        <translation>已登录账号</translation>
    </message>
    <message>
        <source>Log Out</source>
        <translation>退出登录</translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation>未登录</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Launcher</source>
        <translation>启动器</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>通道</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>跟随系统</translation>
    </message>
    <message>
        <source>Share game files on this network</source>
        <translation>在此网络上共享游戏文件</translation>
    </message>
    <message>
        <source>Upload limit</source>
        <translation>上传限制</translation>
    </message>
    <message>
        <source>Upload limit in MB/s</source>
        <translation>上传限制（MB/s）</translation>
    </message>
</context>
<context>
    <name>SignInView</name>
    <message>
        <source>Email</source>
        <translation>邮箱</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>Create an account</source>
        <translation>创建账号</translation>
    </message>
    <message>
        <source>Forgot password?</source>
        <translation>忘记密码？</translation>
    </message>
</context>
<context>
    <name>SleepInhibitor</name>
    <message>
        <source>Updating the game files</source>
        <translation>正在更新游戏文件</translation>
    </message>
</context>
<context>
    <name>Spinner</name>
    <message>
        <source>Loading</source>
        <translation>正在加载</translation>
    </message>
</context>
<context>
    <name>UnreachableView</name>
    <message>
        <source>Can&apos;t reach the login server</source>
        <translation>无法连接登录服务器</translation>
    </message>
    <message>
        <source>Check your connection and try again.</source>
        <translation>请检查网络连接后重试。</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>重试</translation>
    </message>
</context>
</TS>
