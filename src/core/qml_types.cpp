#include "core/qml_types.h"
#include "core/app_model.h"

#include <QtQml/qqml.h>

void registerQmlTypes()
{
    qmlRegisterUncreatableType<AppModel>("Vantorel", 1, 0, "AppModel",
                                         QStringLiteral("The one model is created by the application"));
}
