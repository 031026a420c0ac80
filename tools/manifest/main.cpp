// vantorel-manifest <build-folder> <base-url> <output-file> [--mirror PREFIX]... [--version N --expires <30d|RFC 3339> --channel NAME --sign-key FILE]
#include "manifest_builder.h"
#include "support/launcher_error.h"
#include "../terminal_progress.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <limits>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const auto option = [&args](const QString &name) -> std::optional<QString> {
        const qsizetype at = args.indexOf(name);
        if (at < 0 || at + 1 >= args.size())
            return std::nullopt;
        const QString value = args.at(at + 1);
        args.remove(at, 2);
        return value;
    };
    const auto version = option(QStringLiteral("--version"));
    const auto expires = option(QStringLiteral("--expires"));
    const auto key = option(QStringLiteral("--sign-key"));
    const auto channel = option(QStringLiteral("--channel"));
    const auto threshold = option(QStringLiteral("--chunk-threshold"));
    QStringList mirrors;
    while (const auto mirror = option(QStringLiteral("--mirror")))
        mirrors.append(*mirror);
    qint64 chunkThreshold = ManifestBuilder::defaultChunkThreshold;
    if (threshold) {
        static const QHash<QChar, qint64> units{{'K', 1 << 10}, {'M', 1 << 20}, {'G', 1 << 30}};
        QString text = threshold->trimmed().toUpper();
        const qint64 unit = !text.isEmpty() && units.contains(text.back()) ? units.value(text.back()) : 1;
        if (unit > 1)
            text.chop(1);
        bool ok = false;
        chunkThreshold = text == QLatin1String("OFF") ? std::numeric_limits<qint64>::max() : text.toLongLong(&ok) * unit;
        if (text != QLatin1String("OFF") && (!ok || chunkThreshold <= 0)) {
            std::fprintf(stderr, "vantorel-manifest: --chunk-threshold takes a size (8M, 512K) or off\n");
            return 2;
        }
    }
    const int given = int(version.has_value()) + int(expires.has_value()) + int(key.has_value()) + int(channel.has_value());
    if (args.size() != 3 || (given != 0 && given != 4)) {
        std::fprintf(stderr, "usage: vantorel-manifest <build-folder> <base-url> <output-file> "
                             "[--chunk-threshold N[K|M|G]|off] [--mirror PREFIX]... [--version N --expires <30d|12h|RFC 3339 time> --channel NAME --sign-key <ed25519.pem>]\n");
        return 2;
    }
    Mirrors mirrored;
    try {
        mirrored = ManifestBuilder::mirrorsOf(args.at(1), mirrors);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "vantorel-manifest: %s\n", qPrintable(describeError(error)));
        return 2;
    }
    try {
        std::optional<ManifestBuilder::Signing> signing;
        if (given == 4) {
            signing.emplace();
            // The launcher finds the channel in the list's address: one folder name.
            static const QRegularExpression name(QStringLiteral("^[A-Za-z0-9._-]+$"));
            if (!name.match(*channel).hasMatch() || *channel == QLatin1String(".") || *channel == QLatin1String(".."))
                throw PlatformError(QStringLiteral("--channel takes the name of the folder the list is served from (release, beta)."));
            signing->channel = *channel;
            bool ok = false;
            signing->version = version->toLongLong(&ok);
            if (!ok || signing->version <= 0)
                throw PlatformError(QStringLiteral("--version takes a positive whole number."));
            signing->expires = ManifestBuilder::expiryFrom(*expires);
            if (!signing->expires.isValid())
                throw PlatformError(QStringLiteral("--expires takes a duration (30d, 12h, 45m) or an RFC 3339 time."));
            QFile pem(*key);
            if (!pem.open(QIODevice::ReadOnly))
                throw PlatformError(QStringLiteral("Can't read %1: %2").arg(*key, pem.errorString()));
            signing->privateKeyPem = pem.readAll();
        }
        TerminalProgress bar("hashing");
        Manifest manifest = ManifestBuilder::build(args.at(0), args.at(1), [&](qint64 done, qint64 total) {
            bar.update(done, total);
        });
        bar.finish();
        manifest.mirrors = mirrored;
        ManifestBuilder::addChunkIndexes(manifest, args.at(0), args.at(2), chunkThreshold);
        ManifestBuilder::writeAtomically(manifest, args.at(2), signing);
        std::fprintf(stderr, "vantorel-manifest: %lld files written to %s%s\n", qlonglong(manifest.files.size()),
                     qPrintable(args.at(2)), signing ? " (signed)" : "");
        return 0;
    } catch (const std::exception &error) {
        std::fprintf(stderr, "vantorel-manifest: %s\n", qPrintable(describeError(error)));
        return 1;
    }
}
