#include "engine/clock.h"
#include "engine/demo_population.h"
#include "engine/reaction_hooks.h"
#include "engine/uniform_random.h"
#include "mainwindow/tarvon_window.h"

#include <QApplication>
#include <QFont>

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

    tarvon::TarvonWindow window(state, clock, rnd, hooks);
    window.drawBox();
    window.showMaximized();
    return app.exec();
}
