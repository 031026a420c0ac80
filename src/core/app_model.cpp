#include "core/app_model.h"
#include "auth/keychain.h"
#include "support/desktop.h"
#include "support/launcher_error.h"
#include "support/log.h"

AppModel::AppModel(LauncherConfig config, Origins origins, QObject *parent)
    : QObject(parent), m_config(std::move(config)), m_origins(std::move(origins))
{
    m_slides = {HeroSlide{m_origins.patch + QStringLiteral("/previews/vantorel-099.jpg"), QString(), std::nullopt}};
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
}

void AppModel::setPhase(std::optional<PatchPhase> phase)
{
    if (m_phase == phase)
        return;
    m_phase = phase;
    emit phaseChanged();
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

// ---- operations of later stages ----

QCoro::Task<> AppModel::checkInstall() { co_return; }
QCoro::Task<> AppModel::patch() { co_return; }
QCoro::Task<> AppModel::loadHome() { co_return; }

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

QString AppModel::imageSource() const
{
    const auto slide = currentSlide();
    if (!slide || !m_images.contains(slide->image))
        return {};
    return QStringLiteral("image://slides/%1#%2")
        .arg(QString::fromLatin1(slide->image.toUtf8().toBase64(QByteArray::Base64UrlEncoding)))
        .arg(m_imagesRevision);
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
