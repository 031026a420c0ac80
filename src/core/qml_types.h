#pragma once

class AppModel;
class QQmlApplicationEngine;
class QQuickWindow;

// Makes the model's enumerations reachable from QML as "import Vantorel" (AppModel.Login, ...).
void registerQmlTypes();

// Loads the main window for the model: registers the types, hands the model down as the root's
// "app" and serves its slide pictures. Returns the window, or nullptr when QML failed to load.
QQuickWindow *loadMainWindow(QQmlApplicationEngine &engine, AppModel *model);
