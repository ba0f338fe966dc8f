#pragma once

namespace tarvon {

// A text the user reads: its Catalan source, which is also its key in the
// catalogues, and the context it is translated in (the module's name).
struct TextKey {
    const char* context;
    const char* source;
};

} // namespace tarvon

// lupdate reads TX as QT_TRANSLATE_NOOP (scripts/update-translations), so every
// text marked with it lands in its module's catalogue.
#define TX(context, source)                                                                        \
    ::tarvon::TextKey {                                                                            \
        context, source                                                                            \
    }
