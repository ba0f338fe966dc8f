#include "window/chronometer.h"

#include <cmath>

namespace tarvon {

namespace {

std::string shown(float value) {
    return std::to_string(static_cast<long>(value));
}

void zeroLabels(Chronometer& c) {
    for (std::string* label : {&c.lblMinuts, &c.lblSegons, &c.lblCent})
        label->assign(1, '0');
}

} // namespace

std::optional<float> IniciCrono(Chronometer& c, double now) {
    if (c.CronoEnabled) {
        c.CronoEnabled = false;
        const auto elapsed = static_cast<float>(c.CronoAra - c.CronoInici);
        return std::nearbyint(elapsed * 10.0f) / 10.0f; // halves to even
    }
    c.CronoLlindar = 0;
    c.CronoSegons = 0;
    c.CronoMinuts = 0;
    c.CronoInici = now;
    zeroLabels(c);
    c.CronoEnabled = true;
    c.CronoCent = 1;
    return std::nullopt;
}

void CronoTick(Chronometer& c, double now) {
    c.CronoAra = now;
    auto e = static_cast<float>(c.CronoAra - c.CronoInici);
    bool wrapped = false;
    if (e >= c.CronoLlindar) {
        const float old = c.CronoCent;
        c.CronoLlindar += 0.1f;
        c.CronoCent = std::trunc(e * 100 - std::trunc(e) * 100);
        c.lblCent = shown(c.CronoCent);
        wrapped = c.CronoCent < old;
    }
    if (c.CronoSegons == 59) {
        c.CronoMinuts = std::trunc(e / 60);
        if (c.CronoMinuts == 60) {
            c.CronoLlindar = c.CronoSegons = c.CronoMinuts = 0;
            c.CronoInici = c.CronoAra = now;
            // The seconds below count from the new start, not up to 3600.
            e = 0;
        }
        c.lblMinuts = shown(c.CronoMinuts);
    }
    if (wrapped) {
        c.CronoSegons = std::trunc(e) - c.CronoMinuts * 60;
        c.lblSegons = shown(c.CronoSegons);
    }
}

void TancarCrono(Chronometer& c) {
    c.CronoEnabled = false;
    zeroLabels(c);
    c.CronoAra = 0;
    c.CronoInici = 0;
}

} // namespace tarvon
