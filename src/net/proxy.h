#pragma once
#include <QByteArray>
#include <QUrl>
#include <functional>
#include <optional>

// The proxy the system names for an address (the *_proxy variables and, through libproxy's
// plug-ins, the desktop's settings), asked per origin and off the thread that needs it, since a
// proxy auto-configuration script may take a while.
namespace Net::Proxy {

// "" for a direct connection, else the proxy's URL; nothing while it is not known yet.
// Addresses on this computer never go through a proxy.
std::optional<QByteArray> known(const QUrl &url);
// Finds it out on a worker thread, then calls `done` there; after 5 s without an answer (a
// script that never ends) the connection is direct. Answers are kept for 5 minutes.
void lookUp(const QUrl &url, std::function<void()> done);

// Who answers, for tests (none: libproxy); forgets every answer.
using Asker = std::function<QByteArray(const QUrl &url)>;
void setAsker(Asker ask);

}
