// vantorel-patch check|verify|update|share <manifest-url> <folder> [--timings] [--limit-rate N[K|M|G]] [--lan]
// The launcher's patching without a window: quick diff, full diff, full diff then apply, or full
// diff then serving the verified files to the local network until stopped.
#include "install/install_lock.h"
#include "manifest/manifest_trust.h"
#include "patch/patcher.h"
#include "transfer/rate_limiter.h"
#include "share/lan_share.h"
#include "share/share_index.h"
#include "support/background.h"
#include "support/file_size.h"
#include "support/launcher_error.h"
#include "support/log.h"
#include "../terminal_progress.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QHash>
#include <QRegularExpression>
#include <QTimer>
#include <QCoro/QCoroSignal>
#include <QCoro/QCoroTask>
#include <QCoro/QCoroTimer>
#include <cstdio>

namespace {
int status = 1;

bool timings = false;
bool lan = false;  // update: take files from peers and share each one once it is in place
LanShare *share = nullptr;

// With --timings, how long each step took, on standard error.
void timed(const char *step, QElapsedTimer &clock)
{
    if (timings)
        std::fprintf(stderr, "timing: %s %.1f ms\n", step, clock.nsecsElapsed() / 1e6);
    clock.restart();
}

QCoro::Task<> run(QString command, QUrl url, QString folder)
{
    QElapsedTimer clock;
    clock.start();
    // An update or a verification holds the folder's lock from before the manifest to its end.
    std::shared_ptr<Patcher::InstallLock> lock;
    try {
        if (command == QLatin1String("share") || lan) {
            share = new LanShare(QCoreApplication::instance());
            LanShare::Options options;
            options.channel = Patcher::channelOf(url.toString(QUrl::FullyEncoded));
            options.usePeers = command != QLatin1String("share");
            // Serving only, the rate limit is the upload's.
            if (!options.usePeers)
                options.uploadLimit = RateLimiter::global().limit();
            share->start(options);
        }
        if (command != QLatin1String("check")) {
            if (!QDir().mkpath(folder))
                throw PlatformError(QStringLiteral("Couldn't create %1").arg(folder));
            lock = Patcher::InstallLock::take(folder, command == QLatin1String("update") ? Patcher::InstallLock::Mode::Update
                                                                                          : Patcher::InstallLock::Mode::Verify);
        }
        const Manifest manifest = co_await Patcher::fetchManifest(url);
        std::fprintf(stderr, "manifest: %lld files\n", qlonglong(manifest.files.size()));
        timed("manifest", clock);
        if (command == QLatin1String("check")) {
            const auto needed = Patcher::quickDiff(manifest, folder);
            timed("quick-diff", clock);
            std::printf("%lld files differ, %lld bytes\n", qlonglong(needed.size()), Patcher::totalSize(needed));
            status = 0;
            co_return;
        }
        auto verifyBar = std::make_shared<TerminalProgress>("verify  ");
        // Callbacks are named: GCC 12 destroys a lambda temporary inside co_await twice.
        const Patcher::VerifyProgress onVerify = [verifyBar](qint64 done, qint64 total) { verifyBar->update(done, total); };
        if (share)
            share->setList(manifest.files, folder, Patcher::listDigest(url));
        const auto needed = co_await Patcher::fullDiff(manifest, folder, onVerify);
        verifyBar->finish();
        timed("full-diff", clock);
        if (share) {
            const QSet<ManifestEntry> differ(needed.cbegin(), needed.cend());
            QList<ManifestEntry> good;
            for (const ManifestEntry &entry : manifest.files)
                if (!differ.contains(entry))
                    good.append(entry);
            const auto index = share->index();
            const auto adopt = [index, good] { index->verified(good); };
            co_await Background::run(adopt);
        }
        if (command == QLatin1String("share")) {
            lock.reset();
            const quint16 port = share->settled() ? share->port() : co_await qCoro(share, &LanShare::listening);
            if (port == 0) {
                std::fprintf(stderr, "vantorel-patch: nothing is shared (see the log)\n");
                co_return;
            }
            std::printf("sharing %lld files on port %u\n", qlonglong(share->index()->count()), unsigned(port));
            std::fflush(stdout);
            co_await qCoro(QCoreApplication::instance(), &QCoreApplication::aboutToQuit);
            co_return;
        }
        if (share && !needed.isEmpty()) {
            // Peers found within a moment are used from the first file on; later ones join as they come.
            for (int waited = 0; share->usablePeers().isEmpty() && waited < 3000; waited += 100)
                co_await QCoro::sleepFor(std::chrono::milliseconds(100));
            std::printf("peers: %lld\n", qlonglong(share->usablePeers().size()));
        }
        std::printf("%lld files to download, %lld bytes\n", qlonglong(needed.size()), Patcher::totalSize(needed));
        if (needed.isEmpty())
            co_await Patcher::clearDownloadArea(folder);
        if (command == QLatin1String("update") && !needed.isEmpty()) {
            auto bar = std::make_shared<TerminalProgress>("download");
            const Patcher::PhaseProgress onPhase = [bar](const PatchPhase &phase) {
                if (phase.kind == PatchPhase::Downloading)
                    bar->update(phase.done, phase.total, phase.perSecond);
            };
            const auto stats = std::make_shared<Patcher::ApplyStats>();
            const Patcher::PeerHooks peerHooks = share ? share->hooks() : Patcher::PeerHooks{};
            co_await Patcher::apply(needed, folder, onPhase, stats, manifest.mirrors, peerHooks);
            bar->finish();
            timed("apply", clock);
            if (stats->kept > 0)
                std::printf("kept %s from an earlier download\n", qPrintable(formatFileSize(stats->kept)));
            if (stats->reused > 0)
                std::printf("reused %s of the files already on disk\n", qPrintable(formatFileSize(stats->reused)));
            std::printf("fetched %s\n", qPrintable(formatFileSize(stats->fetched)));
            for (const auto &[origin, bytes] : stats->perOrigin)
                std::printf("from %s: %s (%lld bytes)\n", qPrintable(origin), qPrintable(formatFileSize(bytes)), qlonglong(bytes));
            std::printf("complete\n");
        }
        status = 0;
    } catch (...) {
        std::fprintf(stderr, "vantorel-patch: %s\n", qPrintable(describeCurrentException()));
        status = 1;
    }
    lock.reset();
}
}

