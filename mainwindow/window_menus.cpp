#include "mainwindow/window_menus.h"

#include "qtcommon/qt_language.h"
#include "window/menu_tree.h"

#include <QMenu>
#include <QMenuBar>

#include <stdexcept>

namespace tarvon {

namespace {

bool hasItems(const std::string& name) {
    for (const MenuItemDef& d : MenuTree())
        if (d.parent == name)
            return true;
    return false;
}

} // namespace

WindowMenus::WindowMenus(QMenuBar* bar, std::function<void(const std::string&)> command) {
    std::map<std::string, QMenu*> menus;
    for (const MenuItemDef& d : MenuTree()) {
        const QString caption = Tx(d.text);
        QAction* a = nullptr;
        if (hasItems(d.name)) {
            QMenu* menu =
                d.parent.empty() ? bar->addMenu(caption) : menus.at(d.parent)->addMenu(caption);
            menu->setObjectName(QString::fromStdString(d.name));
            menus[d.name] = menu;
            a = menu->menuAction();
        } else {
            a = d.parent.empty() ? bar->addAction(caption) : menus.at(d.parent)->addAction(caption);
            QObject::connect(a, &QAction::triggered, bar,
                             [command, name = d.name] { command(name); });
        }
        a->setObjectName(QString::fromStdString(d.name));
        if (!d.shortcut.empty())
            a->setShortcut(QKeySequence(QString::fromStdString(d.shortcut)));
        actions_[d.name] = a;
    }
}

QAction* WindowMenus::action(const std::string& name) const {
    const auto found = actions_.find(name);
    if (found == actions_.end())
        throw std::out_of_range("no menu action " + name);
    return found->second;
}

void WindowMenus::apply(const MenuStates& states) {
    for (const auto& [name, a] : actions_) {
        a->setEnabled(states.enabled(name));
        const bool checked = states.checked(name);
        a->setCheckable(checked);
        a->setChecked(checked);
    }
}

} // namespace tarvon
