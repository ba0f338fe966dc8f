#include "mainwindow/tarvon_window.h"

#include "mainwindow/box_drawing.h"
#include "mainwindow/caja_view.h"
#include "mainwindow/twips.h"
#include "mainwindow/widget_colours.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace tarvon {

namespace {
const QColor kWindowBack(220, 255, 255);
}

TarvonWindow::TarvonWindow(SimulationState& state, Clock& clock, UniformRandom& rnd,
                           ReactionHooks& hooks, QWidget* parent)
    : QMainWindow(parent), state_(state), step_(state, clock, rnd, hooks) {
    setWindowTitle("Tarvon");
    createControls();

    tmrRellotge_.setTimerType(Qt::PreciseTimer); // 1 ms must mean 1 ms
    connect(&tmrRellotge_, &QTimer::timeout, this, &TarvonWindow::tmrRellotge_Timer);
    vScrollVel_->setValue(50);
    VScrollVel_Change(vScrollVel_->value());
    state_.controls.tmrRellotgeEnabled = true;
    applyControls();
}

void TarvonWindow::createControls() {
    auto* client = new QWidget(this);
    setBackColour(client, kWindowBack);
    QFont font = client->font();
    font.setPointSizeF(12);
    client->setFont(font);
    setCentralWidget(client);

    caja_ = new CajaView(state_.caja, client);
    caja_->setObjectName("Caja");
    caja_->setGeometry(twipsToPixels(1775, 600, 6000, 8000));

    lblVelocitat_ = new QLabel("Velocitat del procés", client);
    lblVelocitat_->setObjectName("lblVelocitat");
    lblVelocitat_->setWordWrap(true);
    QFont small = lblVelocitat_->font();
    small.setPointSizeF(10);
    lblVelocitat_->setFont(small);
    lblVelocitat_->setGeometry(twipsToPixels(10120, 4900, 1000, 600));

    vScrollVel_ = new QScrollBar(Qt::Vertical, client);
    vScrollVel_->setObjectName("VScrollVel");
    vScrollVel_->setRange(1, 100);
    vScrollVel_->setValue(1);
    vScrollVel_->setGeometry(twipsToPixels(10400, 5500, 375, 2000));
    connect(vScrollVel_, &QScrollBar::valueChanged, this, &TarvonWindow::VScrollVel_Change);

    cmdContinuar_ = new QPushButton("Continuar", client);
    cmdContinuar_->setObjectName("cmdContinuar");
    QFont buttonFont = cmdContinuar_->font();
    buttonFont.setPointSizeF(8);
    cmdContinuar_->setFont(buttonFont);
    cmdContinuar_->setGeometry(twipsToPixels(8400, 9500, 1300, 375));
    cmdContinuar_->hide();
    connect(cmdContinuar_, &QPushButton::clicked, this, &TarvonWindow::cmdContinuar_Click);
}

void TarvonWindow::drawBox() {
    DrawNormalBox(*caja_, state_);
}

void TarvonWindow::cmdContinuar_Click() {
    // Whatever the capture showed, going on means running again.
    state_.controls.tmrRellotgeEnabled = true;
    state_.controls.cmdContinuarVisible = false;
    applyControls();
}

void TarvonWindow::VScrollVel_Change(int value) {
    state_.controls.tmrRellotgeInterval = value;
    tmrRellotge_.setInterval(value);
}

void TarvonWindow::tmrRellotge_Timer() {
    step_.guardedTick(); // an error abandons this tick only
    applyControls();
    caja_->update();
}

void TarvonWindow::applyControls() {
    const AnimationControls& c = state_.controls;
    if (tmrRellotge_.interval() != c.tmrRellotgeInterval)
        tmrRellotge_.setInterval(c.tmrRellotgeInterval);
    if (c.tmrRellotgeEnabled && !tmrRellotge_.isActive())
        tmrRellotge_.start();
    else if (!c.tmrRellotgeEnabled && tmrRellotge_.isActive())
        tmrRellotge_.stop();
    cmdContinuar_->setVisible(c.cmdContinuarVisible);
}

} // namespace tarvon
