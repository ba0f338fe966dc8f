#include "assets/picture_writer.h"

#include "assets/text_overflow.h"
#include "assets/window_colours.h"

#include <QDir>
#include <QImageWriter>

namespace assets {

namespace {

constexpr int kJpegQuality = 92;

bool hasExtension(const QString& fileName, const char* extension) {
    return fileName.endsWith(QLatin1String(extension), Qt::CaseInsensitive);
}

bool isPng(const QString& fileName) {
    return hasExtension(fileName, ".png");
}

// BMP pictures are shown on the main window: 24 bits, opaque, on the window's own colour.
QImage blankImage(const QString& fileName, QSize size) {
    if (isPng(fileName)) {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        return image;
    }
    const bool bmp = hasExtension(fileName, ".bmp");
    QImage image(size, bmp ? QImage::Format_RGB888 : QImage::Format_RGB32);
    image.fill(bmp ? kWindowBackground : QColor(Qt::white));
    return image;
}

// The picture, or a null image with the reason added to `errors`.
QImage renderOrReport(const PictureRecipe& recipe, QStringList& errors) {
    try {
        return renderPicture(recipe);
    } catch (const TextOverflow& e) {
        errors << recipe.fileName + ": " + QString::fromStdString(e.what());
        return {};
    }
}

} // namespace

QImage renderPicture(const PictureRecipe& recipe, double scale) {
    QImage image = blankImage(recipe.fileName, (QSizeF(recipe.size) * scale).toSize());
    image.setDevicePixelRatio(scale);
    recipe.paint(image);
    return image;
}

QStringList checkPictures(const std::vector<PictureRecipe>& pictures) {
    QStringList errors;
    for (const PictureRecipe& recipe : pictures)
        renderOrReport(recipe, errors);
    return errors;
}

QStringList writePictures(const std::vector<PictureRecipe>& pictures, const QString& folder) {
    QStringList errors;
    for (const PictureRecipe& recipe : pictures) {
        const QImage image = renderOrReport(recipe, errors);
        if (image.isNull())
            continue;
        QImageWriter writer(QDir(folder).filePath(recipe.fileName));
        if (!isPng(recipe.fileName))
            writer.setQuality(kJpegQuality);
        if (!writer.write(image))
            errors << recipe.fileName + ": " + writer.errorString();
    }
    return errors;
}

} // namespace assets
