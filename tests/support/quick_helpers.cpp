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

bool runWithoutSecretService(const char *testFunction, QByteArray *output)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("VANTOREL_CHILD"), QStringLiteral("1"));
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("unix:path=/nonexistent/bus"));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(testFunction)});
    const bool finished = child.waitForFinished(60000);
    *output = child.readAll();
    return finished && child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
}
