#include "core/app_model.h"
#include "auth/keychain.h"
#include "core/home_feed.h"
#include "core/panel_text.h"
#include "patch/patcher.h"
#include "support/desktop.h"
#include "support/launcher_error.h"
#include "support/log.h"

#include <QDir>
#include <QtConcurrent/QtConcurrentRun>
#include <QCoro/QCoroFuture>

AppModel::AppModel(LauncherConfig config, Origins origins, QObject *parent)
    : QObject(parent), m_config(std::move(config)), m_origins(std::move(origins))
{
    m_slides = {HeroSlide{m_origins.patch + QStringLiteral("/previews/vantorel-099.jpg"), QString(), std::nullopt}};
    m_reports->model = this;
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
    emit slidesChanged();
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

// ---- sign-in ----

QCoro::Task<> AppModel::signIn(QString email, QString password)
{
    setNotice(std::nullopt);
    setBusy(true);
    m_pendingEmail = email;
    try {
        const LoginOutcome outcome = co_await authClient().login(email, password);
        co_await handle(outcome);
    } catch (...) {
        setNotice(describeCurrentException());
    }
    setBusy(false);
}

QCoro::Task<> AppModel::submitCode(QString code)
{
    setNotice(std::nullopt);
    setBusy(true);
    try {
        const LoginOutcome outcome = co_await authClient().verifyMfa(m_pendingEmail, code);
        co_await handle(outcome);
    } catch (...) {
        setNotice(describeCurrentException());
    }
    setBusy(false);
}

QCoro::Task<> AppModel::sendEmailCode()
{
    try {
        co_await authClient().beginEmailMfa(m_pendingEmail);
        setNotice(QString::fromLatin1("We sent a code to your email."));
    } catch (...) {
        setNotice(describeCurrentException());
    }
}

QCoro::Task<> AppModel::handle(LoginOutcome outcome)
{
    switch (outcome.kind) {
    case LoginOutcome::Ok:
        // The secret service answers asynchronously; nothing else changes until it has.
        try {
            co_await Keychain::store(outcome.session);
        } catch (...) {
            setNotice(describeCurrentException());
            co_return;
        }
        setSession(outcome.session);
        setNotice(std::nullopt);
        setScreen(Screen::main());
        checkInstall();
        break;
    case LoginOutcome::Mfa:
        setScreen(Screen::mfa(outcome.method));
        break;
    case LoginOutcome::RateLimited:
        setNotice(QString::fromLatin1("Too many attempts. Try again in %1 seconds.").arg(outcome.retryAfter));
        break;
    case LoginOutcome::Failed:
        setNotice(outcome.message);
        break;
    }
}

void AppModel::backToSignIn()
{
    setNotice(std::nullopt);
    setScreen(Screen::login());
}

QCoro::Task<> AppModel::signOut()
{
    if (m_session)
        co_await authClient().logout(*m_session);
    co_await Keychain::clear();
    setSession(std::nullopt);
    setNotice(std::nullopt);
    setScreen(Screen::login());
}

// ---- install check and update ----

QCoro::Task<> AppModel::checkInstall()
{
    setInstall(InstallState::checking());
    try {
        const Manifest manifest = co_await Patcher::fetchManifest(m_config.manifestURL());
        // One attribute look-up per entry: off the GUI thread, so a large install never stalls a frame.
        const QString root = m_config.installPath;
        const auto diff = [manifest, root] { return Patcher::quickDiff(manifest, root); };
        const QList<ManifestEntry> needed = co_await QtConcurrent::run(diff);
        const qint64 count = needed.size();
        const qint64 bytes = Patcher::totalSize(needed);
        if (count == 0) {
            setInstall(InstallState::ready());
            co_return;
        }
        qint64 expected = 0;
        for (const ManifestEntry &entry : manifest.files)
            if (entry.path.toLower() != QLatin1String("login.cfg"))
                ++expected;
        setInstall(count == expected ? InstallState::notInstalled(bytes) : InstallState::updateAvailable(count, bytes));
    } catch (...) {
        const QString message = describeCurrentException();
        Log::warn(QString::fromLatin1("check: ") + message);
        setInstall(InstallState::failed(message));
    }
}

QCoro::Task<> AppModel::patch()
{
    if (m_install.kind == InstallState::Working)
        co_return;
    setInstall(InstallState::working());
    setPhase(PatchPhase::verifying(0, 0));
    const QString root = m_config.installPath;
    try {
        if (!QDir().mkpath(root))
            throw PlatformError(QString::fromLatin1("Couldn't create the folder \"%1\".").arg(root));
        const Manifest manifest = co_await Patcher::fetchManifest(m_config.manifestURL());
        Log::info(QString::fromLatin1("patch: manifest has %1 files").arg(manifest.files.size()));

        const auto reports = m_reports;
        const Patcher::VerifyProgress onVerify = [reports](qint64 done, qint64 total) {
            reports->push(PatchPhase::verifying(done, total));
        };
        const QList<ManifestEntry> needed = co_await Patcher::fullDiff(manifest, root, onVerify);
        applyReports();
        Log::info(QString::fromLatin1("patch: %1 files to download").arg(needed.size()));

        if (!needed.isEmpty()) {
            const Patcher::PhaseProgress onPhase = [reports](const PatchPhase &phase) { reports->push(phase); };
            co_await Patcher::apply(needed, root, onPhase);
            applyReports();
        }
        setPhase(std::nullopt);
        Log::info(QString::fromLatin1("patch: complete"));
    } catch (...) {
        applyReports();
        const QString message = describeCurrentException();
        setPhase(std::nullopt);
        Log::warn(QString::fromLatin1("patch failed: ") + message);
        setInstall(InstallState::failed(message));
        co_return;
    }
    co_await checkInstall();
}

void AppModel::ReportQueue::push(const PatchPhase &phase)
{
    {
        QMutexLocker lock(&mutex);
        pending.append(phase);
    }
    // Applied on the main thread, in the order the reports were made.
    QMetaObject::invokeMethod(model, [model = model] { model->applyReports(); }, Qt::QueuedConnection);
}

void AppModel::applyReports()
{
    QList<PatchPhase> phases;
    {
        QMutexLocker lock(&m_reports->mutex);
        phases.swap(m_reports->pending);
    }
    for (const PatchPhase &phase : phases)
        setPhase(phase);
}

// ---- home feed ----

Http::Session &AppModel::homeSession()
{
    static Http::Session *session = new Http::Session(homeUserAgent, 60'000);
    return *session;
}

QCoro::Task<> AppModel::loadHome()
{
    try {
        const QUrl url(m_origins.patch + QString::fromLatin1("/launcher/home.json"));
        const Http::Reply reply = co_await homeSession().send("GET", url, {}, std::nullopt, 60'000);
        const HomeFeed feed = HomeFeed::decode(reply.body);  // whatever the status
        if (feed.hero && !feed.hero->isEmpty())
            setSlides(*feed.hero);
    } catch (...) {
        // Silent: the current slides stay.
    }
    const QList<HeroSlide> slides = m_slides;
    for (const HeroSlide &slide : slides)
        co_await loadImage(slide.image);
}

QCoro::Task<> AppModel::loadImage(QString address)
{
    if (m_images.contains(address))
        co_return;
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid() || address.isEmpty())
        co_return;
    try {
        const Http::Reply reply = co_await homeSession().send("GET", url, {}, std::nullopt, 60'000);
        const QByteArray body = reply.body;
        const auto decode = [body] { return QImage::fromData(body); };
        const QImage image = co_await QtConcurrent::run(decode);
        if (image.isNull())
            co_return;
        m_images.insert(address, image);
        ++m_imagesRevision;
        emit imagesChanged();
    } catch (...) {
    }
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
            {QStringLiteral("detailIsFailure"), text.detailIsFailure}, {QStringLiteral("progress"), text.progress},
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
