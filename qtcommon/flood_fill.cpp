#include "qtcommon/flood_fill.h"

#include <vector>

namespace tarvon {

namespace {

// Compared without alpha: the picture is opaque.
bool same(QRgb a, QRgb b) {
    return (a & 0xFFFFFF) == (b & 0xFFFFFF);
}

class SpanFill {
public:
    SpanFill(QImage& image, QRgb target, QRgb colour)
        : image_(image), target_(target), colour_(colour) {}

    void run(QPoint seed) {
        pending_.push_back(seed);
        while (!pending_.empty()) {
            const QPoint p = pending_.back();
            pending_.pop_back();
            fillSpan(p.x(), p.y());
        }
    }

private:
    bool inside(int x, int y) const {
        return same(reinterpret_cast<const QRgb*>(image_.constScanLine(y))[x], target_);
    }

    // Fills the run of target pixels through (x, y) and queues the runs above
    // and below it.
    void fillSpan(int x, int y) {
        if (!inside(x, y))
            return;
        int left = x, right = x;
        while (left > 0 && inside(left - 1, y))
            --left;
        while (right < image_.width() - 1 && inside(right + 1, y))
            ++right;
        auto* row = reinterpret_cast<QRgb*>(image_.scanLine(y));
        for (int i = left; i <= right; ++i)
            row[i] = colour_;
        if (y > 0)
            queueRuns(left, right, y - 1);
        if (y < image_.height() - 1)
            queueRuns(left, right, y + 1);
    }

    // One seed per run of target pixels on row y between left and right.
    void queueRuns(int left, int right, int y) {
        bool inRun = false;
        for (int i = left; i <= right; ++i) {
            const bool in = inside(i, y);
            if (in && !inRun)
                pending_.emplace_back(i, y);
            inRun = in;
        }
    }

    QImage& image_;
    QRgb target_, colour_;
    std::vector<QPoint> pending_;
};

} // namespace

void floodFill(QImage& image, QPoint seed, QRgb colour) {
    if (!image.rect().contains(seed))
        return;
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32)
        image.convertTo(QImage::Format_RGB32);
    const QRgb target = image.pixel(seed);
    if (same(target, colour))
        return; // nothing would change, and the fill would never end
    SpanFill(image, target, colour | 0xFF000000).run(seed);
}

} // namespace tarvon
