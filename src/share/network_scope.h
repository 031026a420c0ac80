#pragma once
#include <QHostAddress>
#include <QList>
#include <QPair>

// Which addresses count as the local network: the server listens only on private and link-local
// addresses of this computer and answers only clients inside the subnets those addresses are on.
namespace NetworkScope {

using Subnet = QPair<QHostAddress, int>;

// 10/8, 172.16/12, 192.168/16, 169.254/16, fc00::/7 and fe80::/10 (IPv4-mapped IPv6 included).
bool isPrivate(const QHostAddress &address);

// This computer's private and link-local addresses on interfaces that are up (loopback never).
QList<QHostAddress> listenAddresses();

// The subnets of those addresses, as their interfaces declare them.
QList<Subnet> localSubnets();

// True when `client` lies in one of `subnets` (IPv4-mapped IPv6 compared as IPv4).
bool contains(const QList<Subnet> &subnets, const QHostAddress &client);
}
