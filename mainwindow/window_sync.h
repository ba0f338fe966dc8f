#pragma once

#include "mainwindow/data_pictures.h"
#include "mainwindow/window_controls.h"
#include "window/tarvon_model.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace tarvon {

// Mirrors the model's display on the controls. Pictures are loaded again only
// when their file changes.
class WindowSync {
public:
    // propietats: where the layout puts lblPropietats.
    WindowSync(TarvonControls& controls, DataPictures pictures, float minLabelWidthTwips,
               ControlGeometry propietats)
        : c_(controls), pictures_(std::move(pictures)), minLabelWidth_(minLabelWidthTwips),
          propietats_(propietats) {}

    void apply(const TarvonModel& m);
    // What a tick changes: the counter boxes, the data table, the chronometer.
    void tick(const TarvonModel& m);
    void chronometer(const TarvonModel& m);

private:
    void counters(const TarvonModel& m);
    void dataTable(const TarvonModel& m);
    void texts(const TarvonModel& m);
    void equationPictures(const TarvonModel& m);
    void box(const TarvonModel& m);
    void legend(const TarvonModel& m);
    // shown: what the label shows, the file with its factor and ratio.
    void setPicture(QLabel* label, std::string& shown, const std::string& file, double factor);

    TarvonControls& c_;
    DataPictures pictures_;
    float minLabelWidth_;
    ControlGeometry propietats_;
    std::optional<std::uint64_t> taulaShown_; // the table revision on show
    ControlGeometry propietatsShown_{};
    std::array<std::string, 2> picRIShown_;
    std::array<std::string, 10> picIoShown_;
};

} // namespace tarvon
