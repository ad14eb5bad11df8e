#pragma once
// Drives test windows as a user would (clicks on buttons and menus), reads
// the log panel and restarts the program on the same store in a peer process.

#include "qt/TestWindow.h"
#include "support/LogCapture.h"
#include "support/TempStore.h"

#include <gen/log/pp.h>
#include <gen/qt/themes.h>

#include <gmock/gmock.h>

#include <QApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTest>

#include <algorithm>
#include <map>

namespace test {

// Every window test runs on a private store and records what was logged;
// windows a test holds are declared later, so they close before the store goes.
class WindowTest : public testing::Test {
protected:
    TempStore temp;
    LogCapture log;
};

inline QColor theme_colour(unsigned int theme) { return gen::qt::themes::get_palette(theme).color(QPalette::Window); }

// Built, set up (node from the settings), shown and active.
inline std::unique_ptr<TestWindow> open_window()
{
    auto win = std::make_unique<TestWindow>();
    win->setup();
    win->show();
    QApplication::setActiveWindow(win.get());
    (void)QTest::qWaitForWindowActive(win.get(), 2000);
    return win;
}

// The options button, then the log panel's clear, copy and debug-line buttons.
inline QList<gen::qt::GButton*> tool_buttons(TestWindow const& win)
{
    return win.findChild<QWidget*>("panOptionLog")->findChildren<gen::qt::GButton*>();
}

// Clicks the options button and returns the menu it opened, or null.
inline QMenu* open_options_menu(TestWindow& win)
{
    QTest::mouseClick(tool_buttons(win)[0], Qt::LeftButton);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

// Chooses `entry` in the options menu, or in its sub-menu `sub`: a click on
// the sub-menu's entry opens it, then the entry is clicked there.
inline bool choose_option(TestWindow& win, QString const& entry, QString const& sub = QString())
{
    QMenu* menu = open_options_menu(win);
    for (QString const& text : sub.isEmpty() ? QStringList{entry} : QStringList{sub, entry}) {
        QList<QAction*> const actions = menu != nullptr ? menu->actions() : QList<QAction*>();
        auto const found = std::ranges::find_if(actions, [&text](QAction* a) { return a->text() == text; });
        if (found == actions.end() || !QTest::qWaitFor([menu]() { return menu->isVisible(); }, 1000)) {
            return false;
        }
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(*found).center());
        menu = (*found)->menu();
    }
    return true;
}

inline QStringList log_lines(TestWindow const& win)
{
    QTest::qWait(10);  // lines reach the panel through the event loop
    return win.log_view()->findChild<QPlainTextEdit*>()->toPlainText().split(QChar('\n'), Qt::SkipEmptyParts);
}

// Starts a fresh peer process on the store in `folder` with one window per
// entry of `want` and checks the items each window restored, read from its
// "@key=value ..." line (the peer's log lines are skipped).
using PeerWindow = std::map<std::string, std::string>;
inline void expect_peer_restores(QString const& folder, std::vector<PeerWindow> const& want)
{
    QProcess peer;
    peer.start(QStringLiteral(SKYVALE_WINDOW_PEER), {folder, QString::number(want.size())});
    ASSERT_TRUE(peer.waitForFinished(60000)) << peer.errorString().toStdString();
    QString const out = QString::fromLocal8Bit(peer.readAllStandardOutput() + peer.readAllStandardError());
    ASSERT_EQ(peer.exitCode(), 0) << out.toStdString();
    std::vector<PeerWindow> got;
    for (QString const& line : out.split(QChar('\n'))) {
        if (line.startsWith(QChar('@')) && got.size() < want.size()) {
            PeerWindow& win = got.emplace_back();
            for (QString const& item : line.mid(1).split(QChar(' '))) {
                std::string const key = item.section(QChar('='), 0, 0).toStdString();
                if (want[got.size() - 1].count(key) != 0) {  // only what the test asks about
                    win[key] = item.section(QChar('='), 1).toStdString();
                }
            }
        }
    }
    EXPECT_EQ(got, want) << out.toStdString();
}

}  // namespace test
