#include "kinetics/graph_image.h"

#include "window/free_file_name.h"

#include <QImage>
#include <QSvgGenerator>

namespace tarvon {

namespace {

bool WritePng(const GraphPainter& paint, QSize size, const QString& file) {
    QImage image(size, QImage::Format_RGB32);
    {
        QPainter p(&image);
        paint(p, QRectF(QPointF(0, 0), size));
    }
    return image.save(file, "PNG");
}

bool WriteSvg(const GraphPainter& paint, QSize size, const QString& file) {
    QSvgGenerator svg;
    svg.setFileName(file);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle("Tarvon");
    QPainter p;
    if (!p.begin(&svg))
        return false;
    paint(p, QRectF(QPointF(0, 0), size));
    return p.end();
}

} // namespace

std::optional<std::filesystem::path> SaveGraphImage(const GraphPainter& paint, QSize size,
                                                    const std::filesystem::path& folder,
                                                    const std::string& stem, ImageFormat format) {
    const bool png = format == ImageFormat::Png;
    const std::optional<std::filesystem::path> path =
        ReservarNomLliure(folder, stem, png ? ".png" : ".svg");
    if (!path)
        return std::nullopt;
    // The reserved file is ours and empty: writing it overwrites nothing.
    const QString file = QString::fromStdString(path->string());
    const bool written = png ? WritePng(paint, size, file) : WriteSvg(paint, size, file);
    if (!written) {
        std::error_code ignored;
        std::filesystem::remove(*path, ignored);
        return std::nullopt;
    }
    return path;
}

} // namespace tarvon
