#include "launcher/orvalis_window.h"

#include "launcher/ball_view.h"
#include "launcher/textured_background.h"
#include "platform/calibration_store.h"
#include "platform/message_box.h"
#include "platform/process_starter.h"
#include "qtcommon/centred_stage.h"
#include "qtcommon/language_setting.h"
#include "qtcommon/qt_language.h"
#include "qtcommon/twips.h"
#include "qtcommon/widget_colours.h"

#include <QActionGroup>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>

namespace tarvon {

namespace {

const QColor kWindowBack(192, 192, 255);
const QColor kTitleText(0, 0, 255);
const QColor kTitleBack(255, 128, 255);
const QColor kMenuBack(175, 208, 240);
const QColor kBoxBack(175, 255, 210);
const char* kModelProgram = "Tarvon";

QRect pixels(const TwipsRect& r) {
    return twipsToPixels(r.left, r.top, r.width, r.height);
}

QWidget* filledBox(QWidget* parent, const QColor& colour, const TwipsRect& place) {
    auto* box = new QWidget(parent);
    setBackColour(box, colour);
    box->setGeometry(pixels(place));
    return box;
}

QLabel* titleLabel(QWidget* parent, const QString& caption, const QFont& font,
                   const LabelPlace& place, bool backed) {
    auto* label = new QLabel(caption, parent);
    label->setFont(font);
    setColour(label, QPalette::WindowText, kTitleText);
    if (backed)
        setBackColour(label, kTitleBack);
    // Sized with room for the highlight border, which then does not move the text.
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->adjustSize();
    label->setFrameStyle(QFrame::NoFrame);
    label->setAlignment(Qt::AlignCenter);
    label->move(twipsToPixels(place.left, place.top, 0, 0).topLeft());
    return label;
}

// The hourglass while a model starts; gone however the start ends.
struct HourglassPointer {
    HourglassPointer() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~HourglassPointer() { QGuiApplication::restoreOverrideCursor(); }
    HourglassPointer(const HourglassPointer&) = delete;
    HourglassPointer& operator=(const HourglassPointer&) = delete;
};

QFont arial(double points) {
    QFont font("Liberation Sans"); // Arial's metric twin
    font.setPointSizeF(points);
    return font;
}

} // namespace

Orvalis::Orvalis(const ScreenClass& screen, const QString& dataFolder, Idioma idioma,
                 LauncherServices services, UniformRandom& rnd, std::function<void()> endProgram,
                 QWidget* parent)
    : QMainWindow(parent), layout_(OrvalisLayoutFor(screen)), fitted_(screen.fitted),
      factor_(screen.CanviPantalla ? screen.FactorPantalla : 1.0), dataFolder_(dataFolder),
      pictures_(std::filesystem::path(dataFolder.toStdString()), idioma), services_(services),
      rnd_(rnd), endProgram_(std::move(endProgram)), balls_(layout_.box) {
    setWindowTitle("Orvalis");
    QFont windowFont = font();
    windowFont.setPointSizeF(layout_.windowFontPoints);
    setFont(windowFont);
    const QPixmap pointer = pictures_.load("Punter.png");
    pointer_ = pointer.isNull() ? QCursor(Qt::PointingHandCursor) : QCursor(pointer, 0, 0);

    client_ = new TexturedBackground(
        kWindowBack,
        [pictures = pictures_](QSize area, double ratio) {
            return pictures.covering("FonsOrvalis.jpg", area, ratio);
        },
        this);
    client_->setObjectName("Fons");
    setCentralWidget(client_);
    createMenus();
    const Extent extent = OrvalisLayoutExtent(screen.FactorPantalla);
    stage_ = new CentredStage(client_, twipsToPixels(0, 0, extent.width, extent.height).size(),
                              screen.fitted);
    createPanels(stage_);
    createLabels(stage_);
    createBox(stage_);

    for (QWidget* w : {client_, stage_, static_cast<QWidget*>(lblSubtitol_),
                       static_cast<QWidget*>(lblFi_), static_cast<QWidget*>(caja_)}) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }
    highlight(lblSubtitol_, false);
    highlight(lblFi_, false);
}

