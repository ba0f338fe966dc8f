#pragma once

#include <QColor>
#include <QWidget>

namespace tarvon {

// A circle shape outside the box, such as a legend circle: fill, border and
// border width, painted to fill the widget.
class CircleWidget : public QWidget {
    Q_OBJECT
public:
    explicit CircleWidget(QWidget* parent = nullptr);
    void setColours(const QColor& fill, const QColor& border, int borderWidth);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor fill_, border_;
    int borderWidth_ = 1;
};

} // namespace tarvon
