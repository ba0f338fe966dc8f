#pragma once

#include "engine/animation_step.h"
#include "engine/simulation_state.h"

#include <QMainWindow>
#include <QTimer>

class QLabel;
class QPushButton;
class QScrollBar;

namespace tarvon {

class CajaView;

// The simulation's main window: the box Caja, the speed bar and the animation
// timer. It routes ticks and commands to the simulation and repaints it.
class TarvonWindow : public QMainWindow {
    Q_OBJECT
public:
    TarvonWindow(SimulationState& state, Clock& clock, UniformRandom& rnd, ReactionHooks& hooks,
                 QWidget* parent = nullptr);

    CajaView* Caja() const { return caja_; }
    QScrollBar* VScrollVel() const { return vScrollVel_; }
    QLabel* lblVelocitat() const { return lblVelocitat_; }
    QPushButton* cmdContinuar() const { return cmdContinuar_; }
    QTimer& tmrRellotge() { return tmrRellotge_; }

    // Draws the box of the current geometry as a cube, as the normal view
    // shows it, on a cleared picture.
    void drawBox();

public slots:
    // One animation step, then one repaint.
    void tmrRellotge_Timer();

private:
    void createControls();
    void VScrollVel_Change(int value);
    void cmdContinuar_Click();
    // Timer state follows what the simulation asked for (a capture pauses it).
    void applyControls();

    SimulationState& state_;
    AnimationStep step_;
    CajaView* caja_ = nullptr;
    QScrollBar* vScrollVel_ = nullptr;
    QLabel* lblVelocitat_ = nullptr;
    QPushButton* cmdContinuar_ = nullptr;
    QTimer tmrRellotge_;
};

} // namespace tarvon
