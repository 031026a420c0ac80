// vantorel-patch check|verify|update <manifest-url> <folder>
// The launcher's patching without a window: quick diff, full diff, or full diff then apply.
#include "patch/patcher.h"
#include "support/background.h"
#include "support/launcher_error.h"
#include "support/log.h"
#include "../terminal_progress.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTimer>
#include <QCoro/QCoroTask>
#include <cstdio>

namespace {
int status = 1;

bool timings = false;

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
    try {
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
        if (!QDir().mkpath(folder))
            throw PlatformError(QStringLiteral("Couldn't create %1").arg(folder));
        auto verifyBar = std::make_shared<TerminalProgress>("verify  ");
        // Callbacks are named: GCC 12 destroys a lambda temporary inside co_await twice.
        const Patcher::VerifyProgress onVerify = [verifyBar](qint64 done, qint64 total) { verifyBar->update(done, total); };
        const auto needed = co_await Patcher::fullDiff(manifest, folder, onVerify);
        verifyBar->finish();
        timed("full-diff", clock);
        std::printf("%lld files to download, %lld bytes\n", qlonglong(needed.size()), Patcher::totalSize(needed));
        if (command == QLatin1String("update") && !needed.isEmpty()) {
            auto bar = std::make_shared<TerminalProgress>("download");
            const Patcher::PhaseProgress onPhase = [bar](const PatchPhase &phase) {
                if (phase.kind == PatchPhase::Downloading)
                    bar->update(phase.done, phase.total, phase.perSecond);
            };
            co_await Patcher::apply(needed, folder, onPhase);
            bar->finish();
            timed("apply", clock);
            std::printf("complete\n");
        }
        status = 0;
    } catch (...) {
        std::fprintf(stderr, "vantorel-patch: %s\n", qPrintable(describeCurrentException()));
        status = 1;
    }
}
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QStringList commands{QStringLiteral("check"), QStringLiteral("verify"), QStringLiteral("update")};
    timings = args.size() == 5 && args.at(4) == QLatin1String("--timings");
    if ((args.size() != 4 && !timings) || !commands.contains(args.at(1))) {
        std::fprintf(stderr, "usage: vantorel-patch check|verify|update <manifest-url> <folder> [--timings]\n");
        return 2;
    }
    QTimer::singleShot(0, [&] {
        QCoro::connect(run(args.at(1), QUrl(args.at(2)), QDir(args.at(3)).absolutePath()), &app,
                       [] { QCoreApplication::exit(status); });
    });
    const int code = app.exec();
    Background::stopAll(1500);
    Log::flush();
    return code;
}
