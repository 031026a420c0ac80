<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en">
<context>
    <name>CodeView</name>
    <message>
        <source>We sent a code to your email.</source>
        <translation>이메일로 코드를 보냈습니다.</translation>
    </message>
    <message>
        <source>Open your authenticator app and enter the code for Vantorel.</source>
        <translation>인증 앱을 열고 Vantorel 코드를 입력하세요.</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>코드</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Send a new code</source>
        <translation>새 코드 보내기</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Game Launcher</source>
        <translation>게임 런처</translation>
    </message>
    <message>
        <source>Sign in, update the game files and read the news</source>
        <translation>로그인, 게임 파일 업데이트, 뉴스 확인</translation>
    </message>
    <message>
        <source>Vantorel;game;launcher;update;patch;</source>
        <extracomment>Search words, each followed by a semicolon. Keep &quot;Vantorel&quot;.</extracomment>
        <translation>Vantorel;게임;런처;업데이트;패치;</translation>
    </message>
</context>
<context>
    <name>DesktopIntegration</name>
    <message>
        <source>Couldn&apos;t finish</source>
        <translation>완료하지 못했습니다</translation>
    </message>
    <message>
        <source>Update finished</source>
        <translation>업데이트 완료</translation>
    </message>
    <message>
        <source>The game is up to date.</source>
        <translation>게임이 최신 상태입니다.</translation>
    </message>
</context>
<context>
    <name>FileSize</name>
    <message>
        <source>1 byte</source>
        <translation>1바이트</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1바이트</translation>
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
        <translation>게임 옵션</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>최신 상태</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>업데이트 확인</translation>
    </message>
    <message>
        <source>Scan and Repair</source>
        <translation>검사 및 복구</translation>
    </message>
    <message>
        <source>Reveal in Finder</source>
        <translation>Finder에서 보기</translation>
    </message>
    <message>
        <source>The game doesn&apos;t run on macOS yet. This launcher only updates files.</source>
        <translation>이 게임은 아직 macOS에서 실행되지 않습니다. 이 런처는 파일 업데이트만 합니다.</translation>
    </message>
    <message>
        <source>Launcher %1</source>
        <translation>런처 %1</translation>
    </message>
</context>
<context>
    <name>HomeView</name>
    <message>
        <source>Account</source>
        <translation>계정</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>웹사이트</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>고객 지원</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>설정…</translation>
    </message>
    <message>
        <source>Log Out</source>
        <translation>로그아웃</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>종료</translation>
    </message>
