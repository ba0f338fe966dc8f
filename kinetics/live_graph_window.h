#pragma once

#include "kinetics/graph_image.h"
#include "window/tarvon_model.h"

#include <QWidget>

#include <filesystem>
#include <optional>

class QLabel;
class QPushButton;

namespace tarvon {

class LiveGraphView;

// "Gràfica en directe": the counts of the table as they are taken, over the
// earlier runs of the reaction, beside the main window.
class LiveGraphWindow : public QWidget {
    Q_OBJECT
public:
    LiveGraphWindow(float FactorPantalla, std::filesystem::path documents);

    // Follows the model: called after every tick and command; repaints only
    // when rows or runs changed.
    void refresh(const TarvonModel& m);

    // "Desar imatge…": the graph into the documents folder under a free name.
    std::optional<std::filesystem::path> save(ImageFormat format);

    LiveGraphView* view() const { return view_; }
    QLabel* status() const { return status_; }
    QLabel* collisions() const { return collisions_; }
    QPushButton* saveButton() const { return save_; }

private:
    LiveGraphView* view_;
    QLabel* collisions_;
    QLabel* status_;
    QPushButton* save_;
    std::filesystem::path documents_;
    std::string reaction_;
};

} // namespace tarvon
