#pragma once

#include "datapictures/data_pictures.h"
#include "engine/animation_step.h"
#include "engine/simulation_state.h"
#include "layout/window_layout.h"
#include "mainwindow/window_controls.h"
#include "mainwindow/window_menus.h"
#include "mainwindow/window_sync.h"
#include "startup/screen_class.h"
#include "texts/idioma.h"
#include "window/document_services.h"
#include "window/tarvon_model.h"
#include "window/tick_hooks.h"

#include <QMainWindow>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>

namespace tarvon {

// What the main window is started with: the screen class, the calibrated
// particle number and where the data folder's pictures are.
struct TarvonStart {
    ScreenClass screen;
    int NPOptim = 81;
    DataPictures pictures{std::filesystem::path()};
    // The clipboard, opener, messages and notice of the documents; the
    // desktop's when none are given.
    const DocumentServices* documents = nullptr;
    // The language whose catalogues are installed: choosing another in
    // Finestra › Idioma applies at the next start.
    Idioma idioma = Idioma::Catala;
};

class HelpWindow;
class LiveGraphWindow;
class OrderWindow;
struct QtDocumentPlatform;

// The simulation's main window. It routes ticks and commands to the model and
// mirrors the model on its controls and menus.
class TarvonWindow : public QMainWindow {
    Q_OBJECT
public:
    TarvonWindow(SimulationState& state, Clock& clock, UniformRandom& rnd, ReactionHooks& hooks,
                 const TarvonStart& start, QWidget* parent = nullptr);
    ~TarvonWindow() override;

    TarvonModel& model() { return *model_; }
    const TarvonControls& controls() const { return c_; }
    const WindowLayout& layout() const { return layout_; }
    QAction* action(const std::string& name) const { return menus_->action(name); }
    QTimer& tmrRellotge() { return tmrRellotge_; }
    QTimer& Crono() { return crono_; }
    // The help window, once mnuAjuda has shown it.
    HelpWindow* frmAjuda() const { return frmAjuda_.get(); }
    // The kinetics windows, once their items have shown them.
    LiveGraphWindow* liveGraph() const { return liveGraph_.get(); }
    OrderWindow* orderWindow() const { return orderWindow_.get(); }

    // A menu item's command, if the item can be clicked now. An error abandons
    // the command; the window goes on.
    void command(const std::string& name);

    // Event handlers and ticks abandoned on an error so far, and the last error.
    int abandoned() const { return abandoned_; }
    const std::string& lastError() const { return lastError_; }

protected:
    // The help window has no owner; it must not keep the program running.
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

public slots:
    // One animation step; the box is painted at the screen's next frame.
    void tmrRellotge_Timer();

private:
    void createWindow(const TarvonStart& start);
    void createDocumentServices(const TarvonStart& start);
    void mnuAjuda();
    // Finestra › Idioma: stores the choice for the next start.
    void TriaIdioma(Idioma idioma);
    void CineGrafica();
    void CineAnalisi();
    // The open kinetics windows follow the table.
    void refreshKinetics();
    void connectControls();
    void run(const std::string& name);
    // Runs an event handler; an error abandons it and the window goes on.
    void guarded(const std::string& name, const std::function<void()>& handler);
    void VScrollVel_Change(int value);
    void cmdContinuar_Click();
    // A button of the window: its handler, guarded, then the display.
    void button(const std::string& name, const std::function<void()>& handler);
    void Crono_Timer();
    void sync();
    // Timer state follows what the model asked for (a capture pauses it).
    void applyControls();

    SimulationState& state_;
    WindowLayout layout_;
    Idioma idioma_; // the one the window shows
    int abandoned_ = 0;
    std::string lastError_;
    TarvonControls c_;
    std::unique_ptr<TarvonModel> model_;
    std::unique_ptr<TickHooks> hooks_;
    std::unique_ptr<AnimationStep> step_;
    std::unique_ptr<WindowMenus> menus_;
    std::unique_ptr<WindowSync> sync_;
    std::unique_ptr<QtDocumentPlatform> platform_;
    std::unique_ptr<DocumentServices> documents_;
    std::unique_ptr<HelpWindow> frmAjuda_;
    std::unique_ptr<LiveGraphWindow> liveGraph_;
    std::unique_ptr<OrderWindow> orderWindow_;
    QTimer tmrRellotge_;
    QTimer crono_;
};

} // namespace tarvon
