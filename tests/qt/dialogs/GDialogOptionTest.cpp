#include <gen/qt/dialogs/GDialogOption.h>

#include "qt/TestWindow.h"
#include "qt/WindowDriver.h"

#include "support/RecordingSink.h"
#include "support/TempStore.h"

#include <gen/log/pp.h>
#include <gen/qt/GButton.h>
#include <gen/qt/GCheckBox.h>
#include <gen/qt/GComboBox.h>
#include <gen/qt/GPanelLogView.h>
#include <gen/qt/GSettings.h>
#include <gen/store/LogConfigGType.h>

#include "support/Fatal.h"

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QTest>


using gen::log::LogConfig;
using gen::qt::GDialogOption;
using gen::qt::GSettings;

namespace {

class GDialogOptionTest : public testing::Test {
protected:
    void SetUp() override
    {
        win = test::open_window();
        // The dialog is reached from the options menu, which offers it only
        // while logging is on.
        QTest::keyClick(win.get(), Qt::Key_L, Qt::ControlModifier);
        ASSERT_TRUE(win->log_view()->is_enabled());
    }
    GDialogOption* open_dialog()
    {
        if (!test::choose_option(*win, "Options")) {
            return nullptr;
        }
        return find_as<GDialogOption>(win.get(), QString());
    }

    LogConfig stored_log_config()
    {
        return GSettings::instance().get_window_node(win->get_object_name()).get_pod<LogConfig>("log", {});
    }

    // The framework's widgets have no meta-object of their own, so the real
    // type is checked with dynamic_cast rather than findChild<T*>.
    template<class T>
    static T* find_as(QObject* root, QString const& name)
    {
        for (QObject* obj : root->findChildren<QObject*>()) {
            auto* hit = dynamic_cast<T*>(obj);
            if (hit != nullptr && (name.isEmpty() || obj->objectName() == name)) {
                return hit;
            }
        }
        return nullptr;
    }

    template<class T>
    static T* child(QWidget* dialog, QString const& text)
    {
        for (QWidget* w : dialog->findChildren<QWidget*>()) {
            auto* hit = dynamic_cast<T*>(w);
            if (hit != nullptr && hit->text() == text) {
                return hit;
            }
        }
        return nullptr;
    }

    test::TempStore temp;
    test::RecordingSink sink;
    test::LogLevelGuard level{gen::log::LEVEL_TRACE};
    std::unique_ptr<test::TestWindow> win;
};

// A check box reacts to clicks on its indicator and text only, not on the
// empty rest of its row.
void click_check_box(QCheckBox* box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->iconSize().width() / 2 + 2, box->height() / 2));
}

bool has_time_column(QString const& line)
{
    static QRegularExpression const time(QStringLiteral(R"(\[\d\d:\d\d:\d\d,\d{3,6}\])"));
    return time.match(line).hasMatch();
}

}  // namespace

TEST_F(GDialogOptionTest, ShowsTheLogViewsConfiguration)
{
    win->log_view()->set_font_size(12);
    QPointer<GDialogOption> dialog = open_dialog();
    ASSERT_FALSE(dialog.isNull());
    EXPECT_EQ(dialog->windowTitle(), "Log Options");
    EXPECT_TRUE(dialog->isModal());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->palette().color(QPalette::Window), win->palette().color(QPalette::Window));

    auto* level = find_as<gen::qt::GComboBox>(dialog, "cbLogLevel");
    auto* font = find_as<gen::qt::GComboBox>(dialog, "cbFontSize");
    ASSERT_TRUE(level && font);
    EXPECT_EQ(level->count(), 5);
    EXPECT_EQ(level->itemText(4), "TRACE");
    EXPECT_EQ(level->currentText(), "DEBUG");
    EXPECT_EQ(font->count(), 9);
    EXPECT_EQ(font->itemText(0), "8");
    EXPECT_EQ(font->itemText(8), "16");
    EXPECT_EQ(font->currentText(), "12");
    // A fresh log view shows every column but the microsecond fraction.
    for (char const* on : {"number", "time", "abs time", "log level", "thread"}) {
        gen::qt::GCheckBox* box = child<gen::qt::GCheckBox>(dialog, on);
        ASSERT_NE(box, nullptr) << on;
        EXPECT_TRUE(box->isChecked()) << on;
    }
    EXPECT_FALSE(child<gen::qt::GCheckBox>(dialog, "micro seconds")->isChecked());
    QTest::mouseClick(child<gen::qt::GButton>(dialog, "Cancel"), Qt::LeftButton);
}

