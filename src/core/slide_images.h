#pragma once
#include <QPointer>
#include <QQuickImageProvider>

class AppModel;

// Hands the model's decoded slide pictures to QML ("image://slides/<key>"); the model's images
// map stays the one place they live.
class SlideImages : public QQuickImageProvider {
public:
    explicit SlideImages(AppModel *model);
    QImage requestImage(const QString &id, QSize *size, const QSize &requestedSize) override;

private:
    QPointer<AppModel> m_model;
};

// Decodes a slide's picture no larger than it is drawn: at most the size that still covers
// `drawn` (device pixels; empty: unknown) and at most maxBytes as 32-bit pixels, never enlarged.
// A null image when the bytes are no picture. Blocking; off the GUI thread.
QImage decodeSlidePicture(const QByteArray &bytes, QSize drawn, qint64 maxBytes);
