#include "assets/picture_writer.h"

#include "assets/text_overflow.h"

#include <QDir>
#include <QImageWriter>

namespace assets {

namespace {

constexpr int kJpegQuality = 92;

bool isPng(const QString& fileName) {
    return fileName.endsWith(".png", Qt::CaseInsensitive);
}

} // namespace

QImage renderPicture(const PictureSpec& spec) {
    const bool png = isPng(spec.fileName);
    QImage image(spec.size, png ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    image.fill(png ? Qt::transparent : Qt::white);
    spec.paint(image);
    return image;
}

QStringList writePictures(const std::vector<PictureSpec>& pictures, const QString& folder) {
    QStringList errors;
    for (const PictureSpec& spec : pictures) {
        QImage image;
        try {
            image = renderPicture(spec);
        } catch (const TextOverflow& e) {
            errors << spec.fileName + ": " + QString::fromStdString(e.what());
            continue;
        }
        QImageWriter writer(QDir(folder).filePath(spec.fileName));
        if (!isPng(spec.fileName))
            writer.setQuality(kJpegQuality);
        if (!writer.write(image))
            errors << spec.fileName + ": " + writer.errorString();
    }
    return errors;
}

} // namespace assets
