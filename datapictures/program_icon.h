#pragma once

#include <QGuiApplication>

namespace tarvon {

enum class DesktopEntry { Launcher, Tarvon };

// Gives every window of the program the icon of its menu entry, painted at the sizes a
// desktop asks for, and names that entry, so the desktop matches the windows to it.
void UseProgramIcon(QGuiApplication& app, DesktopEntry entry);

} // namespace tarvon
