#include "ui/newspicture.h"

#include <QBuffer>
#include <QImageReader>

namespace newspicture {

QImage decode(const QByteArray &data, const QSize &cover, QString *refusal)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (!size.isValid()) {
        *refusal = QStringLiteral("not a picture: ") + reader.errorString();
        return QImage();
    }
    if (qint64(size.width()) * size.height() > MaxPixels) {
        *refusal = QStringLiteral("picture too large: %1x%2").arg(size.width()).arg(size.height());
        return QImage();
    }
    if (!cover.isEmpty() && size.width() > cover.width() && size.height() > cover.height())
        reader.setScaledSize(size.scaled(cover, Qt::KeepAspectRatioByExpanding));
    QImage image = reader.read();
    if (image.isNull())
        *refusal = QStringLiteral("not a picture: ") + reader.errorString();
    return image;
}

QPixmap fit(const QPixmap &picture, const QSize &area)
{
    if (picture.isNull() || area.isEmpty())
        return QPixmap();
    // Compared as cross products: equal ratios stay equal without rounding.
    const qint64 pictureSide = qint64(picture.width()) * area.height();
    const qint64 areaSide = qint64(area.width()) * picture.height();
    if (pictureSide > areaSide) {
        const QPixmap scaled = picture.scaledToHeight(area.height(), Qt::SmoothTransformation);
        return scaled.copy((scaled.width() - area.width()) / 2, 0, area.width(), area.height());
    }
    if (pictureSide < areaSide) {
        const QPixmap scaled = picture.scaledToWidth(area.width(), Qt::SmoothTransformation);
        return scaled.copy(0, (scaled.height() - area.height()) / 2, area.width(), area.height());
    }
    return picture.scaledToWidth(area.width(), Qt::FastTransformation);
}

} // namespace newspicture
