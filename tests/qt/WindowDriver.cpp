#include "qt/WindowDriver.h"

#include <gen/qt/GButton.h>
#include <gen/qt/GPanelLogView.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTest>

namespace test {

std::unique_ptr<TestWindow> open_window()
{
    auto win = std::make_unique<TestWindow>();
    win->setup();
    win->show();
    win->activateWindow();
    QApplication::setActiveWindow(win.get());
    (void)QTest::qWaitForWindowActive(win.get(), 2000);
    return win;
}

void settle()
{
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
    }
}

QMenu* current_popup()
{
    for (int i = 0; i < 50; ++i) {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            return menu;
        }
        QTest::qWait(20);
    }
    return nullptr;
}

bool click_menu_entry(QMenu* menu, QString const& text)
{
    if (menu == nullptr) {
        return false;
    }
    for (QAction* action : menu->actions()) {
        if (action->text() == text) {
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
            return true;
        }
    }
    return false;
}

QMenu* open_options_menu(TestWindow& win)
{
    gen::qt::GButton* options = win.button_with_tip(QStringLiteral("Options"));
    if (options == nullptr) {
        return nullptr;
    }
    QTest::mouseClick(options, Qt::LeftButton);
    return current_popup();
}

bool choose_option(TestWindow& win, QString const& entry, QString const& sub)
{
    QMenu* menu = open_options_menu(win);
    if (menu == nullptr) {
        return false;
    }
    if (!sub.isEmpty()) {
        // Clicking a sub-menu entry opens the sub-menu as the active pop-up.
        if (!click_menu_entry(menu, sub)) {
            return false;
        }
        QMenu* child = nullptr;
        for (int i = 0; i < 50 && child == nullptr; ++i) {
            QMenu* open = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (open != nullptr && open != menu) {
                child = open;
            } else {
                QTest::qWait(20);
            }
        }
        menu = child;
    }
    bool const clicked = click_menu_entry(menu, entry);
    settle();
    return clicked;
}

QStringList log_lines(gen::qt::GPanelLogView* view)
{
    settle();
    auto* edit = view != nullptr ? view->findChild<QPlainTextEdit*>() : nullptr;
    if (edit == nullptr) {
        return {};
    }
    return edit->toPlainText().split(QChar('\n'), Qt::SkipEmptyParts);
}

std::vector<PeerWindow> run_window_peer(QString const& folder, int count, std::string& error)
{
    QProcess peer;
    peer.start(QStringLiteral(SKYVALE_WINDOW_PEER), {QStringLiteral("report"), folder, QString::number(count)});
    if (!peer.waitForFinished(60000)) {
        error = "peer did not finish: " + peer.errorString().toStdString();
        return {};
    }
    QString const out = QString::fromLocal8Bit(peer.readAllStandardOutput());
    if (peer.exitStatus() != QProcess::NormalExit || peer.exitCode() != 0) {
        error = "peer exit " + std::to_string(peer.exitCode()) + ": " + out.toStdString() +
                peer.readAllStandardError().toStdString();
        return {};
    }
    std::vector<PeerWindow> windows;
    for (QString const& line : out.split(QChar('\n'))) {
        if (!line.startsWith(QChar('@'))) {
            continue;
        }
        qsizetype const eq = line.indexOf(QChar('='));
        std::string const key = line.mid(1, eq - 1).toStdString();
        if (key == "name") {
            windows.emplace_back();
        }
        if (!windows.empty()) {
            windows.back()[key] = line.mid(eq + 1).toStdString();
        }
    }
    if (static_cast<int>(windows.size()) != count) {
        error = "peer reported " + std::to_string(windows.size()) + " windows: " + out.toStdString();
    }
    return windows;
}

}  // namespace test
