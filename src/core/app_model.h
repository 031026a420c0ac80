#pragma once
#include "auth/auth_client.h"
#include "auth/session.h"
#include "config/launcher_config.h"
#include "core/states.h"
#include "patch/patcher.h"
#include "support/message_text.h"
#include "support/origins.h"

#include <QHash>
#include <QImage>
#include <QSize>
#include <QMutex>
#include <QObject>
#include <QTimer>
#include <QVariant>
#include <QCoro/QCoroTask>
#include <optional>

class LanShare;

// The one observable application model: everything the window shows, and the flows that change it.
// All state lives on the main thread; operations are coroutines that suspend on network and file work.
class AppModel : public QObject {
    Q_OBJECT
    Q_PROPERTY(int screen READ screenKind NOTIFY screenChanged)
    Q_PROPERTY(QString mfaMethod READ mfaMethod NOTIFY screenChanged)
    Q_PROPERTY(bool signedIn READ signedIn NOTIFY sessionChanged)
    Q_PROPERTY(QString username READ username NOTIFY sessionChanged)
    Q_PROPERTY(int install READ installKind NOTIFY installChanged)
    Q_PROPERTY(qint64 installFiles READ installFiles NOTIFY installChanged)
    Q_PROPERTY(qint64 installBytes READ installBytes NOTIFY installChanged)
    Q_PROPERTY(QString installMessage READ installMessage NOTIFY installChanged)
    Q_PROPERTY(int phase READ phaseKind NOTIFY phaseChanged)
    Q_PROPERTY(qint64 phaseDone READ phaseDone NOTIFY phaseChanged)
    Q_PROPERTY(qint64 phaseTotal READ phaseTotal NOTIFY phaseChanged)
    Q_PROPERTY(double phasePerSecond READ phasePerSecond NOTIFY phaseChanged)
    Q_PROPERTY(bool hasNotice READ hasNotice NOTIFY noticeChanged)
    Q_PROPERTY(QString notice READ noticeText NOTIFY noticeChanged)
    Q_PROPERTY(bool busy READ busy NOTIFY busyChanged)
    Q_PROPERTY(int slideCount READ slideCount NOTIFY slidesChanged)
    Q_PROPERTY(qint64 slideIndex READ slideIndex WRITE setSlideIndex NOTIFY slideIndexChanged)
    Q_PROPERTY(QVariantMap currentSlide READ currentSlideMap NOTIFY currentSlideChanged)
    Q_PROPERTY(int imagesRevision READ imagesRevision NOTIFY imagesChanged)
    Q_PROPERTY(QSize pictureSize READ pictureSize WRITE setPictureSize NOTIFY pictureSizeChanged)
    Q_PROPERTY(QVariantMap panel READ panel NOTIFY panelChanged)
    Q_PROPERTY(QString installPath READ installPath CONSTANT)
    Q_PROPERTY(QString channel READ channel CONSTANT)
    Q_PROPERTY(QString webOrigin READ webOrigin CONSTANT)
    Q_PROPERTY(QString launcherVersion READ launcherVersionText CONSTANT)
    Q_PROPERTY(QString downloadLimit READ downloadLimitText NOTIFY downloadLimitChanged)
    Q_PROPERTY(bool automaticUpdates READ automaticUpdates WRITE setAutomaticUpdates NOTIFY automaticUpdatesChanged)
    Q_PROPERTY(bool shareOnNetwork READ shareOnNetwork WRITE setShareOnNetwork NOTIFY shareOnNetworkChanged)
    Q_PROPERTY(QString uploadLimit READ uploadLimitText NOTIFY uploadLimitChanged)
    Q_PROPERTY(QString language READ language WRITE setLanguage NOTIFY languageChanged)
    Q_PROPERTY(QVariantList languages READ languages CONSTANT)

public:
    enum ScreenKind { Starting = Screen::Starting, Login = Screen::Login, Mfa = Screen::Mfa, Main = Screen::Main,
                      Unreachable = Screen::Unreachable };
    Q_ENUM(ScreenKind)
    enum InstallKind { NotInstalled = InstallState::NotInstalled, UpdateAvailable = InstallState::UpdateAvailable,
                       Failed = InstallState::Failed, Checking = InstallState::Checking, Ready = InstallState::Ready,
                       Working = InstallState::Working };
    Q_ENUM(InstallKind)
    enum PhaseKind { NoPhase = -1, Verifying = PatchPhase::Verifying, Downloading = PatchPhase::Downloading,
                     Finishing = PatchPhase::Finishing };
    Q_ENUM(PhaseKind)

