<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>CodeView</name>
    <message>
        <source>We sent a code to your email.</source>
        <translation>メールにコードを送信しました。</translation>
    </message>
    <message>
        <source>Open your authenticator app and enter the code for Vantorel.</source>
        <translation>認証アプリを開き、Vantorelのコードを入力してください。</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>コード</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Send a new code</source>
        <translation>コードを再送信</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Game Launcher</source>
        <translation>ゲームランチャー</translation>
    </message>
    <message>
        <source>Sign in, update the game files and read the news</source>
        <translation>ログイン、ゲームファイルの更新、ニュースの閲覧</translation>
    </message>
    <message>
        <source>Vantorel;game;launcher;update;patch;</source>
        <extracomment>Search words, each followed by a semicolon. Keep &quot;Vantorel&quot;.</extracomment>
        <translation>Vantorel;ゲーム;ランチャー;更新;アップデート;パッチ;</translation>
    </message>
</context>
<context>
    <name>DesktopIntegration</name>
    <message>
        <source>Couldn&apos;t finish</source>
        <translation>完了できませんでした</translation>
    </message>
    <message>
        <source>Update finished</source>
        <translation>更新が完了しました</translation>
    </message>
    <message>
        <source>The game is up to date.</source>
        <translation>ゲームは最新の状態です。</translation>
    </message>
</context>
<context>
    <name>FileSize</name>
    <message>
        <source>1 byte</source>
        <translation>1バイト</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1バイト</translation>
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
        <translation>ゲームのオプション</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>最新の状態</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>更新を確認</translation>
    </message>
    <message>
        <source>Scan and Repair</source>
        <translation>スキャンして修復</translation>
    </message>
    <message>
        <source>Reveal in Finder</source>
        <translation>Finderで表示</translation>
    </message>
    <message>
        <source>The game doesn&apos;t run on macOS yet. This launcher only updates files.</source>
        <translation>このゲームはまだmacOSでは動作しません。このランチャーはファイルの更新のみ行います。</translation>
    </message>
    <message>
        <source>Launcher %1</source>
        <translation>ランチャー %1</translation>
    </message>
</context>
<context>
    <name>HomeView</name>
    <message>
        <source>Account</source>
        <translation>アカウント</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>ウェブサイト</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>サポート</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>設定…</translation>
    </message>
    <message>
        <source>Log Out</source>
        <translation>ログアウト</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
