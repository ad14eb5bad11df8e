#include "qt/WindowDriver.h"

#include <QProcess>

#include <algorithm>

namespace test {

bool choose_option(TestWindow& win, QString const& entry, QString const& sub)
{
    QMenu* menu = open_options_menu(win);
    // A click on the sub-menu's entry opens it; then the entry is clicked there.
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

void expect_peer_restores(QString const& folder, std::vector<PeerWindow> const& want)
{
    QProcess peer;
    peer.start(QStringLiteral(SKYVALE_WINDOW_PEER), {folder, QString::number(want.size())});
    ASSERT_TRUE(peer.waitForFinished(60000)) << peer.errorString().toStdString();
    QString const out = QString::fromLocal8Bit(peer.readAllStandardOutput() + peer.readAllStandardError());
    ASSERT_EQ(peer.exitCode(), 0) << out.toStdString();
    std::vector<PeerWindow> got;
    for (QString const& line : out.split(QChar('\n'))) {
        if (line.startsWith(QChar('@')) && got.size() < want.size()) {  // not one of the peer's log lines
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