    explicit AppModel(LauncherConfig config, Origins origins = Origins::compiledIn(), QObject *parent = nullptr);
    ~AppModel() override;

    // Fields.
    const LauncherConfig &config() const { return m_config; }
    const std::optional<Session> &session() const { return m_session; }
    const Screen &screen() const { return m_screen; }
    const InstallState &install() const { return m_install; }
    const std::optional<PatchPhase> &phase() const { return m_phase; }
    const std::optional<QString> &notice() const { return m_notice; }
    bool busy() const { return m_busy; }
    const QList<HeroSlide> &slides() const { return m_slides; }
    qint64 slideIndex() const { return m_slideIndex; }
    const QHash<QString, QImage> &images() const { return m_images; }
    // The feed is unsigned and names any picture: no more slides than this are shown, and each
    // picture is kept at no more than its share of the pictures' memory.
    static constexpr qsizetype maxSlides = 10;
    static constexpr qint64 picturesMaxBytes = 96 << 20;
    // The size in device pixels the news pane draws a picture at (empty: not known yet). Pictures
    // decoded from now on are no larger.
    QSize pictureSize() const { return m_pictureSize; }
    void setPictureSize(QSize size);
    std::optional<HeroSlide> currentSlide() const;

    // Operations. None of them throws: failures end up in the fields.
    QCoro::Task<> start();
    QCoro::Task<> signIn(QString email, QString password);
    QCoro::Task<> submitCode(QString code);
    QCoro::Task<> sendEmailCode();
    void backToSignIn();
    QCoro::Task<> signOut();
    QCoro::Task<> checkInstall();
    QCoro::Task<> patch();
    void advanceSlide();
    void setSlideIndex(qint64 index);

    // Entry points for the views and menus: each starts one task and returns at once.
    Q_INVOKABLE void requestStart();
    Q_INVOKABLE void requestSignIn(const QString &email, const QString &password);
    Q_INVOKABLE void requestSubmitCode(const QString &code);
    Q_INVOKABLE void requestSendEmailCode();
    Q_INVOKABLE void requestBackToSignIn() { backToSignIn(); }
    Q_INVOKABLE void requestSignOut();
    Q_INVOKABLE void requestCheckInstall();
    Q_INVOKABLE void requestPatch();
    Q_INVOKABLE void requestAdvanceSlide() { advanceSlide(); }
    Q_INVOKABLE void revealInstallFolder() const;
    Q_INVOKABLE void openWebPage(const QString &path) const;
    // "image://slides/..." for a loaded picture, "" otherwise; the provider reads imageForKey.
    Q_INVOKABLE QString imageUrl(const QString &address) const;
    // The download speed limit in megabytes per second as the player types it ("" or "0": none).
    // Takes effect at once, running transfers included, and is saved. False for text that is no
    // limit (the old one stays).
    Q_INVOKABLE bool setDownloadLimit(const QString &megabytesPerSecond);
    qint64 downloadLimit() const { return m_downloadLimit; }
    // Whether a check that finds an update starts it without a click (never a whole install, and
    // not on a metered connection). Saved.
    bool automaticUpdates() const { return m_automaticUpdates; }
    void setAutomaticUpdates(bool on);
    // Whether game files are shared on the local network: verified files served to the launchers
    // of other computers there, and taken from those that hold the same list. Off: no port is
    // open and no peer is used. Applies at once and is saved.
    bool shareOnNetwork() const { return m_shareOnNetwork; }
    void setShareOnNetwork(bool on);
    // The upload limit for what is shared, as setDownloadLimit takes the download limit.
    Q_INVOKABLE bool setUploadLimit(const QString &megabytesPerSecond);
    qint64 uploadLimit() const { return m_uploadLimit; }
    // The sharing service while sharing is on, else null.
    LanShare *lanShare() const { return m_share; }
    // The window's language as the player chose it: "" follows the system, else a code of
    // `languages` ("en", "de", "pt_BR"). Applies at once and is saved.
    QString language() const { return m_language; }
    void setLanguage(const QString &code);
    // Puts the chosen (or the system's) language in place; the application does it once at start.
    void applyLanguage() const;
    // Has the views read every text again, after a new catalogue was put in place.
    void showLanguage();
    // Each language the window can speak, as {code, name}, the name in the language itself.
    QVariantList languages() const;
    QImage imageForKey(const QString &key) const;

