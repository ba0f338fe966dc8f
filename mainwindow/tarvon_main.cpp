#include "datapictures/program_icon.h"
#include "engine/clock.h"
#include "engine/uniform_random.h"
#include "layout/layout_extent.h"
#include "mainwindow/single_instance.h"
#include "mainwindow/tarvon_window.h"
#include "qtcommon/calibration_path.h"
#include "qtcommon/control_pantalla.h"
#include "qtcommon/file_calibration_store.h"
#include "qtcommon/language_setting.h"
#include "qtcommon/translations.h"
#include "reactions/reaction_rules.h"
#include "startup/data_folder.h"
#include "startup/particle_budget.h"

#include <QApplication>
#include <QDir>
#include <QFont>

#include <memory>

namespace {

std::filesystem::path dataFolder() {
    return tarvon::FindDataFolder(QDir::currentPath().toStdString(),
                                  QCoreApplication::applicationDirPath().toStdString());
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tarvon::UseProgramIcon(app, tarvon::DesktopEntry::Tarvon);
    // The user's language, chosen before any window is made; it holds for the whole run.
    const tarvon::Idioma idioma = tarvon::IdiomaActual();
    const tarvon::Translations translations(idioma);
    // Metric twin of Arial: captions fit the sizes the layout gives them.
    QApplication::setFont(QFont("Liberation Sans"));
    auto state = std::make_unique<tarvon::SimulationState>();
    tarvon::SteadyClock clock;
    tarvon::MersenneRandom rnd;
    tarvon::ReactionRules rules(clock, rnd);

    // The start-up window measures the screen; then the calibration gives the
    // particle number and the main window opens.
    tarvon::FileCalibrationStore calibration(tarvon::CalibrationFilePath());
    tarvon::SingleInstance guard(tarvon::SingleInstanceName("Tarvon"));
    std::unique_ptr<tarvon::TarvonWindow> window;
    std::unique_ptr<tarvon::ControlPantalla> start;
    start = std::make_unique<tarvon::ControlPantalla>(
        tarvon::ControlPantalla::Program::Tarvon,
        [&](const tarvon::ScreenClass& screen) {
            // Everything that reads files comes before the claim: once this copy
            // owns the socket, later starts hand over to it and show nothing,
            // so nothing may hold it up until its window is on screen.
            tarvon::TarvonStart s{screen, tarvon::ReadParticleBudget(calibration).NPOptim,
                                  tarvon::DataPictures(dataFolder(), idioma)};
            s.idioma = idioma;
            window = std::make_unique<tarvon::TarvonWindow>(*state, clock, rnd, rules, s);
            // A copy already running is brought forward instead.
            if (!guard.claim()) {
                QApplication::quit();
                return;
            }
            QObject::connect(&guard, &tarvon::SingleInstance::handOverRequested, window.get(),
                             [&] { tarvon::BringForward(*window); });
            window->showMaximized();
            start->hide();
        },
        tarvon::TarvonLayoutExtent);
    start->showMaximized();
    return app.exec();
}
