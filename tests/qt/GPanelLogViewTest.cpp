#include <gen/qt/GPanelLogView.h>

#include <gen/log/pp.h>
#include <gen/qt/GLogView.h>
#include <gen/qt/themes.h>

#include "support/RecordingSink.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>

#include <atomic>
#include <map>
#include <memory>
#include <thread>
#include <vector>

using gen::qt::GPanelLogView;
using namespace gen::log;

namespace {

// Runs the queued hand-overs.
void drain()
{
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

QStringList lines_of(GPanelLogView const& panel)
{
    QString const text = panel.get_view()->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QChar('\n'));
}

// A panel that shows every level with no prefix columns.
std::unique_ptr<GPanelLogView> enabled_panel(unsigned int logLevel = LEVEL_TRACE)
{
    auto panel = std::make_unique<GPanelLogView>();
    panel->logConfig.logLevel = logLevel;
    panel->set_enabled(true);
    return panel;
}

}  // namespace

TEST(GPanelLogView, BuiltAsALogPanel)
{
    GPanelLogView panel;
    EXPECT_EQ(panel.objectName(), "panLog");
    EXPECT_EQ(panel.sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
    EXPECT_EQ(panel.sizePolicy().verticalPolicy(), QSizePolicy::MinimumExpanding);
    EXPECT_EQ(panel.sizePolicy().horizontalStretch(), 1);
    EXPECT_EQ(panel.sizePolicy().verticalStretch(), 2);
    EXPECT_EQ(panel.minimumHeight(), 50);
    EXPECT_EQ(panel.get_margins(), QMargins(0, 0, 0, 0));

    gen::qt::GLogView* view = panel.get_view();
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(panel.containsWidget(view));
    EXPECT_EQ(view->sizePolicy(), panel.sizePolicy());
    EXPECT_EQ(view->font().family(), gen::qt::themes::get_mono_font().family());
    EXPECT_EQ(view->font().pointSize(), 10);

    EXPECT_EQ(panel.logConfig.digits, 6u);
    EXPECT_EQ(panel.logConfig.logLevel, 3u);
    EXPECT_EQ(panel.logConfig.logControl.get(), 0u);
    EXPECT_EQ(panel.get_font_size(), 10);
    EXPECT_FALSE(panel.is_enabled());
}

TEST(GPanelLogView, LineTextTrimsThePrefix)
{
    using Bits = gen::GBits<unsigned int>;
    EXPECT_EQ(GPanelLogView::format_line(7, LEVEL_DEBUG, Bits(0), "plain"), "plain");
    EXPECT_EQ(GPanelLogView::format_line(7, LEVEL_WARN, Bits(control::NUMBER | control::LEVEL), "text"),
              "[000007] [WRN] text");
    EXPECT_EQ(GPanelLogView::format_line(8, LEVEL_INFO, Bits(control::LEVEL), "  indented"), "[INF]   indented");
    EXPECT_EQ(GPanelLogView::format_line(9, LEVEL_INFO, Bits(0), nullptr), "nullptr");
    EXPECT_EQ(GPanelLogView::format_line(9, LEVEL_INFO, Bits(0), "Gr\xc3\xbc\xc3\x9f" "e"),
              QString::fromUtf8("Grüße"));
}

TEST(GPanelLogView, LinesArriveOnlyWhenTheEventLoopRuns)
{
    test::LogLevelGuard level(LEVEL_TRACE);
    auto panel = enabled_panel();
    gen::pp("handed over");
    // The sink never writes into the view itself.
    EXPECT_TRUE(panel->get_view()->toPlainText().isEmpty());
    drain();
    EXPECT_EQ(lines_of(*panel), QStringList{"handed over"});
}

TEST(GPanelLogView, PanelLevelFiltersWhatTheOtherSinksStillGet)
{
    test::LogLevelGuard level(LEVEL_TRACE);
    test::RecordingSink console;  // like the console, it ignores its own level
    auto panel = enabled_panel(LEVEL_DEBUG);
    gen::pp_trace("a trace line");
    gen::pp_error("an error line");
    drain();
    EXPECT_EQ(lines_of(*panel), QStringList{"an error line"});
    EXPECT_TRUE(console.contains("a trace line"));
    EXPECT_TRUE(console.contains("an error line"));
}

TEST(GPanelLogView, ColumnsOfTheSinkAreShown)
{
    test::LogLevelGuard level(LEVEL_TRACE);
    auto panel = enabled_panel();
    panel->logConfig.logControl.set_bits(control::LEVEL, true);
    gen::pp_warn("careful");
    // All four columns, built under the log core's lock.
    panel->logConfig.logControl.set_bits(control::NUMBER | control::TIME | control::THREAD, true);
    gen::pp_info("all columns");
    drain();
    QStringList const lines = lines_of(*panel);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], "[WRN] careful");
    QRegularExpression const full(R"(^\[\d{6}\] \[INF\] \[[0-9:,]+\] \[\d{4}\] all columns$)");
    EXPECT_TRUE(full.match(lines[1]).hasMatch()) << lines[1].toStdString();
    // The level reaches the view: the warning's colours.
    QTextBlock const block = panel->get_view()->document()->firstBlock();
    EXPECT_EQ(block.blockFormat().background().color(),
              gen::qt::GLogView::background_color(panel->get_view()->get_theme(), LEVEL_WARN));
}

