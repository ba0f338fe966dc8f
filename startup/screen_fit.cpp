#include "startup/screen_fit.h"

namespace tarvon {

namespace {

constexpr float kSmallestFactor = 0.25f;
constexpr float kLargestFactor = 8.0f;
constexpr float kStep = 1.0f / 256; // keeps the factor exact in binary
constexpr float kWorthFitting = 1.25f;

bool Fits(Extent area, const LayoutExtentAt& layoutAt, float f) {
    const Extent e = layoutAt(f);
    return e.width <= area.width && e.height <= area.height;
}

} // namespace

float LargestFittingFactor(Extent area, const LayoutExtentAt& layoutAt) {
    // Counted in steps: the layout grows with the factor, though not quite in
    // proportion (narrow screens have a base of their own), so bisect.
    int low = static_cast<int>(kSmallestFactor / kStep);
    int high = static_cast<int>(kLargestFactor / kStep);
    if (!Fits(area, layoutAt, static_cast<float>(low) * kStep))
        return kSmallestFactor;
    while (high - low > 1) {
        const int mid = (low + high) / 2;
        if (Fits(area, layoutAt, static_cast<float>(mid) * kStep))
            low = mid;
        else
            high = mid;
    }
    return static_cast<float>(low) * kStep;
}

ScreenClass FitScreen(Extent area, const LayoutExtentAt& layoutAt) {
    const ScreenClass byWidth = ClassifyScreen(area.width);
    const float f = LargestFittingFactor(area, layoutAt);
    const bool classFits = Fits(area, layoutAt, byWidth.FactorPantalla);
    if (classFits && f < kWorthFitting * byWidth.FactorPantalla)
        return byWidth;
    ScreenClass fitted;
    fitted.FactorPantalla = f;
    fitted.CanviPantalla = true;
    fitted.fitted = true;
    return fitted;
}

} // namespace tarvon
