// tarvon-sim: a reaction run without the window, its data table on standard
// output.
#include "qtcommon/qt_language.h"
#include "qtcommon/translations.h"
#include "tools/output_file.h"
#include "tools/sim_analysis.h"
#include "tools/sim_options.h"
#include "tools/sim_png.h"
#include "tools/sim_run.h"
#include "window/column_analysis.h"

#include <QApplication>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using tarvon::OneLineText;
using tarvon::SimOptions;

// Exit statuses: refused before the run (an argument, the --png file), and
// failed after it (the table could not be written).
constexpr int kRefused = 2;
constexpr int kFailed = 1;

char localeDecimalSeparator() {
    std::setlocale(LC_ALL, "");
    const char* point = std::localeconv()->decimal_point;
    const char separator = point != nullptr && point[0] != '\0' ? point[0] : '.';
    std::setlocale(LC_NUMERIC, "C"); // the bench line stays machine-readable
    return separator;
}

std::uint64_t clockSeed() {
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

void printError(const std::string& line) {
    std::fprintf(stderr, "tarvon-sim: %s\n", line.c_str());
}

int fail(int status, const std::string& line) {
    printError(line);
    return status;
}

// The table or the usage on standard output; a full disk or a closed file
// there is an error, not a lost table.
bool writeOut(const std::string& text, std::string& error) {
    if (std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0)
        return true;
    error = std::strerror(errno);
    return false;
}

// Standard error carries the runner's own lines; Qt's notes about the
// session (no runtime folder, and so on) are not for this reader.
void onlyQtErrors(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        printError(OneLineText(message.toStdString()));
}

// Qt sees none of the runner's arguments.
int qtArgc = 1;
char qtName[] = "tarvon-sim";
char* qtArgv[] = {qtName, nullptr};

// Painting needs no display: always the offscreen platform, whatever the
// session asks for.
std::unique_ptr<QCoreApplication> offscreenApplication() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(onlyQtErrors);
    return std::make_unique<QApplication>(qtArgc, qtArgv);
}

// The catalogues need an application, not a display.
std::unique_ptr<QCoreApplication> textApplication() {
    qInstallMessageHandler(onlyQtErrors);
    return std::make_unique<QCoreApplication>(qtArgc, qtArgv);
}

// An interrupted run leaves no empty picture file behind: while the guard
// lives, a file that open() created and nothing has written yet goes with the
// signal that stops the run.
std::atomic<const char*> fileToRemove{nullptr};

extern "C" void removeAndStop(int signal) {
    if (const char* path = fileToRemove.load())
        ::unlink(path);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

class RemovedOnSignal {
public:
    explicit RemovedOnSignal(const tarvon::OutputFile& file) : file_(file) {
        update();
        for (const int signal : {SIGINT, SIGTERM, SIGHUP})
            std::signal(signal, removeAndStop);
    }
    ~RemovedOnSignal() { fileToRemove = nullptr; }
    RemovedOnSignal(const RemovedOnSignal&) = delete;
    RemovedOnSignal& operator=(const RemovedOnSignal&) = delete;
    // After a write the file is either the picture or gone.
    void update() { fileToRemove = file_.pathToRemove(); }

private:
    const tarvon::OutputFile& file_;
};

std::string pngError(const std::string& path, const std::string& error) {
    return "--png: cannot write '" + OneLineText(path) + "': " + error;
}

int run(const SimOptions& o) {
    std::unique_ptr<QCoreApplication> app;
    tarvon::OutputFile png;
    std::string error;
    if (!o.png.empty()) {
        app = offscreenApplication(); // before the file: a failure here leaves none
        if (!png.open(o.png, error))
            return fail(kRefused, pngError(o.png, error));
    }
    // Catalan is the source: without another language no catalogue is read
    // and the table is the one scripts have always read.
    const bool translated = o.lang != tarvon::Idioma::Catala;
    if (translated && !app)
        app = textApplication();
    std::unique_ptr<tarvon::Translations> words;
    if (translated)
        words = std::make_unique<tarvon::Translations>(o.lang);
    RemovedOnSignal guard(png);
    tarvon::SimRun sim(o, o.seed.value_or(clockSeed()), localeDecimalSeparator());
    sim.run();
    // The picture first: when it cannot be written, no table is printed.
    if (!o.png.empty()) {
        std::string bytes;
        const bool written =
            tarvon::EncodeCajaPng(sim.state(), bytes, error) && png.write(bytes, error);
        guard.update();
        if (!written)
            return fail(kRefused, pngError(o.png, error));
    }
    std::string out = sim.table(translated ? tarvon::Traduit() : tarvon::Catala());
    if (!o.analyse.empty()) {
        const auto column = tarvon::SpeciesColumn(sim.data().Taula, o.analyse);
        const auto text =
            tarvon::AnalysisText(sim.data().Taula, column.value_or(0), sim.decimalSeparator());
        if (!text)
            return fail(kFailed, "--analyse: too few rows with " + o.analyse +
                                     " present to fit the lines; give a longer --duration");
        out = *text;
    }
    if (!writeOut(out, error))
        return fail(kFailed, "standard output: " + error);
    // The table keeps Tarvon's row limit; a script must not take its end for the run's.
    if (sim.data().NombreRegistres >= tarvon::kMaxRegistres)
        std::fprintf(stderr, "tarvon-sim: the table stops at its limit of %d rows, at %g s\n",
                     tarvon::kMaxRegistres, tarvon::kMaxRegistres * o.interval);
    if (o.bench) {
        const auto& t = sim.times();
        std::fprintf(stderr, "ticks: %ld  mean tick: %.4f ms  max tick: %.4f ms\n", t.ticks,
                     t.meanMs(), t.maxMs);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const auto parsed = tarvon::ParseSimOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.ok())
        return fail(kRefused, parsed.error);
    std::string error;
    if (parsed.options.help)
        return writeOut(tarvon::SimUsage(), error) ? 0 : fail(kFailed, "standard output: " + error);
    try {
        return run(parsed.options);
    } catch (const std::exception& e) {
        return fail(kFailed, OneLineText(e.what()));
    }
}
