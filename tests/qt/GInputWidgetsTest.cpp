#include <gen/qt/GAction.h>
#include <gen/qt/GButton.h>
#include <gen/qt/GCheckBox.h>
#include <gen/qt/GComboBox.h>
#include <gen/qt/GLabel.h>
#include <gen/qt/GLineEdit.h>
#include <gen/qt/GListView.h>
#include <gen/qt/GMenu.h>
#include <gen/qt/GMessageBox.h>
#include <gen/qt/GSplitter.h>
#include <gen/qt/GTimer.h>
#include <gen/qt/KeyEventFilter.h>
#include <gen/qt/guitools/GGui.h>

#include "qt/Contrast.h"
#include "support/LogCapture.h"

#include <QPointer>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

#include <climits>

using gen::qt::GButton;

namespace {

using Events = std::vector<std::string>;

// Typed keys pass the key filter, which logs plain keys at DEBUG but modifier
// keys alone, repeating with every shortcut, only at TRACE.
TEST(GLineEditTest, TypedKeysPassTheFilterAndParsedNumbersFallBackOnJunk)
{
    gen::qt::GLineEdit edit;
    gen::qt::KeyEventFilter filter;
    edit.installEventFilter(&filter);
    test::LogCapture log(gen::log::LEVEL_DEBUG);
    QTest::keyClicks(&edit, "  42 ");
    QTest::keyClick(&edit, Qt::Key_Shift, Qt::ShiftModifier);
    EXPECT_TRUE(log.contains("KeyPress: key=52 mods=, string:4") && log.contains("KeyRelease: key=50 "));
    EXPECT_FALSE(log.contains("key=16777248"));
    EXPECT_EQ(edit.get_parsed_long(-1), 42);
    // Decimal only, the full range; a point, never a comma; nothing infinite or nan.
    std::tuple<char const*, long long, double> const rows[] = {{"0x10", 5, 4}, {" 2.5 ", 5, 2.5}, {"2,5", 5, 4},
        {"-9223372036854775808", LLONG_MIN, -9223372036854775808.0}, {"nan", 5, 4}, {"1e999", 5, 4}};
    for (auto const& [text, asLong, asDouble] : rows) {
        edit.setText(text);
        EXPECT_TRUE(edit.get_parsed_long(5) == asLong && edit.get_parsed_double(4) == asDouble) << text;
    }
}

// A missing icon empties the path but keeps a shown icon. set_checked fires
// only when asked, clicks always do except on a disabled button; label moves
// are tracked without a button.
TEST(GWidgetListenersTest, ButtonsAndListenersDoWhatTheUserDoes)
{
    GButton icon(":/wb/icons/no_such_icon.svg", "Options");
    icon.adapt_to_theme(1);  // nothing to re-theme
    EXPECT_TRUE(icon.icon().isNull() && icon.get_icon_res().isEmpty() && icon.toolTip() == "Options");
    icon.set_icon_res(":/wb/icons/copy.svg");
    icon.adapt_to_theme(1);
    EXPECT_EQ(icon.get_icon_res(), ":/wb/icons/dark/copy.svg");
    icon.set_icon_res(":/wb/icons/gone.svg");
    EXPECT_TRUE(icon.get_icon_res().isEmpty() && !icon.icon().isNull() && icon.text().isEmpty());
    icon.adapt_size_to_font(8);
    EXPECT_EQ(icon.maximumWidth(), QWIDGETSIZE_MAX);
    GButton button("R", "", "btnR");
    button.set_string("Grüße");
    EXPECT_EQ(button.text(), QString::fromUtf8("Grüße"));
    button.set_string("Mode $ of $", 2, 3);
    EXPECT_EQ(button.text() + gen::qt::get_id(&button), "Mode 2 of 3btnR");
    button.set_text_toolTip("VIEW", "tip");
    button.adapt_size_to_font(8);
    EXPECT_EQ(button.maximumWidth(), QFontMetrics(button.font()).horizontalAdvance("VIEW") + 16);
    Events ev;
    gen::qt::GCheckBox box("cities");
    box.lisToggled += [&](bool const& on) { ev.push_back(on ? "box on" : "box off"); };
    button.setCheckable(true);
    button.lisClicked += [&]() { ev.push_back(button.isChecked() ? "button on" : "button off"); };
    box.set_checked(true, false);
    button.set_checked(true, false);
    EXPECT_TRUE(box.isChecked() && button.isChecked() && ev.empty());
    box.set_checked(false, true);
    box.show();
    button.show();
    QTest::mouseClick(&box, Qt::LeftButton, {}, box.rect().center());
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::keyClick(&button, Qt::Key_Space);
    button.setEnabled(false);
    QTest::mouseClick(&button, Qt::LeftButton);
    auto at = [&ev](char const* what) {
        return [&ev, what](QMouseEvent* const& e) { ev.push_back(what + std::to_string(e->position().toPoint().x())); };
    };
    gen::qt::GLabel label("drag me");
    label.lisPress += at("press ");
    label.lisRelease += at("release ");
    label.lisMove += at("move ");
    label.show();
    QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(10, 12));
    QMouseEvent move(QEvent::MouseMove, QPointF(20, 5), label.mapToGlobal(QPointF(20, 5)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&label, &move);
    gen::qt::GComboBox combo;
    combo.addItems({"en", "de"});
    combo.lisText += [&](QString const& t) { ev.push_back("text " + t.toStdString()); };
    combo.lisIndex += [&](int const& i) { ev.push_back("index " + std::to_string(i)); };
    combo.show();
    QTest::keyClick(&combo, Qt::Key_Down);
    gen::qt::GSplitter splitter(Qt::Horizontal);
    splitter.lisMoved += [&](int const& pos) { ev.push_back("moved " + std::to_string(pos)); };
    emit splitter.splitterMoved(60, 1);
    gen::qt::GTimer timer;
    timer.setInterval(1);
    timer.lisTimeout += [&](int const& payload) { ev.push_back("tick " + std::to_string(payload)); };
    timer.set_start_stop(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ev.back() == "tick 0"; }, 5000));
    timer.set_start_stop(false);
    EXPECT_FALSE(timer.isActive());
    ev.resize(11);  // the timer may tick more than once
    EXPECT_EQ(ev, (Events{"box off", "box on", "button off", "button on", "press 10", "release 10", "move 20",
                          "index 1", "text de", "moved 60", "tick 0"}));
}

