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

QImage renderPicture(const PictureRecipe& recipe) {
    const bool png = isPng(recipe.fileName);
    QImage image(recipe.size, png ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    image.fill(png ? Qt::transparent : Qt::white);
    recipe.paint(image);
    return image;
}

QStringList writePictures(const std::vector<PictureRecipe>& pictures, const QString& folder) {
    QStringList errors;
    for (const PictureRecipe& recipe : pictures) {
        QImage image;
        try {
            image = renderPicture(recipe);
        } catch (const TextOverflow& e) {
            errors << recipe.fileName + ": " + QString::fromStdString(e.what());
            continue;
        }
        QImageWriter writer(QDir(folder).filePath(recipe.fileName));
        if (!isPng(recipe.fileName))
            writer.setQuality(kJpegQuality);
        if (!writer.write(image))
            errors << recipe.fileName + ": " + writer.errorString();
    }
    return errors;
}

} // namespace assets
