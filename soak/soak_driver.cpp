#include "soak/soak_driver.h"

#include "engine/conservation.h"
#include "engine/tick_invariants.h"
#include "mainwindow/window_controls.h"
#include "qtcommon/caja_view.h"
#include "reactions/reaction_description.h"
#include "window/menu_tree.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <algorithm>
#include <set>
#include <system_error>

namespace tarvon::soak {

namespace {

constexpr std::size_t kRemembered = 20;
constexpr double kCronoSeconds = 0.1; // the chronometer's timer

// Items with no items under them: the ones that run a command. "Sortir" ends
// the program, so the soak leaves it out.
std::vector<std::string> CommandItems() {
    std::set<std::string> parents;
    for (const MenuItemDef& item : MenuTree())
        parents.insert(item.parent);
    std::vector<std::string> items;
    for (const MenuItemDef& item : MenuTree())
        if (!parents.count(item.name) && item.name != "ArxiuSortir")
            items.push_back(item.name);
    return items;
}

// The screen classes and calibrated budgets a classroom may have.
TarvonStart StartFor(std::mt19937_64& pick, const std::filesystem::path& dataFolder,
                     const DocumentServices* documents) {
    static constexpr float kFactors[] = {1.0f, 1.125f, 0.78125f};
    const float factor = kFactors[pick() % 3];
    const int side = 9 + static_cast<int>(pick() % 12);
    TarvonStart start{{factor, factor != 1.0f}, side * side, DataPictures(dataFolder)};
    start.documents = documents;
    return start;
}

std::string CountsAndBalance(const SimulationState& s) {
    for (const int n : {s.NombreMol, s.NumA, s.NumB, s.NumCellesOxid})
        if (n < 0 || n > kListSize)
            return "a count lies outside its list";
    for (const int n : s.allSpecies())
        if (n < 0 || n > kListSize)
            return "a species counter lies outside its list";
    return SpeciesBalanceViolation(s);
}

struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* name;
};

constexpr Key kKeys[] = {
    {Qt::Key_A, Qt::ControlModifier, "Ctrl+A"}, {Qt::Key_D, Qt::ControlModifier, "Ctrl+D"},
    {Qt::Key_Return, Qt::NoModifier, "Return"}, {Qt::Key_Space, Qt::NoModifier, "Space"},
    {Qt::Key_Escape, Qt::NoModifier, "Escape"}, {Qt::Key_Up, Qt::NoModifier, "Up"},
    {Qt::Key_Down, Qt::NoModifier, "Down"},     {Qt::Key_PageUp, Qt::NoModifier, "PageUp"},
    {Qt::Key_Tab, Qt::NoModifier, "Tab"},       {Qt::Key_X, Qt::NoModifier, "x"},
};

} // namespace

SoakDriver::SoakDriver(std::uint64_t seed, const std::filesystem::path& dataFolder,
                       const std::filesystem::path& documentsFolder)
    : pick_(seed), state_(std::make_unique<SimulationState>()), rnd_(seed),
      rules_(clock_, rnd_), documents_{desktop_, desktop_,   messages_,      notice_,
                                       writers_, dataFolder, documentsFolder},
      menuItems_(CommandItems()), documentsFolder_(documentsFolder) {
    window_ = std::make_unique<TarvonWindow>(*state_, clock_, rnd_, rules_,
                                             StartFor(pick_, dataFolder, &documents_));
    window_->show();
    QApplication::setActiveWindow(window_.get());
}

SoakDriver::~SoakDriver() = default;

bool SoakDriver::step() {
    ++actions_;
    const ReactionDescription* chosen = state_->Reaccio;
    ++perReaction_[chosen != nullptr ? chosen->key : "-"];
    switch (pick_() % 16) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
        menuCommand();
        break;
    case 6:
    case 7:
        clickBox();
        break;
    case 8:
        clickButton();
        break;
    case 9:
        pressKey();
        break;
    case 10:
        changeSpeed();
        break;
    default:
        letTimePass();
    }
    if (failure_.empty())
        check("after the action", false);
    if (actions_ % 50 == 0)
        tidy();
    return failure_.empty();
}

void SoakDriver::menuCommand() {
    const TarvonModel& m = window_->model();
    std::vector<std::string> usable;
    for (const std::string& name : menuItems_)
        if (m.menus.usable(name))
            usable.push_back(name);
    // Now and then an item that cannot be clicked, as its shortcut would ask.
    const bool any = usable.empty() || pick_() % 20 == 0;
    const std::vector<std::string>& from = any ? menuItems_ : usable;
    const std::string name = from[pick_() % from.size()];
    note("menu " + name + (m.menus.usable(name) ? "" : " (not usable)"));
    QAction* action = window_->action(name);
    if (action == nullptr)
        return fail("the menu item " + name + " has no action");
    ++commands_;
    if (action->isEnabled())
        action->trigger(); // as a click on the item does
    else
        window_->command(name); // as its shortcut does
}

