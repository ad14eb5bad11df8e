#pragma once
// Drives test windows as a user would: opens and activates them, finds the
// pop-up menu that a click opened and clicks its entries, reads the log
// panel's text, and runs the peer process that restarts the program on the
// same store.

#include "qt/TestWindow.h"

#include <QMenu>
#include <QString>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace gen::qt {
class GPanelLogView;
}

namespace test {

// Built, set up (node from the settings), shown and active.
std::unique_ptr<TestWindow> open_window();

// Runs the event loop briefly so queued work (log lines, listeners) lands.
void settle();

// The pop-up menu that is open now, waiting for it a moment; null if none.
QMenu* current_popup();
// Clicks the entry with that text in `menu`; false when there is none.
bool click_menu_entry(QMenu* menu, QString const& text);
// Clicks the window's "Options" tool button and returns the menu it opened.
QMenu* open_options_menu(TestWindow& win);
// Opens the options menu and chooses `entry`, or `entry` of the sub-menu
// `sub` when `sub` is not empty.
bool choose_option(TestWindow& win, QString const& entry, QString const& sub = QString());

// Every line of the log panel.
QStringList log_lines(gen::qt::GPanelLogView* view);

// What the peer process reports for each of `count` windows opened on the
// store in `folder`; empty with `error` set when it failed.
using PeerWindow = std::map<std::string, std::string>;
std::vector<PeerWindow> run_window_peer(QString const& folder, int count, std::string& error);

}  // namespace test
