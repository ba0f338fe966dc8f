#include "window/run_settings.h"

#include "window/text_args.h"

#include <cmath>
#include <cstdio>

namespace tarvon {

std::string DiameterText(float factor, char decimalSeparator) {
    const long hundredths = std::lround(static_cast<double>(factor) * 100);
    std::string text = std::to_string(hundredths / 100);
    if (const long decimals = hundredths % 100; decimals != 0) {
        text += decimalSeparator;
        text += static_cast<char>('0' + decimals / 10);
        if (decimals % 10 != 0)
            text += static_cast<char>('0' + decimals % 10);
    }
    return text + ":1";
}

std::string RunLabel(const RunSettings& r, const Language& lang) {
    const TextKey label = r.VolumConstant
                              ? TX("window", "%1 partícules, %2, velocitat %3, volum constant")
                              : TX("window", "%1 partícules, %2, velocitat %3");
    return WithArgs(lang(label), {std::to_string(r.particles), DiameterText(r.diameter),
                                  std::to_string(r.speed)});
}

std::string StartedText(std::time_t started) {
    if (started == 0)
        return {};
    std::tm local{};
    if (localtime_r(&started, &local) == nullptr)
        return {};
    char text[64];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d %02d:%02d", local.tm_mday, local.tm_mon + 1,
                  local.tm_year + 1900, local.tm_hour, local.tm_min);
    return text;
}

} // namespace tarvon
