#include "support/log.h"
#include "support/paths.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QThreadPool>

namespace {
QThreadPool &queue()
{
    // One thread and a FIFO queue: lines are written one at a time in submission order.
    static QThreadPool *pool = [] {
        auto *p = new QThreadPool;
        p->setObjectName(QStringLiteral("vantorel.log"));
        p->setMaxThreadCount(1);
        p->setExpiryTimeout(-1);
        return p;
    }();
    return *pool;
}

void append(const QString &level, const QString &message)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    const QByteArray line = (QLatin1Char('[') + stamp + QStringLiteral("][") + level + QStringLiteral("] ")
                             + message + QLatin1Char('\n'))
                                .toUtf8();
    QDir().mkpath(Paths::logs());
    QFile out(Log::file());
    if (out.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::ExistingOnly)) {
        out.write(line);
        out.close();
        return;
    }
    QFile fresh(Log::file());
    if (fresh.open(QIODevice::WriteOnly | QIODevice::Truncate))
        fresh.write(line);
}
}

namespace Log {
QString file()
{
    static const QString path = Paths::logs() + QStringLiteral("/launcher-mac.log");
    return path;
}

void write(const QString &level, const QString &message)
{
    queue().start([level, message] { append(level, message); });
}

void flush()
{
    queue().waitForDone();
}
}
