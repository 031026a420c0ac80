#include "core/app_model.h"
#include "support/desktop.h"
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
    setScreen(Screen::login());
    co_return;
}

// ---- operations of later stages ----

QCoro::Task<> AppModel::signIn(QString, QString) { co_return; }
QCoro::Task<> AppModel::submitCode(QString) { co_return; }
QCoro::Task<> AppModel::sendEmailCode() { co_return; }
void AppModel::backToSignIn()
{
    setNotice(std::nullopt);
    setScreen(Screen::login());
}
QCoro::Task<> AppModel::signOut() { co_return; }
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
