#pragma once

#include "datapictures/data_pictures.h"
#include "launcher/launcher_services.h"
#include "launcher_rules/ball_engine.h"
#include "launcher_rules/orvalis_layout.h"
#include "texts/idioma.h"

#include <QCursor>
#include <QMainWindow>
#include <QTimer>

#include <array>
#include <functional>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;

namespace tarvon {

class BallView;
class UniformRandom;

// The launcher's main window: starts the model, shows the about and
// recommendation pictures, and animates balls in a small box meanwhile.
// `idioma`: the language of the installed catalogues, the pictures' too.
class Orvalis : public QMainWindow {
    Q_OBJECT
public:
    Orvalis(const ScreenClass& screen, const QString& dataFolder, Idioma idioma,
            LauncherServices services, UniformRandom& rnd, std::function<void()> endProgram,
            QWidget* parent = nullptr);

    QAction* OpcionsMinim() const { return opcionsMinim_; }
    QAction* OpcionsSortir() const { return opcionsSortir_; }
    QAction* ModelP() const { return modelP_; }
    QAction* FinRecom() const { return finRecom_; }
    QAction* mnuAutor() const { return mnuAutor_; }
    // "Opcions > Idioma": Català, Español, English.
    QAction* OpcionsIdioma(Idioma idioma) const { return idiomes_.at(static_cast<int>(idioma)); }
    QLabel* lblSubtitol() const { return lblSubtitol_; }
    QLabel* lblFi() const { return lblFi_; }
    QLabel* picSobre() const { return picSobre_; }
    QLabel* picRecom() const { return picRecom_; }
    QPushButton* cmdSobre() const { return cmdSobre_; }
    QPushButton* cmdRecom() const { return cmdRecom_; }
    BallView* Caja() const { return caja_; }
    QTimer& tmrRellotge() { return tmrRellotge_; }
    const BallEngine& balls() const { return balls_; }
    const OrvalisLayout& layout() const { return layout_; }

public slots:
    void LlancaModel();
    void Sortir();
    void tmrRellotge_Timer();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createMenus();
    void createLanguageMenu(QMenu* opcions);
    // Stored for the next start of both programs; the running one keeps its language.
    void triaIdioma(Idioma idioma);
    void createPanels(QWidget* client);
    // A picture smaller than its panel's place: the panel shrinks to it.
    void fitToPicture(QLabel* pic, QPushButton* button, TwipsRect panel, TwipsRect close);
    void createLabels(QWidget* client);
    void createBox(QWidget* client);
    void showSobre();
    void showRecom();
    void highlight(QLabel* label, bool on);
    // As shown at the layout's factor on this window's screen.
    QPixmap picture(const std::string& name) const;

    OrvalisLayout layout_;
    bool fitted_;   // the screen factor is fitted, not a class's
    double factor_; // the one the layout is drawn at
    QString dataFolder_;
    DataPictures pictures_;
    LauncherServices services_;
    UniformRandom& rnd_;
    std::function<void()> endProgram_;
    BallEngine balls_;
    QCursor pointer_;

    QAction* opcionsMinim_ = nullptr;
    QAction* opcionsSortir_ = nullptr;
    QAction* modelP_ = nullptr;
    QAction* finRecom_ = nullptr;
    QAction* mnuAutor_ = nullptr;
    std::array<QAction*, 3> idiomes_{}; // in Idioma's order
    QWidget* client_ = nullptr;
    QWidget* stage_ = nullptr; // the controls, centred when the layout is fitted
    QLabel* lblSubtitol_ = nullptr;
    QLabel* lblTitol0_ = nullptr;
    QLabel* lblTitol4_ = nullptr;
    QLabel* lblFi_ = nullptr;
    QLabel* picSobre_ = nullptr;
    QLabel* picRecom_ = nullptr;
    QPushButton* cmdSobre_ = nullptr;
    QPushButton* cmdRecom_ = nullptr;
    QWidget* picMenu_ = nullptr;
    QWidget* shpMenu_ = nullptr;
    BallView* caja_ = nullptr;
    QTimer tmrRellotge_;
};

} // namespace tarvon
