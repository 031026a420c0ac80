#include "support/sha256.h"
#include "support/background.h"
#include "support/launcher_error.h"

#include <QFile>
#include <openssl/evp.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace {
constexpr size_t chunkSize = 4 * 1024 * 1024;

[[noreturn]] void fileError(const QString &action, const QString &path, int error)
{
    throw PlatformError(QStringLiteral("Couldn't %1 \"%2\": %3").arg(action, path, QString::fromLocal8Bit(strerror(error))));
}

// A file open for reading, closed when it goes.
struct Reader {
    explicit Reader(const QString &path) : fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC))
    {
        if (fd < 0)
            fileError(QStringLiteral("open"), path, errno);
    }
    ~Reader() { ::close(fd); }
    Reader(const Reader &) = delete;
    Reader &operator=(const Reader &) = delete;
    const int fd;
};

// Looked up once: in OpenSSL 3 each lookup by name (EVP_sha256()) costs more than hashing a small file.
const EVP_MD *sha256Method()
{
    static EVP_MD *method = EVP_MD_fetch(nullptr, "SHA256", nullptr);
    return method;
}
}

QString sha256Of(const QString &path)
{
    const Reader reader(path);
    const int fd = reader.fd;
#ifdef POSIX_FADV_SEQUENTIAL
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
#endif
    std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context(EVP_MD_CTX_new(), &EVP_MD_CTX_free);
    if (!context || EVP_DigestInit_ex(context.get(), sha256Method(), nullptr) != 1)
        throw PlatformError(QStringLiteral("SHA-256 is not available."));
    std::unique_ptr<unsigned char[]> buffer(new unsigned char[chunkSize]);
    for (;;) {
        Background::throwIfStopping();
        const ssize_t got = ::read(fd, buffer.get(), chunkSize);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            fileError(QStringLiteral("read"), path, errno);
        }
        if (got == 0)
            break;
        EVP_DigestUpdate(context.get(), buffer.get(), size_t(got));
    }
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    EVP_DigestFinal_ex(context.get(), digest, &length);
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(digest), int(length)).toHex());
}

Sha256Stream::Sha256Stream() : m_context(EVP_MD_CTX_new(), &EVP_MD_CTX_free)
{
    reset();
}
Sha256Stream::~Sha256Stream() = default;
Sha256Stream::Sha256Stream(Sha256Stream &&) noexcept = default;
Sha256Stream &Sha256Stream::operator=(Sha256Stream &&) noexcept = default;

void Sha256Stream::reset()
{
    if (!m_context || EVP_DigestInit_ex(m_context.get(), sha256Method(), nullptr) != 1)
        throw PlatformError(QStringLiteral("SHA-256 is not available."));
}

void Sha256Stream::update(const char *data, qint64 size)
{
    if (size > 0)
        EVP_DigestUpdate(m_context.get(), data, size_t(size));
}

QString Sha256Stream::hex() const
{
    std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> copy(EVP_MD_CTX_new(), &EVP_MD_CTX_free);
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (!copy || EVP_MD_CTX_copy_ex(copy.get(), m_context.get()) != 1 || EVP_DigestFinal_ex(copy.get(), digest, &length) != 1)
        throw PlatformError(QStringLiteral("SHA-256 is not available."));
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(digest), int(length)).toHex());
}

Sha256Stream Sha256Stream::ofPrefix(const QString &path, qint64 bytes)
{
    Sha256Stream stream;
    const Reader reader(path);
    const int fd = reader.fd;
    std::unique_ptr<char[]> buffer(new char[chunkSize]);
    qint64 left = bytes;
    while (left > 0) {
        Background::throwIfStopping();
        const ssize_t got = ::read(fd, buffer.get(), size_t(qMin<qint64>(left, qint64(chunkSize))));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            fileError(QStringLiteral("read"), path, errno);
        if (got == 0)
            throw PlatformError(QStringLiteral("\"%1\" is shorter than expected.").arg(path));
        stream.update(buffer.get(), got);
        left -= got;
    }
    return stream;
}

bool sameDigest(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}
