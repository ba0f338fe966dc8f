#pragma once

#include <QPainter>
#include <QSize>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace tarvon {

enum class ImageFormat { Png, Svg };

// Paints a graph into rect.
using GraphPainter = std::function<void(QPainter&, const QRectF&)>;

// Writes the graph as an image of `size` pixels into folder, named stem plus
// ".png" or ".svg", or the first free numbered name: no file is overwritten.
// Empty when the file cannot be written.
std::optional<std::filesystem::path> SaveGraphImage(const GraphPainter& paint, QSize size,
                                                    const std::filesystem::path& folder,
                                                    const std::string& stem, ImageFormat format);

} // namespace tarvon