// "20M", "500K", "1.5G", "100000": bytes per second, K/M/G in multiples of 1024 as curl reads them.
// -1 for anything else, and for rates the limiter cannot hold: below 2 B/s (its bucket would
// never hold a whole byte) or beyond 64 bits.
static qint64 parseRate(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^([0-9]+(?:\\.[0-9]+)?)([KMG]?)$"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = form.match(text.trimmed());
    if (!match.hasMatch())
        return -1;
    static const QHash<QString, double> units{{"", 1.0}, {"K", 1024.0}, {"M", 1024.0 * 1024}, {"G", 1024.0 * 1024 * 1024}};
    const double value = match.captured(1).toDouble() * units.value(match.captured(2).toUpper());
    return value >= 2 && value < 0x1p63 ? qint64(value) : -1;
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const QStringList commands{QStringLiteral("check"), QStringLiteral("verify"), QStringLiteral("update"),
                               QStringLiteral("share")};
    timings = args.removeAll(QStringLiteral("--timings")) > 0;
    lan = args.removeAll(QStringLiteral("--lan")) > 0;
    const qsizetype limitAt = args.indexOf(QStringLiteral("--limit-rate"));
    if (limitAt >= 0) {
        const qint64 rate = limitAt + 1 < args.size() ? parseRate(args.at(limitAt + 1)) : -1;
        if (rate < 0) {
            std::fprintf(stderr, "vantorel-patch: --limit-rate takes bytes per second, with K, M or G (e.g. 20M)\n");
            return 2;
        }
        RateLimiter::global().setLimit(rate);
        args.remove(limitAt, 2);
    }
    // Publishers check their signed manifests with the key they sign for.
    const qsizetype keyAt = args.indexOf(QStringLiteral("--manifest-key"));
    if (keyAt >= 0 && keyAt + 1 < args.size()) {
        Patcher::trust().publicKey = QByteArray::fromBase64(args.at(keyAt + 1).toLatin1());
        args.remove(keyAt, 2);
    }
    if (args.size() != 3 || !commands.contains(args.at(0))) {
        std::fprintf(stderr, "usage: vantorel-patch check|verify|update|share <manifest-url> <folder> [--timings] [--limit-rate N[K|M|G]] [--manifest-key BASE64] [--lan]\n");
        return 2;
    }
    QTimer::singleShot(0, [&] {
        QCoro::connect(run(args.at(0), QUrl(args.at(1)), QDir(args.at(2)).absolutePath()), &app,
                       [] { QCoreApplication::exit(status); });
    });
    const int code = app.exec();
    Background::stopAll(1500);
    Log::flush();
    return code;
}