    // QML-facing views of the fields, in the player's language.
    int screenKind() const { return m_screen.kind; }
    QString mfaMethod() const { return m_screen.method; }
    bool signedIn() const { return m_session.has_value(); }
    QString username() const;
    int installKind() const { return m_install.kind; }
    qint64 installFiles() const { return m_install.files; }
    qint64 installBytes() const { return m_install.bytes; }
    QString installMessage() const { return translatedMessage(m_install.message); }
    int phaseKind() const { return m_phase ? int(m_phase->kind) : int(NoPhase); }
    qint64 phaseDone() const { return m_phase ? m_phase->done : 0; }
    qint64 phaseTotal() const { return m_phase ? m_phase->total : 0; }
    double phasePerSecond() const { return m_phase ? m_phase->perSecond : 0; }
    bool hasNotice() const { return m_notice.has_value(); }
    QString noticeText() const { return translatedMessage(m_notice.value_or(QString())); }
    int slideCount() const { return int(m_slides.size()); }
    QVariantMap currentSlideMap() const;
    QVariantMap panel() const;
    int imagesRevision() const { return m_imagesRevision; }
    QString installPath() const { return m_config.installPath; }
    QString channel() const { return m_config.channel; }
    QString webOrigin() const { return m_origins.web; }
    QString launcherVersionText() const;
    QString downloadLimitText() const;
    QString uploadLimitText() const;

signals:
    void screenChanged();
    void sessionChanged();
    void installChanged();
    void phaseChanged();
    void noticeChanged();
    void busyChanged();
    void slidesChanged();
    void slideIndexChanged();
    void currentSlideChanged();
    void imagesChanged();
    void pictureSizeChanged();
    void panelChanged();
    void downloadLimitChanged();
    void automaticUpdatesChanged();
    void shareOnNetworkChanged();
    void uploadLimitChanged();
    void languageChanged();

protected:
    void setScreen(Screen screen);
    void setInstall(InstallState install);
    void setPhase(std::optional<PatchPhase> phase);
    void setNotice(std::optional<QString> notice);
    void setBusy(bool busy);
    void setSlides(QList<HeroSlide> slides);
    void setSession(std::optional<Session> session);
    // How long the launcher waits between two checks of its own while it runs.
    void setRecheckInterval(std::chrono::milliseconds interval) { m_recheck.setInterval(interval); }

private:
    // Progress reports made on worker threads, applied on the main thread in order.
    struct ReportQueue {
        QMutex mutex;
        QList<PatchPhase> pending;
        AppModel *model = nullptr;
        void push(const PatchPhase &phase);
    };
    void applyReports();
    void schedulePanelUpdate();
    static Http::Session &homeSession();
    QCoro::Task<> loadImage(QString address);
    QCoro::Task<> loadHome();
    QCoro::Task<> handle(LoginOutcome outcome);
    QCoro::Task<> runCheck();
    void applyDownloadLimit(qint64 bytesPerSecond);
    void applySharing();
    // After a full verification: the list is the current one, and the files that matched it are
    // shared from now on (when sharing is on).
    void shareVerified(const Manifest &manifest, const QString &digest, const QList<ManifestEntry> &differ);
    Patcher::PeerHooks peerHooks() const;
    // After a check: the list is the current one, and files verified by an earlier run and unchanged
    // since are shared again. After a run: what it verified and installed is kept for the next start.
    void shareChecked(const Manifest &manifest, const QString &digest);
    void shareRunEnded();
    void savePreferences() const;
    QCoro::Task<> updateIfAutomatic();
    void recheck();
    AuthClient authClient() const;

    LauncherConfig m_config;
    Origins m_origins;
    Screen m_screen;
    std::optional<Session> m_session;
    InstallState m_install;
    std::optional<PatchPhase> m_phase;
    std::optional<QString> m_notice;
    bool m_busy = false;
    QList<HeroSlide> m_slides;
    qint64 m_slideIndex = 0;
    QHash<QString, QImage> m_images;
    QSize m_pictureSize;
    QString m_pendingEmail;
    int m_imagesRevision = 0;
    bool m_panelUpdatePending = false;
    quint64 m_checkGeneration = 0;
    qint64 m_downloadLimit = 0;
    bool m_automaticUpdates = false;
    bool m_shareOnNetwork = false;
    qint64 m_uploadLimit = 0;
    LanShare *m_share = nullptr;
    QString m_language;
    bool m_toldMetered = false;
    QTimer m_recheck;
    std::shared_ptr<ReportQueue> m_reports = std::make_shared<ReportQueue>();
};