</context>
<context>
    <name>LauncherError</name>
    <message>
        <source>Couldn&apos;t send the email code. Try again in a minute.</source>
        <translation>メールでコードを送信できませんでした。1分後にもう一度お試しください。</translation>
    </message>
    <message>
        <source>Couldn&apos;t read your saved sign-in from the Keychain (error %1). Sign in again.</source>
        <translation>保存されたログイン情報をキーチェーンから読み込めませんでした（エラー %1）。もう一度ログインしてください。</translation>
    </message>
    <message>
        <source>Couldn&apos;t save your sign-in to the Keychain (error %1). Allow access when macOS asks, then sign in again.</source>
        <translation>ログイン情報をキーチェーンに保存できませんでした（エラー %1）。macOSから確認されたらアクセスを許可し、もう一度ログインしてください。</translation>
    </message>
    <message>
        <source>Can&apos;t reach the login server. Check your connection and try again.</source>
        <translation>ログインサーバーに接続できません。接続を確認して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Can&apos;t reach the patch server. Check your connection and try again.</source>
        <translation>パッチサーバーに接続できません。接続を確認して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>The patch list has an unsafe file path (%1). Nothing was written. Report this to the Vantorel team.</source>
        <translation>パッチリストに安全でないファイルパスがあります（%1）。何も書き込まれていません。Vantorelチームに報告してください。</translation>
    </message>
    <message>
        <source>The patch list has a bad download URL for %1. Report this to the Vantorel team.</source>
        <translation>パッチリストにある%1のダウンロードURLが正しくありません。Vantorelチームに報告してください。</translation>
    </message>
    <message>
        <source>%1 failed its checksum after download. Try again.</source>
        <translation>ダウンロードした%1のチェックサムが一致しません。もう一度お試しください。</translation>
    </message>
    <message>
        <source>The download server returned HTTP %1. Try again later.</source>
        <translation>ダウンロードサーバーがHTTP %1を返しました。しばらくしてから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>There isn&apos;t enough free space for this update in %1: it needs %2 and %3 is free. Free up some space, then try again.</source>
        <translation>%1にこの更新のための空き容量が足りません（必要: %2、空き: %3）。空き容量を増やしてから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Another update of this game folder is running. Try again when it has finished.</source>
        <translation>このゲームフォルダーで別の更新が実行中です。完了してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>The patch list isn&apos;t signed. Nothing was written. Report this to the Vantorel team.</source>
        <translation>パッチリストに署名がありません。何も書き込まれていません。Vantorelチームに報告してください。</translation>
    </message>
    <message>
        <source>The patch list&apos;s signature isn&apos;t valid. Nothing was written. Report this to the Vantorel team.</source>
        <translation>パッチリストの署名が無効です。何も書き込まれていません。Vantorelチームに報告してください。</translation>
    </message>
    <message>
        <source>The patch list has no version or expiry date. Nothing was written. Report this to the Vantorel team.</source>
        <translation>パッチリストにバージョンまたは有効期限がありません。何も書き込まれていません。Vantorelチームに報告してください。</translation>
    </message>
    <message>
        <source>The patch list expired on %1 UTC. Nothing was written. Report this to the Vantorel team.</source>
        <translation>パッチリストの有効期限は%1 UTCに切れています。何も書き込まれていません。Vantorelチームに報告してください。</translation>
    </message>
    <message>
        <source>The patch list is older (version %1) than one this launcher already used (version %2). Nothing was written. Report this to the Vantorel team.</source>
        <translation>パッチリスト（バージョン %1）が、このランチャーで使用済みのもの（バージョン %2）より古いです。何も書き込まれていません。Vantorelチームに報告してください。</translation>
    </message>
    <message>
        <source>The patch list doesn&apos;t name its channel. Nothing was written. Report this to the Vantorel team.</source>
        <translation>パッチリストにチャンネルの指定がありません。何も書き込まれていません。Vantorelチームに報告してください。</translation>
    </message>
    <message>
        <source>The patch list is for the &quot;%1&quot; channel, not &quot;%2&quot;. Nothing was written. Report this to the Vantorel team.</source>
        <translation>このパッチリストは「%2」ではなく「%1」チャンネル用です。何も書き込まれていません。Vantorelチームに報告してください。</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>予期しないエラーが発生しました。</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>ログアウト</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>設定…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>ゲーム(&amp;G)</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>更新を確認</translation>
    </message>
    <message>
        <source>Verify Game Files</source>
        <translation>ゲームファイルを検証</translation>
    </message>
    <message>
        <source>Show Game Folder in Finder</source>
        <translation>ゲームフォルダーをFinderで表示</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Wrong email or password.</source>
        <translation>メールアドレスまたはパスワードが正しくありません。</translation>
    </message>
    <message>
        <source>That code didn&apos;t work. Check it and try again.</source>
        <translation>コードが正しくありません。確認して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>We sent a code to your email.</source>
        <translation>メールにコードを送信しました。</translation>
    </message>
    <message>
        <source>Too many attempts. Try again in %1 seconds.</source>
        <translation>試行回数が多すぎます。%1秒後にもう一度お試しください。</translation>
    </message>
    <message>
        <source>The home feed isn&apos;t in the correct format (%1).</source>
        <translation>ホームフィードの形式が正しくありません（%1）。</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format (%1).</source>
        <translation>データの形式が正しくないため、読み込めませんでした（%1）。</translation>
    </message>
    <message>
        <source>The manifest couldn&apos;t be read because it isn&apos;t in the correct format (%1).</source>
        <translation>マニフェストの形式が正しくないため、読み込めませんでした（%1）。</translation>
    </message>
    <message>
        <source>The chunk index isn&apos;t usable (%1).</source>
        <translation>チャンクインデックスを使用できません（%1）。</translation>
    </message>
    <message>
        <source>The URL &quot;%1&quot; is not supported.</source>
        <translation>URL「%1」には対応していません。</translation>
    </message>
    <message>
        <source>The answer is larger than expected.</source>
        <translation>サーバーの応答が想定より大きすぎます。</translation>
    </message>
    <message>
        <source>The server took too long to answer.</source>
        <translation>サーバーの応答に時間がかかりすぎました。</translation>
    </message>
    <message>
        <source>The download is larger than expected.</source>
        <translation>ダウンロードが想定より大きすぎます。</translation>
    </message>
    <message>
        <source>The server didn&apos;t send the part of the file that was asked for.</source>
        <translation>要求したファイルの部分をサーバーが送信しませんでした。</translation>
    </message>
    <message>
        <source>The part of the file that was asked for arrived cut short.</source>
        <translation>要求したファイルの部分が途中で途切れました。</translation>
    </message>
    <message>
        <source>Couldn&apos;t read &quot;%1&quot;: %2</source>
        <translation>「%1」を読み込めませんでした: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t write the download: %1</source>
        <translation>ダウンロードを書き込めませんでした: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t create a download file in %1: %2</source>
        <translation>%1にダウンロードファイルを作成できませんでした: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t create the folder &quot;%1&quot;.</source>
        <translation>フォルダー「%1」を作成できませんでした。</translation>
    </message>
    <message>
        <source>SHA-256 is not available.</source>
        <translation>SHA-256を利用できません。</translation>
    </message>
