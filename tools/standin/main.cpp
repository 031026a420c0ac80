// vantorel-standin --make-demo <site-folder> [--small]
// vantorel-standin --site <site-folder> [--port <n>] [--request-log <file>] [--build 2]
#include "standin.h"
#include "support/launcher_error.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QSocketNotifier>
#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int signalPipe[2];
void onSignal(int) { [[maybe_unused]] auto n = ::write(signalPipe[1], "x", 1); }
}

int main(int argc, char *argv[])
{
    // QImage's JPEG writer needs the GUI library, not a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({QStringLiteral("make-demo"), QStringLiteral("Write the demo site into <folder>."), QStringLiteral("folder")});
    parser.addOption({QStringLiteral("small"), QStringLiteral("With --make-demo: a build of a few megabytes.")});
    parser.addOption({QStringLiteral("site"), QStringLiteral("Serve the site in <folder>."), QStringLiteral("folder")});
    parser.addOption({QStringLiteral("port"), QStringLiteral("Listen on <port> (default: a free one)."), QStringLiteral("port"), QStringLiteral("0")});
    parser.addOption({QStringLiteral("build"), QStringLiteral("Publish build <n> of the release channel (1 or 2)."), QStringLiteral("n"), QStringLiteral("1")});
    parser.addOption({QStringLiteral("https"), QStringLiteral("Serve HTTPS with a self-signed certificate.")});
    parser.addOption({QStringLiteral("request-log"), QStringLiteral("Append one JSON line per request to <file>."), QStringLiteral("file")});
    parser.process(app);

    if (parser.isSet(QStringLiteral("make-demo"))) {
        try {
            Standin::makeDemoSite(parser.value(QStringLiteral("make-demo")), parser.isSet(QStringLiteral("small")));
            return 0;
        } catch (const std::exception &error) {
            std::fprintf(stderr, "vantorel-standin: %s\n", qPrintable(describeError(error)));
            return 1;
        }
    }
    if (!parser.isSet(QStringLiteral("site"))) {
        parser.showHelp(2);
    }

    Standin::Service service(parser.value(QStringLiteral("site")));
    service.build = qMax(1, parser.value(QStringLiteral("build")).toInt());
    if (parser.isSet(QStringLiteral("https")))
        service.enableTls();
    if (parser.isSet(QStringLiteral("request-log")))
        service.setRequestLog(parser.value(QStringLiteral("request-log")));
    if (!service.listen(quint16(parser.value(QStringLiteral("port")).toUInt()))) {
        std::fprintf(stderr, "vantorel-standin: can't listen on port %s\n", qPrintable(parser.value(QStringLiteral("port"))));
        return 1;
    }

    ::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe);
    std::signal(SIGTERM, onSignal);
    std::signal(SIGINT, onSignal);
    QSocketNotifier notifier(signalPipe[0], QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);

    std::printf("origin: %s\n", qPrintable(service.origin()));
    std::fflush(stdout);
    return app.exec();
}
