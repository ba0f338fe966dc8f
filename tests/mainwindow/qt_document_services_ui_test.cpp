#include "mainwindow/qt_document_services.h"

#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace tarvon {
namespace {

namespace fs = std::filesystem;

// Openers made of `sh -c SCRIPT sh FILE`: the file is "$1" in the script.
QStringList Shell(const char* script) {
    return {"sh", "-c", script, "sh"};
}

struct Opener : ::testing::Test {
    QTemporaryDir folder;
    fs::path file = folder.filePath("G_Tarvon.pdf").toStdString();
    std::vector<std::string> failed, reasons;
    Opener() { std::ofstream(file) << "%PDF"; }

    DocumentOpener::Failed record(const std::string& what) {
        return [this, what](const std::string& reason) {
            failed.push_back(what);
            reasons.push_back(reason);
        };
    }
    bool waitFor(const fs::path& marker) {
        return QTest::qWaitFor([&] { return fs::exists(marker); }, 10000);
    }
};

TEST_F(Opener, FailureIsToldWhenTheOpenerEndsBadlyOrCannotStart) {
    DesktopOpener noApplication(Shell("exit 3"));
    noApplication.open(file, record("exit 3"));
    EXPECT_TRUE(failed.empty()) << "told before the opener has ended";
    ASSERT_TRUE(QTest::qWaitFor([&] { return !failed.empty(); }, 10000));

    DesktopOpener missing({folder.filePath("no-such-opener")});
    missing.open(file, record("missing"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return failed.size() == 2; }, 10000));

    // A working opener gets the absolute path, and no failure follows it.
    DesktopOpener works(Shell(R"(printf %s "$1" > "$1.opened")"));
    works.open(fs::relative(file), record("works"));
    ASSERT_TRUE(waitFor(file.string() + ".opened"));
    std::ifstream in(file.string() + ".opened");
    const fs::path opened = std::string(std::istreambuf_iterator<char>(in), {});
    EXPECT_TRUE(opened.is_absolute() && fs::equivalent(opened, file)) << opened;
    noApplication.open(file, record("exit 3 again"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return failed.size() == 3; }, 10000));
    EXPECT_EQ(failed, (std::vector<std::string>{"exit 3", "missing", "exit 3 again"}));
    // The reason names the opener and its exit status, or why it did not start.
    EXPECT_TRUE(reasons[0].starts_with("sh ") && reasons[0].ends_with(" 3")) << reasons[0];
    EXPECT_NE(reasons[1].find("no-such-opener"), std::string::npos) << reasons[1];
}

TEST_F(Opener, ARunningOpenerOutlivesTheWindowsOpener) {
    auto opener = std::make_unique<DesktopOpener>(
        Shell(R"(while [ ! -e "$1.go" ]; do sleep 0.05; done; touch "$1.done"; exit 3)"));
    opener->open(file, record("after the window"));
    opener.reset(); // the window closes while a viewer is still showing
    std::ofstream(file.string() + ".go");
    EXPECT_TRUE(waitFor(file.string() + ".done")) << "the opener was killed";
    QTest::qWait(100);
    EXPECT_TRUE(failed.empty()) << "told by an opener that is gone";
}

// What the message box showed: its text and its detail text, read while open.
std::pair<QString, QString> Shown(const std::function<void()>& show) {
    std::pair<QString, QString> seen;
    QTimer::singleShot(0, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                seen = {box->text(), box->detailedText()};
                box->accept();
            }
    });
    show();
    return seen;
}

TEST(TarvonMessageBox, TheDetailGoesToTheDetailTextOnlyWhenThereIsOne) {
    QWidget owner;
    TarvonMessageBox messages(&owner);
    EXPECT_EQ(Shown([&] { messages.show("El procés requerit ha fallat", "where: why"); }),
              std::make_pair(QString("El procés requerit ha fallat"), QString("where: why")));
    EXPECT_EQ(Shown([&] { messages.show("text"); }), std::make_pair(QString("text"), QString()));
}

} // namespace
} // namespace tarvon
