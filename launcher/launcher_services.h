#pragma once

namespace tarvon {

class CalibrationStore;
class MessageBox;
class ProcessStarter;

// The platform services the launcher window reaches through interfaces.
struct LauncherServices {
    CalibrationStore& store;
    MessageBox& messages; // failures
    ProcessStarter& starter;
    MessageBox& notices; // what the user should know, not a failure
};

} // namespace tarvon
