#include "test_ca.h"

#include <QFile>
#include <QSslCertificate>
#include <QSslKey>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>
#include <functional>
#include <memory>

namespace TestCa {

namespace {
using Key = std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)>;
using Cert = std::unique_ptr<X509, decltype(&X509_free)>;
using Bio = std::unique_ptr<BIO, decltype(&BIO_free)>;

QString caDir() { return qEnvironmentVariable("VANTOREL_TEST_CA_DIR"); }

template <typename T, typename F>
T readPem(const QString &path, F read, void (*release)(typename T::element_type *))
{
    const QByteArray data = [&] {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    Bio bio(BIO_new_mem_buf(data.constData(), int(data.size())), &BIO_free);
    return T(read(bio.get(), nullptr, nullptr, nullptr), release);
}

void addExtension(X509 *cert, X509 *issuer, int nid, const char *value)
{
    X509V3_CTX context;
    X509V3_set_ctx_nodb(&context);
    X509V3_set_ctx(&context, issuer, cert, nullptr, nullptr, 0);
    if (X509_EXTENSION *ext = X509V3_EXT_conf_nid(nullptr, &context, nid, value)) {
        X509_add_ext(cert, ext, -1);
        X509_EXTENSION_free(ext);
    }
}

Cert makeCert(EVP_PKEY *key, const char *commonName, const char *san, long fromSeconds, long toSeconds, bool ca)
{
    static long serial = 1000;
    Cert cert(X509_new(), &X509_free);
    X509_set_version(cert.get(), 2);
    ASN1_INTEGER_set(X509_get_serialNumber(cert.get()), ++serial);
    X509_gmtime_adj(X509_getm_notBefore(cert.get()), fromSeconds);
    X509_gmtime_adj(X509_getm_notAfter(cert.get()), toSeconds);
    X509_set_pubkey(cert.get(), key);
    X509_NAME_add_entry_by_txt(X509_get_subject_name(cert.get()), "CN", MBSTRING_ASC,
                               reinterpret_cast<const unsigned char *>(commonName), -1, -1, 0);
    if (ca)
        addExtension(cert.get(), cert.get(), NID_basic_constraints, "critical,CA:TRUE");
    if (san)
        addExtension(cert.get(), cert.get(), NID_subject_alt_name, san);
    return cert;
}

void sign(X509 *cert, X509 *issuer, EVP_PKEY *issuerKey)
{
    X509_set_issuer_name(cert, X509_get_subject_name(issuer ? issuer : cert));
    X509_sign(cert, issuerKey, EVP_sha256());
}

QByteArray pem(const std::function<void(BIO *)> &write)
{
    Bio bio(BIO_new(BIO_s_mem()), &BIO_free);
    write(bio.get());
    char *data = nullptr;
    const long size = BIO_get_mem_data(bio.get(), &data);
    return QByteArray(data, int(size));
}

struct Pair {
    QByteArray cert, key;
};

Pair issue(Kind kind)
{
    constexpr long day = 24 * 3600;
    Key key(EVP_RSA_gen(2048), &EVP_PKEY_free);
    const bool expired = kind == Kind::Expired;
    Cert leaf = makeCert(key.get(), kind == Kind::OtherName ? "cdn.example.net" : "127.0.0.1",
                         kind == Kind::OtherName ? "DNS:cdn.example.net" : "IP:127.0.0.1,DNS:cdn.vantorel.test",
                         expired ? -2 * day : -60, expired ? -day : day, false);
    if (kind == Kind::SelfSigned) {
        sign(leaf.get(), nullptr, key.get());
    } else if (kind == Kind::UnknownCa) {
        Key otherKey(EVP_RSA_gen(2048), &EVP_PKEY_free);
        Cert other = makeCert(otherKey.get(), "Nobody's CA", nullptr, -60, day, true);
        sign(other.get(), nullptr, otherKey.get());
        sign(leaf.get(), other.get(), otherKey.get());
    } else {
        auto caKey = readPem<Key>(caDir() + "/ca.key", PEM_read_bio_PrivateKey, &EVP_PKEY_free);
        auto caCert = readPem<Cert>(caDir() + "/ca.pem", PEM_read_bio_X509, &X509_free);
        if (!caKey || !caCert)
            return {};
        sign(leaf.get(), caCert.get(), caKey.get());
    }
    return {pem([&](BIO *b) { PEM_write_bio_X509(b, leaf.get()); }),
            pem([&](BIO *b) { PEM_write_bio_PrivateKey(b, key.get(), nullptr, nullptr, 0, nullptr, nullptr); })};
}
}

bool available() { return !caDir().isEmpty() && QFile::exists(caDir() + "/ca.key"); }

QSslConfiguration serverConfiguration(Kind kind)
{
    const Pair pair = issue(kind);
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setPrivateKey(QSslKey(pair.key, QSsl::Rsa));
    configuration.setLocalCertificate(QSslCertificate(pair.cert));
    configuration.setPeerVerifyMode(QSslSocket::VerifyNone);
    return configuration;
}

bool writePem(Kind kind, const QString &certPath, const QString &keyPath)
{
    const Pair pair = issue(kind);
    QFile cert(certPath), key(keyPath);
    return !pair.cert.isEmpty() && cert.open(QIODevice::WriteOnly) && cert.write(pair.cert) == pair.cert.size()
        && key.open(QIODevice::WriteOnly) && key.write(pair.key) == pair.key.size();
}

}
