// Opens the real launcher window on the real model, signs in against the stand-in serving a demo
// site, runs a whole update (verify, download, verify) and prints how long the longest gaps between
// two frames were while the GUI thread had to keep the progress bar moving.
//   vantorel-frames <site-folder> [<cache-folder>]   (a kept cache folder keeps compiled shaders)
#include "auth/keychain.h"
#include "core/app_model.h"
#include "core/qml_types.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTimer>
#include <QtQml/qqmlextensionplugin.h>
#include <algorithm>
#include <cstdio>

Q_IMPORT_QML_PLUGIN(Vantorel_UiPlugin)

int main(int argc, char *argv[])
{
    QTemporaryDir profile;
    qputenv("XDG_DATA_HOME", (profile.path() + "/data").toUtf8());
    qputenv("XDG_CACHE_HOME", argc > 2 ? QByteArray(argv[2]) : (profile.path() + "/cache").toUtf8());
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: vantorel-frames <site-folder>\n");
        return 2;
    }
    QQuickStyle::setStyle(QStringLiteral("Basic"));
    // The stand-in runs in its own process: serving files must not load this GUI thread.
    QProcess standin;
    standin.start(QCoreApplication::applicationDirPath() + QStringLiteral("/../tools/vantorel-standin"),
                  {QStringLiteral("--site"), QString::fromLocal8Bit(argv[1])});
    if (!standin.waitForReadyRead(20000))
        return 1;
    QString origin;
    while (origin.isEmpty() && standin.waitForReadyRead(5000) | standin.canReadLine()) {
        const QString line = QString::fromUtf8(standin.readLine()).trimmed();
        if (line.startsWith(QLatin1String("origin: ")))
            origin = line.mid(8);
    }
    if (origin.isEmpty())
        return 1;
    struct Server {
        QString o;
        QString origin() const { return o; }
    } server{origin};

    LauncherConfig config;
    config.authUrl = config.manifestBase = server.origin();
    config.installPath = profile.path() + "/game";
    AppModel model(config, Origins{server.origin(), server.origin(), server.origin()});
    QQmlApplicationEngine engine;
    QQuickWindow *window = loadMainWindow(engine, &model);
    if (!window)
        return 1;

    QElapsedTimer clock;
    clock.start();
    qint64 last = -1;
    QString stage = QStringLiteral("idle");
    QHash<QString, QList<qint64>> gaps;
    QObject::connect(window, &QQuickWindow::frameSwapped, [&] {
        const qint64 now = clock.nsecsElapsed();
        if (last >= 0 && stage != QLatin1String("idle")) {
            gaps[stage].append(now - last);
            if (now - last > 50'000'000 && qEnvironmentVariableIsSet("FRAMES_DEBUG"))
                std::fprintf(stderr, "long gap %.1f ms in %s at %s (%s)\n", (now - last) / 1e6, qPrintable(stage),
                             model.phase() ? qPrintable(describe(*model.phase())) : "none",
                             qPrintable(describe(model.install())));
        }
        last = now;
    });
    QObject::connect(&model, &AppModel::phaseChanged, [&] {
        if (!model.phase())
            stage = QStringLiteral("idle");
        else
            stage = model.phase()->kind == PatchPhase::Verifying ? QStringLiteral("verifying") : QStringLiteral("downloading");
    });
    // Keep frames coming whatever the model does, as a moving progress bar would.
    // and see how late the GUI thread's own event loop runs it: a blocked GUI thread shows here.
    QHash<QString, qint64> stalls;
    qint64 lastTick = -1;
    QTimer repaint;
    QObject::connect(&repaint, &QTimer::timeout, window, [&] {
        const qint64 now = clock.nsecsElapsed();
        if (lastTick >= 0 && stage != QLatin1String("idle"))
            stalls[stage] = qMax(stalls.value(stage), now - lastTick);
        lastTick = now;
        window->update();
    });
    repaint.start(5);

    QTimer::singleShot(500, [&] {
        model.requestSignIn(QStringLiteral("player@example.com"), QStringLiteral("vantorel"));
    });
    QObject::connect(&model, &AppModel::installChanged, [&] {
        static int runs = 0;
        if (model.install().kind == InstallState::NotInstalled && runs == 0) {
            ++runs;
            model.requestPatch();
        } else if (model.install().kind == InstallState::Ready && runs == 1) {
            ++runs;
            model.requestPatch();  // a second run: verification of everything, nothing to fetch
        } else if (model.install().kind == InstallState::Ready && runs == 2) {
            QCoreApplication::quit();
        } else if (model.install().kind == InstallState::Failed) {
            std::fprintf(stderr, "update failed: %s\n", qPrintable(model.install().message));
            QCoreApplication::exit(1);
        }
    });
    const int status = app.exec();
    standin.terminate();
    standin.waitForFinished();
    for (const QString &name : {QStringLiteral("verifying"), QStringLiteral("downloading")}) {
        QList<qint64> g = gaps.value(name);
        if (g.isEmpty())
            continue;
        std::sort(g.begin(), g.end());
        std::printf("%-12s frames %5lld  gap median %5.1f ms  p99 %5.1f ms  max %5.1f ms  |  GUI thread longest stall %5.1f ms\n",
                    qPrintable(name), qlonglong(g.size()), g.at(g.size() / 2) / 1e6, g.at(g.size() * 99 / 100) / 1e6,
                    g.last() / 1e6, stalls.value(name) / 1e6);
    }

    return status;
}
