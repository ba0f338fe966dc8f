// tarvon_soak [ACTIONS] [SEED]: drives Tarvon's window offscreen with ACTIONS
// random user actions (default 10 000) drawn from SEED (default: a fresh one)
// and checks after each that no handler or tick was abandoned and that the
// tick invariants and species balance hold.
#include "soak/soak_driver.h"

#include <QApplication>
#include <QTemporaryDir>

#include <QtGlobal>

#include <cstdio>
#include <random>
#include <string>

namespace {

bool ParseNumber(const char* text, unsigned long long& value) {
    try {
        std::size_t used = 0;
        value = std::stoull(text, &used);
        return used == std::char_traits<char>::length(text) && text[0] != '-';
    } catch (const std::exception&) {
        return false;
    }
}

// The offscreen platform says what it cannot do at every window raise; the
// soak's own lines stay readable without that.
void QuietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith("This plugin does not support"))
        return;
    qt_message_output(type, context, message);
}

} // namespace

int main(int argc, char** argv) {
    unsigned long long actions = 10000;
    unsigned long long seed = std::random_device{}();
    if (argc > 3 || (argc > 1 && !ParseNumber(argv[1], actions)) ||
        (argc > 2 && !ParseNumber(argv[2], seed))) {
        std::fprintf(stderr, "usage: tarvon_soak [ACTIONS] [SEED]\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietOffscreen);
    QApplication app(argc, argv);
    QTemporaryDir documents;
    tarvon::soak::SoakDriver soak(seed, SOAK_DATA_FOLDER, documents.path().toStdString());
    for (unsigned long long n = 0; n < actions; ++n) {
        if (soak.step())
            continue;
        std::printf("soak: failed at action %llu of %llu, seed %llu: %s\n", n + 1, actions, seed,
                    soak.failure().c_str());
        std::printf("soak: the last %zu actions:\n", soak.lastActions().size());
        for (const std::string& a : soak.lastActions())
            std::printf("  %s\n", a.c_str());
        return 1;
    }
    std::string perReaction;
    for (const auto& [key, n] : soak.actionsPerReaction())
        perReaction += " " + key + " " + std::to_string(n);
    std::printf("soak: %ld menu commands, %ld ticks, %ld chronometer ticks; actions per "
                "reaction:%s\n",
                soak.commands(), soak.ticks(), soak.chronometerTicks(), perReaction.c_str());
    std::printf("soak: %llu actions, seed %llu, ok\n", actions, seed);
    return 0;
}
