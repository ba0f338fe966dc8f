#include "assets/run_figures.h"

#include "analysis/least_squares.h"
#include "assets/document_error.h"
#include "assets/fonts.h"
#include "assets/formula_line.h"
#include "assets/picture_words.h"
#include "assets/plot_frame.h"
#include "assets/window_colours.h"

#include <algorithm>
#include <cmath>

namespace assets {

namespace {

constexpr QSize kCountsSize{1400, 900};
constexpr QSize kOrdersSize{2100, 760};
constexpr qreal kFont = 38;
constexpr qreal kLegendWidth = 260;
const QColor kSeries[] = {{0, 120, 200}, {235, 95, 0}, {0, 150, 70}, {150, 60, 170}};
const QColor kFitLine(200, 30, 30);

QImage whiteImage(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

std::vector<QPointF> points(const RunTable& table, std::size_t column) {
    std::vector<QPointF> out;
    for (const auto& row : table.rows)
        out.emplace_back(row[0], row[column]);
    return out;
}

AxisScale timeScale(const RunTable& table) {
    return niceScale(0, table.rows.empty() ? 1 : table.rows.back()[0]);
}

void paintLegend(QPainter& p, const RunTable& table, QPointF topRight) {
    const QFont font = textFont(42, QFont::Bold);
    qreal y = topRight.y();
    for (std::size_t c = 1; c < table.columns.size(); ++c, y += 60) {
        const QColor colour = kSeries[(c - 1) % std::size(kSeries)];
        const QString formula = QString::fromStdString(table.columns[c]);
        const QPointF base(topRight.x() - kLegendWidth + 50, y);
        p.setPen(QPen(colour, 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(base + QPointF(0, -10), base + QPointF(50, -10));
        FormulaLine(formula, font).paint(p, base + QPointF(64, 0), kTextInk);
    }
}

struct Transform {
    const char* title;
    double (*of)(double);
};

const Transform kTransforms[] = {
    {"N", [](double n) { return n; }},
    {"ln N", [](double n) { return std::log(n); }},
    {"1/N", [](double n) { return 1 / n; }},
};

void paintOrderPanel(QPainter& p, const QRectF& area, const RunTable& table, std::size_t column,
                     int order, const DocumentLanguage& language) {
    std::vector<double> x, y;
    for (const auto& row : table.rows)
        if (order == 0 || row[column] > 0)
            x.push_back(row[0]), y.push_back(kTransforms[order].of(row[column]));
    if (x.size() < 2)
        throw DocumentError("too few rows for a line of " + table.columns[column]);
    const analysis::LineFit fit = analysis::FitLine(x, y);
    const auto [low, high] = std::minmax_element(y.begin(), y.end());
    const QChar decimal = QLatin1Char(language.decimal);
    PlotFrame frame(p, area.adjusted(0, 70, 0, 0), timeScale(table), niceScale(*low, *high), kFont,
                    decimal);
    frame.paintGrid(say(*language.words, TX("assets", "Temps (s)")),
                    QString::fromUtf8(kTransforms[order].title));
    std::vector<QPointF> dots;
    for (std::size_t i = 0; i < x.size(); ++i)
        dots.emplace_back(x[i], y[i]);
    frame.paintDots(dots, kSeries[0], 8);
    frame.paintLine(fit.slope, fit.intercept, kFitLine, 5);
    p.setFont(textFont(42, QFont::Bold));
    p.setPen(kTextInk);
    const QString r2 = QString::number(fit.r2, 'f', 3).replace(QLatin1Char('.'), decimal);
    p.drawText(QRectF(area.left(), area.top(), area.width(), 60), Qt::AlignCenter,
               QStringLiteral("%1 · R² = %2").arg(QString::fromUtf8(kTransforms[order].title), r2));
}

} // namespace

QImage countsFigure(const RunTable& table, const DocumentLanguage& language) {
    QImage image = whiteImage(kCountsSize);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    double top = 1;
    for (const auto& row : table.rows)
        top = std::max(top, *std::max_element(row.begin() + 1, row.end()));
    // The legend stands right of the graph, where no curve can run under it.
    PlotFrame frame(p, QRectF(QPointF(10, 20), kCountsSize - QSizeF(kLegendWidth, 30)),
                    timeScale(table), niceScale(0, top), kFont, QLatin1Char(language.decimal));
    frame.paintGrid(say(*language.words, TX("assets", "Temps (s)")),
                    say(*language.words, TX("assets", "Nombre de partícules")));
    for (std::size_t c = 1; c < table.columns.size(); ++c)
        frame.paintCurve(points(table, c), kSeries[(c - 1) % std::size(kSeries)], 7);
    paintLegend(p, table, frame.inner().topRight() + QPointF(kLegendWidth - 20, 40));
    return image;
}

QImage ordersFigure(const RunTable& table, std::size_t column, const DocumentLanguage& language) {
    QImage image = whiteImage(kOrdersSize);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal width = kOrdersSize.width() / 3.0;
    for (int order = 0; order < 3; ++order)
        paintOrderPanel(p, QRectF(order * width + 10, 10, width - 30, kOrdersSize.height() - 20),
                        table, column, order, language);
    return image;
}

} // namespace assets
