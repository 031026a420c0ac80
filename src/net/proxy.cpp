#include "net/proxy.h"

#include <QHash>
#include <QHostAddress>
#include <QMutex>
#include <QSet>
#include <QThreadPool>
#include <proxy.h>

namespace Net::Proxy {
namespace {
struct Cache {
    QMutex mutex;
    QHash<QString, QByteArray> known;
    QSet<QString> asked;
    QMutex factoryMutex;  // libproxy's factory is not safe from two threads at once
    pxProxyFactory *factory = nullptr;
};
Cache &cache()
{
    static Cache *c = new Cache;
    return *c;
}

QString originOf(const QUrl &url)
{
    return url.scheme().toLower() + QStringLiteral("://") + url.host().toLower() + QLatin1Char(':')
        + QString::number(url.port(url.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) == 0 ? 443 : 80));
}

bool isLocal(const QUrl &url)
{
    const QString host = url.host().toLower();
    return host == QLatin1String("localhost") || host.endsWith(QLatin1String(".localhost"))
        || QHostAddress(host).isLoopback();
}

// libproxy's first answer in a form the transfer takes: "direct://" and anything unknown mean none.
QByteArray ask(const QUrl &url)
{
    Cache &c = cache();
    QMutexLocker lock(&c.factoryMutex);
    if (!c.factory)
        c.factory = px_proxy_factory_new();
    if (!c.factory)
        return {};
    char **proxies = px_proxy_factory_get_proxies(c.factory, url.toEncoded().constData());
    QByteArray chosen;
    if (proxies && proxies[0]) {
        const QByteArray first(proxies[0]);
        for (const char *scheme : {"http://", "https://", "socks4://", "socks4a://", "socks5://", "socks5h://"})
            if (first.startsWith(scheme))
                chosen = first;
        if (first.startsWith("socks://"))
            chosen = "socks5://" + first.mid(8);
    }
    px_proxy_factory_free_proxies(proxies);
    return chosen;
}
}

std::optional<QByteArray> known(const QUrl &url)
{
    if (isLocal(url))
        return QByteArray();
    Cache &c = cache();
    QMutexLocker lock(&c.mutex);
    const auto at = c.known.constFind(originOf(url));
    if (at == c.known.constEnd())
        return std::nullopt;
    return *at;
}

void lookUp(const QUrl &url, std::function<void()> done)
{
    const QString origin = originOf(url);
    {
        Cache &c = cache();
        QMutexLocker lock(&c.mutex);
        if (c.known.contains(origin) || c.asked.contains(origin))
            return;
        c.asked.insert(origin);
    }
    QThreadPool::globalInstance()->start([url, origin, done = std::move(done)] {
        const QByteArray proxy = ask(url);
        {
            Cache &c = cache();
            QMutexLocker lock(&c.mutex);
            c.known.insert(origin, proxy);
            c.asked.remove(origin);
        }
        done();
    });
}

}
