#include "mainwindow/tarvon_window.h"

#include "export/file_writers.h"

#include "kinetics/live_graph_window.h"
#include "kinetics/order_window.h"
#include "layout/layout_extent.h"
#include "mainwindow/help_window.h"
#include "mainwindow/qt_document_services.h"
#include "mainwindow/window_notice.h"
#include "qtcommon/caja_view.h"
#include "qtcommon/centred_stage.h"
#include "qtcommon/language_setting.h"
#include "qtcommon/qt_language.h"
#include "qtcommon/settings_place.h"
#include "qtcommon/twips.h"
#include "qtcommon/widget_colours.h"
#include "reactions/registry.h"
#include "window/chrono_panel.h"
#include "window/data_commands.h"
#include "window/document_commands.h"
#include "window/freeze_marking.h"
#include "window/initial_state.h"
#include "window/kinetics_commands.h"
#include "window/language_choice.h"
#include "window/mechanism_view.h"
#include "window/particle_settings.h"
#include "window/projector_mode.h"
#include "window/reaction_choice.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetricsF>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>

#include <cstdio>
#include <exception>
#include <functional>
#include <map>

namespace tarvon {

namespace {

// Where the user's choices are kept.
const char* const kProjectorKey = "ModeProjector";

// The user's decimal separator for the data table's times.
char DecimalSeparator() {
    const QString point = QLocale().decimalPoint();
    const char c = point.size() == 1 ? point.at(0).toLatin1() : '\0';
    return c != '\0' ? c : ',';
}

} // namespace

// The desktop's services, when the window is not given others.
struct QtDocumentPlatform {
    explicit QtDocumentPlatform(QMainWindow* owner)
        : messages(owner), notice(owner->centralWidget()) {}
    QtClipboard clipboard;
    DesktopOpener opener;
    TarvonMessageBox messages;
    WindowNotice notice;
    FileWriters writers{Traduit()}; // the workbook and form in the user's language
};

TarvonWindow::TarvonWindow(SimulationState& state, Clock& clock, UniformRandom& rnd,
                           ReactionHooks& hooks, const TarvonStart& start, QWidget* parent)
    : QMainWindow(parent), state_(state),
      layout_(LayoutFor(start.screen.FactorPantalla, start.screen.CanviPantalla)),
      idioma_(start.idioma) {
    createWindow(start);
    createDocumentServices(start);
    model_ = std::make_unique<TarvonModel>(state, clock, rnd, *c_.Caja, Traduit());
    hooks_ = std::make_unique<TickHooks>(*model_, hooks);
    step_ = std::make_unique<AnimationStep>(state, clock, rnd, *hooks_);
    model_->w.FactorPantalla = start.screen.FactorPantalla;
    model_->w.SeparadorDecimal = DecimalSeparator();
    FormLoad(*model_, start.NPOptim, layout_);
    SetModeProjector(*model_, QSettings(kOrganisation, kApplication).value(kProjectorKey).toBool());
    MarcaIdioma(model_->menus, idioma_);
    tmrRellotge_.setTimerType(Qt::PreciseTimer); // 1 ms must mean 1 ms
    connect(&tmrRellotge_, &QTimer::timeout, this, &TarvonWindow::tmrRellotge_Timer);
    c_.VScrollVel->setValue(model_->s.controls.tmrRellotgeInterval);
    crono_.setInterval(100);
    connect(&crono_, &QTimer::timeout, this, &TarvonWindow::Crono_Timer);
    connectControls();
    sync();
}

TarvonWindow::~TarvonWindow() = default;

void TarvonWindow::createDocumentServices(const TarvonStart& start) {
    if (start.documents) {
        const DocumentServices& d = *start.documents; // told in the window's language
        documents_ = std::make_unique<DocumentServices>(
            DocumentServices{d.clipboard, d.opener, d.messages, d.notice, d.writers, d.dataFolder,
                             d.documentsFolder, d.notesFile, Traduit(), idioma_});
        return;
    }
    platform_ = std::make_unique<QtDocumentPlatform>(this);
    documents_ = std::make_unique<DocumentServices>(DocumentServices{platform_->clipboard,
                                                                     platform_->opener,
                                                                     platform_->messages,
                                                                     platform_->notice,
                                                                     platform_->writers,
                                                                     start.pictures.folder(),
                                                                     DocumentsFolder(),
                                                                     {},
                                                                     Traduit(),
                                                                     idioma_});
}

void TarvonWindow::closeEvent(QCloseEvent* event) {
    if (frmAjuda_)
        frmAjuda_->close();
    if (liveGraph_)
        liveGraph_->close();
    if (orderWindow_)
        orderWindow_->close();
    QMainWindow::closeEvent(event);
}

void TarvonWindow::CineGrafica() {
    if (!liveGraph_)
        liveGraph_ = std::make_unique<LiveGraphWindow>(model_->w.FactorPantalla,
                                                       documents_->documentsFolder);
    liveGraph_->refresh(*model_);
    liveGraph_->show();
    liveGraph_->raise();
    liveGraph_->activateWindow();
}

void TarvonWindow::CineAnalisi() {
    if (!orderWindow_)
        orderWindow_ = std::make_unique<OrderWindow>(model_->w.FactorPantalla);
    orderWindow_->refresh(*model_);
    orderWindow_->show();
    orderWindow_->raise();
    orderWindow_->activateWindow();
}

void TarvonWindow::refreshKinetics() {
    if (liveGraph_ && liveGraph_->isVisible())
        liveGraph_->refresh(*model_);
    if (orderWindow_ && orderWindow_->isVisible())
        orderWindow_->refresh(*model_);
}

void TarvonWindow::mnuAjuda() {
    if (!frmAjuda_)
        frmAjuda_ = std::make_unique<HelpWindow>(model_->w.FactorPantalla);
    frmAjuda_->showHelp();
}

void TarvonWindow::TriaIdioma(Idioma idioma) {
    DesaIdioma(idioma);
    MarcaIdioma(model_->menus, idioma);
    if (const auto avis = AvisIdioma(idioma, idioma_))
        documents_->messages.show(Tx(*avis).toStdString());
}

void TarvonWindow::createWindow(const TarvonStart& start) {
    setWindowTitle("Tarvon");
    auto* client = new QWidget(this);
    setBackColour(client, QColor(220, 255, 255));
    QFont font = client->font();
    font.setPointSizeF(layout_.FontSize);
    client->setFont(font);
    setCentralWidget(client);
    const Extent extent = TarvonLayoutExtent(start.screen.FactorPantalla);
    auto* stage = new CentredStage(client, twipsToPixels(0, 0, extent.width, extent.height).size(),
                                   start.screen.fitted);
    c_ = CreateControls(stage, state_.caja);
    ApplyLayout(c_, layout_);
    const QPixmap portada =
        start.pictures.shown(layout_.picPortada, start.screen.FactorPantalla, devicePixelRatioF());
    c_.picPortada->setPixmap(portada);
    c_.picPortada->resize(portada.deviceIndependentSize().toSize());
    sync_ = std::make_unique<WindowSync>(c_, start.pictures, layout_, start.screen.FactorPantalla);
    stage->installEventFilter(this);
    menus_ = std::make_unique<WindowMenus>(menuBar(), [this](const std::string& n) { command(n); });
}

void TarvonWindow::connectControls() {
    connect(c_.VScrollVel, &QScrollBar::valueChanged, this, &TarvonWindow::VScrollVel_Change);
    connect(c_.cmdContinuar, &QPushButton::clicked, this, &TarvonWindow::cmdContinuar_Click);
    connect(c_.cmdIniciCrono, &QPushButton::clicked, this,
            [this] { button("cmdIniciCrono", [this] { cmdIniciCrono(*model_); }); });
    connect(c_.cmdTancarCrono, &QPushButton::clicked, this,
            [this] { button("cmdTancarCrono", [this] { cmdTancarCrono(*model_); }); });
    c_.Caja->onMouseDown = [this](float x, float y) {
        guarded("Caja_MouseDown", [&] { CajaMouseDown(*model_, x, y); });
        c_.Caja->update();
    };
}

void TarvonWindow::command(const std::string& name) {
    if (!model_->menus.usable(name))
        return; // a shortcut of an item that cannot be clicked now
    guarded(name, [&] { run(name); });
    sync();
}

void TarvonWindow::guarded(const std::string& name, const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& e) {
        ++abandoned_;
        lastError_ = name + ": " + e.what();
        std::fprintf(stderr, "Tarvon: %s abandoned: %s\n", name.c_str(), e.what());
    }
}

