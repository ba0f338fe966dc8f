#pragma once

#include "window/document_services.h"

#include <QTimer>

#include <chrono>

class QLabel;
class QWidget;

namespace tarvon {

// A notice over the bottom of the window, hidden again after a while. It takes
// no room from the fixed layout and lets clicks through to the box below.
class WindowNotice final : public Notice {
public:
    explicit WindowNotice(QWidget* parent,
                          std::chrono::milliseconds shownFor = std::chrono::seconds(6));
    void show(const std::string& text) override;

    QLabel* label() const { return label_; }

private:
    QLabel* label_; // owned by the parent
    QTimer hide_;
};

} // namespace tarvon
