#include "launcher/launcher_sequence.h"

#include "launcher/optim_boles.h"
#include "launcher/orvalis_window.h"
#include "launcher_rules/orvalis_layout.h"
#include "qtcommon/control_pantalla.h"

namespace tarvon {

LauncherSequence::LauncherSequence(Clock& clock, UniformRandom& rnd, LauncherServices services,
                                   QString dataFolder, Idioma idioma,
                                   std::function<void()> endProgram)
    : clock_(clock), rnd_(rnd), services_(services), dataFolder_(std::move(dataFolder)),
      idioma_(idioma), endProgram_(std::move(endProgram)) {}

LauncherSequence::~LauncherSequence() = default;

void LauncherSequence::start() {
    control_ = std::make_unique<ControlPantalla>(
        ControlPantalla::Program::Orvalis3, [this](const ScreenClass& s) { classified(s); },
        OrvalisLayoutExtent);
    control_->showMaximized();
}

// Each next window is shown before the previous one hides, so the program
// never runs out of windows on the way.
void LauncherSequence::classified(const ScreenClass& screen) {
    screen_ = screen;
    optim_ = std::make_unique<OptimBoles>(clock_, rnd_, services_.store, services_.messages,
                                          [this] { calibrated(); });
    optim_->showMaximized();
    control_->hide();
}

void LauncherSequence::calibrated() {
    orvalis_ =
        std::make_unique<Orvalis>(screen_, dataFolder_, idioma_, services_, rnd_, endProgram_);
    orvalis_->showMaximized();
    optim_->hide();
}

} // namespace tarvon
