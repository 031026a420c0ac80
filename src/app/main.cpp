#include "app/single_instance.h"
#include "config/launcher_config.h"
#include "core/app_model.h"
#include "core/qml_types.h"
#include "core/slide_images.h"
#include "support/log.h"
#include "support/origins.h"
#include "support/paths.h"

#include <QGuiApplication>
#include <QIcon>
#include <QWindow>
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
    registerQmlTypes();

    QQmlApplicationEngine engine;
    engine.addImageProvider(QStringLiteral("slides"), new SlideImages(&model));
    engine.setInitialProperties({{QStringLiteral("app"), QVariant::fromValue(&model)}});
    QObject::connect(&engine, &QQmlApplicationEngine::objectCreationFailed, &app, [] { QCoreApplication::exit(1); },
                     Qt::QueuedConnection);
    engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
    engine.load(QUrl(QStringLiteral("qrc:/qt/qml/Vantorel/Ui/Main.qml")));
    instance.onActivate = [&engine] {
        if (auto *window = qobject_cast<QWindow *>(engine.rootObjects().value(0))) {
            window->show();
            window->raise();
            window->requestActivate();
        }
    };

    const int status = app.exec();
    Log::flush();
    return status;
}