TEST_F(GDialogOptionTest, CancelChangesNeitherTheLogViewNorTheSettings)
{
    LogConfig const before = win->log_view()->logConfig;
    LogConfig const storedBefore = stored_log_config();
    QPointer<GDialogOption> dialog = open_dialog();
    ASSERT_FALSE(dialog.isNull());

    find_as<gen::qt::GComboBox>(dialog, "cbLogLevel")->setCurrentIndex(4);
    find_as<gen::qt::GComboBox>(dialog, "cbFontSize")->setCurrentText("15");
    click_check_box(child<gen::qt::GCheckBox>(dialog, "time"));
    EXPECT_EQ(dialog->get_working_config().logLevel, 4u);
    EXPECT_FALSE(dialog->get_working_config().logControl.is_set(gen::log::control::TIME));

    QTest::mouseClick(child<gen::qt::GButton>(dialog, "Cancel"), Qt::LeftButton);
    test::settle();
    EXPECT_TRUE(dialog.isNull());  // deleted on close
    EXPECT_TRUE(sink.contains("GDialogOption, Cancel"));
    EXPECT_EQ(win->log_view()->logConfig, before);
    EXPECT_EQ(stored_log_config(), storedBefore);
    gen::pp_trace("after cancel, trace line");
    EXPECT_TRUE(test::log_lines(win->log_view()).filter("after cancel, trace line").isEmpty());
}

TEST_F(GDialogOptionTest, OkWithTraceAnd14ShowsTraceLinesIn14PointAndSurvivesARestart)
{
    QPointer<GDialogOption> dialog = open_dialog();
    ASSERT_FALSE(dialog.isNull());
    find_as<gen::qt::GComboBox>(dialog, "cbLogLevel")->setCurrentIndex(4);
    find_as<gen::qt::GComboBox>(dialog, "cbFontSize")->setCurrentText("14");
    EXPECT_TRUE(sink.contains("GDialogOption....fontSize:14"));
    QTest::mouseClick(child<gen::qt::GButton>(dialog, "OK"), Qt::LeftButton);
    test::settle();
    EXPECT_TRUE(dialog.isNull());
    EXPECT_TRUE(sink.contains("GDialogOption, OK"));
    EXPECT_TRUE(sink.contains("GMainWindow::on_options, fontSize:14"));

    gen::qt::GPanelLogView* log = win->log_view();
    EXPECT_EQ(log->logConfig.logLevel, 4u);
    EXPECT_EQ(log->get_font_size(), 14);
    auto* view = log->findChild<QPlainTextEdit*>();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->font().pointSize(), 14);
    gen::pp_trace("a trace line for the panel");
    EXPECT_EQ(test::log_lines(log).filter("a trace line for the panel").size(), 1);

    LogConfig const stored = stored_log_config();
    EXPECT_EQ(stored.logLevel, 4u);
    EXPECT_EQ(stored.fontSize, 14u);
    EXPECT_TRUE(stored.is_enabled());

    win->close();
    win.reset();
    std::string error;
    std::vector<test::PeerWindow> peer = test::run_window_peer(temp.folder(), 1, error);
    ASSERT_EQ(error, "");
    ASSERT_EQ(peer.size(), 1u);
    EXPECT_EQ(peer[0]["logLevel"], "4");
    EXPECT_EQ(peer[0]["logFont"], "14");
    EXPECT_EQ(peer[0]["logViewFont"], "14");
    EXPECT_EQ(peer[0]["logEnabled"], "1");
    EXPECT_EQ(peer[0]["logVisible"], "1");
}

TEST_F(GDialogOptionTest, UntickingTimeRemovesTheTimeColumnFromFollowingLines)
{
    gen::pp("line with time");
    QStringList lines = test::log_lines(win->log_view()).filter("line with time");
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(has_time_column(lines[0])) << lines[0].toStdString();

    QPointer<GDialogOption> dialog = open_dialog();
    ASSERT_FALSE(dialog.isNull());
    click_check_box(child<gen::qt::GCheckBox>(dialog, "time"));
    QTest::mouseClick(child<gen::qt::GButton>(dialog, "OK"), Qt::LeftButton);
    test::settle();

    gen::pp("line without time");
    lines = test::log_lines(win->log_view());
    QStringList const later = lines.filter("line without time");
    ASSERT_EQ(later.size(), 1);
    EXPECT_FALSE(has_time_column(later[0])) << later[0].toStdString();
    EXPECT_TRUE(later[0].contains("[DEB]"));
    // Lines shown before keep their layout.
    EXPECT_TRUE(has_time_column(lines.filter("line with time")[0]));
    EXPECT_FALSE(stored_log_config().logControl.is_set(gen::log::control::TIME));
}

TEST(GDialogOptionDeathTest, ADialogWithoutOwnerEndsTheProgram)
{
    EXPECT_FATAL_EXIT(GDialogOption dialog(nullptr), "nullptr:parent == NULL\nsrc/gen/qt/dialogs/GDialogOption.cpp\nLINE:");
}