// The helpers show non-modal boxes that report the answer; a box without a
// parent deletes itself when closed.
TEST(GMessageBoxTest, BoxesReportTheAnswerAndOrphansDeleteThemselves)
{
    QWidget parent;
    EXPECT_EQ(gen::qt::GMessageBox::show_error(&parent, "Error", "broken")->icon(), QMessageBox::Critical);
    auto* ask = gen::qt::GMessageBox::ask_yes_no(&parent, "Question", "go on?", QMessageBox::Warning);
    EXPECT_TRUE(ask->isVisible() && !ask->isModal() && ask->icon() == QMessageBox::Warning);
    Events ev;
    ask->lisFinished += [&](int const& r) { ev.push_back(r == QMessageBox::Yes ? "finished yes" : "finished"); };
    ask->lisAccepted += [&](int const&) { ev.push_back("accepted"); };
    ask->lisRejected += [&](int const&) { ev.push_back("rejected"); };
    QTest::mouseClick(ask->button(QMessageBox::Yes), Qt::LeftButton);
    EXPECT_EQ(ev, (Events{"accepted", "finished yes"}));
    QPointer<gen::qt::GMessageBox> orphan = gen::qt::GMessageBox::show_info(nullptr, "t", "x");
    QTest::mouseClick(orphan->button(QMessageBox::Ok), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return orphan.isNull(); }, 2000));
}

// Select all and none fire only for rows that change; a click on the
// indicator, inside the item padding, toggles the item.
TEST(GListViewTest, ItemsToggleBySelectionAndClickAndStayReadable)
{
    gen::qt::GListView list(new QStandardItemModel);
    QStandardItem* a = list.create_item(QString("a"), true, true, QVariant(7u));
    list.create_item(std::string("b"), true, false);
    list.create_item(QString("c"), true, false);
    EXPECT_TRUE(list.get_model()->rowCount() == 3 && a->data(Qt::UserRole).toUInt() == 7u);
    Events changed;
    list.lisItem += [&](QStandardItem* const& item) { changed.push_back(item->text().toStdString()); };
    list.select_all(true);
    list.select_none();
    list.select_all(false);
    list.resize(300, 200);
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    QRect const row = list.visualRect(a->index());
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, QPoint(row.left() + 10 + 13, row.center().y()));
    EXPECT_EQ(changed, (Events{"b", "c", "a", "b", "c", "a"}));
    QRegularExpression const item(R"(QListView::item \{[^}]*color: (#\w+);\s*background: (#\w+);)");
    for (unsigned int theme : {2u, 1u, 0u}) {
        list.adapt_style(theme);
        QRegularExpressionMatch const m = item.match(list.styleSheet());
        ASSERT_TRUE(m.hasMatch()) << theme;
        EXPECT_GE(test::contrast(QColor(m.captured(1)), QColor(m.captured(2))), 4.5) << theme;
    }
}

// A heading is bold and disabled; only a menu with a parent shows.
TEST(GMenuTest, HeadingsAreBoldAndOnlyAMenuWithAParentShowsAtTheMouse)
{
    QWidget parent;
    parent.show();
    for (QWidget* owner : {&parent, static_cast<QWidget*>(nullptr)}) {
        std::unique_ptr<gen::qt::GMenu> menu(gen::qt::GMenu::create_menu(owner, 0));
        gen::qt::GAction* heading = menu->create_label("Bodies", gen::qt::font::BOLD);
        EXPECT_TRUE(!heading->isEnabled() && heading->font().bold());
        menu->create_action("x");
        menu->show_at_mouse_pos(10);
        EXPECT_EQ(menu->isVisible(), owner != nullptr);
    }
}

}  // namespace
