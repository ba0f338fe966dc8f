#pragma once

#include "window/data_table.h"
#include "window/kinetics_runs.h"

#include <QPixmap>
#include <QPolygonF>
#include <QWidget>

#include <cstdint>
#include <vector>

namespace tarvon {

// The curves of one run: one per species column, in data coordinates
// (seconds, particles).
struct GraphRun {
    QString name;
    std::vector<QString> species;
    std::vector<QPolygonF> series;
};

// Every count of the current table against time, over the earlier runs of the
// same reaction drawn dimmed. Painted with QPainter: a whole repaint costs less
// than Qt Charts takes to add one point to four long series.
class LiveGraphView : public QWidget {
    Q_OBJECT
public:
    explicit LiveGraphView(QWidget* parent = nullptr);

    // Takes the tables again when they changed since the last call, and asks
    // for one repaint. Returns whether they changed.
    bool refresh(const KineticsRuns& runs, const DataRows& current, std::uint64_t tableRevision);

    // The locale's decimal separator, for the axes.
    void setSeparator(char separator) { separator_ = separator; }

    const GraphRun& current() const { return current_; }
    const std::vector<GraphRun>& earlier() const { return earlier_; }

    // The whole graph as the saved images hold it, its lines smoothed.
    void paintGraph(QPainter& p, const QRectF& rect) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Axes;
    Axes axesFor(const QRectF& rect, const QFont& font) const;
    // The frame, the earlier runs, the legend and the names: all but the
    // current run's lines, which change with every row.
    void paintBackground(QPainter& p, const QRectF& rect, const Axes& axes) const;
    void paintCurrent(QPainter& p, const Axes& axes, bool smooth) const;

    GraphRun current_;
    std::vector<GraphRun> earlier_;
    char separator_ = ',';
    std::uint64_t tableRevision_ = ~std::uint64_t{0};
    std::uint64_t runsRevision_ = ~std::uint64_t{0};
    // The background as last painted, and what it was painted for.
    QPixmap background_;
    QString backgroundKey_;
};

// The curves of a table: one per species, a point per row.
GraphRun GraphRunOf(const DataRows& table, const std::string& name);

} // namespace tarvon
