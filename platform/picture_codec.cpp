#include "platform/picture_codec.h"

#include <QBuffer>
#include <QByteArray>

namespace zeva::platform {

QImage decodePicture(const model::Picture& picture) {
    if (picture.bmp.empty()) return {};
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(picture.bmp.data()),
                                static_cast<qsizetype>(picture.bmp.size()));
    QImage image;
    if (!image.loadFromData(bytes, "BMP")) return {};
    return image;
}

model::Picture encodePicture(const QImage& image) {
    model::Picture p;
    if (image.isNull()) return p;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "BMP")) return p;
    p.bmp.assign(bytes.begin(), bytes.end());
    return p;
}

} // namespace zeva::platform
