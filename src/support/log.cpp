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

// One event is one line: a line feed or another control character in a message (a server's text,
// a path quoted by an error) is written escaped, so it can never start a line of its own.
QString escaped(const QString &message)
{
    QString out;
    out.reserve(message.size());
    for (const QChar c : message) {
        const char16_t u = c.unicode();
        if (u == '\n')
            out += QLatin1String("\\n");
        else if (u == '\r')
            out += QLatin1String("\\r");
        else if (u == '\t')
            out += QLatin1String("\\t");
        else if (u < 0x20 || u == 0x7f || u == 0x85 || u == 0x2028 || u == 0x2029)
            out += QStringLiteral("\\u%1").arg(uint(u), 4, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

void append(const QString &level, const QString &message)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    const QByteArray line = (QLatin1Char('[') + stamp + QStringLiteral("][") + level + QStringLiteral("] ")
                             + escaped(message) + QLatin1Char('\n'))
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
    // Outlives main(), as the log's own thread may.
    static const QString &path = *new QString(Paths::logs() + QStringLiteral("/launcher-mac.log"));
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