</context>
<context>
    <name>Metainfo</name>
    <message>
        <source>Sign in, keep the game files up to date and read the news</source>
        <translation>ログインしてゲームファイルを最新に保ち、ニュースを読めます</translation>
    </message>
    <message>
        <source>The launcher of the Vantorel online game. Sign in with your e-mail, password and second factor, bring the game&apos;s files up to date from the patch server and read the latest news.</source>
        <translation>オンラインゲームVantorelのランチャーです。メールアドレス、パスワード、2段階認証でログインし、パッチサーバーからゲームファイルを最新の状態に更新して、最新のニュースを読めます。</translation>
    </message>
    <message>
        <source>Every file is checked by SHA-256 and replaced in one step, so an update never leaves a broken file</source>
        <translation>すべてのファイルをSHA-256で検証して一度に置き換えるため、更新でファイルが壊れることはありません</translation>
    </message>
    <message>
        <source>Cut downloads go on where they stopped, even after a restart</source>
        <translation>中断したダウンロードは、再起動した後でも続きから再開します</translation>
    </message>
    <message>
        <source>An optional download speed limit that applies to the whole launcher</source>
        <translation>ランチャー全体に適用される、オプションのダウンロード速度制限</translation>
    </message>
    <message>
        <source>Signed patch lists: a tampered or outdated list is refused before anything is written</source>
        <translation>署名付きパッチリスト: 改ざんされたリストや古いリストは、何かを書き込む前に拒否します</translation>
    </message>
    <message>
        <source>Signing in</source>
        <translation>ログイン</translation>
    </message>
    <message>
        <source>The home screen with the news and the game panel</source>
        <translation>ニュースとゲームパネルのあるホーム画面</translation>
    </message>
</context>
<context>
    <name>NewsPane</name>
    <message>
        <source>Slide %1 of %2</source>
        <translation>スライド %1/%2</translation>
    </message>
</context>
<context>
    <name>Notifications</name>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
