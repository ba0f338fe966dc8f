#include "kinetics/order_window.h"

#include "kinetics/order_plot_view.h"
#include "kinetics/side_window.h"
#include "window/column_analysis.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace tarvon {

namespace {

// Twips on the reference screen.
constexpr float kWidth = 13000, kHeight = 8400;

} // namespace

OrderWindow::OrderWindow(float s)
    : QWidget(nullptr), column_(new QComboBox(this)), text_(new QLabel(this)) {
    setWindowTitle(QCoreApplication::translate("kinetics", "Anàlisi de l'ordre"));
    auto* chooser = new QHBoxLayout;
    chooser->addWidget(
        new QLabel(QCoreApplication::translate("kinetics", "Columna de la taula:"), this));
    chooser->addWidget(column_);
    chooser->addStretch(1);
    auto* plots = new QHBoxLayout;
    for (int order = 0; order < 3; ++order) {
        plots_[static_cast<std::size_t>(order)] = new OrderPlotView(order, this);
        plots->addWidget(plots_[static_cast<std::size_t>(order)]);
    }
    text_->setWordWrap(true);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(chooser);
    layout->addLayout(plots, 1);
    layout->addWidget(text_);
    connect(column_, &QComboBox::activated, this, [this] { fit(); });
    CloseOnEscape(*this);
    PlaceBesideMain(*this, s, kWidth, kHeight);
}

void OrderWindow::refresh(const TarvonModel& m) {
    FollowProjectorMode(*this, m.w.ModeProjector);
    table_ = &m.data.Taula;
    lang_ = &m.lang;
    separator_ = m.w.SeparadorDecimal;
    if (m.data.Revisio == revision_)
        return;
    revision_ = m.data.Revisio;
    if (table_->columns != columns_) {
        columns_ = table_->columns;
        column_->clear();
        for (std::size_t c = 1; c < columns_.size(); ++c)
            column_->addItem(QString::fromStdString(columns_[c]));
        column_->setCurrentIndex(static_cast<int>(DefaultAnalysisColumn(*table_)) - 1);
    } else if (table_->rows.size() <= 2) {
        // A table just begun: which species falls shows from its second row.
        column_->setCurrentIndex(static_cast<int>(DefaultAnalysisColumn(*table_)) - 1);
    }
    fit();
}

void OrderWindow::fit() {
    if (table_ == nullptr)
        return;
    const int chosen = std::max(column_->currentIndex(), 0);
    report_ = BuildOrderReport(*table_, static_cast<std::size_t>(chosen) + 1, separator_, *lang_);
    for (OrderPlotView* plot : plots_)
        plot->showReport(report_);
    QStringList lines;
    for (const std::string& line : report_.lines)
        lines << QString::fromStdString(line);
    text_->setText(lines.join('\n'));
}

} // namespace tarvon
