#include "qt/WindowDriver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>

using GDialogOptionTest = test::WindowTest;

TEST_F(GDialogOptionTest, CancelChangesNothingAndOkWithTrace14AndNoTimeChangesTheNextLinesAndSurvivesARestart)
{
    auto win = test::open_window();
    QTest::keyClick(win.get(), Qt::Key_L, Qt::ControlModifier);  // the menu offers the dialog only while logging
    win->log_view()->set_font_size(12);
    gen::log::LogConfig const before = win->log_view()->logConfig;
    // Opens the dialog, checks what it shows, chooses TRACE, 14 and no time column, closes it with `button`.
    auto edit_and_close = [&win](char const* button) {
        ASSERT_TRUE(test::choose_option(*win, "Options"));
        QPointer<QDialog> dialog = win->findChild<QDialog*>();
        ASSERT_FALSE(dialog.isNull());
        auto* level = dialog->findChild<QComboBox*>("cbLogLevel");
        auto* size = dialog->findChild<QComboBox*>("cbFontSize");
        EXPECT_EQ((level->currentText() + " " + size->currentText()).toStdString(), "DEBUG 12");
        level->setCurrentText("TRACE");
        size->setCurrentText("14");
        QCheckBox* time = dialog->findChildren<QCheckBox*>().at(1);  // the columns in order, "number" first
        ASSERT_EQ(time->text().toStdString(), "time");
        // Clicked on its box: a click on the rest of its row does nothing.
        QTest::mouseClick(time, Qt::LeftButton, {}, QPoint(time->iconSize().width() / 2 + 2, time->height() / 2));
        QList<QPushButton*> const buttons = dialog->findChildren<QPushButton*>();
        auto const found = std::ranges::find_if(buttons, [button](QPushButton* b) { return b->text() == button; });
        ASSERT_NE(found, buttons.end());
        QTest::mouseClick(*found, Qt::LeftButton);
        QTest::qWait(10);
        EXPECT_TRUE(dialog.isNull());  // deleted on close
    };
    edit_and_close("Cancel");
    EXPECT_EQ(win->log_view()->logConfig, before);
    edit_and_close("OK");
    EXPECT_EQ(win->log_view()->findChild<QPlainTextEdit*>()->font().pointSize(), 14);
    gen::pp_trace("a trace line without time");
    QStringList const lines = test::log_lines(*win).filter("a trace line without time");
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines[0].contains("[TRA]") && !lines[0].contains(QRegularExpression(R"(\d\d:\d\d:\d\d,\d{3})")));
    std::string const columns = std::to_string(win->log_view()->logConfig.logControl.get());
    win->close();
    test::expect_peer_restores(temp.folder(), {{{"logLevel", "4"}, {"logFont", "14"}, {"logViewFont", "14"},
                                                {"logEnabled", "1"}, {"logVisible", "1"}, {"logControl", columns}}});
}
