// Opens the real launcher window on the real model, signs in against the stand-in serving a demo
// site, runs a whole update (verify, download, verify) and prints how long the longest gaps between
// two frames were while the GUI thread had to keep the progress bar moving.
//   vantorel-frames <site-folder> [<cache-folder>] [--until-download]
// A kept cache folder keeps compiled shaders. --until-download measures the install check and the
// verification only and stops when the first download begins (for sites with huge manifests).
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
    qputenv("XDG_CACHE_HOME", argc > 2 && argv[2][0] != '-' ? QByteArray(argv[2]) : (profile.path() + "/cache").toUtf8());
    QGuiApplication app(argc, argv);
    const bool untilDownload = app.arguments().contains(QStringLiteral("--until-download"));
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
    // A gap belongs to the stage it began in, or else to the one it ended in: a stage that blocks
    // the thread from its start to its end still shows.
    const auto stageOf = [](const QString &began, const QString &now) { return began != QLatin1String("idle") ? began : now; };
    QString frameStage = stage;
    QObject::connect(window, &QQuickWindow::frameSwapped, [&] {
        const qint64 now = clock.nsecsElapsed();
        const QString in = stageOf(frameStage, stage);
        if (last >= 0 && in != QLatin1String("idle")) {
            gaps[in].append(now - last);
            if (now - last > 50'000'000 && qEnvironmentVariableIsSet("FRAMES_DEBUG"))
                std::fprintf(stderr, "%.1f ms: long gap %.1f ms in %s at %s (%s)\n", now / 1e6, (now - last) / 1e6, qPrintable(in),
                             model.phase() ? qPrintable(describe(*model.phase())) : "none",
                             qPrintable(describe(model.install())));
        }
        last = now;
        frameStage = stage;
    });
    bool rechecked = false;
    const auto updateStage = [&] {
        // The install starts out as "checking": the check proper begins with the home screen, whose
        // first drawing is part of the first check. A second check ("Check for Updates") is the
        // check alone.
        if (model.install().kind == InstallState::Checking && model.screen().kind == Screen::Main)
            stage = rechecked ? QStringLiteral("checking") : QStringLiteral("first check");
        else if (!model.phase())
            stage = QStringLiteral("idle");
        else
            stage = model.phase()->kind == PatchPhase::Verifying ? QStringLiteral("verifying") : QStringLiteral("downloading");
        if (qEnvironmentVariableIsSet("FRAMES_DEBUG"))
            std::fprintf(stderr, "%.1f ms: %s\n", clock.nsecsElapsed() / 1e6, qPrintable(describe(model.install())));
        if (untilDownload && stage == QLatin1String("downloading"))
            QCoreApplication::quit();
    };
    QObject::connect(&model, &AppModel::phaseChanged, updateStage);
    QObject::connect(&model, &AppModel::installChanged, updateStage);
    QObject::connect(&model, &AppModel::screenChanged, updateStage);
    // Keep frames coming whatever the model does, as a moving progress bar would.
    // and see how late the GUI thread's own event loop runs it: a blocked GUI thread shows here.
    QHash<QString, qint64> stalls;
    qint64 lastTick = -1;
    QTimer repaint;
    QString tickStage = stage;
    QObject::connect(&repaint, &QTimer::timeout, window, [&] {
        const qint64 now = clock.nsecsElapsed();
        const QString in = stageOf(tickStage, stage);
        if (lastTick >= 0 && in != QLatin1String("idle"))
            stalls[in] = qMax(stalls.value(in), now - lastTick);
        lastTick = now;
        tickStage = stage;
        window->update();
    });
    repaint.start(5);

    QTimer::singleShot(500, [&] {
        model.requestSignIn(QStringLiteral("player@example.com"), QStringLiteral("vantorel"));
    });
    QObject::connect(&model, &AppModel::installChanged, [&] {
        static int runs = 0;
        const bool offered = model.install().kind == InstallState::NotInstalled
            || (untilDownload && model.install().kind == InstallState::UpdateAvailable);
        if (offered && untilDownload && !rechecked) {
            rechecked = true;
            QTimer::singleShot(0, &model, [&] { model.requestCheckInstall(); });
        } else if (offered && runs == 0) {
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
    for (const QString &name : {QStringLiteral("first check"), QStringLiteral("checking"), QStringLiteral("verifying"),
                                QStringLiteral("downloading")}) {
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
