// Check box, line edit, label, combo box, splitter, timer, action, message
// box and key filter: the listeners fire for what a user does.
#include <gen/qt/GAction.h>
#include <gen/qt/GCheckBox.h>
#include <gen/qt/GComboBox.h>
#include <gen/qt/GLabel.h>
#include <gen/qt/GLineEdit.h>
#include <gen/qt/GMessageBox.h>
#include <gen/qt/GSplitter.h>
#include <gen/qt/GTimer.h>
#include <gen/qt/KeyEventFilter.h>

#include "support/RecordingSink.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(GCheckBoxTest, SetCheckedNotifiesOnlyWhenAsked)
{
    gen::qt::GCheckBox box("cities");
    std::vector<bool> seen;
    box.lisToggled += [&](bool const& on) { seen.push_back(on); };

    box.set_checked(true, false);
    EXPECT_TRUE(box.isChecked());
    EXPECT_TRUE(seen.empty());

    box.set_checked(false, true);
    EXPECT_FALSE(box.isChecked());
    EXPECT_EQ(seen, (std::vector<bool>{false}));

    box.show();
    QTest::mouseClick(&box, Qt::LeftButton, {}, box.rect().center());
    EXPECT_TRUE(box.isChecked());
    EXPECT_EQ(seen, (std::vector<bool>{false, true}));
}

TEST(GLineEditTest, ParsedLongTrimsAndFallsBack)
{
    gen::qt::GLineEdit edit;
    QTest::keyClicks(&edit, "  42 ");
    EXPECT_EQ(edit.text(), "  42 ");
    EXPECT_EQ(edit.get_parsed_long(-1), 42);

    edit.setText("4x2");
    EXPECT_EQ(edit.get_parsed_long(-1), -1);
    edit.setText("");
    EXPECT_EQ(edit.get_parsed_long(7), 7);
    edit.setText("-9223372036854775808");
    EXPECT_EQ(edit.get_parsed_long(0), std::numeric_limits<long long>::min());
    edit.setText("9223372036854775808");  // one past the largest
    EXPECT_EQ(edit.get_parsed_long(5), 5);
    edit.setText("0x10");
    EXPECT_EQ(edit.get_parsed_long(3), 3);
    edit.setText("1.5");
    EXPECT_EQ(edit.get_parsed_long(3), 3);
}

TEST(GLineEditTest, ParsedDoubleUsesPointAndRefusesJunk)
{
    gen::qt::GLineEdit edit(" 2.5 ");
    EXPECT_DOUBLE_EQ(edit.get_parsed_double(0.0), 2.5);
    edit.setText("2,5");
    EXPECT_DOUBLE_EQ(edit.get_parsed_double(-1.0), -1.0);
    edit.setText("1e3");
    EXPECT_DOUBLE_EQ(edit.get_parsed_double(0.0), 1000.0);
    edit.setText("nan");
    EXPECT_DOUBLE_EQ(edit.get_parsed_double(4.0), 4.0);
    edit.setText("1e999");
    EXPECT_DOUBLE_EQ(edit.get_parsed_double(4.0), 4.0);
}

TEST(GLabelTest, MouseListenersSeeTheEvents)
{
    gen::qt::GLabel label("drag me");
    label.resize(100, 30);
    EXPECT_TRUE(label.hasMouseTracking());
    std::vector<QPoint> presses;
    std::vector<QPoint> releases;
    label.lisPress += [&](QMouseEvent* const& e) { presses.push_back(e->position().toPoint()); };
    label.lisRelease += [&](QMouseEvent* const& e) { releases.push_back(e->position().toPoint()); };
    label.show();
    QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(10, 12));
    EXPECT_EQ(presses, (std::vector<QPoint>{QPoint(10, 12)}));
    EXPECT_EQ(releases, (std::vector<QPoint>{QPoint(10, 12)}));

    int moves = 0;
    label.lisMove += [&](QMouseEvent* const&) { ++moves; };
    QMouseEvent move(QEvent::MouseMove, QPointF(20, 5), label.mapToGlobal(QPointF(20, 5)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&label, &move);
    EXPECT_EQ(moves, 1);
}

TEST(GComboBoxTest, ChoosingAnItemFiresTextAndIndex)
{
    gen::qt::GComboBox combo;
    combo.addItems({"en", "de", "fr"});
    std::vector<QString> texts;
    std::vector<int> indexes;
    combo.lisText += [&](QString const& t) { texts.push_back(t); };
    combo.lisIndex += [&](int const& i) { indexes.push_back(i); };
    combo.show();
    combo.setFocus();
    QTest::keyClick(&combo, Qt::Key_Down);
    EXPECT_EQ(combo.currentIndex(), 1);
    EXPECT_EQ(texts, (std::vector<QString>{"de"}));
    EXPECT_EQ(indexes, (std::vector<int>{1}));
}

