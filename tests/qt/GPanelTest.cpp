#include <gen/qt/GCheckBox.h>
#include <gen/qt/GComboBox.h>
#include <gen/qt/GFlowLayout.h>
#include <gen/qt/GLabel.h>
#include <gen/qt/GPanel.h>
#include <gen/qt/GSplitter.h>
#include <gen/qt/world_lang.h>

#include "support/Fatal.h"
#include "support/LogCapture.h"

#include <QBoxLayout>
#include <QFormLayout>
#include <QRegularExpression>
#include <QStackedLayout>

using gen::qt::GPanel;

namespace {

template<class L>
bool is(QLayout* layout)
{
    return dynamic_cast<L*>(layout) != nullptr;
}

// Every kind takes margins and spacing; a panel without a layout has none.
TEST(GPanelTest, LayoutKindsMapToQtLayoutsWhichTakeMarginsAndSpacing)
{
    std::pair<gen::qt::GLAYOUT, bool (*)(QLayout*)> const rows[] = {
        {gen::qt::LAYOUT_VERT, is<QVBoxLayout>},     {gen::qt::LAYOUT_HORZ, is<QHBoxLayout>},
        {gen::qt::LAYOUT_FLOW, is<gen::GFlowLayout>}, {gen::qt::LAYOUT_STACKED, is<QStackedLayout>},
        {gen::qt::LAYOUT_GRID, is<QGridLayout>},     {gen::qt::LAYOUT_FORM, is<QFormLayout>},
    };
    for (auto const& [kind, isExpected] : rows) {
        GPanel panel(kind);
        EXPECT_TRUE(isExpected(panel.get_layout()) && panel.layout() == panel.get_layout()) << kind;
        panel.set_margins(QMargins(1, 2, 3, 4));
        panel.set_spacing(7);
        EXPECT_TRUE(panel.get_margins() == QMargins(1, 2, 3, 4) && panel.get_layout()->spacing() == 7) << kind;
    }
    GPanel none;
    none.set_margins(5);
    EXPECT_TRUE(none.get_layout() == nullptr && none.get_margins().isNull());
}

// A stacked panel shows the chosen widget, others log and ignore it. A widget
// enters once; a second layout takes every widget over in order.
TEST(GPanelTest, CreateHelpersBuildWidgetsThatANewLayoutKeepsInOrder)
{
    test::LogCapture log;
    GPanel panel(gen::qt::LAYOUT_HORZ);
    EXPECT_EQ(panel.create_label("wide", 120)->minimumWidth(), 120);
    auto* box = panel.create_checkBox("on", true, "tip");
    EXPECT_TRUE(box->isChecked() && box->toolTip() == "tip" && !panel.create_checkBox("off")->isChecked());
    QWidget* spacers[] = {panel.create_spacer(), panel.create_spacer_vert(), panel.create_spacer_horz()};
    EXPECT_TRUE(panel.containsWidget(spacers[0]) && panel.containsWidget(spacers[2]));
    auto* line = panel.create_horz_line(3, "red", "");
    EXPECT_FALSE(line->objectName().isEmpty());
    EXPECT_TRUE(line->styleSheet().startsWith("#" + line->objectName() + " { border: 3px solid red;"));
    EXPECT_EQ(panel.create_combobox_world_lang()->count(), 20);
    std::vector<GPanel*> panels{panel.create_pan_vert(), panel.create_pan_flow(), panel.create_pan_stacked()};
    std::vector<GPanel*> found;
    panel.get_panels(found);
    EXPECT_EQ(found, panels);
    panels[2]->create<QLabel>("1");
    auto* second = panels[2]->create<QLabel>("2");
    panels[2]->show_stacked_widget(second);
    EXPECT_EQ(qobject_cast<QStackedLayout*>(panels[2]->layout())->currentWidget(), second);
    panels[0]->show_stacked_widget(second);
    EXPECT_TRUE(log.contains("GPanel::show_stacked_widget, NO QStackedLayout"));
    panel.setObjectName("buttons");
    EXPECT_TRUE(panel.to_string() == "GPanel@buttons" && panel.is_name("buttons") && GPanel().to_string() == "GPanel");
    EXPECT_EQ(panel.add_widget(line), line);
    EXPECT_TRUE(log.contains("XPanel::add_widget, w already in container") && !panel.containsWidget(nullptr));
    std::vector<QWidget*> before;
    panel.get_widgets(before);
    panel.set_layout(gen::qt::LAYOUT_VERT);
    std::vector<QWidget*> after;
    panel.get_widgets(after);
    EXPECT_TRUE(after == before && before.size() == 11u && is<QVBoxLayout>(panel.layout()));
}

// The languages the helper offers come from this table.
TEST(WorldLang, EveryTwoLetterCodeOnceAndTheTwentyInDisplayOrder)
{
    auto const& all = gen::qt::get_map_world_lang();
    EXPECT_EQ(all.size(), 185u);  // a repeated code in the source table would silently drop an entry
    QRegularExpression const twoLetters("^[a-z]{2}$");
    for (auto const& [key, name] : all) {
        EXPECT_TRUE(twoLetters.match(key).hasMatch() && !name.isEmpty()) << key.toStdString();
    }
    EXPECT_EQ(all.at("nb"), QString::fromUtf8("Norwegian Bokm\xc3\xa5l"));
    QStringList codes;
    for (auto const& [code, name] : gen::qt::create_vector_world_lang_20()) {
        codes << code;
        EXPECT_TRUE(all.at(code) == name && gen::qt::get_map_world_lang_20().at(code) == name) << code.toStdString();
    }
    EXPECT_EQ(codes.join(' '), "en de zh es hi ar bn pt ru ja fr ms id it ko tr vi pa ur te");
    EXPECT_EQ(gen::qt::get_map_world_lang_20().size(), 20u);
}

// Nested layouters, also inside a splitter, get the pass before the panel's
// own listener.
TEST(GPanelTest, LayoutPassReachesNestedLayoutersBeforeTheListener)
{
    GPanel root(gen::qt::LAYOUT_VERT);
    auto* inSplitter = new GPanel(gen::qt::LAYOUT_VERT);
    root.create<gen::qt::GSplitter>(Qt::Vertical)->addWidget(inSplitter);
    root.create<QLabel>("not a layouter");
    std::vector<std::string> order;
    auto record = [&order](char const* who) {
        return [&order, who](gen::qt::LayoutEvent* const& ev) { order.push_back(who + std::to_string(ev->reason)); };
    };
    root.create_pan_vert()->lisLayout += record("child ");
    inSplitter->lisLayout += record("split ");
    root.lisLayout += record("root ");
    gen::qt::LayoutEvent ev{QSize(6, 4), 11, gen::qt::LayoutEvent::RESIZE};
    root.do_layout(ev);
    EXPECT_EQ(order, (std::vector<std::string>{"split 1", "child 1", "root 1"}));
    std::vector<gen::qt::Layouter*> layouters;
    root.get_layouter(layouters);
    EXPECT_EQ(layouters.size(), 2u);
}

// Three fixed 80 x 30 boxes, margin 10, spacing 5 across and 4 down.
TEST(GFlowLayoutTest, ItemsWrapOnlyWhenTheyPassTheRightEdge)
{
    QWidget parent;
    auto* flow = new gen::GFlowLayout(&parent, 10, 5, 4);
    QLabel* boxes[] = {new QLabel, new QLabel, new QLabel};
    for (QLabel* box : boxes) {
        box->setFixedSize(80, 30);
        flow->addWidget(box);
    }
    // The panel's width, the first box's height, whether the second is hidden: where the boxes go, heightForWidth.
    struct Row { char const* name; int width, firstHeight; bool hideSecond; QPoint first, second, third; int height; };
    Row const rows[] = {
        // 10 + 80 + 5 + 80 + 5 + 80 + 10: the last box fits exactly and stays.
        {"fits exactly", 270, 30, false, {10, 10}, {95, 10}, {180, 10}, 50},
        {"one pixel short", 269, 30, false, {10, 10}, {95, 10}, {10, 44}, 84},
        // Narrower than one box: one per line, the first never wraps.
        {"narrower than a box", 50, 30, false, {10, 10}, {10, 44}, {10, 78}, 118},
        {"below the tallest", 190, 50, false, {10, 10}, {95, 10}, {10, 64}, 104},
        {"hidden takes no room", 190, 30, true, {10, 10}, {}, {95, 10}, 50},
    };
    for (Row const& row : rows) {
        SCOPED_TRACE(row.name);
        boxes[0]->setFixedSize(80, row.firstHeight);
        boxes[1]->setHidden(row.hideSecond);
        flow->invalidate();
        flow->setGeometry(QRect(0, 0, row.width, 200));
        EXPECT_EQ(boxes[0]->geometry().topLeft(), row.first);
        EXPECT_TRUE(row.hideSecond || boxes[1]->geometry().topLeft() == row.second);
        EXPECT_EQ(boxes[2]->geometry(), QRect(row.third, QSize(80, 30)));
        EXPECT_EQ(flow->heightForWidth(row.width), row.height);
    }
    // The size hint is the largest minimum plus the margins.
    boxes[2]->setFixedSize(120, 20);
    EXPECT_EQ(flow->sizeHint(), QSize(140, 50));
    EXPECT_TRUE(flow->hasHeightForWidth() && flow->expandingDirections() == Qt::Orientations());
    EXPECT_TRUE(flow->itemAt(-1) == nullptr && flow->takeAt(3) == nullptr);
    delete flow->takeAt(0);
    EXPECT_TRUE(flow->itemAt(0)->widget() == boxes[1] && flow->itemAt(2) == nullptr);
    // Negative spacing comes from the parent's style; an orphan has none to ask.
    flow->setSpacing(-1);
    EXPECT_EQ(flow->horizontalSpacing(), parent.style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing));
    EXPECT_EQ(gen::GFlowLayout(nullptr, 0, -1, -1).verticalSpacing(), -1);
    EXPECT_EQ(gen::GFlowLayout(nullptr, 0, 3, 4).spacing(), -1);  // the two differ
}

// Each takes five seconds: the fatal handler pauses before it exits.
TEST(GPanelDeathTest, NullWidgetAndMissingLayoutEndTheProgram)
{
    EXPECT_FATAL_EXIT(GPanel(gen::qt::LAYOUT_VERT).add_widget(nullptr), "nullptr:widget == NULL\nsrc/gen/qt/GPanel");
    EXPECT_FATAL_EXIT(GPanel().add_widget(new QLabel), "nullptr:lay == NULL\nsrc/gen/qt/GPanel");
}

}  // namespace
