#pragma once
#include <QElapsedTimer>
#include <QMutex>
#include <QString>
#include <cstdio>
#include <unistd.h>

// A one-line progress bar on a terminal's standard error; silent when stderr is not a terminal.
class TerminalProgress {
public:
    explicit TerminalProgress(const char *label) : m_label(label), m_tty(isatty(STDERR_FILENO)) { m_clock.start(); }

    void update(qint64 done, qint64 total, double perSecond = -1)
    {
        if (!m_tty)
            return;
        QMutexLocker lock(&m_mutex);
        if (m_last.isValid() && m_last.elapsed() < 100 && done < total)
            return;
        m_last.start();
        const double fraction = total > 0 ? double(done) / double(total) : 1.0;
        const int filled = int(fraction * 30);
        QString bar = QString(filled, QLatin1Char('#')) + QString(30 - filled, QLatin1Char('.'));
        QString line = QStringLiteral("\r%1 [%2] %3 / %4 MB").arg(QLatin1String(m_label), bar)
                           .arg(done / 1e6, 0, 'f', 1).arg(total / 1e6, 0, 'f', 1);
        if (perSecond >= 0)
            line += QStringLiteral("  %1 MB/s").arg(perSecond / 1e6, 0, 'f', 1);
        std::fputs(qPrintable(line), stderr);
        m_dirty = true;
    }

    void finish()
    {
        if (m_tty && m_dirty)
            std::fputs("\n", stderr);
        m_dirty = false;
    }

private:
    const char *m_label;
    bool m_tty;
    bool m_dirty = false;
    QMutex m_mutex;
    QElapsedTimer m_clock;
    QElapsedTimer m_last;
};
