#include "support/quick_helpers.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QtTest>

QQuickItem *findItem(QQuickItem *from, const QString &name, bool visibleOnly)
{
    if (from->objectName() == name && (!visibleOnly || from->isVisible()))
        return from;
    for (QQuickItem *child : from->childItems())
        if (QQuickItem *found = findItem(child, name, visibleOnly))
            return found;
    return nullptr;
}

void clickItem(QQuickWindow *window, QQuickItem *item)
{
    const QPointF centre = item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
    QTest::mouseClick(window, Qt::LeftButton, {}, centre.toPoint());
}

void typeText(QQuickWindow *window, const QString &text)
{
    for (const QChar c : text)
        QTest::keyClick(window, c.toLatin1());
}

namespace {
struct DrawnText {
    QQuickItem *item;
    QRectF painted;  // in scene coordinates
};

bool shown(const QQuickItem *item)
{
    for (const QQuickItem *at = item; at; at = at->parentItem())
        if (!at->isVisible() || at->opacity() <= 0.01)
            return false;
    return true;
}

void collectTexts(QQuickItem *item, QList<DrawnText> &out)
{
    if (!item->isVisible() || item->opacity() <= 0.01)
        return;
    if (item->inherits("QQuickText") && !item->property("text").toString().isEmpty() && shown(item)) {
        // Where the glyphs are: the content box, placed by the text's alignment inside the item.
        const qreal w = item->property("contentWidth").toReal(), h = item->property("contentHeight").toReal();
        const int horizontal = item->property("effectiveHorizontalAlignment").toInt();
        const int vertical = item->property("verticalAlignment").toInt();
        const qreal x = horizontal & Qt::AlignRight ? item->width() - w : horizontal & Qt::AlignHCenter ? (item->width() - w) / 2 : 0;
        const qreal y = vertical & Qt::AlignBottom ? item->height() - h : vertical & Qt::AlignVCenter ? (item->height() - h) / 2 : 0;
        out.append({item, item->mapRectToScene(QRectF(x, y, w, h))});
    }
    for (QQuickItem *child : item->childItems())
        collectTexts(child, out);
}

QString nameOf(const QQuickItem *item)
{
    return QStringLiteral("\"%1\"").arg(item->property("text").toString());
}
}

QStringList textLayoutFaults(QQuickItem *root, qreal inset)
{
    QList<DrawnText> texts;
    collectTexts(root, texts);
    const QRectF bounds = root->mapRectToScene(QRectF(0, 0, root->width(), root->height()));
    QStringList faults;
    constexpr qreal slack = 0.5;  // sub-pixel rounding of glyph boxes
    for (const DrawnText &text : std::as_const(texts)) {
        const bool elided = text.item->property("elide").toInt() != Qt::ElideNone
            && text.item->property("truncated").toBool();
        if (!elided && text.painted.width() > text.item->width() + slack
            && text.item->property("wrapMode").toInt() == 0)
            faults.append(nameOf(text.item) + QStringLiteral(" is wider than its box (%1 > %2)")
                              .arg(text.painted.width()).arg(text.item->width()));
        if (!bounds.adjusted(inset - slack, -slack, slack - inset, slack).contains(text.painted))
            faults.append(nameOf(text.item) + (inset > 0 ? QStringLiteral(" comes within %1 of the edge").arg(inset)
                                                         : QStringLiteral(" leaves its container")));
    }
    for (qsizetype i = 0; i < texts.size(); ++i)
        for (qsizetype j = i + 1; j < texts.size(); ++j) {
            const QRectF both = texts.at(i).painted.intersected(texts.at(j).painted);
            if (both.width() > 1 && both.height() > 1)
                faults.append(nameOf(texts.at(i).item) + QStringLiteral(" overlaps ") + nameOf(texts.at(j).item));
        }
    return faults;
}

QStringList shownTexts(QQuickItem *root)
{
    QList<DrawnText> texts;
    collectTexts(root, texts);
    QStringList out;
    for (const DrawnText &text : std::as_const(texts))
        out.append(text.item->property("text").toString());
    return out;
}

QByteArray gradientPng(QColor from, QColor to, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixelColor(x, y, QColor::fromRgbF(from.redF() + (to.redF() - from.redF()) * x / width,
                                                       from.greenF() + (to.greenF() - from.greenF()) * y / height,
                                                       from.blueF()));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

namespace {
bool runChild(const QString &program, const QStringList &arguments, QProcessEnvironment env, QByteArray *output)
{
    QProcess child;
    env.insert(QStringLiteral("VANTOREL_CHILD"), QStringLiteral("1"));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(program, arguments);
    const bool finished = child.waitForFinished(90000);
    *output = child.readAll();
    return finished && child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
}
}

bool runWithoutSecretService(const char *testFunction, QByteArray *output)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("unix:path=/nonexistent/bus"));
    return runChild(QCoreApplication::applicationFilePath(), {QString::fromLatin1(testFunction)}, env, output);
}

bool runWithSilentSecretService(const char *testFunction, QByteArray *output)
{
    // The child starts once the silent service owns the name, and the service ends with it.
    static const char script[] = R"(/usr/bin/python3 "$0" & service=$!
for i in $(seq 100); do
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.freedesktop.secrets 2>/dev/null | grep -q true && break
  sleep 0.1
done
"$@"; status=$?; kill $service; exit $status)";
    return runChild(QStringLiteral("dbus-run-session"),
                    {QStringLiteral("--"), QStringLiteral("sh"), QStringLiteral("-c"), QString::fromLatin1(script),
                     QStringLiteral(VANTOREL_TEST_SUPPORT_DIR "/silent_secret_service.py"),
                     QCoreApplication::applicationFilePath(), QString::fromLatin1(testFunction)},
                    QProcessEnvironment::systemEnvironment(), output);
}
