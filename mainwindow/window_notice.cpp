#include "mainwindow/window_notice.h"

#include "qtcommon/widget_colours.h"

#include <QLabel>

#include <algorithm>

namespace tarvon {

namespace {

constexpr int kMargin = 8; // pixels from the window's edges

// A path has few blanks: a break after each separator lets a long one wrap
// instead of running off the window.
QString Breakable(const QString& text) {
    QString out = text;
    return out.replace('/', QStringLiteral("/\u200B"));
}

} // namespace

WindowNotice::WindowNotice(QWidget* parent, std::chrono::milliseconds shownFor)
    : label_(new QLabel(parent)) {
    label_->setObjectName("Avis");
    label_->setWordWrap(true);
    label_->setFrameShape(QFrame::Box);
    label_->setMargin(6);
    label_->setAttribute(Qt::WA_TransparentForMouseEvents);
    setLabelColours(label_, QColor(255, 255, 225), Qt::black);
    label_->hide();
    hide_.setSingleShot(true);
    hide_.setInterval(shownFor);
    QObject::connect(&hide_, &QTimer::timeout, label_, &QWidget::hide);
}

void WindowNotice::show(const std::string& text) {
    QWidget* parent = label_->parentWidget();
    label_->setText(Breakable(QString::fromStdString(text)));
    const int room = std::max(1, parent->width() - 2 * kMargin);
    label_->setWordWrap(false); // one line where it fits
    const int width = std::min(label_->sizeHint().width(), room);
    label_->setWordWrap(true);
    const int height = label_->heightForWidth(width);
    label_->setGeometry((parent->width() - width) / 2, parent->height() - height - kMargin, width,
                        height);
    label_->raise();
    label_->show();
    hide_.start();
}

} // namespace tarvon
