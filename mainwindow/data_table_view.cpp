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

} // namespace

DataTableView::DataTableView(QWidget* parent)
    : QPlainTextEdit(parent), header_(new QPlainTextEdit(this)) {
    header_->setObjectName("txtDadesCapcalera");
    header_->setReadOnly(true);
    header_->setFrameShape(QFrame::NoFrame);
    header_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    header_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    header_->setLineWrapMode(QPlainTextEdit::NoWrap);
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
    const int lines = header_->toPlainText().isEmpty() ? 0 : header_->blockCount();
    const double margin = header_->document()->documentMargin();
    const int height =
        lines == 0
            ? 0
            : static_cast<int>(std::ceil(lines * QFontMetricsF(font()).lineSpacing() + 2 * margin));
    setViewportMargins(0, height, 0, 0);
    const QRect view = viewport()->geometry();
    header_->setGeometry(view.left(), view.top() - height, view.width(), height);
    header_->setVisible(height > 0);
}

} // namespace tarvon
