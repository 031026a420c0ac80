#include "core/slide_images.h"
#include "core/app_model.h"

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
