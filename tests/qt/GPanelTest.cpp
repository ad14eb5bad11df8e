#include <gen/qt/GButton.h>
#include <gen/qt/GCheckBox.h>
#include <gen/qt/GComboBox.h>
#include <gen/qt/GLabel.h>
#include <gen/qt/GMainPanel.h>
#include <gen/qt/GPanel.h>
#include <gen/qt/GSplitter.h>
#include <gen/qt/GDialog.h>
#include <gen/qt/GFlowLayout.h>
#include <gen/qt/world_lang.h>

#include "support/RecordingSink.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QStackedLayout>
#include <QVBoxLayout>

#include "support/Fatal.h"

#include <gtest/gtest.h>


using gen::qt::GPanel;

namespace {

class GPanelTest : public ::testing::Test {
protected:
    test::LogLevelGuard level{4};
    test::RecordingSink sink;
};

// A Layouter child that records the passes it sees.
class RecordingLayouter : public GPanel {
public:
    using GPanel::GPanel;
    void do_layout(gen::qt::LayoutEvent& ev) override
    {
        reasons.push_back(ev.reason);
        GPanel::do_layout(ev);
    }
    std::vector<int> reasons;
};

TEST_F(GPanelTest, LayoutKindsMapToQtLayouts)
{
    EXPECT_EQ(GPanel().get_layout(), nullptr);
    EXPECT_NE(qobject_cast<QVBoxLayout*>(GPanel(gen::qt::LAYOUT_VERT).get_layout()), nullptr);
    EXPECT_NE(qobject_cast<QHBoxLayout*>(GPanel(gen::qt::LAYOUT_HORZ).get_layout()), nullptr);
    EXPECT_NE(dynamic_cast<gen::GFlowLayout*>(GPanel(gen::qt::LAYOUT_FLOW).get_layout()), nullptr);
    EXPECT_NE(qobject_cast<QStackedLayout*>(GPanel(gen::qt::LAYOUT_STACKED).get_layout()), nullptr);
    EXPECT_NE(qobject_cast<QGridLayout*>(GPanel(gen::qt::LAYOUT_GRID).get_layout()), nullptr);
    EXPECT_NE(qobject_cast<QFormLayout*>(GPanel(gen::qt::LAYOUT_FORM).get_layout()), nullptr);
}

TEST_F(GPanelTest, SecondLayoutReplacesTheFirstAndKeepsTheWidgets)
{
    GPanel panel(gen::qt::LAYOUT_VERT);
    auto* a = panel.create<gen::qt::GButton>("a");
    auto* b = panel.create<gen::qt::GButton>("b");
    panel.set_layout(gen::qt::LAYOUT_HORZ);
    EXPECT_TRUE(sink.contains("aha - hat schon layout ?, QVBoxLayout"));
    ASSERT_NE(qobject_cast<QHBoxLayout*>(panel.layout()), nullptr);
    EXPECT_EQ(panel.layout(), panel.get_layout());
    std::vector<QWidget*> widgets;
    panel.get_widgets(widgets);
    EXPECT_EQ(widgets, (std::vector<QWidget*>{a, b}));
}

TEST_F(GPanelTest, AddingAWidgetTwiceKeepsOneEntry)
{
    GPanel panel(gen::qt::LAYOUT_VERT);
    auto* label = new QLabel("x");
    EXPECT_EQ(panel.add_widget(label), label);
    EXPECT_EQ(label->parentWidget(), &panel);
    EXPECT_FALSE(sink.contains("XPanel::add_widget, w already in container"));
    EXPECT_EQ(panel.add_widget(label), label);
    EXPECT_TRUE(sink.contains("XPanel::add_widget, w already in container"));
    EXPECT_EQ(panel.get_layout()->count(), 1);
    EXPECT_TRUE(panel.containsWidget(label));
    EXPECT_FALSE(panel.containsWidget(nullptr));
}

TEST_F(GPanelTest, CreatePassesLiteralsAsTextAndParentsThePanel)
{
    GPanel panel(gen::qt::LAYOUT_HORZ);
    auto* button = panel.create<gen::qt::GButton>("Go", "Start it");
    EXPECT_EQ(button->text(), "Go");
    EXPECT_EQ(button->toolTip(), "Start it");
    EXPECT_EQ(button->parentWidget(), &panel);
    auto* edit = panel.create<QLabel>("plain");
    EXPECT_EQ(edit->text(), "plain");
    auto* label = panel.create_label("wide", 120);
    EXPECT_EQ(label->minimumWidth(), 120);
    auto* box = panel.create_checkBox("on", true, "tip");
    EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(box->toolTip(), "tip");
    EXPECT_EQ(panel.create_checkBox("off")->toolTip(), "");

    std::vector<GPanel*> panels;
    panel.create_pan_vert();
    panel.create_pan_flow();
    panel.get_panels(panels);
    EXPECT_EQ(panels.size(), 2u);
}

TEST_F(GPanelTest, SpacersAndLinesHaveTheirSizePolicies)
{
    GPanel panel(gen::qt::LAYOUT_VERT);
    QSizePolicy const plain = panel.create_spacer()->sizePolicy();
    EXPECT_EQ(plain.horizontalPolicy(), QSizePolicy::Expanding);
    EXPECT_EQ(plain.verticalPolicy(), QSizePolicy::MinimumExpanding);
    EXPECT_EQ(plain.horizontalStretch(), 1);
    QSizePolicy const vert = panel.create_spacer_vert()->sizePolicy();
    EXPECT_EQ(vert.verticalPolicy(), QSizePolicy::Minimum);
    EXPECT_EQ(vert.verticalStretch(), 1);
    EXPECT_EQ(vert.horizontalStretch(), 0);
    EXPECT_EQ(panel.create_spacer_horz()->sizePolicy().verticalPolicy(), QSizePolicy::Fixed);

    auto* line = panel.create_horz_line(3, "red", "sep");
    EXPECT_EQ(line->objectName(), "sep");
    EXPECT_EQ(line->maximumHeight(), 3);
    EXPECT_EQ(line->styleSheet(), "#sep { border: 3px solid red; background:red}");
    auto* unnamed = panel.create_horz_line(1, "blue", "");
    EXPECT_EQ(unnamed->objectName().size(), 8);
    EXPECT_TRUE(unnamed->styleSheet().startsWith("#" + unnamed->objectName() + " {"));
}

TEST_F(GPanelTest, WorldLanguageComboListsTwentyCodesWithNames)
{
    GPanel panel(gen::qt::LAYOUT_VERT);
    auto* combo = panel.create_combobox_world_lang();
    auto const langs = gen::qt::create_vector_world_lang_20();
    ASSERT_EQ(combo->count(), 20);
    for (int i = 0; i < combo->count(); ++i) {
        EXPECT_EQ(combo->itemText(i), langs[i].first);
        EXPECT_EQ(combo->itemData(i, Qt::ToolTipRole).toString(), langs[i].second);
    }
}

TEST_F(GPanelTest, StackedPanelShowsTheChosenWidgetOthersLogAndIgnore)
{
    GPanel stacked(gen::qt::LAYOUT_STACKED);
    auto* first = stacked.create<QLabel>("1");
    auto* second = stacked.create<QLabel>("2");
    auto* layout = qobject_cast<QStackedLayout*>(stacked.get_layout());
    EXPECT_EQ(layout->currentWidget(), first);
    stacked.show_stacked_widget(second);
    EXPECT_EQ(layout->currentWidget(), second);

    GPanel vert(gen::qt::LAYOUT_VERT);
    vert.show_stacked_widget(first);
    EXPECT_TRUE(sink.contains("GPanel::show_stacked_widget, NO QStackedLayout"));
}

TEST_F(GPanelTest, MarginsAndSpacingGoToTheLayout)
{
    GPanel none;
    none.set_margins(5);
    EXPECT_EQ(none.get_margins(), QMargins());

    GPanel panel(gen::qt::LAYOUT_VERT);
    panel.set_margins(QMargins(1, 2, 3, 4));
    EXPECT_EQ(panel.get_margins(), QMargins(1, 2, 3, 4));
    panel.set_margins(0);
    EXPECT_EQ(panel.layout()->contentsMargins(), QMargins());
    panel.set_spacing(7);
    EXPECT_EQ(panel.layout()->spacing(), 7);

    EXPECT_EQ(gen::qt::GMainPanel(gen::qt::LAYOUT_VERT).get_margins(), QMargins(2, 2, 2, 2));
}

TEST_F(GPanelTest, VisibilityListenerFollowsSetVisible)
{
    GPanel panel(gen::qt::LAYOUT_VERT);
    std::vector<bool> seen;
    panel.lisVisible += [&](bool const& on) { seen.push_back(on); };
    panel.set_visible(true);
    EXPECT_TRUE(panel.isVisible());
    panel.set_visible(false);
    EXPECT_FALSE(panel.isVisible());
    EXPECT_EQ(seen, (std::vector<bool>{true, false}));
}

TEST_F(GPanelTest, LayoutPassReachesNestedLayoutersBeforeTheListener)
{
    GPanel root(gen::qt::LAYOUT_VERT);
    auto* child = root.create<RecordingLayouter>(gen::qt::LAYOUT_VERT);
    auto* splitter = root.create<gen::qt::GSplitter>(Qt::Vertical);
    auto* inSplitter = new RecordingLayouter(gen::qt::LAYOUT_VERT);
    splitter->addWidget(inSplitter);
    root.create<QLabel>("not a layouter");

    std::vector<std::string> order;
    child->lisLayout += [&](gen::qt::LayoutEvent* const&) { order.push_back("child"); };
    root.lisLayout += [&](gen::qt::LayoutEvent* const& ev) {
        order.push_back("root");
        EXPECT_EQ(ev->size, QSize(640, 480));
    };

    gen::qt::LayoutEvent ev{QSize(640, 480), 11, gen::qt::LayoutEvent::RESIZE};
    root.do_layout(ev);
    EXPECT_EQ(child->reasons, (std::vector<int>{1}));
    EXPECT_EQ(inSplitter->reasons, (std::vector<int>{1}));
    EXPECT_EQ(order, (std::vector<std::string>{"child", "root"}));

    std::vector<gen::qt::Layouter*> layouters;
    root.get_layouter(layouters);
    EXPECT_EQ(layouters.size(), 2u);
}

TEST_F(GPanelTest, NamesAndTexts)
{
    GPanel panel;
    EXPECT_EQ(panel.to_string(), "GPanel");
    panel.setObjectName("buttons");
    EXPECT_EQ(panel.to_string(), "GPanel@buttons");
    EXPECT_TRUE(panel.is_name("buttons"));
    EXPECT_FALSE(panel.is_name("Buttons"));
}

TEST_F(GPanelTest, DialogMainPanelFillsTheDialog)
{
    gen::qt::GDialog dialog;
    gen::qt::GMainPanel* main = dialog.create_main_panel(gen::qt::LAYOUT_HORZ);
    ASSERT_EQ(dialog.panMain, main);
    auto* box = qobject_cast<QVBoxLayout*>(dialog.layout());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->spacing(), 0);
    EXPECT_EQ(box->indexOf(main), 0);
    EXPECT_NE(qobject_cast<QHBoxLayout*>(main->get_layout()), nullptr);
    dialog.resize(300, 200);
    dialog.show();
    EXPECT_EQ(main->geometry(), dialog.rect());
}

// Each takes five seconds: the fatal handler pauses before it exits.
TEST(GPanelDeathTest, NullWidgetAndMissingLayoutEndTheProgram)
{
    EXPECT_FATAL_EXIT(GPanel(gen::qt::LAYOUT_VERT).add_widget(nullptr), "nullptr:widget == NULL\nsrc/gen/qt/GPanel");
    EXPECT_FATAL_EXIT(GPanel().add_widget(new QLabel), "nullptr:lay == NULL\nsrc/gen/qt/GPanel");
}

}  // namespace
