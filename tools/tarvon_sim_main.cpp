// tarvon-sim: a reaction run without the window, its data table on standard
// output.
#include "tools/sim_options.h"
#include "tools/sim_png.h"
#include "tools/sim_run.h"

#include <QApplication>

#include <chrono>
#include <clocale>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using tarvon::SimOptions;

char localeDecimalSeparator() {
    std::setlocale(LC_ALL, "");
    const char* point = std::localeconv()->decimal_point;
    const char separator = point != nullptr && point[0] != '\0' ? point[0] : '.';
    std::setlocale(LC_NUMERIC, "C"); // the bench line stays machine-readable
    return separator;
}

// Checked before the run, so a bad path costs nothing and prints no table.
bool pngWritable(const std::string& path) {
    namespace fs = std::filesystem;
    const fs::path p(path);
    std::error_code ec;
    if (fs::is_directory(p, ec))
        return false;
    const fs::path dir = p.has_parent_path() ? p.parent_path() : fs::path(".");
    if (fs::exists(p, ec))
        return ::access(path.c_str(), W_OK) == 0;
    return fs::is_directory(dir, ec) && ::access(dir.c_str(), W_OK) == 0;
}

std::uint64_t clockSeed() {
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

int fail(const std::string& line) {
    std::cerr << "tarvon-sim: " << line << '\n';
    return 2;
}

// Standard error carries the runner's own lines; Qt's notes about the
// session (no runtime folder, and so on) are not for this reader.
void onlyQtErrors(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << "tarvon-sim: " << message.toStdString() << '\n';
}

int writePng(int argc, char** argv, tarvon::SimulationState& s, const std::string& path) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(onlyQtErrors);
    QApplication app(argc, argv);
    std::string error;
    if (tarvon::WriteCajaPng(s, path, error))
        return 0;
    std::cerr << "tarvon-sim: --png: cannot write '" << path << "': " << error << '\n';
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    const auto parsed = tarvon::ParseSimOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.ok())
        return fail(parsed.error);
    const SimOptions& o = parsed.options;
    if (o.help) {
        std::cout << tarvon::SimUsage();
        return 0;
    }
    if (!o.png.empty() && !pngWritable(o.png))
        return fail("--png: '" + o.png +
                    "' cannot be written; expected a file in a writable folder");

    tarvon::SimRun run(o, o.seed.value_or(clockSeed()), localeDecimalSeparator());
    run.run();
    std::cout << run.data().TaulaDades << std::flush;
    if (o.bench) {
        const auto& t = run.times();
        std::fprintf(stderr, "ticks: %ld  mean tick: %.4f ms  max tick: %.4f ms\n", t.ticks,
                     t.meanMs(), t.maxMs);
    }
    return o.png.empty() ? 0 : writePng(argc, argv, run.state(), o.png);
}
