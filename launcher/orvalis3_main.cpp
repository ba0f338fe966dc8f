#include "datapictures/program_icon.h"
#include "engine/clock.h"
#include "engine/uniform_random.h"
#include "launcher/launcher_sequence.h"
#include "launcher/qt_message_box.h"
#include "launcher/qt_process_starter.h"
#include "qtcommon/calibration_path.h"
#include "qtcommon/file_calibration_store.h"
#include "qtcommon/language_setting.h"
#include "qtcommon/translations.h"
#include "startup/data_folder.h"

#include <QApplication>
#include <QDir>
#include <QFont>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tarvon::UseProgramIcon(app, tarvon::DesktopEntry::Launcher);
    // The user's language, chosen before any window is made; it holds for the whole run.
    const tarvon::Idioma idioma = tarvon::IdiomaActual();
    const tarvon::Translations translations(idioma);
    QApplication::setFont(QFont("Liberation Sans"));
    tarvon::SteadyClock clock;
    tarvon::MersenneRandom rnd;
    tarvon::FileCalibrationStore store(tarvon::CalibrationFilePath());
    tarvon::QtMessageBox messages;
    tarvon::QtMessageBox notices(tarvon::QtMessageBox::Kind::Notice);
    tarvon::QtProcessStarter starter;
    const std::filesystem::path data = tarvon::FindDataFolder(
        QDir::currentPath().toStdString(), QCoreApplication::applicationDirPath().toStdString());

    tarvon::LauncherSequence sequence(clock, rnd, {store, messages, starter, notices},
                                      QString::fromStdString(data.string()), idioma,
                                      [] { QCoreApplication::exit(0); });
    sequence.start();
    return app.exec();
}