</context>
<context>
    <name>LauncherError</name>
    <message>
        <source>Couldn&apos;t send the email code. Try again in a minute.</source>
        <translation>이메일 코드를 보내지 못했습니다. 1분 후에 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read your saved sign-in from the Keychain (error %1). Sign in again.</source>
        <translation>저장된 로그인 정보를 키체인에서 읽지 못했습니다(오류 %1). 다시 로그인하세요.</translation>
    </message>
    <message>
        <source>Couldn&apos;t save your sign-in to the Keychain (error %1). Allow access when macOS asks, then sign in again.</source>
        <translation>로그인 정보를 키체인에 저장하지 못했습니다(오류 %1). macOS에서 요청하면 접근을 허용한 다음 다시 로그인하세요.</translation>
    </message>
    <message>
        <source>Can&apos;t reach the login server. Check your connection and try again.</source>
        <translation>로그인 서버에 연결할 수 없습니다. 연결 상태를 확인하고 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Can&apos;t reach the patch server. Check your connection and try again.</source>
        <translation>패치 서버에 연결할 수 없습니다. 연결 상태를 확인하고 다시 시도하세요.</translation>
    </message>
    <message>
        <source>The patch list has an unsafe file path (%1). Nothing was written. Report this to the Vantorel team.</source>
        <translation>패치 목록에 안전하지 않은 파일 경로가 있습니다(%1). 아무것도 쓰지 않았습니다. Vantorel 팀에 알려 주세요.</translation>
    </message>
    <message>
        <source>The patch list has a bad download URL for %1. Report this to the Vantorel team.</source>
        <translation>패치 목록에 있는 %1의 다운로드 URL이 잘못되었습니다. Vantorel 팀에 알려 주세요.</translation>
    </message>
    <message>
        <source>%1 failed its checksum after download. Try again.</source>
        <translation>다운로드한 %1의 체크섬이 일치하지 않습니다. 다시 시도하세요.</translation>
    </message>
    <message>
        <source>The download server returned HTTP %1. Try again later.</source>
        <translation>다운로드 서버에서 HTTP %1 응답을 받았습니다. 나중에 다시 시도하세요.</translation>
    </message>
    <message>
        <source>There isn&apos;t enough free space for this update in %1: it needs %2 and %3 is free. Free up some space, then try again.</source>
        <translation>%1에 이 업데이트를 위한 여유 공간이 부족합니다(필요: %2, 여유: %3). 공간을 확보한 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Another update of this game folder is running. Try again when it has finished.</source>
        <translation>이 게임 폴더의 다른 업데이트가 진행 중입니다. 완료된 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>The patch list isn&apos;t signed. Nothing was written. Report this to the Vantorel team.</source>
        <translation>패치 목록에 서명이 없습니다. 아무것도 쓰지 않았습니다. Vantorel 팀에 알려 주세요.</translation>
    </message>
    <message>
        <source>The patch list&apos;s signature isn&apos;t valid. Nothing was written. Report this to the Vantorel team.</source>
        <translation>패치 목록의 서명이 올바르지 않습니다. 아무것도 쓰지 않았습니다. Vantorel 팀에 알려 주세요.</translation>
    </message>
    <message>
        <source>The patch list has no version or expiry date. Nothing was written. Report this to the Vantorel team.</source>
        <translation>패치 목록에 버전이나 만료 날짜가 없습니다. 아무것도 쓰지 않았습니다. Vantorel 팀에 알려 주세요.</translation>
    </message>
    <message>
        <source>The patch list expired on %1 UTC. Nothing was written. Report this to the Vantorel team.</source>
        <translation>패치 목록이 %1 UTC에 만료되었습니다. 아무것도 쓰지 않았습니다. Vantorel 팀에 알려 주세요.</translation>
    </message>
    <message>
        <source>The patch list is older (version %1) than one this launcher already used (version %2). Nothing was written. Report this to the Vantorel team.</source>
        <translation>패치 목록(버전 %1)이 이 런처가 이미 사용한 목록(버전 %2)보다 오래되었습니다. 아무것도 쓰지 않았습니다. Vantorel 팀에 알려 주세요.</translation>
    </message>
    <message>
        <source>The patch list doesn&apos;t name its channel. Nothing was written. Report this to the Vantorel team.</source>
        <translation>패치 목록에 채널이 지정되어 있지 않습니다. 아무것도 쓰지 않았습니다. Vantorel 팀에 알려 주세요.</translation>
    </message>
    <message>
        <source>The patch list is for the &quot;%1&quot; channel, not &quot;%2&quot;. Nothing was written. Report this to the Vantorel team.</source>
        <translation>이 패치 목록은 &quot;%2&quot; 채널이 아닌 &quot;%1&quot; 채널용입니다. 아무것도 쓰지 않았습니다. Vantorel 팀에 알려 주세요.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>예기치 않은 오류가 발생했습니다.</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>&amp;File</source>
        <translation>파일(&amp;F)</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>로그아웃</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>설정…</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>게임(&amp;G)</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>업데이트 확인</translation>
    </message>
    <message>
        <source>Verify Game Files</source>
        <translation>게임 파일 검사</translation>
    </message>
    <message>
        <source>Show Game Folder in Finder</source>
        <translation>Finder에서 게임 폴더 보기</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Wrong email or password.</source>
        <translation>이메일 또는 비밀번호가 잘못되었습니다.</translation>
    </message>
    <message>
        <source>That code didn&apos;t work. Check it and try again.</source>
        <translation>코드가 올바르지 않습니다. 확인 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>We sent a code to your email.</source>
        <translation>이메일로 코드를 보냈습니다.</translation>
    </message>
    <message>
        <source>Too many attempts. Try again in %1 seconds.</source>
        <translation>시도 횟수가 너무 많습니다. %1초 후에 다시 시도하세요.</translation>
    </message>
    <message>
        <source>The home feed isn&apos;t in the correct format (%1).</source>
        <translation>홈 피드의 형식이 올바르지 않습니다(%1).</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format (%1).</source>
        <translation>데이터 형식이 올바르지 않아 읽을 수 없습니다(%1).</translation>
    </message>
    <message>
        <source>The manifest couldn&apos;t be read because it isn&apos;t in the correct format (%1).</source>
        <translation>매니페스트 형식이 올바르지 않아 읽을 수 없습니다(%1).</translation>
    </message>
    <message>
        <source>The chunk index isn&apos;t usable (%1).</source>
        <translation>청크 인덱스를 사용할 수 없습니다(%1).</translation>
    </message>
    <message>
        <source>The URL &quot;%1&quot; is not supported.</source>
        <translation>지원되지 않는 URL입니다: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The answer is larger than expected.</source>
        <translation>서버 응답이 예상보다 큽니다.</translation>
    </message>
    <message>
        <source>The server took too long to answer.</source>
        <translation>서버 응답 시간이 초과되었습니다.</translation>
    </message>
    <message>
        <source>The download is larger than expected.</source>
        <translation>다운로드가 예상보다 큽니다.</translation>
    </message>
    <message>
        <source>The server didn&apos;t send the part of the file that was asked for.</source>
        <translation>서버가 요청한 파일 부분을 보내지 않았습니다.</translation>
    </message>
    <message>
        <source>The part of the file that was asked for arrived cut short.</source>
        <translation>요청한 파일 부분이 중간에 끊겼습니다.</translation>
    </message>
    <message>
        <source>Couldn&apos;t read &quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot; 파일을 읽지 못했습니다: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t write the download: %1</source>
        <translation>다운로드한 파일을 쓰지 못했습니다: %1</translation>
    </message>
    <message>
        <source>Couldn&apos;t create a download file in %1: %2</source>
        <translation>%1에 다운로드 파일을 만들지 못했습니다: %2</translation>
    </message>
    <message>
        <source>Couldn&apos;t create the folder &quot;%1&quot;.</source>
        <translation>&quot;%1&quot; 폴더를 만들지 못했습니다.</translation>
    </message>
    <message>
        <source>SHA-256 is not available.</source>
        <translation>SHA-256을 사용할 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>Metainfo</name>
    <message>
        <source>Sign in, keep the game files up to date and read the news</source>
        <translation>로그인, 게임 파일 최신 상태 유지, 뉴스 확인</translation>
    </message>
    <message>
        <source>The launcher of the Vantorel online game. Sign in with your e-mail, password and second factor, bring the game&apos;s files up to date from the patch server and read the latest news.</source>
        <translation>Vantorel 온라인 게임의 런처입니다. 이메일, 비밀번호, 2단계 인증으로 로그인하고, 패치 서버에서 게임 파일을 최신 상태로 업데이트하고, 최신 뉴스를 확인할 수 있습니다.</translation>
    </message>
    <message>
        <source>Every file is checked by SHA-256 and replaced in one step, so an update never leaves a broken file</source>
        <translation>모든 파일을 SHA-256으로 검사하고 한 번에 교체하므로 업데이트 후 손상된 파일이 남지 않습니다</translation>
    </message>
    <message>
        <source>Cut downloads go on where they stopped, even after a restart</source>
        <translation>중단된 다운로드는 다시 시작한 후에도 멈춘 곳부터 이어서 받습니다</translation>
    </message>
    <message>
        <source>An optional download speed limit that applies to the whole launcher</source>
        <translation>런처 전체에 적용되는 선택적 다운로드 속도 제한</translation>
    </message>
    <message>
        <source>Signed patch lists: a tampered or outdated list is refused before anything is written</source>
        <translation>서명된 패치 목록: 변조되었거나 오래된 목록은 아무것도 쓰기 전에 거부합니다</translation>
    </message>
    <message>
        <source>Signing in</source>
        <translation>로그인</translation>
    </message>
    <message>
        <source>The home screen with the news and the game panel</source>
        <translation>뉴스와 게임 패널이 있는 홈 화면</translation>
    </message>
