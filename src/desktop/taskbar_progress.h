#pragma once
#include <QString>

// The launcher's progress on its taskbar entry or dock icon (the LauncherEntry signal that docks and
// task managers listen to). Signals only: nothing waits for an answer, and without a listener
// nothing happens.
class TaskbarProgress {
public:
    // 0 to 1; repeats of what is shown already are not sent again.
    void show(double fraction);
    void clear();
    bool shown() const { return m_shown; }

private:
    void send(double fraction, bool visible);

    bool m_shown = false;
    int m_permille = -1;
};