void TarvonWindow::run(const std::string& name) {
    TarvonModel& m = *model_;
    using Command = std::function<void()>;
    const std::map<std::string, Command> commands{
        {"ArxiuSortir",
         [] {
             QApplication::closeAllWindows();
             QApplication::quit();
         }},
        {"ArxiuText", [&] { ArxiuText(m, *documents_); }},
        {"ArxiuExcel", [&] { ArxiuExcel(m, *documents_); }},
        {"ArxiuInformExem", [&] { ArxiuInformExem(*documents_); }},
        {"ArxiuInformFitxa", [&] { ArxiuInformFitxa(*documents_); }},
        {"FinPre", [&] { ObrirDocument(*documents_, "T_Tarvon_presentacio.pdf"); }},
        {"FinTeo", [&] { ObrirDocument(*documents_, "T_Tarvon.pdf"); }},
        {"FinProp", [&] { ObrirDocument(*documents_, "P_Tarvon.pdf"); }},
        {"FinGuia", [&] { ObrirDocument(*documents_, "G_Tarvon.pdf"); }},
        {"FinProjector",
         [&] {
             FinProjector(m);
             QSettings(kOrganisation, kApplication).setValue(kProjectorKey, m.w.ModeProjector);
         }},
        {"mnuAjuda", [&] { mnuAjuda(); }},
        {"AccionsInici", [&] { AccionsInici(m); }},
        {"AccionsCongelar", [&] { AccionsCongelar(m); }},
        {"AccionsMarcar", [&] { AccionsMarcar(m); }},
        {"EinesNPPre", [&] { EinesNPPre(m); }},
        {"EinesNPA", [&] { EinesNPA(m); }},
        {"EinesNPD", [&] { EinesNPD(m); }},
        {"EinesDiamPre", [&] { EinesDiamPreCommand(m); }},
        {"EinesDiam15", [&] { EinesDiam15Command(m); }},
        {"EinesDiamAfAu", [&] { EinesDiamAfAuCommand(m); }},
        {"EinesDiamAfDi", [&] { EinesDiamAfDiCommand(m); }},
        {"EinesVel", [&] { EinesVel(m); }},
        {"EinesCrono", [&] { EinesCrono(m); }},
        {"EinesVolumConstant", [&] { EinesVolumConstant(m); }},
        {"CineDades05", [&] { CineDades(m, 0.5f); }},
        {"CineDades1", [&] { CineDades(m, 1); }},
        {"CineDades2", [&] { CineDades(m, 2); }},
        {"CineDades5", [&] { CineDades(m, 5); }},
        {"CineDades10", [&] { CineDades(m, 10); }},
        {"CineDadesCrono", [&] { CineDadesCrono(m); }},
        {"CineNoDades", [&] { CineNoDades(m); }},
        {"CineEsborrar", [&] { CineEsborrar(m); }},
        {"CineMeca", [&] { CineMeca(m); }},
        {"CineTornar", [&] { CineTornar(m); }},
        {"CineExperimentNou", [&] { CineExperimentNou(m); }},
        {"CineGrafica", [&] { CineGrafica(); }},
        {"CineAnalisi", [&] { CineAnalisi(); }},
    };
    if (const auto found = commands.find(name); found != commands.end())
        found->second();
    else if (const auto idioma = IdiomaDeItem(name))
        TriaIdioma(*idioma);
    else if (const ReactionDescription* r = FindReaction(name))
        TriaReaccio(m, *r);
}

