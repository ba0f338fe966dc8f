#pragma once

#include "mainwindow/data_pictures.h"
#include "mainwindow/tarvon_model.h"
#include "mainwindow/window_controls.h"

#include <array>
#include <string>

namespace tarvon {

// Mirrors the model's display on the controls. Pictures are loaded again only
// when their file changes.
class WindowSync {
public:
    WindowSync(TarvonControls& controls, DataPictures pictures, float minLabelWidthTwips)
        : c_(controls), pictures_(std::move(pictures)), minLabelWidth_(minLabelWidthTwips) {}

    void apply(const TarvonModel& m);
    // The counter boxes alone, for every tick.
    void counters(const TarvonModel& m);

private:
    void texts(const TarvonModel& m);
    void equationPictures(const TarvonModel& m);
    void box(const TarvonModel& m);
    void legend(const TarvonModel& m);
    void setPicture(QLabel* label, std::string& shown, const std::string& file);

    TarvonControls& c_;
    DataPictures pictures_;
    float minLabelWidth_;
    std::array<std::string, 2> picRIShown_;
    std::array<std::string, 10> picIoShown_;
};

} // namespace tarvon
