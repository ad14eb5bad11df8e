#include <gen/log/pp.h>
#include <gen/qt/GLogView.h>
#include <gen/qt/GPanelLogView.h>

#include "qt/Contrast.h"
#include "support/LogCapture.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QTextBlock>

#include <atomic>
#include <map>
#include <thread>

using gen::qt::GLogView;
using gen::qt::GPanelLogView;
using namespace gen::log;

namespace {

using Colours = std::pair<QColor, QColor>;  // text, background

Colours level_colours(unsigned int theme, int level)
{
    return {GLogView::text_color(theme, level), GLogView::background_color(theme, level)};
}

// A shown line's colours: its first character's and its block's background.
Colours line_colours(GLogView const& view, int line)
{
    QTextCursor cursor(view.document()->findBlockByNumber(line));
    cursor.movePosition(QTextCursor::NextCharacter);
    return {cursor.charFormat().foreground().color(), cursor.blockFormat().background().color()};
}

// Runs the queued hand-overs of lines to the views.
QStringList drained_lines(GPanelLogView const& panel)
{
    QCoreApplication::sendPostedEvents();
    QString const text = panel.get_view()->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QChar('\n'));
}

std::unique_ptr<GPanelLogView> enabled_panel()
{
    auto panel = std::make_unique<GPanelLogView>();
    panel->logConfig.logLevel = LEVEL_TRACE;
    panel->set_enabled(true);
    return panel;
}

// Odd levels take the nearest level's colours, unknown themes white on black.
// A line keeps the colours of its level and theme of its time; a theme switch
// repaints only the background. The oldest lines go beyond the cap.
TEST(GLogView, LinesKeepReadableColoursOfTheirLevelAndThemeUpToTheCap)
{
    for (unsigned int theme = 0; theme <= 2; ++theme) {
        for (int level = 0; level <= 4; ++level) {
            Colours const c = level_colours(theme, level);
            EXPECT_GE(test::contrast(c.first, c.second), 3.0) << "theme " << theme << " level " << level;
        }
        EXPECT_EQ(level_colours(theme, -1), level_colours(theme, 0)) << theme;
        EXPECT_EQ(level_colours(theme, 9), level_colours(theme, 4)) << theme;
    }
    EXPECT_EQ(level_colours(3, 2), (Colours{Qt::white, Qt::black}));
    GLogView view;
    view.adapt_to_settings(0);
    for (int level = 0; level <= 4; ++level) {
        view.append_line(level == 2 ? QString() : QString("normal %1").arg(level), level);
    }
    EXPECT_EQ(view.toPlainText(), "normal 0\nnormal 1\n\nnormal 3\nnormal 4");
    view.adapt_to_settings(1);
    view.append_line("dark trace", 4);
    for (int level : {0, 1, 3, 4}) {  // an empty line has no character to read
        EXPECT_EQ(line_colours(view, level), level_colours(0, level)) << level;
    }
    EXPECT_EQ(line_colours(view, 5), level_colours(1, 4));
    QPalette const pal = view.palette();
    EXPECT_EQ(Colours(pal.color(QPalette::Text), pal.color(QPalette::Base)), level_colours(1, 3));
    for (int i = 0; i < GLogView::MAX_LINES; ++i) {
        view.append_line(QString::number(i), 3);
    }
    EXPECT_TRUE(view.document()->blockCount() == GLogView::MAX_LINES && view.document()->firstBlock().text() == "0");
    view.show();
    QMouseEvent click(QEvent::MouseButtonDblClick, QPointF(5, 5), view.viewport()->mapToGlobal(QPointF(5, 5)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view.viewport(), &click);
    EXPECT_FALSE(view.textCursor().hasSelection());  // a double click selects nothing
}

// Lines arrive from the event loop, only while enabled and added, filtered by
// the panel's level (other sinks still get them), with the panel's columns.
TEST(GPanelLogView, LinesArriveFromTheEventLoopFilteredWithColumns)
{
    test::LogCapture console(LEVEL_TRACE);
    GPanelLogView panel;
    panel.logConfig.logLevel = LEVEL_INFO;
    gen::pp_warn("while disabled");
    panel.set_enabled(true);
    gen::pp_trace("a trace line");
    gen::pp_warn("careful");
    EXPECT_TRUE(panel.get_view()->toPlainText().isEmpty() && console.contains("a trace line"));
    panel.logConfig.logControl.set_bits(control::NUMBER | control::LEVEL | control::TIME | control::THREAD, true);
    gen::pp_info("all columns");
    panel.remove_appender();
    gen::pp_warn("after removal");
    QStringList const lines = drained_lines(panel);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], "careful");
    QRegularExpression const full(R"(^\[\d{6}\] \[INF\] \[[0-9:,]+\] \[\d{4}\] all columns$)");
    EXPECT_TRUE(full.match(lines[1]).hasMatch()) << lines[1].toStdString();
    EXPECT_EQ(line_colours(*panel.get_view(), 0), level_colours(panel.get_view()->get_theme(), LEVEL_WARN));
    panel.set_font_size(0);  // refused
    EXPECT_EQ(panel.get_view()->font().pointSize(), panel.get_font_size());
}

TEST(GPanelLogView, WorkerThreadLinesArriveInOrder)
{
    test::LogLevelGuard level(LEVEL_TRACE);
    auto panel = enabled_panel();
    std::vector<std::jthread> workers;
    for (int t = 0; t < 4; ++t) {
        workers.emplace_back([t] {
            for (int i = 0; i < 200; ++i) {
                gen::pp("w$ $", t, i);
            }
        });
    }
    workers.clear();  // joins
    std::map<int, int> next;  // per thread
    for (QString const& line : drained_lines(*panel)) {  // "w<thread> <i>"
        EXPECT_EQ(line.section(' ', 1).toInt(), next[line.mid(1).section(' ', 0, 0).toInt()]++) << line.toStdString();
    }
    EXPECT_EQ(next, (std::map<int, int>{{0, 200}, {1, 200}, {2, 200}, {3, 200}}));
}

TEST(GPanelLogView, DestroyedWhileAnotherThreadFloodsTheLog)
{
    test::LogLevelGuard level(LEVEL_TRACE);
    auto survivor = enabled_panel();
    for (int round = 0; round < 5; ++round) {
        auto doomed = enabled_panel();
        std::atomic<int> logged{0};
        std::jthread flood([&logged](std::stop_token const& stop) {
            while (!stop.stop_requested()) {
                gen::pp("flood $", logged.fetch_add(1));
            }
        });
        auto wait_for_more = [&logged](int lines) {
            for (int const until = logged + lines; logged < until;) {
                std::this_thread::yield();
            }
        };
        wait_for_more(200);  // lines for both panels pile up in the queue
        doomed.reset();
        wait_for_more(200);
        flood = {};  // stops and joins
        // Lines queued for the destroyed panel are dropped here.
        EXPECT_GE(drained_lines(*survivor).size(), 400) << "round " << round;
        survivor->clear();
    }
}

}  // namespace
