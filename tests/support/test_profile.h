#pragma once
#include <QString>
#include <QTemporaryDir>

// Gives the test process a profile of its own: XDG data and cache homes in a fresh temporary
// folder. Must run before anything asks for a launcher location (they are computed once).
class TestProfile {
public:
    TestProfile();
    QString root() const { return m_dir.path(); }
    QString dataHome() const { return m_dir.path() + QStringLiteral("/data"); }

private:
    QTemporaryDir m_dir;
};

// Reads a whole file as text ("" when absent).
QString readText(const QString &path);
// Reads a whole file's bytes (empty when absent).
QByteArray readBytes(const QString &path);
// Writes a whole file, creating folders on the way.
void writeFile(const QString &path, const QByteArray &content);
