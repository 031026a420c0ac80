#pragma once
#include <QProcess>
#include <QString>
#include <QStringList>

// A Debian server (nginx, tinyproxy) run in the foreground as a child of the test, on a port of
// 127.0.0.1 with a configuration file written for it.
namespace ServerProcess {
// A port of 127.0.0.1 that is free now (the server takes it a moment later); 0 when none is.
quint16 freePort();
// Writes a configuration file whole; false when it cannot.
bool writeConfig(const QString &path, const QString &text);
// Starts the program with its error output on the test's, and waits up to 10 s until it accepts
// connections on the port; false when it does not start or ends before that.
bool start(QProcess &process, const QString &program, const QStringList &arguments, quint16 port);
}