</context>
<context>
    <name>PanelText</name>
    <message>
        <source>UPDATING</source>
        <translation>更新中</translation>
    </message>
    <message>
        <source>GAME FILES</source>
        <translation>ゲームファイル</translation>
    </message>
    <message>
        <source>Not installed</source>
        <translation>未インストール</translation>
    </message>
    <message>
        <source>%1 download</source>
        <translation>ダウンロード: %1</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>インストール</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>更新があります</translation>
    </message>
    <message>
        <source>%1 files, %2</source>
        <translation>%1個のファイル、%2</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Couldn&apos;t finish</source>
        <translation>完了できませんでした</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>再試行</translation>
    </message>
    <message>
        <source>Checking for updates</source>
        <translation>更新を確認中</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>確認中</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>プレイ</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>更新中</translation>
    </message>
    <message>
        <source>Verifying files</source>
        <translation>ファイルを検証中</translation>
    </message>
    <message>
        <source>%1 of %2 files</source>
        <translation>ファイル %1/%2</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>ダウンロード中</translation>
    </message>
    <message>
        <source>%1 of %2 · %3/s</source>
        <translation>%1/%2 · %3/s</translation>
    </message>
    <message>
        <source>Finishing</source>
        <translation>完了処理中</translation>
    </message>
    <message>
        <source>Less than a minute left</source>
        <translation>残り1分未満</translation>
    </message>
    <message>
        <source>About a minute left</source>
        <translation>残り約1分</translation>
    </message>
    <message numerus="yes">
        <source>About %1 minutes left</source>
        <translation>
            <numerusform>残り約%1分</numerusform>
        </translation>
    </message>
    <message>
        <source>About an hour left</source>
        <translation>残り約1時間</translation>
    </message>
    <message numerus="yes">
        <source>About %1 hours left</source>
        <translation>
            <numerusform>残り約%1時間</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 days left</source>
        <translation>
            <numerusform>残り約%1日</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Game files</source>
        <translation>ゲームファイル</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>場所</translation>
    </message>
    <message>
        <source>Download limit</source>
        <translation>ダウンロード制限</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>制限なし</translation>
    </message>
    <message>
        <source>Download limit in MB/s</source>
        <translation>ダウンロード制限（MB/s）</translation>
    </message>
    <message>
        <source>MB/s</source>
        <translation>MB/s</translation>
    </message>
    <message>
        <source>Update automatically</source>
        <translation>自動的に更新</translation>
    </message>
    <message>
        <source>Show in Finder</source>
        <translation>Finderで表示</translation>
    </message>
    <message>
        <source>Verify Files</source>
        <translation>ファイルを検証</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>アカウント</translation>
    </message>
    <message>
        <source>Signed in as</source>
        <translation>ログイン中</translation>
    </message>
    <message>
        <source>Log Out</source>
        <translation>ログアウト</translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation>ログインしていません</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Launcher</source>
        <translation>ランチャー</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>チャンネル</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>システムの既定</translation>
    </message>
    <message>
        <source>Share game files on this network</source>
        <translation>このネットワークでゲームファイルを共有</translation>
    </message>
    <message>
        <source>Upload limit</source>
        <translation>アップロード制限</translation>
    </message>
    <message>
        <source>Upload limit in MB/s</source>
        <translation>アップロード制限 (MB/s)</translation>
    </message>
</context>
<context>
    <name>SignInView</name>
    <message>
        <source>Email</source>
        <translation>メールアドレス</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>ログイン</translation>
    </message>
    <message>
        <source>Create an account</source>
        <translation>アカウントを作成</translation>
    </message>
    <message>
        <source>Forgot password?</source>
        <translation>パスワードをお忘れですか？</translation>
    </message>
</context>
<context>
    <name>SleepInhibitor</name>
    <message>
        <source>Updating the game files</source>
        <translation>ゲームファイルを更新中</translation>
    </message>
</context>
<context>
    <name>Spinner</name>
    <message>
        <source>Loading</source>
        <translation>読み込み中</translation>
    </message>
</context>
<context>
    <name>UnreachableView</name>
    <message>
        <source>Can&apos;t reach the login server</source>
        <translation>ログインサーバーに接続できません</translation>
    </message>
    <message>
        <source>Check your connection and try again.</source>
        <translation>接続を確認して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>再試行</translation>
    </message>
</context>
</TS>
