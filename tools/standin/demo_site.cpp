#include "standin.h"
#include "../manifest/manifest_builder.h"
#include "support/launcher_error.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace Standin {

namespace {
using ManifestBuilder::makeSigningKey;

void writeWhole(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw PlatformError(QStringLiteral("Can't write %1").arg(path));
}

// Deterministic bytes: splitmix64 seeded from the file's path.
quint64 seedOf(const QString &path)
{
    quint64 h = 1469598103934665603ull;
    for (const char c : path.toUtf8())
        h = (h ^ quint8(c)) * 1099511628211ull;
    return h;
}

void writeDeterministic(const QString &path, qint64 size)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw PlatformError(QStringLiteral("Can't write %1").arg(path));
    quint64 state = seedOf(QFileInfo(path).fileName()) ^ quint64(size);
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    for (qint64 left = size; left > 0;) {
        auto *words = reinterpret_cast<quint64 *>(buffer.data());
        for (qsizetype i = 0; i < buffer.size() / 8; ++i) {
            quint64 z = (state += 0x9e3779b97f4a7c15ull);
            z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
            z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
            words[i] = z ^ (z >> 31);
        }
        const qint64 n = qMin<qint64>(left, buffer.size());
        file.write(buffer.constData(), n);
        left -= n;
    }
}

// The second build's version of a file: the first build's bytes with some regions rewritten,
// some inserted and some removed, as a game patch changes a pack.
struct Edit {
    double at;      // where, as a fraction of the file
    qint64 insert;  // new bytes put in
    qint64 remove;  // old bytes taken out
};
void writeEdited(const QString &from, const QString &to, const QList<Edit> &edits)
{
    QFile in(from);
    if (!in.open(QIODevice::ReadOnly))
        throw PlatformError(QStringLiteral("Can't read %1").arg(from));
    QByteArray bytes = in.readAll();
    quint64 state = seedOf(to);
    for (const Edit &edit : edits) {
        const qint64 at = qint64(edit.at * double(bytes.size()));
        QByteArray fresh(edit.insert, Qt::Uninitialized);
        for (char &c : fresh)
            c = char((state = state * 6364136223846793005ull + 1442695040888963407ull) >> 56);
        bytes.replace(at, qMin(edit.remove, bytes.size() - at), fresh);
    }
    QDir().mkpath(QFileInfo(to).absolutePath());
    writeWhole(to, bytes);
}

void writePicture(const QString &path, QColor from, QColor to, int seed)
{
    QImage image(1280, 720, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, 1280, 720);
    sky.setColorAt(0, from);
    sky.setColorAt(1, to);
    painter.fillRect(image.rect(), sky);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 7; ++i) {
        const int x = (seed * 211 + i * 173) % 1280;
        const int y = 200 + (seed * 97 + i * 61) % 400;
        QRadialGradient glow(x, y, 90 + 30 * i);
        glow.setColorAt(0, QColor(255, 230, 180, 150));
        glow.setColorAt(1, QColor(255, 230, 180, 0));
        painter.setBrush(glow);
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(QPointF(x, y), 90 + 30 * i, 90 + 30 * i);
    }
    painter.setBrush(QColor(10, 12, 20, 220));
    QPolygonF ridge;
    ridge << QPointF(0, 720);
    for (int x = 0; x <= 1280; x += 80)
        ridge << QPointF(x, 520 + ((x * (seed + 3)) % 140));
    ridge << QPointF(1280, 720);
    painter.drawPolygon(ridge);
    painter.end();
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!image.save(path, "JPG", 85))
        throw PlatformError(QStringLiteral("Can't write %1").arg(path));
}
}

