#pragma once

#include "launcher/launcher_services.h"
#include "startup/screen_class.h"
#include "texts/idioma.h"

#include <QString>

#include <functional>
#include <memory>

namespace tarvon {

class Clock;
class ControlPantalla;
class OptimBoles;
class Orvalis;
class UniformRandom;

// The launcher's windows one after the other: the start-up window classifies
// the screen, the calibration writes its file, then the launcher window.
class LauncherSequence {
public:
    // `idioma`: the language of the installed catalogues.
    LauncherSequence(Clock& clock, UniformRandom& rnd, LauncherServices services,
                     QString dataFolder, Idioma idioma, std::function<void()> endProgram);
    ~LauncherSequence();

    void start();

    ControlPantalla* controlPantalla() const { return control_.get(); }
    OptimBoles* optimBoles() const { return optim_.get(); }
    Orvalis* orvalis() const { return orvalis_.get(); }

private:
    void classified(const ScreenClass& screen);
    void calibrated();

    Clock& clock_;
    UniformRandom& rnd_;
    LauncherServices services_;
    QString dataFolder_;
    Idioma idioma_;
    std::function<void()> endProgram_;
    ScreenClass screen_;
    std::unique_ptr<ControlPantalla> control_;
    std::unique_ptr<OptimBoles> optim_;
    std::unique_ptr<Orvalis> orvalis_;
};

} // namespace tarvon
