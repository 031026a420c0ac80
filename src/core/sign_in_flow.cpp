// AppModel: sign-in, second factor and sign-out.
#include "auth/keychain.h"
#include "core/app_model.h"
#include "support/launcher_error.h"

QCoro::Task<> AppModel::signIn(QString email, QString password)
{
    // Return in a field while a request is on its way would spend another attempt.
    if (m_busy)
        co_return;
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
    if (m_busy)
        co_return;
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
