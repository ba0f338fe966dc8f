#pragma once

#include "window/order_report.h"
#include "window/tarvon_model.h"

#include <QWidget>

#include <array>
#include <cstdint>

class QComboBox;
class QLabel;

namespace tarvon {

class OrderPlotView;

// "Anàlisi de l'ordre": N, ln N and 1/N of one column of the current table
// against time, with their fits and what they show.
class OrderWindow : public QWidget {
    Q_OBJECT
public:
    explicit OrderWindow(float FactorPantalla);

    // Follows the table: fits again when it changed. A new set of columns
    // brings back the default column.
    void refresh(const TarvonModel& m);

    QComboBox* column() const { return column_; }
    QLabel* text() const { return text_; }
    const OrderReport& report() const { return report_; }
    OrderPlotView* plot(int order) const { return plots_.at(static_cast<std::size_t>(order)); }

private:
    void fit();

    QComboBox* column_;
    std::array<OrderPlotView*, 3> plots_{};
    QLabel* text_;
    const DataRows* table_ = nullptr;
    const Language* lang_ = &Catala(); // the model's, from the first refresh
    char separator_ = ',';
    std::uint64_t revision_ = ~std::uint64_t{0};
    std::vector<std::string> columns_;
    OrderReport report_;
};

} // namespace tarvon
