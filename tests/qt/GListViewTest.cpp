#include <gen/qt/GListView.h>

#include "support/RecordingSink.h"

#include <QStandardItem>
#include <QTest>

#include <gtest/gtest.h>

using gen::qt::GListView;

namespace {

QString const kNormal =
    "QListView::item {  padding: 10px 10px;  min-height: 44px;  color: #202020;  background: #f8f8f8;}"
    "QListView::item:selected {  background: #dbe9f6;}QListView::indicator {  width: 26px;  height: 26px;}"
    "QScrollBar:vertical {  width: 22px;  background: #eeeeee;  margin: 0px;}"
    "QScrollBar::handle:vertical {  min-height: 40px;  background: #9a9a9a;  border-radius: 6px;}"
    "QScrollBar::add-line:vertical,QScrollBar::sub-line:vertical {  height: 0px;}";
QString const kDark =
    "QListView::item {  padding: 10px 10px;  min-height: 44px;  color: #e0e0e0;  background: #2b2b2b;}"
    "QListView::item:selected {  background: #3a4a5a;}"
    "QListView::indicator {  width: 26px;  height: 26px;  background: #dddddd;  border: 2px solid #aaaaaa;  border-radius: 4px;}"
    "QListView::indicator:checked {  background: #4fa3ff;  border: 2px solid #4fa3ff;}"
    "QScrollBar:vertical {  width: 22px;  background: #1f1f1f;  margin: 0px;}"
    "QScrollBar::handle:vertical {  min-height: 40px;  background: #5a5a5a;  border-radius: 6px;}"
    "QScrollBar::add-line:vertical,QScrollBar::sub-line:vertical {  height: 0px;}";

TEST(GListViewTest, ItemsCarryTextCheckStateAndData)
{
    auto* model = new QStandardItemModel;
    GListView list(model);
    EXPECT_EQ(list.model(), model);
    EXPECT_EQ(model->parent(), &list);

    QStandardItem* berlin = list.create_item(QString("Berlin"), true, true, QVariant(7u));
    QStandardItem* plain = list.create_item(std::string("Paris"), false, false);
    ASSERT_EQ(model->rowCount(), 2);
    EXPECT_EQ(model->item(0), berlin);
    EXPECT_TRUE(berlin->isCheckable());
    EXPECT_EQ(berlin->checkState(), Qt::Checked);
    EXPECT_EQ(berlin->data(Qt::UserRole).toUInt(), 7u);
    EXPECT_FALSE(plain->isCheckable());
    EXPECT_EQ(plain->checkState(), Qt::Unchecked);
    EXPECT_FALSE(plain->data(Qt::UserRole).isValid());
}

TEST(GListViewTest, SelectAllAndNoneFireOnlyForChangedRows)
{
    GListView list(new QStandardItemModel);
    list.create_item(QString("a"), true, true);
    list.create_item(QString("b"), true, false);
    list.create_item(QString("c"), true, false);
    std::vector<QString> changed;
    list.lisItem += [&](QStandardItem* const& item) { changed.push_back(item->text()); };

    list.select_all(true);
    EXPECT_EQ(changed, (std::vector<QString>{"b", "c"}));
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(list.get_model()->item(row)->checkState(), Qt::Checked);
    }
    changed.clear();
    list.select_none();
    EXPECT_EQ(changed.size(), 3u);
    list.select_all(false);
    EXPECT_EQ(changed.size(), 3u);
    EXPECT_EQ(list.get_model()->item(1)->checkState(), Qt::Unchecked);
}

TEST(GListViewTest, ClickingTheCheckBoxTogglesTheItem)
{
    GListView list(new QStandardItemModel);
    list.resize(300, 200);
    QStandardItem* item = list.create_item(QString("Tokyo"), true, false, QVariant(3));
    std::vector<Qt::CheckState> states;
    list.lisItem += [&](QStandardItem* const& changed) { states.push_back(changed->checkState()); };
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));

    // The indicator sits at the left of the row, inside the item padding.
    QRect const row = list.visualRect(item->index());
    QPoint const indicator(row.left() + 10 + 13, row.center().y());
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, indicator);
    EXPECT_EQ(item->checkState(), Qt::Checked);
    EXPECT_EQ(states, (std::vector<Qt::CheckState>{Qt::Checked}));
}

TEST(GListViewTest, StyleSheetsPerTheme)
{
    test::LogLevelGuard level(4);
    test::RecordingSink sink;
    GListView list(nullptr);
    EXPECT_NE(list.get_model(), nullptr);
    EXPECT_EQ(list.styleSheet(), kNormal);
    list.adapt_style(2);
    EXPECT_EQ(list.styleSheet(), kDark);
    EXPECT_TRUE(sink.contains("GListView::adapt_style - DARK/GREEN"));
    list.adapt_style(1);
    EXPECT_EQ(list.styleSheet(), kDark);
    list.adapt_style(0);
    EXPECT_EQ(list.styleSheet(), kNormal);
    EXPECT_TRUE(sink.contains("GListView::adapt_style - NORMAL"));
}

}  // namespace
