#include "core/slide_images.h"
#include "core/app_model.h"

#include <QBuffer>
#include <QImageReader>
#include <cmath>

SlideImages::SlideImages(AppModel *model) : QQuickImageProvider(QQuickImageProvider::Image), m_model(model) {}

QImage SlideImages::requestImage(const QString &id, QSize *size, const QSize &requestedSize)
{
    QImage image = m_model ? m_model->imageForKey(id) : QImage();
    if (size)
        *size = image.size();
    if (!image.isNull() && requestedSize.isValid() && requestedSize != image.size())
        image = image.scaled(requestedSize, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
    return image;
}

namespace {
QSize keptSize(QSize full, QSize drawn, qint64 maxBytes)
{
    QSize size = full;
    if (!drawn.isEmpty()) {
        const QSize covering = full.scaled(drawn, Qt::KeepAspectRatioByExpanding);
        if (covering.width() < full.width())
            size = covering;
    }
    const double bytes = 4.0 * size.width() * size.height();
    if (bytes > double(maxBytes)) {
        const double factor = std::sqrt(double(maxBytes) / bytes);
        size = QSize(qMax(1, int(size.width() * factor)), qMax(1, int(size.height() * factor)));
    }
    return size;
}
}

QImage decodeSlidePicture(const QByteArray &bytes, QSize drawn, qint64 maxBytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize full = reader.size();
    QSize kept;
    if (full.isValid() && !full.isEmpty()) {
        kept = keptSize(full, drawn, maxBytes);
        // Decoders that can (JPEG) never make the full picture; the others scale it down at once.
        if (kept != full)
            reader.setScaledSize(kept);
    }
    QImage image = reader.read();
    if (image.isNull())
        return image;
    if (!kept.isValid())
        kept = keptSize(image.size(), drawn, maxBytes);
    if (image.width() > kept.width() || image.height() > kept.height())
        image = image.scaled(kept, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image;
}