TEST(GSplitterTest, MovingTheHandleReportsThePosition)
{
    gen::qt::GSplitter splitter(Qt::Horizontal);
    splitter.addWidget(new QLabel("left"));
    splitter.addWidget(new QLabel("right"));
    splitter.resize(400, 100);
    splitter.show();
    std::vector<int> positions;
    splitter.lisMoved += [&](int const& pos) { positions.push_back(pos); };

    QWidget* handle = splitter.handle(1);
    QPoint const start = handle->rect().center();
    QTest::mousePress(handle, Qt::LeftButton, {}, start);
    QMouseEvent drag(QEvent::MouseMove, QPointF(start + QPoint(-60, 0)),
                     handle->mapToGlobal(QPointF(start + QPoint(-60, 0))), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(handle, &drag);
    QTest::mouseRelease(handle, Qt::LeftButton, {}, start + QPoint(-60, 0));

    ASSERT_FALSE(positions.empty());
    EXPECT_EQ(positions.back(), splitter.sizes().at(0));
    EXPECT_LT(splitter.sizes().at(0), splitter.sizes().at(1));
}

TEST(GTimerTest, StartStopAndTimeoutListener)
{
    gen::qt::GTimer timer;
    timer.setInterval(1);
    int ticks = 0;
    timer.lisTimeout += [&](int const& payload) {
        EXPECT_EQ(payload, 0);
        ++ticks;
    };
    timer.set_start_stop(true);
    EXPECT_TRUE(timer.isActive());
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks > 0; }, 5000));
    timer.set_start_stop(false);
    EXPECT_FALSE(timer.isActive());
}

TEST(GActionTest, TriggerFiresZeroThenTheCheckedState)
{
    gen::qt::GAction action("Dark", nullptr);
    action.setCheckable(true);
    std::vector<std::string> order;
    action.lisTriggered += [&](int const& v) { order.push_back("t" + std::to_string(v)); };
    action.lisChecked += [&](bool const& on) { order.push_back(on ? "on" : "off"); };
    action.trigger();
    action.trigger();
    EXPECT_EQ(order, (std::vector<std::string>{"t0", "on", "t0", "off"}));
}

TEST(GMessageBoxTest, HelpersShowNonModalBoxesThatReportTheAnswer)
{
    test::LogLevelGuard level(4);
    test::RecordingSink sink;
    QWidget parent;
    gen::qt::GMessageBox* info = gen::qt::GMessageBox::show_info(&parent, "Basic Info", "hello");
    EXPECT_TRUE(info->isVisible());
    EXPECT_FALSE(info->isModal());
    EXPECT_EQ(info->icon(), QMessageBox::Information);
    EXPECT_EQ(info->standardButtons(), QMessageBox::Ok);
    EXPECT_TRUE(info->windowFlags().testFlag(Qt::MSWindowsFixedSizeDialogHint));
    EXPECT_TRUE(sink.contains("GMessageBox::show_info"));

    gen::qt::GMessageBox* error = gen::qt::GMessageBox::show_error(&parent, "Error", "broken");
    EXPECT_EQ(error->icon(), QMessageBox::Critical);
    EXPECT_TRUE(sink.contains("GMessageBox::show_error:broken"));

    gen::qt::GMessageBox* ask =
        gen::qt::GMessageBox::ask_yes_no(&parent, "Question", "go on?", QMessageBox::Warning);
    EXPECT_EQ(ask->icon(), QMessageBox::Warning);
    EXPECT_EQ(ask->standardButtons(), QMessageBox::Yes | QMessageBox::No);
    std::vector<int> finished;
    int accepted = 0;
    int rejected = 0;
    ask->lisFinished += [&](int const& r) { finished.push_back(r); };
    ask->lisAccepted += [&](int const&) { ++accepted; };
    ask->lisRejected += [&](int const&) { ++rejected; };
    QTest::mouseClick(ask->button(QMessageBox::Yes), Qt::LeftButton);
    EXPECT_EQ(finished, (std::vector<int>{QMessageBox::Yes}));
    EXPECT_EQ(accepted + rejected, 1);
    EXPECT_FALSE(ask->isVisible());
}

TEST(GMessageBoxTest, BoxWithoutParentDeletesItselfWhenClosed)
{
    QPointer<gen::qt::GMessageBox> box = gen::qt::GMessageBox::show_info(nullptr, "t", "x");
    ASSERT_FALSE(box.isNull());
    QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return box.isNull(); }, 2000));
}

TEST(KeyEventFilterTest, LogsKeysWithoutConsumingThem)
{
    test::LogLevelGuard level(4);
    test::RecordingSink sink;
    QLineEdit edit;
    gen::qt::KeyEventFilter filter;
    edit.installEventFilter(&filter);
    edit.show();
    QTest::keyClick(&edit, Qt::Key_A);
    EXPECT_EQ(edit.text(), "a");
    EXPECT_TRUE(sink.contains("KeyPress: key=65 mods=, string:a"));
    EXPECT_TRUE(sink.contains("KeyRelease: key=65 mods=, string:a"));

    sink.clear();
    QTest::keyClick(&edit, Qt::Key_Shift, Qt::ShiftModifier);
    bool traced = false;
    for (auto const& line : sink.lines()) {
        if (line.text.find("KeyPress: key=") != std::string::npos) {
            EXPECT_EQ(line.level, gen::log::LEVEL_TRACE);
            traced = true;
        }
    }
    EXPECT_TRUE(traced);
}

}  // namespace
