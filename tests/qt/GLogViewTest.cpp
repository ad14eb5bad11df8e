#include <gen/qt/GLogView.h>

#include <gen/log/GLog.h>

#include "support/RecordingSink.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include <QCoreApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

using gen::qt::GLogView;

namespace {

QColor block_background(GLogView const& view, int block)
{
    return view.document()->findBlockByNumber(block).blockFormat().background().color();
}

QColor block_text(GLogView const& view, int block)
{
    QTextBlock const b = view.document()->findBlockByNumber(block);
    // The format of the first character of the block.
    QTextCursor cursor(b);
    cursor.movePosition(QTextCursor::NextCharacter);
    return cursor.charFormat().foreground().color();
}

}  // namespace

// WCAG contrast ratio of two colours (1 = none, 21 = black on white).
static double contrast(QColor const& a, QColor const& b)
{
    auto luminance = [](QColor const& c) {
        auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    double const la = luminance(a);
    double const lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST(GLogViewColours, EveryLevelStaysReadableInEveryTheme)
{
    for (unsigned int theme = 0; theme <= 2; ++theme) {
        for (int level = 0; level <= 4; ++level) {
            EXPECT_GE(contrast(GLogView::text_color(theme, level), GLogView::background_color(theme, level)), 3.0)
                << "theme " << theme << " level " << level;
        }
    }
}

TEST(GLogViewColours, UnknownThemeIsWhiteOnBlackAndOddLevelsTakeTheNearestLevel)
{
    for (int level = -1; level <= 6; ++level) {
        EXPECT_EQ(GLogView::text_color(3, level), QColor(Qt::white));
        EXPECT_EQ(GLogView::background_color(3, level), QColor(Qt::black));
    }
    EXPECT_EQ(GLogView::background_color(0, -1), GLogView::background_color(0, 0));
    EXPECT_EQ(GLogView::text_color(0, 9), GLogView::text_color(0, 4));
    EXPECT_EQ(GLogView::text_color(1, 5), GLogView::text_color(1, 4));
}

TEST(GLogView, DropsTheOldestLinesBeyondTheCap)
{
    GLogView view;
    EXPECT_TRUE(view.isReadOnly());
    for (int i = 0; i < GLogView::MAX_LINES + 3; ++i) {
        view.append_line(QString::number(i), 3);
    }
    EXPECT_EQ(view.document()->blockCount(), GLogView::MAX_LINES);
    EXPECT_EQ(view.document()->firstBlock().text(), "3");
    EXPECT_EQ(view.document()->lastBlock().text(), QString::number(GLogView::MAX_LINES + 2));
}

TEST(GLogView, FirstLineReusesTheEmptyFirstBlock)
{
    GLogView view;
    view.adapt_to_settings(0);
    view.append_line("first", 0);
    EXPECT_EQ(view.document()->blockCount(), 1);
    EXPECT_EQ(view.toPlainText(), "first");
    view.append_line("second", 2);
    view.append_line("", 3);
    view.append_line("fourth", 4);
    EXPECT_EQ(view.document()->blockCount(), 4);
    EXPECT_EQ(view.toPlainText(), "first\nsecond\n\nfourth");

    // After clear() the first line reuses the block again.
    view.clear();
    view.append_line("again", 1);
    EXPECT_EQ(view.toPlainText(), "again");
    EXPECT_EQ(block_background(view, 0), GLogView::background_color(0, 1));
}

TEST(GLogView, EachLineCarriesTheColoursOfItsLevel)
{
    GLogView view;
    view.adapt_to_settings(0);
    for (int level = 0; level <= 4; ++level) {
        view.append_line(QString("line %1").arg(level), level);
    }
    for (int level = 0; level <= 4; ++level) {
        EXPECT_EQ(block_background(view, level), GLogView::background_color(0, level)) << level;
        EXPECT_EQ(block_text(view, level), GLogView::text_color(0, level)) << level;
    }
}

TEST(GLogView, ThemeSwitchChangesBackgroundAndKeepsOldLines)
{
    GLogView view;
    view.adapt_to_settings(0);
    view.append_line("normal error", 0);
    view.append_line("normal trace", 4);

    view.adapt_to_settings(1);
    EXPECT_EQ(view.get_theme(), 1u);
    EXPECT_TRUE(view.autoFillBackground());
    EXPECT_EQ(view.palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_EQ(view.palette().color(QPalette::Base), QColor(Qt::black));

    view.append_line("dark trace", 4);
    EXPECT_EQ(block_background(view, 0), QColor(Qt::red).lighter(150));
    EXPECT_EQ(block_text(view, 1), QColor(Qt::blue).darker(200));
    EXPECT_EQ(block_background(view, 1), QColor(Qt::lightGray).lighter(120));
    EXPECT_EQ(block_text(view, 2), QColor(Qt::yellow).darker(200));
    EXPECT_EQ(block_background(view, 2), QColor(Qt::black));

    view.adapt_to_settings(2);
    EXPECT_EQ(view.palette().color(QPalette::Window), QColor("#192819"));
}

TEST(GLogView, FollowsTheEndAndScrollsBackToTheLeft)
{
    GLogView view;
    view.resize(200, 100);
    view.show();
    for (int i = 0; i < 50; ++i) {
        view.append_line(QString("line %1 ").arg(i) + QString(300, QChar('x')), 3);
    }
    view.horizontalScrollBar()->setValue(view.horizontalScrollBar()->maximum());
    view.append_line("last", 3);
    EXPECT_TRUE(view.textCursor().atEnd());
    EXPECT_EQ(view.horizontalScrollBar()->value(), 0);
    // The last line is in sight.
    EXPECT_TRUE(view.viewport()->rect().contains(view.cursorRect().center()));
    EXPECT_GT(view.verticalScrollBar()->value(), 0);
}

TEST(GLogView, DoubleClickOnlyLogsTheEvent)
{
    test::LogLevelGuard level(gen::log::LEVEL_DEBUG);
    test::RecordingSink sink;
    GLogView view;
    view.resize(200, 100);
    view.show();
    view.append_line("some words here", 3);
    view.moveCursor(QTextCursor::Start);
    QMouseEvent click(QEvent::MouseButtonDblClick, QPointF(5, 5), view.viewport()->mapToGlobal(QPointF(5, 5)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view.viewport(), &click);
    EXPECT_TRUE(sink.contains("GLogView::mouseDoubleClickEvent, e:QMouseEvent, {LEFT}, {}, at 5,5"));
    EXPECT_FALSE(view.textCursor().hasSelection());
}