TEST(GPanelLogView, WorkerThreadLinesArriveInOrder)
{
    test::LogLevelGuard level(LEVEL_TRACE);
    auto panel = enabled_panel();
    constexpr int kThreads = 4;
    constexpr int kLines = 200;
    std::vector<std::thread> workers;
    for (int t = 0; t < kThreads; ++t) {
        workers.emplace_back([t] {
            for (int i = 0; i < kLines; ++i) {
                gen::pp("w$ $", t, i);
            }
        });
    }
    for (auto& w : workers) {
        w.join();
    }
    EXPECT_TRUE(panel->get_view()->toPlainText().isEmpty());
    drain();

    QStringList const lines = lines_of(*panel);
    ASSERT_EQ(lines.size(), kThreads * kLines);
    std::map<int, int> next;
    for (QString const& line : lines) {
        QStringList const parts = line.mid(1).split(' ');
        ASSERT_EQ(parts.size(), 2) << line.toStdString();
        int const t = parts[0].toInt();
        EXPECT_EQ(parts[1].toInt(), next[t]) << "thread " << t;
        next[t] = parts[1].toInt() + 1;
    }
    for (int t = 0; t < kThreads; ++t) {
        EXPECT_EQ(next[t], kLines);
    }
}

TEST(GPanelLogView, EnablingShowsAndRemovingStopsDelivery)
{
    test::LogLevelGuard level(LEVEL_TRACE);
    GPanelLogView panel;
    std::vector<bool> visible;
    panel.lisVisible += [&visible](bool const& v) { visible.push_back(v); };

    gen::pp("while disabled");
    panel.set_enabled(true);
    EXPECT_TRUE(panel.is_enabled());
    EXPECT_TRUE(panel.logConfig.logControl.is_set(control::ENABLED));
    EXPECT_TRUE(panel.isVisible());
    panel.logConfig.logLevel = LEVEL_TRACE;
    gen::pp("while enabled");
    panel.set_enabled(false);
    EXPECT_FALSE(panel.isVisible());
    EXPECT_EQ(visible, (std::vector<bool>{true, false}));

    panel.set_enabled(true);
    panel.remove_appender();
    gen::pp("after removal");
    drain();
    EXPECT_EQ(lines_of(panel), QStringList{"while enabled"});
}

TEST(GPanelLogView, FontSizeThemeClearAndClipboard)
{
    GPanelLogView panel;
    panel.set_font_size(14);
    EXPECT_EQ(panel.get_font_size(), 14);
    EXPECT_EQ(panel.logConfig.fontSize, 14u);
    EXPECT_EQ(panel.get_view()->font().pointSize(), 14);
    EXPECT_EQ(panel.get_view()->font().family(), gen::qt::themes::get_mono_font().family());
    panel.set_font_size(0);
    EXPECT_EQ(panel.get_font_size(), 14);
    EXPECT_EQ(panel.get_view()->font().pointSize(), 14);

    panel.adapt_to_settings(1);
    EXPECT_EQ(panel.get_view()->get_theme(), 1u);
    EXPECT_EQ(panel.get_view()->palette().color(QPalette::Window), QColor(Qt::black));

    panel.get_view()->append_line("one", 2);
    panel.get_view()->append_line("two", 3);
    panel.copy_to_clipboard();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "one\ntwo");
    panel.clear();
    EXPECT_TRUE(panel.get_view()->toPlainText().isEmpty());
}

TEST(GPanelLogView, DestroyedWhileAnotherThreadFloodsTheLog)
{
    test::LogLevelGuard level(LEVEL_TRACE);
    auto survivor = enabled_panel();
    for (int round = 0; round < 5; ++round) {
        auto doomed = enabled_panel();
        std::atomic<bool> stop{false};
        std::atomic<int> logged{0};
        std::thread flood([&] {
            while (!stop.load()) {
                gen::pp("flood $", logged.load());
                logged.fetch_add(1);
            }
        });
        // Let lines for both panels pile up in the queue.
        while (logged.load() < 200) {
            std::this_thread::yield();
        }
        doomed.reset();
        int const atDestruction = logged.load();
        while (logged.load() < atDestruction + 200) {
            std::this_thread::yield();
        }
        stop = true;
        flood.join();
        // Lines queued for the destroyed panel are dropped here.
        drain();
        EXPECT_GE(lines_of(*survivor).size(), 400) << "round " << round;
        survivor->clear();
    }
}
