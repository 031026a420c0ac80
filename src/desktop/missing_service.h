#pragma once
#include <QString>

// The launcher does without a desktop service that does not answer, and says so in one log line:
// the first time only, so a service that is never there does not fill the log with every run.
class MissingService {
public:
    // `line` is the log line, with %1 for the reason.
    explicit MissingService(QString line) : m_line(std::move(line)) {}
    void tell(const QString &why);

private:
    QString m_line;
    bool m_told = false;
};
