#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <functional>

namespace assets {

// One picture of the data folder: its file name, its size in pixels and how it is painted.
// The image handed to `paint` already has that size and a background of the file's kind:
// transparent for PNG, white for JPEG, the main window's background colour for BMP.
// `hasWords`: it shows words, painted in the language its recipe was made for.
struct PictureRecipe {
    QString fileName;
    QSize size;
    std::function<void(QImage&)> paint;
    bool hasWords = false;
};

} // namespace assets
