#include "soak/soak_services.h"

namespace tarvon::soak {

void SoakMessages::show(const std::string& text, const std::string& detail) {
    ++shown;
    last = text + " (" + detail + ")";
}

} // namespace tarvon::soak
