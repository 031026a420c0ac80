#pragma once

// Makes the model's enumerations reachable from QML as "import Vantorel" (AppModel.Login, ...).
void registerQmlTypes();
