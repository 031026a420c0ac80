#include "app/quit_signals.h"
#include "app/single_instance.h"
#include "config/launcher_config.h"
#include "core/app_model.h"
#include "core/qml_types.h"
#include "core/desktop_integration.h"
#include "support/background.h"
#include "support/log.h"
#include "support/origins.h"
#include "support/paths.h"

#include <QGuiApplication>
#include <QIcon>
#include <QQuickWindow>
#include <QQmlApplicationEngine>
#include <QQuickStyle>
#include <QtQml/qqmlextensionplugin.h>
#include <cstdlib>

Q_IMPORT_QML_PLUGIN(Vantorel_UiPlugin)

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("Vantorel"));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Vantorel"));
    QGuiApplication::setApplicationVersion(launcherVersion());
    QGuiApplication::setDesktopFileName(QStringLiteral("com.vantorel.Launcher"));
    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/qt/qml/Vantorel/Ui/icons/vantorel.png")));
    QQuickStyle::setStyle(QStringLiteral("Basic"));

    SingleInstance instance(Paths::launcherDir());
    if (!instance.claim())
        return 0;

    AppModel model(LauncherConfig::load());
    model.applyLanguage();
    QQmlApplicationEngine engine;
    QQuickWindow *window = loadMainWindow(engine, &model);
    if (!window)
        return 1;
    const auto bringForward = [window](const QByteArray &token) {
        // Qt's Wayland window hands this token to the compositor when it asks to be activated.
        if (!token.isEmpty())
            qputenv("XDG_ACTIVATION_TOKEN", token);
        window->show();
        window->raise();
        window->requestActivate();
    };
    instance.onActivate = bringForward;
    DesktopIntegration desktop(model, [window] { return window->isActive(); });
    QObject::connect(&desktop, &DesktopIntegration::raiseRequested, window, bringForward);

    quitOnTerminationSignals();
    const int status = app.exec();
    // Hashing and transfers stop at their next step; the model and the instance lock outlive them.
    const bool stopped = Background::stopAll(1500);
    Log::flush();
    if (!stopped)
        std::_Exit(status);  // something is stuck in the kernel: leave without running destructors under it
    return status;
}
