#include "launcher/qt_process_starter.h"

#include <QProcess>

namespace tarvon {

std::optional<std::string> QtProcessStarter::start(const std::string& program,
                                                   const std::string& workingDir) {
    QProcess process;
    process.setProgram(QString::fromStdString(program));
    process.setWorkingDirectory(QString::fromStdString(workingDir));
    if (process.startDetached())
        return std::nullopt;
    return process.errorString().toStdString();
}

} // namespace tarvon
