#include "kinetics/live_graph_view.h"

#include "kinetics/plot_area.h"
#include "window/line_colours.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace tarvon {

namespace {

// Earlier runs, oldest first, each with its own dash so that its name below
// the graph says which lines are its.
constexpr Qt::PenStyle kEarlierDash[] = {Qt::DashDotDotLine, Qt::DashDotLine, Qt::DotLine,
                                         Qt::DashLine, Qt::DashLine};

QColor ColourOf(const QString& species) {
    const Rgb c = SpeciesColour(species.toStdString());
    return {c.r, c.g, c.b};
}

QColor Dimmed(QColor c) {
    c.setAlpha(90);
    return c;
}

QRectF Bounds(const GraphRun& current, const std::vector<GraphRun>& earlier) {
    QRectF bounds(0, 0, 10, 10); // an empty graph still has its axes
    const auto grow = [&](const GraphRun& run) {
        for (const QPolygonF& s : run.series)
            for (const QPointF& p : s) {
                bounds.setRight(std::max(bounds.right(), p.x()));
                bounds.setBottom(std::max(bounds.bottom(), p.y()));
            }
    };
    grow(current);
    for (const GraphRun& run : earlier)
        grow(run);
    return bounds;
}

void PaintRun(QPainter& p, const PlotArea& area, const GraphRun& run, Qt::PenStyle style,
              bool dimmed) {
    for (std::size_t k = 0; k < run.series.size(); ++k) {
        const QColor colour = ColourOf(run.species[k]);
        // Each line a little wider than the next, so that equal counts (H2
        // and I2 of HI) still show both colours.
        const qreal wider = static_cast<qreal>(run.series.size() - 1 - k);
        QPen pen(dimmed ? Dimmed(colour) : colour, (dimmed ? 1.5 : 2.5) + wider, style);
        area.paintCurve(p, run.series[k], pen);
    }
}

// The species in their colours along the top.
void PaintLegend(QPainter& p, const QRectF& rect, const GraphRun& run, const QFontMetricsF& fm) {
    qreal x = rect.right() - fm.height();
    for (auto k = run.species.size(); k-- > 0;) {
        const qreal width = fm.horizontalAdvance(run.species[k]);
        x -= width;
        p.setPen(Qt::black);
        p.drawText(QPointF(x, rect.top() + fm.ascent() + 2), run.species[k]);
        x -= 0.4 * fm.height() + 24;
        p.setPen(QPen(ColourOf(run.species[k]), 3));
        const qreal y = rect.top() + fm.height() / 2 + 2;
        p.drawLine(QPointF(x, y), QPointF(x + 20, y));
        x -= fm.height();
    }
}

// Each run's name under the graph, with a sample of its dash.
void PaintRunNames(QPainter& p, qreal top, qreal left, const LiveGraphView& view,
                   const QFontMetricsF& fm) {
    const auto line = [&](int row, const QString& text, Qt::PenStyle style, bool dimmed) {
        const qreal y = top + row * fm.height();
        p.setPen(QPen(dimmed ? QColor(120, 120, 120) : Qt::black, 2, style));
        p.drawLine(QPointF(left, y + fm.height() / 2), QPointF(left + 36, y + fm.height() / 2));
        p.setPen(dimmed ? QColor(110, 110, 110) : Qt::black);
        p.drawText(QPointF(left + 44, y + fm.ascent()), text);
    };
    int row = 0;
    for (std::size_t i = 0; i < view.earlier().size(); ++i)
        line(row++,
             QCoreApplication::translate("kinetics", "Abans: %1").arg(view.earlier()[i].name),
             kEarlierDash[i], true);
    if (!view.current().name.isEmpty())
        line(row, QCoreApplication::translate("kinetics", "Ara: %1").arg(view.current().name),
             Qt::SolidLine, false);
}

} // namespace

GraphRun GraphRunOf(const DataRows& table, const std::string& name) {
    GraphRun run;
    run.name = QString::fromStdString(name);
    for (std::size_t c = 1; c < table.columns.size(); ++c)
        run.species.push_back(QString::fromStdString(table.columns[c]));
    run.series.resize(run.species.size());
    for (QPolygonF& s : run.series)
        s.reserve(static_cast<qsizetype>(table.rows.size()));
    for (const DataRow& row : table.rows)
        for (std::size_t k = 0; k < run.series.size() && k < row.counts.size(); ++k)
            run.series[k].append(QPointF(row.Temps, row.counts[k]));
    return run;
}