void makeDemoSite(const QString &folder, bool small)
{
    const QString build = folder + QStringLiteral("/release/files");
    QDir(build).removeRecursively();
    const qint64 mb = small ? 1 << 14 : 1 << 20;  // small builds shrink every size 64 times
    struct Item {
        QString path;
        qint64 size;
    };
    QList<Item> items{
        {QStringLiteral("Binaries/Vantorel.x86_64"), 40 * mb},
        {QStringLiteral("Binaries/libvantorel_core.so"), 8 * mb},
        {QStringLiteral("Binaries/libvantorel_render.so"), 6 * mb},
        {QStringLiteral("Binaries/libvantorel_audio.so"), 2 * mb},
        {QStringLiteral("Content/Paks/pak0.pak"), 96 * mb},
        {QStringLiteral("Content/Paks/pak1.pak"), 48 * mb},
        {QStringLiteral("Content/Paks/pak2.pak"), 24 * mb},
        {QStringLiteral("Config/Default Engine.ini"), 3000},
        {QStringLiteral("Config/Input.ini"), 1200},
        {QStringLiteral("Docs/README.txt"), 800},
        {QStringLiteral("Docs/EMPTY"), 0},
        {QStringLiteral("login.cfg"), 64},
    };
    const int regions = small ? 3 : 8;
    const int maps = small ? 4 : 20;
    for (int r = 0; r < regions; ++r)
        for (int m = 0; m < maps; ++m)
            items.append({QStringLiteral("Content/Maps/region%1/map%2.umap").arg(r).arg(m, 2, 10, QLatin1Char('0')),
                          (10 * 1024 + (r * 7919 + m * 104729) % (500 * 1024)) * mb / (1 << 20)});
    const int sounds = small ? 6 : 60;
    for (int s = 0; s < sounds; ++s)
        items.append({QStringLiteral("Content/Audio/bank%1/cue%2.ogg").arg(s % 4).arg(s, 3, 10, QLatin1Char('0')),
                      (50 * 1024 + (s * 48271) % (2 * 1024 * 1024)) * mb / (1 << 20)});
    for (const Item &item : items)
        writeDeterministic(build + QLatin1Char('/') + item.path, item.size);

    // The demo publisher's key: the stand-in signs with it, and the demo launcher is built with
    // its public half.
    const auto [privatePem, publicRaw] = makeSigningKey();
    writeWhole(folder + QStringLiteral("/signing-key.pem"), privatePem);
    writeWhole(folder + QStringLiteral("/signing-key.pub"), publicRaw.toBase64() + '\n');
    const qint64 threshold = small ? 64 << 10 : ManifestBuilder::defaultChunkThreshold;
    Manifest manifest = ManifestBuilder::build(build, QStringLiteral("/release/files"));
    ManifestBuilder::addChunkIndexes(manifest, build, folder + QStringLiteral("/release/manifest.json"), threshold);
    ManifestBuilder::Signing signing{1, QDateTime::currentDateTimeUtc().addYears(10), privatePem, QStringLiteral("release")};
    ManifestBuilder::writeAtomically(manifest, folder + QStringLiteral("/release/manifest.json"), signing);

    // The second build changes a little inside the large files: what a delta update is for.
    const QString second = folder + QStringLiteral("/release/files-2");
    QDir(second).removeRecursively();
    const QHash<QString, QList<Edit>> edits{
        {QStringLiteral("Content/Paks/pak0.pak"), {{0.3, 2 * mb, 0}, {0.6, mb, mb}, {0.85, 0, mb / 2}}},
        {QStringLiteral("Binaries/Vantorel.x86_64"), {{0.5, 3 * mb, 3 * mb}}},
        {QStringLiteral("Content/Paks/pak1.pak"), {{0.0, mb / 4, 0}}},
    };
    for (const Item &item : items) {
        const QString from = build + QLatin1Char('/') + item.path;
        const QString to = second + QLatin1Char('/') + item.path;
        if (edits.contains(item.path)) {
            writeEdited(from, to, edits.value(item.path));
        } else {
            QDir().mkpath(QFileInfo(to).absolutePath());
            QFile::copy(from, to);
        }
    }
    Manifest next = ManifestBuilder::build(second, QStringLiteral("/release/files-2"));
    ManifestBuilder::addChunkIndexes(next, second, folder + QStringLiteral("/release/manifest-2.json"), threshold);
    signing.version = 2;
    ManifestBuilder::writeAtomically(next, folder + QStringLiteral("/release/manifest-2.json"), signing);

    writePicture(folder + QStringLiteral("/previews/vantorel-099.jpg"), QColor(30, 40, 70), QColor(120, 60, 40), 1);
    const QList<std::tuple<QString, QString, QColor, QColor>> slides{
        {QStringLiteral("Season of Embers"), QStringLiteral("The new season is live. Forge your legend."),
         QColor(80, 30, 20), QColor(220, 120, 40)},
        {QStringLiteral("The Drowned Coast"), QStringLiteral("A new region rises from the tide."), QColor(10, 40, 70),
         QColor(40, 140, 160)},
        {QStringLiteral("Patch 0.99 notes"), QString(), QColor(30, 20, 60), QColor(120, 90, 200)},
    };
    QJsonArray hero;
    for (int i = 0; i < slides.size(); ++i) {
        const auto &[headline, sub, from, to] = slides.at(i);
        const QString image = QStringLiteral("/previews/slide-%1.jpg").arg(i + 1);
        writePicture(folder + image, from, to, i + 2);
        QJsonObject slide{{QStringLiteral("image"), image}, {QStringLiteral("headline"), headline}};
        if (!sub.isEmpty())
            slide.insert(QStringLiteral("sub"), sub);
        hero.append(slide);
    }
    QDir().mkpath(folder + QStringLiteral("/launcher"));
    QFile feed(folder + QStringLiteral("/launcher/home.json"));
    if (!feed.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw PlatformError(QStringLiteral("Can't write the home feed"));
    feed.write(QJsonDocument(QJsonObject{{QStringLiteral("hero"), hero}}).toJson());
}

}
