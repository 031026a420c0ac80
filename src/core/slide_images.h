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