LiveGraphView::LiveGraphView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent); // the graph paints every pixel
    setMinimumSize(320, 240);
}

bool LiveGraphView::refresh(const KineticsRuns& runs, const DataRows& table,
                            std::uint64_t tableRevision) {
    if (tableRevision == tableRevision_ && runs.revision() == runsRevision_)
        return false;
    tableRevision_ = tableRevision;
    if (runs.revision() != runsRevision_) {
        runsRevision_ = runs.revision();
        earlier_.clear();
        for (const KineticsRun& run : runs.earlier())
            earlier_.push_back(GraphRunOf(run.table, run.name));
    }
    current_ = GraphRunOf(table, runs.running() ? runs.currentName() : std::string());
    update(); // one repaint for all the rows taken since the last
    return true;
}

struct LiveGraphView::Axes {
    QRectF plot;
    NiceAxis x, y;
    PlotArea area;
};

LiveGraphView::Axes LiveGraphView::axesFor(const QRectF& rect, const QFont& font) const {
    const QFontMetricsF fm(font);
    const int names = static_cast<int>(earlier_.size()) + (current_.name.isEmpty() ? 0 : 1);
    const QRectF plot = rect.adjusted(0, fm.height() + 4, 0, -(names * fm.height() + 6));
    const QRectF bounds = Bounds(current_, earlier_);
    const NiceAxis x = NiceAxisFor(0, bounds.right()), y = NiceAxisFor(0, bounds.bottom());
    return {plot, x, y, PlotArea(plot, x, y, font, QChar(separator_))};
}

void LiveGraphView::paintBackground(QPainter& p, const QRectF& rect, const Axes& axes) const {
    p.fillRect(rect, Qt::white);
    const QFontMetricsF fm(p.font());
    axes.area.paintFrame(p, QCoreApplication::translate("kinetics", "Temps (s)"),
                         QCoreApplication::translate("kinetics", "Nombre de partícules"));
    p.setRenderHint(QPainter::Antialiasing);
    for (std::size_t i = 0; i < earlier_.size(); ++i)
        PaintRun(p, axes.area, earlier_[i], kEarlierDash[i], true);
    const bool legendOfEarlier = current_.species.empty() && !earlier_.empty();
    PaintLegend(p, rect, legendOfEarlier ? earlier_.back() : current_, fm);
    PaintRunNames(p, axes.plot.bottom() + 4, axes.area.inner().left(), *this, fm);
    p.setRenderHint(QPainter::Antialiasing, false);
}

void LiveGraphView::paintCurrent(QPainter& p, const Axes& axes, bool smooth) const {
    p.setRenderHint(QPainter::Antialiasing, smooth);
    PaintRun(p, axes.area, current_, Qt::SolidLine, false);
    p.setRenderHint(QPainter::Antialiasing, false);
}

void LiveGraphView::paintGraph(QPainter& p, const QRectF& rect) const {
    const Axes axes = axesFor(rect, p.font());
    paintBackground(p, rect, axes);
    paintCurrent(p, axes, true);
}

void LiveGraphView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const Axes axes = axesFor(rect(), font());
    // A new row redraws only the current lines; the rest changes with the
    // axes, the earlier runs or the size.
    const QString key = QString("%1 %2 %3 %4 %5 %6 %7")
                            .arg(width())
                            .arg(height())
                            .arg(axes.x.high)
                            .arg(axes.y.high)
                            .arg(runsRevision_)
                            .arg(current_.name)
                            .arg(current_.species.size());
    if (key != backgroundKey_ || background_.size() != size() * devicePixelRatioF()) {
        background_ = QPixmap(size() * devicePixelRatioF());
        background_.setDevicePixelRatio(devicePixelRatioF());
        QPainter bp(&background_);
        bp.setFont(font());
        paintBackground(bp, rect(), axes);
        backgroundKey_ = key;
    }
    p.drawPixmap(0, 0, background_);
    // Without antialiasing: smooth lines of 4000 points take longer than a
    // tick may.
    paintCurrent(p, axes, false);
}

} // namespace tarvon
