#include "share/network_scope.h"

#include <QNetworkInterface>

namespace NetworkScope {
namespace {
QHostAddress plain(const QHostAddress &address)
{
    bool ok = false;
    const quint32 v4 = address.toIPv4Address(&ok);
    return ok ? QHostAddress(v4) : address;
}

const QList<Subnet> &privateRanges()
{
    static const QList<Subnet> ranges{
        QHostAddress::parseSubnet(QStringLiteral("10.0.0.0/8")),
        QHostAddress::parseSubnet(QStringLiteral("172.16.0.0/12")),
        QHostAddress::parseSubnet(QStringLiteral("192.168.0.0/16")),
        QHostAddress::parseSubnet(QStringLiteral("169.254.0.0/16")),
        QHostAddress::parseSubnet(QStringLiteral("fc00::/7")),
        QHostAddress::parseSubnet(QStringLiteral("fe80::/10")),
    };
    return ranges;
}

template<typename F>
void forEachLocalEntry(F f)
{
    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &interface : interfaces) {
        const auto flags = interface.flags();
        if (!(flags & QNetworkInterface::IsUp) || !(flags & QNetworkInterface::IsRunning)
            || (flags & QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry &entry : interface.addressEntries())
            if (isPrivate(entry.ip()))
                f(entry);
    }
}
}

bool isPrivate(const QHostAddress &address)
{
    return contains(privateRanges(), address);
}

QList<QHostAddress> listenAddresses()
{
    QList<QHostAddress> out;
    forEachLocalEntry([&](const QNetworkAddressEntry &entry) { out.append(entry.ip()); });
    return out;
}

QList<Subnet> localSubnets()
{
    QList<Subnet> out;
    forEachLocalEntry([&](const QNetworkAddressEntry &entry) {
        if (entry.prefixLength() > 0)
            out.append({entry.ip(), entry.prefixLength()});
    });
    return out;
}

bool contains(const QList<Subnet> &subnets, const QHostAddress &client)
{
    const QHostAddress address = plain(client);
    for (const Subnet &subnet : subnets)
        if (address.isInSubnet(subnet))
            return true;
    return false;
}
}