void Orvalis::createMenus() {
    QMenu* opcions = menuBar()->addMenu(Tx(TX("launcher", "&Opcions")));
    opcions->setObjectName("mnuOpcions");
    opcionsMinim_ =
        opcions->addAction(Tx(TX("launcher", "Minimitzar")), this, &QWidget::showMinimized);
    createLanguageMenu(opcions);
    opcionsSortir_ = opcions->addAction(Tx(TX("launcher", "Sortir")), this, &Orvalis::Sortir);
    modelP_ = menuBar()->addAction(kModelProgram, this, &Orvalis::LlancaModel);
    finRecom_ =
        menuBar()->addAction(Tx(TX("launcher", "Recomanacions d'ús")), this, &Orvalis::showRecom);
    mnuAutor_ = menuBar()->addAction(Tx(TX("launcher", "Sobre aquest treball....")), this,
                                     &Orvalis::showSobre);
}

void Orvalis::createLanguageMenu(QMenu* opcions) {
    QMenu* menu = opcions->addMenu(Tx(TX("launcher", "Idioma")));
    menu->setObjectName("mnuIdioma");
    auto* group = new QActionGroup(menu);
    const Idioma stored = IdiomaActual();
    // Each name in its own language, so that whoever reads it finds theirs.
    const std::pair<Idioma, const char*> names[] = {
        {Idioma::Catala, "Català"}, {Idioma::Castella, "Español"}, {Idioma::Angles, "English"}};
    for (const auto& [idioma, name] : names) {
        QAction* action = menu->addAction(QString::fromUtf8(name));
        action->setCheckable(true);
        action->setChecked(idioma == stored);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, idioma] { triaIdioma(idioma); });
        idiomes_.at(static_cast<int>(idioma)) = action;
    }
}

void Orvalis::triaIdioma(Idioma idioma) {
    if (idioma == IdiomaActual())
        return;
    DesaIdioma(idioma);
    services_.notices.show(Tx(TX("launcher", "L'idioma nou s'aplicarà la propera vegada que "
                                             "obriu Orvalis i Tarvon."))
                               .toStdString());
}

QPixmap Orvalis::picture(const std::string& name) const {
    // A missing picture leaves its area empty.
    return pictures_.shown(name, factor_, devicePixelRatioF());
}

void Orvalis::createPanels(QWidget* client) {
    picMenu_ = filledBox(client, kMenuBack, layout_.picMenu);
    picMenu_->setObjectName("picMenu");
    picMenu_->lower();
    picMenu_->hide();
    shpMenu_ = filledBox(client, kMenuBack, layout_.shpMenu);
    shpMenu_->setObjectName("shpMenu");
    shpMenu_->hide();

    QFont buttonFont = font();
    buttonFont.setPointSizeF(layout_.buttonFontPoints);
    auto makePicture = [&](const char* name, const TwipsRect& place, const std::string& file) {
        auto* pic = new QLabel(client);
        pic->setObjectName(name);
        setBackColour(pic, Qt::white);
        pic->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        pic->setPixmap(picture(file));
        pic->setGeometry(pixels(place));
        pic->hide();
        return pic;
    };
    auto makeClose = [&](const char* name, const TwipsRect& place, QLabel* pic) {
        auto* button = new QPushButton(Tx(TX("launcher", "Tancar")), client);
        button->setObjectName(name);
        button->setFont(buttonFont);
        button->setGeometry(pixels(place));
        button->hide();
        connect(button, &QPushButton::clicked, this, [button, pic] {
            button->hide();
            pic->hide();
        });
        return button;
    };
    picSobre_ = makePicture("picSobre", layout_.picSobre, layout_.picSobreFile);
    cmdSobre_ = makeClose("cmdSobre", layout_.cmdSobre, picSobre_);
    picRecom_ = makePicture("picRecom", layout_.picRecom, layout_.picRecomFile);
    cmdRecom_ = makeClose("cmdRecom", layout_.cmdRecom, picRecom_);
    if (fitted_) {
        fitToPicture(picSobre_, cmdSobre_, layout_.picSobre, layout_.cmdSobre);
        fitToPicture(picRecom_, cmdRecom_, layout_.picRecom, layout_.cmdRecom);
    }
}

void Orvalis::fitToPicture(QLabel* pic, QPushButton* button, TwipsRect panel, TwipsRect close) {
    const QSizeF size = pic->pixmap().deviceIndependentSize();
    FitPanelToPicture(panel, close, static_cast<float>(size.width() * kTwipsPerPixel),
                      static_cast<float>(size.height() * kTwipsPerPixel));
    pic->setGeometry(pixels(panel));
    button->setGeometry(pixels(close));
}

