#pragma once
#include "standin/standin.h"
#include "support/open_model.h"

#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <memory>

// The launcher's main window on the real views, for tests that drive it: the model signs in at a
// stand-in serving `site`, and its patch list sits behind a closed port. A test class takes it as
// a second base (after QObject) and calls openMainWindow() from initTestCase.
class MainWindowFixture {
protected:
    QTemporaryDir site;
    Standin::Service server{site.path()};
    std::unique_ptr<OpenModel> model;
    std::unique_ptr<QQmlApplicationEngine> engine;
    QQuickWindow *window = nullptr;

    // Starts the stand-in, opens the window with the Basic style and waits until it is exposed on
    // the sign-in screen. An empty installPath keeps the configuration's own. Fails the running
    // test on the way; the caller checks QTest::currentTestFailed() before using the window.
    void openMainWindow(const QString &installPath = {});
    // The drawn box of a popup found by name.
    QQuickItem *popupBox(const char *name) const;
};
