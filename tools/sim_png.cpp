#include "tools/sim_png.h"

#include "layout/box_colours.h"
#include "mainwindow/box_view.h"
#include "mainwindow/caja_view.h"
#include "mainwindow/twips.h"

#include <QImage>
#include <QImageWriter>

namespace tarvon {

bool WriteCajaPng(SimulationState& s, const std::string& path, std::string& error) {
    CajaView caja(s.caja);
    caja.resize(twipsToPixels(0, 0, s.LimitVisX, s.LimitVisY).size());
    ColorsFonsTable fons = kColorsFons;
    DrawNormalBox(caja, s, fons);
    QImage image(caja.size(), QImage::Format_RGB32);
    caja.render(&image);
    QImageWriter writer(QString::fromStdString(path), "png");
    if (writer.write(image))
        return true;
    error = writer.errorString().toStdString();
    return false;
}

} // namespace tarvon
