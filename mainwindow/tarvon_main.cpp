#include "engine/clock.h"
#include "engine/demo_population.h"
#include "engine/reaction_hooks.h"
#include "engine/uniform_random.h"
#include "mainwindow/tarvon_window.h"
#include "startup/calibration_path.h"
#include "startup/control_pantalla.h"
#include "startup/file_calibration_store.h"
#include "startup/particle_budget.h"

#include <QApplication>
#include <QFont>

#include <memory>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Metric twin of Arial: captions fit the sizes the layout gives them.
    QApplication::setFont(QFont("Liberation Sans"));
    tarvon::SimulationState state;
    tarvon::SteadyClock clock;
    tarvon::MersenneRandom rnd;
    tarvon::ReactionHooks hooks; // reactions do nothing yet

    // Until reactions can be chosen, the box shows a demonstration population.
    tarvon::SetDemoBox(state);
    tarvon::CreaPoblacioDemo(state, rnd, 40);

    // The start-up window measures the screen and reads the particle budget;
    // the main window does not use them yet.
    tarvon::ScreenClass screen;
    tarvon::ParticleBudget budget;
    tarvon::FileCalibrationStore calibration(tarvon::CalibrationFilePath());
    std::unique_ptr<tarvon::TarvonWindow> window;
    std::unique_ptr<tarvon::ControlPantalla> start;
    start = std::make_unique<tarvon::ControlPantalla>(
        tarvon::ControlPantalla::Program::Tarvon, [&](const tarvon::ScreenClass& s) {
            screen = s;
            budget = tarvon::ReadParticleBudget(calibration);
            window = std::make_unique<tarvon::TarvonWindow>(state, clock, rnd, hooks);
            window->drawBox();
            window->showMaximized();
            start->hide();
        });
    start->showMaximized();
    return app.exec();
}
