#include "mainwindow/window_notice.h"

#include <QLabel>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace tarvon {
namespace {

using namespace std::chrono_literals;

QString Shown(const QLabel* label) {
    return label->text().remove(QChar(0x200B));
}

TEST(WindowNotice, ShownInsideTheWindowOverTheBoxThenHidden) {
    QWidget window;
    window.resize(800, 579);
    auto* box = new QWidget(&window);
    box->setGeometry(0, 0, 800, 579);
    window.show();
    WindowNotice notice(&window, 200ms);
    QLabel* label = notice.label();

    const std::string path = "Desat a: /home/alumne/Documents/DadesCineHI (2).xlsx";
    notice.show(path);
    EXPECT_TRUE(label->isVisible());
    EXPECT_EQ(Shown(label).toStdString(), path);
    EXPECT_TRUE(window.rect().contains(label->geometry()));
    EXPECT_LT(label->height(), 2 * label->fontMetrics().height() + 20) << "one line";
    EXPECT_EQ(window.childAt(label->geometry().center()), box) << "clicks reach the box";

    // A path wider than the window wraps at its separators, whole and inside.
    const std::string longPath = "Desat a: /" + std::string(30, 'x') +
                                 "/carpeta-amb-un-nom-llarg/" + std::string(40, 'y') + "/" +
                                 std::string(40, 'z') + "/Dades Tarvon.txt";
    notice.show(longPath);
    EXPECT_EQ(Shown(label).toStdString(), longPath);
    EXPECT_TRUE(window.rect().contains(label->geometry()));
    EXPECT_GE(label->height(), 2 * label->fontMetrics().height());

    EXPECT_TRUE(QTest::qWaitFor([&] { return !label->isVisible(); }, 5000));
}

} // namespace
} // namespace tarvon