</context>
<context>
    <name>NewsPane</name>
    <message>
        <source>Slide %1 of %2</source>
        <translation>슬라이드 %1/%2</translation>
    </message>
</context>
<context>
    <name>Notifications</name>
    <message>
        <source>Open</source>
        <translation>열기</translation>
    </message>
</context>
<context>
    <name>PanelText</name>
    <message>
        <source>UPDATING</source>
        <translation>업데이트 중</translation>
    </message>
    <message>
        <source>GAME FILES</source>
        <translation>게임 파일</translation>
    </message>
    <message>
        <source>Not installed</source>
        <translation>설치되지 않음</translation>
    </message>
    <message>
        <source>%1 download</source>
        <translation>다운로드: %1</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>설치</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>업데이트 가능</translation>
    </message>
    <message>
        <source>%1 files, %2</source>
        <translation>파일 %1개, %2</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>업데이트</translation>
    </message>
    <message>
        <source>Couldn&apos;t finish</source>
        <translation>완료하지 못했습니다</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>다시 시도</translation>
    </message>
    <message>
        <source>Checking for updates</source>
        <translation>업데이트 확인 중</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>확인 중</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>플레이</translation>
    </message>
    <message>
        <source>Updating</source>
        <translation>업데이트 중</translation>
    </message>
    <message>
        <source>Verifying files</source>
        <translation>파일 검사 중</translation>
    </message>
    <message>
        <source>%1 of %2 files</source>
        <translation>파일 %1/%2</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>다운로드 중</translation>
    </message>
    <message>
        <source>%1 of %2 · %3/s</source>
        <translation>%1/%2 · %3/s</translation>
    </message>
    <message>
        <source>Finishing</source>
        <translation>마무리 중</translation>
    </message>
    <message>
        <source>Less than a minute left</source>
        <translation>1분 미만 남음</translation>
    </message>
    <message>
        <source>About a minute left</source>
        <translation>약 1분 남음</translation>
    </message>
    <message numerus="yes">
        <source>About %1 minutes left</source>
        <translation>
            <numerusform>약 %1분 남음</numerusform>
        </translation>
    </message>
    <message>
        <source>About an hour left</source>
        <translation>약 1시간 남음</translation>
    </message>
    <message numerus="yes">
        <source>About %1 hours left</source>
        <translation>
            <numerusform>약 %1시간 남음</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 days left</source>
        <translation>
            <numerusform>약 %1일 남음</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Game files</source>
        <translation>게임 파일</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>위치</translation>
    </message>
    <message>
        <source>Download limit</source>
        <translation>다운로드 제한</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>제한 없음</translation>
    </message>
    <message>
        <source>Download limit in MB/s</source>
        <translation>다운로드 제한(MB/s)</translation>
    </message>
    <message>
        <source>MB/s</source>
        <translation>MB/s</translation>
    </message>
    <message>
        <source>Update automatically</source>
        <translation>자동으로 업데이트</translation>
    </message>
    <message>
        <source>Show in Finder</source>
        <translation>Finder에서 보기</translation>
    </message>
    <message>
        <source>Verify Files</source>
        <translation>파일 검사</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>계정</translation>
    </message>
    <message>
        <source>Signed in as</source>
        <translation>로그인 계정</translation>
    </message>
    <message>
        <source>Log Out</source>
        <translation>로그아웃</translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation>로그인하지 않음</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Launcher</source>
        <translation>런처</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>채널</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>시스템 기본값</translation>
    </message>
    <message>
        <source>Share game files on this network</source>
        <translation>이 네트워크에서 게임 파일 공유</translation>
    </message>
    <message>
        <source>Upload limit</source>
        <translation>업로드 제한</translation>
    </message>
    <message>
        <source>Upload limit in MB/s</source>
        <translation>업로드 제한(MB/s)</translation>
    </message>
</context>
<context>
    <name>SignInView</name>
    <message>
        <source>Email</source>
        <translation>이메일</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>비밀번호</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>로그인</translation>
    </message>
    <message>
        <source>Create an account</source>
        <translation>계정 만들기</translation>
    </message>
    <message>
        <source>Forgot password?</source>
        <translation>비밀번호를 잊으셨나요?</translation>
    </message>
</context>
<context>
    <name>SleepInhibitor</name>
    <message>
        <source>Updating the game files</source>
        <translation>게임 파일 업데이트 중</translation>
    </message>
</context>
<context>
    <name>Spinner</name>
    <message>
        <source>Loading</source>
        <translation>불러오는 중</translation>
    </message>
</context>
<context>
    <name>UnreachableView</name>
    <message>
        <source>Can&apos;t reach the login server</source>
        <translation>로그인 서버에 연결할 수 없습니다</translation>
    </message>
    <message>
        <source>Check your connection and try again.</source>
        <translation>연결 상태를 확인하고 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>다시 시도</translation>
    </message>
</context>
</TS>
