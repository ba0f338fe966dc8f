#include "tools/sim_png.h"

#include "layout/box_colours.h"
#include "qtcommon/caja_view.h"
#include "qtcommon/twips.h"
#include "window/box_view.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>

namespace tarvon {

bool EncodeCajaPng(SimulationState& s, std::string& png, std::string& error) {
    CajaView caja(s.caja);
    caja.resize(twipsToPixels(0, 0, s.LimitVisX, s.LimitVisY).size());
    ColorsFonsTable fons = kColorsFons;
    DrawNormalBox(caja, s, fons);
    QImage image(caja.size(), QImage::Format_RGB32);
    caja.render(&image);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image)) {
        error = writer.errorString().toStdString();
        return false;
    }
    png.assign(buffer.data().constData(), static_cast<std::size_t>(buffer.data().size()));
    return true;
}

} // namespace tarvon