void Orvalis::createLabels(QWidget* client) {
    QFont italic = arial(layout_.lblTitol0.fontPoints);
    italic.setItalic(true);
    lblTitol0_ =
        titleLabel(client, Tx(TX("launcher", "Model basat en la teoria cineticomolecular")), italic,
                   layout_.lblTitol0, false);
    lblTitol0_->setObjectName("lblTitol0");
    lblTitol4_ = new QLabel(client);
    lblTitol4_->setObjectName("lblTitol4");
    lblTitol4_->hide();

    lblSubtitol_ = titleLabel(client, kModelProgram, arial(layout_.lblSubtitol.fontPoints),
                              layout_.lblSubtitol, true);
    lblSubtitol_->setObjectName("lblSubtitol");
    lblSubtitol_->setCursor(pointer_);

    for (const TwipsRect& bar : layout_.bars)
        filledBox(client, Qt::blue, bar);

    QFont black = arial(layout_.lblFi.fontPoints);
    black.setWeight(QFont::Black);
    lblFi_ = titleLabel(client, Tx(TX("launcher", "Fi ")), black, layout_.lblFi, true);
    lblFi_->setObjectName("lblFi");
}

void Orvalis::createBox(QWidget* client) {
    caja_ = new BallView(balls_, kBoxBack, client);
    caja_->setObjectName("Caja");
    caja_->setGeometry(pixels(layout_.Caja));

    balls_.CrearBoles(rnd_, 100);
    tmrRellotge_.setInterval(50);
    connect(&tmrRellotge_, &QTimer::timeout, this, &Orvalis::tmrRellotge_Timer);
    tmrRellotge_.start();
}

void Orvalis::showSobre() {
    picRecom_->hide();
    cmdRecom_->hide();
    picSobre_->show();
    picSobre_->raise();
    cmdSobre_->show();
    cmdSobre_->raise();
}

void Orvalis::showRecom() {
    picSobre_->hide();
    cmdSobre_->hide();
    picRecom_->show();
    picRecom_->raise();
    cmdRecom_->show();
    cmdRecom_->raise();
}

void Orvalis::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Escape) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    // Escape closes the open picture as its Tancar button does.
    for (QPushButton* close : {cmdSobre_, cmdRecom_})
        if (!close->isHidden())
            close->click();
}

void Orvalis::highlight(QLabel* label, bool on) {
    label->setFrameStyle(on ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
}

bool Orvalis::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        // Handled here: passed on, a move over a label or the box would reach
        // the background and clear the highlights.
        if (watched == lblSubtitol_) {
            highlight(lblSubtitol_, true);
            client_->setCursor(pointer_); // stays until something else sets it
            return true;
        }
        if (watched == lblFi_) {
            highlight(lblFi_, true);
            return true;
        }
        if (watched == caja_) {
            tmrRellotge_.start(); // the animation resumes after a model start
            return true;
        }
        if (watched == client_ || watched == stage_) {
            highlight(lblSubtitol_, false);
            highlight(lblFi_, false);
        }
    } else if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const auto* label = qobject_cast<QWidget*>(watched);
        if (mouse->button() == Qt::LeftButton && label && label->rect().contains(mouse->pos())) {
            if (watched == lblSubtitol_)
                LlancaModel();
            else if (watched == lblFi_)
                Sortir();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void Orvalis::tmrRellotge_Timer() {
    try {
        balls_.step(); // re-stacked only when a model starts: the tick stays cheap
    } catch (const std::exception&) {
        // A failed step is dropped; the animation goes on.
    }
    caja_->update();
}

void Orvalis::LlancaModel() {
    tmrRellotge_.stop();
    balls_.restackByDepth();
    caja_->update();
    const QString program = QDir(dataFolder_).filePath(kModelProgram);
    // The model runs from the folder that holds the data folder.
    const QString workingDir = QFileInfo(dataFolder_).absolutePath();
    std::optional<std::string> error;
    {
        const HourglassPointer hourglass;
        error = services_.starter.start(program.toStdString(), workingDir.toStdString());
    }
    // Started or not, the pointer is the arrow again, also over the message.
    client_->setCursor(Qt::ArrowCursor);
    if (error)
        services_.messages.show(*error);
}

void Orvalis::Sortir() {
    const CalibrationStore::RemoveResult removal = services_.store.remove();
    if (removal.outcome == CalibrationStore::Removal::Failed)
        services_.messages.show(removal.error);
    if (endProgram_)
        endProgram_();
}

} // namespace tarvon