void SoakDriver::clickBox() {
    CajaView* caja = window_->controls().Caja;
    if (!caja->isVisible())
        return note("click in the box (hidden)");
    const QPoint at(static_cast<int>(pick_() % static_cast<unsigned>(std::max(1, caja->width()))),
                    static_cast<int>(pick_() % static_cast<unsigned>(std::max(1, caja->height()))));
    note("click in the box at " + std::to_string(at.x()) + "," + std::to_string(at.y()));
    QTest::mouseClick(caja, Qt::LeftButton, Qt::NoModifier, at);
}

void SoakDriver::clickButton() {
    const TarvonControls& c = window_->controls();
    const std::pair<QPushButton*, const char*> buttons[] = {
        {c.cmdContinuar, "Continuar"},
        {c.cmdIniciCrono, "cmdIniciCrono"},
        {c.cmdTancarCrono, "cmdTancarCrono"},
    };
    std::vector<std::pair<QPushButton*, const char*>> shown;
    for (const auto& b : buttons)
        if (b.first->isVisible() && b.first->isEnabled())
            shown.push_back(b);
    if (shown.empty())
        return note("click on a button (none shown)");
    const auto& [button, name] = shown[pick_() % shown.size()];
    note(std::string("click on ") + name);
    QTest::mouseClick(button, Qt::LeftButton);
}

void SoakDriver::pressKey() {
    const Key& k = kKeys[pick_() % std::size(kKeys)];
    QWidget* focus = QApplication::focusWidget();
    note(std::string("key ") + k.name);
    QTest::keyClick(focus != nullptr ? focus : window_.get(), k.key, k.modifiers);
}

void SoakDriver::changeSpeed() {
    QScrollBar* bar = window_->controls().VScrollVel;
    if (!bar->isVisible())
        return note("speed (bar hidden)");
    const int value =
        bar->minimum() +
        static_cast<int>(pick_() % static_cast<unsigned>(bar->maximum() - bar->minimum() + 1));
    note("speed " + std::to_string(value));
    bar->setValue(value);
}

void SoakDriver::letTimePass() {
    // Up to 20 ticks' worth, so that a fast setting costs no more than a slow one.
    const double interval = window_->tmrRellotge().interval() / 1000.0;
    const double seconds = window_->tmrRellotge().isActive()
                               ? interval * static_cast<double>(1 + pick_() % 20)
                               : 0.1 * static_cast<double>(1 + pick_() % 30);
    note("wait " + std::to_string(seconds) + " s");
    advanceTo(clock_.t + seconds);
}

void SoakDriver::advanceTo(double until) {
    while (failure_.empty() && fireNext(until)) {
    }
    if (failure_.empty())
        clock_.t = until;
}

// The timers are armed when seen running and fire once per interval after,
// as QTimer does; each firing may start or stop either of them.
bool SoakDriver::fireNext(double until) {
    QTimer& animation = window_->tmrRellotge();
    QTimer& chronometer = window_->Crono();
    for (auto [timer, v] : {std::pair{&animation, &tick_}, std::pair{&chronometer, &crono_}}) {
        if (!timer->isActive())
            v->armedAt.reset();
        else if (!v->armedAt)
            v->armedAt = clock_.t;
    }
    const double tickAt =
        tick_.armedAt ? *tick_.armedAt + animation.interval() / 1000.0 : until + 1;
    const double cronoAt = crono_.armedAt ? *crono_.armedAt + kCronoSeconds : until + 1;
    if (std::min(tickAt, cronoAt) > until)
        return false;
    if (tickAt <= cronoAt) {
        clock_.t = tickAt;
        tick_.armedAt = tickAt;
        ++ticks_;
        window_->tmrRellotge_Timer();
        check("after a tick", true);
    } else {
        clock_.t = cronoAt;
        crono_.armedAt = cronoAt;
        ++cronoTicks_;
        // The chronometer's slot is private: its timer's signal calls it.
        if (!QMetaObject::invokeMethod(&chronometer, "timeout", Qt::DirectConnection))
            fail("the chronometer's timer cannot be fired");
        check("after a chronometer tick", false);
    }
    return true;
}

// After a tick, everything a tick must leave true; after any other action,
// the counts and the species balance: a new population may stand nearer a wall
// than its wall step allows until its first tick.
void SoakDriver::check(const char* when, bool afterTick) {
    if (!failure_.empty())
        return;
    if (window_->abandoned() != abandoned_) {
        abandoned_ = window_->abandoned();
        return fail(std::string("abandoned ") + when + ": " + window_->lastError());
    }
    const std::string v = afterTick ? TickInvariantViolation(*state_) : CountsAndBalance(*state_);
    if (!v.empty())
        fail(std::string(when) + ": " + v);
}

void SoakDriver::note(const std::string& action) {
    const ReactionDescription* r = state_->Reaccio;
    lastActions_.push_back(std::to_string(actions_) + " [" + (r != nullptr ? r->key : "-") + "] " +
                           action);
    if (lastActions_.size() > kRemembered)
        lastActions_.pop_front();
}

void SoakDriver::fail(const std::string& what) {
    if (failure_.empty())
        failure_ = what;
}

// Paints once (the soak runs no event loop), deletes what was left for
// deletion, and empties the documents folder so names stay short to find.
void SoakDriver::tidy() {
    window_->grab();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(documentsFolder_, ignored))
        std::filesystem::remove_all(entry.path(), ignored);
}

} // namespace tarvon::soak