void TarvonWindow::cmdContinuar_Click() {
    // Runs again even when the products cannot be shown.
    guarded("cmdContinuar", [this] { cmdContinuar(*model_); });
    sync();
}

void TarvonWindow::button(const std::string& name, const std::function<void()>& handler) {
    guarded(name, handler);
    sync();
}

void TarvonWindow::Crono_Timer() {
    guarded("Crono_Timer", [this] { tarvon::Crono_Timer(*model_); });
    sync_->chronometer(*model_);
}

void TarvonWindow::VScrollVel_Change(int value) {
    state_.controls.tmrRellotgeInterval = value;
    tmrRellotge_.setInterval(value);
}

void TarvonWindow::tmrRellotge_Timer() {
    if (std::string error; !step_->guardedTick(&error)) { // an error abandons this tick only
        ++abandoned_;
        lastError_ = "tmrRellotge: " + error;
    }
    applyControls();
    sync_->tick(*model_);
    refreshKinetics();
    c_.Caja->requestFrame(); // the ticks may outrun the screen's frames
}

bool TarvonWindow::eventFilter(QObject* watched, QEvent* event) {
    // The panel re-flows to the client area's height.
    if (event->type() == QEvent::Resize && sync_ && model_)
        sync_->panel(*model_);
    return QMainWindow::eventFilter(watched, event);
}

void TarvonWindow::sync() {
    menus_->apply(model_->menus);
    c_.Caja->setMinimumAtomDiameter(MinimumAtomDiameter(*model_));
    menus_->action("AccionsCongelar")->setText(QString::fromStdString(model_->d.AccionsCongelar));
    sync_->apply(*model_);
    refreshKinetics();
    applyControls();
    c_.Caja->update();
}

void TarvonWindow::applyControls() {
    const AnimationControls& ctl = state_.controls;
    if (tmrRellotge_.interval() != ctl.tmrRellotgeInterval)
        tmrRellotge_.setInterval(ctl.tmrRellotgeInterval);
    if (ctl.tmrRellotgeEnabled && !tmrRellotge_.isActive())
        tmrRellotge_.start();
    else if (!ctl.tmrRellotgeEnabled && tmrRellotge_.isActive())
        tmrRellotge_.stop();
    // "Continuar" is there while a capture is on show.
    const bool continuar = state_.meca.CapturaEnPantalla;
    if (continuar == c_.cmdContinuar->isHidden()) {
        c_.cmdContinuar->setVisible(continuar);
        if (continuar)
            c_.cmdContinuar->setFocus(); // Return or Space continues
    }
    // A chronometer row starts the chronometer again.
    if (model_->crono.CronoEnabled != crono_.isActive())
        model_->crono.CronoEnabled ? crono_.start() : crono_.stop();
}

} // namespace tarvon
