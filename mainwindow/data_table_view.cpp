#include "mainwindow/data_table_view.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>

#include <cmath>

namespace tarvon {

namespace {

const QString kColumn(8, '0'); // every count of a reaction fits

double ColumnWidth(const QFont& font) {
    return QFontMetricsF(font).horizontalAdvance(kColumn);
}

// The lines' height with each wrapped to the width, as the header shows them.
double HeaderHeight(const QString& text, const QFont& font, double width) {
    const QFontMetricsF metrics(font);
    double height = 0;
    for (const QString& line : text.split('\n')) {
        const double one = metrics.lineSpacing();
        if (line.contains('\t') || width <= 0) {
            height += one; // the column names, a tab stop apart, stay on one line
            continue;
        }
        const QRectF r = metrics.boundingRect(QRectF(0, 0, width, 1e6), Qt::TextWordWrap, line);
        height += std::max(one, std::round(r.height() / one) * one);
    }
    return height;
}

} // namespace

DataTableView::DataTableView(QWidget* parent)
    : QPlainTextEdit(parent), header_(new QPlainTextEdit(this)) {
    header_->setObjectName("txtDadesCapcalera");
    header_->setReadOnly(true);
    header_->setFrameShape(QFrame::NoFrame);
    header_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    header_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A title wider than the table, as with projector mode's font, wraps.
    header_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    header_->setWordWrapMode(QTextOption::WordWrap);
    header_->setFocusPolicy(Qt::NoFocus);
    header_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    placeHeader();
}

void DataTableView::setTable(const QString& header, const QString& rows) {
    if (header_->toPlainText() != header) {
        header_->setPlainText(header);
        placeHeader();
    }
    setPlainText(rows);
}

QString DataTableView::shownText() const {
    const QString rows = toPlainText();
    return rows.isEmpty() ? header_->toPlainText() : header_->toPlainText() + '\n' + rows;
}

bool DataTableView::columnsFit(double points, int columns) const {
    QFont f = font();
    f.setPointSizeF(points);
    const double scrollBar = verticalScrollBar()->sizeHint().width();
    const double margins = 2 * (frameWidth() + document()->documentMargin());
    return columns * ColumnWidth(f) + scrollBar + margins <= width();
}

void DataTableView::growFont(double least, double most, int columns) {
    double size = least;
    for (double s = most; s > least; s -= 0.25)
        if (columnsFit(s, columns)) {
            size = s;
            break;
        }
    if (std::abs(font().pointSizeF() - size) < 1e-6)
        return;
    QFont f = font();
    f.setPointSizeF(size);
    setFont(f);
}

void DataTableView::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    placeHeader();
}

void DataTableView::changeEvent(QEvent* event) {
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        placeHeader();
}

// The header takes as many lines as it holds, over the rows' viewport.
void DataTableView::placeHeader() {
    header_->setFont(font());
    const double column = ColumnWidth(font());
    setTabStopDistance(column);
    header_->setTabStopDistance(column);
    const double margin = header_->document()->documentMargin();
    const QString text = header_->toPlainText();
    const double wrapWidth = viewport()->width() - 2 * margin;
    const int height =
        text.isEmpty()
            ? 0
            : static_cast<int>(std::ceil(HeaderHeight(text, font(), wrapWidth) + 2 * margin));
    setViewportMargins(0, height, 0, 0);
    const QRect view = viewport()->geometry();
    header_->setGeometry(view.left(), view.top() - height, view.width(), height);
    header_->setVisible(height > 0);
}

} // namespace tarvon
