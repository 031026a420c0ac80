#pragma once
#include "support/launcher_error.h"

#include <exception>

// Why a download attempt failed, which decides what comes next. Transport, content and origin
// failures may move to another origin or peer; a local one ends that file at once and blames no
// origin; a stopped one ends it without a word.
enum class FailureCause {
    Transport,  // no complete answer: connection, time-out, TLS, a cut body
    Content,    // an answer that is not the bytes asked for: wrong bytes, wrong length, wrong range
    Local,      // this computer: a folder that can't be written, something in the way, a full disk
    Origin,     // the server answered with an error status
    Stopped,    // cancelled, or the launcher is quitting
};

// A body that grew past the size the caller allowed; the transfer was stopped at once.
class BodyTooLarge : public PlatformError {
public:
    using PlatformError::PlatformError;
};

// A range request was answered with anything but exactly that range (a whole body, another
// range, 416): the server or the file is not what the caller assumed.
class RangeRefused : public PlatformError {
public:
    using PlatformError::PlatformError;
};

// A server would not continue a kept body from its end (a short range, another range, 416, a
// changed validator): asking it for the rest again would only fail again.
class ResumeRefused : public RangeRefused {
public:
    using RangeRefused::RangeRefused;
};

// The disk, not the network, failed the download; asking again would fetch the body again for
// nothing.
class LocalFailure : public PlatformError {
public:
    using PlatformError::PlatformError;
};

// An answer with an error status; the text is the user's.
class StatusFailure : public LauncherError {
public:
    explicit StatusFailure(int status) : LauncherError(Kind::Patch, downloadStatus(status)), m_status(status) {}
    int status() const { return m_status; }

private:
    int m_status;
};

// A body that arrived whole but is not the file: it failed its checksum. The text is the user's.
class WrongContent : public LauncherError {
public:
    explicit WrongContent(const QString &path) : LauncherError(Kind::Patch, checksumFailed(path)) {}
};

// The cause of a failure thrown by a download (anything unknown counts as transport).
FailureCause causeOf(const std::exception_ptr &error);
