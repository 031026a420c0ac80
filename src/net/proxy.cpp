#include "net/proxy.h"
#include "support/log.h"

#include <QElapsedTimer>
#include <QHash>
#include <QHostAddress>
#include <QMutex>
#include <QSet>
#include <QThreadPool>
#include <atomic>
#include <chrono>
#include <thread>
#include <proxy.h>

namespace Net::Proxy {
namespace {
constexpr std::chrono::seconds answerDeadline{5};
constexpr qint64 rememberedMs = 5 * 60 * 1000;  // a network change is seen within minutes

QByteArray askLibproxy(const QUrl &url);

struct Answer {
    QByteArray proxy;
    qint64 at = 0;
};
struct Cache {
    QMutex mutex;
    QHash<QString, Answer> known;
    QSet<QString> asked;
    QElapsedTimer clock;
    Asker ask = &askLibproxy;
    Cache() { clock.start(); }
    bool fresh(const QString &origin) const
    {
        const auto at = known.constFind(origin);
        return at != known.constEnd() && clock.elapsed() - at->at < rememberedMs;
    }
};
Cache &cache()
{
    static Cache *c = new Cache;
    return *c;
}

// Its own threads: a script that never answers holds none of the threads that check files or
// decode lists, and look-ups for several origins run side by side.
QThreadPool &pool()
{
    static QThreadPool *p = [] {
        auto *threads = new QThreadPool;
        threads->setMaxThreadCount(4);
        return threads;
    }();
    return *p;
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
QByteArray askLibproxy(const QUrl &url)
{
    // One factory per thread: libproxy's is not safe from two threads at once.
    struct Factory {
        pxProxyFactory *factory = px_proxy_factory_new();
        ~Factory()
        {
            if (factory)
                px_proxy_factory_free(factory);
        }
    };
    thread_local Factory own;
    if (!own.factory)
        return {};
    char **proxies = px_proxy_factory_get_proxies(own.factory, url.toEncoded().constData());
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
    const QString origin = originOf(url);
    if (!c.fresh(origin))
        return std::nullopt;
    return c.known.value(origin).proxy;
}

void lookUp(const QUrl &url, std::function<void()> done)
{
    const QString origin = originOf(url);
    Asker ask;
    {
        Cache &c = cache();
        QMutexLocker lock(&c.mutex);
        if (c.fresh(origin) || c.asked.contains(origin))
            return;
        c.asked.insert(origin);
        ask = c.ask;
    }
    // The answer, or direct once the deadline has passed; `done` is called once either way. An
    // answer that comes late still counts for the transfers after it.
    auto settled = std::make_shared<std::atomic<bool>>(false);
    auto settle = [origin, settled, done = std::move(done)](const QByteArray &proxy, bool timedOut) {
        {
            Cache &c = cache();
            QMutexLocker lock(&c.mutex);
            if (!timedOut || !settled->load()) {
                c.known.insert(origin, {proxy, c.clock.elapsed()});
                c.asked.remove(origin);
            }
        }
        if (settled->exchange(true))
            return;
        if (timedOut)
            Log::warn(QString::fromLatin1("proxy: the proxy settings gave no answer for ") + origin
                      + QString::fromLatin1(" in 5 s; connecting directly"));
        done();
    };
    pool().start([url, ask, settle] { settle(ask(url), false); });
    std::thread([settle] {
        std::this_thread::sleep_for(answerDeadline);
        settle(QByteArray(), true);
    }).detach();
}

void setAsker(Asker ask)
{
    Cache &c = cache();
    QMutexLocker lock(&c.mutex);
    c.ask = ask ? std::move(ask) : Asker(&askLibproxy);
    c.known.clear();
}

}
