#include "startup/screen_class.h"

namespace tarvon {

ScreenClass ClassifyScreen(double widthTwips) {
    ScreenClass c;
    if (widthTwips > 16000)
        c = {1.125f, true};
    if (widthTwips < 14000)
        c = {0.78125f, true};
    return c;
}

} // namespace tarvon
