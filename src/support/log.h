#pragma once
#include <QString>

// The launcher's append-only log ("launcher-mac.log" in the logs folder). Callers only enqueue:
// one serial background writer formats and appends each line, so the caller never blocks and a
// failure is silently dropped.
namespace Log {
void write(const QString &level, const QString &message);
inline void info(const QString &message) { write(QStringLiteral("INFO"), message); }
inline void warn(const QString &message) { write(QStringLiteral("WARN"), message); }

QString file();
// Blocks until every line submitted so far is on disk (used at exit and by checks).
void flush();
}
