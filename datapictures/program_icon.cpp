#include "datapictures/program_icon.h"

#include "assets/icon_picture.h"

#include <QIcon>
#include <QPixmap>

namespace tarvon {

void UseProgramIcon(QGuiApplication& app, DesktopEntry entry) {
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(assets::renderIcon(size)));
    app.setWindowIcon(icon);
    const QString id = QStringLiteral(ORVALIS_APP_ID);
    QGuiApplication::setDesktopFileName(entry == DesktopEntry::Launcher ? id : id + ".Tarvon");
}

} // namespace tarvon
