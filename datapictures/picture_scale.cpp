#include "datapictures/picture_scale.h"

#include <vector>

namespace tarvon {

namespace {

// The factors of the three screen classes, narrow to wide.
constexpr double kNarrow = 0.78125, kReference = 1.0, kWide = 1.125;

bool endsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// The class factors at which the file is shown at its own size.
std::vector<double> madeFor(const std::string& name) {
    const std::string stem = name.substr(0, name.rfind('.'));
    if (endsWith(stem, "800"))
        return {kNarrow};
    if (endsWith(stem, "1152"))
        return {kWide};
    return {kNarrow, kReference, kWide};
}

} // namespace

double PictureScale(const std::string& name, double factor) {
    const std::vector<double> classes = madeFor(name);
    double from = classes.front();
    for (const double c : classes)
        if (c <= factor)
            from = c;
    return factor / from;
}

} // namespace tarvon
