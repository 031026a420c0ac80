#include "core/desktop_integration.h"
#include "core/app_model.h"
#include "core/panel_text.h"
#include "support/message_text.h"

DesktopIntegration::DesktopIntegration(AppModel &model, std::function<bool()> windowActive, QObject *parent)
    : QObject(parent), m_model(model), m_windowActive(std::move(windowActive))
{
    connect(&model, &AppModel::installChanged, this, &DesktopIntegration::installChanged);
    connect(&model, &AppModel::phaseChanged, this, &DesktopIntegration::phaseChanged);
    connect(&m_notifications, &Notifications::activated, this, &DesktopIntegration::raiseRequested);
    installChanged();
}

// Leaving mid-run: the taskbar entry must not keep a bar for a run nobody shows any more.
DesktopIntegration::~DesktopIntegration()
{
    m_taskbar.clear();
}

void DesktopIntegration::installChanged()
{
    const InstallState &install = m_model.install();
    const bool running = install.kind == InstallState::Working;
    if (running != m_running) {
        m_running = running;
        if (running) {
            m_inhibitor.hold();
            m_endPending = false;
            return;
        }
        m_inhibitor.release();
        m_taskbar.clear();
        m_endPending = true;
    }
    // A run that succeeds ends with its own check: its result, not the run's, is the outcome.
    if (!m_endPending || running || install.kind == InstallState::Checking)
        return;
    m_endPending = false;
    if (m_windowActive && m_windowActive())
        return;
    if (install.kind == InstallState::Failed) {
        m_notifications.show(tr("Couldn't finish"), translatedMessage(install.message));
    } else if (install.kind == InstallState::Ready) {
        m_notifications.show(tr("Update finished"), tr("The game is up to date."));
    } else {
        // The check found more to do: what the game panel says.
        const PanelText text = panelText(install, std::nullopt);
        m_notifications.show(text.title, text.detail);
    }
}

void DesktopIntegration::phaseChanged()
{
    const std::optional<PatchPhase> &phase = m_model.phase();
    if (!phase) {
        m_taskbar.clear();
        return;
    }
    if (phase->kind == PatchPhase::Downloading)
        m_taskbar.show(double(phase->done) / double(qMax<qint64>(phase->total, 1)));
    else if (phase->kind == PatchPhase::Finishing && m_taskbar.shown())
        m_taskbar.show(1);
}
