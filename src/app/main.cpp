#include "app/single_instance.h"
#include "config/launcher_config.h"
#include "core/app_model.h"
#include "core/qml_types.h"
#include "support/log.h"
#include "support/origins.h"
#include "support/paths.h"

#include <QGuiApplication>
#include <QIcon>
#include <QQuickWindow>
#include <QQmlApplicationEngine>
#include <QQuickStyle>
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(Vantorel_UiPlugin)

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("Vantorel"));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Vantorel"));
    QGuiApplication::setApplicationVersion(launcherVersion());
    QGuiApplication::setDesktopFileName(QStringLiteral("vantorel-launcher"));
    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/qt/qml/Vantorel/Ui/icons/vantorel.png")));
    QQuickStyle::setStyle(QStringLiteral("Basic"));

    SingleInstance instance(Paths::launcherDir());
    if (!instance.claim())
        return 0;

    AppModel model(LauncherConfig::load());
    QQmlApplicationEngine engine;
    QQuickWindow *window = loadMainWindow(engine, &model);
    if (!window)
        return 1;
    instance.onActivate = [window] {
        window->show();
        window->raise();
        window->requestActivate();
    };

    const int status = app.exec();
    Log::flush();
    return status;
}
