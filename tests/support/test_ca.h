#pragma once
#include <QSslConfiguration>
#include <QString>

// Server certificates for TLS tests. The trusted authority is the one scripts/with-test-ca adds to
// the system store of the test's mount namespace: the launcher trusts it as it trusts any system
// authority, with no setting of its own.
namespace TestCa {

enum class Kind {
    Trusted,     // for 127.0.0.1 and cdn.vantorel.test, issued by the trusted authority
    OtherName,   // issued by the trusted authority, for another host name
    Expired,     // for 127.0.0.1, trusted authority, validity ended yesterday
    SelfSigned,  // for 127.0.0.1, signed by its own key
    UnknownCa,   // for 127.0.0.1, issued by an authority nobody trusts
};

// True when the test runs under scripts/with-test-ca.
bool available();
// A key and certificate of that kind, as a server configuration.
QSslConfiguration serverConfiguration(Kind kind);
// The same, written as PEM files (for nginx and the HTTP/2 test server); false on failure.
bool writePem(Kind kind, const QString &certPath, const QString &keyPath);

}
