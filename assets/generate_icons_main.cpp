// Writes the programs' icon into a hicolor theme folder; run by the build, not shipped.
//   generate_icons FOLDER NAME SIZE...
// gives FOLDER/hicolor/scalable/apps/NAME.svg and FOLDER/hicolor/SxS/apps/NAME.png
// for each SIZE in pixels.
#include "assets/icon_picture.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>
#include <cstdlib>

namespace {

bool writeInto(const QString& folder, const QString& fileName, auto&& write) {
    if (!QDir().mkpath(folder) || !write(folder + "/" + fileName)) {
        std::fprintf(stderr, "generate_icons: cannot write %s/%s\n", qPrintable(folder),
                     qPrintable(fileName));
        return false;
    }
    return true;
}

// The same strokes as the pixel sizes, as vector paths.
bool writeIconSvg(const QString& path, const QString& title) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(QSize(assets::kIconUnits, assets::kIconUnits));
    svg.setViewBox(QRect(0, 0, assets::kIconUnits, assets::kIconUnits));
    svg.setTitle(title);
    QPainter p;
    if (!p.begin(&svg))
        return false;
    assets::paintIcon(p);
    p.end();
    return file.error() == QFileDevice::NoError;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: generate_icons FOLDER NAME SIZE...\n");
        return 2;
    }
    const QString theme = QString::fromLocal8Bit(argv[1]) + "/hicolor";
    const QString name = QString::fromLocal8Bit(argv[2]);
    bool ok = writeInto(theme + "/scalable/apps", name + ".svg",
                        [&](const QString& path) { return writeIconSvg(path, "Orvalis"); });
    for (int k = 3; k < argc; ++k) {
        const int size = std::atoi(argv[k]);
        if (size < 1) {
            std::fprintf(stderr, "generate_icons: not a size: %s\n", argv[k]);
            return 2;
        }
        const QString folder = theme + QString("/%1x%1/apps").arg(size);
        ok = writeInto(
                 folder, name + ".png",
                 [&](const QString& path) { return assets::renderIcon(size).save(path, "PNG"); }) &&
             ok;
    }
    return ok ? 0 : 1;
}
