#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>

class QByteArray;

// News pictures: decoded on the image loader's thread (QImage is safe there, QPixmap is not)
// and fitted into a card on the GUI thread.
namespace newspicture {

// Pictures above this many pixels are refused before decoding: a small file can still
// describe a picture that takes gigabytes once decoded.
constexpr qint64 MaxPixels = 4096LL * 4096LL;

// Decodes a downloaded picture; when cover is valid and the picture is larger, it is decoded
// straight to the smallest size that still covers it. A null image for data that is not a
// picture or is too large (the reason goes to *refusal).
QImage decode(const QByteArray &data, const QSize &cover, QString *refusal);

// The picture scaled to fill area and cut from its middle: a wider picture keeps its middle
// columns, a taller one its middle rows. A null picture stays null.
QPixmap fit(const QPixmap &picture, const QSize &area);

} // namespace newspicture
