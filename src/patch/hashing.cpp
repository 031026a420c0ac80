#include "patch/hashing.h"
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
}

namespace Patcher {
QString sha256Of(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        fileError(QStringLiteral("open"), path, errno);
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
#ifdef POSIX_FADV_SEQUENTIAL
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
#endif
    std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context(EVP_MD_CTX_new(), &EVP_MD_CTX_free);
    if (!context || EVP_DigestInit_ex(context.get(), EVP_sha256(), nullptr) != 1)
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

bool sameDigest(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}
}
