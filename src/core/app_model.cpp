#include "core/app_model.h"
#include "auth/keychain.h"
#include "config/preferences.h"
#include "core/panel_text.h"
#include "support/desktop.h"
#include "support/launcher_error.h"
#include "support/log.h"

#include <QSet>

AppModel::AppModel(LauncherConfig config, Origins origins, QObject *parent)
    : QObject(parent), m_config(std::move(config)), m_origins(std::move(origins))
{
    m_slides = {HeroSlide{m_origins.patch + QStringLiteral("/previews/vantorel-099.jpg"), QString(), std::nullopt}};
    m_reports->model = this;
    const Preferences preferences = Preferences::load();
    applyDownloadLimit(preferences.downloadLimit);
    m_automaticUpdates = preferences.automaticUpdates;
    m_language = preferences.language;
    m_shareOnNetwork = preferences.shareOnNetwork;
    m_uploadLimit = preferences.uploadLimit;
    applySharing();
    m_recheck.setInterval(std::chrono::hours(6));
    connect(&m_recheck, &QTimer::timeout, this, &AppModel::recheck);
    m_recheck.start();
}

AppModel::~AppModel()
{
    // Workers may still hold the queue; from now on their reports go nowhere.
    QMutexLocker lock(&m_reports->mutex);
    m_reports->model = nullptr;
}

// ---- field setters: equal values notify nobody ----

void AppModel::setScreen(Screen screen)
{
    if (m_screen == screen)
        return;
    m_screen = std::move(screen);
    emit screenChanged();
}

void AppModel::setSession(std::optional<Session> session)
{
    if (m_session == session)
        return;
    m_session = std::move(session);
    emit sessionChanged();
}

void AppModel::setInstall(InstallState install)
{
    if (m_install == install)
        return;
    m_install = std::move(install);
    emit installChanged();
    schedulePanelUpdate();
}

void AppModel::setPhase(std::optional<PatchPhase> phase)
{
    if (m_phase == phase)
        return;
    m_phase = phase;
    emit phaseChanged();
    schedulePanelUpdate();
}

void AppModel::setNotice(std::optional<QString> notice)
{
    if (m_notice == notice)
        return;
    m_notice = std::move(notice);
    emit noticeChanged();
}

void AppModel::setBusy(bool busy)
{
    if (m_busy == busy)
        return;
    m_busy = busy;
    emit busyChanged();
}

void AppModel::setSlides(QList<HeroSlide> slides)
{
    if (m_slides == slides)
        return;
    const auto before = currentSlide();
    m_slides = std::move(slides);
    // Pictures no slide shows any more would only add to the pictures' memory.
    QSet<QString> shown;
    for (const HeroSlide &slide : std::as_const(m_slides))
        shown.insert(slide.image);
    const qsizetype had = m_images.size();
    m_images.removeIf([&shown](const auto &entry) { return !shown.contains(entry.key()); });
    emit slidesChanged();
    if (m_images.size() != had) {
        ++m_imagesRevision;
        emit imagesChanged();
    }
    if (currentSlide() != before)
        emit currentSlideChanged();
}

void AppModel::setSlideIndex(qint64 index)
{
    if (m_slideIndex == index)
        return;
    const auto before = currentSlide();
    m_slideIndex = index;
    emit slideIndexChanged();
    if (currentSlide() != before)
        emit currentSlideChanged();
}

// ---- start-up ----

QCoro::Task<> AppModel::start()
{
    Log::info(QStringLiteral("launcher-mac starting, install=") + m_config.installPath);
    loadHome();  // runs on its own; interleaves with the session check at its waits

    std::optional<Session> saved;
    try {
        saved = co_await Keychain::load();
    } catch (...) {
        Log::warn(QString::fromLatin1("keychain: ") + describeCurrentException());
        setScreen(Screen::login());
        co_return;
    }
    if (!saved) {
        setScreen(Screen::login());
        co_return;
    }
    switch (co_await authClient().validate(*saved)) {
    case SessionCheck::Valid:
        setSession(saved);
        setScreen(Screen::main());
        co_await checkInstall();
        break;
    case SessionCheck::Invalid:
        co_await Keychain::clear();
        setScreen(Screen::login());
        break;
    case SessionCheck::Unreachable:
        setScreen(Screen::unreachable());
        break;
    }
}

AuthClient AppModel::authClient() const
{
    return AuthClient{m_config.authUrl, m_config.deviceId};
}

// ---- slides ----

std::optional<HeroSlide> AppModel::currentSlide() const
{
    if (m_slideIndex >= 0 && m_slideIndex < m_slides.size())
        return m_slides.at(m_slideIndex);
    if (m_slides.isEmpty())
        return std::nullopt;
    return m_slides.first();
}

void AppModel::advanceSlide()
{
    if (m_slides.size() < 2)
        return;
    setSlideIndex((m_slideIndex + 1) % m_slides.size());
}

QVariantMap AppModel::currentSlideMap() const
{
    const auto slide = currentSlide();
    if (!slide)
        return {};
    QVariantMap map{{QStringLiteral("image"), slide->image}, {QStringLiteral("headline"), slide->headline}};
    if (slide->sub)
        map.insert(QStringLiteral("sub"), *slide->sub);
    return map;
}

// A verification can report hundreds of files between two frames; the panel is redrawn once
// for all of them instead of once per report.
void AppModel::schedulePanelUpdate()
{
    if (m_panelUpdatePending)
        return;
    m_panelUpdatePending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_panelUpdatePending = false;
            emit panelChanged();
        },
        Qt::QueuedConnection);
}

QVariantMap AppModel::panel() const
{
    const PanelText text = panelText(m_install, m_phase);
    return {{QStringLiteral("showStatus"), text.showStatus}, {QStringLiteral("caption"), text.caption},
            {QStringLiteral("title"), text.title}, {QStringLiteral("detail"), text.detail},
            {QStringLiteral("detailIsFailure"), text.detailIsFailure}, {QStringLiteral("timeLeft"), text.timeLeft},
            {QStringLiteral("progress"), text.progress},
            {QStringLiteral("mainButton"), text.mainButton}, {QStringLiteral("mainEnabled"), text.mainEnabled},
            {QStringLiteral("runsUpdate"), text.runsUpdate}};
}

QString AppModel::imageUrl(const QString &address) const
{
    if (!m_images.contains(address))
        return {};
    return QStringLiteral("image://slides/") + QString::fromLatin1(address.toUtf8().toBase64(QByteArray::Base64UrlEncoding));
}

QImage AppModel::imageForKey(const QString &key) const
{
    return m_images.value(QString::fromUtf8(QByteArray::fromBase64(key.toLatin1(), QByteArray::Base64UrlEncoding)));
}

// ---- entry points for views and menus ----

void AppModel::requestStart() { start(); }
void AppModel::requestSignIn(const QString &email, const QString &password) { signIn(email, password); }
void AppModel::requestSubmitCode(const QString &code) { submitCode(code); }
void AppModel::requestSendEmailCode() { sendEmailCode(); }
void AppModel::requestSignOut() { signOut(); }
void AppModel::requestCheckInstall() { checkInstall(); }
void AppModel::requestPatch() { patch(); }

void AppModel::revealInstallFolder() const { Desktop::revealFolder(m_config.installPath); }

void AppModel::openWebPage(const QString &path) const { Desktop::openURL(m_origins.web + path); }

QString AppModel::username() const { return m_session ? m_session->username : QString(); }

QString AppModel::launcherVersionText() const { return launcherVersion(); }
