#pragma once

#include "datapictures/data_pictures.h"
#include "layout/layout_extent.h"
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
    // layout: the window's, at screen factor f.
    WindowSync(TarvonControls& controls, DataPictures pictures, const WindowLayout& layout, float f)
        : c_(controls), pictures_(std::move(pictures)), layout_(layout), factor_(f),
          layoutBottom_(static_cast<float>(TarvonLayoutExtent(f).height)),
          minLabelWidth_(layout.at("lblDS1").Width), propietats_(layout.at("lblPropietats")) {}

    void apply(const TarvonModel& m);
    // The right-hand panel for the client area's height and the projector
    // mode: counters, description and the data table's font.
    void panel(const TarvonModel& m);
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
    void description(const ControlGeometry& g, double least);
    void dataTableFont(const TarvonModel& m, double most);
    // shown: what the label shows, the file with its factor and ratio.
    void setPicture(QLabel* label, std::string& shown, const std::string& file, double factor);

    TarvonControls& c_;
    DataPictures pictures_;
    const WindowLayout& layout_;
    float factor_;
    float layoutBottom_; // twips
    float minLabelWidth_;
    ControlGeometry propietats_;
    std::optional<std::uint64_t> taulaShown_; // the table revision on show
    ControlGeometry propietatsShown_{};
    std::array<ControlGeometry, 5> countersShown_{};
    double tableMost_ = 0; // the data table's font is grown up to this
    std::array<std::string, 2> picRIShown_;
    std::array<std::string, 10> picIoShown_;
};

} // namespace tarvon
