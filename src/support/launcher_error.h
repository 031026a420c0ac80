#pragma once
#include <QDateTime>
#include <QList>
#include <QString>
#include <exception>
#include <string>

// The launcher's one error type: an area and the complete sentence the user reads.
class LauncherError : public std::exception {
public:
    enum class Kind { Auth, Patch, Keychain, Network };

    LauncherError(Kind kind, QString message);
    static LauncherError auth(QString message) { return {Kind::Auth, std::move(message)}; }
    static LauncherError patch(QString message) { return {Kind::Patch, std::move(message)}; }
    static LauncherError keychain(QString message) { return {Kind::Keychain, std::move(message)}; }
    static LauncherError network(QString message) { return {Kind::Network, std::move(message)}; }

    Kind kind() const { return m_kind; }
    const QString &errorDescription() const { return m_message; }
    const char *what() const noexcept override { return m_utf8.c_str(); }

    // The messages, composed where the failure happens.
    static QString emailCodeRefused();
    static QString keychainRead(int status);
    static QString keychainSave(int status);
    static QString loginUnreachable();
    static QString patchUnreachable();
    static QString unsafePath(const QString &path);
    static QString badUrl(const QString &path);
    static QString checksumFailed(const QString &path);
    static QString downloadStatus(int status);
    static QString notEnoughSpace(const QString &folder, qint64 needed, qint64 free);
    static QString folderBusy();
    static QString manifestUnsigned();
    static QString manifestBadSignature();
    static QString manifestUndated();
    static QString manifestExpired(const QDateTime &expires);
    static QString manifestRolledBack(qint64 version, qint64 accepted);
    static QString manifestWrongChannel(const QString &channel, const QString &expected);
    // The English sentences above with "%1" where a value goes, for translating them on display.
    static QList<const char *> sourceTexts();

private:
    Kind m_kind;
    QString m_message;
    std::string m_utf8;
};

// A failure from the platform (file system, transport, decoding), carried with its own text.
class PlatformError : public std::exception {
public:
    explicit PlatformError(QString description);
    const QString &errorDescription() const { return m_description; }
    const char *what() const noexcept override { return m_utf8.c_str(); }

private:
    QString m_description;
    std::string m_utf8;
};

// The readable description of any exception the launcher may catch.
QString describeError(const std::exception &error);
QString describeCurrentException();
