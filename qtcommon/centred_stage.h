#pragma once

#include <QSize>
#include <QWidget>

namespace tarvon {

// Holds a window's controls. A layout fitted to the screen is centred in the
// client area; a class layout stays at its top left, filling it.
class CentredStage : public QWidget {
    Q_OBJECT
public:
    // layout: the layout's extent in logical pixels.
    CentredStage(QWidget* client, QSize layout, bool centred);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow();

    QSize layout_;
    bool centred_;
};

} // namespace tarvon
