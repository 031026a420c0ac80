#pragma once
#include "core/states.h"
#include "desktop/notifications.h"
#include "desktop/sleep_inhibitor.h"
#include "desktop/taskbar_progress.h"

#include <QObject>
#include <functional>

class AppModel;

// What the desktop sees of an update run: the computer stays awake while it runs, the taskbar entry
// shows its download, and its end is announced when the player is in another window.
class DesktopIntegration : public QObject {
    Q_OBJECT
public:
    // windowActive: whether the launcher's window is the active one (then it says the outcome itself).
    DesktopIntegration(AppModel &model, std::function<bool()> windowActive, QObject *parent = nullptr);
    ~DesktopIntegration() override;

    const SleepInhibitor &inhibitor() const { return m_inhibitor; }

signals:
    // The player clicked a notification: bring the window forward (with the activation token, if any).
    void raiseRequested(const QByteArray &token);

private:
    void installChanged();
    void phaseChanged();

    AppModel &m_model;
    std::function<bool()> m_windowActive;
    SleepInhibitor m_inhibitor;
    Notifications m_notifications;
    TaskbarProgress m_taskbar;
    bool m_running = false;
    bool m_endPending = false;  // a run has stopped working; its outcome is not known yet
};
