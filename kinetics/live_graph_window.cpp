#include "kinetics/live_graph_window.h"

#include "kinetics/live_graph_view.h"
#include "kinetics/side_window.h"
#include "window/collision_text.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvon {

namespace {

// Twips on the reference screen.
constexpr float kWidth = 9600, kHeight = 8400;

} // namespace

LiveGraphWindow::LiveGraphWindow(float s, std::filesystem::path documents)
    : QWidget(nullptr), view_(new LiveGraphView(this)), collisions_(new QLabel(this)),
      status_(new QLabel(this)),
      save_(new QPushButton(QCoreApplication::translate("kinetics", "Desar imatge…"), this)),
      documents_(std::move(documents)) {
    setWindowTitle(QCoreApplication::translate("kinetics", "Gràfica en directe"));
    auto* menu = new QMenu(save_);
    menu->addAction(QCoreApplication::translate("kinetics", "Imatge PNG"), this,
                    [this] { save(ImageFormat::Png); });
    menu->addAction(QCoreApplication::translate("kinetics", "Imatge SVG"), this,
                    [this] { save(ImageFormat::Svg); });
    save_->setMenu(menu);
    // Long lines wrap rather than widen the window past a small screen.
    collisions_->setWordWrap(true);
    status_->setWordWrap(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(status_, 1);
    buttons->addWidget(save_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_, 1);
    layout->addWidget(collisions_);
    layout->addLayout(buttons);
    CloseOnEscape(*this);
    PlaceBesideMain(*this, s, kWidth, kHeight);
}

void LiveGraphWindow::refresh(const TarvonModel& m) {
    FollowProjectorMode(*this, m.w.ModeProjector);
    view_->setSeparator(m.w.SeparadorDecimal);
    view_->refresh(m.runs, m.data.Taula, m.data.Revisio);
    reaction_ = m.runs.currentReaction(); // kept when the table is cleared
    const QString text =
        QString::fromStdString(CollisionText(m.s.xocs, m.w.SeparadorDecimal, m.lang));
    if (text != collisions_->text())
        collisions_->setText(text);
    collisions_->setVisible(!text.isEmpty());
}

std::optional<std::filesystem::path> LiveGraphWindow::save(ImageFormat format) {
    const std::string stem = reaction_.empty() ? "Gràfica" : "Gràfica " + reaction_;
    const auto paint = [this](QPainter& p, const QRectF& r) {
        p.setFont(font());
        view_->paintGraph(p, r);
    };
    const auto path = SaveGraphImage(paint, view_->size(), documents_, stem, format);
    status_->setText(
        path ? QCoreApplication::translate("kinetics", "Desada a la carpeta Documents: %1")
                   .arg(QString::fromStdString(path->filename().string()))
             : QCoreApplication::translate("kinetics", "No s'ha pogut desar la imatge."));
    return path;
}

} // namespace tarvon
