#include <gen/qt/GButton.h>
#include <gen/qt/GFlowLayout.h>
#include <gen/qt/GPanel.h>

#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

using gen::GFlowLayout;

namespace {

// A parent with three fixed 80 x 30 boxes in a flow layout: margin 10,
// spacing 5 across and 4 down.
struct FlowFixture : ::testing::Test {
    FlowFixture()
    {
        for (QLabel*& box : boxes) {
            box = new QLabel;
            box->setFixedSize(80, 30);
            flow->addWidget(box);
        }
    }

    QWidget parent;
    GFlowLayout* flow = new GFlowLayout(&parent, 10, 5, 4);
    QLabel* boxes[3] = {};
};

using GFlowLayoutTest = FlowFixture;

TEST_F(GFlowLayoutTest, ItemsThatFitStayOnOneLine)
{
    // 10 + 80 + 5 + 80 + 5 + 80 + 10
    flow->setGeometry(QRect(0, 0, 270, 200));
    EXPECT_EQ(boxes[0]->geometry(), QRect(10, 10, 80, 30));
    EXPECT_EQ(boxes[1]->geometry(), QRect(95, 10, 80, 30));
    EXPECT_EQ(boxes[2]->geometry(), QRect(180, 10, 80, 30));
    EXPECT_EQ(flow->heightForWidth(270), 50);
}

TEST_F(GFlowLayoutTest, ItemPastTheRightEdgeStartsANewLine)
{
    flow->setGeometry(QRect(0, 0, 269, 200));
    EXPECT_EQ(boxes[1]->geometry(), QRect(95, 10, 80, 30));
    EXPECT_EQ(boxes[2]->geometry(), QRect(10, 44, 80, 30));
    EXPECT_EQ(flow->heightForWidth(269), 84);

    // Narrower than one box: one per line, none dropped.
    flow->setGeometry(QRect(0, 0, 50, 200));
    EXPECT_EQ(boxes[0]->geometry().topLeft(), QPoint(10, 10));
    EXPECT_EQ(boxes[1]->geometry().topLeft(), QPoint(10, 44));
    EXPECT_EQ(boxes[2]->geometry().topLeft(), QPoint(10, 78));
}

TEST_F(GFlowLayoutTest, NewLineStartsBelowTheTallestItem)
{
    boxes[0]->setFixedSize(80, 50);
    flow->invalidate();
    flow->setGeometry(QRect(0, 0, 190, 200));
    EXPECT_EQ(boxes[1]->geometry().topLeft(), QPoint(95, 10));
    EXPECT_EQ(boxes[2]->geometry().topLeft(), QPoint(10, 64));
}

TEST_F(GFlowLayoutTest, HiddenWidgetsTakeNoRoom)
{
    boxes[1]->hide();
    flow->setGeometry(QRect(0, 0, 190, 200));
    EXPECT_EQ(boxes[2]->geometry().topLeft(), QPoint(95, 10));
}

TEST_F(GFlowLayoutTest, SizeHintIsTheLargestMinimumPlusMargins)
{
    boxes[2]->setFixedSize(120, 20);
    EXPECT_EQ(flow->minimumSize(), QSize(140, 50));
    EXPECT_EQ(flow->sizeHint(), flow->minimumSize());
    EXPECT_EQ(flow->expandingDirections(), Qt::Orientations());
    EXPECT_TRUE(flow->hasHeightForWidth());
    EXPECT_EQ(flow->count(), 3);
    EXPECT_EQ(flow->itemAt(3), nullptr);
    EXPECT_EQ(flow->itemAt(-1), nullptr);

    QLayoutItem* taken = flow->takeAt(0);
    ASSERT_NE(taken, nullptr);
    EXPECT_EQ(taken->widget(), boxes[0]);
    delete taken;
    EXPECT_EQ(flow->count(), 2);
    EXPECT_EQ(flow->takeAt(5), nullptr);
}

TEST_F(GFlowLayoutTest, NegativeSpacingComesFromTheParentsStyle)
{
    GFlowLayout styled(nullptr, 0, -1, -1);
    EXPECT_EQ(styled.horizontalSpacing(), -1);  // no parent to ask

    QWidget host;
    auto* fromStyle = new GFlowLayout(&host, 0, -1, -1);
    EXPECT_EQ(fromStyle->horizontalSpacing(),
              host.style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing, nullptr, &host));
    EXPECT_EQ(flow->horizontalSpacing(), 5);
    EXPECT_EQ(flow->verticalSpacing(), 4);
    EXPECT_EQ(flow->spacing(), -1);
}

TEST(GFlowPanelTest, PanelSpacingReachesTheFlow)
{
    gen::qt::GPanel panel(gen::qt::LAYOUT_FLOW);
    panel.set_margins(0);
    panel.set_spacing(12);
    auto* flowOfPanel = static_cast<GFlowLayout*>(panel.get_layout());
    EXPECT_EQ(flowOfPanel->spacing(), 12);
    auto* a = panel.create<QLabel>("a");
    auto* b = panel.create<QLabel>("b");
    a->setFixedSize(40, 20);
    b->setFixedSize(40, 20);
    // 40 + 12 + 40
    flowOfPanel->setGeometry(QRect(0, 0, 92, 100));
    EXPECT_EQ(b->geometry().topLeft(), QPoint(52, 0));
    flowOfPanel->setGeometry(QRect(0, 0, 91, 100));
    EXPECT_EQ(b->geometry().topLeft(), QPoint(0, 32));
}

TEST(GFlowPanelTest, PanelNarrowerThanTwoButtonsWrapsTheSecond)
{
    gen::qt::GPanel panel(gen::qt::LAYOUT_FLOW);
    auto* first = panel.create<gen::qt::GButton>("first");
    auto* second = panel.create<gen::qt::GButton>("second");
    first->setFixedSize(100, 30);
    second->setFixedSize(100, 30);

    panel.resize(400, 120);
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    QApplication::processEvents();
    EXPECT_EQ(first->y(), second->y());
    EXPECT_GT(second->x(), first->x() + 99);

    panel.resize(150, 120);
    QApplication::processEvents();
    panel.layout()->activate();
    EXPECT_EQ(first->x(), second->x());
    EXPECT_GE(second->y(), first->y() + 30);
}

}  // namespace
