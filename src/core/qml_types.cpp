#include "core/qml_types.h"
#include "core/app_model.h"
#include "core/slide_images.h"

#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QtQml/qqml.h>

void registerQmlTypes()
{
    static const bool registered = [] {
        qmlRegisterUncreatableType<AppModel>("Vantorel", 1, 0, "AppModel",
                                             QStringLiteral("The one model is created by the application"));
        return true;
    }();
    Q_UNUSED(registered);
}

QQuickWindow *loadMainWindow(QQmlApplicationEngine &engine, AppModel *model)
{
    registerQmlTypes();
    engine.addImageProvider(QStringLiteral("slides"), new SlideImages(model));
    // A new language shows at once: every qsTr() binding is evaluated again.
    QObject::connect(model, &AppModel::languageChanged, &engine, &QQmlEngine::retranslate);
    engine.setInitialProperties({{QStringLiteral("app"), QVariant::fromValue(model)}});
    engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
    engine.load(QUrl(QStringLiteral("qrc:/qt/qml/Vantorel/Ui/Main.qml")));
    return qobject_cast<QQuickWindow *>(engine.rootObjects().value(0));
}
