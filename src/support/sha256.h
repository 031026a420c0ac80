#pragma once
#include <QString>
#include <memory>

struct evp_md_ctx_st;

// SHA-256 fed as bytes arrive (a download written to disk), so a body is never read back to be checked.
class Sha256Stream {
public:
    Sha256Stream();
    ~Sha256Stream();
    Sha256Stream(Sha256Stream &&) noexcept;
    Sha256Stream &operator=(Sha256Stream &&) noexcept;
    // A stream that has already taken the first `bytes` bytes of the file (a body kept from an
    // earlier attempt). Throws PlatformError when the file is shorter or unreadable.
    static Sha256Stream ofPrefix(const QString &path, qint64 bytes);

    void update(const char *data, qint64 size);
    void reset();
    // The digest of everything taken so far, 64 lower-case hex digits (the stream stays usable).
    QString hex() const;

private:
    std::unique_ptr<evp_md_ctx_st, void (*)(evp_md_ctx_st *)> m_context;
};

// SHA-256 of a file's content as 64 lower-case hex digits, read 4 MiB at a time.
// Throws PlatformError when the file cannot be opened or read.
QString sha256Of(const QString &path);
// Compares a computed digest with a manifest's, ignoring letter case.
bool sameDigest(const QString &a, const QString &b);
